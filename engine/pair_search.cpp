// The pair search: each side's networks built and sorted once, the sides
// met by pointers that only move up as A grows, the best pairs kept in a
// bounded heap in the order of the records (pair_search.h).
#include "engine/pair_search.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <thread>

#include "engine/network_description.h"
#include "engine/network_shapes.h"
#include "engine/search_inputs.h"

namespace {

constexpr double TwoPi = 6.283185307179586;

// The interval of b is widened (and, to certify its inside, narrowed) by
// this much relative to the quantity, times how strongly the quantity
// reacts to b there: ten thousand times more than the roundings of
// pairQuantity and pairErrorPercent move a quantity.
constexpr double Guard = 1e-10;
// Where the widening would pass this, the quantity hardly moves with b
// (a divider's ratio next to 1): that end of the interval is not used to
// leave networks out, and every b is tried.
constexpr double LargestWidening = 0.25;

// The guard holds only while no product, quotient or sum of the quantity
// leaves the range of doubles: a network worth 0 or infinity (parts that
// underflow in parallel or overflow in series), a series sum past 1e308,
// a quantity whose window's end is past it. Pairs are counted as certain
// only where a and b lie in this range, and the window's end is finite;
// every other pair in the stretch is tried. Real stocks lie far inside it:
// 1 fF is 1e15 in the series domain.
constexpr double SafeLow = 1e-100;
constexpr double SafeHigh = 1e100;

// A side's network: its series-domain value and which it is, packed as
// shape << 27 | pick0 << 18 | pick1 << 9 | pick2, so that comparing two refs
// compares shapes and then stock lines.
#pragma pack(push, 4)
struct Entry {
    double value;
    uint32_t ref;
};
#pragma pack(pop)
static_assert(sizeof(Entry) == 12, "12 bytes a network");
static_assert(limits::StockCapacity <= 512, "a stock line fits its 9 bits of a ref");

uint32_t packRef(int shape, const int* picks) {
    return static_cast<uint32_t>(shape) << 27 | static_cast<uint32_t>(picks[0]) << 18 |
           static_cast<uint32_t>(picks[1]) << 9 | static_cast<uint32_t>(picks[2]);
}

int shapeOf(uint32_t ref) { return static_cast<int>(ref >> 27); }
int pickOfRef(uint32_t ref, int k) { return static_cast<int>(ref >> (18 - 9 * k) & 0x1ff); }

bool entryLess(const Entry& x, const Entry& y) { return x.value != y.value ? x.value < y.value : x.ref < y.ref; }

// ohm, farad or henry from a series-domain value.
double naturalOf(int partType, double s) { return partType == Capacitor ? 1 / s : s; }

bool isPositive(double x) { return std::isfinite(x) && x > 0; }

// A range of natural values as series-domain bounds.
void seriesBounds(int partType, const ValueRange& range, double* low, double* high) {
    if (partType == Capacitor) {
        *low = range.high > 0 ? 1 / range.high : HUGE_VAL;
        *high = range.low > 0 ? 1 / range.low : HUGE_VAL;
    } else {
        *low = range.low;
        *high = range.high;
    }
}

bool totalApplies(const PairRequest& r) {
    return !(r.total.low == 0 && std::isinf(r.total.high) && r.total.high > 0);
}

// ---- The interval of b --------------------------------------------------

// For a given a, the b whose pair may match lie in [a kLowWide, a kHighWide];
// those in [a kLowSure, a kHighSure] match for certain (as far as the
// quantity goes). empty: no pair matches at all.
struct Interval {
    double kLowWide, kLowSure, kHighSure, kHighWide;
    bool empty;
};

// How strongly ln b moves with ln q at quantity q.
double reaction(const PairRequest& r, double q) {
    switch (r.mode) {
        case PairMode::Divider: return q < 1 ? 1 / (1 - q) : HUGE_VAL;
        case PairMode::Feedback: return q > r.reference ? q / (q - r.reference) : HUGE_VAL;
        case PairMode::Lc: return 2;
        default: return 1;
    }
}

Interval intervalFor(const PairRequest& r, double tolerancePercent) {
    Interval in{0, 0, 0, 0, false};
    const double t = tolerancePercent / 100;
    const double Q = r.target;
    const double low = std::max(0.0, Q * (1 - t)), high = Q * (1 + t);
    double kLow = 0, kHigh = HUGE_VAL;
    switch (r.mode) {
        case PairMode::Ratio:
        case PairMode::Rc:
            // q = a / b
            kLow = 1 / high;
            kHigh = low > 0 ? 1 / low : HUGE_VAL;
            break;
        case PairMode::Divider: {
            // q = 1 / (1 + a / b): a / b = 1 / q - 1
            if (low >= 1) return Interval{0, 0, 0, 0, true};
            kLow = low > 0 ? 1 / (1 / low - 1) : 0;
            kHigh = high < 1 ? 1 / (1 / high - 1) : HUGE_VAL;
            break;
        }
        case PairMode::Feedback: {
            // q = V (1 + a / b): a / b = q / V - 1
            const double V = r.reference;
            if (high <= V) return Interval{0, 0, 0, 0, true};
            kLow = 1 / (high / V - 1);
            kHigh = low > V ? 1 / (low / V - 1) : HUGE_VAL;
            break;
        }
        case PairMode::Lc:
            // q = 1 / (2 pi sqrt(a / b)): b = a (2 pi q)^2
            kLow = (TwoPi * low) * (TwoPi * low);
            kHigh = (TwoPi * high) * (TwoPi * high);
            break;
    }
    const double g = Guard * std::max(reaction(r, low), reaction(r, high));
    if (!(g < LargestWidening)) return Interval{0, HUGE_VAL, 0, HUGE_VAL, false};
    // A window's end past the doubles: nothing is certain, everything tried.
    const bool certain = std::isfinite(high);
    in.kLowWide = kLow * (1 - g);
    in.kLowSure = certain ? kLow * (1 + g) : HUGE_VAL;
    in.kHighSure = certain ? kHigh * (1 - g) : 0;
    in.kHighWide = kHigh * (1 + g);
    return in;
}

// ---- Building a side ----------------------------------------------------

struct Side {
    int partType = 0;
    int maxParts = 0;
    double seriesOf[limits::StockCapacity];
    std::vector<Entry> lists[limits::PairMaxParts + 1];  // by part count
    int64_t networks = 0;
};

// Calls visit(shape, picks) for every network of `parts` parts of m items,
// each listed once.
template <class Visit>
bool eachNetwork(int m, int parts, const std::atomic<bool>& stop, Visit visit) {
    int picks[3] = {0, 0, 0};
    if (parts == 1) {
        for (picks[0] = 0; picks[0] < m; ++picks[0]) visit(0, picks);
        return true;
    }
    if (parts == 2) {
        for (int shape = 1; shape <= 2; ++shape) {
            for (picks[0] = 0; picks[0] < m; ++picks[0]) {
                for (picks[1] = picks[0]; picks[1] < m; ++picks[1]) visit(shape, picks);
            }
        }
        return true;
    }
    // x + y + z and x / y / z: a multiset; x +(y / z) and x /(y + z): any x
    // with a multiset {y, z}.
    for (int shape = 3; shape <= 6; ++shape) {
        for (picks[0] = 0; picks[0] < m; ++picks[0]) {
            if (stop) return false;
            int from = shape <= 4 ? picks[0] : 0;
            for (picks[1] = from; picks[1] < m; ++picks[1]) {
                for (picks[2] = picks[1]; picks[2] < m; ++picks[2]) visit(shape, picks);
            }
        }
    }
    return true;
}

double networkValue(const Side& side, int shape, const int* picks, int parts) {
    double values[3];
    for (int k = 0; k < parts; ++k) values[k] = side.seriesOf[picks[k]];
    return describedValue(*networkDescription(shape), values);
}

// Sorts by value on up to `threads` threads: the parts sorted side by side,
// then merged.
void sortEntries(std::vector<Entry>& entries, int threads) {
    const size_t n = entries.size();
    if (threads <= 1 || n < 100000) {
        std::sort(entries.begin(), entries.end(), entryLess);
        return;
    }
    const size_t parts = static_cast<size_t>(threads);
    std::vector<size_t> ends(parts + 1);
    for (size_t i = 0; i <= parts; ++i) ends[i] = n * i / parts;
    std::vector<std::thread> workers;
    for (size_t i = 0; i < parts; ++i) {
        workers.emplace_back([&entries, &ends, i] {
            std::sort(entries.begin() + static_cast<long>(ends[i]), entries.begin() + static_cast<long>(ends[i + 1]),
                      entryLess);
        });
    }
    for (std::thread& w : workers) w.join();
    for (size_t width = 1; width < parts; width *= 2) {
        for (size_t i = 0; i + width < parts; i += 2 * width) {
            size_t last = std::min(i + 2 * width, parts);
            std::inplace_merge(entries.begin() + static_cast<long>(ends[i]),
                               entries.begin() + static_cast<long>(ends[i + width]),
                               entries.begin() + static_cast<long>(ends[last]), entryLess);
        }
    }
}

// Builds the side's sorted lists; false when it has more networks than
// their capacity, or was stopped.
bool buildSide(const PairSide& in, int threads, const std::atomic<bool>& stop, Side* side, bool* tooMany) {
    side->partType = in.partType;
    side->maxParts = in.maxParts;
    for (int i = 0; i < in.count; ++i) {
        side->seriesOf[i] = in.partType == Capacitor ? 1 / in.parts[i].value : in.parts[i].value;
    }
    const bool ranged = !(in.range.low == 0 && std::isinf(in.range.high));
    // The natural value within the range, as the records show it.
    auto admitted = [&](double s) {
        double v = naturalOf(in.partType, s);
        return v >= in.range.low && v <= in.range.high;
    };
    const int m = in.count;
    int64_t all = pairNetworkCount(m, in.maxParts);
    int64_t kept = all;
    if (all > limits::PairNetworkCapacity) {
        if (!ranged) {
            *tooMany = true;
            return false;
        }
        // Only those within the range are kept: count them first.
        kept = 0;
        for (int parts = 1; parts <= in.maxParts; ++parts) {
            bool went = eachNetwork(m, parts, stop, [&](int shape, const int* picks) {
                if (admitted(networkValue(*side, shape, picks, parts))) ++kept;
            });
            if (!went) return false;
        }
        if (kept > limits::PairNetworkCapacity) {
            *tooMany = true;
            return false;
        }
    }
    side->networks = 0;
    for (int parts = 1; parts <= in.maxParts; ++parts) {
        std::vector<Entry>& list = side->lists[parts];
        list.clear();
        list.reserve(static_cast<size_t>(std::min(kept, pairNetworkCount(m, parts) - pairNetworkCount(m, parts - 1))));
        bool went = eachNetwork(m, parts, stop, [&](int shape, const int* picks) {
            double v = networkValue(*side, shape, picks, parts);
            if (!ranged || admitted(v)) list.push_back(Entry{v, packRef(shape, picks)});
        });
        if (!went) return false;
        sortEntries(list, threads);
        side->networks += static_cast<int64_t>(list.size());
    }
    return true;
}

// ---- Meeting the sides --------------------------------------------------

// A pair found: its key in the order of the records, and what its record
// holds.
struct Found {
    double absError;
    double aValue, bValue;  // natural
    uint32_t aRef, bRef;
    double quantity, error;
};

bool foundLess(const Found& x, const Found& y) {
    if (x.absError != y.absError) return x.absError < y.absError;
    if (x.aValue != y.aValue) return x.aValue < y.aValue;
    if (x.bValue != y.bValue) return x.bValue < y.bValue;
    if (x.aRef != y.aRef) return x.aRef < y.aRef;
    return x.bRef < y.bRef;
}

// The b of one a: [lo, sureLo) and [sureHi, hi) to be tried, [sureLo,
// sureHi) certain.
struct Stretch {
    size_t lo, sureLo, sureHi, hi;
};

// The pointers over B for a sweep of A upwards from a given a.
class Pointers {
  public:
    Pointers(const PairRequest& r, const Interval& in, const std::vector<Entry>& b, double totalLow,
             double totalHigh)
        : in_(in), b_(b), totalLow_(totalLow), totalHigh_(totalHigh), total_(totalApplies(r)),
          safeLo_(firstAtLeast(SafeLow)), safeHi_(firstAbove(SafeHigh)) {}

