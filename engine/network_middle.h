// The five-part series and parallel templates met in the middle, and the
// way every template of the search runs (runTemplate, walkOf).
//
// Each of the twenty-four templates splits into a context of two parts, a
// single part and a pair of parts that stand side by side in one chain or
// one group. Three ways of splitting cover them all, told apart by the
// levels that place nothing:
//
//   ContextFirst    levels 1-2 the context, 3 the single, 4-5 the pair: the
//                   single and the pair fill the window the context leaves
//                   (in the domain of level 3's step);
//   PairThenSingle  levels 1-2 the context, 3-4 a pair placed as one element,
//                   5 the single beside it;
//   SingleFirst     level 1 the single, a full step; levels 2-3 a pair placed
//                   as one element (the context), 4-5 the pair beside it.
//
// In each, for a given single the pair's value (in that domain) must lie in
// an interval whose ends are the context's, shifted by the single's: the
// contexts, sorted once by that low end, are merged with the pairs, sorted
// once per search, so a single costs about as many steps as there are
// contexts and pairs: m^3 for a template instead of the walk's m^4.
//
// Certificates. The windows of the merge come from an acceptance window
// widened by a relative Guard through the very placement steps. Every
// rounding of the steps, of the pairs' values and of the merge moves a
// network's value by a few roundings of the window's size, far inside the
// guard, and the guarded reciprocals of exhausted bounds act as exact
// arithmetic does as long as every part and every reciprocal lies well
// within (1e-15, 1e15). So a network that the plain loops record lies in the
// merge's interval; the merge keeps it as a candidate. Where those
// conditions fail (parts or window beyond 1e-12 to 1e12, a tolerance above
// 10 %: network_middle.cpp), and where the plain loops end a loop early on
// a stock that the walk cannot narrow (walkNarrows false), the template runs
// the walk, as it does below limits::FewestCandidatesToMeet candidates,
// where the walk is quicker.
//
// The candidates, sorted into the plain loops' order, then go through the
// placement steps and the innermost tests of the plain loops one by one
// (NetworkWalk::replay), and those that pass are recorded with the value the
// loops compute. A template with more candidates (or contexts) than their
// stores hold meets over each half of its outermost loop in turn, in loop
// order, down to a single first part, which it walks: such a template has
// matches enough to reach a limit soon.
#pragma once

#include <cstdint>

#include "engine/network_walk.h"
#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "engine/search_tasks.h"
#include "engine/stock_list.h"

// Decides whether the five-part templates of this search can meet in the
// middle. The five-part step runs it first.
void prepareMiddle();

// Whether the five-part templates of this search meet in the middle.
bool middleApplies();

// Sets from how many candidates on they do, for the searches that follow
// (0: limits::FewestCandidatesToMeet). For tests that meet small stocks in
// the middle too; call it between searches.
void meetFromCandidates(int candidates);

namespace middle {

enum class Split { ContextFirst, PairThenSingle, SingleFirst };

// The pairs of candidates of this search (first <= second by index), of
// one kind: series pairs valued by the sum of their seriesValue, parallel
// pairs by the sum of their parallelValue. `sums` ascends; `reciprocals`
// holds 1 / sums[count - 1 - r] at r, and so ascends too. A pair's indices
// are packed as first << 16 | second.
struct PairList {
    const double* sums;
    const double* reciprocals;
    const uint32_t* picks;
    int32_t count;
};

PairList seriesPairs();
PairList parallelPairs();

// Sorts the pairs, once per search, for the first template that meets.
void sortPairs();

// A context (or, for SingleFirst, the pair placed as one element) with the
// ends it gives the pair's interval, sorted ascending by `low`.
struct Context {
    double low, high;
    uint16_t a, b;  // the picks of its two levels
};

// The contexts of the template being met, built by its caller.
Context* contexts();

// The candidates of the template, gathered from its tasks.
uint64_t* candidates();

// The window the merge widens the acceptance window to.
SearchStage guardedWindow();

// Sorts contexts [0, count) by their low end; sorts candidates likewise.
void sortContexts(int32_t count);
void sortCandidates(int32_t count);

}  // namespace middle

