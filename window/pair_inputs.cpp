// The Pair window's inputs and the request they give.
#include "window/pair_inputs.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "engine/search_inputs.h"
#include "engine/value_notation.h"
#include "window/pair_stocks.h"

PairInputs pairInputs;

namespace {

struct DefaultPairText {
    int text;
    const char* value;
};

// A divider for 5 V to 3.3 V, the commonest question at the bench; the
// other modes start at a value their users meet often.
const DefaultPairText DefaultTexts[] = {
    {PairTextRatio, "10"},      {PairTextVin, "5"},        {PairTextVout, "3.3"},
    {PairTextVref, "1.25"},     {PairTextTimeConstant, "1m"}, {PairTextFrequency, "1k"},
    {PairTextTolerance, "1"},   {PairTextMaxParts, "2"},
};

// The choices' defaults and their counts (a choice is 0 to count - 1).
struct FieldRule {
    int32_t initial;
    int32_t count;  // 0: any value (the window's rectangle)
};
const FieldRule FieldRules[PairFieldCount] = {
    {static_cast<int32_t>(PairMode::Divider), PairModeCount},  // mode
    {Resistor, 3},                                             // part type
    {PairRcByTimeConstant, 2},                                 // RC by
    {PairStockE24, PairStockCount},                            // stock of A
    {PairStockAsA, PairStockCount + 1},                        // stock of B
    {0, 0}, {0, 0}, {0, 0}, {0, 0},                            // the rectangle
};

bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9f) || (c >= 0xe0 && c <= 0xfc); }

PairMode modeOf(const PairInputs& in) { return static_cast<PairMode>(in.fields[PairFieldMode]); }

bool isBlank(const char* text) {
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n') return false;
    }
    return true;
}

// Side `side`'s part type in the inputs' mode.
int sidePartType(const PairInputs& in, int side) {
    switch (modeOf(in)) {
    case PairMode::Rc: return side == 0 ? Resistor : Capacitor;
    case PairMode::Lc: return side == 0 ? Inductor : Capacitor;
    default: return in.fields[PairFieldPartType];
    }
}

// Side `side`'s stock choice, B's "as A" resolved.
int sideStock(const PairInputs& in, int side) {
    if (side == 0) return in.fields[PairFieldStockA];
    int b = in.fields[PairFieldStockB];
    return b == PairStockAsA ? in.fields[PairFieldStockA] : b - 1;
}

// Reads text `n` into *value; false, with the problem noted, when it does
// not read. An empty box reads as `empty` where that is allowed.
bool readText(const PairInputs& in, int n, int partType, double* value, const double* empty,
              PairInputProblem* problem) {
    bool wasEmpty = false;
    if (readPairValue(in.texts[n], partType, value, &wasEmpty)) return true;
    if (wasEmpty && empty != nullptr) {
        *value = *empty;
        return true;
    }
    problem->fault = PairInputFault::Unreadable;
    problem->text = n;
    return false;
}

bool readRange(const PairInputs& in, int minText, int partType, ValueRange* range, PairInputProblem* problem) {
    const ValueRange any;
    return readText(in, minText, partType, &range->low, &any.low, problem) &&
           readText(in, minText + 1, partType, &range->high, &any.high, problem);
}

// The whole-number text of the parts per side; anything else does not read.
bool readMaxParts(const PairInputs& in, int32_t* parts, PairInputProblem* problem) {
    const char* text = in.texts[PairTextMaxParts];
    char* end = nullptr;
    long n = strtol(text, &end, 10);
    while (end != nullptr && end != text && *end == ' ') ++end;
    if (end == text || end == nullptr || *end != '\0' || n < -1000 || n > 1000) {
        problem->fault = PairInputFault::Unreadable;
        problem->text = PairTextMaxParts;
        return false;
    }
    *parts = static_cast<int32_t>(n);
    return true;
}

