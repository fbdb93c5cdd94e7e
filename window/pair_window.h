// The Pair window: the pair search (two networks, A and B, for one
// quantity: a ratio, a divider, a feedback pair, an RC or LC pair) with its
// inputs laid out by a constant table (window/pair_table.h), run on a
// worker thread, its records listed as the command line prints them, a
// double-clicked line drawn in the Network window.
//
// Opened from the main window by its "Pair..." button, beside it; owned by
// it, so it goes with it. Its captions follow the main window's language.
// Its inputs live in a store of their own (window/pair_inputs.h), kept in
// CombinixPair.ini; the results are not kept, since a line can be drawn
// only while the records of its search are there.
//
// The worker reads the request that Execute made from the boxes (with each
// side's stock read into items on the main thread) and writes nothing but
// the search's own context; once the search has returned it posts
// WM_PAIRFINISHED, and the main thread shows the records. Abort, closing the
// window and closing the program ask the search to stop and wait the few
// milliseconds it takes to return; nothing is ever ended by force.
#pragma once

#include <cstdint>

#include "engine/pair_search.h"
#include "platform/win32.h"
#include "window/pair_inputs.h"

extern const char PairWindowClass[];  // "CombinixPair"

// Posted by the worker when its search has returned; wParam is the
// search's number.
constexpr UINT WM_PAIRFINISHED = WM_APP + 2;
// The Pair window's timer that paints the progress line again.
constexpr UINT_PTR PairProgressTimerId = 1;

// At the main window's creation: the program's instance (for the window
// class), the settings path formed from the main one and the inputs read
// from CombinixPair.ini (the defaults where it has none).
void loadPairSettings(HINSTANCE instance);
// At the main window's destruction: the Pair window closed (its search
// stopped, its boxes read) and the inputs written to CombinixPair.ini.
void closePairWindowAndSave();

// Opens the Pair window beside `mainWindow`, or brings the open one back;
// returns it (null when it cannot be made).
HWND openPairWindow(HWND mainWindow);
// The open Pair window, or null.
HWND pairWindow();

// Labels the open window in the current language (the main window's
// language button calls it).
void applyPairWindowCaptions();

// What the message loop hands over before it dispatches a message: the
// Pair window's keys (Tab, Enter, Escape as in the main window) and a
// double-click on one of its result lines, which draws that line's pair in
// the Network window. True when the message was taken.
bool translatePairWindowMessage(const MSG* message);

// Draws result line `line` (from 0) of the last search in the Network
// window; false when no record of the last search stands behind it.
bool showPairLine(int line);

// While a search runs: true.
bool pairSearchRunning();
// The last search: its request and its context (records, matches), for
// tests and the Network window. Main thread, while no search runs.
const PairRequest& lastPairRequest();
const PairSearch& lastPairSearch();
// The outcome line as the window shows it when no search runs.
const char* pairOutcomeText();

// Stops a running search and waits for its worker to leave (a few
// milliseconds); the window is left as it is.
void stopPairSearch();

// Forgets the window and what it showed, the search stopped, as at
// process start (for tests, whose reset destroys windows without a word).
void resetPairWindow();

LRESULT CALLBACK pairWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
