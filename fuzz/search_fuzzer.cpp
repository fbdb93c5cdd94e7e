// Fuzz target: a whole search on whatever a user might type. The fuzzer's
// bytes give the part type, list choice, flags and language (hostile values
// such as a part type of 3 included, as a damaged settings file could hold),
// the four input boxes and a stock list text, which is cut to a few lines so
// that each search stays small. After the search, and after the sort the
// input asks for, every promise of the result state is checked.
//
// Input: byte 0 part type, byte 1 list choice, byte 2 flags (bit 0 Show All,
// bit 1 Parallel only, bits 2-3 language, bits 4-5 sort), then the target,
// tolerance, maximum parts and range texts, each ended by a zero byte, then
// the stock list text. A text missing at the end keeps the initial text.
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/builtin_lists.h"
#include "engine/message_table.h"
#include "engine/recorder.h"
#include "engine/result_ordering.h"
#include "engine/search_frame.h"
#include "engine/shared_state.h"
#include "engine/stock_list.h"
#include "fuzz/fuzz_input.h"

namespace {

bool startsWith(const char* text, const char* prefix) {
    return strncmp(text, prefix, strlen(prefix)) == 0;
}

// Skips a run of digits; null when there is none.
const char* digits(const char* p) {
    if (*p < '0' || *p > '9') return nullptr;
    while (*p >= '0' && *p <= '9') ++p;
    return p;
}

// "12 set(s) found." or "1234 set(s) found. 300 sets displayed."
bool isSummary(const char* text) {
    const char* p = digits(text);
    if (p == nullptr || !startsWith(p, messageText(MsgSetsFound))) return false;
    p += strlen(messageText(MsgSetsFound));
    if (*p == '\0') return true;
    if (*p++ != ' ' || (p = digits(p)) == nullptr) return false;
    return strcmp(p, messageText(MsgSetsDisplayed)) == 0;
}

// "You need many parts in serial. 1k x 12": the message, a space, the
// part's name (any 15 characters), " x " and the count.
bool isHint(const char* text) {
    for (int id : {MsgNeedManySerial, MsgNeedManyParallel}) {
        std::string head = std::string(messageText(id)) + " ";
        if (!startsWith(text, head.c_str())) continue;
        const char* x = strstr(text + head.size(), " x ");
        while (x != nullptr) {
            const char* end = digits(x + 3);
            if (end != nullptr && *end == '\0') return true;
            x = strstr(x + 1, " x ");
        }
    }
    return false;
}

bool isOneOf(const char* text, std::initializer_list<int> ids) {
    for (int id : ids) {
        if (strcmp(text, messageText(id)) == 0) return true;
    }
    return false;
}

// The first `count` records' lines one after another.
std::string shownLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += resultStore.records[i].text;
    return text;
}

void checkResultState(bool ordered) {
    const ResultStore& store = resultStore;
    const int matches = settings.matchCount;
    FUZZ_CHECK(memchr(resultText, 0, limits::TextSize) != nullptr);
    FUZZ_CHECK(memchr(statusText, 0, limits::TextSize) != nullptr);
    FUZZ_CHECK(matches >= 0 && matches <= limits::RecordCapacity);
    FUZZ_CHECK(store.recordCount >= 0 && store.recordCount <= matches);
    FUZZ_CHECK(store.storeUsed >= 0 && store.storeUsed < limits::LineStoreSize);
    FUZZ_CHECK(stockCount >= 0 && stockCount <= limits::StockCapacity);
    if (stockCount > 0) {
        FUZZ_CHECK(firstCandidate >= 0 && firstCandidate < stockCount);
        FUZZ_CHECK(lastCandidate >= 0 && lastCandidate < stockCount);
        FUZZ_CHECK(firstCandidate <= lastCandidate + 1);
        for (int i = 0; i < stockCount; ++i) {
            FUZZ_CHECK(memchr(stockParts[i].name, 0, limits::StockNameSize) != nullptr);
            FUZZ_CHECK(stockParts[i].seriesValue > 0);
            if (i > 0) FUZZ_CHECK(stockParts[i - 1].seriesValue <= stockParts[i].seriesValue);
        }
    }
    for (int i = 0; i < store.recordCount; ++i) {
        const MatchRecord& r = store.records[i];
        FUZZ_CHECK(r.text >= store.lineStore && r.text + r.length < store.lineStore + store.storeUsed);
        FUZZ_CHECK(r.length >= 3 && r.length < limits::LineSize);
        FUZZ_CHECK(static_cast<int>(strlen(r.text)) == r.length);
        FUZZ_CHECK(r.text[0] >= '1' && r.text[0] <= '5' && r.text[1] == ':');
        FUZZ_CHECK(r.text[r.length - 2] == '\r' && r.text[r.length - 1] == '\n');
    }

    if (isOneOf(statusText, {MsgParameterError, MsgStockListError})) {
        FUZZ_CHECK(resultText[0] == '\0' && matches == 0);
    } else if (isOneOf(statusText, {MsgNotFound}) || isHint(statusText)) {
        FUZZ_CHECK(resultText[0] == '\0' && matches == 0);
    } else if (isOneOf(statusText, {MsgTooManyMatches})) {
        FUZZ_CHECK(matches > 0);
    } else {
        FUZZ_CHECK(isSummary(statusText));
        FUZZ_CHECK(matches > 0 && atoi(statusText) == matches);
        FUZZ_CHECK(store.recordCount == matches);
    }
    if (ordered) {
        // The Result box shows the first shownCount records in their order.
        FUZZ_CHECK(store.shownCount >= 0 && store.shownCount <= store.recordCount);
        FUZZ_CHECK(shownLines(store.shownCount) == resultText);
    }
}

void setTyped(int buffer, const std::string& text, bool missing) {
    if (!missing) setText(textBuffers[buffer], text.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const int partType = input.byte() % 5 - 1;      // -1 to 3
    const int listSelection = input.byte() % 9 - 1; // -1 to 7
    const int flags = input.byte();

    resetSharedState();
    fillDefaultTexts();
    settings.partType = partType;
    settings.listSelection = listSelection;
    settings.showAll = flags & 1;
    settings.parallelOnly = (flags >> 1) & 1;
    settings.language = (flags >> 2) & 3;
    for (int buffer = BufTarget; buffer <= BufRange; ++buffer) {
        bool missing = false;
        std::string text = input.field(&missing);
        setTyped(buffer, text, missing);
    }
    // Whatever list the settings name gets the stock, the built-in series
    // too, so that every list choice searches a few items only.
    std::string stock = capLines(input.rest(), 8);
    if (listSelection >= 0 && listSelection <= 6 && partType >= 0 && partType <= 2) {
        setText(textBuffers[storedListBuffer(listSelection, partType)], stock.c_str());
    }

    runSearch();
    checkResultState(resultsFinished);

    const int sort = (flags >> 4) & 3;
    if (sort == 1 || sort == 3) {
        sortByError();
        checkResultState(resultStore.recordCount > 0);
    }
    if (sort == 2 || sort == 3) {
        sortByValue();
        checkResultState(resultStore.recordCount > 0);
    }
    return 0;
}
