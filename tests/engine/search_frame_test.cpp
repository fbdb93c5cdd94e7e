// The search frame: stage 0, the placement steps, the outcome messages of
// runSearch and the nearest-part hint.
#include "engine/search_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/recorder.h"
#include "engine/result_display.h"
#include "tests/support/search_setup.h"

namespace {

std::string search(SearchSetup s) {
    applySetup(s);
    runSearch();
    return statusText;
}

}  // namespace

TEST(SearchFrame, AcceptanceWindowAndSeriesStep) {
    SearchSetup s;
    s.stock = "470\r\n";
    applySetup(s);
    ASSERT_TRUE(readSearchInputs());
    ASSERT_TRUE(parseStockList());
    setAcceptanceWindow();
    EXPECT_EQ(stages[0].seriesLow, 1000 * (1 - 0.01));
    EXPECT_EQ(stages[0].seriesHigh, 1000 * (1 + 0.01));
    EXPECT_EQ(stages[0].parallelHigh, 1 / stages[0].seriesLow);
    ASSERT_EQ(addSeries(1, 0), 0);
    EXPECT_EQ(stages[1].seriesSum, 470);
    EXPECT_DOUBLE_EQ(stages[1].seriesLow, 520);
    EXPECT_DOUBLE_EQ(stages[1].seriesHigh, 540);
    EXPECT_DOUBLE_EQ(stages[1].parallelLow, 1 / 540.0);
    EXPECT_EQ(stages[1].parallelSum, 0);
    // A part above the room left prunes and leaves the stage alone.
    stages[0].seriesHigh = 400;
    EXPECT_EQ(addSeries(1, 0), 1);
}

TEST(SearchFrame, CapacitorWindowIsSymmetricInCapacitance) {
    SearchSetup s;
    s.target = "1u";
    s.tolerance = "10";
    s.partType = Capacitor;
    s.stock = "1u\r\n";
    applySetup(s);
    ASSERT_TRUE(readSearchInputs());
    setAcceptanceWindow();
    EXPECT_EQ(stages[0].seriesLow, 1000000 / 1.1);
    EXPECT_EQ(stages[0].seriesHigh, 1000000 / (1 - 0.1));

    // A tolerance above 100 % leaves the window open at the top.
    setText(textBuffers[BufTolerance], "150");
    ASSERT_TRUE(readSearchInputs());
    setAcceptanceWindow();
    EXPECT_EQ(stages[0].seriesHigh, 1e15);
    settings.partType = Resistor;
    setAcceptanceWindow();
    EXPECT_EQ(stages[0].seriesLow, 0);
    EXPECT_EQ(stages[0].parallelHigh, 1 / 0.0);
}

TEST(SearchFrame, GuardedReciprocal) {
    EXPECT_EQ(guardedReciprocal(4), 0.25);
    EXPECT_EQ(guardedReciprocal(1e-15), 1 / 1e-15);
    EXPECT_EQ(guardedReciprocal(1e-16), 1e15);
    EXPECT_EQ(guardedReciprocal(0), 1e15);
    EXPECT_EQ(guardedReciprocal(-3), 1e15);
}

TEST(SearchFrame, OutcomeMessages) {
    struct Case {
        const char* target;
        const char* stock;
        int partType;
        const char* maxParts;
        const char* english;
    } cases[] = {
        {"x", "1k\r\n", Resistor, "5", "Searching parameter error"},
        {"1k", "abc\r\n", Resistor, "5", "Stock list error"},
        {"1k", "", Resistor, "5", "Stock list error"},
        {"12k", "1k\r\n", Resistor, "5", "You need many parts in serial. 1k x 12"},
        {"100", "1k\r\n", Resistor, "5", "You need many parts in parallel. 1k x 10"},
        {"3.5k", "1k\r\n", Resistor, "1", "Can not be able to find."},
        {"10u", "1u\r\n", Capacitor, "5", "You need many parts in parallel. 1u x 10"},
        {"1k", "1k\r\n", Resistor, "1", "1 set(s) found."},
    };
    for (const Case& c : cases) {
        SearchSetup s;
        s.target = c.target;
        s.stock = c.stock;
        s.partType = c.partType;
        s.maxParts = c.maxParts;
        EXPECT_EQ(search(s), c.english) << c.target << " " << c.stock;
    }
    SearchSetup s;
    s.target = "12k";
    s.stock = "1k\r\n";
    s.language = 0;
    EXPECT_EQ(search(s), "\x91\xbd\x90\x94\x82\xcc\x83\x56\x83\x8a\x83\x41\x83\x8b\x90\xda\x91\xb1\x82\xaa\x95\x4b\x97\x76\x82\xc5\x82\xb7\x81\x42" /* 多数のシリアル接続が必要です。 */ " 1k x 12");
    EXPECT_STREQ(resultText, "");
}

TEST(SearchFrame, HintRoundsTheRatio) {
    // Ratios 5.9995 and 11.9992: q + 0.001 truncated gives 6 and 12;
    // 5.998 is below the threshold.
    struct Case {
        const char* target;
        const char* message;
    } cases[] = {
        {"5999.5", "You need many parts in serial. 1k x 6"},
        {"11999.2", "You need many parts in serial. 1k x 12"},
        {"5998", "Can not be able to find."},
    };
    for (const Case& c : cases) {
        SearchSetup s;
        s.target = c.target;
        s.tolerance = "0.0001";
        s.maxParts = "1";
        s.stock = "1k\r\n";
        EXPECT_EQ(search(s), c.message) << c.target;
    }
}

