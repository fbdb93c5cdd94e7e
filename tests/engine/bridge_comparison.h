// The bridge alone, run by the program and by a reference on the same stock
// and window, and what each recorded: for stocks too large for the plain
// loops of every template, while the plain loops of the bridge itself (or
// the single-threaded walk's sweep) still run in seconds.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
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

// What the bridge left behind after the search set up its stock and window
// (the outcome of every recording, the one-part networks' included, as
// recordedOutcome gives it), the sweep's own outcome and the picks of every
// record, five each: lines alike may name different lines of one value.
struct BridgeOutcome {
    int32_t sweep = 0;
    SearchOutcome recorded;
    std::vector<int> picks;
    int bridges = 0;
};

// Sets up `search` with one-part networks only (its stock, candidates and
// window; "Show All" on, so that nothing stops before the bridge), then runs
// `sweep` on `threads` threads, each loop of two indices or more split into
// tasks when there are more than one.
inline BridgeOutcome bridgeOutcomeOf(int32_t (*sweep)(const NetworkShape&), const TypedSearch& search, int threads) {
    TypedSearch setUp = search;
    setUp.maxParts = "1";
    setUp.showAll = true;
    setUp.parallelOnly = false;
    setUp.run();
    setSearchThreadCount(threads);
    splitFromIndices(threads > 1 ? 2 : 0);
    BridgeOutcome o;
    o.sweep = sweep(bridgeShape);
    setSearchThreadCount(0);
    splitFromIndices(0);
    o.recorded = recordedOutcome();
    for (int i = 0; i < resultStore.recordCount; ++i) {
        for (int16_t p : resultStore.records[i].picks) o.picks.push_back(p);
        o.bridges += resultStore.records[i].shape == &bridgeShape ? 1 : 0;
    }
    return o;
}

// Runs the bridge of `search` through `reference` and through the program
// on one thread and on three; fails at the first difference. Returns how
// many bridges the reference recorded.
inline int expectSameBridges(int32_t (*reference)(const NetworkShape&), const TypedSearch& search) {
    const BridgeOutcome expected = bridgeOutcomeOf(reference, search, 1);
    for (int threads : {1, 3}) {
        const BridgeOutcome actual = bridgeOutcomeOf(sweepBridge, search, threads);
        SCOPED_TRACE("the bridge alone on " + std::to_string(threads) + " threads");
        EXPECT_EQ(actual.sweep, expected.sweep);
        expectSameOutcome(actual.recorded, expected.recorded, search);
        EXPECT_TRUE(actual.picks == expected.picks) << "record picks differ";
        if (::testing::Test::HasFailure()) break;
    }
    return expected.bridges;
}

// Stock lines of these values (ohm, or microfarad for capacitors), each
// read back to the bit, so that a test can put values a rounding apart.
inline std::string exactLines(const std::vector<double>& values) {
    std::string stock;
    for (double v : values) {
        char line[40];
        snprintf(line, sizeof line, "%.17g\r\n", v);
        stock += line;
    }
    return stock;
}

// A value a few roundings above v.
inline double roundingsAbove(double v, int n) {
    for (int i = 0; i < n; ++i) v = std::nextafter(v, HUGE_VAL);
    return v;
}

// The target that puts the window's low or high end exactly on v, typed;
// false when no target does.
inline bool typeTargetWithWindowEnd(int partType, double v, const char* tolerance, bool high, char* text, size_t size) {
    double target;
    if (!targetWithWindowEnd(partType, v, strtod(tolerance, nullptr) / 100, high, &target)) return false;
    typeTarget(partType, target, text, size);
    return true;
}

// The value of a random bridge of the parsed stock in a view that the plain
// loops try (pick2 not above pick1); a third of them with the smallest
// candidate as the cross part and a third with the largest, where the
// meet's search for the cross part meets the ends of the candidates.
inline double randomBridgeOfTheLoops(std::mt19937& random) {
    const int32_t count = lastCandidate - firstCandidate + 1;
    int32_t p[5];
    for (int32_t& pick : p) pick = firstCandidate + static_cast<int32_t>(random() % static_cast<unsigned>(count));
    if (p[1] > p[0]) std::swap(p[0], p[1]);
    switch (random() % 3) {
        case 0: p[2] = firstCandidate; break;
        case 1: p[2] = lastCandidate; break;
        default: break;
    }
    auto s = [](int32_t i) { return stockParts[i].seriesValue; };
    return bridgeValue(s(p[0]), s(p[1]), s(p[2]), s(p[3]), s(p[4]));
}

// A stock of `count` values between 150 and 9900 (every third trial with
// some a rounding or two above others), resistors or, every fourth trial,
// capacitors, and the window's low or high end on a random bridge of them:
// the bridge alone through `reference` and through the program. Returns how
// many bridges the reference recorded, or -1 when the typed target did not
// put the window's end on the bridge.
inline int compareBridgesOnAWindowEnd(int32_t (*reference)(const NetworkShape&), std::mt19937& random, int count,
                                      int trial) {
    static const char* const tolerances[] = {"1e-13", "1e-9", "1e-7", "0.003"};
    std::uniform_real_distribution<double> exponent(std::log10(150.0), std::log10(9900.0));
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        double v = std::round(std::pow(10.0, exponent(random)));
        values.push_back(v);
        if (trial % 3 == 0 && i % 7 == 0) values.push_back(roundingsAbove(v, 1 + i % 3));
    }
    const std::string stock = exactLines(values);
    const int partType = trial % 4 == 3 ? Capacitor : Resistor;
    TypedSearch search{partType, "1k", "1", "5", stock.c_str(), true, false, "1e300"};
    search.run();
    char text[64];
    const char* tolerance = tolerances[trial % 4];
    const double v = randomBridgeOfTheLoops(random);
    if (!typeTargetWithWindowEnd(partType, v, tolerance, trial % 2 == 0, text, sizeof text)) return -1;
    search.target = text;
    search.tolerance = tolerance;
    int found = expectSameBridges(reference, search);
    // A typed capacitance does not always read as the target wanted.
    return stages[0].seriesLow == v || stages[0].seriesHigh == v ? found : -1;
}
