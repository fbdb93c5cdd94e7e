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
// The cross part. With the four arms fixed, the exact value of a bridge is
// a ratio of two linear functions of the value x of its cross part C-D:
//
//     (alpha + beta x) / (gamma + delta x)
//     alpha = s1 s2 (s4 + s5) + s4 s5 (s1 + s2)    beta  = (s1 + s4)(s2 + s5)
//     gamma = (s1 + s2)(s4 + s5)                   delta = s1 + s2 + s4 + s5
//
// (with x = 0 the inner nodes are joined: s1 / s2 in series with s4 / s5;
// as x grows the cross falls open: (s1 + s4) / (s2 + s5)). Every term is
// positive, so alpha + beta x and bound * (gamma + delta x), each computed
// with six roundings, compare as their exact values do up to 13 roundings
// of the bound: another certificate, without a division, that the bridge
// with cross part x lies below (or above) a bound, which the monotonicity
// extends to every bridge with parts no larger (no smaller). And the cross
// part at which the bridge meets a bound is (bound gamma - alpha) / (beta -
// bound delta).
//
// The meet. The cross part moves a bridge's value least of its five parts:
// only the current across the bridge flows through it. So for a pick1 and
// a pick2 the meet walks the grid of pick4 and pick5, and the cross part is
// what each cell meets the window with. A cell whose bridge with the
// largest cross part certainly lies below the guarded window, or whose
// bridge with the smallest certainly lies above it, holds no match: the
// cells left form one run of pick5 per pick4, between two staircases. In
// each of them the cross part that meets the window's low end is computed,
// looked up among the candidates, and the two certificates at the
// candidates on either side of it show every other cross part outside the
// guarded window. Only the cross parts between certificates that fail get
// the plain test on the plain value. A cell costs a division, a lookup and
// two certificates, where a sweep along pick5 takes a step for every row
// of pick3 and pick4 that the window crosses, several times as many.
// Nothing rests on the lookup's guess: a wrong one costs plain tests.
//
// One view of each. A bridge is the same network seen from its other
// terminal (the former pick4 and pick5 as pick1 and pick2) and in its
// mirror image (pick1 with pick2 and pick4 with pick5 exchanged together):
// up to four views with the same exact value, of which the plain loops try
// every one whose pick2 does not lie above pick1. The meet of only those
// whose pick4 and pick5 do not lie above pick1 meets at least one view of
// every network they try, at half the cost. The views' computed values
// differ in the last roundings only, far inside the guard: every view of a
// match lies within the guarded window, where no certificate leaves a
// bridge out, and the meet keeps every bridge it tests there. Then every
// view of each kept bridge that the plain loops try gets the plain test on
// its own plain value, and the matches are sorted into the order of the
// plain loops. Only when the kept bridges overflow their
// store does the search sweep in the plain loops' order itself: along each
// row of pick4 it keeps the highest pick5 known to lie below the window
// (still true for the next, smaller pick4), goes up from there until a
// certificate shows the rest of the row above the window, and tests what
// lies between with the plain test.
//
// The matches are found into a fixed store first and then recorded in
// order. The store holds one more than a search can record, so a store that
// fills holds everything that can be recorded before the limit ends the
// search.
//
// On every core. The meet deals its pick1 to the tasks of the search
// (engine/search_tasks.h) in turn, since its work grows with the cube of
// pick1; the kept bridges are gathered in task order. The plain order
// splits the loop of pick1 into shares in their order, and each share's
// matches are recorded as its turn comes.
#include "engine/bridge_sweep.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "engine/limits.h"
#include "engine/network_walk.h"
#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "engine/stock_list.h"

namespace {

constexpr double Guard = 1e-9;

// Within these part values no product or quotient of the formula leaves the
// normal range of doubles, nor does any term of the cross part's form (a
// product of three parts at most), so the rounding bounds of the
// certificates hold.
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
// than a search can record; and, for the meet of one view of each, the
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

// ---- The meet over the cross part ------------------------------------------

// The cross part's form of the bridges of one cell: alpha + beta x against
// bound * (gamma + delta x), each side six roundings from its exact value.
struct CrossForm {
    double alpha, beta, gamma, delta;

