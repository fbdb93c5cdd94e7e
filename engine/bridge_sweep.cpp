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
//
// The bridge depends only on the stock and the acceptance window, both
// fixed before the five-part step begins, so the sweep may run ahead on a
// second thread while the other five-part templates run. It then keeps its
// matches, in its order, in a fixed buffer instead of recording them; at the
// bridge's turn the search passes the gate as always and records the kept
// matches in order. The buffer holds one match more than a search can
// record, so a sweep that fills it has found everything that can be
// recorded before the limit ends the search.
#include "engine/bridge_sweep.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

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

// The matches of a sweep running ahead, kept in order.
struct KeptMatch {
    int32_t picks[5];
    double value;
};

struct Kept {
    KeptMatch matches[limits::RecordCapacity + 1];
    int count = 0;
    bool full = false;
};

// What a sweep needs of the search, taken before it starts.
struct SweepInputs {
    double low, high;  // the acceptance window
    int32_t first, last;

    static SweepInputs ofSearch() {
        return {stages[0].seriesLow, stages[0].seriesHigh, firstCandidate, lastCandidate};
    }
};

class BridgeSweep {
  public:
    // Records through recordMatch under `format`, or, with `kept`, keeps
    // the matches there and stops when `cancel` is set.
    BridgeSweep(const SweepInputs& in, const char* format, Kept* kept,
                const std::atomic<bool>* cancel)
        : format_(format),
          kept_(kept),
          cancel_(cancel),
          low_(in.low),
          high_(in.high),
          below_(low_ * (1 - Guard)),
          above_(high_ * (1 + Guard)),
          first_(in.first),
          last_(in.last),
          bottom_(s(in.first)),
          top_(s(in.last)) {}

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
    bool stopped() const {
        return cancel_ != nullptr ? cancel_->load(std::memory_order_relaxed) : searchStopped();
    }

    int32_t sweepCross(int32_t p1, int32_t p2) {
        double s1 = s(p1), s2 = s(p2);
        // pick3 down from the top, from the first whose smallest bridges
        // do not lie above the window.
        int32_t p3 = lastHoldingIn(first_, last_, crossHint_, [&](int32_t x) {
            return !(valueOf(starOf(s1, s2, s(x)), bottom_, bottom_) > above_);
        });
        crossHint_ = p3;
        for (; p3 >= first_; --p3) {
            if (stopped()) return -1;
            Star t = starOf(s1, s2, s(p3));
            if (valueOf(t, top_, top_) < below_) break;
            if (sweepLastTwo(t, p1, p2, p3) != 0) return -1;
        }
        return 0;
    }

    // For a row of pick4, whose arm C-B with the star arm at C is
    // a4 = a + s4: whether the bridge with pick5 = x lies certainly below
    // or certainly above the window. The two paths over C and D give
    // (b + s5) a4 / (b + s5 + a4); instead of dividing, the product is
    // compared with what the paths may still add above the arm at A,
    // times their sum. The rounding of these few operations, like that of
    // the formula itself, stays orders of magnitude inside the guard.
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

