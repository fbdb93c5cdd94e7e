// The parts as built: what a stock line says of a part's tolerance and of
// how many there are, the worst case and the statistical spread of each
// family of networks and of each pair mode, derived by hand; their
// properties over random networks; the search with quantities against its
// own records filtered and against the brute force; and only the networks
// whose worst case stays in the window.
#include "engine/part_spread.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "engine/network_shapes.h"
#include "engine/recorder.h"
#include "engine/result_ordering.h"
#include "engine/stock_list.h"
#include "tests/engine/brute_force_reference.h"
#include "tests/support/random_networks.h"

namespace {

TEST(StockLineNotes, ToleranceAndQuantityFromTheTextAfterTheValue) {
    struct Case {
        const char* rest;  // what follows the value
        double tolerance;
        int quantity;
    };
    const Case cases[] = {
        {"", NoTolerance, 0},
        {" 1%", 1, 0},
        {" \x81\x7d" "5%", 5, 0},  // " ±5%"
        {" 0.1 %", 0.1, 0},
        {" metal film 1% tol", 1, 0},
        {" x2", NoTolerance, 2},
        {" \x81\x7e" "3", NoTolerance, 3},  // " ×3"
        {" metal film x3", NoTolerance, 3},
        {" 1% x4", 1, 4},
        {" x4 2.5%", 2.5, 4},
        {" 10W 5%", 5, 0},       // a number without "%" is no tolerance
        {" 5% then 1%", 5, 0},   // the first one
        {" 150% 2%", 2, 0},      // 100 % and more is none
        {" R1%", NoTolerance, 0},  // a number inside a word
        {"x2", NoTolerance, 0},    // "22kx2": not a word of its own
        {" x0", NoTolerance, 0},
        {" x2b", NoTolerance, 0},
        {" box2", NoTolerance, 0},
        {" x2\r\n33k x5", NoTolerance, 2},  // the line ends at its line end
        {" \x89\x78" "2", NoTolerance, 0},  // " 悦2": a character whose second byte is "x"
    };
    for (const Case& c : cases) {
        StockLineNotes notes = stockLineNotes(c.rest);
        EXPECT_EQ(notes.tolerancePercent, c.tolerance) << "[" << c.rest << "]";
        EXPECT_EQ(notes.quantity, c.quantity) << "[" << c.rest << "]";
    }
    // The search's own reading keeps the whole line as the name and the
    // value as it was.
    StockItem items[3];
    StockReading reading = readStockItems("4k7 1% x2\r\n100n\r\n2R2 0.1 %\r\n", Resistor, items, 3);
    ASSERT_EQ(reading.count, 3);
    EXPECT_STREQ(items[0].name, "4k7 1% x2");
    EXPECT_EQ(items[0].value, 4700);
    EXPECT_EQ(items[0].tolerancePercent, 1);
    EXPECT_EQ(items[0].quantity, 2);
    EXPECT_EQ(items[1].tolerancePercent, NoTolerance);
    EXPECT_EQ(items[2].tolerancePercent, 0.1);
}

// Every family of networks, worked out by hand.
TEST(PartSpread, WorstCaseAndSpreadOfEachFamilyByHand) {
    struct Case {
        int shape;
        int partType;
        std::vector<double> values, tolerances;
        double worstLow, worstHigh, rss;
        std::vector<double> sensitivities;
    };
    const double r2 = std::sqrt(2.0);
    const Case cases[] = {
        // 1k + 2k at 1 % and 5 %: 990 + 1900 and 1010 + 2100; shares 1/3
        // and 2/3, so sqrt((1/3)^2 + (10/3)^2).
        {1, Resistor, {1000, 2000}, {1, 5}, 2890, 3110, std::sqrt(1.0 / 9 + 100.0 / 9), {1.0 / 3, 2.0 / 3}},
        // 1k / 1k at 10 %: 450 to 550, each half the value.
        {2, Resistor, {1000, 1000}, {10, 10}, 450, 550, 10 / r2, {0.5, 0.5}},
        // 1k +(2k / 2k) at 1 %: 2k, the 1k half of it, each 2k a quarter.
        {5, Resistor, {1000, 2000, 2000}, {1, 1, 1}, 1980, 2020, std::sqrt(0.25 + 2 * 0.0625), {0.5, 0.25, 0.25}},
        // 1k /(2k + 2k) at 2 %: 800; d ln / d ln of the 1k is 4k / 5k.
        {6, Resistor, {1000, 2000, 2000}, {2, 2, 2}, 784, 816, 2 * std::sqrt(0.64 + 2 * 0.01), {0.8, 0.1, 0.1}},
        // Capacitors: 100n / 100n at 5 % is 200n, 190n to 210n; 100n + 100n
        // (in series) 50n, 47.5n to 52.5n.
        {2, Capacitor, {100e-9, 100e-9}, {5, 5}, 190e-9, 210e-9, 5 / r2, {0.5, 0.5}},
        {1, Capacitor, {100e-9, 100e-9}, {5, 5}, 47.5e-9, 52.5e-9, 5 / r2, {0.5, 0.5}},
        // Five equal parts in a bridge at 1 %: balanced, the cross carries
        // nothing, each arm a quarter.
        {41, Resistor, {1000, 1000, 1000, 1000, 1000}, {1, 1, 1, 1, 1}, 990, 1010, 0.5, {0.25, 0.25, 0, 0.25, 0.25}},
        // An exact part adds nothing: 1m (exact) + 1m at 2 %: 0.02m either way.
        {1, Inductor, {1e-3, 1e-3}, {0, 2}, 1.98e-3, 2.02e-3, 1, {0.5, 0.5}},
    };
    for (const Case& c : cases) {
        Spread s;
        double sensitivities[5];
        ASSERT_TRUE(networkSpread(*networkDescription(c.shape), c.partType, c.values.data(), c.tolerances.data(), &s,
                                  sensitivities))
            << c.shape;
        EXPECT_NEAR(s.worstLow, c.worstLow, 1e-12 * c.worstLow) << c.shape;
        EXPECT_NEAR(s.worstHigh, c.worstHigh, 1e-12 * c.worstHigh) << c.shape;
        EXPECT_NEAR(s.rssPercent, c.rss, 1e-6) << c.shape;
        for (size_t k = 0; k < c.sensitivities.size(); ++k) EXPECT_NEAR(sensitivities[k], c.sensitivities[k], 1e-6);
    }
    // A tolerance of 100 % or more, or a part at 0, says nothing.
    Spread s;
    double values[2] = {1000, 1000}, wide[2] = {100, 1}, zero[2] = {0, 1000}, one[2] = {1, 1};
    EXPECT_FALSE(networkSpread(*networkDescription(1), Resistor, values, wide, &s));
    EXPECT_FALSE(networkSpread(*networkDescription(1), Resistor, zero, one, &s));
}

PairSide sideOf(int partType, const StockItem* parts, int count) {
    PairSide side;
    side.partType = partType;
    side.parts = parts;
    side.count = count;
    return side;
}

PairRecord recordOf(const PairRequest& r, int aShape, std::vector<int> aPicks, int bShape, std::vector<int> bPicks) {
    PairRecord record{};
    auto fill = [](PairNetwork& n, int shape, const std::vector<int>& picks) {
        n.shape = shape;
        n.partCount = static_cast<int>(picks.size());
        for (int k = 0; k < 3; ++k) n.picks[k] = k < n.partCount ? picks[static_cast<size_t>(k)] : -1;
    };
    fill(record.a, aShape, aPicks);
    fill(record.b, bShape, bPicks);
    (void)r;
    return record;
}

// Each pair mode, by hand: two single parts at 1 % unless said.
TEST(PartSpread, WorstCaseAndSpreadOfEachPairModeByHand) {
    StockItem resistors[2] = {{"1k", 1000, 1}, {"2k", 2000, 1}};
    StockItem capacitor[1] = {{"1u", 1e-6, 5}};
    StockItem inductor[1] = {{"10u", 10e-6, 2}};
    StockItem small[1] = {{"1n", 1e-9, 2}};
    struct Case {
        PairMode mode;
        const StockItem* a;
        int pickA;
        const StockItem* b;
        int pickB;
        int typeA, typeB;
        double low, high, rss;
    };
    const double f0 = 1 / (2 * M_PI * std::sqrt(10e-6 * 1e-9));
    const Case cases[] = {
        // A divider of 1k over 1k: b(1 - t) / (a(1 + t) + b(1 - t)).
        {PairMode::Divider, resistors, 0, resistors, 0, Resistor, Resistor, 0.99 / 2, 1.01 / 2, 1 / std::sqrt(2.0)},
        // 2k / 1k: 2 (0.99 / 1.01) to 2 (1.01 / 0.99).
        {PairMode::Ratio, resistors, 1, resistors, 0, Resistor, Resistor, 2 * 0.99 / 1.01, 2 * 1.01 / 0.99, std::sqrt(2.0)},
        // Vref 1.25 V (1 + 1k / 1k): A and B each half.
        {PairMode::Feedback, resistors, 0, resistors, 0, Resistor, Resistor, 1.25 * (1 + 0.99 / 1.01),
         1.25 * (1 + 1.01 / 0.99), 1 / std::sqrt(2.0)},
        // R C of 1k at 1 % and 1u at 5 %.
        {PairMode::Rc, resistors, 0, capacitor, 0, Resistor, Capacitor, 1e-3 * 0.99 * 0.95, 1e-3 * 1.01 * 1.05,
         std::sqrt(1.0 + 25.0)},
        // The resonance of 10u and 1n at 2 % each: f0 / 1.02 to f0 / 0.98,
        // each part half the spread.
        {PairMode::Lc, inductor, 0, small, 0, Inductor, Capacitor, f0 / 1.02, f0 / 0.98, std::sqrt(2.0)},
    };
    for (const Case& c : cases) {
        PairRequest r;
        r.mode = c.mode;
        r.target = 1;
        r.reference = 1.25;
        r.tolerancePercent = 1;
        r.a.partType = c.typeA;
        r.b.partType = c.typeB;
        r.a.parts = c.a;
        r.b.parts = c.b;
        r.a.count = r.b.count = 2;
        if (c.a != resistors) r.a.count = 1;
        if (c.b != resistors) r.b.count = 1;
        PairRecord record = recordOf(r, 0, {c.pickA}, 0, {c.pickB});
        Spread s;
        double sensitivities[2];
        ASSERT_TRUE(pairSpread(r, record, NoTolerance, &s, sensitivities)) << static_cast<int>(c.mode);
        EXPECT_NEAR(s.worstLow, c.low, 1e-12 * c.low) << static_cast<int>(c.mode);
        EXPECT_NEAR(s.worstHigh, c.high, 1e-12 * c.high) << static_cast<int>(c.mode);
        EXPECT_NEAR(s.rssPercent, c.rss, 1e-9) << static_cast<int>(c.mode);
    }
    // The time constant rises with the capacitance: its sensitivity is +1
    // although 1/C, the capacitor's series value, falls.
    PairRequest rc;
    rc.mode = PairMode::Rc;
    rc.a = sideOf(Resistor, resistors, 2);
    rc.b = sideOf(Capacitor, capacitor, 1);
    double sensitivities[2];
    Spread s;
    ASSERT_TRUE(pairSpread(rc, recordOf(rc, 0, {0}, 0, {0}), NoTolerance, &s, sensitivities));
    EXPECT_NEAR(sensitivities[0], 1, 1e-12);
    EXPECT_NEAR(sensitivities[1], 1, 1e-12);
}

// Over random networks of every shape: with one tolerance t for all parts,
// scaling every part scales the network, so the worst case is the value
// times 1 - t and 1 + t, and the sensitivities add up to 1, which puts the
// statistical spread between t / sqrt(n) and t.
TEST(PartSpread, OneToleranceScalesEveryNetworkAndBoundsItsSpread) {
    RandomNetworks random(2222);
    int checked = 0, shapes[limits::NetworkShapeCount] = {};
    for (int trial = 0; trial < 40; ++trial) {
        const int type = trial % 3;
        random.search(type);
        const double t = 0.1 + random.pick(200) / 10.0;
        for (int i = 0; i < resultStore.recordCount; ++i) {
            const MatchRecord& record = resultStore.records[i];
            partOptions.partTolerancePercent = t;
            Spread s;
            double sensitivities[5];
            ASSERT_TRUE(recordSpread(record, &s, sensitivities));
            const double v = record.value;
            const int n = record.shape->parts;
            EXPECT_NEAR(s.worstLow, v * (1 - t / 100), 1e-11 * v) << record.text;
            EXPECT_NEAR(s.worstHigh, v * (1 + t / 100), 1e-11 * v) << record.text;
            EXPECT_GE(s.rssPercent, t / std::sqrt(static_cast<double>(n)) * (1 - 1e-9)) << record.text;
            EXPECT_LE(s.rssPercent, t * (1 + 1e-9)) << record.text;
            double sum = 0;
            for (int k = 0; k < n; ++k) sum += sensitivities[k];
            EXPECT_NEAR(sum, 1, 1e-6) << record.text;
            ++shapes[record.shape->id];
            ++checked;
        }
    }
    partOptions = PartOptions{};
    EXPECT_GT(checked, 1000);
    int seen = 0;
    for (int count : shapes) seen += count > 0 ? 1 : 0;
    EXPECT_EQ(seen, limits::NetworkShapeCount);
}

// A divider's corners over random values and tolerances:
// b (1 -+ t) / (a (1 +- t) + b (1 -+ t)).
TEST(PartSpread, ADividersCornersAreItsTopHighWithItsBottomLowAndTheReverse) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(10, 1e6), tolerance(0.01, 20);
    for (int trial = 0; trial < 500; ++trial) {
        StockItem a[1] = {{"a", value(random)}}, b[1] = {{"b", value(random)}};
        const double t = tolerance(random);
        PairRequest r;
        r.mode = PairMode::Divider;
        r.a = sideOf(Resistor, a, 1);
        r.b = sideOf(Resistor, b, 1);
        Spread s;
        ASSERT_TRUE(pairSpread(r, recordOf(r, 0, {0}, 0, {0}), t, &s));
        const double u = t / 100, A = a[0].value, B = b[0].value;
        EXPECT_NEAR(s.worstLow, B * (1 - u) / (A * (1 + u) + B * (1 - u)), 1e-12);
        EXPECT_NEAR(s.worstHigh, B * (1 + u) / (A * (1 - u) + B * (1 + u)), 1e-12);
    }
}

