// The real window view, seen from outside the view: starting it, and the
// queries with which window tests compare the widgets on the display with
// the records. Free of toolkit types, so that any code may include it; only
// combinix_view implements it.
#pragma once

#include <cstddef>

#include "platform/win32.h"

// Opens the display and installs the view; false (and the layer stays
// headless) when no display can be opened.
bool startView();

// ---- Test-only queries of the real widgets ------------------------------

// The widget's rectangle relative to its top-level window.
bool viewWidgetRect(HWND window, RECT* rect);
// The UTF-8 text the widget shows: a label, an input's value, an editor's
// buffer.
size_t viewWidgetText(HWND window, char* utf8, size_t size);
// The check mark the widget shows (0 or 1), -1 for widgets without one.
int viewWidgetCheck(HWND window);
// The X window of a top-level window, 0 when it is not shown.
unsigned long viewNativeWindow(HWND window);
// True when the font the controls draw with has a glyph for every
// character of the UTF-8 text, so none is drawn as a box.
bool viewFontCovers(const char* utf8);
// Gives the keyboard focus to the widget of `window`, as a click would.
void viewFocus(HWND window);
// True when the widget of `window` has FLTK's keyboard focus.
bool viewHasFocus(HWND window);
// What an edit box's widget shows: for a one-line box the cursor, the
// mark (UTF-8 offsets) and the pixels scrolled off at the left; for a
// multi-line box the caret, the anchor (record offsets) and the first line
// shown.
bool viewEditShows(HWND window, int* cursor, int* mark, int* scrolled);
// The middle of the first character of line `line` of a multi-line box,
// in the coordinates of its top-level window; false when the line is not in
// view.
bool viewEditLinePoint(HWND edit, int line, POINT* point);
// True while a message box is open, with the UTF-8 text it shows (not its
// caption nor its buttons').
bool viewMessageBoxText(char* utf8, size_t size);
// True when the top-level window shows its own scroll bar `bar`.
bool viewScrollBarShown(HWND window, int bar);
