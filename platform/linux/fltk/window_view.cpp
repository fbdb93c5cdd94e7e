// The view's windows: the top-level window with its client area and its own
// two scroll bars, the hooks through which the layer keeps the widgets in
// step with the records, the event loop, the wake-up from other threads and
// the start of the view.
//
// A top-level record becomes an FLTK window as large as the record's
// rectangle: the client area (a group that clips its children and draws the
// draw list beneath them) and, right and below it, the scroll bars that the
// record's style shows. The desktop's frame lies outside, as the window
// manager draws it.
//
// The desktop knows the program's windows by their class "combinix" (the
// desktop entry's StartupWMClass) and shows the icon of their record's
// class: the program's own, built in, or none.
//
// Every event passes one dispatcher first. Tab, Enter and Escape in our
// windows become the key messages the program's loop looks at, instead of
// FLTK's own focus moves; and the widget that FLTK gives the focus to (a
// click) is reported, so that the record's focus follows.
#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Text_Editor.H>
#include <FL/fl_draw.H>
#include <FL/fl_utf8.h>
#include <FL/x.H>

#include <clocale>
#include <cstdlib>
#include <cstring>

#include "platform/linux/code_page.h"
#include "platform/linux/fltk/program_icon.h"
#include "platform/linux/fltk/view_internal.h"
#include "platform/linux/view.h"
#include "platform/linux/view_hooks.h"

// The Xft font of FLTK's last fl_font(): exported by libfltk, declared by
// its headers only for FLTK's own build.
extern void* fl_xftfont;

namespace view {

class ClientArea : public Fl_Group {
public:
    ClientArea(HWND record, int x, int y, int w, int h) : Fl_Group(x, y, w, h), record_(record) {
        box(FL_NO_BOX);
        end();
    }

    // The controls keep their places: only scrolling moves them.
    void resize(int x, int y, int w, int h) override { Fl_Widget::resize(x, y, w, h); }

    void draw() override {
        fl_push_clip(x(), y(), w(), h());
        if (damage() & ~FL_DAMAGE_CHILD) {
            fl_color(toFlColor(records::backgroundColor(record_)));
            fl_rectf(x(), y(), w(), h());
            drawPaintedItems(record_, x(), y());
        }
        draw_children();
        fl_pop_clip();
    }

    // The wheel goes to the window under the pointer, which the layer
    // finds; FLTK would hand it to any child when the one under the
    // pointer does not take it, even one scrolled out of sight.
    int handle(int event) override {
        if (event != FL_MOUSEWHEEL) return Fl_Group::handle(event);
        int x = Fl::event_x() - this->x();
        int y = Fl::event_y() - this->y();
        if (Fl::event_dy()) viewMouseWheel(record_, x, y, -Fl::event_dy() * WHEEL_DELTA, false);
        if (Fl::event_dx()) viewMouseWheel(record_, x, y, Fl::event_dx() * WHEEL_DELTA, true);
        return 1;
    }

    HWND record() const { return record_; }

private:
    HWND record_;
};

namespace {

// The X class of every window, both its parts: the desktop entry's
// StartupWMClass, by which a taskbar or dock matches the window with the
// menu entry and its icon.
char DesktopClass[] = "combinix";

class TopLevel : public Fl_Double_Window {
public:
    TopLevel(HWND record, int x, int y, int w, int h) : Fl_Double_Window(x, y, w, h), record_(record) {
        client_ = new ClientArea(record, 0, 0, w, h);
        verticalBar_ = makeScrollBar(record, SB_VERT);
        horizontalBar_ = makeScrollBar(record, SB_HORZ);
        corner_ = new Fl_Box(0, 0, 1, 1);
        corner_->box(FL_FLAT_BOX);
        end();
        resizable(client_);
        keepSizeOfFrame(w, h);
        callback(closeRequested, this);
        layoutParts();
    }

    ClientArea* client() { return client_; }

    // The record moved the window: follow it without reporting it back.
    void follow(const RECT& r) {
        following_ = true;
        keepSizeOfFrame(r.right - r.left, r.bottom - r.top);
        resize(r.left, r.top, r.right - r.left, r.bottom - r.top);
        following_ = false;
    }

