// Matching the lines of a Result text with the records they were made from.
#include "engine/result_lines.h"

#include <cstring>

namespace {

// A record's line without its CR LF.
int lineLength(const MatchRecord& r) {
    int n = r.length;
    if (n > 0 && r.text[n - 1] == '\n') --n;
    if (n > 0 && r.text[n - 1] == '\r') --n;
    return n;
}

// Walks the lines of `text` up to line `last` (or to the end), matching each
// with the next record that reads the same; fills records[k] for the lines
// below `capacity` and returns the record of line `last` (null past the end).
const MatchRecord* walkLines(const char* text, int last, const MatchRecord** records,
                             int capacity, int* lineCount) {
    const ResultStore& store = resultStore;
    int next = 0;  // the first record not yet matched
    int line = 0;
    const MatchRecord* found = nullptr;
    for (const char* p = text; *p != '\0' && (last < 0 || line <= last); ++line) {
        const char* end = strchr(p, '\n');
        const char* after = end != nullptr ? end + 1 : p + strlen(p);
        if (end == nullptr) end = after;
        if (end > p && end[-1] == '\r') --end;
        const int length = static_cast<int>(end - p);

        found = nullptr;
        for (int r = next; r < store.recordCount; ++r) {
            const MatchRecord& record = store.records[r];
            if (lineLength(record) == length && memcmp(record.text, p, length) == 0) {
                found = &record;
                next = r + 1;
                break;
            }
        }
        if (line < capacity) records[line] = found;
        p = after;
    }
    if (lineCount != nullptr) *lineCount = line < capacity ? line : capacity;
    return last >= 0 && line == last + 1 ? found : nullptr;
}

}  // namespace

const MatchRecord* recordOfResultLine(const char* text, int lineIndex) {
    if (text == nullptr || lineIndex < 0) return nullptr;
    return walkLines(text, lineIndex, nullptr, 0, nullptr);
}

int recordsOfResultLines(const char* text, const MatchRecord** records, int capacity) {
    if (text == nullptr || records == nullptr || capacity <= 0) return 0;
    int count = 0;
    walkLines(text, -1, records, capacity, &count);
    return count;
}
