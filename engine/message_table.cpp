// The message table itself.
#include "engine/message_table.h"

#include "engine/shared_state.h"

// clang-format off
const MessageRow messageTable[MessageCount] = {
//   Japanese (CP932)                                   English
    {"\x8e\xc0\x8d\x73\x92\x86\x82\xcd\x95\xcf\x8d\x58\x8f\x6f\x97\x88\x82\xdc\x82\xb9\x82\xf1" /* 実行中は変更出来ません */,
     "Can't change it while execution"},  // 0 MsgChangeWhileRunning
    {"\x96\x7b\x93\x96\x82\xc9\x8f\x49\x97\xb9\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81\x48" /* 本当に終了しますか？ */,
     "Really exit?"},  // 1 MsgReallyExit
    {"\x96\x7b\x93\x96\x82\xc9\x8f\x88\x97\x9d\x92\xe2\x8e\x7e\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81\x48" /* 本当に処理停止しますか？ */,
     "Really abort?"},  // 2 MsgReallyAbort
    {"\x8e\xc0\x8d\x73\x92\x86\x82\xc5\x82\xb7" /* 実行中です */,
     "Already started"},  // 3 MsgAlreadyStarted
    {"\x8e\xc0\x8d\x73\x8a\xae\x97\xb9" /* 実行完了 */,
     "Completed"},  // 4 MsgCompleted
    {"\x91\x67\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb5\x82\xbd\x81\x42" /* 組見つかりました。 */,
     " set(s) found."},  // 5 MsgSetsFound
    {"\x8c\xa9\x82\xc2\x82\xaf\x82\xe7\x82\xea\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd\x81\x42" /* 見つけられませんでした。 */,
     "Can not be able to find."},  // 6 MsgNotFound
    {"\x91\xbd\x82\xb7\x82\xac\x82\xe9\x82\xbd\x82\xdf\x92\x86\x92\x66\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42" /* 多すぎるため中断しました。 */,
     "Break off because of too many matches."},  // 7 MsgTooManyMatches
    {"\x91\x67\x95\x5c\x8e\xa6\x82\xb5\x82\xdc\x82\xb7\x81\x42" /* 組表示します。 */,
     " sets displayed."},  // 8 MsgSetsDisplayed
    {"",
     ""},  // 9 MsgReserved9
    {"\x93\xfc\x97\xcd\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xaa\x8a\x4a\x82\xaf\x82\xdc\x82\xb9\x82\xf1\n" /* 入力ファイルが開けません\n */,
     "Can't open the input file.\n"},  // 10 MsgCantOpenInput
    {"\x8f\x6f\x97\xcd\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xaa\x8d\xec\x82\xea\x82\xdc\x82\xb9\x82\xf1\n" /* 出力ファイルが作れません\n */,
     "Can't create the output file.\n"},  // 11 MsgCantCreateOutput
    {"\x83\x74\x83\x48\x81\x5b\x83\x7d\x83\x62\x83\x67\x81\x45\x83\x47\x83\x89\x81\x5b\n" /* フォーマット・エラー\n */,
     "Format error\n"},  // 12 MsgFormatError
    {"\x92\x54\x8d\xf5\x8f\xf0\x8c\x8f\x83\x47\x83\x89\x81\x5b" /* 探索条件エラー */,
     "Searching parameter error"},  // 13 MsgParameterError
    {"\x95\x94\x95\x69\x83\x8a\x83\x58\x83\x67\x83\x47\x83\x89\x81\x5b" /* 部品リストエラー */,
     "Stock list error"},  // 14 MsgStockListError
    {"\x91\xbd\x90\x94\x82\xcc\x83\x70\x83\x89\x83\x8c\x83\x8b\x90\xda\x91\xb1\x82\xaa\x95\x4b\x97\x76\x82\xc5\x82\xb7\x81\x42" /* 多数のパラレル接続が必要です。 */,
     "You need many parts in parallel."},  // 15 MsgNeedManyParallel
    {"\x91\xbd\x90\x94\x82\xcc\x83\x56\x83\x8a\x83\x41\x83\x8b\x90\xda\x91\xb1\x82\xaa\x95\x4b\x97\x76\x82\xc5\x82\xb7\x81\x42" /* 多数のシリアル接続が必要です。 */,
     "You need many parts in serial."},  // 16 MsgNeedManySerial
    {"\x83\x6f\x83\x4f" /* バグ */,
     "BUG"},  // 17 MsgBug
    {"",
     ""},  // 18 MsgReserved18
    {"",
     ""},  // 19 MsgReserved19
};
// clang-format on

static_assert(sizeof(messageTable) / sizeof(messageTable[0]) == 20, "twenty message rows");

const char* messageTextIn(int id, int language) {
    if (id < 0 || id >= MessageCount) return "";
    return language == 1 ? messageTable[id].english : messageTable[id].japanese;
}

const char* messageText(int id) {
    return messageTextIn(id, settings.language);
}
