// The SVG writers of a network and of a pair. Every coordinate is written
// in the SVG's own user space, with no transform, so that a reader takes
// the points as they stand.
#include "drawing/schematic_svg.h"

#include <cstring>

#include "drawing/pair_schematic.h"
#include "drawing/value_text.h"
#include "engine/search_inputs.h"

namespace {

// Room around the drawing and above it for the caption, in units (pixels).
constexpr int Margin = 8;
constexpr int CaptionHeight = 24;
// A text's baseline below the middle of its cell, for 13-pixel text.
constexpr int TextDrop = 5;
constexpr int TerminalRadius = 4;
constexpr int JunctionRadius = 3;



struct Offset {
    int x, y;
    SchematicPoint operator()(SchematicPoint p) const { return SchematicPoint{p.x + x, p.y + y}; }
};

void putPoint(TextSink* out, SchematicPoint p) { out->format("%d,%d", p.x, p.y); }

void putNumber(TextSink* out, double value) {
    char number[40];
    formatPlainNumber(value, number, sizeof number);
    out->put(number);
}

void putLabel(TextSink* out, const SchematicLabel& label, const char* kind, bool fromStart,
              Offset at, TextConverter toUtf8) {
    if (label.cells == 0) return;
    const SchematicPoint middle = at(label.middle);
    const int x = fromStart ? middle.x - label.cells * SchematicCellWidth / 2 : middle.x;
    out->format("<text class=\"%s\" x=\"%d\" y=\"%d\"%s>", kind, x, middle.y + TextDrop,
                fromStart ? "" : " text-anchor=\"middle\"");
    putXmlText(out, label.text, toUtf8);
    out->put("</text>");
}

// `network`: the name of the pair's network the part belongs to, or null.
void putPart(TextSink* out, const SchematicPart& p, const SchematicLabel* network, Offset at,
             TextConverter toUtf8) {
    out->put("<g class=\"part\" data-name=\"");
    putXmlText(out, p.name.text, toUtf8);
    if (network != nullptr) {
        out->put("\" data-network=\"");
        putXmlText(out, network->text, toUtf8);
    }
    out->put("\" data-value=\"");
    putNumber(out, p.value);
    out->put("\" data-a=\"");
    putPoint(out, at(p.a));
    out->put("\" data-b=\"");
    putPoint(out, at(p.b));
    out->put("\">");
    SymbolStroke strokes[SymbolStrokeCapacity];
    const int count = partStrokes(p, strokes);
    for (int i = 0; i < count; ++i) {
        out->put("<polyline points=\"");
        for (int k = 0; k < strokes[i].count; ++k) {
            if (k > 0) out->putChar(' ');
            putPoint(out, at(strokes[i].points[k]));
        }
        out->put("\"/>");
    }
    // The cross part's labels stand to its right; the others' are centred
    // on their parts.
    putLabel(out, p.name, "name", p.upright, at, toUtf8);
    putLabel(out, p.valueText, "value", p.upright, at, toUtf8);
    out->put("</g>\n");
}

// The caption: the result line without its line end.
int captionCells(const char* caption, char* line, size_t size) {
    if (caption == nullptr) return 0;
    size_t n = strcspn(caption, "\r\n");
    if (n >= size) n = size - 1;
    memcpy(line, caption, n);
    line[n] = '\0';
    return static_cast<int>(n);
}

// The networks of a pair: a group each with its name, part type, value,
// ends and the terminals they are joined to, holding the name as drawn.
void putNetworks(TextSink* out, const PairSchematic& pair, Offset at, TextConverter toUtf8) {
    const Schematic& s = pair.drawing;
    for (const PairSchematicNetwork& n : pair.networks) {
        const SchematicLabel& name = s.labels[n.label];
        out->put("<g class=\"network\" data-name=\"");
        putXmlText(out, name.text, toUtf8);
        out->format("\" data-type=\"%s\" data-value=\"", partTypeName(n.partType));
        putNumber(out, n.value);
        out->put("\" data-a=\"");
        putPoint(out, at(n.ends[0]));
        out->put("\" data-b=\"");
        putPoint(out, at(n.ends[1]));
        out->put("\" data-pins=\"");
        putXmlText(out, s.terminals[n.pins[0]].label.text, toUtf8);
        out->putChar(' ');
        putXmlText(out, s.terminals[n.pins[1]].label.text, toUtf8);
        out->put("\">");
        putLabel(out, name, "network-name", false, at, toUtf8);
        out->put("</g>\n");
    }
}

// A network's drawing or, with `pair`, a pair's: the same elements, the
// pair's adding its networks, the networks its parts belong to and the
// terminals' names.
bool writeSvg(const Schematic& schematic, const PairSchematic* pair, const char* caption,
              TextConverter toUtf8, TextSink* out) {
    char line[limits::LineSize];
    const int cells = captionCells(caption, line, sizeof line);
    const Offset at{Margin, cells > 0 ? CaptionHeight : Margin};
    int width = schematic.width + 2 * Margin;
    if (cells * SchematicCellWidth + 2 * Margin > width) width = cells * SchematicCellWidth + 2 * Margin;
    const int height = at.y + schematic.height + Margin;

    out->put("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    out->format("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
                "viewBox=\"0 0 %d %d\" ",
                width, height, width, height);
    if (pair == nullptr) {
        out->format("data-type=\"%s\" data-value=\"", partTypeName(schematic.partType));
        putNumber(out, schematic.value);
    } else {
        out->format("data-mode=\"%s\" data-quantity=\"", pairModeName(pair->mode));
        putNumber(out, pair->quantity);
        out->put("\" data-error=\"");
        putNumber(out, pair->errorPercent);
    }
    out->put("\">\n");
    out->put(
        "<style>\n"
        ".wire, .part polyline { stroke: #000; stroke-width: 1.5; fill: none; "
        "stroke-linecap: round; stroke-linejoin: round; }\n"
        "text { font-family: 'DejaVu Sans Mono', monospace; font-size: 13px; fill: #000; }\n"
        ".value { fill: #1f4e8c; }\n"
        ".junction { fill: #000; }\n"
        ".terminal { fill: #fff; stroke: #000; stroke-width: 1.5; }\n");
    if (pair != nullptr) out->put(".network-name { font-weight: bold; }\n");
    out->put("</style>\n");
    out->format("<rect class=\"background\" width=\"%d\" height=\"%d\" fill=\"#fff\"/>\n", width,
                height);
    if (cells > 0) {
        out->put("<title>");
        putXmlText(out, line, toUtf8);
        out->put("</title>\n");
        // The line's spaces are part of its columns.
        out->format("<text class=\"caption\" x=\"%d\" y=\"%d\" xml:space=\"preserve\">", Margin,
                    Margin + 8 + TextDrop);
        putXmlText(out, line, toUtf8);
        out->put("</text>\n");
    }
    if (pair != nullptr) putNetworks(out, *pair, at, toUtf8);
    for (int i = 0; i < schematic.wireCount; ++i) {
        const SchematicPoint from = at(schematic.wires[i].from), to = at(schematic.wires[i].to);
        out->format("<line class=\"wire\" x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\"/>\n", from.x,
                    from.y, to.x, to.y);
    }
    for (int i = 0; i < schematic.partCount; ++i) {
        const SchematicPart& p = schematic.parts[i];
        const SchematicLabel* network = nullptr;
        if (pair != nullptr) network = &schematic.labels[pair->networks[p.network != 0 ? 1 : 0].label];
        putPart(out, p, network, at, toUtf8);
    }
    for (int i = 0; i < schematic.junctionCount; ++i) {
        const SchematicPoint p = at(schematic.junctions[i]);
        out->format("<circle class=\"junction\" cx=\"%d\" cy=\"%d\" r=\"%d\"/>\n", p.x, p.y,
                    JunctionRadius);
    }
    for (int i = 0; i < schematic.terminalCount; ++i) {
        const SchematicTerminal& t = schematic.terminals[i];
        const SchematicPoint p = at(t.point);
        out->format("<circle class=\"terminal\" cx=\"%d\" cy=\"%d\" r=\"%d\"", p.x, p.y,
                    TerminalRadius);
        if (t.label.cells > 0) {
            out->put(" data-name=\"");
            putXmlText(out, t.label.text, toUtf8);
            out->putChar('"');
        }
        out->put("/>\n");
        if (t.label.cells > 0) {
            putLabel(out, t.label, "terminal-name", false, at, toUtf8);
            out->putChar('\n');
        }
    }
    out->put("</svg>\n");
    return !out->cut();
}

}  // namespace

bool writeSchematicSvg(const Schematic& schematic, const char* caption, TextConverter toUtf8,
                       TextSink* out) {
    return writeSvg(schematic, nullptr, caption, toUtf8, out);
}

bool writePairSvg(const PairSchematic& pair, const char* caption, TextConverter toUtf8,
                  TextSink* out) {
    return writeSvg(pair.drawing, &pair, caption, toUtf8, out);
}
