// The walk that runs every network template of two to five parts: the
// template's nest of loops, in its order, with each loop confined to the
// indices that can still lead to a match.
//
// Why a loop may leave indices out. Every test of the walk compares a stage
// bound with a part's value, and every stage bound is made from the
// acceptance window and the parts placed so far by subtractions, sums,
// reciprocals and guarded reciprocals. Each of these operations keeps order
// in floating point as well (rounding never reverses two results), and each
// part enters a bound once. So every test is monotonic in every part's
// index. The stock is sorted by seriesValue, and parallelValue falls as the
// index grows. The tests that reject a network as too small (those reading
// a seriesLow or a parallelHigh) pass for a part once they pass for a
// smaller part in the same place; the tests that reject it as too large
// (seriesHigh, parallelLow) pass once they pass for a larger part.
//
// Hence, at a loop whose outer picks are fixed, take for an index i the
// largest network below it (every inner loop at its highest index): if it
// fails a too-small test, every network below i fails that test too, and
// the same holds for the smallest network and the too-large tests. Both
// networks are checked with the very operations that the placement steps
// and the innermost test perform, in the same order, so no rounding is
// trusted that the plain loops would not perform. A loop therefore runs only
// over the indices whose largest network passes every too-small test and
// whose smallest passes every too-large test; it finds the first of them by
// galloping search and stops at the first that fails the other check. The
// indices it leaves out would record nothing. Every index it runs over goes
// through the placement step and the innermost tests of the plain loops, so
// the same networks are recorded, in the same order, with the same values.
#pragma once

#include <cstdint>

#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "engine/stock_list.h"

// How a loop runs (the four loop ways of the frame).
enum class Way { DownFromTop, DownFromPick, UpFromBottom, UpFromPick };

// What a level does with its part before the next level runs.
enum class Place {
    Nothing,       // the first part of a pair: the loop only fixes the index
    Series,        // seriesStep: the next level continues the same chain
    Parallel,      // parallelStep: the next level continues the same group
    SeriesFull,    // addSeries: a nested group opens at the next level
    ParallelFull,  // addParallel: a nested chain opens at the next level
    SeriesPair,    // addSeriesPair with the part of the level before
    ParallelPair,  // addParallelPair with the part of the level before
};

// One loop of a template. `from` names the outer pick (1 to 4) a loop that
// runs from a pick starts at. The innermost level places nothing: a loop
// running down closes a series chain, one running up a parallel group.
struct Level {
    Way way;
    int from;
    Place place;
};

constexpr Level downFromTop(Place place = Place::Nothing) { return {Way::DownFromTop, 0, place}; }
constexpr Level downFrom(int pick, Place place = Place::Nothing) {
    return {Way::DownFromPick, pick, place};
}
constexpr Level upFromBottom(Place place = Place::Nothing) { return {Way::UpFromBottom, 0, place}; }
constexpr Level upFrom(int pick, Place place = Place::Nothing) {
    return {Way::UpFromPick, pick, place};
}

constexpr bool runsDown(Way way) { return way == Way::DownFromTop || way == Way::DownFromPick; }

// Whether the loops of this search may leave indices out. Off only for a
// stock in which parallelValue does not fall with the index (two capacitors
// whose reciprocals round to the same seriesValue), where the walk is the
// plain nest of loops.
extern bool walkNarrows;

// Sets walkNarrows for the parsed stock and its candidate range; every size
// runs it first.
void prepareWalk();

// The last index from `first` to `last` for which `ok` holds, or first - 1;
// `ok` must hold up to some index and fail above it. The search gallops from
// `guess`, so it costs little when the answer lies near it. Every index
// above the answer is passed over because `ok` failed at the answer + 1
// itself, never by inference alone.
template <class Ok>
int32_t lastHoldingIn(int32_t first, int32_t last, int32_t guess, Ok ok) {
    if (guess < first) guess = first;
    if (guess > last) guess = last;
    int32_t good, bad;  // ok(good) holds (or good is first - 1); ok(bad) fails (or last + 1)
    if (ok(guess)) {
        good = guess;
        bad = last + 1;
        for (int32_t step = 1; good + step <= last; step *= 2) {
            if (!ok(good + step)) {
                bad = good + step;
                break;
            }
            good += step;
        }
    } else {
        bad = guess;
        good = first - 1;
        for (int32_t step = 1; bad - step >= first; step *= 2) {
            if (ok(bad - step)) {
                good = bad - step;
                break;
            }
            bad -= step;
        }
    }
    while (bad - good > 1) {
        int32_t middle = good + (bad - good) / 2;
        if (ok(middle)) {
            good = middle;
        } else {
            bad = middle;
        }
    }
    return good;
}

