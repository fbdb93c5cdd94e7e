// The program's network templates against the straightforward reference
// loops they replaced: the same lines in the same order, the same values
// bit for bit, the same counts, limits, early stops and outcome, for random
// searches and for searches built to put network values on the window's
// ends, where rounding decides.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <future>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "engine/network_walk.h"
#include "tests/engine/network_comparison.h"

namespace {

// Random searches over small stocks (the reference loops must stay quick):
// repeated values, names with free text, every part type, tolerances from
// far below a rounding step to above 100 %, and half of the targets aimed
// exactly at the value of a network of the stock.
class RandomSearches {
  public:
    explicit RandomSearches(unsigned seed) : random_(seed) {}

    TypedSearch next(int largestStock) {
        TypedSearch search{};
        search.partType = pick(3);
        static const char* const units[3][3] = {{"", "k", "M"}, {"p", "n", "u"}, {"n", "u", "m"}};
        const char* unit = units[search.partType][pick(3)];
        int count = 1 + pick(largestStock);
        stock_.clear();
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i) {
            char line[48];
            if (i > 0 && pick(5) == 0) {
                snprintf(line, sizeof line, "%s", lines[static_cast<size_t>(pick(i))].c_str());
            } else {
                static const char* const notes[] = {"", " spare", " metal film 1% tol"};
                snprintf(line, sizeof line, "%.*g%s%s", 2 + pick(3), mantissa() * decade(), unit,
                         notes[pick(8) == 0 ? 1 + pick(2) : 0]);
            }
            lines.push_back(line);
            stock_ += line;
            stock_ += "\r\n";
        }
        search.stock = stock_.c_str();
        snprintf(target_, sizeof target_, "%.4g%s", mantissa() * decade(), unit);
        search.target = target_;
        static const char* const tolerances[] = {"1e-14", "1e-12", "1e-9",   "1e-7", "0.001",
                                                 "0.004", "0.01",  "0.1",    "0.5",  "1",
                                                 "2",     "5",     "10",     "20",   "40",
                                                 "99",    "100",   "150",    "0.3",  "3"};
        search.tolerance = tolerances[pick(20)];
        static const char* const sizes[] = {"1", "2", "3", "4", "5", "5", "5", "5", "5", "5"};
        search.maxParts = sizes[pick(10)];
        static const char* const ranges[] = {"200", "200", "1e30", "3", "10", "1.2"};
        search.range = ranges[pick(6)];
        search.showAll = pick(2) == 0;
        search.parallelOnly = pick(6) == 0;
        return search;
    }

    // Aims the target at the value of a random network of the stock, as a
    // wide search with the program's own templates recorded it.
    void aimAtANetwork(TypedSearch* search) {
        TypedSearch wide = *search;
        wide.tolerance = "30";
        wide.showAll = true;
        wide.parallelOnly = false;
        wide.maxParts = "5";
        wide.run();
        if (resultStore.recordCount == 0) return;
        double v = resultStore.records[pick(resultStore.recordCount)].value;
        double seriesValue = search->partType == Capacitor ? 1 / v : v;
        typeTarget(search->partType, seriesValue, target_, sizeof target_);
        search->target = target_;
    }

    int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

  private:
    double mantissa() { return 1 + pick(900) / 100.0; }
    double decade() { return pick(3) == 0 ? 1 : pick(2) == 0 ? 10 : 100; }

    std::mt19937 random_;
    std::string stock_;
    char target_[64];
};

TEST(NetworkWalk, RecordsWhatTheReferenceLoopsRecord) {
    RandomSearches random(77001);
    int withMatches = 0, stoppedEarly = 0;
    for (int trial = 0; trial < 1500; ++trial) {
        TypedSearch search = random.next(9);
        if (random.pick(2) == 0) random.aimAtANetwork(&search);
        SearchOutcome o = expectSameAsReference(search);
        if (::testing::Test::HasFailure()) return;
        withMatches += o.matchCount > 0 ? 1 : 0;
        stoppedEarly += o.status.find("too many") != std::string::npos ? 1 : 0;
    }
    // The mix reaches both kinds of ending.
    EXPECT_GT(withMatches, 600);
    EXPECT_GT(stoppedEarly, 10);
}

