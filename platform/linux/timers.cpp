// Timers: SetTimer and KillTimer on the main thread's windows, and the
// WM_TIMER that GetMessageA makes of a timer that is due, as Win32 makes
// it: only when no posted message and no paint is waiting, one message for
// however many periods went by, the next period counted from then.
//
// Only the main thread sets, kills or takes timers (Win32 lets a thread set
// timers only on its own windows), so the table needs no lock.
#include <chrono>

#include "platform/linux/window_records.h"

namespace {

using Clock = std::chrono::steady_clock;

// The program sets one timer; room for a few more.
constexpr int MaxTimers = 16;
// Win32's USER_TIMER_MINIMUM and USER_TIMER_MAXIMUM, in milliseconds.
constexpr UINT ShortestPeriod = 0x0A;
constexpr UINT LongestPeriod = 0x7FFFFFFF;

struct Timer {
    bool inUse;
    HWND window;
    UINT_PTR id;
    UINT period;
    Clock::time_point due;
};

Timer timers[MaxTimers];

Timer* find(HWND window, UINT_PTR id) {
    for (Timer& timer : timers) {
        if (timer.inUse && timer.window == window && timer.id == id) return &timer;
    }
    return nullptr;
}

}  // namespace

namespace records {

bool takeDueTimer(MSG* message) {
    Clock::time_point now = Clock::now();
    Timer* first = nullptr;
    for (Timer& timer : timers) {
        if (timer.inUse && timer.due <= now && (!first || timer.due < first->due)) first = &timer;
    }
    if (!first) return false;
    first->due = now + std::chrono::milliseconds(first->period);
    *message = MSG{};
    message->hwnd = first->window;
    message->message = WM_TIMER;
    message->wParam = first->id;
    return true;
}

double secondsToNextTimer(double longest) {
    double seconds = longest;
    Clock::time_point now = Clock::now();
    for (const Timer& timer : timers) {
        if (!timer.inUse) continue;
        double left = std::chrono::duration<double>(timer.due - now).count();
        if (left < seconds) seconds = left > 0 ? left : 0;
    }
    return seconds;
}

int expireTimers(HWND window) {
    int n = 0;
    Clock::time_point now = Clock::now();
    for (Timer& timer : timers) {
        if (!timer.inUse || (window && timer.window != window)) continue;
        timer.due = now;
        ++n;
    }
    return n;
}

UINT timerPeriod(HWND window, UINT_PTR id) {
    const Timer* timer = find(window, id);
    return timer ? timer->period : 0;
}

void forgetTimers(HWND window) {
    for (Timer& timer : timers) {
        if (timer.inUse && (!window || timer.window == window)) timer = Timer{};
    }
}

}  // namespace records

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT period, TIMERPROC procedure) {
    // Thread timers (no window) and timer procedures are not carried out.
    if (!window || procedure || !records::onMainThread() || !records::isLive(window)) return 0;
    if (period < ShortestPeriod) period = ShortestPeriod;
    if (period > LongestPeriod) period = LongestPeriod;
    Timer* timer = find(window, id);
    for (int i = 0; !timer && i < MaxTimers; ++i) {
        if (!timers[i].inUse) timer = &timers[i];
    }
    if (!timer) return 0;
    // Setting a timer again starts its period anew.
    *timer = Timer{true, window, id, period, Clock::now() + std::chrono::milliseconds(period)};
    return 1;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
    if (!window || !records::onMainThread()) return FALSE;
    Timer* timer = find(window, id);
    if (!timer) return FALSE;
    *timer = Timer{};
    return TRUE;
}