// Stocks of a few lines, some with "x1" or "x2": the networks a search
// records with the quantities respected, Show All on, are exactly its
// records without them, less those that need more of a line than it has,
// in the same order.
TEST(PartQuantities, WithShowAllTheRecordsAreTodaysFilteredByTheDrawer) {
    std::mt19937 random(88);
    int dropped = 0, compared = 0;
    for (int trial = 0; trial < 60; ++trial) {
        std::string stock;
        int count = 2 + static_cast<int>(random() % 4);
        for (int i = 0; i < count; ++i) {
            stock += std::to_string(1 + random() % 9) + "k";
            int held = static_cast<int>(random() % 4);  // 0: no word, any number
            if (held > 0) stock += " x" + std::to_string(held);
            stock += "\r\n";
        }
        TypedSearch search{Resistor, "4k", "30", "5", stock.c_str(), true};
        search.run();
        std::vector<std::string> all, kept;
        for (int i = 0; i < resultStore.recordCount; ++i) {
            const MatchRecord& r = resultStore.records[i];
            bool fits = true;
            for (int k = 0; k < r.shape->parts; ++k) {
                int held = stockNotes[r.picks[k]].quantity, used = 0;
                for (int j = 0; j < r.shape->parts; ++j) used += r.picks[j] == r.picks[k] ? 1 : 0;
                fits = fits && (held == 0 || used <= held);
            }
            all.emplace_back(r.text, static_cast<size_t>(r.length));
            if (fits) kept.push_back(all.back());
        }
        const bool atLimit = settings.matchCount >= limits::RecordCapacity;
        search.options.quantities = true;
        search.run();
        std::vector<std::string> got;
        for (int i = 0; i < resultStore.recordCount; ++i) {
            got.emplace_back(resultStore.records[i].text, static_cast<size_t>(resultStore.records[i].length));
        }
        if (atLimit) continue;  // today's records stop at the limit; the filtered ones go on
        ASSERT_EQ(got, kept) << stock;
        dropped += static_cast<int>(all.size() - kept.size());
        ++compared;
    }
    EXPECT_GT(compared, 40);
    EXPECT_GT(dropped, 100);
}

