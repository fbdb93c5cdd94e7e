// The outcome line's own texts: the progress line and the note on a stock
// list longer than the search takes, in both languages and cut to the room
// given; and the note as runSearch puts it behind each kind of outcome.
#include "engine/outcome_line_texts.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "engine/shared_state.h"
#include "tests/support/cp932_text.h"
#include "tests/support/search_setup.h"

namespace {

// "1\r\n2\r\n...": the values 1 to n ohm.
std::string valuesUpTo(int n) {
    std::string text;
    for (int i = 1; i <= n; ++i) text += std::to_string(i) + "\r\n";
    return text;
}

}  // namespace

TEST(OutcomeLineTexts, ProgressLineInBothLanguages) {
    struct Case {
        int language;
        int parts;
        int percent;
        int found;
        const char* shown;  // UTF-8
    };
    const Case cases[] = {
        {1, 4, 38, 1234, "Searching: 4 parts, 38 %, 1234 found"},
        {0, 4, 38, 1234, "探索中: 4本構成, 38%, 1234組"},
        {1, 1, 0, 0, "Searching: 1 part, 0 %, 0 found"},
        {0, 1, 100, 0, "探索中: 1本構成, 100%, 0組"},
        {0, 5, 7, 10000, "探索中: 5本構成, 7%, 10000組"},
        // Out of range, the share is held to 0 .. 100.
        {1, 5, 130, 2, "Searching: 5 parts, 100 %, 2 found"},
        {1, 5, -4, 2, "Searching: 5 parts, 0 %, 2 found"},
        {1, 0, 50, 17, "Searching..."},
        {0, 0, 0, 0, "探索中..."},
        // A settings file's odd language reads as Japanese.
        {7, 2, 50, 3, "探索中: 2本構成, 50%, 3組"},
    };
    resetSharedState();
    for (const Case& c : cases) {
        settings.language = c.language;
        char line[128];
        formatProgressLine(line, sizeof line, c.parts, c.percent, c.found);
        EXPECT_EQ(utf8Of(line), c.shown) << c.language << " " << c.parts << " " << c.found;
    }
    // Cut to the room given, and ended.
    settings.language = 1;
    char small[11];
    memset(small, 'x', sizeof small);
    formatProgressLine(small, sizeof small, 4, 38, 1234);
    EXPECT_STREQ(small, "Searching:");
    formatProgressLine(nullptr, 10, 4, 38, 1234);
}

TEST(OutcomeLineTexts, StockListNoteFollowsTheTextInBothLanguages) {
    resetSharedState();
    settings.language = 1;
    char text[limits::TextSize] = "Can not be able to find.";
    appendStockListNote(text, 500, 599);
    EXPECT_STREQ(text, "Can not be able to find. (500 of 599 values used)");
    settings.language = 0;
    text[0] = '\0';
    appendStockListNote(text, 500, 8000);
    EXPECT_EQ(utf8Of(text), "(先頭の500/8000個を使用)");
    // A full buffer stays within its size.
    std::string full(limits::TextSize - 5, 'a');
    memcpy(text, full.c_str(), full.size() + 1);
    appendStockListNote(text, 500, 599);
    EXPECT_EQ(strlen(text), static_cast<size_t>(limits::TextSize - 1));
}

TEST(OutcomeLineTexts, NoIdOrLanguageReadsOutsideTheTable) {
    for (int language : {0, 1, -1, 2, INT_MIN, INT_MAX}) {
        settings.language = language;
        for (int id : {-1, static_cast<int>(OutcomeLineTextCount), INT_MAX, INT_MIN}) {
            EXPECT_STREQ(outcomeLineText(id), "") << language << " " << id;
        }
        for (int id = 0; id < OutcomeLineTextCount; ++id) EXPECT_STRNE(outcomeLineText(id), "");
    }
}

