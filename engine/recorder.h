// Recording the matches of a search: one result line per matching network,
// kept with a MatchRecord for the final ordering, shown live in the Result
// box while the display budget lasts, and the two limits of a search.
#pragma once

#include <atomic>
#include <cstdint>

#include "engine/limits.h"

struct MatchRecord {
    double absError;  // |error| in percent
    double value;     // ohm, farad or henry: for capacitors the capacitance
    int32_t length;   // characters of the line, without its zero byte
    const char* text; // the line inside lineStore
};

struct ResultStore {
    char lineStore[limits::LineStoreSize];
    int32_t storeUsed;
    MatchRecord records[limits::RecordCapacity];
    int32_t recordCount;
    int32_t displayBudget;  // may become negative
    int32_t shownCount;     // set by the final ordering
};

extern ResultStore resultStore;

// The stock indices of the network being tried, in the order its formula
// prints them: the name of pick1 stands at the first "%s", and so on.
extern int32_t pick1, pick2, pick3, pick4, pick5;

// Set to end the running search without force (Abort, closing the window).
// Once it is set, recordMatch records nothing more and the search loops
// leave at their next test.
extern std::atomic<bool> searchStopRequested;

inline bool searchStopped() {
    return searchStopRequested.load(std::memory_order_relaxed);
}

// The resets at the start of a search, in their order: result and outcome
// texts emptied, matchCount 0, display budget 32000, store and records empty.
void resetResults();

// Records a matching network. `format` is the template's format string,
// `networkValue` the network's value in the series domain. Returns 0 to go
// on, -1 to stop the whole search (the reason is then in statusText, or the
// search was asked to stop).
int32_t recordMatch(const char* format, double networkValue);

// Formats the result line of a network of value v (ohm, farad or henry) with
// signed error e into `line` (limits::LineSize bytes) and returns its length.
// The names are those of the five picks.
int32_t formatResultLine(char* line, const char* format, double v, double e);
