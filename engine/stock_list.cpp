// Parsing the stock list text and choosing the candidate parts.
#include "engine/stock_list.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "engine/search_inputs.h"
#include "engine/shared_state.h"

StockPart stockParts[limits::StockCapacity];
int32_t stockCount = 0;
int32_t stockListed = 0;
int32_t stockFaultLine = 0;
int32_t firstCandidate = 0;
int32_t lastCandidate = -1;

int compareStockParts(const void* a, const void* b) {
    double x = static_cast<const StockPart*>(a)->seriesValue;
    double y = static_cast<const StockPart*>(b)->seriesValue;
    if (x < y) return -1;
    if (x > y) return 1;
    return 0;
}

namespace {

bool isLineBlank(const char* p) {
    while (*p == ' ' || *p == '\t' || *p == '\r') ++p;
    return *p == '\n' || *p == '\0';
}

const char* skipToLineFeed(const char* p) {
    while (*p != '\n' && *p != '\0') ++p;
    return p;
}

// Passes over line feeds and blank lines: a line holding nothing or only
// white space lists no part.
const char* skipBlankLines(const char* p) {
    while (*p == '\n' || (*p != '\0' && isLineBlank(p))) {
        p = skipToLineFeed(p);
        if (*p == '\n') ++p;
    }
    return p;
}

// The lines from p on that list a part, up to the end of the list. They are
// counted, not read: the search takes only the first StockCapacity items.
int32_t countListedFrom(const char* p) {
    int32_t n = 0;
    for (p = skipBlankLines(p); *p != '\0' && *p != '-'; p = skipBlankLines(p)) {
        ++n;
        p = skipToLineFeed(p);
    }
    return n;
}

int32_t lineOf(const char* text, const char* p) {
    int32_t line = 1;
    for (; text < p; ++text) line += *text == '\n';
    return line;
}

// The value of the item at p: a number, then directly a multiplier letter
// or anything else (no letter); in the RKM code ("4k7") the letter stands
// inside the number. 0 when the number is not above 0.
double readItemValue(const char* p, int partType) {
    WrittenNumber w = readWrittenNumber(p);
    double v = w.number;
    if (!(v > 0)) return 0;
    char letter = w.rkmLetter;
    if (letter == '\0') multiplierAt(w.end, &letter);
    double scaled = 0;
    if (!applyMultiplier(letter, v, &scaled)) scaled = valueWithoutLetter(v, partType);
    return scaled;
}

// Reads the items of `text`, at most `capacity`, handing each to
// keep(index, name, value) with its name (the line's first characters) and
// its value in ohm, farad or henry. Returns false on an item that is not
// above 0, with its line in *faultLine; *count and *listed tell how many
// items were read and how many the list names.
template <class Keep>
bool eachItem(const char* text, int partType, int capacity, Keep keep, int32_t* count, int32_t* listed,
              int32_t* faultLine) {
    const char* p = text;
    int j = 0;
    *faultLine = 0;
    while (j < capacity) {
        p = skipBlankLines(p);
        if (*p == '\0' || *p == '-') break;

        double scaled = readItemValue(p, partType);
        // A value that is not finite once scaled (or whose reciprocal is
        // not) cannot take part in any sum of the walk.
        if (!std::isfinite(scaled) || !(scaled > 0) || !std::isfinite(1 / scaled)) {
            *faultLine = lineOf(text, p);
            *count = 0;
            *listed = 0;
            return false;
        }

        char name[limits::StockNameSize];
        int n = 0;
        while (n < limits::StockNameSize - 1 && p[n] != '\r' && p[n] != '\n' && p[n] != '\0') {
            name[n] = p[n];
            ++n;
        }
        name[n] = '\0';
        p = skipToLineFeed(p);
        keep(j, name, scaled);
        ++j;
    }
    *count = j;
    *listed = j + countListedFrom(p);
    return true;
}

bool readItems(const char* text, int partType) {
    return eachItem(
        text, partType, limits::StockCapacity,
        [partType](int j, const char* name, double scaled) {
            StockPart& item = stockParts[j];
            memcpy(item.name, name, sizeof item.name);
            if (partType == Capacitor) {
                item.seriesValue = 1 / scaled;
                item.parallelValue = scaled;
            } else {
                item.seriesValue = scaled;
                item.parallelValue = 1 / scaled;
            }
        },
        &stockCount, &stockListed, &stockFaultLine);
}

// Orders the parsed items by seriesValue, items of equal value in the order
// of their lines: which of two equal parts a formula names must not depend
// on the C library, whose sort routine leaves ties in an order of its own.
// Insertion keeps equal items in place and needs no memory; a list has at
// most limits::StockCapacity items.
void sortStockParts() {
    for (int i = 1; i < stockCount; ++i) {
        StockPart item = stockParts[i];
        int j = i;
        for (; j > 0 && compareStockParts(&stockParts[j - 1], &item) > 0; --j) {
            stockParts[j] = stockParts[j - 1];
        }
        stockParts[j] = item;
    }
}

}  // namespace

void selectCandidates(double target, double rangeFactor) {
    double low = target / rangeFactor;
    double high = target * rangeFactor;
    int first = 0;
    while (first < stockCount && !(stockParts[first].seriesValue > low)) ++first;
    if (first == stockCount) first = stockCount - 1;
    int above = 0;
    while (above < stockCount && !(stockParts[above].seriesValue > high)) ++above;
    int last;
    if (above == stockCount) {
        last = stockCount - 1;
    } else if (above == 0) {
        last = 0;
    } else {
        last = above - 1;
    }
    firstCandidate = first;
    lastCandidate = last;
}

bool parseStockList() {
    int listSelection = settings.listSelection;
    int partType = settings.partType;
    stockCount = 0;
    stockListed = 0;
    stockFaultLine = 0;
    firstCandidate = 0;
    lastCandidate = -1;
    // Values from a damaged settings file name no list; the buffer number
    // is only formed for those that do.
    if (listSelection < 0 || listSelection > 6 || partType < 0 || partType > 2) return false;
    if (!readItems(textBuffers[storedListBuffer(listSelection, partType)], partType)) return false;
    if (stockCount == 0) return false;
    sortStockParts();
    selectCandidates(searchParams.target, searchParams.rangeFactor);
    return true;
}

StockReading readStockItems(const char* text, int partType, StockItem* out, int capacity) {
    StockReading reading{};
    reading.usable = eachItem(
        text, partType, capacity,
        [out](int j, const char* name, double value) {
            memcpy(out[j].name, name, sizeof out[j].name);
            out[j].value = value;
        },
        &reading.count, &reading.listed, &reading.faultLine);
    reading.usable = reading.usable && reading.count > 0;
    return reading;
}
