// Reading the four input texts into the parameters of a search.
#include "engine/search_inputs.h"

#include <cmath>
#include <cstdlib>

#include "engine/shared_state.h"

SearchParams searchParams;

bool applyMultiplier(char letter, double number, double* value) {
    switch (letter) {
        case 'p': *value = number / 1e12; return true;
        case 'n': *value = number / 1e9; return true;
        case 'u': *value = number / 1000000; return true;
        case 'm': *value = number / 1000; return true;
        case 'k':
        case 'K': *value = number * 1000; return true;
        case 'M': *value = number * 1000000; return true;
        default: return false;
    }
}

namespace {

// The target: a number, optional spaces, then a multiplier letter, the end
// of the text or a line end. Anything else makes the target unusable.
double readTarget(const char* text, int partType) {
    char* end = nullptr;
    double number = strtod(text, &end);
    while (*end == ' ') ++end;
    double value = 0;
    if (!applyMultiplier(*end, number, &value)) {
        if (*end == '\0' || *end == '\r') {
            value = partType == Capacitor ? number / 1000000 : number;
        } else {
            value = 0;
        }
    }
    if (partType == Capacitor && value != 0) value = 1 / value;
    return value;
}

}  // namespace

bool readSearchInputs() {
    SearchParams& p = searchParams;
    p.target = readTarget(textBuffers[BufTarget], settings.partType);
    p.tolerancePercent = strtod(textBuffers[BufTolerance], nullptr);
    p.toleranceFraction = p.tolerancePercent / 100;
    long parts = strtol(textBuffers[BufMaxParts], nullptr, 10);
    if (parts < 1 || parts > 5) {
        p.maxParts = 5;
        setText(textBuffers[BufMaxParts], "5");
    } else {
        p.maxParts = static_cast<int32_t>(parts);
    }
    p.rangeFactor = strtod(textBuffers[BufRange], nullptr);

    // A value that is not finite (typed "inf" or "nan", or overflowing once
    // its multiplier is applied) would poison every comparison of the walk.
    if (!std::isfinite(p.target) || !std::isfinite(p.toleranceFraction) ||
        !std::isfinite(p.rangeFactor)) {
        return false;
    }
    return p.target > 0 && p.toleranceFraction > 0 && p.maxParts >= 1 &&
           p.maxParts <= 5 && p.rangeFactor >= 1;
}
