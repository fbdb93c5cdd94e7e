// The view's controls: FLTK widgets for the windows of the classes
// "button", "static" and "edit".
//
// A widget only shows what its record holds. A click never changes a check
// mark here: the button widgets are of FLTK's plain type, which puts the old
// value back on release, and the layer then does what Win32's button would
// (nothing for the non-automatic styles, whose parent sets the mark). Typing
// goes the other way: the edit widgets hand every change to the record at
// once, in CP932 with CR LF line breaks. The caret, the selection and the
// scroll position go both ways: the widget shows what the program set, and
// writes back what the user made of them when the layer asks; a selection
// the program sets ends the user's drag. A double-click in a multi-line
// box's text is reported as well, and the box tells the layer which
// character lies under a point.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>
#include <FL/fl_draw.H>
#include <FL/fl_utf8.h>

#include <cstdlib>

#include "platform/linux/fltk/view_internal.h"
#include "platform/linux/view_hooks.h"

namespace view {

namespace {

// What every control widget knows: its record, until the record goes.
class Mirror {
public:
    explicit Mirror(HWND record) : record_(record) {}
    virtual ~Mirror() = default;
    HWND record() const { return record_; }
    void detach() { record_ = nullptr; }

private:
    HWND record_;
};

void clicked(Fl_Widget* widget, void*) {
    Mirror* mirror = dynamic_cast<Mirror*>(widget);
    if (mirror && mirror->record()) viewButtonClicked(mirror->record());
}

template <class Button>
void setUpButton(Button* button) {
    button->type(FL_NORMAL_BUTTON);  // never toggles or groups by itself
    button->when(FL_WHEN_RELEASE);
    button->callback(clicked);
    button->labelfont(Face);
    button->labelsize(FaceSize);
}

class PushControl : public Fl_Button, public Mirror {
public:
    PushControl(HWND record, int x, int y, int w, int h) : Fl_Button(x, y, w, h), Mirror(record) {
        setUpButton(this);
        align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    }
};

class CheckControl : public Fl_Check_Button, public Mirror {
public:
    CheckControl(HWND record, int x, int y, int w, int h) : Fl_Check_Button(x, y, w, h), Mirror(record) {
        setUpButton(this);
        box(FL_FLAT_BOX);
        align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    }
};

class RadioControl : public Fl_Round_Button, public Mirror {
public:
    RadioControl(HWND record, int x, int y, int w, int h) : Fl_Round_Button(x, y, w, h), Mirror(record) {
        setUpButton(this);
        box(FL_FLAT_BOX);
        align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    }
};

// A group box: an etched frame with its caption in the top edge. It is
// drawn beneath the controls created after it and takes no clicks.
class GroupFrame : public Fl_Box, public Mirror {
public:
    GroupFrame(HWND record, int x, int y, int w, int h) : Fl_Box(x, y, w, h), Mirror(record) {
        box(FL_NO_BOX);
        labelfont(Face);
        labelsize(FaceSize);
    }

    void draw() override {
        fl_font(labelfont(), labelsize());
        int textHeight = fl_height();
        int top = y() + textHeight / 2;
        draw_box(FL_ENGRAVED_FRAME, x(), top, w(), h() - textHeight / 2, color());
        const char* text = label();
        if (!text || !*text) return;
        int textWidth = 0;
        int lines = 0;
        fl_measure(text, textWidth, lines, 0);
        fl_color(color());
        fl_rectf(x() + 6, y(), textWidth + 4, textHeight);
        fl_color(active_r() ? labelcolor() : fl_inactive(labelcolor()));
        fl_draw(text, x() + 8, y(), textWidth, textHeight, FL_ALIGN_LEFT, nullptr, 0);
    }
};

class StaticControl : public Fl_Box, public Mirror {
public:
    StaticControl(HWND record, int x, int y, int w, int h) : Fl_Box(x, y, w, h), Mirror(record) {
        box(FL_FLAT_BOX);
        labelfont(Face);
        labelsize(FaceSize);
        Fl_Align side = FL_ALIGN_LEFT;
        DWORD type = record->style & SS_TYPEMASK;
        if (type == SS_RIGHT) side = FL_ALIGN_RIGHT;
        if (type == SS_CENTER) side = 0;
        align(side | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
    }
};

class LineEdit : public Fl_Input, public Mirror {
public:
    LineEdit(HWND record, int x, int y, int w, int h) : Fl_Input(x, y, w, h), Mirror(record) {
        box((record->style & WS_BORDER) ? FL_DOWN_BOX : FL_FLAT_BOX);
        textfont(Face);
        textsize(FaceSize);
        when(FL_WHEN_CHANGED);
        callback(typed);
    }