    void start(double a) {
        p_[0] = firstAtLeast(a * in_.kLowWide);
        p_[1] = firstAtLeast(a * in_.kLowSure);
        p_[2] = firstAbove(a * in_.kHighSure);
        p_[3] = firstAbove(a * in_.kHighWide);
        if (total_) {
            t_[0] = firstWhere([&](double v) { return a + v >= totalLow_; });
            t_[1] = firstWhere([&](double v) { return a + v > totalHigh_; });
        }
    }

    // For the next a, no smaller than the one before.
    Stretch next(double a) {
        const size_t n = b_.size();
        double bounds[4] = {a * in_.kLowWide, a * in_.kLowSure, a * in_.kHighSure, a * in_.kHighWide};
        while (p_[0] < n && b_[p_[0]].value < bounds[0]) ++p_[0];
        while (p_[1] < n && b_[p_[1]].value < bounds[1]) ++p_[1];
        while (p_[2] < n && !(b_[p_[2]].value > bounds[2])) ++p_[2];
        while (p_[3] < n && !(b_[p_[3]].value > bounds[3])) ++p_[3];
        size_t lo = p_[0], sureLo = p_[1], sureHi = p_[2], hi = p_[3];
        if (total_) {
            // a + b rises with a: these move down.
            while (t_[0] > 0 && a + b_[t_[0] - 1].value >= totalLow_) --t_[0];
            while (t_[1] > 0 && a + b_[t_[1] - 1].value > totalHigh_) --t_[1];
            lo = std::max(lo, t_[0]);
            sureLo = std::max(sureLo, t_[0]);
            hi = std::min(hi, t_[1]);
            sureHi = std::min(sureHi, t_[1]);
        }
        if (hi < lo) hi = lo;
        // Certain only between the values the guard holds for.
        if (a >= SafeLow && a <= SafeHigh) {
            sureLo = std::max(sureLo, safeLo_);
            sureHi = std::min(sureHi, safeHi_);
        } else {
            sureLo = sureHi = hi;
        }
        sureLo = std::min(std::max(sureLo, lo), hi);
        sureHi = std::min(std::max(sureHi, sureLo), hi);
        return Stretch{lo, sureLo, sureHi, hi};
    }

