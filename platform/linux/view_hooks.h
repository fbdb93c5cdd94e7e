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
    // Handles the toolkit's events for at most `seconds` (0: only those
    // pending).
    void (*waitForEvents)(double seconds);
    // From any thread: makes a waiting waitForEvents return and serves the
    // cross-thread requests (viewServeRequests) on the main thread.
    void (*wake)();
    // A modal message box; returns the IDOK/IDYES/... answer.
    int (*messageBox)(HWND owner, const char* text, const char* caption, UINT type);
    // Size of the virtual screen, in pixels.
    void (*screenSize)(int* width, int* height);
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
