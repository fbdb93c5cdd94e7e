// The keyboard in the program's table-driven windows (the main window and
// the Pair window): where the focus starts, the keys a window answers
// wherever its focus is, and the focus given back after a search. The
// message loop hands every message to translateWindowKey (and the Pair
// window's to its own) before it dispatches it, as a dialog's loop hands it
// to IsDialogMessage.
#pragma once

#include <cstdint>

#include "platform/win32.h"

// A window whose controls come from a constant table, as the keyboard sees
// it: the kind (ControlKind) of each row, the child windows by row, the
// one-line input boxes in which Enter means Execute, the Execute and Abort
// rows, and where the control that had the focus before a run is noted.
struct KeyboardTable {
    int rowCount;
    int32_t (*kindOf)(int row);
    HWND* windows;
    const int* inputRows;
    int inputRowCount;
    int executeRow;
    int abortRow;
    int* rowBeforeRun;  // -1 for none
};

// At start-up, once the window is shown: the target box takes the focus
// with its whole text selected and the caret at the start, so that the box
// shows the beginning of its value and typing replaces it.
void focusTargetBox();

// Takes the keys the window answers and returns true; false for every other
// message, which the loop then dispatches:
//   Tab, Shift+Tab  the focus to the next (previous) control in the order of
//                   the table's rows, passing over disabled ones;
//   Enter           in one of the four input boxes: Execute, while Execute
//                   is enabled (the inputs are read as for a click);
//   Escape          while a search runs (Abort is enabled): the Abort
//                   question, as a click on Abort asks it.
bool translateWindowKey(HWND mainWindow, const MSG* message);

// Around a command: a search or a sort disables the control that has the
// focus, and Win32 then leaves the focus with no window (or, once a message
// box has closed, with the main window itself). Once the controls are
// enabled again (the command has ended, or the search has finished or been
// aborted), the focus goes back to that control.
void noteFocusBeforeCommand(HWND mainWindow);
void restoreFocusAfterRun(HWND mainWindow);

// The same for any table-driven window `window` described by `table`.
bool translateTableKey(HWND window, const KeyboardTable& table, const MSG* message);
void noteTableFocus(HWND window, const KeyboardTable& table);
void restoreTableFocus(HWND window, const KeyboardTable& table);
// The edit box `edit` taken by the keyboard: all of it selected, the caret
// at its start, so that the box shows the start of its value.
void selectWholeText(HWND edit);
