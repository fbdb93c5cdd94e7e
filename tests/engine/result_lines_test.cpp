// The record behind a line of the Result text: every line of a search's
// own text, none for text that no record reads as.
#include "engine/result_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/search_frame.h"
#include "tests/support/search_setup.h"

namespace {

// The default search's list with a target many networks reach.
void searchWithManyLines() {
    SearchSetup s;
    s.target = "1.42k";
    s.stock = "10\r\n100\r\n1k\r\n10k\r\n100k\r\n";
    applySetup(s);
    runAsSearchNumber(newSearchNumber());
    runSearch();
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        lines.push_back(text.substr(at, end - at + 1));
        at = end + 1;
    }
    return lines;
}

}  // namespace

TEST(ResultLines, EveryLineOfASearchIsItsRecord) {
    searchWithManyLines();
    const ResultStore& store = resultStore;
    ASSERT_GT(store.shownCount, 10);
    const MatchRecord* records[200];
    ASSERT_EQ(recordsOfResultLines(resultText, records, 200), store.shownCount);
    for (int k = 0; k < store.shownCount; ++k) {
        EXPECT_EQ(records[k], &store.records[k]) << k;
        EXPECT_EQ(recordOfResultLine(resultText, k), &store.records[k]) << k;
    }
    EXPECT_EQ(recordOfResultLine(resultText, store.shownCount), nullptr);
    EXPECT_EQ(recordOfResultLine(resultText, -1), nullptr);
    // Fewer slots than lines: the first ones are filled.
    EXPECT_EQ(recordsOfResultLines(resultText, records, 3), 3);
    EXPECT_EQ(records[2], &store.records[2]);
}

TEST(ResultLines, TextThatIsNoRecordsLineHasNone) {
    searchWithManyLines();
    const ResultStore& store = resultStore;
    const std::vector<std::string> lines = linesOf(resultText);
    ASSERT_GE(lines.size(), 6u);
    auto join = [](const std::vector<std::string>& parts) {
        std::string text;
        for (const std::string& p : parts) text += p;
        return text;
    };

    // A line typed over: it has no record, the lines around it keep theirs.
    std::vector<std::string> edited = lines;
    edited[2][4] = edited[2][4] == '9' ? '8' : '9';
    std::string text = join(edited);
    EXPECT_EQ(recordOfResultLine(text.c_str(), 1), &store.records[1]);
    EXPECT_EQ(recordOfResultLine(text.c_str(), 2), nullptr);
    EXPECT_EQ(recordOfResultLine(text.c_str(), 3), &store.records[3]);

    // Lines deleted: the later ones still find their records.
    text = lines[0] + lines[4] + lines[5];
    EXPECT_EQ(recordOfResultLine(text.c_str(), 1), &store.records[4]);
    EXPECT_EQ(recordOfResultLine(text.c_str(), 2), &store.records[5]);

    // LF line ends, and a last line without one.
    text = lines[0].substr(0, lines[0].size() - 2) + "\n" + lines[1].substr(0, lines[1].size() - 2);
    EXPECT_EQ(recordOfResultLine(text.c_str(), 0), &store.records[0]);
    EXPECT_EQ(recordOfResultLine(text.c_str(), 1), &store.records[1]);

    // The same text once a new search has begun (as after a restart, when
    // the text comes from the settings file): no record reads as it.
    text = resultText;
    resetResults();
    EXPECT_EQ(recordOfResultLine(text.c_str(), 0), nullptr);
    EXPECT_EQ(recordOfResultLine("", 0), nullptr);
}
