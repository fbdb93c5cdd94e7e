// The keys the main window answers, its focus order and the focus kept
// across a search. The focus order is the control table's: every button,
// check box, radio button and edit box, row by row.
#include "window/keyboard.h"

#include "engine/shared_state.h"
#include "window/control_rows.h"
#include "window/control_table.h"

namespace {

// The row of the control that had the focus before a command took it
// away; -1 for none.
int rowBeforeRun = -1;

bool takesFocus(int row) {
    int32_t kind = controlTable[row].kind;
    if (kind != PushButton && kind != RadioButton && kind != CheckBox && kind != EditBox) return false;
    HWND control = controlWindows[row];
    return control != nullptr && IsWindowEnabled(control);
}

bool isInputBox(int row) {
    return row == RowTargetBox || row == RowToleranceBox || row == RowMaxPartsBox || row == RowRangeBox;
}

// The row of a control of the main window, -1 for anything else.
int rowOf(HWND mainWindow, HWND window) {
    if (window == nullptr || GetParent(window) != mainWindow) return -1;
    int row = GetDlgCtrlID(window);
    return row >= 0 && row < ControlTableRows && controlWindows[row] == window ? row : -1;
}

// An edit box taken by Tab or at start-up: all of it selected, the caret at
// the start (EM_SETSEL puts the caret at its second position).
void selectAll(HWND edit) {
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(GetWindowTextLengthA(edit)), 0);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}

void moveFocus(HWND mainWindow, bool backwards) {
    int from = rowOf(mainWindow, GetFocus());
    int step = backwards ? -1 : 1;
    // With no control focused, Tab starts at the first row, Shift+Tab at
    // the last.
    if (from < 0) from = backwards ? ControlTableRows : -1;
    for (int n = 1; n <= ControlTableRows; ++n) {
        int row = ((from + step * n) % ControlTableRows + ControlTableRows) % ControlTableRows;
        if (!takesFocus(row)) continue;
        SetFocus(controlWindows[row]);
        if (controlTable[row].kind == EditBox) selectAll(controlWindows[row]);
        return;
    }
}

// What a click on the button of `row` sends, without the click's move of
// the focus to the button.
void clickRow(HWND mainWindow, int row) {
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(row, BN_CLICKED),
                 reinterpret_cast<LPARAM>(controlWindows[row]));
}

}  // namespace

void focusTargetBox() {
    rowBeforeRun = -1;
    HWND target = controlWindows[RowTargetBox];
    if (target == nullptr) return;
    SetFocus(target);
    selectAll(target);
}

bool translateWindowKey(HWND mainWindow, const MSG* message) {
    // WM_SYSKEYDOWN: a key while no window has the focus, as after the
    // focused control was disabled.
    if (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN) return false;
    if (message->hwnd != mainWindow && rowOf(mainWindow, message->hwnd) < 0) return false;
    switch (message->wParam) {
    case VK_TAB:
        moveFocus(mainWindow, GetKeyState(VK_SHIFT) < 0);
        return true;
    case VK_RETURN:
        if (message->message != WM_KEYDOWN || !isInputBox(rowOf(mainWindow, message->hwnd))) return false;
        if (IsWindowEnabled(controlWindows[RowExecute])) clickRow(mainWindow, RowExecute);
        return true;
    case VK_ESCAPE:
        if (!IsWindowEnabled(controlWindows[RowAbort])) return false;
        clickRow(mainWindow, RowAbort);
        return true;
    default:
        return false;
    }
}

void noteFocusBeforeCommand(HWND mainWindow) {
    int row = rowOf(mainWindow, GetFocus());
    if (row >= 0) rowBeforeRun = row;
}

void restoreFocusAfterRun(HWND mainWindow) {
    HWND focus = GetFocus();
    if ((focus != nullptr && focus != mainWindow) || rowBeforeRun < 0 || !takesFocus(rowBeforeRun)) return;
    SetFocus(controlWindows[rowBeforeRun]);
}
