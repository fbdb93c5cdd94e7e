// The stock list: the part values at hand, one per line, parsed into a
// sorted array with the stretch of candidates near the target.
#pragma once

#include <cstdint>

#include "engine/limits.h"

struct StockPart {
    char name[limits::StockNameSize];  // the line as typed, at most 15 characters
    double seriesValue;                // ohm, henry, or 1/farad
    double parallelValue;              // 1 / seriesValue
};

extern StockPart stockParts[limits::StockCapacity];
extern int32_t stockCount;
// How many parts the list names, those past the first StockCapacity
// included (which the search does not use): more than stockCount when the
// list is longer than the search takes.
extern int32_t stockListed;
// The line (counted from 1) of the item that made the last parse unusable,
// for a front end that names it; 0 when the list was usable or names no
// part at all.
extern int32_t stockFaultLine;

// Networks draw their parts from firstCandidate to lastCandidate, both
// included; the range is empty when firstCandidate > lastCandidate.
extern int32_t firstCandidate;
extern int32_t lastCandidate;

// Ascending seriesValue, with the sort routines' contract; parts of equal
// value keep the order of their lines.
int compareStockParts(const void* a, const void* b);

// Parses the list that listSelection and partType name, sorts it (equal
// values in line order) and sets
// the candidate range from the target and range of searchParams. Returns
// whether the list is usable.
bool parseStockList();

// One item of a stock list as read, for searches that keep their own
// stores: the line's name and the value in ohm, farad or henry.
struct StockItem {
    char name[limits::StockNameSize];
    double value;
};

struct StockReading {
    int32_t count;      // items read, at most the capacity given
    int32_t listed;     // items the list names, those past the capacity included
    int32_t faultLine;  // the line (from 1) of an item that is not a positive value; 0 if none
    bool usable;        // at least one item, and none at fault
};

// Reads a stock list's text (CP932, one value a line with free text after
// it, a line beginning with "-" ending the list) as the search reads its
// lists, into `out`, at most `capacity` items in the order of their lines.
StockReading readStockItems(const char* text, int partType, StockItem* out, int capacity);

// The candidate range of the sorted stock for target T and range x:
// T / x < seriesValue <= T * x, or the single nearest item when every item
// lies on one side.
void selectCandidates(double target, double rangeFactor);
