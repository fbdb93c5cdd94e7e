// Keyboard focus, keys and the mouse wheel: SetFocus and GetFocus, the keys
// the view hands over as WM_KEYDOWN, GetKeyState, and the window under the
// pointer that hears the wheel.
//
// The Win32 rules the program relies on: a disabled window cannot take the
// focus and gives it up when it is disabled; keys go to the focus window, or
// as system keys to the top-level window when nothing has the focus; the
// wheel goes to the window under the pointer, which a hidden or disabled
// window, a static text or a group box never is, and a point outside a
// window's client area is in none of its children.
#include "platform/linux/view_hooks.h"
#include "platform/linux/window_records.h"

namespace records {

HWND focus = nullptr;

}  // namespace records

namespace {

using records::Builtin;

// Whether Shift was down at the last key the view handed over.
bool shiftDown = false;

bool isWithin(HWND window, HWND ancestor) {
    for (HWND w = window; records::isLive(w); w = w->parent) {
        if (w == ancestor) return true;
    }
    return false;
}

bool canTakeFocus(HWND window) {
    for (HWND w = window; records::isLive(w); w = w->parent) {
        if (!w->enabled) return false;
    }
    return true;
}

HWND topLevelOf(HWND window) {
    while (records::isLive(window->parent)) window = window->parent;
    return window;
}

// Static texts and group boxes answer HTTRANSPARENT to Win32's hit test:
// the pointer is over whatever lies beneath them.
bool transparentToMouse(HWND window) {
    if (window->builtin == Builtin::Static) return true;
    return window->builtin == Builtin::Button && (window->style & BS_TYPEMASK) == BS_GROUPBOX;
}

// The window at client point (x, y) of `parent`: the first child in the
// store's order (the creation order) that holds the point, or the parent
// itself; null when the point lies outside the parent's client area.
HWND windowAt(HWND parent, int x, int y) {
    if (x < 0 || y < 0 || x >= records::clientWidth(parent) || y >= records::clientHeight(parent))
        return nullptr;
    for (PlatformWindow& child : records::windows) {
        if (!child.inUse || child.parent != parent || !child.visible || !child.enabled) continue;
        if (transparentToMouse(&child)) continue;
        const RECT& r = child.rect;
        if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) continue;
        int inset = (child.style & WS_BORDER) ? 1 : 0;
        HWND inner = windowAt(&child, x - r.left - inset, y - r.top - inset);
        return inner ? inner : &child;
    }
    return parent;
}

}  // namespace

namespace records {

HWND moveFocus(HWND window, bool tellView) {
    HWND old = focus;
    if (window == old) return old;
    focus = window;
    if (isLive(old)) SendMessageA(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    // The old window's procedure may have moved the focus on.
    if (focus != window) return old;
    if (isLive(window)) SendMessageA(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    const ViewHooks* hooks = viewHooks();
    if (tellView && focus == window && hooks && hooks->focusChanged) hooks->focusChanged(window);
    return old;
}

void dropFocus(HWND window, bool toParent) {
    if (!isLive(focus) || !isWithin(focus, window)) return;
    moveFocus(toParent && isLive(window->parent) ? window->parent : nullptr, true);
}

}  // namespace records

// ---- What the user did --------------------------------------------------

void viewFocusChanged(HWND window) {
    if (!records::isLive(window) || !canTakeFocus(window)) return;
    records::moveFocus(window, false);
}

bool viewKeyPressed(HWND topLevel, int virtualKey, bool shift) {
    if (!records::isLive(topLevel)) return false;
    shiftDown = shift;
    HWND target = records::focus;
    if (records::isLive(target) && topLevelOf(target) == topLevel) {
        PostMessageA(target, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
        return virtualKey == VK_RETURN && target->builtin == Builtin::Edit && (target->style & ES_MULTILINE);
    }
    PostMessageA(topLevel, WM_SYSKEYDOWN, static_cast<WPARAM>(virtualKey), 1);
    return false;
}

void viewMouseWheel(HWND topLevel, int x, int y, int delta, bool horizontal) {
    if (!records::isLive(topLevel)) return;
    HWND target = windowAt(topLevel, x, y);
    if (!target) target = topLevel;
    // As in Win32, the message carries the pointer in screen coordinates.
    LPARAM point = MAKELPARAM(topLevel->rect.left + x, topLevel->rect.top + y);
    PostMessageA(target, horizontal ? WM_MOUSEHWHEEL : WM_MOUSEWHEEL, MAKEWPARAM(0, delta), point);
}

// ---- Calls --------------------------------------------------------------

HWND SetFocus(HWND window) {
    // The focus belongs to the main thread's windows; another thread cannot
    // set it, as in Win32.
    if (!records::onMainThread()) return nullptr;
    if (window && (!records::isLive(window) || !canTakeFocus(window))) return nullptr;
    return records::moveFocus(window, true);
}

HWND GetFocus() {
    if (!records::onMainThread()) return nullptr;
    return records::isLive(records::focus) ? records::focus : nullptr;
}

SHORT GetKeyState(int virtualKey) {
    if (virtualKey == VK_SHIFT && shiftDown) return static_cast<SHORT>(0x8000);
    return 0;
}
