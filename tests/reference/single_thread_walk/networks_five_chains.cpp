// Networks of five parts, first half: the five-part step of the search and
// its sixteen templates made of single parts and at most one nested group
// per group (the pure group, the pure chain, and nestings down to four
// levels). The compound forms and the bridge follow in
// networks_five_compound.cpp.
//
// Level k of a template runs with the k-th pick and writes stage k. A level
// whose next level continues the same chain or group uses the three-field
// step of its kind; a level whose next level opens a nested group uses the
// full step, which closes the group's sum and sets up the reciprocal window
// for the nested one. Level 5 is the innermost test against stage 4.
#include "tests/reference/single_thread_walk/network_walk.h"
#include "tests/reference/single_thread_walk/walk_networks.h"
#include "engine/search_frame.h"
#include "engine/shared_state.h"

namespace single_thread_walk {

namespace {

using P = Place;

// 1: "%s / %s / %s / %s / %s"
struct FivePart1 {
    static constexpr NetworkShape shape{17, 5, "5:%8.3f%s,%6.2f%%, %s / %s / %s / %s / %s\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {upFromBottom(P::Parallel), upFrom(1, P::Parallel),
                                            upFrom(2, P::Parallel), upFrom(3, P::Parallel),
                                            upFrom(4)};
    static double value(double g5) { return 1 / (stages[4].parallelSum + g5); }
};

// 2: "%s + %s + %s + %s + %s"
struct FivePart2 {
    static constexpr NetworkShape shape{18, 5, "5:%8.3f%s,%6.2f%%, %s + %s + %s + %s + %s\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {downFromTop(P::Series), downFrom(1, P::Series),
                                            downFrom(2, P::Series), downFrom(3, P::Series),
                                            downFrom(4)};
    static double value(double s5) { return stages[4].seriesSum + s5; }
};

// 3: "%s + %s + %s +(%s / %s)"
struct FivePart3 {
    static constexpr NetworkShape shape{19, 5, "5:%8.3f%s,%6.2f%%, %s + %s + %s +(%s / %s)\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {downFromTop(P::Series), downFrom(1, P::Series),
                                            downFrom(2, P::SeriesFull),
                                            upFromBottom(P::Parallel), upFrom(4)};
    static double value(double g5) {
        return 1 / (stages[4].parallelSum + g5) + stages[3].seriesSum;
    }
};

// 4: "%s + %s +(%s / %s / %s)"
struct FivePart4 {
    static constexpr NetworkShape shape{20, 5, "5:%8.3f%s,%6.2f%%, %s + %s +(%s / %s / %s)\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {downFromTop(P::Series), downFrom(1, P::SeriesFull),
                                            upFromBottom(P::Parallel), upFrom(3, P::Parallel),
                                            upFrom(4)};
    static double value(double g5) {
        return 1 / (stages[4].parallelSum + g5) + stages[2].seriesSum;
    }
};

// 5: "%s +(%s / %s / %s / %s)"
struct FivePart5 {
    static constexpr NetworkShape shape{21, 5, "5:%8.3f%s,%6.2f%%, %s +(%s / %s / %s / %s)\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {downFromTop(P::SeriesFull), upFromBottom(P::Parallel),
                                            upFrom(2, P::Parallel), upFrom(3, P::Parallel),
                                            upFrom(4)};
    static double value(double g5) {
        return 1 / (stages[4].parallelSum + g5) + stages[1].seriesSum;
    }
};

// 6: "%s / %s / %s /(%s + %s)"
struct FivePart6 {
    static constexpr NetworkShape shape{22, 5, "5:%8.3f%s,%6.2f%%, %s / %s / %s /(%s + %s)\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {upFromBottom(P::Parallel), upFrom(1, P::Parallel),
                                            upFrom(2, P::ParallelFull), downFromTop(P::Series),
                                            downFrom(4)};
    static double value(double s5) {
        return 1 / (1 / (stages[4].seriesSum + s5) + stages[3].parallelSum);
    }
};

// 7: "%s / %s /(%s + %s + %s)"
struct FivePart7 {
    static constexpr NetworkShape shape{23, 5, "5:%8.3f%s,%6.2f%%, %s / %s /(%s + %s + %s)\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {upFromBottom(P::Parallel), upFrom(1, P::ParallelFull),
                                            downFromTop(P::Series), downFrom(3, P::Series),
                                            downFrom(4)};
    static double value(double s5) {
        return 1 / (1 / (stages[4].seriesSum + s5) + stages[2].parallelSum);
    }
};

// 8: "%s /(%s + %s + %s + %s)"
struct FivePart8 {
    static constexpr NetworkShape shape{24, 5, "5:%8.3f%s,%6.2f%%, %s /(%s + %s + %s + %s)\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {upFromBottom(P::ParallelFull), downFromTop(P::Series),
                                            downFrom(2, P::Series), downFrom(3, P::Series),
                                            downFrom(4)};
    static double value(double s5) {
        return 1 / (1 / (stages[4].seriesSum + s5) + stages[1].parallelSum);
    }
};

// 9: "%s + %s +(%s /(%s + %s))"
struct FivePart9 {
    static constexpr NetworkShape shape{25, 5, "5:%8.3f%s,%6.2f%%, %s + %s +(%s /(%s + %s))\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {downFromTop(P::Series), downFrom(1, P::SeriesFull),
                                            upFromBottom(P::ParallelFull),
                                            downFromTop(P::Series), downFrom(4)};
    static double value(double s5) {
        return 1 / (1 / (stages[4].seriesSum + s5) + stages[3].parallelSum) +
               stages[2].seriesSum;
    }
};

// 10: "%s +(%s / %s /(%s + %s))"
struct FivePart10 {
    static constexpr NetworkShape shape{26, 5, "5:%8.3f%s,%6.2f%%, %s +(%s / %s /(%s + %s))\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {downFromTop(P::SeriesFull), upFromBottom(P::Parallel),
                                            upFrom(2, P::ParallelFull), downFromTop(P::Series),
                                            downFrom(4)};
    static double value(double s5) {
        return 1 / (1 / (stages[4].seriesSum + s5) + stages[3].parallelSum) +
               stages[1].seriesSum;
    }
};

// 11: "%s +(%s /(%s + %s + %s))"
struct FivePart11 {
    static constexpr NetworkShape shape{27, 5, "5:%8.3f%s,%6.2f%%, %s +(%s /(%s + %s + %s))\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {downFromTop(P::SeriesFull),
                                            upFromBottom(P::ParallelFull), downFromTop(P::Series),
                                            downFrom(3, P::Series), downFrom(4)};
    static double value(double s5) {
        return 1 / (1 / (stages[4].seriesSum + s5) + stages[2].parallelSum) +
               stages[1].seriesSum;
    }
};

// 12: "%s +(%s /(%s +(%s / %s)))"
struct FivePart12 {
    static constexpr NetworkShape shape{28, 5, "5:%8.3f%s,%6.2f%%, %s +(%s /(%s +(%s / %s)))\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {downFromTop(P::SeriesFull),
                                            upFromBottom(P::ParallelFull),
                                            downFromTop(P::SeriesFull), upFromBottom(P::Parallel),
                                            upFrom(4)};
    static double value(double g5) {
        return 1 / (1 / (1 / (stages[4].parallelSum + g5) + stages[3].seriesSum) +
                    stages[2].parallelSum) +
               stages[1].seriesSum;
    }
};

// 13: "%s / %s /(%s +(%s / %s))"
struct FivePart13 {
    static constexpr NetworkShape shape{29, 5, "5:%8.3f%s,%6.2f%%, %s / %s /(%s +(%s / %s))\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {upFromBottom(P::Parallel), upFrom(1, P::ParallelFull),
                                            downFromTop(P::SeriesFull), upFromBottom(P::Parallel),
                                            upFrom(4)};
    static double value(double g5) {
        return 1 / (1 / (1 / (stages[4].parallelSum + g5) + stages[3].seriesSum) +
                    stages[2].parallelSum);
    }
};

// 14: "%s /(%s + %s +(%s / %s))"
struct FivePart14 {
    static constexpr NetworkShape shape{30, 5, "5:%8.3f%s,%6.2f%%, %s /(%s + %s +(%s / %s))\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {upFromBottom(P::ParallelFull), downFromTop(P::Series),
                                            downFrom(2, P::SeriesFull), upFromBottom(P::Parallel),
                                            upFrom(4)};
    static double value(double g5) {
        return 1 / (1 / (1 / (stages[4].parallelSum + g5) + stages[3].seriesSum) +
                    stages[1].parallelSum);
    }
};

// 15: "%s /(%s +(%s / %s / %s))"
struct FivePart15 {
    static constexpr NetworkShape shape{31, 5, "5:%8.3f%s,%6.2f%%, %s /(%s +(%s / %s / %s))\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {upFromBottom(P::ParallelFull),
                                            downFromTop(P::SeriesFull), upFromBottom(P::Parallel),
                                            upFrom(3, P::Parallel), upFrom(4)};
    static double value(double g5) {
        return 1 / (1 / (1 / (stages[4].parallelSum + g5) + stages[2].seriesSum) +
                    stages[1].parallelSum);
    }
};

// 16: "%s /(%s +(%s /(%s + %s)))"
struct FivePart16 {
    static constexpr NetworkShape shape{32, 5, "5:%8.3f%s,%6.2f%%, %s /(%s +(%s /(%s + %s)))\r\n"};
    static constexpr int parts = 5;
    static constexpr Level levels[parts] = {upFromBottom(P::ParallelFull),
                                            downFromTop(P::SeriesFull),
                                            upFromBottom(P::ParallelFull),
                                            downFromTop(P::Series), downFrom(4)};
    static double value(double s5) {
        return 1 / (1 / (1 / (1 / (stages[4].seriesSum + s5) + stages[3].parallelSum) +
                         stages[2].seriesSum) +
                    stages[1].parallelSum);
    }
};

}  // namespace

constexpr NetworkTemplate fivePartChainTemplates[16] = {
    walkOf<FivePart1>(),  walkOf<FivePart2>(),  walkOf<FivePart3>(),  walkOf<FivePart4>(),
    walkOf<FivePart5>(),  walkOf<FivePart6>(),  walkOf<FivePart7>(),  walkOf<FivePart8>(),
    walkOf<FivePart9>(),  walkOf<FivePart10>(), walkOf<FivePart11>(), walkOf<FivePart12>(),
    walkOf<FivePart13>(), walkOf<FivePart14>(), walkOf<FivePart15>(), walkOf<FivePart16>()};
static_assert(numberedFrom(fivePartChainTemplates, 16, 17, 5),
              "the five-part chains and nestings are numbered 17 to 32");

// Template 1 is the pure parallel group; "Parallel only" ends the step
// after it, the compound forms and the bridge included.
int32_t runFivePartNetworks() {
    prepareWalk();
    if (fivePartChainTemplates[0].run() != 0) return -1;
    if (settings.parallelOnly != 0) return 0;
    if (single_thread_walk::runTemplates(fivePartChainTemplates, 1, 16) != 0) return -1;
    return runFivePartCompoundNetworks();
}

}  // namespace single_thread_walk
