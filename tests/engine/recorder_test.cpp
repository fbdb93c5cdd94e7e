// The recorder: the result line character by character, the display rules,
// the tightening of the tolerance and the two limits of a search.
#include "engine/recorder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/result_display.h"
#include "engine/result_ordering.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"
#include "engine/stock_list.h"

namespace {

const NetworkShape OnePart{0, 1, "1:%8.3f%s,%6.2f%%, %s\r\n"};
const NetworkShape TwoSeries{1, 2, "2:%8.3f%s,%6.2f%%, %s + %s\r\n"};

// A search state with the named parts at picks 1 and 2.
void prepare(int partType, double target, double tolerancePercent, const char* name1 = "1k",
             const char* name2 = "470") {
    resetSharedState();
    settings.language = 1;
    settings.partType = partType;
    searchParams.target = target;
    searchParams.tolerancePercent = tolerancePercent;
    snprintf(stockParts[0].name, sizeof stockParts[0].name, "%s", name1);
    snprintf(stockParts[1].name, sizeof stockParts[1].name, "%s", name2);
    pick1 = 0;
    pick2 = 1;
    runAsSearchNumber(newSearchNumber());
    resetResults();
}

std::string lastLine() {
    const ResultStore& s = resultStore;
    return std::string(s.records[s.recordCount - 1].text);
}

}  // namespace

TEST(Recorder, ResultLineExamples) {
    prepare(Resistor, 1420, 10, "1.5k");
    recordMatch(OnePart, 1500);
    EXPECT_EQ(lastLine(), "1: 1.50000k,  5.63%, 1.5k\r\n");
    prepare(Resistor, 1420, 10);
    recordMatch(TwoSeries, 1470);
    EXPECT_EQ(lastLine(), "2: 1.47000k,  3.52%, 1k + 470\r\n");
    prepare(Resistor, 1000, 10);
    recordMatch(OnePart, 1000);
    EXPECT_EQ(lastLine(), "1: 1.00000k,     0%, 1k\r\n");
    EXPECT_EQ(resultStore.records[0].length, 25);
}

TEST(Recorder, PrefixAndPrecisionBoundaries) {
    struct Case {
        double value;  // ohm
        const char* field;
    } cases[] = {
        {1e-9, " 1.00000n"},   {1, " 1.00000"},    {1000, " 1.00000k"},
        {1000000, " 1.00000M"}, {10, " 10.0000"},  {100, " 100.000"},
        {999.9, " 999.900"},   {0.5, " 500.000m"}, {2.5e-12, " 2.50000p"},
        {47e-6, " 47.0000u"},  {0, " 0.00000p"},   {12345e6, "12345.000M"},
    };
    for (const Case& c : cases) {
        prepare(Resistor, c.value == 0 ? 1 : c.value, 1e9);
        recordMatch(OnePart, c.value);
        EXPECT_EQ(lastLine().substr(2, strlen(c.field)), c.field) << c.value;
    }
}

TEST(Recorder, ErrorFieldBoundaries) {
    struct Case {
        double error;
        const char* field;
    } cases[] = {
        {0, "     0"},        // exactly 0: no decimals
        {-0.004, "-0.004"},   // below 0.01: three decimals
        {0.00999, " 0.010"},
        {0.01, "  0.01"},     // 0.01 itself: two decimals
        {-50, "-50.00"},
        {1100, "1100.00"},    // wider than six characters
    };
    char line[200];
    for (const Case& c : cases) {
        prepare(Resistor, 1000, 1);
        formatResultLine(line, OnePart.format, 1000, c.error);
        std::string text = line;
        size_t comma = text.find(',');
        EXPECT_EQ(text.substr(comma + 1, text.find('%') - comma - 1), c.field) << c.error;
    }
}

TEST(Recorder, CapacitorsPrintedInFarads) {
    // Two 1u in parallel: 2u, that is 500000 in the series domain; against
    // a target of 2u (series domain 500000) the error is 0.
    prepare(Capacitor, 1 / 2e-6, 1, "1u", "1u");
    recordMatch(NetworkShape{2, 2, "2:%8.3f%s,%6.2f%%, %s / %s\r\n"}, 1 / 2e-6);
    EXPECT_EQ(lastLine(), "2: 2.00000u,     0%, 1u / 1u\r\n");
    EXPECT_EQ(resultStore.records[0].value, 2e-6);
}

TEST(Recorder, RecordKeepsItsShapeAndParts) {
    prepare(Resistor, 1470, 1);
    recordMatch(TwoSeries, 1470);
    const MatchRecord& r = resultStore.records[0];
    EXPECT_EQ(r.shape, &TwoSeries);
    EXPECT_EQ(r.number, 0);
    const int16_t picks[] = {0, 1, -1, -1, -1};  // 1k + 470, nothing past two parts
    for (int k = 0; k < 5; ++k) EXPECT_EQ(r.picks[k], picks[k]) << k;
}

TEST(Recorder, DisplayFilterAndTightening) {
    prepare(Resistor, 1000, 1);
    recordMatch(OnePart, 1005);  // 0.5 %: shown, tolerance 0.500001
    EXPECT_NEAR(searchParams.tolerancePercent, 0.500001, 1e-12);
    recordMatch(OnePart, 1008);  // 0.8 %: recorded, not shown
    recordMatch(OnePart, 995);   // 0.5 %: equals within the tightening
    EXPECT_EQ(resultStore.recordCount, 3);
    EXPECT_EQ(settings.matchCount, 3);
    EXPECT_EQ(std::string(resultText),
              "1: 1.00500k,  0.50%, 1k\r\n1: 995.000, -0.50%, 1k\r\n");

    prepare(Resistor, 1000, 1);
    settings.showAll = 1;
    recordMatch(OnePart, 1005);
    recordMatch(OnePart, 1008);  // shown with Show All, tolerance stays
    EXPECT_NEAR(searchParams.tolerancePercent, 0.500001, 1e-12);
    EXPECT_EQ(std::string(resultText), "1: 1.00500k,  0.50%, 1k\r\n1: 1.00800k,  0.80%, 1k\r\n");
}

