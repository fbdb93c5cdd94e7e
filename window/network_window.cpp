// The Network window: finding the double-clicked line and highlighting it,
// laying its record out, placing and sizing the window, fitting the drawing
// into whatever size the user gives the window, scrolling it, and painting
// the copy with the platform's lines, ellipses and texts.
//
// At its own size the drawing is the schematic's layout in the main
// window's layout units: a cell of 8 by 16 units is charWidth by lineHeight
// pixels, so the labels, one cell a byte, stand where the layout gave them
// room. The window opens at that size; grown, it draws the schematic larger
// (its aspect kept, the labels in the system font at their scaled places);
// shrunk, it keeps that size, the smallest at which the labels keep their
// room, and scrolls.
#include "window/network_window.h"

#include <cstdio>
#include <cstring>
#include <mutex>

#include "drawing/pair_schematic.h"
#include "drawing/schematic.h"
#include "engine/recorder.h"
#include "engine/result_lines.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"
#include "window/control_table.h"
#include "window/drawing_fit.h"
#include "window/main_window.h"
#include "window/scrolling.h"

const char NetworkWindowClass[] = "CombinixNetwork";

namespace {

// The window's texts, Japanese and English side by side as in the control
// table.
struct Caption {
    const char* japanese;
    const char* english;
};

const Caption WindowCaption = {"\x89\xf1\x98\x48\x90\x7d" /* 回路図 */, "Network"};
const Caption ValueCaption = {"\x8d\x87\x90\xac\x92\x6c" /* 合成値 */, "Value"};
const Caption ErrorCaption = {"\x8c\xeb\x8d\xb7" /* 誤差 */, "Error"};
const Caption NoRecordMessage = {
    "\x82\xb1\x82\xcc\x8d\x73\x82\xcc\x89\xf1\x98\x48\x82\xcd\x8b\x4c\x98\x5e\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1\x81\x42" /* この行の回路は記録されていません。 */
    "\x82\xe0\x82\xa4\x88\xea\x93\x78\x92\x54\x8d\xf5\x82\xf0\x8e\xc0\x8d\x73\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42" /* もう一度探索を実行してください。 */,
    "No network is kept for this line: run the search again to draw it."};

// A pair's quantity, by mode, and its unit (none for a ratio, which is
// shown plainly).
struct QuantityCaption {
    Caption caption;
    const char* unit;
};
const QuantityCaption PairQuantityCaptions[PairModeCount] = {
    /* Ratio    */ {{"\x94\xe4" /* 比 */, "Ratio"}, nullptr},
    /* Divider  */ {{"\x95\xaa\x88\xb3\x94\xe4" /* 分圧比 */, "Vout/Vin"}, nullptr},
    /* Feedback */ {{"\x8f\x6f\x97\xcd\x93\x64\x88\xb3" /* 出力電圧 */, "Vout"}, "V"},
    /* Rc       */ {{"\x8e\x9e\x92\xe8\x90\x94" /* 時定数 */, "Time constant"}, "s"},
    /* Lc       */ {{"\x8b\xa4\x90\x55\x8e\xfc\x94\x67\x90\x94" /* 共振周波数 */, "Resonance"}, "Hz"},
};
// An rc pair's cutoff, 1 / (2 pi tau), beside its time constant.
const Caption CutoffCaption = {"\x8e\xd5\x92\x66\x8e\xfc\x94\x67\x90\x94" /* 遮断周波数 */, "Cutoff"};

const char* inLanguage(const Caption& caption, int language) {
    return language == 1 ? caption.english : caption.japanese;
}

// The units of the values: ohm, farad, henry, by part type.
const char* const UnitNames[] = {"\x83\xb6" /* Ω */, "F", "H"};

struct Prefix {
    double scale;
    const char* letter;
};
// The prefixes of the result lines, the largest first.
const Prefix Prefixes[] = {{1e6, "M"}, {1e3, "k"}, {1, ""}, {1e-3, "m"}, {1e-6, "u"}, {1e-9, "n"}, {1e-12, "p"}};
constexpr int PrefixCount = sizeof Prefixes / sizeof Prefixes[0];

// Drawing: the pen of wires and symbols, the radii of the terminals and the
// junction dots, in pixels; the colour of the value labels.
constexpr int PenWidth = 2;
constexpr int TerminalRadius = 5;
constexpr int JunctionRadius = 3;
const COLORREF ValueColor = RGB(0x1f, 0x4e, 0x8c);
// The narrowest client area, in layout columns.
constexpr int NarrowestColumns = 32;
// The smallest scale of the drawing: its own size. The labels are drawn
// in the system font, which does not scale, one cell a byte; smaller, they
// would run into each other and into the symbols.
constexpr int ReadableScale = ScaleOne;
// Lines the wheel scrolls a notch, as an edit box does.
constexpr int WheelLines = 3;

// What the window shows: copies made when the line was double-clicked.
struct ShownLine {
    char line[limits::LineSize];  // as the box shows it, without its line break
    int language;
    bool drawn;  // a record stood behind the line: the schematic is its layout
    bool pair;   // the line is a pair search's: the schematic is the pair's drawing
    PairMode mode;  // a pair's
    double value;   // the network's value, or a pair's quantity
    double error;  // percent, with its sign
    Schematic schematic;
};

ShownLine shown;
HWND openWindow = nullptr;
char boxText[limits::TextSize];
// While the window is made and placed for a line, its size changes leave
// the scroll bars alone: they are fitted once it has its size.
bool placing = false;
// The parts of a wheel turn short of a notch, SB_HORZ and SB_VERT.
int wheelRemainder[2];

bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9f) || (c >= 0xe0 && c <= 0xfc); }