    // The window gets the keyboard (shown, or back from a message box or
    // another window): the focus goes to the control the record gives it
    // to, else to the window itself, never to FLTK's first child.
    int handle(int event) override {
        if (event != FL_FOCUS || !record_) return Fl_Double_Window::handle(event);
        HWND focus = records::focus;
        Fl_Widget* widget = records::isLive(focus) && focus != record_ ? widgetOf(focus) : nullptr;
        if (widget && contains(widget) && widget->takesevents()) Fl::focus(widget);
        return 1;
    }

    // FLTK writes the class's second part capitalised ("Combinix"), while
    // the desktop entry's is all lower case: both parts are set to it as
    // soon as FLTK has made the window. The first part, which desktops
    // match first, is right from the start.
    void show() override {
        bool first = !shown();
        Fl_Double_Window::show();
        if (!first || !shown()) return;
        XClassHint hint{DesktopClass, DesktopClass};
        XSetClassHint(fl_display, fl_xid(this), &hint);
        XFlush(fl_display);
    }

    void resize(int x, int y, int w, int h) override {
        Fl_Double_Window::resize(x, y, w, h);
        layoutParts();
        if (!following_ && record_) viewWindowMoved(record_, x, y, w, h);
    }

    // The bars' states, and which of them the style shows.
    void showScrollBars() {
        showScrollState(verticalBar_, record_, SB_VERT);
        showScrollState(horizontalBar_, record_, SB_HORZ);
        layoutParts();
        redraw();
    }

    void detach() { record_ = nullptr; }
    HWND record() const { return record_; }
    bool barShown(int bar) const { return (bar == SB_VERT ? verticalBar_ : horizontalBar_)->visible() != 0; }

private:
    // A window with a sizing border (WS_THICKFRAME) takes any size the
    // user drags it to, down to a small one; one without keeps the size the
    // program gives it, as Win32 keeps it, and the window manager offers
    // no resizing.
    void keepSizeOfFrame(int w, int h) {
        if (record_ && !(record_->style & WS_THICKFRAME)) {
            size_range(w, h, w, h);
        } else {
            size_range(100, 60);
        }
    }

    static void closeRequested(Fl_Widget*, void* data) {
        TopLevel* self = static_cast<TopLevel*>(data);
        // FLTK closes a window on Escape; a Win32 window does not.
        if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
        if (self->record_) PostMessageA(self->record_, WM_CLOSE, 0, 0);
    }

    void layoutParts() {
        DWORD style = record_ ? record_->style : 0;
        int bar = records::ScrollBarSize;
        int vertical = (style & WS_VSCROLL) ? bar : 0;
        int horizontal = (style & WS_HSCROLL) ? bar : 0;
        int cw = w() - vertical > 0 ? w() - vertical : 0;
        int ch = h() - horizontal > 0 ? h() - horizontal : 0;
        client_->resize(0, 0, cw, ch);
        verticalBar_->resize(cw, 0, vertical, ch);
        horizontalBar_->resize(0, ch, cw, horizontal);
        corner_->resize(cw, ch, vertical, horizontal);
        if (vertical) verticalBar_->show(); else verticalBar_->hide();
        if (horizontal) horizontalBar_->show(); else horizontalBar_->hide();
        if (vertical && horizontal) corner_->show(); else corner_->hide();
    }

