// The layout of a pair (drawing/pair_schematic.h): each network laid out
// on its own as a network is, then set into the pair's drawing on the same
// grid of cells, shifted whole, its ends joined to the pair's terminals.
#include "drawing/pair_schematic.h"

#include "engine/network_description.h"
#include "engine/network_shapes.h"
#include "engine/search_inputs.h"

namespace {

// Spacing, in cells.
constexpr int NameGap = 1;     // between a terminal and its name
constexpr int NetworksGap = 1;  // empty rows between two networks drawn apart
constexpr int MiddleDrop = 2;  // the least distance from A's and B's node down to a divider's middle terminal
constexpr int MiddleLead = 1;  // how far A's and B's leads are drawn out to that node, so that its dot
                               // stands apart from the dots of a rail beside it

// How each mode draws its networks, and its terminals' names in their order.
struct ModeDrawing {
    bool apart;  // two networks one above the other, four terminals; else A and B in a row, three
    const char* terminals[limits::SchematicTerminalCapacity];
};

//   mode          apart  terminals
const ModeDrawing modeDrawings[PairModeCount] = {
    /* Ratio    */ {true,  {"1", "2", "3", "4"}},
    /* Divider  */ {false, {"in", "out", "GND"}},
    /* Feedback */ {false, {"out", "FB", "GND"}},
    /* Rc       */ {true,  {"1", "2", "3", "4"}},
    /* Lc       */ {true,  {"1", "2", "3", "4"}},
};

// The networks' names of ratio, divider and feedback by part type, then
// those of rc and lc.
const char* const sameTypeNames[3][2] = {{"R1", "R2"}, {"C1", "C2"}, {"L1", "L2"}};
const char* const rcNames[2] = {"R", "C"};
const char* const lcNames[2] = {"L", "C"};

int columnsOf(const Schematic& s) { return s.width / SchematicCellWidth; }
int rowsOf(const Schematic& s) { return s.height / SchematicCellHeight; }
int maxOf(int a, int b) { return a > b ? a : b; }

SchematicPoint pointAt(int column, int row) {
    return SchematicPoint{column * SchematicCellWidth + SchematicCellWidth / 2,
                          row * SchematicCellHeight + SchematicCellHeight / 2};
}

SchematicPoint shifted(SchematicPoint p, int columns, int rows) {
    return SchematicPoint{p.x + columns * SchematicCellWidth, p.y + rows * SchematicCellHeight};
}

// A label of plain ASCII text starting at `column`.
void setLabel(SchematicLabel* label, const char* text, int column, int row) {
    int n = 0;
    while (text[n] != '\0' && n + 1 < limits::StockNameSize) {
        label->text[n] = text[n];
        ++n;
    }
    label->text[n] = '\0';
    label->cells = n;
    label->middle = SchematicPoint{column * SchematicCellWidth + n * SchematicCellWidth / 2,
                                   row * SchematicCellHeight + SchematicCellHeight / 2};
}

int textCells(const char* text) {
    int n = 0;
    while (text[n] != '\0') ++n;
    return n;
}

class PairLayout {
  public:
    // `networks`: A and B laid out on their own; `names` their names.
    PairLayout(PairMode mode, const Schematic* networks, const char* const* names, PairSchematic* out)
        : drawing_(modeDrawings[static_cast<int>(mode)]), networks_(networks), names_(names), out_(out),
          s_(out->drawing) {}

    bool run() {
        s_.partType = networks_[0].partType;
        s_.value = networks_[0].value;
        if (drawing_.apart) {
            layOutApart();
        } else {
            layOutInARow();
        }
        if (!ok_ || columns_ > limits::SchematicMaxColumns || rows_ > limits::SchematicMaxRows) return false;
        s_.width = columns_ * SchematicCellWidth;
        s_.height = rows_ * SchematicCellHeight;
        return markJunctions(&s_);
    }

