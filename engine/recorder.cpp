// The recorder: result line format, the store and the live display.
#include "engine/recorder.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/message_table.h"
#include "engine/network_description.h"
#include "engine/part_spread.h"
#include "engine/result_display.h"
#include "engine/result_ordering.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"
#include "engine/stock_list.h"
#include "engine/thresholds.h"

ResultStore resultStore;
PartOptions partOptions;
bool searchHasTolerances = false;
int32_t recordsOutsideWindow = 0;
int32_t pick1 = 0, pick2 = 0, pick3 = 0, pick4 = 0, pick5 = 0;
std::mutex resultStateMutex;

namespace {

std::atomic<uint32_t> latestSearch{1};
std::atomic<uint32_t> stoppedUpTo{0};
thread_local uint32_t thisSearch = 1;
thread_local const std::atomic<bool>* taskCancelled = nullptr;

}  // namespace

uint32_t newSearchNumber() { return ++latestSearch; }
void runAsSearchNumber(uint32_t n) { thisSearch = n; }
uint32_t thisSearchNumber() { return thisSearch; }
void requestSearchStop() { stoppedUpTo = latestSearch.load(); }

bool searchStopped() {
    return thisSearch <= stoppedUpTo.load(std::memory_order_relaxed) ||
           (taskCancelled != nullptr && taskCancelled->load(std::memory_order_relaxed));
}

uint32_t currentSearchNumber() { return thisSearch; }

void runAsTaskOf(uint32_t n, const std::atomic<bool>* cancelled) {
    thisSearch = n;
    taskCancelled = cancelled;
}

bool searchNumberStopped(uint32_t n) { return n <= stoppedUpTo.load(); }

namespace {

// Index of the value's precision digit and of the error's in every format:
// "n:%8.3f%s,%6.2f%%, ..."
constexpr int ValuePrecisionAt = 5;
constexpr int ErrorPrecisionAt = 13;

const char* pickName(int32_t pick) {
    if (pick < 0 || pick >= limits::StockCapacity) return "";
    return stockParts[pick].name;
}

}  // namespace

void resetResults() {
    resultText[0] = '\0';
    statusText[0] = '\0';
    settings.matchCount = 0;
    resultStore.displayBudget = limits::TextSize;
    resultStore.storeUsed = 0;
    resultStore.recordCount = 0;
    // The part type may be switched once the search is done; what its
    // records are stays with them.
    resultStore.partType = settings.partType;
    resultsFinished = false;
    recordsOutsideWindow = 0;
}

int32_t formatResultLine(char* line, const char* format, double v, double e) {
    const char* prefix = "";
    double s = v;
    if (v < 1e-9) {
        prefix = "p";
        s = v * 1e12;
    } else if (v < 1e-6) {
        prefix = "n";
        s = v * 1e9;
    } else if (v < 0.001) {
        prefix = "u";
        s = v * 1000000;
    } else if (v < 1) {
        prefix = "m";
        s = v * 1000;
    } else if (v >= 1000000) {
        prefix = "M";
        s = v / 1000000;
    } else if (v >= 1000) {
        prefix = "k";
        s = v / 1000;
    }

    char patched[limits::FormatSize];
    snprintf(patched, sizeof patched, "%s", format);
    if (strlen(patched) > ErrorPrecisionAt) {
        if (s < 10) {
            patched[ValuePrecisionAt] = '5';
        } else if (s < 100) {
            patched[ValuePrecisionAt] = '4';
        }
        if (std::fabs(e) < 0.01) patched[ErrorPrecisionAt] = e == 0 ? '0' : '3';
    }

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif
    int n = snprintf(line, limits::LineSize, patched, s, prefix, e, pickName(pick1),
                     pickName(pick2), pickName(pick3), pickName(pick4), pickName(pick5));
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    if (n < 0) {
        line[0] = '\0';
        return 0;
    }
    if (n >= limits::LineSize) {
        // Only huge values or errors widen a line this far; cut it so that
        // it still ends its line.
        n = limits::LineSize - 1;
        line[n - 2] = '\r';
        line[n - 1] = '\n';
        line[n] = '\0';
    }
    return n;
}

// Both forms give the deviation from the target; the capacitor's starts
// from the series-domain target, 1/C.
double signedError(double v) {
    if (settings.partType == Capacitor) return (searchParams.target * v - 1) * 100;
    return (v / searchParams.target - 1) * 100;
}

// These two are also asked after the search, by the Network window, when
// the part type buttons may name another type: the records' own is the one
// the search ran with.
double naturalTarget() {
    return resultStore.partType == Capacitor ? 1 / searchParams.target : searchParams.target;
}

