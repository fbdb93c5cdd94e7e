// Scrolling and resizing the main window's content.
#include <gtest/gtest.h>

#include "engine/shared_state.h"
#include "platform/linux/test_interface.h"
#include "platform/win32.h"
#include "tests/support/fresh_program.h"
#include "window/control_table.h"
#include "window/scrolling.h"

namespace {

class Scrolling : public ::testing::Test {
protected:
    void SetUp() override {
        resetToFreshProgram();
        charWidth = 10;
        lineHeight = 16;
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.lpszClassName = "Main";
        RegisterClassA(&windowClass);
        main_ = CreateWindowExA(0, "Main", "", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, 0, 0, 550, 648,
                                nullptr, nullptr, nullptr, nullptr);
        // A control where Execute is: table 210, 85 is pixel 210, 136.
        execute_ = CreateWindowExA(0, "button", "Execute", WS_CHILD | WS_VISIBLE, 210, 136, 60, 19, main_,
                                   nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        platform_test::reset();
        hScrollOffset = vScrollOffset = 0;
    }

    SCROLLINFO bar(int which) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        GetScrollInfo(main_, which, &info);
        return info;
    }

    POINT executeAt() {
        RECT r;
        GetWindowRect(execute_, &r);
        return POINT{r.left, r.top};
    }

    void dragVertical(int position) {
        platform_test::dragThumb(main_, SB_VERT, position);
        onVScroll(main_, SB_THUMBTRACK);
    }

