// The SPICE writers: a network description turned into a netlist, each
// series join and each of the bridge's inner nodes a node of its own; a
// pair's two networks between the pins its drawing shows.
#include "drawing/spice_subcircuit.h"

#include <cstdio>
#include <cstring>

#include "drawing/pair_schematic.h"
#include "drawing/value_text.h"
#include "engine/network_description.h"
#include "engine/network_shapes.h"
#include "engine/search_inputs.h"

namespace {

using Kind = NetworkNodeKind;

char letterOf(int partType) {
    return partType == Capacitor ? 'C' : partType == Inductor ? 'L' : 'R';
}

const char* unitOf(int partType) {
    return partType == Capacitor ? "farad" : partType == Inductor ? "henry" : "ohm";
}

// The nodes of a subcircuit: its pins first, by name, then the inner nodes
// by number from `firstInner`.
struct Nodes {
    const char* const* pins;
    int pinCount;
    int firstInner;
    int next;  // the next inner node's id (ids below pinCount are pins)

    int inner() { return next++; }

    void put(TextSink* out, int id) const {
        if (id < pinCount) {
            out->put(pins[id]);
        } else {
            out->format("%d", id - pinCount + firstInner);
        }
    }
};

// The elements of one network. An element is named `prefix` and its
// place: a number from 1 (a network's own subcircuit), a letter from "a"
// (a pair's network of more than one part), or nothing (a pair's single
// part).
enum class Places { Numbers, Letters, None };

struct Netlist {
    const NetworkDescription& network;
    const SchematicPart* parts;  // the network's, in formula order
    const char* prefix;
    Places places;
    Nodes& nodes;
    TextSink* out;

    void name(int position) {
        out->put(prefix);
        if (places == Places::Numbers) out->format("%d", position + 1);
        if (places == Places::Letters) out->putChar(static_cast<char>('a' + position));
    }

    void element(int position, int a, int b) {
        char value[40];
        formatPlainNumber(parts[position].value, value, sizeof value);
        name(position);
        out->putChar(' ');
        nodes.put(out, a);
        out->putChar(' ');
        nodes.put(out, b);
        out->format(" %s\n", value);
    }

    // The elements of node `index`, which lies between nodes a and b.
    void emit(int index, int a, int b) {
        const NetworkNode& node = network.nodes[index];
        switch (node.kind) {
            case Kind::Part:
                element(node.position, a, b);
                break;
            case Kind::Series: {
                int from = a;
                for (int i = 0; i < node.childCount; ++i) {
                    const int to = i + 1 == node.childCount ? b : nodes.inner();
                    emit(node.children[i], from, to);
                    from = to;
                }
                break;
            }
            case Kind::Parallel:
                for (int i = 0; i < node.childCount; ++i) emit(node.children[i], a, b);
                break;
            case Kind::Bridge: {
                const int c = nodes.inner(), d = nodes.inner();
                emit(node.children[BridgeArmAC], a, c);
                emit(node.children[BridgeArmAD], a, d);
                emit(node.children[BridgeCross], c, d);
                emit(node.children[BridgeArmCB], c, b);
                emit(node.children[BridgeArmDB], d, b);
                break;
            }
        }
    }
};

// "* " and the result line without its line end.
void putLineComment(TextSink* out, const char* line, TextConverter toUtf8) {
    if (line == nullptr) return;
    char text[limits::LineSize];
    size_t n = strcspn(line, "\r\n");
    if (n >= sizeof text) n = sizeof text - 1;
    memcpy(text, line, n);
    text[n] = '\0';
    out->put("* ");
    putLineText(out, text, toUtf8);
    out->putChar('\n');
}

void putNumber(TextSink* out, double value) {
    char number[40];
    formatPlainNumber(value, number, sizeof number);
    out->put(number);
}

}  // namespace

bool writeSpiceSubcircuit(const NetworkDescription& network, const Schematic& schematic,
                          const char* line, const char* name, TextConverter toUtf8,
                          TextSink* out) {
    const char letter = letterOf(schematic.partType);
    putLineComment(out, line, toUtf8);
    out->put("* value: ");
    putNumber(out, schematic.value);
    out->format(" %s\n", unitOf(schematic.partType));
    for (int i = 0; i < schematic.partCount; ++i) {
        out->format("* %c%d: ", letter, i + 1);
        putLineText(out, schematic.parts[i].name.text, toUtf8);
        out->putChar('\n');
    }
    out->format(".subckt %s 1 2\n", name);
    static const char* const pins[2] = {"1", "2"};
    Nodes nodes{pins, 2, 3, 2};
    const char prefix[2] = {letter, '\0'};
    Netlist netlist{network, schematic.parts, prefix, Places::Numbers, nodes, out};
    netlist.emit(0, 0, 1);
    out->format(".ends %s\n", name);
    return !out->cut();
}

