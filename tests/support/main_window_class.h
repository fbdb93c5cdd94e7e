// The main window's class as registerMainWindowClass makes it, but with a
// procedure of the test's own (which notes what it needs and hands every
// message on to mainWindowProcedure).
#pragma once

#include "platform/win32.h"
#include "window/main_window.h"

inline ATOM registerMainWindowClassWith(WNDPROC procedure) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = MainWindowClass;
    return RegisterClassA(&windowClass);
}
