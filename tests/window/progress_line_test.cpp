// The outcome line while a search runs, headless: it shows how far the
// running search has come, in the program's language, from its own counts
// only; the progress timer paints it again as the counts grow; the outcome
// (or the abort message) replaces it when the search ends; and neither the
// outcome text nor the settings file ever holds it.
#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/recorder.h"
#include "engine/shared_state.h"
#include "platform/linux/test_interface.h"
#include "platform/win32.h"
#include "tests/support/program_by_messages.h"
#include "window/commands.h"
#include "window/control_table.h"
#include "window/progress_line.h"

namespace {

// The pieces of the progress line in Japanese, as the program holds them:
// "探索中: N本構成, P%, M組", or "探索中..." before the search reaches its
// networks.
const char Searching[] = "\x92\x54\x8d\xf5\x92\x86" /* 探索中 */;
const char PartsUnit[] = "\x96\x7b\x8d\x5c\x90\xac" /* 本構成 */;
const char FoundUnit[] = "\x91\x67" /* 組 */;

struct Progress {
    bool matches;  // the line is a progress line at all
    int parts;     // -1 for "探索中..."
    int percent;   // how far that size has come
    int found;
};

// Reads the digits at `at` into `n`; false when there are none.
bool readNumber(const std::string& line, size_t& at, int& n) {
    size_t start = at;
    n = 0;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9') n = n * 10 + (line[at++] - '0');
    return at > start;
}

bool readText(const std::string& line, size_t& at, const std::string& text) {
    if (line.compare(at, text.size(), text) != 0) return false;
    at += text.size();
    return true;
}

Progress readProgress(const std::string& line) {
    if (line == std::string(Searching) + "...") return Progress{true, -1, 0, 0};
    Progress p{true, 0, 0, 0};
    size_t at = 0;
    bool read = readText(line, at, std::string(Searching) + ": ") && readNumber(line, at, p.parts) &&
                readText(line, at, std::string(PartsUnit) + ", ") && readNumber(line, at, p.percent) &&
                readText(line, at, "%, ") && readNumber(line, at, p.found) && readText(line, at, FoundUnit) &&
                at == line.size();
    if (!read || p.parts < 1 || p.parts > 5 || p.percent > 100) return Progress{false, 0, 0, 0};
    return p;
}

std::string outcomeLineText() {
    std::lock_guard<std::mutex> lock(resultStateMutex);
    return statusText;
}

// The program as a user drives it, its window shown so that it paints.
class ProgressLine : public ProgramByMessages {
protected:
    void SetUp() override {
        ProgramByMessages::SetUp();
        ShowWindow(main_, SW_SHOW);
        platform_test::runUntilIdle();
    }
    // A long search that a failed check left running is stopped.
    void TearDown() override {
        if (workerHandle != nullptr && IsWindow(main_)) {
            platform_test::answerMessageBox(IDYES);
            command(RowAbort);
        }
        ProgramByMessages::TearDown();
    }

    // The text the window last painted on its outcome line.
    std::string painted() {
        for (int i = platform_test::drawnItemCount(main_) - 1; i >= 0; --i) {
            platform_test::DrawnItem item = platform_test::drawnItem(main_, i);
            if (item.kind == platform_test::PaintKind::Text) return item.text;
        }
        return "";
    }

