// Running a whole search in-process as the Execute button would, and
// reading back what it recorded, in recording order: the line store is
// appended as matches are recorded and the final ordering only sorts the
// records, so walking the store gives the order in which the templates found
// their networks.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"

struct TypedSearch {
    int partType;
    const char* target;
    const char* tolerance;
    const char* maxParts;
    const char* stock;  // List 1 of the part type
    bool showAll = false;
    bool parallelOnly = false;
    const char* range = "200";
    PartOptions options{};  // the parts as built: none by default

    void run() const {
        resetSharedState();
        partOptions = options;
        runAsSearchNumber(newSearchNumber());
        settings.language = 1;
        settings.partType = partType;
        settings.listSelection = 0;
        settings.showAll = showAll ? 1 : 0;
        settings.parallelOnly = parallelOnly ? 1 : 0;
        setText(textBuffers[BufTarget], target);
        setText(textBuffers[BufTolerance], tolerance);
        setText(textBuffers[BufMaxParts], maxParts);
        setText(textBuffers[BufRange], range);
        setText(textBuffers[storedListBuffer(0, partType)], stock);
        runSearch();
    }
};

// Every recorded line, CR LF included, in recording order.
inline std::vector<std::string> recordedLines() {
    std::vector<std::string> lines;
    const ResultStore& store = resultStore;
    for (int at = 0; at < store.storeUsed;) {
        const char* line = store.lineStore + at;
        size_t n = strlen(line);
        lines.emplace_back(line, n);
        at += static_cast<int>(n) + 1;
    }
    return lines;
}

// The value of every record, in recording order: a record's line lies in
// the store at the place its recording reached, whatever order the records
// were sorted into since.
inline std::vector<double> recordedValues() {
    const ResultStore& store = resultStore;
    std::vector<double> byPlace(static_cast<size_t>(store.storeUsed), 0.0);
    std::vector<bool> used(byPlace.size(), false);
    for (int i = 0; i < store.recordCount; ++i) {
        size_t at = static_cast<size_t>(store.records[i].text - store.lineStore);
        byPlace[at] = store.records[i].value;
        used[at] = true;
    }
    std::vector<double> values;
    for (size_t at = 0; at < byPlace.size(); ++at) {
        if (used[at]) values.push_back(byPlace[at]);
    }
    return values;
}

// The formula of every recorded line (after "%, ", without the line end),
// in recording order.
inline std::vector<std::string> recordedFormulas() {
    std::vector<std::string> formulas;
    for (const std::string& line : recordedLines()) {
        size_t start = line.find("%, ");
        size_t end = line.rfind("\r\n");
        formulas.push_back(line.substr(start + 3, end - start - 3));
    }
    return formulas;
}

inline int countOf(const std::vector<std::string>& items, const std::string& item) {
    int n = 0;
    for (const std::string& x : items) n += x == item ? 1 : 0;
    return n;
}
