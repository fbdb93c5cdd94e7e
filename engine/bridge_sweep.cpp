// The bridge without evaluating every combination.
//
// A bridge's value grows with the value of every one of its parts: more
// resistance in any branch never lowers the resistance between the
// terminals. As computed, the value lies within 20 roundings of the exact
// value of its parts, since every term of the formula is positive. So a
// computed value below low * (1 - Guard) proves that every bridge whose parts
// are, place by place, no larger computes below the window's low end, and a
// computed value above high * (1 + Guard) proves that every bridge with
// parts no smaller computes above its high end. Such a value is a
// certificate for a whole block of combinations; the guard exceeds the
// rounding by six orders of magnitude.
//
// The sweep runs the plain loops in their order but leaves out every block
// a certificate covers: a pick1, pick2 or pick3 whose largest bridges lie
// below the window ends its loop, one whose smallest lie above it is passed
// over. For each pick4 the matching pick5 form one run: the sweep keeps the
// highest pick5 known to lie below the window (still true for the next,
// smaller pick4), evaluates upwards from there until a value lies above the
// window, then records the run downwards. Every combination it records has
// passed the plain test on the value the plain loops compute, with the
// same operations; the combinations it leaves out would fail that test.
#include "engine/bridge_sweep.h"

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

void setPicks(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5) {
    pick1 = p1;
    pick2 = p2;
    pick3 = p3;
    pick4 = p4;
    pick5 = p5;
}

// Every combination, for candidates outside the range where the
// certificates hold.
int32_t evaluateEveryBridge(const char* format) {
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
                            setPicks(p1, p2, p3, p4, p5);
                            if (recordMatch(format, value) != 0) return -1;
                        }
                    }
                }
            }
        }
    }
    return 0;
}

class BridgeSweep {
  public:
    explicit BridgeSweep(const char* format)
        : format_(format),
          low_(stages[0].seriesLow),
          high_(stages[0].seriesHigh),
          below_(low_ * (1 - Guard)),
          above_(high_ * (1 + Guard)),
          first_(firstCandidate),
          last_(lastCandidate),
          bottom_(s(firstCandidate)),
          top_(s(lastCandidate)) {}

    int32_t run() {
        for (int32_t p1 = last_; p1 >= first_; --p1) {
            double s1 = s(p1);
            // pick2 never lies above pick1: its largest bridges have pick2
            // on pick1.
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
        int32_t p3 = firstGoingDown(last_, [&](int32_t x) {
            return !(valueOf(starOf(s1, s2, s(x)), bottom_, bottom_) > above_);
        });
        for (; p3 >= first_; --p3) {
            if (searchStopped()) return -1;
            Star t = starOf(s1, s2, s(p3));
            if (valueOf(t, top_, top_) < below_) break;
            if (sweepLastTwo(t, p1, p2, p3) != 0) return -1;
        }
        return 0;
    }

    int32_t sweepLastTwo(const Star& t, int32_t p1, int32_t p2, int32_t p3) {
        int32_t p4 = firstGoingDown(last_, [&](int32_t x) {
            return !(valueOf(t, s(x), bottom_) > above_);
        });
        // Every pick5 up to `below` gives a bridge below the window, with
        // this pick4 and with every smaller one.
        int32_t below = first_ - 1;
        // Once every pick5 is known to lie below, so is every smaller pick4.
        for (; p4 >= first_ && below < last_; --p4) {
            double s4 = s(p4);
            int32_t end = last_ + 1;
            for (int32_t p5 = below + 1; p5 <= last_; ++p5) {
                double v = valueOf(t, s4, s(p5));
                values_[p5] = v;
                if (v < below_) {
                    below = p5;
                } else if (v > above_) {
                    end = p5;
                    break;
                }
            }
            for (int32_t p5 = end - 1; p5 > below; --p5) {
                double v = values_[p5];
                if (low_ <= v && v <= high_) {
                    setPicks(p1, p2, p3, p4, p5);
                    if (recordMatch(format_, v) != 0) return -1;
                }
            }
        }
        return 0;
    }

    const char* format_;
    const double low_, high_;     // the acceptance window
    const double below_, above_;  // certificate thresholds
    const int32_t first_, last_;
    const double bottom_, top_;  // the smallest and largest candidate values
    double values_[limits::StockCapacity];
};

bool certificatesHold() {
    for (int32_t i = firstCandidate; i <= lastCandidate; ++i) {
        double v = s(i);
        if (!(v >= SmallestSafe && v <= LargestSafe)) return false;
    }
    return true;
}

}  // namespace

double bridgeValue(double s1, double s2, double s3, double s4, double s5) {
    return valueOf(starOf(s1, s2, s3), s4, s5);
}

int32_t sweepBridge(const char* format) {
    if (firstCandidate > lastCandidate) return 0;
    if (!certificatesHold()) return evaluateEveryBridge(format);
    BridgeSweep sweep(format);
    return sweep.run();
}
