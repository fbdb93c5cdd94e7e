// The test-only interface: the message loop run to idleness, queued answers
// for message boxes, the draw list, and stand-ins for the user's clicks,
// typing, keys and wheel, all on top of the same records the program uses.
#include "platform/linux/test_interface.h"

#include <chrono>
#include <thread>

#include "platform/linux/view_hooks.h"

namespace platform_test {

namespace {

std::function<bool(const MSG*)> messageFilter;

}  // namespace

void reset() {
    records::resetWindows();
    records::resetPainting();
    records::resetDialogs();
    messageFilter = nullptr;
}

void setMessageFilter(const std::function<bool(const MSG*)>& filter) { messageFilter = filter; }

namespace {

// One posted message through the filter, as the program's loop takes it;
// false when none is waiting.
bool dispatchOne() {
    MSG message;
    if (!records::takePostedMessage(&message)) return false;
    if (!messageFilter || !messageFilter(&message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

}  // namespace

int dispatchPostedMessages() {
    int dispatched = 0;
    // Bounded, as a procedure may post to itself for ever.
    while (dispatched < 100000 && dispatchOne()) ++dispatched;
    return dispatched;
}

int runUntilIdle() {
    int dispatched = 0;
    const ViewHooks* hooks = viewHooks();
    // A program that keeps posting messages to itself would never be idle;
    // the bound keeps a faulty test from hanging.
    for (int round = 0; round < 100000; ++round) {
        bool any = records::serveRequests();
        if (hooks && hooks->waitForEvents) hooks->waitForEvents(0.0);
        if (dispatchOne()) {
            ++dispatched;
            continue;
        }
        HWND dirty = records::windowNeedingPaint();
        if (dirty) {
            SendMessageA(dirty, WM_PAINT, 0, 0);
            // A procedure that does not validate would paint forever.
            if (dirty->needsPaint) dirty->needsPaint = false;
            continue;
        }
        // A timer's next period lies ahead once it fired, so this ends too.
        MSG timer;
        if (records::takeDueTimer(&timer)) {
            if (!messageFilter || !messageFilter(&timer)) DispatchMessageA(&timer);
            continue;
        }
        if (!any) break;
    }
    return dispatched;
}

bool pumpUntil(const std::function<bool()>& done, double seconds) {
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        runUntilIdle();
        if (done()) return true;
        if (std::chrono::steady_clock::now() > end) return false;
        const ViewHooks* hooks = viewHooks();
        if (hooks && hooks->waitForEvents) {
            hooks->waitForEvents(0.01);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
}

bool quitRequested(int* exitCode) { return records::quitPending(exitCode); }

void answerMessageBox(int answer) { records::queueBoxAnswer(answer); }
int messageBoxCount() { return records::boxesShown(); }
const char* lastMessageBoxText() { return records::lastBoxText(); }
const char* lastMessageBoxCaption() { return records::lastBoxCaption(); }
UINT lastMessageBoxType() { return records::lastBoxType(); }
const char* lastMessageBoxButton(int n) { return records::lastBoxButton(n); }

int expireTimers(HWND window) { return records::expireTimers(window); }
UINT timerPeriod(HWND window, UINT_PTR id) { return records::timerPeriod(window, id); }

int drawnItemCount(HWND window) { return records::paintedItemCount(window); }
DrawnItem drawnItem(HWND window, int n) { return records::paintedItem(window, n); }

void click(HWND button) {
    // A push on a button gives it the focus; a group box takes neither.
    if (records::isLive(button) && button->enabled && (button->style & BS_TYPEMASK) != BS_GROUPBOX)
        viewFocusChanged(button);
    viewButtonClicked(button);
}
void type(HWND edit, const char* text) { viewTextTyped(edit, text); }
void dragThumb(HWND window, int bar, int position) { viewScrollTracked(window, bar, position); }
void pressKey(HWND topLevel, int virtualKey, bool shift) { viewKeyPressed(topLevel, virtualKey, shift); }
void turnWheel(HWND topLevel, int x, int y, int delta, bool horizontal) {
    viewMouseWheel(topLevel, x, y, delta, horizontal);
}
void doubleClick(HWND edit, int x, int y) {
    // The first click of the two gives the box the focus.
    if (records::isLive(edit) && edit->enabled) viewFocusChanged(edit);
    viewEditDoubleClicked(edit, x, y);
}

void setSystemFont(int averageWidth, int height, int externalLeading, int pitchAndFamily) {
    records::systemFont = records::SystemFont{averageWidth, height, externalLeading, pitchAndFamily};
}

void setScreenSize(int width, int height) {
    records::headlessScreenWidth = width;
    records::headlessScreenHeight = height;
}

int windowCount() {
    int n = 0;
    for (const PlatformWindow& window : records::windows) n += window.inUse ? 1 : 0;
    return n;
}

}  // namespace platform_test
