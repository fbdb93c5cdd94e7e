// The pair search against a brute force that prunes nothing: every network
// of each side built from every tuple of stock lines (duplicates dropped by
// their multiset), every pair of them tried with the library's one test of
// a match, all matches ranked by the records' order and the first 10000
// kept. Random small stocks of every part type, every mode, ranges, totals,
// tolerances from a hair to past 100 %, and one thread or three; then the
// faults of requests that cannot run.
#include "engine/pair_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine/network_description.h"
#include "engine/search_inputs.h"

namespace {

struct Net {
    int shape;
    std::array<int, 3> picks;
    int parts;
    double series;   // series-domain value
    double natural;  // ohm, farad or henry
};

// Every network of up to maxParts parts of the side, each once.
std::vector<Net> allNetworks(const PairSide& side) {
    static const int shapesOf[4][5] = {{}, {0, -1}, {1, 2, -1}, {3, 4, 5, 6, -1}};
    std::set<std::tuple<int, int, int, int>> seen;
    std::vector<Net> nets;
    const int m = side.count;
    for (int parts = 1; parts <= side.maxParts; ++parts) {
        for (int s = 0; shapesOf[parts][s] >= 0; ++s) {
            const int shape = shapesOf[parts][s];
            int total = 1;
            for (int k = 0; k < parts; ++k) total *= m;
            for (int code = 0; code < total; ++code) {
                std::array<int, 3> p = {-1, -1, -1};
                int c = code;
                for (int k = 0; k < parts; ++k, c /= m) p[static_cast<size_t>(k)] = c % m;
                // The same network with its parts in another order: the
                // members of one group commute.
                // (By hand: GCC 12 misreads std::sort over part of an array
                // as reaching past it under AddressSanitizer.)
                auto order = [&p](size_t i, size_t j) {
                    if (p[i] > p[j]) std::swap(p[i], p[j]);
                };
                if (shape >= 1 && shape <= 4) {
                    order(0, 1);
                    if (parts == 3) {
                        order(1, 2);
                        order(0, 1);
                    }
                }
                if (shape >= 5) order(1, 2);
                if (!seen.insert({shape, p[0], p[1], p[2]}).second) continue;
                double values[3];
                for (int k = 0; k < parts; ++k) {
                    double v = side.parts[p[static_cast<size_t>(k)]].value;
                    values[k] = side.partType == Capacitor ? 1 / v : v;
                }
                Net n{shape, p, parts, describedValue(*networkDescription(shape), values), 0};
                n.natural = side.partType == Capacitor ? 1 / n.series : n.series;
                if (!(n.natural >= side.range.low && n.natural <= side.range.high)) continue;
                nets.push_back(n);
            }
        }
    }
    return nets;
}

struct Match {
    int parts;
    double quantity, error;
    Net a, b;
};

bool netBefore(const Net& x, const Net& y) {
    return std::tie(x.shape, x.picks) < std::tie(y.shape, y.picks);
}

bool matchBefore(const Match& x, const Match& y) {
    if (x.parts != y.parts) return x.parts < y.parts;
    if (std::fabs(x.error) != std::fabs(y.error)) return std::fabs(x.error) < std::fabs(y.error);
    if (x.a.natural != y.a.natural) return x.a.natural < y.a.natural;
    if (x.b.natural != y.b.natural) return x.b.natural < y.b.natural;
    if (netBefore(x.a, y.a) || netBefore(y.a, x.a)) return netBefore(x.a, y.a);
    return netBefore(x.b, y.b);
}

struct BruteForce {
    std::vector<Match> kept;
    int64_t matches = 0;
};

BruteForce bruteForce(const PairRequest& r) {
    std::vector<Net> as = allNetworks(r.a), bs = allNetworks(r.b);
    std::vector<Match> all;
    for (const Net& a : as) {
        for (const Net& b : bs) {
            double q, e;
            if (pairMatches(r, a.series, b.series, &q, &e)) all.push_back({a.parts + b.parts, q, e, a, b});
        }
    }
    std::sort(all.begin(), all.end(), matchBefore);
    BruteForce f;
    f.matches = static_cast<int64_t>(all.size());
    if (all.size() > static_cast<size_t>(limits::PairRecordCapacity)) all.resize(limits::PairRecordCapacity);
    f.kept = all;
    return f;
}

void expectSameNetwork(const PairNetwork& got, const Net& want, const char* side) {
    EXPECT_EQ(got.shape, want.shape) << side;
    EXPECT_EQ(got.partCount, want.parts) << side;
    for (int k = 0; k < want.parts; ++k) EXPECT_EQ(got.picks[k], want.picks[static_cast<size_t>(k)]) << side << k;
    EXPECT_EQ(got.value, want.natural) << side;
}

std::string describe(const PairRequest& r) {
    char text[4096];
    int n = snprintf(text, sizeof text, "mode %d target %.17g ref %g tol %g types %d/%d parts %d/%d ranges [%g,%g] [%g,%g] total [%g,%g] threads %d; A:",
                     static_cast<int>(r.mode), r.target, r.reference, r.tolerancePercent, r.a.partType,
                     r.b.partType, r.a.maxParts, r.b.maxParts, r.a.range.low, r.a.range.high, r.b.range.low,
                     r.b.range.high, r.total.low, r.total.high, r.threads);
    for (const PairSide* side : {&r.a, &r.b}) {
        for (int i = 0; i < side->count && n < 4000; ++i) n += snprintf(text + n, sizeof text - static_cast<size_t>(n), " %.6g", side->parts[i].value);
        if (side == &r.a && n < 4000) n += snprintf(text + n, sizeof text - static_cast<size_t>(n), "; B:");
    }
    return text;
}

// Random requests: two to seven parts a side around one unit, repeated
// values, half of the targets the quantity of a random pair.
class RandomRequests {
  public:
    explicit RandomRequests(unsigned seed) : random_(seed) {}

