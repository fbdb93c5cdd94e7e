// The box layout of a network description (drawing/schematic.h): one
// measuring pass from the leaves up, one placing pass from the root down,
// both on the grid of cells; the points are turned into units as they are
// stored.
#include "drawing/schematic.h"

#include <cstring>

#include "drawing/value_text.h"
#include "engine/network_description.h"
#include "engine/network_shapes.h"
#include "engine/recorder.h"
#include "engine/search_inputs.h"
#include "engine/stock_list.h"

namespace {

using Kind = NetworkNodeKind;

// Spacing, in cells.
constexpr int SeriesGap = 1;   // between members of a series group: a wire two cells long
constexpr int RailMargin = 2;  // from a rail to its rungs
constexpr int RungGap = 1;     // empty rows between rungs
constexpr int TerminalLead = 2;  // from a network terminal to the network
constexpr int CrossLabelGap = 3;  // from the cross part's wire to its labels

struct Cell {
    int x, y;
};

// A box's size and the row of its terminals, which lie at its left and
// right edge.
struct Box {
    int width, height, base;
};

bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9f) || (c >= 0xe0 && c <= 0xfc); }
bool isTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xfc && c != 0x7f; }

// The name as the drawing shows it: no white space at either end, a tab as
// a space, any other control character and any broken double-byte character
// as "?", so that every byte is one cell wide and no writer ever meets a
// byte that could break its line.
void setNameLabel(SchematicLabel* label, const char* name) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(name != nullptr ? name : "");
    size_t length = strnlen(reinterpret_cast<const char*>(p), limits::StockNameSize - 1);
    while (length > 0 && (p[0] == ' ' || p[0] == '\t')) {
        ++p;
        --length;
    }
    while (length > 0 && (p[length - 1] == ' ' || p[length - 1] == '\t')) --length;
    int n = 0;
    for (size_t i = 0; i < length; ++i) {
        unsigned char c = p[i];
        if (isLeadByte(c)) {
            if (i + 1 < length && isTrailByte(p[i + 1])) {
                label->text[n++] = static_cast<char>(c);
                label->text[n++] = static_cast<char>(p[++i]);
            } else {
                label->text[n++] = '?';
            }
        } else if (c == '\t') {
            label->text[n++] = ' ';
        } else if (c < 0x20 || c == 0x7f) {
            label->text[n++] = '?';
        } else {
            label->text[n++] = static_cast<char>(c);
        }
    }
    label->text[n] = '\0';
    label->cells = n;
}

// Whether a name is the value as the drawing would print it, with or
// without its unit ("4.7k", "100n" for "100nF"): then the name alone shows
// both.
bool nameSaysValue(const char* name, const char* value) {
    const size_t n = strlen(value);
    if (strcmp(name, value) == 0) return true;
    const bool unit = n > 0 && (value[n - 1] == 'F' || value[n - 1] == 'H');
    return unit && strlen(name) == n - 1 && strncmp(name, value, n - 1) == 0;
}

PartSymbol symbolOf(int partType) {
    if (partType == Capacitor) return PartSymbol::Capacitor;
    if (partType == Inductor) return PartSymbol::Inductor;
    return PartSymbol::Resistor;
}

int maxOf(int a, int b) { return a > b ? a : b; }

class Layout {
  public:
    Layout(const NetworkDescription& network, Schematic* out) : network_(network), out_(out) {}

    bool run() {
        if (network_.nodeCount < 1 || network_.partCount > limits::MaxNetworkParts) return false;
        // Every part names one of the parts given.
        for (int i = 0; i < network_.nodeCount; ++i) {
            if (network_.nodes[i].kind != Kind::Part) continue;
            const int position = network_.nodes[i].position;
            if (position < 0 || position >= network_.partCount) return false;
        }
        Box box = measure(0);
        if (!ok_) return false;
        const int left = TerminalLead;
        place(0, Cell{left, 0});
        const Cell start{0, box.base};
        const Cell end{left + box.width - 1 + TerminalLead, box.base};
        addWire(start, Cell{left, box.base});
        addWire(Cell{left + box.width - 1, box.base}, end);
        out_->terminalCount = 2;
        out_->terminals[0].point = unitsOf(start);
        out_->terminals[1].point = unitsOf(end);
        out_->width = (end.x + 1) * SchematicCellWidth;
        out_->height = box.height * SchematicCellHeight;
        if (end.x + 1 > limits::SchematicMaxColumns || box.height > limits::SchematicMaxRows) {
            return false;
        }
        return ok_ && markJunctions(out_);
    }

