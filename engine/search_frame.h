// The search frame: the acceptance window, the stages of the depth-first
// walk with their four placement steps, and runSearch, which runs the
// network templates from one to five parts and writes the outcome.
//
// Every stage carries what the not yet placed rest of the network may still
// be worth, in both domains: a series window for the rest of the open chain
// and a parallel window for the rest of the open group. Narrowing the window
// by subtraction at every level keeps the innermost test to two comparisons.
#pragma once

#include <atomic>
#include <cstdint>

#include "engine/limits.h"
#include "engine/network_shapes.h"
#include "engine/stock_list.h"
#include "engine/thresholds.h"

struct SearchStage {
    double seriesSum;
    double seriesLow;
    double seriesHigh;
    double parallelSum;
    double parallelLow;
    double parallelHigh;
};

// Each thread of the search walks with stages of its own; stage 0, the
// acceptance window, is copied into a task's stages when it starts. Defined
// here, inline, so that no file reaches it through a thread-local wrapper
// function (which GCC's null-pointer check misreads as a null load).
inline thread_local SearchStage stages[limits::StageCount];

// 1 / x, with the reciprocal of an exhausted (tiny, zero) or overshot
// (negative) bound kept finite: an upper bound of Unbounded admits
// everything, a lower bound of Unbounded admits nothing.
inline double guardedReciprocal(double x) {
    return x >= thresholds::Exhausted ? 1 / x : thresholds::Unbounded;
}

// Sets stage 0 from the target and the typed tolerance.
void setAcceptanceWindow();

// ---- Placing a part -------------------------------------------------------
// The arithmetic of placing a part or a pair is written once, here. The
// placement steps use it to write a stage; the walk (network_walk.h) uses
// the very same functions to foresee, without writing a stage, what a step
// would leave for the parts after it, so its foresight and the steps agree
// operation for operation.

// What a level of a network does with its part.
enum class Place {
    Nothing,       // the first part of a pair: the loop only fixes the index
    Series,        // seriesStep: the next level continues the same chain
    Parallel,      // parallelStep: the next level continues the same group
    SeriesFull,    // addSeries: a nested group opens at the next level
    ParallelFull,  // addParallel: a nested chain opens at the next level
    SeriesPair,    // addSeriesPair with the part of the level before
    ParallelPair,  // addParallelPair with the part of the level before
};

// The domain an element adds up in. A part placed in series adds its
// seriesValue; a series pair is one branch of a parallel group and adds its
// reciprocal in the parallel domain; a parallel pair is one element of a
// chain and adds its series value.
enum class Domain { Series, Parallel };

constexpr Domain domainOf(Place what) {
    return what == Place::Series || what == Place::SeriesFull || what == Place::ParallelPair
               ? Domain::Series
               : Domain::Parallel;
}

constexpr bool isPair(Place what) { return what == Place::SeriesPair || what == Place::ParallelPair; }

// The full steps also set up the other domain's window, for the nested
// group or chain that opens at the next level.
constexpr bool opensNested(Place what) {
    return what != Place::Nothing && what != Place::Series && what != Place::Parallel;
}

// The stage a step reads: the one before, or for a pair the one before its
// first part.
constexpr int stageBefore(int k, Place what) { return isPair(what) ? k - 2 : k - 1; }

// The value the element adds in its own domain: the part's own, or the
// pair's (`first` is the pair's first part, the part of the level before).
template <Place what>
inline double elementValue(int32_t first, int32_t part) {
    if constexpr (what == Place::SeriesPair) {
        return 1 / (stockParts[first].seriesValue + stockParts[part].seriesValue);
    } else if constexpr (what == Place::ParallelPair) {
        return 1 / (stockParts[first].parallelValue + stockParts[part].parallelValue);
    } else if constexpr (domainOf(what) == Domain::Series) {
        return stockParts[part].seriesValue;
    } else {
        return stockParts[part].parallelValue;
    }
}

// One end of a stage's window in both domains. The low end (seriesLow with
// its reciprocal parallelHigh) rejects networks that come out too small,
// the high end (seriesHigh, parallelLow) those that come out too large.
struct WindowEnd {
    double series;
    double parallel;
};

enum class End { Low, High };

template <End end>
inline WindowEnd endOf(const SearchStage& stage) {
    if constexpr (end == End::Low) return {stage.seriesLow, stage.parallelHigh};
    else return {stage.seriesHigh, stage.parallelLow};
}

// Whether an element of value v does not fit the room the stage leaves in
// its domain: above seriesHigh (the high end) for a series element, above
// parallelHigh (the low end) for a parallel one. Equal passes. Only the end
// that holds that upper bound can prune.
template <Place what>
constexpr End prunedAt() {
    return domainOf(what) == Domain::Series ? End::High : End::Low;
}

template <Place what>
inline bool prunes(WindowEnd before, double v) {
    if constexpr (domainOf(what) == Domain::Series) return before.series < v;
    else return before.parallel < v;
}

// The bound of an end in domain d after an element of value v: in the
// element's own domain the bound less v; in the other domain, after a full
// step, the guarded reciprocal of that, and after a three-field step the
// bound as it was.
template <Place what, Domain d>
inline double boundAfter(WindowEnd before, double v) {
    constexpr Domain own = domainOf(what);
    double ownBound = own == Domain::Series ? before.series : before.parallel;
    if constexpr (d == own) {
        return ownBound - v;
    } else if constexpr (opensNested(what)) {
        return guardedReciprocal(ownBound - v);
    } else {
        return d == Domain::Series ? before.series : before.parallel;
    }
}

