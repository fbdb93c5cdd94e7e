// Whether the walk may narrow its loops for the stock of this search, and
// the recording of what its tasks found.
#include "engine/network_walk.h"

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

int32_t recordFound(const NetworkShape& shape, const TaskMatches& store) {
    for (int32_t i = 0; i < store.count; ++i) {
        uint64_t key = store.entries[i].key;
        pick1 = pickOf(key, 1);
        pick2 = pickOf(key, 2);
        pick3 = pickOf(key, 3);
        pick4 = pickOf(key, 4);
        pick5 = pickOf(key, 5);
        if (recordMatch(shape, store.entries[i].value) != 0) return -1;
    }
    return 0;
}