    int32_t sweepLastTwo(const Star& t, int32_t p1, int32_t p2, int32_t p3) {
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
        const Row first = rowOf(p4);
        int32_t below = lastHoldingIn(first_, last_, edgeHint_, [&](int32_t x) {
            return first.below(s(x));
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
            // Between the two certificates: the plain test on the plain
            // value, recorded in the order of the plain loop.
            double s4 = s(p4);
            for (int32_t q = p5 - 1; q > below; --q) {
                double v = valueOf(t, s4, s(q));
                if (low_ <= v && v <= high_ && match(p1, p2, p3, p4, q, v) != 0) return -1;
            }
        }
        return 0;
    }

    int32_t match(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5, double v) {
        if (kept_ == nullptr) {
            setPicks(p1, p2, p3, p4, p5);
            return recordMatch(format_, v);
        }
        if (kept_->count == limits::RecordCapacity + 1) {
            kept_->full = true;
            return -1;
        }
        kept_->matches[kept_->count++] = {{p1, p2, p3, p4, p5}, v};
        return 0;
    }

    const char* format_;
    Kept* kept_;
    const std::atomic<bool>* cancel_;
    const double low_, high_;     // the acceptance window
    const double below_, above_;  // certificate thresholds
    const int32_t first_, last_;
    const double bottom_, top_;  // the smallest and largest candidate values
    // Where the previous pass of a loop began, to gallop from.
    int32_t crossHint_ = first_, rowHint_ = last_, edgeHint_ = first_;
};

bool certificatesHold() {
    for (int32_t i = firstCandidate; i <= lastCandidate; ++i) {
        double v = s(i);
        if (!(v >= SmallestSafe && v <= LargestSafe)) return false;
    }
    return true;
}

// Below this many candidates the whole bridge takes well under a
// millisecond; a second thread would only add its start.
constexpr int32_t AheadFrom = 24;

// The sweep running ahead: its thread, the matches it keeps, and whether it
// has finished. Only the thread writes `kept` until it is joined.
struct Ahead {
    std::thread thread;
    std::atomic<bool> cancel{false};
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;  // under mutex
    Kept kept;
    bool running = false;  // started and not yet joined; the search's thread only
};

Ahead ahead;

void runAhead(SweepInputs in) {
    BridgeSweep sweep(in, nullptr, &ahead.kept, &ahead.cancel);
    sweep.run();
    std::lock_guard<std::mutex> lock(ahead.mutex);
    ahead.done = true;
    ahead.finished.notify_all();
}

// Waits for the sweep running ahead to finish, answering a stop request of
// the search within a few milliseconds. Returns false when the search was
// stopped meanwhile (the sweep is then ended).
bool awaitAhead() {
    std::unique_lock<std::mutex> lock(ahead.mutex);
    while (!ahead.done) {
        if (searchStopped()) {
            lock.unlock();
            cancelBridgeAhead();
            return false;
        }
        ahead.finished.wait_for(lock, std::chrono::milliseconds(2));
    }
    lock.unlock();
    ahead.thread.join();
    ahead.running = false;
    return true;
}

}  // namespace

double bridgeValue(double s1, double s2, double s3, double s4, double s5) {
    return valueOf(starOf(s1, s2, s3), s4, s5);
}

void startBridgeAhead() {
    cancelBridgeAhead();
    if (lastCandidate - firstCandidate + 1 < AheadFrom || !certificatesHold()) return;
    ahead.cancel = false;
    ahead.done = false;
    ahead.kept.count = 0;
    ahead.kept.full = false;
    try {
        ahead.thread = std::thread(runAhead, SweepInputs::ofSearch());
        ahead.running = true;
    } catch (const std::system_error&) {
        // No second thread: the bridge is swept at its turn.
    }
}

void cancelBridgeAhead() {
    if (!ahead.running) return;
    ahead.cancel = true;
    ahead.thread.join();
    ahead.running = false;
}

int32_t sweepBridge(const char* format) {
    if (firstCandidate > lastCandidate) return 0;
    if (ahead.running) {
        if (!awaitAhead()) return -1;
        // A sweep that filled its buffer kept more matches than the search
        // can record: the recordings below end it at the limit.
        for (int i = 0; i < ahead.kept.count; ++i) {
            const KeptMatch& m = ahead.kept.matches[i];
            setPicks(m.picks[0], m.picks[1], m.picks[2], m.picks[3], m.picks[4]);
            if (recordMatch(format, m.value) != 0) return -1;
        }
        return 0;
    }
    if (!certificatesHold()) return evaluateEveryBridge(format);
    BridgeSweep sweep(SweepInputs::ofSearch(), format, nullptr, nullptr);
    return sweep.run();
}