TEST(SearchFrame, HintLooksAtEveryItemNotOnlyCandidates) {
    // Range 1.5 around 60k admits 40k to 90k: 10k lies below and 500k above,
    // so no part is a candidate. The hint still weighs them all: ratios 60,
    // 6 and 8.33, the nearest is 10k.
    SearchSetup s;
    s.target = "60k";
    s.range = "1.5";
    s.stock = "1k\r\n10k\r\n500k\r\n";
    EXPECT_EQ(search(s), "You need many parts in serial. 10k x 6");
}

TEST(SearchFrame, HintCountsPastTheRangeOfA32BitInteger) {
    // A ratio of 1e12 needs 1e12 parts; cast to a 32-bit integer it printed
    // "x -2147483648" (and the cast itself is undefined). Ratios up to just
    // below 1e15 give the hint; 1e15 itself says nothing can be found.
    struct Case {
        const char* target;
        const char* stock;
        const char* message;
    } cases[] = {
        {"1e12", "1\r\n", "You need many parts in serial. 1 x 1000000000000"},
        {"3e9", "1\r\n", "You need many parts in serial. 1 x 3000000000"},
        {"1p", "1\r\n", "You need many parts in parallel. 1 x 1000000000000"},
        {"1e15", "1\r\n", "Can not be able to find."},
    };
    for (const Case& c : cases) {
        SearchSetup s;
        s.target = c.target;
        s.maxParts = "1";
        s.stock = c.stock;
        EXPECT_EQ(search(s), c.message) << c.target;
    }
}

TEST(SearchFrame, SettingsOutsideTheirRangesSearchNothing) {
    // A hand-edited settings file may hold any number. A part type or list
    // choice outside its table names no stock list: the search ends with
    // the stock list error and reads no buffer past the 32 (the extreme
    // ones also overflowed the buffer number's arithmetic).
    struct Case {
        int partType;
        int listSelection;
    } cases[] = {
        {3, 0}, {-1, 0}, {0, 7}, {0, -1}, {2, 9},
        {2147483647, 2147483647}, {-2147483647 - 1, 0}, {0, -2147483647 - 1},
    };
    for (const Case& c : cases) {
        SearchSetup s;
        s.stock = "1k\r\n";
        applySetup(s);
        settings.partType = c.partType;
        settings.listSelection = c.listSelection;
        runSearch();
        EXPECT_STREQ(statusText, "Stock list error") << c.partType << " " << c.listSelection;
        EXPECT_EQ(settings.matchCount, 0);
    }
}

namespace {

// What the progress display saw: each call's size and share, and the
// matches counted then.
struct ProgressCall {
    int parts;
    int permille;
    int found;
};
std::vector<ProgressCall> progressCalls;

void noteProgress() {
    int parts, permille;
    progressReached(&parts, &permille);
    progressCalls.push_back({parts, permille, settings.matchCount});
}

}  // namespace

TEST(SearchFrame, TheProgressDisplaySeesEverySizeBeginAndItsShareOnlyRise) {
    // E12-like stock and a target that five parts meet only: every size
    // from 1 to 5 runs to its end with Show All.
    SearchSetup s;
    s.target = "3.14159k";
    s.tolerance = "0.01";
    s.stock = "1k\r\n1.2k\r\n1.5k\r\n1.8k\r\n2.2k\r\n2.7k\r\n3.3k\r\n3.9k\r\n4.7k\r\n5.6k\r\n6.8k\r\n8.2k\r\n";
    s.showAll = 1;
    progressCalls.clear();
    installProgressDisplay(noteProgress);
    applySetup(s);
    runSearch();
    installProgressDisplay(nullptr);
    ASSERT_FALSE(progressCalls.empty());

    // Sizes 0 (before the networks) to 5 each begin at 0 and never fall;
    // the found count never falls either.
    int sizesBegun = 0;
    for (size_t i = 0; i < progressCalls.size(); ++i) {
        const ProgressCall& c = progressCalls[i];
        SCOPED_TRACE(i);
        EXPECT_LE(c.permille, 1000);
        if (i == 0 || c.parts != progressCalls[i - 1].parts) {
            EXPECT_EQ(c.permille, 0);
            EXPECT_EQ(c.parts, i == 0 ? 0 : progressCalls[i - 1].parts + 1);
            ++sizesBegun;
        } else {
            EXPECT_GE(c.permille, progressCalls[i - 1].permille);
        }
        if (i > 0) {
            EXPECT_GE(c.found, progressCalls[i - 1].found);
        }
    }
    EXPECT_EQ(sizesBegun, 6);
    EXPECT_EQ(progressCalls.back().parts, 5);
    // Sizes of two to five parts have several templates: the display sees
    // the share rise within each, not only the sizes begin.
    for (size_t i = 1; i < progressCalls.size(); ++i) {
        const bool lastOfSize = i + 1 == progressCalls.size() || progressCalls[i + 1].parts != progressCalls[i].parts;
        if (lastOfSize && progressCalls[i].parts >= 2) {
            EXPECT_GT(progressCalls[i].permille, 0) << progressCalls[i].parts << " parts";
        }
    }

    // Uninstalled, nothing is called.
    progressCalls.clear();
    applySetup(s);
    runSearch();
    EXPECT_TRUE(progressCalls.empty());
}
