// The bridge without evaluating every combination.
//
// Certificates. A bridge's value grows with the value of every one of its
// parts: more resistance in any branch never lowers the resistance between
// the terminals. As computed, the value lies within 20 roundings of the
// exact value of its parts, since every term of the formula is positive. So
// a computed value below low * (1 - Guard) proves that every bridge whose
// parts are, place by place, no larger computes below the window's low end,
// and a computed value above high * (1 + Guard) proves that every bridge
// with parts no smaller computes above its high end. Such a value is a
// certificate for a whole block of combinations; the guard exceeds the
// rounding by six orders of magnitude.
//
// The sweep. For a pick1, pick2 and pick3 the bridges over pick4 and pick5
// form a grid whose values grow along both. A pick1, pick2 or pick3 whose
// largest bridges lie below the window ends its loop, one whose smallest lie
// above it is passed over. Along each row of pick4 the sweep keeps the
// highest pick5 known to lie below the window (still true for the next,
// smaller pick4), goes up from there until a certificate shows the rest of
// the row above the window, and tests what lies between with the plain test
// on the value the plain loops compute, with the same operations. Nothing it
// leaves out could pass that test.
//
// One view of each. A bridge is the same network seen from its other
// terminal (the former pick4 and pick5 as pick1 and pick2) and in its
// mirror image (pick1 with pick2 and pick4 with pick5 exchanged together):
// up to four views with the same exact value, of which the plain loops try
// every one whose pick2 does not lie above pick1. A sweep of only those
// whose pick4 and pick5 do not lie above pick1 meets at least one view of
// every network they try, at about a third less cost. The views' computed
// values differ in the last roundings only, far inside the guard, so this
// sweep keeps every bridge within the guarded window; then every view of
// each kept bridge that the plain loops try gets the plain test on its own
// plain value, and the matches are sorted into the order of the plain
// loops. Only when the kept bridges overflow their store does the search
// sweep in the plain loops' order itself.
//
// The matches are found into a fixed store first and then recorded in
// order. The store holds one more than a search can record, so a store that
// fills holds everything that can be recorded before the limit ends the
// search.
//
// On every core. The loop of pick1 is split into shares, each swept by a
// task of the search (engine/search_tasks.h) into a store of its own; the
// kept bridges are gathered in share order, and in the plain order each
// share's matches are recorded as its turn comes.
#include "engine/bridge_sweep.h"

#include <algorithm>

#include "engine/limits.h"
#include "engine/network_walk.h"
#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "engine/stock_list.h"

namespace {

constexpr double Guard = 1e-9;

// Within these part values no product or quotient of the formula leaves the
// normal range of doubles, so the rounding bound of the certificates holds.
constexpr double SmallestSafe = 1e-100;
constexpr double LargestSafe = 1e100;

double s(int32_t i) { return stockParts[i].seriesValue; }

// What a bridge's value depends on through its first three parts: the star
// arms at C (a), at D (b) and at A (c) that replace the triangle A, C, D.
struct Star {
    double a, b, c;
};

Star starOf(double s1, double s2, double s3) {
    double d = (s2 + s1) + s3;
    return {s3 * s1 / d, s3 * s2 / d, s2 * s1 / d};
}

// The same operations as bridgeValue, with the star computed once for all
// pick4 and pick5: the result is the same double.
double valueOf(const Star& t, double s4, double s5) {
    return (t.b + s5) * (t.a + s4) / (((t.a + s4) + t.b) + s5) + t.c;
}

// A bridge by its five picks, packed so that keys sort descending in the
// order the plain loops try the bridges (each loop runs down), with its
// value.
using FoundBridge = FoundMatch;

uint64_t keyOf(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5) {
    const int32_t picks[6] = {0, p1, p2, p3, p4, p5};
    return packPicks(picks);
}

// Every bridge the plain loops would record, in their order, up to one more
// than a search can record; and, for the sweep of one view of each, the
// bridges kept within the guarded window and then every view of them.
constexpr int MatchCapacity = limits::RecordCapacity + 1;
constexpr int KeptCapacity = limits::BridgeKeptCapacity;

static_assert(MatchCapacity == limits::TaskMatchCapacity, "a task's store holds the matches of a search");

struct BridgeWork {
    TaskMatches matches;
    FoundBridge kept[KeptCapacity];
    int keptCount = 0;
    FoundBridge views[4 * KeptCapacity];  // every view of the kept bridges
};

// What a sweep needs of the search, taken before it starts.
struct SweepInputs {
    double low, high;  // the acceptance window
    int32_t first, last;

