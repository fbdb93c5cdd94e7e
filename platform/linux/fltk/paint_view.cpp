// Drawing a window's draw list with FLTK: the texts of DrawTextA laid out
// again with the real font (line breaks, word wrapping, alignment, clipping),
// the 3-D edges of DrawEdge, and the polylines and ellipses of Polyline and
// Ellipse in their pens and brushes. Lines are spaced by the system font's
// line height, so painted text sits where the layout expects it.
#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/fl_utf8.h>

#include <cstdio>
#include <cstring>

#include "platform/linux/fltk/view_internal.h"

namespace view {

namespace {

constexpr int MaxLines = 64;

struct Line {
    const char* start;
    int length;
};

int characterLength(const char* p) {
    int n = fl_utf8len1(*p);
    return n > 0 ? n : 1;
}

// Where a line may break: after a blank, or before a character that is not
// ASCII (Japanese text has no blanks between words).
bool breakBefore(const char* p) { return static_cast<unsigned char>(*p) >= 0x80; }

// Splits `text` into the lines DrawTextA would draw into `width` pixels.
int layOut(const char* text, UINT format, int width, Line* lines) {
    int count = 0;
    const char* p = text;
    while (count < MaxLines) {
        size_t paragraph = (format & DT_SINGLELINE) ? strlen(p) : strcspn(p, "\n");
        const char* end = p + paragraph;
        if (!(format & DT_WORDBREAK) || width <= 0) {
            lines[count++] = Line{p, static_cast<int>(paragraph)};
        } else {
            const char* start = p;
            while (count < MaxLines) {
                // The longest part of the paragraph that fits, cut at the
                // last break opportunity; a word wider than the line stays
                // whole and is clipped.
                const char* fit = start;
                const char* lastBreak = nullptr;
                for (const char* q = start; q < end;) {
                    int n = characterLength(q);
                    if (fl_width(start, static_cast<int>(q + n - start)) > width) break;
                    q += n;
                    fit = q;
                    if (q < end && (*(q - 1) == ' ' || breakBefore(q))) lastBreak = q;
                }
                const char* cut = end;
                if (fit < end && lastBreak) {
                    cut = lastBreak;
                } else if (fit < end) {
                    // No break within the line: the word runs on to its
                    // next break and is clipped.
                    cut = start + characterLength(start);
                    while (cut < end && *cut != ' ' && !breakBefore(cut)) cut += characterLength(cut);
                }
                int length = static_cast<int>(cut - start);
                while (length > 0 && start[length - 1] == ' ') --length;
                lines[count++] = Line{start, length};
                start = cut;
                while (start < end && *start == ' ') ++start;
                if (start >= end) break;
            }
        }
        if (*end == '\0') break;
        p = end + 1;
    }
    return count;
}

// Removes the mnemonic marks: "&&" is an ampersand, "&x" an underlined x
// (shown plain here).
void dropPrefixes(char* text) {
    char* out = text;
    for (char* p = text; *p; ++p) {
        if (*p == '&') {
            ++p;
            if (!*p) break;
        }
        *out++ = *p;
    }
    *out = '\0';
}

char textBuffer[3 * records::PaintedTextSize + 16];

void drawText(const records::PaintedItem& item, int ox, int oy) {
    snprintf(textBuffer, sizeof textBuffer, "%s", toDisplay(item.text));
    if (!(item.format & DT_NOPREFIX)) dropPrefixes(textBuffer);
    int left = ox + item.rect.left;
    int top = oy + item.rect.top;
    int width = item.rect.right - item.rect.left;
    int height = item.rect.bottom - item.rect.top;

    fl_font(Face, FaceSize);
    Line lines[MaxLines];
    int count = layOut(textBuffer, item.format, width, lines);
    int lineHeight = records::systemFont.height + records::systemFont.externalLeading;
    int y = top;
    if (item.format & DT_SINGLELINE) {
        if (item.format & DT_VCENTER) y = top + (height - lineHeight) / 2;
        if (item.format & DT_BOTTOM) y = top + height - lineHeight;
    }
    bool clip = !(item.format & DT_NOCLIP);
    if (clip) fl_push_clip(left, top, width, height);
    int baseline = (lineHeight - fl_height()) / 2 + fl_height() - fl_descent();
    for (int i = 0; i < count; ++i, y += lineHeight) {
        int lineWidth = static_cast<int>(fl_width(lines[i].start, lines[i].length) + 0.5);
        int x = left;
        if (item.format & DT_CENTER) x = left + (width - lineWidth) / 2;
        if (item.format & DT_RIGHT) x = left + width - lineWidth;
        if (item.backMode == OPAQUE && lineWidth > 0) {
            fl_color(toFlColor(item.backColor));
            fl_rectf(x, y, lineWidth, lineHeight);
        }
        fl_color(toFlColor(item.textColor));
        fl_draw(lines[i].start, lines[i].length, x, y + baseline);
    }
    if (clip) fl_pop_clip();
}

// One ring of a 3-D edge: the top-left and bottom-right colours of the
// raised or sunken form, on the sides the flags name.
void drawRing(int x, int y, int w, int h, COLORREF topLeft, COLORREF bottomRight, UINT sides) {
    int right = x + w - 1;
    int bottom = y + h - 1;
    fl_color(toFlColor(topLeft));
    if (sides & BF_TOP) fl_line(x, y, right, y);
    if (sides & BF_LEFT) fl_line(x, y, x, bottom);
    fl_color(toFlColor(bottomRight));
    if (sides & BF_BOTTOM) fl_line(x, bottom, right, bottom);
    if (sides & BF_RIGHT) fl_line(right, y, right, bottom);
}

void drawEdge(const records::PaintedItem& item, int ox, int oy) {
    int x = ox + item.rect.left;
    int y = oy + item.rect.top;
    int w = item.rect.right - item.rect.left;
    int h = item.rect.bottom - item.rect.top;
    UINT edge = item.format;
    if (edge & BDR_RAISEDOUTER) drawRing(x, y, w, h, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW), item.flags);
    if (edge & BDR_SUNKENOUTER) drawRing(x, y, w, h, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT), item.flags);
    if (edge & BDR_RAISEDINNER)
        drawRing(x + 1, y + 1, w - 2, h - 2, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW), item.flags);
    if (edge & BDR_SUNKENINNER)
        drawRing(x + 1, y + 1, w - 2, h - 2, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT), item.flags);
}

