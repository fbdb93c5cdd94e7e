// The main window: its class, caption and style, and the window procedure
// that hands each message to the part of the program that handles it.
#pragma once

#include "platform/win32.h"

extern const char MainWindowClass[];    // "Combinix"
extern const char MainWindowCaption[];  // the same in both languages
constexpr DWORD MainWindowStyle = WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL;

// Registers the class "Combinix"; 0 when that fails.
ATOM registerMainWindowClass(HINSTANCE instance);
// Registers a class of the program's top-level windows: painted anew
// whole when resized, the program's icon (resource ProgramIconResource of
// `instance`, else the standard one) and the arrow, the background of system
// colour `background`; 0 when that fails.
ATOM registerWindowClass(const char* name, WNDPROC procedure, HINSTANCE instance, int background);
// Creates the main window; its WM_CREATE creates every control.
HWND createMainWindow(HINSTANCE instance);

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