namespace middle {

// A template's split, told by its levels.
template <class T>
constexpr Split splitOf() {
    if (T::levels[2].place == Place::Nothing) return Split::PairThenSingle;
    if (T::levels[1].place == Place::Nothing) return Split::SingleFirst;
    return Split::ContextFirst;
}

template <class T>
class Meeting {
  public:
    // Records what the template's loops record; false when the template
    // cannot meet in the middle here (the walk must run), otherwise true
    // with the outcome of the recordings in *outcome.
    static bool run(int32_t* outcome) {
        Meeting m;
        return m.meet(outcome);
    }

  private:
    static constexpr Split split = splitOf<T>();
    static constexpr const Level* levels = T::levels;

    // The levels of the context, the single and the pair.
    static constexpr int contextLevel = split == Split::SingleFirst ? 2 : 1;
    static constexpr int singleLevel =
        split == Split::ContextFirst ? 3 : split == Split::PairThenSingle ? 5 : 1;
    static constexpr int pairLevel = split == Split::PairThenSingle ? 3 : 4;

    // The domain the single and the pair add up in.
    static constexpr Domain domain = split == Split::ContextFirst
                                         ? domainOf(levels[2].place)
                                         : domainOf(levels[split == Split::PairThenSingle ? 3 : 2].place);
    // The pair's own kind, and whether its value in `domain` is the
    // reciprocal of its own sum.
    static constexpr bool seriesPair = split == Split::PairThenSingle
                                           ? levels[3].place == Place::SeriesPair
                                           : domainOf(levels[3].place) == Domain::Series;
    static constexpr bool reciprocal = (seriesPair ? Domain::Series : Domain::Parallel) != domain;

    static_assert(T::parts == 5, "five-part templates meet in the middle");
    static_assert(levels[pairLevel].way == Way::DownFromPick || levels[pairLevel].way == Way::UpFromPick,
                  "the pair's second loop starts at its first");
    static_assert(levels[pairLevel].from == pairLevel, "the pair's second loop starts at its first");
    static_assert(split != Split::PairThenSingle ||
                      (levels[3].place == Place::SeriesPair || levels[3].place == Place::ParallelPair),
                  "a pair placed as one element");
    static_assert(split == Split::PairThenSingle || !isPair(levels[3].place),
                  "the pair's first part is placed on its own");

    static double s(int32_t i) { return stockParts[i].seriesValue; }
    static double g(int32_t i) { return stockParts[i].parallelValue; }

    // The pairs' values in `domain`, ascending, and the indices of the
    // pair at place r.
    const double* pairValues() const { return reciprocal ? pairs_.reciprocals : pairs_.sums; }
    uint32_t pairAt(int32_t r) const { return pairs_.picks[reciprocal ? pairs_.count - 1 - r : r]; }

    // Whether picks[k] keeps to where the loop of level k starts.
    static bool keepsOrder(const int32_t* picks, int k) {
        const Level& here = levels[k - 1];
        if (here.way == Way::DownFromPick) return picks[k] <= picks[here.from];
        if (here.way == Way::UpFromPick) return picks[k] >= picks[here.from];
        return true;
    }

    // The key that sorts in loop order: each loop running down counts from
    // the top.
    static uint64_t loopKey(const int32_t* picks) {
        int32_t q[6];
        for (int k = 1; k <= 5; ++k) {
            q[k] = runsDown(levels[k - 1].way) ? ((1 << PickBits) - 1) - picks[k] : picks[k];
        }
        return packPicks(q);
    }
    static void picksOf(uint64_t key, int32_t* picks) {
        for (int k = 1; k <= 5; ++k) {
            int32_t q = pickOf(key, k);
            picks[k] = runsDown(levels[k - 1].way) ? ((1 << PickBits) - 1) - q : q;
        }
    }

    // A level's step on the current thread's stages.
    template <int k>
    static int step(int32_t first, int32_t part) {
        constexpr Place what = levels[k - 1].place;
        if constexpr (what == Place::Nothing) return 0;
        else return placeStep<what>(k, first, part);
    }

    // The window of `domain` in stage k: low and high ends of the sum.
    static void windowOf(const SearchStage& st, double* low, double* high) {
        if constexpr (domain == Domain::Series) {
            *low = st.seriesLow;
            *high = st.seriesHigh;
        } else {
            *low = st.parallelLow;
            *high = st.parallelHigh;
        }
    }

    // The contexts: for ContextFirst and PairThenSingle the window that
    // levels 1 and 2 leave, by their steps on the guarded window; for
    // SingleFirst the element of levels 2 and 3, whose value shifts the
    // single's window down.
    // Only contexts whose pick1 lies in [from, to] (all for SingleFirst,
    // whose pick1 is the single). Returns their count, -1 when the search
    // was stopped, or TooManyContexts when they do not fit their store
    // (two independent loops give m^2 of them, the store holds m(m+1)/2).
    static constexpr int32_t TooManyContexts = -2;

