// The keyboard in the main window, driven headless through the program's own
// key handling in the message loop: the focus at start, Enter in the input
// boxes, Escape during a search, the Tab order and the focus after a run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/message_table.h"
#include "engine/shared_state.h"
#include "platform/linux/test_interface.h"
#include "platform/win32.h"
#include "tests/support/edit_selection.h"
#include "tests/support/main_window_class.h"
#include "tests/support/temp_directory.h"
#include "window/commands.h"
#include "window/control_table.h"
#include "window/keyboard.h"
#include "window/main_window.h"
#include "window/scrolling.h"

namespace {

std::vector<int> clicks;

// The program's window procedure, with the clicked rows noted on the way.
LRESULT CALLBACK notingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) clicks.push_back(LOWORD(wParam));
    return mainWindowProcedure(window, message, wParam, lParam);
}

std::string textOf(HWND window) {
    static char text[limits::TextSize];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override {
        platform_test::reset();
        resetSharedState();
        hScrollOffset = vScrollOffset = 0;
        clicks.clear();
        ASSERT_NE(registerMainWindowClassWith(notingProcedure), 0);
        main_ = createMainWindow(nullptr);
        ASSERT_NE(main_, nullptr);
        ShowWindow(main_, SW_SHOWNORMAL);
        focusTargetBox();
        // What WinMain's loop does with every message.
        HWND mainWindow = main_;
        platform_test::setMessageFilter([mainWindow](const MSG* m) { return translateWindowKey(mainWindow, m); });
        platform_test::runUntilIdle();
    }
    void TearDown() override {
        finishSearch();
        platform_test::reset();
        resetSharedState();
        hScrollOffset = vScrollOffset = 0;
    }

    // The key through the program's loop. Only the posted messages are
    // dispatched: a search it starts waits for this thread at its first
    // match and is still running afterwards.
    void press(int key, bool shift = false) {
        platform_test::pressKey(main_, key, shift);
        platform_test::dispatchPostedMessages();
    }

    void finishSearch() {
        EXPECT_TRUE(platform_test::pumpUntil([] { return !searchWorkerAlive(); }, 60.0));
        platform_test::runUntilIdle();
    }

    bool running() { return workerHandle != nullptr && IsWindowEnabled(controlWindows[RowAbort]); }

    int focusRow() {
        HWND focus = GetFocus();
        return focus ? GetDlgCtrlID(focus) : -1;
    }

    TemporaryCurrentDirectory directory_;
    HWND main_ = nullptr;
};

