// The commands of the main window and the search worker.
//
// Every click arrives as a command whose id is the control-table row. A
// search runs on a worker thread while the controls that could change what
// it reads are disabled; Abort stops it without force (the worker notices
// the stop at its next test and writes nothing more).
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/win32.h"

// Non-null while a search runs (between lockControlsForRun and
// unlockControlsAfterRun): the main window the running search reports to.
extern std::atomic<HWND> workerHandle;

// Handles one click; always ends by invalidating the main window.
LRESULT onCommand(HWND mainWindow, WPARAM wParam);

// Every edit box into its text buffer, then the displayed lists into the
// stored lists of the current part type.
void captureInputs();

// The stored lists of the current part type into the displayed lists and
// their boxes.
void loadDisplayedLists();

void lockControlsForRun();
void unlockControlsAfterRun();

// The body of the worker thread.
void searchWorker(HWND mainWindow, uint32_t searchNumber);

// Sent by a worker to the main window when its search has returned; the
// main thread then shows the outcome and unlocks the controls, unless the
// search was stopped meanwhile (Abort has done that already). Doing it on
// the main thread keeps a late worker from unlocking the controls of a
// search started after its own.
constexpr UINT WM_SEARCHFINISHED = WM_APP + 1;
void onSearchFinished(HWND mainWindow, uint32_t searchNumber);

// Stops a running search, as Abort does, without asking and without a
// message: for closing the window while a search runs.
void stopSearch();

// Whether a worker thread (a running search, or a stopped one on its way
// out) still exists.
bool searchWorkerAlive();
