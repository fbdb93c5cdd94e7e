// Message boxes on the display: FLTK's modal boxes, with the texts in UTF-8
// and the buttons captioned as the layer names them (the thread's UI
// language). While one is open FLTK keeps handling awake callbacks, so
// other threads' requests are still carried out, and it keeps painting: the
// main window's outcome line, a search's progress among it, is converted
// for display meanwhile. FLTK shows the box's texts by pointer, so each box
// converts them into buffers of its own, never into the shared one of
// toDisplay that such painting reuses.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>

#include <cstdio>
#include <cstring>

#include "platform/linux/code_page.h"
#include "platform/linux/fltk/view_internal.h"

namespace view {

namespace {

constexpr int MaxButtons = 2;
constexpr int CaptionSize = 1024;
constexpr int ButtonSize = 128;
// The program's questions and errors are a line or two.
constexpr int MessageSize = 4096;

}  // namespace

int messageBox(HWND, const char* text, const char* caption, UINT type, const char* const* buttons, int count) {
    // FLTK keeps pointers to these while the box is open: fl_choice("%s",
    // ...) shows its argument itself rather than a formatted copy.
    static char captionUtf8[CaptionSize];
    static char buttonUtf8[MaxButtons][ButtonSize];
    static char message[MessageSize];
    cp932ToDisplay(caption, captionUtf8, sizeof captionUtf8);
    for (int i = 0; i < MaxButtons; ++i)
        cp932ToDisplay(i < count ? buttons[i] : "", buttonUtf8[i], sizeof buttonUtf8[i]);
    cp932ToDisplay(text, message, sizeof message);
    fl_message_title(captionUtf8);
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

bool viewMessageBoxText(char* utf8, size_t size) {
    if (size > 0) utf8[0] = '\0';
    Fl_Window* box = Fl::modal();
    if (!box) return false;
    // The box's text is the one label that is neither a button's, the
    // input's nor the one-character icon's.
    for (int i = 0; i < box->children(); ++i) {
        Fl_Widget* widget = box->child(i);
        if (dynamic_cast<Fl_Button*>(widget) || dynamic_cast<Fl_Input_*>(widget)) continue;
        const char* label = widget->label();
        if (!label || strlen(label) < 2) continue;
        snprintf(utf8, size, "%s", label);
        break;
    }
    return true;
}
