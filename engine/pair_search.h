// The pair search: two networks, A and B, for one quantity. A divider's
// output, a regulator's feedback pair, a ratio of two impedances, an RC time
// constant or cutoff, an LC resonance: each is a function of the two
// networks' series-domain values a and b, and every such function here is
// monotonic in a / b. Each side is any network of one to three of its
// stock's parts in the seven series/parallel shapes of that many parts
// (x; x + y, x / y; x + y + z, x / y / z, x +(y / z), x /(y + z)), each
// listed once.
//
// The module stands apart from the single search's stores: it takes a
// request of typed values and fills a context of its own with records, so
// that the window, the command line and the page call it alike and several
// may run side by side. It reads no settings, no text buffer and no pick.
//
// How it finds the pairs. Each side's networks of each size are built once
// and sorted by value. For a given a, the b that match lie in one interval
// [a kLow, a kHigh] (the constants of the mode and the window), so a sweep
// of A upwards moves every end of that interval upwards: two sorted lists
// met with pointers, as a merge join does. The interval is widened by a
// guard far beyond the roundings of the quantity, and every b in the
// widened stretch that is not certainly inside is tried with the very
// arithmetic of pairQuantity and pairErrorPercent, so the pairs found are
// exactly those that a brute force over every pair would find.
//
// The order of the records: total part count, then |error|, then A's value,
// then B's value, then the shapes and stock lines of A and B. Where more
// pairs match than limits::PairRecordCapacity, the first ones in that order
// are kept, and `matches` counts them all.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "engine/limits.h"
#include "engine/stock_list.h"

enum class PairMode : int32_t {
    Ratio = 0,     // a / b: an inverting amplifier's gain, a ratio of impedances
    Divider = 1,   // b / (a + b): Vout / Vin with A on top and B at the bottom
    Feedback = 2,  // reference (1 + a / b): Vout of a regulator or non-inverting amplifier
    Rc = 3,        // a / b with A resistors and B capacitors (1/farad): the time constant R C
    Lc = 4,        // 1 / (2 pi sqrt(a / b)) with A inductors, B capacitors: the resonance
};
constexpr int PairModeCount = 5;

// The mode's name as the command line, the page's links and the drawings'
// files spell it: "ratio", "divider", "feedback", "rc", "lc"; "" for none.
const char* pairModeName(PairMode mode);

// An interval of values, both ends included; [0, inf) admits everything.
struct ValueRange {
    double low = 0;
    double high = 1.0 / 0.0;
};

struct PairSide {
    int32_t partType = 0;            // PartType of the side's parts
    const StockItem* parts = nullptr;  // the stock (readStockItems), in the order of its lines
    int32_t count = 0;
    int32_t maxParts = 2;  // networks of 1 to maxParts parts (1 to 3)
    ValueRange range;      // the network's value, in ohm, farad or henry
};

struct PairRequest {
    PairMode mode = PairMode::Ratio;
    // The quantity wanted: the ratio (Ratio, Divider), Vout in volts
    // (Feedback), the time constant in seconds (Rc), the frequency in hertz
    // (Lc).
    double target = 0;
    double reference = 0;  // Feedback: Vref in volts
    double tolerancePercent = 0;
    PairSide a, b;
    // The two networks in series (a + b in the series domain), as the
    // value of that series connection: ohm, henry, or farad for
    // capacitors. Ratio, Divider and Feedback only.
    ValueRange total;
    // Threads to run on: 0 as many as the machine has (at most
    // limits::MaxSearchThreads), 1 on the calling thread alone.
    int32_t threads = 0;
};

// Why a request cannot be searched; PairFault::None when it can.
enum class PairFault : int32_t {
    None = 0,
    TargetNotPositive,      // the target (or Vref) is not a positive, finite number
    TargetOutOfReach,       // no pair can give it: a divider's ratio of 1 or more, Vout not above Vref
    ToleranceNotPositive,   // the tolerance is not a positive, finite number
    MaxPartsOutOfRange,     // a side's maxParts is not 1, 2 or 3
    WrongPartType,          // Rc and Lc take resistors or inductors on A, capacitors on B
    SideWithoutParts,       // a side has no part, or a part that is not positive and finite
    TooManyParts,           // a side has more parts than limits::StockCapacity
    RangeEmpty,             // a range whose low end lies above its high end, or not a number
    TotalWithoutMeaning,    // a total range for Rc or Lc, whose sides add up in different units
    TooManyNetworks,        // a side has more networks than limits::PairNetworkCapacity
};
constexpr int PairFaultCount = 11;

// One side's network in a record.
struct PairNetwork {
    int32_t shape;       // the network shape (network_shapes.h): 0 to 6
    int32_t partCount;   // 1 to 3
    int32_t picks[3];    // the side's parts (indices into PairSide::parts) in formula order
    double value;        // ohm, farad or henry
};

struct PairRecord {
    int32_t parts;        // A's parts and B's
    double quantity;      // in the target's unit
    double errorPercent;  // (quantity - target) / target, in percent
    PairNetwork a, b;
};

// How far a running search has come, for a front end to show: read from
// any thread while it runs.
struct PairProgress {
    std::atomic<int32_t> parts{0};     // the total part count being tried (0 while building)
    std::atomic<int32_t> permille{0};  // of the whole search, never falling
    std::atomic<int64_t> matches{0};   // pairs that matched so far
};

// A search's state and outcome. Reusable: each run starts afresh; a
// context runs one search at a time.
class PairSearch {
  public:
    // Runs the request. Returns PairFault::None with the records filled, or
    // the fault that keeps it from running (no records). A stop request
    // ends it early: stopped() then says so and the records are those
    // found so far in order, not necessarily the best.
    PairFault run(const PairRequest& request);

    // From any thread, while run() runs: it ends within milliseconds.
    void requestStop() { stop_ = true; }
    bool stopped() const { return stopped_; }

    const std::vector<PairRecord>& records() const { return records_; }
    // Every pair that matched, the records and those past them.
    int64_t matches() const { return matches_; }
    // The networks each side had (after its range), for a front end that
    // says how many were tried.
    int64_t networksOfA() const { return networksA_; }
    int64_t networksOfB() const { return networksB_; }

    PairProgress progress;

  private:
    std::vector<PairRecord> records_;
    int64_t matches_ = 0;
    int64_t networksA_ = 0, networksB_ = 0;
    std::atomic<bool> stop_{false};
    bool stopped_ = false;
};

// The quantity of a pair of series-domain values, and its error from the
// target in percent: the one arithmetic every search and every test uses.
double pairQuantity(const PairRequest& request, double a, double b);
double pairErrorPercent(const PairRequest& request, double quantity);

// Whether a pair with series-domain values a and b is in the window and
// within the total range: the test that decides a match.
bool pairMatches(const PairRequest& request, double a, double b, double* quantity, double* error);

// The request's fault, as run() would find it, without running it.
PairFault checkPairRequest(const PairRequest& request);

// The network shapes of n parts (1 to 3) a side is built from: their first
// shape id and how many there are (1: shape 0; 2: shapes 1-2; 3: shapes 3-6).
int pairFirstShape(int parts);
int pairShapeCount(int parts);

// How many networks of up to maxParts parts m stock items give, each
// listed once, before any range.
int64_t pairNetworkCount(int64_t m, int maxParts);