    // Whether the bridge with cross part x certainly lies below `bound`
    // (its exact value is below bound times 13 roundings), or above it.
    bool below(double x, double bound) const { return alpha + beta * x < bound * (gamma + delta * x); }
    bool above(double x, double bound) const { return alpha + beta * x > bound * (gamma + delta * x); }
};

// The cells of one pick4 under a pick1 and a pick2: the terms of the cross
// part's form are linear in s5, and so is what gives the cross part that
// meets the guarded window's low end.
class CrossRow {
  public:
    CrossRow(double s1, double s2, double s4, double low) {
        const double sum = s1 + s2, product = s1 * s2;
        // alpha = s1 s2 s4 + (s1 s2 + (s1 + s2) s4) s5
        a0_ = product * s4;
        a1_ = product + sum * s4;
        // beta = (s1 + s4) s2 + (s1 + s4) s5
        b1_ = s1 + s4;
        b0_ = b1_ * s2;
        // gamma = (s1 + s2) s4 + (s1 + s2) s5, delta = (s1 + s2 + s4) + s5
        g0_ = sum * s4;
        g1_ = sum;
        d0_ = sum + s4;
        // low gamma - alpha and beta - low delta, for the guess only.
        n0_ = low * g0_ - a0_;
        n1_ = low * g1_ - a1_;
        e0_ = b0_ - low * d0_;
        e1_ = b1_ - low;
    }

    CrossForm at(double s5) const { return {a0_ + a1_ * s5, b0_ + b1_ * s5, g0_ + g1_ * s5, d0_ + s5}; }

    // The cross part whose bridge meets the low end, roughly: an infinity or
    // a NaN where no cross part does.
    double meetingCross(double s5) const { return (n0_ + n1_ * s5) / (e0_ + e1_ * s5); }

  private:
    double a0_, a1_, b0_, b1_, g0_, g1_, d0_;
    double n0_, n1_, e0_, e1_;
};

uint64_t bitsOf(double x) {
    uint64_t bits;
    memcpy(&bits, &x, sizeof bits);
    return bits;
}

// The candidates' values at places 1 to n (place q is the candidate
// firstCandidate + q - 1), with 0 before them and an infinity after, and
// where a value would stand among them. The bits of positive doubles ascend
// with their values, so a table over the bits between the first and the
// last candidate's finds the place of a value with one look and a step or
// two. Copied by value into the loops, so that they keep it in registers.
struct CrossLookup {
    const double* values;
    const int16_t* buckets;  // the first place in each bucket or above it
    uint64_t lowBits;
    int shift;
    int32_t count;

    // The last place whose value lies below r; 0 when none does.
    int32_t placeBelow(double r) const {
        double c = r > values[1] ? r : values[1];  // a NaN too
        c = c < values[count] ? c : values[count];
        int32_t q = buckets[(bitsOf(c) - lowBits) >> shift];
        while (values[q] < r) ++q;  // the infinity after the last ends it
        return q - 1;
    }
};

class CrossParts {
  public:
    void build(int32_t first, int32_t last) {
        count_ = last - first + 1;
        values_[0] = 0;
        for (int32_t q = 1; q <= count_; ++q) values_[q] = s(first + q - 1);
        values_[count_ + 1] = std::numeric_limits<double>::infinity();
        lowBits_ = bitsOf(values_[1]);
        const uint64_t span = bitsOf(values_[count_]) - lowBits_;
        shift_ = 0;
        while ((span >> shift_) >= static_cast<uint64_t>(limits::BridgeLookupSize)) ++shift_;
        int32_t q = 1;
        for (uint64_t b = 0; b <= span >> shift_; ++b) {
            const uint64_t start = lowBits_ + (b << shift_);
            while (q <= count_ && bitsOf(values_[q]) < start) ++q;
            buckets_[b] = static_cast<int16_t>(q);
        }
    }

    CrossLookup lookup() const { return {values_, buckets_, lowBits_, shift_, count_}; }

  private:
    double values_[limits::StockCapacity + 2];
    int16_t buckets_[limits::BridgeLookupSize];
    uint64_t lowBits_ = 0;
    int shift_ = 0;
    int32_t count_ = 0;
};

static_assert(limits::StockCapacity + 1 <= 32767, "a place fits the lookup's table");

class BridgeMeet {
  public:
    BridgeMeet(const SweepInputs& in, const CrossLookup& cross, TaskMatches* store)
        : store_(store),
          cross_(cross),
          below_(in.low * (1 - Guard)),
          above_(in.high * (1 + Guard)),
          first_(in.first),
          last_(in.last),
          bottom_(s(in.first)),
          top_(s(in.last)) {}

    // One view of each bridge whose pick1 is one of last - task, last -
    // task - tasks, ...: those within the guarded window, until the store
    // is full or the search is stopped.
    void run(int32_t task, int32_t tasks) {
        for (int32_t p1 = last_ - task; p1 >= first_; p1 -= tasks) {
            const double s1 = s(p1);
            // pick2, pick4 and pick5 never lie above pick1: the largest
            // bridges have them on pick1 and pick3 at the top.
            if (valueOf(starOf(s1, s1, top_), s1, s1) < below_) return;
            if (valueOf(starOf(s1, bottom_, bottom_), bottom_, bottom_) > above_) continue;
            for (int32_t p2 = p1; p2 >= first_; --p2) {
                if (searchStopped()) return;
                const double s2 = s(p2);
                if (valueOf(starOf(s1, s2, top_), s1, s1) < below_) break;
                if (valueOf(starOf(s1, s2, bottom_), bottom_, bottom_) > above_) continue;
                if (grid(p1, p2) != 0) return;
            }
        }
    }