// The same over the candidate range.
template <class Ok>
int32_t lastHolding(int32_t guess, Ok ok) {
    return lastHoldingIn(firstCandidate, lastCandidate, guess, ok);
}

// The same answer found by single steps from `guess` (firstCandidate - 1 to
// lastCandidate): quicker when the answer lies within a step or two, as it
// does for a window that moves a little at a time.
template <class Ok>
int32_t lastHoldingNear(int32_t guess, Ok ok) {
    if (guess >= firstCandidate && ok(guess)) {
        while (guess < lastCandidate && ok(guess + 1)) ++guess;
        return guess;
    }
    while (guess >= firstCandidate && !ok(guess)) --guess;
    return guess;
}

// One template's walk. T describes the template:
//   static constexpr int parts;              // 2 to 5
//   static constexpr Level levels[parts];    // level 1 (outermost) first
//   static double value(double last);        // the recorded value from the
//                                            // stages and the innermost
//                                            // part's seriesValue (loop
//                                            // down) or parallelValue (up)
template <class T>
class NetworkWalk {
  public:
    // Runs the template; non-zero when a recording ended the whole search
    // or the search was asked to stop. prepareWalk must have run for the
    // stock of the search.
    static int32_t run(const char* format) {
        if (searchStopped()) return -1;
        NetworkWalk walk(format);
        return walk.level<1>();
    }

  private:
    static constexpr int n = T::parts;

    explicit NetworkWalk(const char* format) : format_(format) {}

    static double s(int32_t i) { return stockParts[i].seriesValue; }
    static double g(int32_t i) { return stockParts[i].parallelValue; }

    template <int k>
    int32_t level() {
        constexpr Level here = T::levels[k - 1];
        if constexpr (k == n) {
            return innermost();
        } else if constexpr (k == n - 1) {
            if (walkNarrows) return lastTwoLevels();
            return plainLevel<k>();
        } else {
            if (searchStopped()) return -1;
            const bool narrow = walkNarrows;
            if constexpr (runsDown(here.way)) {
                int32_t i = here.way == Way::DownFromTop ? lastCandidate : picks_[here.from];
                if (narrow) i = firstDownward<k>(i);
                for (; i >= firstCandidate; --i) {
                    picks_[k] = i;
                    // Within the range begun above, a prune or a largest
                    // network below failing means the same for every
                    // smaller index.
                    if (place<k>() != 0) {
                        if (narrow) break;
                        continue;
                    }
                    if (narrow && !largestBeyond<k + 1>()) break;
                    if (level<k + 1>() != 0) return -1;
                }
            } else {
                int32_t i = here.way == Way::UpFromBottom ? firstCandidate : picks_[here.from];
                if (narrow) i = firstUpward<k>(i);
                for (; i <= lastCandidate; ++i) {
                    picks_[k] = i;
                    if (place<k>() != 0) {
                        if (narrow) break;
                        continue;
                    }
                    if (narrow && !smallestBeyond<k + 1>()) break;
                    if (level<k + 1>() != 0) return -1;
                }
            }
            return 0;
        }
    }

    // Where a loop running down from `start` at level k begins: the first
    // index whose smallest network passes every too-large test (they pass
    // from some index downwards). The search gallops from where the previous
    // pass of this level began, which is usually close.
    template <int k>
    int32_t firstDownward(int32_t start) {
        int32_t b = lastHolding(hints_[k], [this](int32_t x) { return smallestFits<k>(x); });
        hints_[k] = b;
        return b < start ? b : start;
    }

    // Where a loop running up from `start` at level k begins: the first
    // index whose largest network passes every too-small test.
    template <int k>
    int32_t firstUpward(int32_t start) {
        int32_t b = lastHolding(hints_[k], [this](int32_t x) { return !largestFits<k>(x); }) + 1;
        hints_[k] = b;
        return b > start ? b : start;
    }