TEST(Recorder, DisplayBudgetStopsLiveDisplayButNotRecording) {
    prepare(Resistor, 1000, 1);
    settings.showAll = 1;
    // Every line is 25 characters: after 1279 lines the budget is 25, and
    // the 1280th brings it to 0, which no longer shows a line.
    for (int i = 0; i < 1400; ++i) recordMatch(OnePart, 1000);
    EXPECT_EQ(strlen(resultText), 1279u * 25u);
    EXPECT_EQ(resultStore.recordCount, 1400);
    EXPECT_EQ(resultStore.displayBudget, 32000 - 1400 * 25);
}

TEST(Recorder, MatchLimit) {
    prepare(Resistor, 1000, 1);
    for (int i = 0; i < 10000; ++i) ASSERT_EQ(recordMatch(OnePart, 1000), 0);
    EXPECT_EQ(resultStore.recordCount, 10000);
    EXPECT_EQ(recordMatch(OnePart, 1000), -1);
    EXPECT_STREQ(statusText, "Break off because of too many matches.");
    EXPECT_EQ(settings.matchCount, 10000);
    EXPECT_EQ(resultStore.recordCount, 10000);
    settings.language = 0;
    EXPECT_EQ(recordMatch(OnePart, 1000), -1);
    EXPECT_STREQ(statusText, "\x91\xbd\x82\xb7\x82\xac\x82\xe9\x82\xbd\x82\xdf\x92\x86\x92\x66\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42" /* 多すぎるため中断しました。 */);
}

TEST(Recorder, LineStoreLimit) {
    // Names of 15 characters make bridge lines of 114 characters, the
    // longest of any network; 6086 of them (115 bytes each with the zero)
    // fill 699890 bytes, and the next would need 699890 + 115 = 700005.
    prepare(Resistor, 1000, 1, "123456789012345", "123456789012345");
    pick3 = pick4 = pick5 = 0;
    const NetworkShape five{41, 5, "5:%8.3f%s,%6.2f%%, Bridge(%s, %s, %s, %s, %s)\r\n"};
    int calls = 0;
    while (recordMatch(five, 1000) == 0) ++calls;
    int length = resultStore.records[0].length;
    EXPECT_EQ(length, 114);
    EXPECT_EQ(calls, 699999 / (length + 1));
    EXPECT_EQ(resultStore.recordCount, calls);
    EXPECT_EQ(settings.matchCount, calls + 1);  // the last call counted, not kept
    EXPECT_EQ(resultStore.storeUsed, calls * (length + 1));
    EXPECT_STREQ(statusText, "Break off because of too many matches.");
}

TEST(Recorder, OverlongLineIsCutAndStillEndsItsLine) {
    prepare(Resistor, 1e-300, 1, "123456789012345", "123456789012345");
    pick3 = pick4 = pick5 = 0;
    recordMatch(NetworkShape{32, 5, "5:%8.3f%s,%6.2f%%, %s /(%s +(%s /(%s + %s)))\r\n"}, 1e300);
    std::string line = lastLine();
    EXPECT_EQ(line.size(), 199u);
    EXPECT_EQ(line.substr(197), "\r\n");
}

TEST(Recorder, StopRequestRecordsNothingMore) {
    prepare(Resistor, 1000, 1);
    requestSearchStop();
    EXPECT_EQ(recordMatch(OnePart, 1000), -1);
    EXPECT_EQ(settings.matchCount, 0);
    EXPECT_EQ(resultStore.recordCount, 0);
    EXPECT_STREQ(statusText, "");
    // A search started after the stop runs; the stopped one stays stopped.
    uint32_t stopped = newSearchNumber() - 1;
    runAsSearchNumber(stopped + 1);
    EXPECT_EQ(recordMatch(OnePart, 1000), 0);
    runAsSearchNumber(stopped);
    EXPECT_TRUE(searchStopped());
    // Later tests in this process search as a fresh search again.
    runAsSearchNumber(newSearchNumber());
}

namespace {

std::vector<std::string> displayed;
void keepDisplayed(const char* text) { displayed.emplace_back(text); }

}  // namespace

TEST(Recorder, LiveResultsGoThroughTheInstalledDisplayOnly) {
    // Each shown match hands the whole Result text to the display the front
    // end installed; a match not shown, and the library with no display
    // installed, hand nothing anywhere.
    prepare(Resistor, 1000, 1);
    displayed.clear();
    installResultDisplay(keepDisplayed);
    recordMatch(OnePart, 1005);  // 0.5 %: shown
    recordMatch(OnePart, 1008);  // 0.8 %: recorded, not shown
    recordMatch(OnePart, 1000);  // exact: shown
    finishResults();             // the ordered text
    installResultDisplay(nullptr);
    recordMatch(OnePart, 1000);
    EXPECT_EQ(displayed, (std::vector<std::string>{
                             "1: 1.00500k,  0.50%, 1k\r\n",
                             "1: 1.00500k,  0.50%, 1k\r\n1: 1.00000k,     0%, 1k\r\n",
                             "1: 1.00000k,     0%, 1k\r\n1: 1.00500k,  0.50%, 1k\r\n"
                             "1: 1.00800k,  0.80%, 1k\r\n",
                         }));
}