  private:
    size_t firstAtLeast(double x) const {
        return static_cast<size_t>(
            std::partition_point(b_.begin(), b_.end(), [x](const Entry& e) { return e.value < x; }) - b_.begin());
    }
    size_t firstAbove(double x) const {
        return static_cast<size_t>(
            std::partition_point(b_.begin(), b_.end(), [x](const Entry& e) { return !(e.value > x); }) -
            b_.begin());
    }
    template <class Holds>
    size_t firstWhere(Holds holds) const {
        return static_cast<size_t>(
            std::partition_point(b_.begin(), b_.end(), [&](const Entry& e) { return !holds(e.value); }) -
            b_.begin());
    }

    Interval in_;
    const std::vector<Entry>& b_;
    double totalLow_, totalHigh_;
    bool total_;
    size_t safeLo_, safeHi_;  // the b from SafeLow, and past SafeHigh
    size_t p_[4] = {0, 0, 0, 0};
    size_t t_[2] = {0, 0};
};

// Stretches of A handed to the threads in turn.
constexpr size_t ChunkSize = 1 << 14;

}  // namespace

// ---- The arithmetic of a pair ---------------------------------------------

double pairQuantity(const PairRequest& r, double a, double b) {
    switch (r.mode) {
        case PairMode::Ratio:
        case PairMode::Rc: return a / b;
        case PairMode::Divider: return b / (a + b);
        case PairMode::Feedback: return r.reference * (1 + a / b);
        case PairMode::Lc: return 1 / (TwoPi * std::sqrt(a / b));
    }
    return 0;
}

