// The outcome line's texts that are not messages of the program's own
// message table: the progress a front end shows there while a search runs,
// and the note behind the outcome of a search whose stock list was longer
// than the search takes. A small bilingual table like the message table,
// Japanese (CP932) and English, the current language picking the column
// when a text is produced.
#pragma once

enum OutcomeLineTextId : int {
    TextSearchStarting = 0,  // "Searching...": the search has not reached its networks
    TextSearching = 1,       // "Searching:", before the network size
    TextParts = 2,           // " parts,", after the network size
    TextFound = 3,           // " found", after the matches counted
    TextUsedBefore = 4,      // " (", before the values used
    TextUsedOf = 5,          // " of ", before the values listed
    TextUsedAfter = 6,       // " values used)", at the end
    TextPart = 7,            // " part,", after a network size of 1
    TextPercent = 8,         // " %,", after how far the size has come
    OutcomeLineTextCount = 9,
};

// The text of `id` in the current language; "" for an id outside the table.
const char* outcomeLineText(int id);

// The progress line of a search into `out` (`size` bytes, always ended):
// "Searching: 4 parts, 38 %, 1234 found" / "探索中: 4本構成, 38%, 1234組"
// while it tries networks of `parts` parts, `percent` of them done,
// "Searching..." / "探索中..." for `parts` 0.
void formatProgressLine(char* out, int size, int parts, int percent, int found);

// Appends to `text` (a text buffer) the note that a search used only the
// first `used` of the `listed` values of its stock list:
// " (500 of 599 values used)" / "(先頭の500/599個を使用)".
void appendStockListNote(char* text, int used, int listed);
