// The Network window with no display: a double-click on a line of the
// Result box after the default search opens it beside the main window with
// the line, its value and error and the line's schematic as the layout has
// it; another line redraws it; a line with no record tells the user to run
// the search again; it closes by itself and with the main window.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "drawing/schematic.h"
#include "engine/recorder.h"
#include "engine/result_lines.h"
#include "engine/shared_state.h"
#include "platform/linux/test_interface.h"
#include "platform/win32.h"
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
        // As the program's message loop: a look at every message, which is
        // dispatched all the same.
        platform_test::setMessageFilter([mainWindow](const MSG* m) {
            showNetworkOnDoubleClick(mainWindow, nullptr, m);
            return false;
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

// The window draws the layout scaled to the layout units: x by
// charWidth / 8, y by lineHeight / 16, from one origin. The origin is read
// off the left terminal, drawn last but one; every wire and every stroke of
// every part must then be drawn where the layout puts it, in this order.
void expectDrawnAsLaidOut(const std::vector<DrawnItem>& items, const Schematic& s) {
    std::vector<const DrawnItem*> lines;
    std::vector<const DrawnItem*> dots;
    for (const DrawnItem& item : items) {
        if (item.kind == PaintKind::Lines) lines.push_back(&item);
        if (item.kind == PaintKind::Ellipse) dots.push_back(&item);
    }
    ASSERT_EQ(dots.size(), static_cast<size_t>(s.junctionCount + 2));
    const DrawnItem& left = *dots[dots.size() - 2];
    int x0 = (left.rect.left + left.rect.right - 1) / 2 - s.terminals[0].x * charWidth / SchematicCellWidth;
    int y0 = (left.rect.top + left.rect.bottom - 1) / 2 - s.terminals[0].y * lineHeight / SchematicCellHeight;
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
    const DrawnItem& right = *dots.back();
    EXPECT_EQ(right.fillColor, RGB(255, 255, 255));
    EXPECT_GT(right.penWidth, 0);
    EXPECT_EQ((right.rect.left + right.rect.right - 1) / 2, at(s.terminals[1]).x);
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

INSTANTIATE_TEST_SUITE_P(Languages, NetworkWindow, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == 1 ? "English" : "Japanese";
                         });

}  // namespace