  private:
    // The value of the candidate at place q; pick p stands at place p -
    // first + 1.
    double at(int32_t place) const { return cross_.values[place]; }
    int32_t placeOf(int32_t pick) const { return pick - first_ + 1; }

    // The cells of pick4 and pick5 (both up to pick1) that a bridge of pick1
    // and pick2 may match in: for each pick4, from the first pick5 whose
    // bridge with the largest cross part does not lie below the window to
    // the last whose bridge with the smallest does not lie above it. As
    // pick4 falls, both ends rise; a cell left behind stays certified, by
    // the monotonicity, from the certificate of the larger pick4. In places.
    int32_t grid(int32_t p1, int32_t p2) {
        const double s1 = s(p1), s2 = s(p2);
        const int32_t last = placeOf(p1);
        int32_t from = 1, to = 0;
        for (int32_t q4 = last; q4 >= 1; --q4) {
            const CrossRow row(s1, s2, at(q4), below_);
            while (from <= last && row.at(at(from)).below(top_, below_)) ++from;
            // Every pick5 below, for this pick4 and every smaller one.
            if (from > last) break;
            while (to < last && !row.at(at(to + 1)).above(bottom_, above_)) ++to;
            if (from <= to && cells(row, p1, p2, q4, from, to) != 0) return -1;
        }
        return 0;
    }

    // The cells of one pick4, pick5 from place `from` to `to`.
    int32_t cells(const CrossRow& rowOfPick4, int32_t p1, int32_t p2, int32_t q4, int32_t from, int32_t to) {
        const CrossRow row = rowOfPick4;
        const CrossLookup cross = cross_;
        const double below = below_, above = above_;
        // The guesses first: each is independent of the others, so their
        // divisions and lookups overlap.
        int16_t guess[limits::StockCapacity + 1];
        for (int32_t q5 = from; q5 <= to; ++q5) {
            guess[q5] = static_cast<int16_t>(cross.placeBelow(row.meetingCross(cross.values[q5])));
        }
        const int32_t n = cross.count;
        for (int32_t q5 = from; q5 <= to; ++q5) {
            const CrossForm form = row.at(cross.values[q5]);
            int32_t low = guess[q5], high = low + 1;
            if ((low < 1 || form.below(cross.values[low], below)) &&
                (high > n || form.above(cross.values[high], above))) {
                continue;
            }
            while (low >= 1 && !form.below(cross.values[low], below)) --low;
            while (high <= n && !form.above(cross.values[high], above)) ++high;
            if (test(p1, p2, q4, q5, low + 1, high - 1) != 0) return -1;
        }
        return 0;
    }

    // The plain test, on the plain value, of the cross parts at places
    // `from` to `to` of the cell at places q4 and q5.
    int32_t test(int32_t p1, int32_t p2, int32_t q4, int32_t q5, int32_t from, int32_t to) {
        const double s1 = s(p1), s2 = s(p2), s4 = at(q4), s5 = at(q5);
        for (int32_t q3 = from; q3 <= to; ++q3) {
            double v = valueOf(starOf(s1, s2, at(q3)), s4, s5);
            if (below_ <= v && v <= above_) {
                const int32_t p3 = first_ + q3 - 1, p4 = first_ + q4 - 1, p5 = first_ + q5 - 1;
                if (!store_->add(keyOf(p1, p2, p3, p4, p5), v)) return -1;
            }
        }
        return 0;
    }

    TaskMatches* store_;
    const CrossLookup cross_;
    const double below_, above_;  // the guarded window
    const int32_t first_, last_;
    const double bottom_, top_;  // the smallest and largest candidate values
};

// ---- The plain loops' order ------------------------------------------------

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
    int32_t inOrder() {
        for (int32_t p1 = p1To_; p1 >= p1From_; --p1) {
            double s1 = s(p1);
            // pick2 never lies above pick1: the largest bridges have pick2
            // on pick1, pick3, pick4 and pick5 at the top.
            if (valueOf(starOf(s1, s1, top_), top_, top_) < below_) break;
            if (valueOf(starOf(s1, bottom_, bottom_), bottom_, bottom_) > above_) continue;
            for (int32_t p2 = p1; p2 >= first_; --p2) {
                double s2 = s(p2);
                if (valueOf(starOf(s1, s2, top_), top_, top_) < below_) break;
                if (valueOf(starOf(s1, s2, bottom_), bottom_, bottom_) > above_) continue;
                if (sweepCross(p1, p2) != 0) return -1;
            }
        }
        return 0;
    }