// Copies line `line` of `text` into `out` (cut at a character boundary to
// fit); returns its length, 0 for an empty line or one past the text.
int copyLine(const char* text, int line, char* out, int size) {
    const char* p = text;
    for (int n = 0; n < line && p != nullptr; ++n) {
        p = strchr(p, '\n');
        if (p != nullptr) ++p;
    }
    int length = 0;
    if (p != nullptr) {
        int end = static_cast<int>(strcspn(p, "\r\n"));
        while (length < end) {
            int step = isLeadByte(static_cast<unsigned char>(p[length])) && length + 1 < end ? 2 : 1;
            if (length + step > size - 1) break;
            length += step;
        }
        memcpy(out, p, static_cast<size_t>(length));
    }
    out[length] = '\0';
    return length;
}

// Lays out the record behind `line` of the box's text, with its value and
// signed error; false when none stands behind it. The search keeps the size
// of the error; its sign is the side of the target the value lies on (a
// capacitor search keeps the reciprocal of its target).
bool layOutLine(int line) {
    std::lock_guard<std::mutex> lock(resultStateMutex);
    const MatchRecord* record = recordOfResultLine(boxText, line);
    if (record == nullptr || !layoutRecord(*record, &shown.schematic)) return false;
    double target = resultStore.partType == Capacitor ? 1 / searchParams.target : searchParams.target;
    shown.value = record->value;
    shown.error = record->value < target ? -record->absError : record->absError;
    return true;
}

// "1.428571 kΩ": seven digits, the prefix of the result lines and `unit`.
void formatWithPrefix(double value, const char* unit, char* out, size_t size) {
    int i = 0;
    while (i + 1 < PrefixCount && value < Prefixes[i].scale) ++i;
    snprintf(out, size, "%.7g %s%s", value / Prefixes[i].scale, Prefixes[i].letter, unit);
}

void formatValue(double value, int partType, char* out, size_t size) {
    formatWithPrefix(value, UnitNames[partType >= 0 && partType <= 2 ? partType : 0], out, size);
}

// A pair's quantity: "Vout 3.3 V", "Ratio 0.66", "Time constant 1 ms,
// Cutoff 159.1549 Hz".
void formatQuantity(char* out, size_t size) {
    const QuantityCaption& q = PairQuantityCaptions[static_cast<int>(shown.mode)];
    char value[64];
    if (q.unit == nullptr) {
        snprintf(value, sizeof value, "%.7g", shown.value);
    } else {
        formatWithPrefix(shown.value, q.unit, value, sizeof value);
    }
    if (shown.mode == PairMode::Rc && shown.value > 0) {
        char cutoff[64];
        formatWithPrefix(1 / (2 * 3.14159265358979323846 * shown.value), "Hz", cutoff, sizeof cutoff);
        const int n = snprintf(out, size, "%s  %s, %s  %s", inLanguage(q.caption, shown.language), value,
                               inLanguage(CutoffCaption, shown.language), cutoff);
        (void)n;
        return;
    }
    const int n = snprintf(out, size, "%s  %s", inLanguage(q.caption, shown.language), value);
    (void)n;
}

