// Painting: update regions, WM_PAINT, device contexts, the system font's
// metrics, system colours, DrawTextA and DrawEdge, and the lines and
// ellipses drawn with a device context's pen and brush.
//
// Nothing is drawn here directly. What a window procedure draws between
// BeginPaint and EndPaint is kept in a draw list, one item per call, in
// client coordinates; the view draws the list whenever the desktop needs the
// window drawn, and tests read it. Like Win32's clipping to the update
// region, an item that misses the update rectangle is not recorded, and the
// items that the update rectangle touches are erased when painting begins.
#include <cstring>

#include "platform/linux/view_hooks.h"
#include "platform/linux/window_records.h"

struct PlatformDeviceContext {
    bool inUse;
    HWND window;  // null for the screen
    bool painting;
    RECT clip;
    COLORREF textColor;
    COLORREF backColor;
    int backMode;
    HGDIOBJ pen;
    HGDIOBJ brush;
    bool drew;
};

namespace records {

// The classic system font: 7 pixels average width, 16 high, no external
// leading, and the bit that Win32 sets for a variable-pitch font.
SystemFont systemFont{7, 16, 0, TMPF_FIXED_PITCH | FF_SWISS};

}  // namespace records

namespace {

using records::PaintKind;

constexpr int MaxDeviceContexts = 8;
constexpr COLORREF InvalidColor = 0xFFFFFFFF;

PlatformDeviceContext contexts[MaxDeviceContexts];

struct DrawEntry {
    HWND window;
    PaintKind kind;
    RECT rect;
    UINT format;
    UINT flags;
    COLORREF textColor;
    COLORREF backColor;
    int backMode;
    char text[records::PaintedTextSize];
    int penWidth;
    COLORREF penColor;
    bool filled;
    COLORREF fillColor;
    int pointCount;
    POINT points[records::MaxPaintedPoints];
};

// The items of all windows, oldest first: order[0 .. count-1] index entries.
DrawEntry entries[records::MaxPaintedItems];
bool slotUsed[records::MaxPaintedItems];
int order[records::MaxPaintedItems];
int entryCount = 0;

using records::isLeadByte;

bool isEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

bool intersects(const RECT& a, const RECT& b) {
    return !isEmpty(a) && !isEmpty(b) && a.left < b.right && b.left < a.right && a.top < b.bottom &&
           b.top < a.bottom;
}

RECT clientRect(HWND window) {
    return RECT{0, 0, records::clientWidth(window), records::clientHeight(window)};
}

void removeEntry(int position) {
    slotUsed[order[position]] = false;
    for (int i = position; i + 1 < entryCount; ++i) order[i] = order[i + 1];
    --entryCount;
}

// A new item drawn through `dc`, with its colours; the caller fills in
// what is particular to its kind.
DrawEntry& addEntry(HDC dc, PaintKind kind, const RECT& rect) {
    // A full list gives up its oldest item, which later painting has
    // usually covered anyway.
    if (entryCount == records::MaxPaintedItems) removeEntry(0);
    int slot = 0;
    while (slotUsed[slot]) ++slot;
    slotUsed[slot] = true;
    order[entryCount++] = slot;
    DrawEntry& e = entries[slot];
    dc->drew = true;
    e.window = dc->window;
    e.kind = kind;
    e.rect = rect;
    e.format = 0;
    e.flags = 0;
    e.textColor = dc->textColor;
    e.backColor = dc->backColor;
    e.backMode = dc->backMode;
    e.text[0] = '\0';
    e.penWidth = 0;
    e.penColor = 0;
    e.filled = false;
    e.fillColor = 0;
    e.pointCount = 0;
    return e;
}

template <class Keep>
void removeEntriesUnless(Keep keep) {
    for (int i = entryCount - 1; i >= 0; --i) {
        if (!keep(entries[order[i]])) removeEntry(i);
    }
}

bool validContext(HDC dc) {
    if (dc < &contexts[0] || dc >= &contexts[MaxDeviceContexts]) return false;
    return dc->inUse;
}

HDC newContext(HWND window, bool painting, const RECT& clip) {
    for (PlatformDeviceContext& dc : contexts) {
        if (dc.inUse) continue;
        dc = PlatformDeviceContext{true,   window, painting, clip, RGB(0, 0, 0), RGB(255, 255, 255), OPAQUE,
                                   GetStockObject(BLACK_PEN), GetStockObject(WHITE_BRUSH), false};
        return &dc;
    }
    return nullptr;
}

int lineHeight() { return records::systemFont.height + records::systemFont.externalLeading; }

// The height DrawTextA reports, from the average character width; the view
// lays the text out again with the real font when it draws it.
int estimateHeight(const char* text, int length, const RECT& rect, UINT format) {
    if (format & DT_SINGLELINE) return lineHeight();
    int width = rect.right - rect.left;
    int average = records::systemFont.averageWidth > 0 ? records::systemFont.averageWidth : 1;
    int lines = 0;
    int start = 0;
    for (int i = 0; i <= length; ++i) {
        bool end = i == length || text[i] == '\n' || text[i] == '\r';
        if (!end) continue;
        int pixels = (i - start) * average;
        int wrapped = 1;
        if ((format & DT_WORDBREAK) && width > 0 && pixels > width) wrapped = (pixels + width - 1) / width;
        lines += wrapped;
        if (i < length && text[i] == '\r' && i + 1 < length && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    return lines * lineHeight();
}

void copyText(char* out, const char* text, int length) {
    int n = 0;
    while (n < length && text[n] != '\0') {
        int size = isLeadByte(static_cast<unsigned char>(text[n])) && n + 1 < length ? 2 : 1;
        if (n + size > records::PaintedTextSize - 1) break;
        n += size;
    }
    memcpy(out, text, static_cast<size_t>(n));
    out[n] = '\0';
}

void contentChanged(HWND window) {
    const ViewHooks* hooks = viewHooks();
    if (hooks && hooks->contentChanged) hooks->contentChanged(window);
}

bool shownOnScreen(HWND window) {
    for (HWND w = window; records::isLive(w); w = w->parent) {
        if (!w->visible) return false;
    }
    return true;
}

struct InvalidateRequest {
    HWND window;
    RECT rect;
    bool hasRect;
    BOOL erase;
};

}  // namespace

// ---- Records ------------------------------------------------------------

namespace records {

void invalidate(HWND window, const RECT* rect, bool erase) {
    if (window->builtin != Builtin::Program) {
        // The view draws the built-in controls itself.
        contentChanged(window);
        return;
    }
    RECT client = clientRect(window);
    RECT r = rect ? *rect : client;
    if (r.left < 0) r.left = 0;
    if (r.top < 0) r.top = 0;
    if (r.right > client.right) r.right = client.right;
    if (r.bottom > client.bottom) r.bottom = client.bottom;
    if (isEmpty(r)) return;
    if (window->needsPaint) {
        RECT& u = window->update;
        if (r.left < u.left) u.left = r.left;
        if (r.top < u.top) u.top = r.top;
        if (r.right > u.right) u.right = r.right;
        if (r.bottom > u.bottom) u.bottom = r.bottom;
    } else {
        window->update = r;
    }
    window->needsPaint = true;
    window->erase = window->erase || erase;
}

HWND windowNeedingPaint() {
    for (PlatformWindow& window : windows) {
        if (window.inUse && window.needsPaint && shownOnScreen(&window)) return &window;
    }
    return nullptr;
}

int paintedItemCount(HWND window) {
    int n = 0;
    for (int i = 0; i < entryCount; ++i) {
        if (entries[order[i]].window == window) ++n;
    }
    return n;
}

PaintedItem paintedItem(HWND window, int n) {
    for (int i = 0; i < entryCount; ++i) {
        const DrawEntry& e = entries[order[i]];
        if (e.window != window) continue;
        if (n-- == 0) {
            return PaintedItem{e.kind,      e.rect,     e.format,   e.flags,  e.textColor,
                               e.backColor, e.backMode, e.text,     e.penWidth, e.penColor,
                               e.filled,    e.fillColor, e.pointCount, e.points};
        }
    }
    return PaintedItem{PaintKind::Text, RECT{0, 0, 0, 0}, 0, 0, 0, 0, 0, "", 0, 0, false, 0, 0, nullptr};
}

COLORREF backgroundColor(HWND window) {
    if (isLive(window)) {
        INT_PTR brush = reinterpret_cast<INT_PTR>(classes[window->classIndex].background);
        if (brush >= 1 && brush <= 31) return GetSysColor(static_cast<int>(brush - 1));
    }
    return GetSysColor(COLOR_BTNFACE);
}

void forgetDrawItems(HWND window) {
    removeEntriesUnless([&](const DrawEntry& e) { return e.window != window; });
}

void shiftDrawItems(HWND window, int dx, int dy) {
    for (int i = 0; i < entryCount; ++i) {
        DrawEntry& e = entries[order[i]];
        if (e.window != window) continue;
        e.rect.left += dx;
        e.rect.right += dx;
        e.rect.top += dy;
        e.rect.bottom += dy;
        for (int k = 0; k < e.pointCount; ++k) {
            e.points[k].x += dx;
            e.points[k].y += dy;
        }
    }
    // What scrolled out of the client area is gone, as its pixels are.
    RECT client = clientRect(window);
    removeEntriesUnless([&](const DrawEntry& e) { return e.window != window || intersects(e.rect, client); });
}

void dropDrawItemsOutside(HWND window) {
    RECT client = clientRect(window);
    removeEntriesUnless([&](const DrawEntry& e) { return e.window != window || intersects(e.rect, client); });
}

bool selectedInContext(HGDIOBJ object) {
    for (const PlatformDeviceContext& dc : contexts) {
        if (dc.inUse && (dc.pen == object || dc.brush == object)) return true;
    }
    return false;
}

void resetPainting() {
    for (PlatformDeviceContext& dc : contexts) dc = PlatformDeviceContext{};
    resetDrawingTools();
    for (bool& used : slotUsed) used = false;
    entryCount = 0;
    systemFont = SystemFont{7, 16, 0, TMPF_FIXED_PITCH | FF_SWISS};
}

}  // namespace records

// ---- Invalidation and WM_PAINT ------------------------------------------

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    if (!window) return FALSE;
    if (!records::onMainThread()) {
        InvalidateRequest request{window, rect ? *rect : RECT{0, 0, 0, 0}, rect != nullptr, erase};
        records::postToMainThread(
            [](void* p) {
                InvalidateRequest* r = static_cast<InvalidateRequest*>(p);
                InvalidateRect(r->window, r->hasRect ? &r->rect : nullptr, r->erase);
            },
            &request, sizeof request);
        return TRUE;
    }
    if (!records::isLive(window)) return FALSE;
    records::invalidate(window, rect, erase != FALSE);
    return TRUE;
}

BOOL UpdateWindow(HWND window) {
    if (!window) return FALSE;
    if (!records::onMainThread()) {
        BOOL result = FALSE;
        auto call = [&] { result = UpdateWindow(window); };
        records::waitForMainThread(call);
        return result;
    }
    if (!records::isLive(window)) return FALSE;
    if (window->needsPaint && shownOnScreen(window)) SendMessageA(window, WM_PAINT, 0, 0);
    return TRUE;
}

HDC BeginPaint(HWND window, LPPAINTSTRUCT paint) {
    if (!window || !paint || !records::onMainThread() || !records::isLive(window)) return nullptr;
    *paint = PAINTSTRUCT{};
    RECT clip = window->needsPaint ? window->update : RECT{0, 0, 0, 0};
    HDC dc = newContext(window, true, clip);
    if (!dc) return nullptr;
    paint->hdc = dc;
    paint->rcPaint = clip;
    paint->fErase = FALSE;  // the background is erased here
    window->needsPaint = false;
    window->erase = false;
    window->update = RECT{0, 0, 0, 0};
    removeEntriesUnless([&](const DrawEntry& e) { return e.window != window || !intersects(e.rect, clip); });
    return dc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (!window || !paint) return FALSE;
    if (validContext(paint->hdc)) paint->hdc->inUse = false;
    if (records::isLive(window)) contentChanged(window);
    return TRUE;
}

HDC GetDC(HWND window) {
    if (!records::onMainThread()) return nullptr;
    if (window && !records::isLive(window)) return nullptr;
    RECT clip = window ? clientRect(window) : RECT{0, 0, 0, 0};
    return newContext(window, false, clip);
}

int ReleaseDC(HWND, HDC dc) {
    if (!validContext(dc)) return 0;
    bool drew = dc->drew;
    HWND window = dc->window;
    dc->inUse = false;
    if (drew && records::isLive(window)) contentChanged(window);
    return 1;
}

// ---- Drawing ------------------------------------------------------------

BOOL GetTextMetricsA(HDC dc, LPTEXTMETRICA metrics) {
    if (!validContext(dc) || !metrics) return FALSE;
    const records::SystemFont& font = records::systemFont;
    *metrics = TEXTMETRICA{};
    metrics->tmHeight = font.height;
    metrics->tmInternalLeading = font.height / 5;
    metrics->tmAscent = font.height - font.height / 5;
    metrics->tmDescent = font.height - metrics->tmAscent;
    metrics->tmExternalLeading = font.externalLeading;
    metrics->tmAveCharWidth = font.averageWidth;
    metrics->tmMaxCharWidth = font.averageWidth * 2;
    metrics->tmWeight = 400;
    metrics->tmDigitizedAspectX = 96;
    metrics->tmDigitizedAspectY = 96;
    metrics->tmFirstChar = 0x20;
    metrics->tmLastChar = 0xFC;
    metrics->tmDefaultChar = 0x81;
    metrics->tmBreakChar = 0x20;
    metrics->tmPitchAndFamily = static_cast<BYTE>(font.pitchAndFamily);
    metrics->tmCharSet = 128;  // SHIFTJIS_CHARSET
    return TRUE;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    if (!validContext(dc)) return InvalidColor;
    COLORREF old = dc->textColor;
    dc->textColor = color;
    return old;
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
    if (!validContext(dc)) return InvalidColor;
    COLORREF old = dc->backColor;
    dc->backColor = color;
    return old;
}

int SetBkMode(HDC dc, int mode) {
    if (!validContext(dc) || (mode != OPAQUE && mode != TRANSPARENT)) return 0;
    int old = dc->backMode;
    dc->backMode = mode;
    return old;
}

// The classic colours of the button face scheme.
DWORD GetSysColor(int index) {
    switch (index) {
    case COLOR_WINDOW: return RGB(255, 255, 255);
    case COLOR_WINDOWTEXT: return RGB(0, 0, 0);
    case COLOR_BTNFACE: return RGB(240, 240, 240);
    case COLOR_BTNSHADOW: return RGB(160, 160, 160);
    case COLOR_GRAYTEXT: return RGB(109, 109, 109);
    case COLOR_BTNTEXT: return RGB(0, 0, 0);
    case COLOR_BTNHIGHLIGHT: return RGB(255, 255, 255);
    case COLOR_3DDKSHADOW: return RGB(105, 105, 105);
    case COLOR_3DLIGHT: return RGB(227, 227, 227);
    default: return RGB(0, 0, 0);
    }
}

int DrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format) {
    if (!validContext(dc) || !text || !rect) return 0;
    int n = length < 0 ? static_cast<int>(strlen(text)) : static_cast<int>(strnlen(text, static_cast<size_t>(length)));
    int height = estimateHeight(text, n, *rect, format);
    if (format & DT_CALCRECT) {
        rect->bottom = rect->top + height;
        return height;
    }
    if (!records::isLive(dc->window)) return height;
    if (!intersects(*rect, dc->clip)) return height;
    DrawEntry& e = addEntry(dc, PaintKind::Text, *rect);
    e.format = format;
    copyText(e.text, text, n);
    return height;
}

