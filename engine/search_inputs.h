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

#include "engine/value_notation.h"

enum PartType : int32_t {
    Resistor = 0,
    Capacitor = 1,
    Inductor = 2,
};

// The part type's name in machine-readable output: "resistor", "capacitor",
// "inductor"; a number that names none reads as a resistor.
const char* partTypeName(int partType);

struct SearchParams {
    double target = 0;             // series domain
    double tolerancePercent = 0;   // lowered by the recorder as matches improve
    double typedTolerance = 0;     // the tolerance as typed, in percent
    double toleranceFraction = 0;  // typed tolerance / 100, fixed for the search
    int32_t maxParts = 0;          // 1 to 5
    double rangeFactor = 0;        // parts select range x, at least 1
};

// The parameters of the running search. The flags and selections that the
// search also needs (part type, list, Show All, Parallel only) are read from
// the settings at the moment they matter, not copied here.
extern SearchParams searchParams;

// Reads text buffers 1 to 4 into searchParams. Returns whether the inputs
// are usable; an out-of-range part count is set to 5 in buffer 3 as well.
bool readSearchInputs();

// What made the inputs of the last readSearchInputs unusable, one bit per
// fault, for a front end that names the input (0 when they were usable).
enum SearchInputFault : uint32_t {
    TargetUnreadable = 1,   // no number, or a character after it that is no multiplier
    TargetNotPositive = 2,  // zero, negative, or too large once multiplied
    ToleranceNotPositive = 4,
    RangeBelowOne = 8,      // below 1, or not a finite number
};
extern uint32_t searchInputFaults;
