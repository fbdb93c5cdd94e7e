// The outcome line's own small table: progress and the stock list note.
#include "engine/outcome_line_texts.h"

#include <cstdio>

#include "engine/message_table.h"
#include "engine/shared_state.h"

namespace {

// The numbers stand between the pieces, in the same order in both
// languages; spaces at a piece's edge are in the format where both
// languages have them. The note is short, so that it still fits the one
// line the outcome row shows behind the longer outcomes.
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
     " ("},  // 4 TextUsedBefore
    {"/",
     " of "},  // 5 TextUsedOf
    {"\x8c\xc2\x82\xf0\x8e\x67\x97\x70)" /* 個を使用) */,
     " values used)"},  // 6 TextUsedAfter
    {"\x96\x7b\x8d\x5c\x90\xac," /* 本構成, */,
     " part,"},  // 7 TextPart
    {"%,",
     " %,"},  // 8 TextPercent
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
void formatProgressLine(char* out, int size, int parts, int percent, int found) {
    if (out == nullptr || size <= 0) return;
    int language = settings.language;
    if (parts <= 0) {
        snprintf(out, static_cast<size_t>(size), "%s", textIn(TextSearchStarting, language));
        return;
    }
    if (percent < 0) percent = 0;
    if (percent > 100) percent = 100;
    snprintf(out, static_cast<size_t>(size), "%s %d%s %d%s %d%s", textIn(TextSearching, language), parts,
             textIn(parts == 1 ? TextPart : TextParts, language), percent, textIn(TextPercent, language),
             found, textIn(TextFound, language));
}

void appendStockListNote(char* text, int used, int listed) {
    int language = settings.language;
    char note[160];
    snprintf(note, sizeof note, "%s%d%s%d%s", textIn(TextUsedBefore, language), used,
             textIn(TextUsedOf, language), listed, textIn(TextUsedAfter, language));
    appendText(text, note);
}
