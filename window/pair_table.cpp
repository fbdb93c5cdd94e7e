// The Pair window's control table and what the window does with it:
// creating the child windows, labelling them in the current language,
// checking the radio buttons of the store's choices, enabling the rows the
// chosen mode reads, reading the boxes into the store and painting the
// outcome line.
#include "window/pair_table.h"

#include "engine/shared_state.h"
#include "window/pair_inputs.h"

namespace {

// The modes' bits in the `modes` column.
constexpr int32_t BitRatio = 1 << static_cast<int>(PairMode::Ratio);
constexpr int32_t BitDivider = 1 << static_cast<int>(PairMode::Divider);
constexpr int32_t BitFeedback = 1 << static_cast<int>(PairMode::Feedback);
constexpr int32_t BitRc = 1 << static_cast<int>(PairMode::Rc);
constexpr int32_t BitLc = 1 << static_cast<int>(PairMode::Lc);
// The modes with one part type on both sides, and every mode.
constexpr int32_t RDF = BitRatio | BitDivider | BitFeedback;
constexpr int32_t AllModes = RDF | BitRc | BitLc;

}  // namespace

// Geometry in tenths of charWidth (left, right) and of lineHeight (top,
// bottom). Japanese captions are CP932 bytes with the text beside them.
const PairControlEntry pairControlTable[] = {
//  row     kind          index                 group style      left  top right bottom modes            Japanese caption, English caption
    {/* 0*/ StaticCaption, -1,                     -1, 0x50000000,  10,   6, 590,  16, AllModes,                  "\x93\xf1\x82\xc2\x82\xcc\x89\xf1\x98\x48\x96\xd4\x82\xc5\x88\xea\x82\xc2\x82\xcc\x97\xca\x82\xc9\x82\xc8\x82\xe9\x91\x67\x8d\x87\x82\xb9\x82\xf0\x92\x54\x82\xb5\x82\xdc\x82\xb7\x81\x42" /* 二つの回路網で一つの量になる組合せを探します。 */, "Searching your parts stock for two networks giving one quantity."},  // headline
    {/* 1*/ GroupBox,     -1,                     -1, 0x50000007,  10,  20, 330,  50, AllModes,                  "\x83\x82\x81\x5b\x83\x68" /* モード */, "Mode"},  // mode group
    {/* 2*/ RadioButton,  PairFieldMode,           2, 0x50000004,  20,  35,  75,  47, AllModes,                  "\x94\xe4" /* 比 */, "Ratio"},  // mode 0: ratio a / b
    {/* 3*/ RadioButton,  PairFieldMode,           2, 0x50000004,  80,  35, 150,  47, AllModes,                  "\x95\xaa\x88\xb3" /* 分圧 */, "Divider"},  // mode 1: divider b / (a + b)
    {/* 4*/ RadioButton,  PairFieldMode,           2, 0x50000004, 155,  35, 235,  47, AllModes,                  "\x8b\x41\x8a\xd2" /* 帰還 */, "Feedback"},  // mode 2: feedback Vref (1 + a / b)
    {/* 5*/ RadioButton,  PairFieldMode,           2, 0x50000004, 240,  35, 280,  47, AllModes,                  "RC", "RC"},  // mode 3: rc: tau = R C
    {/* 6*/ RadioButton,  PairFieldMode,           2, 0x50000004, 285,  35, 325,  47, AllModes,                  "LC", "LC"},  // mode 4: lc: f = 1 / (2 pi sqrt(L C))
    {/* 7*/ GroupBox,     -1,                     -1, 0x50000007, 335,  20, 590,  50, RDF,                       "\x95\x94\x95\x69\x91\x49\x91\xf0" /* 部品選択 */, "Parts select"},  // part type group
    {/* 8*/ RadioButton,  PairFieldPartType,       8, 0x50000004, 343,  35, 418,  47, RDF,                       "\x92\xef\x8d\x52" /* 抵抗 */, "Resistor"},  // partType 0
    {/* 9*/ RadioButton,  PairFieldPartType,       8, 0x50000004, 421,  35, 506,  47, RDF,                       "\x83\x52\x83\x93\x83\x66\x83\x93\x83\x54" /* コンデンサ */, "Capacitor"},  // partType 1
    {/*10*/ RadioButton,  PairFieldPartType,       8, 0x50000004, 509,  35, 585,  47, RDF,                       "\x83\x52\x83\x43\x83\x8b" /* コイル */, "Inductor"},  // partType 2
    {/*11*/ GroupBox,     -1,                     -1, 0x50000007,  10,  55, 590, 102, AllModes,                  "\x96\xda\x95\x57\x92\x6c" /* 目標値 */, "Target value"},  // target group
    {/*12*/ StaticCaption, -1,                     -1, 0x50000002,  20,  70,  95,  82, BitRatio,                  "\x94\xe4\x20\x41\x2f\x42" /* 比 A/B */, "Ratio A/B"},  // caption of Ratio A/B
    {/*13*/ EditBox,      PairTextRatio,          -1, 0x50800080, 100,  70, 160,  82, BitRatio,                  nullptr, nullptr},  // Ratio A/B
    {/*14*/ StaticCaption, -1,                     -1, 0x50000002, 165,  70, 235,  82, BitDivider,                "Vin (V)", "Vin (V)"},  // caption of Vin (V)
    {/*15*/ EditBox,      PairTextVin,            -1, 0x50800080, 240,  70, 300,  82, BitDivider,                nullptr, nullptr},  // Vin (V)
    {/*16*/ StaticCaption, -1,                     -1, 0x50000002, 305,  70, 375,  82, BitDivider | BitFeedback,  "Vout (V)", "Vout (V)"},  // caption of Vout (V)
    {/*17*/ EditBox,      PairTextVout,           -1, 0x50800080, 380,  70, 440,  82, BitDivider | BitFeedback,  nullptr, nullptr},  // Vout (V)
    {/*18*/ StaticCaption, -1,                     -1, 0x50000002, 445,  70, 515,  82, BitFeedback,               "Vref (V)", "Vref (V)"},  // caption of Vref (V)
    {/*19*/ EditBox,      PairTextVref,           -1, 0x50800080, 520,  70, 580,  82, BitFeedback,               nullptr, nullptr},  // Vref (V)
    {/*20*/ RadioButton,  PairFieldRcBy,          20, 0x50000004,  20,  85,  95,  97, BitRc,                     "\x83\xd1\x20\x28\x73\x29" /* τ (s) */, "\x83\xd1\x20\x28\x73\x29" /* τ (s) */},  // rc by the time constant
    {/*21*/ RadioButton,  PairFieldRcBy,          20, 0x50000004, 165,  85, 235,  97, BitRc | BitLc,             "f (Hz)", "f (Hz)"},  // rc by the cutoff; lc always
    {/*22*/ EditBox,      PairTextTimeConstant,   -1, 0x50800080, 100,  85, 160,  97, BitRc,                     nullptr, nullptr},  // time constant in seconds
    {/*23*/ EditBox,      PairTextFrequency,      -1, 0x50800080, 240,  85, 300,  97, BitRc | BitLc,             nullptr, nullptr},  // frequency in hertz
    {/*24*/ StaticCaption, -1,                     -1, 0x50000002, 305,  85, 375,  97, AllModes,                  "\x81\x7d\x28\x25\x29" /* ±(%) */, "+-(%)"},  // caption of the tolerance
    {/*25*/ EditBox,      PairTextTolerance,      -1, 0x50800080, 380,  85, 440,  97, AllModes,                  nullptr, nullptr},  // tolerance in percent
    {/*26*/ StaticCaption, -1,                     -1, 0x50000002, 445,  85, 545,  97, AllModes,                  "\x95\x94\x95\x69\x90\x94\x28\x31\x81\x60\x33\x29" /* 部品数(1～3) */, "Parts/side(1-3)"},  // caption of the parts per side
    {/*27*/ EditBox,      PairTextMaxParts,       -1, 0x50800080, 550,  85, 580,  97, AllModes,                  nullptr, nullptr},  // parts per side
    {/*28*/ GroupBox,     -1,                     -1, 0x50000007,  10, 107, 590, 142, AllModes,                  "\x94\xcd\x88\xcd\x20\x28\x8d\xc5\x8f\xac\x81\x60\x8d\xc5\x91\xe5\x81\x41\x8b\xf3\x97\x93\x82\xcd\x90\xa7\x8c\xc0\x82\xc8\x82\xb5\x29" /* 範囲 (最小～最大、空欄は制限なし) */, "Ranges (min - max, empty: no limit)"},  // range group
    {/*29*/ StaticCaption, -1,                     -1, 0x50000002,  20, 122,  50, 134, AllModes,                  "A", "A"},  // caption of the range of A
    {/*30*/ EditBox,      PairTextAMin,           -1, 0x50800080,  55, 122, 115, 134, AllModes,                  nullptr, nullptr},  // lowest A
    {/*31*/ StaticCaption, -1,                     -1, 0x50000001, 115, 122, 131, 134, AllModes,                  "\x81\x60" /* ～ */, "-"},  // between the ends of A
    {/*32*/ EditBox,      PairTextAMax,           -1, 0x50800080, 131, 122, 191, 134, AllModes,                  nullptr, nullptr},  // highest A
    {/*33*/ StaticCaption, -1,                     -1, 0x50000002, 210, 122, 240, 134, AllModes,                  "B", "B"},  // caption of the range of B
    {/*34*/ EditBox,      PairTextBMin,           -1, 0x50800080, 245, 122, 305, 134, AllModes,                  nullptr, nullptr},  // lowest B
    {/*35*/ StaticCaption, -1,                     -1, 0x50000001, 305, 122, 321, 134, AllModes,                  "\x81\x60" /* ～ */, "-"},  // between the ends of B
    {/*36*/ EditBox,      PairTextBMax,           -1, 0x50800080, 321, 122, 381, 134, AllModes,                  nullptr, nullptr},  // highest B
    {/*37*/ StaticCaption, -1,                     -1, 0x50000002, 395, 122, 435, 134, RDF,                       "A+B", "A+B"},  // caption of the range of A+B
    {/*38*/ EditBox,      PairTextTotalMin,       -1, 0x50800080, 440, 122, 500, 134, RDF,                       nullptr, nullptr},  // lowest A+B
    {/*39*/ StaticCaption, -1,                     -1, 0x50000001, 500, 122, 516, 134, RDF,                       "\x81\x60" /* ～ */, "-"},  // between the ends of A+B
    {/*40*/ EditBox,      PairTextTotalMax,       -1, 0x50800080, 516, 122, 576, 134, RDF,                       nullptr, nullptr},  // highest A+B
    {/*41*/ GroupBox,     -1,                     -1, 0x50000007,  10, 147, 590, 192, AllModes,                  "\x83\x8a\x83\x58\x83\x67\x91\x49\x91\xf0\x20\x28\x41\x29" /* リスト選択 (A) */, "List select (A)"},  // stock group of A
    {/*42*/ RadioButton,  PairFieldStockA,        42, 0x50000004,  20, 162,  90, 174, AllModes,                  "List 1", "List 1"},  // stock of A 0
    {/*43*/ RadioButton,  PairFieldStockA,        42, 0x50000004,  95, 162, 165, 174, AllModes,                  "List 2", "List 2"},  // stock of A 1
    {/*44*/ RadioButton,  PairFieldStockA,        42, 0x50000004, 170, 162, 240, 174, AllModes,                  "List 3", "List 3"},  // stock of A 2
    {/*45*/ RadioButton,  PairFieldStockA,        42, 0x50000004,  20, 177,  75, 189, AllModes,                  "E3", "E3"},  // stock of A 3
    {/*46*/ RadioButton,  PairFieldStockA,        42, 0x50000004,  80, 177, 135, 189, AllModes,                  "E6", "E6"},  // stock of A 4
    {/*47*/ RadioButton,  PairFieldStockA,        42, 0x50000004, 140, 177, 200, 189, AllModes,                  "E12", "E12"},  // stock of A 5
    {/*48*/ RadioButton,  PairFieldStockA,        42, 0x50000004, 205, 177, 265, 189, AllModes,                  "E24", "E24"},  // stock of A 6
    {/*49*/ RadioButton,  PairFieldStockA,        42, 0x50000004, 270, 177, 330, 189, AllModes,                  "E48", "E48"},  // stock of A 7
    {/*50*/ RadioButton,  PairFieldStockA,        42, 0x50000004, 335, 177, 395, 189, AllModes,                  "E96", "E96"},  // stock of A 8
    {/*51*/ RadioButton,  PairFieldStockA,        42, 0x50000004, 400, 177, 465, 189, AllModes,                  "E192", "E192"},  // stock of A 9
    {/*52*/ GroupBox,     -1,                     -1, 0x50000007,  10, 197, 590, 242, AllModes,                  "\x83\x8a\x83\x58\x83\x67\x91\x49\x91\xf0\x20\x28\x42\x29" /* リスト選択 (B) */, "List select (B)"},  // stock group of B
    {/*53*/ RadioButton,  PairFieldStockB,        53, 0x50000004,  20, 212,  90, 224, AllModes,                  "\x41\x82\xc6\x93\xaf\x82\xb6" /* Aと同じ */, "As A"},  // stock of B 0: as A
    {/*54*/ RadioButton,  PairFieldStockB,        53, 0x50000004,  95, 212, 165, 224, AllModes,                  "List 1", "List 1"},  // stock of B 1
    {/*55*/ RadioButton,  PairFieldStockB,        53, 0x50000004, 170, 212, 240, 224, AllModes,                  "List 2", "List 2"},  // stock of B 2
    {/*56*/ RadioButton,  PairFieldStockB,        53, 0x50000004, 245, 212, 315, 224, AllModes,                  "List 3", "List 3"},  // stock of B 3
    {/*57*/ RadioButton,  PairFieldStockB,        53, 0x50000004,  20, 227,  75, 239, AllModes,                  "E3", "E3"},  // stock of B 4
    {/*58*/ RadioButton,  PairFieldStockB,        53, 0x50000004,  80, 227, 135, 239, AllModes,                  "E6", "E6"},  // stock of B 5
    {/*59*/ RadioButton,  PairFieldStockB,        53, 0x50000004, 140, 227, 200, 239, AllModes,                  "E12", "E12"},  // stock of B 6
    {/*60*/ RadioButton,  PairFieldStockB,        53, 0x50000004, 205, 227, 265, 239, AllModes,                  "E24", "E24"},  // stock of B 7
    {/*61*/ RadioButton,  PairFieldStockB,        53, 0x50000004, 270, 227, 330, 239, AllModes,                  "E48", "E48"},  // stock of B 8
    {/*62*/ RadioButton,  PairFieldStockB,        53, 0x50000004, 335, 227, 395, 239, AllModes,                  "E96", "E96"},  // stock of B 9
    {/*63*/ RadioButton,  PairFieldStockB,        53, 0x50000004, 400, 227, 465, 239, AllModes,                  "E192", "E192"},  // stock of B 10
    {/*64*/ PushButton,   -1,                     -1, 0x50000000, 400, 247, 480, 259, AllModes,                  "\x8e\xc0\x8d\x73" /* 実行 */, "Execute"},  // Execute
    {/*65*/ PushButton,   -1,                      2, 0x50000000, 490, 247, 570, 259, AllModes,                  "\x8f\x88\x97\x9d\x92\xe2\x8e\x7e" /* 処理停止 */, "Abort"},  // Abort, starts disabled
    {/*66*/ GroupBox,     -1,                     -1, 0x50000007,  10, 262, 590, 400, AllModes,                  "\x8e\xc0\x8d\x73\x8c\x8b\x89\xca" /* 実行結果 */, "Result"},  // result group
    {/*67*/ PaintText,    -1,                     -1, 0x00000010,  15, 277, 585, 289, AllModes,                  nullptr, nullptr},  // outcome or progress, word-wrapped
    {/*68*/ EditBox,      -1,                     -1, 0x50A000C4,  15, 292, 585, 395, AllModes,                  nullptr, nullptr},  // result lines
};

