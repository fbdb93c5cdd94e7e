// Fuzz target: the schematic of any shape with any names and values, laid
// out and written as a terminal drawing (both styles), an SVG file and a
// SPICE subcircuit, names converted by the platform's code page conversion
// or left as they are. Checked: every shape lays out, inside its grid and
// its stores; no writer lets a name break a row or a line, or put a
// character XML cannot hold or an unescaped special into the SVG; the SVG
// and the netlist keep their structure.
//
// Input: byte 0 the shape (any number, those past 41 name none), byte 1 the
// part type (-1 to 3, as a damaged settings file could hold), byte 2 bit 0
// whether names are converted, then five values of eight bytes each (any
// double, infinities and NaN included), then the five names, each ended by
// a zero byte, and the caption line.
#include <cstdint>
#include <cstring>
#include <string>

#include "drawing/schematic.h"
#include "drawing/schematic_svg.h"
#include "drawing/schematic_text.h"
#include "drawing/spice_subcircuit.h"
#include "engine/network_description.h"
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
    std::string names[limits::MaxNetworkParts];
    SchematicPartInput parts[limits::MaxNetworkParts];
    for (int i = 0; i < limits::MaxNetworkParts; ++i) {
        names[i] = input.field();
        parts[i] = {names[i].c_str(), values[i]};
    }
    const std::string caption = input.field();

    const NetworkDescription* network = networkDescription(shape);
    Schematic s;
    if (network == nullptr) {
        FUZZ_CHECK(shape >= limits::NetworkShapeCount);
        return 0;
    }
    FUZZ_CHECK(layoutSchematic(*network, partType, parts, values[0], &s));
    checkLayout(s, network->partCount);

    const TextConverter convert = converted ? cp932ToUtf8 : nullptr;
    checkText(s, TextStyle::Ascii, convert);
    checkText(s, TextStyle::BoxDrawing, convert);

    static char buffer[limits::TextSize];
    TextSink svg(buffer, sizeof buffer);
    FUZZ_CHECK(writeSchematicSvg(s, caption.c_str(), convert, &svg));
    checkSvg(svg.text());

    TextSink spice(buffer, sizeof buffer);
    FUZZ_CHECK(writeSpiceSubcircuit(*network, s, caption.c_str(), "net0001", convert, &spice));
    checkSpice(spice.text(), network->partCount);
    return 0;
}