// The second line of the header: value and error, or why nothing is drawn.
void formatSummary(char* out, size_t size) {
    if (!shown.drawn) {
        snprintf(out, size, "%s", inLanguage(NoRecordMessage, shown.language));
        return;
    }
    if (shown.pair) {
        formatQuantity(out, size);
        const size_t used = strlen(out);
        // Cut where the header's room ends, as a line too long for it.
        const int n = snprintf(out + used, size - used, "      %s  %+.4f %%",
                               inLanguage(ErrorCaption, shown.language), shown.error);
        (void)n;
        return;
    }
    char value[64];
    formatValue(shown.value, shown.schematic.partType, value, sizeof value);
    snprintf(out, size, "%s  %s      %s  %+.4f %%", inLanguage(ValueCaption, shown.language), value,
             inLanguage(ErrorCaption, shown.language), shown.error);
}

// ---- Geometry -------------------------------------------------------------

int columnWidth() { return charWidth > 0 ? charWidth : SchematicCellWidth; }
int rowHeight() { return lineHeight > 0 ? lineHeight : SchematicCellHeight; }

// Where the header's two lines and the drawing begin, in client pixels.
int margin() { return columnWidth(); }
int headerTop() { return rowHeight() / 2; }
int drawingTop() { return headerTop() + 2 * rowHeight() + rowHeight() / 2; }

// What does not scale around the drawing: the margins, the header above it
// and the width of the header's longer line (or the narrowest width).
FitFrame frameOf(HWND window) {
    TEXTMETRICA metrics{};
    HDC dc = GetDC(window);
    GetTextMetricsA(dc, &metrics);
    ReleaseDC(window, dc);
    char summary[limits::LineSize];
    formatSummary(summary, sizeof summary);
    int textBytes = static_cast<int>(strlen(shown.line) > strlen(summary) ? strlen(shown.line) : strlen(summary));
    int width = textBytes * static_cast<int>(metrics.tmAveCharWidth);
    if (width < NarrowestColumns * columnWidth()) width = NarrowestColumns * columnWidth();
    return FitFrame{margin(), drawingTop(), margin(), headerTop(), width};
}

// The fit of the shown drawing into a client area of `width` x `height`.
DrawingFit fitIn(HWND window, int width, int height) {
    int drawingWidth = 0;
    int drawingHeight = 0;
    if (shown.drawn) {
        drawingWidth = shown.schematic.width * columnWidth() / SchematicCellWidth;
        drawingHeight = shown.schematic.height * rowHeight() / SchematicCellHeight;
    }
    return fitDrawing(drawingWidth, drawingHeight, width, height, frameOf(window), ReadableScale);
}

// The client size the shown line needs: the drawing at its own size, or
// the header where it is wider, with the margins.
SIZE neededClientSize(HWND window) {
    DrawingFit fit = fitIn(window, 0, 0);
    return SIZE{fit.contentWidth, fit.contentHeight};
}

// Where the drawing goes in client pixels: its scale, and the client point
// of its layout's origin, the content scrolled by the bars' positions.
struct Placement {
    int scale;
    int x, y;
};

int scaledX(const Placement& at, int32_t x) {
    return at.x + static_cast<int>(static_cast<long long>(x) * columnWidth() * at.scale /
                                   (static_cast<long long>(SchematicCellWidth) * ScaleOne));
}
int scaledY(const Placement& at, int32_t y) {
    return at.y + static_cast<int>(static_cast<long long>(y) * rowHeight() * at.scale /
                                   (static_cast<long long>(SchematicCellHeight) * ScaleOne));
}
POINT scaled(const Placement& at, SchematicPoint p) { return POINT{scaledX(at, p.x), scaledY(at, p.y)}; }
// A pen width or a radius, grown with the drawing.
int grown(const Placement& at, int pixels) {
    int n = static_cast<int>(static_cast<long long>(pixels) * at.scale / ScaleOne);
    return n > pixels ? n : pixels;
}

