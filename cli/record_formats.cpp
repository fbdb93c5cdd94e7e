// CSV and JSON records of a search. Both take each record's fields from the
// record itself: its line for the value as printed and the formula, its
// shape and picks for the parts, the stock for the parts' names and values.
#include "cli/record_formats.h"

#include <charconv>
#include <cstring>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/output_fields.h"

#include "engine/recorder.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"
#include "engine/stock_list.h"
#include "platform/code_page.h"

namespace {


// What a record says, in UTF-8 and numbers.
struct RecordFields {
    int partCount = 0;
    double value = 0;        // ohm, farad or henry
    std::string valueText;   // as the line prints it: "1.47000k"
    double error = 0;        // signed, in percent
    std::string formula;     // the line's formula with the parts' names
    std::string names[limits::MaxNetworkParts];
    double values[limits::MaxNetworkParts] = {};
};

RecordFields fieldsOf(const MatchRecord& r) {
    RecordFields f;
    f.partCount = r.shape != nullptr ? r.shape->parts : r.text[0] - '0';
    f.value = r.value;
    f.error = signedError(r.value);

    // "n:" then the value field up to the first comma; the formula after
    // the error's "%, " up to the line end.
    const char* line = r.text;
    const char* comma = strchr(line, ',');
    const char* from = line + 2;
    while (comma != nullptr && from < comma && *from == ' ') ++from;
    if (comma != nullptr) f.valueText.assign(from, static_cast<size_t>(comma - from));
    const char* formula = strstr(line, "%, ");
    if (formula != nullptr) {
        formula += 3;
        size_t length = strcspn(formula, "\r\n");
        f.formula = utf8Field(formula, length);
    }

    for (int k = 0; k < f.partCount && k < limits::MaxNetworkParts; ++k) {
        int pick = r.picks[k];
        if (pick < 0 || pick >= stockCount) continue;
        const StockPart& part = stockParts[pick];
        f.names[k] = utf8Field(part.name, strlen(part.name));
        f.values[k] = settings.partType == Capacitor ? part.parallelValue : part.seriesValue;
    }
    return f;
}




// The outcome line without its line end.
std::string outcomeText() {
    std::string text = utf8Field(statusText, strlen(statusText));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

}  // namespace

void writeCsvRecords(FILE* out) {
    std::string header = "part_count,value,value_text,error_percent,formula";
    for (int k = 1; k <= limits::MaxNetworkParts; ++k) {
        header += ",name_" + std::to_string(k) + ",value_" + std::to_string(k);
    }
    fputs((header + "\r\n").c_str(), out);
    for (int i = 0; i < resultStore.recordCount; ++i) {
        RecordFields f = fieldsOf(resultStore.records[i]);
        std::string row = std::to_string(f.partCount) + "," + numberText(f.value) + "," +
                          csvField(f.valueText) + "," + numberText(f.error) + "," +
                          csvField(f.formula);
        for (int k = 0; k < limits::MaxNetworkParts; ++k) {
            row += ",";
            if (k < f.partCount) row += csvField(f.names[k]) + "," + numberText(f.values[k]);
            else row += ",";
        }
        fputs((row + "\r\n").c_str(), out);
    }
}

void writeJsonDocument(FILE* out, const SearchCommand& command) {
    using Json = nlohmann::ordered_json;
    const SearchParams& p = searchParams;
    const int partType = settings.partType;
    Json inputs;
    inputs["type"] = partTypeName(partType);
    // The target as read, back from the series domain.
    inputs["target"] = partType == Capacitor && p.target != 0 ? 1 / p.target : p.target;
    inputs["target_text"] = utf8Field(textBuffers[BufTarget], strlen(textBuffers[BufTarget]));
    inputs["tolerance_percent"] = p.typedTolerance;
    inputs["range"] = p.rangeFactor;
    inputs["max_parts"] = p.maxParts;
    inputs["list"] = command.listName;
    inputs["stock_values"] = stockCount;
    inputs["show_all"] = settings.showAll != 0;
    inputs["parallel_only"] = settings.parallelOnly != 0;
    inputs["sort"] = command.sort == SortOrder::Error   ? Json("error")
                     : command.sort == SortOrder::Value ? Json("value")
                                                        : Json(nullptr);
    inputs["language"] = settings.language == 0 ? "ja" : "en";

    Json records = Json::array();
    for (int i = 0; i < resultStore.recordCount; ++i) {
        RecordFields f = fieldsOf(resultStore.records[i]);
        Json parts = Json::array();
        for (int k = 0; k < f.partCount && k < limits::MaxNetworkParts; ++k) {
            parts.push_back(Json{{"name", f.names[k]}, {"value", f.values[k]}});
        }
        records.push_back(Json{{"part_count", f.partCount},
                               {"value", f.value},
                               {"value_text", f.valueText},
                               {"error_percent", f.error},
                               {"formula", f.formula},
                               {"parts", parts}});
    }

    Json document;
    document["outcome"] = outcomeText();
    document["match_count"] = settings.matchCount.load();
    document["inputs"] = inputs;
    document["records"] = records;
    std::string text = document.dump(2, ' ', false, Json::error_handler_t::replace);
    fputs(text.c_str(), out);
    fputc('\n', out);
}