    // The search of the on-screen check: 500 values, a tolerance of 1e-9 %
    // that only five-part networks meet, and a search of about a minute.
    void typeLongSearch() {
        std::string stock;
        for (int i = 0; i < 500; ++i) stock += std::to_string(1000 + 7 * i + (i * i) % 13) + "\r\n";
        type(RowTargetBox, "3333.3333");
        type(RowToleranceBox, "1e-9");
        type(RowRangeBox, "1e30");
        type(RowList1Box, stock.c_str());
    }
};

TEST_F(ProgressLine, ShowsTheRunningSearchsCountsAsTheyGrowThenTheOutcome) {
    command(RowExecute);
    finishSearch();
    ASSERT_EQ(painted(), TwentySixFound);

    typeLongSearch();
    command(RowExecute);
    EXPECT_EQ(platform_test::timerPeriod(main_, ProgressTimerId), ProgressPeriod);
    platform_test::runUntilIdle();
    // From the first paint on: the progress, never the outcome before.
    ASSERT_TRUE(readProgress(painted()).matches) << painted();

    // What the timer paints, until the counts have grown twice in five-part
    // networks and the share of those has grown.
    std::vector<Progress> seen;
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(90);
    while (std::chrono::steady_clock::now() < end && workerHandle != nullptr) {
        platform_test::pumpUntil([] { return false; }, 0.1);
        platform_test::expireTimers(main_);
        platform_test::runUntilIdle();
        Progress now = readProgress(painted());
        ASSERT_TRUE(now.matches) << painted();
        EXPECT_EQ(outcomeLineText(), "") << "the progress is never the outcome text";
        if (seen.empty() || now.parts != seen.back().parts || now.percent != seen.back().percent ||
            now.found != seen.back().found) {
            seen.push_back(now);
        }
        int grown = 0, shares = 0;
        for (const Progress& p : seen) {
            grown += p.found > 0 ? 1 : 0;
            shares += p.parts == 5 && p.percent > 0 ? 1 : 0;
        }
        if (grown >= 2 && shares >= 2) break;
    }
    ASSERT_GE(seen.size(), 3u);
    for (size_t i = 1; i < seen.size(); ++i) {
        EXPECT_GE(seen[i].parts, seen[i - 1].parts);
        EXPECT_GE(seen[i].found, seen[i - 1].found);
        // Within a size the share never goes back.
        if (seen[i].parts == seen[i - 1].parts) {
            EXPECT_GE(seen[i].percent, seen[i - 1].percent);
        }
    }
    EXPECT_GT(seen.back().percent, 0);
    EXPECT_EQ(seen.back().parts, 5);
    EXPECT_GT(seen.back().found, 0);
    EXPECT_LE(seen.back().found, settings.matchCount);

    // In English at once when the language changes.
    command(RowLanguage);
    platform_test::runUntilIdle();
    {
        const std::string line = painted();
        size_t at = 0;
        int found = 0;
        int percent = 0;
        EXPECT_TRUE(readText(line, at, "Searching: 5 parts, ") && readNumber(line, at, percent) &&
                    readText(line, at, " %, ") && readNumber(line, at, found) && readText(line, at, " found") &&
                    at == line.size())
            << line;
        EXPECT_LE(percent, 100);
    }

    platform_test::answerMessageBox(IDYES);
    command(RowAbort);
    platform_test::runUntilIdle();
    EXPECT_EQ(painted(), outcomeLineText());
    EXPECT_EQ(painted().rfind("aborted. found = ", 0), 0u) << painted();
    EXPECT_EQ(platform_test::timerPeriod(main_, ProgressTimerId), 0u);
}

TEST_F(ProgressLine, ANewSearchThatHasNotBegunShowsNoCountsOfTheOneBefore) {
    command(RowExecute);
    finishSearch();
    // A search that finds at once and then waits for this thread to show
    // its first match; stopped there, it cannot leave before this thread
    // serves it, and the next search waits for it to leave.
    command(RowExecute);
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (settings.matchCount == 0 && std::chrono::steady_clock::now() < end) std::this_thread::yield();
    ASSERT_GT(settings.matchCount, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    platform_test::answerMessageBox(IDYES);
    command(RowAbort);
    command(RowExecute);
    ASSERT_NE(workerHandle, nullptr);
    // Painted without serving the stopped worker: the new search has not
    // begun, and the stopped one's count is not shown as its own.
    SendMessageA(main_, WM_PAINT, 0, 0);
    EXPECT_EQ(painted(), std::string(Searching) + "...");
    finishSearch();
    EXPECT_EQ(painted(), TwentySixFound);
}

TEST_F(ProgressLine, ClosingDuringASearchSavesNoProgress) {
    typeLongSearch();
    command(RowExecute);
    platform_test::pumpUntil([] { return false; }, 0.3);
    platform_test::expireTimers(main_);
    platform_test::runUntilIdle();
    ASSERT_TRUE(readProgress(painted()).matches) << painted();
    PostMessageA(main_, WM_CLOSE, 0, 0);
    platform_test::runUntilIdle();
    ASSERT_TRUE(platform_test::quitRequested(nullptr));
    std::string saved = readFile("Combinix.ini");
    EXPECT_EQ(saved.find(Searching), std::string::npos);
    EXPECT_EQ(saved.find("Searching"), std::string::npos);
}

}  // namespace
