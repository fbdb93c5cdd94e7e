// Random searches over stocks of up to 500 values, and running one through
// a reference and through the program on one thread and on three, for the
// tests of the search on every core.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "engine/bridge_sweep.h"
#include "engine/network_middle.h"
#include "engine/search_tasks.h"
#include "tests/engine/network_comparison.h"
#include "tests/reference/single_thread_walk/walk_networks.h"


// Random stocks of `count` values drawn log-uniformly over `decades`
// decades from 1 (in the unit of the part type), and searches over them.
class LargeSearches {
  public:
    explicit LargeSearches(unsigned seed) : random_(seed) {}

    TypedSearch next(int smallest, int largest) {
        TypedSearch search{};
        search.partType = pick(3);
        static const char* const units[3] = {"", "n", "u"};
        unit_ = units[search.partType];
        int count = smallest + pick(largest - smallest + 1);
        double decades = 1.2 + pick(10) / 10.0;
        std::uniform_real_distribution<double> exponent(0, decades);
        stock_.clear();
        for (int i = 0; i < count; ++i) {
            char line[40];
            snprintf(line, sizeof line, "%.4g%s%s\r\n", std::pow(10.0, exponent(random_)), unit_,
                     pick(30) == 0 ? " spare" : "");
            stock_ += line;
        }
        search.stock = stock_.c_str();
        // Near the end of the stock where few parts make a network (the
        // smallest resistances and inductances, the largest capacitances),
        // so that the single-threaded walk stays quick at 500 values.
        double end = search.partType == Capacitor ? std::pow(10.0, decades) : 1.0;
        double factor = search.partType == Capacitor ? 1.0 / (0.4 + pick(16) / 10.0) : 0.4 + pick(16) / 10.0;
        snprintf(target_, sizeof target_, "%.5g%s", end * factor, unit_);
        search.target = target_;
        // Mostly narrow, so that the search reaches five parts before a
        // limit; now and then wide enough for the limits.
        static const char* const tolerances[] = {"1e-11", "1e-9", "1e-7", "1e-6", "1e-5",
                                                 "3e-5",  "1e-4", "0.001", "0.006", "2"};
        search.tolerance = tolerances[pick(10)];
        search.maxParts = pick(8) == 0 ? "4" : "5";
        search.range = "1e6";
        search.showAll = pick(4) != 0;
        search.parallelOnly = pick(8) == 0;
        return search;
    }

    // A stock of `count` values of which a few lie near the target and the
    // rest some thousand times higher (in the series domain): every value
    // is a candidate, so the five-part templates meet in the middle over
    // all of them, while the single-threaded walk soon leaves the high
    // ones behind.
    TypedSearch nextWithFewNearTheTarget(int count) {
        TypedSearch search{};
        search.partType = pick(3);
        unit_ = search.partType == Resistor ? "" : "u";
        int near = 5 + pick(10);
        stock_.clear();
        for (int i = 0; i < count; ++i) {
            double x = (1 + pick(900) / 100.0) * (i < near ? 1 : 10000);
            char line[40];
            snprintf(line, sizeof line, "%.4g%s\r\n", search.partType == Capacitor ? 1 / x : x, unit_);
            stock_ += line;
        }
        search.stock = stock_.c_str();
        double x = 2 + pick(280) / 10.0;
        snprintf(target_, sizeof target_, "%.5g%s", search.partType == Capacitor ? 1 / x : x, unit_);
        search.target = target_;
        static const char* const tolerances[] = {"1e-11", "1e-9", "1e-7", "1e-5", "0.001", "0.01", "0.5"};
        search.tolerance = tolerances[pick(7)];
        search.maxParts = "5";
        search.range = "1e9";
        search.showAll = pick(4) != 0;
        search.parallelOnly = pick(10) == 0;
        return search;
    }

    // Aims the target at a five-part network of the stock, as a wide search
    // with the program's own templates records it (when it records one).
    void aimAtFiveParts(TypedSearch* search) {
        TypedSearch wide = *search;
        wide.tolerance = "0.3";
        wide.showAll = true;
        wide.parallelOnly = false;
        wide.maxParts = "5";
        wide.run();
        std::vector<int> five;
        for (int i = 0; i < resultStore.recordCount; ++i) {
            if (resultStore.records[i].shape->parts == 5) five.push_back(i);
        }
        if (five.empty()) return;
        double v = resultStore.records[five[static_cast<size_t>(pick(static_cast<int>(five.size())))]].value;
        typeTarget(search->partType, search->partType == Capacitor ? 1 / v : v, target_, sizeof target_);
        search->target = target_;
    }

    // Aims the target at a random bridge of the stock's smallest parts (in
    // the series domain).
    void aimAtABridge(TypedSearch* search) {
        search->run();  // parses the stock
        if (firstCandidate > lastCandidate) return;
        int smallest = std::min(lastCandidate - firstCandidate + 1, 10);
        auto part = [&] { return stockParts[firstCandidate + pick(smallest)].seriesValue; };
        double s1 = part(), s2 = part(), s3 = part(), s4 = part(), s5 = part();
        typeTarget(search->partType, bridgeValue(s1, s2, s3, s4, s5), target_, sizeof target_);
        search->target = target_;
        // Narrow, so that no other network comes near enough to close the
        // bridge's gate.
        search->tolerance = pick(2) == 0 ? "1e-11" : "1e-9";
    }

    // Aims at five parts or a bridge (way 0 or 1), or leaves the target.
    void aim(TypedSearch* search, int way) {
        switch (way) {
            case 0: aimAtFiveParts(search); break;
            case 1: aimAtABridge(search); break;
            default: break;
        }
    }

    int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

  private:
    std::mt19937 random_;
    const char* unit_ = "";
    std::string stock_;
    char target_[64];
};

// Runs `search` through `reference` once and through the program on one
// thread and on three; fails at the first difference.
inline SearchOutcome expectSameOnEveryCore(const NetworkTemplates& reference, const TypedSearch& search) {
    SearchOutcome expected = runThrough(reference, search);
    SearchOutcome actual;
    for (int threads : {1, 3}) {
        // One thread as set up; three with every five-part template met in
        // the middle and every loop split into tasks, whatever the stock's
        // size.
        setSearchThreadCount(threads);
        meetFromCandidates(threads == 1 ? 0 : 1);
        splitFromIndices(threads == 1 ? 0 : 2);
        actual = runThrough(programTemplates, search);
        setSearchThreadCount(0);
        meetFromCandidates(0);
        splitFromIndices(0);
        SCOPED_TRACE(std::to_string(threads) + " threads");
        expectSameOutcome(actual, expected, search);
    }
    return actual;
}

struct Reached {
    int fiveParts = 0, bridges = 0, limits = 0, searches = 0;

    void count(const SearchOutcome& o) {
        ++searches;
        // Lines end with a zero byte in the store.
        bool five = o.lineStore.compare(0, 2, "5:") == 0 ||
                    o.lineStore.find(std::string(1, '\0') + "5:") != std::string::npos;
        fiveParts += five ? 1 : 0;
        bridges += o.lineStore.find("Bridge(") != std::string::npos ? 1 : 0;
        limits += o.status.find("too many") != std::string::npos ? 1 : 0;
    }
};