int scrollPosition(HWND window, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    return GetScrollInfo(window, bar, &info) ? info.nPos : 0;
}

void setScrollBar(HWND window, int bar, int maximum, int page) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = 0;
    info.nMax = maximum;
    info.nPage = static_cast<UINT>(page > 0 ? page : 0);
    SetScrollInfo(window, bar, &info, TRUE);
}

// Both bars hidden (a range of one position, which the page covers) and
// back at the start.
void hideScrollBars(HWND window) {
    for (int bar : {SB_HORZ, SB_VERT}) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nPage = 1;
        SetScrollInfo(window, bar, &info, TRUE);
    }
}

// The bars' ranges for the content at the client area's size, each page
// the client area. A bar that shows or goes changes the client area, and
// the window hears WM_SIZE for it, which fits the bars again, before
// SetScrollInfo returns: the size in hand is then out of date.
void fitScrollBars(HWND window) {
    RECT before;
    GetClientRect(window, &before);
    DrawingFit fit = fitIn(window, before.right, before.bottom);
    setScrollBar(window, SB_VERT, fit.contentHeight - 1, before.bottom);
    RECT after;
    GetClientRect(window, &after);
    if (after.right != before.right || after.bottom != before.bottom) return;
    setScrollBar(window, SB_HORZ, fit.contentWidth - 1, before.right);
}

// Moves bar `bar` to `position` (it keeps within its range) and draws the
// content anew where it moved.
void scrollTo(HWND window, int bar, int position) {
    int old = scrollPosition(window, bar);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(window, bar, &info, TRUE);
    if (scrollPosition(window, bar) != old) InvalidateRect(window, nullptr, TRUE);
}

void onScroll(HWND window, int bar, int request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(window, bar, &info)) return;
    scrollTo(window, bar, requestedScrollPosition(request, info, bar == SB_VERT ? rowHeight() : columnWidth()));
}

// The wheel: WheelLines lines a notch, forward (positive) up or, turned
// sideways, right; a part of a notch is kept for the next turn.
void onWheel(HWND window, int bar, int delta) {
    int& remainder = wheelRemainder[bar];
    remainder += delta;
    int notches = remainder / WHEEL_DELTA;
    remainder -= notches * WHEEL_DELTA;
    if (notches == 0) return;
    int step = WheelLines * (bar == SB_VERT ? rowHeight() : columnWidth());
    int position = scrollPosition(window, bar);
    scrollTo(window, bar, bar == SB_VERT ? position - notches * step : position + notches * step);
}

// The window's outer size for a client area of `client`.
SIZE outerSize(HWND window, SIZE client) {
    RECT outer;
    RECT inner;
    GetWindowRect(window, &outer);
    GetClientRect(window, &inner);
    return SIZE{client.cx + (outer.right - outer.left) - inner.right,
                client.cy + (outer.bottom - outer.top) - inner.bottom};
}

// Beside the main window: to its right, else to its left, else at the
// right edge of the screen; never below the screen's bottom.
POINT besideMainWindow(HWND mainWindow, SIZE size) {
    RECT main;
    GetWindowRect(mainWindow, &main);
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int right = left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    int bottom = top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    int x = main.right;
    if (x + size.cx > right) x = main.left - size.cx;
    if (x < left) x = right - size.cx > left ? right - size.cx : left;
    int y = main.top;
    if (y + size.cy > bottom) y = bottom - size.cy;
    if (y < top) y = top;
    return POINT{x, y};
}

HWND createWindow(HWND mainWindow, HINSTANCE instance) {
    // Registered with the first window; later it fails, the class being
    // there already. White, as a drawing on paper.
    registerWindowClass(NetworkWindowClass, networkWindowProcedure, instance, COLOR_WINDOW);
    // Owned by the main window: it stays above it and goes with it. Made
    // hidden, so that it is shown once it has its place and size.
    return CreateWindowExA(0, NetworkWindowClass, inLanguage(WindowCaption, shown.language),
                           WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, mainWindow, nullptr, instance, nullptr);
}

