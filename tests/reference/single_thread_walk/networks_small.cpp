// Networks of one, two and three parts, and the sizes' entry point.
//
// Every template of two or more parts is a table of its levels (the way
// each loop runs and how it places its part) and the value it records,
// which the walk of network_walk.h runs as its nest of loops.
#include "tests/reference/single_thread_walk/walk_networks.h"

#include "tests/reference/single_thread_walk/network_walk.h"
#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"

namespace single_thread_walk {

const NetworkShape onePartShape = {0, 1, "1:%8.3f%s,%6.2f%%, %s\r\n"};


void runOnePartNetworks() {
    const SearchStage& window = stages[0];
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        double s1 = stockParts[pick1].seriesValue;
        if (aboveWindow(window.seriesHigh, s1)) break;
        if (!belowWindow(window.seriesLow, s1)) recordMatch(onePartShape, s1);
    }
}

namespace {

using P = Place;

// "%s + %s": a chain of two, printed larger first.
struct TwoInSeries {
    static constexpr NetworkShape shape{1, 2, "2:%8.3f%s,%6.2f%%, %s + %s\r\n"};
    static constexpr int parts = 2;
    static constexpr Level levels[parts] = {downFromTop(P::Series), downFrom(1)};
    static double value(double s2) { return stages[1].seriesSum + s2; }
};

// "%s / %s": a group of two, printed smaller first.
struct TwoInParallel {
    static constexpr NetworkShape shape{2, 2, "2:%8.3f%s,%6.2f%%, %s / %s\r\n"};
    static constexpr int parts = 2;
    static constexpr Level levels[parts] = {upFromBottom(P::Parallel), upFrom(1)};
    static double value(double g2) { return 1 / (stages[1].parallelSum + g2); }
};

// "%s + %s + %s"
struct ThreeInSeries {
    static constexpr NetworkShape shape{3, 3, "3:%8.3f%s,%6.2f%%, %s + %s + %s\r\n"};
    static constexpr int parts = 3;
    static constexpr Level levels[parts] = {downFromTop(P::Series), downFrom(1, P::Series),
                                            downFrom(2)};
    static double value(double s3) { return stages[2].seriesSum + s3; }
};

// "%s / %s / %s"
struct ThreeInParallel {
    static constexpr NetworkShape shape{4, 3, "3:%8.3f%s,%6.2f%%, %s / %s / %s\r\n"};
    static constexpr int parts = 3;
    static constexpr Level levels[parts] = {upFromBottom(P::Parallel), upFrom(1, P::Parallel),
                                            upFrom(2)};
    static double value(double g3) { return 1 / (stages[2].parallelSum + g3); }
};

// "%s +(%s / %s)": the pair does not depend on part 1, so its loop starts
// afresh at the bottom.
struct OneInSeriesWithPair {
    static constexpr NetworkShape shape{5, 3, "3:%8.3f%s,%6.2f%%, %s +(%s / %s)\r\n"};
    static constexpr int parts = 3;
    static constexpr Level levels[parts] = {downFromTop(P::SeriesFull),
                                            upFromBottom(P::Parallel), upFrom(2)};
    static double value(double g3) {
        return 1 / (stages[2].parallelSum + g3) + stages[1].seriesSum;
    }
};

// "%s /(%s + %s)"
struct OneInParallelWithPair {
    static constexpr NetworkShape shape{6, 3, "3:%8.3f%s,%6.2f%%, %s /(%s + %s)\r\n"};
    static constexpr int parts = 3;
    static constexpr Level levels[parts] = {upFromBottom(P::ParallelFull),
                                            downFromTop(P::Series), downFrom(2)};
    static double value(double s3) {
        return 1 / (1 / (stages[2].seriesSum + s3) + stages[1].parallelSum);
    }
};

bool parallelOnly() { return settings.parallelOnly != 0; }

}  // namespace

constexpr NetworkTemplate twoPartTemplates[2] = {walkOf<TwoInSeries>(), walkOf<TwoInParallel>()};
constexpr NetworkTemplate threePartTemplates[4] = {
    walkOf<ThreeInSeries>(), walkOf<ThreeInParallel>(), walkOf<OneInSeriesWithPair>(),
    walkOf<OneInParallelWithPair>()};
static_assert(numberedFrom(twoPartTemplates, 2, 1, 2) && numberedFrom(threePartTemplates, 4, 3, 3),
              "the shapes of two and three parts are numbered 1 to 6 in their order");

int32_t runTemplates(const NetworkTemplate* templates, int from, int count) {
    for (int t = from; t < count; ++t) {
        if (templates[t].run() != 0) return -1;
    }
    return 0;
}

int32_t runTwoPartNetworks() {
    prepareWalk();
    if (!parallelOnly() && twoPartTemplates[0].run() != 0) return -1;
    return twoPartTemplates[1].run();
}

// "Parallel only" is read before each template with a series connection,
// since the check box stays usable while the search runs: the chain of
// three, and the two nestings after the group of three.
int32_t runThreePartNetworks() {
    prepareWalk();
    if (!parallelOnly() && threePartTemplates[0].run() != 0) return -1;
    if (threePartTemplates[1].run() != 0) return -1;
    if (parallelOnly()) return 0;
    return single_thread_walk::runTemplates(threePartTemplates, 2, 4);
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

const NetworkTemplates templates = {runOnePartNetworks, runNetworksOfSize};

}  // namespace single_thread_walk