    static SweepInputs ofSearch() {
        return {stages[0].seriesLow, stages[0].seriesHigh, firstCandidate, lastCandidate};
    }
};

// For a row of pick4 under a star, with the arm C-B and the star arm at C
// as a4 = a + s4: whether the bridge with a pick5 lies certainly below or
// certainly above the window. The two paths over C and D give
// (b + s5) a4 / (b + s5 + a4); instead of dividing, their product is
// compared with what the paths may add above the arm at A, times their sum.
// The rounding of these few operations, like that of the formula itself,
// stays orders of magnitude inside the guard.
struct Row {
    double a4, b, belowLeft, aboveLeft;

    bool below(double s5) const {
        double x = b + s5;
        return x * a4 < belowLeft * (x + a4);
    }
    bool above(double s5) const {
        double x = b + s5;
        return x * a4 > aboveLeft * (x + a4);
    }
};

class BridgeSweep {
  public:
    // A sweep of the bridges whose pick1 lies in [p1From, p1To] (a task of
    // the search on every core), keeping what it finds in `store`.
    BridgeSweep(const SweepInputs& in, int32_t p1From, int32_t p1To, TaskMatches* store)
        : store_(store),
          p1From_(p1From),
          p1To_(p1To),
          low_(in.low),
          high_(in.high),
          below_(low_ * (1 - Guard)),
          above_(high_ * (1 + Guard)),
          first_(in.first),
          last_(in.last),
          bottom_(s(in.first)),
          top_(s(in.last)) {}

    // Every matching bridge of its share into the store, in the plain
    // loops' order, until the store is full or the search is stopped.
    void inOrder() { sweep<false>(); }

    // One view of each bridge of its share: those within the guarded window,
    // until the store is full or the search is stopped.
    void oneViewOfEach() { sweep<true>(); }

  private:
    // With `oneView`, pick4 and pick5 stop at pick1: the bridges kept are
    // those within the guarded window, with their own value.
    template <bool oneView>
    int32_t sweep() {
        for (int32_t p1 = p1To_; p1 >= p1From_; --p1) {
            double s1 = s(p1);
            int32_t cap = oneView ? p1 : last_;
            double capped = s(cap);
            // pick2 never lies above pick1: the largest bridges have pick2
            // on pick1, pick3 at the top, pick4 and pick5 at their cap.
            if (valueOf(starOf(s1, s1, top_), capped, capped) < below_) break;
            if (valueOf(starOf(s1, bottom_, bottom_), bottom_, bottom_) > above_) continue;
            for (int32_t p2 = p1; p2 >= first_; --p2) {
                double s2 = s(p2);
                if (valueOf(starOf(s1, s2, top_), capped, capped) < below_) break;
                if (valueOf(starOf(s1, s2, bottom_), bottom_, bottom_) > above_) continue;
                if (sweepCross<oneView>(p1, p2, cap) != 0) return -1;
            }
        }
        return 0;
    }

    template <bool oneView>
    int32_t sweepCross(int32_t p1, int32_t p2, int32_t cap) {
        double s1 = s(p1), s2 = s(p2), capped = s(cap);
        // pick3 down from the top, from the first whose smallest bridges
        // do not lie above the window.
        int32_t p3 = lastHoldingIn(first_, last_, crossHint_, [&](int32_t x) {
            return !(valueOf(starOf(s1, s2, s(x)), bottom_, bottom_) > above_);
        });
        crossHint_ = p3;
        for (; p3 >= first_; --p3) {
            if (searchStopped()) return -1;
            Star t = starOf(s1, s2, s(p3));
            if (valueOf(t, capped, capped) < below_) break;
            if (sweepGrid<oneView>(t, p1, p2, p3, cap) != 0) return -1;
        }
        return 0;
    }

