// The one way the library shows results: the recorder's live updates of the
// Result text and the ordering's rebuilt text go to a display function that
// the front end installs before its first search, and the changes of the
// search's progress to a progress function beside it (and a pair search's
// to one of its own). The window installs one
// that hands the text to its Result box on the main thread, waiting until
// the box holds it; the command line installs none and prints the text once
// the search is over. The library never names a window.
#pragma once

// Called with resultText each time it changes. It may be called from the
// search's thread, but never while the result state is locked, so it may
// wait for a thread that takes that lock.
using ResultDisplay = void (*)(const char* resultText);

// Installs `display` (null: show nothing). Install before a search starts.
void installResultDisplay(ResultDisplay display);

// Hands resultText to the installed display, if there is one.
void showResultText();

// Called on the recording thread each time searchProgress changes (a size
// or a template begins, tasks are taken): for a front end that cannot poll
// the progress because the search runs on its own thread (the page's
// worker). It reads searchProgress and settings.matchCount itself. It may
// be called while the result state is locked, so it must not take that
// lock, and it is called often: it should return at once unless it is time
// to show the progress again. The window installs none; it polls.
using ProgressDisplay = void (*)();

// Installs `display` (null: none). Install before a search starts.
void installProgressDisplay(ProgressDisplay display);

// Hands the change to the installed progress display, if there is one.
void showProgress();

struct PairProgress;

// Called on the thread that runs a pair search (PairSearch::run) each time
// the search's progress changes: as it starts, as each total part count
// begins, as each list of networks has been swept and as it ends. For a
// front end that cannot poll the context's progress (the page's worker,
// whose one thread runs the search). It is called at most a few dozen times
// a search, never from the search's worker threads. The window installs
// none; it polls.
using PairProgressDisplay = void (*)(const PairProgress& progress);

// Installs `display` (null: none). Install before a search starts.
void installPairProgressDisplay(PairProgressDisplay display);

// Hands `progress` to the installed pair progress display, if there is one.
void showPairProgress(const PairProgress& progress);
