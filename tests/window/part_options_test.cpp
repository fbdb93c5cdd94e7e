// The main window's parts as built, driven by messages with no display:
// Execute reads the part tolerance box and the two check boxes into the
// search's part options, a box that holds no tolerance is a parameter
// error, and the box and check boxes are locked while a search runs.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/message_table.h"
#include "engine/outcome_line_texts.h"
#include "engine/recorder.h"
#include "engine/shared_state.h"
#include "platform/linux/test_interface.h"
#include "tests/support/program_by_messages.h"
#include "window/commands.h"
#include "window/control_table.h"
#include "window/pair_inputs.h"

namespace {

std::string textOf(HWND window) {
    static char text[limits::TextSize];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool checked(int row) { return SendMessageA(controlWindows[row], BM_GETCHECK, 0, 0) == BST_CHECKED; }

using MainPartOptions = ProgramByMessages;

TEST_F(MainPartOptions, ExecuteReadsTheBoxAndTheCheckBoxes) {
    // At a first start: no tolerance, both boxes clear, and the default
    // search as it always was.
    EXPECT_EQ(textOf(controlWindows[RowPartToleranceBox]), "");
    EXPECT_FALSE(checked(RowWithinTolerance));
    EXPECT_FALSE(checked(RowQuantities));
    command(RowExecute);
    finishSearch();
    EXPECT_STREQ(statusText, TwentySixFound);
    EXPECT_EQ(partOptions.partTolerancePercent, NoTolerance);
    EXPECT_FALSE(partOptions.quantities || partOptions.withinTolerance);
    const std::string plain = textOf(controlWindows[RowResultBox]);
    EXPECT_EQ(plain.find("RSS"), std::string::npos);

    // 1 % parts and the drawer's counts: the same networks (no line says
    // how many), each line with its worst case and spread.
    type(RowPartToleranceBox, "1");
    command(RowQuantities);
    EXPECT_TRUE(checked(RowQuantities));
    EXPECT_EQ(pairInputs.fields[PairFieldMainQuantities], 1);
    command(RowExecute);
    finishSearch();
    EXPECT_DOUBLE_EQ(partOptions.partTolerancePercent, 1);
    EXPECT_TRUE(partOptions.quantities);
    EXPECT_FALSE(partOptions.withinTolerance);
    EXPECT_STREQ(statusText, TwentySixFound);
    const std::string built = textOf(controlWindows[RowResultBox]);
    // 10k // 10k // (1k + 1k) = 1428.571 ohm with every part 1 % off:
    // 1414.286 and 1442.857, -0.40 % and +1.61 % from 1.42k; the RSS is
    // 1 % x sqrt(2/49 + 50/196) = 0.54 %.
    EXPECT_EQ(built.substr(0, built.find('\r')),
              "4: 1.42857k,  0.60%, 10k / 10k /(1k + 1k)  (-0.40%..+1.61%, RSS 0.54%)");

    // Within tolerance: only the networks whose worst case stays inside
    // 1.42k +-1 %, the others counted in the outcome.
    command(RowWithinTolerance);
    command(RowExecute);
    finishSearch();
    EXPECT_TRUE(partOptions.withinTolerance);
    EXPECT_GT(recordsOutsideWindow, 0);
    EXPECT_NE(strstr(statusText, outcomeLineTextIn(TextOutsideAfter, settings.language)), nullptr) << statusText;
    EXPECT_EQ(textOf(controlWindows[RowResultBox]).find("10k / 10k /(1k + 1k)  "), std::string::npos);
}

TEST_F(MainPartOptions, ABoxWithoutAToleranceIsAParameterError) {
    command(RowExecute);
    finishSearch();
    ASSERT_NE(textOf(controlWindows[RowResultBox]), "");
    for (const char* text : {"abc", "100", "-1", "1e999", "5 5"}) {
        SCOPED_TRACE(text);
        type(RowPartToleranceBox, text);
        command(RowExecute);
        // No search starts: the window is as it was, the results gone and
        // the outcome the parameter error of any bad input.
        EXPECT_FALSE(searchWorkerAlive());
        EXPECT_TRUE(idle());
        platform_test::runUntilIdle();
        EXPECT_STREQ(statusText, messageText(MsgParameterError));
        EXPECT_EQ(textOf(controlWindows[RowResultBox]), "");
    }
    // Fixed, the search runs again.
    type(RowPartToleranceBox, " 0.5 % ");
    command(RowExecute);
    finishSearch();
    EXPECT_DOUBLE_EQ(partOptions.partTolerancePercent, 0.5);
    EXPECT_STREQ(statusText, TwentySixFound);
}

TEST_F(MainPartOptions, TheBoxAndCheckBoxesAreLockedWhileASearchRuns) {
    command(RowExecute);
    EXPECT_TRUE(lockedForRun());
    for (int row : {RowPartToleranceBox, RowWithinTolerance, RowQuantities}) {
        EXPECT_FALSE(IsWindowEnabled(controlWindows[row])) << row;
    }
    finishSearch();
    for (int row : {RowPartToleranceBox, RowWithinTolerance, RowQuantities}) {
        EXPECT_TRUE(IsWindowEnabled(controlWindows[row])) << row;
    }
}

}  // namespace
