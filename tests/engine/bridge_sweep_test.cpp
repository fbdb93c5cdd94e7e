// The bridge sweep against the reference loops, which evaluate every
// combination: bridges aimed at exactly, window ends put on a bridge's
// value, stocks beyond the range where its certificates hold, and the value
// itself bit for bit.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <future>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "engine/bridge_sweep.h"
#include "engine/networks.h"
#include "tests/engine/bridge_comparison.h"
#include "tests/engine/network_comparison.h"

namespace {

// Random stocks of a few parts, all part types, with the target on or next
// to the value of a random bridge of them and a tolerance from a rounding
// step to a few percent; "Show All" on, so that no early stop or gate
// hides the bridge.
class BridgeSearches {
  public:
    explicit BridgeSearches(unsigned seed) : random_(seed) {}

    // The parts of the stock in series-domain values, after the search has
    // parsed them; and a search with them and a placeholder target.
    TypedSearch next() {
        TypedSearch search{};
        search.partType = pick(3);
        static const char* const units[3] = {"k", "n", "u"};
        int count = 2 + pick(6);
        stock_.clear();
        for (int i = 0; i < count; ++i) {
            char line[32];
            snprintf(line, sizeof line, "%.3g%s", 1 + pick(900) / 100.0, units[search.partType]);
            stock_ += line;
            stock_ += "\r\n";
            if (pick(5) == 0) stock_ += std::string(line) + "\r\n";  // a repeated value
        }
        search.stock = stock_.c_str();
        search.target = "1k";
        search.tolerance = "1";
        search.maxParts = "5";
        search.range = "1000";
        search.showAll = true;
        return search;
    }

    // The value of a random bridge of the parsed stock, computed as the
    // search computes it.
    double randomBridge() {
        auto part = [&] { return stockParts[firstCandidate + pick(lastCandidate - firstCandidate + 1)].seriesValue; };
        double s1 = part(), s2 = part(), s3 = part(), s4 = part(), s5 = part();
        return bridgeValue(s1, s2, s3, s4, s5);
    }

    int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