    // Level k without narrowing: the plain loop.
    template <int k>
    int32_t plainLevel() {
        constexpr Level here = T::levels[k - 1];
        if constexpr (runsDown(here.way)) {
            int32_t i = here.way == Way::DownFromTop ? lastCandidate : picks_[here.from];
            for (; i >= firstCandidate; --i) {
                picks_[k] = i;
                if (place<k>() != 0) continue;
                if (level<k + 1>() != 0) return -1;
            }
        } else {
            int32_t i = here.way == Way::UpFromBottom ? firstCandidate : picks_[here.from];
            for (; i <= lastCandidate; ++i) {
                picks_[k] = i;
                if (place<k>() != 0) continue;
                if (level<k + 1>() != 0) return -1;
            }
        }
        return 0;
    }

    // The window that the placement step of the last placed level would
    // leave for the innermost part, in the innermost part's own domain, with
    // the operations of that step; `pruned` when the step would prune.
    struct InnerWindow {
        bool pruned;
        double low, high;
    };

    static InnerWindow innerWindow(const int32_t* q) {
        constexpr int k = n - 1;
        constexpr Place what = T::levels[k - 1].place;
        constexpr bool seriesInner = runsDown(T::levels[n - 1].way);
        static_assert(what != Place::Nothing, "the last two parts are placed by a step and the test");
        const SearchStage& p = stages[k - 1];
        const SearchStage& pp = stages[k >= 2 ? k - 2 : 0];
        if constexpr (what == Place::Series || what == Place::SeriesFull) {
            double v = s(q[k]);
            if (p.seriesHigh < v) return {true, 0, 0};
            double high = p.seriesHigh - v, low = p.seriesLow - v;
            if constexpr (seriesInner) return {false, low, high};
            else return {false, guardedReciprocal(high), guardedReciprocal(low)};
        } else if constexpr (what == Place::Parallel || what == Place::ParallelFull) {
            double v = g(q[k]);
            if (p.parallelHigh < v) return {true, 0, 0};
            double high = p.parallelHigh - v, low = p.parallelLow - v;
            if constexpr (seriesInner) return {false, guardedReciprocal(high), guardedReciprocal(low)};
            else return {false, low, high};
        } else if constexpr (what == Place::SeriesPair) {
            double w = 1 / (s(q[k - 1]) + s(q[k]));
            if (w > pp.parallelHigh) return {true, 0, 0};
            double high = pp.parallelHigh - w, low = pp.parallelLow - w;
            if constexpr (seriesInner) return {false, guardedReciprocal(high), guardedReciprocal(low)};
            else return {false, low, high};
        } else {
            double r = 1 / (g(q[k - 1]) + g(q[k]));
            if (r > pp.seriesHigh) return {true, 0, 0};
            double high = pp.seriesHigh - r, low = pp.seriesLow - r;
            if constexpr (seriesInner) return {false, low, high};
            else return {false, guardedReciprocal(high), guardedReciprocal(low)};
        }
    }

