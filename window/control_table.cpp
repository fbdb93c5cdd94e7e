// The control table of the main window and what the window does with it:
// measuring the layout units, converting table geometry to pixels, creating
// the child windows, labelling them in the current language and painting
// the rows the window draws itself.
#include "window/control_table.h"

#include <cstdio>
#include <mutex>

#include "engine/limits.h"
#include "engine/recorder.h"
#include "engine/shared_state.h"
#include "window/progress_line.h"
#include "window/scrolling.h"

// Geometry is in tenths of charWidth (left, right) and of lineHeight (top,
// bottom). Japanese captions are CP932 bytes with the text beside them.
const ControlEntry controlTable[] = {
//  row     kind          index group style      left  top right bottom Japanese caption, English caption
    {/* 0*/ StaticCaption, -1, -1, 0x50000000,  10,   6, 400,  16, "\x8e\xe8\x8e\x9d\x82\xbf\x82\xcc\x83\x70\x81\x5b\x83\x63\x82\xa9\x82\xe7\x96\xda\x95\x57\x92\x6c\x82\xc9\x82\xc8\x82\xe9\x91\x67\x8d\x87\x82\xb9\x82\xf0\x92\x54\x82\xb5\x82\xdc\x82\xb7\x81\x42" /* 手持ちのパーツから目標値になる組合せを探します。 */, "Searching your parts stock for combinations as target value."},  // headline
    {/* 1*/ PushButton,    -1, -1, 0x50000000, 410,   5, 500,  17, "English", "Japanese"},  // language switch: names the other language
    {/* 2*/ PushButton,    -1, -1, 0x50000000, 505,   5, 520,  17, "#", "#"},  // back to the default window size
    {/* 3*/ Empty,         -1, -1, 0xFFFFFFFF,   0,   0,   0,   0, nullptr, nullptr},  // empty
    {/* 4*/ Empty,         -1, -1, 0xFFFFFFFF,   0,   0,   0,   0, nullptr, nullptr},  // empty
    {/* 5*/ GroupBox,      -1, -1, 0x50000007,  10,  20, 520,  50, "\x95\x94\x95\x69\x91\x49\x91\xf0" /* 部品選択 */, "Parts select"},  // part type group
    {/* 6*/ RadioButton,   10,  6, 0x50000004,  95,  35, 195,  47, "\x92\xef\x8d\x52" /* 抵抗 */, "Resistor"},  // partType 0
    {/* 7*/ RadioButton,   10,  6, 0x50000004, 210,  35, 310,  47, "\x83\x52\x83\x93\x83\x66\x83\x93\x83\x54" /* コンデンサ */, "Capacitor"},  // partType 1
    {/* 8*/ RadioButton,   10,  6, 0x50000004, 325,  35, 425,  47, "\x83\x52\x83\x43\x83\x8b" /* コイル */, "Inductor"},  // partType 2
    {/* 9*/ Empty,         -1, -1, 0xFFFFFFFF,   0,   0,   0,   0, nullptr, nullptr},  // empty
    {/*10*/ StaticCaption, -1, -1, 0x50000002,  20,  55, 200,  67, "\x96\xda\x95\x57\x92\x6c" /* 目標値 */, "Target value"},  // caption of the target box
    {/*11*/ EditBox,        1, -1, 0x50800080, 210,  55, 270,  67, nullptr, nullptr},  // target value (buffer 1)
    {/*12*/ StaticCaption, -1, -1, 0x50000002, 280,  55, 430,  67, "\x81\x7d\x28\x25\x29" /* ±(%) */, "+-(%)"},  // caption of the tolerance box
    {/*13*/ EditBox,        2, -1, 0x50800080, 440,  55, 500,  67, nullptr, nullptr},  // tolerance (buffer 2)
    {/*14*/ StaticCaption, -1, -1, 0x50000002,  20,  70, 200,  82, "\x8d\xc5\x91\xe5\x8d\x5c\x90\xac\x96\x7b\x90\x94\x28\x32\x81\x60\x35\x29" /* 最大構成本数(2～5) */, "Max combination number(2-5)"},  // caption of the parts box
    {/*15*/ EditBox,        3, -1, 0x50800080, 210,  70, 270,  82, nullptr, nullptr},  // maximum number of parts (buffer 3)
    {/*16*/ StaticCaption, -1, -1, 0x50000002, 280,  70, 430,  82, "\x95\x94\x95\x69\x91\x49\x92\xe8\x94\xcd\x88\xcd\x28\x31\x2f\x78\x81\x60\x78\x29" /* 部品選定範囲(1/x～x) */, "Parts select range(1/x-x)"},  // caption of the range box
    {/*17*/ EditBox,        4, -1, 0x50800080, 440,  70, 500,  82, nullptr, nullptr},  // part select range (buffer 4)
    {/*18*/ CheckBox,      11, -1, 0x50000102, 410, 115, 510, 127, "\x91\x53\x95\x5c\x8e\xa6" /* 全表示 */, "Show All"},  // showAll
    {/*19*/ Empty,         -1, -1, 0xFFFFFFFF,   0,   0,   0,   0, nullptr, nullptr},  // empty
    {/*20*/ Empty,         -1, -1, 0xFFFFFFFF,   0,   0,   0,   0, nullptr, nullptr},  // empty
    {/*21*/ PushButton,    -1, -1, 0x50000000, 210,  85, 270,  97, "\x8e\xc0\x8d\x73" /* 実行 */, "Execute"},  // Execute
    {/*22*/ PushButton,    -1, -1, 0x50000000, 325,  85, 385,  97, "\x8f\x49\x97\xb9" /* 終了 */, "Exit"},  // Exit
    {/*23*/ PushButton,    -1,  2, 0x50000000, 440,  85, 500,  97, "\x8f\x88\x97\x9d\x92\xe2\x8e\x7e" /* 処理停止 */, "Abort"},  // Abort, starts disabled
    {/*24*/ Empty,         -1, -1, 0xFFFFFFFF,   0,   0,   0,   0, nullptr, nullptr},  // empty
    {/*25*/ CheckBox,      12, -1, 0x50000102,  95,  85, 195,  97, "\x95\xc0\x97\xf1\x82\xcc\x82\xdd" /* 並列のみ */, "Parallel only"},  // parallelOnly
    {/*26*/ Empty,         -1, -1, 0xFFFFFFFF,   0,   0,   0,   0, nullptr, nullptr},  // empty
    {/*27*/ GroupBox,      -1, -1, 0x50000007,  10, 100, 520, 225, "\x8e\xc0\x8d\x73\x8c\x8b\x89\xca" /* 実行結果 */, "Result"},  // result group
    {/*28*/ PaintText,      9, -1, 0x00000010,  15, 115, 400, 127, nullptr, nullptr},  // outcome message (buffer 9), word-wrapped
    {/*29*/ EditBox,        8, -1, 0x50A000C4,  15, 145, 510, 220, nullptr, nullptr},  // Result box (buffer 8)
    {/*30*/ Empty,         -1, -1, 0xFFFFFFFF,   0,   0,   0,   0, nullptr, nullptr},  // empty
    {/*31*/ StaticCaption, -1, -1, 0x50000000,  20, 265, 170, 277, "List 1", "List 1"},  // caption of List 1
    {/*32*/ EditBox,        5, -1, 0x50A000C4,  20, 280, 170, 373, nullptr, nullptr},  // displayed List 1 (buffer 5)
    {/*33*/ StaticCaption, -1, -1, 0x50000000, 180, 265, 330, 277, "List 2", "List 2"},  // caption of List 2
    {/*34*/ EditBox,        6, -1, 0x50A000C4, 180, 280, 330, 373, nullptr, nullptr},  // displayed List 2 (buffer 6)
    {/*35*/ StaticCaption, -1, -1, 0x50000000, 340, 265, 490, 277, "List 3", "List 3"},  // caption of List 3
    {/*36*/ EditBox,        7, -1, 0x50A000C4, 340, 280, 490, 373, nullptr, nullptr},  // displayed List 3 (buffer 7)
    {/*37*/ Empty,         -1, -1, 0xFFFFFFFF,   0,   0,   0,   0, nullptr, nullptr},  // empty
    {/*38*/ Empty,         -1, -1, 0xFFFFFFFF,   0,   0,   0,   0, nullptr, nullptr},  // empty
    {/*39*/ Empty,         -1, -1, 0xFFFFFFFF,   0,   0,   0,   0, nullptr, nullptr},  // empty
    {/*40*/ PushButton,    -1, -1, 0x50000000, 150, 130, 270, 142, "\x8c\xeb\x8d\xb7\x8f\x87\x95\xc0\x82\xd1" /* 誤差順並び */, "Sort by Error"},  // sort by error
    {/*41*/ PushButton,    -1, -1, 0x50000000, 325, 130, 445, 142, "\x92\x6c\x8f\x87\x95\xc0\x82\xd1" /* 値順並び */, "Sort by Value"},  // sort by value
    {/*42*/ GroupBox,      -1, -1, 0x50000007,  10, 230, 520, 260, "\x83\x8a\x83\x58\x83\x67\x91\x49\x91\xf0" /* リスト選択 */, "List select"},  // list selection group
    {/*43*/ RadioButton,   13, 43, 0x50000004,  20, 245,  80, 257, "List 1", "List 1"},  // listSelection 0
    {/*44*/ RadioButton,   13, 43, 0x50000004,  90, 245, 150, 257, "List 2", "List 2"},  // listSelection 1
    {/*45*/ RadioButton,   13, 43, 0x50000004, 160, 245, 220, 257, "List 3", "List 3"},  // listSelection 2
    {/*46*/ RadioButton,   13, 43, 0x50000004, 230, 245, 290, 257, "E24", "E24"},  // listSelection 3
    {/*47*/ RadioButton,   13, 43, 0x50000004, 300, 245, 360, 257, "E12", "E12"},  // listSelection 4
    {/*48*/ RadioButton,   13, 43, 0x50000004, 370, 245, 430, 257, "E6", "E6"},  // listSelection 5
    {/*49*/ RadioButton,   13, 43, 0x50000004, 440, 245, 500, 257, "E3", "E3"},  // listSelection 6
    {/*50*/ PushButton,    -1, -1, 0x50000000,  20,  85,  85,  97, "\x83\x79\x83\x41\x81\x63" /* ペア… */, "Pair..."},  // opens the Pair window
    {/*51*/ StaticCaption, -1, -1, 0x50000002,  15, 130,  88, 142, "\x95\x94\x95\x69\x8c\xf6\x8d\xb7\x28\x25\x29" /* 部品公差(%) */, "Part tol.(%)"},  // caption of the parts' tolerance box
    {/*52*/ EditBox,       -1, -1, 0x50800080,  92, 130, 142, 142, nullptr, nullptr},  // every part's tolerance (window/part_options.h)
    {/*53*/ CheckBox,      -1, -1, 0x50000102, 430,  35, 515,  47, "\x8c\xf6\x8d\xb7\x93\xe0\x82\xcc\x82\xdd" /* 公差内のみ */, "Within tol."},  // worst case inside the window only
    {/*54*/ CheckBox,      -1, -1, 0x50000102, 450, 130, 515, 142, "\x8d\xdd\x8c\xc9\x90\x94" /* 在庫数 */, "Qty xN"},  // the drawer's counts
};

