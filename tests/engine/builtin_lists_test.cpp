// The built-in texts: the default inputs, the editable lists with their
// markers and the E-series of every part type, read line by line and parsed
// by the stock list parser the search uses.
#include "engine/builtin_lists.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "engine/search_inputs.h"
#include "engine/shared_state.h"
#include "engine/stock_list.h"

namespace {

const char* defaultTextOf(int buffer) {
    for (const DefaultText& d : defaultTexts) {
        if (d.buffer == buffer) return d.text;
    }
    return nullptr;
}

// The lines of a list text. Every line must end with CR LF; a stray CR or
// LF, an empty line or a missing final line end fails the test.
std::vector<std::string> linesOf(int buffer) {
    std::vector<std::string> lines;
    const char* text = defaultTextOf(buffer);
    if (text == nullptr) {
        ADD_FAILURE() << "no built-in text for buffer " << buffer;
        return lines;
    }
    std::string current;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '\r' && p[1] == '\n') {
            EXPECT_FALSE(current.empty()) << "empty line in buffer " << buffer;
            lines.push_back(current);
            current.clear();
            ++p;
        } else {
            EXPECT_TRUE(*p != '\r' && *p != '\n') << "stray line break in buffer " << buffer;
            current += *p;
        }
    }
    EXPECT_TRUE(current.empty()) << "buffer " << buffer << " does not end with CR LF";
    return lines;
}

// Parses the list that `listSelection` names for `partType` with every part
// admitted as a candidate. Returns the parsed quantities in ohm, farad or
// henry, smallest first.
std::vector<double> parseList(int partType, int listSelection) {
    resetSharedState();
    fillDefaultTexts();
    settings.partType = partType;
    settings.listSelection = listSelection;
    searchParams.target = 1000;
    searchParams.rangeFactor = 1e30;
    std::vector<double> values;
    if (!parseStockList()) {
        ADD_FAILURE() << "list " << listSelection << " of part type " << partType << " unusable";
        return values;
    }
    EXPECT_EQ(firstCandidate, 0);
    EXPECT_EQ(lastCandidate, stockCount - 1);
    for (int i = 0; i < stockCount; ++i) {
        values.push_back(partType == Capacitor ? stockParts[stockCount - 1 - i].parallelValue
                                               : stockParts[i].seriesValue);
    }
    return values;
}

enum ListSelection { List1 = 0, List2 = 1, List3 = 2, SelE24 = 3, SelE12 = 4, SelE6 = 5, SelE3 = 6 };

const int e24Tenths[24] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                           33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

}  // namespace

TEST(BuiltinLists, EntriesFillBuffersOneToFourThenTenToThirty) {
    int expected = 1;
    for (const DefaultText& d : defaultTexts) {
        EXPECT_EQ(d.buffer, expected);
        expected = expected == 4 ? 10 : expected + 1;
    }
    EXPECT_EQ(expected, 31);

    resetSharedState();
    fillDefaultTexts();
    EXPECT_STREQ(textBuffers[BufTarget], "1.42k");
    EXPECT_STREQ(textBuffers[BufTolerance], "1");
    EXPECT_STREQ(textBuffers[BufMaxParts], "5");
    EXPECT_STREQ(textBuffers[BufRange], "200");
    for (int buffer : {0, 5, 6, 7, 8, 9, 31}) EXPECT_STREQ(textBuffers[buffer], "") << buffer;
    for (const DefaultText& d : defaultTexts) EXPECT_STREQ(textBuffers[d.buffer], d.text);
}