// The whole end after the element.
template <Place what>
inline WindowEnd placedEnd(WindowEnd before, double v) {
    return {boundAfter<what, Domain::Series>(before, v), boundAfter<what, Domain::Parallel>(before, v)};
}

// The placement step of a level: part `part` (with `first`, the part of
// the level before, for a pair) placed into stage k. Returns 1 when it does
// not fit (stage k unused), 0 when stage k was written. A three-field step
// writes the sum and the window of its own domain; a full step all six
// fields, with the other domain's sum 0 for the group that opens. A pair's
// sum is its own contribution, not the stage's before it plus it.
template <Place what>
inline int placeStep(int k, int32_t first, int32_t part) {
    static_assert(what != Place::Nothing, "a level that places nothing has no step");
    const SearchStage& p = stages[stageBefore(k, what)];
    double v = elementValue<what>(first, part);
    if (prunes<what>(endOf<prunedAt<what>()>(p), v)) return 1;
    WindowEnd low = placedEnd<what>(endOf<End::Low>(p), v);
    WindowEnd high = placedEnd<what>(endOf<End::High>(p), v);
    SearchStage& q = stages[k];
    if constexpr (domainOf(what) == Domain::Series) {
        q.seriesHigh = high.series;
        q.seriesLow = low.series;
        q.seriesSum = isPair(what) ? v : p.seriesSum + v;
        if constexpr (opensNested(what)) {
            q.parallelLow = high.parallel;
            q.parallelHigh = low.parallel;
            q.parallelSum = 0;
        }
    } else {
        q.parallelHigh = low.parallel;
        q.parallelLow = high.parallel;
        q.parallelSum = isPair(what) ? v : p.parallelSum + v;
        if constexpr (opensNested(what)) {
            q.seriesLow = low.series;
            q.seriesHigh = high.series;
            q.seriesSum = 0;
        }
    }
    return 0;
}

// The steps by the names the networks are described with.

// Part i in series: stage k from stage k-1, all six fields.
inline int addSeries(int k, int i) { return placeStep<Place::SeriesFull>(k, i, i); }
// Part i in parallel: stage k from stage k-1, all six fields.
inline int addParallel(int k, int i) { return placeStep<Place::ParallelFull>(k, i, i); }
// The series pair of parts i and j as one branch of a parallel group:
// stage k from stage k-2.
inline int addSeriesPair(int k, int i, int j) { return placeStep<Place::SeriesPair>(k, i, j); }
// The parallel pair of parts i and j as one element of a series chain:
// stage k from stage k-2.
inline int addParallelPair(int k, int i, int j) { return placeStep<Place::ParallelPair>(k, i, j); }
// Part i in series or in parallel on the three fields of its own kind, for
// a level whose next level continues the same chain or group.
inline int seriesStep(int k, int i) { return placeStep<Place::Series>(k, i, i); }
inline int parallelStep(int k, int i) { return placeStep<Place::Parallel>(k, i, i); }

// The innermost tests, on the window the last step left: a part below the
// window's lower bound in its domain ends the loop (the loop runs towards
// smaller values), one above the upper bound is passed over.
inline bool belowWindow(double lower, double v) { return lower > v; }
inline bool aboveWindow(double upper, double v) { return upper < v; }

// Whether a match has been found that is practically exact (within
// thresholds::PracticallyExact): the test behind the early stop and the
// bridge's gate.
bool practicallyExactMatchFound();

// The early-stop test before each network size of two to five parts.
bool earlyStop();

// How far the search has come, for a front end to show while it runs,
// read from any thread without a lock. runSearch sets `search` to its
// search's number (newSearchNumber) once it has emptied the results of the
// search before, and `parts` to the size of the networks it is trying, 1
// to 5 (0 until it reaches them). `reached` says how far that size has
// come (progressReached reads it). What it has found so far is
// settings.matchCount.
struct SearchProgress {
    std::atomic<uint32_t> search{0};
    std::atomic<int32_t> parts{0};
    // The size and its share done in one word (parts << 16 | permille), so
    // that a reader never pairs one size with the share of another.
    std::atomic<uint32_t> reached{0};
};
extern SearchProgress searchProgress;

// The share of a size done, from the tasks already done: each template of
// the size (each shape of that many parts, the bridge included) has an
// equal share, which a template's jobs fill as the recording thread takes
// their tasks. A template that is skipped or ends early leaves its share to
// the next one's start. The share never falls within a size and never
// passes 100 %. Called on the recording thread.
void progressSizeBegins(int parts);
void progressTemplateBegins(const NetworkShape& shape);
void progressTasksTaken(int32_t taken, int32_t count);

// The size being tried (0 before the first) and how far it has come, in
// tenths of a percent (0 to 1000). Any thread.
void progressReached(int* parts, int* permille);

// The whole search, from the input texts to the outcome in statusText.
// When the stock list names more values than the search takes, a note
// saying so follows the outcome. Returns 0 in every case.
int32_t runSearch();

// How the last runSearch ended, for a front end that reports more than the
// outcome line (the command line's exit status).
enum class SearchEnd {
    Found,           // matches, ordered and summed up
    NotFound,        // "Can not be able to find." or a nearest-part hint
    ParameterError,  // searchInputFaults says which input
    StockListError,  // stockFaultLine says where
    Stopped,         // a limit (the matches so far are kept) or a stop request
};
extern SearchEnd lastSearchEnd;

// The outcome when no network matched: "Can not be able to find." or the
// nearest-part hint that many parts in series or parallel are needed.
void writeNearestPartHint();
