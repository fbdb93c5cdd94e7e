// A schematic as a standalone SVG file, in the structure docs/drawing.md
// describes so that any program can read the circuit back: parts as
// <g class="part"> with their name, value and terminal points, wires as
// <line class="wire">, junctions and the network's terminals as circles.
#pragma once

#include "drawing/schematic.h"
#include "drawing/text_sink.h"

// Appends the SVG of `schematic` to `out`. `caption` is the result line it
// draws (CP932, its line end is left out; null for none), shown above the
// drawing. Texts are converted with `toUtf8` (null: unchanged). Returns
// false when `out` was cut.
bool writeSchematicSvg(const Schematic& schematic, const char* caption, TextConverter toUtf8,
                       TextSink* out);