    HWND record_;
    ClientArea* client_;
    Fl_Widget* verticalBar_;
    Fl_Widget* horizontalBar_;
    Fl_Box* corner_;
    bool following_ = false;
};

TopLevel* topLevelOf(HWND window) { return dynamic_cast<TopLevel*>(widgetOf(window)); }

// The record a widget with the focus stands for: a control's, or a
// top-level window's for the window itself.
HWND recordOfFocus(Fl_Widget* widget) {
    if (TopLevel* top = dynamic_cast<TopLevel*>(widget)) return top->record();
    if (ClientArea* client = dynamic_cast<ClientArea*>(widget)) return client->record();
    return recordOfControl(widget);
}

// The focus widget last reported to the layer or set for it.
Fl_Widget* knownFocus = nullptr;

void followFocus() {
    Fl_Widget* widget = Fl::focus();
    if (widget == knownFocus) return;
    knownFocus = widget;
    // A message box's buttons are not ours: the record keeps its focus,
    // which FLTK gives back when the box closes.
    HWND record = recordOfFocus(widget);
    if (record) viewFocusChanged(record);
}

int virtualKeyOf(int key) {
    switch (key) {
    case FL_Tab:
    case 0xfe20:  // ISO_Left_Tab, Shift+Tab on X
        return VK_TAB;
    case FL_Enter:
    case FL_KP_Enter:
        return VK_RETURN;
    case FL_Escape:
        return VK_ESCAPE;
    default:
        return 0;
    }
}

// A key that the program's loop sees before any widget: true when it was
// handed over and the widget is not to have it too.
bool takeWindowKey(Fl_Window* window) {
    TopLevel* top = dynamic_cast<TopLevel*>(window);
    if (!top || !top->record()) return false;
    // While a message box is open, or its button has the focus, the key is
    // the box's, whichever window the desktop gave it to.
    if (Fl::modal() && Fl::modal() != top) return false;
    if (Fl::focus() && !top->contains(Fl::focus())) return false;
    if (Fl::event_state() & (FL_CTRL | FL_ALT | FL_META)) return false;
    int key = virtualKeyOf(Fl::event_key());
    if (key == 0) return false;
    return !viewKeyPressed(top->record(), key, (Fl::event_state() & FL_SHIFT) != 0);
}

int dispatchEvent(int event, Fl_Window* window) {
    if (event == FL_KEYBOARD && takeWindowKey(window)) return 1;
    int used = Fl::handle_(event, window);
    followFocus();
    return used;
}

// Room for a whole window text in UTF-8: a CP932 byte becomes at most three.
char displayBuffer[3 * records::WindowTextSize + 16];
char labelBuffer[6 * records::WindowTextSize + 16];
char typedBuffer[records::WindowTextSize];

void ignoreCallback(Fl_Widget*, void*) {}

// ---- The hooks ----------------------------------------------------------

void windowCreated(HWND window) {
    const RECT& r = window->rect;
    if (!window->parent) {
        Fl_Group::current(nullptr);
        TopLevel* top = new TopLevel(window, r.left, r.top, r.right - r.left, r.bottom - r.top);
        top->copy_label(toDisplay(window->text));
        // Given before the window shows, so that the desktop has it at once.
        if (records::classes[window->classIndex].icon == records::programIcon()) {
            int count = 0;
            const Fl_RGB_Image** images = programIconImages(&count);
            if (count > 0) top->icons(images, count);
        }
        // An owned window stays above its owner, as in Win32.
        if (records::isLive(window->owner)) top->non_modal();
        window->view = top;
        if (window->visible) top->show();
        return;
    }
    // Controls go into a top-level window's client area; a control inside
    // a control is not mirrored.
    TopLevel* top = topLevelOf(window->parent);
    if (!top) return;
    Fl_Group::current(nullptr);
    Fl_Widget* control = makeControl(window);
    if (!control) return;
    window->view = control;
    top->client()->add(control);
    control->resize(r.left, r.top, r.right - r.left, r.bottom - r.top);
    if (!window->enabled) control->deactivate();
    if (!window->visible) control->hide();
    top->client()->redraw();
}

void windowDestroyed(HWND window) {
    Fl_Widget* widget = widgetOf(window);
    window->view = nullptr;
    if (!widget) return;
    if (TopLevel* top = dynamic_cast<TopLevel*>(widget)) top->detach();
    detachControl(widget);
    widget->callback(ignoreCallback, nullptr);
    if (widget->parent()) {
        widget->parent()->redraw();
        widget->parent()->remove(widget);
    }
    widget->hide();
    Fl::delete_widget(widget);
}

void textChanged(HWND window) {
    if (TopLevel* top = topLevelOf(window)) {
        top->copy_label(toDisplay(window->text));
        return;
    }
    if (widgetOf(window)) showControlText(window);
}

void checkChanged(HWND window) {
    if (widgetOf(window)) showControlCheck(window);
}

void enabledChanged(HWND window) {
    Fl_Widget* widget = widgetOf(window);
    if (!widget) return;
    if (window->enabled) {
        widget->activate();
    } else {
        widget->deactivate();
    }
}

void geometryChanged(HWND window) {
    if (TopLevel* top = topLevelOf(window)) {
        top->follow(window->rect);
        return;
    }
    Fl_Widget* widget = widgetOf(window);
    if (!widget) return;
    const RECT& r = window->rect;
    widget->resize(r.left, r.top, r.right - r.left, r.bottom - r.top);
    if (widget->parent()) widget->parent()->redraw();
}

void visibilityChanged(HWND window) {
    Fl_Widget* widget = widgetOf(window);
    if (!widget) return;
    if (window->visible) {
        widget->show();
    } else {
        widget->hide();
    }
    if (widget->parent()) widget->parent()->redraw();
}

void scrollBarsChanged(HWND window) {
    if (TopLevel* top = topLevelOf(window)) top->showScrollBars();
}

void selectionChanged(HWND window) { showEditSelection(window); }

void editScrolled(HWND window) { showEditScroll(window); }

void readEditStateOf(HWND window) { readEditState(window); }

void focusChanged(HWND window) {
    Fl_Widget* widget = widgetOf(window);
    if (!widget) {
        // No window has the focus: the top-level window that had it keeps
        // the keyboard, so that keys still come, as system keys.
        Fl_Widget* old = Fl::focus();
        if (!old || dynamic_cast<TopLevel*>(old)) return;
        widget = dynamic_cast<TopLevel*>(old->window());
        if (!widget) return;
    }
    Fl_Widget* old = Fl::focus();
    Fl::focus(widget);
    knownFocus = Fl::focus();
    if (old) old->redraw();
    widget->redraw();
}

void contentChanged(HWND window) {
    if (TopLevel* top = topLevelOf(window)) {
        top->client()->redraw();
        return;
    }
    if (Fl_Widget* widget = widgetOf(window)) widget->redraw();
}

void waitForEvents(double seconds) { Fl::wait(seconds); }

void serveFromAwake(void*) { viewServeRequests(); }

// Fl::awake is safe from any thread once Fl::lock has been called on the
// main thread; it is served inside Fl::wait and inside modal boxes alike.
void wake() { Fl::awake(serveFromAwake, nullptr); }

void screenSize(int* width, int* height) {
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < Fl::screen_count(); ++i) {
        int x, y, w, h;
        Fl::screen_xywh(x, y, w, h, i);
        if (x + w > right) right = x + w;
        if (y + h > bottom) bottom = y + h;
    }
    if (right > 0 && bottom > 0) {
        *width = right;
        *height = bottom;
    }
}

const ViewHooks hooks = {
    windowCreated,     windowDestroyed, textChanged,     checkChanged,  enabledChanged,
    geometryChanged,   visibilityChanged, scrollBarsChanged, contentChanged, selectionChanged,
    editScrolled,      readEditStateOf, focusChanged,    waitForEvents, wake,
    messageBox,        screenSize,      editCharFromPoint,
};

}  // namespace

