// The inputs of one search and the value notation in which they are typed.
//
// Inside the engine every value lives in the series domain: the quantity
// that adds up when parts are connected in series. That is ohm and henry for
// resistors and inductors, and 1/farad for capacitors, so that one set of
// formulas serves all three part types ("+" adds series values, "/" adds
// their reciprocals). Only the recorder turns a capacitor value back into
// farads.
#pragma once

#include <cstdint>

enum PartType : int32_t {
    Resistor = 0,
    Capacitor = 1,
    Inductor = 2,
};

struct SearchParams {
    double target = 0;             // series domain
    double tolerancePercent = 0;   // lowered by the recorder as matches improve
    double toleranceFraction = 0;  // typed tolerance / 100, fixed for the search
    int32_t maxParts = 0;          // 1 to 5
    double rangeFactor = 0;        // parts select range x, at least 1
};

// The parameters of the running search. The flags and selections that the
// search also needs (part type, list, Show All, Parallel only) are read from
// the settings at the moment they matter, not copied here.
extern SearchParams searchParams;

// Applies a multiplier letter to `number`. Returns false when `letter` is no
// multiplier letter. The letters divide or multiply, never multiply by a
// small power of ten: 1e-12 and 1/1e12 differ in the last bit.
bool applyMultiplier(char letter, double number, double* value);

// Reads text buffers 1 to 4 into searchParams. Returns whether the inputs
// are usable; an out-of-range part count is set to 5 in buffer 3 as well.
bool readSearchInputs();
