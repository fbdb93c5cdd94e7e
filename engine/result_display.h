// The one way the library shows results: the recorder's live updates of the
// Result text and the ordering's rebuilt text go to a display function that
// the front end installs before its first search. The window installs one
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
