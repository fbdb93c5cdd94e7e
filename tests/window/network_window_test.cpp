// The Network window with no display: a double-click on a line of the
// Result box after the default search opens it beside the main window with
// the line, its value and error and the line's schematic as the layout has
// it, and highlights that line whole in the box; another line redraws it; a
// line with no record tells the user to run the search again; the drawing
// grows with the window, its aspect kept, and scrolls when the window is
// smaller than its own size; it closes by itself and with the main window.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "drawing/pair_schematic.h"
#include "drawing/schematic.h"
#include "engine/recorder.h"
#include "engine/result_lines.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"
#include "platform/linux/test_interface.h"
#include "platform/win32.h"
#include "tests/support/edit_selection.h"
#include "tests/support/temp_directory.h"
#include "window/commands.h"
#include "window/control_table.h"
#include "window/main_window.h"
#include "window/network_window.h"
#include "window/scrolling.h"

namespace {

using platform_test::DrawnItem;
using platform_test::PaintKind;

const char Ohm[] = "\x83\xb6" /* Ω */;
const char DefaultFirstLine[] = "4: 1.42857k,  0.60%, 10k / 10k /(1k + 1k)";
const char DefaultBridgeLine[] = "5: 1.42489k,  0.34%, Bridge(10k, 1k, 100, 1k, 1k)";

std::string textOf(HWND window) {
    static char text[limits::TextSize];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class NetworkWindow : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        reset();
        registerMainWindowClass(nullptr);
        main_ = createMainWindow(nullptr);
        ASSERT_NE(main_, nullptr);
        settings.language = GetParam();
        HWND mainWindow = main_;
        // As the program's message loop: a look at every message, and a
        // double-click it takes is not dispatched.
        platform_test::setMessageFilter([mainWindow](const MSG* m) {
            return showNetworkOnDoubleClick(mainWindow, nullptr, m);
        });
        box_ = controlWindows[RowResultBox];
    }

    void TearDown() override {
        EXPECT_TRUE(platform_test::pumpUntil([] { return !searchWorkerAlive(); }, 60.0));
        reset();
    }

    static void reset() {
        platform_test::reset();
        resetSharedState();
        resetResults();  // no search has run in this process
        resetControlWindows();
        resetNetworkWindow();
        hScrollOffset = vScrollOffset = 0;
    }

    void runDefaultSearch() {
        SendMessageA(main_, WM_COMMAND, MAKEWPARAM(RowExecute, BN_CLICKED),
                     reinterpret_cast<LPARAM>(controlWindows[RowExecute]));
        ASSERT_TRUE(platform_test::pumpUntil([] { return !searchWorkerAlive(); }, 60.0));
        platform_test::runUntilIdle();
    }

    // A double-click on line `line` of the Result box, scrolled into view
    // first: the headless box shows lines of 16 pixels from its first
    // visible one.
    void doubleClickLine(int line) {
        std::string text = textOf(box_);
        size_t start = 0;
        for (int n = 0; n < line && start != std::string::npos; ++n) {
            start = text.find('\n', start);
            if (start != std::string::npos) ++start;
        }
        if (start != std::string::npos && start <= text.size()) {
            SendMessageA(box_, EM_SETSEL, start, static_cast<LPARAM>(start));
            SendMessageA(box_, EM_SCROLLCARET, 0, 0);
        }
        int first = static_cast<int>(SendMessageA(box_, EM_GETFIRSTVISIBLELINE, 0, 0));
        platform_test::doubleClick(box_, 30, (line - first) * 16 + 8);
        platform_test::runUntilIdle();
    }

    std::vector<DrawnItem> drawn() {
        std::vector<DrawnItem> items;
        HWND network = networkWindow();
        for (int i = 0; i < platform_test::drawnItemCount(network); ++i)
            items.push_back(platform_test::drawnItem(network, i));
        return items;
    }

    static int count(const std::vector<DrawnItem>& items, PaintKind kind) {
        int n = 0;
        for (const DrawnItem& item : items) n += item.kind == kind ? 1 : 0;
        return n;
    }

    std::string inLanguage(const std::string& japanese, const std::string& english) {
        return GetParam() == 1 ? english : japanese;
    }

    TemporaryCurrentDirectory directory_;
    HWND main_ = nullptr;
    HWND box_ = nullptr;
};

// The layout of the record behind `line` of the Result box.
Schematic layoutOfLine(const std::string& text, int line) {
    Schematic schematic{};
    const MatchRecord* record = recordOfResultLine(text.c_str(), line);
    EXPECT_NE(record, nullptr);
    EXPECT_TRUE(record != nullptr && layoutRecord(*record, &schematic));
    return schematic;
}