static_assert(sizeof pairControlTable / sizeof pairControlTable[0] == PairTableRows,
              "the Pair window's table has rows 0 to 68, no more and no fewer");
// A radio button's choice is its row less its group's first row: each
// group's rows follow one another in the order of the choices.
static_assert(PairRowLcMode - PairRowRatioMode + 1 == PairModeCount, "one mode button per PairMode");
static_assert(PairRowByFrequency - PairRowByTimeConstant == PairRcByFrequency, "the RC choices in PairRcBy order");
static_assert(PairRowStockAE192 - PairRowStockAList1 + 1 == PairStockCount, "one stock button of A per PairStock");
static_assert(PairRowStockBE192 - PairRowStockBAsA == PairStockCount && PairRowStockBList1 == PairRowStockBAsA + 1,
              "B's buttons: as A, then one per PairStock");

HWND pairControlWindows[PairTableRows];

namespace {

const char WindowCaptionJapanese[] = "\x83\x79\x83\x41\x92\x54\x8d\xf5" /* ペア探索 */;
const char WindowCaptionEnglish[] = "Pair";

PairMode currentMode() { return static_cast<PairMode>(pairInputs.fields[PairFieldMode]); }

bool isInput(int32_t kind) { return kind == RadioButton || kind == EditBox || kind == CheckBox; }

// The choice a radio button group shows: the stored one, except that LC,
// whose target is always a frequency, shows "f" chosen.
int32_t shownChoice(int field) {
    if (field == PairFieldRcBy && currentMode() == PairMode::Lc) return PairRcByFrequency;
    return pairInputs.fields[field];
}

// Whether the search of the current mode reads row `row`: its mode bit,
// and for a box the store's own rule (RC's target by its choice).
bool rowApplies(int row) {
    const PairControlEntry& entry = pairControlTable[row];
    if ((entry.modes & (1 << static_cast<int>(currentMode()))) == 0) return false;
    if (entry.kind == EditBox && entry.index >= 0) return pairTextApplies(pairInputs, entry.index);
    return true;
}

LPARAM textParam(const char* text) { return reinterpret_cast<LPARAM>(text); }

}  // namespace

