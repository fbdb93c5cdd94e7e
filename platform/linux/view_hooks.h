// The small interface through which a view mirrors the window records as
// real widgets. The layer calls the hooks on the main thread after it has
// changed a record (wake excepted, which any thread may call); with no hooks
// installed the layer runs headless with the same semantics. The view in
// turn reports what the user did through the calls at the end, which change
// the records and post the messages Win32 would send.
#pragma once

#include "platform/win32.h"

struct ViewHooks {
    // A record was created (its widget is to be made) or is about to go.
    void (*windowCreated)(HWND window);
    void (*windowDestroyed)(HWND window);
    // One property of a record changed.
    void (*textChanged)(HWND window);
    void (*checkChanged)(HWND window);
    void (*enabledChanged)(HWND window);
    void (*geometryChanged)(HWND window);
    void (*visibilityChanged)(HWND window);
    void (*scrollBarsChanged)(HWND window);
    // The client area's painted content changed: draw it again from the
    // draw list.
    void (*contentChanged)(HWND window);
    // An edit box's selection or first visible line was set: the widget
    // shows it (a one-line box scrolls to its caret) and writes back into
    // the record the line it really shows.
    void (*selectionChanged)(HWND window);
    void (*editScrolled)(HWND window);
    // Before the layer reads an edit box's selection or first visible line:
    // the widget, which the user moves by himself, writes them into the
    // record.
    void (*readEditState)(HWND window);
    // The keyboard focus moved to `window` (null: to no window).
    void (*focusChanged)(HWND window);
    // Handles the toolkit's events for at most `seconds` (0: only those
    // pending).
    void (*waitForEvents)(double seconds);
    // From any thread: makes a waiting waitForEvents return and serves the
    // cross-thread requests (viewServeRequests) on the main thread.
    void (*wake)();
    // A modal message box with the captions of its buttons, left to right
    // (CP932, `count` of them); returns the IDOK/IDYES/... answer.
    int (*messageBox)(HWND owner, const char* text, const char* caption, UINT type,
                      const char* const* buttons, int count);
    // Size of the virtual screen, in pixels.
    void (*screenSize)(int* width, int* height);
    // The record offset of the character of a multi-line edit box nearest
    // its client point (x, y), as the widget lays the text out; false when
    // the widget cannot tell, and the layer estimates it.
    bool (*editCharFromPoint)(HWND edit, int x, int y, int* offset);
};

// Installs the view; null returns the layer to headless.
void installViewHooks(const ViewHooks* hooks);
const ViewHooks* viewHooks();

// ---- What the user did, reported by the view (main thread) -------------

// Carries out the requests that other threads wait for.
void viewServeRequests();
// The user clicked a button: what Win32's button does, with BN_CLICKED to
// the parent.
void viewButtonClicked(HWND button);
// The user changed an edit box's text (CP932, CR LF line breaks): the record
// takes it without echoing it to the widget, and the parent hears EN_CHANGE.
void viewTextTyped(HWND edit, const char* text);
// The user resized or moved a top-level window (screen coordinates of the
// window's rectangle): WM_SIZE / WM_MOVE follow.
void viewWindowMoved(HWND window, int x, int y, int width, int height);
// The user is dragging a scroll bar's thumb to `position`.
void viewScrollTracked(HWND window, int bar, int position);
// The user turned the wheel by `delta` (WHEEL_DELTA a notch; forward and
// right positive) over point (x, y) of the top-level window's client area:
// the window there hears WM_MOUSEWHEEL or, `horizontal`, WM_MOUSEHWHEEL.
void viewMouseWheel(HWND topLevel, int x, int y, int delta, bool horizontal);
// The user double-clicked the left button in the text of a multi-line edit
// box, at its client point (x, y): WM_LBUTTONDBLCLK is posted to it.
void viewEditDoubleClicked(HWND edit, int x, int y);
// The user gave the focus to `window` (a click): the record follows, with
// WM_KILLFOCUS and WM_SETFOCUS, and the widget is not told again.
void viewFocusChanged(HWND window);
// The user pressed Tab, Enter or Escape (VK_*) in the top-level window:
// WM_KEYDOWN is posted to the focus window (WM_SYSKEYDOWN to `topLevel`
// when nothing has the focus). True when the focus widget carries the key
// out as well: Enter in a multi-line box starts a new line.
bool viewKeyPressed(HWND topLevel, int virtualKey, bool shift);
