// The page's captions. Where the window has the same control, the caption
// is the window's own.
#include "web/page_texts.h"

// clang-format off
const PageText pageTexts[] = {
//   name              Japanese caption                                                     English caption
    {"headline",       "\x8e\xe8\x8e\x9d\x82\xbf\x82\xcc\x83\x70\x81\x5b\x83\x63\x82\xa9\x82\xe7\x96\xda\x95\x57\x92\x6c\x82\xc9\x82\xc8\x82\xe9\x91\x67\x8d\x87\x82\xb9\x82\xf0\x92\x54\x82\xb5\x82\xdc\x82\xb7\x81\x42" /* 手持ちのパーツから目標値になる組合せを探します。 */, "Searching your parts stock for combinations as target value."},
    // The language button names the other language, in that language.
    {"otherLanguage",  "English",                                                           "\x93\xfa\x96\x7b\x8c\xea" /* 日本語 */},
    {"partsSelect",    "\x95\x94\x95\x69\x91\x49\x91\xf0" /* 部品選択 */,                   "Parts select"},
    {"resistor",       "\x92\xef\x8d\x52" /* 抵抗 */,                                       "Resistor"},
    {"capacitor",      "\x83\x52\x83\x93\x83\x66\x83\x93\x83\x54" /* コンデンサ */,         "Capacitor"},
    {"inductor",       "\x83\x52\x83\x43\x83\x8b" /* コイル */,                             "Inductor"},
    {"target",         "\x96\xda\x95\x57\x92\x6c" /* 目標値 */,                             "Target value"},
    {"tolerance",      "\x81\x7d\x28\x25\x29" /* ±(%) */,                                   "+-(%)"},
    {"maxParts",       "\x8d\xc5\x91\xe5\x8d\x5c\x90\xac\x96\x7b\x90\x94\x28\x32\x81\x60\x35\x29" /* 最大構成本数(2～5) */, "Max combination number(2-5)"},
    {"range",          "\x95\x94\x95\x69\x91\x49\x92\xe8\x94\xcd\x88\xcd\x28\x31\x2f\x78\x81\x60\x78\x29" /* 部品選定範囲(1/x～x) */, "Parts select range(1/x-x)"},
    {"showAll",        "\x91\x53\x95\x5c\x8e\xa6" /* 全表示 */,                             "Show All"},
    {"parallelOnly",   "\x95\xc0\x97\xf1\x82\xcc\x82\xdd" /* 並列のみ */,                   "Parallel only"},
    {"execute",        "\x8e\xc0\x8d\x73" /* 実行 */,                                       "Execute"},
    {"abort",          "\x8f\x88\x97\x9d\x92\xe2\x8e\x7e" /* 処理停止 */,                   "Abort"},
    {"result",         "\x8e\xc0\x8d\x73\x8c\x8b\x89\xca" /* 実行結果 */,                   "Result"},
    {"sortByError",    "\x8c\xeb\x8d\xb7\x8f\x87\x95\xc0\x82\xd1" /* 誤差順並び */,         "Sort by Error"},
    {"sortByValue",    "\x92\x6c\x8f\x87\x95\xc0\x82\xd1" /* 値順並び */,                   "Sort by Value"},
    {"listSelect",     "\x83\x8a\x83\x58\x83\x67\x91\x49\x91\xf0" /* リスト選択 */,         "List select"},
    {"list1",          "List 1",                                                            "List 1"},
    {"list2",          "List 2",                                                            "List 2"},
    {"list3",          "List 3",                                                            "List 3"},
    {"listsKept",      "\x83\x8a\x83\x58\x83\x67\x82\xcd\x82\xb1\x82\xcc\x83\x75\x83\x89\x83\x45\x83\x55\x82\xc9\x95\xdb\x91\xb6\x82\xb3\x82\xea\x82\xdc\x82\xb7\x81\x42" /* リストはこのブラウザに保存されます。 */, "The lists are kept in this browser."},
    {"schematic",      "\x89\xf1\x98\x48\x90\x7d" /* 回路図 */,                             "Schematic"},
    {"chooseLine",     "\x8c\x8b\x89\xca\x82\xcc\x8d\x73\x82\xf0\x91\x49\x82\xd4\x82\xc6\x81\x41\x82\xbb\x82\xcc\x89\xf1\x98\x48\x90\x7d\x82\xf0\x95\x5c\x8e\xa6\x82\xb5\x82\xdc\x82\xb7\x81\x42" /* 結果の行を選ぶと、その回路図を表示します。 */, "Choose a result line to see its schematic."},
    // What the window writes when Abort ends a search, in both languages.
    {"aborted",        "aborted. found = %d",                                               "aborted. found = %d"},
    {"loading",        "\x93\xc7\x82\xdd\x8d\x9e\x82\xdd\x92\x86\x2e\x2e\x2e" /* 読み込み中... */, "Loading..."},
    {"single",         "\x92\x50\x88\xea\x82\xcc\x91\x67\x8d\x87\x82\xb9" /* 単一の組合せ */, "One network"},
    {"pair",           "\x82\x51\x82\xc2\x82\xcc\x91\x67\x8d\x87\x82\xb9" /* ２つの組合せ */, "Two networks"},
    // The pair search: the kinds of pair, named as the command line's --pair names them.
    {"pairKind",       "\x91\x67\x8d\x87\x82\xb9\x82\xcc\x8e\xed\x97\xde" /* 組合せの種類 */, "Kind of pair"},
    {"pairRatio",      "\x94\xe4\x20\x61\x2f\x62" /* 比 a/b */,                            "Ratio a/b"},
    {"pairDivider",    "\x95\xaa\x88\xb3" /* 分圧 */,                                        "Divider"},
    {"pairFeedback",   "\x8b\x41\x8a\xd2" /* 帰還 */,                                        "Feedback"},
    {"pairRc",         "\x52\x43\x20\x8e\x9e\x92\xe8\x90\x94\x81\x45\x83\x4a\x83\x62\x83\x67\x83\x49\x83\x74" /* RC 時定数・カットオフ */, "RC time constant, cutoff"},
    {"pairLc",         "\x4c\x43\x20\x8b\xa4\x90\x55" /* LC 共振 */,                      "LC resonance"},
    {"pairTarget",     "\x96\xda\x95\x57\x92\x6c\x28\x94\xe4\x81\x41\x82\xdc\x82\xbd\x82\xcd\x83\xd1\x5b\x73\x5d\x29" /* 目標値(比、またはτ[s]) */, "Target (ratio, or tau in s)"},
    {"vin",            "Vin (V)",                                                           "Vin (V)"},
    {"vout",           "Vout (V)",                                                          "Vout (V)"},
    {"vref",           "Vref (V)",                                                          "Vref (V)"},
    {"frequency",      "\x8e\xfc\x94\x67\x90\x94\x28\x48\x7a\x29" /* 周波数(Hz) */,    "Frequency (Hz)"},
    {"pairMaxParts",   "\x95\xd0\x91\xa4\x82\xcc\x8d\xc5\x91\xe5\x95\x94\x95\x69\x90\x94\x28\x31\x81\x60\x33\x29" /* 片側の最大部品数(1～3) */, "Parts a side (1-3)"},
    {"rangeA",         "\x41\x82\xcc\x94\xcd\x88\xcd\x28\x8d\xc5\x8f\xac\x2e\x2e\x8d\xc5\x91\xe5\x29" /* Aの範囲(最小..最大) */, "Range of A (min..max)"},
    {"rangeB",         "\x42\x82\xcc\x94\xcd\x88\xcd\x28\x8d\xc5\x8f\xac\x2e\x2e\x8d\xc5\x91\xe5\x29" /* Bの範囲(最小..最大) */, "Range of B (min..max)"},
    {"rangeTotal",     "\x41\x2b\x42\x82\xcc\x94\xcd\x88\xcd\x28\x8d\xc5\x8f\xac\x2e\x2e\x8d\xc5\x91\xe5\x29" /* A+Bの範囲(最小..最大) */, "Range of A+B (min..max)"},
    {"limit",          "\x95\x5c\x8e\xa6\x82\xb7\x82\xe9\x8d\x73\x90\x94" /* 表示する行数 */, "Lines shown"},
    {"listB",          "\x42\x82\xcc\x83\x8a\x83\x58\x83\x67" /* Bのリスト */,          "List of B"},
    // Side B's own lists where its parts are of another type than A's (RC, LC).
    {"listsB",         "\x42\x82\xcc\x83\x8a\x83\x58\x83\x67\x28\x83\x52\x83\x93\x83\x66\x83\x93\x83\x54\x29" /* Bのリスト(コンデンサ) */, "Lists of B (capacitors)"},
    {"sameAsA",        "\x41\x82\xc6\x93\xaf\x82\xb6" /* Aと同じ */,                      "As A"},
    {"typesOfB",       "\x42\x20\x82\xcd\x20\x41\x20\x82\xcc\x95\x94\x95\x69\x82\xcc\x8e\xed\x97\xde\x82\xc5\x81\x41\x52\x43\x20\x82\xc6\x20\x4c\x43\x20\x82\xc5\x82\xcd\x83\x52\x83\x93\x83\x66\x83\x93\x83\x54\x82\xc5\x82\xb7\x81\x42" /* B は A の部品の種類で、RC と LC ではコンデンサです。 */, "B holds parts of A's type; for RC and LC, capacitors."},
    {"messages",       "\x83\x81\x83\x62\x83\x5a\x81\x5b\x83\x57" /* メッセージ */,         "Messages"},
    {"version",        "Combinix %s",                                                       "Combinix %s"},
};
// clang-format on

static_assert(sizeof pageTexts / sizeof pageTexts[0] == PageTextCount, "one row per page text");
