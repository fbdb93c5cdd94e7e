// The stores of the five-part templates that meet in the middle: the pairs
// of the search's candidates sorted by value, the contexts of the template
// being met and its candidates; and the conditions under which the meeting
// is certified (network_middle.h).
#include "engine/network_middle.h"

#include <algorithm>
#include <atomic>

#include "engine/search_inputs.h"

namespace {

// The acceptance window is widened by this much, relative, on both sides:
// six orders of magnitude more than the roundings of the steps and of the
// merge move a network's value.
constexpr double Guard = 1e-9;

// Parts (and so their reciprocals) within these values keep every network
// of up to five of them, and its reciprocal, far inside the (1e-15, 1e15)
// where the guarded reciprocals of the steps act as exact arithmetic; the
// window must lie inside them too.
constexpr double SmallestCertified = 1e-12;
constexpr double LargestCertified = 1e12;

// Above this tolerance the window's ends lie so far apart that the rounding
// of the parallel steps, relative to the smaller end, is no longer far
// inside the guard; such searches find matches at every size anyway.
constexpr double MaxToleranceFraction = 0.1;

std::atomic<int> fewestCandidates{0};

struct Pairs {
    double sums[limits::PairCapacity];
    double reciprocals[limits::PairCapacity];
    uint32_t picks[limits::PairCapacity];
    int32_t count = 0;

    middle::PairList list() const { return {sums, reciprocals, picks, count}; }

    // Every pair of candidates, with the value of its kind.
    template <class Value>
    void sort(Value value) {
        int32_t n = 0;
        for (int32_t i = firstCandidate; i <= lastCandidate; ++i) {
            for (int32_t j = i; j <= lastCandidate; ++j) picks[n++] = static_cast<uint32_t>(i) << 16 | static_cast<uint32_t>(j);
        }
        auto of = [&value](uint32_t p) { return value(static_cast<int32_t>(p >> 16), static_cast<int32_t>(p & 0xffff)); };
        std::sort(picks, picks + n, [&of](uint32_t x, uint32_t y) {
            double a = of(x), b = of(y);
            return a != b ? a < b : x < y;
        });
        for (int32_t r = 0; r < n; ++r) sums[r] = of(picks[r]);
        for (int32_t r = 0; r < n; ++r) reciprocals[r] = 1 / sums[n - 1 - r];
        count = n;
    }
};

struct MiddleStores {
    Pairs series, parallel;
    middle::Context contexts[limits::PairCapacity];
    uint64_t candidates[limits::MiddleCandidateCapacity];
    SearchStage guarded{};
    bool applies = false;
    bool pairsSorted = false;
};

// Fixed, as every store of the search.
MiddleStores stores;

bool certified() {
    if (firstCandidate > lastCandidate) return false;
    int fewest = fewestCandidates.load();
    if (lastCandidate - firstCandidate + 1 < (fewest > 0 ? fewest : limits::FewestCandidatesToMeet)) return false;
    if (!(searchParams.toleranceFraction <= MaxToleranceFraction)) return false;
    // Two capacitors whose reciprocals round to one seriesValue may stand
    // with their parallelValues out of order. The plain loops then end a
    // loop at the first of the two and never meet the networks of the
    // second, which the merge, finding networks by value, would hand on:
    // only the plain loops say which of those networks are recorded.
    if (!walkNarrows) return false;
    const SearchStage& window = stages[0];
    if (!(window.seriesLow >= SmallestCertified && window.seriesHigh <= LargestCertified)) return false;
    for (int32_t i = firstCandidate; i <= lastCandidate; ++i) {
        double v = stockParts[i].seriesValue;
        if (!(v >= SmallestCertified && v <= LargestCertified)) return false;
    }
    return true;
}

}  // namespace

void prepareMiddle() {
    MiddleStores& m = stores;
    m.applies = false;
    m.pairsSorted = false;
    if (!certified()) return;
    SearchStage& w = m.guarded;
    w = stages[0];
    w.seriesLow = stages[0].seriesLow * (1 - Guard);
    w.seriesHigh = stages[0].seriesHigh * (1 + Guard);
    w.parallelLow = 1 / w.seriesHigh;
    w.parallelHigh = 1 / w.seriesLow;
    m.applies = true;
}

bool middleApplies() { return stores.applies; }

void meetFromCandidates(int candidates) { fewestCandidates = candidates < 0 ? 0 : candidates; }

namespace middle {

void sortPairs() {
    MiddleStores& m = stores;
    if (m.pairsSorted) return;
    m.series.sort([](int32_t i, int32_t j) { return stockParts[i].seriesValue + stockParts[j].seriesValue; });
    if (searchStopped()) return;
    m.parallel.sort([](int32_t i, int32_t j) { return stockParts[i].parallelValue + stockParts[j].parallelValue; });
    m.pairsSorted = !searchStopped();
}

PairList seriesPairs() { return stores.series.list(); }
PairList parallelPairs() { return stores.parallel.list(); }
Context* contexts() { return stores.contexts; }
uint64_t* candidates() { return stores.candidates; }
SearchStage guardedWindow() { return stores.guarded; }

void sortContexts(int32_t count) {
    std::sort(stores.contexts, stores.contexts + count, [](const Context& x, const Context& y) {
        if (x.low != y.low) return x.low < y.low;
        if (x.a != y.a) return x.a < y.a;
        return x.b < y.b;
    });
}

void sortCandidates(int32_t count) { std::sort(stores.candidates, stores.candidates + count); }

}  // namespace middle
