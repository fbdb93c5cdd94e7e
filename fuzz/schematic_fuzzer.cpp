// Fuzz target: the schematic of any shape with any names and values, laid
// out and written as a terminal drawing (both styles), an SVG file and a
// SPICE subcircuit, names converted by the platform's code page conversion
// or left as they are. Checked: every shape lays out, inside its grid and
// its stores; no writer lets a name break a row or a line, or put a
// character XML cannot hold or an unescaped special into the SVG; the SVG
// and the netlist keep their structure.
//
// Then the same for a pair's drawing: any mode, any two shapes, the part
// types, the names and values; a pair of shapes of up to three parts each
// in one of the modes always lays out, anything else never does.
//
// Input: byte 0 the shape (any number, those past 41 name none), byte 1 the
// part type (-1 to 3, as a damaged settings file could hold), byte 2 bit 0
// whether names are converted, then five values of eight bytes each (any
// double, infinities and NaN included), then the five names, each ended by
// a zero byte, and the caption line. The pair: a byte for the mode (those
// from 5 name none), a byte for the shapes (A in the low four bits, B in
// the high four: those from 7 have four parts or name none), a byte for
// B's part type (-1 to 3; A's is byte 1's), and a sixth name. A takes the
// names and values 0 to 2, B the names 3 to 5 with the values 3, 4 and 0.
#include <cstdint>
#include <cstring>
#include <string>

#include "drawing/pair_schematic.h"
#include "drawing/schematic.h"
#include "drawing/schematic_svg.h"
#include "drawing/schematic_text.h"
#include "drawing/spice_subcircuit.h"
#include "engine/network_description.h"
#include "engine/network_shapes.h"
#include "fuzz/fuzz_input.h"
#include "platform/code_page.h"

