// Parsing stock lists and choosing the candidate range.
#include "engine/stock_list.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/search_inputs.h"
#include "tests/support/search_setup.h"

namespace {

// Parses `text` for a target of `target` (series domain) and range x.
bool parse(const std::string& text, int partType = Resistor, double target = 1000,
           double x = 1e30) {
    SearchSetup s;
    s.stock = text;
    s.partType = partType;
    applySetup(s);
    searchParams.target = target;
    searchParams.rangeFactor = x;
    return parseStockList();
}

std::string names() {
    std::string all;
    for (int i = 0; i < stockCount; ++i) all += std::string(stockParts[i].name) + "|";
    return all;
}

}  // namespace

TEST(StockList, ParsesSortsAndNamesItems) {
    ASSERT_TRUE(parse("1k\r\n470\r\n2.2k\r\n"));
    ASSERT_EQ(stockCount, 3);
    EXPECT_EQ(names(), "470|1k|2.2k|");
    EXPECT_EQ(stockParts[0].seriesValue, 470);
    EXPECT_EQ(stockParts[2].seriesValue, 2200);
    EXPECT_EQ(stockParts[2].parallelValue, 1 / 2200.0);
}

TEST(StockList, EqualValuesKeepTheOrderOfTheirLines) {
    // Two spellings of 68n, and three of 1k around other values: which name
    // a formula prints must not depend on the C library's sort routine.
    ASSERT_TRUE(parse("68nohm\r\n2k\r\n1k first\r\n68n 1%\r\n1000 second\r\n1k third\r\n",
                      Inductor, 68e-9));
    EXPECT_EQ(names(), "68nohm|68n 1%|1k first|1000 second|1k third|2k|");
    ASSERT_TRUE(parse("1k b\r\n1k a\r\n", Resistor));
    EXPECT_EQ(names(), "1k b|1k a|");
}

TEST(StockList, CapacitorsSortByReciprocalCapacitance) {
    // 10p, 0.01 (microfarad) and 100n: capacitances 1e-11, 1e-8, 1e-7 F.
    ASSERT_TRUE(parse("10p\r\n0.01\r\n100n\r\n", Capacitor));
    EXPECT_EQ(names(), "100n|0.01|10p|");
    EXPECT_EQ(stockParts[0].parallelValue, 100 / 1e9);
    EXPECT_EQ(stockParts[1].parallelValue, 0.01 / 1000000);
    EXPECT_EQ(stockParts[2].seriesValue, 1 / (10 / 1e12));
}

TEST(StockList, CommaIsNotADecimalPoint) {
    ASSERT_TRUE(parse("4,7\r\n"));
    EXPECT_EQ(stockParts[0].seriesValue, 4);
    EXPECT_STREQ(stockParts[0].name, "4,7");
}

TEST(StockList, LetterMustFollowTheNumberDirectly) {
    ASSERT_TRUE(parse("1 k\r\n"));
    EXPECT_EQ(stockParts[0].seriesValue, 1);
    EXPECT_STREQ(stockParts[0].name, "1 k");
    ASSERT_TRUE(parse("1 k\r\n", Capacitor));
    EXPECT_EQ(stockParts[0].parallelValue, 1 / 1000000.0);
}

TEST(StockList, RkmCodeAndTheGreekMu) {
    // Each line alone; the value in ohm (or farad) and the name as typed.
    struct Case {
        const char* line;
        int partType;
        double value;
    } cases[] = {
        {"4k7", Resistor, 4.7 * 1000},
        {"4k7 metal film", Resistor, 4.7 * 1000},
        {"2R2", Resistor, 2.2},
        {"R10 shunt", Resistor, 0.1},
        {"100R", Resistor, 100},          // as before: R is no multiplier
        {"1M5", Resistor, 1.5 * 1000000},
        {"4n7", Capacitor, 4.7 / 1e9},
        {"2u2", Inductor, 2.2 / 1000000},
        {"4.7\x83\xca", Resistor, 4.7 / 1000000},  // the Greek mu
        {"4\x83\xca" "7", Capacitor, 4.7 / 1000000},
        {"4.7k3", Resistor, 4700},        // no RKM after a point
        {"4 k7", Resistor, 4},            // nor across a space
        {"4?7", Resistor, 4},             // a character the code page lacks
        {"4.7?k", Resistor, 4.7},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(parse(std::string(c.line) + "\r\n", c.partType)) << c.line;
        double value = c.partType == Capacitor ? stockParts[0].parallelValue : stockParts[0].seriesValue;
        EXPECT_EQ(value, c.value) << c.line;
        EXPECT_STREQ(stockParts[0].name, c.line);
    }
}

