// The texts of the pair search: result lines of every mode and part type in
// both languages, the quantity and error fields, the outcome line, the
// message of every fault (both languages, naming what is wrong), and that
// every text stays within the caller's buffer.
#include "engine/pair_texts.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "engine/search_inputs.h"

namespace {

constexpr double TwoPi = 6.283185307179586;

StockItem item(const char* name, double value) {
    StockItem s{};
    snprintf(s.name, sizeof s.name, "%s", name);
    s.value = value;
    return s;
}

// One side's network of the record under test: a shape and its picks.
PairNetwork network(const PairSide& side, int shape, std::vector<int> picks) {
    PairNetwork n{};
    n.shape = shape;
    n.partCount = static_cast<int>(picks.size());
    double series[3] = {};
    for (int k = 0; k < 3; ++k) n.picks[k] = k < n.partCount ? picks[static_cast<size_t>(k)] : -1;
    for (int k = 0; k < n.partCount; ++k) {
        const double v = side.parts[picks[static_cast<size_t>(k)]].value;
        series[k] = side.partType == Capacitor ? 1 / v : v;
    }
    // Series-domain sums of the shapes used below: 0 x, 1 x + y, 2 x / y,
    // 6 x /(y + z).
    double s = 0;
    switch (shape) {
        case 0: s = series[0]; break;
        case 1: s = series[0] + series[1]; break;
        case 2: s = 1 / (1 / series[0] + 1 / series[1]); break;
        case 6: s = 1 / (1 / series[0] + 1 / (series[1] + series[2])); break;
    }
    n.value = side.partType == Capacitor ? 1 / s : s;
    return n;
}

double seriesOf(const PairSide& side, const PairNetwork& n) {
    return side.partType == Capacitor ? 1 / n.value : n.value;
}

PairRecord recordOf(const PairRequest& r, PairNetwork a, PairNetwork b) {
    PairRecord record{};
    record.a = a;
    record.b = b;
    record.parts = a.partCount + b.partCount;
    record.quantity = pairQuantity(r, seriesOf(r.a, a), seriesOf(r.b, b));
    record.errorPercent = pairErrorPercent(r, record.quantity);
    return record;
}

std::string lineOf(const PairRequest& r, const PairRecord& record, PairShownAs as, int language) {
    char line[limits::PairTextSize];
    formatPairLine(r, record, as, language, line, sizeof line);
    return line;
}

// Whether bytes are CP932 throughout (iconv reads every one).
bool validCp932(const std::string& bytes) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::string in = bytes;
    char out[4096];
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = out;
    size_t outLeft = sizeof out;
    const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    return result != static_cast<size_t>(-1) && inLeft == 0;
}

const StockItem resistors[] = {item("1k", 1000), item("470", 470), item("1.2k", 1200), item("2.2k", 2200)};
const StockItem capacitors[] = {item("1n", 1e-9), item("1", 1e-6), item("100p", 1e-10)};
const StockItem inductors[] = {item("10u", 1e-5), item("1u", 1e-6), item("100u", 1e-4)};

PairSide sideOfType(int partType) {
    PairSide s;
    s.partType = partType;
    s.parts = partType == Resistor ? resistors : partType == Capacitor ? capacitors : inductors;
    s.count = partType == Resistor ? 4 : 3;
    return s;
}

PairRequest requestOf(PairMode mode, int typeA, int typeB, double target, double reference = 0) {
    PairRequest r;
    r.mode = mode;
    r.target = target;
    r.reference = reference;
    r.tolerancePercent = 50;
    r.a = sideOfType(typeA);
    r.b = sideOfType(typeB);
    return r;
}

}  // namespace

