// Networks of one, two and three parts, and the sizes' entry point.
//
// Every template of two or more parts is a table of its levels (the way
// each loop runs and how it places its part) and the value it records,
// which the walk of network_walk.h runs as its nest of loops.
#include "engine/networks.h"

#include "control/shared_state.h"
#include "engine/network_walk.h"
#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "engine/search_inputs.h"

const char* const oneTwoThreeFormats[7] = {
    "1:%8.3f%s,%6.2f%%, %s\r\n",
    "2:%8.3f%s,%6.2f%%, %s + %s\r\n",
    "2:%8.3f%s,%6.2f%%, %s / %s\r\n",
    "3:%8.3f%s,%6.2f%%, %s + %s + %s\r\n",
    "3:%8.3f%s,%6.2f%%, %s / %s / %s\r\n",
    "3:%8.3f%s,%6.2f%%, %s +(%s / %s)\r\n",
    "3:%8.3f%s,%6.2f%%, %s /(%s + %s)\r\n",
};

const NetworkTemplates programTemplates = {runOnePartNetworks, runNetworksOfSize};
const NetworkTemplates* searchTemplates = &programTemplates;

void runOnePartNetworks() {
    const SearchStage& window = stages[0];
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        double s1 = stockParts[pick1].seriesValue;
        if (window.seriesHigh < s1) break;
        if (window.seriesLow <= s1) recordMatch(oneTwoThreeFormats[0], s1);
    }
}

namespace {

using P = Place;

// "%s + %s": a chain of two, printed larger first.
struct TwoInSeries {
    static constexpr int parts = 2;
    static constexpr Level levels[parts] = {downFromTop(P::Series), downFrom(1)};
    static double value(double s2) { return stages[1].seriesSum + s2; }
};

// "%s / %s": a group of two, printed smaller first.
struct TwoInParallel {
    static constexpr int parts = 2;
    static constexpr Level levels[parts] = {upFromBottom(P::Parallel), upFrom(1)};
    static double value(double g2) { return 1 / (stages[1].parallelSum + g2); }
};

// "%s + %s + %s"
struct ThreeInSeries {
    static constexpr int parts = 3;
    static constexpr Level levels[parts] = {downFromTop(P::Series), downFrom(1, P::Series),
                                            downFrom(2)};
    static double value(double s3) { return stages[2].seriesSum + s3; }
};

// "%s / %s / %s"
struct ThreeInParallel {
    static constexpr int parts = 3;
    static constexpr Level levels[parts] = {upFromBottom(P::Parallel), upFrom(1, P::Parallel),
                                            upFrom(2)};
    static double value(double g3) { return 1 / (stages[2].parallelSum + g3); }
};

// "%s +(%s / %s)": the pair does not depend on part 1, so its loop starts
// afresh at the bottom.
struct OneInSeriesWithPair {
    static constexpr int parts = 3;
    static constexpr Level levels[parts] = {downFromTop(P::SeriesFull),
                                            upFromBottom(P::Parallel), upFrom(2)};
    static double value(double g3) {
        return 1 / (stages[2].parallelSum + g3) + stages[1].seriesSum;
    }
};

// "%s /(%s + %s)"
struct OneInParallelWithPair {
    static constexpr int parts = 3;
    static constexpr Level levels[parts] = {upFromBottom(P::ParallelFull),
                                            downFromTop(P::Series), downFrom(2)};
    static double value(double s3) {
        return 1 / (1 / (stages[2].seriesSum + s3) + stages[1].parallelSum);
    }
};

bool parallelOnly() { return settings.parallelOnly != 0; }

}  // namespace

int32_t runTwoPartNetworks() {
    prepareWalk();
    if (!parallelOnly() && NetworkWalk<TwoInSeries>::run(oneTwoThreeFormats[1]) != 0) return -1;
    return NetworkWalk<TwoInParallel>::run(oneTwoThreeFormats[2]);
}

// "Parallel only" is read before each template with a series connection,
// since the check box stays usable while the search runs.
int32_t runThreePartNetworks() {
    prepareWalk();
    if (!parallelOnly() && NetworkWalk<ThreeInSeries>::run(oneTwoThreeFormats[3]) != 0) {
        return -1;
    }
    if (NetworkWalk<ThreeInParallel>::run(oneTwoThreeFormats[4]) != 0) return -1;
    if (parallelOnly()) return 0;
    if (NetworkWalk<OneInSeriesWithPair>::run(oneTwoThreeFormats[5]) != 0) return -1;
    return NetworkWalk<OneInParallelWithPair>::run(oneTwoThreeFormats[6]);
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
