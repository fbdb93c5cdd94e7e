// The outputs of combinix-search --pair (pair_output.h). Every field is
// taken from the record and the request: the shown quantity and its error
// from pairShownQuantity, the formulas from formatPairFormula, the parts
// from the sides' stocks; the text lines are the library's own.
#include "cli/pair_output.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/output_fields.h"

#include "cli/drawing_output.h"
#include "engine/search_inputs.h"
#include "platform/code_page.h"

namespace {

using Json = nlohmann::ordered_json;




const PairSide& sideOf(const PairRequest& r, int side) { return side == 0 ? r.a : r.b; }
const PairNetwork& networkOf(const PairRecord& record, int side) { return side == 0 ? record.a : record.b; }

std::string formulaOf(const PairRequest& r, const PairRecord& record, int side) {
    char formula[limits::PairTextSize];
    formatPairFormula(sideOf(r, side), networkOf(record, side), formula, sizeof formula);
    return utf8Field(formula);
}

// The part at `k` of a side's network: its name (UTF-8) and value (ohm,
// farad or henry).
std::string partName(const PairRequest& r, const PairNetwork& n, int side, int k) {
    return utf8Field(sideOf(r, side).parts[n.picks[k]].name);
}

double partValue(const PairRequest& r, const PairNetwork& n, int side, int k) {
    return sideOf(r, side).parts[n.picks[k]].value;
}

// What the outcome line says of the records an output holds.
std::string outcomeOf(const PairJob& job, const PairSearch& search, int64_t shown) {
    char line[limits::PairTextSize];
    formatPairOutcome(search.matches(), shown, search.stopped(), job.language, line, sizeof line);
    return utf8Field(line);
}

int shownCount(const PairJob& job, const PairSearch& search) {
    const int64_t kept = static_cast<int64_t>(search.records().size());
    return static_cast<int>(job.limit < kept ? job.limit : kept);
}



// The quantity's name in the JSON document.
const char* quantityName(const PairJob& job) {
    switch (job.request.mode) {
        case PairMode::Ratio:
        case PairMode::Divider: return "ratio";
        case PairMode::Feedback: return "vout";
        case PairMode::Rc: return pairShowsCutoff(job.request.mode, job.shownAs) ? "cutoff" : "time_constant";
        case PairMode::Lc: return "resonance";
    }
    return "";
}

// A range as JSON: its ends, null where an end is left out.
Json rangeJson(const ValueRange& range) {
    if (range.low == 0 && std::isinf(range.high)) return Json(nullptr);
    Json low = range.low > 0 ? Json(range.low) : Json(nullptr);
    Json high = std::isinf(range.high) ? Json(nullptr) : Json(range.high);
    return Json{{"low", low}, {"high", high}};
}

}  // namespace

int writePairText(FILE* out, FILE* err, const PairJob& job, const PairSearch& search) {
    const int shown = shownCount(job, search);
    const PairRecord* records = search.records().data();
    int status = printPairDrawings(out, err, job.drawing, job.request, records, shown, job.shownAs, job.language);
    fprintf(out, "%s\n", outcomeOf(job, search, shown).c_str());
    return status;
}

void writePairCsv(FILE* out, const PairJob& job, const PairSearch& search) {
    std::string header = "parts,value,error_percent";
    for (const char* side : {"a", "b"}) {
        header += std::string(",") + side + "_value," + side + "_formula";
        for (int k = 1; k <= limits::PairMaxParts; ++k) {
            header += std::string(",") + side + "_name_" + std::to_string(k) + "," + side + "_value_" +
                      std::to_string(k);
        }
    }
    fputs((header + "\r\n").c_str(), out);
    const PairRequest& r = job.request;
    for (const PairRecord& record : search.records()) {
        const PairShown shown = pairShownQuantity(r, record, job.shownAs);
        std::string row = std::to_string(record.parts) + "," + numberText(shown.value) + "," +
                          numberText(shown.errorPercent);
        for (int side = 0; side < 2; ++side) {
            const PairNetwork& n = networkOf(record, side);
            row += "," + numberText(n.value) + "," + csvField(formulaOf(r, record, side));
            for (int k = 0; k < limits::PairMaxParts; ++k) {
                if (k < n.partCount) {
                    row += "," + csvField(partName(r, n, side, k)) + "," + numberText(partValue(r, n, side, k));
                } else {
                    row += ",,";
                }
            }
        }
        fputs((row + "\r\n").c_str(), out);
    }
}

void writePairJson(FILE* out, const PairJob& job, const PairSearch& search) {
    const PairRequest& r = job.request;
    const int64_t kept = static_cast<int64_t>(search.records().size());

    Json quantity;
    quantity["name"] = quantityName(job);
    quantity["unit"] = pairQuantityUnit(r.mode, job.shownAs);
    quantity["target"] = pairShownTarget(r, job.shownAs);
    if (r.mode == PairMode::Feedback) quantity["vref"] = r.reference;
    if (r.mode == PairMode::Divider && job.vin > 0) quantity["vin"] = job.vin;

    Json sides;
    for (int side = 0; side < 2; ++side) {
        const PairSide& s = sideOf(r, side);
        const PairStockSource& source = job.sources[side];
        Json j;
        j["label"] = pairSideLabel(r.mode, r.a.partType, side);
        j["type"] = partTypeName(s.partType);
        j["list"] = source.list != nullptr ? Json(source.list) : Json(nullptr);
        j["stock_file"] = source.file != nullptr ? Json(source.file) : Json(nullptr);
        j["stock_of_a"] = source.fromSideA;
        j["stock_values"] = s.count;
        j["max_parts"] = s.maxParts;
        j["range"] = rangeJson(s.range);
        j["networks"] = side == 0 ? search.networksOfA() : search.networksOfB();
        sides[side == 0 ? "a" : "b"] = j;
    }

    Json records = Json::array();
    for (const PairRecord& record : search.records()) {
        const PairShown shown = pairShownQuantity(r, record, job.shownAs);
        Json j;
        j["parts"] = record.parts;
        j["value"] = shown.value;
        j["error_percent"] = shown.errorPercent;
        for (int side = 0; side < 2; ++side) {
            const PairNetwork& n = networkOf(record, side);
            Json parts = Json::array();
            for (int k = 0; k < n.partCount; ++k) {
                parts.push_back(Json{{"name", partName(r, n, side, k)}, {"value", partValue(r, n, side, k)}});
            }
            j[side == 0 ? "a" : "b"] = Json{{"label", pairSideLabel(r.mode, r.a.partType, side)},
                                             {"value", n.value},
                                             {"formula", formulaOf(r, record, side)},
                                             {"parts", parts}};
        }
        records.push_back(j);
    }

    Json document;
    document["outcome"] = outcomeOf(job, search, kept);
    document["mode"] = pairModeName(r.mode);
    document["type"] = partTypeName(r.a.partType);
    document["quantity"] = quantity;
    document["tolerance_percent"] = r.tolerancePercent;
    document["sides"] = sides;
    document["total"] = rangeJson(r.total);
    document["language"] = job.language == 0 ? "ja" : "en";
    document["matches"] = search.matches();
    document["records"] = records;
    const std::string text = document.dump(2, ' ', false, Json::error_handler_t::replace);
    fputs(text.c_str(), out);
    fputc('\n', out);
}
