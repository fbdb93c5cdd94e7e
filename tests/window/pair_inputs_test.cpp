// The Pair window's inputs and the request they give, with no window: the
// value notation of its boxes, each mode's target, the sides' part types,
// stocks and ranges, and the inputs that give no request.
#include "window/pair_inputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/builtin_lists.h"
#include "engine/search_inputs.h"

namespace {

const double Inf = std::numeric_limits<double>::infinity();

// Three lists of each part type: List 1 of two values, List 2 empty, List
// 3 with a faulty third line.
struct Lists {
    PairListTexts texts;
    Lists() {
        const char* const ones[3] = {"1k\r\n2.2k\r\n", "100n\r\n47n\r\n", "10u\r\n22u\r\n"};
        for (int type = 0; type < 3; ++type) {
            texts.lists[type][0] = ones[type];
            texts.lists[type][1] = "";
            texts.lists[type][2] = "1k\r\n2k\r\n0\r\n";
        }
    }
};

PairInputs inputsFor(PairMode mode) {
    PairInputs in;
    fillDefaultPairInputs(&in);
    in.fields[PairFieldMode] = static_cast<int32_t>(mode);
    in.fields[PairFieldStockA] = PairStockList1;
    in.fields[PairFieldStockB] = PairStockAsA;
    return in;
}

TEST(PairInputs, BoxesReadTheValueNotation) {
    struct Case {
        const char* text;
        int partType;  // -1: a quantity
        bool reads;
        bool empty;
        double value;
    };
    const Case cases[] = {
        {"4k7", Resistor, true, false, 4700},
        {"2R2", Resistor, true, false, 2.2},
        {"2R2", -1, true, false, 2.2},          // 2.2 V
        {"1m", -1, true, false, 1e-3},           // 1 ms
        {"1 k", -1, true, false, 1000},          // a blank before the letter, as in the main window
        {" 5 ", -1, true, false, 5},
        {"3.3", -1, true, false, 3.3},
        {"10", Capacitor, true, false, 10e-6},   // a capacitor's plain number is in microfarad, as in the lists
        {"10", -1, true, false, 10},             // a quantity's is the number itself
        {"100n", Capacitor, true, false, 100e-9},
        {"1e3", -1, true, false, 1000},
        {"", -1, false, true, 0},
        {"   ", Resistor, false, true, 0},
        {"5V", -1, false, false, 0},             // a unit is no multiplier letter
        {"k", -1, false, false, 0},
        {"1k2k", Resistor, false, false, 0},
        {"inf", -1, false, false, 0},
        {"1e999", -1, false, false, 0},
        {"0x10", -1, false, false, 0},           // strtod's hexadecimal is no value of the notation
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        double value = -1;
        bool empty = false;
        EXPECT_EQ(readPairValue(c.text, c.partType, &value, &empty), c.reads);
        EXPECT_EQ(empty, c.empty);
        if (c.reads) {
            EXPECT_DOUBLE_EQ(value, c.value);
        }
    }
}

TEST(PairInputs, EveryModeGivesItsTargetAndSides) {
    struct Case {
        PairMode mode;
        int rcBy;
        int partType;        // of ratio, divider and feedback
        double target, reference;
        int typeA, typeB;
        int countA, countB;  // List 1 of each side's type
    };
    const double tau1k = 1 / (2 * 3.14159265358979323846 * 1000);
    const Case cases[] = {
        {PairMode::Ratio, 0, Capacitor, 10, 0, Capacitor, Capacitor, 2, 2},
        {PairMode::Divider, 0, Resistor, 3.3 / 5, 0, Resistor, Resistor, 2, 2},
        {PairMode::Feedback, 0, Inductor, 3.3, 1.25, Inductor, Inductor, 2, 2},
        {PairMode::Rc, PairRcByTimeConstant, Inductor, 1e-3, 0, Resistor, Capacitor, 2, 2},
        {PairMode::Rc, PairRcByFrequency, Inductor, tau1k, 0, Resistor, Capacitor, 2, 2},
        // LC reads the frequency whatever the RC choice says.
        {PairMode::Lc, PairRcByTimeConstant, Resistor, 1000, 0, Inductor, Capacitor, 2, 2},
    };
    Lists lists;
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode) * 10 + c.rcBy);
        PairInputs in = inputsFor(c.mode);
        in.fields[PairFieldRcBy] = c.rcBy;
        in.fields[PairFieldPartType] = c.partType;
        // The tolerance may end in "%", as on the command line.
        setPairText(&in, PairTextTolerance, "0.5 %");
        setPairText(&in, PairTextMaxParts, "3");
        static PairStocks stocks;
        PairRequest r;
        PairInputProblem problem;
        ASSERT_TRUE(readPairRequest(in, lists.texts, &stocks, &r, &problem));
        EXPECT_EQ(problem.fault, PairInputFault::None);
        EXPECT_EQ(r.mode, c.mode);
        EXPECT_DOUBLE_EQ(r.target, c.target);
        EXPECT_DOUBLE_EQ(r.reference, c.reference);
        EXPECT_DOUBLE_EQ(r.tolerancePercent, 0.5);
        EXPECT_EQ(r.a.partType, c.typeA);
        EXPECT_EQ(r.b.partType, c.typeB);
        EXPECT_EQ(r.a.maxParts, 3);
        EXPECT_EQ(r.b.maxParts, 3);
        EXPECT_EQ(r.a.count, c.countA);
        EXPECT_EQ(r.b.count, c.countB);
        EXPECT_EQ(r.a.parts, stocks.a);
        EXPECT_EQ(r.b.parts, stocks.b);
        EXPECT_EQ(r.threads, 0);
        EXPECT_EQ(checkPairRequest(r), PairFault::None);
    }
}