    // The last placed level and the innermost loop together. For each index
    // of the last placed level the window of the innermost part is computed
    // as its placement step computes it; the parts inside it form one run of
    // indices, whose ends move steadily as the level runs, so they are
    // followed from index to index instead of being searched afresh. The
    // placement step itself, and the plain innermost loop over the run, run
    // only where the run holds a part.
    int32_t lastTwoLevels() {
        constexpr int k = n - 1;
        constexpr Level here = T::levels[k - 1];
        constexpr Level inner = T::levels[n - 1];
        constexpr bool seriesInner = runsDown(inner.way);
        // The edge of the innermost window over the whole candidate range:
        // the highest index not above the window (series) or the lowest
        // (parallel). It starts where the previous pass left it.
        int32_t& edge = innerEdge_;
        // The first index gallops to the edge from where the previous pass
        // left it; from then on the edge moves by a step or two per index.
        bool moved = false;
        // Computes the run for index i of the last placed level; false when
        // no index from i on in the loop's direction can record: the step
        // prunes, or (loop down) the largest network fails a too-small test,
        // or (loop up) the smallest network fails a too-large test. The
        // other kind of test holds over the whole range that the loop runs
        // over, which starts where it begins to hold.
        auto follow = [&](int32_t i) -> bool {
            int32_t q[6];
            for (int j = 1; j < k; ++j) q[j] = picks_[j];
            q[k] = i;
            InnerWindow w = innerWindow(q);
            if (w.pruned) return false;
            int32_t start;  // where the innermost loop starts
            if constexpr (inner.way == Way::DownFromTop) start = lastCandidate;
            if constexpr (inner.way == Way::UpFromBottom) start = firstCandidate;
            if constexpr (inner.way == Way::DownFromPick || inner.way == Way::UpFromPick) {
                start = q[inner.from];
            }
            if constexpr (seriesInner) {
                // Loop down from start: leave when low > s, skip when high < s.
                if constexpr (runsDown(here.way)) {
                    if (w.low > s(start)) return false;
                } else {
                    if (w.high < s(firstCandidate)) return false;
                }
                auto fits = [&w](int32_t x) { return !(w.high < s(x)); };
                edge = moved ? lastHoldingNear(edge, fits) : lastHolding(edge, fits);
                runFrom_ = edge < start ? edge : start;
                runEmpty_ = runFrom_ < firstCandidate || w.low > s(runFrom_);
            } else {
                // Loop up from start, parallelValue falling: leave when
                // low > g, skip when high < g.
                if constexpr (runsDown(here.way)) {
                    if (w.high < g(lastCandidate)) return false;
                } else {
                    if (w.low > g(start)) return false;
                }
                auto above = [&w](int32_t x) { return w.high < g(x); };
                edge = (moved ? lastHoldingNear(edge - 1, above)
                              : lastHolding(edge - 1, above)) +
                       1;
                runFrom_ = edge > start ? edge : start;
                runEmpty_ = runFrom_ > lastCandidate || w.low > g(runFrom_);
            }
            moved = true;
            return true;
        };
        if constexpr (runsDown(here.way)) {
            int32_t i = here.way == Way::DownFromTop ? lastCandidate : picks_[here.from];
            i = firstDownward<k>(i);
            for (; i >= firstCandidate; --i) {
                if (!follow(i)) break;
                if (runEmpty_) continue;
                picks_[k] = i;
                if (place<k>() != 0) continue;
                if (innermostRun() != 0) return -1;
            }
        } else {
            int32_t i = here.way == Way::UpFromBottom ? firstCandidate : picks_[here.from];
            i = firstUpward<k>(i);
            for (; i <= lastCandidate; ++i) {
                if (!follow(i)) break;
                if (runEmpty_) continue;
                picks_[k] = i;
                if (place<k>() != 0) continue;
                if (innermostRun() != 0) return -1;
            }
        }
        return 0;
    }

    // The plain innermost loop from the start of the run found by
    // lastTwoLevels: both tests on every index, against the stage the
    // placement step wrote.
    int32_t innermostRun() {
        const SearchStage& last = stages[n - 1];
        if constexpr (runsDown(T::levels[n - 1].way)) {
            for (int32_t i = runFrom_; i >= firstCandidate; --i) {
                double v = s(i);
                if (last.seriesLow > v) break;
                if (last.seriesHigh < v) continue;
                if (record(i, v) != 0) return -1;
            }
        } else {
            for (int32_t i = runFrom_; i <= lastCandidate; ++i) {
                double v = g(i);
                if (last.parallelLow > v) break;
                if (last.parallelHigh < v) continue;
                if (record(i, v) != 0) return -1;
            }
        }
        return 0;
    }

    // The placement step of level k, as the plain loops call it.
    template <int k>
    int place() {
        constexpr Place what = T::levels[k - 1].place;
        if constexpr (what == Place::Series) return seriesStep(k, picks_[k]);
        if constexpr (what == Place::Parallel) return parallelStep(k, picks_[k]);
        if constexpr (what == Place::SeriesFull) return addSeries(k, picks_[k]);
        if constexpr (what == Place::ParallelFull) return addParallel(k, picks_[k]);
        if constexpr (what == Place::SeriesPair) return addSeriesPair(k, picks_[k - 1], picks_[k]);
        if constexpr (what == Place::ParallelPair) {
            return addParallelPair(k, picks_[k - 1], picks_[k]);
        }
        return 0;
    }

