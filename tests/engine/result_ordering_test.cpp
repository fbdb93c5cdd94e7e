// Ordering the recorded matches and rebuilding the Result box text.
#include "engine/result_ordering.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/recorder.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"
#include "engine/stock_list.h"

namespace {

const NetworkShape OnePart{0, 1, "1:%8.3f%s,%6.2f%%, %s\r\n"};
const NetworkShape TwoSeries{1, 2, "2:%8.3f%s,%6.2f%%, %s + %s\r\n"};

void prepare() {
    resetSharedState();
    settings.language = 1;
    settings.showAll = 1;
    searchParams.target = 1000;
    searchParams.tolerancePercent = 100;
    snprintf(stockParts[0].name, sizeof stockParts[0].name, "%s", "a");
    snprintf(stockParts[1].name, sizeof stockParts[1].name, "%s", "b");
    pick1 = 0;
    pick2 = 1;
    runAsSearchNumber(newSearchNumber());
    resetResults();
}

}  // namespace

TEST(ResultOrdering, PartCountGroupsComeFirst) {
    prepare();
    recordMatch(TwoSeries, 1000);  // two parts, error 0
    recordMatch(OnePart, 1040);    // one part, error 4 %
    finishResults();
    EXPECT_EQ(std::string(resultText),
              "1: 1.04000k,  4.00%, a\r\n2: 1.00000k,     0%, a + b\r\n");
    sortByValue();
    EXPECT_EQ(std::string(resultText),
              "1: 1.04000k,  4.00%, a\r\n2: 1.00000k,     0%, a + b\r\n");
}

TEST(ResultOrdering, EqualErrorsGoByValue) {
    prepare();
    recordMatch(OnePart, 1010);
    recordMatch(OnePart, 990);
    recordMatch(OnePart, 1005);
    finishResults();
    EXPECT_EQ(std::string(resultText),
              "1: 1.00500k,  0.50%, a\r\n1: 990.000, -1.00%, a\r\n1: 1.01000k,  1.00%, a\r\n");
    sortByValue();
    EXPECT_EQ(std::string(resultText),
              "1: 990.000, -1.00%, a\r\n1: 1.00500k,  0.50%, a\r\n1: 1.01000k,  1.00%, a\r\n");
    sortByError();
    EXPECT_EQ(std::string(resultText),
              "1: 1.00500k,  0.50%, a\r\n1: 990.000, -1.00%, a\r\n1: 1.01000k,  1.00%, a\r\n");
}

TEST(ResultOrdering, BudgetCutStopsAtTheFirstLineThatDoesNotFit) {
    prepare();
    // 1279 lines of 25 characters leave a budget of 25, which no longer
    // takes a 25-character line; a shorter line after it is not shown
    // either, although it would fit.
    snprintf(stockParts[0].name, sizeof stockParts[0].name, "%s", "1k");
    for (int i = 0; i < 1280; ++i) recordMatch(OnePart, 1000);
    recordMatch(OnePart, 999.5);  // error 0.05 %, sorts after the exact ones
    snprintf(stockParts[0].name, sizeof stockParts[0].name, "%s", "");
    recordMatch(OnePart, 1001);   // 0.1 %, a line of 23 characters
    finishResults();
    EXPECT_EQ(resultStore.shownCount, 1279);
    EXPECT_EQ(resultStore.recordCount, 1282);
    EXPECT_EQ(strlen(resultText), 1279u * 25u);

    // Sorting re-orders only the shown records.
    sortByValue();
    EXPECT_EQ(strlen(resultText), 1279u * 25u);
    EXPECT_EQ(std::string(resultText).find("999.500"), std::string::npos);
}

TEST(ResultOrdering, NothingToSortAfterStartUp) {
    prepare();
    setText(resultText, "restored text\r\n");
    sortByError();
    sortByValue();
    EXPECT_STREQ(resultText, "restored text\r\n");
}

TEST(ResultOrdering, UnorderedRecordsAreOrderedAndFittedOnFirstSort) {
    // After a stop at a limit the records were never ordered: a sort
    // orders all of this search's records and shows those that fit.
    prepare();
    recordMatch(OnePart, 1010);
    recordMatch(OnePart, 1002);
    sortByError();
    EXPECT_EQ(resultStore.shownCount, 2);
    EXPECT_EQ(std::string(resultText),
              "1: 1.00200k,  0.20%, a\r\n1: 1.01000k,  1.00%, a\r\n");
}

TEST(ResultOrdering, ExactTiesKeepTheirRecordingOrderInBothSorts) {
    // Equal values under different names, and the same pair recorded in
    // both orders: equal in every key, so each sort, however often it runs,
    // shows them as they were recorded, on every C library.
    prepare();
    snprintf(stockParts[2].name, sizeof stockParts[2].name, "%s", "c");
    const int onePart[] = {1, 0, 2, 0};  // b, a, c, a
    for (int pick : onePart) {
        pick1 = pick;
        recordMatch(OnePart, 1000);
    }
    const int pairs[][2] = {{1, 0}, {0, 1}, {2, 0}, {0, 2}};  // b + a, a + b, c + a, a + c
    for (const auto& pair : pairs) {
        pick1 = pair[0];
        pick2 = pair[1];
        recordMatch(TwoSeries, 1000);
    }
    const std::string recorded =
        "1: 1.00000k,     0%, b\r\n1: 1.00000k,     0%, a\r\n"
        "1: 1.00000k,     0%, c\r\n1: 1.00000k,     0%, a\r\n"
        "2: 1.00000k,     0%, b + a\r\n2: 1.00000k,     0%, a + b\r\n"
        "2: 1.00000k,     0%, c + a\r\n2: 1.00000k,     0%, a + c\r\n";
    finishResults();
    EXPECT_EQ(std::string(resultText), recorded);
    for (int round = 0; round < 3; ++round) {
        sortByValue();
        EXPECT_EQ(std::string(resultText), recorded) << "by value, round " << round;
        sortByError();
        EXPECT_EQ(std::string(resultText), recorded) << "by error, round " << round;
    }
}