TEST(PairInputs, SidesTakeTheirListsAndBAsATakesTheSameChoice) {
    Lists lists;
    static PairStocks stocks;
    PairRequest r;
    PairInputProblem problem;
    // A divider of resistors: B as A is List 1 of resistors too.
    PairInputs in = inputsFor(PairMode::Divider);
    ASSERT_TRUE(readPairRequest(in, lists.texts, &stocks, &r, &problem));
    EXPECT_STREQ(stocks.a[1].name, "2.2k");
    EXPECT_DOUBLE_EQ(stocks.b[1].value, 2200);
    // RC: B as A is List 1 of capacitors, in farads.
    in.fields[PairFieldMode] = static_cast<int32_t>(PairMode::Rc);
    ASSERT_TRUE(readPairRequest(in, lists.texts, &stocks, &r, &problem));
    EXPECT_STREQ(stocks.a[0].name, "1k");
    EXPECT_STREQ(stocks.b[0].name, "100n");
    EXPECT_DOUBLE_EQ(stocks.b[1].value, 47e-9);
    // B's own choice: List 3 (1 + 2) of resistors in a divider; its third
    // line is faulty.
    in.fields[PairFieldMode] = static_cast<int32_t>(PairMode::Divider);
    in.fields[PairFieldStockB] = 1 + PairStockList3;
    EXPECT_FALSE(readPairRequest(in, lists.texts, &stocks, &r, &problem));
    EXPECT_EQ(problem.fault, PairInputFault::ListFault);
    EXPECT_EQ(problem.side, 1);
    EXPECT_EQ(problem.line, 3);
    // A's List 2 is empty.
    in.fields[PairFieldStockA] = PairStockList2;
    EXPECT_FALSE(readPairRequest(in, lists.texts, &stocks, &r, &problem));
    EXPECT_EQ(problem.fault, PairInputFault::ListEmpty);
    EXPECT_EQ(problem.side, 0);
}

