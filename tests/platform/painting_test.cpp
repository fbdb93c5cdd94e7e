// Painting into the draw list: clipping to the update rectangle, erasing,
// and ScrollWindow's move of children and drawing.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/linux/test_interface.h"
#include "platform/win32.h"

namespace {

// Draws one line of text at each of the given tops when painted.
int paintTops[4];
int paintCount = 0;
const char* paintText = "line";

LRESULT CALLBACK paintingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    for (int i = 0; i < paintCount; ++i) {
        RECT r{150, paintTops[i], 400, paintTops[i] + 19};
        DrawTextA(dc, paintText, -1, &r, DT_WORDBREAK);
    }
    EndPaint(window, &paint);
    return 0;
}

class Painting : public ::testing::Test {
protected:
    void SetUp() override {
        platform_test::reset();
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = paintingProcedure;
        windowClass.lpszClassName = "Painted";
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, "Painted", "", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, 0, 0, 550,
                                  648, nullptr, nullptr, nullptr, nullptr);
        ShowWindow(window_, SW_SHOW);
        paintCount = 0;
        paintText = "line";
    }
    void TearDown() override { platform_test::reset(); }

    HWND window_ = nullptr;
};

TEST_F(Painting, WhatPaintingDrewIsKeptWithItsColoursAndFormat) {
    paintTops[0] = 184;
    paintCount = 1;
    paintText = "12 set(s) found.";
    platform_test::runUntilIdle();
    ASSERT_EQ(platform_test::drawnItemCount(window_), 1);
    platform_test::DrawnItem item = platform_test::drawnItem(window_, 0);
    EXPECT_EQ(item.kind, platform_test::PaintKind::Text);
    EXPECT_STREQ(item.text, "12 set(s) found.");
    EXPECT_EQ(item.rect.left, 150);
    EXPECT_EQ(item.rect.top, 184);
    EXPECT_EQ(item.format, static_cast<UINT>(DT_WORDBREAK));
    EXPECT_EQ(item.textColor, GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(item.backColor, GetSysColor(COLOR_BTNFACE));
    // Painting again after a full invalidation replaces the item.
    InvalidateRect(window_, nullptr, TRUE);
    platform_test::runUntilIdle();
    EXPECT_EQ(platform_test::drawnItemCount(window_), 1);
}

TEST_F(Painting, DrawingOutsideTheUpdateRectangleIsClippedAway) {
    paintTops[0] = 0;
    paintTops[1] = 300;
    paintCount = 2;
    platform_test::runUntilIdle();
    ASSERT_EQ(platform_test::drawnItemCount(window_), 2);
    // Only the strip of the second line needs painting: the first line's
    // item stays, the second is erased and drawn anew, once.
    RECT strip{0, 290, 533, 310};
    paintText = "new";
    InvalidateRect(window_, &strip, TRUE);
    platform_test::runUntilIdle();
    ASSERT_EQ(platform_test::drawnItemCount(window_), 2);
    EXPECT_STREQ(platform_test::drawnItem(window_, 0).text, "line");
    EXPECT_STREQ(platform_test::drawnItem(window_, 1).text, "new");
}

TEST_F(Painting, ScrollWindowMovesChildrenAndDrawingAndRepaintsTheUncoveredStrip) {
    HWND child = CreateWindowExA(0, "button", "Execute", WS_CHILD | WS_VISIBLE, 210, 136, 60, 19, window_,
                                 nullptr, nullptr, nullptr);
    paintTops[0] = 184;
    paintTops[1] = 0;
    paintCount = 2;
    platform_test::runUntilIdle();
    // Up by 20 pixels: the line 19 pixels high at the top leaves the client
    // area and is gone; the other moves with the child window.
    ScrollWindow(window_, 0, -20, nullptr, nullptr);
    RECT r;
    GetWindowRect(child, &r);
    EXPECT_EQ(r.top, 116);
    ASSERT_EQ(platform_test::drawnItemCount(window_), 1);
    EXPECT_EQ(platform_test::drawnItem(window_, 0).rect.top, 164);
    // The uncovered strip at the bottom is due for painting; drawing there
    // is all that painting records (the line at 184 lies outside it).
    paintTops[0] = 620;
    paintCount = 2;
    UpdateWindow(window_);
    EXPECT_EQ(platform_test::drawnItemCount(window_), 2);
}

// What was drawn beyond the edge of a client area that shrank is gone, as
// its pixels are; a class that is not painted anew on resizing then shows
// nothing stale where the window grows again.
TEST_F(Painting, DrawingOutsideAShrunkClientAreaIsGone) {
    paintTops[0] = 100;
    paintTops[1] = 500;
    paintCount = 2;
    platform_test::runUntilIdle();
    ASSERT_EQ(platform_test::drawnItemCount(window_), 2);
    paintCount = 0;  // nothing more is painted
    SetWindowPos(window_, nullptr, 0, 0, 550, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW);
    platform_test::runUntilIdle();
    ASSERT_EQ(platform_test::drawnItemCount(window_), 1);
    EXPECT_EQ(platform_test::drawnItem(window_, 0).rect.top, 100);
    SetWindowPos(window_, nullptr, 0, 0, 550, 648, SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW);
    platform_test::runUntilIdle();
    EXPECT_EQ(platform_test::drawnItemCount(window_), 1);
}

TEST_F(Painting, DrawTextReportsTheHeightOfItsLines) {
    HDC dc = GetDC(window_);
    RECT wide{0, 0, 400, 100};
    EXPECT_EQ(DrawTextA(dc, "one", -1, &wide, 0), 16);
    EXPECT_EQ(DrawTextA(dc, "one\r\ntwo\r\nthree", -1, &wide, 0), 48);
    // 20 characters of 7 pixels in 70 pixels wrap into two lines.
    RECT narrow{0, 0, 70, 100};
    EXPECT_EQ(DrawTextA(dc, "aaaaaaaaaaaaaaaaaaaa", -1, &narrow, DT_WORDBREAK | DT_CALCRECT), 32);
    EXPECT_EQ(narrow.bottom, 32);
    ReleaseDC(window_, dc);
}

}  // namespace
