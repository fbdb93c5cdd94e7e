// The Pair window in the whole program, driven by messages as a user would
// drive it, with no display: opening it from the main window, the rows
// each mode reads, its captions in both languages, a search from Execute
// with its progress line, its results and outcome, Abort, Enter and
// Escape, closing the window or the program during a search, the double-
// click into the Network window, and CombinixPair.ini.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "engine/message_table.h"
#include "engine/outcome_line_texts.h"
#include "engine/pair_texts.h"
#include "engine/shared_state.h"
#include "platform/linux/test_interface.h"
#include "platform/win32.h"
#include "tests/support/program_by_messages.h"
#include "window/keyboard.h"
#include "window/network_window.h"
#include "window/pair_inputs.h"
#include "window/pair_settings.h"
#include "window/pair_table.h"
#include "window/pair_window.h"

namespace {

std::string textOf(HWND window) {
    static char text[limits::TextSize];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// 180 irregular resistor values: three parts a side make some 7.8 million
// networks a side, whose building and sorting takes long enough to abort.
std::string longList() {
    std::string list;
    for (int i = 0; i < 180; ++i) list += std::to_string(1000 + 7 * i + (i * i) % 13) + "\r\n";
    return list;
}

// The edit boxes of the Pair window.
const int Boxes[] = {PairRowRatioBox,  PairRowVinBox,       PairRowVoutBox,      PairRowVrefBox,
                     PairRowTimeConstantBox, PairRowFrequencyBox, PairRowToleranceBox, PairRowMaxPartsBox,
                     PairRowAMinBox,   PairRowAMaxBox,      PairRowBMinBox,      PairRowBMaxBox,
                     PairRowTotalMinBox, PairRowTotalMaxBox};

class PairWindow : public ProgramByMessages {
  protected:
    void SetUp() override {
        ProgramByMessages::SetUp();
        resetNetworkWindow();
        useProgramLoop();
    }
    void TearDown() override {
        stopPairSearch();
        resetNetworkWindow();
        ProgramByMessages::TearDown();
    }

    // What WinMain's loop does with every message before it dispatches it.
    void useProgramLoop() {
        HWND mainWindow = main_;
        platform_test::setMessageFilter([mainWindow](const MSG* m) {
            return translateWindowKey(mainWindow, m) || showNetworkOnDoubleClick(mainWindow, nullptr, m) ||
                   translatePairWindowMessage(m);
        });
    }

    void open() {
        command(RowPair);
        platform_test::runUntilIdle();
        pair_ = pairWindow();
        ASSERT_NE(pair_, nullptr);
    }

    void pairCommand(int row) {
        SendMessageA(pair_, WM_COMMAND, MAKEWPARAM(row, BN_CLICKED),
                     reinterpret_cast<LPARAM>(pairControlWindows[row]));
    }
    void pairType(int row, const char* text) { platform_test::type(pairControlWindows[row], text); }
    bool enabled(int row) { return IsWindowEnabled(pairControlWindows[row]) != FALSE; }
    bool checked(int row) { return SendMessageA(pairControlWindows[row], BM_GETCHECK, 0, 0) == BST_CHECKED; }

    void finishPairSearch() {
        ASSERT_TRUE(platform_test::pumpUntil([] { return !pairSearchRunning(); }, 60.0));
        platform_test::runUntilIdle();
    }

    // A divider from the main window's List 1 of resistors, 5 V to 3.3 V.
    void runDivider(const char* tolerance = "1") {
        pairCommand(PairRowDividerMode);
        pairCommand(PairRowStockAList1);
        pairType(PairRowToleranceBox, tolerance);
        pairCommand(PairRowExecute);
        finishPairSearch();
    }

    // A search that runs long: the long list in the main window's List 2,
    // three parts a side, a tolerance nothing meets.
    void startLongSearch() {
        type(RowList2Box, longList().c_str());
        pairCommand(PairRowRatioMode);
        pairCommand(PairRowStockAList1 + PairStockList2);
        pairType(PairRowMaxPartsBox, "3");
        pairType(PairRowToleranceBox, "1e-9");
        pairType(PairRowRatioBox, "3.3");
        pairCommand(PairRowExecute);
        ASSERT_TRUE(pairSearchRunning());
    }

    std::vector<std::string> drawnTexts(HWND window) {
        std::vector<std::string> texts;
        for (int i = 0; i < platform_test::drawnItemCount(window); ++i) {
            platform_test::DrawnItem item = platform_test::drawnItem(window, i);
            if (item.kind == platform_test::PaintKind::Text) texts.push_back(item.text);
        }
        return texts;
    }

    HWND pair_ = nullptr;
};

TEST(PairTable, RowsAreTheControlsTheirNamesSayAndGroupsFollowTheirChoices) {
    struct Case {
        int row;
        const char* english;
    };
    const Case cases[] = {
        {PairRowRatioMode, "Ratio"},       {PairRowLcMode, "LC"},          {PairRowResistor, "Resistor"},
        {PairRowInductor, "Inductor"},     {PairRowByFrequency, "f (Hz)"}, {PairRowToleranceCaption, "+-(%)"},
        {PairRowTotalCaption, "A+B"},      {PairRowStockAList1, "List 1"}, {PairRowStockAE192, "E192"},
        {PairRowStockBAsA, "As A"},        {PairRowStockBE192, "E192"},    {PairRowExecute, "Execute"},
        {PairRowAbort, "Abort"},           {PairRowResultGroup, "Result"}, {PairRowVinCaption, "Vin (V)"},
    };
    for (const Case& c : cases) EXPECT_STREQ(pairControlTable[c.row].captionEnglish, c.english) << c.row;
    const int boxes[][2] = {{PairRowRatioBox, PairTextRatio},        {PairRowVrefBox, PairTextVref},
                            {PairRowTimeConstantBox, PairTextTimeConstant}, {PairRowFrequencyBox, PairTextFrequency},
                            {PairRowMaxPartsBox, PairTextMaxParts},  {PairRowAMinBox, PairTextAMin},
                            {PairRowBMaxBox, PairTextBMax},          {PairRowTotalMaxBox, PairTextTotalMax}};
    for (const auto& box : boxes) EXPECT_EQ(pairControlTable[box[0]].index, box[1]) << box[0];
    // Every radio button's choice (its row less its group's first) is one
    // of its field's, and the rows of a group follow one another.
    const int choices[PairFieldCount] = {PairModeCount, 3, 2, PairStockCount, PairStockCount + 1};
    int previous = -1;
    for (int row = 0; row < PairTableRows; ++row) {
        const PairControlEntry& e = pairControlTable[row];
        if (e.kind != RadioButton) continue;
        SCOPED_TRACE(row);
        ASSERT_GE(e.index, PairFieldMode);
        ASSERT_LE(e.index, PairFieldStockB);
        EXPECT_GE(row - e.group, 0);
        EXPECT_LT(row - e.group, choices[e.index]);
        if (row != e.group) {
            EXPECT_EQ(previous, row - 1);
        }
        previous = row;
    }
    // Every row lies inside the client area the window gets.
    for (int row = 0; row < PairTableRows; ++row) {
        EXPECT_LE(pairControlTable[row].right, 590) << row;
        EXPECT_LE(pairControlTable[row].bottom, 400) << row;
    }
}

int lineCount(const std::string& file) {
    int lines = 0;
    for (size_t i = 0; i + 1 < file.size(); ++i) lines += file[i] == '\r' && file[i + 1] == '\n' ? 1 : 0;
    return lines;
}

TEST_F(PairWindow, OpensOnceBesideTheMainWindowWithItsChoicesChecked) {
    int before = platform_test::windowCount();
    open();
    EXPECT_EQ(textOf(pair_), "\x83\x79\x83\x41\x92\x54\x8d\xf5" /* ペア探索 */);
    // The main window's button opens it; a second click brings the same
    // window back.
    int withPair = platform_test::windowCount();
    EXPECT_GT(withPair, before);
    command(RowPair);
    EXPECT_EQ(pairWindow(), pair_);
    EXPECT_EQ(platform_test::windowCount(), withPair);
    // Beside the main window, its client area the table's.
    RECT mainRect, pairRect, client;
    GetWindowRect(main_, &mainRect);
    GetWindowRect(pair_, &pairRect);
    GetClientRect(pair_, &client);
    EXPECT_EQ(pairRect.left, mainRect.right);
    EXPECT_EQ(pairRect.top, mainRect.top);
    EXPECT_EQ(client.right, 600);   // (590 + 10) tenths of charWidth 10
    EXPECT_EQ(client.bottom, 648);  // (400 + 5) tenths of lineHeight 16
    // The defaults: a divider of resistors from E24, B as A.
    std::set<int> checkedRows;
    for (int row = 0; row < PairTableRows; ++row) {
        if (pairControlTable[row].kind == RadioButton && checked(row)) checkedRows.insert(row);
    }
    EXPECT_EQ(checkedRows, (std::set<int>{PairRowDividerMode, PairRowResistor, PairRowByTimeConstant,
                                          PairRowStockAList1 + PairStockE24, PairRowStockBAsA}));
    EXPECT_EQ(textOf(pairControlWindows[PairRowVinBox]), "5");
    EXPECT_EQ(textOf(pairControlWindows[PairRowVoutBox]), "3.3");
    EXPECT_EQ(GetFocus(), pairControlWindows[PairRowVinBox]);
    EXPECT_TRUE(enabled(PairRowExecute));
    EXPECT_FALSE(enabled(PairRowAbort));
    // Every row that makes a window has one, with its row as its id.
    for (int row = 0; row < PairTableRows; ++row) {
        if (controlClassOf(pairControlTable[row].kind) == nullptr) continue;
        ASSERT_NE(pairControlWindows[row], nullptr) << row;
        EXPECT_EQ(GetDlgCtrlID(pairControlWindows[row]), row);
        EXPECT_EQ(GetParent(pairControlWindows[row]), pair_);
    }
}

TEST_F(PairWindow, EachModeEnablesTheBoxesItReads) {
    open();
    struct Case {
        int modeRow;
        int rcByRow;  // 0: leave
        std::set<int> boxes;
        bool partTypes;
    };
    const std::set<int> common = {PairRowToleranceBox, PairRowMaxPartsBox, PairRowAMinBox,
                                  PairRowAMaxBox,      PairRowBMinBox,     PairRowBMaxBox};
    auto with = [&common](std::set<int> own, bool total) {
        own.insert(common.begin(), common.end());
        if (total) own.insert({PairRowTotalMinBox, PairRowTotalMaxBox});
        return own;
    };
    const Case cases[] = {
        {PairRowRatioMode, 0, with({PairRowRatioBox}, true), true},
        {PairRowDividerMode, 0, with({PairRowVinBox, PairRowVoutBox}, true), true},
        {PairRowFeedbackMode, 0, with({PairRowVrefBox, PairRowVoutBox}, true), true},
        {PairRowRcMode, PairRowByTimeConstant, with({PairRowTimeConstantBox}, false), false},
        {PairRowRcMode, PairRowByFrequency, with({PairRowFrequencyBox}, false), false},
        {PairRowLcMode, 0, with({PairRowFrequencyBox}, false), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.modeRow * 100 + c.rcByRow);
        pairCommand(c.modeRow);
        if (c.rcByRow != 0) pairCommand(c.rcByRow);
        EXPECT_TRUE(checked(c.modeRow));
        std::set<int> shown;
        for (int row : Boxes) {
            if (enabled(row)) shown.insert(row);
        }
        EXPECT_EQ(shown, c.boxes);
        for (int row = PairRowResistor; row <= PairRowInductor; ++row) EXPECT_EQ(enabled(row), c.partTypes);
        EXPECT_EQ(enabled(PairRowTotalCaption), c.partTypes);
        // How an RC target is given is RC's choice; LC always shows f.
        EXPECT_EQ(enabled(PairRowByTimeConstant), c.modeRow == PairRowRcMode);
        EXPECT_EQ(enabled(PairRowByFrequency), c.modeRow == PairRowRcMode || c.modeRow == PairRowLcMode);
        if (c.modeRow == PairRowLcMode) {
            EXPECT_TRUE(checked(PairRowByFrequency));
        }
    }
    // Back to RC, the choice made before LC is there again.
    pairCommand(PairRowRcMode);
    EXPECT_TRUE(checked(PairRowByFrequency));
    EXPECT_FALSE(checked(PairRowByTimeConstant));
}

TEST_F(PairWindow, CaptionsFollowTheMainWindowsLanguage) {
    open();
    command(RowLanguage);
    EXPECT_EQ(textOf(pair_), "Pair");
    EXPECT_EQ(textOf(pairControlWindows[PairRowExecute]), "Execute");
    EXPECT_EQ(textOf(pairControlWindows[PairRowStockBAsA]), "As A");
    EXPECT_EQ(textOf(pairControlWindows[PairRowFeedbackMode]), "Feedback");
    for (int row = 0; row < PairTableRows; ++row) {
        const PairControlEntry& e = pairControlTable[row];
        if (isCaptionedKind(e.kind)) {
            EXPECT_EQ(textOf(pairControlWindows[row]), e.captionEnglish) << row;
        }
    }
    command(RowLanguage);
    EXPECT_EQ(textOf(pairControlWindows[PairRowExecute]), "\x8e\xc0\x8d\x73" /* 実行 */);
    EXPECT_EQ(textOf(pairControlWindows[PairRowFeedbackMode]), "\x8b\x41\x8a\xd2" /* 帰還 */);
    // A window opened in English is English from the start.
    PostMessageA(pair_, WM_CLOSE, 0, 0);
    platform_test::runUntilIdle();
    EXPECT_EQ(pairWindow(), nullptr);
    command(RowLanguage);
    open();
    EXPECT_EQ(textOf(pairControlWindows[PairRowAbort]), "Abort");
}

TEST_F(PairWindow, ADividerSearchShowsTheCommandLinesLinesAndOutcome) {
    open();
    pairCommand(PairRowDividerMode);
    pairCommand(PairRowStockAList1);
    pairCommand(PairRowExecute);
    // While it runs the inputs and Execute are locked, Abort is not.
    if (pairSearchRunning()) {
        EXPECT_FALSE(enabled(PairRowExecute));
        EXPECT_FALSE(enabled(PairRowVinBox));
        EXPECT_FALSE(enabled(PairRowRatioMode));
        EXPECT_FALSE(enabled(PairRowStockBAsA));
        EXPECT_TRUE(enabled(PairRowAbort));
        EXPECT_TRUE(enabled(PairRowResultBox));
    }
    finishPairSearch();
    EXPECT_TRUE(enabled(PairRowExecute));
    EXPECT_FALSE(enabled(PairRowAbort));
    const PairRequest& r = lastPairRequest();
    EXPECT_EQ(r.mode, PairMode::Divider);
    EXPECT_DOUBLE_EQ(r.target, 3.3 / 5);
    EXPECT_DOUBLE_EQ(r.tolerancePercent, 1);
    const PairSearch& search = lastPairSearch();
    ASSERT_GT(search.records().size(), 0u);
    EXPECT_FALSE(search.stopped());
    // Every record's line, as the command line writes it, in the records'
    // order, while they fit the box.
    std::string expected;
    char line[limits::PairTextSize];
    int shown = 0;
    for (const PairRecord& record : search.records()) {
        int n = formatPairLine(r, record, PairShownAs::Quantity, 0, line, sizeof line);
        if (expected.size() + static_cast<size_t>(n) + 2 > limits::TextSize - 1) break;
        expected += std::string(line) + "\r\n";
        ++shown;
    }
    EXPECT_EQ(textOf(pairControlWindows[PairRowResultBox]), expected);
    char outcome[limits::PairTextSize];
    formatPairOutcome(search.matches(), shown, false, 0, outcome, sizeof outcome);
    EXPECT_STREQ(pairOutcomeText(), outcome);
    // The outcome line is painted, and speaks the language switched to.
    EXPECT_EQ(drawnTexts(pair_), std::vector<std::string>{outcome});
    command(RowLanguage);
    formatPairOutcome(search.matches(), shown, false, 1, outcome, sizeof outcome);
    EXPECT_STREQ(pairOutcomeText(), outcome);
}

TEST_F(PairWindow, WhatCannotBeSearchedIsSaidInTheOutcomeLine) {
    open();
    pairCommand(PairRowStockAList1);
    pairType(PairRowVinBox, "five");
    pairCommand(PairRowExecute);
    EXPECT_FALSE(pairSearchRunning());
    EXPECT_STREQ(pairOutcomeText(),
                 "\x81\x75Vin\x81\x76\x82\xcc\x92\x6c\x82\xf0\x93\xc7\x82\xdf\x82\xdc\x82\xb9\x82\xf1\x81\x42" /* 「Vin」の値を読めません。 */);
    command(RowLanguage);
    EXPECT_STREQ(pairOutcomeText(), "The value of \"Vin\" cannot be read.");
    // A request the search refuses: its own message.
    pairType(PairRowVinBox, "3");
    pairType(PairRowVoutBox, "5");
    pairCommand(PairRowExecute);
    EXPECT_FALSE(pairSearchRunning());
    char fault[limits::PairTextSize];
    formatPairFault(PairFault::TargetOutOfReach, lastPairRequest(), 1, fault, sizeof fault);
    EXPECT_STREQ(pairOutcomeText(), fault);
    EXPECT_NE(fault[0], '\0');
    // A side without parts names the side as the lines do.
    pairCommand(PairRowStockBList1 + PairStockList3);
    type(RowList3Box, "");
    pairType(PairRowVoutBox, "1");
    pairCommand(PairRowExecute);
    EXPECT_STREQ(pairOutcomeText(), "The list of R2 names no part.");
}

TEST_F(PairWindow, AbortStopsTheSearchAndShowsWhatItFound) {
    open();
    startLongSearch();
    // The progress line stands where the outcome does.
    platform_test::runUntilIdle();
    std::vector<std::string> painted = drawnTexts(pair_);
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0].substr(0, 6), "\x92\x54\x8d\xf5\x92\x86" /* 探索中 */);
    platform_test::answerMessageBox(IDNO);
    pairCommand(PairRowAbort);
    EXPECT_TRUE(pairSearchRunning());
    EXPECT_STREQ(platform_test::lastMessageBoxText(), messageText(MsgReallyAbort));
    platform_test::answerMessageBox(IDYES);
    pairCommand(PairRowAbort);
    EXPECT_FALSE(pairSearchRunning());
    EXPECT_TRUE(lastPairSearch().stopped());
    EXPECT_TRUE(enabled(PairRowExecute));
    EXPECT_FALSE(enabled(PairRowAbort));
    char outcome[limits::PairTextSize];
    formatPairOutcome(lastPairSearch().matches(), 0, true, 0, outcome, sizeof outcome);
    EXPECT_STREQ(pairOutcomeText(), outcome);
    // The search's late WM_PAIRFINISHED changes nothing; a new search runs.
    platform_test::runUntilIdle();
    EXPECT_STREQ(pairOutcomeText(), outcome);
    runDivider();
    EXPECT_FALSE(lastPairSearch().stopped());
    EXPECT_GT(lastPairSearch().records().size(), 0u);
}