static_assert(sizeof controlTable / sizeof controlTable[0] == ControlTableRows,
              "the control table has rows 0 to 54, no more and no fewer");
static_assert(ControlTableRows == limits::ControlCount, "one control-table row per entry of controlWindows");

HWND controlWindows[limits::ControlCount];

int charWidth = 0;
int lineHeight = 0;

void resetControlWindows() {
    for (HWND& window : controlWindows) window = nullptr;
}

void showInResultBox(const char* text) { SetWindowTextA(controlWindows[RowResultBox], text); }

// The window class of a row's child window; null for the rows the window
// paints itself and for empty rows.
const char* controlClassOf(int32_t kind) {
    switch (kind) {
    case PushButton:
    case RadioButton:
    case CheckBox:
    case GroupBox:
        return "button";
    case StaticCaption:
    case StaticText:
    case StaticNumber:
    case StaticHex:
        return "static";
    case EditBox:
        return "edit";
    default:
        return nullptr;
    }
}

bool isCaptionedKind(int32_t kind) {
    return kind == PushButton || kind == RadioButton || kind == CheckBox || kind == GroupBox ||
           kind == StaticCaption;
}

namespace {

const char* textBufferOf(const ControlEntry& entry) {
    if (entry.index < 0 || entry.index >= limits::TextBufferCount) return "";
    return textBuffers[entry.index];
}

int settingOf(const ControlEntry& entry) { return settingsField(entry.index).load(); }

LPARAM textParam(const char* text) { return reinterpret_cast<LPARAM>(text); }

}  // namespace

