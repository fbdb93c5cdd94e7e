// Scroll bars: the main window's own horizontal and vertical bars, and
// ScrollWindow, which moves the client area's content with its children.
//
// As in Win32, the bar keeps its position within min .. max - page + 1
// whenever the range, the page or the position is set, so a program reads
// the position back after setting it to learn where the bar really is. And
// as in Win32, setting the range or the page hides a bar whose page covers
// its whole range (unless SIF_DISABLENOSCROLL asks to keep it, disabled) and
// shows it again once it does not: the style bit goes with it, the client
// area grows or shrinks by the bar and the window hears WM_SIZE.
#include "platform/linux/view_hooks.h"
#include "platform/linux/window_records.h"

namespace {

bool validBar(int bar) { return bar == SB_HORZ || bar == SB_VERT; }

void clampPosition(records::ScrollBarState& s) {
    int high = s.max - (s.page > 0 ? s.page - 1 : 0);
    if (high < s.min) high = s.min;
    if (s.pos < s.min) s.pos = s.min;
    if (s.pos > high) s.pos = high;
    if (s.trackPos < s.min) s.trackPos = s.min;
    if (s.trackPos > high) s.trackPos = high;
}

void notifyBars(HWND window) {
    const ViewHooks* hooks = viewHooks();
    if (hooks && hooks->scrollBarsChanged) hooks->scrollBarsChanged(window);
}

// Whether there is anything to scroll: some position other than min.
bool needed(const records::ScrollBarState& s) { return s.min < s.max - (s.page > 0 ? s.page - 1 : 0); }

// Shows or hides the bar; true when that changed the style.
bool showBar(HWND window, int bar, bool show) {
    DWORD bit = bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
    if (((window->style & bit) != 0) == show) return false;
    window->style = show ? (window->style | bit) : (window->style & ~bit);
    return true;
}

}  // namespace

void viewScrollTracked(HWND window, int bar, int position) {
    if (!records::isLive(window) || !validBar(bar)) return;
    records::ScrollBarState& s = window->scroll[bar];
    s.trackPos = position;
    clampPosition(s);
}

int SetScrollInfo(HWND window, int bar, LPCSCROLLINFO info, BOOL redraw) {
    if (!window || !info) return 0;
    if (!records::onMainThread()) {
        int result = 0;
        auto call = [&] { result = SetScrollInfo(window, bar, info, redraw); };
        records::waitForMainThread(call);
        return result;
    }
    if (!records::isLive(window) || !validBar(bar)) return 0;
    records::ScrollBarState& s = window->scroll[bar];
    if (info->fMask & SIF_RANGE) {
        s.min = info->nMin;
        s.max = info->nMax > info->nMin ? info->nMax : info->nMin;
    }
    if (info->fMask & SIF_PAGE) {
        long long page = info->nPage;
        long long range = static_cast<long long>(s.max) - s.min + 1;
        s.page = static_cast<int>(page > range ? range : page);
    }
    if (info->fMask & SIF_POS) {
        s.pos = info->nPos;
        s.trackPos = info->nPos;
    }
    clampPosition(s);
    int oldWidth = records::clientWidth(window);
    int oldHeight = records::clientHeight(window);
    bool resized = false;
    if (info->fMask & (SIF_RANGE | SIF_PAGE))
        resized = showBar(window, bar, (info->fMask & SIF_DISABLENOSCROLL) != 0 || needed(s));
    int position = s.pos;
    notifyBars(window);
    // The window may set its bars again while it hears of its new size.
    if (resized) records::clientAreaChanged(window, oldWidth, oldHeight);
    return position;
}

BOOL GetScrollInfo(HWND window, int bar, LPSCROLLINFO info) {
    if (!window || !info) return FALSE;
    if (!records::onMainThread()) {
        BOOL result = FALSE;
        auto call = [&] { result = GetScrollInfo(window, bar, info); };
        records::waitForMainThread(call);
        return result;
    }
    if (!records::isLive(window) || !validBar(bar)) return FALSE;
    if ((info->fMask & SIF_ALL) == 0) return FALSE;
    const records::ScrollBarState& s = window->scroll[bar];
    if (info->fMask & SIF_RANGE) {
        info->nMin = s.min;
        info->nMax = s.max;
    }
    if (info->fMask & SIF_PAGE) info->nPage = static_cast<UINT>(s.page);
    if (info->fMask & SIF_POS) info->nPos = s.pos;
    if (info->fMask & SIF_TRACKPOS) info->nTrackPos = s.trackPos;
    return TRUE;
}

BOOL ScrollWindow(HWND window, int dx, int dy, const RECT* scrollRect, const RECT* clipRect) {
    if (!window) return FALSE;
    if (!records::onMainThread()) {
        BOOL result = FALSE;
        auto call = [&] { result = ScrollWindow(window, dx, dy, scrollRect, clipRect); };
        records::waitForMainThread(call);
        return result;
    }
    if (!records::isLive(window)) return FALSE;
    if (dx == 0 && dy == 0) return TRUE;
    const ViewHooks* hooks = viewHooks();
    for (PlatformWindow& child : records::windows) {
        if (!child.inUse || child.parent != window) continue;
        child.rect.left += dx;
        child.rect.right += dx;
        child.rect.top += dy;
        child.rect.bottom += dy;
        if (hooks && hooks->geometryChanged) hooks->geometryChanged(&child);
    }
    records::shiftDrawItems(window, dx, dy);
    // The strips that the move uncovered need painting.
    int width = records::clientWidth(window);
    int height = records::clientHeight(window);
    if (dx > 0) {
        RECT r{0, 0, dx, height};
        records::invalidate(window, &r, true);
    } else if (dx < 0) {
        RECT r{width + dx, 0, width, height};
        records::invalidate(window, &r, true);
    }
    if (dy > 0) {
        RECT r{0, 0, width, dy};
        records::invalidate(window, &r, true);
    } else if (dy < 0) {
        RECT r{0, height + dy, width, height};
        records::invalidate(window, &r, true);
    }
    if (hooks && hooks->contentChanged) hooks->contentChanged(window);
    return TRUE;
}
