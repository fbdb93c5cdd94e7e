// The whole program driven as a user would, by messages, with no display:
// the commands, the search worker with its locking and Abort, and the
// settings file as window creation and destruction use it.
#include <gtest/gtest.h>

#include <string>

#include "engine/message_table.h"
#include "engine/recorder.h"
#include "engine/shared_state.h"
#include "platform/linux/test_interface.h"
#include "platform/win32.h"
#include "tests/support/program_by_messages.h"
#include "tests/support/temp_directory.h"
#include "window/commands.h"
#include "window/control_table.h"
#include "window/main_window.h"
#include "window/scrolling.h"
#include "window/settings_file.h"

namespace {

std::string textOf(HWND window) {
    static char text[limits::TextSize];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool checked(int row) {
    return SendMessageA(controlWindows[row], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST_F(ProgramByMessages, FirstStartWithoutSettingsFile) {
    EXPECT_EQ(settings.language, 0);
    EXPECT_TRUE(checked(RowResistor));
    EXPECT_TRUE(checked(RowList1Choice));
    EXPECT_FALSE(checked(RowShowAll));
    EXPECT_FALSE(checked(RowParallelOnly));
    EXPECT_EQ(textOf(controlWindows[RowTargetBox]), "1.42k");
    RECT r;
    GetWindowRect(main_, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 550);
    EXPECT_EQ(r.bottom, 648);
    EXPECT_TRUE(idle());
}

TEST_F(ProgramByMessages, LanguageButtonTwiceComesBack) {
    command(RowLanguage);
    EXPECT_EQ(settings.language, 1);
    EXPECT_EQ(textOf(controlWindows[RowLanguage]), "Japanese");
    EXPECT_EQ(textOf(controlWindows[RowExecute]), "Execute");
    command(RowLanguage);
    EXPECT_EQ(settings.language, 0);
    EXPECT_EQ(textOf(controlWindows[RowLanguage]), "English");
    EXPECT_EQ(textOf(controlWindows[RowExecute]), "\x8e\xc0\x8d\x73" /* 実行 */);
}

TEST_F(ProgramByMessages, PartTypeSwitchKeepsUnsavedListEdits) {
    type(RowList1Box, "470\r\nmine\r\n");
    command(RowResistor);  // the chosen type again: stored, shown unchanged
    EXPECT_STREQ(textBuffers[10], "470\r\nmine\r\n");
    EXPECT_EQ(textOf(controlWindows[RowList1Box]), "470\r\nmine\r\n");
    EXPECT_TRUE(checked(RowResistor));

    type(RowList2Box, "second\r\n");
    command(RowCapacitor);
    EXPECT_TRUE(checked(RowCapacitor));
    EXPECT_FALSE(checked(RowResistor));
    EXPECT_EQ(textOf(controlWindows[RowList1Box]), textBuffers[11]);
    command(RowResistor);
    EXPECT_EQ(textOf(controlWindows[RowList1Box]), "470\r\nmine\r\n");
    EXPECT_EQ(textOf(controlWindows[RowList2Box]), "second\r\n");
}

TEST_F(ProgramByMessages, ListChoiceNamesTheBufferTheSearchParses) {
    command(RowCapacitor);
    command(RowE12Choice);
    EXPECT_TRUE(checked(RowE12Choice));
    EXPECT_FALSE(checked(RowList1Choice));
    EXPECT_EQ(settings.listSelection, 4);
    type(RowTargetBox, "1u");
    command(RowExecute);
    finishSearch();
    // The capacitor E12 list (buffer 23) spells its first decade "1.0".
    EXPECT_EQ(std::string(resultText).substr(0, 26), "1: 1.00000u,     0%, 1.0\r\n");
    // The boxes still show the capacitor lists.
    EXPECT_EQ(textOf(controlWindows[RowList1Box]), textBuffers[11]);
}

TEST_F(ProgramByMessages, CheckBoxesToggle) {
    command(RowShowAll);
    command(RowParallelOnly);
    EXPECT_EQ(settings.showAll, 1);
    EXPECT_EQ(settings.parallelOnly, 1);
    EXPECT_TRUE(checked(RowShowAll));
    command(RowShowAll);
    EXPECT_EQ(settings.showAll, 0);
    EXPECT_FALSE(checked(RowShowAll));
}

TEST_F(ProgramByMessages, ExecuteLocksTheControlsUntilTheSearchEnds) {
    command(RowExecute);
    EXPECT_TRUE(lockedForRun());
    // Still usable while it runs.
    EXPECT_TRUE(IsWindowEnabled(controlWindows[RowShowAll]));
    EXPECT_TRUE(IsWindowEnabled(controlWindows[RowLanguage]));
    EXPECT_TRUE(IsWindowEnabled(controlWindows[RowE24Choice]));
    finishSearch();
    EXPECT_TRUE(idle());
    EXPECT_STREQ(statusText, TwentySixFound);
    EXPECT_EQ(textOf(controlWindows[RowResultBox]), resultText);
    EXPECT_EQ(textOf(controlWindows[RowResultBox]).substr(0, 43),
              "4: 1.42857k,  0.60%, 10k / 10k /(1k + 1k)\r\n");
}

TEST_F(ProgramByMessages, SortCommandsReorderTheResultBox) {
    command(RowExecute);
    finishSearch();
    command(RowSortByValue);
    std::string text = textOf(controlWindows[RowResultBox]);
    EXPECT_EQ(text.size(), strlen(resultText));
    // The four-part matches by value: 1.40909k comes before 1.42857k.
    EXPECT_LT(text.find("1.40909k"), text.find("1.42857k"));
    command(RowSortByError);
    EXPECT_EQ(textOf(controlWindows[RowResultBox]).substr(0, 43),
              "4: 1.42857k,  0.60%, 10k / 10k /(1k + 1k)\r\n");
    EXPECT_TRUE(idle());
}

TEST_F(ProgramByMessages, AbortAnsweredNoLeavesTheSearchRunning) {
    command(RowExecute);
    platform_test::answerMessageBox(IDNO);
    command(RowAbort);
    EXPECT_TRUE(lockedForRun());
    finishSearch();
    EXPECT_STREQ(statusText, TwentySixFound);
}

TEST_F(ProgramByMessages, AbortUnlocksAtOnceAndReportsInEnglish) {
    // The worker waits for this thread at its first shown match, so the
    // search is still running when Abort is confirmed.
    command(RowExecute);
    platform_test::answerMessageBox(IDYES);
    command(RowAbort);
    EXPECT_TRUE(idle());
    std::string expected = "aborted. found = " + std::to_string(settings.matchCount) + "\n";
    EXPECT_EQ(statusText, expected);
    EXPECT_EQ(std::string(platform_test::lastMessageBoxCaption()), "Abort");
    finishSearch();
    // The stopped worker wrote nothing after the stop.
    EXPECT_EQ(statusText, expected);
    EXPECT_TRUE(idle());

    // A new search right after works.
    command(RowExecute);
    finishSearch();
    EXPECT_STREQ(statusText, TwentySixFound);
}

TEST_F(ProgramByMessages, NewSearchRightAfterAnAbortOfARunningOne) {
    command(RowExecute);
    platform_test::answerMessageBox(IDYES);
    command(RowAbort);
    command(RowExecute);  // the stopped worker has not left yet
    EXPECT_TRUE(lockedForRun());
    finishSearch();
    EXPECT_STREQ(statusText, TwentySixFound);
    EXPECT_TRUE(idle());
}

TEST_F(ProgramByMessages, ExitAsksAndSavesOnYes) {
    platform_test::answerMessageBox(IDNO);
    command(RowExit);
    EXPECT_TRUE(IsWindow(main_));
    EXPECT_FALSE(platform_test::quitRequested(nullptr));
    platform_test::answerMessageBox(IDYES);
    command(RowExit);
    int code = -1;
    EXPECT_TRUE(platform_test::quitRequested(&code));
    EXPECT_EQ(code, 0);
    EXPECT_NE(readFile("Combinix.ini").find("1.42k"), std::string::npos);
}

TEST_F(ProgramByMessages, QuestionsHaveTheirButtonsInTheProgramsLanguage) {
    struct Case {
        int language;
        const char* yes;
        const char* no;
    };
    const Case cases[] = {
        {1, "Yes", "No"},
        {0, "\x82\xcd\x82\xa2" /* はい */, "\x82\xa2\x82\xa2\x82\xa6" /* いいえ */},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        command(RowLanguage);  // Japanese at start: English, then back
        ASSERT_EQ(settings.language, c.language);
        platform_test::answerMessageBox(IDNO);
        command(RowExit);
        EXPECT_STREQ(platform_test::lastMessageBoxText(), messageText(MsgReallyExit));
        EXPECT_STREQ(platform_test::lastMessageBoxButton(0), c.yes);
        EXPECT_STREQ(platform_test::lastMessageBoxButton(1), c.no);
    }
}

TEST_F(ProgramByMessages, DefaultSizeButtonKeepsThePosition) {
    MoveWindow(main_, 30, 40, 300, 200, TRUE);
    command(RowDefaultSize);
    RECT r;
    GetWindowRect(main_, &r);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right - r.left, 550);
    EXPECT_EQ(r.bottom - r.top, 648);
}

TEST_F(ProgramByMessages, SecondStartShowsWhatTheFirstLeft) {
    command(RowExecute);
    finishSearch();
    command(RowLanguage);
    command(RowInductor);
    command(RowE6Choice);
    command(RowShowAll);
    type(RowToleranceBox, "2");
    MoveWindow(main_, 12, 34, 600, 500, TRUE);
    std::string result = resultText;
    PostMessageA(main_, WM_CLOSE, 0, 0);
    platform_test::runUntilIdle();
    ASSERT_TRUE(platform_test::quitRequested(nullptr));

    std::string file = readFile("Combinix.ini");
    int lines = 0;
    for (char c : file) lines += c == '\n' ? 1 : 0;
    EXPECT_EQ(lines, 54);

    start();
    EXPECT_EQ(settings.language, 1);
    EXPECT_TRUE(checked(RowInductor));
    EXPECT_TRUE(checked(RowE6Choice));
    EXPECT_TRUE(checked(RowShowAll));
    EXPECT_EQ(textOf(controlWindows[RowToleranceBox]), "2");
    EXPECT_EQ(textOf(controlWindows[RowResultBox]), result);
    EXPECT_STREQ(statusText, TwentySixFound);
    EXPECT_EQ(textOf(controlWindows[RowList1Box]), textBuffers[12]);
    RECT r;
    GetWindowRect(main_, &r);
    EXPECT_EQ(r.left, 12);
    EXPECT_EQ(r.top, 34);
    EXPECT_EQ(r.right - r.left, 600);
    EXPECT_EQ(r.bottom - r.top, 500);
}

TEST_F(ProgramByMessages, ClosingDuringASearchSavesWholeTexts) {
    command(RowExecute);
    PostMessageA(main_, WM_CLOSE, 0, 0);
    platform_test::runUntilIdle();
    ASSERT_TRUE(platform_test::quitRequested(nullptr));
    std::string saved = readFile("Combinix.ini");
    finishSearch();
    // The stopped search changed nothing after the save.
    EXPECT_EQ(readFile("Combinix.ini"), saved);
    std::string text = resultText;
    EXPECT_TRUE(text.empty() || text.substr(text.size() - 2) == "\r\n");
}

TEST_F(ProgramByMessages, SavedRectangleIsPulledOntoTheScreen) {
    struct Case {
        int left, top, right, bottom;
        int x, y, width, height;
    } cases[] = {
        {100, 100, 700, 600, 100, 100, 600, 500},     // fits
        {1750, 100, 2250, 600, 0, 100, 500, 500},     // left + 200 beyond 1920
        {100, 960, 700, 1400, 100, 0, 600, 440},      // top + 150 beyond 1080
        {100, 100, 104, 600, 100, 100, 550, 648},     // too narrow: default size
        {100, 100, 700, 105, 100, 100, 550, 648},     // too low
        {-3000, -2000, -2400, -1500, -3000, -2000, 600, 500},  // kept, off screen
    };
    for (const Case& c : cases) {
        platform_test::setScreenSize(1920, 1080);
        settings.windowLeft = c.left;
        settings.windowTop = c.top;
        settings.windowRight = c.right;
        settings.windowBottom = c.bottom;
        placeWindow(main_);
        RECT r;
        GetWindowRect(main_, &r);
        EXPECT_EQ(r.left, c.x) << c.left;
        EXPECT_EQ(r.top, c.y) << c.top;
        EXPECT_EQ(r.right - r.left, c.width) << c.left;
        EXPECT_EQ(r.bottom - r.top, c.height) << c.left;
    }
}

TEST_F(ProgramByMessages, OddSettingsFileStartsThePlainProgram) {
    std::string f = "20\r\n7\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n7\r\n0\r\n0\r\n9\r\n";
    for (int i = 0; i < 6; ++i) f += "0\r\n";
    f += "32\r\n\r\n1k\r\n1\r\n5\r\n200\r\nshown list\r\n";
    std::ofstream("Combinix.ini", std::ios::binary) << f;
    start();
    EXPECT_EQ(settings.language, 0);  // 7 has no captions
    EXPECT_EQ(settings.partType, 7);
    EXPECT_FALSE(checked(RowResistor));
    EXPECT_FALSE(checked(RowCapacitor));
    EXPECT_FALSE(checked(RowInductor));
    for (int row = RowList1Choice; row <= RowE3Choice; ++row) EXPECT_FALSE(checked(row));
    EXPECT_EQ(textOf(controlWindows[RowList1Box]), "shown list");
    command(RowExecute);  // a list selection of 9 names no list
    finishSearch();
    EXPECT_STREQ(statusText, "\x95\x94\x95\x69\x83\x8a\x83\x58\x83\x67\x83\x47\x83\x89\x81\x5b" /* 部品リストエラー */);
}

}  // namespace
