// The whole search against the brute-force reference of
// brute_force_reference.h: the same lines, in the same order, with the same
// values bit for bit, and the same outcome.
#include <gtest/gtest.h>

#include "tests/engine/brute_force_reference.h"

namespace {

TEST(NetworkReference, EveryTemplateRecordsWhatBruteForceFinds) {
    RandomSearch random(20240601);
    int compared = 0, skipped = 0, limited = 0;
    int perTemplate[TemplateCount] = {};
    const int trials = 600;
    for (int trial = 0; trial < trials; ++trial) {
        TypedSearch search = random.next();
        search.run();
        if (random.aimAtANetwork()) search.run();

        // The reference reads the parsed stock, the candidate range and the
        // acceptance window of the search, with the typed tolerance.
        Reference reference;
        double typedTolerance = strtod(search.tolerance, nullptr);
        searchParams.tolerancePercent = typedTolerance;
        ReferenceSearch(&reference).run();
        // A network within a hair of a window end may fall either way in
        // the search's stored subtractions; such a search proves nothing.
        if (reference.nearWindowEdge) {
            ++skipped;
            continue;
        }
        ++compared;
        limited += reference.limitReached ? 1 : 0;
        for (int t = 0; t < TemplateCount; ++t) perTemplate[t] += reference.perTemplate[t];

        std::vector<std::string> actual = recordedLines();
        SCOPED_TRACE(describe(search));
        ASSERT_EQ(settings.matchCount, reference.matchCount);
        ASSERT_EQ(actual.size(), reference.lines.size());
        for (size_t i = 0; i < actual.size(); ++i) {
            ASSERT_EQ(actual[i], reference.lines[i]) << "line " << i;
        }
        // Bit for bit: the search computes every value in the grouping of
        // the reference's formula.
        std::vector<double> values = recordedValues();
        ASSERT_EQ(values.size(), reference.values.size());
        for (size_t i = 0; i < values.size(); ++i) {
            ASSERT_EQ(memcmp(&values[i], &reference.values[i], sizeof(double)), 0)
                << "value " << i << ": " << values[i] << " against " << reference.values[i] << " of "
                << reference.lines[i];
        }
        // Each record knows its network: a shape with as many parts as its
        // line names, in the order the line names them.
        for (int i = 0; i < resultStore.recordCount; ++i) {
            const MatchRecord& r = resultStore.records[i];
            std::string line(r.text, r.length);
            ASSERT_NE(r.shape, nullptr);
            size_t at = line.find("%, ");
            for (int k = 0; k < 5; ++k) {
                if (k >= r.shape->parts) {
                    EXPECT_EQ(r.picks[k], -1) << line;
                    continue;
                }
                ASSERT_TRUE(r.picks[k] >= firstCandidate && r.picks[k] <= lastCandidate) << line;
                at = line.find(stockParts[r.picks[k]].name, at + 1);
                ASSERT_NE(at, std::string::npos) << "part " << k << " of " << line;
            }
        }
        if (reference.limitReached) {
            EXPECT_STREQ(statusText, "Break off because of too many matches.");
            // Nothing was ordered: the Result text holds the lines shown
            // live, in recording order.
            std::string shown = resultText;
            size_t at = 0;
            for (const std::string& line : actual) {
                if (shown.compare(at, line.size(), line) == 0) at += line.size();
            }
            EXPECT_EQ(at, shown.size());
            EXPECT_GT(at, 0u);
        } else if (reference.matchCount > 0) {
            std::string found = std::to_string(reference.matchCount) + " set(s) found.";
            EXPECT_EQ(std::string(statusText).substr(0, found.size()), found);
        }
    }
    EXPECT_LT(skipped, trials / 20);
    EXPECT_GT(limited, 0);
    for (int t = 0; t < TemplateCount; ++t) {
        EXPECT_GT(perTemplate[t], 0) << "no search recorded " << templates[t].format;
    }
    printf("compared %d searches, %d ended at a limit, %d skipped\n", compared, limited, skipped);
}

}  // namespace