// A pen wider than a pixel draws with round ends and joins, as Win32's
// solid cosmetic pens do.
void usePen(const records::PaintedItem& item) {
    fl_color(toFlColor(item.penColor));
    fl_line_style(FL_SOLID | FL_CAP_ROUND | FL_JOIN_ROUND, item.penWidth > 1 ? item.penWidth : 0);
}

void drawLines(const records::PaintedItem& item, int ox, int oy) {
    usePen(item);
    fl_begin_line();
    for (int k = 0; k < item.pointCount; ++k) fl_vertex(ox + item.points[k].x, oy + item.points[k].y);
    fl_end_line();
    fl_line_style(0);
}

// Within the rectangle less its right and bottom edges, as Win32 draws it.
void drawEllipse(const records::PaintedItem& item, int ox, int oy) {
    int x = ox + item.rect.left;
    int y = oy + item.rect.top;
    int w = item.rect.right - item.rect.left - 1;
    int h = item.rect.bottom - item.rect.top - 1;
    if (w <= 0 || h <= 0) return;
    if (item.filled) {
        fl_color(toFlColor(item.fillColor));
        fl_pie(x, y, w, h, 0, 360);
    }
    if (item.penWidth > 0) {
        usePen(item);
        fl_arc(x, y, w, h, 0, 360);
        fl_line_style(0);
    }
}

}  // namespace

void drawPaintedItems(HWND window, int originX, int originY) {
    int count = records::paintedItemCount(window);
    for (int n = 0; n < count; ++n) {
        records::PaintedItem item = records::paintedItem(window, n);
        switch (item.kind) {
        case records::PaintKind::Text: drawText(item, originX, originY); break;
        case records::PaintKind::Edge: drawEdge(item, originX, originY); break;
        case records::PaintKind::Lines: drawLines(item, originX, originY); break;
        case records::PaintKind::Ellipse: drawEllipse(item, originX, originY); break;
        }
    }
}

}  // namespace view