bool readSide(const PairInputs& in, const PairListTexts& lists, int side, StockItem* items, PairSide* out,
              PairInputProblem* problem) {
    out->partType = sidePartType(in, side);
    if (!readRange(in, side == 0 ? PairTextAMin : PairTextBMin, out->partType, &out->range, problem)) return false;
    out->parts = items;
    int stock = sideStock(in, side);
    problem->side = side;
    if (stock >= PairStockList1 && stock <= PairStockList3) {
        StockReading r = readStockItems(lists.lists[out->partType][stock], out->partType, items,
                                        limits::StockCapacity);
        out->count = r.count;
        if (!r.usable) {
            problem->fault = r.faultLine > 0 ? PairInputFault::ListFault : PairInputFault::ListEmpty;
            problem->line = r.faultLine;
            return false;
        }
    } else {
        int values = 0;
        out->count = pairSeriesStock(stock, out->partType, out->range, items, limits::StockCapacity, &values);
        if (out->count < 0) {
            problem->fault = PairInputFault::SeriesTooMany;
            problem->valuesPerDecade = pairSeriesValuesPerDecade(stock);
            problem->values = values;
            out->count = 0;
            return false;
        }
        if (out->count == 0) {
            problem->fault = PairInputFault::SeriesNone;
            return false;
        }
    }
    problem->side = -1;
    return true;
}

}  // namespace

void fillDefaultPairInputs(PairInputs* inputs) {
    for (int i = 0; i < PairFieldCount; ++i) inputs->fields[i] = FieldRules[i].initial;
    for (auto& text : inputs->texts) text[0] = '\0';
    for (const DefaultPairText& t : DefaultTexts) setPairText(inputs, t.text, t.value);
}

void checkPairInputs(PairInputs* inputs) {
    for (int i = 0; i < PairFieldCount; ++i) {
        const FieldRule& rule = FieldRules[i];
        if (rule.count > 0 && (inputs->fields[i] < 0 || inputs->fields[i] >= rule.count)) {
            inputs->fields[i] = rule.initial;
        }
    }
}

void setPairText(PairInputs* inputs, int n, const char* text) {
    if (n < 0 || n >= PairTextCount) return;
    char* out = inputs->texts[n];
    int length = 0;
    while (text[length] != '\0') {
        int step = isLeadByte(static_cast<unsigned char>(text[length])) && text[length + 1] != '\0' ? 2 : 1;
        if (length + step > PairInputTextSize - 1) break;
        length += step;
    }
    memmove(out, text, static_cast<size_t>(length));
    out[length] = '\0';
}

bool pairTextApplies(const PairInputs& inputs, int n) {
    const PairMode mode = modeOf(inputs);
    const bool rc = mode == PairMode::Rc;
    switch (n) {
    case PairTextRatio: return mode == PairMode::Ratio;
    case PairTextVin: return mode == PairMode::Divider;
    case PairTextVout: return mode == PairMode::Divider || mode == PairMode::Feedback;
    case PairTextVref: return mode == PairMode::Feedback;
    case PairTextTimeConstant: return rc && inputs.fields[PairFieldRcBy] == PairRcByTimeConstant;
    case PairTextFrequency:
        return mode == PairMode::Lc || (rc && inputs.fields[PairFieldRcBy] == PairRcByFrequency);
    case PairTextTotalMin:
    case PairTextTotalMax: return mode != PairMode::Rc && mode != PairMode::Lc;
    default: return n >= 0 && n < PairTextCount;
    }
}

