// The terminal drawing: wires become line characters chosen by the
// directions that meet in each cell, parts their symbols over them, and the
// labels (the parts', the terminals' and a pair's network names) go into
// their cells byte by byte.
#include "drawing/schematic_text.h"

#include <cstdint>
#include <cstring>

namespace {

// Directions a wire leaves a cell in.
enum : uint8_t {
    North = 1,
    East = 2,
    South = 4,
    West = 8,
    NorthEast = 16,
    SouthEast = 32,
    SouthWest = 64,
    NorthWest = 128,
};
constexpr uint8_t Straight = North | East | South | West;

struct Cell {
    const char* glyph;  // a fixed character, or null
    uint8_t wires;      // directions of the wires through the cell
    bool text;          // a byte of a label
    char byte;
};

// One table per style, indexed by the directions North + East + South + West.
const char* const boxLines[16] = {" ", "│", "─", "└", "│", "│", "┌", "├",
                                  "─", "┘", "─", "┴", "┐", "┤", "┬", "┼"};
const char* const asciiLines[16] = {" ", "|", "-", "+", "|", "|", "+", "+",
                                    "-", "+", "-", "+", "+", "+", "+", "+"};

struct Glyphs {
    const char* const* lines;
    const char* rising;   // a diagonal from lower left to upper right
    const char* falling;  // from upper left to lower right
    const char* terminal;
    const char* leadAcross;
    const char* leadUpright;
    // Symbols along a part that lies across, one glyph per cell.
    const char* resistor[6];
    const char* capacitor[2];
    const char* inductor[6];
    // Upright symbols: rows of three cells, the wire in the middle one.
    const char* resistorUpright[3][3];
    const char* capacitorUpright[2][3];
    const char* inductorUpright[3][3];
};

const Glyphs boxGlyphs = {
    boxLines, "╱", "╲", "○", "─", "│",
    {"╱", "╲", "╱", "╲", "╱", "╲"},
    {"┤", "├"},
    {"╭", "╮", "╭", "╮", "╭", "╮"},
    {{"┌", "┴", "┐"}, {"│", " ", "│"}, {"└", "┬", "┘"}},
    {{"─", "┴", "─"}, {"─", "┬", "─"}},
    {{" ", ")", " "}, {" ", ")", " "}, {" ", ")", " "}},
};

const Glyphs asciiGlyphs = {
    asciiLines, "/", "\\", "o", "-", "|",
    {"/", "\\", "/", "\\", "/", "\\"},
    {"|", "|"},
    {"-", "m", "m", "m", "m", "-"},
    {{"+", "-", "+"}, {"|", " ", "|"}, {"+", "-", "+"}},
    {{"-", "-", "-"}, {"-", "-", "-"}},
    {{" ", ")", " "}, {" ", ")", " "}, {" ", ")", " "}},
};

class Grid {
  public:
    Grid(int columns, int rows) : columns_(columns), rows_(rows) {}

    Cell* at(int x, int y) {
        if (x < 0 || y < 0 || x >= columns_ || y >= rows_) return nullptr;
        return &cells_[y][x];
    }

    void setGlyph(int x, int y, const char* glyph) {
        if (Cell* c = at(x, y)) {
            c->glyph = glyph;
            c->text = false;
        }
    }

    // Marks the cells of a straight wire with the directions it runs in:
    // across, up and down, or at 45 degrees on the grid.
    void wire(SchematicPoint from, SchematicPoint to) {
        int x = cellColumn(from), y = cellRow(from);
        const int toX = cellColumn(to), toY = cellRow(to);
        const int dx = (toX > x) - (toX < x), dy = (toY > y) - (toY < y);
        const uint8_t forward = direction(dx, dy), backward = direction(-dx, -dy);
        while (true) {
            Cell* c = at(x, y);
            if (c == nullptr) return;
            if (x != cellColumn(from) || y != cellRow(from)) c->wires |= backward;
            if (x == toX && y == toY) return;
            c->wires |= forward;
            x += dx;
            y += dy;
        }
    }

    void label(const SchematicLabel& l) {
        const int x = labelColumn(l), y = cellRow(l.middle);
        for (int i = 0; i < l.cells && l.text[i] != '\0'; ++i) {
            if (Cell* c = at(x + i, y)) {
                c->text = true;
                c->byte = l.text[i];
                c->glyph = nullptr;
            }
        }
    }

    // The row's characters: labels through the converter one character at
    // a time, so each keeps its width even where the converter gives "?".
    void writeRow(int y, const Glyphs& g, TextConverter toUtf8, TextSink* out) {
        int end = columns_;
        while (end > 0 && isBlank(cells_[y][end - 1])) --end;
        for (int x = 0; x < end; ++x) {
            const Cell& c = cells_[y][x];
            if (c.text) {
                char character[3] = {c.byte, '\0', '\0'};
                const unsigned char lead = static_cast<unsigned char>(c.byte);
                if (((lead >= 0x81 && lead <= 0x9f) || (lead >= 0xe0 && lead <= 0xfc)) &&
                    x + 1 < end && cells_[y][x + 1].text) {
                    character[1] = cells_[y][++x].byte;
                }
                putCharacter(character, toUtf8, out);
            } else if (c.glyph != nullptr) {
                out->put(c.glyph);
            } else {
                out->put(wireGlyph(c.wires, g));
            }
        }
        out->putChar('\n');
    }

