// Running one search through the program's network templates and through
// the straightforward reference loops, and comparing everything the two
// leave behind: the line store byte for byte (it holds the lines in the
// order they were recorded), every record's value and error bit for bit,
// the counts, the final tolerance and both texts.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/network_middle.h"
#include "engine/networks.h"
#include "engine/search_frame.h"
#include "engine/search_tasks.h"
#include "tests/engine/network_search.h"
#include "tests/reference/reference_networks.h"

struct SearchOutcome {
    std::string lineStore;
    std::vector<uint64_t> values, errors;  // the bits of every record's value and absError
    std::vector<int> lengths, places;      // every record's length and place in the store
    int matchCount = 0, recordCount = 0, shownCount = 0, displayBudget = 0;
    double tolerancePercent = 0;
    std::string result, status;
};

inline uint64_t bitsOf(double x) {
    uint64_t bits;
    memcpy(&bits, &x, sizeof bits);
    return bits;
}

// What the search that ran last left behind.
inline SearchOutcome recordedOutcome() {
    SearchOutcome o;
    const ResultStore& store = resultStore;
    o.lineStore.assign(store.lineStore, static_cast<size_t>(store.storeUsed));
    for (int i = 0; i < store.recordCount; ++i) {
        const MatchRecord& r = store.records[i];
        o.values.push_back(bitsOf(r.value));
        o.errors.push_back(bitsOf(r.absError));
        o.lengths.push_back(r.length);
        o.places.push_back(static_cast<int>(r.text - store.lineStore));
    }
    o.matchCount = settings.matchCount;
    o.recordCount = store.recordCount;
    o.shownCount = store.shownCount;
    o.displayBudget = store.displayBudget;
    o.tolerancePercent = searchParams.tolerancePercent;
    o.result = resultText;
    o.status = statusText;
    return o;
}

inline SearchOutcome runThrough(const NetworkTemplates& templates, const TypedSearch& search) {
    searchTemplates = &templates;
    search.run();
    searchTemplates = &programTemplates;
    return recordedOutcome();
}

inline std::string describeSearch(const TypedSearch& s) {
    char text[limits::TextSize + 200];
    snprintf(text, sizeof text, "type %d target %s tolerance %s parts %s range %s%s%s stock [%s]",
             s.partType, s.target, s.tolerance, s.maxParts, s.range, s.showAll ? " show-all" : "",
             s.parallelOnly ? " parallel-only" : "", s.stock);
    return text;
}

// Fails the test at the first difference between two outcomes of `search`.
inline void expectSameOutcome(const SearchOutcome& actual, const SearchOutcome& expected,
                              const TypedSearch& search) {
    SCOPED_TRACE(describeSearch(search));
    EXPECT_EQ(actual.matchCount, expected.matchCount);
    EXPECT_EQ(actual.recordCount, expected.recordCount);
    EXPECT_EQ(actual.status, expected.status);
    if (actual.lineStore != expected.lineStore) {
        size_t at = 0;
        while (at < actual.lineStore.size() && at < expected.lineStore.size() &&
               actual.lineStore[at] == expected.lineStore[at]) {
            ++at;
        }
        size_t from = expected.lineStore.rfind('\0', at == 0 ? 0 : at - 1);
        from = from == std::string::npos ? 0 : from + 1;
        ADD_FAILURE() << "the recorded lines differ at byte " << at << ": expected line \""
                      << expected.lineStore.substr(from, 100).c_str() << "\", got \""
                      << actual.lineStore.substr(from, 100).c_str() << "\"";
    }
    EXPECT_TRUE(actual.values == expected.values) << "record values differ";
    EXPECT_TRUE(actual.errors == expected.errors) << "record errors differ";
    EXPECT_TRUE(actual.lengths == expected.lengths && actual.places == expected.places);
    EXPECT_EQ(actual.shownCount, expected.shownCount);
    EXPECT_EQ(actual.displayBudget, expected.displayBudget);
    EXPECT_EQ(bitsOf(actual.tolerancePercent), bitsOf(expected.tolerancePercent));
    EXPECT_EQ(actual.result, expected.result);
}

// Runs `search` through the program and through `reference` and fails the
// test at the first difference. The program runs as it is set up, and again
// with its five-part templates met in the middle whatever the stock's size,
// on three threads, more than the machine has, with every loop of two
// indices or more split into tasks. Returns the program's outcome.
inline SearchOutcome expectSameAs(const NetworkTemplates& reference, const TypedSearch& search) {
    SearchOutcome expected = runThrough(reference, search);
    SearchOutcome actual = runThrough(programTemplates, search);
    expectSameOutcome(actual, expected, search);
    meetFromCandidates(1);
    setSearchThreadCount(3);
    splitFromIndices(2);
    SearchOutcome met = runThrough(programTemplates, search);
    meetFromCandidates(0);
    setSearchThreadCount(0);
    splitFromIndices(0);
    SCOPED_TRACE("met in the middle on three threads");
    expectSameOutcome(met, expected, search);
    return actual;
}

// The same against the plain reference loops.
inline SearchOutcome expectSameAsReference(const TypedSearch& search) {
    return expectSameAs(reference::templates, search);
}

// A target text whose reading gives exactly `wanted` (ohm or henry, or
// 1/farad for capacitors, typed in microfarads without a letter), or the
// nearest one tried.
inline void typeTarget(int partType, double wanted, char* text, size_t size) {
    double typed = partType == Capacitor ? 1e6 / wanted : wanted;
    for (int step = 0; step < 64; ++step) {
        snprintf(text, size, "%.17g", typed);
        double number = strtod(text, nullptr);
        double read = partType == Capacitor ? 1 / (number / 1000000) : number;
        if (read == wanted) return;
        typed = read < wanted ? (partType == Capacitor ? std::nextafter(typed, 0.0)
                                                       : std::nextafter(typed, HUGE_VAL))
                              : (partType == Capacitor ? std::nextafter(typed, HUGE_VAL)
                                                       : std::nextafter(typed, 0.0));
    }
}

// The target for which the acceptance window with tolerance fraction t ends
// exactly on v (its high end when `high`, else its low end), as the search
// computes the window; false when no target nearby does.
inline bool targetWithWindowEnd(int partType, double v, double t, bool high, double* target) {
    double ideal;
    if (partType == Capacitor) {
        ideal = high ? v * (1 - t) : v * (1 + t);
    } else {
        ideal = high ? v / (1 + t) : v / (1 - t);
    }
    double below = ideal, above = ideal;
    for (int step = 0; step < 64; ++step) {
        for (double T : {below, above}) {
            double end;
            if (partType == Capacitor) {
                end = high ? T / (1 - t) : T / (1 + t);
            } else {
                end = high ? T * (1 + t) : T * (1 - t);
            }
            if (end == v) {
                *target = T;
                return true;
            }
        }
        below = std::nextafter(below, 0.0);
        above = std::nextafter(above, HUGE_VAL);
    }
    return false;
}