TEST_F(PairWindow, EnterRunsTheSearchAndEscapeAsksToAbort) {
    open();
    startLongSearch();
    platform_test::answerMessageBox(IDYES);
    platform_test::pressKey(pair_, VK_ESCAPE);
    platform_test::dispatchPostedMessages();
    EXPECT_FALSE(pairSearchRunning());
    EXPECT_EQ(platform_test::messageBoxCount(), 1);
    // Enter in a box the mode reads is Execute; the focus comes back to
    // that box once the search is over.
    SetFocus(pairControlWindows[PairRowRatioBox]);
    platform_test::pressKey(pair_, VK_RETURN);
    platform_test::dispatchPostedMessages();
    EXPECT_TRUE(pairSearchRunning());
    EXPECT_EQ(GetFocus(), nullptr);
    platform_test::answerMessageBox(IDYES);
    platform_test::pressKey(pair_, VK_ESCAPE);
    platform_test::dispatchPostedMessages();
    EXPECT_FALSE(pairSearchRunning());
    EXPECT_EQ(GetFocus(), pairControlWindows[PairRowRatioBox]);
    // Tab goes on through the table's rows, past the disabled ones.
    platform_test::pressKey(pair_, VK_TAB);
    platform_test::dispatchPostedMessages();
    EXPECT_EQ(GetFocus(), pairControlWindows[PairRowToleranceBox]);
    platform_test::pressKey(pair_, VK_TAB, true);
    platform_test::dispatchPostedMessages();
    EXPECT_EQ(GetFocus(), pairControlWindows[PairRowRatioBox]);
}