    bool rowIsBlank(int y) const {
        for (int x = 0; x < columns_; ++x) {
            if (!isBlank(cells_[y][x])) return false;
        }
        return true;
    }

  private:
    static uint8_t direction(int dx, int dy) {
        if (dy < 0) return dx > 0 ? NorthEast : dx < 0 ? NorthWest : North;
        if (dy > 0) return dx > 0 ? SouthEast : dx < 0 ? SouthWest : South;
        return dx > 0 ? East : dx < 0 ? West : 0;
    }

    static bool isBlank(const Cell& c) {
        return !c.text && c.wires == 0 && (c.glyph == nullptr || strcmp(c.glyph, " ") == 0);
    }

    static const char* wireGlyph(uint8_t wires, const Glyphs& g) {
        const uint8_t diagonal = wires & ~Straight;
        if (diagonal == 0) return g.lines[wires];
        const uint8_t straight = wires & Straight;
        // Where the bridge's diagonals meet its terminal wire.
        if (straight == West && (diagonal & ~(NorthEast | SouthEast)) == 0) return "<";
        if (straight == East && (diagonal & ~(NorthWest | SouthWest)) == 0) return ">";
        if (straight == 0 && (diagonal & ~(NorthEast | SouthWest)) == 0) return g.rising;
        if (straight == 0 && (diagonal & ~(NorthWest | SouthEast)) == 0) return g.falling;
        return "*";
    }

    static void putCharacter(const char* character, TextConverter toUtf8, TextSink* out) {
        const size_t bytes = strlen(character);
        char utf8[8];
        size_t n = toUtf8 != nullptr ? toUtf8(character, utf8, sizeof utf8) : 0;
        if (toUtf8 == nullptr) {
            memcpy(utf8, character, bytes + 1);
            n = bytes;
        }
        bool printable = n > 0;
        for (size_t i = 0; i < n; ++i) {
            const unsigned char b = static_cast<unsigned char>(utf8[i]);
            if (b < 0x20 || b == 0x7f) printable = false;
        }
        if (!printable) {
            for (size_t i = 0; i < bytes; ++i) out->putChar('?');
            return;
        }
        out->put(utf8, n);
    }

    int columns_, rows_;
    Cell cells_[limits::SchematicMaxRows][limits::SchematicMaxColumns] = {};
};

void drawPart(Grid& grid, const SchematicPart& p, const Glyphs& g) {
    const int ax = cellColumn(p.a), ay = cellRow(p.a);
    if (!p.upright) {
        const int from = p.bodyFrom.x / SchematicCellWidth;
        const int bx = cellColumn(p.b);
        for (int x = ax; x <= bx; ++x) grid.setGlyph(x, ay, g.leadAcross);
        const char* const* symbol = p.symbol == PartSymbol::Capacitor  ? g.capacitor
                                    : p.symbol == PartSymbol::Inductor ? g.inductor
                                                                       : g.resistor;
        for (int i = 0; i < symbolCellsAcross(p.symbol); ++i) grid.setGlyph(from + i, ay, symbol[i]);
    } else {
        const int from = p.bodyFrom.y / SchematicCellHeight;
        const int by = cellRow(p.b);
        for (int y = ay; y <= by; ++y) grid.setGlyph(ax, y, g.leadUpright);
        for (int row = 0; row < symbolRowsUpright(p.symbol); ++row) {
            const char* const* cells = p.symbol == PartSymbol::Capacitor ? g.capacitorUpright[row]
                                       : p.symbol == PartSymbol::Inductor ? g.inductorUpright[row]
                                                                         : g.resistorUpright[row];
            for (int i = 0; i < 3; ++i) grid.setGlyph(ax - 1 + i, from + row, cells[i]);
        }
    }
    grid.label(p.name);
    grid.label(p.valueText);
}

}  // namespace

bool drawSchematicText(const Schematic& schematic, TextStyle style, TextConverter toUtf8,
                       TextSink* out) {
    const int columns = schematic.width / SchematicCellWidth;
    const int rows = schematic.height / SchematicCellHeight;
    if (columns <= 0 || rows <= 0 || columns > limits::SchematicMaxColumns ||
        rows > limits::SchematicMaxRows) {
        return false;
    }
    const Glyphs& g = style == TextStyle::Ascii ? asciiGlyphs : boxGlyphs;
    Grid grid(columns, rows);
    for (int i = 0; i < schematic.wireCount; ++i) {
        grid.wire(schematic.wires[i].from, schematic.wires[i].to);
    }
    for (int i = 0; i < schematic.partCount; ++i) drawPart(grid, schematic.parts[i], g);
    for (int i = 0; i < schematic.terminalCount && i < limits::SchematicTerminalCapacity; ++i) {
        const SchematicTerminal& t = schematic.terminals[i];
        grid.setGlyph(cellColumn(t.point), cellRow(t.point), g.terminal);
        grid.label(t.label);
    }
    for (int i = 0; i < schematic.labelCount && i < limits::SchematicLabelCapacity; ++i) {
        grid.label(schematic.labels[i]);
    }
    int last = rows;
    while (last > 0 && grid.rowIsBlank(last - 1)) --last;
    for (int y = 0; y < last; ++y) grid.writeRow(y, g, toUtf8, out);
    return !out->cut();
}