TEST(BuiltinLists, SeriesCountsAndEnds) {
    struct Case {
        int listSelection, partType;
        size_t count;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {SelE24, Resistor, 169, "1.0", "10M"},  {SelE24, Capacitor, 241, "1.0p", "10000"},
        {SelE24, Inductor, 216, "1.0n", "910m"}, {SelE12, Resistor, 85, "1.0", "10M"},
        {SelE12, Capacitor, 121, "1.0p", "10000"}, {SelE12, Inductor, 108, "1.0n", "820m"},
        {SelE6, Resistor, 43, "1", "10M"},       {SelE6, Capacitor, 61, "1p", "10000"},
        {SelE6, Inductor, 54, "1n", "680m"},     {SelE3, Resistor, 22, "1", "10M"},
        {SelE3, Capacitor, 31, "1p", "10000"},   {SelE3, Inductor, 27, "1n", "470m"},
    };
    for (const Case& c : cases) {
        int buffer = storedListBuffer(c.listSelection, c.partType);
        std::vector<std::string> lines = linesOf(buffer);
        ASSERT_EQ(lines.size(), c.count) << "buffer " << buffer;
        EXPECT_EQ(lines.front(), c.first) << "buffer " << buffer;
        EXPECT_EQ(lines.back(), c.last) << "buffer " << buffer;
    }
}

// Only the unit decades of E24 and E12 keep the one-decimal spelling; the
// kilo decade of E24 reads "1k", "2k", never "1.0k", "2.0k".
TEST(BuiltinLists, E24ResistorSpellsOnlyItsFirstDecadeInStandardForm) {
    std::vector<std::string> lines = linesOf(19);
    ASSERT_EQ(lines.size(), 169u);
    const std::vector<std::string> head = {
        "1.0", "1.1", "1.2", "1.3", "1.5", "1.6", "1.8", "2.0", "2.2", "2.4", "2.7", "3.0",
        "3.3", "3.6", "3.9", "4.3", "4.7", "5.1", "5.6", "6.2", "6.8", "7.5", "8.2", "9.1",
        "10",  "11",  "12",  "13",  "15",  "16",  "18",  "20"};
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + head.size()), head);
    // Decade 1k starts after three decades of 24: 1, 10, 100 ohm.
    EXPECT_EQ(lines[72], "1k");
    EXPECT_EQ(lines[73], "1.1k");
    EXPECT_EQ(lines[79], "2k");
    EXPECT_EQ(lines[83], "3k");
    EXPECT_EQ(lines[167], "9.1M");

    std::vector<std::string> e6 = linesOf(25);
    EXPECT_EQ(std::vector<std::string>(e6.begin(), e6.begin() + 4),
              (std::vector<std::string>{"1", "1.5", "2.2", "3.3"}));

    // E12 inductor: 1n, 10n, 100n decades of 12, then 1u in standard form.
    std::vector<std::string> e12 = linesOf(24);
    ASSERT_EQ(e12.size(), 108u);
    EXPECT_EQ(e12[35], "820n");
    EXPECT_EQ(e12[36], "1.0u");
    EXPECT_EQ(e12[37], "1.2u");
    EXPECT_EQ(e12[47], "8.2u");
    EXPECT_EQ(e12[48], "10u");
    EXPECT_EQ(e12[72], "1.0m");
}

// Plain form is mantissa x factor as an exact decimal: a product computed
// in binary floating point would print 0.022000000000000002 or 0.0220.
TEST(BuiltinLists, PlainFormIsTheShortestExactDecimal) {
    std::vector<std::string> capacitor = linesOf(20);
    ASSERT_EQ(capacitor.size(), 241u);
    // Decades of 24: 1p, 10p, 100p, 1000p, then 0.01 from line 96 on.
    EXPECT_EQ(capacitor[95], "9100p");
    EXPECT_EQ(capacitor[96], "0.01");
    EXPECT_EQ(capacitor[97], "0.011");
    EXPECT_EQ(capacitor[103], "0.02");
    EXPECT_EQ(capacitor[104], "0.022");
    EXPECT_EQ(capacitor[119], "0.091");
    EXPECT_EQ(capacitor[120], "0.1");
    EXPECT_EQ(capacitor[143], "0.91");
    EXPECT_EQ(capacitor[144], "1.0");  // the microfarad unit decade
    EXPECT_EQ(capacitor[216], "1000");
    EXPECT_EQ(capacitor[220], "1500");

    // Every value of E6 and E3, and every value of E24 and E12 outside the
    // unit decades, has no trailing zero after a point, no trailing point
    // and no leading zero but the one of "0.".
    for (int buffer = 19; buffer <= 30; ++buffer) {
        int partType = (buffer - 10) % 3;
        int listSelection = (buffer - 10) / 3;
        int perDecade = 24 >> (listSelection - SelE24);
        bool standardDecades = listSelection == SelE24 || listSelection == SelE12;
        std::vector<std::string> lines = linesOf(buffer);
        for (size_t i = 0; i < lines.size(); ++i) {
            int decade = static_cast<int>(i) / perDecade;
            bool unitDecade = decade == 0 || (partType == Capacitor && decade == 6) ||
                              (partType == Inductor && (decade == 3 || decade == 6));
            std::string number = lines[i];
            while (!number.empty() && isalpha(static_cast<unsigned char>(number.back()))) {
                number.pop_back();
            }
            if (standardDecades && unitDecade) {
                EXPECT_EQ(number.size(), 3u) << buffer << ": " << lines[i];
                EXPECT_EQ(number[1], '.') << buffer << ": " << lines[i];
                continue;
            }
            bool hasPoint = number.find('.') != std::string::npos;
            EXPECT_FALSE(hasPoint && number.back() == '0') << buffer << ": " << lines[i];
            EXPECT_NE(number.back(), '.') << buffer << ": " << lines[i];
            EXPECT_FALSE(number[0] == '0' && number.substr(0, 2) != "0.") << buffer << ": " << lines[i];
        }
    }
}

