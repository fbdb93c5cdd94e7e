// The search frame: the acceptance window, the stages of the depth-first
// walk with their four placement steps, and runSearch, which runs the
// network templates from one to five parts and writes the outcome.
//
// Every stage carries what the not yet placed rest of the network may still
// be worth, in both domains: a series window for the rest of the open chain
// and a parallel window for the rest of the open group. Narrowing the window
// by subtraction at every level keeps the innermost test to two comparisons.
#pragma once

#include <cstdint>

#include "engine/limits.h"
#include "engine/stock_list.h"

struct SearchStage {
    double seriesSum;
    double seriesLow;
    double seriesHigh;
    double parallelSum;
    double parallelLow;
    double parallelHigh;
};

extern SearchStage stages[limits::StageCount];

// 1 / x, with the reciprocal of an exhausted (tiny, zero) or overshot
// (negative) bound kept finite: an upper bound of 1e15 admits everything, a
// lower bound of 1e15 admits nothing.
inline double guardedReciprocal(double x) {
    return x >= 1e-15 ? 1 / x : 1e15;
}

// Sets stage 0 from the target and the typed tolerance.
void setAcceptanceWindow();

// The placement steps return 1 when the part does not fit (stage k unused)
// and 0 when it was placed into stage k.

// Part i in series: stage k from stage k-1.
inline int addSeries(int k, int i) {
    const SearchStage& p = stages[k - 1];
    double s = stockParts[i].seriesValue;
    if (p.seriesHigh < s) return 1;
    SearchStage& q = stages[k];
    q.seriesHigh = p.seriesHigh - s;
    q.seriesLow = p.seriesLow - s;
    q.seriesSum = p.seriesSum + s;
    q.parallelLow = guardedReciprocal(q.seriesHigh);
    q.parallelHigh = guardedReciprocal(q.seriesLow);
    q.parallelSum = 0;
    return 0;
}

// Part i in parallel: stage k from stage k-1.
inline int addParallel(int k, int i) {
    const SearchStage& p = stages[k - 1];
    double g = stockParts[i].parallelValue;
    if (p.parallelHigh < g) return 1;
    SearchStage& q = stages[k];
    q.parallelHigh = p.parallelHigh - g;
    q.parallelLow = p.parallelLow - g;
    q.parallelSum = p.parallelSum + g;
    q.seriesLow = guardedReciprocal(q.parallelHigh);
    q.seriesHigh = guardedReciprocal(q.parallelLow);
    q.seriesSum = 0;
    return 0;
}

// The series pair of parts i and j as one branch of a parallel group:
// stage k from stage k-2. The stage's sum is the pair's own contribution.
inline int addSeriesPair(int k, int i, int j) {
    const SearchStage& p = stages[k - 2];
    double w = 1 / (stockParts[i].seriesValue + stockParts[j].seriesValue);
    if (w > p.parallelHigh) return 1;
    SearchStage& q = stages[k];
    q.parallelSum = w;
    q.parallelHigh = p.parallelHigh - w;
    q.parallelLow = p.parallelLow - w;
    q.seriesLow = guardedReciprocal(q.parallelHigh);
    q.seriesHigh = guardedReciprocal(q.parallelLow);
    q.seriesSum = 0;
    return 0;
}

// The parallel pair of parts i and j as one element of a series chain:
// stage k from stage k-2. The stage's sum is the pair's own contribution.
inline int addParallelPair(int k, int i, int j) {
    const SearchStage& p = stages[k - 2];
    double r = 1 / (stockParts[i].parallelValue + stockParts[j].parallelValue);
    if (r > p.seriesHigh) return 1;
    SearchStage& q = stages[k];
    q.seriesSum = r;
    q.seriesHigh = p.seriesHigh - r;
    q.seriesLow = p.seriesLow - r;
    q.parallelLow = guardedReciprocal(q.seriesHigh);
    q.parallelHigh = guardedReciprocal(q.seriesLow);
    q.parallelSum = 0;
    return 0;
}

// The same placements on the three fields of their own kind only, for a
// level whose next level continues the same chain or group.
inline int seriesStep(int k, int i) {
    const SearchStage& p = stages[k - 1];
    double s = stockParts[i].seriesValue;
    if (p.seriesHigh < s) return 1;
    SearchStage& q = stages[k];
    q.seriesHigh = p.seriesHigh - s;
    q.seriesLow = p.seriesLow - s;
    q.seriesSum = s + p.seriesSum;
    return 0;
}

inline int parallelStep(int k, int i) {
    const SearchStage& p = stages[k - 1];
    double g = stockParts[i].parallelValue;
    if (p.parallelHigh < g) return 1;
    SearchStage& q = stages[k];
    q.parallelHigh = p.parallelHigh - g;
    q.parallelLow = p.parallelLow - g;
    q.parallelSum = g + p.parallelSum;
    return 0;
}

// The early-stop test before each network size of two to five parts.
bool earlyStop();

// The whole search, from the input texts to the outcome in statusText.
// Returns 0 in every case.
int32_t runSearch();

// The outcome when no network matched: "Can not be able to find." or the
// nearest-part hint that many parts in series or parallel are needed.
void writeNearestPartHint();
