// The straightforward network loops the search was first written with: every
// template as its plain nest of loops, pruned only by the placement steps and
// the innermost tests. They are not part of the program. Tests and the
// benchmark run a search through them beside the program's own templates and
// compare: both must record the same lines, in the same order, with the same
// values, for every input.
#pragma once

#include <cstdint>

#include "engine/networks.h"

namespace reference {

void runOnePartNetworks();
int32_t runTwoPartNetworks();
int32_t runThreePartNetworks();
int32_t runFourPartNetworks();
int32_t runFivePartNetworks();
int32_t runFivePartCompoundNetworks();
int32_t runNetworksOfSize(int n);

// The program's shapes, by their place among the networks of one to three,
// four and five parts: the networks print alike, and the comparison is of
// what each records.
struct ShapesFrom {
    int first;  // the number of the first shape
    const NetworkShape& operator[](int t) const { return *networkShape(first + t); }
};
constexpr ShapesFrom oneTwoThreeShapes{0};
constexpr ShapesFrom fourPartShapes{7};
constexpr ShapesFrom fivePartShapes{17};

// The reference loops as runSearch calls them.
extern const NetworkTemplates templates;

}  // namespace reference
