// The keyboard in the main window: where the focus starts, the keys the
// window answers wherever the focus is, and the focus given back after a
// search. The message loop hands every message to translateWindowKey
// before it dispatches it, as a dialog's loop hands it to IsDialogMessage.
#pragma once

#include "platform/win32.h"

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