TEST_F(PairWindow, ClosingTheWindowDuringASearchStopsIt) {
    open();
    startLongSearch();
    PostMessageA(pair_, WM_CLOSE, 0, 0);
    platform_test::runUntilIdle();
    EXPECT_EQ(pairWindow(), nullptr);
    EXPECT_FALSE(pairSearchRunning());
    EXPECT_TRUE(lastPairSearch().stopped());
    // The boxes were read as they stood.
    EXPECT_STREQ(pairInputs.texts[PairTextTolerance], "1e-9");
    EXPECT_EQ(pairInputs.fields[PairFieldMode], static_cast<int32_t>(PairMode::Ratio));
    // Opened again, it shows no outcome of the stopped search, and runs a
    // search of its own; closed and opened once more, it shows that one's
    // records and outcome, and draws them.
    open();
    EXPECT_EQ(textOf(pairControlWindows[PairRowToleranceBox]), "1e-9");
    EXPECT_STREQ(pairOutcomeText(), "");
    runDivider();
    ASSERT_GT(lastPairSearch().records().size(), 0u);
    const std::string lines = textOf(pairControlWindows[PairRowResultBox]);
    const std::string outcome = pairOutcomeText();
    PostMessageA(pair_, WM_CLOSE, 0, 0);
    platform_test::runUntilIdle();
    open();
    EXPECT_EQ(textOf(pairControlWindows[PairRowResultBox]), lines);
    EXPECT_EQ(pairOutcomeText(), outcome);
    EXPECT_TRUE(showPairLine(0));
}