  private:
    // A and B in a row on one terminal row, B's left end on A's right end,
    // the middle terminal below that node:
    //            R1        R2
    //   in ○──[ A ]──┬──[ B ]──○ GND
    //                ○ out
    void layOutInARow() {
        const Schematic& a = networks_[0];
        const Schematic& b = networks_[1];
        const int left = textCells(drawing_.terminals[0]) + NameGap;
        const int baseA = cellRow(a.terminals[0].point), baseB = cellRow(b.terminals[0].point);
        const int base = 1 + maxOf(baseA, baseB);  // row 0 for the networks' names
        const int topA = base - baseA, topB = base - baseB;
        const int middle = left + columnsOf(a) - 1 + MiddleLead;
        const int right = middle + MiddleLead + columnsOf(b) - 1;
        int bottom = maxOf(topA + rowsOf(a), topB + rowsOf(b));
        bottom = maxOf(bottom, base + MiddleDrop);

        setTerminal(0, left, base, false);
        setTerminal(1, middle, bottom, true);
        setTerminal(2, right, base, true);
        place(0, left, topA, pointAt(left, base), pointAt(middle, base), 0, 1);
        place(1, middle + MiddleLead, topB, pointAt(middle, base), pointAt(right, base), 1, 2);
        addWire(pointAt(middle, base), pointAt(middle, bottom));
        columns_ = right + 1 + NameGap + textCells(drawing_.terminals[2]);
        rows_ = bottom + 1;
    }

    // A above B, each between two terminals of its own, the shorter one's
    // leads drawn out so that both span the same columns:
    //       R
    //   1 ○──[ A ]──○ 2
    //
    //       C
    //   3 ○──[ B ]──○ 4
    void layOutApart() {
        const Schematic& a = networks_[0];
        const Schematic& b = networks_[1];
        const int left = maxOf(textCells(drawing_.terminals[0]), textCells(drawing_.terminals[2])) + NameGap;
        const int span = maxOf(columnsOf(a), columnsOf(b));
        const int right = left + span - 1;
        const int topA = 1;
        const int topB = topA + rowsOf(a) + NetworksGap + 1;
        const int baseA = topA + cellRow(a.terminals[0].point);
        const int baseB = topB + cellRow(b.terminals[0].point);

        setTerminal(0, left, baseA, false);
        setTerminal(1, right, baseA, true);
        setTerminal(2, left, baseB, false);
        setTerminal(3, right, baseB, true);
        place(0, left + (span - columnsOf(a)) / 2, topA, pointAt(left, baseA), pointAt(right, baseA), 0, 1);
        place(1, left + (span - columnsOf(b)) / 2, topB, pointAt(left, baseB), pointAt(right, baseB), 2, 3);
        columns_ = right + 1 + NameGap +
                   maxOf(textCells(drawing_.terminals[1]), textCells(drawing_.terminals[3]));
        rows_ = topB + rowsOf(b);
    }

    // Terminal `index` at a cell, its name to its left or right.
    void setTerminal(int index, int column, int row, bool nameRight) {
        SchematicTerminal& t = s_.terminals[index];
        t.point = pointAt(column, row);
        const char* name = drawing_.terminals[index];
        const int start = nameRight ? column + 1 + NameGap : column - NameGap - textCells(name);
        setLabel(&t.label, name, start, row);
        if (index + 1 > s_.terminalCount) s_.terminalCount = index + 1;
    }

    // Network `k` with its top left cell at (column, top), its ends drawn
    // to `from` and `to` (on its terminal row, at or beyond its own ends),
    // joined to terminals `pinA` and `pinB`; its name on the row above,
    // centred over it.
    void place(int k, int column, int top, SchematicPoint from, SchematicPoint to, int pinA, int pinB) {
        const Schematic& n = networks_[k];
        PairSchematicNetwork& network = out_->networks[k];
        const SchematicPoint ownFrom = shifted(n.terminals[0].point, column, top);
        const SchematicPoint ownTo = shifted(n.terminals[1].point, column, top);
        network.firstPart = s_.partCount;
        network.partCount = n.partCount;
        network.ends[0] = from;
        network.ends[1] = to;
        network.pins[0] = pinA;
        network.pins[1] = pinB;
        network.label = k;
        for (int i = 0; i < n.partCount; ++i) {
            if (s_.partCount >= limits::SchematicPartCapacity) {
                ok_ = false;
                return;
            }
            SchematicPart p = n.parts[i];
            p.network = k;
            p.a = shifted(p.a, column, top);
            p.b = shifted(p.b, column, top);
            p.bodyFrom = shifted(p.bodyFrom, column, top);
            p.bodyTo = shifted(p.bodyTo, column, top);
            p.name.middle = shifted(p.name.middle, column, top);
            p.valueText.middle = shifted(p.valueText.middle, column, top);
            s_.parts[s_.partCount++] = p;
        }
        // The leads that end at the network's own terminals are drawn out
        // to the pair's ends.
        for (int i = 0; i < n.wireCount; ++i) {
            SchematicWire w{shifted(n.wires[i].from, column, top), shifted(n.wires[i].to, column, top)};
            for (SchematicPoint* end : {&w.from, &w.to}) {
                if (*end == ownFrom) *end = from;
                if (*end == ownTo) *end = to;
            }
            addWire(w.from, w.to);
        }
        const char* name = names_[k];
        const int middle = (cellColumn(from) + cellColumn(to) + 1) / 2;
        setLabel(&s_.labels[k], name, middle - textCells(name) / 2, top - 1);
        if (k + 1 > s_.labelCount) s_.labelCount = k + 1;
    }