const char* pairWindowCaption() { return settings.language == 1 ? WindowCaptionEnglish : WindowCaptionJapanese; }

const char* pairCaptionOf(const PairControlEntry& entry) {
    const char* caption = settings.language == 1 ? entry.captionEnglish : entry.captionJapanese;
    return caption ? caption : "";
}

SIZE pairClientSize() {
    int right = 0, bottom = 0;
    for (const PairControlEntry& entry : pairControlTable) {
        if (entry.right > right) right = entry.right;
        if (entry.bottom > bottom) bottom = entry.bottom;
    }
    // The margin beyond the last row is the first row's above it.
    SIZE size;
    size.cx = (right + 10) * charWidth / 10;
    size.cy = (bottom + 5) * lineHeight / 10;
    return size;
}

RECT pairRectToPixels(const PairControlEntry& entry) {
    RECT r;
    r.left = entry.left * charWidth / 10;
    r.right = entry.right * charWidth / 10;
    r.top = entry.top * lineHeight / 10;
    r.bottom = entry.bottom * lineHeight / 10;
    return r;
}

void createPairControls(HWND window, HINSTANCE instance) {
    for (int row = 0; row < PairTableRows; ++row) {
        const PairControlEntry& entry = pairControlTable[row];
        const char* className = controlClassOf(entry.kind);
        if (!className) continue;
        RECT r = pairRectToPixels(entry);
        HWND control = CreateWindowExA(0, className, " ", entry.style, r.left, r.top, r.right - r.left,
                                       r.bottom - r.top, window,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(row)), instance, nullptr);
        pairControlWindows[row] = control;
        if (entry.kind == EditBox) {
            const char* text = entry.index >= 0 && entry.index < PairTextCount ? pairInputs.texts[entry.index] : "";
            SendMessageA(control, WM_SETTEXT, 0, textParam(text));
        }
        if (entry.kind != RadioButton && entry.group == 2) EnableWindow(control, FALSE);
    }
    showPairChoices();
}