    template <bool oneView>
    int32_t sweepGrid(const Star& t, int32_t p1, int32_t p2, int32_t p3, int32_t cap) {
        const double belowLeft = below_ - t.c, aboveLeft = above_ - t.c;
        auto rowOf = [&](int32_t p4) { return Row{t.a + s(p4), t.b, belowLeft, aboveLeft}; };
        // pick4 down from its cap, from the first row whose smallest bridge
        // does not lie above the window.
        int32_t p4 = lastHoldingIn(first_, cap, rowHint_, [&](int32_t x) {
            return !rowOf(x).above(bottom_);
        });
        rowHint_ = p4;
        if (p4 < first_) return 0;
        // The highest pick5 known to give a bridge below the window: true
        // for this pick4 and every smaller one. For the first row it is
        // found by galloping from where the previous first row had it.
        const Row firstRow = rowOf(p4);
        int32_t below = lastHoldingIn(first_, cap, edgeHint_, [&](int32_t x) {
            return firstRow.below(s(x));
        });
        edgeHint_ = below;
        // Once every pick5 lies below, so does every smaller pick4.
        for (; p4 >= first_ && below < cap; --p4) {
            const Row row = rowOf(p4);
            int32_t p5 = below + 1;
            for (; p5 <= cap; ++p5) {
                double s5 = s(p5);
                if (row.below(s5)) {
                    below = p5;
                } else if (row.above(s5)) {
                    break;
                }
            }
            // Between the two certificates, in the plain loop's order.
            double s4 = s(p4);
            for (int32_t q = p5 - 1; q > below; --q) {
                double v = valueOf(t, s4, s(q));
                if (oneView ? below_ <= v && v <= above_ : low_ <= v && v <= high_) {
                    if (keep<oneView>(keyOf(p1, p2, p3, p4, q), v) != 0) return -1;
                }
            }
        }
        return 0;
    }

    template <bool>
    int32_t keep(uint64_t key, double v) {
        return store_->add(key, v) ? 0 : -1;
    }

    TaskMatches* store_;
    const int32_t p1From_, p1To_;
    const double low_, high_;     // the acceptance window
    const double below_, above_;  // certificate thresholds
    const int32_t first_, last_;
    const double bottom_, top_;  // the smallest and largest candidate values
    // Where the previous pass of a loop began, to gallop from.
    int32_t crossHint_ = first_, rowHint_ = last_, edgeHint_ = first_;
};

// Every view of each kept bridge that the plain loops try: itself, seen
// from the other terminal, in mirror image, or both, wherever pick2 does
// not lie above pick1 (more than two of them when a pair holds the same
// part twice). Each gets the plain test on its plain value; the matches are
// sorted into the plain loops' order, each once, as many as the store of
// matches holds.
void addOtherViews(const SweepInputs& in, BridgeWork* work) {
    FoundBridge* views = work->views;
    int n = 0;
    for (int i = 0; i < work->keptCount; ++i) {
        uint64_t key = work->kept[i].key;
        int32_t a = pickOf(key, 1), b = pickOf(key, 2), c = pickOf(key, 3);
        int32_t d = pickOf(key, 4), e = pickOf(key, 5);
        const int32_t seen[4][5] = {{a, b, c, d, e}, {b, a, c, e, d}, {d, e, c, a, b}, {e, d, c, b, a}};
        for (const int32_t* p : seen) {
            if (p[1] > p[0]) continue;
            double v = valueOf(starOf(s(p[0]), s(p[1]), s(p[2])), s(p[3]), s(p[4]));
            if (in.low <= v && v <= in.high) views[n++] = {keyOf(p[0], p[1], p[2], p[3], p[4]), v};
        }
    }
    std::sort(views, views + n,
              [](const FoundBridge& x, const FoundBridge& y) { return x.key > y.key; });
    int count = 0;
    for (int i = 0; i < n && count < MatchCapacity; ++i) {
        if (i > 0 && views[i].key == views[i - 1].key) continue;
        work->matches.entries[count++] = views[i];
    }
    work->matches.count = count;
    work->matches.full = false;
}

// Every combination, for candidates outside the range where the
// certificates hold.
int32_t evaluateEveryBridge(const NetworkShape& shape) {
    const SearchStage& window = stages[0];
    for (int32_t p1 = lastCandidate; p1 >= firstCandidate; --p1) {
        for (int32_t p2 = p1; p2 >= firstCandidate; --p2) {
            for (int32_t p3 = lastCandidate; p3 >= firstCandidate; --p3) {
                if (searchStopped()) return -1;
                Star t = starOf(s(p1), s(p2), s(p3));
                for (int32_t p4 = lastCandidate; p4 >= firstCandidate; --p4) {
                    for (int32_t p5 = lastCandidate; p5 >= firstCandidate; --p5) {
                        double value = valueOf(t, s(p4), s(p5));
                        if (window.seriesLow <= value && value <= window.seriesHigh) {
                            pick1 = p1, pick2 = p2, pick3 = p3, pick4 = p4, pick5 = p5;
                            if (recordMatch(shape, value) != 0) return -1;
                        }
                    }
                }
            }
        }
    }
    return 0;
}

bool certificatesHold() {
    for (int32_t i = firstCandidate; i <= lastCandidate; ++i) {
        double v = s(i);
        if (!(v >= SmallestSafe && v <= LargestSafe)) return false;
    }
    return true;
}

// The store of the bridge's matches: fixed, as every store of the search.
BridgeWork work;

}  // namespace

