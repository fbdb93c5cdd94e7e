// Message boxes on the display: FLTK's modal boxes, with the texts in UTF-8.
// While one is open FLTK keeps handling awake callbacks, so other threads'
// requests are still carried out.
#include <FL/Fl.H>
#include <FL/fl_ask.H>

#include <cstdio>

#include "platform/linux/fltk/view_internal.h"

namespace view {

int messageBox(HWND, const char* text, const char* caption, UINT type) {
    static char captionUtf8[1024];
    snprintf(captionUtf8, sizeof captionUtf8, "%s", toDisplay(caption));
    fl_message_title(captionUtf8);
    const char* message = toDisplay(text);
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
        // fl_choice numbers its buttons from the right: No 0, Yes 1.
        return fl_choice("%s", "No", "Yes", nullptr, message) == 1 ? IDYES : IDNO;
    case MB_OKCANCEL:
        return fl_choice("%s", "Cancel", "OK", nullptr, message) == 1 ? IDOK : IDCANCEL;
    default:
        if ((type & 0xF0) == MB_ICONERROR || (type & 0xF0) == MB_ICONWARNING) {
            fl_alert("%s", message);
        } else {
            fl_message("%s", message);
        }
        return IDOK;
    }
}

}  // namespace view