BOOL DrawEdge(HDC dc, LPRECT rect, UINT edge, UINT flags) {
    if (!validContext(dc) || !rect) return FALSE;
    if (!records::isLive(dc->window) || !intersects(*rect, dc->clip)) return TRUE;
    DrawEntry& e = addEntry(dc, PaintKind::Edge, *rect);
    e.format = edge;
    e.flags = flags;
    return TRUE;
}

// ---- Lines, shapes, pens and brushes ------------------------------------

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    if (!validContext(dc)) return nullptr;
    records::DrawingTool tool = records::drawingTool(object);
    HGDIOBJ old = nullptr;
    if (tool.isPen) {
        old = dc->pen;
        dc->pen = object;
    } else if (tool.isBrush) {
        old = dc->brush;
        dc->brush = object;
    }
    return old;
}

BOOL Polyline(HDC dc, const POINT* points, int count) {
    if (!validContext(dc) || !points || count < 2) return FALSE;
    records::DrawingTool pen = records::drawingTool(dc->pen);
    if (!pen.draws || !records::isLive(dc->window)) return TRUE;
    // Each item takes as many points as it holds, the next one starting at
    // the point where it ended.
    for (int start = 0; start + 1 < count;) {
        int n = count - start < records::MaxPaintedPoints ? count - start : records::MaxPaintedPoints;
        RECT bounds{points[start].x, points[start].y, points[start].x, points[start].y};
        for (int k = start; k < start + n; ++k) {
            if (points[k].x < bounds.left) bounds.left = points[k].x;
            if (points[k].x > bounds.right) bounds.right = points[k].x;
            if (points[k].y < bounds.top) bounds.top = points[k].y;
            if (points[k].y > bounds.bottom) bounds.bottom = points[k].y;
        }
        // The pixels the pen covers around the lines.
        int reach = pen.width / 2 + 1;
        bounds = RECT{bounds.left - reach, bounds.top - reach, bounds.right + reach, bounds.bottom + reach};
        if (intersects(bounds, dc->clip)) {
            DrawEntry& e = addEntry(dc, PaintKind::Lines, bounds);
            e.penWidth = pen.width;
            e.penColor = pen.color;
            e.pointCount = n;
            for (int k = 0; k < n; ++k) e.points[k] = points[start + k];
        }
        start += n - 1;
    }
    return TRUE;
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
    if (!validContext(dc)) return FALSE;
    records::DrawingTool pen = records::drawingTool(dc->pen);
    records::DrawingTool brush = records::drawingTool(dc->brush);
    RECT r{left < right ? left : right, top < bottom ? top : bottom, left < right ? right : left,
           top < bottom ? bottom : top};
    if ((!pen.draws && !brush.draws) || !records::isLive(dc->window) || !intersects(r, dc->clip)) return TRUE;
    DrawEntry& e = addEntry(dc, PaintKind::Ellipse, r);
    e.penWidth = pen.draws ? pen.width : 0;
    e.penColor = pen.color;
    e.filled = brush.draws;
    e.fillColor = brush.color;
    return TRUE;
}
