// Networks of five parts, second half: the eight compound forms with two
// sibling groups, and the bridge. They run right after the sixteen chain
// templates, in the same five-part step.
//
// A pair followed by further parts is placed as one element: the loop of
// its first part only fixes the index, the loop of its second part places
// both with a pair step, which reads stage k-2 and sets stage k's sum to the
// pair's own contribution. That is why the values below add the pair sums of
// different stages.
#include "engine/bridge_sweep.h"
#include "engine/network_middle.h"
#include "engine/networks.h"
#include "engine/search_frame.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"

namespace {

using P = Place;

// 17: "(%s / %s)+(%s / %s)+ %s". The second pair starts at the first pair's
// first part.
struct FivePart17 {
    static constexpr NetworkShape shape{33, 5, "5:%8.3f%s,%6.2f%%, (%s / %s)+(%s / %s)+ %s\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {upFromBottom(), upFrom(1, P::ParallelPair), upFrom(1),
                                            upFrom(3, P::ParallelPair), downFromTop()};
    static double value(double s5) { return (stages[4].seriesSum + stages[2].seriesSum) + s5; }
};

// 18: "(%s / %s)+(%s / %s / %s)"
struct FivePart18 {
    static constexpr NetworkShape shape{34, 5, "5:%8.3f%s,%6.2f%%, (%s / %s)+(%s / %s / %s)\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {upFromBottom(), upFrom(1, P::ParallelPair),
                                            upFromBottom(P::Parallel), upFrom(3, P::Parallel),
                                            upFrom(4)};
    static double value(double g5) {
        return 1 / (stages[4].parallelSum + g5) + stages[2].seriesSum;
    }
};

// 19: "(%s / %s)+(%s /(%s + %s))"
struct FivePart19 {
    static constexpr NetworkShape shape{35, 5, "5:%8.3f%s,%6.2f%%, (%s / %s)+(%s /(%s + %s))\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {upFromBottom(), upFrom(1, P::ParallelPair),
                                            upFromBottom(P::ParallelFull),
                                            downFromTop(P::Series), downFrom(4)};
    static double value(double s5) {
        return 1 / (1 / (stages[4].seriesSum + s5) + stages[3].parallelSum) +
               stages[2].seriesSum;
    }
};

// 20: "(%s + %s)/(%s + %s)/ %s", the dual of template 17.
struct FivePart20 {
    static constexpr NetworkShape shape{36, 5, "5:%8.3f%s,%6.2f%%, (%s + %s)/(%s + %s)/ %s\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {downFromTop(), downFrom(1, P::SeriesPair),
                                            downFrom(1), downFrom(3, P::SeriesPair),
                                            upFromBottom()};
    static double value(double g5) {
        return 1 / ((stages[4].parallelSum + stages[2].parallelSum) + g5);
    }
};

// 21: "(%s + %s)/(%s + %s + %s)". The chain of three starts at the pair's
// first part, although the two groups differ in shape.
struct FivePart21 {
    static constexpr NetworkShape shape{37, 5, "5:%8.3f%s,%6.2f%%, (%s + %s)/(%s + %s + %s)\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {downFromTop(), downFrom(1, P::SeriesPair),
                                            downFrom(1, P::Series), downFrom(3, P::Series),
                                            downFrom(4)};
    static double value(double s5) {
        return 1 / (1 / (stages[4].seriesSum + s5) + stages[2].parallelSum);
    }
};

// 22: "(%s + %s)/(%s + (%s / %s))"
struct FivePart22 {
    static constexpr NetworkShape shape{38, 5, "5:%8.3f%s,%6.2f%%, (%s + %s)/(%s + (%s / %s))\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {downFromTop(), downFrom(1, P::SeriesPair),
                                            downFrom(1, P::SeriesFull), upFromBottom(P::Parallel),
                                            upFrom(4)};
    static double value(double g5) {
        return 1 / (1 / (1 / (stages[4].parallelSum + g5) + stages[3].seriesSum) +
                    stages[2].parallelSum);
    }
};

// 23: "%s /((%s / %s)+(%s / %s))". The pairs are parts 2-3 and 4-5; the
// second starts at the first pair's first part.
struct FivePart23 {
    static constexpr NetworkShape shape{39, 5, "5:%8.3f%s,%6.2f%%, %s /((%s / %s)+(%s / %s))\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {upFromBottom(P::ParallelFull), upFromBottom(),
                                            upFrom(2, P::ParallelPair), upFrom(2, P::Parallel),
                                            upFrom(4)};
    static double value(double g5) {
        return 1 / (1 / (1 / (stages[4].parallelSum + g5) + stages[3].seriesSum) +
                    stages[1].parallelSum);
    }
};

// 24: "%s + (%s + %s)/(%s + %s)", the dual of template 23.
struct FivePart24 {
    static constexpr NetworkShape shape{40, 5, "5:%8.3f%s,%6.2f%%, %s + (%s + %s)/(%s + %s)\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {downFromTop(P::SeriesFull), downFromTop(),
                                            downFrom(2, P::SeriesPair), downFrom(2, P::Series),
                                            downFrom(4)};
    static double value(double s5) {
        return 1 / (1 / (stages[4].seriesSum + s5) + stages[3].parallelSum) +
               stages[1].seriesSum;
    }
};

}  // namespace

const NetworkShape bridgeShape = {41, 5, "5:%8.3f%s,%6.2f%%, Bridge(%s, %s, %s, %s, %s)\r\n"};

constexpr NetworkTemplate fivePartCompoundTemplates[8] = {
    walkOf<FivePart17>(), walkOf<FivePart18>(), walkOf<FivePart19>(), walkOf<FivePart20>(),
    walkOf<FivePart21>(), walkOf<FivePart22>(), walkOf<FivePart23>(), walkOf<FivePart24>()};
static_assert(numberedFrom(fivePartCompoundTemplates, 8, 33, 5),
              "the compound five-part shapes are numbered 33 to 40, the bridge 41");

// The bridge has a gate of its own: once a match is practically exact it is
// skipped, with "Show All" on as well.
int32_t runFivePartCompoundNetworks() {
    prepareWalk();
    if (runTemplates(fivePartCompoundTemplates, 0, 8) != 0) return -1;
    if (practicallyExactMatchFound()) return 0;
    progressTemplateBegins(bridgeShape);
    return sweepBridge(bridgeShape);
}
