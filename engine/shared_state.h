// The two process-wide stores that the search reads and writes and that the
// window and the command line fill: the integer Settings and the 32
// TextBuffers. Everything reaches them by field or buffer number; nothing
// passes them around as arguments. The window's own handles are kept by the
// window (window/control_table.h).
#pragma once

#include <atomic>
#include <cstdint>

#include "engine/limits.h"

// The integer settings, fields 0 to 19 in the order of the settings file.
// The fields are atomic because the main thread may toggle showAll,
// parallelOnly, listSelection and language while a search reads them.
struct Settings {
    std::atomic<int32_t> language{0};      // 0 Japanese, 1 English
    std::atomic<int32_t> windowLeft{0};
    std::atomic<int32_t> windowTop{0};
    std::atomic<int32_t> windowRight{0};
    std::atomic<int32_t> windowBottom{0};
    std::atomic<int32_t> reserved5{0};
    std::atomic<int32_t> reserved6{0};
    std::atomic<int32_t> reserved7{0};
    std::atomic<int32_t> reserved8{0};
    std::atomic<int32_t> matchCount{0};    // matches counted by the last search
    std::atomic<int32_t> partType{0};      // PartType of the search and the lists
    std::atomic<int32_t> showAll{0};       // "Show All" check box
    std::atomic<int32_t> parallelOnly{0};  // "Parallel only" check box
    std::atomic<int32_t> listSelection{0}; // 0-2 List 1-3, 3 E24, 4 E12, 5 E6, 6 E3
    std::atomic<int32_t> reserved14{0};
    std::atomic<int32_t> reserved15{0};
    std::atomic<int32_t> reserved16{0};
    std::atomic<int32_t> reserved17{0};
    std::atomic<int32_t> reserved18{0};
    std::atomic<int32_t> reserved19{0};
};

extern Settings settings;

// Field n (0 to 19) of the settings, for the settings file, which stores
// them by number. n outside 0..19 is a programming error and yields field 0's
// neighbour-free dummy so nothing outside the store is touched.
std::atomic<int32_t>& settingsField(int n);

// Buffer numbers with a fixed role.
enum TextBufferId : int {
    BufTarget = 1,
    BufTolerance = 2,
    BufMaxParts = 3,
    BufRange = 4,
    BufDisplayedList1 = 5,
    BufDisplayedList2 = 6,
    BufDisplayedList3 = 7,
    BufResult = 8,
    BufStatus = 9,
    BufStoredLists = limits::FirstStoredListBuffer,  // + 3 * list + partType; lists 0-2 editable, 3-6 series
};

extern char textBuffers[limits::TextBufferCount][limits::TextSize];

// The text of the Result box and the outcome line.
extern char (&resultText)[limits::TextSize];
extern char (&statusText)[limits::TextSize];

// The stock list that listSelection names for partType.
inline int storedListBuffer(int listSelection, int partType) {
    return BufStoredLists + limits::PartTypeCount * listSelection + partType;
}

// Bounded text writes: a buffer never receives more than 31999 characters
// and always ends with a zero byte.
void setText(char* buffer, const char* text);
void appendText(char* buffer, const char* text);
// Copies at most `length` bytes of `text` (stopping early at a zero byte).
void setTextN(char* buffer, const char* text, int length);
// Appends at most `length` bytes; returns 0 when everything fitted.
int appendTextN(char* buffer, const char* text, int length);

// Both stores back to the state at process start: settings 0, texts empty,
// and the part options (recorder.h) at their defaults. Used by tests and by
// the command-line search.
void resetSharedState();