  private:
    int32_t sweepCross(int32_t p1, int32_t p2) {
        double s1 = s(p1), s2 = s(p2);
        // pick3 down from the top, from the first whose smallest bridges
        // do not lie above the window.
        int32_t p3 = lastHoldingIn(first_, last_, crossHint_, [&](int32_t x) {
            return !(valueOf(starOf(s1, s2, s(x)), bottom_, bottom_) > above_);
        });
        crossHint_ = p3;
        for (; p3 >= first_; --p3) {
            if (searchStopped()) return -1;
            Star t = starOf(s1, s2, s(p3));
            if (valueOf(t, top_, top_) < below_) break;
            if (sweepGrid(t, p1, p2, p3) != 0) return -1;
        }
        return 0;
    }

    int32_t sweepGrid(const Star& t, int32_t p1, int32_t p2, int32_t p3) {
        const double belowLeft = below_ - t.c, aboveLeft = above_ - t.c;
        auto rowOf = [&](int32_t p4) { return Row{t.a + s(p4), t.b, belowLeft, aboveLeft}; };
        // pick4 down from the top, from the first row whose smallest bridge
        // does not lie above the window.
        int32_t p4 = lastHoldingIn(first_, last_, rowHint_, [&](int32_t x) {
            return !rowOf(x).above(bottom_);
        });
        rowHint_ = p4;
        if (p4 < first_) return 0;
        // The highest pick5 known to give a bridge below the window: true
        // for this pick4 and every smaller one. For the first row it is
        // found by galloping from where the previous first row had it.
        const Row firstRow = rowOf(p4);
        int32_t below = lastHoldingIn(first_, last_, edgeHint_, [&](int32_t x) {
            return firstRow.below(s(x));
        });
        edgeHint_ = below;
        // Once every pick5 lies below, so does every smaller pick4.
        for (; p4 >= first_ && below < last_; --p4) {
            const Row row = rowOf(p4);
            int32_t p5 = below + 1;
            for (; p5 <= last_; ++p5) {
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
                if (low_ <= v && v <= high_ && !store_->add(keyOf(p1, p2, p3, p4, q), v)) return -1;
            }
        }
        return 0;
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

// The stores of the bridge: fixed, as every store of the search.
BridgeWork work;
CrossParts crossParts;

}  // namespace

double bridgeValue(double s1, double s2, double s3, double s4, double s5) {
    return valueOf(starOf(s1, s2, s3), s4, s5);
}

int32_t sweepBridge(const NetworkShape& shape) {
    if (firstCandidate > lastCandidate) return 0;
    if (!certificatesHold()) return evaluateEveryBridge(shape);
    const SweepInputs in = SweepInputs::ofSearch();
    // No bridge of these parts reaches the window when the largest (every
    // place the largest candidate) certainly lies below it, or the smallest
    // above it: nothing to hand to the threads.
    const double top = s(in.last), bottom = s(in.first);
    if (valueOf(starOf(top, top, top), top, top) < in.low * (1 - Guard) ||
        valueOf(starOf(bottom, bottom, bottom), bottom, bottom) > in.high * (1 + Guard))
        return 0;
    const int32_t tasks = taskCountFor(in.last - in.first + 1);

    // One view of each, while the kept bridges fit their store.
    crossParts.build(in.first, in.last);
    work.keptCount = 0;
    bool overflow = false;
    const CrossLookup cross = crossParts.lookup();
    auto meet = [&in, &cross, tasks](int32_t task, TaskMatches* store) {
        BridgeMeet(in, cross, store).run(task, tasks);
    };
    auto gather = [&overflow](int32_t, const TaskMatches& store) -> int32_t {
        if (store.full || work.keptCount + store.count > KeptCapacity) {
            overflow = true;
            return -1;
        }
        std::copy(store.entries, store.entries + store.count, work.kept + work.keptCount);
        work.keptCount += store.count;
        return 0;
    };
    int32_t ran = runTasks(tasks, meet, gather);
    if (searchStopped()) return -1;
    if (!overflow) {
        if (ran != 0) return -1;
        addOtherViews(in, &work);
        // A store that filled holds more matches than the search can
        // record: the recordings end it at the limit.
        return recordFound(shape, work.matches);
    }

    // Too many kept: the outermost loop (pick1, running down) split into
    // shares in the plain loops' order, recorded share by share.
    auto sweepInOrder = [&in, tasks](int32_t task, TaskMatches* store) {
        int32_t from, to;
        taskRange(in.first, in.last, task, tasks, true, &from, &to);
        BridgeSweep(in, from, to, store).inOrder();
    };
    auto record = [&shape](int32_t, const TaskMatches& store) { return recordFound(shape, store); };
    return runTasks(tasks, sweepInOrder, record);
}