// Without Show All the tightening display and the early stop follow the
// networks that fit the drawer: the brute force over those networks agrees
// line for line.
TEST(PartQuantities, WithoutShowAllTheBruteForceOverTheDrawersNetworksAgrees) {
    RandomSearch random(515);
    std::mt19937 holds(9);
    int compared = 0;
    for (int trial = 0; trial < 300; ++trial) {
        TypedSearch search = random.next();
        // Give some lines a quantity.
        std::string stock;
        for (const char* p = search.stock; *p;) {
            const char* end = strstr(p, "\r\n");
            std::string line(p, end ? static_cast<size_t>(end - p) : strlen(p));
            int held = static_cast<int>(holds() % 4);
            if (held > 0) line += " x" + std::to_string(held);
            stock += line + "\r\n";
            p = end ? end + 2 : p + strlen(p);
        }
        search.stock = stock.c_str();
        search.options.quantities = true;
        search.run();
        Reference reference;
        searchParams.tolerancePercent = strtod(search.tolerance, nullptr);
        ReferenceSearch(&reference).run();
        if (reference.nearWindowEdge) continue;
        SCOPED_TRACE(describe(search));
        ASSERT_EQ(settings.matchCount, reference.matchCount);
        ASSERT_EQ(recordedLines(), reference.lines);
        ++compared;
    }
    EXPECT_GT(compared, 200);
}

