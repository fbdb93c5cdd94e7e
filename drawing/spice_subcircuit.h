// A network as a SPICE subcircuit, to drop into a circuit simulator as it
// is: one .subckt with two pins, one element per part with its value, the
// result line and the part names as comments.
#pragma once

#include "drawing/schematic.h"
#include "drawing/text_sink.h"

struct NetworkDescription;

// Appends the subcircuit `name` (letters, digits and "_") of `network`,
// whose parts, part type and value `schematic` holds, to `out`. Its pins are
// 1 and 2, the network's two terminals; inner nodes are numbered from 3.
// The elements are R1 to R5 (C, L for the other types) in formula order,
// valued in ohm, farad or henry. `line` is the result line (CP932, null for
// none). Returns false when `out` was cut.
bool writeSpiceSubcircuit(const NetworkDescription& network, const Schematic& schematic,
                          const char* line, const char* name, TextConverter toUtf8,
                          TextSink* out);