    HWND main_ = nullptr;
    HWND execute_ = nullptr;
};

TEST_F(Scrolling, ResizeSetsRangeAndPageInWholeUnits) {
    onSize(main_, 529, 327);  // 52.9 characters, 20.4 lines
    EXPECT_EQ(bar(SB_HORZ).nMax, 52);
    EXPECT_EQ(bar(SB_HORZ).nPage, 52u);
    EXPECT_EQ(bar(SB_VERT).nMax, 36);
    EXPECT_EQ(bar(SB_VERT).nPage, 20u);
    EXPECT_EQ(bar(SB_VERT).nMin, 0);
}

TEST_F(Scrolling, LineDownAtTheTopMovesTheContentUpOneLine) {
    onSize(main_, 520, 320);  // page 20
    onVScroll(main_, SB_LINEDOWN);
    EXPECT_EQ(bar(SB_VERT).nPos, 1);
    EXPECT_EQ(vScrollOffset, -1);
    EXPECT_EQ(executeAt().y, 136 - 16);
}

TEST_F(Scrolling, LineUpAtTheTopMovesNothing) {
    onSize(main_, 520, 320);
    onVScroll(main_, SB_LINEUP);
    EXPECT_EQ(bar(SB_VERT).nPos, 0);
    EXPECT_EQ(vScrollOffset, 0);
    EXPECT_EQ(executeAt().y, 136);
}

TEST_F(Scrolling, PageRightIsClampedByTheBar) {
    onSize(main_, 300, 320);  // page 30 characters; both bars stay
    onHScroll(main_, SB_PAGERIGHT);
    // 0 + 30 is past 52 - 30 + 1 = 23.
    EXPECT_EQ(bar(SB_HORZ).nPos, 23);
    EXPECT_EQ(hScrollOffset, -23);
    EXPECT_EQ(executeAt().x, 210 - 230);
}

TEST_F(Scrolling, GrowingWindowPullsScrolledContentBack) {
    onSize(main_, 520, 320);  // 20 lines
    dragVertical(10);
    ASSERT_EQ(vScrollOffset, -10);
    ASSERT_EQ(executeAt().y, 136 - 160);
    onSize(main_, 520, 480);  // 30 lines: 30 > -10 + 36, so 4 lines back
    EXPECT_EQ(vScrollOffset, -6);
    EXPECT_EQ(executeAt().y, 136 - 96);
    // The bar itself keeps its position within 36 - 30 + 1.
    EXPECT_EQ(bar(SB_VERT).nPos, 7);
}

TEST_F(Scrolling, GrowingWindowThatStillEndsInsideTheContentMovesNothing) {
    onSize(main_, 520, 320);
    dragVertical(2);
    onSize(main_, 520, 480);  // 30 is not greater than -2 + 36
    EXPECT_EQ(vScrollOffset, -2);
    EXPECT_EQ(executeAt().y, 136 - 32);
    EXPECT_EQ(bar(SB_VERT).nPos, 2);
}

TEST_F(Scrolling, HorizontalPullBackStopsAtTheOrigin) {
    onSize(main_, 300, 320);
    onHScroll(main_, SB_PAGERIGHT);  // -23
    onSize(main_, 450, 320);         // 45 > -23 + 52: 16 back, to -7
    EXPECT_EQ(hScrollOffset, -7);
    EXPECT_EQ(executeAt().x, 210 - 70);
    onSize(main_, 900, 320);         // 90 > -7 + 52, but never past the origin
    EXPECT_EQ(hScrollOffset, 0);
    EXPECT_EQ(executeAt().x, 210);
}

TEST_F(Scrolling, MinimisedWindowMovesNothingAndHasEmptyPages) {
    onSize(main_, 520, 320);
    dragVertical(10);
    onSize(main_, 0, 0);
    EXPECT_EQ(vScrollOffset, -10);
    EXPECT_EQ(hScrollOffset, 0);
    EXPECT_EQ(executeAt().y, 136 - 160);
    EXPECT_EQ(bar(SB_VERT).nPage, 0u);
    EXPECT_EQ(bar(SB_HORZ).nPage, 0u);
}

TEST_F(Scrolling, ContentNeverMovesPastItsOrigin) {
    onSize(main_, 300, 320);
    struct Step {
        bool vertical;
        int request;
        int track;
    };
    const Step steps[] = {
        {true, SB_PAGEDOWN, 0},  {true, SB_PAGEDOWN, 0}, {true, SB_BOTTOM, 0},   {true, SB_LINEDOWN, 0},
        {true, SB_TOP, 0},       {true, SB_LINEUP, 0},   {true, SB_PAGEUP, 0},   {true, SB_THUMBTRACK, 5},
        {true, SB_THUMBPOSITION, 0}, {true, SB_ENDSCROLL, 0}, {true, 99, 0},     {false, SB_RIGHT, 0},
        {false, SB_LINELEFT, 0}, {false, SB_PAGELEFT, 0}, {false, SB_LEFT, 0},   {false, SB_LINELEFT, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.request);
        if (s.vertical) {
            platform_test::dragThumb(main_, SB_VERT, s.track);
            onVScroll(main_, s.request);
        } else {
            onHScroll(main_, s.request);
        }
        EXPECT_LE(vScrollOffset, 0);
        EXPECT_LE(hScrollOffset, 0);
        // The controls moved exactly as far as the offsets say.
        EXPECT_EQ(executeAt().y, 136 + 16 * vScrollOffset);
        EXPECT_EQ(executeAt().x, 210 + 10 * hScrollOffset);
    }
    EXPECT_EQ(vScrollOffset, -5);
    EXPECT_EQ(hScrollOffset, 0);
}

TEST_F(Scrolling, VerticalScrollPaintsAtOnceHorizontalRepaintsEverything) {
    ShowWindow(main_, SW_SHOW);
    onSize(main_, 300, 320);
    platform_test::runUntilIdle();
    onVScroll(main_, SB_LINEDOWN);
    EXPECT_FALSE(main_->needsPaint);  // UpdateWindow painted the strip
    onHScroll(main_, SB_LINERIGHT);
    ASSERT_TRUE(main_->needsPaint);
    EXPECT_EQ(main_->update.left, 0);
    EXPECT_EQ(main_->update.top, 0);
    EXPECT_EQ(main_->update.right, 533);
    EXPECT_EQ(main_->update.bottom, 631);
}

}  // namespace