bool spreadOfPicks(const NetworkShape& shape, const int16_t* picks, Spread* out, double* sensitivities) {
    const NetworkDescription* d = networkDescription(shape.id);
    if (!d || d->partCount != shape.parts) return false;
    const int partType = resultStore.partType;
    double values[limits::MaxNetworkParts], tolerances[limits::MaxNetworkParts];
    for (int k = 0; k < shape.parts; ++k) {
        int pick = picks[k];
        if (pick < 0 || pick >= stockCount) return false;
        const StockPart& part = stockParts[pick];
        values[k] = partType == Capacitor ? part.parallelValue : part.seriesValue;
        tolerances[k] = partTolerance(stockNotes[pick].tolerancePercent, partOptions.partTolerancePercent);
    }
    return networkSpread(*d, partType, values, tolerances, out, sensitivities);
}

bool recordSpread(const MatchRecord& record, Spread* out, double* sensitivities) {
    return record.shape != nullptr && spreadOfPicks(*record.shape, record.picks, out, sensitivities);
}

namespace {

// Whether a network uses no stock line more often than the line says it
// is in the drawer.
bool respectsQuantities(const NetworkShape& shape, const int16_t* picks) {
    for (int k = 0; k < shape.parts; ++k) {
        int pick = picks[k];
        if (pick < 0 || pick >= stockCount) continue;
        int32_t held = stockNotes[pick].quantity;
        if (held <= 0) continue;
        int used = 0;
        for (int j = 0; j < shape.parts; ++j) used += picks[j] == pick ? 1 : 0;
        if (used > held) return false;
    }
    return true;
}

// The spread behind a line's formula, before its line end; the line stays
// within limits::LineSize.
int32_t appendSpreadToLine(char* line, int32_t n, const Spread& spread, double target) {
    if (n < 2 || line[n - 2] != '\r' || line[n - 1] != '\n') return n;
    char suffix[limits::LineSize];
    int length = formatSpreadSuffix(spread, target, suffix, sizeof suffix);
    if (length < 0 || n - 2 + length + 2 >= limits::LineSize) return n;
    memcpy(line + n - 2, suffix, static_cast<size_t>(length));
    memcpy(line + n - 2 + length, "\r\n", 3);
    return n + length;
}

}  // namespace

int32_t recordMatch(const NetworkShape& shape, double networkValue) {
    std::unique_lock<std::mutex> lock(resultStateMutex);
    if (searchStopped()) return -1;
    const int32_t picks[limits::MaxNetworkParts] = {pick1, pick2, pick3, pick4, pick5};
    int16_t recordPicks[limits::MaxNetworkParts] = {-1, -1, -1, -1, -1};
    for (int k = 0; k < shape.parts && k < limits::MaxNetworkParts; ++k) {
        recordPicks[k] = static_cast<int16_t>(picks[k]);
    }
    // A network that needs more of a line than the drawer holds is no match
    // to record; nor, where only what is in tolerance once built counts, is
    // one whose worst case leaves the window.
    if (partOptions.quantities && !respectsQuantities(shape, recordPicks)) return 0;
    Spread spread{};
    const bool spreadShown = searchHasTolerances || partOptions.withinTolerance;
    const bool haveSpread = spreadShown && spreadOfPicks(shape, recordPicks, &spread);
    if (partOptions.withinTolerance &&
        !(haveSpread && spreadWithin(spread, naturalTarget(), searchParams.typedTolerance))) {
        ++recordsOutsideWindow;
        return 0;
    }
    if (settings.matchCount >= limits::RecordCapacity) {
        setText(statusText, messageText(MsgTooManyMatches));
        return -1;
    }
    ++settings.matchCount;

    double v = settings.partType == Capacitor ? 1 / networkValue : networkValue;
    double e = signedError(v);
    double absError = std::fabs(e);

    char line[limits::LineSize];
    int32_t n = formatResultLine(line, shape.format, v, e);
    if (searchHasTolerances && haveSpread) n = appendSpreadToLine(line, n, spread, naturalTarget());
    ResultStore& store = resultStore;
    store.displayBudget -= n;

    if (store.storeUsed + n + 1 >= limits::LineStoreSize) {
        setText(statusText, messageText(MsgTooManyMatches));
        return -1;
    }
    char* text = store.lineStore + store.storeUsed;
    memcpy(text, line, static_cast<size_t>(n) + 1);
    MatchRecord& record = store.records[store.recordCount];
    record = MatchRecord{absError, v, n, text, store.recordCount, &shape, {-1, -1, -1, -1, -1}};
    for (int k = 0; k < limits::MaxNetworkParts; ++k) record.picks[k] = recordPicks[k];
    ++store.recordCount;
    store.storeUsed += n + 1;

    if (settings.showAll == 0 && absError > searchParams.tolerancePercent) return 0;
    bool shown = store.displayBudget > 0;
    if (shown) appendText(resultText, line);
    if (absError <= searchParams.tolerancePercent) {
        searchParams.tolerancePercent = absError + thresholds::TighteningMargin;
    }
    lock.unlock();
    // The window copies the text on its main thread while this thread waits.
    if (shown) showResultText();
    return 0;
}