  private:
    // ---- Measuring ----

    Box measure(int index) {
        const NetworkNode& node = network_.nodes[index];
        Box box{0, 0, 0};
        switch (node.kind) {
            case Kind::Part: box = measurePart(part(node), false); break;
            case Kind::Series: box = measureSeries(node); break;
            case Kind::Parallel: box = measureParallel(node); break;
            case Kind::Bridge: box = measureBridge(node); break;
        }
        boxes_[index] = box;
        return box;
    }

    // Across: the name above, the symbol on the terminal row between two
    // leads, the value below. Upright (the cross part): the symbol between
    // leads in one column, the labels to its right; its box is the column.
    Box measurePart(const SchematicPart& p, bool upright) {
        if (upright) return Box{1, symbolRowsUpright(p.symbol) + 2, 0};
        int body = maxOf(symbolCellsAcross(p.symbol), maxOf(p.name.cells, p.valueText.cells));
        return Box{body + 2, p.valueText.cells > 0 ? 3 : 2, 1};
    }

    Box measureSeries(const NetworkNode& node) {
        int width = 0, above = 0, below = 0;
        for (int i = 0; i < node.childCount; ++i) {
            Box b = measure(node.children[i]);
            width += b.width + (i > 0 ? SeriesGap : 0);
            above = maxOf(above, b.base);
            below = maxOf(below, b.height - b.base);
        }
        return Box{width, above + below, above};
    }

    Box measureParallel(const NetworkNode& node) {
        int inner = 0, height = 0;
        for (int i = 0; i < node.childCount; ++i) {
            Box b = measure(node.children[i]);
            inner = maxOf(inner, b.width);
            height += b.height + (i > 0 ? RungGap : 0);
        }
        // The terminal row: a row of the rail that no rung joins, so that
        // no four wires meet in one point; one between the rungs where
        // there is one, nearest the middle.
        int first = 0, last = 0, y = 0;
        for (int i = 0; i < node.childCount; ++i) {
            const Box& b = boxes_[node.children[i]];
            if (i == 0) first = y + b.base;
            last = y + b.base;
            y += b.height + RungGap;
        }
        const int middle = (first + last) / 2;
        int base = first;
        for (bool between : {true, false}) {
            for (int distance = 0; distance <= last - first && base == first; ++distance) {
                for (int row : {middle - distance, middle + distance}) {
                    const RowUse use = rowUse(node, row);
                    if (row > first && row < last && !use.joined && (use.free || !between)) {
                        base = row;
                        break;
                    }
                }
            }
        }
        return Box{inner + 2 * RailMargin + 1, height, base};
    }

    // Whether a rung joins the rails on `row` of a parallel group, and
    // whether the row lies between the rungs.
    struct RowUse {
        bool joined, free;
    };

    RowUse rowUse(const NetworkNode& node, int row) const {
        RowUse use{false, true};
        int y = 0;
        for (int i = 0; i < node.childCount; ++i) {
            const Box& b = boxes_[node.children[i]];
            if (y + b.base == row) use.joined = true;
            if (row >= y && row < y + b.height) use.free = false;
            y += b.height + RungGap;
        }
        return use;
    }

    // The bridge's rows: the arms' names, the upper arms (A-C, C-B) on row
    // `top`, their values, the cross part from C down to D, the lower arms'
    // names, the lower arms (A-D, D-B), their values. Terminal A lies at
    // the left corner of the diamond and B at the right, halfway down;
    // wires run diagonally from them to the arms.
    struct BridgeFrame {
        int top, bottom, half;  // the arms' rows; half the distance between them
        int armsLeft;           // the left arms' first column
        int cross;              // the column of C, D and the cross part
        int armsRightEnd;       // the right arms' last column
        int width;
    };

