// The network templates, grouped by size. Each size runs its templates in
// the order of its table, with the "Parallel only" tests that stand between
// them. A size returns non-zero when a recording asked to stop the whole
// search (a limit was reached, or the search was asked to stop); the caller
// then ends the search at once.
#pragma once

#include <cstdint>

#include "engine/network_shapes.h"

// One template as its size runs it: the shape it records and its walk.
struct NetworkTemplate {
    const NetworkShape* shape;
    int32_t (*run)();  // non-zero when a recording ended the whole search
};

// The templates of each size in their order of running. The first of the
// four- and five-part tables is the pure parallel group, which "Parallel
// only" keeps; the five-part chains run before the compound forms, and the
// bridge, behind its own gate, last of all.
extern const NetworkShape onePartShape;
extern const NetworkTemplate twoPartTemplates[2];
extern const NetworkTemplate threePartTemplates[4];
extern const NetworkTemplate fourPartTemplates[10];
extern const NetworkTemplate fivePartChainTemplates[16];
extern const NetworkTemplate fivePartCompoundTemplates[8];
extern const NetworkShape bridgeShape;

// Template 1: each candidate alone. Its recordings cannot reach a limit.
void runOnePartNetworks();

// Two in series, two in parallel.
int32_t runTwoPartNetworks();
// The chain and the group of three, then the two nestings of a pair.
int32_t runThreePartNetworks();
// The ten four-part templates.
int32_t runFourPartNetworks();
// The whole five-part step: the sixteen chains and single nestings, then
// the compound forms and the bridge.
int32_t runFivePartNetworks();
// The eight compound five-part forms and, behind its own gate, the bridge.
int32_t runFivePartCompoundNetworks();

// Size n of 2 to 5.
int32_t runNetworksOfSize(int n);

// Runs templates [from, count) of a table in order; non-zero as soon as one
// ends the whole search.
int32_t runTemplates(const NetworkTemplate* templates, int from, int count);

// Whether the shapes of a table are numbered on from `firstId`, one by one
// in the table's order, with `parts` parts each: checked at compile time
// where each table is defined.
constexpr bool numberedFrom(const NetworkTemplate* templates, int count, int firstId, int parts) {
    for (int t = 0; t < count; ++t) {
        if (templates[t].shape->id != firstId + t || templates[t].shape->parts != parts) return false;
    }
    return true;
}

// The network templates as runSearch calls them: the one-part networks, then
// the networks of one size of two to five parts.
struct NetworkTemplates {
    void (*runOnePart)();
    int32_t (*runOfSize)(int n);
};

// The program's templates.
extern const NetworkTemplates programTemplates;

// The templates runSearch runs: the program's, unless a comparison with the
// straightforward reference loops (tests, the benchmark) chose those.
extern const NetworkTemplates* searchTemplates;