// Only what stays in the window once built: with Show All the records are
// exactly today's whose worst case lies inside the window, and the outcome
// says how many were left out.
TEST(PartSpread, WithinToleranceKeepsExactlyTheRecordsWhoseWorstCaseStaysInTheWindow) {
    RandomNetworks random(31);
    int dropped = 0, kept = 0;
    for (int trial = 0; trial < 30; ++trial) {
        const int type = trial % 3;
        random.search(type);
        const double t = 0.5 + random.pick(40) / 4.0;
        // Today's records, as built with parts of tolerance t.
        partOptions.partTolerancePercent = t;
        std::vector<std::string> wanted;
        int outside = 0;
        for (int i = 0; i < resultStore.recordCount; ++i) {
            const MatchRecord& r = resultStore.records[i];
            Spread s;
            ASSERT_TRUE(recordSpread(r, &s));
            std::string line(r.text, static_cast<size_t>(r.length));
            if (spreadWithin(s, naturalTarget(), searchParams.typedTolerance)) {
                wanted.push_back(line.substr(0, line.size() - 2));  // without its line end
            } else {
                ++outside;
            }
        }
        const bool atLimit = settings.matchCount >= limits::RecordCapacity;
        // The same search asking for them alone.
        std::string stock = textBuffers[storedListBuffer(0, type)];
        std::string target = textBuffers[BufTarget];
        TypedSearch again{type, target.c_str(), "25", "5", stock.c_str(), true};
        again.options.partTolerancePercent = t;
        again.options.withinTolerance = true;
        again.run();
        if (atLimit) continue;
        std::vector<std::string> got;
        for (int i = 0; i < resultStore.recordCount; ++i) {
            std::string line(resultStore.records[i].text, static_cast<size_t>(resultStore.records[i].length));
            // Its line carries the spread behind the formula.
            size_t suffix = line.rfind("  (");
            ASSERT_NE(suffix, std::string::npos) << line;
            got.push_back(line.substr(0, suffix));
        }
        ASSERT_EQ(got, wanted);
        EXPECT_EQ(recordsOutsideWindow, outside);
        if (outside > 0 && !got.empty()) {
            EXPECT_NE(strstr(statusText, (" (" + std::to_string(outside) + " left out").c_str()), nullptr)
                << statusText;
        }
        dropped += outside;
        kept += static_cast<int>(got.size());
    }
    partOptions = PartOptions{};
    EXPECT_GT(dropped, 100);
    EXPECT_GT(kept, 100);
}

