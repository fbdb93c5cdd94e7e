// The bilingual message table: the texts of both columns and a lookup that
// stays inside the table whatever language and id it is given.
#include "engine/message_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "engine/shared_state.h"
#include "tests/support/cp932_text.h"

TEST(MessageTable, BothColumnsOfTheOutcomeRows) {
    struct Row {
        int id;
        const char* japanese;  // UTF-8 here, CP932 in the table
        const char* english;
    };
    const Row rows[] = {
        {MsgReallyExit, "本当に終了しますか？", "Really exit?"},
        {MsgSetsFound, "組見つかりました。", " set(s) found."},
        {MsgNotFound, "見つけられませんでした。", "Can not be able to find."},
        {MsgTooManyMatches, "多すぎるため中断しました。", "Break off because of too many matches."},
        {MsgSetsDisplayed, "組表示します。", " sets displayed."},
        {MsgReserved9, "", ""},
        {MsgCantOpenInput, "入力ファイルが開けません\n", "Can't open the input file.\n"},
        {MsgParameterError, "探索条件エラー", "Searching parameter error"},
        {MsgStockListError, "部品リストエラー", "Stock list error"},
        {MsgNeedManyParallel, "多数のパラレル接続が必要です。", "You need many parts in parallel."},
        {MsgNeedManySerial, "多数のシリアル接続が必要です。", "You need many parts in serial."},
        {MsgReserved18, "", ""},
        {MsgReserved19, "", ""},
    };
    resetSharedState();
    for (const Row& row : rows) {
        settings.language = 0;
        EXPECT_EQ(utf8Of(messageText(row.id)), row.japanese) << "row " << row.id;
        settings.language = 1;
        EXPECT_STREQ(messageText(row.id), row.english) << "row " << row.id;
    }
}

// The language is read at each call: a switch changes the next lookup.
TEST(MessageTable, LanguageIsReadAtEachLookup) {
    resetSharedState();
    settings.language = 1;
    const char* english = messageText(MsgStockListError);
    settings.language = 0;
    EXPECT_EQ(messageText(MsgStockListError), messageTable[MsgStockListError].japanese);
    EXPECT_EQ(english, messageTable[MsgStockListError].english);
}

// A settings file may hold any number as the language, and a caller any id:
// every answer is one of the table's own texts or an empty text.
TEST(MessageTable, NoLanguageOrIdReadsOutsideTheTable) {
    const int languages[] = {-1, 2, 7, INT_MIN, INT_MAX};
    for (int language : languages) {
        settings.language = language;
        for (int id = 0; id < MessageCount; ++id) {
            const char* text = messageText(id);
            EXPECT_TRUE(text == messageTable[id].japanese || text == messageTable[id].english)
                << "language " << language << " id " << id;
        }
    }
    const int ids[] = {-1, MessageCount, MessageCount + 1, 1000, INT_MIN, INT_MAX};
    for (int language : {0, 1, -1, 2, INT_MIN}) {
        settings.language = language;
        for (int id : ids) {
            const char* text = messageText(id);
            ASSERT_NE(text, nullptr) << "language " << language << " id " << id;
            EXPECT_STREQ(text, "") << "language " << language << " id " << id;
        }
    }
    settings.language = 0;
}