// Each series, parsed as the search parses it, holds every mantissa of every
// decade: resistors 1 ohm to 9.1 Mohm and 10 Mohm, capacitors 1 pF to
// 9100 uF and 10000 uF, inductors 1 nH to 910 mH.
TEST(BuiltinLists, SeriesParseToEveryMantissaOfEveryDecade) {
    struct PartDecades {
        int partType;
        double unit;   // quantity of the first decade's factor
        int decades;
        bool closing;  // one more value, a decade above the last
    };
    const PartDecades parts[] = {
        {Resistor, 1, 7, true}, {Capacitor, 1e-12, 10, true}, {Inductor, 1e-9, 9, false}};
    for (const PartDecades& part : parts) {
        for (int listSelection = SelE24; listSelection <= SelE3; ++listSelection) {
            int step = 1 << (listSelection - SelE24);  // E12 every 2nd, E6 4th, E3 8th
            std::vector<double> expected;
            for (int decade = 0; decade < part.decades; ++decade) {
                for (int i = 0; i < 24; i += step) {
                    expected.push_back(e24Tenths[i] / 10.0 * part.unit * std::pow(10.0, decade));
                }
            }
            if (part.closing) expected.push_back(part.unit * std::pow(10.0, part.decades));

            std::vector<double> values = parseList(part.partType, listSelection);
            ASSERT_EQ(values.size(), expected.size())
                << "part type " << part.partType << " list " << listSelection;
            EXPECT_EQ(stockCount, static_cast<int>(expected.size()));
            for (size_t i = 0; i < values.size(); ++i) {
                EXPECT_NEAR(values[i], expected[i], expected[i] * 1e-12)
                    << "part type " << part.partType << " list " << listSelection << " value " << i;
            }
        }
    }
}

TEST(BuiltinLists, CapacitorE24RunsFromOnePicofaradToTenThousandMicrofarad) {
    std::vector<double> values = parseList(Capacitor, SelE24);
    ASSERT_EQ(values.size(), 241u);
    EXPECT_DOUBLE_EQ(values.front(), 1e-12);
    EXPECT_DOUBLE_EQ(values.back(), 1e-2);
    // Largest capacitance = smallest series value, so it comes first.
    EXPECT_STREQ(stockParts[0].name, "10000");
    EXPECT_STREQ(stockParts[240].name, "1.0p");
}

