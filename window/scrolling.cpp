// Scrolling and resizing: the two content offsets, the scroll bars' range
// and page on every resize, the answers to the scroll bar requests and the
// pull-back when the window grows. A bar shows only while its page does not
// cover the content (SetScrollInfo hides it otherwise).
#include "window/scrolling.h"

#include "window/control_table.h"

int hScrollOffset = 0;
int vScrollOffset = 0;

int requestedScrollPosition(int request, const SCROLLINFO& info, int line) {
    switch (request) {
    case SB_LINEUP: return info.nPos - line;
    case SB_LINEDOWN: return info.nPos + line;
    case SB_PAGEUP: return info.nPos - static_cast<int>(info.nPage);
    case SB_PAGEDOWN: return info.nPos + static_cast<int>(info.nPage);
    case SB_THUMBTRACK: return info.nTrackPos;
    case SB_TOP: return info.nMin;
    case SB_BOTTOM: return info.nMax;
    default: return info.nPos;  // SB_THUMBPOSITION, SB_ENDSCROLL and the unknown
    }
}

namespace {

// Moves `bar` as asked and the content by as much as the bar moved, never
// past the content's origin; returns true when the content moved.
bool scrollBar(HWND mainWindow, int bar, int request, int& offset) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(mainWindow, bar, &info)) return false;
    int old = info.nPos;

    info.fMask = SIF_POS;
    info.nPos = requestedScrollPosition(request, info, 1);
    SetScrollInfo(mainWindow, bar, &info, TRUE);
    info.fMask = SIF_POS;
    GetScrollInfo(mainWindow, bar, &info);
    if (info.nPos == old) return false;

    int d = old - info.nPos;
    if (d > -offset) d = -offset;
    if (bar == SB_VERT) {
        ScrollWindow(mainWindow, 0, d * lineHeight, nullptr, nullptr);
    } else {
        ScrollWindow(mainWindow, d * charWidth, 0, nullptr, nullptr);
    }
    offset += d;
    return true;
}

void setBar(HWND mainWindow, int bar, int maximum, int page) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = 0;
    info.nMax = maximum;
    info.nPage = static_cast<UINT>(page);
    SetScrollInfo(mainWindow, bar, &info, TRUE);
}

}  // namespace

void onSize(HWND mainWindow, int clientWidth, int clientHeight) {
    // Before the units are measured there is no layout to fit.
    if (charWidth <= 0 || lineHeight <= 0) return;
    int cols = clientWidth / charWidth;
    int rows = clientHeight / lineHeight;

    bool scrolled = false;
    if (vScrollOffset < 0 && rows > vScrollOffset + ContentLines) {
        int d = rows - (vScrollOffset + ContentLines);
        if (d > -vScrollOffset) d = -vScrollOffset;
        ScrollWindow(mainWindow, 0, d * lineHeight, nullptr, nullptr);
        vScrollOffset += d;
        scrolled = true;
    }
    if (hScrollOffset < 0 && cols > hScrollOffset + ContentColumns) {
        int d = cols - (hScrollOffset + ContentColumns);
        if (d > -hScrollOffset) d = -hScrollOffset;
        ScrollWindow(mainWindow, d * charWidth, 0, nullptr, nullptr);
        hScrollOffset += d;
        scrolled = true;
    }
    if (scrolled) InvalidateRect(mainWindow, nullptr, TRUE);

    // A bar that appears or goes changes the client area, and the window
    // hears WM_SIZE for the new size before SetScrollInfo returns: that
    // has set both bars already, and the size in hand is out of date.
    RECT before{};
    RECT after{};
    GetClientRect(mainWindow, &before);
    setBar(mainWindow, SB_VERT, ContentLines, rows);
    GetClientRect(mainWindow, &after);
    if (after.right != before.right || after.bottom != before.bottom) return;
    setBar(mainWindow, SB_HORZ, ContentColumns, cols);
}

void onVScroll(HWND mainWindow, int request) {
    // Only the strip the scroll uncovered is painted, and at once.
    if (scrollBar(mainWindow, SB_VERT, request, vScrollOffset)) UpdateWindow(mainWindow);
}

void onHScroll(HWND mainWindow, int request) {
    // Every painted row is drawn again, so that a row whose left edge has
    // left the client area disappears whole.
    if (scrollBar(mainWindow, SB_HORZ, request, hScrollOffset)) InvalidateRect(mainWindow, nullptr, TRUE);
}
