// An E series over the decades of a side's range (writeSeriesItems): which
// decades a range reaches, the default decades of each part type, the
// names against the built-in series of the window, the values as the stock
// list reads them, and sides refused rather than cut.
#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

#include "engine/builtin_lists.h"
#include "engine/search_inputs.h"
#include "engine/stock_list.h"

namespace {

const double Infinity = HUGE_VAL;

std::vector<StockItem> seriesOf(int valuesPerDecade, int partType, ValueRange range, SeriesItems* found = nullptr) {
    std::vector<StockItem> items(limits::StockCapacity);
    const SeriesItems s = writeSeriesItems(valuesPerDecade, partType, range, items.data(), limits::StockCapacity);
    if (found != nullptr) *found = s;
    items.resize(static_cast<size_t>(s.count));
    return items;
}

std::vector<std::string> namesOf(const std::vector<StockItem>& items) {
    std::vector<std::string> names;
    for (const StockItem& item : items) names.push_back(item.name);
    return names;
}

// The lines of a built-in list text, without their CR LF.
std::vector<std::string> builtinLines(int buffer) {
    std::vector<std::string> lines;
    for (const DefaultText& d : defaultTexts) {
        if (d.buffer != buffer) continue;
        std::string line;
        for (const char* p = d.text; *p != '\0'; ++p) {
            if (*p == '\r') continue;
            if (*p == '\n') {
                lines.push_back(line);
                line.clear();
            } else {
                line += *p;
            }
        }
    }
    return lines;
}

}  // namespace

TEST(SideSeries, DecadesTheRangeReaches) {
    struct Case {
        int series, partType;
        ValueRange range;
        int count;
        const char* first;
        const char* last;
    } cases[] = {
        // The benchmark's side: two decades of E96, 100k itself left out
        // (the decade from 100k only touches the range's end).
        {96, Resistor, {1000, 100000}, 192, "1k", "97.6k"},
        // The default decades: 10 ohm to 1 Mohm, 100 pF to 10 uF, 1 uH to
        // 100 mH, five of each.
        {24, Resistor, {}, 120, "10", "910k"},
        {24, Capacitor, {}, 120, "100p", "9.1"},
        {24, Inductor, {}, 120, "1.0u", "91m"},
        {96, Resistor, {}, 480, "10", "976k"},
        // A range inside one decade takes that decade whole.
        {12, Resistor, {4000, 5000}, 12, "1k", "8.2k"},
        {12, Capacitor, {1 / 1e9, 10 / 1e9}, 12, "1000p", "8200p"},
        // An end left out: the default's, or a decade past the other end.
        {12, Resistor, {1000, Infinity}, 36, "1k", "820k"},
        {12, Resistor, {0, 100}, 12, "10", "82"},
        {12, Resistor, {0, 5}, 24, "0.1", "8.2"},
        {6, Resistor, {10e6, Infinity}, 6, "10M", "68M"},
        // Beyond the built-in decades the spelling goes on.
        {3, Capacitor, {0.1 / 1e12, 0.5 / 1e12}, 3, "0.1p", "0.47p"},
        {3, Inductor, {1, 5}, 3, "1", "4.7"},
        {192, Inductor, {1 / 1e6, 9 / 1e6}, 192, "1.00u", "9.88u"},
    };
    for (const Case& c : cases) {
        SeriesItems found{};
        const std::vector<std::string> names = namesOf(seriesOf(c.series, c.partType, c.range, &found));
        ASSERT_EQ(found.count, c.count) << "E" << c.series << " type " << c.partType << " " << c.first;
        EXPECT_EQ(found.values, c.count);
        EXPECT_EQ(names.front(), c.first);
        EXPECT_EQ(names.back(), c.last);
    }
}

TEST(SideSeries, NamesAreTheBuiltInSeriesOverTheirDecades) {
    // The window's E24, E12, E6 and E3 of every part type, their closing
    // value ("10M", "10000") left out: 1 ohm to 1 Mohm, 1 pF to 1000 uF,
    // 1 nH to 100 mH.
    const ValueRange spans[] = {{1, 10e6}, {1 / 1e12, 10000 / 1e6}, {1 / 1e9, 1}};
    const struct {
        int series;
        int firstBuffer;  // its resistor list; capacitor and inductor follow
    } lists[] = {{24, 19}, {12, 22}, {6, 25}, {3, 28}};
    for (const auto& list : lists) {
        for (int type = Resistor; type <= Inductor; ++type) {
            std::vector<std::string> expected = builtinLines(list.firstBuffer + type);
            if (type != Inductor) expected.pop_back();
            EXPECT_EQ(namesOf(seriesOf(list.series, type, spans[type])), expected)
                << "E" << list.series << " type " << type;
        }
    }
}

TEST(SideSeries, ValuesAsTheStockListReadsThem) {
    const std::vector<StockItem> items = seriesOf(96, Capacitor, {1 / 1e9, 100 / 1e9});
    ASSERT_EQ(items.size(), 192u);
    // Each decade starts at the power of ten a typed value gives.
    EXPECT_EQ(items[0].value, 1000 / 1e12);  // "1000p"
    EXPECT_EQ(items[96].value, 0.01 / 1e6);  // "0.01"
    for (size_t i = 1; i < items.size(); ++i) EXPECT_LT(items[i - 1].value, items[i].value) << items[i].name;
    // And every name reads back as its value.
    for (const StockItem& item : items) {
        std::string line = std::string(item.name) + "\r\n";
        StockItem read[1];
        ASSERT_EQ(readStockItems(line.c_str(), Capacitor, read, 1).count, 1);
        EXPECT_EQ(read[0].value, item.value) << item.name;
    }
}

TEST(SideSeries, ASideOfMoreThanItsCapacityIsRefused) {
    SeriesItems found{};
    // E192 over the default five decades: 960 values.
    EXPECT_TRUE(seriesOf(192, Resistor, {}, &found).empty());
    EXPECT_EQ(found.values, 960);
    // E96 over six decades: 576.
    EXPECT_TRUE(seriesOf(96, Capacitor, {10 / 1e12, 10 / 1e6}, &found).empty());
    EXPECT_EQ(found.values, 576);
    // A caller's smaller store refuses what does not fit it, too.
    StockItem few[100];
    found = writeSeriesItems(24, Resistor, ValueRange{}, few, 100);
    EXPECT_EQ(found.count, 0);
    EXPECT_EQ(found.values, 120);
    // No series, no type, no decade: nothing.
    for (SeriesItems s : {writeSeriesItems(50, Resistor, ValueRange{}, few, 100),
                          writeSeriesItems(24, 3, ValueRange{}, few, 100),
                          writeSeriesItems(24, Resistor, ValueRange{1e12, 1e13}, few, 100),
                          writeSeriesItems(24, Resistor, ValueRange{5000, 4000}, few, 100)}) {
        EXPECT_EQ(s.count, 0);
        EXPECT_EQ(s.values, 0);
    }
    EXPECT_EQ(defaultSeriesRange(Capacitor).low, 100 / 1e12);
    EXPECT_EQ(defaultSeriesRange(Inductor).high, 100 / 1e3);
}
