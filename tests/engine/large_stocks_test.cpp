// The search on every core against the single-threaded walk kept in
// tests/reference/single_thread_walk/, on stocks of 300 to 500 candidates: a
// test of its own, too slow for ThreadSanitizer, since the walk needs tens
// of seconds for each of these searches.
#include <gtest/gtest.h>

#include "tests/engine/large_searches.h"

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