    // The input scrolls itself to keep its cursor (the caret) in view, so
    // a caret at the start shows the start of the text.
    void showSelection(HWND window) {
        position(displayOffset(window->text, window->selectionCaret),
                 displayOffset(window->text, window->selectionAnchor));
    }

    int scrolledOff() const { return xscroll(); }

    void readState(HWND window) {
        window->selectionCaret = recordOffset(value(), position());
        window->selectionAnchor = recordOffset(value(), mark());
        // The first character whose right edge lies past the scrolled-off
        // part.
        fl_font(textfont(), textsize());
        const char* text = value();
        int at = 0;
        while (at < size()) {
            int length = fl_utf8len1(text[at]);
            if (length < 1) length = 1;
            if (fl_width(text, at + length) > xscroll()) break;
            at += length;
        }
        window->firstVisible = recordOffset(text, at);
    }

private:
    static void typed(Fl_Widget* widget, void*) {
        LineEdit* edit = static_cast<LineEdit*>(widget);
        if (edit->record()) viewTextTyped(edit->record(), fromDisplay(edit->value()));
    }
};

// The text buffer of a multi-line box. A base class listed before the
// editor, so that it is destroyed after the editor that still refers to it.
class OwnedBuffer {
protected:
    Fl_Text_Buffer* text_ = new Fl_Text_Buffer();
    ~OwnedBuffer() { delete text_; }
};

// The pixels between a control's edge and its client area.
int clientInset(HWND window) { return (window->style & WS_BORDER) ? 1 : 0; }

// A multi-line box: a vertical scroll bar and no wrapping; long lines
// scroll sideways.
class TextEdit : private OwnedBuffer, public Fl_Text_Editor, public Mirror {
public:
    // A second click of the left button in the text (not on a scroll bar)
    // is a double-click, and so is every other one after it, as in Win32.
    int handle(int event) override {
        HWND window = record();
        if (event == FL_PUSH && window && Fl::event_button() == FL_LEFT_MOUSE && Fl::event_clicks() % 2 == 1 &&
            Fl::event_inside(text_area.x, text_area.y, text_area.w, text_area.h)) {
            int inset = clientInset(window);
            viewEditDoubleClicked(window, Fl::event_x() - x() - inset, Fl::event_y() - y() - inset);
        }
        return Fl_Text_Editor::handle(event);
    }

    int charFromPoint(HWND window, int cx, int cy) const {
        int inset = clientInset(window);
        int position = xy_to_position(x() + inset + cx, y() + inset + cy, CHARACTER_POS);
        char* text = text_->text();
        int offset = recordOffset(text, position);
        free(text);
        return offset;
    }

    // The middle of the first character of `line`, relative to the window.
    bool linePoint(int line, int* px, int* py) const {
        int position = text_->skip_lines(0, line);
        if (!position_to_xy(position, px, py)) return false;
        *py += mMaxsize / 2;
        *px += 2;
        return true;
    }

    TextEdit(HWND record, int x, int y, int w, int h) : Fl_Text_Editor(x, y, w, h), Mirror(record) {
        buffer(text_);
        box((record->style & WS_BORDER) ? FL_DOWN_BOX : FL_FLAT_BOX);
        textfont(Face);
        textsize(FaceSize);
        scrollbar_width(records::ScrollBarSize - 1);
        wrap_mode(WRAP_NONE, 0);
        text_->add_modify_callback(modified, this);
    }

    ~TextEdit() override { text_->remove_modify_callback(modified, this); }

    void setText(const char* utf8) {
        settingText_ = true;
        text_->text(utf8);
        settingText_ = false;
        insert_position(0);
        scroll(0, 0);
    }

    // A selection the program sets wins over the one the user may still be
    // dragging (the word a double-click selected, say): the drag ends, or
    // the next move would put its own back.
    void showSelection(HWND window) {
        dragging = 0;
        dragType = DRAG_NONE;
        int caret = displayOffset(window->text, window->selectionCaret);
        int anchor = displayOffset(window->text, window->selectionAnchor);
        if (caret == anchor) {
            text_->unselect();
        } else {
            text_->select(caret < anchor ? caret : anchor, caret < anchor ? anchor : caret);
        }
        insert_position(caret);
    }

    // FLTK counts lines from 1 and keeps its own last line; the record
    // learns the line really shown.
    void showScroll(HWND window) {
        scroll(window->firstVisible + 1, mHorizOffset);
        window->firstVisible = mTopLineNum - 1;
    }

