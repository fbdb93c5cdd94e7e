// Ordering the recorded matches: once when a search completes, and on demand
// by the two sort commands. Both orders group by part count first.
#pragma once

int compareByError(const void* a, const void* b);
int compareByValue(const void* a, const void* b);

// Orders all records by error, rebuilds resultText with as many lines as fit
// and shows it; sets shownCount.
void finishResults();

// The two halves of finishResults: the search orders while it holds the
// result state, and shows the text after letting go of it, since showing
// waits for the main thread.
void orderResults();
void showResultText();

// Re-order the displayed records by error or by value and show them.
void sortByError();
void sortByValue();

// Whether the records of the current search have been through
// finishResults. A search stopped by a limit or by Abort leaves them in
// recording order.
extern bool resultsFinished;