// At its own size the window draws the layout scaled to the layout units:
// x by charWidth / 8, y by lineHeight / 16, from one origin. The origin is
// read off the first terminal, drawn after the junctions (for a network
// the left one, last but one); every wire and every stroke of every part
// must then be drawn where the layout puts it, in this order.
void expectDrawnAsLaidOut(const std::vector<DrawnItem>& items, const Schematic& s) {
    std::vector<const DrawnItem*> lines;
    std::vector<const DrawnItem*> dots;
    for (const DrawnItem& item : items) {
        if (item.kind == PaintKind::Lines) lines.push_back(&item);
        if (item.kind == PaintKind::Ellipse) dots.push_back(&item);
    }
    ASSERT_EQ(dots.size(), static_cast<size_t>(s.junctionCount + s.terminalCount));
    const DrawnItem& left = *dots[static_cast<size_t>(s.junctionCount)];
    int x0 = (left.rect.left + left.rect.right - 1) / 2 - s.terminals[0].point.x * charWidth / SchematicCellWidth;
    int y0 = (left.rect.top + left.rect.bottom - 1) / 2 - s.terminals[0].point.y * lineHeight / SchematicCellHeight;
    auto at = [&](SchematicPoint p) {
        return POINT{x0 + p.x * charWidth / SchematicCellWidth, y0 + p.y * lineHeight / SchematicCellHeight};
    };
    std::vector<std::vector<SchematicPoint>> expected;
    for (int i = 0; i < s.wireCount; ++i) expected.push_back({s.wires[i].from, s.wires[i].to});
    for (int i = 0; i < s.partCount; ++i) {
        SymbolStroke strokes[SymbolStrokeCapacity];
        int n = partStrokes(s.parts[i], strokes);
        for (int k = 0; k < n; ++k)
            expected.emplace_back(strokes[k].points, strokes[k].points + strokes[k].count);
    }
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(lines[i]->pointCount, static_cast<int>(expected[i].size())) << "stroke " << i;
        for (size_t k = 0; k < expected[i].size(); ++k) {
            POINT p = at(expected[i][k]);
            EXPECT_EQ(lines[i]->points[k].x, p.x) << "stroke " << i << " point " << k;
            EXPECT_EQ(lines[i]->points[k].y, p.y) << "stroke " << i << " point " << k;
        }
    }
    // Junctions are black dots, the two terminals white rings, on their
    // points.
    for (int i = 0; i < s.junctionCount; ++i) {
        EXPECT_EQ(dots[i]->fillColor, RGB(0, 0, 0));
        EXPECT_EQ((dots[i]->rect.left + dots[i]->rect.right - 1) / 2, at(s.junctions[i]).x);
        EXPECT_EQ((dots[i]->rect.top + dots[i]->rect.bottom - 1) / 2, at(s.junctions[i]).y);
    }
    // The terminals white rings, in their order.
    for (int i = 0; i < s.terminalCount; ++i) {
        const DrawnItem& ring = *dots[static_cast<size_t>(s.junctionCount + i)];
        EXPECT_EQ(ring.fillColor, RGB(255, 255, 255));
        EXPECT_GT(ring.penWidth, 0);
        EXPECT_EQ((ring.rect.left + ring.rect.right - 1) / 2, at(s.terminals[i].point).x) << "terminal " << i;
        EXPECT_EQ((ring.rect.top + ring.rect.bottom - 1) / 2, at(s.terminals[i].point).y) << "terminal " << i;
    }
}

// The drawing's scale, read off its first two terminals (the dots after
// the junctions; a network's two are the last two dots).
double drawnScale(const std::vector<DrawnItem>& items, const Schematic& s) {
    std::vector<const DrawnItem*> dots;
    for (const DrawnItem& item : items)
        if (item.kind == PaintKind::Ellipse) dots.push_back(&item);
    const size_t first = static_cast<size_t>(s.junctionCount);
    if (dots.size() < first + 2) return 0;
    double left = (dots[first]->rect.left + dots[first]->rect.right - 1) / 2.0;
    double right = (dots[first + 1]->rect.left + dots[first + 1]->rect.right - 1) / 2.0;
    return (right - left) / ((s.terminals[1].point.x - s.terminals[0].point.x) * charWidth / double(SchematicCellWidth));
}

