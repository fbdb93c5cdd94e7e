// The texts of the pair search: the result line of a record, the outcome
// line, the message of every fault of a request, and the names of the two
// sides. The command line, the Pair window and the page print these very
// texts, so that one search reads the same wherever it runs.
//
// The result line reads, left to right:
//
//   2:  3.29545 V,    -0.14%, R1 = 1.8k, R2 = 1.1k
//
// the total part count; the quantity, right-aligned, with its SI prefix and
// unit (a ratio plain, Vout in V, a time constant in s, a frequency in Hz);
// the signed error in percent ("+" above the target, "-" below, "0" when
// exact); then each side labelled as the circuit's users name it ("R1 =",
// "R2 =" for a divider, a feedback pair or a ratio of resistors; "C1", "C2"
// and "L1", "L2" for the other types; "R", "C" for rc, "L", "C" for lc) with
// its formula in the result notation. The line is the same in both
// languages, as the single search's is: numbers, units and part names read
// alike in both.
//
// Every text is CP932, written into the caller's buffer (`size` bytes,
// always ended, never more) with nothing allocated; each function returns
// the length of the whole text, more than size - 1 when it was cut, as
// snprintf does. limits::PairTextSize holds any of them. Languages: 0
// Japanese, 1 English (anything else reads as Japanese, as the message
// table does).
#pragma once

#include <cstdint>

#include "engine/limits.h"
#include "engine/pair_search.h"

// How a request's quantity is shown. An rc pair is searched by its time
// constant; a front end that was given a cutoff frequency shows each
// record's cutoff 1 / (2 pi tau) in Hz, and its error against the cutoff
// asked for. Other modes show their quantity whichever is asked.
enum class PairShownAs : int32_t {
    Quantity = 0,  // the ratio, Vout, tau or the resonance, as searched
    Cutoff = 1,    // rc: the cutoff frequency
};

// A record's quantity as shown: its value in the unit of pairQuantityUnit
// and its signed error in percent against the shown target.
struct PairShown {
    double value;
    double errorPercent;
};

PairShown pairShownQuantity(const PairRequest& request, const PairRecord& record, PairShownAs as);

// The target as shown: the request's, or for an rc cutoff 1 / (2 pi target).
double pairShownTarget(const PairRequest& request, PairShownAs as);

// Whether `as` changes what `mode` shows (only Cutoff of Rc does).
bool pairShowsCutoff(PairMode mode, PairShownAs as);

// The unit of the quantity: "" for a ratio, "V", "s" or "Hz".
const char* pairQuantityUnit(PairMode mode, PairShownAs as);

// The name of side 0 (A) or 1 (B) of a mode whose side A holds parts of
// `partTypeA`: "R1", "R2" (ratio, divider, feedback of resistors), "C1",
// "C2", "L1", "L2"; "R" and "C" for rc, "L" and "C" for lc. "A" and "B" for
// a mode that is none of PairMode's.
const char* pairSideLabel(PairMode mode, int partTypeA, int side);

// A value with its SI prefix and unit, the number right-aligned in eight
// characters with about six figures: " 3.30000 V", "455.012 kHz",
// "0.660000" (a unit of "" gives a plain number, no prefix; the exponent
// form, "2.00000e-09", below 0.001 and from 1e6 on).
int formatPairQuantity(double value, const char* unit, char* out, int size);

// A signed error in percent without the "%": "+1.01", "-0.0042", "0",
// "+3.1e-08"; two decimals from 0.01 on, two figures below it.
int formatPairError(double errorPercent, char* out, int size);

// The formula of one side's network with its parts' names from the side's
// stock: "1.6k + 560". Empty for a network whose shape or picks the side
// does not have.
int formatPairFormula(const PairSide& side, const PairNetwork& network, char* out, int size);

// The result line of `record`, a record of `request`'s search (the line
// above), without a line end.
int formatPairLine(const PairRequest& request, const PairRecord& record, PairShownAs as, int language,
                   char* out, int size);

// The outcome line: how many pairs matched and how many are shown,
// "141126 pairs found, the best 20 shown." / "141126組見つかりました。上位20組を表示します。";
// "12 pairs found." when all are shown, "No pair found." for none; after a
// stop, how many were found until then.
int formatPairOutcome(int64_t matches, int64_t shown, bool stopped, int language, char* out, int size);

// Why `request` cannot be searched (fault as run() or checkPairRequest()
// gave it): what is wrong, with the values and sides concerned, and what is
// accepted. Empty for PairFault::None.
int formatPairFault(PairFault fault, const PairRequest& request, int language, char* out, int size);

// Why a side's E series is refused (writeSeriesItems found `values` values,
// more than a side holds): the side's label, the series and the count, and
// that a narrower range takes fewer.
int formatPairSeriesRefusal(const char* sideLabel, int valuesPerDecade, int values, int language, char* out,
                            int size);
