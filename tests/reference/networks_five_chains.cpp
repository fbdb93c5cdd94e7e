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
#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "engine/shared_state.h"
#include "tests/reference/network_levels.h"
#include "tests/reference/reference_networks.h"

namespace reference {

namespace {

constexpr ShapesFrom shapes = fivePartShapes;

// 1: "%s / %s / %s / %s / %s"
int32_t fivePart1() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        if (parallelStep(1, pick1)) continue;
        for (pick2 = pick1; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            if (parallelStep(2, pick2)) continue;
            for (pick3 = pick2; pick3 <= lastCandidate; ++pick3) {
                if (searchStopped()) return -1;
                if (parallelStep(3, pick3)) continue;
                for (pick4 = pick3; pick4 <= lastCandidate; ++pick4) {
                    if (parallelStep(4, pick4)) continue;
                    if (parallelEnd(pick5, pick4, 4, shapes[0], [](double g5) {
                            return 1 / (stages[4].parallelSum + g5);
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 2: "%s + %s + %s + %s + %s"
int32_t fivePart2() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        if (seriesStep(1, pick1)) continue;
        for (pick2 = pick1; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            if (seriesStep(2, pick2)) continue;
            for (pick3 = pick2; pick3 >= firstCandidate; --pick3) {
                if (searchStopped()) return -1;
                if (seriesStep(3, pick3)) continue;
                for (pick4 = pick3; pick4 >= firstCandidate; --pick4) {
                    if (seriesStep(4, pick4)) continue;
                    if (seriesEnd(pick5, pick4, 4, shapes[1], [](double s5) {
                            return stages[4].seriesSum + s5;
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 3: "%s + %s + %s +(%s / %s)"
int32_t fivePart3() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        if (seriesStep(1, pick1)) continue;
        for (pick2 = pick1; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            if (seriesStep(2, pick2)) continue;
            for (pick3 = pick2; pick3 >= firstCandidate; --pick3) {
                if (searchStopped()) return -1;
                if (addSeries(3, pick3)) continue;
                for (pick4 = firstCandidate; pick4 <= lastCandidate; ++pick4) {
                    if (parallelStep(4, pick4)) continue;
                    if (parallelEnd(pick5, pick4, 4, shapes[2], [](double g5) {
                            return 1 / (stages[4].parallelSum + g5) + stages[3].seriesSum;
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 4: "%s + %s +(%s / %s / %s)"
int32_t fivePart4() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        if (seriesStep(1, pick1)) continue;
        for (pick2 = pick1; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            if (addSeries(2, pick2)) continue;
            for (pick3 = firstCandidate; pick3 <= lastCandidate; ++pick3) {
                if (searchStopped()) return -1;
                if (parallelStep(3, pick3)) continue;
                for (pick4 = pick3; pick4 <= lastCandidate; ++pick4) {
                    if (parallelStep(4, pick4)) continue;
                    if (parallelEnd(pick5, pick4, 4, shapes[3], [](double g5) {
                            return 1 / (stages[4].parallelSum + g5) + stages[2].seriesSum;
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 5: "%s +(%s / %s / %s / %s)"
int32_t fivePart5() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        if (addSeries(1, pick1)) continue;
        for (pick2 = firstCandidate; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            if (parallelStep(2, pick2)) continue;
            for (pick3 = pick2; pick3 <= lastCandidate; ++pick3) {
                if (searchStopped()) return -1;
                if (parallelStep(3, pick3)) continue;
                for (pick4 = pick3; pick4 <= lastCandidate; ++pick4) {
                    if (parallelStep(4, pick4)) continue;
                    if (parallelEnd(pick5, pick4, 4, shapes[4], [](double g5) {
                            return 1 / (stages[4].parallelSum + g5) + stages[1].seriesSum;
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 6: "%s / %s / %s /(%s + %s)"
int32_t fivePart6() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        if (parallelStep(1, pick1)) continue;
        for (pick2 = pick1; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            if (parallelStep(2, pick2)) continue;
            for (pick3 = pick2; pick3 <= lastCandidate; ++pick3) {
                if (searchStopped()) return -1;
                if (addParallel(3, pick3)) continue;
                for (pick4 = lastCandidate; pick4 >= firstCandidate; --pick4) {
                    if (seriesStep(4, pick4)) continue;
                    if (seriesEnd(pick5, pick4, 4, shapes[5], [](double s5) {
                            return 1 / (1 / (stages[4].seriesSum + s5) + stages[3].parallelSum);
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 7: "%s / %s /(%s + %s + %s)"
int32_t fivePart7() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        if (parallelStep(1, pick1)) continue;
        for (pick2 = pick1; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            if (addParallel(2, pick2)) continue;
            for (pick3 = lastCandidate; pick3 >= firstCandidate; --pick3) {
                if (searchStopped()) return -1;
                if (seriesStep(3, pick3)) continue;
                for (pick4 = pick3; pick4 >= firstCandidate; --pick4) {
                    if (seriesStep(4, pick4)) continue;
                    if (seriesEnd(pick5, pick4, 4, shapes[6], [](double s5) {
                            return 1 / (1 / (stages[4].seriesSum + s5) + stages[2].parallelSum);
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 8: "%s /(%s + %s + %s + %s)"
int32_t fivePart8() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        if (addParallel(1, pick1)) continue;
        for (pick2 = lastCandidate; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            if (seriesStep(2, pick2)) continue;
            for (pick3 = pick2; pick3 >= firstCandidate; --pick3) {
                if (searchStopped()) return -1;
                if (seriesStep(3, pick3)) continue;
                for (pick4 = pick3; pick4 >= firstCandidate; --pick4) {
                    if (seriesStep(4, pick4)) continue;
                    if (seriesEnd(pick5, pick4, 4, shapes[7], [](double s5) {
                            return 1 / (1 / (stages[4].seriesSum + s5) + stages[1].parallelSum);
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 9: "%s + %s +(%s /(%s + %s))"
int32_t fivePart9() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        if (seriesStep(1, pick1)) continue;
        for (pick2 = pick1; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            if (addSeries(2, pick2)) continue;
            for (pick3 = firstCandidate; pick3 <= lastCandidate; ++pick3) {
                if (searchStopped()) return -1;
                if (addParallel(3, pick3)) continue;
                for (pick4 = lastCandidate; pick4 >= firstCandidate; --pick4) {
                    if (seriesStep(4, pick4)) continue;
                    if (seriesEnd(pick5, pick4, 4, shapes[8], [](double s5) {
                            return 1 / (1 / (stages[4].seriesSum + s5) + stages[3].parallelSum) +
                                   stages[2].seriesSum;
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 10: "%s +(%s / %s /(%s + %s))"
int32_t fivePart10() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        if (addSeries(1, pick1)) continue;
        for (pick2 = firstCandidate; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            if (parallelStep(2, pick2)) continue;
            for (pick3 = pick2; pick3 <= lastCandidate; ++pick3) {
                if (searchStopped()) return -1;
                if (addParallel(3, pick3)) continue;
                for (pick4 = lastCandidate; pick4 >= firstCandidate; --pick4) {
                    if (seriesStep(4, pick4)) continue;
                    if (seriesEnd(pick5, pick4, 4, shapes[9], [](double s5) {
                            return 1 / (1 / (stages[4].seriesSum + s5) + stages[3].parallelSum) +
                                   stages[1].seriesSum;
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 11: "%s +(%s /(%s + %s + %s))"
int32_t fivePart11() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        if (addSeries(1, pick1)) continue;
        for (pick2 = firstCandidate; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            if (addParallel(2, pick2)) continue;
            for (pick3 = lastCandidate; pick3 >= firstCandidate; --pick3) {
                if (searchStopped()) return -1;
                if (seriesStep(3, pick3)) continue;
                for (pick4 = pick3; pick4 >= firstCandidate; --pick4) {
                    if (seriesStep(4, pick4)) continue;
                    if (seriesEnd(pick5, pick4, 4, shapes[10], [](double s5) {
                            return 1 / (1 / (stages[4].seriesSum + s5) + stages[2].parallelSum) +
                                   stages[1].seriesSum;
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 12: "%s +(%s /(%s +(%s / %s)))"
int32_t fivePart12() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        if (addSeries(1, pick1)) continue;
        for (pick2 = firstCandidate; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            if (addParallel(2, pick2)) continue;
            for (pick3 = lastCandidate; pick3 >= firstCandidate; --pick3) {
                if (searchStopped()) return -1;
                if (addSeries(3, pick3)) continue;
                for (pick4 = firstCandidate; pick4 <= lastCandidate; ++pick4) {
                    if (parallelStep(4, pick4)) continue;
                    if (parallelEnd(pick5, pick4, 4, shapes[11], [](double g5) {
                            return 1 / (1 / (1 / (stages[4].parallelSum + g5) +
                                             stages[3].seriesSum) +
                                        stages[2].parallelSum) +
                                   stages[1].seriesSum;
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 13: "%s / %s /(%s +(%s / %s))"
int32_t fivePart13() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        if (parallelStep(1, pick1)) continue;
        for (pick2 = pick1; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            if (addParallel(2, pick2)) continue;
            for (pick3 = lastCandidate; pick3 >= firstCandidate; --pick3) {
                if (searchStopped()) return -1;
                if (addSeries(3, pick3)) continue;
                for (pick4 = firstCandidate; pick4 <= lastCandidate; ++pick4) {
                    if (parallelStep(4, pick4)) continue;
                    if (parallelEnd(pick5, pick4, 4, shapes[12], [](double g5) {
                            return 1 / (1 / (1 / (stages[4].parallelSum + g5) +
                                             stages[3].seriesSum) +
                                        stages[2].parallelSum);
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 14: "%s /(%s + %s +(%s / %s))"
int32_t fivePart14() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        if (addParallel(1, pick1)) continue;
        for (pick2 = lastCandidate; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            if (seriesStep(2, pick2)) continue;
            for (pick3 = pick2; pick3 >= firstCandidate; --pick3) {
                if (searchStopped()) return -1;
                if (addSeries(3, pick3)) continue;
                for (pick4 = firstCandidate; pick4 <= lastCandidate; ++pick4) {
                    if (parallelStep(4, pick4)) continue;
                    if (parallelEnd(pick5, pick4, 4, shapes[13], [](double g5) {
                            return 1 / (1 / (1 / (stages[4].parallelSum + g5) +
                                             stages[3].seriesSum) +
                                        stages[1].parallelSum);
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 15: "%s /(%s +(%s / %s / %s))"
int32_t fivePart15() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        if (addParallel(1, pick1)) continue;
        for (pick2 = lastCandidate; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            if (addSeries(2, pick2)) continue;
            for (pick3 = firstCandidate; pick3 <= lastCandidate; ++pick3) {
                if (searchStopped()) return -1;
                if (parallelStep(3, pick3)) continue;
                for (pick4 = pick3; pick4 <= lastCandidate; ++pick4) {
                    if (parallelStep(4, pick4)) continue;
                    if (parallelEnd(pick5, pick4, 4, shapes[14], [](double g5) {
                            return 1 / (1 / (1 / (stages[4].parallelSum + g5) +
                                             stages[2].seriesSum) +
                                        stages[1].parallelSum);
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 16: "%s /(%s +(%s /(%s + %s)))"
int32_t fivePart16() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        if (addParallel(1, pick1)) continue;
        for (pick2 = lastCandidate; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            if (addSeries(2, pick2)) continue;
            for (pick3 = firstCandidate; pick3 <= lastCandidate; ++pick3) {
                if (searchStopped()) return -1;
                if (addParallel(3, pick3)) continue;
                for (pick4 = lastCandidate; pick4 >= firstCandidate; --pick4) {
                    if (seriesStep(4, pick4)) continue;
                    if (seriesEnd(pick5, pick4, 4, shapes[15], [](double s5) {
                            return 1 / (1 / (1 / (1 / (stages[4].seriesSum + s5) +
                                                  stages[3].parallelSum) +
                                             stages[2].seriesSum) +
                                        stages[1].parallelSum);
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

}  // namespace

// Template 1 is the pure parallel group; "Parallel only" ends the step
// after it, the compound forms and the bridge included.
int32_t runFivePartNetworks() {
    if (fivePart1() != 0) return -1;
    if (settings.parallelOnly != 0) return 0;
    int32_t (*const rest[])() = {fivePart2,  fivePart3,  fivePart4,  fivePart5,  fivePart6,
                                 fivePart7,  fivePart8,  fivePart9,  fivePart10, fivePart11,
                                 fivePart12, fivePart13, fivePart14, fivePart15, fivePart16};
    for (auto run : rest) {
        if (run() != 0) return -1;
    }
    return runFivePartCompoundNetworks();
}

}  // namespace reference
