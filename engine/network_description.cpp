// The 42 network descriptions, one row per shape, written as trees: S(...)
// a series group, P(...) a parallel group, B(...) the bridge, digits the
// parts in formula order. The rows are read into nodes at compile time, and
// a row that is not a well-formed tree stops the build; a test ties each
// row to its shape's formula and to the values the search records.
#include "engine/network_description.h"

namespace {

using Kind = NetworkNodeKind;

struct TreeReader {
    const char* text;
    int at;
    bool ok;
    NetworkDescription network;
};

constexpr void fail(TreeReader& r) { r.ok = false; }

// Reads one node at r.at and returns its index.
constexpr int readNode(TreeReader& r) {
    if (!r.ok || r.network.nodeCount >= limits::NetworkNodeCapacity) {
        fail(r);
        return 0;
    }
    const int index = r.network.nodeCount++;
    NetworkNode& node = r.network.nodes[index];
    const char c = r.text[r.at++];
    if (c >= '1' && c <= '5') {
        // The parts stand in the order their names print.
        if (c - '1' != r.network.partCount) fail(r);
        node.kind = Kind::Part;
        node.position = static_cast<int8_t>(r.network.partCount++);
        return index;
    }
    if (c == 'S') {
        node.kind = Kind::Series;
    } else if (c == 'P') {
        node.kind = Kind::Parallel;
    } else if (c == 'B') {
        node.kind = Kind::Bridge;
    } else {
        fail(r);
        return index;
    }
    if (r.text[r.at++] != '(') fail(r);
    while (r.ok) {
        if (node.childCount >= limits::MaxNetworkParts) {
            fail(r);
            break;
        }
        const int child = readNode(r);
        node.children[node.childCount++] = static_cast<int8_t>(child);
        const NetworkNode& member = r.network.nodes[child];
        // A group never holds a group of its own kind: that would be one
        // group drawn twice. The bridge holds parts only.
        if (member.kind == node.kind) fail(r);
        if (node.kind == Kind::Bridge && member.kind != Kind::Part) fail(r);
        const char next = r.text[r.at++];
        if (next == ')') break;
        if (next != ' ') fail(r);
    }
    const int wanted = node.kind == Kind::Bridge ? limits::MaxNetworkParts : 2;
    if (node.childCount < wanted) fail(r);
    return index;
}

constexpr NetworkDescription describe(const char* tree) {
    TreeReader r{tree, 0, true, {}};
    readNode(r);
    if (r.text[r.at] != '\0') fail(r);
    if (!r.ok) r.network.nodeCount = 0;
    return r.network;
}

//  tree                                   id  result line formula
constexpr NetworkDescription descriptions[] = {
    describe("1"),                      //  0  %s
    describe("S(1 2)"),                 //  1  %s + %s
    describe("P(1 2)"),                 //  2  %s / %s
    describe("S(1 2 3)"),               //  3  %s + %s + %s
    describe("P(1 2 3)"),               //  4  %s / %s / %s
    describe("S(1 P(2 3))"),            //  5  %s +(%s / %s)
    describe("P(1 S(2 3))"),            //  6  %s /(%s + %s)
    describe("P(1 2 3 4)"),             //  7  %s / %s / %s / %s
    describe("S(1 2 3 4)"),             //  8  %s + %s + %s + %s
    describe("S(1 2 P(3 4))"),          //  9  %s + %s +(%s / %s)
    describe("S(1 P(2 3 4))"),          // 10  %s +(%s / %s / %s)
    describe("S(P(1 2) P(3 4))"),       // 11  (%s / %s)+(%s / %s)
    describe("P(S(1 2) S(3 4))"),       // 12  (%s + %s)/(%s + %s)
    describe("P(1 2 S(3 4))"),          // 13  %s / %s /(%s + %s)
    describe("P(1 S(2 3 4))"),          // 14  %s /(%s + %s + %s)
    describe("S(1 P(2 S(3 4)))"),       // 15  %s +(%s /(%s + %s))
    describe("P(1 S(2 P(3 4)))"),       // 16  %s /(%s +(%s / %s))
    describe("P(1 2 3 4 5)"),           // 17  %s / %s / %s / %s / %s
    describe("S(1 2 3 4 5)"),           // 18  %s + %s + %s + %s + %s
    describe("S(1 2 3 P(4 5))"),        // 19  %s + %s + %s +(%s / %s)
    describe("S(1 2 P(3 4 5))"),        // 20  %s + %s +(%s / %s / %s)
    describe("S(1 P(2 3 4 5))"),        // 21  %s +(%s / %s / %s / %s)
    describe("P(1 2 3 S(4 5))"),        // 22  %s / %s / %s /(%s + %s)
    describe("P(1 2 S(3 4 5))"),        // 23  %s / %s /(%s + %s + %s)
    describe("P(1 S(2 3 4 5))"),        // 24  %s /(%s + %s + %s + %s)
    describe("S(1 2 P(3 S(4 5)))"),     // 25  %s + %s +(%s /(%s + %s))
    describe("S(1 P(2 3 S(4 5)))"),     // 26  %s +(%s / %s /(%s + %s))
    describe("S(1 P(2 S(3 4 5)))"),     // 27  %s +(%s /(%s + %s + %s))
    describe("S(1 P(2 S(3 P(4 5))))"),  // 28  %s +(%s /(%s +(%s / %s)))
    describe("P(1 2 S(3 P(4 5)))"),     // 29  %s / %s /(%s +(%s / %s))
    describe("P(1 S(2 3 P(4 5)))"),     // 30  %s /(%s + %s +(%s / %s))
    describe("P(1 S(2 P(3 4 5)))"),     // 31  %s /(%s +(%s / %s / %s))
    describe("P(1 S(2 P(3 S(4 5))))"),  // 32  %s /(%s +(%s /(%s + %s)))
    describe("S(P(1 2) P(3 4) 5)"),     // 33  (%s / %s)+(%s / %s)+ %s
    describe("S(P(1 2) P(3 4 5))"),     // 34  (%s / %s)+(%s / %s / %s)
    describe("S(P(1 2) P(3 S(4 5)))"),  // 35  (%s / %s)+(%s /(%s + %s))
    describe("P(S(1 2) S(3 4) 5)"),     // 36  (%s + %s)/(%s + %s)/ %s
    describe("P(S(1 2) S(3 4 5))"),     // 37  (%s + %s)/(%s + %s + %s)
    describe("P(S(1 2) S(3 P(4 5)))"),  // 38  (%s + %s)/(%s + (%s / %s))
    describe("P(1 S(P(2 3) P(4 5)))"),  // 39  %s /((%s / %s)+(%s / %s))
    describe("S(1 P(S(2 3) S(4 5)))"),  // 40  %s + (%s + %s)/(%s + %s)
    describe("B(1 2 3 4 5)"),           // 41  Bridge(%s, %s, %s, %s, %s)
};

static_assert(sizeof descriptions / sizeof descriptions[0] == limits::NetworkShapeCount,
              "one description per shape");

constexpr bool allWellFormed() {
    for (const NetworkDescription& d : descriptions) {
        if (d.nodeCount == 0 || d.partCount < 1 || d.partCount > limits::MaxNetworkParts) {
            return false;
        }
    }
    return true;
}
static_assert(allWellFormed(), "every row is a tree of one to five parts in formula order");

double nodeValue(const NetworkDescription& network, int index, const double* seriesValues);

// The bridge's five places live in a function of their own, kept out of
// nodeValue: an array on the stack gives its function the stack protector's
// canary check at every call, and nodeValue runs once for every node of
// every network the pair search values, bridge or not.
[[gnu::noinline]] double bridgeNodeValue(const NetworkDescription& network, const NetworkNode& node,
                                         const double* seriesValues) {
    double places[limits::MaxNetworkParts];
    for (int i = 0; i < limits::MaxNetworkParts; ++i) {
        places[i] = nodeValue(network, node.children[i], seriesValues);
    }
    return bridgeAcrossTerminals(places);
}

double nodeValue(const NetworkDescription& network, int index, const double* seriesValues) {
    const NetworkNode& node = network.nodes[index];
    switch (node.kind) {
        case Kind::Part:
            return seriesValues[node.position];
        case Kind::Series: {
            double sum = 0;
            for (int i = 0; i < node.childCount; ++i) {
                sum += nodeValue(network, node.children[i], seriesValues);
            }
            return sum;
        }
        case Kind::Parallel: {
            double sum = 0;
            for (int i = 0; i < node.childCount; ++i) {
                sum += 1 / nodeValue(network, node.children[i], seriesValues);
            }
            return 1 / sum;
        }
        case Kind::Bridge:
            return bridgeNodeValue(network, node, seriesValues);
    }
    return 0;
}

}  // namespace

// Terminal A to terminal B through the five places, by Kirchhoff's laws
// (the same value as the star transform the search uses, reached another
// way): with p = AC, q = AD, x = CD, r = CB, s = DB,
// (pq(r+s) + rs(p+q) + x(p+r)(q+s)) / ((p+q)(r+s) + x(p+q+r+s)).
double bridgeAcrossTerminals(const double* v) {
    const double p = v[BridgeArmAC], q = v[BridgeArmAD], x = v[BridgeCross];
    const double r = v[BridgeArmCB], s = v[BridgeArmDB];
    return (p * q * (r + s) + r * s * (p + q) + x * (p + r) * (q + s)) /
           ((p + q) * (r + s) + x * (p + q + r + s));
}

const NetworkDescription* networkDescription(int shapeId) {
    if (shapeId < 0 || shapeId >= limits::NetworkShapeCount) return nullptr;
    return &descriptions[shapeId];
}

double describedValue(const NetworkDescription& network, const double* seriesValues) {
    return nodeValue(network, 0, seriesValues);
}