double bridgeValue(double s1, double s2, double s3, double s4, double s5) {
    return valueOf(starOf(s1, s2, s3), s4, s5);
}

int32_t sweepBridge(const NetworkShape& shape) {
    if (firstCandidate > lastCandidate) return 0;
    if (!certificatesHold()) return evaluateEveryBridge(shape);
    // The outermost loop (pick1, running down) split into tasks.
    const SweepInputs in = SweepInputs::ofSearch();
    // No bridge of these parts reaches the window when the largest (every
    // place the largest candidate) certainly lies below it, or the smallest
    // above it: nothing to hand to the threads.
    const double top = s(in.last), bottom = s(in.first);
    if (valueOf(starOf(top, top, top), top, top) < in.low * (1 - Guard) ||
        valueOf(starOf(bottom, bottom, bottom), bottom, bottom) > in.high * (1 + Guard))
        return 0;
    const int32_t tasks = taskCountFor(in.last - in.first + 1);
    auto share = [&in, tasks](int32_t task, TaskMatches* store) {
        int32_t from, to;
        taskRange(in.first, in.last, task, tasks, true, &from, &to);
        return BridgeSweep(in, from, to, store);
    };

    // One view of each, while the kept bridges fit their store.
    work.keptCount = 0;
    bool overflow = false;
    auto keepViews = [&share](int32_t task, TaskMatches* store) { share(task, store).oneViewOfEach(); };
    auto gather = [&overflow](int32_t, const TaskMatches& store) -> int32_t {
        if (store.full || work.keptCount + store.count > KeptCapacity) {
            overflow = true;
            return -1;
        }
        std::copy(store.entries, store.entries + store.count, work.kept + work.keptCount);
        work.keptCount += store.count;
        return 0;
    };
    int32_t ran = runTasks(tasks, keepViews, gather);
    if (searchStopped()) return -1;
    if (!overflow) {
        if (ran != 0) return -1;
        addOtherViews(in, &work);
        // A store that filled holds more matches than the search can
        // record: the recordings end it at the limit.
        return recordFound(shape, work.matches);
    }

    // Too many kept: each share in the plain loops' order, recorded share
    // by share.
    auto sweepInOrder = [&share](int32_t task, TaskMatches* store) { share(task, store).inOrder(); };
    auto record = [&shape](int32_t, const TaskMatches& store) { return recordFound(shape, store); };
    return runTasks(tasks, sweepInOrder, record);
}
