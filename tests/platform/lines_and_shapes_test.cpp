// Lines and shapes in the draw list: Polyline and Ellipse with the device
// context's pen and brush, CreatePen, stock objects, SelectObject and
// DeleteObject, as Win32 has them.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/linux/test_interface.h"
#include "platform/win32.h"

// Points compare by their coordinates (found by the vectors' comparison).
bool operator==(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

namespace {

// What the window paints: set by each test.
std::function<void(HDC)> painter;

LRESULT CALLBACK paintingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (painter) painter(dc);
    EndPaint(window, &paint);
    return 0;
}

class LinesAndShapes : public ::testing::Test {
protected:
    void SetUp() override {
        platform_test::reset();
        painter = nullptr;
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = paintingProcedure;
        windowClass.lpszClassName = "Drawn";
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, "Drawn", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                  nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        painter = nullptr;
        platform_test::reset();
    }

    // Paints the whole window anew with `paint` and returns what it drew.
    std::vector<platform_test::DrawnItem> paintWith(const std::function<void(HDC)>& paint) {
        painter = paint;
        InvalidateRect(window_, nullptr, TRUE);
        platform_test::runUntilIdle();
        return drawn();
    }

    std::vector<platform_test::DrawnItem> drawn() {
        std::vector<platform_test::DrawnItem> items;
        for (int i = 0; i < platform_test::drawnItemCount(window_); ++i)
            items.push_back(platform_test::drawnItem(window_, i));
        return items;
    }

    HWND window_ = nullptr;
};

std::vector<POINT> pointsOf(const platform_test::DrawnItem& item) {
    return std::vector<POINT>(item.points, item.points + item.pointCount);
}

TEST_F(LinesAndShapes, PolylineDrawsWithTheSelectedPen) {
    const POINT zigzag[] = {{10, 50}, {20, 40}, {30, 60}, {40, 50}};
    struct Case {
        const char* pen;
        int expectedWidth;  // 0: nothing drawn
        COLORREF expectedColor;
    };
    const Case cases[] = {
        {"default", 1, RGB(0, 0, 0)},
        {"red, 3 wide", 3, RGB(255, 0, 0)},
        {"width 0", 1, RGB(0, 0, 255)},
        {"null", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pen);
        std::vector<platform_test::DrawnItem> items = paintWith([&](HDC dc) {
            HPEN pen = nullptr;
            std::string name = c.pen;
            if (name == "red, 3 wide") pen = CreatePen(PS_SOLID, 3, RGB(255, 0, 0));
            if (name == "width 0") pen = CreatePen(PS_SOLID, 0, RGB(0, 0, 255));
            if (name == "null") SelectObject(dc, GetStockObject(NULL_PEN));
            HGDIOBJ old = pen ? SelectObject(dc, pen) : nullptr;
            EXPECT_TRUE(Polyline(dc, zigzag, 4));
            if (pen) {
                EXPECT_EQ(SelectObject(dc, old), pen);
                EXPECT_TRUE(DeleteObject(pen));
            }
        });
        if (c.expectedWidth == 0) {
            EXPECT_TRUE(items.empty());
            continue;
        }
        ASSERT_EQ(items.size(), 1u);
        EXPECT_EQ(items[0].kind, platform_test::PaintKind::Lines);
        EXPECT_EQ(items[0].penWidth, c.expectedWidth);
        EXPECT_EQ(items[0].penColor, c.expectedColor);
        EXPECT_EQ(pointsOf(items[0]), std::vector<POINT>(zigzag, zigzag + 4));
        // The bounds hold every pixel the pen covers.
        EXPECT_LE(items[0].rect.left, 10 - c.expectedWidth / 2);
        EXPECT_GE(items[0].rect.bottom, 60 + c.expectedWidth / 2);
    }
}

TEST_F(LinesAndShapes, AFlatLineCountsAndAPolylineOfOnePointDrawsNothing) {
    const POINT flat[] = {{0, 100}, {399, 100}};
    std::vector<platform_test::DrawnItem> items = paintWith([&](HDC dc) {
        EXPECT_TRUE(Polyline(dc, flat, 2));
        EXPECT_FALSE(Polyline(dc, flat, 1));
        EXPECT_FALSE(Polyline(dc, nullptr, 2));
    });
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].pointCount, 2);
    // Drawing on the line's row alone replaces it; a strip beside it keeps it.
    RECT strip{0, 200, 400, 210};
    InvalidateRect(window_, &strip, TRUE);
    painter = nullptr;
    platform_test::runUntilIdle();
    EXPECT_EQ(drawn().size(), 1u);
    RECT row{0, 100, 400, 101};
    InvalidateRect(window_, &row, TRUE);
    platform_test::runUntilIdle();
    EXPECT_TRUE(drawn().empty());
}

