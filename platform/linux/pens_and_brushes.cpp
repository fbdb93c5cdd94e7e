// Pens and brushes: CreatePen, GetStockObject and DeleteObject, and what a
// device context learns of the object selected into it (drawingTool).
//
// The objects live in fixed stores, the stock ones apart; a handle is the
// address of its slot, so a handle from anywhere else (a class background
// such as COLOR_WINDOW + 1) is no object here. As all painting, they belong
// to the main thread.
#include <cstddef>
#include <cstdint>

#include "platform/linux/window_records.h"

struct PlatformPen {
    bool inUse;
    int style;  // PS_SOLID or PS_NULL
    int width;
    COLORREF color;
};

struct PlatformBrush {
    bool inUse;
    bool hollow;
    COLORREF color;
};

namespace {

// Pens a window creates for its painting and deletes when it has painted.
constexpr int MaxPens = 16;

PlatformPen stockPens[] = {{true, PS_SOLID, 1, RGB(0, 0, 0)}, {true, PS_NULL, 1, RGB(0, 0, 0)}};
PlatformBrush stockBrushes[] = {
    {true, false, RGB(255, 255, 255)}, {true, false, RGB(0, 0, 0)}, {true, true, RGB(0, 0, 0)}};
PlatformPen pens[MaxPens];

// The slot of `store` that `object` points at, or null.
template <class Slot, size_t Count>
Slot* slotOf(Slot (&store)[Count], HGDIOBJ object) {
    uintptr_t at = reinterpret_cast<uintptr_t>(object);
    uintptr_t first = reinterpret_cast<uintptr_t>(&store[0]);
    if (at < first || at >= first + sizeof store || (at - first) % sizeof(Slot) != 0) return nullptr;
    Slot* slot = &store[(at - first) / sizeof(Slot)];
    return slot->inUse ? slot : nullptr;
}

PlatformPen* penOf(HGDIOBJ object) {
    PlatformPen* pen = slotOf(stockPens, object);
    return pen ? pen : slotOf(pens, object);
}

}  // namespace

namespace records {

DrawingTool drawingTool(HGDIOBJ object) {
    if (PlatformPen* pen = penOf(object)) {
        return DrawingTool{true, false, pen->style != PS_NULL, pen->width, pen->color};
    }
    if (PlatformBrush* brush = slotOf(stockBrushes, object)) {
        return DrawingTool{false, true, !brush->hollow, 0, brush->color};
    }
    return DrawingTool{false, false, false, 0, 0};
}

void resetDrawingTools() {
    for (PlatformPen& pen : pens) pen = PlatformPen{};
}

}  // namespace records

HPEN CreatePen(int style, int width, COLORREF color) {
    if (style != PS_SOLID && style != PS_NULL) return nullptr;
    for (PlatformPen& pen : pens) {
        if (pen.inUse) continue;
        // Width 0 is a one-pixel pen, as in Win32.
        pen = PlatformPen{true, style, width > 1 ? width : 1, color};
        return &pen;
    }
    return nullptr;
}

HGDIOBJ GetStockObject(int object) {
    switch (object) {
    case WHITE_BRUSH: return &stockBrushes[0];
    case BLACK_BRUSH: return &stockBrushes[1];
    case NULL_BRUSH: return &stockBrushes[2];
    case BLACK_PEN: return &stockPens[0];
    case NULL_PEN: return &stockPens[1];
    default: return nullptr;
    }
}

BOOL DeleteObject(HGDIOBJ object) {
    // Stock objects are never deleted; deleting one does no harm.
    if (slotOf(stockPens, object) || slotOf(stockBrushes, object)) return TRUE;
    PlatformPen* pen = slotOf(pens, object);
    if (!pen || records::selectedInContext(object)) return FALSE;
    pen->inUse = false;
    return TRUE;
}