const char* captionOf(const ControlEntry& entry) {
    const char* caption = settings.language == 1 ? entry.captionEnglish : entry.captionJapanese;
    return caption ? caption : "";
}

void measureUnits(HWND mainWindow) {
    TEXTMETRICA metrics{};
    HDC dc = GetDC(mainWindow);
    GetTextMetricsA(dc, &metrics);
    ReleaseDC(mainWindow, dc);
    charWidth = metrics.tmAveCharWidth;
    if (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) charWidth = metrics.tmAveCharWidth * 3 / 2;
    lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
}

RECT tableRectToPixels(int left, int top, int right, int bottom) {
    RECT r;
    r.left = charWidth * hScrollOffset + (left * charWidth) / 10;
    r.right = charWidth * hScrollOffset + (right * charWidth) / 10;
    r.top = lineHeight * vScrollOffset + (top * lineHeight) / 10;
    r.bottom = lineHeight * vScrollOffset + (bottom * lineHeight) / 10;
    return r;
}

void createControls(HWND mainWindow, HINSTANCE instance) {
    for (int row = 0; row < ControlTableRows; ++row) {
        const ControlEntry& entry = controlTable[row];
        const char* className = controlClassOf(entry.kind);
        if (!className) continue;
        RECT r = tableRectToPixels(entry.left, entry.top, entry.right, entry.bottom);
        HWND control = CreateWindowExA(0, className, " ", entry.style, r.left, r.top, r.right - r.left,
                                       r.bottom - r.top, mainWindow,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(row)), instance, nullptr);
        controlWindows[row] = control;
        char number[50];
        switch (entry.kind) {
        case RadioButton:
            if (settingOf(entry) == row - entry.group) SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
            break;
        case CheckBox:
            if (settingOf(entry) != 0) SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
            break;
        case StaticText:
        case EditBox:
            SendMessageA(control, WM_SETTEXT, 0, textParam(textBufferOf(entry)));
            break;
        case StaticNumber:
            snprintf(number, sizeof number, "%d", settingOf(entry));
            SendMessageA(control, WM_SETTEXT, 0, textParam(number));
            break;
        case StaticHex:
            snprintf(number, sizeof number, "%x", static_cast<unsigned>(settingOf(entry)));
            SendMessageA(control, WM_SETTEXT, 0, textParam(number));
            break;
        default:
            break;
        }
        if (entry.kind != RadioButton && entry.group == 2) EnableWindow(control, FALSE);
    }
}

