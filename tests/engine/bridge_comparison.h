// The bridge alone, run by the program and by a reference on the same stock
// and window, and what each recorded: for stocks too large for the plain
// loops of every template, while the plain loops of the bridge itself (or
// the single-threaded walk's sweep) still run in seconds.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/bridge_sweep.h"
#include "engine/networks.h"
#include "engine/recorder.h"
#include "engine/search_tasks.h"
#include "engine/stock_list.h"
#include "tests/engine/network_comparison.h"

// The bridge as the plain loops run it: pick1 down from the top, pick2 down
// from pick1, pick3 to pick5 down from the top, each combination tested
// against the window. The star of the first three parts is computed once
// for all pick4 and pick5, with the operations of the plain formula, so the
// values are the plain loops' to the bit.
inline int32_t plainBridge(const NetworkShape& shape) {
    const SearchStage& window = stages[0];
    auto s = [](int32_t i) { return stockParts[i].seriesValue; };
    for (int32_t p1 = lastCandidate; p1 >= firstCandidate; --p1) {
        for (int32_t p2 = p1; p2 >= firstCandidate; --p2) {
            for (int32_t p3 = lastCandidate; p3 >= firstCandidate; --p3) {
                double d = (s(p2) + s(p1)) + s(p3);
                double a = s(p3) * s(p1) / d, b = s(p3) * s(p2) / d, c = s(p2) * s(p1) / d;
                for (int32_t p4 = lastCandidate; p4 >= firstCandidate; --p4) {
                    for (int32_t p5 = lastCandidate; p5 >= firstCandidate; --p5) {
                        double v = (b + s(p5)) * (a + s(p4)) / (((a + s(p4)) + b) + s(p5)) + c;
                        if (window.seriesLow <= v && v <= window.seriesHigh) {
                            pick1 = p1, pick2 = p2, pick3 = p3, pick4 = p4, pick5 = p5;
                            if (recordMatch(shape, v) != 0) return -1;
                        }
                    }
                }
            }
        }
    }
    return 0;
}

// What a bridge recorded after the search set up its stock and window: the
// lines in their order, every record's value and error bit for bit, the
// outcome of the sweep and the counts.
struct BridgeRecords {
    int32_t outcome = 0;
    std::string lines;
    std::vector<uint64_t> values, errors;
    std::vector<int> picks;  // five for each record
    int matchCount = 0;
    double tolerancePercent = 0;
    std::string status;
};

// Sets up `search` with one-part networks only (its stock, candidates and
// window; "Show All" on, so that nothing stops before the bridge), then runs
// `sweep` on `threads` threads, each loop of two indices or more split into
// tasks when there are more than one.
inline BridgeRecords bridgeRecordsOf(int32_t (*sweep)(const NetworkShape&), const TypedSearch& search,
                                     int threads) {
    TypedSearch setUp = search;
    setUp.maxParts = "1";
    setUp.showAll = true;
    setUp.parallelOnly = false;
    setUp.run();
    const int before = resultStore.recordCount, storeBefore = resultStore.storeUsed;
    setSearchThreadCount(threads);
    splitFromIndices(threads > 1 ? 2 : 0);
    BridgeRecords r;
    r.outcome = sweep(bridgeShape);
    setSearchThreadCount(0);
    splitFromIndices(0);
    r.lines.assign(resultStore.lineStore + storeBefore, static_cast<size_t>(resultStore.storeUsed - storeBefore));
    for (int i = before; i < resultStore.recordCount; ++i) {
        r.values.push_back(bitsOf(resultStore.records[i].value));
        r.errors.push_back(bitsOf(resultStore.records[i].absError));
        for (int16_t p : resultStore.records[i].picks) r.picks.push_back(p);
    }
    r.matchCount = settings.matchCount;
    r.tolerancePercent = searchParams.tolerancePercent;
    r.status = statusText;
    return r;
}

// Runs the bridge of `search` through `reference` and through the program
// on one thread and on three; fails at the first difference. Returns how
// many bridges the reference recorded.
inline int expectSameBridges(int32_t (*reference)(const NetworkShape&), const TypedSearch& search) {
    const BridgeRecords expected = bridgeRecordsOf(reference, search, 1);
    for (int threads : {1, 3}) {
        const BridgeRecords actual = bridgeRecordsOf(sweepBridge, search, threads);
        SCOPED_TRACE(describeSearch(search) + ", " + std::to_string(threads) + " threads");
        EXPECT_EQ(actual.outcome, expected.outcome);
        EXPECT_EQ(actual.values.size(), expected.values.size()) << "bridges recorded";
        if (actual.lines != expected.lines) {
            size_t at = 0;
            while (at < actual.lines.size() && at < expected.lines.size() && actual.lines[at] == expected.lines[at]) {
                ++at;
            }
            size_t from = expected.lines.rfind('\0', at == 0 ? 0 : at - 1);
            from = from == std::string::npos ? 0 : from + 1;
            ADD_FAILURE() << "the recorded lines differ at byte " << at << ": expected \""
                          << expected.lines.substr(from, 80).c_str() << "\", got \""
                          << actual.lines.substr(from, 80).c_str() << "\"";
        }
        EXPECT_TRUE(actual.values == expected.values) << "record values differ";
        EXPECT_TRUE(actual.errors == expected.errors) << "record errors differ";
        EXPECT_TRUE(actual.picks == expected.picks) << "record picks differ";
        EXPECT_EQ(actual.matchCount, expected.matchCount);
        EXPECT_EQ(bitsOf(actual.tolerancePercent), bitsOf(expected.tolerancePercent));
        EXPECT_EQ(actual.status, expected.status);
        if (::testing::Test::HasFailure()) break;
    }
    return static_cast<int>(expected.values.size());
}
