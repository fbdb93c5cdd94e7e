// The outcome line's own small table: progress and the stock list note.
#include "engine/outcome_line_texts.h"

#include <cstdio>

#include "engine/message_table.h"
#include "engine/shared_state.h"

namespace {

// The numbers stand between the pieces, in the same order in both
// languages; spaces at a piece's edge are in the format where both
// languages have them.
// clang-format off
const MessageRow outcomeLineTexts[OutcomeLineTextCount] = {
//   Japanese (CP932)                                   English
    {"\x92\x54\x8d\xf5\x92\x86..." /* 探索中... */,
     "Searching..."},  // 0 TextSearchStarting
    {"\x92\x54\x8d\xf5\x92\x86:" /* 探索中: */,
     "Searching:"},  // 1 TextSearching
    {"\x96\x7b\x8d\x5c\x90\xac," /* 本構成, */,
     " parts,"},  // 2 TextParts
    {"\x91\x67" /* 組 */,
     " found"},  // 3 TextFound
    {"(\x90\xe6\x93\xaa\x82\xcc" /* (先頭の */,
     " (the first "},  // 4 TextFirstUsed
    {"\x8c\xc2\x82\xcc\x92\x6c\x82\xf0\x8e\x67\x97\x70\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42\x83\x8a\x83\x58\x83\x67\x82\xcc\x92\x6c\x82\xcd" /* 個の値を使用しました。リストの値は */,
     " of "},  // 5 TextOfListed
    {"\x8c\xc2\x82\xc5\x82\xb7)" /* 個です) */,
     " values were used)"},  // 6 TextValuesUsed
};
// clang-format on

const char* textIn(int id, int language) {
    if (id < 0 || id >= OutcomeLineTextCount) return "";
    return language == 1 ? outcomeLineTexts[id].english : outcomeLineTexts[id].japanese;
}

}  // namespace

const char* outcomeLineText(int id) { return textIn(id, settings.language); }

// The language is read once per text: the main thread may switch it while
// a search writes its note, and a line is never of two languages.
void formatProgressLine(char* out, int size, int parts, int found) {
    if (out == nullptr || size <= 0) return;
    int language = settings.language;
    if (parts <= 0) {
        snprintf(out, static_cast<size_t>(size), "%s", textIn(TextSearchStarting, language));
        return;
    }
    snprintf(out, static_cast<size_t>(size), "%s %d%s %d%s", textIn(TextSearching, language), parts,
             textIn(TextParts, language), found, textIn(TextFound, language));
}

void appendStockListNote(char* text, int used, int listed) {
    int language = settings.language;
    char note[160];
    snprintf(note, sizeof note, "%s%d%s%d%s", textIn(TextFirstUsed, language), used,
             textIn(TextOfListed, language), listed, textIn(TextValuesUsed, language));
    appendText(text, note);
}
