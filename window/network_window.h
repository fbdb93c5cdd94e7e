// The Network window: the schematic of one line of the Result box, with the
// line itself, the network's value and its error above the drawing; or
// that of a pair search's record, with its line, quantity and error. A
// double-click on a line opens it beside the main window, or draws the new
// line in it while it is open; the user closes it by itself, and it goes
// with the main window, which owns it.
//
// The drawing fills the window as the user sizes it, its aspect kept;
// below its own size, at which the labels have their room, it scrolls.
//
// The line is laid out once, when it is double-clicked, into a copy that
// painting draws from: the window shows the same network whatever the next
// search does to the result store, in the language of the moment it was
// double-clicked. A line that no record of the last search
// stands behind (restored from the settings file, typed, or left from an
// earlier search) shows a short message that the search must run again.
#pragma once

#include "engine/pair_search.h"
#include "platform/win32.h"

extern const char NetworkWindowClass[];  // "CombinixNetwork"

// What the message loop hands over before it dispatches a message: a
// double-click of the left button in the Result box shows the line under
// the pointer and highlights that line whole in the box. True when it did:
// the message is then taken, so that the box does not select a word in
// its place. `instance` is the program's, for the window's class.
bool showNetworkOnDoubleClick(HWND mainWindow, HINSTANCE instance, const MSG* message);

// Shows line `line` (from 0) of the Result box's text in the Network
// window, opening it when none is open; true when it did. An empty line
// (or one past the text) shows nothing and leaves the window as it is.
bool showNetworkOfLine(HWND mainWindow, HINSTANCE instance, int line);

// Shows a pair search's record in the Network window, as a line of the
// Result box is shown: the pair's drawing (drawing/pair_schematic.h) under
// `line`, the pair's result line as its list shows it (CP932; its line end
// is left out), and the quantity with its error. Opens the window beside
// `owner` (which then owns it) when none is open. The record is laid out at
// once into the window's own copy, so the search may run again afterwards;
// call it on the main thread while `request`'s stocks are those of the
// search that made the record. False, leaving the window as it is, for a
// record that the request's stocks do not hold.
bool showPairInNetworkWindow(HWND owner, HINSTANCE instance, const PairRecord& record,
                             const PairRequest& request, const char* line);

// The open Network window, or null.
HWND networkWindow();
// Forgets the window and what it showed, as at process start (for tests,
// whose reset destroys windows without a word to them).
void resetNetworkWindow();

LRESULT CALLBACK networkWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
