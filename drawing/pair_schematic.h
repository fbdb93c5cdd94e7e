// The schematic of a pair: the two networks of a pair search's record, A and
// B, each laid out as a network is (schematic.h), set into one drawing with
// the terminals that join them to a circuit, the terminals named and each
// network named above it. Like a network's, it is data before it is pixels:
// the Network window, the terminal drawing and the SVG file render its
// `drawing` as they render a network's, and the SPICE subcircuit is written
// from its networks.
//
// What each mode draws, the names it gives (the same in both languages:
// they are a schematic's net names, as an English or a Japanese circuit
// diagram prints them) and the terminals in their order:
//
//   divider   in ○──[R1]──┬──[R2]──○ GND       terminals  0 "in"  1 "out"  2 "GND"
//                         ○ out                 A from in to out, B from out to ground
//   feedback  out ○──[R1]──┬──[R2]──○ GND      terminals  0 "out" 1 "FB"   2 "GND"
//                          ○ FB                 A from the output to the feedback node,
//                                               B from there to ground
//   ratio     1 ○──[R1]──○ 2                   terminals  0 "1" 1 "2" (A), 2 "3" 3 "4" (B)
//             3 ○──[R2]──○ 4                    the two networks apart, A above B
//   rc, lc    1 ○──[R]──○ 2  /  3 ○──[C]──○ 4   the same, A resistors (rc) or
//                                               inductors (lc) above B capacitors
//
// The networks' names: ratio, divider and feedback name A and B after their
// part type, "R1" and "R2" ("C1", "C2"; "L1", "L2"), as the equations their
// users write name them (Vout = Vref (1 + R1 / R2)); rc names them "R" and
// "C", lc "L" and "C". The middle terminal of a divider hangs below the node
// where A meets B; the networks' terminal rows line up.
//
// Everything is fixed-size and nothing is allocated: a window may lay a
// pair out while it paints.
#pragma once

#include <cstdint>

#include "drawing/schematic.h"
#include "drawing/text_sink.h"
#include "engine/pair_search.h"

// One of the two networks of a pair's drawing.
struct PairSchematicNetwork {
    int32_t shape;     // its network shape (network_shapes.h, networkDescription)
    int32_t partType;  // PartType
    double value;      // ohm, farad or henry
    // Its parts in the drawing: parts[firstPart] to parts[firstPart + partCount - 1],
    // in formula order.
    int32_t firstPart, partCount;
    // Its two ends, left and right, and the terminals (indices into the
    // drawing's terminals) each is joined to: for a divider, A's right end
    // is the node below which terminal "out" hangs.
    SchematicPoint ends[2];
    int32_t pins[2];
    int32_t label;  // its name among the drawing's labels
};

struct PairSchematic {
    PairMode mode;
    double quantity;      // the record's: the ratio, Vout, the time constant or the frequency
    double errorPercent;  // signed
    PairSchematicNetwork networks[2];  // A and B
    Schematic drawing;                 // what the renderers draw
};

// One side of a pair as the layout takes it.
struct PairNetworkInput {
    int32_t shape;     // a network shape of one to limits::PairMaxParts parts
    int32_t partType;  // PartType; anything else is drawn as resistors
    const SchematicPartInput* parts;  // the shape's parts in formula order
    double value;      // the network's value: ohm, farad or henry
};

// Lays out the pair of networks `a` and `b` for `mode`, with the record's
// quantity and error. False, leaving an empty drawing, for a mode that is
// none of PairMode's, a shape that is not one of up to three parts, or a
// drawing that would not fit the grid (limits::SchematicMaxColumns by
// limits::SchematicMaxRows).
bool layoutPairSchematic(PairMode mode, const PairNetworkInput& a, const PairNetworkInput& b,
                         double quantity, double errorPercent, PairSchematic* out);

// The schematic of a record of `request`'s search: its networks' shapes,
// the names and values of their parts from the sides' stocks
// (request.a.parts, request.b.parts), the sides' part types and the mode.
// False when the record names a shape or a pick its request does not have.
// It reads the record and the request only: no search store, so a front end
// calls it whenever the request's stocks are still those of its search.
bool layoutPairRecord(const PairRecord& record, const PairRequest& request, PairSchematic* out);

// The names the drawing gives a mode's two networks (network 0 is A): "R1",
// "R", "C" and so on, for a caption or a text that speaks of them as the
// drawing does. Null for a mode that is none of PairMode's.
const char* pairNetworkName(PairMode mode, int partTypeA, int network);

// ---- Writers ----------------------------------------------------------------
// The terminal drawing takes the pair's `drawing` as it is:
// drawSchematicText(pair.drawing, style, toUtf8, &sink) (schematic_text.h).

// Appends the SVG of `pair` to `out`, in the structure docs/drawing.md
// describes for pairs: the root carries the mode and the quantity, each
// network a group with its name, part type, value and ends, each part the
// network it belongs to, each terminal its name. `caption` is the pair's
// result line (CP932, its line end left out; null for none). Texts are
// converted with `toUtf8` (null: unchanged). False when `out` was cut.
bool writePairSvg(const PairSchematic& pair, const char* caption, TextConverter toUtf8,
                  TextSink* out);

// Appends the SPICE subcircuit `name` (letters, digits and "_") of `pair`
// to `out`: its pins are the drawing's terminals in their order (IN OUT
// GND for a divider, OUT FB GND for feedback, 1 2 3 4 for two networks
// apart), its inner nodes numbered from 1 (from 5 where the pins are
// numbers). Each part is an element named after its network and, in a
// network of more than one part, its place: R1, R2 for two single parts;
// R1a, R1b, R2 for two in A; R1, C1 for an rc pair. `line` is the pair's
// result line (CP932, null for none), written as a comment with the mode,
// the quantity and each network's value and ends. False when `out` was cut.
bool writePairSpiceSubcircuit(const PairSchematic& pair, const char* line, const char* name,
                              TextConverter toUtf8, TextSink* out);