double pairErrorPercent(const PairRequest& r, double quantity) { return (quantity - r.target) / r.target * 100; }

bool pairMatches(const PairRequest& r, double a, double b, double* quantity, double* error) {
    double q = pairQuantity(r, a, b);
    double e = pairErrorPercent(r, q);
    if (!(std::fabs(e) <= r.tolerancePercent)) return false;
    if (totalApplies(r)) {
        double low, high;
        seriesBounds(r.a.partType, r.total, &low, &high);
        double s = a + b;
        if (!(s >= low && s <= high)) return false;
    }
    *quantity = q;
    *error = e;
    return true;
}

const char* pairModeName(PairMode mode) {
    static const char* const names[PairModeCount] = {"ratio", "divider", "feedback", "rc", "lc"};
    const int m = static_cast<int>(mode);
    return m >= 0 && m < PairModeCount ? names[m] : "";
}

int pairFirstShape(int parts) { return parts == 1 ? 0 : parts == 2 ? 1 : parts == 3 ? 3 : -1; }
int pairShapeCount(int parts) { return parts == 1 ? 1 : parts == 2 ? 2 : parts == 3 ? 4 : 0; }

int64_t pairNetworkCount(int64_t m, int maxParts) {
    int64_t n = 0;
    if (maxParts >= 1) n += m;
    if (maxParts >= 2) n += 2 * (m * (m + 1) / 2);
    if (maxParts >= 3) n += 2 * (m * (m + 1) * (m + 2) / 6) + 2 * m * (m * (m + 1) / 2);
    return n;
}

