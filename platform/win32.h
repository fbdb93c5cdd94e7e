// The seam between the program and the system's window calls.
//
// Everything above this header speaks Win32. On Windows the header is just
// <windows.h>; on Linux it declares the subset the program uses, carried out
// by platform/linux. Every call on a null window handle does nothing.
//
// Implemented so far: the window handle type and SetWindowTextA, which the
// search uses to refresh the Result box (a null handle when no window exists).
#pragma once

#ifdef _WIN32
#include <windows.h>
#else

#include <cstdint>

struct PlatformWindow;
typedef PlatformWindow* HWND;
typedef int BOOL;
typedef const char* LPCSTR;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

BOOL SetWindowTextA(HWND window, LPCSTR text);

#endif
