// The search on every core against the single-threaded walk kept in
// tests/reference/single_thread_walk/, on stocks of 300 to 500 candidates: a
// test of its own, too slow for ThreadSanitizer, since the walk needs tens
// of seconds for each of these searches.
#include <gtest/gtest.h>

#include <random>

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

// The bridge alone over 60 candidates, and over 300 to 330, with the
// window's low or high end on a random bridge of them, some with the
// smallest or the largest candidate as the cross part: the meet records what
// the plain loops of the bridge record (seconds each at 60 candidates), and
// what the single-threaded walk's sweep records (seconds each over 300),
// on one thread and on three.
TEST(BridgeSweep, BridgesOf60PartsOnTheWindowEndsRecordAsThePlainLoops) {
    std::mt19937 random(6060);
    int compared = 0, withBridges = 0;
    for (int trial = 0; trial < 4 && !::testing::Test::HasFailure(); ++trial) {
        int found = compareBridgesOnAWindowEnd(plainBridge, random, 60, trial);
        compared += found >= 0 ? 1 : 0;
        withBridges += found > 0 ? 1 : 0;
    }
    EXPECT_GT(compared, 2);
    EXPECT_EQ(withBridges, compared);
}

TEST(BridgeSweep, BridgesOfOver300PartsOnTheWindowEndsRecordAsTheSingleThreadedSweep) {
    std::mt19937 random(500005);
    int compared = 0, withBridges = 0;
    for (int trial = 0; trial < 4 && !::testing::Test::HasFailure(); ++trial) {
        int found = compareBridgesOnAWindowEnd(single_thread_walk::sweepBridge, random,
                                               300 + static_cast<int>(random() % 31), trial);
        compared += found >= 0 ? 1 : 0;
        withBridges += found > 0 ? 1 : 0;
    }
    EXPECT_GT(compared, 2);
    EXPECT_EQ(withBridges, compared);
}

}  // namespace