    static int32_t buildContexts(int32_t from, int32_t to) {
        Context* out = contexts();
        int32_t n = 0;
        constexpr int a = contextLevel, b = contextLevel + 1;
        int32_t picks[6] = {};
        GuardedStage guarded;
        if (split == Split::SingleFirst) from = firstCandidate, to = lastCandidate;
        for (int32_t i = from; i <= to; ++i) {
            if (searchStopped()) return -1;
            picks[a] = i;
            if constexpr (split != Split::SingleFirst) {
                if (step<1>(i, i) != 0) continue;
            }
            for (int32_t j = firstCandidate; j <= lastCandidate; ++j) {
                picks[b] = j;
                if (!keepsOrder(picks, b)) continue;
                double low, high;
                if constexpr (split == Split::SingleFirst) {
                    double v = elementValue<levels[2].place>(i, j);
                    low = high = -v;
                } else {
                    if (step<2>(i, j) != 0) continue;
                    windowOf(stages[2], &low, &high);
                    if (!(high > 0) || high < low) continue;
                }
                if (n == limits::PairCapacity) return TooManyContexts;
                out[n++] = {low, high, static_cast<uint16_t>(i), static_cast<uint16_t>(j)};
            }
        }
        sortContexts(n);
        return n;
    }

    // The merge for the singles of one task.
    void mergeFor(int32_t from, int32_t to, TaskMatches* store) const {
        GuardedStage guarded;
        int32_t picks[6] = {};
        for (int32_t x = from; x <= to; ++x) {
            if (searchStopped()) return;
            picks[singleLevel] = x;
            double singleLow, singleHigh;
            if constexpr (split == Split::SingleFirst) {
                if (step<1>(x, x) != 0) continue;
                windowOf(stages[1], &singleLow, &singleHigh);
            } else {
                double v = split == Split::ContextFirst ? elementValue<levels[2].place>(x, x)
                                                        : (domain == Domain::Series ? s(x) : g(x));
                singleLow = singleHigh = -v;
            }
            const double* values = pairValues();
            const int32_t count = pairs_.count;
            const double largest = values[count - 1];
            int32_t r = 0;
            for (int32_t c = 0; c < contextCount_; ++c) {
                const Context& ctx = contexts_[c];
                double low = ctx.low + singleLow;
                if (low > largest) break;  // so are the lows of the contexts after it
                picks[contextLevel] = ctx.a;
                picks[contextLevel + 1] = ctx.b;
                // The single and the context keep their loops' order.
                if (!keepsOrder(picks, singleLevel)) continue;
                double high = ctx.high + singleHigh;
                while (values[r] < low) ++r;
                for (int32_t q = r; q < count && values[q] <= high; ++q) {
                    uint32_t p = pairAt(q);
                    int32_t first = static_cast<int32_t>(p >> 16), second = static_cast<int32_t>(p & 0xffff);
                    bool down = runsDown(levels[pairLevel].way);
                    picks[pairLevel] = down ? second : first;
                    picks[pairLevel + 1] = down ? first : second;
                    if (!keepsOrder(picks, pairLevel) || !keepsOrder(picks, singleLevel)) continue;
                    if (!store->add(loopKey(picks), 0)) return;
                }
            }
        }
    }

    bool meet(int32_t* outcome) {
        if (!middleApplies()) return false;
        sortPairs();
        if (searchStopped()) {
            *outcome = -1;
            return true;
        }
        pairs_ = seriesPair ? seriesPairs() : parallelPairs();
        contexts_ = contexts();
        *outcome = meetOver(firstCandidate, lastCandidate);
        return true;
    }