TEST(PairInputs, SeriesSidesTakeTheDecadesTheirRangesAdmit) {
    Lists lists;
    static PairStocks stocks;
    static StockItem expected[limits::StockCapacity];
    PairRequest r;
    PairInputProblem problem;
    // The defaults: E24 on both sides of a divider, over the library's
    // default decades of resistors.
    PairInputs in;
    fillDefaultPairInputs(&in);
    ASSERT_TRUE(readPairRequest(in, lists.texts, &stocks, &r, &problem));
    SeriesItems e24 = writeSeriesItems(24, Resistor, ValueRange{}, expected, limits::StockCapacity);
    ASSERT_GT(e24.count, 0);
    ASSERT_EQ(r.a.count, e24.count);
    ASSERT_EQ(r.b.count, e24.count);
    for (int i = 0; i < e24.count; ++i) {
        EXPECT_STREQ(stocks.a[i].name, expected[i].name);
        EXPECT_EQ(stocks.b[i].value, expected[i].value);
    }
    // B's own series of capacitors in an RC pair, over B's range.
    in.fields[PairFieldMode] = static_cast<int32_t>(PairMode::Rc);
    in.fields[PairFieldStockB] = 1 + PairStockE6;
    setPairText(&in, PairTextBMin, "1n");
    setPairText(&in, PairTextBMax, "100n");
    ASSERT_TRUE(readPairRequest(in, lists.texts, &stocks, &r, &problem));
    ValueRange nano{1e-9, 100e-9};
    SeriesItems e6 = writeSeriesItems(6, Capacitor, nano, expected, limits::StockCapacity);
    ASSERT_EQ(r.b.count, e6.count);
    EXPECT_STREQ(stocks.b[0].name, expected[0].name);
    EXPECT_EQ(stocks.b[e6.count - 1].value, expected[e6.count - 1].value);
    // E192 over five decades is more than a side holds: refused with the
    // count, not cut.
    in.fields[PairFieldStockA] = PairStockE192;
    EXPECT_FALSE(readPairRequest(in, lists.texts, &stocks, &r, &problem));
    EXPECT_EQ(problem.fault, PairInputFault::SeriesTooMany);
    EXPECT_EQ(problem.side, 0);
    EXPECT_EQ(problem.valuesPerDecade, 192);
    EXPECT_EQ(problem.values, writeSeriesItems(192, Resistor, ValueRange{}, expected, limits::StockCapacity).values);
    EXPECT_GT(problem.values, limits::StockCapacity);
    // A range of no decade the series has gives none.
    in.fields[PairFieldStockA] = PairStockE24;
    setPairText(&in, PairTextAMin, "1e10");
    setPairText(&in, PairTextAMax, "1e11");
    EXPECT_FALSE(readPairRequest(in, lists.texts, &stocks, &r, &problem));
    EXPECT_EQ(problem.fault, PairInputFault::SeriesNone);
    EXPECT_EQ(problem.side, 0);
}

TEST(PairInputs, RangesReadInTheSidesUnitsAndEmptyMeansNoLimit) {
    Lists lists;
    static PairStocks stocks;
    PairRequest r;
    PairInputProblem problem;
    PairInputs in = inputsFor(PairMode::Feedback);
    setPairText(&in, PairTextAMin, "1k");
    setPairText(&in, PairTextBMax, "47k");
    setPairText(&in, PairTextTotalMin, "10k");
    setPairText(&in, PairTextTotalMax, "100k");
    ASSERT_TRUE(readPairRequest(in, lists.texts, &stocks, &r, &problem));
    EXPECT_EQ(r.a.range.low, 1000);
    EXPECT_EQ(r.a.range.high, Inf);
    EXPECT_EQ(r.b.range.low, 0);
    EXPECT_EQ(r.b.range.high, 47000);
    EXPECT_EQ(r.total.low, 10000);
    EXPECT_EQ(r.total.high, 100000);
    // Capacitors: farads, a plain number in microfarad.
    in.fields[PairFieldPartType] = Capacitor;
    setPairText(&in, PairTextAMin, "10n");
    setPairText(&in, PairTextTotalMax, "1");
    ASSERT_TRUE(readPairRequest(in, lists.texts, &stocks, &r, &problem));
    EXPECT_DOUBLE_EQ(r.a.range.low, 10e-9);
    EXPECT_DOUBLE_EQ(r.total.high, 1e-6);
    // RC and LC add their sides in no one unit: the total's boxes are not
    // read, so the search gets no total to refuse.
    in.fields[PairFieldMode] = static_cast<int32_t>(PairMode::Lc);
    setPairText(&in, PairTextTotalMin, "not read");
    ASSERT_TRUE(readPairRequest(in, lists.texts, &stocks, &r, &problem));
    EXPECT_EQ(r.total.low, 0);
    EXPECT_EQ(r.total.high, Inf);
    EXPECT_EQ(checkPairRequest(r), PairFault::None);
}