// Every wire and stroke drawn where the layout puts it at `scale` in both
// directions, to a pixel of rounding, from the origin that the left
// terminal gives.
void expectDrawnAtScale(const std::vector<DrawnItem>& items, const Schematic& s, double scale) {
    std::vector<const DrawnItem*> lines;
    std::vector<const DrawnItem*> dots;
    for (const DrawnItem& item : items) {
        if (item.kind == PaintKind::Lines) lines.push_back(&item);
        if (item.kind == PaintKind::Ellipse) dots.push_back(&item);
    }
    ASSERT_EQ(dots.size(), static_cast<size_t>(s.junctionCount + s.terminalCount));
    double kx = scale * charWidth / SchematicCellWidth;
    double ky = scale * lineHeight / SchematicCellHeight;
    const DrawnItem& left = *dots[static_cast<size_t>(s.junctionCount)];
    double x0 = (left.rect.left + left.rect.right - 1) / 2 - s.terminals[0].point.x * kx;
    double y0 = (left.rect.top + left.rect.bottom - 1) / 2 - s.terminals[0].point.y * ky;
    std::vector<SchematicPoint> expected;
    for (int i = 0; i < s.wireCount; ++i) {
        expected.push_back(s.wires[i].from);
        expected.push_back(s.wires[i].to);
    }
    for (int i = 0; i < s.partCount; ++i) {
        SymbolStroke strokes[SymbolStrokeCapacity];
        int n = partStrokes(s.parts[i], strokes);
        for (int k = 0; k < n; ++k) expected.insert(expected.end(), strokes[k].points, strokes[k].points + strokes[k].count);
    }
    size_t next = 0;
    for (const DrawnItem* line : lines) {
        for (int k = 0; k < line->pointCount && next < expected.size(); ++k, ++next) {
            EXPECT_NEAR(line->points[k].x, x0 + expected[next].x * kx, 1.5) << "point " << next;
            EXPECT_NEAR(line->points[k].y, y0 + expected[next].y * ky, 1.5) << "point " << next;
        }
    }
    EXPECT_EQ(next, expected.size());
}

// A line or dot as drawn, kept: a drawn item's points lie in the layer's
// store, which the next painting fills anew.
struct Shape {
    PaintKind kind;
    RECT rect;  // the dot's (a line's, widened by the pen)
    std::vector<POINT> points;
};

std::vector<Shape> shapesOf(const std::vector<DrawnItem>& items) {
    std::vector<Shape> shapes;
    for (const DrawnItem& item : items) {
        if (item.kind == PaintKind::Lines)
            shapes.push_back(Shape{item.kind, item.rect, std::vector<POINT>(item.points, item.points + item.pointCount)});
        if (item.kind == PaintKind::Ellipse) shapes.push_back(Shape{item.kind, item.rect, {}});
    }
    return shapes;
}

// What is drawn is the drawing at its own size, `own`, moved by (dx, dy):
// each line and each dot drawn is one of own's, moved.
void expectMovedBy(const std::vector<DrawnItem>& items, const std::vector<Shape>& own, int dx, int dy) {
    std::vector<Shape> shapes = shapesOf(items);
    for (const Shape& shape : shapes) {
        bool found = false;
        for (const Shape& o : own) {
            found = o.kind == shape.kind && o.points.size() == shape.points.size() &&
                    o.rect.left + dx == shape.rect.left && o.rect.top + dy == shape.rect.top &&
                    o.rect.right + dx == shape.rect.right && o.rect.bottom + dy == shape.rect.bottom;
            for (size_t k = 0; found && k < shape.points.size(); ++k)
                found = o.points[k].x + dx == shape.points[k].x && o.points[k].y + dy == shape.points[k].y;
            if (found) break;
        }
        EXPECT_TRUE(found) << "shape at " << shape.rect.left << "," << shape.rect.top << " moved by " << dx
                           << "," << dy;
    }
    EXPECT_GT(shapes.size(), 0u);
}

bool barShown(HWND window, int bar) {
    RECT outer;
    RECT client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    return bar == SB_VERT ? outer.right - outer.left > client.right : outer.bottom - outer.top > client.bottom;
}

SCROLLINFO scrollInfo(HWND window, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window, bar, &info);
    return info;
}