    PairRequest next() {
        PairRequest r;
        r.mode = static_cast<PairMode>(pick(PairModeCount));
        int type = pick(3);
        r.a.partType = r.mode == PairMode::Rc ? Resistor : r.mode == PairMode::Lc ? Inductor : type;
        r.b.partType = r.mode == PairMode::Rc || r.mode == PairMode::Lc ? Capacitor : r.a.partType;
        fill(&partsA_, r.a.partType);
        bool shared = r.mode != PairMode::Rc && r.mode != PairMode::Lc && pick(3) != 0;
        if (!shared) fill(&partsB_, r.b.partType);
        const std::vector<StockItem>& b = shared ? partsA_ : partsB_;
        r.a.parts = partsA_.data();
        r.a.count = static_cast<int>(partsA_.size());
        r.b.parts = b.data();
        r.b.count = static_cast<int>(b.size());
        r.a.maxParts = 1 + pick(3);
        r.b.maxParts = shared && pick(2) == 0 ? r.a.maxParts : 1 + pick(3);
        static const double tolerances[] = {1e-12, 1e-6, 0.01, 0.1, 1, 3, 10, 30, 99, 150};
        r.tolerancePercent = tolerances[pick(10)];
        r.reference = 0.5 + pick(20) / 10.0;
        // Near a pair's quantity, or exactly on it.
        double a = partsA_[static_cast<size_t>(pick(r.a.count))].value;
        double bv = b[static_cast<size_t>(pick(r.b.count))].value;
        double as = r.a.partType == Capacitor ? 1 / a : a, bs = r.b.partType == Capacitor ? 1 / bv : bv;
        if (pick(3) == 0) as *= 2;  // two in series
        r.target = pairQuantity(r, as, bs);
        if (pick(2) == 0) r.target *= 1 + (pick(200) - 100) / 1000.0;
        if (r.mode == PairMode::Feedback && !(r.target > r.reference)) r.target = r.reference * 1.7;
        if (r.mode == PairMode::Divider && !(r.target < 1)) r.target = 0.5;
        if (pick(4) == 0) r.a.range = range(r.a.partType);
        if (pick(4) == 0) r.b.range = range(r.b.partType);
        if (r.mode != PairMode::Rc && r.mode != PairMode::Lc && pick(4) == 0) r.total = range(r.a.partType);
        r.threads = pick(2) == 0 ? 1 : 3;
        return r;
    }

