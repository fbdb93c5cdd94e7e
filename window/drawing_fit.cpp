// The fit of a drawing into a client area: the largest scale at which it
// fits both ways, the floor below that, and the content the scroll bars
// range over.
#include "window/drawing_fit.h"

#include <climits>

namespace {

// No bound on the scale: a drawing with no extent one way.
constexpr long long Unbounded = LLONG_MAX;

// The scale at which `size` pixels fill `room`, rounded down (negative for
// a room smaller than nothing).
long long scaleToFill(int size, int room) {
    if (size <= 0) return Unbounded;
    return static_cast<long long>(room) * ScaleOne / size;
}

int scaled(int size, int scale) { return static_cast<int>(static_cast<long long>(size) * scale / ScaleOne); }

}  // namespace

DrawingFit fitDrawing(int drawingWidth, int drawingHeight, int clientWidth, int clientHeight,
                      const FitFrame& frame, int floorScale) {
    int roomWidth = clientWidth - frame.left - frame.right;
    int roomHeight = clientHeight - frame.top - frame.bottom;
    long long across = scaleToFill(drawingWidth, roomWidth);
    long long down = scaleToFill(drawingHeight, roomHeight);
    long long scale = across < down ? across : down;
    // No drawing, a room smaller than the frame, or one too small for the
    // drawing's readable size: the floor, and the bars scroll.
    if (scale == Unbounded || scale < floorScale) scale = floorScale;

    DrawingFit fit{};
    fit.scale = static_cast<int>(scale);
    fit.width = scaled(drawingWidth > 0 ? drawingWidth : 0, fit.scale);
    fit.height = scaled(drawingHeight > 0 ? drawingHeight : 0, fit.scale);
    // Centred in the room, or in the content where that is the larger: a
    // drawing narrower than the header stays where it was when the window
    // shrinks below the content and scrolls.
    int inner = fit.width > frame.leastWidth ? fit.width : frame.leastWidth;
    int spanAcross = roomWidth > inner ? roomWidth : inner;
    int spanDown = roomHeight > fit.height ? roomHeight : fit.height;
    fit.x = frame.left + (spanAcross - fit.width) / 2;
    fit.y = frame.top + (spanDown - fit.height) / 2;
    fit.contentWidth = frame.left + inner + frame.right;
    fit.contentHeight = frame.top + fit.height + frame.bottom;
    return fit;
}