TEST(PairInputs, TheBoxThatDoesNotReadIsNamed) {
    struct Case {
        PairMode mode;
        int text;
        const char* typed;
    };
    // Each mode reads only its own boxes: a bad text in another's is no
    // problem, in its own it is named.
    const Case cases[] = {
        {PairMode::Ratio, PairTextRatio, "ten"},
        {PairMode::Divider, PairTextVin, ""},
        {PairMode::Divider, PairTextVout, "3.3V"},
        {PairMode::Feedback, PairTextVref, "x"},
        {PairMode::Rc, PairTextTimeConstant, "1 ms"},
        {PairMode::Lc, PairTextFrequency, "455 kHz"},
        {PairMode::Lc, PairTextTolerance, ""},
        {PairMode::Lc, PairTextTolerance, "%"},
        {PairMode::Lc, PairTextTolerance, "1 %%"},
        {PairMode::Ratio, PairTextMaxParts, "2.5"},
        {PairMode::Ratio, PairTextMaxParts, "two"},
        {PairMode::Divider, PairTextAMax, "1k2"},  // RKM reads: 1.2k; the next case does not
        {PairMode::Divider, PairTextBMin, "1kk"},
        {PairMode::Feedback, PairTextTotalMax, "-"},
    };
    Lists lists;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.text) + " " + c.typed);
        PairInputs in = inputsFor(c.mode);
        // Every other box holds text that does not read.
        for (int n = PairTextRatio; n <= PairTextFrequency; ++n) {
            if (!pairTextApplies(in, n)) setPairText(&in, n, "?");
        }
        setPairText(&in, c.text, c.typed);
        static PairStocks stocks;
        PairRequest r;
        PairInputProblem problem;
        bool reads = readPairRequest(in, lists.texts, &stocks, &r, &problem);
        if (c.text == PairTextAMax) {
            EXPECT_TRUE(reads);
            EXPECT_EQ(r.a.range.high, 1200);
            continue;
        }
        EXPECT_FALSE(reads);
        EXPECT_EQ(problem.fault, PairInputFault::Unreadable);
        EXPECT_EQ(problem.text, c.text);
    }
}

TEST(PairInputs, NumbersTheSearchRefusesAreLeftToIt) {
    struct Case {
        PairMode mode;
        int text;
        const char* typed;
        PairFault fault;
    };
    const Case cases[] = {
        {PairMode::Divider, PairTextVin, "0", PairFault::TargetNotPositive},   // Vout / 0
        {PairMode::Divider, PairTextVout, "6", PairFault::TargetOutOfReach},  // 6 V from 5 V
        {PairMode::Feedback, PairTextVout, "1", PairFault::TargetOutOfReach},  // below Vref
        {PairMode::Rc, PairTextTimeConstant, "-1m", PairFault::TargetNotPositive},
        {PairMode::Ratio, PairTextTolerance, "0", PairFault::ToleranceNotPositive},
        {PairMode::Ratio, PairTextMaxParts, "4", PairFault::MaxPartsOutOfRange},
        {PairMode::Ratio, PairTextAMin, "10k", PairFault::RangeEmpty},  // above its max of 1k
    };
    Lists lists;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        PairInputs in = inputsFor(c.mode);
        setPairText(&in, PairTextAMax, "1k");
        setPairText(&in, c.text, c.typed);
        static PairStocks stocks;
        PairRequest r;
        PairInputProblem problem;
        ASSERT_TRUE(readPairRequest(in, lists.texts, &stocks, &r, &problem));
        EXPECT_EQ(checkPairRequest(r), c.fault);
    }
}