PairFault checkPairRequest(const PairRequest& r) {
    if (static_cast<int>(r.mode) < 0 || static_cast<int>(r.mode) >= PairModeCount) return PairFault::TargetNotPositive;
    if (!isPositive(r.target)) return PairFault::TargetNotPositive;
    if (r.mode == PairMode::Feedback && !isPositive(r.reference)) return PairFault::TargetNotPositive;
    if (!isPositive(r.tolerancePercent)) return PairFault::ToleranceNotPositive;
    for (const PairSide* side : {&r.a, &r.b}) {
        if (side->maxParts < 1 || side->maxParts > limits::PairMaxParts) return PairFault::MaxPartsOutOfRange;
    }
    const bool twoTypes = r.mode == PairMode::Rc || r.mode == PairMode::Lc;
    if (twoTypes) {
        int wantedA = r.mode == PairMode::Rc ? Resistor : Inductor;
        if (r.a.partType != wantedA || r.b.partType != Capacitor) return PairFault::WrongPartType;
        if (totalApplies(r)) return PairFault::TotalWithoutMeaning;
    } else if (r.a.partType != r.b.partType || r.a.partType < Resistor || r.a.partType > Inductor) {
        return PairFault::WrongPartType;
    }
    for (const PairSide* side : {&r.a, &r.b}) {
        if (side->count <= 0 || side->parts == nullptr) return PairFault::SideWithoutParts;
        if (side->count > limits::StockCapacity) return PairFault::TooManyParts;
        for (int i = 0; i < side->count; ++i) {
            if (!isPositive(side->parts[i].value) || !isPositive(1 / side->parts[i].value)) {
                return PairFault::SideWithoutParts;
            }
        }
    }
    for (const ValueRange* range : {&r.a.range, &r.b.range, &r.total}) {
        if (!(range->low >= 0) || !(range->high >= range->low)) return PairFault::RangeEmpty;
    }
    // Quantities no pair reaches: a divider gives less than 1, a feedback
    // pair more than Vref.
    if (r.mode == PairMode::Divider && !(r.target * (1 - r.tolerancePercent / 100) < 1)) {
        return PairFault::TargetOutOfReach;
    }
    if (r.mode == PairMode::Feedback && !(r.target * (1 + r.tolerancePercent / 100) > r.reference)) {
        return PairFault::TargetOutOfReach;
    }
    return PairFault::None;
}

// ---- The search -------------------------------------------------------------

namespace {

int threadsFor(int32_t wanted) {
    int hardware = static_cast<int>(std::thread::hardware_concurrency());
    int n = wanted > 0 ? wanted : (hardware > 0 ? hardware : 1);
    return std::max(1, std::min(n, limits::MaxSearchThreads));
}

// Runs body(from, to) over [0, n) in chunks on `threads` threads.
template <class Body>
void inChunks(size_t n, int threads, Body body) {
    if (threads <= 1 || n <= ChunkSize) {
        for (size_t from = 0; from < n; from += ChunkSize) body(0, from, std::min(n, from + ChunkSize));
        return;
    }
    std::atomic<size_t> next{0};
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            for (;;) {
                size_t from = next.fetch_add(ChunkSize);
                if (from >= n) return;
                body(t, from, std::min(n, from + ChunkSize));
            }
        });
    }
    for (std::thread& w : workers) w.join();
}

}  // namespace