    BridgeFrame bridgeFrame(const NetworkNode& node) const {
        const Box ac = boxes_[node.children[BridgeArmAC]];
        const Box ad = boxes_[node.children[BridgeArmAD]];
        const Box cb = boxes_[node.children[BridgeArmCB]];
        const Box db = boxes_[node.children[BridgeArmDB]];
        const Box cross = boxes_[node.children[BridgeCross]];
        const SchematicPart& crossPart = part(network_.nodes[node.children[BridgeCross]]);
        BridgeFrame f{};
        f.top = 1;
        // Values of the upper arms, an empty row, the cross part, an empty
        // row, the names of the lower arms; the distance even so that the
        // terminals lie on a row.
        f.bottom = f.top + 2 + cross.height + 1;
        if ((f.bottom - f.top) % 2 != 0) ++f.bottom;
        f.half = (f.bottom - f.top) / 2;
        f.armsLeft = f.half;
        f.cross = f.armsLeft + maxOf(ac.width, ad.width) + 1;
        const int labels = maxOf(crossPart.name.cells, crossPart.valueText.cells);
        f.armsRightEnd = f.cross + 1 + maxOf(maxOf(cb.width, db.width), CrossLabelGap + labels);
        f.width = f.armsRightEnd + f.half + 1;
        return f;
    }

    Box measureBridge(const NetworkNode& node) {
        for (int i = 0; i < limits::MaxNetworkParts; ++i) {
            const NetworkNode& member = network_.nodes[node.children[i]];
            boxes_[node.children[i]] = measurePart(part(member), i == BridgeCross);
        }
        BridgeFrame f = bridgeFrame(node);
        return Box{f.width, f.bottom + 2, f.top + f.half};
    }

    // ---- Placing ----

    void place(int index, Cell at) {
        const NetworkNode& node = network_.nodes[index];
        switch (node.kind) {
            case Kind::Part: placePartAcross(part(node), at, boxes_[index]); break;
            case Kind::Series: placeSeries(node, at, boxes_[index]); break;
            case Kind::Parallel: placeParallel(node, at, boxes_[index]); break;
            case Kind::Bridge: placeBridge(node, at); break;
        }
    }

    void placePartAcross(SchematicPart& p, Cell at, const Box& box) {
        const int row = at.y + box.base;
        const int body = box.width - 2;
        const int symbol = symbolCellsAcross(p.symbol);
        const int symbolStart = at.x + 1 + (body - symbol) / 2;
        p.upright = false;
        p.a = unitsOf(Cell{at.x, row});
        p.b = unitsOf(Cell{at.x + box.width - 1, row});
        p.bodyFrom = SchematicPoint{symbolStart * SchematicCellWidth, p.a.y};
        p.bodyTo = SchematicPoint{(symbolStart + symbol) * SchematicCellWidth, p.a.y};
        setLabelAt(&p.name, at.x + 1 + (body - p.name.cells) / 2, row - 1);
        setLabelAt(&p.valueText, at.x + 1 + (body - p.valueText.cells) / 2, row + 1);
    }

    // From `a` down: a lead, the symbol, a lead; the labels to the right.
    void placePartUpright(SchematicPart& p, Cell a) {
        const int rows = symbolRowsUpright(p.symbol);
        p.upright = true;
        p.a = unitsOf(a);
        p.b = unitsOf(Cell{a.x, a.y + rows + 1});
        p.bodyFrom = SchematicPoint{p.a.x, (a.y + 1) * SchematicCellHeight};
        p.bodyTo = SchematicPoint{p.a.x, (a.y + 1 + rows) * SchematicCellHeight};
        setLabelAt(&p.name, a.x + CrossLabelGap, a.y + 1);
        setLabelAt(&p.valueText, a.x + CrossLabelGap, a.y + rows);
    }

