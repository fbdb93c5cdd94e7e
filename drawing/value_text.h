// Numbers as the drawings print them: a part's value as a label ("4.7k",
// "100nF", "22uH"), and a value as a plain number that reads back as the
// very same double ("1428.5714285714287", "1e-07"), for the SVG's data
// attributes and the SPICE elements.
#pragma once

#include <cstddef>

#include "drawing/schematic.h"

// Four significant digits, an SI prefix and the unit of capacitors (F) and
// inductors (H); resistors go without a unit, as on a schematic. Returns
// the length; always zero-terminated within `size`.
int formatPartValue(double value, PartSymbol symbol, char* out, size_t size);

// The shortest "%g" form that reads back as `value`. Returns the length.
int formatPlainNumber(double value, char* out, size_t size);
