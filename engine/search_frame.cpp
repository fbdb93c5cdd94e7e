// runSearch and the pieces of the frame that are not inline.
#include "engine/search_frame.h"

#include <cstdio>
#include <mutex>

#include "engine/message_table.h"
#include "engine/networks.h"
#include "engine/outcome_line_texts.h"
#include "engine/recorder.h"
#include "engine/result_display.h"
#include "engine/result_ordering.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"

SearchEnd lastSearchEnd = SearchEnd::NotFound;
SearchProgress searchProgress;

void setAcceptanceWindow() {
    double T = searchParams.target;
    double t = searchParams.toleranceFraction;
    SearchStage& s = stages[0];
    s.seriesSum = 0;
    s.parallelSum = 0;
    if (settings.partType == Capacitor) {
        // Capacitance within +-t of the target capacitance, seen as 1/C.
        s.seriesLow = T / (1 + t);
        s.seriesHigh = t > 1 ? thresholds::Unbounded : T / (1 - t);
    } else {
        s.seriesLow = t > 1 ? 0 : T * (1 - t);
        s.seriesHigh = T * (1 + t);
    }
    s.parallelLow = 1 / s.seriesHigh;
    s.parallelHigh = 1 / s.seriesLow;
}

bool practicallyExactMatchFound() {
    return searchParams.tolerancePercent < thresholds::PracticallyExact && settings.matchCount > 0;
}

bool earlyStop() { return settings.showAll == 0 && practicallyExactMatchFound(); }

void writeNearestPartHint() {
    double T = searchParams.target;
    double best = thresholds::Unbounded;
    int bestItem = -1;
    for (int i = 0; i < stockCount; ++i) {
        double s = stockParts[i].seriesValue;
        double q = T <= s ? s / T : T / s;
        if (q < best) {
            best = q;
            bestItem = i;
        }
    }
    if (best < thresholds::ManyPartsRatio || !(best < thresholds::Unbounded) || bestItem < 0) {
        setText(statusText, messageText(MsgNotFound));
        return;
    }
    // The ratio may be anything up to Unbounded, far past a 32-bit integer.
    long long m = static_cast<long long>(best + thresholds::ManyPartsRounding);
    int id = T > stockParts[bestItem].seriesValue ? MsgNeedManySerial : MsgNeedManyParallel;
    snprintf(statusText, limits::TextSize, "%s %s x %lld", messageText(id),
             stockParts[bestItem].name, m);
}

namespace {

void writeSummary() {
    const ResultStore& store = resultStore;
    int found = settings.matchCount;
    if (store.shownCount < store.recordCount) {
        snprintf(statusText, limits::TextSize, "%d%s %d%s", found, messageText(MsgSetsFound),
                 store.shownCount, messageText(MsgSetsDisplayed));
    } else {
        snprintf(statusText, limits::TextSize, "%d%s", found, messageText(MsgSetsFound));
    }
}

// Behind the outcome, when the list named more values than were read.
// Called with resultStateMutex held.
void noteListCutShort() {
    if (searchStopped() || stockListed <= stockCount) return;
    appendStockListNote(statusText, stockCount, stockListed);
}

}  // namespace

int32_t runSearch() {
    lastSearchEnd = SearchEnd::Stopped;
    {
        // Reading the inputs and the list happens while the main thread is
        // kept off the result state: closing the window may capture the boxes
        // into the same buffers.
        std::lock_guard<std::mutex> lock(resultStateMutex);
        if (searchStopped()) return 0;
        resetResults();
        searchProgress.parts = 0;
        searchProgress.search = thisSearchNumber();
        if (!readSearchInputs()) {
            setText(statusText, messageText(MsgParameterError));
            lastSearchEnd = SearchEnd::ParameterError;
            return 0;
        }
        if (!parseStockList()) {
            setText(statusText, messageText(MsgStockListError));
            lastSearchEnd = SearchEnd::StockListError;
            return 0;
        }
        setAcceptanceWindow();
    }
    const NetworkTemplates& templates = *searchTemplates;
    searchProgress.parts = 1;
    templates.runOnePart();
    if (searchStopped()) return 0;

    for (int n = 2; n <= limits::MaxNetworkParts; ++n) {
        if (earlyStop() || searchParams.maxParts < n) break;
        searchProgress.parts = n;
        if (templates.runOfSize(n) != 0) {
            // A limit (or a stop) ended the search; its message is the outcome.
            std::lock_guard<std::mutex> lock(resultStateMutex);
            noteListCutShort();
            return 0;
        }
    }

    std::unique_lock<std::mutex> lock(resultStateMutex);
    if (searchStopped()) return 0;
    if (settings.matchCount > 0) {
        orderResults();
        writeSummary();
        lastSearchEnd = SearchEnd::Found;
        noteListCutShort();
        lock.unlock();
        showResultText();
    } else {
        writeNearestPartHint();
        lastSearchEnd = SearchEnd::NotFound;
        noteListCutShort();
    }
    return 0;
}
