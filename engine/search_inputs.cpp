// Reading the four input texts into the parameters of a search.
#include "engine/search_inputs.h"

#include <cmath>
#include <cstdlib>

#include "engine/shared_state.h"

SearchParams searchParams;
uint32_t searchInputFaults = 0;

const char* partTypeName(int partType) {
    static const char* const names[] = {"resistor", "capacitor", "inductor"};
    return partType >= Resistor && partType <= Inductor ? names[partType] : names[Resistor];
}

namespace {

// The target: a number, optional spaces, then a multiplier letter, "R" (no
// multiplier), the end of the text or a line end; in the RKM code ("4k7")
// the letter stands inside the number instead. Anything else after the
// number makes the target unreadable, and so does a text without a number.
double readTarget(const char* text, int partType, bool* readable) {
    WrittenNumber w = readWrittenNumber(text);
    *readable = true;
    double number = w.number;
    double value = 0;
    if (w.rkmLetter != '\0') {
        if (!applyMultiplier(w.rkmLetter, number, &value)) {
            value = valueWithoutLetter(number, partType);
        }
    } else {
        const char* end = w.end;
        *readable = end != text;
        while (*end == ' ') ++end;
        char letter = '\0';
        if (multiplierAt(end, &letter) != 0) {
            applyMultiplier(letter, number, &value);
        } else if (*end == '\0' || *end == '\r' || *end == 'R') {
            value = valueWithoutLetter(number, partType);
        } else {
            *readable = false;
        }
    }
    if (!*readable) value = 0;
    if (partType == Capacitor && value != 0) value = 1 / value;
    return value;
}

}  // namespace

bool readSearchInputs() {
    SearchParams& p = searchParams;
    bool readable = true;
    p.target = readTarget(textBuffers[BufTarget], settings.partType, &readable);
    p.tolerancePercent = strtod(textBuffers[BufTolerance], nullptr);
    p.typedTolerance = p.tolerancePercent;
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
    uint32_t faults = 0;
    if (!readable) {
        faults |= TargetUnreadable;
    } else if (!std::isfinite(p.target) || !(p.target > 0)) {
        faults |= TargetNotPositive;
    }
    if (!std::isfinite(p.toleranceFraction) || !(p.toleranceFraction > 0)) {
        faults |= ToleranceNotPositive;
    }
    if (!std::isfinite(p.rangeFactor) || !(p.rangeFactor >= 1)) faults |= RangeBelowOne;
    searchInputFaults = faults;
    return faults == 0 && p.maxParts >= 1 && p.maxParts <= 5;
}
