// Placeholder window calls for builds without the window layer: every call
// acts as on a null handle.
#include "platform/win32.h"

BOOL SetWindowTextA(HWND window, LPCSTR text) {
    (void)text;
    return window != nullptr ? TRUE : FALSE;
}
