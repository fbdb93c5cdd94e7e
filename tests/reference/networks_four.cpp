// Networks of four parts: the ten templates in their order of running.
//
// Each template is written out as its nest of loops. A loop runs down when
// its part belongs to a series chain and up when it belongs to a parallel
// group; a part that follows another of the same chain or group starts at
// that part's pick, so every multiset of parts is tried once per template.
// In the pair templates (5 and 6) the loop of part 1 only fixes its index
// and the loop of part 2 places both parts with a pair step.
#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "engine/shared_state.h"
#include "tests/reference/network_levels.h"
#include "tests/reference/reference_networks.h"

namespace reference {

namespace {

constexpr ShapesFrom shapes = fourPartShapes;

// 1: "%s / %s / %s / %s"
int32_t fourPart1() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        if (parallelStep(1, pick1)) continue;
        for (pick2 = pick1; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            if (parallelStep(2, pick2)) continue;
            for (pick3 = pick2; pick3 <= lastCandidate; ++pick3) {
                if (parallelStep(3, pick3)) continue;
                if (parallelEnd(pick4, pick3, 3, shapes[0], [](double g4) {
                        return 1 / (stages[3].parallelSum + g4);
                    }) != 0) {
                    return -1;
                }
            }
        }
    }
    return 0;
}

// 2: "%s + %s + %s + %s"
int32_t fourPart2() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        if (seriesStep(1, pick1)) continue;
        for (pick2 = pick1; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            if (seriesStep(2, pick2)) continue;
            for (pick3 = pick2; pick3 >= firstCandidate; --pick3) {
                if (seriesStep(3, pick3)) continue;
                if (seriesEnd(pick4, pick3, 3, shapes[1], [](double s4) {
                        return stages[3].seriesSum + s4;
                    }) != 0) {
                    return -1;
                }
            }
        }
    }
    return 0;
}

// 3: "%s + %s +(%s / %s)"
int32_t fourPart3() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        if (seriesStep(1, pick1)) continue;
        for (pick2 = pick1; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            if (addSeries(2, pick2)) continue;
            for (pick3 = firstCandidate; pick3 <= lastCandidate; ++pick3) {
                if (parallelStep(3, pick3)) continue;
                if (parallelEnd(pick4, pick3, 3, shapes[2], [](double g4) {
                        return 1 / (stages[3].parallelSum + g4) + stages[2].seriesSum;
                    }) != 0) {
                    return -1;
                }
            }
        }
    }
    return 0;
}

// 4: "%s +(%s / %s / %s)"
int32_t fourPart4() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        if (addSeries(1, pick1)) continue;
        for (pick2 = firstCandidate; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            if (parallelStep(2, pick2)) continue;
            for (pick3 = pick2; pick3 <= lastCandidate; ++pick3) {
                if (parallelStep(3, pick3)) continue;
                if (parallelEnd(pick4, pick3, 3, shapes[3], [](double g4) {
                        return 1 / (stages[3].parallelSum + g4) + stages[1].seriesSum;
                    }) != 0) {
                    return -1;
                }
            }
        }
    }
    return 0;
}

// 5: "(%s / %s)+(%s / %s)". The second pair starts at the first pair's first
// part, so two pairs with the same first part and different second parts
// are produced in both orders.
int32_t fourPart5() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        for (pick2 = pick1; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            if (addParallelPair(2, pick1, pick2)) continue;
            for (pick3 = pick1; pick3 <= lastCandidate; ++pick3) {
                if (parallelStep(3, pick3)) continue;
                if (parallelEnd(pick4, pick3, 3, shapes[4], [](double g4) {
                        return 1 / (stages[3].parallelSum + g4) + stages[2].seriesSum;
                    }) != 0) {
                    return -1;
                }
            }
        }
    }
    return 0;
}

// 6: "(%s + %s)/(%s + %s)", the dual of template 5.
int32_t fourPart6() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        for (pick2 = pick1; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            if (addSeriesPair(2, pick1, pick2)) continue;
            for (pick3 = pick1; pick3 >= firstCandidate; --pick3) {
                if (seriesStep(3, pick3)) continue;
                if (seriesEnd(pick4, pick3, 3, shapes[5], [](double s4) {
                        return 1 / (1 / (stages[3].seriesSum + s4) + stages[2].parallelSum);
                    }) != 0) {
                    return -1;
                }
            }
        }
    }
    return 0;
}

// 7: "%s / %s /(%s + %s)"
int32_t fourPart7() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        if (parallelStep(1, pick1)) continue;
        for (pick2 = pick1; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            if (addParallel(2, pick2)) continue;
            for (pick3 = lastCandidate; pick3 >= firstCandidate; --pick3) {
                if (seriesStep(3, pick3)) continue;
                if (seriesEnd(pick4, pick3, 3, shapes[6], [](double s4) {
                        return 1 / (1 / (stages[3].seriesSum + s4) + stages[2].parallelSum);
                    }) != 0) {
                    return -1;
                }
            }
        }
    }
    return 0;
}

// 8: "%s /(%s + %s + %s)"
int32_t fourPart8() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        if (addParallel(1, pick1)) continue;
        for (pick2 = lastCandidate; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            if (seriesStep(2, pick2)) continue;
            for (pick3 = pick2; pick3 >= firstCandidate; --pick3) {
                if (seriesStep(3, pick3)) continue;
                if (seriesEnd(pick4, pick3, 3, shapes[7], [](double s4) {
                        return 1 / (1 / (stages[3].seriesSum + s4) + stages[1].parallelSum);
                    }) != 0) {
                    return -1;
                }
            }
        }
    }
    return 0;
}

// 9: "%s +(%s /(%s + %s))"
int32_t fourPart9() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        if (addSeries(1, pick1)) continue;
        for (pick2 = firstCandidate; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            if (addParallel(2, pick2)) continue;
            for (pick3 = lastCandidate; pick3 >= firstCandidate; --pick3) {
                if (seriesStep(3, pick3)) continue;
                if (seriesEnd(pick4, pick3, 3, shapes[8], [](double s4) {
                        return 1 / (1 / (stages[3].seriesSum + s4) + stages[2].parallelSum) +
                               stages[1].seriesSum;
                    }) != 0) {
                    return -1;
                }
            }
        }
    }
    return 0;
}

// 10: "%s /(%s +(%s / %s))"
int32_t fourPart10() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        if (addParallel(1, pick1)) continue;
        for (pick2 = lastCandidate; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            if (addSeries(2, pick2)) continue;
            for (pick3 = firstCandidate; pick3 <= lastCandidate; ++pick3) {
                if (parallelStep(3, pick3)) continue;
                if (parallelEnd(pick4, pick3, 3, shapes[9], [](double g4) {
                        return 1 / (stages[1].parallelSum +
                                    1 / (stages[2].seriesSum +
                                         1 / (stages[3].parallelSum + g4)));
                    }) != 0) {
                    return -1;
                }
            }
        }
    }
    return 0;
}

}  // namespace

// Template 1 is the pure parallel group; "Parallel only" skips the rest.
int32_t runFourPartNetworks() {
    if (fourPart1() != 0) return -1;
    if (settings.parallelOnly != 0) return 0;
    int32_t (*const rest[])() = {fourPart2, fourPart3, fourPart4, fourPart5, fourPart6,
                                 fourPart7, fourPart8, fourPart9, fourPart10};
    for (auto run : rest) {
        if (run() != 0) return -1;
    }
    return 0;
}

}  // namespace reference