    // The innermost loop of the plain nest: the two comparisons of the plain
    // loops on every index from its start.
    int32_t innermost() {
        constexpr Level here = T::levels[n - 1];
        const SearchStage& last = stages[n - 1];
        if constexpr (runsDown(here.way)) {
            int32_t i = here.way == Way::DownFromTop ? lastCandidate : picks_[here.from];
            for (; i >= firstCandidate; --i) {
                double v = s(i);
                if (last.seriesLow > v) break;
                if (last.seriesHigh < v) continue;
                if (record(i, v) != 0) return -1;
            }
        } else {
            int32_t i = here.way == Way::UpFromBottom ? firstCandidate : picks_[here.from];
            for (; i <= lastCandidate; ++i) {
                double v = g(i);
                if (last.parallelLow > v) break;
                if (last.parallelHigh < v) continue;
                if (record(i, v) != 0) return -1;
            }
        }
        return 0;
    }

    int32_t record(int32_t i, double v) {
        picks_[n] = i;
        int32_t* const global[6] = {nullptr, &pick1, &pick2, &pick3, &pick4, &pick5};
        for (int k = 1; k <= n; ++k) *global[k] = picks_[k];
        return recordMatch(format_, T::value(v));
    }

    // Whether the largest network with part i at level k (every inner loop
    // at its highest index) passes every too-small test from level k on.
    template <int k>
    bool largestFits(int32_t i) const {
        int32_t q[6];
        for (int j = 1; j < k; ++j) q[j] = picks_[j];
        q[k] = i;
        highestFrom<k + 1>(q);
        double seriesLow[limits::StageCount];
        double parallelHigh[limits::StageCount];
        for (int j = k >= 2 ? k - 2 : 0; j < k; ++j) {
            seriesLow[j] = stages[j].seriesLow;
            parallelHigh[j] = stages[j].parallelHigh;
        }
        return lowTests<k>(q, seriesLow, parallelHigh);
    }

    // Whether the smallest network with part i at level k passes every
    // too-large test from level k on.
    template <int k>
    bool smallestFits(int32_t i) const {
        int32_t q[6];
        for (int j = 1; j < k; ++j) q[j] = picks_[j];
        q[k] = i;
        lowestFrom<k + 1>(q);
        double seriesHigh[limits::StageCount];
        double parallelLow[limits::StageCount];
        for (int j = k >= 2 ? k - 2 : 0; j < k; ++j) {
            seriesHigh[j] = stages[j].seriesHigh;
            parallelLow[j] = stages[j].parallelLow;
        }
        return highTests<k>(q, seriesHigh, parallelLow);
    }

    // The same for the networks below the parts placed so far (picks up to
    // level j - 1, their stages written): the largest passes every
    // too-small test from level j on.
    template <int j>
    bool largestBeyond() const {
        int32_t q[6];
        for (int x = 1; x < j; ++x) q[x] = picks_[x];
        highestFrom<j>(q);
        double seriesLow[limits::StageCount];
        double parallelHigh[limits::StageCount];
        for (int x = j >= 2 ? j - 2 : 0; x < j; ++x) {
            seriesLow[x] = stages[x].seriesLow;
            parallelHigh[x] = stages[x].parallelHigh;
        }
        return lowTests<j>(q, seriesLow, parallelHigh);
    }

    // And the smallest passes every too-large test from level j on.
    template <int j>
    bool smallestBeyond() const {
        int32_t q[6];
        for (int x = 1; x < j; ++x) q[x] = picks_[x];
        lowestFrom<j>(q);
        double seriesHigh[limits::StageCount];
        double parallelLow[limits::StageCount];
        for (int x = j >= 2 ? j - 2 : 0; x < j; ++x) {
            seriesHigh[x] = stages[x].seriesHigh;
            parallelLow[x] = stages[x].parallelLow;
        }
        return highTests<j>(q, seriesHigh, parallelLow);
    }

    template <int j>
    static void highestFrom(int32_t* q) {
        if constexpr (j <= n) {
            constexpr Level here = T::levels[j - 1];
            q[j] = here.way == Way::DownFromPick ? q[here.from] : lastCandidate;
            highestFrom<j + 1>(q);
        }
    }

    template <int j>
    static void lowestFrom(int32_t* q) {
        if constexpr (j <= n) {
            constexpr Level here = T::levels[j - 1];
            q[j] = here.way == Way::UpFromPick ? q[here.from] : firstCandidate;
            lowestFrom<j + 1>(q);
        }
    }

