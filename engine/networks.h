// The network templates, grouped by size. Each size runs its templates in
// their fixed order, with the "Parallel only" tests that stand between them.
// A size returns non-zero when a recording asked to stop the whole search
// (a limit was reached, or the search was asked to stop); the caller then
// ends the search at once.
#pragma once

#include <cstdint>

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

// The format strings of the templates, in their order of running, by size:
// oneTwoThreeFormats[0] is the one-part template, [1..2] the two-part and
// [3..6] the three-part ones; fivePartFormats[24] is the bridge.
extern const char* const oneTwoThreeFormats[7];
extern const char* const fourPartFormats[10];
extern const char* const fivePartFormats[25];

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