    int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

  private:
    double unit(int type) { return type == Resistor ? 1000 : type == Capacitor ? 1e-7 : 1e-4; }

    void fill(std::vector<StockItem>* parts, int type) {
        parts->clear();
        int count = 1 + pick(7);
        for (int i = 0; i < count; ++i) {
            StockItem p{};
            p.value = i > 0 && pick(5) == 0 ? (*parts)[static_cast<size_t>(pick(i))].value
                                            : (1 + pick(90) / 10.0) * unit(type) * (pick(3) == 0 ? 10 : 1);
            snprintf(p.name, sizeof p.name, "p%d", i);
            parts->push_back(p);
        }
    }

    ValueRange range(int type) {
        ValueRange v;
        v.low = (0.5 + pick(20) / 10.0) * unit(type);
        v.high = v.low * (1 + pick(30));
        return v;
    }

    std::mt19937 random_;
    std::vector<StockItem> partsA_, partsB_;
};

}  // namespace

TEST(PairSearch, RecordsWhatABruteForceOverEveryPairKeeps) {
    RandomRequests random(2121);
    PairSearch search;
    int withMatches = 0, capped = 0;
    int byMode[PairModeCount] = {};
    for (int trial = 0; trial < 600; ++trial) {
        PairRequest r = random.next();
        BruteForce want = bruteForce(r);
        ASSERT_EQ(search.run(r), PairFault::None) << describe(r);
        SCOPED_TRACE(describe(r));
        EXPECT_FALSE(search.stopped());
        ASSERT_EQ(search.matches(), want.matches);
        ASSERT_EQ(search.records().size(), want.kept.size());
        for (size_t i = 0; i < want.kept.size(); ++i) {
            const PairRecord& got = search.records()[i];
            const Match& m = want.kept[i];
            SCOPED_TRACE("record " + std::to_string(i));
            EXPECT_EQ(got.parts, m.parts);
            EXPECT_EQ(got.quantity, m.quantity);
            EXPECT_EQ(got.errorPercent, m.error);
            expectSameNetwork(got.a, m.a, "A");
            expectSameNetwork(got.b, m.b, "B");
            if (::testing::Test::HasFailure()) return;
        }
        withMatches += want.matches > 0 ? 1 : 0;
        capped += want.matches > limits::PairRecordCapacity ? 1 : 0;
        byMode[static_cast<int>(r.mode)] += want.matches > 0 ? 1 : 0;
    }
    printf("%d requests with matches, %d past the cap\n", withMatches, capped);
    EXPECT_GT(withMatches, 300);
    EXPECT_GT(capped, 3);
    for (int mode = 0; mode < PairModeCount; ++mode) EXPECT_GT(byMode[mode], 20) << mode;
}

// Pairs exactly on the window's ends: the target set so that a pair's
// quantity lies at the tolerance's edge; the pointers' guard must leave it
// to the exact test.
TEST(PairSearch, PairsOnTheWindowsEndsFallAsTheExactTestSays) {
    RandomRequests random(4747);
    PairSearch search;
    int compared = 0;
    for (int trial = 0; trial < 300; ++trial) {
        PairRequest r = random.next();
        r.tolerancePercent = 1;
        double q = r.target;
        // q = Q (1 + t) and q = Q (1 - t), and their neighbours.
        for (double target : {q / 1.01, q / 0.99, std::nextafter(q / 1.01, 0.0), std::nextafter(q / 0.99, HUGE_VAL)}) {
            r.target = target;
            if (checkPairRequest(r) != PairFault::None) continue;
            BruteForce want = bruteForce(r);
            ASSERT_EQ(search.run(r), PairFault::None);
            ASSERT_EQ(search.matches(), want.matches) << describe(r);
            ASSERT_EQ(search.records().size(), want.kept.size());
            ++compared;
        }
    }
    EXPECT_GT(compared, 800);
}

