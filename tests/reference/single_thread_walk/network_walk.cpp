// Whether the walk may narrow its loops for the stock of this search.
#include "tests/reference/single_thread_walk/network_walk.h"
#include "tests/reference/single_thread_walk/walk_networks.h"

namespace single_thread_walk {

bool walkNarrows = true;

void prepareWalk() {
    // The too-small and too-large tests on parallel steps are monotonic in
    // the index only while parallelValue does not rise with it. It always
    // falls for resistors and inductors (the reciprocal of a rising value);
    // two capacitances whose reciprocals round to the same seriesValue may
    // stand in either order.
    walkNarrows = true;
    for (int32_t i = firstCandidate; i < lastCandidate; ++i) {
        if (stockParts[i].parallelValue < stockParts[i + 1].parallelValue) {
            walkNarrows = false;
            return;
        }
    }
}

}  // namespace single_thread_walk
