// Fitting a drawing into a window's client area, for the Network window:
// one scale for both directions, so that the drawing keeps its aspect, as
// large as the room beside the parts that do not scale (margins, a header)
// allows, but never below a floor at which its texts stay readable. Where
// the drawing at the floor is larger than the room, the content is larger
// than the client area and the window's scroll bars range over it.
#pragma once

// Scales are counted in 1/ScaleOne: integer arithmetic gives the same
// pixels on every platform, and at ScaleOne a drawing keeps its own size
// exactly.
constexpr int ScaleOne = 1024;

// What stays the same size around the drawing, in pixels.
struct FitFrame {
    int left, top, right, bottom;
    // The content between the left and right parts is at least this wide
    // (a header's text).
    int leastWidth;
};

struct DrawingFit {
    int scale;          // 1/ScaleOne: the drawing's size over its own, never below the floor
    int x, y;           // its top left corner in the content, centred in its room or the content
    int width, height;  // its size at that scale
    // The whole content: the frame and the drawing. The scroll bars range
    // over 0 .. size - 1 with the client area as their page, so a bar
    // shows only where the content is larger than the client area.
    int contentWidth, contentHeight;
};

// The fit of a drawing of drawingWidth x drawingHeight pixels (at its own
// size) into a client area of clientWidth x clientHeight with `frame`
// around it; `floorScale` in 1/ScaleOne. A drawing without width or height
// puts no bound on the scale that way; without both it keeps the floor.
DrawingFit fitDrawing(int drawingWidth, int drawingHeight, int clientWidth, int clientHeight,
                      const FitFrame& frame, int floorScale);
