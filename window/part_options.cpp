// The main window's part tolerance box and its two check boxes.
#include "window/part_options.h"

#include "window/control_table.h"
#include "window/pair_inputs.h"

namespace {

struct CheckRow {
    int row;
    int field;  // PairField
};
const CheckRow CheckRows[] = {
    {RowWithinTolerance, PairFieldMainWithinTolerance},
    {RowQuantities, PairFieldMainQuantities},
};

}  // namespace

void showMainPartOptions() {
    SetWindowTextA(controlWindows[RowPartToleranceBox], pairInputs.texts[PairTextMainPartTolerance]);
    for (const CheckRow& c : CheckRows) {
        SendMessageA(controlWindows[c.row], BM_SETCHECK, pairInputs.fields[c.field] != 0 ? BST_CHECKED : BST_UNCHECKED,
                     0);
    }
}

void captureMainPartOptions() {
    HWND box = controlWindows[RowPartToleranceBox];
    // A box that could not be made has nothing to give; the store keeps its text.
    if (box == nullptr) return;
    char text[PairInputTextSize];
    int n = GetWindowTextA(box, text, sizeof text);
    if (n < 0) n = 0;
    if (n > static_cast<int>(sizeof text) - 1) n = sizeof text - 1;
    text[n] = '\0';
    setPairText(&pairInputs, PairTextMainPartTolerance, text);
}

bool toggleMainPartOption(int row) {
    for (const CheckRow& c : CheckRows) {
        if (c.row != row) continue;
        int32_t& field = pairInputs.fields[c.field];
        field = field != 0 ? 0 : 1;
        SendMessageA(controlWindows[row], BM_SETCHECK, field != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
        return true;
    }
    return false;
}

bool mainPartOptions(PartOptions* options) {
    captureMainPartOptions();
    return readMainPartOptions(pairInputs, options);
}