    // The too-small tests of levels j to n for the parts in q: the prunes of
    // the parallel steps (parallelHigh < g) and of the series pairs
    // (w > parallelHigh), then the innermost test against seriesLow or
    // parallelHigh. The bounds follow the placement steps operation by
    // operation.
    template <int j>
    static bool lowTests(const int32_t* q, double* seriesLow, double* parallelHigh) {
        if constexpr (j == n) {
            if constexpr (runsDown(T::levels[n - 1].way)) {
                return !(seriesLow[n - 1] > s(q[n]));
            } else {
                return !(parallelHigh[n - 1] < g(q[n]));
            }
        } else {
            constexpr Place what = T::levels[j - 1].place;
            if constexpr (what == Place::Series || what == Place::SeriesFull) {
                seriesLow[j] = seriesLow[j - 1] - s(q[j]);
                if constexpr (what == Place::SeriesFull) {
                    parallelHigh[j] = guardedReciprocal(seriesLow[j]);
                }
            } else if constexpr (what == Place::Parallel || what == Place::ParallelFull) {
                double v = g(q[j]);
                if (parallelHigh[j - 1] < v) return false;
                parallelHigh[j] = parallelHigh[j - 1] - v;
                if constexpr (what == Place::ParallelFull) {
                    seriesLow[j] = guardedReciprocal(parallelHigh[j]);
                }
            } else if constexpr (what == Place::SeriesPair) {
                double w = 1 / (s(q[j - 1]) + s(q[j]));
                if (w > parallelHigh[j - 2]) return false;
                parallelHigh[j] = parallelHigh[j - 2] - w;
                seriesLow[j] = guardedReciprocal(parallelHigh[j]);
            } else if constexpr (what == Place::ParallelPair) {
                double r = 1 / (g(q[j - 1]) + g(q[j]));
                seriesLow[j] = seriesLow[j - 2] - r;
                parallelHigh[j] = guardedReciprocal(seriesLow[j]);
            }
            return lowTests<j + 1>(q, seriesLow, parallelHigh);
        }
    }

    // The too-large tests of levels j to n: the prunes of the series steps
    // (seriesHigh < s) and of the parallel pairs (r > seriesHigh), then the
    // innermost test against seriesHigh or parallelLow.
    template <int j>
    static bool highTests(const int32_t* q, double* seriesHigh, double* parallelLow) {
        if constexpr (j == n) {
            if constexpr (runsDown(T::levels[n - 1].way)) {
                return !(seriesHigh[n - 1] < s(q[n]));
            } else {
                return !(parallelLow[n - 1] > g(q[n]));
            }
        } else {
            constexpr Place what = T::levels[j - 1].place;
            if constexpr (what == Place::Series || what == Place::SeriesFull) {
                double v = s(q[j]);
                if (seriesHigh[j - 1] < v) return false;
                seriesHigh[j] = seriesHigh[j - 1] - v;
                if constexpr (what == Place::SeriesFull) {
                    parallelLow[j] = guardedReciprocal(seriesHigh[j]);
                }
            } else if constexpr (what == Place::Parallel || what == Place::ParallelFull) {
                parallelLow[j] = parallelLow[j - 1] - g(q[j]);
                if constexpr (what == Place::ParallelFull) {
                    seriesHigh[j] = guardedReciprocal(parallelLow[j]);
                }
            } else if constexpr (what == Place::SeriesPair) {
                double w = 1 / (s(q[j - 1]) + s(q[j]));
                parallelLow[j] = parallelLow[j - 2] - w;
                seriesHigh[j] = guardedReciprocal(parallelLow[j]);
            } else if constexpr (what == Place::ParallelPair) {
                double r = 1 / (g(q[j - 1]) + g(q[j]));
                if (r > seriesHigh[j - 2]) return false;
                seriesHigh[j] = seriesHigh[j - 2] - r;
                parallelLow[j] = guardedReciprocal(seriesHigh[j]);
            }
            return highTests<j + 1>(q, seriesHigh, parallelLow);
        }
    }

    const char* format_;
    int32_t picks_[6] = {};
    int32_t runFrom_ = 0;     // where the innermost run starts
    bool runEmpty_ = true;    // whether it records nothing
    int32_t innerEdge_ = firstCandidate;
    int32_t hints_[6] = {firstCandidate, firstCandidate, firstCandidate, firstCandidate,
                         firstCandidate, firstCandidate};
};
