// The running program under a storm of clicks: Execute, Abort, the sorts,
// the language, part type and list choices and both check boxes in random
// order and at random moments, against searches of every size, with the
// progress timer firing among them. Afterwards the program must be idle and
// consistent: no deadlock, every control as in the idle state, an outcome
// the program can write and shows, and the lists exactly as typed. (Run under ThreadSanitizer by the sanitizer build.)
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "engine/message_table.h"
#include "engine/shared_state.h"
#include "platform/linux/test_interface.h"
#include "platform/win32.h"
#include "tests/support/fresh_program.h"
#include "tests/support/temp_directory.h"
#include "window/commands.h"
#include "window/control_table.h"
#include "window/main_window.h"
#include "window/progress_line.h"
#include "window/scrolling.h"

namespace {

const int LockedRows[] = {RowResistor, RowCapacitor, RowInductor, RowTargetBox, RowToleranceBox,
                          RowMaxPartsBox, RowRangeBox, RowExecute, RowExit, RowSortByError,
                          RowSortByValue, RowList1Box, RowList2Box, RowList3Box};

bool isOutcome(const std::string& status) {
    if (status.empty()) return false;
    if (status.rfind("aborted. found = ", 0) == 0) return status.back() == '\n';
    for (int id : {MsgNotFound, MsgTooManyMatches, MsgParameterError, MsgStockListError}) {
        for (int language : {0, 1}) {
            if (status == messageTextIn(id, language)) return true;
        }
    }
    for (int language : {0, 1}) {
        if (status.find(messageTextIn(MsgSetsFound, language)) != std::string::npos ||
            status.find(messageTextIn(MsgNeedManySerial, language)) == 0 ||
            status.find(messageTextIn(MsgNeedManyParallel, language)) == 0) {
            return true;
        }
    }
    return false;
}

TEST(Stress, ThousandsOfClicksLeaveAConsistentIdleProgram) {
    TemporaryCurrentDirectory directory;
    resetToFreshProgram();
    registerMainWindowClass(nullptr);
    HWND main = createMainWindow(nullptr);
    ASSERT_NE(main, nullptr);
    // Shown, so that it paints (the outcome line, the progress) throughout.
    ShowWindow(main, SW_SHOW);

    // Lists typed by the user, one set per part type.
    std::string typed[3][3];
    for (int t = 0; t < 3; ++t) {
        SendMessageA(main, WM_COMMAND, MAKEWPARAM(RowResistor + t, BN_CLICKED), 0);
        platform_test::runUntilIdle();
        for (int k = 0; k < 3; ++k) {
            typed[t][k] = "";
            for (int v = 1; v <= 4 + 3 * k + t; ++v) {
                typed[t][k] += std::to_string(v * (k + 2)) + (t == 1 ? "n" : t == 2 ? "u" : "") +
                               " list " + std::to_string(k) + "\r\n";
            }
            platform_test::type(controlWindows[RowList1Box + 2 * k], typed[t][k].c_str());
        }
    }

    const int clickable[] = {RowExecute, RowExecute, RowExecute, RowAbort,   RowAbort,
                             RowSortByError, RowSortByValue, RowLanguage, RowResistor,
                             RowCapacitor, RowInductor, RowShowAll, RowParallelOnly,
                             RowList1Choice, RowList2Choice, RowList3Choice, RowE24Choice,
                             RowE12Choice, RowE6Choice, RowE3Choice};
    const char* const targets[] = {"1.42k", "100", "47u", "1n", "3.3k", "1e9", "x"};
    const char* const tolerances[] = {"1", "0.001", "10", "50", "0"};
    const char* const sizes[] = {"1", "2", "3", "4", "5"};
    std::mt19937 random(20261208);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

    for (int step = 0; step < 3000; ++step) {
        if (workerHandle == nullptr && pick(4) == 0) {
            platform_test::type(controlWindows[RowTargetBox], targets[pick(7)]);
            platform_test::type(controlWindows[RowToleranceBox], tolerances[pick(5)]);
            platform_test::type(controlWindows[RowMaxPartsBox], sizes[pick(5)]);
        }
        int row = clickable[pick(static_cast<int>(sizeof clickable / sizeof clickable[0]))];
        if (row == RowAbort) platform_test::answerMessageBox(pick(2) == 0 ? IDYES : IDNO);
        // A user clicks only what is enabled.
        if (IsWindowEnabled(controlWindows[row])) {
            SendMessageA(main, WM_COMMAND, MAKEWPARAM(row, BN_CLICKED),
                         reinterpret_cast<LPARAM>(controlWindows[row]));
        }
        // The progress timer fires at random moments too, so that the
        // progress line is painted while searches start, run and stop.
        if (pick(3) == 0) platform_test::expireTimers(main);
        switch (pick(4)) {
            case 0: break;  // the next click comes at once
            case 1: platform_test::runUntilIdle(); break;
            case 2: platform_test::pumpUntil([] { return false; }, 0.001); break;
            default: platform_test::pumpUntil([] { return !searchWorkerAlive(); }, 0.05); break;
        }
    }
    ASSERT_TRUE(platform_test::pumpUntil([] { return !searchWorkerAlive(); }, 120.0))
        << "a search never ended";
    platform_test::runUntilIdle();

    for (int row : LockedRows) EXPECT_TRUE(IsWindowEnabled(controlWindows[row])) << row;
    EXPECT_FALSE(IsWindowEnabled(controlWindows[RowAbort]));
    EXPECT_EQ(workerHandle, nullptr);
    EXPECT_TRUE(isOutcome(statusText) || statusText[0] == '\0') << statusText;
    // Idle, the outcome line is the outcome again and no timer runs.
    EXPECT_EQ(platform_test::timerPeriod(main, ProgressTimerId), 0u);
    InvalidateRect(main, nullptr, TRUE);
    platform_test::runUntilIdle();
    ASSERT_GT(platform_test::drawnItemCount(main), 0);
    EXPECT_STREQ(platform_test::drawnItem(main, 0).text, statusText);

    captureInputs();
    for (int t = 0; t < 3; ++t) {
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(std::string(textBuffers[storedListBuffer(k, t)]), typed[t][k]) << t << k;
        }
    }
    resetToFreshProgram();
}

}  // namespace
