// The main window's parts as built: the box of every part's tolerance left
// of the sort buttons and the two check boxes (only the networks whose
// worst case stays inside the window, beside the part types; the drawer's
// counts, right of the sort buttons). Their values live in the
// Pair window's store (window/pair_inputs.h, the fields and texts of the
// main window's search), which CombinixPair.ini keeps, since Combinix.ini
// has no line for them; Execute reads them into the search's PartOptions.
#pragma once

#include "engine/recorder.h"

// The store's values into the box and the check marks (after the controls
// are made).
void showMainPartOptions();
// The box's text into the store (before the store is read or saved).
void captureMainPartOptions();
// A click on one of the two check boxes: its choice turned over. False for
// any other row.
bool toggleMainPartOption(int row);
// The options of a search from the store, the box captured first; false
// when the box holds no usable tolerance, which is then a parameter error.
bool mainPartOptions(PartOptions* options);
