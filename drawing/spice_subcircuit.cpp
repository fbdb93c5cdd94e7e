// The SPICE writer: the network description turned into a netlist, each
// series join and each of the bridge's inner nodes a node of its own.
#include "drawing/spice_subcircuit.h"

#include <cstring>

#include "drawing/value_text.h"
#include "engine/network_description.h"
#include "engine/search_inputs.h"

namespace {

using Kind = NetworkNodeKind;

struct Netlist {
    const NetworkDescription& network;
    const Schematic& schematic;
    char letter;
    int nextNode;
    TextSink* out;

    void element(int position, int a, int b) {
        char value[40];
        formatPlainNumber(schematic.parts[position].value, value, sizeof value);
        out->format("%c%d %d %d %s\n", letter, position + 1, a, b, value);
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
                    const int to = i + 1 == node.childCount ? b : nextNode++;
                    emit(node.children[i], from, to);
                    from = to;
                }
                break;
            }
            case Kind::Parallel:
                for (int i = 0; i < node.childCount; ++i) emit(node.children[i], a, b);
                break;
            case Kind::Bridge: {
                const int c = nextNode++, d = nextNode++;
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

}  // namespace

bool writeSpiceSubcircuit(const NetworkDescription& network, const Schematic& schematic,
                          const char* line, const char* name, TextConverter toUtf8,
                          TextSink* out) {
    const char letter = schematic.partType == Capacitor  ? 'C'
                        : schematic.partType == Inductor ? 'L'
                                                         : 'R';
    const char* unit = schematic.partType == Capacitor  ? "farad"
                       : schematic.partType == Inductor ? "henry"
                                                        : "ohm";
    if (line != nullptr) {
        char text[limits::LineSize];
        size_t n = strcspn(line, "\r\n");
        if (n >= sizeof text) n = sizeof text - 1;
        memcpy(text, line, n);
        text[n] = '\0';
        out->put("* ");
        putLineText(out, text, toUtf8);
        out->putChar('\n');
    }
    char value[40];
    formatPlainNumber(schematic.value, value, sizeof value);
    out->format("* value: %s %s\n", value, unit);
    for (int i = 0; i < schematic.partCount; ++i) {
        out->format("* %c%d: ", letter, i + 1);
        putLineText(out, schematic.parts[i].name.text, toUtf8);
        out->putChar('\n');
    }
    out->format(".subckt %s 1 2\n", name);
    Netlist netlist{network, schematic, letter, 3, out};
    netlist.emit(0, 1, 2);
    out->format(".ends %s\n", name);
    return !out->cut();
}
