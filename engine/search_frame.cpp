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

namespace {

// The shapes of each size are numbered on from the first of that size, in
// the order the search runs them: 1, 2, 4, 10 and 25 of them.
constexpr int firstShapeOfSize[limits::MaxNetworkParts + 2] = {0, 0, 1, 3, 7, 17, 42};
static_assert(firstShapeOfSize[limits::MaxNetworkParts + 1] == limits::NetworkShapeCount,
              "the sizes' shapes are all the shapes");

constexpr uint32_t packReached(int parts, int permille) {
    return static_cast<uint32_t>(parts) << 16 | static_cast<uint32_t>(permille);
}

// The template whose share the tasks taken fill: the share done before it
// and its own, in tenths of a percent of the size. Recording thread only.
int shareBefore = 0;
int shareOfTemplate = 0;

// Raises the share of `parts` to `permille`, never lowering it.
void raiseReached(int parts, int permille) {
    if (permille > 1000) permille = 1000;
    uint32_t now = searchProgress.reached.load();
    uint32_t wanted = packReached(parts, permille);
    while (static_cast<int>(now >> 16) == parts && (now & 0xffff) < static_cast<uint32_t>(permille) &&
           !searchProgress.reached.compare_exchange_weak(now, wanted)) {
    }
}

}  // namespace

void progressSizeBegins(int parts) {
    shareBefore = 0;
    shareOfTemplate = 0;
    searchProgress.reached = packReached(parts, 0);
    searchProgress.parts = parts;
}

void progressTemplateBegins(const NetworkShape& shape) {
    int parts = shape.parts;
    if (parts < 1 || parts > limits::MaxNetworkParts) return;
    int count = firstShapeOfSize[parts + 1] - firstShapeOfSize[parts];
    int index = shape.id - firstShapeOfSize[parts];
    shareBefore = 1000 * index / count;
    shareOfTemplate = 1000 * (index + 1) / count - shareBefore;
    raiseReached(parts, shareBefore);
}

void progressTasksTaken(int32_t taken, int32_t count) {
    if (count <= 0) return;
    int parts = static_cast<int>(searchProgress.reached.load() >> 16);
    raiseReached(parts, shareBefore + static_cast<int>(static_cast<int64_t>(shareOfTemplate) * taken / count));
}

void progressReached(int* parts, int* permille) {
    uint32_t now = searchProgress.reached.load();
    *parts = static_cast<int>(now >> 16);
    *permille = static_cast<int>(now & 0xffff);
}

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
        progressSizeBegins(0);
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
    progressSizeBegins(1);
    templates.runOnePart();
    if (searchStopped()) return 0;

    for (int n = 2; n <= limits::MaxNetworkParts; ++n) {
        if (earlyStop() || searchParams.maxParts < n) break;
        progressSizeBegins(n);
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
