// Networks of four parts: the ten templates in their order of running, each
// as the table of its levels and the value it records.
//
// A loop runs down when its part belongs to a series chain and up when it
// belongs to a parallel group; a part that follows another of the same
// chain or group starts at that part's pick, so every multiset of parts is
// tried once per template. In the pair templates (5 and 6) the loop of part 1
// only fixes its index and the loop of part 2 places both parts with a pair
// step.
#include "tests/reference/single_thread_walk/network_walk.h"
#include "tests/reference/single_thread_walk/walk_networks.h"
#include "engine/search_frame.h"
#include "engine/shared_state.h"

namespace single_thread_walk {

namespace {

using P = Place;

// 1: "%s / %s / %s / %s"
struct FourPart1 {
    static constexpr NetworkShape shape{7, 4, "4:%8.3f%s,%6.2f%%, %s / %s / %s / %s\r\n"};
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {upFromBottom(P::Parallel), upFrom(1, P::Parallel),
                                            upFrom(2, P::Parallel), upFrom(3)};
    static double value(double g4) { return 1 / (stages[3].parallelSum + g4); }
};

// 2: "%s + %s + %s + %s"
struct FourPart2 {
    static constexpr NetworkShape shape{8, 4, "4:%8.3f%s,%6.2f%%, %s + %s + %s + %s\r\n"};
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {downFromTop(P::Series), downFrom(1, P::Series),
                                            downFrom(2, P::Series), downFrom(3)};
    static double value(double s4) { return stages[3].seriesSum + s4; }
};

// 3: "%s + %s +(%s / %s)"
struct FourPart3 {
    static constexpr NetworkShape shape{9, 4, "4:%8.3f%s,%6.2f%%, %s + %s +(%s / %s)\r\n"};
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {downFromTop(P::Series), downFrom(1, P::SeriesFull),
                                            upFromBottom(P::Parallel), upFrom(3)};
    static double value(double g4) {
        return 1 / (stages[3].parallelSum + g4) + stages[2].seriesSum;
    }
};

// 4: "%s +(%s / %s / %s)"
struct FourPart4 {
    static constexpr NetworkShape shape{10, 4, "4:%8.3f%s,%6.2f%%, %s +(%s / %s / %s)\r\n"};
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {downFromTop(P::SeriesFull), upFromBottom(P::Parallel),
                                            upFrom(2, P::Parallel), upFrom(3)};
    static double value(double g4) {
        return 1 / (stages[3].parallelSum + g4) + stages[1].seriesSum;
    }
};

// 5: "(%s / %s)+(%s / %s)". The second pair starts at the first pair's first
// part, so two pairs with the same first part and different second parts
// are produced in both orders.
struct FourPart5 {
    static constexpr NetworkShape shape{11, 4, "4:%8.3f%s,%6.2f%%, (%s / %s)+(%s / %s)\r\n"};
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {upFromBottom(), upFrom(1, P::ParallelPair),
                                            upFrom(1, P::Parallel), upFrom(3)};
    static double value(double g4) {
        return 1 / (stages[3].parallelSum + g4) + stages[2].seriesSum;
    }
};

// 6: "(%s + %s)/(%s + %s)", the dual of template 5.
struct FourPart6 {
    static constexpr NetworkShape shape{12, 4, "4:%8.3f%s,%6.2f%%, (%s + %s)/(%s + %s)\r\n"};
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {downFromTop(), downFrom(1, P::SeriesPair),
                                            downFrom(1, P::Series), downFrom(3)};
    static double value(double s4) {
        return 1 / (1 / (stages[3].seriesSum + s4) + stages[2].parallelSum);
    }
};

// 7: "%s / %s /(%s + %s)"
struct FourPart7 {
    static constexpr NetworkShape shape{13, 4, "4:%8.3f%s,%6.2f%%, %s / %s /(%s + %s)\r\n"};
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {upFromBottom(P::Parallel), upFrom(1, P::ParallelFull),
                                            downFromTop(P::Series), downFrom(3)};
    static double value(double s4) {
        return 1 / (1 / (stages[3].seriesSum + s4) + stages[2].parallelSum);
    }
};

// 8: "%s /(%s + %s + %s)"
struct FourPart8 {
    static constexpr NetworkShape shape{14, 4, "4:%8.3f%s,%6.2f%%, %s /(%s + %s + %s)\r\n"};
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {upFromBottom(P::ParallelFull), downFromTop(P::Series),
                                            downFrom(2, P::Series), downFrom(3)};
    static double value(double s4) {
        return 1 / (1 / (stages[3].seriesSum + s4) + stages[1].parallelSum);
    }
};

// 9: "%s +(%s /(%s + %s))"
struct FourPart9 {
    static constexpr NetworkShape shape{15, 4, "4:%8.3f%s,%6.2f%%, %s +(%s /(%s + %s))\r\n"};
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {downFromTop(P::SeriesFull),
                                            upFromBottom(P::ParallelFull), downFromTop(P::Series),
                                            downFrom(3)};
    static double value(double s4) {
        return 1 / (1 / (stages[3].seriesSum + s4) + stages[2].parallelSum) +
               stages[1].seriesSum;
    }
};

// 10: "%s /(%s +(%s / %s))"
struct FourPart10 {
    static constexpr NetworkShape shape{16, 4, "4:%8.3f%s,%6.2f%%, %s /(%s +(%s / %s))\r\n"};
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {upFromBottom(P::ParallelFull),
                                            downFromTop(P::SeriesFull), upFromBottom(P::Parallel),
                                            upFrom(3)};
    static double value(double g4) {
        return 1 / (stages[1].parallelSum +
                    1 / (stages[2].seriesSum + 1 / (stages[3].parallelSum + g4)));
    }
};

}  // namespace

constexpr NetworkTemplate fourPartTemplates[10] = {
    walkOf<FourPart1>(), walkOf<FourPart2>(), walkOf<FourPart3>(), walkOf<FourPart4>(),
    walkOf<FourPart5>(), walkOf<FourPart6>(), walkOf<FourPart7>(), walkOf<FourPart8>(),
    walkOf<FourPart9>(), walkOf<FourPart10>()};
static_assert(numberedFrom(fourPartTemplates, 10, 7, 4), "the four-part shapes are numbered 7 to 16");

// Template 1 is the pure parallel group; "Parallel only" skips the rest.
int32_t runFourPartNetworks() {
    prepareWalk();
    if (fourPartTemplates[0].run() != 0) return -1;
    if (settings.parallelOnly != 0) return 0;
    return single_thread_walk::runTemplates(fourPartTemplates, 1, 10);
}

}  // namespace single_thread_walk