// ---- Texts --------------------------------------------------------------

const char* toDisplay(const char* cp932) {
    cp932ToDisplay(cp932, displayBuffer, sizeof displayBuffer);
    return displayBuffer;
}

const char* toLabel(const char* cp932) {
    const char* text = toDisplay(cp932);
    size_t n = 0;
    for (const char* p = text; *p && n + 2 < sizeof labelBuffer; ++p) {
        if (*p == '@') labelBuffer[n++] = '@';
        labelBuffer[n++] = *p;
    }
    labelBuffer[n] = '\0';
    return labelBuffer;
}

const char* fromDisplay(const char* utf8) {
    displayToCp932(utf8, typedBuffer, sizeof typedBuffer);
    return typedBuffer;
}

namespace {

// The length of the first `offset` bytes of `text` once converted.
int convertedLength(const char* text, int offset, const char* (*convert)(const char*)) {
    static char prefix[sizeof displayBuffer];
    size_t n = offset > 0 ? static_cast<size_t>(offset) : 0;
    if (n > sizeof prefix - 1) n = sizeof prefix - 1;
    size_t length = strlen(text);
    if (n > length) n = length;
    memcpy(prefix, text, n);
    prefix[n] = '\0';
    return static_cast<int>(strlen(convert(prefix)));
}

}  // namespace

int displayOffset(const char* cp932, int offset) { return convertedLength(cp932, offset, toDisplay); }

int recordOffset(const char* utf8, int offset) { return convertedLength(utf8, offset, fromDisplay); }

Fl_Color toFlColor(COLORREF color) {
    return fl_rgb_color(GetRValue(color), GetGValue(color), GetBValue(color));
}

}  // namespace view

// ---- Starting the view --------------------------------------------------