    // The networks whose pick1 lies in [from, to]. When they have more
    // candidates than the store holds, each half of the range in loop order,
    // and a single pick1 by the walk.
    int32_t meetOver(int32_t from, int32_t to) {
        contextCount_ = buildContexts(from, to);
        if (contextCount_ == TooManyContexts) return overHalves(from, to);
        if (contextCount_ < 0) return -1;
        int32_t gathered = 0;
        bool overflow = false;
        // The singles, split into tasks: for SingleFirst they are pick1.
        const int32_t first = split == Split::SingleFirst ? from : firstCandidate;
        const int32_t last = split == Split::SingleFirst ? to : lastCandidate;
        const int32_t tasks = taskCountFor(last - first + 1);
        auto run = [&](int32_t task, TaskMatches* store) {
            int32_t a, b;
            taskRange(first, last, task, tasks, false, &a, &b);
            mergeFor(a, b, store);
        };
        auto take = [&](int32_t, const TaskMatches& store) -> int32_t {
            if (store.full || gathered + store.count > limits::MiddleCandidateCapacity) {
                overflow = true;
                return -1;
            }
            uint64_t* out = candidates();
            for (int32_t i = 0; i < store.count; ++i) out[gathered++] = store.entries[i].key;
            return 0;
        };
        int32_t ran = runTasks(tasks, run, take);
        if (searchStopped()) return -1;
        if (!overflow) return ran != 0 ? -1 : recordInOrder(gathered);
        if (from == to) return NetworkWalk<T>::runRange(from, to, nullptr);
        return overHalves(from, to);
    }

    // Each half of [from, to], in loop order.
    int32_t overHalves(int32_t from, int32_t to) {
        int32_t middle = from + (to - from) / 2;
        if (runsDown(levels[0].way)) {
            if (meetOver(middle + 1, to) != 0) return -1;
            return meetOver(from, middle);
        }
        if (meetOver(from, middle) != 0) return -1;
        return meetOver(middle + 1, to);
    }

    // The candidates in loop order through the placement steps and the
    // innermost tests, on the real acceptance window.
    static int32_t recordInOrder(int32_t count) {
        sortCandidates(count);
        const uint64_t* keys = candidates();
        int32_t picks[6] = {};
        for (int32_t i = 0; i < count; ++i) {
            if (i % 1024 == 0 && searchStopped()) return -1;
            picksOf(keys[i], picks);
            double value;
            if (!NetworkWalk<T>::replay(picks, &value)) continue;
            pick1 = picks[1], pick2 = picks[2], pick3 = picks[3], pick4 = picks[4], pick5 = picks[5];
            if (recordMatch(T::shape, value) != 0) return -1;
        }
        return 0;
    }

    // Stage 0 of this thread holds the guarded window while it lives.
    struct GuardedStage {
        SearchStage saved = stages[0];
        GuardedStage() { stages[0] = guardedWindow(); }
        ~GuardedStage() { stages[0] = saved; }
        GuardedStage(const GuardedStage&) = delete;
        GuardedStage& operator=(const GuardedStage&) = delete;
    };

    PairList pairs_{};
    const Context* contexts_ = nullptr;
    int32_t contextCount_ = 0;
};

}  // namespace middle

// The template's walk on every core: its outermost loop split into tasks,
// whose matches are recorded in task order.
template <class T>
int32_t runWalkTasks() {
    constexpr bool down = runsDown(T::levels[0].way);
    const int32_t first = firstCandidate, last = lastCandidate;
    const int32_t count = taskCountFor(last - first + 1);
    if (count <= 1) return NetworkWalk<T>::run();
    auto run = [&](int32_t task, TaskMatches* store) {
        int32_t from, to;
        taskRange(first, last, task, count, down, &from, &to);
        NetworkWalk<T>::runRange(from, to, store);
    };
    auto take = [](int32_t, const TaskMatches& store) { return recordFound(T::shape, store); };
    return runTasks(count, run, take);
}

// How the search runs a template: the networks of two and three parts by
// the walk on the recording thread; those of four on every core; those of
// five met in the middle where that is certified, else on every core.
template <class T>
int32_t runTemplate() {
    if (searchStopped()) return -1;
    progressTemplateBegins(T::shape);
    if constexpr (T::parts >= 4) {
        // Out of reach: nothing to walk or meet.
        if (NetworkWalk<T>::outerLoopEnds()) return 0;
    }
    if constexpr (T::parts == 5) {
        int32_t outcome = 0;
        if (middle::Meeting<T>::run(&outcome)) return outcome;
    }
    if constexpr (T::parts < 4) return NetworkWalk<T>::run();
    else return runWalkTasks<T>();
}

// A size's table entry for template T: its shape and how it runs, the
// format checked against the recorder's copy of it.
template <class T>
constexpr NetworkTemplate walkOf() {
    static_assert(formatLength(T::shape.format) < limits::FormatSize,
                  "the recorder's copy of the format holds it");
    return {&T::shape, &runTemplate<T>};
}
