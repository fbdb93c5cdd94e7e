// Whether the walk may narrow its loops for the stock of this search.
#include "engine/network_walk.h"

#include <limits>

bool walkNarrows = true;
double walkSeries[limits::StockCapacity + 2 * WalkGuard];
double walkParallel[limits::StockCapacity + 2 * WalkGuard];

void prepareWalk() {
    const double infinity = std::numeric_limits<double>::infinity();
    for (int32_t d = 1; d <= WalkGuard; ++d) {
        walkSeries[WalkGuard + firstCandidate - d] = -infinity;
        walkParallel[WalkGuard + firstCandidate - d] = infinity;
        walkSeries[WalkGuard + lastCandidate + d] = infinity;
        walkParallel[WalkGuard + lastCandidate + d] = -infinity;
    }
    for (int32_t i = firstCandidate; i <= lastCandidate; ++i) {
        walkSeries[WalkGuard + i] = stockParts[i].seriesValue;
        walkParallel[WalkGuard + i] = stockParts[i].parallelValue;
    }

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