TEST(StockList, FaultLineNamesTheItemThatIsNoValue) {
    EXPECT_FALSE(parse("1k\r\n\r\n2k\r\nabc\r\n3k\r\n"));
    EXPECT_EQ(stockFaultLine, 4);
    EXPECT_FALSE(parse(""));
    EXPECT_EQ(stockFaultLine, 0);  // no part at all
    EXPECT_TRUE(parse("1k\r\n"));
    EXPECT_EQ(stockFaultLine, 0);
}

TEST(StockList, NameKeepsFifteenCharacters) {
    ASSERT_TRUE(parse("  47k metal film 1%\r\n"));
    EXPECT_STREQ(stockParts[0].name, "  47k metal fil");
    EXPECT_EQ(stockParts[0].seriesValue, 47000);
}

TEST(StockList, EndsAtMarkerAndTextEnd) {
    ASSERT_TRUE(parse("10\r\n100\r\n1k\r\n10k\r\n100k\r\n--Invalid List--\r\n1\r\n1.1\r\n"));
    EXPECT_EQ(stockCount, 5);
    ASSERT_TRUE(parse("1k\n\n\n2k"));  // runs of line feeds, no final line end
    EXPECT_EQ(stockCount, 2);
}

TEST(StockList, BlankLinesListNoPart) {
    // A line of nothing or of spaces between items is passed over rather
    // than read across into the next line's number.
    ASSERT_TRUE(parse("1k\r\n\r\n   \r\n\t\r\n2k\r\n  \r\n"));
    EXPECT_EQ(names(), "1k|2k|");
    ASSERT_TRUE(parse("\r\n1k\r\n"));
    EXPECT_EQ(names(), "1k|");
    EXPECT_FALSE(parse("\r\n  \r\n"));  // blank lines only: nothing listed
}

TEST(StockList, UnusableLists) {
    const char* lists[] = {
        "",            // nothing
        "-5\r\n",      // ends at once
        " -5\r\n",     // a negative value
        "1k\r\nabc\r\n2k\r\n",
        "0\r\n",
        "inf\r\n",
        "nan\r\n",
        "1e308k\r\n",  // overflows once multiplied
        "1e-320\r\n",  // its reciprocal overflows
    };
    for (const char* text : lists) {
        EXPECT_FALSE(parse(text)) << text;
        EXPECT_EQ(stockCount, 0) << text;
    }
}

TEST(StockList, ReadsAtMostFiveHundredItems) {
    std::string text;
    for (int i = 1; i <= 600; ++i) text += std::to_string(i) + "\r\n";
    ASSERT_TRUE(parse(text));
    EXPECT_EQ(stockCount, 500);
    EXPECT_EQ(stockParts[499].seriesValue, 500);
    // The rest is counted, not read: blank lines list nothing, and the
    // marker ends the list.
    EXPECT_EQ(stockListed, 600);
    ASSERT_TRUE(parse(text + "\r\n  \r\nnot a value\r\n-- end\r\n700\r\n"));
    EXPECT_EQ(stockListed, 601);
    ASSERT_TRUE(parse("1k\r\n\r\n2k\r\n-\r\n3k\r\n"));
    EXPECT_EQ(stockListed, 2);
    EXPECT_FALSE(parse("1k\r\n0\r\n"));
    EXPECT_EQ(stockListed, 0);
}

TEST(StockList, CandidateRangeEnds) {
    struct Case {
        const char* stock;
        double x;
        int first, last;
    } cases[] = {
        // T/x = 100 is left out, T*x = 10000 is taken.
        {"50\n100\n101\n5000\n10000\n10001\n", 10, 2, 4},
        {"10\n20\n", 2, 1, 1},      // all below: the largest alone
        {"5000\n6000\n", 2, 0, 0},  // all above: the smallest alone
        {"10\n5000\n", 2, 1, 0},    // both sides, none inside: empty
        {"1k\n", 1, 0, 0},          // single item: one-sided case
        {"999\n1k\n1001\n", 1, 2, 1},  // x = 1: empty, even for the target
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(parse(c.stock, Resistor, 1000, c.x)) << c.stock;
        EXPECT_EQ(firstCandidate, c.first) << c.stock;
        EXPECT_EQ(lastCandidate, c.last) << c.stock;
    }
}

TEST(StockList, CapacitorRangeInCapacitance) {
    // Target 1u, x = 10: capacitances from 0.1u to 10u take part.
    ASSERT_TRUE(parse("0.09\n0.11\n1\n9.9\n11\n", Capacitor, 1 / (1 / 1000000.0), 10));
    ASSERT_LE(firstCandidate, lastCandidate);
    EXPECT_STREQ(stockParts[firstCandidate].name, "9.9");
    EXPECT_STREQ(stockParts[lastCandidate].name, "0.11");
}
