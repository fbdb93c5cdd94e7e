// The spellings of tests/support/typed_spellings.h typed into the window's
// boxes, as the desktop's view hands typed text to the layer (UTF-8
// converted to CP932 with CR LF), under the C and a UTF-8 locale: the
// target box and a list box read as the command line reads them.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "engine/search_frame.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"
#include "engine/stock_list.h"
#include "platform/linux/code_page.h"
#include "platform/linux/test_interface.h"
#include "platform/win32.h"
#include "tests/support/fresh_program.h"
#include "tests/support/temp_directory.h"
#include "tests/support/typed_spellings.h"
#include "window/commands.h"
#include "window/control_table.h"
#include "window/main_window.h"
#include "window/scrolling.h"

namespace {

class TypedIntoTheWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        resetToFreshProgram();
        registerMainWindowClass(nullptr);
        main_ = createMainWindow(nullptr);
        ASSERT_NE(main_, nullptr);
    }
    void TearDown() override {
        resetToFreshProgram();
        setlocale(LC_ALL, "C");
    }

    // What the view hands on when the user types `utf8` into a box.
    void type(int row, const std::string& utf8) {
        static char cp932[limits::TextSize];
        displayToCp932(utf8.c_str(), cp932, sizeof cp932);
        platform_test::type(controlWindows[row], cp932);
    }

    void execute() {
        SendMessageA(main_, WM_COMMAND, MAKEWPARAM(RowExecute, BN_CLICKED),
                     reinterpret_cast<LPARAM>(controlWindows[RowExecute]));
        EXPECT_TRUE(platform_test::pumpUntil([] { return !searchWorkerAlive(); }, 60.0));
        platform_test::runUntilIdle();
    }

    TemporaryCurrentDirectory directory_;
    HWND main_ = nullptr;
};

}  // namespace

TEST_F(TypedIntoTheWindow, SpellingsReadAsOnTheCommandLineInEveryLocale) {
    for (const char* locale : spellingLocales) {
        ASSERT_NE(setlocale(LC_ALL, locale), nullptr) << locale;
        SCOPED_TRACE(locale);
        // Each spelling as the target, over a list of one part.
        type(RowList1Box, "1\n");
        type(RowMaxPartsBox, "1");
        for (const TypedSpelling& s : typedSpellings) {
            type(RowTargetBox, s.typed);
            execute();
            if (s.target == 0) {
                EXPECT_EQ(lastSearchEnd, SearchEnd::ParameterError) << s.typed;
                EXPECT_NE(searchInputFaults & TargetUnreadable, 0u) << s.typed;
            } else {
                EXPECT_NE(lastSearchEnd, SearchEnd::ParameterError) << s.typed;
                EXPECT_EQ(searchParams.target, s.target) << s.typed;
            }
        }
        // All of them as lines of List 1.
        std::string list;
        for (const TypedSpelling& s : typedSpellings) list += std::string(s.typed) + "\n";
        type(RowList1Box, list);
        type(RowTargetBox, "1");
        execute();
        ASSERT_EQ(stockCount, static_cast<int>(sizeof typedSpellings / sizeof typedSpellings[0]));
        for (const TypedSpelling& s : typedSpellings) {
            bool found = false;
            for (int i = 0; i < stockCount; ++i) {
                char name[64];
                cp932ToUtf8(stockParts[i].name, name, sizeof name);
                if (name == std::string(s.name) && stockParts[i].seriesValue == s.listed) found = true;
            }
            EXPECT_TRUE(found) << s.name << " as " << s.listed;
        }
    }
}