// Whatever the outcome of a search whose list was cut, the note follows
// it; a list the search takes whole, or inputs that stop the search before
// it reads the list, have none.
TEST(OutcomeLineTexts, RunSearchNotesAListLongerThanItTakes) {
    struct Case {
        int values;
        const char* target;
        const char* maxParts;
        int showAll;
        int language;
        const char* outcome;  // UTF-8
    };
    const Case cases[] = {
        // 599 ohm stands only after the 500th value.
        {599, "599", "1", 0, 1, "Can not be able to find. (500 of 599 values used)"},
        {500, "599", "1", 0, 1, "Can not be able to find."},
        {599, "100", "1", 0, 1, "1 set(s) found. (500 of 599 values used)"},
        {599, "100", "1", 0, 0, "1組見つかりました。(先頭の500/599個を使用)"},
        {501, "5M", "1", 0, 1, "You need many parts in serial. 500 x 10000 (500 of 501 values used)"},
        {600, "x", "1", 0, 1, "Searching parameter error"},
    };
    for (const Case& c : cases) {
        SearchSetup s;
        s.target = c.target;
        s.maxParts = c.maxParts;
        s.showAll = c.showAll;
        s.language = c.language;
        s.tolerance = "0.1";
        s.range = "1e30";
        s.stock = valuesUpTo(c.values);
        applySetup(s);
        runSearch();
        EXPECT_EQ(utf8Of(statusText), c.outcome) << c.values << " " << c.target;
    }

    // The limit: 600 parts of 1k, shown all, as pairs of 2k.
    SearchSetup s;
    s.target = "2k";
    s.maxParts = "2";
    s.showAll = 1;
    for (int i = 0; i < 600; ++i) s.stock += "1k\r\n";
    applySetup(s);
    runSearch();
    EXPECT_STREQ(statusText, "Break off because of too many matches. (500 of 600 values used)");
}

TEST(OutcomeLineTexts, RunSearchTellsWhichSearchAndSizeItHasReached) {
    struct Case {
        const char* target;
        const char* maxParts;
        int parts;  // the size reached at the end
    };
    const Case cases[] = {
        {"1k", "1", 1},
        {"1.42k", "3", 3},
        {"1.42k", "5", 5},
        {"x", "5", 0},  // the inputs stop it first
    };
    for (const Case& c : cases) {
        SearchSetup s;
        s.target = c.target;
        s.maxParts = c.maxParts;
        s.stock = "1k\r\n10k\r\n470\r\n";
        applySetup(s);
        uint32_t number = newSearchNumber();
        runAsSearchNumber(number);
        runSearch();
        EXPECT_EQ(searchProgress.search, number) << c.target << " " << c.maxParts;
        EXPECT_EQ(searchProgress.parts, c.parts) << c.target << " " << c.maxParts;
    }
}

// Each template of a size an equal share (25 five-part shapes: 40 tenths of
// a percent each), filled as its tasks are taken, never going back within
// the size and starting again at 0 with the next.
TEST(OutcomeLineTexts, ShareOfASizeGrowsWithItsTemplatesAndTasks) {
    struct Step {
        int shape;  // a template of this shape begins, or -1
        int taken, count;
        int parts, permille;  // what progressReached then says
    };
    const Step steps[] = {
        {-1, 0, 0, 5, 0},
        {17, 0, 0, 5, 0},
        {-1, 1, 4, 5, 10},
        {-1, 4, 4, 5, 40},
        {18, 0, 0, 5, 40},
        {-1, 2, 4, 5, 60},
        {-1, 1, 4, 5, 60},  // a second job of the same template starts again
        {-1, 4, 4, 5, 80},
        {41, 0, 0, 5, 960},  // the bridge, with the templates before it skipped
        {-1, 3, 4, 5, 990},
        {-1, 4, 4, 5, 1000},
        {-1, 9, 4, 5, 1000},  // never past the whole
        {7, 0, 0, 5, 1000},   // a four-part shape does not move a five-part size
    };
    progressSizeBegins(5);
    for (const Step& step : steps) {
        if (step.shape >= 0) progressTemplateBegins(*networkShape(step.shape));
        else if (step.count > 0) progressTasksTaken(step.taken, step.count);
        int parts = 0, permille = -1;
        progressReached(&parts, &permille);
        EXPECT_EQ(parts, step.parts) << step.shape << " " << step.taken;
        EXPECT_EQ(permille, step.permille) << step.shape << " " << step.taken;
    }
    // The next size starts from nothing; its templates have shares of their
    // own (two-part: half each).
    progressSizeBegins(2);
    progressTemplateBegins(*networkShape(2));
    int parts = 0, permille = -1;
    progressReached(&parts, &permille);
    EXPECT_EQ(parts, 2);
    EXPECT_EQ(permille, 500);
}
