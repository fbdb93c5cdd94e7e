// Networks of five parts, second half: the eight compound forms with two
// sibling groups, and the bridge. They run right after the sixteen chain
// templates, in the same five-part step.
//
// A pair followed by further parts is placed as one element: the loop of
// its first part only fixes the index, the loop of its second part places
// both with a pair step, which reads stage k-2 and sets stage k's sum to the
// pair's own contribution. That is why the values below add the pair sums of
// different stages.
#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "engine/search_inputs.h"
#include "tests/reference/network_levels.h"
#include "tests/reference/reference_networks.h"

#include "engine/shared_state.h"

namespace reference {

namespace {

constexpr ShapesFrom shapes = fivePartShapes;

// 17: "(%s / %s)+(%s / %s)+ %s". The second pair starts at the first pair's
// first part.
int32_t fivePart17() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        for (pick2 = pick1; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            if (addParallelPair(2, pick1, pick2)) continue;
            for (pick3 = pick1; pick3 <= lastCandidate; ++pick3) {
                if (searchStopped()) return -1;
                for (pick4 = pick3; pick4 <= lastCandidate; ++pick4) {
                    if (addParallelPair(4, pick3, pick4)) continue;
                    if (seriesEnd(pick5, lastCandidate, 4, shapes[16], [](double s5) {
                            return (stages[4].seriesSum + stages[2].seriesSum) + s5;
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 18: "(%s / %s)+(%s / %s / %s)"
int32_t fivePart18() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        for (pick2 = pick1; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            if (addParallelPair(2, pick1, pick2)) continue;
            for (pick3 = firstCandidate; pick3 <= lastCandidate; ++pick3) {
                if (searchStopped()) return -1;
                if (parallelStep(3, pick3)) continue;
                for (pick4 = pick3; pick4 <= lastCandidate; ++pick4) {
                    if (parallelStep(4, pick4)) continue;
                    if (parallelEnd(pick5, pick4, 4, shapes[17], [](double g5) {
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

// 19: "(%s / %s)+(%s /(%s + %s))"
int32_t fivePart19() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        for (pick2 = pick1; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            if (addParallelPair(2, pick1, pick2)) continue;
            for (pick3 = firstCandidate; pick3 <= lastCandidate; ++pick3) {
                if (searchStopped()) return -1;
                if (addParallel(3, pick3)) continue;
                for (pick4 = lastCandidate; pick4 >= firstCandidate; --pick4) {
                    if (seriesStep(4, pick4)) continue;
                    if (seriesEnd(pick5, pick4, 4, shapes[18], [](double s5) {
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

// 20: "(%s + %s)/(%s + %s)/ %s", the dual of template 17.
int32_t fivePart20() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        for (pick2 = pick1; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            if (addSeriesPair(2, pick1, pick2)) continue;
            for (pick3 = pick1; pick3 >= firstCandidate; --pick3) {
                if (searchStopped()) return -1;
                for (pick4 = pick3; pick4 >= firstCandidate; --pick4) {
                    if (addSeriesPair(4, pick3, pick4)) continue;
                    if (parallelEnd(pick5, firstCandidate, 4, shapes[19], [](double g5) {
                            return 1 / ((stages[4].parallelSum + stages[2].parallelSum) + g5);
                        }) != 0) {
                        return -1;
                    }
                }
            }
        }
    }
    return 0;
}

// 21: "(%s + %s)/(%s + %s + %s)". The chain of three starts at the pair's
// first part, although the two groups differ in shape.
int32_t fivePart21() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        for (pick2 = pick1; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            if (addSeriesPair(2, pick1, pick2)) continue;
            for (pick3 = pick1; pick3 >= firstCandidate; --pick3) {
                if (searchStopped()) return -1;
                if (seriesStep(3, pick3)) continue;
                for (pick4 = pick3; pick4 >= firstCandidate; --pick4) {
                    if (seriesStep(4, pick4)) continue;
                    if (seriesEnd(pick5, pick4, 4, shapes[20], [](double s5) {
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

// 22: "(%s + %s)/(%s + (%s / %s))"
int32_t fivePart22() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        for (pick2 = pick1; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            if (addSeriesPair(2, pick1, pick2)) continue;
            for (pick3 = pick1; pick3 >= firstCandidate; --pick3) {
                if (searchStopped()) return -1;
                if (addSeries(3, pick3)) continue;
                for (pick4 = firstCandidate; pick4 <= lastCandidate; ++pick4) {
                    if (parallelStep(4, pick4)) continue;
                    if (parallelEnd(pick5, pick4, 4, shapes[21], [](double g5) {
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

// 23: "%s /((%s / %s)+(%s / %s))". The pairs are parts 2-3 and 4-5; the
// second starts at the first pair's first part.
int32_t fivePart23() {
    for (pick1 = firstCandidate; pick1 <= lastCandidate; ++pick1) {
        if (searchStopped()) return -1;
        if (addParallel(1, pick1)) continue;
        for (pick2 = firstCandidate; pick2 <= lastCandidate; ++pick2) {
            if (searchStopped()) return -1;
            for (pick3 = pick2; pick3 <= lastCandidate; ++pick3) {
                if (searchStopped()) return -1;
                if (addParallelPair(3, pick2, pick3)) continue;
                for (pick4 = pick2; pick4 <= lastCandidate; ++pick4) {
                    if (parallelStep(4, pick4)) continue;
                    if (parallelEnd(pick5, pick4, 4, shapes[22], [](double g5) {
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

// 24: "%s + (%s + %s)/(%s + %s)", the dual of template 23.
int32_t fivePart24() {
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        if (searchStopped()) return -1;
        if (addSeries(1, pick1)) continue;
        for (pick2 = lastCandidate; pick2 >= firstCandidate; --pick2) {
            if (searchStopped()) return -1;
            for (pick3 = pick2; pick3 >= firstCandidate; --pick3) {
                if (searchStopped()) return -1;
                if (addSeriesPair(3, pick2, pick3)) continue;
                for (pick4 = pick2; pick4 >= firstCandidate; --pick4) {
                    if (seriesStep(4, pick4)) continue;
                    if (seriesEnd(pick5, pick4, 4, shapes[23], [](double s5) {
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

// The value of a bridge between terminals A and B with inner nodes C and D:
// arms A-C (s1) and A-D (s2), cross part C-D (s3), arms C-B (s4) and D-B
// (s5). The triangle A, C, D becomes its equivalent star; the star arm at A
// then leads to the two paths over C and D in parallel. Every value is
// positive, so no denominator can vanish.
inline double bridgeValue(double s1, double s2, double s3, double s4, double s5) {
    double d = (s2 + s1) + s3;
    double a = s3 * s1 / d;
    double b = s3 * s2 / d;
    return (b + s5) * (a + s4) / (((a + s4) + b) + s5) + s2 * s1 / d;
}

// 25: "Bridge(%s, %s, %s, %s, %s)". No level places a part: every
// combination with pick2 not above pick1 is evaluated against the
// acceptance window itself, so each matching bridge also turns up seen from
// its other terminal.
int32_t bridge() {
    const SearchStage& window = stages[0];
    for (pick1 = lastCandidate; pick1 >= firstCandidate; --pick1) {
        double s1 = stockParts[pick1].seriesValue;
        for (pick2 = pick1; pick2 >= firstCandidate; --pick2) {
            double s2 = stockParts[pick2].seriesValue;
            for (pick3 = lastCandidate; pick3 >= firstCandidate; --pick3) {
                if (searchStopped()) return -1;
                double s3 = stockParts[pick3].seriesValue;
                for (pick4 = lastCandidate; pick4 >= firstCandidate; --pick4) {
                    double s4 = stockParts[pick4].seriesValue;
                    for (pick5 = lastCandidate; pick5 >= firstCandidate; --pick5) {
                        double value = bridgeValue(s1, s2, s3, s4, stockParts[pick5].seriesValue);
                        if (window.seriesLow <= value && value <= window.seriesHigh &&
                            recordMatch(shapes[24], value) != 0) {
                            return -1;
                        }
                    }
                }
            }
        }
    }
    return 0;
}

}  // namespace

// The bridge is the one template without pruning and costs more than all
// others together, so it has a gate of its own: once a match is practically
// exact it is skipped, with "Show All" on as well.
int32_t runFivePartCompoundNetworks() {
    int32_t (*const compound[])() = {fivePart17, fivePart18, fivePart19, fivePart20,
                                     fivePart21, fivePart22, fivePart23, fivePart24};
    for (auto run : compound) {
        if (run() != 0) return -1;
    }
    if (searchParams.tolerancePercent < 0.005 && settings.matchCount > 0) return 0;
    return bridge();
}

}  // namespace reference
