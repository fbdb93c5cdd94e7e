// An edit box's selection as EM_GETSEL reports it, for the tests of the
// boxes and of the keyboard.
#pragma once

#include "platform/win32.h"

struct EditSelection {
    DWORD start;
    DWORD end;
};

inline EditSelection selectionOf(HWND edit) {
    EditSelection s{99, 99};
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&s.start), reinterpret_cast<LPARAM>(&s.end));
    return s;
}