    void addWire(SchematicPoint from, SchematicPoint to) {
        if (s_.wireCount >= limits::SchematicWireCapacity) {
            ok_ = false;
            return;
        }
        s_.wires[s_.wireCount++] = SchematicWire{from, to};
    }

    const ModeDrawing& drawing_;
    const Schematic* networks_;
    const char* const* names_;
    PairSchematic* out_;
    Schematic& s_;
    int columns_ = 0, rows_ = 0;
    bool ok_ = true;
};

bool validMode(PairMode mode) {
    return static_cast<int>(mode) >= 0 && static_cast<int>(mode) < PairModeCount;
}

// The description of a pair side's shape, or null for one that is none of
// one to PairMaxParts parts.
const NetworkDescription* sideDescription(int shape) {
    const NetworkShape* s = networkShape(shape);
    if (s == nullptr || s->parts < 1 || s->parts > limits::PairMaxParts) return nullptr;
    const NetworkDescription* d = networkDescription(shape);
    return d != nullptr && d->partCount == s->parts ? d : nullptr;
}

}  // namespace

const char* pairNetworkName(PairMode mode, int partTypeA, int network) {
    if (!validMode(mode) || network < 0 || network > 1) return nullptr;
    if (mode == PairMode::Rc) return rcNames[network];
    if (mode == PairMode::Lc) return lcNames[network];
    const int type = partTypeA == Capacitor || partTypeA == Inductor ? partTypeA : Resistor;
    return sameTypeNames[type][network];
}

bool layoutPairSchematic(PairMode mode, const PairNetworkInput& a, const PairNetworkInput& b,
                         double quantity, double errorPercent, PairSchematic* out) {
    *out = PairSchematic{};
    if (!validMode(mode)) return false;
    const PairNetworkInput* inputs[2] = {&a, &b};
    Schematic networks[2];
    for (int k = 0; k < 2; ++k) {
        const NetworkDescription* d = sideDescription(inputs[k]->shape);
        if (d == nullptr || inputs[k]->parts == nullptr ||
            !layoutSchematic(*d, inputs[k]->partType, inputs[k]->parts, inputs[k]->value, &networks[k])) {
            return false;
        }
        PairSchematicNetwork& n = out->networks[k];
        n.shape = inputs[k]->shape;
        n.partType = networks[k].partType;
        n.value = inputs[k]->value;
    }
    out->mode = mode;
    out->quantity = quantity;
    out->errorPercent = errorPercent;
    const char* const names[2] = {pairNetworkName(mode, a.partType, 0), pairNetworkName(mode, a.partType, 1)};
    PairLayout layout(mode, networks, names, out);
    if (!layout.run()) {
        *out = PairSchematic{};
        return false;
    }
    return true;
}

bool layoutPairRecord(const PairRecord& record, const PairRequest& request, PairSchematic* out) {
    *out = PairSchematic{};
    const PairNetwork* networks[2] = {&record.a, &record.b};
    const PairSide* sides[2] = {&request.a, &request.b};
    SchematicPartInput parts[2][limits::PairMaxParts];
    PairNetworkInput inputs[2];
    for (int k = 0; k < 2; ++k) {
        const PairNetwork& n = *networks[k];
        const PairSide& side = *sides[k];
        const NetworkDescription* d = sideDescription(n.shape);
        if (d == nullptr || n.partCount != d->partCount || side.parts == nullptr) return false;
        for (int i = 0; i < n.partCount; ++i) {
            const int pick = n.picks[i];
            if (pick < 0 || pick >= side.count) return false;
            parts[k][i] = SchematicPartInput{side.parts[pick].name, side.parts[pick].value};
        }
        inputs[k] = PairNetworkInput{n.shape, side.partType, parts[k], n.value};
    }
    return layoutPairSchematic(request.mode, inputs[0], inputs[1], record.quantity, record.errorPercent,
                               out);
}
