// The rows of the control table that the program addresses by name. A
// control's id is its row number and so is its command id; code reaches a
// row only through these names, never through a bare number. The library
// knows none of them: it shows results through the display that the window
// installs, which writes into the Result box.
#pragma once

enum ControlRowId : int {
    RowHeadline = 0,
    RowLanguage = 1,            // names the other language
    RowDefaultSize = 2,         // "#": back to the default window size
    RowPartGroup = 5,
    RowResistor = 6,            // first of the part type radio buttons
    RowCapacitor = 7,
    RowInductor = 8,
    RowTargetCaption = 10,
    RowTargetBox = 11,
    RowToleranceCaption = 12,
    RowToleranceBox = 13,
    RowMaxPartsCaption = 14,
    RowMaxPartsBox = 15,
    RowRangeCaption = 16,
    RowRangeBox = 17,
    RowShowAll = 18,
    RowExecute = 21,
    RowExit = 22,
    RowAbort = 23,
    RowParallelOnly = 25,
    RowResultGroup = 27,
    RowOutcome = 28,            // painted: the outcome message
    RowResultBox = 29,
    RowList1Caption = 31,
    RowList1Box = 32,
    RowList2Caption = 33,
    RowList2Box = 34,
    RowList3Caption = 35,
    RowList3Box = 36,
    RowSortByError = 40,
    RowSortByValue = 41,
    RowListGroup = 42,
    RowList1Choice = 43,        // first of the list selection radio buttons
    RowList2Choice = 44,
    RowList3Choice = 45,
    RowE24Choice = 46,
    RowE12Choice = 47,
    RowE6Choice = 48,
    RowE3Choice = 49,
    RowPair = 50,               // opens the Pair window
};
