// What a recorded network is: one of the 42 shapes the search tries, from
// the single part to the bridge, numbered in the order the search runs
// them. Each shape is defined beside the levels of its template (the
// networks_*.cpp files), with the format of its result line.
#pragma once

#include <cstdint>

#include "engine/limits.h"

struct NetworkShape {
    int32_t id;          // 0 to 41, in the order the search runs the shapes
    int32_t parts;       // 1 to 5
    const char* format;  // the result line: "n:%8.3f%s,%6.2f%%, " and the formula
};

// The shape numbered `id`; null for a number that names none.
const NetworkShape* networkShape(int id);

// The formula of `shape` with its parts named `names` (in formula order, one
// for each part): the result line's text after "n:%8.3f%s,%6.2f%%, ", without
// the line end, as in "10k /(1k + 1k)". Writes at most `size` bytes, always
// ended; returns the length of the whole formula (more than size - 1 when
// it was cut).
int formatFormula(const NetworkShape& shape, const char* const* names, char* out, int size);

// The length of a format string at compile time, to check it against
// limits::FormatSize where it is defined.
constexpr int formatLength(const char* format) {
    int n = 0;
    while (format[n] != '\0') ++n;
    return n;
}