    void readState(HWND window) {
        char* text = text_->text();
        int caret = insert_position();
        int start = 0;
        int end = 0;
        int anchor = caret;
        if (text_->selection_position(&start, &end)) anchor = caret == start ? end : start;
        window->selectionCaret = recordOffset(text, caret);
        window->selectionAnchor = recordOffset(text, anchor);
        window->firstVisible = mTopLineNum - 1;
        free(text);
    }

private:
    static void modified(int, int, int, int, const char*, void* data) {
        TextEdit* edit = static_cast<TextEdit*>(data);
        if (edit->settingText_ || !edit->record()) return;
        char* text = edit->text_->text();
        viewTextTyped(edit->record(), fromDisplay(text));
        free(text);
    }

    bool settingText_ = false;
};

}  // namespace

Fl_Widget* makeControl(HWND window) {
    const RECT& r = window->rect;
    int x = r.left;
    int y = r.top;
    int w = r.right - r.left;
    int h = r.bottom - r.top;
    Fl_Widget* widget = nullptr;
    switch (window->builtin) {
    case records::Builtin::Button:
        switch (window->style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
            widget = new CheckControl(window, x, y, w, h);
            break;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            widget = new RadioControl(window, x, y, w, h);
            break;
        case BS_GROUPBOX:
            widget = new GroupFrame(window, x, y, w, h);
            break;
        default:
            widget = new PushControl(window, x, y, w, h);
            break;
        }
        break;
    case records::Builtin::Static:
        widget = new StaticControl(window, x, y, w, h);
        break;
    case records::Builtin::Edit:
        if (window->style & ES_MULTILINE) {
            widget = new TextEdit(window, x, y, w, h);
        } else {
            widget = new LineEdit(window, x, y, w, h);
        }
        break;
    default:
        return nullptr;
    }
    window->view = widget;
    showControlText(window);
    showControlCheck(window);
    return widget;
}

void showControlText(HWND window) {
    Fl_Widget* widget = widgetOf(window);
    if (!widget) return;
    if (TextEdit* edit = dynamic_cast<TextEdit*>(widget)) {
        edit->setText(toDisplay(window->text));
    } else if (LineEdit* line = dynamic_cast<LineEdit*>(widget)) {
        line->value(toDisplay(window->text));
        // value() leaves the cursor at the end, which would show the end of
        // a long text.
        line->showSelection(window);
    } else if (dynamic_cast<GroupFrame*>(widget)) {
        // Drawn by hand, without FLTK's label symbols; a shorter caption
        // must not leave the longer one's end behind.
        widget->copy_label(toDisplay(window->text));
        if (widget->parent()) widget->parent()->redraw();
    } else {
        widget->copy_label(toLabel(window->text));
        widget->redraw();
    }
}

void showControlCheck(HWND window) {
    Fl_Button* button = dynamic_cast<Fl_Button*>(widgetOf(window));
    if (!button || dynamic_cast<PushControl*>(button)) return;
    button->value(window->check != BST_UNCHECKED ? 1 : 0);
}

void detachControl(Fl_Widget* widget) {
    if (Mirror* mirror = dynamic_cast<Mirror*>(widget)) mirror->detach();
}

void showEditSelection(HWND window) {
    Fl_Widget* widget = widgetOf(window);
    if (LineEdit* line = dynamic_cast<LineEdit*>(widget)) line->showSelection(window);
    if (TextEdit* edit = dynamic_cast<TextEdit*>(widget)) edit->showSelection(window);
}

void showEditScroll(HWND window) {
    // A one-line input keeps its caret in view by itself.
    if (TextEdit* edit = dynamic_cast<TextEdit*>(widgetOf(window))) edit->showScroll(window);
}

void readEditState(HWND window) {
    Fl_Widget* widget = widgetOf(window);
    if (LineEdit* line = dynamic_cast<LineEdit*>(widget)) line->readState(window);
    if (TextEdit* edit = dynamic_cast<TextEdit*>(widget)) edit->readState(window);
}

bool lineEditShows(Fl_Widget* widget, int* cursor, int* mark, int* scrolled) {
    LineEdit* line = dynamic_cast<LineEdit*>(widget);
    if (!line) return false;
    *cursor = line->position();
    *mark = line->mark();
    *scrolled = line->scrolledOff();
    return true;
}

bool editCharFromPoint(HWND window, int x, int y, int* offset) {
    TextEdit* edit = dynamic_cast<TextEdit*>(widgetOf(window));
    if (!edit || !edit->visible_r()) return false;
    *offset = edit->charFromPoint(window, x, y);
    return true;
}

bool editLinePoint(HWND window, int line, int* x, int* y) {
    TextEdit* edit = dynamic_cast<TextEdit*>(widgetOf(window));
    return edit && edit->linePoint(line, x, y);
}

HWND recordOfControl(Fl_Widget* widget) {
    Mirror* mirror = dynamic_cast<Mirror*>(widget);
    return mirror ? mirror->record() : nullptr;
}

}  // namespace view