// The window's ends put exactly on network values: for every network a
// wide search records, targets for which the low or the high end of the
// window equals its value, with tolerances from a few roundings up. Which
// networks pass then depends on how the stage subtractions round, and the
// program must side with the reference loops every time.
TEST(NetworkWalk, NetworksOnTheWindowEndsFallAsInTheReferenceLoops) {
    RandomSearches random(5150);
    static const char* const tolerances[] = {"1e-13", "1e-10", "0.001", "1", "7"};
    int compared = 0;
    for (int trial = 0; trial < 120; ++trial) {
        TypedSearch search = random.next(6);
        search.maxParts = "5";
        search.tolerance = "30";
        search.showAll = true;
        search.parallelOnly = false;
        search.run();
        int count = resultStore.recordCount;
        if (count == 0) continue;
        double v = resultStore.records[random.pick(count)].value;
        double seriesValue = search.partType == Capacitor ? 1 / v : v;
        for (const char* tolerance : tolerances) {
            double t = strtod(tolerance, nullptr) / 100;
            for (bool high : {false, true}) {
                double target;
                if (!targetWithWindowEnd(search.partType, seriesValue, t, high, &target)) continue;
                char text[64];
                typeTarget(search.partType, target, text, sizeof text);
                TypedSearch edge = search;
                edge.target = text;
                edge.tolerance = tolerance;
                edge.showAll = random.pick(2) == 0;
                expectSameAsReference(edge);
                if (::testing::Test::HasFailure()) return;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 600);
}

// Powers of two in ohm or henry, targets of 2^k or 3 * 2^k and tolerances
// such as 25 % keep every sum, reciprocal and window bound exact, so part
// values fall exactly on stage bounds at every level: each test meets its
// equality case, which the program must decide as the reference loops do.
TEST(NetworkWalk, ExactArithmeticPutsPartsOnEveryBound) {
    RandomSearches random(2718);
    static const char* const values[] = {"0.25", "0.5", "1", "2", "4", "8", "16", "32", "3", "6"};
    static const char* const targets[] = {"1", "2", "4", "0.5", "8", "1.5", "3", "6", "12", "0.75"};
    static const char* const tolerances[] = {"25", "50", "12.5", "6.25", "75", "100", "37.5", "150"};
    for (int trial = 0; trial < 300; ++trial) {
        std::string stock;
        int count = 1 + random.pick(7);
        for (int i = 0; i < count; ++i) stock += std::string(values[random.pick(8 + 2 * (trial % 2))]) + "\r\n";
        TypedSearch search{random.pick(2) == 0 ? Resistor : Inductor, targets[random.pick(10)],
                           tolerances[random.pick(8)], "5", stock.c_str(), random.pick(2) == 0,
                           random.pick(8) == 0, "1000"};
        expectSameAsReference(search);
        if (::testing::Test::HasFailure()) return;
    }
}

// Both limits end the search at the same match: 10000 matches, and a full
// line store, which long names reach first.
TEST(NetworkWalk, LimitsEndTheSearchAtTheSameMatch) {
    const TypedSearch searches[] = {
        {Resistor, "1k", "60", "5", "100\r\n220\r\n470\r\n1k\r\n2.2k\r\n4.7k\r\n10k\r\n", true},
        {Capacitor, "1u", "40", "5", "100n\r\n220n\r\n470n\r\n1u\r\n2.2u\r\n4.7u\r\n", true},
        {Inductor, "10u", "25", "5", "1u\r\n2.2u\r\n4.7u\r\n10u\r\n22u\r\n47u\r\n68u\r\n", true},
        {Resistor, "1k", "50", "5",
         "330 carbon film\r\n680 carbon film\r\n1k carbon film\r\n1.5k carbon film\r\n"
         "2.2k carbon film\r\n3.3k carbon film\r\n4.7k carbon film\r\n",
         true},
    };
    for (const TypedSearch& search : searches) {
        SearchOutcome o = expectSameAsReference(search);
        EXPECT_EQ(o.status, "Break off because of too many matches.");
    }
    // The last one stops at the line store: a record fewer than matches.
    SearchOutcome o = expectSameAsReference(searches[3]);
    EXPECT_EQ(o.recordCount, o.matchCount - 1);
    EXPECT_LT(o.matchCount, limits::RecordCapacity);
}

// Early stops and the bridge's gate: an exact match closes the way to the
// larger sizes without "Show All" and the bridge with it.
TEST(NetworkWalk, EarlyStopsAndTheBridgeGateComeAtTheSameMatch) {
    const TypedSearch searches[] = {
        {Resistor, "1.5k", "0.001", "5", "500\r\n1k\r\n3k\r\n"},
        {Resistor, "1k", "1", "5", "1k\r\n", true},
        {Resistor, "1.41909k", "0.001", "5", "10\r\n100\r\n1k\r\n10k\r\n100k\r\n", true},
        {Capacitor, "0.75u", "1e-7", "5", "1u\r\n3u\r\n", true},
        {Resistor, "2.9047619047619047k", "1e-7", "5", "1k\r\n2k\r\n3k\r\n4k\r\n5k\r\n", true},
        {Inductor, "1.3m", "0.004", "5", "1m\r\n2.2m\r\n330u\r\n", false},
    };
    for (const TypedSearch& search : searches) expectSameAsReference(search);
}

// Two capacitances whose reciprocals round to the same seriesValue may
// stand in either order of parallelValue; the walk then keeps to the plain
// loops, and still records what they record.
// Two stock lines of neighbouring capacitances whose reciprocals are one
// seriesValue, as "1.9000000000000004u" and the like; false when none is
// found.
bool findTiedCapacitances(char (*tied)[40]) {
    // Near 1.9u the capacitance has a long mantissa and its reciprocal a
    // short one, so neighbouring capacitances often share a reciprocal.
    double x = 1.9;
    for (int step = 0; step < 1000; ++step, x = std::nextafter(x, 2.0)) {
        double y = std::nextafter(x, 2.0);
        if (x / 1000000 != y / 1000000 && 1 / (x / 1000000) == 1 / (y / 1000000)) {
            snprintf(tied[0], sizeof tied[0], "%.17gu", x);
            snprintf(tied[1], sizeof tied[1], "%.17gu", y);
            return true;
        }
    }
    return false;
}

TEST(NetworkWalk, TiedReciprocalsOfCapacitancesKeepThePlainLoops) {
    char tied[2][40] = {};
    ASSERT_TRUE(findTiedCapacitances(tied));
    int plain = 0;
    for (int order = 0; order < 2; ++order) {
        std::string stock = std::string(tied[order]) + "\r\n" + tied[1 - order] + "\r\n1u\r\n2.2u\r\n";
        TypedSearch search{Capacitor, "1.9u", "20", "5", stock.c_str(), true};
        expectSameAsReference(search);
        // The sort leaves the tied pair in one order or the other.
        bool rising = false;
        for (int i = firstCandidate; i < lastCandidate; ++i) {
            rising = rising || stockParts[i].parallelValue < stockParts[i + 1].parallelValue;
        }
        EXPECT_EQ(walkNarrows, !rising);
        plain += rising ? 1 : 0;
    }
    EXPECT_GT(plain, 0) << "no order of the stock left parallelValue rising";
}

// A five-part parallel group of four 2^-18 F parts and a fifth whose
// stage window, after the four subtractions, starts between two tied
// capacitances x < y (x listed first, so parallelValue rises from x to y):
// the plain loops try x, find it below the window and end the loop, so the
// network with y is never recorded although y passes the innermost tests.
// The five-part templates met in the middle, which find networks by value,
// must not record it either. With 56 fillers the stock has 59 candidates,
// enough for the program to meet in the middle of its own accord.
TEST(NetworkWalk, TiedReciprocalsOfCapacitancesMeetInTheMiddleAsThePlainLoops) {
    const double w = std::ldexp(1.0, -18);
    const char* wLine = "3.814697265625u\r\n";  // 2^-18 F exactly, once divided by 10^6
    const double t = 0.0001;                   // "0.01" percent
    // A tied pair whose y lands on the window: the window starts at P = 4w + y
    // (exact), and P less w four times is y.
    char tied[2][40] = {};
    double x = 0, y = 0, P = 0;
    for (double n = 1.9; n < 1.9001 && P == 0; n = std::nextafter(n, 2.0)) {
        double m = std::nextafter(n, 2.0);
        x = n / 1000000, y = m / 1000000;
        if (!(x < y && 1 / x == 1 / y)) continue;
        double p = 4 * w + y;
        if (p - w - w - w - w != y || p - 4 * w != y) continue;
        P = p;
        snprintf(tied[0], sizeof tied[0], "%.17gu", n);
        snprintf(tied[1], sizeof tied[1], "%.17gu", m);
    }
    ASSERT_NE(P, 0);
    // A target whose window starts exactly at P: parallelLow = 1 / (T / (1 - t)).
    char target[64] = {};
    double typed = P / (1 - t) * 1000000;
    for (int step = 0; step < 4096 && target[0] == '\0'; ++step) {
        double c = typed;
        for (int k = 0; k < step / 2; ++k) c = step % 2 ? std::nextafter(c, 0.0) : std::nextafter(c, 1.0);
        double T = 1 / (c / 1000000);
        if (1 / (T / (1 - t)) != P) continue;
        // The window's other end leaves y inside and w outside.
        double high = 1 / (T / (1 + t)) - w - w - w - w;
        if (!(high >= y && high < w)) continue;
        snprintf(target, sizeof target, "%.17gu", c);
    }
    ASSERT_NE(target[0], '\0');
    std::string few = std::string(wLine) + tied[0] + "\r\n" + tied[1] + "\r\n";
    std::string many = few;
    for (int i = 0; i < 56; ++i) {
        char line[32];
        snprintf(line, sizeof line, "%du\r\n", 20 + 3 * i);
        many += line;
    }
    for (const std::string* stock : {&few, &many}) {
        for (bool showAll : {true, false}) {
            TypedSearch search{Capacitor, target, "0.01", "5", stock->c_str(), showAll};
            search.parallelOnly = stock == &many;
            expectSameAsReference(search);
            EXPECT_FALSE(walkNarrows);
        }
    }
}

// A stock of 400 irregular values from 150 ohm to 9.9k, one per line.
const char* irregularStock() {
    static char stock[limits::TextSize];
    if (stock[0] != '\0') return stock;
    std::mt19937 random(400);
    std::uniform_real_distribution<double> exponent(std::log10(150.0), std::log10(9900.0));
    for (int i = 0; i < 400; ++i) {
        char line[32];
        snprintf(line, sizeof line, "%.5g\r\n", std::pow(10.0, exponent(random)));
        appendText(stock, line);
    }
    return stock;
}

// 400 candidates and a target inside their span that nothing meets: the
// walk has minutes of work even so. A stop request at any moment, whatever
// size or template runs then, ends the search at its next test, which comes
// within milliseconds; the bound here only catches a search that no longer
// tests at all.
TEST(NetworkWalk, StopRequestsEndALongSearchWhereverItIs) {
    for (int delay : {5, 60, 250, 700, 1500, 3000}) {
        TypedSearch search{Resistor, "3.1415926k", "1e-9", "5", irregularStock(), true, false, "1000"};
        auto done = std::async(std::launch::async, [&search] { search.run(); });
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        auto asked = std::chrono::steady_clock::now();
        requestSearchStop();
        bool ended = done.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        EXPECT_TRUE(ended) << "stopped after " << delay << " ms";
        if (!ended) std::_Exit(1);  // the search thread would outlive the test
        double took = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - asked).count();
        printf("stopped %d ms in: ended %.2f ms after the request\n", delay, took);
        runAsSearchNumber(newSearchNumber());
    }
}

}  // namespace
