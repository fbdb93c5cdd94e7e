// The bilingual messages of the outcome line and the confirmation boxes:
// one constant table, Japanese (CP932) in column 0 and English in column 1,
// the current language picking the column when a message is produced.
#pragma once

enum MessageId : int {
    MsgChangeWhileRunning = 0,
    MsgReallyExit = 1,
    MsgReallyAbort = 2,
    MsgAlreadyStarted = 3,
    MsgCompleted = 4,
    MsgSetsFound = 5,
    MsgNotFound = 6,
    MsgTooManyMatches = 7,
    MsgSetsDisplayed = 8,
    MsgReserved9 = 9,
    MsgCantOpenInput = 10,
    MsgCantCreateOutput = 11,
    MsgFormatError = 12,
    MsgParameterError = 13,
    MsgStockListError = 14,
    MsgNeedManyParallel = 15,
    MsgNeedManySerial = 16,
    MsgBug = 17,
    MsgReserved18 = 18,
    MsgReserved19 = 19,
    MessageCount = 20,
};

struct MessageRow {
    const char* japanese;
    const char* english;
};

extern const MessageRow messageTable[MessageCount];

// The text of `id` in the column of the current language. A language other
// than 1 reads the Japanese column and an id outside the table gives the
// empty text, so no value ever reads outside the table.
const char* messageText(int id);
const char* messageTextIn(int id, int language);