TEST_P(NetworkWindow, DoubleClickOnTheFirstLineOpensItsNetworkBesideTheMainWindow) {
    runDefaultSearch();
    int windows = platform_test::windowCount();
    doubleClickLine(0);
    HWND network = networkWindow();
    ASSERT_NE(network, nullptr);
    EXPECT_EQ(platform_test::windowCount(), windows + 1);
    EXPECT_EQ(textOf(network), inLanguage("\x89\xf1\x98\x48\x90\x7d" /* 回路図 */, "Network"));
    RECT mainRect;
    RECT rect;
    GetWindowRect(main_, &mainRect);
    GetWindowRect(network, &rect);
    EXPECT_EQ(rect.left, mainRect.right);
    EXPECT_EQ(rect.top, mainRect.top);

    std::vector<DrawnItem> items = drawn();
    ASSERT_GE(items.size(), 2u);
    EXPECT_STREQ(items[0].text, DefaultFirstLine);
    EXPECT_EQ(std::string(items[1].text),
              inLanguage(std::string("\x8d\x87\x90\xac\x92\x6c" /* 合成値 */) + "  1.428571 k" + Ohm + "      " +
                             "\x8c\xeb\x8d\xb7" /* 誤差 */ "  +0.6036 %",
                         std::string("Value  1.428571 k") + Ohm + "      Error  +0.6036 %"));
    Schematic s = layoutOfLine(textOf(box_), 0);
    expectDrawnAsLaidOut(items, s);
    // Each part's name stands on the drawing, and the whole drawing within
    // the window's client area.
    std::vector<std::string> labels;
    for (const DrawnItem& item : items)
        if (item.kind == PaintKind::Text) labels.push_back(item.text);
    EXPECT_EQ(labels, (std::vector<std::string>{DefaultFirstLine, items[1].text, "10k", "10k", "1k", "1k"}));
    RECT client;
    GetClientRect(network, &client);
    for (const DrawnItem& item : items) {
        EXPECT_LE(item.rect.right, client.right);
        EXPECT_LE(item.rect.bottom, client.bottom);
    }
    // The main window keeps its controls and the keyboard.
    EXPECT_EQ(GetFocus(), box_);
}

