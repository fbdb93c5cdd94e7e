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

Fl_Color toFlColor(COLORREF color);

// control_view.cpp: the widgets of "button", "static" and "edit".
Fl_Widget* makeControl(HWND window);
void showControlText(HWND window);
// Cuts a control's widget off its record before the widget goes.
void detachControl(Fl_Widget* widget);
void showControlCheck(HWND window);
// The top-level window's client group, into which controls go.
class ClientArea;

// paint_view.cpp: the draw list of `window` with its client origin at
// (originX, originY).
void drawPaintedItems(HWND window, int originX, int originY);

// scroll_bar_view.cpp: a main window's scroll bar and its state.
Fl_Widget* makeScrollBar(HWND window, int bar);
void showScrollState(Fl_Widget* scrollBar, HWND window, int bar);

// dialog_view.cpp
int messageBox(HWND owner, const char* text, const char* caption, UINT type);

}  // namespace view
