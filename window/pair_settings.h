// The Pair window's settings file: its choices and the texts of its boxes,
// kept between runs in "CombinixPair.ini" beside the main window's
// Combinix.ini, which stays as it was (its 54 lines). Read once when the
// main window is created, written once when it is destroyed; like the main
// file it never reports anything: a missing, short or damaged file leaves
// the defaults where it does not reach, and a failed save the old file.
//
// Layout, one item a line, CP932, lines ending in CR LF: the count of
// choices (9), the choices (window/pair_inputs.h, PairField order), the
// count of texts (14), the texts (PairText order). A count larger than the
// store's reads the lines it knows and passes over the rest, so that a
// later layout with more lines still reads.
#pragma once

#include "engine/limits.h"
#include "window/pair_inputs.h"

// Full path of the file; empty when the main settings path is, and then
// it is neither read nor written.
extern char pairSettingsPath[limits::SettingsPathSize];

// Forms pairSettingsPath from settingsPath: the same folder, the name
// CombinixPair.ini.
void formPairSettingsPath();

// The file into `inputs` as far as it goes, then the choices checked
// (checkPairInputs); false when it could not be opened.
bool readPairSettingsFile(const char* path, PairInputs* inputs);
// `inputs` into the file, written beside it and renamed over it.
bool writePairSettingsFile(const char* path, const PairInputs& inputs);
