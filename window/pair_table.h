// The Pair window's control table: one constant row per control, from
// which the window creates its child windows, labels them in the current
// language, paints the outcome line and decides which inputs the chosen
// mode reads. A row's number is its control id and its command id; code
// reaches a row only through the names below.
//
// Geometry is in tenths of the main window's layout units (charWidth,
// lineHeight), as in the main window's table, so both windows scale alike.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "window/control_table.h"

enum PairRowId : int {
    PairRowHeadline = 0,
    PairRowModeGroup = 1,
    PairRowRatioMode = 2,  // first of the mode radio buttons, in PairMode order
    PairRowDividerMode = 3,
    PairRowFeedbackMode = 4,
    PairRowRcMode = 5,
    PairRowLcMode = 6,
    PairRowPartGroup = 7,
    PairRowResistor = 8,  // first of the part type radio buttons
    PairRowCapacitor = 9,
    PairRowInductor = 10,
    PairRowTargetGroup = 11,
    PairRowRatioCaption = 12,
    PairRowRatioBox = 13,
    PairRowVinCaption = 14,
    PairRowVinBox = 15,
    PairRowVoutCaption = 16,
    PairRowVoutBox = 17,
    PairRowVrefCaption = 18,
    PairRowVrefBox = 19,
    PairRowByTimeConstant = 20,  // the RC target given as tau, in PairRcBy order
    PairRowByFrequency = 21,     // the RC target given as f; LC's f
    PairRowTimeConstantBox = 22,
    PairRowFrequencyBox = 23,
    PairRowToleranceCaption = 24,
    PairRowToleranceBox = 25,
    PairRowMaxPartsCaption = 26,
    PairRowMaxPartsBox = 27,
    PairRowRangeGroup = 28,
    PairRowRangeACaption = 29,
    PairRowAMinBox = 30,
    PairRowRangeASeparator = 31,
    PairRowAMaxBox = 32,
    PairRowRangeBCaption = 33,
    PairRowBMinBox = 34,
    PairRowRangeBSeparator = 35,
    PairRowBMaxBox = 36,
    PairRowTotalCaption = 37,
    PairRowTotalMinBox = 38,
    PairRowTotalSeparator = 39,
    PairRowTotalMaxBox = 40,
    PairRowStockAGroup = 41,
    PairRowStockAList1 = 42,  // first of A's stock radio buttons, in PairStock order
    PairRowStockAE192 = 51,
    PairRowStockBGroup = 52,
    PairRowStockBAsA = 53,  // first of B's: "as A", then PairStock order
    PairRowStockBList1 = 54,
    PairRowStockBE192 = 63,
    PairRowExecute = 64,
    PairRowAbort = 65,
    PairRowResultGroup = 66,
    PairRowOutcome = 67,  // painted: the outcome, or the progress while a search runs
    PairRowResultBox = 68,
};

// A row of the Pair window: a main window row's columns (what `index`
// names differs: a PairField for radio buttons, a PairText for edit boxes)
// and the modes whose search reads the control.
struct PairControlEntry {
    int32_t kind;    // a ControlKind
    int32_t index;   // PairField (radio buttons) or PairText (edit boxes); -1 if none
    int32_t group;   // radio: first row of its group; otherwise 2 starts the control disabled
    uint32_t style;  // window style, DrawTextA format
    int32_t left;    // tenths of charWidth
    int32_t top;     // tenths of lineHeight
    int32_t right;
    int32_t bottom;
    int32_t modes;   // bit m set: PairMode m reads it; a row of no mode's is disabled
    const char* captionJapanese;  // CP932; shown when language is 0
    const char* captionEnglish;   // shown when language is 1
};

constexpr int PairTableRows = 69;
extern const PairControlEntry pairControlTable[];

// Child windows of the Pair window by row; null while it is closed.
extern HWND pairControlWindows[PairTableRows];

// The Pair window's caption in the current language.
const char* pairWindowCaption();
// The caption of `entry` in the current language; never null.
const char* pairCaptionOf(const PairControlEntry& entry);
// The client size the table's rows need, in pixels.
SIZE pairClientSize();
// A table rectangle in client pixels (the window does not scroll).
RECT pairRectToPixels(const PairControlEntry& entry);

// Creates the child window of every row that has one in `window`, checks
// the radio buttons of the store's choices and fills the boxes with its
// texts (window/pair_inputs.h).
void createPairControls(HWND window, HINSTANCE instance);
// Labels every captioned row, and the window, in the current language.
void applyPairCaptions(HWND window);
// The radio buttons' check marks from the store's choices; and which rows
// are enabled: those the mode reads, all of them locked while `running`
// but Abort, which is enabled only then.
void showPairChoices();
void enablePairRows(bool running);
// Every box's text into the store.
void capturePairInputs();
// The WM_PAINT handler: the outcome line (`outcome`, or the progress line
// `progress` when not null).
void paintPairWindow(HWND window, const char* outcome, const char* progress);
// Every handle back to null.
void resetPairControlWindows();