TEST_F(Keyboard, StartsInTheTargetBoxWithItsTextSelectedAndItsStartInView) {
    HWND target = controlWindows[RowTargetBox];
    EXPECT_EQ(GetFocus(), target);
    EditSelection s = selectionOf(target);
    EXPECT_EQ(s.start, 0u);
    EXPECT_EQ(s.end, 5u);  // "1.42k"
    // A value longer than the box: still its start in view.
    SetWindowTextA(target, "1.2345678901234k");
    focusTargetBox();
    EXPECT_EQ(selectionOf(target).end, 16u);
    EXPECT_EQ(SendMessageA(target, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    // Typing replaces the selected value.
    platform_test::type(target, "4.7k");
    press(VK_RETURN);
    EXPECT_STREQ(textBuffers[BufTarget], "4.7k");
}

TEST_F(Keyboard, EnterInEachInputBoxRunsTheSearchAsAClickOnExecute) {
    struct Case {
        int row;
        int buffer;
        const char* typed;
    };
    const Case cases[] = {
        {RowTargetBox, BufTarget, "2.2k"},
        {RowToleranceBox, BufTolerance, "0.5"},
        {RowMaxPartsBox, BufMaxParts, "3"},
        {RowRangeBox, BufRange, "20"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        SetFocus(controlWindows[c.row]);
        platform_test::type(controlWindows[c.row], c.typed);
        clicks.clear();
        press(VK_RETURN);
        EXPECT_EQ(clicks, std::vector<int>{RowExecute});
        EXPECT_TRUE(running());
        EXPECT_STREQ(textBuffers[c.buffer], c.typed);
        finishSearch();
        std::string byEnter = resultText;
        std::string outcomeByEnter = statusText;
        // The same inputs, clicked.
        platform_test::click(controlWindows[RowExecute]);
        platform_test::runUntilIdle();
        finishSearch();
        EXPECT_EQ(resultText, byEnter);
        EXPECT_EQ(statusText, outcomeByEnter);
    }
}

TEST_F(Keyboard, EnterElsewhereOrWhileExecuteIsDisabledRunsNothing) {
    // In a list box Enter is the box's (a new line), not Execute.
    SetFocus(controlWindows[RowList1Box]);
    press(VK_RETURN);
    // On a button, as on a Win32 button, Enter does nothing.
    SetFocus(controlWindows[RowExit]);
    press(VK_RETURN);
    EXPECT_TRUE(clicks.empty());
    EXPECT_FALSE(running());
    // Execute disabled: an input box's Enter is taken and does nothing.
    SetFocus(controlWindows[RowTargetBox]);
    press(VK_RETURN);
    ASSERT_TRUE(running());
    EnableWindow(controlWindows[RowTargetBox], TRUE);  // only for the test: a box with the focus
    SetFocus(controlWindows[RowTargetBox]);
    press(VK_RETURN);
    EXPECT_EQ(clicks, std::vector<int>{RowExecute});
}

TEST_F(Keyboard, EscapeAsksTheAbortQuestionOnlyWhileASearchRuns) {
    press(VK_ESCAPE);
    EXPECT_EQ(platform_test::messageBoxCount(), 0);
    press(VK_RETURN);
    ASSERT_TRUE(running());
    // The search disabled the target box: nothing has the focus, and the
    // key comes as a system key to the window.
    EXPECT_EQ(GetFocus(), nullptr);
    platform_test::answerMessageBox(IDNO);
    press(VK_ESCAPE);
    EXPECT_EQ(platform_test::messageBoxCount(), 1);
    EXPECT_TRUE(running());
    platform_test::answerMessageBox(IDYES);
    press(VK_ESCAPE);
    EXPECT_EQ(platform_test::messageBoxCount(), 2);
    EXPECT_STREQ(platform_test::lastMessageBoxText(), messageText(MsgReallyAbort));
    EXPECT_STREQ(platform_test::lastMessageBoxCaption(), "Abort");
    EXPECT_FALSE(running());
    EXPECT_EQ(std::string(statusText).substr(0, 17), "aborted. found = ");
    EXPECT_EQ(clicks, (std::vector<int>{RowExecute, RowAbort, RowAbort}));
}

TEST_F(Keyboard, TabFollowsTheTableRowsAndShiftTabGoesBack) {
    // Every enabled button, check box, radio button and edit box in row
    // order, the Pair window's button last; Abort (23) is disabled while no
    // search runs.
    const std::vector<int> order = {RowTargetBox, RowToleranceBox, RowMaxPartsBox, RowRangeBox, RowShowAll,
                                    RowExecute, RowExit, RowParallelOnly, RowResultBox, RowList1Box,
                                    RowList2Box, RowList3Box, RowSortByError, RowSortByValue, RowList1Choice,
                                    RowList2Choice, RowList3Choice, RowE24Choice, RowE12Choice, RowE6Choice,
                                    RowE3Choice, RowPair, RowLanguage, RowDefaultSize, RowResistor, RowCapacitor,
                                    RowInductor, RowTargetBox};
    std::vector<int> forward{focusRow()};
    for (size_t i = 1; i < order.size(); ++i) {
        press(VK_TAB);
        forward.push_back(focusRow());
    }
    EXPECT_EQ(forward, order);
    std::vector<int> backward{focusRow()};
    for (size_t i = 1; i < order.size(); ++i) {
        press(VK_TAB, true);
        backward.push_back(focusRow());
    }
    EXPECT_EQ(backward, std::vector<int>(order.rbegin(), order.rend()));
    // An edit box reached by Tab has its whole text selected.
    press(VK_TAB);
    EditSelection s = selectionOf(controlWindows[RowToleranceBox]);
    EXPECT_EQ(s.start, 0u);
    EXPECT_EQ(s.end, static_cast<DWORD>(textOf(controlWindows[RowToleranceBox]).size()));
    EXPECT_TRUE(clicks.empty());
}

TEST_F(Keyboard, FocusComesBackToItsControlWhenTheControlsAreEnabledAgain) {
    press(VK_RETURN);
    EXPECT_EQ(GetFocus(), nullptr);
    finishSearch();
    EXPECT_EQ(focusRow(), RowTargetBox);
    // After an abort, even when the window itself took the focus meanwhile
    // (as Win32 gives it when a message box closes), and after a sort that
    // a click started.
    press(VK_RETURN);
    SetFocus(main_);
    platform_test::answerMessageBox(IDYES);
    press(VK_ESCAPE);
    EXPECT_EQ(focusRow(), RowTargetBox);
    finishSearch();
    platform_test::click(controlWindows[RowSortByValue]);
    platform_test::runUntilIdle();
    EXPECT_EQ(focusRow(), RowSortByValue);
}

}  // namespace