namespace {

bool isControl(char c) {
    return (static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7f;
}

void checkNoControls(const char* text) {
    for (const char* p = text; *p != '\0'; ++p) FUZZ_CHECK(!isControl(*p));
}

void checkLabel(const Schematic& s, const SchematicLabel& label) {
    FUZZ_CHECK(label.cells == static_cast<int>(strnlen(label.text, sizeof label.text)));
    checkNoControls(label.text);
    if (label.cells > 0) {
        FUZZ_CHECK(labelColumn(label) >= 0);
        FUZZ_CHECK((labelColumn(label) + label.cells) * SchematicCellWidth <= s.width);
        FUZZ_CHECK(label.middle.y >= 0 && label.middle.y < s.height);
    }
}

bool inside(const Schematic& s, SchematicPoint p) {
    return p.x >= 0 && p.y >= 0 && p.x < s.width && p.y < s.height;
}

void checkLayout(const Schematic& s, int parts) {
    FUZZ_CHECK(s.partCount == parts);
    FUZZ_CHECK(s.wireCount > 0 && s.wireCount <= limits::SchematicWireCapacity);
    FUZZ_CHECK(s.junctionCount >= 0 && s.junctionCount <= limits::SchematicJunctionCapacity);
    FUZZ_CHECK(s.width <= limits::SchematicMaxColumns * SchematicCellWidth);
    FUZZ_CHECK(s.height <= limits::SchematicMaxRows * SchematicCellHeight);
    for (int i = 0; i < s.wireCount; ++i) {
        FUZZ_CHECK(inside(s, s.wires[i].from) && inside(s, s.wires[i].to));
    }
    for (int i = 0; i < s.partCount; ++i) {
        const SchematicPart& p = s.parts[i];
        FUZZ_CHECK(p.position == i);
        FUZZ_CHECK(inside(s, p.a) && inside(s, p.b));
        checkLabel(s, p.name);
        checkLabel(s, p.valueText);
    }
    FUZZ_CHECK(s.terminalCount >= 2 && s.terminalCount <= limits::SchematicTerminalCapacity);
    for (int i = 0; i < s.terminalCount; ++i) {
        FUZZ_CHECK(inside(s, s.terminals[i].point));
        checkLabel(s, s.terminals[i].label);
    }
}

// Rows of the terminal drawing: no control character but the line ends,
// and as plain ASCII with the bytes unchanged, no row wider than the grid.
void checkText(const Schematic& s, TextStyle style, TextConverter convert) {
    static char buffer[4 * limits::SchematicMaxColumns * limits::SchematicMaxRows];
    TextSink sink(buffer, sizeof buffer);
    FUZZ_CHECK(drawSchematicText(s, style, convert, &sink));
    checkNoControls(sink.text());
    int rows = 0;
    const char* row = sink.text();
    for (const char* end; (end = strchr(row, '\n')) != nullptr; row = end + 1) {
        ++rows;
        if (style == TextStyle::Ascii && convert == nullptr) {
            FUZZ_CHECK(end - row <= s.width / SchematicCellWidth);
        }
    }
    FUZZ_CHECK(*row == '\0');
    FUZZ_CHECK(rows <= s.height / SchematicCellHeight);
}

// Every "<" opens a tag of the writer's, every "&" an entity, and quotes
// come in pairs: nothing of a name escapes its attribute or its text.
void checkSvg(const char* svg) {
    checkNoControls(svg);
    FUZZ_CHECK(strncmp(svg, "<?xml", 5) == 0);
    const size_t n = strlen(svg);
    FUZZ_CHECK(n > 7 && strcmp(svg + n - 7, "</svg>\n") == 0);
    int quotes = 0;
    for (const char* p = svg; *p != '\0'; ++p) {
        if (*p == '<') {
            FUZZ_CHECK(p[1] == '?' || p[1] == '/' || (p[1] >= 'a' && p[1] <= 'z'));
        } else if (*p == '&') {
            FUZZ_CHECK(strncmp(p, "&lt;", 4) == 0 || strncmp(p, "&gt;", 4) == 0 ||
                       strncmp(p, "&amp;", 5) == 0 || strncmp(p, "&quot;", 6) == 0 ||
                       strncmp(p, "&apos;", 6) == 0);
        } else if (*p == '"') {
            ++quotes;
        }
    }
    FUZZ_CHECK(quotes % 2 == 0);
}

// Comments, the two dot lines and one element per part, nothing else.
void checkSpice(const char* netlist, int parts) {
    checkNoControls(netlist);
    int elements = 0;
    for (const char* line = netlist; *line != '\0';) {
        const char* end = strchr(line, '\n');
        FUZZ_CHECK(end != nullptr);
        if (*line != '*' && *line != '.') {
            FUZZ_CHECK(*line == 'R' || *line == 'C' || *line == 'L');
            ++elements;
        }
        line = end + 1;
    }
    FUZZ_CHECK(elements == parts);
}

// A pair's drawing: inside its grid and stores, its networks' parts where
// they say, its terminals and names inside the drawing.
void checkPair(const PairSchematic& pair, int partsA, int partsB) {
    const Schematic& s = pair.drawing;
    FUZZ_CHECK(s.partCount == partsA + partsB);
    FUZZ_CHECK(s.wireCount > 0 && s.wireCount <= limits::SchematicWireCapacity);
    FUZZ_CHECK(s.junctionCount >= 1 || pair.mode == PairMode::Ratio || pair.mode == PairMode::Rc ||
               pair.mode == PairMode::Lc);
    FUZZ_CHECK(s.width <= limits::SchematicMaxColumns * SchematicCellWidth);
    FUZZ_CHECK(s.height <= limits::SchematicMaxRows * SchematicCellHeight);
    for (int i = 0; i < s.wireCount; ++i) FUZZ_CHECK(inside(s, s.wires[i].from) && inside(s, s.wires[i].to));
    for (int k = 0; k < 2; ++k) {
        const PairSchematicNetwork& n = pair.networks[k];
        FUZZ_CHECK(n.partCount == (k == 0 ? partsA : partsB));
        FUZZ_CHECK(n.firstPart == (k == 0 ? 0 : partsA));
        FUZZ_CHECK(n.pins[0] >= 0 && n.pins[1] < s.terminalCount && n.pins[0] < n.pins[1]);
        FUZZ_CHECK(n.label == k && k < s.labelCount);
        FUZZ_CHECK(inside(s, n.ends[0]) && inside(s, n.ends[1]));
        for (int i = 0; i < n.partCount; ++i) {
            const SchematicPart& p = s.parts[n.firstPart + i];
            FUZZ_CHECK(p.network == k && p.position == i);
            FUZZ_CHECK(inside(s, p.a) && inside(s, p.b));
            checkLabel(s, p.name);
            checkLabel(s, p.valueText);
        }
    }
    FUZZ_CHECK(s.terminalCount == 3 || s.terminalCount == 4);
    for (int i = 0; i < s.terminalCount; ++i) {
        FUZZ_CHECK(inside(s, s.terminals[i].point));
        FUZZ_CHECK(s.terminals[i].label.cells > 0);
        checkLabel(s, s.terminals[i].label);
    }
    FUZZ_CHECK(s.labelCount == 2);
    for (int i = 0; i < s.labelCount; ++i) checkLabel(s, s.labels[i]);
}

// The pair's drawing of the input's names and values, and its writers.
void fuzzPair(FuzzInput& input, const double* values, std::string* names, int typeA, const char* caption,
              TextConverter convert) {
    const int mode = input.byte();
    const int shapes = input.byte();
    const int typeB = input.byte() % 5 - 1;
    names[5] = input.field();
    const int shapeA = shapes & 15, shapeB = shapes >> 4;
    const SchematicPartInput partsA[3] = {{names[0].c_str(), values[0]}, {names[1].c_str(), values[1]},
                                          {names[2].c_str(), values[2]}};
    const SchematicPartInput partsB[3] = {{names[3].c_str(), values[3]}, {names[4].c_str(), values[4]},
                                          {names[5].c_str(), values[0]}};
    PairSchematic pair;
    const bool laid = layoutPairSchematic(static_cast<PairMode>(mode), {shapeA, typeA, partsA, values[1]},
                                          {shapeB, typeB, partsB, values[2]}, values[3], values[4], &pair);
    const NetworkShape* a = networkShape(shapeA);
    const NetworkShape* b = networkShape(shapeB);
    const bool drawable = mode < PairModeCount && a != nullptr && b != nullptr && a->parts <= limits::PairMaxParts &&
                          b->parts <= limits::PairMaxParts;
    FUZZ_CHECK(laid == drawable);
    if (!laid) {
        FUZZ_CHECK(pair.drawing.partCount == 0 && pair.drawing.terminalCount == 0);
        return;
    }
    checkPair(pair, a->parts, b->parts);
    checkText(pair.drawing, TextStyle::Ascii, convert);
    checkText(pair.drawing, TextStyle::BoxDrawing, convert);
    static char buffer[limits::TextSize];
    TextSink svg(buffer, sizeof buffer);
    FUZZ_CHECK(writePairSvg(pair, caption, convert, &svg));
    checkSvg(svg.text());
    TextSink spice(buffer, sizeof buffer);
    FUZZ_CHECK(writePairSpiceSubcircuit(pair, caption, "pair0001", convert, &spice));
    checkSpice(spice.text(), a->parts + b->parts);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const int shape = input.byte();
    const int partType = input.byte() % 5 - 1;
    const bool converted = (input.byte() & 1) != 0;
    double values[limits::MaxNetworkParts];
    for (double& v : values) {
        uint8_t bytes[sizeof(double)];
        for (uint8_t& b : bytes) b = input.byte();
        memcpy(&v, bytes, sizeof v);
    }
    std::string names[limits::MaxNetworkParts + 1];  // the sixth for a pair's B
    SchematicPartInput parts[limits::MaxNetworkParts];
    for (int i = 0; i < limits::MaxNetworkParts; ++i) {
        names[i] = input.field();
        parts[i] = {names[i].c_str(), values[i]};
    }
    const std::string caption = input.field();

    const NetworkDescription* network = networkDescription(shape);
    const TextConverter convert = converted ? cp932ToUtf8 : nullptr;
    Schematic s;
    if (network == nullptr) {
        FUZZ_CHECK(shape >= limits::NetworkShapeCount);
        fuzzPair(input, values, names, partType, caption.c_str(), convert);
        return 0;
    }
    FUZZ_CHECK(layoutSchematic(*network, partType, parts, values[0], &s));
    checkLayout(s, network->partCount);

    checkText(s, TextStyle::Ascii, convert);
    checkText(s, TextStyle::BoxDrawing, convert);

    static char buffer[limits::TextSize];
    TextSink svg(buffer, sizeof buffer);
    FUZZ_CHECK(writeSchematicSvg(s, caption.c_str(), convert, &svg));
    checkSvg(svg.text());

    TextSink spice(buffer, sizeof buffer);
    FUZZ_CHECK(writeSpiceSubcircuit(*network, s, caption.c_str(), "net0001", convert, &spice));
    checkSpice(spice.text(), network->partCount);

    fuzzPair(input, values, names, partType, caption.c_str(), convert);
    return 0;
}
