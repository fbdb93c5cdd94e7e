// The outcome line while a search runs: how far the search has come, in
// the program's language ("Searching: 4 parts, 38 %, 1234 found"), from the
// counts the worker keeps (engine/search_frame.h), drawn anew a few times a
// second. It is only painted: the outcome text and the settings file never
// hold it, and once the search ends, stops at a limit or is aborted, the
// outcome line shows the outcome again.
#pragma once

#include <cstdint>

#include "platform/win32.h"

// The main window's timer that repaints the line, and its period.
constexpr UINT_PTR ProgressTimerId = 1;
constexpr UINT ProgressPeriod = 250;  // milliseconds: four times a second

// The search numbered `searchNumber` has started in `mainWindow`: from now
// on the outcome line shows its progress, never the outcome before it.
void startProgressLine(HWND mainWindow, uint32_t searchNumber);
// The search has ended or was stopped: the outcome line is the outcome
// text again. `mainWindow` may be null (no search was running).
void stopProgressLine(HWND mainWindow);
// The progress timer's WM_TIMER: the line is painted again when the
// counts have changed since it was last painted.
void onProgressTimer(HWND mainWindow);
// While a search runs: its progress line into `out` (`size` bytes) and
// true, the counts noted as painted; false when no search runs.
bool paintedProgressLine(char* out, int size);
