// The schematic of a network: where its parts, wires, junctions and two
// terminals lie. It is data before it is pixels: the Network window, the
// terminal drawing and the SVG file all render this one layout, and a test
// reads the circuit back from it as a reader of the SVG would. A pair's two
// networks are drawn into one Schematic too (pair_schematic.h), with the
// names of its terminals and of its networks as labels.
//
// The layout is made of boxes inside boxes. A part is a box with its name
// above and its value below; a series group sets its members side by side
// with their terminals on one row; a parallel group stacks its members as
// rungs between two rails; the bridge is the one box that draws itself, a
// diamond with the cross part upright between its inner nodes. Each box
// knows its size and the row of its two terminals, and its parent places it
// by those numbers alone.
//
// Units. The layout works on the terminal drawing's grid of character cells,
// and every point lies at the middle of a cell. A cell is
// SchematicCellWidth units wide and SchematicCellHeight high, so cell (i, j)
// has its middle at (8i + 4, 16j + 8); y grows downwards. The SVG file draws
// one unit as one pixel; a window scales x by its character width / 8 and y
// by its line height / 16. Texts get one cell per byte of their CP932 form,
// which is also their width on a terminal.
//
// Everything is fixed-size; laying out and tracing symbols allocate nothing,
// so a window may call them while it paints.
#pragma once

#include <cstdint>

#include "engine/limits.h"

struct MatchRecord;
struct NetworkDescription;

constexpr int SchematicCellWidth = 8;
constexpr int SchematicCellHeight = 16;

struct SchematicPoint {
    int32_t x, y;
};

inline bool operator==(SchematicPoint p, SchematicPoint q) { return p.x == q.x && p.y == q.y; }
inline bool operator!=(SchematicPoint p, SchematicPoint q) { return !(p == q); }

enum class PartSymbol : int8_t { Resistor, Capacitor, Inductor };

// A text of the drawing on one row of cells.
struct SchematicLabel {
    char text[limits::StockNameSize];  // CP932; control characters shown as "?"
    int32_t cells;                     // its width in cells: one per byte
    SchematicPoint middle;             // the middle of the cells it covers
};

struct SchematicPart {
    PartSymbol symbol;
    bool upright;      // a above b (the bridge's cross part); otherwise a left of b
    int32_t position;  // its place in its network's formula, 0 to 4: the record's pick
    int32_t network;   // 0; in a pair's drawing 0 for network A, 1 for B
    double value;      // ohm, farad or henry
    SchematicPoint a, b;  // its two terminals
    // Where the symbol begins and ends on the way from a to b (cell edges);
    // a lead joins each of them with its terminal.
    SchematicPoint bodyFrom, bodyTo;
    SchematicLabel name;       // the stock line's name
    SchematicLabel valueText;  // its value: "4.7k", "100nF", "22uH"
};

// A straight wire; it joins others at its two ends only, and no wire ever
// crosses another.
struct SchematicWire {
    SchematicPoint from, to;
};

// A terminal: a ring where the drawing is joined to the circuit around it.
// A network's two go unnamed; a pair's are named ("in", "out", "GND"), the
// name standing beside the ring.
struct SchematicTerminal {
    SchematicPoint point;
    SchematicLabel label;  // no cells: unnamed
};

struct Schematic {
    // The network's part type (PartType) and value in ohm, farad or henry;
    // in a pair's drawing those of network A (each network has its own in
    // the PairSchematic around it).
    int32_t partType;
    double value;
    int32_t width, height;  // units; everything lies within
    int32_t partCount;
    SchematicPart parts[limits::SchematicPartCapacity];  // in formula order, A's before B's
    int32_t wireCount;
    SchematicWire wires[limits::SchematicWireCapacity];
    // Points where three or more wires and terminals meet: drawn as dots.
    int32_t junctionCount;
    SchematicPoint junctions[limits::SchematicJunctionCapacity];
    // A network's two terminals, left and right; a pair's three or four
    // (pair_schematic.h gives their order).
    int32_t terminalCount;
    SchematicTerminal terminals[limits::SchematicTerminalCapacity];
    // Texts that belong to no part: the names of a pair's networks, each
    // above its network. None in a network's drawing.
    int32_t labelCount;
    SchematicLabel labels[limits::SchematicLabelCapacity];
};

// One part of a network as the layout takes it.
struct SchematicPartInput {
    const char* name;  // CP932, as typed
    double value;      // ohm, farad or henry
};

// Lays out `network`, whose parts (in formula order) are `parts`, of part
// type `partType` (PartType; anything else is drawn as resistors) and whose
// value is `value`. Returns false, leaving an empty schematic, when the
// description is not one of the well-formed trees.
bool layoutSchematic(const NetworkDescription& network, int partType,
                     const SchematicPartInput* parts, double value, Schematic* out);

// The schematic of a recorded match: its shape's description, the names and
// values of its stock parts, the part type of its search, its value. False
// when the record names no shape or a pick outside the stock. It reads the
// result store and the stock, so call it while no search runs or with
// resultStateMutex held; the schematic it fills keeps copies of everything
// it shows and stays valid after the next search.
bool layoutRecord(const MatchRecord& record, Schematic* out);

// Marks anew the junctions of `schematic`: every point where three or more
// wire ends and part terminals meet. False, with the count at the
// capacity, when there are more than limits::SchematicJunctionCapacity.
bool markJunctions(Schematic* schematic);

// The cell of a point, for renderers that draw on the grid.
inline int32_t cellColumn(SchematicPoint p) { return p.x / SchematicCellWidth; }
inline int32_t cellRow(SchematicPoint p) { return p.y / SchematicCellHeight; }
// The first cell of a label.
inline int32_t labelColumn(const SchematicLabel& label) {
    return (label.middle.x - label.cells * SchematicCellWidth / 2) / SchematicCellWidth;
}

// ---- Symbols ---------------------------------------------------------------

// A part drawn as strokes, for renderers that draw lines (the SVG file, the
// window): its two leads and its symbol, each stroke a polyline in units.
constexpr int SymbolStrokeCapacity = 5;
constexpr int StrokePointCapacity = 9;

struct SymbolStroke {
    int32_t count;
    SchematicPoint points[StrokePointCapacity];
};

// Fills `strokes` with the strokes of `part` and returns how many (at most
// SymbolStrokeCapacity): a zigzag for a resistor, two plates for a
// capacitor, three turns for an inductor, and the leads to a and b.
int partStrokes(const SchematicPart& part, SymbolStroke* strokes);

// The terminal drawing's symbol of each kind: its width in cells along a
// part that lies across, its height in rows along an upright one.
int symbolCellsAcross(PartSymbol symbol);
int symbolRowsUpright(PartSymbol symbol);
