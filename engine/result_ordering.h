// Ordering the recorded matches: once when a search completes, and on demand
// by the two sort commands. Both orders group by part count first and keep
// records equal in every key in the order they were recorded.
#pragma once

int compareByError(const void* a, const void* b);
int compareByValue(const void* a, const void* b);

// Orders all records by error, rebuilds resultText with as many lines as fit
// and shows it; sets shownCount.
void finishResults();

// The first half of finishResults: the search orders while it holds the
// result state, and shows the text (showResultText) after letting go of it,
// since showing may wait for the window's main thread.
void orderResults();

// Re-order the displayed records by error or by value and show them.
void sortByError();
void sortByValue();

// By how far each network's worst case, as built, stays inside the window
// (the widest margin first), within each part count; then by error. For a
// search whose parts have tolerances.
int compareByMargin(const void* a, const void* b);
void sortByMargin();

// Whether the records of the current search have been through
// finishResults. A search stopped by a limit or by Abort leaves them in
// recording order.
extern bool resultsFinished;