TEST_F(PairWindow, ClosingTheProgramDuringASearchStopsItAndSavesTheInputs) {
    open();
    startLongSearch();
    PostMessageA(main_, WM_CLOSE, 0, 0);
    platform_test::runUntilIdle();
    ASSERT_TRUE(platform_test::quitRequested(nullptr));
    EXPECT_FALSE(pairSearchRunning());
    EXPECT_TRUE(lastPairSearch().stopped());
    std::string file = readFile("CombinixPair.ini");
    EXPECT_EQ(lineCount(file), 25);
    EXPECT_NE(file.find("\r\n1e-9\r\n"), std::string::npos);
    EXPECT_EQ(lineCount(readFile("Combinix.ini")), 54);
}

TEST_F(PairWindow, ExitClosesThePairWindowAndSavesItsInputs) {
    open();
    pairCommand(PairRowFeedbackMode);
    pairType(PairRowVrefBox, "0.8");
    platform_test::answerMessageBox(IDYES);
    command(RowExit);
    platform_test::runUntilIdle();
    EXPECT_EQ(pairWindow(), nullptr);
    EXPECT_NE(readFile("CombinixPair.ini").find("\r\n0.8\r\n"), std::string::npos);
}

TEST_F(PairWindow, InputsComeBackAtTheNextStart) {
    open();
    pairCommand(PairRowCapacitor);
    pairCommand(PairRowRcMode);
    pairCommand(PairRowByFrequency);
    pairCommand(PairRowStockAList1 + PairStockE96);
    pairCommand(PairRowStockBList1 + PairStockList3);
    const char* typed[PairTextCount] = {"2", "12", "5", "0.6", "10m", "455k", "0.25", "3",
                                        "1k", "1M", "", "47k", "10k", "100k"};
    // Set as they stand, whichever the mode reads.
    for (int n = 0; n < PairTextCount; ++n) SetWindowTextA(pairControlWindows[Boxes[n]], typed[n]);
    MoveWindow(pair_, 300, 40, 100, 100, TRUE);
    RECT moved;
    GetWindowRect(pair_, &moved);
    PostMessageA(main_, WM_CLOSE, 0, 0);
    platform_test::runUntilIdle();
    ASSERT_TRUE(platform_test::quitRequested(nullptr));

    // The file: the count of choices, the choices, the count of texts,
    // the texts, CP932 and CR LF; the main file keeps its 54 lines.
    std::string expected = "9\r\n3\r\n1\r\n1\r\n8\r\n3\r\n";
    expected += std::to_string(moved.left) + "\r\n" + std::to_string(moved.top) + "\r\n" +
                std::to_string(moved.right) + "\r\n" + std::to_string(moved.bottom) + "\r\n14\r\n";
    for (const char* t : typed) expected += std::string(t) + "\r\n";
    EXPECT_EQ(readFile("CombinixPair.ini"), expected);
    EXPECT_EQ(lineCount(readFile("Combinix.ini")), 54);

    start();
    useProgramLoop();
    open();
    EXPECT_TRUE(checked(PairRowRcMode));
    EXPECT_TRUE(checked(PairRowByFrequency));
    EXPECT_TRUE(checked(PairRowCapacitor));
    EXPECT_TRUE(checked(PairRowStockAList1 + PairStockE96));
    EXPECT_TRUE(checked(PairRowStockBList1 + PairStockList3));
    for (int n = 0; n < PairTextCount; ++n) EXPECT_EQ(textOf(pairControlWindows[Boxes[n]]), typed[n]) << n;
    RECT r;
    GetWindowRect(pair_, &r);
    EXPECT_EQ(r.left, moved.left);
    EXPECT_EQ(r.top, moved.top);
    // Its size is the table's, whatever the file says.
    RECT client;
    GetClientRect(pair_, &client);
    EXPECT_EQ(client.right, 600);
}

