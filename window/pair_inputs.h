// The Pair window's inputs, as a store of their own beside the main
// window's Settings and TextBuffers: the choices (mode, part type, how an RC
// target is given, each side's stock) and the texts of its boxes, kept in
// CombinixPair.ini between runs. And the one step from them to a search:
// readPairRequest turns the texts into a PairRequest of typed values, with
// each side's stock read into items, so that the worker gets a request and
// nothing else.
#pragma once

#include <cstdint>

#include "engine/limits.h"
#include "engine/pair_search.h"
#include "engine/stock_list.h"

// The choices, by number (the field a radio button group sets).
enum PairField : int {
    PairFieldMode = 0,      // PairMode
    PairFieldPartType = 1,  // PartType of both sides: ratio, divider, feedback
    PairFieldRcBy = 2,      // how an RC target is given: PairRcBy
    PairFieldStockA = 3,    // PairStock of side A
    PairFieldStockB = 4,    // PairStockAsA, or 1 + a PairStock
    PairFieldWindowLeft = 5,  // the window's rectangle when it was last closed
    PairFieldWindowTop = 6,
    PairFieldWindowRight = 7,
    PairFieldWindowBottom = 8,
    PairFieldCount = 9,
};

enum PairRcBy : int32_t {
    PairRcByTimeConstant = 0,  // tau = R C, in seconds
    PairRcByFrequency = 1,     // the cutoff f = 1 / (2 pi R C), in hertz
};

// A side's stock: one of the three editable lists of the side's part type,
// or an E series over the decades the side's range admits.
enum PairStock : int32_t {
    PairStockList1 = 0,
    PairStockList2 = 1,
    PairStockList3 = 2,
    PairStockE3 = 3,
    PairStockE6 = 4,
    PairStockE12 = 5,
    PairStockE24 = 6,
    PairStockE48 = 7,
    PairStockE96 = 8,
    PairStockE192 = 9,
    PairStockCount = 10,
};
// Side B's choice 0: the choice of side A (the very same stock where both
// sides are of one part type; the same list or series of capacitors for RC
// and LC).
constexpr int32_t PairStockAsA = 0;

// The texts of the boxes, by number.
enum PairText : int {
    PairTextRatio = 0,      // ratio: a / b
    PairTextVin = 1,        // divider
    PairTextVout = 2,       // divider and feedback
    PairTextVref = 3,       // feedback
    PairTextTimeConstant = 4,  // rc, in seconds
    PairTextFrequency = 5,  // rc (cutoff) and lc (resonance), in hertz
    PairTextTolerance = 6,  // percent
    PairTextMaxParts = 7,   // per side, 1 to 3
    PairTextAMin = 8,       // the ranges: empty for no limit
    PairTextAMax = 9,
    PairTextBMin = 10,
    PairTextBMax = 11,
    PairTextTotalMin = 12,
    PairTextTotalMax = 13,
    PairTextCount = 14,
};

// An input box holds a value or a small number: a text longer than this is
// no value the notation reads, and is kept cut.
constexpr int PairInputTextSize = 128;

struct PairInputs {
    int32_t fields[PairFieldCount];
    char texts[PairTextCount][PairInputTextSize];
};

// The store the Pair window shows and the settings file keeps. Main thread
// only: a running pair search has its own copy of what it reads.
extern PairInputs pairInputs;

// The inputs a first start has: a divider for 5 V to 3.3 V from E24, 1 %,
// two parts a side, no ranges, B from A's stock.
void fillDefaultPairInputs(PairInputs* inputs);
// After reading a file: a choice out of its range goes back to its default,
// so that a hand-edited or damaged file never leaves a group with no
// button checked or a stock that is none.
void checkPairInputs(PairInputs* inputs);
// Copies `text` into text `n` of `inputs`, cut at a character boundary to fit.
void setPairText(PairInputs* inputs, int n, const char* text);

// Whether the input of text `n` (PairText) is read in the inputs' mode:
// the target boxes of the mode (for RC the one of its PairRcBy), and the
// total range only where the two sides add up in one unit.
bool pairTextApplies(const PairInputs& inputs, int n);

// The stock of each side as the request's sides point at it.
struct PairStocks {
    StockItem a[limits::StockCapacity];
    StockItem b[limits::StockCapacity];
};

// The texts of the three editable lists of each part type (CP932), from
// which a side with a list choice reads its stock: lists[partType][list].
struct PairListTexts {
    const char* lists[3][3];
};

// Why the inputs give no request; the search's own faults (a tolerance of
// 0, a divider's Vout above Vin) are left to checkPairRequest.
enum class PairInputFault : int32_t {
    None = 0,
    Unreadable,  // text `text` is no value in the notation
    ListEmpty,   // side `side`'s list names no part
    ListFault,   // side `side`'s list has an item at line `line` that is no positive value
    SeriesNone,  // side `side`'s E series has no value in its range
    SeriesTooMany,  // side `side`'s E series has `values` values in its range, more than a side holds
};

struct PairInputProblem {
    PairInputFault fault = PairInputFault::None;
    int32_t text = -1;  // PairText, for Unreadable
    int32_t side = -1;  // 0 A, 1 B
    int32_t line = 0;   // ListFault: from 1
    int32_t valuesPerDecade = 0;  // SeriesTooMany: the series
    int32_t values = 0;           // and the values it has in the side's range
};

// The request of the inputs: the mode, the target and reference of the
// mode's boxes, the tolerance, each side's part type, parts, range and
// stock (read into `stocks`, which the request's sides point at) and the
// total range; a choice out of its range reads as its default. False with
// the problem when a box or a list cannot be read;
// a request that reads may still be one the search refuses
// (checkPairRequest). `threads` as PairRequest::threads.
bool readPairRequest(const PairInputs& inputs, const PairListTexts& lists, PairStocks* stocks,
                     PairRequest* request, PairInputProblem* problem);

// A value as the boxes take it: a number, optional spaces, then a
// multiplier letter, "R" or nothing; or the RKM code ("4k7"). `partType` is
// the part type of a part's value (a capacitor's plain number is in
// microfarad, as in the lists), or -1 for a quantity (a ratio, volts,
// seconds, hertz), whose plain number is the number itself. An empty text
// (or blanks only) is no value: false with *empty set; so is a text that
// does not read, with *empty clear.
bool readPairValue(const char* text, int partType, double* value, bool* empty);
