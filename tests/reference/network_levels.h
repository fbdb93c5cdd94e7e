// The innermost level shared by the network templates of two to five parts.
//
// Every template is a nest of plain loops, one per part, in the order its
// formula prints the parts. The outer levels place their part into the next
// stage (the placement steps of search_frame.h); the innermost level places
// nothing: it tests its part against the window left in the last stage
// written and records the network when the part fits. These two loops are
// the same in every template apart from the network value, so they live
// here, with the value given as a small function of the last part's value.
#pragma once

#include <cstdint>

#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "engine/stock_list.h"

namespace reference {

// The last part closes a series chain: `pick` runs down from `from`,
// against the series window of stage k. Parts shrink as the loop runs, so
// it leaves at the first part too small to reach the low end, skips parts
// above the high end and records the rest with value(seriesValue of the
// part). Returns non-zero when a recording ended the whole search.
template <typename Value>
inline int32_t seriesEnd(int32_t& pick, int32_t from, int k, const NetworkShape& shape, Value value) {
    const SearchStage& last = stages[k];
    for (pick = from; pick >= firstCandidate; --pick) {
        double s = stockParts[pick].seriesValue;
        if (last.seriesLow > s) break;
        if (last.seriesHigh < s) continue;
        if (recordMatch(shape, value(s)) != 0) return -1;
    }
    return 0;
}

// The last part closes a parallel group: `pick` runs up from `from`, so its
// parallelValue falls; the same tests on the parallel window of stage k,
// and value(parallelValue of the part) is recorded.
template <typename Value>
inline int32_t parallelEnd(int32_t& pick, int32_t from, int k, const NetworkShape& shape, Value value) {
    const SearchStage& last = stages[k];
    for (pick = from; pick <= lastCandidate; ++pick) {
        double g = stockParts[pick].parallelValue;
        if (last.parallelLow > g) break;
        if (last.parallelHigh < g) continue;
        if (recordMatch(shape, value(g)) != 0) return -1;
    }
    return 0;
}

}  // namespace reference
