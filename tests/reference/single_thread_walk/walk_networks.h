// The single-threaded walk as it stood before the search ran on every core
// and met in the middle for five parts: the network templates with the walk
// of network_walk.h, and the bridge sweep, kept here unchanged (apart from
// their namespace) so that tests and the benchmark can compare the search
// with it on stocks far too large for the plain loops of tests/reference.
// The declarations of its templates, as engine/networks.h declares the
// program's.
#pragma once

#include <cstdint>

#include "engine/networks.h"

namespace single_thread_walk {

extern const NetworkShape onePartShape;
extern const NetworkTemplate twoPartTemplates[2];
extern const NetworkTemplate threePartTemplates[4];
extern const NetworkTemplate fourPartTemplates[10];
extern const NetworkTemplate fivePartChainTemplates[16];
extern const NetworkTemplate fivePartCompoundTemplates[8];
extern const NetworkShape bridgeShape;

void runOnePartNetworks();
int32_t runTwoPartNetworks();
int32_t runThreePartNetworks();
int32_t runFourPartNetworks();
int32_t runFivePartNetworks();
int32_t runFivePartCompoundNetworks();
int32_t runNetworksOfSize(int n);
int32_t runTemplates(const NetworkTemplate* templates, int from, int count);

// The whole walk as runSearch calls templates.
extern const NetworkTemplates templates;

}  // namespace single_thread_walk
