// Helpers for tests that run searches in-process: put the four inputs and a
// stock list where the window would, in English unless asked otherwise.
#pragma once

#include <string>

#include "engine/search_inputs.h"
#include "engine/shared_state.h"

struct SearchSetup {
    const char* target = "1k";
    const char* tolerance = "1";
    const char* maxParts = "5";
    const char* range = "200";
    std::string stock;  // lines separated by "\r\n" or "\n"
    int partType = Resistor;
    int listSelection = 0;
    int showAll = 0;
    int parallelOnly = 0;
    int language = 1;
};

// Resets the shared state and applies `s`.
inline void applySetup(const SearchSetup& s) {
    resetSharedState();
    setText(textBuffers[BufTarget], s.target);
    setText(textBuffers[BufTolerance], s.tolerance);
    setText(textBuffers[BufMaxParts], s.maxParts);
    setText(textBuffers[BufRange], s.range);
    settings.partType = s.partType;
    settings.listSelection = s.listSelection;
    settings.showAll = s.showAll;
    settings.parallelOnly = s.parallelOnly;
    settings.language = s.language;
    setText(textBuffers[storedListBuffer(s.listSelection, s.partType)], s.stock.c_str());
}
