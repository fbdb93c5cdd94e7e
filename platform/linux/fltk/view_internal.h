// What the files of the FLTK view share: the widget classes' common
// knowledge of their records, the text conversions and the drawing font.
#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>

#include "platform/linux/window_records.h"

namespace view {

// The controls and painted texts draw in IPA P Gothic (FL_HELVETICA is
// mapped to it), which has the Japanese and the Latin glyphs alike.
constexpr Fl_Font Face = FL_HELVETICA;
constexpr Fl_Fontsize FaceSize = 12;

// The widget mirroring `window`, or null.
inline Fl_Widget* widgetOf(HWND window) {
    return records::isLive(window) ? static_cast<Fl_Widget*>(window->view) : nullptr;
}

// CP932 (CR LF) to UTF-8 (LF) for display, in a buffer that holds until
// the next call. Main thread only.
const char* toDisplay(const char* cp932);
// The same for a label: '@' doubled, so that FLTK shows it instead of
// reading a symbol. '&' keeps its meaning, the mnemonic underline.
const char* toLabel(const char* cp932);
// UTF-8 (LF) typed by the user back to CP932 (CR LF).
const char* fromDisplay(const char* utf8);
// A byte offset into a record's CP932 text as an offset into the widget's
// UTF-8 text, and back.
int displayOffset(const char* cp932, int offset);
int recordOffset(const char* utf8, int offset);

Fl_Color toFlColor(COLORREF color);

// control_view.cpp: the widgets of "button", "static" and "edit".
Fl_Widget* makeControl(HWND window);
void showControlText(HWND window);
// Cuts a control's widget off its record before the widget goes.
void detachControl(Fl_Widget* widget);
void showControlCheck(HWND window);
// An edit box's widget shows the record's selection and first visible
// line, or writes its own into the record.
void showEditSelection(HWND window);
void showEditScroll(HWND window);
void readEditState(HWND window);
// A one-line box's cursor, mark and pixels scrolled off; false for any
// other widget.
bool lineEditShows(Fl_Widget* widget, int* cursor, int* mark, int* scrolled);
// A multi-line box's character nearest its client point (x, y), as a
// record offset; false for any other widget. editLinePoint: the middle of
// the first character of a line in view, relative to the window.
bool editCharFromPoint(HWND window, int x, int y, int* offset);
bool editLinePoint(HWND window, int line, int* x, int* y);
// The record of a control's widget, or null.
HWND recordOfControl(Fl_Widget* widget);
// The top-level window's client group, into which controls go.
class ClientArea;

// paint_view.cpp: the draw list of `window` with its client origin at
// (originX, originY).
void drawPaintedItems(HWND window, int originX, int originY);

// scroll_bar_view.cpp: a main window's scroll bar and its state.
Fl_Widget* makeScrollBar(HWND window, int bar);
void showScrollState(Fl_Widget* scrollBar, HWND window, int bar);

// dialog_view.cpp
int messageBox(HWND owner, const char* text, const char* caption, UINT type, const char* const* buttons,
               int count);

}  // namespace view
