// The search on every core, with its five-part templates met in the middle,
// against the references: the single-threaded walk kept in
// tests/reference/single_thread_walk/ for stocks of up to 500 values, and the
// plain loops for stocks of up to 60; each search runs on one thread and on
// three, more than the machine has, so that tasks finish in every order.
// The same lines in the same order, the same values bit for bit, the same
// counts, limits, early stops, the bridge's gate and outcome, and a stopped
// search records a beginning of what the whole search records.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <algorithm>
#include <future>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "engine/bridge_sweep.h"
#include "engine/search_tasks.h"
#include "tests/engine/large_searches.h"

namespace {

// Stocks of 60 to 200 values spread over a decade or two, targets near
// their low end (in the series domain).
TEST(SearchOnEveryCore, StocksOfUpTo200ValuesRecordWhatTheSingleThreadedWalkRecords) {
    LargeSearches random(200200);
    Reached reached;
    for (int trial = 0; trial < 20; ++trial) {
        TypedSearch search = random.next(60, 200);
        random.aim(&search, trial % 3);
        reached.count(expectSameOnEveryCore(single_thread_walk::templates, search));
        if (::testing::Test::HasFailure()) return;
    }
    printf("%d searches: %d with five-part matches, %d with bridges, %d at a limit\n", reached.searches,
           reached.fiveParts, reached.bridges, reached.limits);
    EXPECT_GT(reached.fiveParts, 8);
    EXPECT_GT(reached.bridges, 1);
    EXPECT_GT(reached.limits, 0);
}

TEST(SearchOnEveryCore, StocksOfUpTo60ValuesRecordWhatThePlainLoopsRecord) {
    LargeSearches random(6060);
    Reached reached;
    for (int trial = 0; trial < 30; ++trial) {
        TypedSearch search = random.next(10, 60);
        random.aim(&search, trial % 3);
        reached.count(expectSameOnEveryCore(reference::templates, search));
        if (::testing::Test::HasFailure()) return;
    }
    printf("%d searches: %d with five-part matches, %d with bridges, %d at a limit\n", reached.searches,
           reached.fiveParts, reached.bridges, reached.limits);
    EXPECT_GT(reached.fiveParts, 10);
    EXPECT_GT(reached.bridges, 3);
}

// Ten and twenty lines each of 1k and 2k: every choice of lines for the
// parts of a network gives the same value, so a five-part template finds
// far more networks at the target than its store of candidates holds. It
// splits its outermost loop until the candidates fit, or down to the walk
// for one pick1, and still records the first of them in the plain loops'
// order until the limit.
TEST(SearchOnEveryCore, TemplatesWithMoreCandidatesThanTheirStoreRecordInOrder) {
    // 2k + 1k + 1k + 1k + 1k, (1k / 1k) + (2k / 2k) + 2k = 3.5k, and
    // 1k / 2k / (1k + 1k + 1k): 1 / (1/1000 + 1/2000 + 1/3000) = 6000/11.
    const char* const targets[] = {"6k", "3.5k", "545.45454545454545"};
    for (int lines : {10, 20}) {
        std::string stock;
        for (int i = 0; i < lines; ++i) stock += "1k\r\n2k\r\n";
        for (const char* target : targets) {
            TypedSearch search{Resistor, target, "1e-9", "5", stock.c_str(), true};
            SearchOutcome o = expectSameOnEveryCore(reference::templates, search);
            EXPECT_EQ(o.status, "Break off because of too many matches.");
            if (::testing::Test::HasFailure()) return;
        }
    }    // Forty lines of 1k and the target 5k: the chain of five with its first
    // part on the last line alone has more candidates than the store holds,
    // and is walked.
    std::string stock;
    for (int i = 0; i < 40; ++i) stock += "1k\r\n";
    TypedSearch search{Resistor, "5k", "1e-9", "5", stock.c_str(), true};
    SearchOutcome o = expectSameOnEveryCore(reference::templates, search);
    EXPECT_EQ(o.status, "Break off because of too many matches.");
}

// 400 lines of 1k and the target 1k + (1k / 1k / 1k / 1k): the template
// "%s +(%s / %s / %s / %s)" has two outer loops that run independently, so
// its contexts (160000) overflow their store (m(m+1)/2) and it meets over
// each half of its first part's loop. Compared with the single-threaded
// walk, since the plain loops would take hours here.
TEST(SearchOnEveryCore, ContextsBeyondTheirStoreMeetOverHalvesOfTheLoop) {
    std::string stock;
    for (int i = 0; i < 400; ++i) stock += "1k\r\n";
    TypedSearch search{Resistor, "1.25k", "1e-9", "5", stock.c_str(), true, false, "10"};
    SearchOutcome o = expectSameOnEveryCore(single_thread_walk::templates, search);
    EXPECT_EQ(o.status, "Break off because of too many matches.");
    EXPECT_NE(o.lineStore.find("1k +(1k / 1k / 1k / 1k)"), std::string::npos);
}

// A stock whose parts lie beyond the range where meeting in the middle is
// certified, and a tolerance above it: the five-part templates run the walk
// on every core instead, and record the same.
TEST(SearchOnEveryCore, SearchesBeyondTheCertifiedRangeRunTheWalkOnEveryCore) {
    const TypedSearch searches[] = {
        {Resistor, "3", "0.5", "5", "1e-13\r\n0.5\r\n1\r\n2\r\n3.3\r\n4.7\r\n", true, false, "1e30"},
        {Resistor, "3.1k", "15", "5", "1k\r\n2.2k\r\n4.7k\r\n680\r\n330\r\n", true},
        {Capacitor, "1u", "1e-6", "5", "1p\r\n100n\r\n220n\r\n470n\r\n1u\r\n2.2u\r\n", true, false, "1e30"},
    };
    for (const TypedSearch& search : searches) expectSameOnEveryCore(reference::templates, search);
}

// A stop request while the search runs on every core: the search ends, and
// what it recorded until then is the beginning, line for line, of what the
// whole search records.
TEST(SearchOnEveryCore, AStoppedSearchRecordedABeginningOfTheWholeSearch) {
    std::mt19937 random(77);
    std::uniform_real_distribution<double> exponent(std::log10(150.0), std::log10(9900.0));
    static char stock[limits::TextSize];
    stock[0] = '\0';
    for (int i = 0; i < 300; ++i) {
        char line[32];
        snprintf(line, sizeof line, "%.5g\r\n", std::pow(10.0, exponent(random)));
        appendText(stock, line);
    }
    TypedSearch search{Resistor, "3.1415926k", "0.00002", "5", stock, true, false, "1000"};
    SearchOutcome whole = runThrough(programTemplates, search);
    int stoppedWithRecords = 0;
    for (int delay : {30, 200, 600, 1200, 2500}) {
        auto done = std::async(std::launch::async, [&search] { return runThrough(programTemplates, search); });
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        requestSearchStop();
        bool ended = done.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        EXPECT_TRUE(ended) << "stopped after " << delay << " ms";
        if (!ended) std::_Exit(1);  // the search thread would outlive the test
        SearchOutcome stopped = done.get();
        runAsSearchNumber(newSearchNumber());
        EXPECT_LE(stopped.recordCount, whole.recordCount);
        EXPECT_EQ(whole.lineStore.compare(0, stopped.lineStore.size(), stopped.lineStore), 0)
            << "stopped after " << delay << " ms";
        stoppedWithRecords += stopped.recordCount > 0 && stopped.recordCount < whole.recordCount ? 1 : 0;
    }
    EXPECT_GT(whole.recordCount, 100);
    EXPECT_GT(stoppedWithRecords, 0);
}

// The tasks of a loop cover its indices once each, task 0 where the loop
// starts, for every way of splitting.
TEST(SearchTasks, TasksCoverTheLoopInItsOrder) {
    const struct {
        int32_t first, last, count;
    } loops[] = {{0, 0, 1}, {0, 9, 1}, {0, 9, 3}, {3, 499, 16}, {10, 12, 3}, {5, 104, 7}};
    for (const auto& loop : loops) {
        for (bool down : {false, true}) {
            int32_t next = down ? loop.last : loop.first;
            for (int32_t task = 0; task < loop.count; ++task) {
                int32_t from, to;
                taskRange(loop.first, loop.last, task, loop.count, down, &from, &to);
                ASSERT_LE(from, to) << "an empty task";
                EXPECT_EQ(down ? to : from, next) << "task " << task << " of " << loop.count;
                next = down ? from - 1 : to + 1;
            }
            EXPECT_EQ(next, down ? loop.first - 1 : loop.last + 1);
        }
    }
}

}  // namespace
