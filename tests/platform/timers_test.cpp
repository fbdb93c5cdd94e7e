// Timers of the headless layer: what SetTimer and KillTimer accept, when
// WM_TIMER comes (after posted messages and painting, once a period has
// gone by, one for however many went by) and that a window takes its
// timers with it.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/linux/test_interface.h"
#include "platform/win32.h"

namespace {

struct Seen {
    UINT message;
    WPARAM wParam;
};
std::vector<Seen> seen;

LRESULT CALLBACK recordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER || message == WM_PAINT || message == WM_APP) seen.push_back(Seen{message, wParam});
    return DefWindowProcA(window, message, wParam, lParam);
}

void CALLBACK timerProcedure(HWND, UINT, UINT_PTR, DWORD) {}

class Timers : public ::testing::Test {
protected:
    void SetUp() override {
        platform_test::reset();
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = recordingProcedure;
        windowClass.lpszClassName = "Ticking";
        ASSERT_NE(RegisterClassA(&windowClass), 0);
        window_ = CreateWindowExA(0, "Ticking", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                  nullptr, nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
        platform_test::runUntilIdle();
        seen.clear();
    }
    void TearDown() override { platform_test::reset(); }

    std::vector<WPARAM> timersSeen() {
        std::vector<WPARAM> ids;
        for (const Seen& s : seen)
            if (s.message == WM_TIMER) ids.push_back(s.wParam);
        return ids;
    }

    HWND window_ = nullptr;
};

TEST_F(Timers, WhatSetTimerAndKillTimerAccept) {
    EXPECT_NE(SetTimer(window_, 7, 250, nullptr), 0u);
    EXPECT_EQ(platform_test::timerPeriod(window_, 7), 250u);
    // Set again: the new period; below Win32's shortest, the shortest.
    EXPECT_NE(SetTimer(window_, 7, 3, nullptr), 0u);
    EXPECT_EQ(platform_test::timerPeriod(window_, 7), 10u);
    // No window (a thread timer), a timer procedure, another thread: none
    // of them is carried out.
    EXPECT_EQ(SetTimer(nullptr, 8, 100, nullptr), 0u);
    EXPECT_EQ(SetTimer(window_, 8, 100, timerProcedure), 0u);
    UINT_PTR fromWorker = 1;
    std::thread([&] { fromWorker = SetTimer(window_, 8, 100, nullptr); }).join();
    EXPECT_EQ(fromWorker, 0u);
    EXPECT_EQ(platform_test::timerPeriod(window_, 8), 0u);

    EXPECT_TRUE(KillTimer(window_, 7));
    EXPECT_FALSE(KillTimer(window_, 7));
    EXPECT_FALSE(KillTimer(nullptr, 7));
    EXPECT_EQ(platform_test::expireTimers(), 0);
    platform_test::runUntilIdle();
    EXPECT_TRUE(timersSeen().empty());
}

TEST_F(Timers, OneMessageWhenDueAfterPostedMessagesAndPainting) {
    ASSERT_NE(SetTimer(window_, 1, 60000, nullptr), 0u);
    ASSERT_NE(SetTimer(window_, 2, 60000, nullptr), 0u);
    platform_test::runUntilIdle();
    EXPECT_TRUE(timersSeen().empty()) << "a minute has not gone by";

    PostMessageA(window_, WM_APP, 0, 0);
    InvalidateRect(window_, nullptr, TRUE);
    EXPECT_EQ(platform_test::expireTimers(window_), 2);
    platform_test::runUntilIdle();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_APP));
    EXPECT_EQ(seen[1].message, static_cast<UINT>(WM_PAINT));
    EXPECT_EQ(timersSeen(), (std::vector<WPARAM>{1, 2}));

    // Fired, each starts its next period: nothing more until it is over.
    seen.clear();
    platform_test::runUntilIdle();
    EXPECT_TRUE(timersSeen().empty());
}

TEST_F(Timers, GetMessageWaitsForTheNextTimerAndMakesOneMessageForManyPeriods) {
    ASSERT_NE(SetTimer(window_, 5, 20, nullptr), 0u);
    // Should no WM_TIMER come, this message ends the wait instead.
    std::atomic<bool> done{false};
    std::thread guard([this, &done] {
        for (int i = 0; i < 500 && !done; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!done) PostMessageA(window_, WM_APP + 1, 0, 0);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // five periods
    MSG message{};
    auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(message.hwnd, window_);
    EXPECT_EQ(message.wParam, 5u);
    // The periods gone by make one message; the next comes a period later.
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_TIMER));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(15));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
    KillTimer(window_, 5);
    done = true;
    guard.join();
}

TEST_F(Timers, ADestroyedWindowTakesItsTimersWithIt) {
    ASSERT_NE(SetTimer(window_, 3, 100, nullptr), 0u);
    DestroyWindow(window_);
    EXPECT_EQ(platform_test::timerPeriod(window_, 3), 0u);
    EXPECT_EQ(platform_test::expireTimers(), 0);
}

}  // namespace
