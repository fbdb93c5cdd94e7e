// What a recorded network is as the person at the bench wires it: a tree of
// series and parallel groups of the parts its result line names, or the
// bridge with its five parts in their places. One constant description per
// shape (network_shapes.h), kept by shape number; the parts are named by
// their place in the formula, which is also their index in a record's picks.
#pragma once

#include <cstdint>

#include "engine/limits.h"

enum class NetworkNodeKind : int8_t {
    Part,      // one part of the line
    Series,    // its members one after another ("+")
    Parallel,  // its members side by side between the same two nodes ("/")
    Bridge,    // five parts between terminals A and B and inner nodes C and D
};

// The bridge's places, in the order its line names the parts.
enum BridgePlace : int8_t {
    BridgeArmAC = 0,  // from terminal A to inner node C
    BridgeArmAD = 1,  // from terminal A to inner node D
    BridgeCross = 2,  // between the inner nodes C and D
    BridgeArmCB = 3,  // from C to terminal B
    BridgeArmDB = 4,  // from D to terminal B
};

struct NetworkNode {
    NetworkNodeKind kind;
    int8_t position;    // a part: its place in the formula, 0 to 4
    int8_t childCount;  // a group: 2 to 5 members; the bridge: 5; a part: 0
    // Indices into the description's nodes: a group's members in the order
    // the formula names them, the bridge's parts by BridgePlace.
    int8_t children[limits::MaxNetworkParts];
};

struct NetworkDescription {
    int8_t nodeCount;
    int8_t partCount;
    NetworkNode nodes[limits::NetworkNodeCapacity];  // nodes[0] is the whole network
};

// The description of shape `shapeId` (0 to 41); null for a number that names
// no shape.
const NetworkDescription* networkDescription(int shapeId);

// The network's value in the series domain (ohm, henry or 1/farad, as the
// search computes) from the series values of its parts in formula order:
// a series group adds its members' values, a parallel group their
// reciprocals, and the bridge follows Kirchhoff's laws for its five places.
double describedValue(const NetworkDescription& network, const double* seriesValues);

// The bridge between terminals A and B from the series values of its five
// places (BridgePlace order), by Kirchhoff's laws.
double bridgeAcrossTerminals(const double* places);
