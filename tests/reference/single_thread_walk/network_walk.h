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

#include "engine/networks.h"
#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "engine/stock_list.h"

namespace single_thread_walk {

// How a loop runs (the four loop ways of the frame).
enum class Way { DownFromTop, DownFromPick, UpFromBottom, UpFromPick };

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
//   static constexpr NetworkShape shape;     // its number and result line
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
    static int32_t run() {
        if (searchStopped()) return -1;
        NetworkWalk walk;
        return walk.level<1>();
    }

  private:
    static constexpr int n = T::parts;
    static_assert(n >= 2 && n <= limits::MaxNetworkParts, "a walk has two to five levels");
    static_assert(T::shape.parts == n, "the shape and its levels agree on the part count");

    static double s(int32_t i) { return stockParts[i].seriesValue; }
    static double g(int32_t i) { return stockParts[i].parallelValue; }

    template <int k>
    static constexpr Place placeOf() {
        return T::levels[k - 1].place;
    }

    // Whether the innermost part closes a series chain (its loop runs down
    // and tests seriesValue) rather than a parallel group.
    static constexpr bool seriesInner = runsDown(T::levels[n - 1].way);

    template <int k>
    int32_t level() {
        constexpr Level here = T::levels[k - 1];
        if constexpr (k == n) {
            return innermostFrom(loopStart<n>());
        } else if constexpr (k == n - 1) {
            if (walkNarrows) return lastTwoLevels();
            return plainLevel<k>();
        } else {
            if (searchStopped()) return -1;
            const bool narrow = walkNarrows;
            if constexpr (runsDown(here.way)) {
                int32_t i = loopStart<k>();
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
                    if (narrow && !extremePasses<End::Low, k + 1, k>(picks_)) break;
                    if (level<k + 1>() != 0) return -1;
                }
            } else {
                int32_t i = loopStart<k>();
                if (narrow) i = firstUpward<k>(i);
                for (; i <= lastCandidate; ++i) {
                    picks_[k] = i;
                    if (place<k>() != 0) {
                        if (narrow) break;
                        continue;
                    }
                    if (narrow && !extremePasses<End::High, k + 1, k>(picks_)) break;
                    if (level<k + 1>() != 0) return -1;
                }
            }
            return 0;
        }
    }

    // Where the loop of level k starts, the outer picks being set.
    template <int k>
    int32_t loopStart() const {
        constexpr Level here = T::levels[k - 1];
        if constexpr (here.way == Way::DownFromTop) return lastCandidate;
        if constexpr (here.way == Way::UpFromBottom) return firstCandidate;
        return picks_[here.from];
    }

    // Where a loop running down from `start` at level k begins: the first
    // index whose smallest network passes every too-large test (they pass
    // from some index downwards). The search gallops from where the previous
    // pass of this level began, which is usually close.
    template <int k>
    int32_t firstDownward(int32_t start) {
        int32_t b = lastHolding(hints_[k], [this](int32_t x) { return fitsAt<End::High, k>(x); });
        hints_[k] = b;
        return b < start ? b : start;
    }

    // Where a loop running up from `start` at level k begins: the first
    // index whose largest network passes every too-small test.
    template <int k>
    int32_t firstUpward(int32_t start) {
        int32_t b = lastHolding(hints_[k], [this](int32_t x) { return !fitsAt<End::Low, k>(x); }) + 1;
        hints_[k] = b;
        return b > start ? b : start;
    }

    // Level k without narrowing: the plain loop.
    template <int k>
    int32_t plainLevel() {
        constexpr Level here = T::levels[k - 1];
        if constexpr (runsDown(here.way)) {
            for (int32_t i = loopStart<k>(); i >= firstCandidate; --i) {
                picks_[k] = i;
                if (place<k>() != 0) continue;
                if (level<k + 1>() != 0) return -1;
            }
        } else {
            for (int32_t i = loopStart<k>(); i <= lastCandidate; ++i) {
                picks_[k] = i;
                if (place<k>() != 0) continue;
                if (level<k + 1>() != 0) return -1;
            }
        }
        return 0;
    }

    // The window that the placement step of the last placed level would
    // leave for the innermost part with part `i` at that level, in the
    // innermost part's own domain, by the step's own arithmetic; `pruned`
    // when the step would prune.
    struct InnerWindow {
        bool pruned;
        double low, high;
    };

    InnerWindow innerWindow(int32_t i) const {
        constexpr int k = n - 1;
        constexpr Place what = placeOf<k>();
        static_assert(what != Place::Nothing, "the last two parts are placed by a step and the test");
        static_assert(opensNested(what) || (domainOf(what) == Domain::Series) == seriesInner,
                      "a three-field step is followed by a part of its own domain");
        const SearchStage& p = stages[stageBefore(k, what)];
        double v = elementValue<what>(picks_[k - 1], i);
        if (prunes<what>(endOf<prunedAt<what>()>(p), v)) return {true, 0, 0};
        // Only the innermost part's own domain is wanted: in the parallel
        // domain the low end of the window is the high bound.
        constexpr Domain d = seriesInner ? Domain::Series : Domain::Parallel;
        double low = boundAfter<what, d>(endOf<End::Low>(p), v);
        double high = boundAfter<what, d>(endOf<End::High>(p), v);
        if constexpr (seriesInner) return {false, low, high};
        else return {false, high, low};
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
            InnerWindow w = innerWindow(i);
            if (w.pruned) return false;
            // Where the innermost loop starts, with part i at level k.
            int32_t start;
            if constexpr (inner.way == Way::DownFromTop) start = lastCandidate;
            if constexpr (inner.way == Way::UpFromBottom) start = firstCandidate;
            if constexpr (inner.way == Way::DownFromPick || inner.way == Way::UpFromPick) {
                start = inner.from == k ? i : picks_[inner.from];
            }
            if constexpr (seriesInner) {
                // Loop down from start: leave when low > s, skip when high < s.
                if constexpr (runsDown(here.way)) {
                    if (belowWindow(w.low, s(start))) return false;
                } else {
                    if (aboveWindow(w.high, s(firstCandidate))) return false;
                }
                auto fits = [&w](int32_t x) { return !aboveWindow(w.high, s(x)); };
                edge = moved ? lastHoldingNear(edge, fits) : lastHolding(edge, fits);
                runFrom_ = edge < start ? edge : start;
                runEmpty_ = runFrom_ < firstCandidate || belowWindow(w.low, s(runFrom_));
            } else {
                // Loop up from start, parallelValue falling: leave when
                // low > g, skip when high < g.
                if constexpr (runsDown(here.way)) {
                    if (aboveWindow(w.high, g(lastCandidate))) return false;
                } else {
                    if (belowWindow(w.low, g(start))) return false;
                }
                auto above = [&w](int32_t x) { return aboveWindow(w.high, g(x)); };
                edge = (moved ? lastHoldingNear(edge - 1, above)
                              : lastHolding(edge - 1, above)) +
                       1;
                runFrom_ = edge > start ? edge : start;
                runEmpty_ = runFrom_ > lastCandidate || belowWindow(w.low, g(runFrom_));
            }
            moved = true;
            return true;
        };
        if constexpr (runsDown(here.way)) {
            for (int32_t i = firstDownward<k>(loopStart<k>()); i >= firstCandidate; --i) {
                if (!follow(i)) break;
                if (runEmpty_) continue;
                picks_[k] = i;
                if (place<k>() != 0) continue;
                if (innermostFrom(runFrom_) != 0) return -1;
            }
        } else {
            for (int32_t i = firstUpward<k>(loopStart<k>()); i <= lastCandidate; ++i) {
                if (!follow(i)) break;
                if (runEmpty_) continue;
                picks_[k] = i;
                if (place<k>() != 0) continue;
                if (innermostFrom(runFrom_) != 0) return -1;
            }
        }
        return 0;
    }

    // The innermost loop of the plain nest from `start`: the two tests of
    // the plain loops on every index, against the stage the last placement
    // step wrote.
    int32_t innermostFrom(int32_t start) {
        const SearchStage& last = stages[n - 1];
        if constexpr (seriesInner) {
            for (int32_t i = start; i >= firstCandidate; --i) {
                double v = s(i);
                if (belowWindow(last.seriesLow, v)) break;
                if (aboveWindow(last.seriesHigh, v)) continue;
                if (record(i, v) != 0) return -1;
            }
        } else {
            for (int32_t i = start; i <= lastCandidate; ++i) {
                double v = g(i);
                if (belowWindow(last.parallelLow, v)) break;
                if (aboveWindow(last.parallelHigh, v)) continue;
                if (record(i, v) != 0) return -1;
            }
        }
        return 0;
    }

    // The placement step of level k, as the plain loops call it.
    template <int k>
    int place() {
        constexpr Place what = placeOf<k>();
        if constexpr (what == Place::Nothing) return 0;
        else return placeStep<what>(k, picks_[k - 1], picks_[k]);
    }

    int32_t record(int32_t i, double v) {
        picks_[n] = i;
        int32_t* const global[6] = {nullptr, &pick1, &pick2, &pick3, &pick4, &pick5};
        for (int k = 1; k <= n; ++k) *global[k] = picks_[k];
        return recordMatch(T::shape, T::value(v));
    }

    // Whether, with part i at level k under the parts placed so far, the
    // extreme network of `end` passes every test of that end from level k
    // on.
    template <End end, int k>
    bool fitsAt(int32_t i) const {
        int32_t q[6];
        for (int j = 1; j < k; ++j) q[j] = picks_[j];
        q[k] = i;
        return extremePasses<end, k, k>(q);
    }

    // The one edge check. With the parts of levels 1 to `fixed` in q and
    // the stages before level `first` written, the extreme network of `end`
    // is the one with every later loop at its extreme: the largest (each at
    // its highest index) for the low end, whose tests reject networks that
    // come out too small; the smallest for the high end. Returns whether it
    // passes every test of that end from level `first` on: the prunes of the
    // steps that read that end and the innermost test, on bounds that follow
    // the placement steps operation by operation.
    template <End end, int first, int fixed>
    bool extremePasses(const int32_t* fixedPicks) const {
        int32_t q[6] = {};
        for (int j = 1; j <= fixed; ++j) q[j] = fixedPicks[j];
        extremeFrom<end, fixed + 1>(q);
        WindowEnd ends[limits::StageCount];
        for (int j = first >= 2 ? first - 2 : 0; j < first; ++j) ends[j] = endOf<end>(stages[j]);
        return endTests<end, first>(q, ends);
    }

    // The loops from level j on at their highest index (low end) or their
    // lowest (high end).
    template <End end, int j>
    static void extremeFrom(int32_t* q) {
        if constexpr (j <= n) {
            constexpr Level here = T::levels[j - 1];
            if constexpr (end == End::Low) {
                q[j] = here.way == Way::DownFromPick ? q[here.from] : lastCandidate;
            } else {
                q[j] = here.way == Way::UpFromPick ? q[here.from] : firstCandidate;
            }
            extremeFrom<end, j + 1>(q);
        }
    }

    // The tests of `end` at levels j to n for the parts in q: each step's
    // prune where it reads that end, its narrowing of that end, and at the
    // innermost level the test against the bound of that end.
    template <End end, int j>
    static bool endTests(const int32_t* q, WindowEnd* ends) {
        if constexpr (j == n) {
            const WindowEnd& last = ends[n - 1];
            if constexpr (seriesInner) {
                if constexpr (end == End::Low) return !belowWindow(last.series, s(q[n]));
                else return !aboveWindow(last.series, s(q[n]));
            } else {
                if constexpr (end == End::Low) return !aboveWindow(last.parallel, g(q[n]));
                else return !belowWindow(last.parallel, g(q[n]));
            }
        } else {
            constexpr Place what = placeOf<j>();
            if constexpr (what != Place::Nothing) {
                const WindowEnd& before = ends[stageBefore(j, what)];
                double v = elementValue<what>(q[j - 1], q[j]);
                if constexpr (prunedAt<what>() == end) {
                    if (prunes<what>(before, v)) return false;
                }
                ends[j] = placedEnd<what>(before, v);
            }
            return endTests<end, j + 1>(q, ends);
        }
    }

    int32_t picks_[6] = {};
    int32_t runFrom_ = 0;     // where the innermost run starts
    bool runEmpty_ = true;    // whether it records nothing
    int32_t innerEdge_ = firstCandidate;
    int32_t hints_[6] = {firstCandidate, firstCandidate, firstCandidate, firstCandidate,
                         firstCandidate, firstCandidate};
};

// A size's table entry for template T: its shape and its walk, the format
// checked against the recorder's copy of it.
template <class T>
constexpr NetworkTemplate walkOf() {
    static_assert(formatLength(T::shape.format) < limits::FormatSize,
                  "the recorder's copy of the format holds it");
    return {&T::shape, &NetworkWalk<T>::run};
}

}  // namespace single_thread_walk