void applyPairCaptions(HWND window) {
    for (int row = 0; row < PairTableRows; ++row) {
        const PairControlEntry& entry = pairControlTable[row];
        if (isCaptionedKind(entry.kind)) {
            SendMessageA(pairControlWindows[row], WM_SETTEXT, 0, textParam(pairCaptionOf(entry)));
        }
    }
    SetWindowTextA(window, pairWindowCaption());
}

void showPairChoices() {
    for (int row = 0; row < PairTableRows; ++row) {
        const PairControlEntry& entry = pairControlTable[row];
        if (entry.kind != RadioButton || entry.index < 0 || entry.index >= PairFieldCount) continue;
        bool checked = shownChoice(entry.index) == row - entry.group;
        SendMessageA(pairControlWindows[row], BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void enablePairRows(bool running) {
    for (int row = 0; row < PairTableRows; ++row) {
        const PairControlEntry& entry = pairControlTable[row];
        HWND control = pairControlWindows[row];
        if (control == nullptr) continue;
        bool enabled;
        if (row == PairRowAbort) {
            enabled = running;
        } else if (row == PairRowResultBox) {
            enabled = true;
        } else if (row == PairRowExecute || isInput(entry.kind)) {
            enabled = !running && rowApplies(row);
        } else {
            // Captions and groups grey out with the inputs the mode does
            // not read, not while a search runs.
            enabled = rowApplies(row);
        }
        if ((IsWindowEnabled(control) != FALSE) != enabled) EnableWindow(control, enabled ? TRUE : FALSE);
    }
}

void capturePairInputs() {
    char text[PairInputTextSize];
    for (int row = 0; row < PairTableRows; ++row) {
        const PairControlEntry& entry = pairControlTable[row];
        if (entry.kind != EditBox || entry.index < 0 || entry.index >= PairTextCount) continue;
        HWND box = pairControlWindows[row];
        if (box == nullptr) continue;
        int n = GetWindowTextA(box, text, sizeof text);
        if (n < 0) n = 0;
        if (n > static_cast<int>(sizeof text) - 1) n = sizeof text - 1;
        text[n] = '\0';
        setPairText(&pairInputs, entry.index, text);
    }
}

void paintPairWindow(HWND window, const char* outcome, const char* progress) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    for (int row = 0; row < PairTableRows; ++row) {
        const PairControlEntry& entry = pairControlTable[row];
        if (entry.kind != PaintText) continue;
        RECT r = pairRectToPixels(entry);
        DrawTextA(dc, progress != nullptr ? progress : outcome, -1, &r, entry.style);
    }
    EndPaint(window, &paint);
}

void resetPairControlWindows() {
    for (HWND& window : pairControlWindows) window = nullptr;
}
