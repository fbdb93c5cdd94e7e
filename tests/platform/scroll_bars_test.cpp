// The main window's scroll bars keep their position within the range, and
// appear only while their page does not cover it.
#include <gtest/gtest.h>

#include <vector>

#include "platform/linux/test_interface.h"
#include "platform/win32.h"

namespace {

std::vector<LPARAM> sizes;

LRESULT CALLBACK sizeNotingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) sizes.push_back(lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

class ScrollBars : public ::testing::Test {
protected:
    void SetUp() override {
        platform_test::reset();
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = sizeNotingProcedure;
        windowClass.lpszClassName = "Scrolled";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, "Scrolled", "", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, 0, 0, 550,
                                  648, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override { platform_test::reset(); }

    SCROLLINFO read(int bar) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        GetScrollInfo(window_, bar, &info);
        return info;
    }

    HWND window_ = nullptr;
};

TEST_F(ScrollBars, PositionStaysWithinMinimumToMaximumLessPagePlusOne) {
    struct Case {
        int maximum;
        int page;
        int position;
        int expectedPage;
        int expectedPosition;
    };
    const Case cases[] = {
        {52, 30, 30, 30, 23},  // 52 - 30 + 1
        {36, 30, 10, 30, 7},   // 36 - 30 + 1
        {36, 20, -3, 20, 0},
        {36, 0, 50, 0, 36},    // no page: up to the maximum
        {36, 40, 5, 37, 0},    // a page larger than the range is cut to it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.maximum * 1000 + c.page);
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, c.maximum, static_cast<UINT>(c.page),
                        c.position, 0};
        EXPECT_EQ(SetScrollInfo(window_, SB_HORZ, &info, TRUE), c.expectedPosition);
        SCROLLINFO now = read(SB_HORZ);
        EXPECT_EQ(now.nPage, static_cast<UINT>(c.expectedPage));
        EXPECT_EQ(now.nPos, c.expectedPosition);
    }
}

TEST_F(ScrollBars, ShrinkingTheRangeOrGrowingThePageMovesThePosition) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 36, 20, 10, 0};
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
    info.fMask = SIF_PAGE;
    info.nPage = 30;
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
    EXPECT_EQ(read(SB_VERT).nPos, 7);
    // The other bar is a bar of its own.
    EXPECT_EQ(read(SB_HORZ).nPos, 0);
}

TEST_F(ScrollBars, TrackPositionFollowsTheDraggedThumb) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, 36, 20, 0, 0};
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
    platform_test::dragThumb(window_, SB_VERT, 12);
    EXPECT_EQ(read(SB_VERT).nTrackPos, 12);
    EXPECT_EQ(read(SB_VERT).nPos, 0);
    platform_test::dragThumb(window_, SB_VERT, 30);  // past 36 - 20 + 1
    EXPECT_EQ(read(SB_VERT).nTrackPos, 17);
}

TEST_F(ScrollBars, OnlyTheWindowsOwnBarsExist) {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 10, 1, 1, 0};
    EXPECT_EQ(SetScrollInfo(window_, SB_CTL, &info, TRUE), 0);
    EXPECT_FALSE(GetScrollInfo(window_, SB_CTL, &info));
}

TEST_F(ScrollBars, ABarWhosePageCoversTheRangeIsHiddenAndTheClientAreaGrows) {
    struct Step {
        int bar;
        UINT mask;
        int page;
        DWORD style;   // the bars' style bits afterwards
        LPARAM size;   // the WM_SIZE it brings, 0 for none
    };
    // 550 by 648 with both bars: a client area of 533 by 631; range 0 .. 36.
    const Step steps[] = {
        {SB_VERT, SIF_RANGE | SIF_PAGE, 20, WS_VSCROLL | WS_HSCROLL, 0},
        {SB_VERT, SIF_RANGE | SIF_PAGE, 36, WS_VSCROLL | WS_HSCROLL, 0},  // 36 of 37 positions
        {SB_VERT, SIF_RANGE | SIF_PAGE, 37, WS_HSCROLL, MAKELPARAM(550, 631)},
        {SB_VERT, SIF_POS, 0, WS_HSCROLL, 0},  // the position alone changes nothing
        {SB_HORZ, SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 40, WS_HSCROLL, 0},  // kept, disabled
        {SB_HORZ, SIF_RANGE | SIF_PAGE, 40, 0, MAKELPARAM(550, 648)},
        {SB_VERT, SIF_PAGE, 10, WS_VSCROLL, MAKELPARAM(533, 648)},
        {SB_HORZ, SIF_RANGE | SIF_PAGE, 0, WS_VSCROLL | WS_HSCROLL, MAKELPARAM(533, 631)},  // no page
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.page);
        sizes.clear();
        SCROLLINFO info{sizeof info, step.mask, 0, 36, static_cast<UINT>(step.page), 0, 0};
        SetScrollInfo(window_, step.bar, &info, TRUE);
        EXPECT_EQ(window_->style & (WS_VSCROLL | WS_HSCROLL), step.style);
        EXPECT_EQ(sizes, step.size ? std::vector<LPARAM>{step.size} : std::vector<LPARAM>{});
        RECT client;
        GetClientRect(window_, &client);
        EXPECT_EQ(MAKELPARAM(client.right, client.bottom),
                  MAKELPARAM(550 - (step.style & WS_VSCROLL ? 17 : 0), 648 - (step.style & WS_HSCROLL ? 17 : 0)));
    }
}

}  // namespace
