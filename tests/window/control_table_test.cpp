// The control table and what the window makes of it: layout units,
// geometry, the child windows, captions in both languages and painting.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/shared_state.h"
#include "platform/linux/code_page.h"
#include "platform/linux/test_interface.h"
#include "platform/win32.h"
#include "tests/support/fresh_program.h"
#include "window/control_table.h"
#include "window/scrolling.h"

namespace {

std::string utf8Of(const char* cp932) {
    char out[512];
    cp932ToUtf8(cp932, out, sizeof out);
    return out;
}

std::string textOf(HWND window) {
    char text[256];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool checked(int row) { return SendMessageA(controlWindows[row], BM_GETCHECK, 0, 0) == BST_CHECKED; }

const std::set<int> emptyRows{3, 4, 9, 19, 20, 24, 26, 30, 37, 38, 39};

TEST(ControlTable, NamedRowsAreTheControlsTheirNamesSay) {
    struct Case {
        int row;
        const char* english;
    };
    const Case cases[] = {
        {RowLanguage, "Japanese"},      {RowDefaultSize, "#"},           {RowPartGroup, "Parts select"},
        {RowResistor, "Resistor"},      {RowCapacitor, "Capacitor"},     {RowInductor, "Inductor"},
        {RowShowAll, "Show All"},       {RowExecute, "Execute"},         {RowExit, "Exit"},
        {RowAbort, "Abort"},            {RowParallelOnly, "Parallel only"}, {RowResultGroup, "Result"},
        {RowSortByError, "Sort by Error"}, {RowSortByValue, "Sort by Value"}, {RowListGroup, "List select"},
        {RowList1Choice, "List 1"},     {RowE24Choice, "E24"},           {RowE3Choice, "E3"},
        {RowList3Caption, "List 3"},    {RowTargetCaption, "Target value"},
        {RowPair, "Pair..."},
    };
    for (const Case& c : cases) EXPECT_STREQ(controlTable[c.row].captionEnglish, c.english) << c.row;
    // The boxes by the text buffer they show.
    const int boxes[][2] = {{RowTargetBox, 1}, {RowToleranceBox, 2}, {RowMaxPartsBox, 3}, {RowRangeBox, 4},
                            {RowList1Box, 5},  {RowList2Box, 6},     {RowList3Box, 7},    {RowResultBox, 8},
                            {RowOutcome, 9}};
    for (const auto& box : boxes) EXPECT_EQ(controlTable[box[0]].index, box[1]) << box[0];
}

TEST(ControlTable, JapaneseCaptionsAreTheirTextInCp932) {
    struct Case {
        int row;
        const char* text;
    };
    const Case cases[] = {
        {0, "手持ちのパーツから目標値になる組合せを探します。"},
        {1, "English"},
        {5, "部品選択"},
        {6, "抵抗"},
        {7, "コンデンサ"},
        {8, "コイル"},
        {10, "目標値"},
        {12, "±(%)"},
        {14, "最大構成本数(2～5)"},
        {16, "部品選定範囲(1/x～x)"},
        {18, "全表示"},
        {21, "実行"},
        {22, "終了"},
        {23, "処理停止"},
        {25, "並列のみ"},
        {27, "実行結果"},
        {40, "誤差順並び"},
        {41, "値順並び"},
        {42, "リスト選択"},
        {50, "ペア…"},
    };
    for (const Case& c : cases) EXPECT_EQ(utf8Of(controlTable[c.row].captionJapanese), c.text) << c.row;
}

TEST(ControlTable, EmptyRowsAreEmptyThroughout) {
    for (int row = 0; row < ControlTableRows; ++row) {
        const ControlEntry& e = controlTable[row];
        SCOPED_TRACE(row);
        EXPECT_EQ(e.kind == Empty, emptyRows.count(row) == 1);
        if (e.kind != Empty) continue;
        EXPECT_EQ(e.index, -1);
        EXPECT_EQ(e.group, -1);
        EXPECT_EQ(e.left | e.top | e.right | e.bottom, 0);
        EXPECT_EQ(e.captionJapanese, nullptr);
        EXPECT_EQ(e.captionEnglish, nullptr);
    }
}

class Layout : public ::testing::Test {
protected:
    void SetUp() override {
        resetToFreshProgram();
    }
    void TearDown() override {
        platform_test::reset();
        hScrollOffset = vScrollOffset = 0;
    }
};

TEST_F(Layout, UnitsComeFromTheSystemFont) {
    struct Case {
        int average, height, leading, pitch;
        int charWidth, lineHeight;
    };
    const Case cases[] = {
        {7, 16, 0, TMPF_FIXED_PITCH, 10, 16},  // variable pitch: 7 * 3 / 2 = 10.5, truncated
        {7, 16, 0, 0, 7, 16},                  // fixed pitch: the average width itself
        {9, 18, 2, TMPF_FIXED_PITCH | FF_SWISS, 13, 20},
    };
    for (const Case& c : cases) {
        platform_test::setSystemFont(c.average, c.height, c.leading, c.pitch);
        measureUnits(nullptr);
        EXPECT_EQ(charWidth, c.charWidth);
        EXPECT_EQ(lineHeight, c.lineHeight);
    }
}

TEST_F(Layout, TableGeometryBecomesClientPixels) {
    struct Case {
        int charWidth, lineHeight, hOffset, vOffset;
        int x, y;
        int pixelX, pixelY;
    };
    const Case cases[] = {
        {10, 16, 0, 0, 95, 35, 95, 56},      // 35 * 16 / 10 = 56
        {10, 16, -2, -1, 95, 35, 75, 40},    // 20 pixels left, 16 up
        {13, 19, 0, 0, 95, 115, 123, 218},   // 1235 / 10 and 2185 / 10, truncated
        {13, 19, -1, 0, 15, 0, 6, 0},        // -13 + 195 / 10
        {7, 16, -3, 0, 15, 0, -11, 0},       // -21 + 105 / 10: left of the client area
    };
    for (const Case& c : cases) {
        charWidth = c.charWidth;
        lineHeight = c.lineHeight;
        hScrollOffset = c.hOffset;
        vScrollOffset = c.vOffset;
        RECT r = tableRectToPixels(c.x, c.y, c.x, c.y);
        EXPECT_EQ(r.left, c.pixelX);
        EXPECT_EQ(r.right, c.pixelX);
        EXPECT_EQ(r.top, c.pixelY);
        EXPECT_EQ(r.bottom, c.pixelY);
    }
}

TEST_F(Layout, DefaultWindowSizeScalesWithTheUnits) {
    charWidth = 10;
    lineHeight = 16;
    SIZE size = defaultWindowSize();
    EXPECT_EQ(size.cx, 550);  // 10 * 540 / 10 + 10
    EXPECT_EQ(size.cy, 648);  // 16 * 405 / 10
    charWidth = 13;
    lineHeight = 19;
    size = defaultWindowSize();
    EXPECT_EQ(size.cx, 712);  // 7020 / 10 + 10
    EXPECT_EQ(size.cy, 769);  // 7695 / 10, truncated
}

// The child windows, created into a plain parent so that nothing but
// createControls runs.
class Controls : public Layout {
protected:
    void SetUp() override {
        Layout::SetUp();
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.lpszClassName = "Main";
        RegisterClassA(&windowClass);
        main_ = CreateWindowExA(0, "Main", "", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, 0, 0, 550, 648,
                                nullptr, nullptr, nullptr, nullptr);
        measureUnits(main_);
    }

    HWND main_ = nullptr;
};

TEST_F(Controls, EveryWindowRowMakesItsWindowAndNoOtherRowDoes) {
    createControls(main_, nullptr);
    int windows = 0;
    for (int row = 0; row < ControlTableRows; ++row) {
        const ControlEntry& e = controlTable[row];
        SCOPED_TRACE(row);
        bool painted = e.kind >= PaintCaption && e.kind <= PaintEdge;
        if (emptyRows.count(row) || painted) {
            EXPECT_EQ(controlWindows[row], nullptr);
            continue;
        }
        HWND w = controlWindows[row];
        ASSERT_NE(w, nullptr);
        ++windows;
        EXPECT_EQ(GetDlgCtrlID(w), row);
        EXPECT_EQ(GetParent(w), main_);
        EXPECT_EQ(w->style, e.style);
        const char* expectedClass = e.kind == EditBox ? "edit" : e.kind >= StaticCaption ? "static" : "button";
        EXPECT_STREQ(records::classes[w->classIndex].name, expectedClass);
        RECT r = tableRectToPixels(e.left, e.top, e.right, e.bottom);
        RECT screen;
        GetWindowRect(w, &screen);
        EXPECT_EQ(screen.left, r.left);
        EXPECT_EQ(screen.top, r.top);
        EXPECT_EQ(screen.right, r.right);
        EXPECT_EQ(screen.bottom, r.bottom);
        // Abort alone starts disabled.
        EXPECT_EQ(IsWindowEnabled(w) == FALSE, row == RowAbort);
    }
    EXPECT_EQ(windows, 38 + 1);  // the classic 38 and the Pair window's button
}

TEST_F(Controls, ExecuteIsWhereTheTableSaysInPixels) {
    createControls(main_, nullptr);
    RECT r;
    GetWindowRect(controlWindows[RowExecute], &r);
    // Table 210, 85, 270, 97 with 10 by 16 pixel units.
    EXPECT_EQ(r.left, 210);
    EXPECT_EQ(r.top, 136);
    EXPECT_EQ(r.right, 270);
    EXPECT_EQ(r.bottom, 155);  // 97 * 16 / 10 = 155.2
}

TEST_F(Controls, RadioAndCheckMarksFollowTheSettings) {
    struct Case {
        int partType, listSelection, showAll, parallelOnly;
        std::set<int> checkedRows;
    };
    const Case cases[] = {
        {1, 3, 5, 0, {RowCapacitor, RowE24Choice, RowShowAll}},  // any non-zero showAll checks
        {0, 0, 0, 1, {RowResistor, RowList1Choice, RowParallelOnly}},
        {2, 6, 1, 1, {RowInductor, RowE3Choice, RowShowAll, RowParallelOnly}},
        {7, -1, 0, 0, {}},  // values outside a group's range check no button of it
        {3, 7, 0, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.partType * 100 + c.listSelection);
        SetUp();
        settings.partType = c.partType;
        settings.listSelection = c.listSelection;
        settings.showAll = c.showAll;
        settings.parallelOnly = c.parallelOnly;
        createControls(main_, nullptr);
        std::set<int> marked;
        for (int row : {6, 7, 8, 18, 25, 43, 44, 45, 46, 47, 48, 49})
            if (checked(row)) marked.insert(row);
        EXPECT_EQ(marked, c.checkedRows);
    }
}

TEST_F(Controls, BoxesShowTheirBuffersAndCaptionsWaitForApplyCaptions) {
    setText(textBuffers[BufTarget], "1.42k");
    setText(textBuffers[BufDisplayedList1], "10\r\n100\r\n");
    setText(resultText, "1: 1k\r\n");
    createControls(main_, nullptr);
    EXPECT_EQ(textOf(controlWindows[RowTargetBox]), "1.42k");
    EXPECT_EQ(textOf(controlWindows[RowList1Box]), "10\r\n100\r\n");
    EXPECT_EQ(textOf(controlWindows[RowResultBox]), "1: 1k\r\n");
    EXPECT_EQ(textOf(controlWindows[RowToleranceBox]), "");
    EXPECT_EQ(textOf(controlWindows[RowExecute]), " ");
}

TEST_F(Controls, CaptionsFollowTheLanguageAndTheLanguageButtonNamesTheOther) {
    createControls(main_, nullptr);
    platform_test::type(controlWindows[RowTargetBox], "4.7k");
    settings.language = 0;
    applyCaptions();
    EXPECT_EQ(textOf(controlWindows[RowLanguage]), "English");
    EXPECT_EQ(utf8Of(textOf(controlWindows[RowExecute]).c_str()), "実行");
    EXPECT_EQ(utf8Of(textOf(controlWindows[RowHeadline]).c_str()), "手持ちのパーツから目標値になる組合せを探します。");
    settings.language = 1;
    applyCaptions();
    EXPECT_EQ(textOf(controlWindows[RowLanguage]), "Japanese");
    for (int row = 0; row < ControlTableRows; ++row) {
        int kind = controlTable[row].kind;
        if (kind == PushButton || kind == RadioButton || kind == CheckBox || kind == GroupBox ||
            kind == StaticCaption) {
            EXPECT_EQ(textOf(controlWindows[row]), controlTable[row].captionEnglish) << row;
        }
    }
    // Rows that read the same in both languages.
    for (int row : {2, 31, 33, 35, 43, 44, 45, 46, 47, 48, 49})
        EXPECT_STREQ(controlTable[row].captionJapanese, controlTable[row].captionEnglish) << row;
    // The typed input is no caption.
    EXPECT_EQ(textOf(controlWindows[RowTargetBox]), "4.7k");
}

TEST_F(Controls, OutcomeLineIsPaintedWordWrappedAndLeftOutWhenScrolledPastTheLeftEdge) {
    setText(statusText, "12 set(s) found.");
    ShowWindow(main_, SW_SHOW);
    struct Case {
        int hOffset;
        int drawnLeft;  // -1: not drawn
    };
    // The outcome row starts at table 15, 1.5 characters: two characters
    // to the left put it at -5 pixels, one at +5.
    const Case cases[] = {{0, 15}, {-1, 5}, {-2, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hOffset);
        hScrollOffset = c.hOffset;
        InvalidateRect(main_, nullptr, TRUE);
        paintWindow(main_);
        int drawn = platform_test::drawnItemCount(main_);
        if (c.drawnLeft < 0) {
            EXPECT_EQ(drawn, 0);
            continue;
        }
        ASSERT_EQ(drawn, 1);
        platform_test::DrawnItem item = platform_test::drawnItem(main_, 0);
        EXPECT_STREQ(item.text, "12 set(s) found.");
        EXPECT_EQ(item.rect.left, c.drawnLeft);
        EXPECT_EQ(item.rect.top, 184);     // 115 * 16 / 10
        EXPECT_EQ(item.rect.bottom, 203);  // 127 * 16 / 10 = 203.2
        EXPECT_EQ(item.format, static_cast<UINT>(DT_WORDBREAK));
        EXPECT_EQ(item.textColor, GetSysColor(COLOR_BTNTEXT));
        EXPECT_EQ(item.backColor, GetSysColor(COLOR_BTNFACE));
    }
}

}  // namespace
