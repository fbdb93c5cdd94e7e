// The whole program in a test, driven by messages as a user would drive it,
// with no display: a fresh window in a folder of its own (so that it reads
// and writes its own settings file), clicks carried out at once, and the
// states the controls are in while a search runs and when it is idle; and
// the settings file read whole.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "engine/shared_state.h"
#include "platform/linux/test_interface.h"
#include "platform/win32.h"
#include "tests/support/fresh_program.h"
#include "tests/support/temp_directory.h"
#include "window/commands.h"
#include "window/control_table.h"
#include "window/main_window.h"
#include "window/scrolling.h"

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The outcome of the default search, "26組見つかりました。", as the program
// holds it.
inline const char TwentySixFound[] =
    "\x32\x36\x91\x67\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb5\x82\xbd\x81\x42" /* 26組見つかりました。 */;

// The controls a running search disables.
inline const int LockedRows[] = {RowResistor, RowCapacitor, RowInductor, RowTargetBox, RowToleranceBox,
                                 RowMaxPartsBox, RowRangeBox, RowExecute, RowExit, RowSortByError,
                                 RowSortByValue, RowList1Box, RowList2Box, RowList3Box};

class ProgramByMessages : public ::testing::Test {
  protected:
    void SetUp() override { start(); }
    void TearDown() override {
        finishSearch();
        resetToFreshProgram();
    }

    // A fresh process in the test's directory: the window as WM_CREATE
    // makes it, reading Combinix.ini if one is there.
    void start() {
        resetToFreshProgram();
        // A window closed during a search (an earlier test's) left the
        // handle of the search it stopped.
        workerHandle = nullptr;
        registerMainWindowClass(nullptr);
        main_ = createMainWindow(nullptr);
        ASSERT_NE(main_, nullptr);
    }

    // A click, carried out at once on this thread (the worker's requests
    // wait until the loop runs).
    void command(int row) {
        SendMessageA(main_, WM_COMMAND, MAKEWPARAM(row, BN_CLICKED),
                     reinterpret_cast<LPARAM>(controlWindows[row]));
    }

    void finishSearch() {
        EXPECT_TRUE(platform_test::pumpUntil([] { return !searchWorkerAlive(); }, 60.0));
        platform_test::runUntilIdle();
    }

    void type(int row, const char* text) { platform_test::type(controlWindows[row], text); }

    bool lockedForRun() {
        for (int row : LockedRows) {
            if (IsWindowEnabled(controlWindows[row])) return false;
        }
        return IsWindowEnabled(controlWindows[RowAbort]) && workerHandle != nullptr;
    }

    bool idle() {
        for (int row : LockedRows) {
            if (!IsWindowEnabled(controlWindows[row])) return false;
        }
        return !IsWindowEnabled(controlWindows[RowAbort]) && workerHandle == nullptr;
    }

    TemporaryCurrentDirectory directory_;
    HWND main_ = nullptr;
};