TEST_F(PairWindow, AnOlderSettingsFileOrADamagedPairFileStartsWithTheDefaults) {
    // A run that never opened the Pair window still writes its file; an
    // older program wrote only Combinix.ini.
    command(RowLanguage);
    PostMessageA(main_, WM_CLOSE, 0, 0);
    platform_test::runUntilIdle();
    ASSERT_EQ(remove("CombinixPair.ini"), 0);
    start();
    useProgramLoop();
    EXPECT_EQ(settings.language, 1);
    PairInputs defaults;
    fillDefaultPairInputs(&defaults);
    for (int i = 0; i < PairFieldCount; ++i) EXPECT_EQ(pairInputs.fields[i], defaults.fields[i]) << i;
    for (int n = 0; n < PairTextCount; ++n) EXPECT_STREQ(pairInputs.texts[n], defaults.texts[n]) << n;

    struct Case {
        const char* file;
        int32_t mode, partType, rcBy;
        const char* ratio;
    };
    const Case cases[] = {
        {"", 1, 0, 0, "10"},                                   // empty
        {"3\r\n4\r\n2\r\n7\r\n", 4, 2, 0, "10"},               // short; 7 is no RC choice
        {"9\r\n99\r\n-5\r\n1\r\n", 1, 0, 1, "10"},             // odd choices, no texts
        {"2\r\n0\r\n1\r\n3\r\n2.5\r\nextra\r\n", 0, 1, 0, "2.5"},  // fewer choices, then texts
        {"x\r\ny\r\n", 1, 0, 0, "10"},                         // no numbers at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        std::ofstream("CombinixPair.ini", std::ios::binary) << c.file;
        start();
        useProgramLoop();
        EXPECT_EQ(pairInputs.fields[PairFieldMode], c.mode);
        EXPECT_EQ(pairInputs.fields[PairFieldPartType], c.partType);
        EXPECT_EQ(pairInputs.fields[PairFieldRcBy], c.rcBy);
        EXPECT_STREQ(pairInputs.texts[PairTextRatio], c.ratio);
        open();
        EXPECT_TRUE(checked(PairRowRatioMode + c.mode));
    }
}

