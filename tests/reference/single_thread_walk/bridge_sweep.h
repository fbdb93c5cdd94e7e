// The bridge, the last five-part template: five parts between terminals A
// and B and inner nodes C and D, arms A-C (pick1) and A-D (pick2), the cross
// part C-D (pick3), arms C-B (pick4) and D-B (pick5). Every combination with
// pick2 not above pick1 is a network of its own, tested against the
// acceptance window itself.
#pragma once

#include <cstdint>

#include "engine/network_shapes.h"

namespace single_thread_walk {

// Records every matching bridge in the order of the five plain loops: pick1
// down from the top, pick2 down from pick1, pick3 to pick5 each down from
// the top. Returns non-zero when a recording ended the whole search (or the
// search was asked to stop).
int32_t sweepBridge(const NetworkShape& shape);

// The value of the bridge with parts of seriesValue s1 to s5 in pick order:
// the triangle A, C, D turned into its equivalent star, whose arm at A leads
// to the two paths over C and D in parallel.
double bridgeValue(double s1, double s2, double s3, double s4, double s5);

}  // namespace single_thread_walk