  private:
    std::mt19937 random_;
    std::string stock_;
};

TEST(BridgeSweep, BridgesAimedAtExactlyAreRecordedAsByTheReferenceLoops) {
    BridgeSearches random(4242);
    static const char* const tolerances[] = {"1e-13", "1e-11", "1e-9", "1e-6", "0.001", "0.1", "2"};
    int compared = 0, bridgesFound = 0;
    for (int trial = 0; trial < 250; ++trial) {
        TypedSearch search = random.next();
        search.run();  // parses the stock
        char target[64];
        typeTarget(search.partType, random.randomBridge(), target, sizeof target);
        search.target = target;
        search.tolerance = tolerances[random.pick(7)];
        SearchOutcome o = expectSameAsReference(search);
        if (::testing::Test::HasFailure()) return;
        ++compared;
        bridgesFound += o.lineStore.find("Bridge(") != std::string::npos ? 1 : 0;
    }
    // An exact match by an earlier template closes the bridge's gate, so not
    // every search reaches the bridge.
    EXPECT_GT(bridgesFound, compared / 6);
}

// Puts the low and then the high end of the window of each tolerance on
// the value `v` and compares the search with the reference loops; returns
// how many searches it compared, stopping at the first difference.
template <size_t N>
int compareWithWindowEndsOn(const TypedSearch& search, double v, const char* const (&tolerances)[N]) {
    int compared = 0;
    for (const char* tolerance : tolerances) {
        for (bool high : {false, true}) {
            double target;
            if (!targetWithWindowEnd(search.partType, v, strtod(tolerance, nullptr) / 100, high, &target)) continue;
            char text[64];
            typeTarget(search.partType, target, text, sizeof text);
            TypedSearch edge = search;
            edge.target = text;
            edge.tolerance = tolerance;
            expectSameAsReference(edge);
            if (::testing::Test::HasFailure()) return compared;
            ++compared;
        }
    }
    return compared;
}

// The window's low or high end exactly on a bridge's value: the plain test
// compares the very value the sweep computes, so the bridge is recorded
// exactly when the reference loops record it, although the sweep decides
// about its neighbours from certificates.
TEST(BridgeSweep, BridgesOnTheWindowEndsAreRecordedAsByTheReferenceLoops) {
    BridgeSearches random(31337);
    static const char* const tolerances[] = {"1e-13", "1e-9", "0.01", "3"};
    int compared = 0;
    for (int trial = 0; trial < 150 && !::testing::Test::HasFailure(); ++trial) {
        TypedSearch search = random.next();
        search.run();
        compared += compareWithWindowEndsOn(search, random.randomBridge(), tolerances);
    }
    EXPECT_GT(compared, 600);
}

// The window's ends on the largest bridge (every place the largest part)
// and on the smallest: a sweep that hands nothing to its threads when the
// largest lies below the window or the smallest above it must still record
// these two exactly as the reference loops do.
TEST(BridgeSweep, WindowEndsOnTheLargestAndSmallestBridgeAreRecordedAsByTheReferenceLoops) {
    BridgeSearches random(2718);
    static const char* const tolerances[] = {"1e-13", "1e-9", "0.5"};
    int compared = 0;
    for (int trial = 0; trial < 60 && !::testing::Test::HasFailure(); ++trial) {
        TypedSearch search = random.next();
        search.run();
        const double top = stockParts[lastCandidate].seriesValue, bottom = stockParts[firstCandidate].seriesValue;
        compared += compareWithWindowEndsOn(search, bridgeValue(top, top, top, top, top), tolerances);
        compared += compareWithWindowEndsOn(search, bridgeValue(bottom, bottom, bottom, bottom, bottom), tolerances);
    }
    EXPECT_GT(compared, 300);
}

// Stocks that the meet over the cross part finds hard: candidates a
// rounding or two apart, which one entry of its lookup holds together, so
// that a cross part meeting the window among them must be found past the
// first; the same value on several lines; parts over 180 decades, inside
// the range where its certificates hold, whose terms reach 1e270; and five
// equal parts, whose bridge is balanced. The window's ends are put on
// bridges of each: the bridge alone against its plain loops, and the whole
// search against the plain loops of every template.
TEST(BridgeSweep, StocksThatCrowdOrSpreadTheCrossPartRecordAsThePlainLoops) {
    const std::vector<double> stocks[] = {
        {1000, roundingsAbove(1000, 1), roundingsAbove(1000, 2), roundingsAbove(1000, 5), 1000 * (1 + 1e-12), 2200,
         4700},
        {1000, 1000, 1000, 1000, 3300, 3300, 3300, 680},
        {1e-90, 3e-45, 1, 2e45, 1e90},
        {470, 470, 470, 470, 470},
        {100, 150, 220, 330, 470, 680, 1000, roundingsAbove(1000, 1), 1500, 2200, 3300, 4700, 6800},
    };
    static const char* const tolerances[] = {"1e-13", "1e-9", "1e-7", "0.01", "3"};
    std::mt19937 random(1717);
    int compared = 0, onAnEnd = 0, onAnEndWithBridges = 0;
    for (const std::vector<double>& values : stocks) {
        const std::string stock = exactLines(values);
        for (int partType : {Resistor, Capacitor}) {
            TypedSearch search{partType, "1k", "1", "5", stock.c_str(), true, false, "1e300"};
            search.run();
            for (int trial = 0; trial < 3 && !::testing::Test::HasFailure(); ++trial) {
                const double v = randomBridgeOfTheLoops(random);
                for (const char* tolerance : tolerances) {
                    for (bool high : {false, true}) {
                        char text[64];
                        if (!typeTargetWithWindowEnd(partType, v, tolerance, high, text, sizeof text)) continue;
                        TypedSearch edge = search;
                        edge.target = text;
                        edge.tolerance = tolerance;
                        int found = expectSameBridges(plainBridge, edge);
                        // A typed capacitance does not always read as the
                        // target that puts the end on the bridge.
                        if (stages[0].seriesLow == v || stages[0].seriesHigh == v) {
                            ++onAnEnd;
                            onAnEndWithBridges += found > 0 ? 1 : 0;
                        }
                        expectSameAsReference(edge);
                        if (::testing::Test::HasFailure()) return;
                        ++compared;
                    }
                }
            }
        }
    }
    EXPECT_GT(compared, 250);
    EXPECT_GT(onAnEnd, 200);
    EXPECT_EQ(onAnEndWithBridges, onAnEnd);
}

// Windows so wide that the meet certifies little: 150 % for resistors
// (its low end is 0, where nothing lies below), 100 % for capacitors (its
// high end is infinite, where nothing lies above) and 99.9 %, on stocks
// inside the certified range, and targets for which every bridge of them
// matches: the bridge alone against its plain loops.
TEST(BridgeSweep, WindowsWithoutAnEndRecordAsThePlainLoops) {
    const TypedSearch searches[] = {
        {Resistor, "1k", "150", "5", "1k\r\n2.2k\r\n470\r\n", true},
        {Resistor, "2k", "99.9", "5", "1k\r\n2.2k\r\n470\r\n", true},
        {Capacitor, "1u", "100", "5", "1u\r\n1.5u\r\n470n\r\n", true},
        {Capacitor, "2u", "99.9", "5", "1u\r\n2.2u\r\n470n\r\n", true},
    };
    for (const TypedSearch& search : searches) {
        // Every one of the 6 x 27 bridges of three parts whose pick2 does
        // not lie above pick1.
        EXPECT_EQ(expectSameBridges(plainBridge, search), 162) << search.tolerance;
    }
}

// Stocks of 20 to 40 parts, some with values a rounding apart, and the
// window's ends on a random bridge of them: the bridge alone records as its
// plain loops do (stocks of 60 parts: large_stocks_test.cpp).
TEST(BridgeSweep, BridgesOfUpTo40PartsOnTheWindowEndsRecordAsThePlainLoops) {
    std::mt19937 random(6006);
    int compared = 0, withBridges = 0;
    for (int trial = 0; trial < 12 && !::testing::Test::HasFailure(); ++trial) {
        int found = compareBridgesOnAWindowEnd(plainBridge, random, 20 + static_cast<int>(random() % 21), trial);
        compared += found >= 0 ? 1 : 0;
        withBridges += found > 0 ? 1 : 0;
    }
    EXPECT_GT(compared, 8);
    EXPECT_EQ(withBridges, compared);
}

// Parts beyond 1e-100 or 1e100 ohm could push the formula's products out of
// the normal range, where the rounding bound of the certificates fails; the
// sweep then evaluates every combination.
TEST(BridgeSweep, PartsBeyondTheCertifiedRangeAreEvaluatedOneByOne) {
    const TypedSearch searches[] = {
        {Resistor, "1", "60", "5", "1e-120\r\n0.5\r\n1\r\n2\r\n", true, false, "1e300"},
        {Resistor, "1e120", "60", "5", "1e120\r\n3e120\r\n1e119\r\n", true, false, "10"},
        {Resistor, "1", "1e-9", "5", "1e-120\r\n1e120\r\n1\r\n", true, false, "1e300"},
    };
    for (const TypedSearch& search : searches) expectSameAsReference(search);
}

// A stock of ten 1k and ten 2k lines, and the target 13/11 k: the bridge of
// one 2k and four 1k parts, which no network of up to five 1k and 2k parts
// in series and parallel reaches. Every choice of lines for its parts gives
// the same value, so the bridge alone finds far more matches than a search
// records, and more than the sweep of one of each kind keeps. The search
// must still record the first 10000 in the plain loops' order.
TEST(BridgeSweep, MoreEqualBridgesThanTheSweepKeepsEndAtTheLimitInOrder) {
    char target[64];
    typeTarget(Resistor, bridgeValue(2000, 1000, 1000, 1000, 1000), target, sizeof target);
    // Ten and fourteen lines of each.
    for (int lines : {10, 14}) {
        std::string stock;
        for (int i = 0; i < lines; ++i) stock += "1k\r\n2k\r\n";
        for (const char* tolerance : {"1e-9", "0.001"}) {
            TypedSearch search{Resistor, target, tolerance, "5", stock.c_str(), true};
            SearchOutcome o = expectSameAsReference(search);
            EXPECT_EQ(o.status, "Break off because of too many matches.");
            EXPECT_NE(o.lineStore.find("Bridge("), std::string::npos);
        }
    }
}

// Stocks of 24 to 30 parts, larger than the random ones above, with targets
// on a bridge of them.
TEST(BridgeSweep, BridgesOfTwoDozenPartsAreRecordedAsByTheReferenceLoops) {
    BridgeSearches random(2025);
    static const char* const tolerances[] = {"1e-11", "1e-6", "0.01"};
    int bridgesFound = 0;
    for (int trial = 0; trial < 24; ++trial) {
        std::string stock;
        int count = 24 + random.pick(7);
        for (int i = 0; i < count; ++i) {
            char line[32];
            snprintf(line, sizeof line, "%.3gk\r\n", 1 + random.pick(900) / 100.0);
            stock += line;
        }
        TypedSearch search{Resistor, "1k", "1", "1", stock.c_str(), true, false, "1000"};
        search.run();
        char target[64];
        typeTarget(Resistor, random.randomBridge(), target, sizeof target);
        search.target = target;
        search.tolerance = tolerances[trial % 3];
        search.maxParts = "5";
        SearchOutcome o = expectSameAsReference(search);
        if (::testing::Test::HasFailure()) return;
        bridgesFound += o.lineStore.find("Bridge(") != std::string::npos ? 1 : 0;
    }
    EXPECT_GT(bridgesFound, 4);
}

// The value the sweep records is the plain formula's, computed with the
// same operations in the same order.
TEST(BridgeSweep, ValueIsThePlainFormulaBitForBit) {
    std::mt19937 random(99);
    std::uniform_real_distribution<double> exponent(-6, 6);
    for (int i = 0; i < 100000; ++i) {
        double s[6];
        for (int k = 1; k <= 5; ++k) s[k] = std::pow(10.0, exponent(random));
        double d = (s[2] + s[1]) + s[3];
        double a = s[3] * s[1] / d;
        double b = s[3] * s[2] / d;
        double plain = (b + s[5]) * (a + s[4]) / (((a + s[4]) + b) + s[5]) + s[2] * s[1] / d;
        ASSERT_EQ(bitsOf(bridgeValue(s[1], s[2], s[3], s[4], s[5])), bitsOf(plain));
    }
    // Parts of 2k, 1k, 3k, 5k and 4k in pick order: 61000/21 ohm.
    EXPECT_NEAR(bridgeValue(2000, 1000, 3000, 5000, 4000), 61000.0 / 21, 1e-9);
}

// The bridge alone over 400 irregular candidates, for a target inside their
// span that no bridge meets: many seconds of sweeping. A stop request ends
// it within milliseconds; the bound here only catches a sweep that no
// longer tests at all.
TEST(BridgeSweep, StopRequestsEndALongSweep) {
    static char stock[limits::TextSize];
    std::mt19937 random(401);
    std::uniform_real_distribution<double> exponent(std::log10(150.0), std::log10(9900.0));
    for (int i = 0; i < 400; ++i) {
        char line[32];
        snprintf(line, sizeof line, "%.5g\r\n", std::pow(10.0, exponent(random)));
        appendText(stock, line);
    }
    for (int delay : {10, 300}) {
        int32_t outcome = 0;
        auto done = std::async(std::launch::async, [&] {
            // One part only: the stock, the candidates and the window are set
            // as for the bridge's turn.
            TypedSearch{Resistor, "3.1415926k", "1e-9", "1", stock, true, false, "1000"}.run();
            outcome = sweepBridge(bridgeShape);
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        auto asked = std::chrono::steady_clock::now();
        requestSearchStop();
        bool ended = done.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        EXPECT_TRUE(ended) << delay << " ms";
        if (!ended) std::_Exit(1);
        double took = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - asked).count();
        printf("stopped %d ms in: ended %.2f ms after the request\n", delay, took);
        EXPECT_EQ(outcome, -1);
        runAsSearchNumber(newSearchNumber());
    }
}

}  // namespace
