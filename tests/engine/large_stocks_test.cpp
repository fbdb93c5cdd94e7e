// The search on every core against the single-threaded walk kept in
// tests/reference/single_thread_walk/, on stocks of 300 to 500 candidates: a
// test of its own, too slow for ThreadSanitizer, since the walk needs tens
// of seconds for each of these searches.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "tests/engine/bridge_comparison.h"
#include "tests/engine/large_searches.h"
#include "tests/reference/single_thread_walk/bridge_sweep.h"

namespace {

// Stocks of 300 to 500 candidates, a few of them near the target.
TEST(SearchOnEveryCore, StocksOfUpTo500ValuesRecordWhatTheSingleThreadedWalkRecords) {
    LargeSearches random(500500);
    Reached reached;
    for (int trial = 0; trial < 3; ++trial) {
        TypedSearch search = random.nextWithFewNearTheTarget(300 + random.pick(201));
        random.aim(&search, trial % 3);
        reached.count(expectSameOnEveryCore(single_thread_walk::templates, search));
        if (::testing::Test::HasFailure()) return;
    }
    printf("%d searches: %d with five-part matches, %d with bridges, %d at a limit\n", reached.searches,
           reached.fiveParts, reached.bridges, reached.limits);
    EXPECT_GT(reached.fiveParts, 0);
    EXPECT_GT(reached.bridges, 0);
}

}  // namespace

namespace {

// The bridge alone over 300 to 360 candidates spread over one to two
// decades, the window's low or high end on a random bridge of them, some
// with the smallest or the largest candidate as the cross part: the meet
// records what the single-threaded walk's sweep records, on one thread and
// on three. The sweep takes seconds for each.
TEST(BridgeSweep, BridgesOfOver300PartsOnTheWindowEndsRecordAsTheSingleThreadedSweep) {
    std::mt19937 random(500005);
    static const char* const tolerances[] = {"1e-13", "1e-9", "1e-7"};
    int compared = 0, withBridges = 0;
    for (int trial = 0; trial < 4 && !::testing::Test::HasFailure(); ++trial) {
        const int count = 300 + static_cast<int>(random() % 61);
        std::uniform_real_distribution<double> exponent(0, 1 + (random() % 11) / 10.0);
        const int partType = trial % 3 == 2 ? Capacitor : Resistor;
        std::string stock;
        for (int i = 0; i < count; ++i) {
            char line[40];
            snprintf(line, sizeof line, "%.4g%s\r\n", std::pow(10.0, exponent(random)), partType == Capacitor ? "u" : "k");
            stock += line;
        }
        TypedSearch search{partType, "1k", "1", "5", stock.c_str(), true, false, "1e6"};
        search.run();
        // The cross part now and then at an end of the candidates.
        const int32_t candidates = lastCandidate - firstCandidate + 1;
        int32_t p[5];
        for (int32_t& pick : p) pick = firstCandidate + static_cast<int32_t>(random() % static_cast<unsigned>(candidates));
        if (p[1] > p[0]) std::swap(p[0], p[1]);
        if (trial % 2 == 1) p[2] = trial % 4 == 1 ? firstCandidate : lastCandidate;
        auto s = [](int32_t i) { return stockParts[i].seriesValue; };
        const double v = bridgeValue(s(p[0]), s(p[1]), s(p[2]), s(p[3]), s(p[4]));
        const char* tolerance = tolerances[trial % 3];
        double target;
        if (!targetWithWindowEnd(partType, v, strtod(tolerance, nullptr) / 100, trial % 2 == 0, &target)) continue;
        char text[64];
        typeTarget(partType, target, text, sizeof text);
        search.target = text;
        search.tolerance = tolerance;
        withBridges += expectSameBridges(single_thread_walk::sweepBridge, search) > 0 ? 1 : 0;
        ++compared;
    }
    printf("%d searches, %d with bridges\n", compared, withBridges);
    EXPECT_GT(compared, 2);
    EXPECT_EQ(withBridges, compared);
}

}  // namespace
