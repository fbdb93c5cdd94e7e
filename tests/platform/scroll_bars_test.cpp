// The main window's scroll bars keep their position within the range.
#include <gtest/gtest.h>

#include "platform/linux/test_interface.h"
#include "platform/win32.h"

namespace {

class ScrollBars : public ::testing::Test {
protected:
    void SetUp() override {
        platform_test::reset();
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
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

}  // namespace
