// The platform layer's own versions of the Win32 "A" calls whose texts the
// program gives or takes in code page 932. platform/win32.h routes the
// program's calls here; each converts with code page 932 (whatever the
// system's ANSI code page) and calls the wide (W) function, so that the
// windows are Unicode windows showing the same characters on every Windows.
// Those of the controls and the device contexts also give them the
// layer's font (platform/windows/layer_font.h).
//
// The layer's sources include this header, not platform/win32.h, and so
// call the system's functions by their own names.
#pragma once

#include <windows.h>

#include <cstdio>

// Windows and their texts (windows_messages.cpp).
ATOM platformRegisterClass(const WNDCLASSA* windowClass);
HWND platformCreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID param);
LRESULT platformSendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL platformSetWindowText(HWND window, LPCSTR text);
int platformGetWindowText(HWND window, LPSTR text, int maxCount);
int platformGetWindowTextLength(HWND window);

// Painting (painting.cpp).
HDC platformGetDC(HWND window);
HDC platformBeginPaint(HWND window, LPPAINTSTRUCT paint);
BOOL platformGetTextMetrics(HDC dc, LPTEXTMETRICA metrics);
int platformDrawText(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format);

// Message boxes (dialogs.cpp).
int platformMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// Files named in code page 932 (files.cpp).
DWORD platformGetFullPathName(LPCSTR fileName, DWORD bufferLength, LPSTR buffer, LPSTR* filePart);
BOOL platformMoveFileEx(LPCSTR existingName, LPCSTR newName, DWORD flags);
FILE* platformOpenFile(const char* name, const char* mode);