// ---- Painting ---------------------------------------------------------------

// A label in the system font, which does not grow with the drawing: the
// text stands at its scaled place, in the room of its cells at their own
// size.
void drawLabel(HDC dc, const Placement& at, const SchematicLabel& label, bool fromStart, COLORREF color) {
    if (label.cells == 0) return;
    POINT middle = scaled(at, label.middle);
    int half = label.cells * columnWidth() / 2;
    RECT r{middle.x - half, middle.y - rowHeight() / 2, middle.x + half, middle.y + rowHeight() - rowHeight() / 2};
    SetTextColor(dc, color);
    DrawTextA(dc, label.text, -1, &r,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP | (fromStart ? DT_LEFT : DT_CENTER));
}

void drawDot(HDC dc, const Placement& at, SchematicPoint point, int pixels) {
    POINT p = scaled(at, point);
    int radius = grown(at, pixels);
    Ellipse(dc, p.x - radius, p.y - radius, p.x + radius + 1, p.y + radius + 1);
}

void drawSchematic(HDC dc, const Placement& at) {
    const Schematic& s = shown.schematic;
    HPEN pen = CreatePen(PS_SOLID, grown(at, PenWidth), RGB(0, 0, 0));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    for (int i = 0; i < s.wireCount; ++i) {
        POINT points[2] = {scaled(at, s.wires[i].from), scaled(at, s.wires[i].to)};
        Polyline(dc, points, 2);
    }
    for (int i = 0; i < s.partCount; ++i) {
        const SchematicPart& part = s.parts[i];
        SymbolStroke strokes[SymbolStrokeCapacity];
        int count = partStrokes(part, strokes);
        for (int k = 0; k < count; ++k) {
            POINT points[StrokePointCapacity];
            for (int n = 0; n < strokes[k].count; ++n) points[n] = scaled(at, strokes[k].points[n]);
            Polyline(dc, points, strokes[k].count);
        }
        // The cross part's labels stand to its right, the others' centred
        // on their parts.
        drawLabel(dc, at, part.name, part.upright, GetSysColor(COLOR_WINDOWTEXT));
        drawLabel(dc, at, part.valueText, part.upright, ValueColor);
    }
    for (int i = 0; i < s.junctionCount; ++i) drawDot(dc, at, s.junctions[i], JunctionRadius);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    for (int i = 0; i < s.terminalCount; ++i) drawDot(dc, at, s.terminals[i].point, TerminalRadius);
    // A pair's terminal names beside their rings and its networks' names
    // above them; a network's drawing has neither.
    for (int i = 0; i < s.terminalCount; ++i) {
        drawLabel(dc, at, s.terminals[i].label, false, GetSysColor(COLOR_WINDOWTEXT));
    }
    for (int i = 0; i < s.labelCount; ++i) drawLabel(dc, at, s.labels[i], false, GetSysColor(COLOR_WINDOWTEXT));
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

void paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    char summary[limits::LineSize];
    formatSummary(summary, sizeof summary);
    // The content, header and drawing alike, moves with the scroll bars.
    DrawingFit fit = fitIn(window, client.right, client.bottom);
    int dx = scrollPosition(window, SB_HORZ);
    int dy = scrollPosition(window, SB_VERT);
    int right = fit.contentWidth > client.right ? fit.contentWidth : client.right;
    const char* header[] = {shown.line, summary};
    for (int i = 0; i < 2; ++i) {
        RECT r{margin() - dx, headerTop() + i * rowHeight() - dy, right - dx, headerTop() + (i + 1) * rowHeight() - dy};
        DrawTextA(dc, header[i], -1, &r, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT);
    }
    if (shown.drawn) drawSchematic(dc, Placement{fit.scale, fit.x - dx, fit.y - dy});
    EndPaint(window, &ps);
}

}  // namespace