PairFault PairSearch::run(const PairRequest& r) {
    records_.clear();
    matches_ = 0;
    networksA_ = networksB_ = 0;
    stopped_ = false;
    stop_ = false;
    progress.parts = 0;
    progress.permille = 0;
    progress.matches = 0;
    PairFault fault = checkPairRequest(r);
    if (fault != PairFault::None) return fault;
    const int threads = threadsFor(r.threads);

    // The sides; B shares A's lists when it is the same side.
    std::unique_ptr<Side> sideA(new Side), sideB;
    bool tooMany = false;
    if (!buildSide(r.a, threads, stop_, sideA.get(), &tooMany)) {
        if (tooMany) return PairFault::TooManyNetworks;
        stopped_ = true;
        return PairFault::None;
    }
    const bool same = r.b.parts == r.a.parts && r.b.count == r.a.count && r.b.partType == r.a.partType &&
                      r.b.range.low == r.a.range.low && r.b.range.high == r.a.range.high;
    const Side* B = sideA.get();
    if (!same || r.b.maxParts > r.a.maxParts) {
        sideB.reset(new Side);
        if (!buildSide(r.b, threads, stop_, sideB.get(), &tooMany)) {
            if (tooMany) return PairFault::TooManyNetworks;
            stopped_ = true;
            return PairFault::None;
        }
        B = sideB.get();
    }
    const Side* A = sideA.get();
    networksA_ = 0;
    for (int k = 1; k <= r.a.maxParts; ++k) networksA_ += static_cast<int64_t>(A->lists[k].size());
    networksB_ = 0;
    for (int k = 1; k <= r.b.maxParts; ++k) networksB_ += static_cast<int64_t>(B->lists[k].size());

    const Interval whole = intervalFor(r, r.tolerancePercent);
    double totalLow = 0, totalHigh = HUGE_VAL;
    if (totalApplies(r)) seriesBounds(r.a.partType, r.total, &totalLow, &totalHigh);

    // The work, for the progress: every a of every pair of lists, once.
    int64_t work = 0, done = 0;
    for (int pa = 1; pa <= r.a.maxParts; ++pa) {
        for (int pb = 1; pb <= r.b.maxParts; ++pb) work += static_cast<int64_t>(A->lists[pa].size());
    }
    auto advance = [&](int64_t n) {
        done += n;
        int permille = work > 0 ? static_cast<int>(1000 * done / work) : 1000;
        if (permille > progress.permille) progress.permille = std::min(permille, 1000);
    };

    int32_t wanted = limits::PairRecordCapacity;
    const int mostParts = r.a.maxParts + r.b.maxParts;
    for (int total = 2; total <= mostParts && !whole.empty; ++total) {
        progress.parts = total;
        // The lists of this total part count, A's parts first.
        struct Lists {
            const std::vector<Entry>* a;
            const std::vector<Entry>* b;
        };
        Lists lists[limits::PairMaxParts];
        int listCount = 0;
        for (int pa = 1; pa <= r.a.maxParts; ++pa) {
            int pb = total - pa;
            if (pb >= 1 && pb <= r.b.maxParts) lists[listCount++] = {&A->lists[pa], &B->lists[pb]};
        }

        // How many pairs of this total match.
        int64_t count = 0;
        for (int l = 0; l < listCount; ++l) {
            const std::vector<Entry>& la = *lists[l].a;
            const std::vector<Entry>& lb = *lists[l].b;
            std::atomic<int64_t> found{0};
            inChunks(la.size(), threads, [&](int, size_t from, size_t to) {
                if (stop_ || lb.empty()) return;
                Pointers pointers(r, whole, lb, totalLow, totalHigh);
                pointers.start(la[from].value);
                int64_t n = 0;
                for (size_t i = from; i < to; ++i) {
                    const double a = la[i].value;
                    Stretch s = pointers.next(a);
                    n += static_cast<int64_t>(s.sureHi - s.sureLo);
                    double q, e;
                    for (size_t j = s.lo; j < s.sureLo; ++j) n += pairMatches(r, a, lb[j].value, &q, &e) ? 1 : 0;
                    for (size_t j = s.sureHi; j < s.hi; ++j) n += pairMatches(r, a, lb[j].value, &q, &e) ? 1 : 0;
                }
                found += n;
            });
            count += found;
            progress.matches = matches_ + count;
            advance(static_cast<int64_t>(la.size()));
            if (stop_) break;
        }
        if (stop_) {
            stopped_ = true;
            break;
        }
        matches_ += count;
        if (count == 0 || wanted == 0) continue;

        // The best `keep` of them, in the records' order: a bounded heap
        // per thread whose worst sets how far from the target a pair may
        // still lie to enter it.
        const size_t keep = static_cast<size_t>(std::min<int64_t>(count, wanted));
        std::vector<std::vector<Found>> heaps(static_cast<size_t>(threads));
        for (auto& heap : heaps) heap.reserve(keep);
        for (int l = 0; l < listCount; ++l) {
            const std::vector<Entry>& la = *lists[l].a;
            const std::vector<Entry>& lb = *lists[l].b;
            inChunks(la.size(), threads, [&](int t, size_t from, size_t to) {
                if (stop_ || lb.empty()) return;
                std::vector<Found>& heap = heaps[static_cast<size_t>(t)];
                Pointers pointers(r, whole, lb, totalLow, totalHigh);
                pointers.start(la[from].value);
                double narrowedTo = -1;
                Interval narrow = whole;
                for (size_t i = from; i < to; ++i) {
                    const double a = la[i].value;
                    Stretch s = pointers.next(a);
                    size_t lo = s.lo, hi = s.hi;
                    if (heap.size() == keep) {
                        // Only pairs as near as the worst kept can enter.
                        if (heap.front().absError != narrowedTo) {
                            narrowedTo = heap.front().absError;
                            narrow = intervalFor(r, narrowedTo);
                        }
                        if (narrow.empty) continue;
                        double from = a * narrow.kLowWide, upTo = a * narrow.kHighWide;
                        lo = static_cast<size_t>(std::partition_point(lb.begin() + static_cast<long>(lo),
                                                                      lb.begin() + static_cast<long>(hi),
                                                                      [from](const Entry& e) { return e.value < from; }) -
                                                 lb.begin());
                        hi = static_cast<size_t>(std::partition_point(lb.begin() + static_cast<long>(lo),
                                                                      lb.begin() + static_cast<long>(hi),
                                                                      [upTo](const Entry& e) { return !(e.value > upTo); }) -
                                                 lb.begin());
                    }
                    const double aValue = naturalOf(A->partType, a);
                    for (size_t j = lo; j < hi; ++j) {
                        double q, e;
                        if (!pairMatches(r, a, lb[j].value, &q, &e)) continue;
                        Found f{std::fabs(e), aValue, naturalOf(B->partType, lb[j].value), la[i].ref, lb[j].ref, q, e};
                        if (heap.size() < keep) {
                            heap.push_back(f);
                            std::push_heap(heap.begin(), heap.end(), foundLess);
                        } else if (foundLess(f, heap.front())) {
                            std::pop_heap(heap.begin(), heap.end(), foundLess);
                            heap.back() = f;
                            std::push_heap(heap.begin(), heap.end(), foundLess);
                        }
                    }
                }
            });
            if (stop_) break;
        }
        std::vector<Found> best;
        for (auto& heap : heaps) best.insert(best.end(), heap.begin(), heap.end());
        std::sort(best.begin(), best.end(), foundLess);
        if (best.size() > keep) best.resize(keep);
        for (const Found& f : best) {
            PairRecord record{};
            record.parts = total;
            record.quantity = f.quantity;
            record.errorPercent = f.error;
            auto fill = [](PairNetwork& n, uint32_t ref, double value) {
                n.shape = shapeOf(ref);
                n.partCount = networkShape(n.shape)->parts;
                for (int k = 0; k < 3; ++k) n.picks[k] = k < n.partCount ? pickOfRef(ref, k) : -1;
                n.value = value;
            };
            fill(record.a, f.aRef, f.aValue);
            fill(record.b, f.bRef, f.bValue);
            records_.push_back(record);
        }
        wanted -= static_cast<int32_t>(best.size());
        if (stop_) {
            stopped_ = true;
            break;
        }
    }
    progress.matches = matches_;
    if (!stopped_) progress.permille = 1000;
    return PairFault::None;
}
