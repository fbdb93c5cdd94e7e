// Reading the four input texts: value notation, the part count rule and the
// validity test.
#include "engine/search_inputs.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/search_setup.h"

namespace {

bool readTarget(const char* text, int partType, double* target) {
    SearchSetup s;
    s.target = text;
    s.partType = partType;
    applySetup(s);
    bool usable = readSearchInputs();
    *target = searchParams.target;
    return usable;
}

}  // namespace

TEST(SearchInputs, TargetNotation) {
    struct Case {
        const char* text;
        int partType;
        double expected;  // 0: unusable
    } cases[] = {
        {"1.42k", Resistor, 1420},
        {"1.42 k", Resistor, 1420},
        {"1.42  K", Resistor, 1420},
        {"1.42kOhm", Resistor, 1420},   // text after the letter is ignored
        {"4k7", Resistor, 4.7 * 1000},  // RKM: the letter stands for the point
        {"1.42k7", Resistor, 1420},     // no RKM after a point: the 7 is ignored
        {"4k7 Ohm", Resistor, 4.7 * 1000},
        {"4 k7", Resistor, 4000},       // no RKM across a space
        {"2R2", Resistor, 2.2},
        {"R47", Resistor, 0.47},
        {"100R", Resistor, 100},        // R alone: no multiplier
        {"100 R", Resistor, 100},
        {"1M5", Resistor, 1.5 * 1000000},
        {"4n7", Capacitor, 1 / (4.7 / 1e9)},
        {"2u2", Inductor, 2.2 / 1000000},
        {"2R2", Capacitor, 1 / (2.2 / 1000000)},  // R: as without a letter, microfarad
        {"4.7\x83\xca", Resistor, 4.7 / 1000000},      // the Greek mu: micro
        {"4\x83\xca" "7", Inductor, 4.7 / 1000000},    // and as an RKM point
        {"4.7 \x83\xca" "F", Capacitor, 1 / (4.7 / 1000000)},
        {"4?7", Resistor, 0},           // a dash the code page lacks, as typed text has it
        {"4.7?k", Resistor, 0},         // a no-break space, likewise
        {"10u", Inductor, 10 / 1000000.0},
        {"10u", Resistor, 10 / 1000000.0},
        {"2.2M", Resistor, 2.2 * 1000000},
        {"5m", Inductor, 5 / 1000.0},
        {"100", Capacitor, 1 / (100 / 1000000.0)},  // microfarad without letter
        {"100n", Capacitor, 1 / (100 / 1e9)},
        {"47p", Capacitor, 1 / (47 / 1e12)},
        {"1e3", Resistor, 1000},
        {"220\r\n", Resistor, 220},     // a line end counts as the end
        {"1.42 Ohm", Resistor, 0},      // a letter that is no multiplier
        {"1.42\tk", Resistor, 0},       // a tab is not skipped
        {"", Resistor, 0},
        {"-1k", Resistor, 0},
        {"-100n", Capacitor, 0},
        {"0", Resistor, 0},
        {"inf", Resistor, 0},
        {"nan", Resistor, 0},
        {"1e308k", Resistor, 0},        // overflows once multiplied
    };
    for (const Case& c : cases) {
        double target = -1;
        bool usable = readTarget(c.text, c.partType, &target);
        if (c.expected == 0) {
            EXPECT_FALSE(usable) << c.text;
        } else {
            EXPECT_TRUE(usable) << c.text;
            EXPECT_EQ(target, c.expected) << c.text;
        }
    }
}

TEST(SearchInputs, FaultsNameTheUnusableInputs) {
    struct Case {
        const char* target;
        const char* tolerance;
        const char* range;
        uint32_t faults;
    } cases[] = {
        {"1k", "1", "200", 0},
        {"abc", "1", "200", TargetUnreadable},
        {"", "1", "200", TargetUnreadable},
        {"1 Ohm", "1", "200", TargetUnreadable},
        {"-1k", "1", "200", TargetNotPositive},
        {"1e308k", "1", "200", TargetNotPositive},
        {"0", "0", "0.5", TargetNotPositive | ToleranceNotPositive | RangeBelowOne},
        {"1k", "nan", "inf", ToleranceNotPositive | RangeBelowOne},
    };
    for (const Case& c : cases) {
        SearchSetup s;
        s.target = c.target;
        s.tolerance = c.tolerance;
        s.range = c.range;
        applySetup(s);
        EXPECT_EQ(readSearchInputs(), c.faults == 0) << c.target;
        EXPECT_EQ(searchInputFaults, c.faults) << c.target;
    }
}

TEST(SearchInputs, MultiplierDividesRatherThanScalesDown) {
    double v = 0;
    ASSERT_TRUE(applyMultiplier('p', 3.3, &v));
    EXPECT_EQ(v, 3.3 / 1e12);
    EXPECT_FALSE(applyMultiplier('G', 1, &v));
    EXPECT_FALSE(applyMultiplier('\0', 1, &v));
}

TEST(SearchInputs, ToleranceAndRange) {
    struct Case {
        const char* tolerance;
        const char* range;
        bool usable;
        double fraction;
        double rangeFactor;
    } cases[] = {
        {"1", "200", true, 0.01, 200},
        {"1%", "1", true, 0.01, 1},
        {"150", "1e2", true, 1.5, 100},
        {"0", "200", false, 0, 200},
        {"-1", "200", false, -0.01, 200},
        {"1", "0.99", false, 0.01, 0.99},
        {"1", "", false, 0.01, 0},
        {"nan", "200", false, 0, 200},
        {"1", "inf", false, 0.01, 0},
    };
    for (const Case& c : cases) {
        SearchSetup s;
        s.tolerance = c.tolerance;
        s.range = c.range;
        applySetup(s);
        EXPECT_EQ(readSearchInputs(), c.usable) << c.tolerance << " " << c.range;
        if (c.fraction != 0) {
            EXPECT_DOUBLE_EQ(searchParams.toleranceFraction, c.fraction);
        }
        if (c.rangeFactor != 0) {
            EXPECT_DOUBLE_EQ(searchParams.rangeFactor, c.rangeFactor);
        }
    }
}

TEST(SearchInputs, PartCountOutsideOneToFiveBecomesFive) {
    struct Case {
        const char* text;
        int expected;
        const char* bufferAfter;
    } cases[] = {
        {"7", 5, "5"},   {"0", 5, "5"}, {"-3", 5, "5"}, {"abc", 5, "5"},
        {"3.9", 3, "3.9"}, {"1", 1, "1"}, {" 2", 2, " 2"},
        {"99999999999999999999", 5, "5"},
    };
    for (const Case& c : cases) {
        SearchSetup s;
        s.maxParts = c.text;
        applySetup(s);
        EXPECT_TRUE(readSearchInputs()) << c.text;
        EXPECT_EQ(searchParams.maxParts, c.expected) << c.text;
        EXPECT_STREQ(textBuffers[BufMaxParts], c.bufferAfter) << c.text;
    }
}
