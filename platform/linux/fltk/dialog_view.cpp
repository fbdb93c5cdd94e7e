// Message boxes on the display: FLTK's modal boxes, with the texts in UTF-8
// and the buttons captioned as the layer names them (the thread's UI
// language). While one is open FLTK keeps handling awake callbacks, so
// other threads' requests are still carried out.
#include <FL/Fl.H>
#include <FL/fl_ask.H>

#include <cstdio>

#include "platform/linux/fltk/view_internal.h"

namespace view {

namespace {

constexpr int MaxButtons = 2;
constexpr int CaptionSize = 1024;
constexpr int ButtonSize = 128;

}  // namespace

int messageBox(HWND, const char* text, const char* caption, UINT type, const char* const* buttons, int count) {
    // FLTK keeps pointers to the captions while the box is open.
    static char captionUtf8[CaptionSize];
    static char buttonUtf8[MaxButtons][ButtonSize];
    snprintf(captionUtf8, sizeof captionUtf8, "%s", toDisplay(caption));
    for (int i = 0; i < MaxButtons; ++i)
        snprintf(buttonUtf8[i], sizeof buttonUtf8[i], "%s", i < count ? toDisplay(buttons[i]) : "");
    fl_message_title(captionUtf8);
    const char* message = toDisplay(text);
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
        // fl_choice numbers its buttons from the right: No 0, Yes 1.
        return fl_choice("%s", buttonUtf8[1], buttonUtf8[0], nullptr, message) == 1 ? IDYES : IDNO;
    case MB_OKCANCEL:
        return fl_choice("%s", buttonUtf8[1], buttonUtf8[0], nullptr, message) == 1 ? IDOK : IDCANCEL;
    default: {
        // fl_message and fl_alert caption their one button with fl_close.
        const char* close = fl_close;
        fl_close = buttonUtf8[0];
        if ((type & 0xF0) == MB_ICONERROR || (type & 0xF0) == MB_ICONWARNING) {
            fl_alert("%s", message);
        } else {
            fl_message("%s", message);
        }
        fl_close = close;
        return IDOK;
    }
    }
}

}  // namespace view