TEST(PairTexts, ResultLinesOfEveryModeAndType) {
    struct Case {
        PairRequest request;
        int shapeA;
        std::vector<int> picksA;
        int shapeB;
        std::vector<int> picksB;
        PairShownAs as;
        const char* line;
    };
    const Case cases[] = {
        // 1k / 470 = 2.12766, 6.38 % above 2.
        {requestOf(PairMode::Ratio, Resistor, Resistor, 2), 0, {0}, 0, {1}, PairShownAs::Quantity,
         "2:  2.12766,    +6.38%, R1 = 1k, R2 = 470"},
        // Two 10 uH in parallel, 5 uH, over 1 uH: 5, 25 % above 4.
        {requestOf(PairMode::Ratio, Inductor, Inductor, 4), 2, {0, 0}, 0, {1}, PairShownAs::Quantity,
         "3:  5.00000,   +25.00%, L1 = 10u / 10u, L2 = 1u"},
        // Capacitors divide as C_A / (C_A + C_B): 1n over 1n gives one half.
        {requestOf(PairMode::Divider, Capacitor, Capacitor, 0.5), 0, {0}, 0, {0}, PairShownAs::Quantity,
         "2: 0.500000,        0%, C1 = 1n, C2 = 1n"},
        // 1k over 1k / (470 + 2.2k): b = 2670k / 3670 = 727.52 (1k parallel
        // 2670), 727.52 / 1727.52 = 0.421136 of the input, 5.28 % above 0.4.
        {requestOf(PairMode::Divider, Resistor, Resistor, 0.4), 0, {0}, 6, {0, 1, 3}, PairShownAs::Quantity,
         "4: 0.421136,    +5.28%, R1 = 1k, R2 = 1k /(470 + 2.2k)"},
        // 1.25 V (1 + 1670 / 1000) = 3.3375 V: 1.14 % above 3.3 V.
        {requestOf(PairMode::Feedback, Resistor, Resistor, 3.3, 1.25), 1, {2, 1}, 0, {0},
         PairShownAs::Quantity, "3:  3.33750 V,    +1.14%, R1 = 1.2k + 470, R2 = 1k"},
        // The same request asked as a cutoff shows Vout all the same.
        {requestOf(PairMode::Feedback, Resistor, Resistor, 3.3, 1.25), 1, {2, 1}, 0, {0}, PairShownAs::Cutoff,
         "3:  3.33750 V,    +1.14%, R1 = 1.2k + 470, R2 = 1k"},
        // 1k and 1 uF: 1 ms exactly.
        {requestOf(PairMode::Rc, Resistor, Capacitor, 1e-3), 0, {0}, 0, {1}, PairShownAs::Quantity,
         "2:  1.00000 ms,        0%, R = 1k, C = 1"},
        // 470 and 100p: 47 ns, 6 % below 50 ns.
        {requestOf(PairMode::Rc, Resistor, Capacitor, 50e-9), 0, {1}, 0, {2}, PairShownAs::Quantity,
         "2:  47.0000 ns,    -6.00%, R = 470, C = 100p"},
        // As a cutoff: 1 / (2 pi 1 ms) = 159.155 Hz, 6.10 % above 150 Hz.
        {requestOf(PairMode::Rc, Resistor, Capacitor, 1 / (TwoPi * 150)), 0, {0}, 0, {1}, PairShownAs::Cutoff,
         "2:  159.155 Hz,    +6.10%, R = 1k, C = 1"},
        // 100 uH and 1n: 1 / (2 pi sqrt(1e-13)) = 503.292 kHz, 10.61 % above
        // 455 kHz.
        {requestOf(PairMode::Lc, Inductor, Capacitor, 455e3), 0, {2}, 0, {0}, PairShownAs::Quantity,
         "2:  503.292 kHz,   +10.61%, L = 100u, C = 1n"},
        // 1 uH and 100p: 15.9155 MHz.
        {requestOf(PairMode::Lc, Inductor, Capacitor, 16e6), 0, {1}, 0, {2}, PairShownAs::Cutoff,
         "2:  15.9155 MHz,    -0.53%, L = 1u, C = 100p"},
    };
    for (const Case& c : cases) {
        const PairRecord record =
            recordOf(c.request, network(c.request.a, c.shapeA, c.picksA), network(c.request.b, c.shapeB, c.picksB));
        for (int language : {0, 1}) {
            EXPECT_EQ(lineOf(c.request, record, c.as, language), c.line) << "language " << language;
        }
    }
}