TEST_F(LinesAndShapes, ALongPolylineIsKeptAsPiecesThatMeetAtTheirEnds) {
    std::vector<POINT> points;
    for (int i = 0; i < 40; ++i) points.push_back(POINT{5 + 9 * i, i % 2 == 0 ? 20 : 40});
    std::vector<platform_test::DrawnItem> items =
        paintWith([&](HDC dc) { EXPECT_TRUE(Polyline(dc, points.data(), static_cast<int>(points.size()))); });
    ASSERT_GT(items.size(), 1u);
    std::vector<POINT> joined = pointsOf(items[0]);
    for (size_t i = 1; i < items.size(); ++i) {
        std::vector<POINT> piece = pointsOf(items[i]);
        ASSERT_GE(piece.size(), 2u);
        EXPECT_TRUE(piece.front() == joined.back()) << "piece " << i;
        joined.insert(joined.end(), piece.begin() + 1, piece.end());
    }
    EXPECT_EQ(joined, points);
}

TEST_F(LinesAndShapes, EllipseIsOutlinedByThePenAndFilledByTheBrush) {
    struct Case {
        const char* name;
        int brush;  // a stock brush, -1 for the default
        int pen;    // a stock pen, -1 for the default
        bool drawn;
        bool filled;
        COLORREF fill;
        int penWidth;
    };
    const Case cases[] = {
        {"default: black pen, white brush", -1, -1, true, true, RGB(255, 255, 255), 1},
        {"black brush", BLACK_BRUSH, -1, true, true, RGB(0, 0, 0), 1},
        {"hollow", NULL_BRUSH, -1, true, false, 0, 1},
        {"no outline", WHITE_BRUSH, NULL_PEN, true, true, RGB(255, 255, 255), 0},
        {"nothing at all", NULL_BRUSH, NULL_PEN, false, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<platform_test::DrawnItem> items = paintWith([&](HDC dc) {
            if (c.brush >= 0) SelectObject(dc, GetStockObject(c.brush));
            if (c.pen >= 0) SelectObject(dc, GetStockObject(c.pen));
            // Corners given the wrong way round make the same figure.
            EXPECT_TRUE(Ellipse(dc, 59, 49, 50, 40));
        });
        if (!c.drawn) {
            EXPECT_TRUE(items.empty());
            continue;
        }
        ASSERT_EQ(items.size(), 1u);
        EXPECT_EQ(items[0].kind, platform_test::PaintKind::Ellipse);
        EXPECT_EQ(items[0].rect.left, 50);
        EXPECT_EQ(items[0].rect.top, 40);
        EXPECT_EQ(items[0].rect.right, 59);
        EXPECT_EQ(items[0].rect.bottom, 49);
        EXPECT_EQ(items[0].filled, c.filled);
        if (c.filled) {
            EXPECT_EQ(items[0].fillColor, c.fill);
        }
        EXPECT_EQ(items[0].penWidth, c.penWidth);
    }
}

TEST_F(LinesAndShapes, ObjectsAreSelectedByKindAndDeletedOnlyWhenFree) {
    HDC dc = GetDC(window_);
    HGDIOBJ blackPen = GetStockObject(BLACK_PEN);
    HGDIOBJ whiteBrush = GetStockObject(WHITE_BRUSH);
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(1, 2, 3));
    ASSERT_NE(pen, nullptr);
    // A new device context has the black pen and the white brush; each
    // selection hands back the object of its own kind that it replaces.
    EXPECT_EQ(SelectObject(dc, pen), blackPen);
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_BRUSH)), whiteBrush);
    EXPECT_EQ(SelectObject(dc, GetStockObject(NULL_PEN)), static_cast<HGDIOBJ>(pen));
    EXPECT_EQ(SelectObject(dc, pen), GetStockObject(NULL_PEN));
    // A pen still selected is not deleted; once replaced, it is.
    EXPECT_FALSE(DeleteObject(pen));
    SelectObject(dc, blackPen);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(pen));
    // What is no pen or brush of the layer's is not selected.
    HBRUSH classBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    EXPECT_EQ(SelectObject(dc, classBackground), nullptr);
    EXPECT_EQ(SelectObject(dc, pen), nullptr);
    EXPECT_EQ(SelectObject(nullptr, blackPen), nullptr);
    EXPECT_EQ(GetStockObject(3), nullptr);  // DKGRAY_BRUSH: not kept
    EXPECT_EQ(CreatePen(1, 1, 0), nullptr);  // PS_DASH
    // Stock objects survive being deleted.
    EXPECT_TRUE(DeleteObject(blackPen));
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), blackPen);
    EXPECT_FALSE(DeleteObject(nullptr));
    ReleaseDC(window_, dc);
}

TEST_F(LinesAndShapes, ScrollingMovesTheLinesWithTheContent) {
    const POINT line[] = {{10, 100}, {50, 120}};
    paintWith([&](HDC dc) {
        Polyline(dc, line, 2);
        Ellipse(dc, 10, 10, 20, 20);
    });
    painter = nullptr;
    ScrollWindow(window_, 5, -30, nullptr, nullptr);
    std::vector<platform_test::DrawnItem> items = drawn();
    // The ellipse left the client area; the line moved.
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(pointsOf(items[0]), (std::vector<POINT>{{15, 70}, {55, 90}}));
}

}  // namespace