TEST(PairInputs, ChoicesOutOfRangeGoBackToTheirDefaults) {
    PairInputs defaults;
    fillDefaultPairInputs(&defaults);
    EXPECT_EQ(defaults.fields[PairFieldMode], static_cast<int32_t>(PairMode::Divider));
    EXPECT_EQ(defaults.fields[PairFieldStockA], PairStockE24);
    EXPECT_EQ(defaults.fields[PairFieldStockB], PairStockAsA);
    EXPECT_STREQ(defaults.texts[PairTextVin], "5");
    EXPECT_STREQ(defaults.texts[PairTextVout], "3.3");
    const int32_t oddFields[PairFieldCount] = {5, -1, 2, 10, 11, -40, -30, 700, 800};
    PairInputs in = defaults;
    for (int i = 0; i < PairFieldCount; ++i) in.fields[i] = oddFields[i];
    checkPairInputs(&in);
    for (int i = 0; i <= PairFieldStockB; ++i) EXPECT_EQ(in.fields[i], defaults.fields[i]) << i;
    // The rectangle may be anywhere; the window pulls it onto the screen.
    for (int i = PairFieldWindowLeft; i < PairFieldCount; ++i) EXPECT_EQ(in.fields[i], oddFields[i]) << i;
    // The request of choices out of range is that of their defaults.
    Lists lists;
    static PairStocks stocks;
    PairRequest oddRequest, plain;
    PairInputProblem problem;
    for (int i = 0; i < PairFieldCount; ++i) in.fields[i] = oddFields[i];
    ASSERT_TRUE(readPairRequest(in, lists.texts, &stocks, &oddRequest, &problem));
    ASSERT_TRUE(readPairRequest(defaults, lists.texts, &stocks, &plain, &problem));
    EXPECT_EQ(oddRequest.mode, plain.mode);
    EXPECT_EQ(oddRequest.a.partType, plain.a.partType);
    EXPECT_EQ(oddRequest.a.count, plain.a.count);
    EXPECT_EQ(oddRequest.b.count, plain.b.count);
    const int32_t last[PairFieldCount] = {4, 2, 1, 9, 10, 0, 0, 0, 0};
    for (int i = 0; i < PairFieldCount; ++i) in.fields[i] = last[i];
    checkPairInputs(&in);
    for (int i = 0; i < PairFieldCount; ++i) EXPECT_EQ(in.fields[i], last[i]) << i;
}

TEST(PairInputs, LongTextsAreCutAtACharacterBoundary) {
    PairInputs in;
    fillDefaultPairInputs(&in);
    // 63 ASCII bytes, then double-byte characters: the 128-byte text ends
    // before a lead byte whose trail would not fit.
    std::string text(63, '1');
    for (int i = 0; i < 40; ++i) text += "\x82\xa0" /* あ */;
    setPairText(&in, PairTextRatio, text.c_str());
    EXPECT_EQ(std::string(in.texts[PairTextRatio]), text.substr(0, 63 + 64));
    setPairText(&in, PairTextRatio, in.texts[PairTextRatio]);  // onto itself
    EXPECT_EQ(std::string(in.texts[PairTextRatio]).size(), 127u);
}

}  // namespace
