// The keys the table-driven windows answer, their focus order and the focus
// kept across a search. The focus order is the control table's: every
// button, check box, radio button and edit box, row by row.
#include "window/keyboard.h"

#include "engine/shared_state.h"
#include "window/control_rows.h"
#include "window/control_table.h"

namespace {

// The row of the main window's control that had the focus before a
// command took it away; -1 for none.
int mainRowBeforeRun = -1;

int32_t mainKindOf(int row) { return controlTable[row].kind; }

const int mainInputRows[] = {RowTargetBox, RowToleranceBox, RowMaxPartsBox, RowRangeBox};

const KeyboardTable mainTable = {ControlTableRows, mainKindOf,       controlWindows,
                                 mainInputRows,    4,                RowExecute,
                                 RowAbort,         &mainRowBeforeRun};

bool takesFocus(const KeyboardTable& table, int row) {
    int32_t kind = table.kindOf(row);
    if (kind != PushButton && kind != RadioButton && kind != CheckBox && kind != EditBox) return false;
    HWND control = table.windows[row];
    return control != nullptr && IsWindowEnabled(control);
}

bool isInputBox(const KeyboardTable& table, int row) {
    for (int i = 0; i < table.inputRowCount; ++i) {
        if (table.inputRows[i] == row) return true;
    }
    return false;
}

// The row of a control of `window`, -1 for anything else.
int rowOf(HWND window, const KeyboardTable& table, HWND control) {
    if (control == nullptr || GetParent(control) != window) return -1;
    int row = GetDlgCtrlID(control);
    return row >= 0 && row < table.rowCount && table.windows[row] == control ? row : -1;
}

void moveFocus(HWND window, const KeyboardTable& table, bool backwards) {
    const int rows = table.rowCount;
    int from = rowOf(window, table, GetFocus());
    int step = backwards ? -1 : 1;
    // With no control focused, Tab starts at the first row, Shift+Tab at
    // the last.
    if (from < 0) from = backwards ? rows : -1;
    for (int n = 1; n <= rows; ++n) {
        int row = ((from + step * n) % rows + rows) % rows;
        if (!takesFocus(table, row)) continue;
        SetFocus(table.windows[row]);
        if (table.kindOf(row) == EditBox) selectWholeText(table.windows[row]);
        return;
    }
}

// What a click on the button of `row` sends, without the click's move of
// the focus to the button.
void clickRow(HWND window, const KeyboardTable& table, int row) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(row, BN_CLICKED), reinterpret_cast<LPARAM>(table.windows[row]));
}

}  // namespace

// EM_SETSEL puts the caret at its second position.
void selectWholeText(HWND edit) {
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(GetWindowTextLengthA(edit)), 0);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}

void focusTargetBox() {
    mainRowBeforeRun = -1;
    HWND target = controlWindows[RowTargetBox];
    if (target == nullptr) return;
    SetFocus(target);
    selectWholeText(target);
}

bool translateTableKey(HWND window, const KeyboardTable& table, const MSG* message) {
    // WM_SYSKEYDOWN: a key while no window has the focus, as after the
    // focused control was disabled.
    if (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN) return false;
    if (window == nullptr) return false;
    if (message->hwnd != window && rowOf(window, table, message->hwnd) < 0) return false;
    switch (message->wParam) {
    case VK_TAB:
        moveFocus(window, table, GetKeyState(VK_SHIFT) < 0);
        return true;
    case VK_RETURN:
        if (message->message != WM_KEYDOWN || !isInputBox(table, rowOf(window, table, message->hwnd))) return false;
        if (IsWindowEnabled(table.windows[table.executeRow])) clickRow(window, table, table.executeRow);
        return true;
    case VK_ESCAPE:
        if (!IsWindowEnabled(table.windows[table.abortRow])) return false;
        clickRow(window, table, table.abortRow);
        return true;
    default:
        return false;
    }
}

void noteTableFocus(HWND window, const KeyboardTable& table) {
    int row = rowOf(window, table, GetFocus());
    if (row >= 0) *table.rowBeforeRun = row;
}

void restoreTableFocus(HWND window, const KeyboardTable& table) {
    HWND focus = GetFocus();
    int row = *table.rowBeforeRun;
    if ((focus != nullptr && focus != window) || row < 0 || !takesFocus(table, row)) return;
    SetFocus(table.windows[row]);
}

bool translateWindowKey(HWND mainWindow, const MSG* message) { return translateTableKey(mainWindow, mainTable, message); }
void noteFocusBeforeCommand(HWND mainWindow) { noteTableFocus(mainWindow, mainTable); }
void restoreFocusAfterRun(HWND mainWindow) { restoreTableFocus(mainWindow, mainTable); }