// Without a tolerance the lines are what they always were; with one, each
// line shows its worst case and spread behind its formula, and the margin
// orders them.
TEST(PartSpread, LinesShowTheSpreadOnlyWhenAToleranceIsGiven) {
    TypedSearch plain{Resistor, "1.42k", "1", "5", "10\r\n100\r\n1k\r\n10k\r\n100k\r\n"};
    plain.run();
    const std::string before = resultText;
    EXPECT_EQ(before.find("RSS"), std::string::npos);
    TypedSearch quantities = plain;
    quantities.options.quantities = true;  // no line says how many: nothing changes
    quantities.run();
    EXPECT_EQ(std::string(resultText), before);

    TypedSearch toleranced{Resistor, "1.42k", "1", "5", "10\r\n100\r\n1k 1%\r\n10k\r\n100k\r\n"};
    toleranced.run();
    // 10k / 10k /(1k + 1k) with the two 1k at 1 %: (1k + 1k) carries
    // 0.7143 of the value, so -0.71 % to +0.71 % around 1.42857k, +0.60 %
    // from the target: -0.11 % to +1.32 %; RSS 0.71 sqrt(1/2) %.
    const std::string first = std::string(resultText).substr(0, std::string(resultText).find("\r\n"));
    EXPECT_EQ(first, "4: 1.42857k,  0.60%, 10k / 10k /(1k 1% + 1k 1%)  (-0.12%..+1.32%, RSS 0.51%)");
    sortByMargin();
    EXPECT_NE(std::string(resultText), "");
}

}  // namespace
