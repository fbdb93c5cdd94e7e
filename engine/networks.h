// The network templates, grouped by size. Each size runs its templates in
// their fixed order, with the "Parallel only" tests that stand between them.
// A size returns non-zero when a recording asked to stop the whole search
// (a limit was reached, or the search was asked to stop).
#pragma once

#include <cstdint>

// Template 1: each candidate alone. Its recordings cannot reach a limit.
void runOnePartNetworks();

int32_t runTwoPartNetworks();
int32_t runThreePartNetworks();
int32_t runFourPartNetworks();
int32_t runFivePartNetworks();

// Size n of 2 to 5.
int32_t runNetworksOfSize(int n);

// The format strings of the templates, in their order of running, by size:
// oneTwoThreeFormats[0] is the one-part template, [1..2] the two-part and
// [3..6] the three-part ones.
extern const char* const oneTwoThreeFormats[7];
