// Scrolling and resizing of the main window's content: all rows of the
// control table, 52 characters wide and 36 lines high. The window's own
// scroll bars move the whole content, child windows included, and a window
// that grows pulls scrolled content back toward its origin.
#pragma once

#include "platform/win32.h"

// The content's extent in layout units: the scroll ranges are 0 .. 52 and
// 0 .. 36.
constexpr int ContentColumns = 52;
constexpr int ContentLines = 36;

// The content offsets in characters and lines: 0 or negative, minus how far
// the content is scrolled left and up. tableRectToPixels adds them.
extern int hScrollOffset;
extern int vScrollOffset;

// WM_SIZE: pulls the content back when the window now reaches past its end,
// and sets both scroll bars' range and page. The bars' positions are left
// to the bars, which keep them within the range.
void onSize(HWND mainWindow, int clientWidth, int clientHeight);

// The position a scroll bar request (SB_LINEUP ...) asks of a bar in state
// `info` (SIF_ALL), a line being `line` steps; the bar clamps it when set.
int requestedScrollPosition(int request, const SCROLLINFO& info, int line);

// WM_VSCROLL and WM_HSCROLL with the request code (SB_LINEUP ...): moves the
// bar, then the content by as much as the bar really moved.
void onVScroll(HWND mainWindow, int request);
void onHScroll(HWND mainWindow, int request);