TEST_F(PairWindow, ADoubleClickedLineIsDrawnInTheNetworkWindow) {
    open();
    runDivider();
    const PairSearch& search = lastPairSearch();
    ASSERT_GT(search.records().size(), 1u);
    HWND box = pairControlWindows[PairRowResultBox];
    // The second line: 16 pixels a line from the top of the box.
    platform_test::doubleClick(box, 30, 16 + 8);
    platform_test::runUntilIdle();
    HWND network = networkWindow();
    ASSERT_NE(network, nullptr);
    // The window shows the line and the divider's terminals and names.
    char line[limits::PairTextSize];
    formatPairLine(lastPairRequest(), search.records()[1], PairShownAs::Quantity, 0, line, sizeof line);
    std::vector<std::string> texts = drawnTexts(network);
    EXPECT_EQ(texts.at(0), line);
    for (const char* name : {"in", "out", "GND", "R1", "R2"}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), name), texts.end()) << name;
    }
    // The line is highlighted whole.
    DWORD start = 0, end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::string boxText = textOf(box);
    size_t second = boxText.find('\n') + 1;
    EXPECT_EQ(start, second);
    EXPECT_EQ(end, second + strlen(line));
    // A line edited into one no record has draws nothing; a line past the
    // text neither.
    EXPECT_FALSE(showPairLine(static_cast<int>(search.records().size()) + 5));
    SetWindowTextA(box, "1: no such pair\r\n");
    EXPECT_FALSE(showPairLine(0));
}

}  // namespace