// The parser stops at "--Invalid List--": only the values above it are
// searched, although the text goes on for a full series below.
TEST(BuiltinLists, EditableListsStopAtTheMarker) {
    struct Case {
        int partType, listSelection;
        std::vector<double> values;
    };
    const std::vector<double> resistors = {10, 100, 1e3, 1e4, 1e5};
    const std::vector<double> capacitors = {1e-11, 1e-10, 1e-9, 1e-8, 1e-7};
    const std::vector<double> inductors = {1e-5, 1e-4};
    const Case cases[] = {
        {Resistor, List1, resistors},  {Capacitor, List1, capacitors}, {Capacitor, List2, capacitors},
        {Capacitor, List3, capacitors}, {Inductor, List1, inductors},  {Inductor, List2, inductors},
        {Inductor, List3, inductors},
    };
    for (const Case& c : cases) {
        std::vector<double> values = parseList(c.partType, c.listSelection);
        ASSERT_EQ(values.size(), c.values.size()) << c.partType << "/" << c.listSelection;
        for (size_t i = 0; i < values.size(); ++i) {
            EXPECT_NEAR(values[i], c.values[i], c.values[i] * 1e-12) << c.partType << "/" << i;
        }
    }

    // What stands below the marker: resistor List 1 goes on with all of E24
    // in plain form (5 values, marker, 169 values); capacitors with "1p", E12
    // from 10p to 0.82 and E6 from 1 to 6800 (7 + 12 * 5 + 6 * 4 lines);
    // inductors with E24 1n and 10n, E12 100n to 820u, E6 1m to 680m
    // (3 + 24 * 2 + 12 * 4 + 6 * 3 lines).
    std::vector<std::string> resistor = linesOf(10);
    ASSERT_EQ(resistor.size(), 175u);
    EXPECT_EQ(resistor[5], "--Invalid List--");
    EXPECT_EQ(resistor[6], "1");
    EXPECT_EQ(resistor[13], "2");
    EXPECT_EQ(resistor[173], "9.1M");
    EXPECT_EQ(resistor[174], "10M");
    for (int buffer : {11, 14, 17}) {
        std::vector<std::string> capacitor = linesOf(buffer);
        ASSERT_EQ(capacitor.size(), 91u);
        EXPECT_EQ(capacitor[5], "--Invalid List--");
        EXPECT_EQ(capacitor[6], "1p");
        EXPECT_EQ(capacitor[7], "10p");
        EXPECT_EQ(capacitor[43], "0.01");  // 7 + 12 * 3
        EXPECT_EQ(capacitor[66], "0.82");
        EXPECT_EQ(capacitor[67], "1");     // E6 from the microfarad decade on
        EXPECT_EQ(capacitor[90], "6800");
    }
    for (int buffer : {12, 15, 18}) {
        std::vector<std::string> inductor = linesOf(buffer);
        ASSERT_EQ(inductor.size(), 117u);
        EXPECT_EQ(inductor[2], "--Invalid List--");
        EXPECT_EQ(inductor[3], "1n");
        EXPECT_EQ(inductor[63], "1.0u");  // 3 + 48 + 12
        EXPECT_EQ(inductor[74], "8.2u");
        EXPECT_EQ(inductor[75], "10u");
        EXPECT_EQ(inductor[116], "680m");
    }
}

TEST(BuiltinLists, ResistorListsTwoAndThreeAreSearchedWhole) {
    std::vector<std::string> list2 = linesOf(13);
    ASSERT_EQ(list2.size(), 56u);
    EXPECT_EQ(list2[0], "1");
    EXPECT_EQ(list2[1], "4,7");
    EXPECT_EQ(list2[55], "1M");
    std::vector<double> values = parseList(Resistor, List2);
    ASSERT_EQ(values.size(), 56u);
    // "4,7" reads as 4 ohm: the comma is no decimal point.
    EXPECT_DOUBLE_EQ(values[1], 4);
    EXPECT_STREQ(stockParts[1].name, "4,7");
    EXPECT_DOUBLE_EQ(values[55], 1e6);

    std::vector<std::string> list3 = linesOf(16);
    ASSERT_EQ(list3.size(), 72u);
    EXPECT_EQ(list3[0], "10");
    EXPECT_EQ(list3[28], "2.0k");
    EXPECT_EQ(list3[71], "7.5M");
    values = parseList(Resistor, List3);
    ASSERT_EQ(values.size(), 72u);
    EXPECT_DOUBLE_EQ(values[0], 10);
    EXPECT_DOUBLE_EQ(values[71], 7.5e6);
}
