// Networks of four parts: the ten templates in their order of running, each
// as the table of its levels and the value it records.
//
// A loop runs down when its part belongs to a series chain and up when it
// belongs to a parallel group; a part that follows another of the same
// chain or group starts at that part's pick, so every multiset of parts is
// tried once per template. In the pair templates (5 and 6) the loop of part 1
// only fixes its index and the loop of part 2 places both parts with a pair
// step.
#include "control/shared_state.h"
#include "engine/network_walk.h"
#include "engine/networks.h"
#include "engine/search_frame.h"

const char* const fourPartFormats[10] = {
    "4:%8.3f%s,%6.2f%%, %s / %s / %s / %s\r\n",
    "4:%8.3f%s,%6.2f%%, %s + %s + %s + %s\r\n",
    "4:%8.3f%s,%6.2f%%, %s + %s +(%s / %s)\r\n",
    "4:%8.3f%s,%6.2f%%, %s +(%s / %s / %s)\r\n",
    "4:%8.3f%s,%6.2f%%, (%s / %s)+(%s / %s)\r\n",
    "4:%8.3f%s,%6.2f%%, (%s + %s)/(%s + %s)\r\n",
    // The doubled closing parenthesis is how this network has always been
    // printed; users and the ordering read the line as it stands.
    "4:%8.3f%s,%6.2f%%, %s / %s /(%s + %s))\r\n",
    "4:%8.3f%s,%6.2f%%, %s /(%s + %s + %s)\r\n",
    "4:%8.3f%s,%6.2f%%, %s +(%s /(%s + %s))\r\n",
    "4:%8.3f%s,%6.2f%%, %s /(%s +(%s / %s))\r\n",
};

namespace {

using P = Place;

// 1: "%s / %s / %s / %s"
struct FourPart1 {
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {upFromBottom(P::Parallel), upFrom(1, P::Parallel),
                                            upFrom(2, P::Parallel), upFrom(3)};
    static double value(double g4) { return 1 / (stages[3].parallelSum + g4); }
};

// 2: "%s + %s + %s + %s"
struct FourPart2 {
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {downFromTop(P::Series), downFrom(1, P::Series),
                                            downFrom(2, P::Series), downFrom(3)};
    static double value(double s4) { return stages[3].seriesSum + s4; }
};

// 3: "%s + %s +(%s / %s)"
struct FourPart3 {
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {downFromTop(P::Series), downFrom(1, P::SeriesFull),
                                            upFromBottom(P::Parallel), upFrom(3)};
    static double value(double g4) {
        return 1 / (stages[3].parallelSum + g4) + stages[2].seriesSum;
    }
};

// 4: "%s +(%s / %s / %s)"
struct FourPart4 {
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
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {upFromBottom(), upFrom(1, P::ParallelPair),
                                            upFrom(1, P::Parallel), upFrom(3)};
    static double value(double g4) {
        return 1 / (stages[3].parallelSum + g4) + stages[2].seriesSum;
    }
};

// 6: "(%s + %s)/(%s + %s)", the dual of template 5.
struct FourPart6 {
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {downFromTop(), downFrom(1, P::SeriesPair),
                                            downFrom(1, P::Series), downFrom(3)};
    static double value(double s4) {
        return 1 / (1 / (stages[3].seriesSum + s4) + stages[2].parallelSum);
    }
};

// 7: "%s / %s /(%s + %s))"
struct FourPart7 {
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {upFromBottom(P::Parallel), upFrom(1, P::ParallelFull),
                                            downFromTop(P::Series), downFrom(3)};
    static double value(double s4) {
        return 1 / (1 / (stages[3].seriesSum + s4) + stages[2].parallelSum);
    }
};

// 8: "%s /(%s + %s + %s)"
struct FourPart8 {
    static constexpr int parts = 4;
    static constexpr Level levels[parts] = {upFromBottom(P::ParallelFull), downFromTop(P::Series),
                                            downFrom(2, P::Series), downFrom(3)};
    static double value(double s4) {
        return 1 / (1 / (stages[3].seriesSum + s4) + stages[1].parallelSum);
    }
};

// 9: "%s +(%s /(%s + %s))"
struct FourPart9 {
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

// Template 1 is the pure parallel group; "Parallel only" skips the rest.
int32_t runFourPartNetworks() {
    prepareWalk();
    const char* const* formats = fourPartFormats;
    if (NetworkWalk<FourPart1>::run(formats[0]) != 0) return -1;
    if (settings.parallelOnly != 0) return 0;
    int32_t (*const rest[])(const char*) = {
        NetworkWalk<FourPart2>::run, NetworkWalk<FourPart3>::run, NetworkWalk<FourPart4>::run,
        NetworkWalk<FourPart5>::run, NetworkWalk<FourPart6>::run, NetworkWalk<FourPart7>::run,
        NetworkWalk<FourPart8>::run, NetworkWalk<FourPart9>::run, NetworkWalk<FourPart10>::run};
    for (int t = 0; t < 9; ++t) {
        if (rest[t](formats[t + 1]) != 0) return -1;
    }
    return 0;
}