TEST(PairTexts, QuantityAndErrorFields) {
    struct Quantity {
        double value;
        const char* unit;
        const char* text;
    } quantities[] = {
        {3.3, "V", " 3.30000 V"},          {0.000159, "s", " 159.000 us"},
        {455000, "Hz", " 455.000 kHz"},    {5e9, "Hz", " 5.00000 GHz"},
        {1e-12, "s", " 1.00000 ps"},       {0.5, "V", " 500.000 mV"},
        {10, "V", " 10.0000 V"},           {100, "Hz", " 100.000 Hz"},
        // Plain ratios keep six figures and no prefix.
        {0.66, "", "0.660000"},            {0.001, "", "0.00100000"},
        {2, "", " 2.00000"},               {12345, "", "12345.000"},
        {0, "", " 0.00000"},
        // Far from 1, the exponent form keeps six figures.
        {2e-9, "", "2.00000e-09"},         {1.5e7, "", "1.50000e+07"},
    };
    for (const Quantity& q : quantities) {
        char text[64];
        formatPairQuantity(q.value, q.unit, text, sizeof text);
        EXPECT_STREQ(text, q.text) << q.value << " " << q.unit;
    }
    struct Error {
        double percent;
        const char* text;
    } errors[] = {
        {0, "0"},           {1.0101, "+1.01"},      {-0.35, "-0.35"},       {0.01, "+0.01"},
        {-0.0042, "-0.0042"}, {0.00012, "+0.00012"}, {3.1e-8, "+3.1e-08"},  {-100, "-100.00"},
        // Two figures that round up to 0.01 are shown as 0.01 is.
        {0.0099999, "+0.01"},       {-0.00999999, "-0.01"},
    };
    for (const Error& e : errors) {
        char text[32];
        formatPairError(e.percent, text, sizeof text);
        EXPECT_STREQ(text, e.text) << e.percent;
    }
}