namespace {

// The quantity's unit in the comment, by mode.
const char* const QuantityUnits[PairModeCount] = {"", "", " V", " s", " Hz"};
const char* const ModeNames[PairModeCount] = {"ratio", "divider", "feedback", "rc", "lc"};

// A pin's name: the terminal's, in capitals (SPICE reads names without
// case; capitals are how netlists write the pins of a subcircuit).
void pinName(const SchematicLabel& label, char* out, size_t size) {
    size_t n = 0;
    for (; label.text[n] != '\0' && n + 1 < size; ++n) {
        const char c = label.text[n];
        out[n] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    out[n] = '\0';
}

}  // namespace

bool writePairSpiceSubcircuit(const PairSchematic& pair, const char* line, const char* name,
                              TextConverter toUtf8, TextSink* out) {
    const Schematic& s = pair.drawing;
    const int mode = static_cast<int>(pair.mode);
    if (mode < 0 || mode >= PairModeCount || s.terminalCount < 2 ||
        s.terminalCount > limits::SchematicTerminalCapacity) {
        return false;
    }
    char pinTexts[limits::SchematicTerminalCapacity][limits::StockNameSize];
    const char* pins[limits::SchematicTerminalCapacity];
    bool numbered = true;
    for (int i = 0; i < s.terminalCount; ++i) {
        pinName(s.terminals[i].label, pinTexts[i], sizeof pinTexts[i]);
        pins[i] = pinTexts[i];
        numbered = numbered && pinTexts[i][0] >= '0' && pinTexts[i][0] <= '9';
    }
    // Each network's element names: its part letter and its number among
    // the networks of that letter.
    char prefixes[2][4];
    for (int k = 0; k < 2; ++k) {
        const PairSchematicNetwork& n = pair.networks[k];
        const bool second = k == 1 && letterOf(n.partType) == letterOf(pair.networks[0].partType);
        snprintf(prefixes[k], sizeof prefixes[k], "%c%d", letterOf(n.partType), second ? 2 : 1);
    }

    putLineComment(out, line, toUtf8);
    out->format("* %s: ", ModeNames[mode]);
    putNumber(out, pair.quantity);
    out->format("%s\n", QuantityUnits[mode]);
    for (const PairSchematicNetwork& n : pair.networks) {
        out->put("* ");
        putLineText(out, s.labels[n.label].text, toUtf8);
        out->format(" between %s and %s: ", pins[n.pins[0]], pins[n.pins[1]]);
        putNumber(out, n.value);
        out->format(" %s\n", unitOf(n.partType));
    }
    for (int k = 0; k < 2; ++k) {
        const PairSchematicNetwork& n = pair.networks[k];
        for (int i = 0; i < n.partCount; ++i) {
            out->format("* %s", prefixes[k]);
            if (n.partCount > 1) out->putChar(static_cast<char>('a' + i));
            out->put(": ");
            putLineText(out, s.parts[n.firstPart + i].name.text, toUtf8);
            out->putChar('\n');
        }
    }
    out->format(".subckt %s", name);
    for (int i = 0; i < s.terminalCount; ++i) out->format(" %s", pins[i]);
    out->putChar('\n');
    Nodes nodes{pins, s.terminalCount, numbered ? s.terminalCount + 1 : 1, s.terminalCount};
    for (int k = 0; k < 2; ++k) {
        const PairSchematicNetwork& n = pair.networks[k];
        const NetworkDescription* network = networkDescription(n.shape);
        if (network == nullptr || network->partCount != n.partCount) return false;
        Netlist netlist{*network, s.parts + n.firstPart, prefixes[k],
                        n.partCount > 1 ? Places::Letters : Places::None, nodes, out};
        netlist.emit(0, n.pins[0], n.pins[1]);
    }
    out->format(".ends %s\n", name);
    return !out->cut();
}