TEST_P(NetworkWindow, AnotherLineIsDrawnInTheSameWindowWithItsSign) {
    runDefaultSearch();
    doubleClickLine(0);
    HWND network = networkWindow();
    ASSERT_NE(network, nullptr);
    RECT before;
    GetWindowRect(network, &before);

    doubleClickLine(8);
    EXPECT_EQ(networkWindow(), network);
    std::vector<DrawnItem> items = drawn();
    ASSERT_GE(items.size(), 2u);
    EXPECT_STREQ(items[0].text, DefaultBridgeLine);
    expectDrawnAsLaidOut(items, layoutOfLine(textOf(box_), 8));
    RECT after;
    GetWindowRect(network, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    RECT client;
    GetClientRect(network, &client);
    for (const DrawnItem& item : items) EXPECT_LE(item.rect.right, client.right);

    // Below the target: the error with its minus sign.
    doubleClickLine(1);
    items = drawn();
    ASSERT_GE(items.size(), 2u);
    EXPECT_STREQ(items[0].text, "4: 1.40909k, -0.77%, (1k / 1k)+(1k / 10k)");
    EXPECT_NE(std::string(items[1].text).find(std::string("  1.409091 k") + Ohm), std::string::npos) << items[1].text;
    EXPECT_NE(std::string(items[1].text).find("  -0.7682 %"), std::string::npos) << items[1].text;
}

TEST_P(NetworkWindow, ALineWithoutARecordTellsToRunTheSearchAgain) {
    const std::string message =
        inLanguage("\x82\xb1\x82\xcc\x8d\x73\x82\xcc\x89\xf1\x98\x48\x82\xcd\x8b\x4c\x98\x5e\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1\x81\x42" /* この行の回路は記録されていません。 */
                   "\x82\xe0\x82\xa4\x88\xea\x93\x78\x92\x54\x8d\xf5\x82\xf0\x8e\xc0\x8d\x73\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42" /* もう一度探索を実行してください。 */,
                   "No network is kept for this line: run the search again to draw it.");
    // Text restored from the settings file: no search has run.
    SetWindowTextA(box_, (std::string(DefaultFirstLine) + "\r\n").c_str());
    doubleClickLine(0);
    ASSERT_NE(networkWindow(), nullptr);
    std::vector<DrawnItem> items = drawn();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_STREQ(items[0].text, DefaultFirstLine);
    EXPECT_EQ(items[1].text, message);
    RECT client;
    GetClientRect(networkWindow(), &client);
    EXPECT_GE(client.right, static_cast<LONG>(message.size()) * 7);

    // After a search, a line the user changed has none either; the lines
    // that still read as the search wrote them keep theirs.
    runDefaultSearch();
    std::string text = textOf(box_);
    platform_test::type(box_, ("1" + text).c_str());
    doubleClickLine(0);
    items = drawn();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_STREQ(items[0].text, (std::string("1") + DefaultFirstLine).c_str());
    EXPECT_EQ(items[1].text, message);
    doubleClickLine(2);
    EXPECT_GT(count(drawn(), PaintKind::Lines), 0);
}

// The line drawn is highlighted whole, not a word of it, whatever its
// characters; a double-click that draws nothing leaves the box as it was.
// The caret goes to the line's start.
TEST_P(NetworkWindow, TheDoubleClickedLineIsSelectedWhole) {
    runDefaultSearch();
    const std::string text = textOf(box_);
    for (int line : {0, 1, 8, 25}) {
        SCOPED_TRACE(line);
        size_t start = 0;
        for (int n = 0; n < line; ++n) start = text.find("\r\n", start) + 2;
        size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        ASSERT_GT(end, start);
        doubleClickLine(line);
        EditSelection s = selectionOf(box_);
        EXPECT_EQ(s.start, start);
        EXPECT_EQ(s.end, end) << text.substr(start, end - start);
        EXPECT_EQ(SendMessageA(box_, EM_LINEINDEX, static_cast<WPARAM>(-1), 0), static_cast<LRESULT>(start));
    }
    // A line with Japanese (two bytes a character here, one unit on
    // Windows: the box's own count) after one with more of it.
    const std::string first = std::string("1k ") + "\x8e\xe8\x8e\x9d\x82\xbf" /* 手持ち */;
    const std::string second = std::string("2: ") + "\x97\x5c\x94\xf5" /* 予備 */ + " 470";
    SetWindowTextA(box_, (first + "\r\n" + second + "\r\n\r\n").c_str());
    doubleClickLine(1);
    ASSERT_NE(networkWindow(), nullptr);
    EditSelection s = selectionOf(box_);
    EXPECT_EQ(s.start, first.size() + 2);
    EXPECT_EQ(s.end, first.size() + 2 + second.size());
    // The empty line below: nothing drawn, nothing selected.
    doubleClickLine(2);
    s = selectionOf(box_);
    size_t emptyLine = first.size() + 2 + second.size() + 2;
    EXPECT_EQ(s.start, emptyLine);
    EXPECT_EQ(s.end, emptyLine);
}

// The window opens at the drawing's own size. Grown, the drawing grows
// with it, one scale both ways, as large as the room below the header
// allows; shrunk below that size, it keeps it and the scroll bars range
// over the whole content, the bars, the wheel and the thumb moving it.
TEST_P(NetworkWindow, TheDrawingGrowsWithTheWindowAndScrollsBelowItsOwnSize) {
    runDefaultSearch();
    doubleClickLine(8);  // the bridge, as high as it is wide
    HWND network = networkWindow();
    ASSERT_NE(network, nullptr);
    const Schematic s = layoutOfLine(textOf(box_), 8);
    RECT opened;
    RECT ownClient;
    GetWindowRect(network, &opened);
    GetClientRect(network, &ownClient);
    expectDrawnAsLaidOut(drawn(), s);
    const std::vector<Shape> atOwnSize = shapesOf(drawn());
    EXPECT_FALSE(barShown(network, SB_HORZ));
    EXPECT_FALSE(barShown(network, SB_VERT));
    auto resize = [&](int width, int height) {
        SetWindowPos(network, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        platform_test::runUntilIdle();
    };
    const int width = opened.right - opened.left;
    const int height = opened.bottom - opened.top;

    // Wider and taller: the room is the client area less a column at each
    // side, the header's three lines above and half a line below.
    struct Grown {
        int width, height;
    };
    for (Grown g : {Grown{2 * width, 2 * height}, Grown{3 * width, height + 60}, Grown{width + 40, 3 * height}}) {
        SCOPED_TRACE(::testing::Message() << g.width << " x " << g.height);
        resize(g.width, g.height);
        RECT client;
        GetClientRect(network, &client);
        EXPECT_EQ(client.right, g.width);
        EXPECT_EQ(client.bottom, g.height);
        std::vector<DrawnItem> items = drawn();
        double scale = drawnScale(items, s);
        double across = (client.right - 2.0 * charWidth) / (s.width * charWidth / 8.0);
        double down = (client.bottom - 3.5 * lineHeight) / (s.height * lineHeight / 16.0);
        EXPECT_NEAR(scale, across < down ? across : down, 0.02);
        EXPECT_GT(scale, 1.05);
        expectDrawnAtScale(items, s, scale);
        for (const DrawnItem& item : items) {
            EXPECT_GE(item.rect.left, 0);
            EXPECT_LE(item.rect.right, client.right);
            EXPECT_LE(item.rect.bottom, client.bottom);
        }
        EXPECT_FALSE(barShown(network, SB_HORZ));
        EXPECT_FALSE(barShown(network, SB_VERT));
    }

    // Smaller than its own size both ways: the own size, and both bars,
    // which range over the content the window opened with; what shows is
    // the drawing where it was, cut at the client area's edges.
    resize(width * 2 / 3, height * 2 / 3);
    EXPECT_TRUE(barShown(network, SB_HORZ));
    EXPECT_TRUE(barShown(network, SB_VERT));
    RECT client;
    GetClientRect(network, &client);
    SCROLLINFO across = scrollInfo(network, SB_HORZ);
    SCROLLINFO down = scrollInfo(network, SB_VERT);
    EXPECT_EQ(across.nMax - across.nMin + 1, ownClient.right);
    EXPECT_EQ(static_cast<LONG>(across.nPage), client.right);
    EXPECT_EQ(down.nMax - down.nMin + 1, ownClient.bottom);
    EXPECT_EQ(static_cast<LONG>(down.nPage), client.bottom);
    expectMovedBy(drawn(), atOwnSize, 0, 0);
    // A page down moves the content up by as much as the bar moved.
    SendMessageA(network, WM_VSCROLL, SB_PAGEDOWN, 0);
    platform_test::runUntilIdle();
    int moved = scrollInfo(network, SB_VERT).nPos;
    int lastPosition = static_cast<int>(ownClient.bottom - client.bottom);
    EXPECT_EQ(moved, client.bottom < lastPosition ? static_cast<int>(client.bottom) : lastPosition);
    expectMovedBy(drawn(), atOwnSize, 0, -moved);
    // A notch of the wheel towards the screen's top: three lines back up.
    platform_test::turnWheel(network, 20, 20, WHEEL_DELTA);
    platform_test::runUntilIdle();
    int afterWheel = moved - 3 * lineHeight > 0 ? moved - 3 * lineHeight : 0;
    EXPECT_EQ(scrollInfo(network, SB_VERT).nPos, afterWheel);
    expectMovedBy(drawn(), atOwnSize, 0, -afterWheel);
    // The thumb dragged sideways, to the end: the content's right edge at
    // the client area's.
    platform_test::dragThumb(network, SB_HORZ, across.nMax);
    SendMessageA(network, WM_HSCROLL, SB_THUMBTRACK, 0);
    platform_test::runUntilIdle();
    int sideways = scrollInfo(network, SB_HORZ).nPos;
    EXPECT_EQ(sideways, ownClient.right - client.right);
    expectMovedBy(drawn(), atOwnSize, -sideways, -afterWheel);

    // Grown again: the bars go, and the drawing is drawn whole, unscrolled.
    resize(2 * width, 2 * height);
    EXPECT_FALSE(barShown(network, SB_HORZ));
    EXPECT_FALSE(barShown(network, SB_VERT));
    EXPECT_EQ(scrollInfo(network, SB_VERT).nPos, 0);
    EXPECT_EQ(scrollInfo(network, SB_HORZ).nPos, 0);
    expectDrawnAtScale(drawn(), s, drawnScale(drawn(), s));
    EXPECT_EQ(drawn()[0].rect.top, lineHeight / 2);

    // Another line shows from its start, the bars too.
    resize(width * 2 / 3, height * 2 / 3);
    SendMessageA(network, WM_VSCROLL, SB_BOTTOM, 0);
    doubleClickLine(0);
    EXPECT_EQ(scrollInfo(network, SB_VERT).nPos, 0);
    EXPECT_EQ(scrollInfo(network, SB_HORZ).nPos, 0);
    EXPECT_EQ(drawn()[0].rect.top, lineHeight / 2);
}

TEST_P(NetworkWindow, NothingOpensForAnEmptyLineOrAnotherBox) {
    SetWindowTextA(box_, (std::string(DefaultFirstLine) + "\r\n\r\n").c_str());
    doubleClickLine(1);
    doubleClickLine(5);  // below the text: its last line, which is empty
    EXPECT_EQ(networkWindow(), nullptr);
    platform_test::doubleClick(controlWindows[RowList1Box], 10, 8);
    platform_test::runUntilIdle();
    EXPECT_EQ(networkWindow(), nullptr);
}

TEST_P(NetworkWindow, ClosesByItselfAndWithTheMainWindow) {
    runDefaultSearch();
    doubleClickLine(0);
    HWND network = networkWindow();
    ASSERT_NE(network, nullptr);
    // The close box: the main window stays, and the next double-click opens
    // a new window.
    SendMessageA(network, WM_CLOSE, 0, 0);
    EXPECT_EQ(networkWindow(), nullptr);
    EXPECT_TRUE(IsWindow(main_));
    doubleClickLine(0);
    network = networkWindow();
    ASSERT_NE(network, nullptr);
    EXPECT_TRUE(IsWindow(network));
    // Closing the main window closes it too, before the main window saves
    // the settings and ends the program.
    SendMessageA(main_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(network));
    EXPECT_EQ(networkWindow(), nullptr);
    EXPECT_FALSE(IsWindow(main_));
    EXPECT_TRUE(platform_test::quitRequested(nullptr));
}

// A pair search of a divider for 5 V to 3.3 V from a few E24 values, two
// parts a side, for the pair tests: its request and records.
struct DividerSearch {
    StockItem stock[6] = {{"1k", 1e3}, {"1.5k", 1.5e3}, {"2.2k", 2.2e3}, {"3.3k", 3.3e3}, {"4.7k", 4.7e3}, {"6.8k", 6.8e3}};
    PairRequest request;
    PairSearch search;

    explicit DividerSearch(PairMode mode = PairMode::Divider, double target = 3.3 / 5) {
        request.mode = mode;
        request.target = target;
        request.reference = 1.25;
        request.tolerancePercent = 1;
        request.a = PairSide{Resistor, stock, 6, 2, {}};
        request.b = request.a;
        request.threads = 1;
        EXPECT_EQ(search.run(request), PairFault::None);
        EXPECT_FALSE(search.records().empty());
    }
};

// Where the window drew `label` of `s`: a text with its label's text whose
// rectangle's middle is the label's middle, scaled from the first
// terminal's ring.
bool labelDrawnAt(const std::vector<DrawnItem>& items, const Schematic& s, const SchematicLabel& label) {
    const DrawnItem* ring = nullptr;
    int dots = 0;
    for (const DrawnItem& item : items) {
        if (item.kind == PaintKind::Ellipse && dots++ == s.junctionCount) ring = &item;
    }
    if (ring == nullptr) return false;
    int x0 = (ring->rect.left + ring->rect.right - 1) / 2 - s.terminals[0].point.x * charWidth / SchematicCellWidth;
    int y0 = (ring->rect.top + ring->rect.bottom - 1) / 2 - s.terminals[0].point.y * lineHeight / SchematicCellHeight;
    int x = x0 + label.middle.x * charWidth / SchematicCellWidth;
    int y = y0 + label.middle.y * lineHeight / SchematicCellHeight;
    for (const DrawnItem& item : items) {
        if (item.kind == PaintKind::Text && std::string(item.text) == label.text &&
            (item.rect.left + item.rect.right) / 2 == x && std::abs((item.rect.top + item.rect.bottom) / 2 - y) <= 1)
            return true;
    }
    return false;
}

// The Pair window's double-click: a divider's record drawn beside the
// window that asks, under its line and its ratio with the error; its
// terminals named beside their rings, its networks above them; then an rc
// pair in the same window, grown, and a feedback pair's Vout. A record the
// request's stocks do not hold leaves the window as it is.
TEST_P(NetworkWindow, APairIsDrawnAsItsRecordIsLaidOut) {
    // As the Pair window calls it, then the messages it leads to.
    auto show = [this](const PairRecord& record, const PairRequest& request, const char* line) {
        const bool shown = showPairInNetworkWindow(main_, nullptr, record, request, line);
        platform_test::runUntilIdle();
        return shown;
    };
    DividerSearch divider;
    const PairRecord& record = divider.search.records()[0];
    HWND focus = GetFocus();
    ASSERT_TRUE(show(record, divider.request, "2: 0.6600, +0.00%, R1 = ...\r\n"));
    HWND network = networkWindow();
    ASSERT_NE(network, nullptr);
    EXPECT_EQ(textOf(network), inLanguage("\x89\xf1\x98\x48\x90\x7d" /* 回路図 */, "Network"));
    RECT mainRect;
    RECT rect;
    GetWindowRect(main_, &mainRect);
    GetWindowRect(network, &rect);
    EXPECT_EQ(rect.left, mainRect.right);

    std::vector<DrawnItem> items = drawn();
    ASSERT_GE(items.size(), 2u);
    EXPECT_STREQ(items[0].text, "2: 0.6600, +0.00%, R1 = ...");
    char error[32];
    snprintf(error, sizeof error, "%+.4f %%", record.errorPercent);
    char ratio[32];
    snprintf(ratio, sizeof ratio, "%.7g", record.quantity);
    EXPECT_EQ(std::string(items[1].text),
              inLanguage(std::string("\x95\xaa\x88\xb3\x94\xe4" /* 分圧比 */ "  ") + ratio + "      " +
                             "\x8c\xeb\x8d\xb7" /* 誤差 */ "  " + error,
                         std::string("Vout/Vin  ") + ratio + "      Error  " + error));
    PairSchematic pair;
    ASSERT_TRUE(layoutPairRecord(record, divider.request, &pair));
    const Schematic& s = pair.drawing;
    {
        SCOPED_TRACE("the divider");
        expectDrawnAsLaidOut(items, s);
    }
    for (int i = 0; i < s.terminalCount; ++i) EXPECT_TRUE(labelDrawnAt(items, s, s.terminals[i].label)) << i;
    for (int i = 0; i < s.labelCount; ++i) EXPECT_TRUE(labelDrawnAt(items, s, s.labels[i])) << s.labels[i].text;
    for (int i = 0; i < s.partCount; ++i) EXPECT_TRUE(labelDrawnAt(items, s, s.parts[i].name)) << i;
    RECT client;
    GetClientRect(network, &client);
    for (const DrawnItem& item : items) {
        EXPECT_LE(item.rect.right, client.right);
        EXPECT_LE(item.rect.bottom, client.bottom);
    }
    EXPECT_EQ(GetFocus(), focus);

    // An rc pair of three parts a side in parallel, 1k / 2k / 2k and
    // 1u / 500n / 500n: 500 ohm and 2 uF, 1 ms. The same window, grown to
    // hold it.
    StockItem resistors[2] = {{"1k", 1e3}, {"2k", 2e3}};
    StockItem capacitors[2] = {{"1u", 1e-6}, {"500n", 5e-7}};
    PairRequest rc;
    rc.mode = PairMode::Rc;
    rc.a = PairSide{Resistor, resistors, 2, 3, {}};
    rc.b = PairSide{Capacitor, capacitors, 2, 3, {}};
    const PairRecord tall{6, 1e-3, 0.5, {4, 3, {0, 1, 1}, 500}, {4, 3, {0, 1, 1}, 2e-6}};
    ASSERT_TRUE(show(tall, rc, "6: 1.00000ms"));
    EXPECT_EQ(networkWindow(), network);
    items = drawn();
    ASSERT_TRUE(layoutPairRecord(tall, rc, &pair));
    // Wider than it needs, the window draws it larger, its aspect kept.
    const double scale = drawnScale(items, pair.drawing);
    EXPECT_GE(scale, 1.0);
    {
        SCOPED_TRACE("the rc pair");
        expectDrawnAtScale(items, pair.drawing, scale);
    }
    EXPECT_EQ(std::string(items[1].text),
              inLanguage("\x8e\x9e\x92\xe8\x90\x94" /* 時定数 */ "  1 ms, "
                         "\x8e\xd5\x92\x66\x8e\xfc\x94\x67\x90\x94" /* 遮断周波数 */ "  159.1549 Hz      "
                         "\x8c\xeb\x8d\xb7" /* 誤差 */ "  +0.5000 %",
                         "Time constant  1 ms, Cutoff  159.1549 Hz      Error  +0.5000 %"));
    RECT grown;
    GetClientRect(network, &grown);
    EXPECT_GT(grown.bottom, client.bottom);

    // Not drawn: a pick past the stock; the rc pair stays.
    PairRecord wrong = tall;
    wrong.b.picks[2] = 2;
    EXPECT_FALSE(show(wrong, rc, "6: wrong"));
    EXPECT_STREQ(drawn()[0].text, "6: 1.00000ms");

    // Feedback: Vout in volts.
    DividerSearch feedback(PairMode::Feedback, 3.3);
    ASSERT_TRUE(show(feedback.search.records()[0], feedback.request, "fb"));
    snprintf(ratio, sizeof ratio, "%.7g V", feedback.search.records()[0].quantity);
    EXPECT_EQ(std::string(drawn()[1].text).rfind(inLanguage("\x8f\x6f\x97\xcd\x93\x64\x88\xb3" /* 出力電圧 */, "Vout") +
                                                  std::string("  ") + ratio, 0),
              0u)
        << drawn()[1].text;

    // A line of the Result box drawn afterwards is a network's again, in
    // the window as the pairs left it.
    runDefaultSearch();
    doubleClickLine(0);
    items = drawn();
    EXPECT_STREQ(items[0].text, DefaultFirstLine);
    const Schematic line = layoutOfLine(textOf(box_), 0);
    expectDrawnAtScale(items, line, drawnScale(items, line));
    EXPECT_EQ(count(items, PaintKind::Ellipse), line.junctionCount + 2);
}

INSTANTIATE_TEST_SUITE_P(Languages, NetworkWindow, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == 1 ? "English" : "Japanese";
                         });

}  // namespace