bool startView() {
    const char* name = getenv("DISPLAY");
    if (!name || !*name) return false;
    // The desktop's locale for typed text and input methods.
    setlocale(LC_CTYPE, "");
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    fl_open_display(display);
    // Message boxes too are known as the program's.
    Fl_Window::default_xclass(view::DesktopClass);
    // Xft has no per-glyph fallback: the default font would show Japanese
    // as boxes. The leading space is FLTK's code for the plain style.
    Fl::set_font(FL_HELVETICA, " IPAPGothic");
    FL_NORMAL_SIZE = view::FaceSize;
    Fl::background(240, 240, 240);
    Fl::lock();
    Fl::event_dispatch(view::dispatchEvent);
    installViewHooks(&view::hooks);
    return true;
}

// ---- Test-only queries --------------------------------------------------

bool viewWidgetRect(HWND window, RECT* rect) {
    Fl_Widget* widget = view::widgetOf(window);
    if (!widget || !rect) return false;
    *rect = RECT{widget->x(), widget->y(), widget->x() + widget->w(), widget->y() + widget->h()};
    return true;
}

size_t viewWidgetText(HWND window, char* utf8, size_t size) {
    Fl_Widget* widget = view::widgetOf(window);
    if (!widget || !utf8 || size == 0) return 0;
    const char* text = widget->label();
    char* owned = nullptr;
    if (Fl_Input* input = dynamic_cast<Fl_Input*>(widget)) {
        text = input->value();
    } else if (Fl_Text_Editor* editor = dynamic_cast<Fl_Text_Editor*>(widget)) {
        owned = editor->buffer() ? editor->buffer()->text() : nullptr;
        text = owned;
    }
    size_t n = 0;
    if (text) {
        n = strlen(text) < size - 1 ? strlen(text) : size - 1;
        memcpy(utf8, text, n);
    }
    utf8[n] = '\0';
    free(owned);
    return n;
}

int viewWidgetCheck(HWND window) {
    Fl_Widget* widget = view::widgetOf(window);
    if (!widget || window->builtin != records::Builtin::Button) return -1;
    DWORD type = window->style & BS_TYPEMASK;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_GROUPBOX) return -1;
    Fl_Button* button = dynamic_cast<Fl_Button*>(widget);
    return button ? button->value() : -1;
}

unsigned long viewNativeWindow(HWND window) {
    view::TopLevel* top = view::topLevelOf(window);
    if (!top || !top->shown()) return 0;
    return static_cast<unsigned long>(fl_xid(top));
}

bool viewFontCovers(const char* utf8) {
    fl_font(view::Face, view::FaceSize);
    XftFont* font = static_cast<XftFont*>(fl_xftfont);
    if (!font) return false;
    const char* end = utf8 + strlen(utf8);
    for (const char* p = utf8; p < end;) {
        int length = 0;
        unsigned code = fl_utf8decode(p, end, &length);
        p += length > 0 ? length : 1;
        if (code < 0x20) continue;
        if (!XftCharExists(fl_display, font, code)) return false;
    }
    return true;
}

void viewFocus(HWND window) {
    Fl_Widget* widget = view::widgetOf(window);
    if (!widget) return;
    Fl_Window* top = widget->window() ? widget->window() : dynamic_cast<Fl_Window*>(widget);
    if (top && top->shown()) {
        XSetInputFocus(fl_display, fl_xid(top), RevertToParent, CurrentTime);
        XFlush(fl_display);
    }
    Fl::focus(widget);
    view::followFocus();
}

bool viewHasFocus(HWND window) {
    Fl_Widget* widget = view::widgetOf(window);
    return widget && Fl::focus() == widget;
}

bool viewEditLinePoint(HWND edit, int line, POINT* point) {
    int x = 0;
    int y = 0;
    if (!point || !view::editLinePoint(edit, line, &x, &y)) return false;
    *point = POINT{x, y};
    return true;
}

bool viewScrollBarShown(HWND window, int bar) {
    view::TopLevel* top = view::topLevelOf(window);
    return top && top->barShown(bar);
}

bool viewEditShows(HWND window, int* cursor, int* mark, int* scrolled) {
    Fl_Widget* widget = view::widgetOf(window);
    if (view::lineEditShows(widget, cursor, mark, scrolled)) return true;
    if (!widget || !records::isLive(window)) return false;
    // A multi-line box: what the record learns from it.
    view::readEditState(window);
    *cursor = window->selectionCaret;
    *mark = window->selectionAnchor;
    *scrolled = window->firstVisible;
    return true;
}