void applyCaptions() {
    for (int row = 0; row < ControlTableRows; ++row) {
        const ControlEntry& entry = controlTable[row];
        if (isCaptionedKind(entry.kind)) SendMessageA(controlWindows[row], WM_SETTEXT, 0, textParam(captionOf(entry)));
    }
    // The message boxes' buttons (Yes, No, OK) follow the thread's UI
    // language where the system has it.
    SetThreadUILanguage(settings.language == 1 ? MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)
                                               : MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN));
}

void paintWindow(HWND mainWindow) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(mainWindow, &paint);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    for (int row = 0; row < ControlTableRows; ++row) {
        const ControlEntry& entry = controlTable[row];
        if (entry.kind != PaintCaption && entry.kind != PaintText && entry.kind != PaintNumber &&
            entry.kind != PaintHex && entry.kind != PaintEdge) {
            continue;
        }
        RECT r = tableRectToPixels(entry.left, entry.top, entry.right, entry.bottom);
        // A row scrolled partly out at the left is left out altogether.
        if (r.left < 0) continue;
        char number[50];
        switch (entry.kind) {
        case PaintCaption:
            DrawTextA(dc, captionOf(entry), -1, &r, entry.style);
            break;
        case PaintText: {
            // While a search runs the outcome line shows its progress,
            // read without a lock.
            char progress[128];
            if (entry.index == BufStatus && paintedProgressLine(progress, sizeof progress)) {
                DrawTextA(dc, progress, -1, &r, entry.style);
                break;
            }
            // The outcome line may be written by a finishing search.
            std::lock_guard<std::mutex> lock(resultStateMutex);
            DrawTextA(dc, textBufferOf(entry), -1, &r, entry.style);
            break;
        }
        case PaintNumber:
            snprintf(number, sizeof number, "%d", settingOf(entry));
            DrawTextA(dc, number, -1, &r, entry.style);
            break;
        case PaintHex:
            snprintf(number, sizeof number, "%#x", static_cast<unsigned>(settingOf(entry)));
            DrawTextA(dc, number, -1, &r, entry.style);
            break;
        case PaintEdge:
            DrawEdge(dc, &r, entry.style, static_cast<UINT>(entry.group));
            break;
        default:
            break;
        }
    }
    EndPaint(mainWindow, &paint);
}

SIZE defaultWindowSize() {
    SIZE size;
    size.cx = charWidth * 540 / 10 + 10;
    size.cy = lineHeight * 405 / 10;
    return size;
}
