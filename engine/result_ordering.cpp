// The result orderings and the rebuilding of the Result box text.
#include "engine/result_ordering.h"

#include <cmath>
#include <cstdlib>

#include "engine/part_spread.h"
#include "engine/recorder.h"
#include "engine/search_inputs.h"
#include "engine/result_display.h"
#include "engine/shared_state.h"

bool resultsFinished = false;

namespace {

// The part count digit that begins every line, as a signed 8-bit code.
int partCountKey(const MatchRecord& r) {
    return static_cast<signed char>(r.text[0]);
}

// Shows the first `count` records, as many as fit the display budget when
// `budgeted`; returns how many were shown.
int rebuildResultText(int count, bool budgeted) {
    resultText[0] = '\0';
    int budget = limits::TextSize;
    int shown = 0;
    for (int i = 0; i < count; ++i) {
        const MatchRecord& r = resultStore.records[i];
        if (budgeted) {
            if (budget <= r.length) break;
            budget -= r.length;
        }
        if (appendTextN(resultText, r.text, r.length) != 0) break;
        ++shown;
    }
    return shown;
}

void sortDisplayed(int (*compare)(const void*, const void*)) {
    {
        std::lock_guard<std::mutex> lock(resultStateMutex);
        ResultStore& store = resultStore;
        if (store.recordCount == 0) return;
        if (!resultsFinished) {
            // The search stopped at a limit or was aborted, so nothing was
            // ordered yet: order every record of this search and show the
            // best that fit, as a completed search would.
            qsort(store.records, store.recordCount, sizeof(MatchRecord), compare);
            store.shownCount = rebuildResultText(store.recordCount, true);
            resultsFinished = true;
        } else {
            int count = store.shownCount < store.recordCount ? store.shownCount : store.recordCount;
            qsort(store.records, count, sizeof(MatchRecord), compare);
            rebuildResultText(count, false);
        }
    }
    showResultText();
}

// Records equal in every key keep the order they were recorded in: the
// sort routine of each C library leaves ties in an order of its own, and
// the builds of every system must print the same lines.
int compareByRecording(const MatchRecord& x, const MatchRecord& y) {
    if (x.number < y.number) return -1;
    if (x.number > y.number) return 1;
    return 0;
}

}  // namespace

int compareByError(const void* a, const void* b) {
    const MatchRecord& x = *static_cast<const MatchRecord*>(a);
    const MatchRecord& y = *static_cast<const MatchRecord*>(b);
    if (partCountKey(x) != partCountKey(y)) return partCountKey(x) - partCountKey(y);
    if (y.absError > x.absError) return -1;
    if (y.absError < x.absError) return 1;
    if (y.value > x.value) return -1;
    if (y.value < x.value) return 1;
    return compareByRecording(x, y);
}

int compareByValue(const void* a, const void* b) {
    const MatchRecord& x = *static_cast<const MatchRecord*>(a);
    const MatchRecord& y = *static_cast<const MatchRecord*>(b);
    if (partCountKey(x) != partCountKey(y)) return partCountKey(x) - partCountKey(y);
    if (y.value > x.value) return -1;
    if (y.value < x.value) return 1;
    return compareByRecording(x, y);
}

void orderResults() {
    ResultStore& store = resultStore;
    qsort(store.records, store.recordCount, sizeof(MatchRecord), compareByError);
    store.shownCount = rebuildResultText(store.recordCount, true);
    resultsFinished = true;
}

void finishResults() {
    orderResults();
    showResultText();
}

void sortByError() { sortDisplayed(compareByError); }
void sortByValue() { sortDisplayed(compareByValue); }

namespace {

// A record's margin; a record whose spread cannot be said goes last.
double marginOf(const MatchRecord& r) {
    Spread spread;
    if (!recordSpread(r, &spread)) return -HUGE_VAL;
    return spreadMargin(spread, naturalTarget(), searchParams.typedTolerance);
}

}  // namespace

int compareByMargin(const void* a, const void* b) {
    const MatchRecord& x = *static_cast<const MatchRecord*>(a);
    const MatchRecord& y = *static_cast<const MatchRecord*>(b);
    if (partCountKey(x) != partCountKey(y)) return partCountKey(x) - partCountKey(y);
    double mx = marginOf(x), my = marginOf(y);
    if (mx > my) return -1;
    if (mx < my) return 1;
    return compareByError(a, b);
}

void sortByMargin() { sortDisplayed(compareByMargin); }