    void placeSeries(const NetworkNode& node, Cell at, const Box& box) {
        int x = at.x;
        for (int i = 0; i < node.childCount; ++i) {
            const Box& b = boxes_[node.children[i]];
            if (i > 0) addWire(Cell{x - SeriesGap - 1, at.y + box.base}, Cell{x, at.y + box.base});
            place(node.children[i], Cell{x, at.y + box.base - b.base});
            x += b.width + SeriesGap;
        }
    }

    void placeParallel(const NetworkNode& node, Cell at, const Box& box) {
        const int left = at.x, right = at.x + box.width - 1;
        const int base = at.y + box.base;
        int y = at.y;
        int previous = -1;  // the rail's last stop
        for (int i = 0; i < node.childCount; ++i) {
            const Box& b = boxes_[node.children[i]];
            const int row = y + b.base;
            place(node.children[i], Cell{left + RailMargin, y});
            addWire(Cell{left, row}, Cell{left + RailMargin, row});
            addWire(Cell{left + RailMargin + b.width - 1, row}, Cell{right, row});
            // The rails stop at every rung and at the terminal row, so that
            // every wire that meets them meets an end.
            if (previous >= 0 && previous < base && base < row) {
                addRails(left, right, previous, base);
                previous = base;
            }
            if (previous >= 0) addRails(left, right, previous, row);
            previous = row;
            y += b.height + RungGap;
        }
    }

    void addRails(int left, int right, int from, int to) {
        addWire(Cell{left, from}, Cell{left, to});
        addWire(Cell{right, from}, Cell{right, to});
    }

    void placeBridge(const NetworkNode& node, Cell at) {
        const BridgeFrame f = bridgeFrame(node);
        SchematicPart* places[limits::MaxNetworkParts];
        for (int i = 0; i < limits::MaxNetworkParts; ++i) {
            places[i] = &part(network_.nodes[node.children[i]]);
        }
        const int top = at.y + f.top, bottom = at.y + f.bottom, middle = at.y + f.top + f.half;
        const Cell a{at.x, middle};
        const Cell b{at.x + f.width - 1, middle};
        const Cell c{at.x + f.cross, top}, d{at.x + f.cross, bottom};
        const int rightEnd = at.x + f.armsRightEnd;

        const Box ac = boxes_[node.children[BridgeArmAC]];
        const Box ad = boxes_[node.children[BridgeArmAD]];
        const Box cb = boxes_[node.children[BridgeArmCB]];
        const Box db = boxes_[node.children[BridgeArmDB]];
        const Box cross = boxes_[node.children[BridgeCross]];
        placePartAcross(*places[BridgeArmAC], Cell{at.x + f.armsLeft, top - ac.base}, ac);
        placePartAcross(*places[BridgeArmAD], Cell{at.x + f.armsLeft, bottom - ad.base}, ad);
        placePartAcross(*places[BridgeArmCB], Cell{rightEnd - cb.width + 1, top - cb.base}, cb);
        placePartAcross(*places[BridgeArmDB], Cell{rightEnd - db.width + 1, bottom - db.base}, db);
        const Cell crossTop{c.x, top + 2};
        placePartUpright(*places[BridgeCross], crossTop);

        // The diamond: A up and down to the left arms, the right arms down
        // and up to B, C and D on the arms' rows with the cross part
        // between them.
        addWire(a, Cell{at.x + f.armsLeft, top});
        addWire(a, Cell{at.x + f.armsLeft, bottom});
        addWire(Cell{rightEnd, top}, b);
        addWire(Cell{rightEnd, bottom}, b);
        addWire(Cell{at.x + f.armsLeft + ac.width - 1, top}, c);
        addWire(Cell{at.x + f.armsLeft + ad.width - 1, bottom}, d);
        addWire(c, Cell{rightEnd - cb.width + 1, top});
        addWire(d, Cell{rightEnd - db.width + 1, bottom});
        addWire(c, crossTop);
        addWire(Cell{c.x, crossTop.y + cross.height - 1}, d);
    }