// Values at the ends of the doubles, as fuzz_pair found them: networks
// that overflow in series or underflow in parallel to infinity or 0,
// quantities past 1e308, a window whose end overflows. The pairs counted as
// certain must be matches all the same; the count once took in every pair
// whose quantity overflowed (a ratio of 1e310 within a tolerance of
// 3e258 %).
TEST(PairSearch, ExtremeValuesCountAsTheExactTestSays) {
    struct Case {
        PairMode mode;
        int type;
        double target, reference, tolerance;
        std::vector<double> a, b;
        int parts;
    } cases[] = {
        {PairMode::Ratio, Inductor, 1.117689494564357e+277, 0, 3.3633675460236315e+258,
         {17, 0.001, 11000, 0.001}, {0.02, 2.828662965518849e-306, 0.0001, 0.0006}, 3},
        {PairMode::Ratio, Resistor, 1, 0, 1e300, {1e308, 1, 1e-300}, {1e308, 2, 1e-308}, 3},
        {PairMode::Divider, Resistor, 0.5, 0, 150, {1e308, 1, 1e-300}, {1e308, 3, 1e-300}, 3},
        {PairMode::Feedback, Resistor, 1e300, 1e299, 50, {1e10, 1, 1e-290}, {1, 1e-10, 1e290}, 2},
        {PairMode::Lc, Inductor, 1e200, 0, 1e10, {1e-300, 1e-10}, {1e-300, 1e300}, 2},
        {PairMode::Rc, Resistor, 1e-300, 0, 1e30, {1e-300, 1e300, 1}, {1e-300, 1e300, 1e-9}, 3},
    };
    PairSearch search;
    for (const Case& c : cases) {
        std::vector<StockItem> a, b;
        for (double v : c.a) a.push_back(StockItem{"a", v});
        for (double v : c.b) b.push_back(StockItem{"b", v});
        PairRequest r;
        r.mode = c.mode;
        r.target = c.target;
        r.reference = c.reference;
        r.tolerancePercent = c.tolerance;
        r.a.partType = c.type;
        r.b.partType = c.mode == PairMode::Rc || c.mode == PairMode::Lc ? Capacitor : c.type;
        r.a.parts = a.data();
        r.a.count = static_cast<int>(a.size());
        r.b.parts = b.data();
        r.b.count = static_cast<int>(b.size());
        r.a.maxParts = r.b.maxParts = c.parts;
        SCOPED_TRACE(describe(r));
        ASSERT_EQ(search.run(r), PairFault::None);
        const BruteForce want = bruteForce(r);
        EXPECT_EQ(search.matches(), want.matches);
        ASSERT_EQ(search.records().size(), want.kept.size());
        for (size_t i = 0; i < want.kept.size(); ++i) {
            EXPECT_EQ(search.records()[i].errorPercent, want.kept[i].error) << i;
        }
    }
}