bool readPairRequest(const PairInputs& inputs, const PairListTexts& lists, PairStocks* stocks, PairRequest* request,
                     PairInputProblem* problem) {
    *problem = PairInputProblem{};
    // A choice out of its range reads as its default, never as an index
    // past the lists.
    PairInputs in = inputs;
    checkPairInputs(&in);
    PairRequest r;
    r.mode = modeOf(in);
    double first = 0, second = 0;
    switch (r.mode) {
    case PairMode::Ratio:
        if (!readText(in, PairTextRatio, -1, &r.target, nullptr, problem)) return false;
        break;
    case PairMode::Divider:
        // Vout / Vin: a Vin of 0 gives no finite ratio, which the search
        // refuses as a target that is not positive.
        if (!readText(in, PairTextVin, -1, &first, nullptr, problem) ||
            !readText(in, PairTextVout, -1, &second, nullptr, problem)) {
            return false;
        }
        r.target = second / first;
        break;
    case PairMode::Feedback:
        if (!readText(in, PairTextVref, -1, &r.reference, nullptr, problem) ||
            !readText(in, PairTextVout, -1, &r.target, nullptr, problem)) {
            return false;
        }
        break;
    case PairMode::Rc:
        if (in.fields[PairFieldRcBy] == PairRcByFrequency) {
            if (!readText(in, PairTextFrequency, -1, &first, nullptr, problem)) return false;
            // The cutoff of an RC low-pass: f = 1 / (2 pi tau).
            r.target = 1 / (2 * 3.14159265358979323846 * first);
        } else if (!readText(in, PairTextTimeConstant, -1, &r.target, nullptr, problem)) {
            return false;
        }
        break;
    case PairMode::Lc:
        if (!readText(in, PairTextFrequency, -1, &r.target, nullptr, problem)) return false;
        break;
    }
    // The tolerance may end in its unit, as the command line takes it.
    char tolerance[PairInputTextSize];
    memcpy(tolerance, in.texts[PairTextTolerance], sizeof tolerance);
    size_t length = strlen(tolerance);
    while (length > 0 && tolerance[length - 1] == ' ') --length;
    if (length > 0 && tolerance[length - 1] == '%') tolerance[length - 1] = '\0';
    bool empty = false;
    if (!readPairValue(tolerance, -1, &r.tolerancePercent, &empty)) {
        problem->fault = PairInputFault::Unreadable;
        problem->text = PairTextTolerance;
        return false;
    }
    int32_t parts = 0;
    if (!readMaxParts(in, &parts, problem)) return false;
    r.a.maxParts = r.b.maxParts = parts;
    if (!readSide(in, lists, 0, stocks->a, &r.a, problem)) return false;
    // B as A reads the same stock once more into its own items: the search
    // then finds the two sides equal and builds their networks once.
    if (!readSide(in, lists, 1, stocks->b, &r.b, problem)) return false;
    if (pairTextApplies(in, PairTextTotalMin) &&
        !readRange(in, PairTextTotalMin, r.a.partType, &r.total, problem)) {
        return false;
    }
    r.threads = 0;
    *request = r;
    return true;
}

bool readPairValue(const char* text, int partType, double* value, bool* empty) {
    *value = 0;
    *empty = isBlank(text);
    if (*empty) return false;
    const char* start = text;
    while (*start == ' ') ++start;
    WrittenNumber w = readWrittenNumber(start);
    // strtod reads hexadecimal; the notation writes none.
    for (const char* p = start; p < w.end; ++p) {
        if (*p == 'x' || *p == 'X') return false;
    }
    double number = w.number;
    double v = 0;
    const char* end = w.end;
    if (w.rkmLetter != '\0') {
        if (!applyMultiplier(w.rkmLetter, number, &v)) v = partType >= 0 ? valueWithoutLetter(number, partType) : number;
    } else {
        if (end == start) return false;
        while (*end == ' ') ++end;
        char letter = '\0';
        int taken = multiplierAt(end, &letter);
        if (taken != 0) {
            applyMultiplier(letter, number, &v);
            end += taken;
        } else {
            if (*end == 'R') ++end;
            v = partType >= 0 ? valueWithoutLetter(number, partType) : number;
        }
    }
    while (*end == ' ') ++end;
    if (*end != '\0' || !std::isfinite(v)) return false;
    *value = v;
    return true;
}
