// Networks of one, two and three parts: the reference loops.
#include "tests/reference/reference_networks.h"

#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"
#include "tests/reference/network_levels.h"

namespace reference {

void runOnePartNetworks() {
    const SearchStage& window = stages[0];
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        double s1 = stockParts[pick1].seriesValue;
        if (window.seriesHigh < s1) break;
        if (window.seriesLow <= s1) recordMatch(oneTwoThreeShapes[0], s1);
    }
}

namespace {

// "%s + %s": a chain of two, printed larger first.
int32_t twoInSeries() {
    const NetworkShape& shape = oneTwoThreeShapes[1];
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        if (seriesStep(1, pick1)) continue;
        if (seriesEnd(pick2, pick1, 1, shape,
                      [](double s2) { return stages[1].seriesSum + s2; }) != 0) {
            return -1;
        }
    }
    return 0;
}

// "%s / %s": a group of two, printed smaller first.
int32_t twoInParallel() {
    const NetworkShape& shape = oneTwoThreeShapes[2];
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        if (parallelStep(1, pick1)) continue;
        if (parallelEnd(pick2, pick1, 1, shape,
                        [](double g2) { return 1 / (stages[1].parallelSum + g2); }) != 0) {
            return -1;
        }
    }
    return 0;
}

// "%s + %s + %s"
int32_t threeInSeries() {
    const NetworkShape& shape = oneTwoThreeShapes[3];
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        if (seriesStep(1, pick1)) continue;
        for (pick2 = pick1; pick2 >= firstCandidate; --pick2) {
            if (seriesStep(2, pick2)) continue;
            if (seriesEnd(pick3, pick2, 2, shape,
                          [](double s3) { return stages[2].seriesSum + s3; }) != 0) {
                return -1;
            }
        }
    }
    return 0;
}

// "%s / %s / %s"
int32_t threeInParallel() {
    const NetworkShape& shape = oneTwoThreeShapes[4];
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        if (parallelStep(1, pick1)) continue;
        for (pick2 = pick1; pick2 <= lastCandidate; ++pick2) {
            if (parallelStep(2, pick2)) continue;
            if (parallelEnd(pick3, pick2, 2, shape,
                            [](double g3) { return 1 / (stages[2].parallelSum + g3); }) != 0) {
                return -1;
            }
        }
    }
    return 0;
}

// "%s +(%s / %s)": the pair does not depend on part 1, so its loop starts
// afresh at the bottom.
int32_t oneInSeriesWithPair() {
    const NetworkShape& shape = oneTwoThreeShapes[5];
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        if (addSeries(1, pick1)) continue;
        for (pick2 = firstCandidate; pick2 <= lastCandidate; ++pick2) {
            if (parallelStep(2, pick2)) continue;
            if (parallelEnd(pick3, pick2, 2, shape, [](double g3) {
                    return 1 / (stages[2].parallelSum + g3) + stages[1].seriesSum;
                }) != 0) {
                return -1;
            }
        }
    }
    return 0;
}

// "%s /(%s + %s)"
int32_t oneInParallelWithPair() {
    const NetworkShape& shape = oneTwoThreeShapes[6];
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        if (addParallel(1, pick1)) continue;
        for (pick2 = lastCandidate; pick2 >= firstCandidate; --pick2) {
            if (seriesStep(2, pick2)) continue;
            if (seriesEnd(pick3, pick2, 2, shape, [](double s3) {
                    return 1 / (1 / (stages[2].seriesSum + s3) + stages[1].parallelSum);
                }) != 0) {
                return -1;
            }
        }
    }
    return 0;
}

bool parallelOnly() { return settings.parallelOnly != 0; }

}  // namespace

int32_t runTwoPartNetworks() {
    if (!parallelOnly() && twoInSeries() != 0) return -1;
    return twoInParallel();
}

// "Parallel only" is read before each template with a series connection,
// since the check box stays usable while the search runs.
int32_t runThreePartNetworks() {
    if (!parallelOnly() && threeInSeries() != 0) return -1;
    if (threeInParallel() != 0) return -1;
    if (parallelOnly()) return 0;
    if (oneInSeriesWithPair() != 0) return -1;
    return oneInParallelWithPair();
}

int32_t runNetworksOfSize(int n) {
    switch (n) {
        case 2: return runTwoPartNetworks();
        case 3: return runThreePartNetworks();
        case 4: return runFourPartNetworks();
        case 5: return runFivePartNetworks();
        default: return 0;
    }
}

}  // namespace reference