bool showNetworkOnDoubleClick(HWND mainWindow, HINSTANCE instance, const MSG* message) {
    HWND box = controlWindows[RowResultBox];
    if (message->message != WM_LBUTTONDBLCLK || box == nullptr || message->hwnd != box) return false;
    // The line under the pointer, as the box lays its text out.
    LRESULT at = SendMessageA(box, EM_CHARFROMPOS, 0, message->lParam);
    int line = HIWORD(at);
    if (!showNetworkOfLine(mainWindow, instance, line)) return false;
    // The line drawn is highlighted whole, by the box's own count of its
    // characters (on Windows not bytes). The anchor at its end and the caret
    // at its start: a box that scrolls to its caret keeps the line's start
    // in view.
    LRESULT start = SendMessageA(box, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
    if (start >= 0) {
        LRESULT length = SendMessageA(box, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
        SendMessageA(box, EM_SETSEL, static_cast<WPARAM>(start + length), start);
    }
    return true;
}

namespace {

// Opens the window beside `owner` for what `shown` holds, or draws it in
// the open window, grown where it needs more room.
bool present(HWND owner, HINSTANCE instance) {
    HWND window = openWindow;
    bool opening = window == nullptr;
    placing = true;
    if (opening) window = openWindow = createWindow(owner, instance);
    if (window == nullptr) {
        placing = false;
        return false;
    }
    SetWindowTextA(window, inLanguage(WindowCaption, shown.language));
    // The size the line needs is that of a client area without scroll
    // bars: they go while the window is placed, and come back if the client
    // area is still smaller than the content, which shows from its start.
    hideScrollBars(window);
    // Sized for the line when it opens; grown, never shrunk, for a later
    // line that needs more room.
    SIZE needed = neededClientSize(window);
    RECT client;
    GetClientRect(window, &client);
    if (opening || needed.cx > client.right || needed.cy > client.bottom) {
        if (!opening) {
            if (client.right > needed.cx) needed.cx = client.right;
            if (client.bottom > needed.cy) needed.cy = client.bottom;
        }
        SIZE size = outerSize(window, needed);
        POINT place = besideMainWindow(owner, size);
        SetWindowPos(window, nullptr, place.x, place.y, size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE | (opening ? 0 : SWP_NOMOVE));
    }
    placing = false;
    fitScrollBars(window);
    InvalidateRect(window, nullptr, TRUE);
    // Shown without taking the keyboard from the main window, where the
    // next line is double-clicked; a minimised window comes back.
    ShowWindow(window, SW_SHOWNOACTIVATE);
    return true;
}

}  // namespace

bool showNetworkOfLine(HWND mainWindow, HINSTANCE instance, int line) {
    HWND box = controlWindows[RowResultBox];
    if (box == nullptr) return false;
    GetWindowTextA(box, boxText, sizeof boxText);
    char text[limits::LineSize];
    if (copyLine(boxText, line, text, sizeof text) == 0) return false;
    memcpy(shown.line, text, sizeof text);
    shown.language = settings.language;
    shown.pair = false;
    shown.drawn = layOutLine(line);
    return present(mainWindow, instance);
}

bool showPairInNetworkWindow(HWND owner, HINSTANCE instance, const PairRecord& record,
                             const PairRequest& request, const char* line) {
    // Laid out into a copy of its own first: a record that cannot be drawn
    // leaves the window as it is.
    PairSchematic pair;
    if (!layoutPairRecord(record, request, &pair)) return false;
    copyLine(line != nullptr ? line : "", 0, shown.line, sizeof shown.line);
    shown.language = settings.language;
    shown.drawn = true;
    shown.pair = true;
    shown.mode = pair.mode;
    shown.value = pair.quantity;
    shown.error = pair.errorPercent;
    shown.schematic = pair.drawing;
    return present(owner, instance);
}

HWND networkWindow() { return openWindow; }

void resetNetworkWindow() {
    openWindow = nullptr;
    placing = false;
    wheelRemainder[0] = wheelRemainder[1] = 0;
    shown = ShownLine{};
}

LRESULT CALLBACK networkWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_SIZE:
        // Painted anew whole by its class; the bars follow the new size.
        if (!placing && wParam != SIZE_MINIMIZED) fitScrollBars(window);
        return 0;
    case WM_HSCROLL:
        onScroll(window, SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_VSCROLL:
        onScroll(window, SB_VERT, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        onWheel(window, SB_VERT, GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_MOUSEHWHEEL:
        onWheel(window, SB_HORZ, GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_DESTROY:
        if (window == openWindow) openWindow = nullptr;
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
