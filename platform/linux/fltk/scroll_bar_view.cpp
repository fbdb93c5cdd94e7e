// The main window's own scroll bars. A bar shows the record's range, page
// and position and never moves by itself: a click or a drag becomes the
// WM_HSCROLL / WM_VSCROLL request Win32 would send (arrows SB_LINEUP and
// SB_LINEDOWN, the trough SB_PAGEUP and SB_PAGEDOWN, the thumb SB_THUMBTRACK
// while dragging and SB_THUMBPOSITION on release, then SB_ENDSCROLL), and the
// program sets the new position, which the bar then shows. The wheel over a
// bar is the window's WM_MOUSEWHEEL.
#include <FL/Fl.H>
#include <FL/Fl_Scrollbar.H>

#include "platform/linux/fltk/view_internal.h"
#include "platform/linux/view_hooks.h"

namespace view {

namespace {

constexpr double FirstRepeat = 0.4;
constexpr double NextRepeat = 0.05;

class WindowScrollBar : public Fl_Scrollbar {
public:
    WindowScrollBar(HWND record, int bar) : Fl_Scrollbar(0, 0, 1, 1), record_(record), bar_(bar) {
        type(bar == SB_VERT ? FL_VERTICAL : FL_HORIZONTAL);
    }

    ~WindowScrollBar() override { Fl::remove_timeout(repeat, this); }

    void show(const records::ScrollBarState& s) {
        state_ = s;
        int total = s.max - s.min + 1;
        value(s.pos, s.page, s.min, total > 0 ? total : 1);
        bool useful = s.page > 0 && s.page < total;
        if (useful) {
            activate();
        } else {
            deactivate();
        }
        redraw();
    }

    int handle(int event) override {
        switch (event) {
        case FL_PUSH: {
            if (!active_r() || !records::isLive(record_)) return 1;
            int along = mouseAlong();
            Geometry g = geometry();
            if (along < g.troughStart) {
                startRepeating(SB_LINEUP);
            } else if (along >= g.troughEnd) {
                startRepeating(SB_LINEDOWN);
            } else if (along < g.thumbStart) {
                startRepeating(SB_PAGEUP);
            } else if (along >= g.thumbStart + g.thumbLength) {
                startRepeating(SB_PAGEDOWN);
            } else {
                dragging_ = true;
                grab_ = along - g.thumbStart;
            }
            return 1;
        }
        case FL_DRAG:
            if (dragging_ && records::isLive(record_)) {
                int position = positionAt(mouseAlong() - grab_);
                viewScrollTracked(record_, bar_, position);
                send(SB_THUMBTRACK, position);
            }
            return 1;
        case FL_RELEASE:
            Fl::remove_timeout(repeat, this);
            if (!records::isLive(record_)) return 1;
            if (dragging_) {
                dragging_ = false;
                send(SB_THUMBPOSITION, positionAt(mouseAlong() - grab_));
            }
            send(SB_ENDSCROLL, 0);
            return 1;
        case FL_MOUSEWHEEL:
            // The bars are the window's own, outside its client area: the
            // wheel over them goes to the window, as in Win32, and moves
            // them only if the program scrolls on it.
            if (Fl::event_dy()) viewMouseWheel(record_, -1, -1, -Fl::event_dy() * WHEEL_DELTA, false);
            if (Fl::event_dx()) viewMouseWheel(record_, -1, -1, Fl::event_dx() * WHEEL_DELTA, true);
            return 1;
        default:
            return 0;
        }
    }

private:
    struct Geometry {
        int troughStart;  // in pixels along the bar, from its start
        int troughEnd;
        int thumbStart;
        int thumbLength;
    };

    int length() const { return bar_ == SB_VERT ? h() : w(); }
    int thickness() const { return bar_ == SB_VERT ? w() : h(); }
    int mouseAlong() const { return bar_ == SB_VERT ? Fl::event_y() - y() : Fl::event_x() - x(); }

    // The same arithmetic as FLTK's drawing of the bar: arrows as long as
    // the bar is thick, a thumb as long as the page's share of the trough.
    Geometry geometry() const {
        int arrow = length() < 3 * thickness() ? 0 : thickness();
        Geometry g;
        g.troughStart = arrow;
        g.troughEnd = length() - arrow;
        int trough = g.troughEnd - g.troughStart;
        g.thumbLength = static_cast<int>(slider_size() * trough + 0.5);
        int least = thickness() / 2 + 1;
        if (g.thumbLength < least) g.thumbLength = least;
        double share = maximum() == minimum() ? 0.5 : (value() - minimum()) / (maximum() - minimum());
        if (share < 0) share = 0;
        if (share > 1) share = 1;
        g.thumbStart = g.troughStart + static_cast<int>(share * (trough - g.thumbLength) + 0.5);
        return g;
    }

    int positionAt(int thumbStart) const {
        Geometry g = geometry();
        int room = (g.troughEnd - g.troughStart) - g.thumbLength;
        int low = state_.min;
        int high = state_.max - (state_.page > 0 ? state_.page - 1 : 0);
        if (room <= 0 || high <= low) return low;
        double share = static_cast<double>(thumbStart - g.troughStart) / room;
        if (share < 0) share = 0;
        if (share > 1) share = 1;
        return low + static_cast<int>(share * (high - low) + 0.5);
    }

    void send(int request, int position) {
        UINT message = bar_ == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
        PostMessageA(record_, message, MAKEWPARAM(request, position), 0);
    }

    void startRepeating(int request) {
        repeating_ = request;
        send(request, 0);
        Fl::add_timeout(FirstRepeat, repeat, this);
    }

    static void repeat(void* data) {
        WindowScrollBar* self = static_cast<WindowScrollBar*>(data);
        if (!records::isLive(self->record_)) return;
        self->send(self->repeating_, 0);
        Fl::repeat_timeout(NextRepeat, repeat, data);
    }

    HWND record_;
    int bar_;
    records::ScrollBarState state_{0, 100, 0, 0, 0};
    bool dragging_ = false;
    int grab_ = 0;
    int repeating_ = SB_ENDSCROLL;
};

}  // namespace

Fl_Widget* makeScrollBar(HWND window, int bar) {
    WindowScrollBar* scrollBar = new WindowScrollBar(window, bar);
    scrollBar->show(window->scroll[bar]);
    return scrollBar;
}

void showScrollState(Fl_Widget* scrollBar, HWND window, int bar) {
    WindowScrollBar* windowBar = dynamic_cast<WindowScrollBar*>(scrollBar);
    if (windowBar && records::isLive(window)) windowBar->show(window->scroll[bar]);
}

}  // namespace view
