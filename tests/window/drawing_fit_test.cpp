// The fit of a drawing into a client area: one scale both ways, the largest
// at which the drawing fits beside the frame, centred in its room; the floor
// below that, the content then larger than the client area so that the
// scroll bars range over it.
#include <gtest/gtest.h>

#include "window/drawing_fit.h"

namespace {

TEST(DrawingFit, KeepsTheAspectAndTheFloorAndMakesTheContentTheBarsRangeOver) {
    // A drawing of 200 x 100 pixels with 8 pixels aside and below and a
    // 48-pixel header above; the header's text is 150 wide.
    const FitFrame frame{8, 48, 8, 8, 150};
    struct Case {
        const char* what;
        int drawingWidth, drawingHeight, clientWidth, clientHeight, floor;
        DrawingFit fit;  // scale, x, y, width, height, content width and height
    };
    const Case cases[] = {
        // The room is the drawing's own size: 216 = 8 + 200 + 8, 156 = 48 + 100 + 8.
        {"own size", 200, 100, 216, 156, ScaleOne, {ScaleOne, 8, 48, 200, 100, 216, 156}},
        {"twice the room", 200, 100, 416, 256, ScaleOne, {2 * ScaleOne, 8, 48, 400, 200, 416, 256}},
        // Room 300 x 150: one and a half times, rounded down in 1/1024.
        {"a fraction", 200, 100, 316, 206, ScaleOne, {1536, 8, 48, 300, 150, 316, 206}},
        // Room 800 x 200: the height bounds it at 2; centred across the
        // rest, 8 + (800 - 400) / 2.
        {"wide window", 200, 100, 816, 256, ScaleOne, {2 * ScaleOne, 208, 48, 400, 200, 416, 256}},
        // Room 400 x 400: the width bounds it; centred down, 48 + 100.
        {"tall window", 200, 100, 416, 456, ScaleOne, {2 * ScaleOne, 8, 148, 400, 200, 416, 256}},
        // Room 100 x 50 would halve it: the floor keeps its own size, and
        // the content is larger than the client area both ways.
        {"below the floor", 200, 100, 116, 106, ScaleOne, {ScaleOne, 8, 48, 200, 100, 216, 156}},
        // Room 300 x 50: the height would halve it; at the floor the
        // content is taller than the client area, and centred across.
        {"below the floor one way", 200, 100, 316, 106, ScaleOne, {ScaleOne, 58, 48, 200, 100, 216, 156}},
        {"a lower floor", 200, 100, 116, 106, 768, {768, 8, 48, 150, 75, 166, 131}},
        // A client area smaller than the frame itself, one way or both:
        // no room that way is no room, however much there is the other
        // (centred down in 844 rows: 48 + (844 - 100) / 2).
        {"no room at all", 200, 100, 10, 10, ScaleOne, {ScaleOne, 8, 48, 200, 100, 216, 156}},
        {"no room across", 200, 100, 10, 900, ScaleOne, {ScaleOne, 8, 420, 200, 100, 216, 156}},
        // The header's text is wider than a small drawing: the content is
        // as wide as the text; the drawing is centred in the room it has.
        {"narrow drawing", 100, 100, 216, 156, ScaleOne, {ScaleOne, 58, 48, 100, 100, 166, 156}},
        // Smaller than the header's text and than the room, it stays
        // centred under the text as in the content it scrolls with:
        // 8 + (150 - 100) / 2.
        {"narrow drawing, scrolled", 100, 100, 116, 106, ScaleOne, {ScaleOne, 33, 48, 100, 100, 166, 156}},
        // No drawing (a line without a record): the frame alone.
        {"nothing drawn", 0, 0, 416, 256, ScaleOne, {ScaleOne, 208, 148, 0, 0, 166, 56}},
        // A drawing with no height: only its width bounds the scale.
        {"a flat line", 200, 0, 416, 256, ScaleOne, {2 * ScaleOne, 8, 148, 400, 0, 416, 56}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DrawingFit fit = fitDrawing(c.drawingWidth, c.drawingHeight, c.clientWidth, c.clientHeight, frame, c.floor);
        EXPECT_EQ(fit.scale, c.fit.scale);
        EXPECT_EQ(fit.x, c.fit.x);
        EXPECT_EQ(fit.y, c.fit.y);
        EXPECT_EQ(fit.width, c.fit.width);
        EXPECT_EQ(fit.height, c.fit.height);
        EXPECT_EQ(fit.contentWidth, c.fit.contentWidth);
        EXPECT_EQ(fit.contentHeight, c.fit.contentHeight);
    }
}

// However the client area is sized, the drawing keeps its aspect and lies
// inside the frame of the content (or of the client area where that is
// larger); where the content fits the client area, the drawing fills its
// room one way or the other.
TEST(DrawingFit, TheDrawingStaysInsideItsFrameAndFillsItsRoom) {
    const FitFrame frame{10, 40, 10, 8, 120};
    for (int width = 0; width <= 900; width += 37) {
        for (int height = 0; height <= 700; height += 29) {
            SCOPED_TRACE(::testing::Message() << width << " x " << height);
            DrawingFit fit = fitDrawing(333, 170, width, height, frame, ScaleOne);
            EXPECT_GE(fit.scale, ScaleOne);
            EXPECT_NEAR(fit.width * 170.0, fit.height * 333.0, 333.0);
            int outerWidth = fit.contentWidth > width ? fit.contentWidth : width;
            int outerHeight = fit.contentHeight > height ? fit.contentHeight : height;
            EXPECT_GE(fit.x, frame.left);
            EXPECT_GE(fit.y, frame.top);
            EXPECT_LE(fit.x + fit.width, outerWidth - frame.right);
            EXPECT_LE(fit.y + fit.height, outerHeight - frame.bottom);
            if (fit.contentWidth <= width && fit.contentHeight <= height) {
                bool fillsAcross = fit.width >= width - frame.left - frame.right - 1;
                bool fillsDown = fit.height >= height - frame.top - frame.bottom - 1;
                EXPECT_TRUE(fillsAcross || fillsDown) << fit.width << " x " << fit.height;
            }
        }
    }
}

}  // namespace
