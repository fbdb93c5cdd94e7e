// Message boxes in code page 932 through MessageBoxW: the question, the
// title ("Exit", "Abort") and the buttons all in the system's UI font,
// which every Windows links to a Japanese font for the characters it lacks.
#include "platform/windows/wide_calls.h"
#include "platform/windows/wide_text.h"

int platformMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    wchar_t wideText[WideTextUnits];
    wchar_t wideCaption[WideTextUnits];
    cp932ToWide(text ? text : "", -1, wideText, WideTextUnits);
    // A null title is the system's "Error", as in MessageBoxA.
    if (caption != nullptr) cp932ToWide(caption, -1, wideCaption, WideTextUnits);
    return MessageBoxW(owner, wideText, caption ? wideCaption : nullptr, type);
}
