// The progress line: which search it shows, the counts last painted and
// the timer that paints it again. Main thread only; the worker's counts
// are atomics read without a lock, so painting never holds up the search.
#include "window/progress_line.h"

#include "engine/outcome_line_texts.h"
#include "engine/search_frame.h"
#include "engine/shared_state.h"
#include "window/control_table.h"

namespace {

// The search the line shows, 0 while none runs.
uint32_t shownSearch = 0;

// What the line shows of it: the network size, or 0 while the search has
// not yet emptied the results of the one before (whose counts are not its
// own), how far that size has come in percent, and the matches found.
struct Counts {
    int parts;
    int percent;
    int found;
};

Counts paintedCounts{-1, -1, -1};

Counts currentCounts() {
    // The search's number first: once it is the shown search's, the
    // counts it reset before setting it are the new search's.
    if (searchProgress.search != shownSearch) return Counts{0, 0, 0};
    int parts, permille;
    progressReached(&parts, &permille);
    return Counts{parts, permille / 10, settings.matchCount};
}

void invalidateOutcomeRow(HWND mainWindow) {
    const ControlEntry& row = controlTable[RowOutcome];
    RECT r = tableRectToPixels(row.left, row.top, row.right, row.bottom);
    InvalidateRect(mainWindow, &r, TRUE);
}

}  // namespace

void startProgressLine(HWND mainWindow, uint32_t searchNumber) {
    shownSearch = searchNumber;
    paintedCounts = Counts{-1, -1, -1};
    SetTimer(mainWindow, ProgressTimerId, ProgressPeriod, nullptr);
    invalidateOutcomeRow(mainWindow);
}

void stopProgressLine(HWND mainWindow) {
    if (shownSearch == 0) return;
    shownSearch = 0;
    if (mainWindow) {
        KillTimer(mainWindow, ProgressTimerId);
        invalidateOutcomeRow(mainWindow);
    }
}

void onProgressTimer(HWND mainWindow) {
    if (shownSearch == 0) return;
    Counts now = currentCounts();
    if (now.parts != paintedCounts.parts || now.percent != paintedCounts.percent ||
        now.found != paintedCounts.found) {
        invalidateOutcomeRow(mainWindow);
    }
}

bool paintedProgressLine(char* out, int size) {
    if (shownSearch == 0) return false;
    paintedCounts = currentCounts();
    formatProgressLine(out, size, paintedCounts.parts, paintedCounts.percent, paintedCounts.found);
    return true;
}
