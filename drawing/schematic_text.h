// A schematic drawn with characters for a terminal: box-drawing lines and
// small symbols, or plain ASCII. Every row is the same grid of cells as the
// layout's, and a name fills exactly the cells the layout gave it, so no
// name ever shifts or breaks a row.
#pragma once

#include "drawing/schematic.h"
#include "drawing/text_sink.h"

enum class TextStyle { BoxDrawing, Ascii };

// Appends the rows of `schematic` to `out`, each ended by "\n", without
// trailing blanks; the names are converted with `toUtf8` (null: unchanged).
// Returns false when the schematic does not fit the grid of
// limits::SchematicMaxColumns by limits::SchematicMaxRows (nothing is
// written) or `out` was cut.
bool drawSchematicText(const Schematic& schematic, TextStyle style, TextConverter toUtf8,
                       TextSink* out);