TEST(PairSearch, RequestsThatCannotRunSayWhy) {
    StockItem parts[2] = {{"1k", 1000}, {"2k", 2000}};
    StockItem zero[1] = {{"0", 0}};
    StockItem caps[1] = {{"100n", 1e-7}};
    auto base = [&] {
        PairRequest r;
        r.mode = PairMode::Divider;
        r.target = 0.5;
        r.tolerancePercent = 1;
        r.a.parts = r.b.parts = parts;
        r.a.count = r.b.count = 2;
        return r;
    };
    PairRequest r = base();
    EXPECT_EQ(checkPairRequest(r), PairFault::None);
    std::vector<std::pair<PairRequest, PairFault>> cases;
    r = base(); r.target = 0; cases.push_back({r, PairFault::TargetNotPositive});
    r = base(); r.target = NAN; cases.push_back({r, PairFault::TargetNotPositive});
    r = base(); r.target = 1.5; cases.push_back({r, PairFault::TargetOutOfReach});
    r = base(); r.target = 0.999; r.tolerancePercent = 0.05; cases.push_back({r, PairFault::None});
    r = base(); r.mode = PairMode::Feedback; r.reference = 1.25; r.target = 1.2; cases.push_back({r, PairFault::TargetOutOfReach});
    r = base(); r.mode = PairMode::Feedback; r.reference = 0; r.target = 3.3; cases.push_back({r, PairFault::TargetNotPositive});
    r = base(); r.tolerancePercent = -1; cases.push_back({r, PairFault::ToleranceNotPositive});
    r = base(); r.tolerancePercent = INFINITY; cases.push_back({r, PairFault::ToleranceNotPositive});
    r = base(); r.a.maxParts = 4; cases.push_back({r, PairFault::MaxPartsOutOfRange});
    r = base(); r.b.maxParts = 0; cases.push_back({r, PairFault::MaxPartsOutOfRange});
    r = base(); r.mode = PairMode::Rc; cases.push_back({r, PairFault::WrongPartType});
    r = base(); r.mode = PairMode::Rc; r.b.partType = Capacitor; r.b.parts = caps; r.b.count = 1;
    r.total.high = 1e6; cases.push_back({r, PairFault::TotalWithoutMeaning});
    r = base(); r.b.partType = Capacitor; cases.push_back({r, PairFault::WrongPartType});
    r = base(); r.a.count = 0; cases.push_back({r, PairFault::SideWithoutParts});
    r = base(); r.b.parts = zero; r.b.count = 1; cases.push_back({r, PairFault::SideWithoutParts});
    r = base(); r.a.count = limits::StockCapacity + 1; cases.push_back({r, PairFault::TooManyParts});
    r = base(); r.a.range.low = 5; r.a.range.high = 1; cases.push_back({r, PairFault::RangeEmpty});
    r = base(); r.total.low = NAN; cases.push_back({r, PairFault::RangeEmpty});
    PairSearch search;
    for (auto& c : cases) {
        EXPECT_EQ(checkPairRequest(c.first), c.second) << describe(c.first);
        if (c.first.a.count <= 2) {
            EXPECT_EQ(search.run(c.first), c.second);
            if (c.second != PairFault::None) {
                EXPECT_TRUE(search.records().empty());
            }
        }
    }
}

// 500 parts, three a side: 42 million networks, past the side's capacity.
TEST(PairSearch, ASideWithTooManyNetworksIsRefusedNotCut) {
    std::vector<StockItem> parts(limits::StockCapacity);
    for (size_t i = 0; i < parts.size(); ++i) parts[i] = {"x", 100.0 + static_cast<double>(i)};
    PairRequest r;
    r.mode = PairMode::Ratio;
    r.target = 2;
    r.tolerancePercent = 1;
    r.a.parts = r.b.parts = parts.data();
    r.a.count = r.b.count = limits::StockCapacity;
    r.a.maxParts = r.b.maxParts = 3;
    EXPECT_GT(pairNetworkCount(limits::StockCapacity, 3), limits::PairNetworkCapacity);
    PairSearch search;
    EXPECT_EQ(search.run(r), PairFault::TooManyNetworks);
    EXPECT_TRUE(search.records().empty());
}

TEST(PairSearch, NetworkCountsAreThoseOfTheShapes) {
    // m; m(m+1) for x + y and x / y; m(m+1)(m+2)/3 for the two multisets of
    // three and m^2(m+1) for the two nestings.
    EXPECT_EQ(pairNetworkCount(1, 3), 1 + 2 + 2 + 2);
    EXPECT_EQ(pairNetworkCount(3, 1), 3);
    EXPECT_EQ(pairNetworkCount(3, 2), 3 + 12);
    EXPECT_EQ(pairNetworkCount(192, 3), 192 + 192 * 193 + 192 * 193 * 194 / 3 + 192 * 192 * 193);
    StockItem parts[4] = {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}};
    PairSide side;
    side.parts = parts;
    side.count = 4;
    side.maxParts = 3;
    EXPECT_EQ(static_cast<int64_t>(allNetworks(side).size()), pairNetworkCount(4, 3));
}