    // ---- Output ----

    SchematicPart& part(const NetworkNode& node) const { return out_->parts[node.position]; }

    static SchematicPoint unitsOf(Cell c) {
        return SchematicPoint{c.x * SchematicCellWidth + SchematicCellWidth / 2,
                              c.y * SchematicCellHeight + SchematicCellHeight / 2};
    }

    static void setLabelAt(SchematicLabel* label, int column, int row) {
        label->middle = SchematicPoint{column * SchematicCellWidth +
                                           label->cells * SchematicCellWidth / 2,
                                       row * SchematicCellHeight + SchematicCellHeight / 2};
    }

    void addWire(Cell from, Cell to) {
        if (out_->wireCount >= limits::SchematicWireCapacity) {
            ok_ = false;
            return;
        }
        out_->wires[out_->wireCount++] = SchematicWire{unitsOf(from), unitsOf(to)};
    }

    const NetworkDescription& network_;
    Schematic* out_;
    Box boxes_[limits::NetworkNodeCapacity] = {};
    bool ok_ = true;
};

int connections(const Schematic& s, SchematicPoint p) {
    int n = 0;
    for (int i = 0; i < s.wireCount; ++i) n += (s.wires[i].from == p) + (s.wires[i].to == p);
    for (int i = 0; i < s.partCount; ++i) n += (s.parts[i].a == p) + (s.parts[i].b == p);
    return n;
}

bool isJunction(const Schematic& s, SchematicPoint p) {
    for (int i = 0; i < s.junctionCount; ++i) {
        if (s.junctions[i] == p) return true;
    }
    return false;
}

}  // namespace

bool markJunctions(Schematic* s) {
    s->junctionCount = 0;
    for (int i = 0; i < s->wireCount; ++i) {
        for (SchematicPoint p : {s->wires[i].from, s->wires[i].to}) {
            if (connections(*s, p) >= 3 && !isJunction(*s, p)) {
                if (s->junctionCount >= limits::SchematicJunctionCapacity) return false;
                s->junctions[s->junctionCount++] = p;
            }
        }
    }
    return true;
}

bool layoutSchematic(const NetworkDescription& network, int partType,
                     const SchematicPartInput* parts, double value, Schematic* out) {
    *out = Schematic{};
    out->partType = partType;
    out->value = value;
    if (network.partCount < 1 || network.partCount > limits::MaxNetworkParts || parts == nullptr) {
        return false;
    }
    out->partCount = network.partCount;
    for (int i = 0; i < network.partCount; ++i) {
        SchematicPart& p = out->parts[i];
        p.symbol = symbolOf(partType);
        p.position = i;
        p.value = parts[i].value;
        setNameLabel(&p.name, parts[i].name);
        p.valueText.cells = formatPartValue(parts[i].value, p.symbol, p.valueText.text,
                                            sizeof p.valueText.text);
        if (nameSaysValue(p.name.text, p.valueText.text)) {
            p.valueText.text[0] = '\0';
            p.valueText.cells = 0;
        }
    }
    Layout layout(network, out);
    if (!layout.run()) {
        *out = Schematic{};
        return false;
    }
    return true;
}

bool layoutRecord(const MatchRecord& record, Schematic* out) {
    *out = Schematic{};
    if (record.shape == nullptr) return false;
    const NetworkDescription* network = networkDescription(record.shape->id);
    if (network == nullptr || network->partCount != record.shape->parts) return false;
    const int partType = resultStore.partType;
    SchematicPartInput parts[limits::MaxNetworkParts];
    for (int i = 0; i < network->partCount; ++i) {
        const int pick = record.picks[i];
        if (pick < 0 || pick >= stockCount) return false;
        const StockPart& stock = stockParts[pick];
        // The stock keeps capacitors by their reciprocal, as the search adds them.
        parts[i] = SchematicPartInput{
            stock.name, partType == Capacitor ? stock.parallelValue : stock.seriesValue};
    }
    return layoutSchematic(*network, partType, parts, record.value, out);
}
