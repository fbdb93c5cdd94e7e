// Recording the matches of a search: one result line per matching network,
// kept with a MatchRecord for the final ordering, shown live through the
// installed result display (engine/result_display.h) while the display
// budget lasts, and the two limits of a search.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

#include "engine/limits.h"
#include "engine/network_shapes.h"

struct MatchRecord {
    double absError;  // |error| in percent
    double value;     // ohm, farad or henry: for capacitors the capacitance
    int32_t length;   // characters of the line, without its zero byte
    const char* text; // the line inside lineStore
    int32_t number;   // recording order, from 0: the last key of every ordering
    // What the network is: its shape, and its parts as indices into
    // stockParts in the order its formula names them (-1 past the shape's
    // part count). They stay valid until the next search parses its list.
    const NetworkShape* shape;
    int16_t picks[limits::MaxNetworkParts];
};

static_assert(limits::StockCapacity <= 32767, "a record keeps its stock indices in 16 bits");

struct ResultStore {
    char lineStore[limits::LineStoreSize];
    int32_t storeUsed;
    MatchRecord records[limits::RecordCapacity];
    int32_t recordCount;
    int32_t displayBudget;  // may become negative
    int32_t shownCount;     // set by the final ordering
    int32_t partType;       // the part type the records were searched for
};

extern ResultStore resultStore;

// The stock indices of the network being tried, in the order its formula
// prints them: the name of pick1 stands at the first "%s", and so on.
extern int32_t pick1, pick2, pick3, pick4, pick5;

// Stopping a search without force (Abort, closing the window). Searches are
// numbered as they are started; a stop request ends every search numbered so
// far, so a search started after it is never mistaken for the stopped one,
// even while the stopped worker is still on its way out. Once its search is
// stopped, a worker records nothing more and the search loops leave at their
// next test.
uint32_t newSearchNumber();          // the main thread, when it starts a search
void runAsSearchNumber(uint32_t n);  // the worker, before it runs that search
uint32_t thisSearchNumber();         // the search the calling thread runs
void requestSearchStop();
bool searchStopped();
bool searchNumberStopped(uint32_t n);  // whether search n was asked to stop
// The number the calling thread runs as.
uint32_t currentSearchNumber();
// A thread of the search's pool, before a task of search n: searchStopped()
// also holds there once `cancelled` is set, when the recording thread has
// ended the search at a limit and wants no more of the task.
void runAsTaskOf(uint32_t n, const std::atomic<bool>* cancelled);

// Held while the search writes the result state (the store, the result and
// outcome texts, matchCount), and by the main thread while it stops a search
// or reads that state during one. Never held across a call that waits for
// the main thread, so holding it on the main thread cannot deadlock.
extern std::mutex resultStateMutex;

// The resets at the start of a search, in their order: result and outcome
// texts emptied, matchCount 0, display budget 32000, store and records empty.
void resetResults();

// Records a matching network of the given shape, whose parts are at the
// five picks; `networkValue` is its value in the series domain. Returns 0 to
// go on, -1 to stop the whole search (the reason is then in statusText, or
// the search was asked to stop).
int32_t recordMatch(const NetworkShape& shape, double networkValue);

// The signed error in percent of a network whose value is v (ohm, farad or
// henry) against the target of the search, as its result line prints it.
double signedError(double v);

// Formats the result line of a network of value v (ohm, farad or henry) with
// signed error e into `line` (limits::LineSize bytes) and returns its length.
// The names are those of the five picks.
int32_t formatResultLine(char* line, const char* format, double v, double e);

// ---- Parts as built: their tolerances and how many there are -------------

// What the front end asks of the parts beyond the search's inputs: the
// tolerance every part without its own has (NoTolerance: none), whether a
// network may use a stock line only as often as the line says there are
// ("22k x2"), and whether only the networks whose worst case stays inside
// the window are recorded. At their defaults nothing of the search changes.
struct PartOptions {
    double partTolerancePercent = -1;
    bool quantities = false;
    bool withinTolerance = false;
};
extern PartOptions partOptions;

// Whether the parts of the current search have tolerances: the search's is
// given or a stock line names one. Set as the search reads its stock list;
// only then do result lines show the spread.
extern bool searchHasTolerances;
// The networks left out because their worst case leaves the window
// (withinTolerance), counted by the search that recorded them.
extern int32_t recordsOutsideWindow;

struct Spread;
// The worst case and spread of a network of `shape` whose parts are the
// stock's `picks` (formula order), as built with the current search's
// tolerances; false when it cannot be said.
bool spreadOfPicks(const NetworkShape& shape, const int16_t* picks, Spread* out, double* sensitivities = nullptr);
// The same for a record of the current search.
bool recordSpread(const MatchRecord& record, Spread* out, double* sensitivities = nullptr);
// The window's target and tolerance as the spread is measured against:
// the target's value (ohm, farad or henry) and the typed tolerance.
double naturalTarget();