TEST(PairTexts, SideLabelsAsTheCircuitsNameThem) {
    struct Case {
        PairMode mode;
        int partTypeA;
        const char* a;
        const char* b;
    } cases[] = {
        {PairMode::Ratio, Resistor, "R1", "R2"},     {PairMode::Divider, Capacitor, "C1", "C2"},
        {PairMode::Feedback, Resistor, "R1", "R2"},  {PairMode::Ratio, Inductor, "L1", "L2"},
        {PairMode::Rc, Resistor, "R", "C"},          {PairMode::Lc, Inductor, "L", "C"},
        {static_cast<PairMode>(9), Resistor, "A", "B"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(pairSideLabel(c.mode, c.partTypeA, 0), c.a);
        EXPECT_STREQ(pairSideLabel(c.mode, c.partTypeA, 1), c.b);
    }
    EXPECT_STREQ(pairQuantityUnit(PairMode::Ratio, PairShownAs::Quantity), "");
    EXPECT_STREQ(pairQuantityUnit(PairMode::Rc, PairShownAs::Quantity), "s");
    EXPECT_STREQ(pairQuantityUnit(PairMode::Rc, PairShownAs::Cutoff), "Hz");
    EXPECT_STREQ(pairQuantityUnit(PairMode::Lc, PairShownAs::Cutoff), "Hz");
}

TEST(PairTexts, OutcomeLineInBothLanguages) {
    struct Case {
        int64_t matches, shown;
        bool stopped;
        const char* english;
        const char* japanese;
    } cases[] = {
        {141126, 20, false, "141126 pairs found, the best 20 shown.",
         "141126\x91\x67\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb5\x82\xbd\x81\x42\x8f\xe3\x88\xca" "20\x91\x67\x82\xf0\x95\x5c\x8e\xa6\x82\xb5\x82\xdc\x82\xb7\x81\x42" /* 141126組見つかりました。上位20組を表示します。 */},
        // All shown: a shown count above the matches is as many as match.
        {12, 20, false, "12 pairs found.",
         "12\x91\x67\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb5\x82\xbd\x81\x42" /* 12組見つかりました。 */},
        {1, 1, false, "1 pair found.", nullptr},
        {0, 20, false, "No pair found.",
         "\x8f\xf0\x8c\x8f\x82\xc9\x8d\x87\x82\xa4\x91\x67\x82\xcd\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd\x81\x42" /* 条件に合う組は見つかりませんでした。 */},
        {50, 0, false, "50 pairs found, none shown.",
         "50\x91\x67\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb5\x82\xbd(\x95\x5c\x8e\xa6\x82\xc8\x82\xb5)\x81\x42" /* 50組見つかりました(表示なし)。 */},
        {123, 20, true, "Aborted: 123 pairs found until then, 20 shown.",
         "\x92\x86\x92\x66\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42\x82\xbb\x82\xea\x82\xdc\x82\xc5\x82\xc9" "123\x91\x67\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x81\x41" "20\x91\x67\x82\xf0\x95\x5c\x8e\xa6\x82\xb5\x82\xdc\x82\xb7\x81\x42" /* 中断しました。それまでに123組見つかり、20組を表示します。 */},
        {5, 20, true, "Aborted: 5 pairs found until then, 5 shown.", nullptr},
    };
    for (const Case& c : cases) {
        char text[limits::PairTextSize];
        formatPairOutcome(c.matches, c.shown, c.stopped, 1, text, sizeof text);
        EXPECT_STREQ(text, c.english);
        formatPairOutcome(c.matches, c.shown, c.stopped, 0, text, sizeof text);
        if (c.japanese != nullptr) {
            EXPECT_STREQ(text, c.japanese);
        }
        EXPECT_TRUE(validCp932(text)) << c.english;
    }
}

TEST(PairTexts, EveryFaultHasAMessageThatNamesWhatIsWrong) {
    static StockItem many[limits::StockCapacity + 1];
    for (int i = 0; i <= limits::StockCapacity; ++i) many[i] = item("1k", 1000 + i);
    const StockItem broken[] = {item("1k", 1000), item("bad", -5)};

    struct Case {
        PairFault fault;
        PairRequest request;
        std::vector<std::string> english;  // pieces the English message holds
        std::vector<std::string> both;     // pieces both languages hold
    };
    std::vector<Case> cases;
    auto add = [&](PairFault fault, PairRequest r, std::vector<std::string> english,
                   std::vector<std::string> both) { cases.push_back({fault, r, english, both}); };

    PairRequest r = requestOf(PairMode::Ratio, Resistor, Resistor, -2);
    add(PairFault::TargetNotPositive, r, {"ratio", "above 0"}, {"-2"});
    r = requestOf(PairMode::Divider, Resistor, Resistor, 0);
    add(PairFault::TargetNotPositive, r, {"Vout/Vin", "between 0 and 1"}, {"0"});
    r = requestOf(PairMode::Feedback, Resistor, Resistor, 3.3, 0);
    add(PairFault::TargetNotPositive, r, {"Vref", "volts"}, {"Vref"});
    r = requestOf(PairMode::Feedback, Resistor, Resistor, -3.3, 1.25);
    add(PairFault::TargetNotPositive, r, {"Vout", "volts"}, {"Vout", "-3.3"});
    r = requestOf(PairMode::Rc, Resistor, Capacitor, -1e-3);
    add(PairFault::TargetNotPositive, r, {"time constant", "seconds", "cutoff"}, {"-1m"});
    r = requestOf(PairMode::Lc, Inductor, Capacitor, 0);
    add(PairFault::TargetNotPositive, r, {"resonance", "hertz"}, {"Hz"});
    r = requestOf(PairMode::Divider, Resistor, Resistor, 1.5);
    r.tolerancePercent = 1;
    add(PairFault::TargetOutOfReach, r, {"below 1", "Vout below Vin"}, {"1.5"});
    r = requestOf(PairMode::Feedback, Resistor, Resistor, 1, 1.25);
    r.tolerancePercent = 1;
    add(PairFault::TargetOutOfReach, r, {"above Vref"}, {"Vout 1 V", "Vref 1.25 V"});
    r = requestOf(PairMode::Ratio, Resistor, Resistor, 2);
    r.tolerancePercent = 0;
    add(PairFault::ToleranceNotPositive, r, {"tolerance", "percent"}, {"0 %"});
    r = requestOf(PairMode::Ratio, Resistor, Resistor, 2);
    r.b.maxParts = 4;
    add(PairFault::MaxPartsOutOfRange, r, {"up to 4 parts", "1, 2 or 3"}, {"R2", "4"});
    r = requestOf(PairMode::Rc, Capacitor, Capacitor, 1e-3);
    add(PairFault::WrongPartType, r, {"resistors for R", "capacitors for C"}, {});
    r = requestOf(PairMode::Lc, Inductor, Resistor, 1e3);
    add(PairFault::WrongPartType, r, {"inductors for L"}, {});
    r = requestOf(PairMode::Divider, Resistor, Capacitor, 0.5);
    add(PairFault::WrongPartType, r, {"one part type"}, {});
    r = requestOf(PairMode::Ratio, Resistor, Resistor, 2);
    r.b.count = 0;
    add(PairFault::SideWithoutParts, r, {"no part"}, {"R2"});
    r = requestOf(PairMode::Ratio, Resistor, Resistor, 2);
    r.a.parts = broken;
    r.a.count = 2;
    add(PairFault::SideWithoutParts, r, {"value 2", "finite value above 0"}, {"R1", "-5"});
    r = requestOf(PairMode::Ratio, Inductor, Inductor, 2);
    r.a.parts = many;
    r.a.count = limits::StockCapacity + 1;
    add(PairFault::TooManyParts, r, {"501 values", "500"}, {"L1", "501", "500"});
    r = requestOf(PairMode::Ratio, Resistor, Resistor, 2);
    r.a.range = ValueRange{100e3, 1e3};
    add(PairFault::RangeEmpty, r, {"range of R1", "low end"}, {"R1", "100k", "1k"});
    r = requestOf(PairMode::Divider, Resistor, Resistor, 0.5);
    r.total = ValueRange{-1, 1e3};
    add(PairFault::RangeEmpty, r, {"R1 + R2"}, {"R1 + R2", "-1"});
    r = requestOf(PairMode::Rc, Resistor, Capacitor, 1e-3);
    r.total = ValueRange{0, 1e3};
    add(PairFault::TotalWithoutMeaning, r, {"rc pair", "each side"}, {"rc"});
    // 500 values, three parts a side: 42 million networks.
    r = requestOf(PairMode::Ratio, Resistor, Resistor, 2);
    r.b.parts = many;
    r.b.count = limits::StockCapacity;
    r.b.maxParts = 3;
    add(PairFault::TooManyNetworks, r, {"too many networks", "narrower range or fewer parts"},
        {"R2", "500", "3", std::to_string(pairNetworkCount(500, 3)), std::to_string(limits::PairNetworkCapacity)});

    std::set<int> faultsCovered;
    std::set<std::string> englishTexts;
    for (const Case& c : cases) {
        if (c.fault == PairFault::TooManyNetworks) {
            PairSearch search;
            ASSERT_EQ(search.run(c.request), c.fault);
        } else {
            ASSERT_EQ(checkPairRequest(c.request), c.fault) << c.english[0];
        }
        faultsCovered.insert(static_cast<int>(c.fault));
        char english[limits::PairTextSize], japanese[limits::PairTextSize];
        const int en = formatPairFault(c.fault, c.request, 1, english, sizeof english);
        const int ja = formatPairFault(c.fault, c.request, 0, japanese, sizeof japanese);
        EXPECT_GT(en, 20);
        EXPECT_LT(en, limits::PairTextSize);
        EXPECT_LT(ja, limits::PairTextSize);
        EXPECT_STRNE(english, japanese);
        EXPECT_TRUE(validCp932(japanese)) << english;
        EXPECT_TRUE(englishTexts.insert(english).second) << "two faults say the same: " << english;
        for (const std::string& piece : c.english) EXPECT_NE(strstr(english, piece.c_str()), nullptr) << english;
        for (const std::string& piece : c.both) {
            EXPECT_NE(strstr(english, piece.c_str()), nullptr) << piece << " in " << english;
            EXPECT_NE(strstr(japanese, piece.c_str()), nullptr) << piece << " in the Japanese of " << english;
        }
    }
    EXPECT_EQ(faultsCovered.size(), static_cast<size_t>(PairFaultCount - 1));
    char none[8] = "x";
    EXPECT_EQ(formatPairFault(PairFault::None, requestOf(PairMode::Ratio, Resistor, Resistor, 2), 1, none, 8), 0);
    EXPECT_STREQ(none, "");
}

TEST(PairTexts, SeriesRefusalSaysWhatASideTakes) {
    char text[limits::PairTextSize];
    formatPairSeriesRefusal("R1", 192, 960, 1, text, sizeof text);
    EXPECT_STREQ(text, "R1: E192 over the decades of its range holds 960 values, more than the 500 a side takes; "
                       "give it a narrower range.");
    formatPairSeriesRefusal("C", 24, 0, 1, text, sizeof text);
    EXPECT_STREQ(text, "C: its range holds no value of E24; give a range that does.");
    formatPairSeriesRefusal("R2", 96, 576, 0, text, sizeof text);
    EXPECT_NE(strstr(text, "E96"), nullptr);
    EXPECT_NE(strstr(text, "576"), nullptr);
    EXPECT_TRUE(validCp932(text));
}

TEST(PairTexts, EveryTextStaysWithinItsBuffer) {
    // The longest line there is: three parts of 15-character names a side.
    static const StockItem longNames[] = {item("123456789012345", 1000), item("abcdefghijklmno", 2000),
                                          item("ABCDEFGHIJKLMNO", 3000)};
    PairRequest r = requestOf(PairMode::Feedback, Resistor, Resistor, 3.3, 1.25);
    r.a.parts = r.b.parts = longNames;
    r.a.count = r.b.count = 3;
    const PairRecord record = recordOf(r, network(r.a, 6, {0, 1, 2}), network(r.b, 6, {2, 1, 0}));
    char full[limits::PairTextSize];
    const int length = formatPairLine(r, record, PairShownAs::Quantity, 1, full, sizeof full);
    ASSERT_LT(length, limits::PairTextSize);
    EXPECT_EQ(length, static_cast<int>(strlen(full)));
    for (int size : {0, 1, 10, length, length + 1}) {
        char cut[limits::PairTextSize + 8];
        memset(cut, '#', sizeof cut);
        EXPECT_EQ(formatPairLine(r, record, PairShownAs::Quantity, 1, cut, size), length);
        if (size > 0) {
            EXPECT_EQ(std::string(cut), std::string(full).substr(0, static_cast<size_t>(size - 1)));
        }
        EXPECT_EQ(cut[size], '#') << "written past a buffer of " << size;
    }
    // A record whose picks its request does not have gives empty formulas,
    // never a read outside the stock.
    PairRecord stray = record;
    stray.a.picks[0] = 7;
    stray.b.shape = 41;
    EXPECT_NE(lineOf(r, stray, PairShownAs::Quantity, 1).find("R1 = , R2 = "), std::string::npos);
}
