// combinix-search --pair: its options, each side's stock, the search and
// the exit status (pair_command.h).
#include "cli/pair_command.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "cli/input_checks.h"
#include "cli/pair_output.h"
#include "cli/search_cli.h"
#include "engine/builtin_lists.h"
#include "engine/limits.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"
#include "engine/stock_list.h"
#include "platform/code_page.h"

namespace {

constexpr double TwoPi = 6.283185307179586;

// The records a text output shows unless --limit says otherwise.
constexpr int DefaultLimit = 20;
// The most parts a side takes unless --max-parts says otherwise.
constexpr int DefaultMaxParts = 2;
// The list a side takes when none is named.
constexpr const char* DefaultList = "E24";

// ---- Reading the options --------------------------------------------------

// An option's text as the search reads it: CP932, as a box would hold it.
struct Typed {
    char text[limits::TextSize + 8];
};

Typed typed(const char* utf8) {
    Typed t;
    utf8ToCp932(utf8, t.text, sizeof t.text);
    return t;
}

bool refuse(FILE* err, const char* option, const char* value, const char* accepted) {
    fprintf(err, "combinix-search: --%s does not take \"%s\" (%s)\n", option, value, accepted);
    return false;
}

bool complain(FILE* err, const char* text) {
    fprintf(err, "combinix-search: %s\n", text);
    return false;
}

bool twoTypes(PairMode mode) { return mode == PairMode::Rc || mode == PairMode::Lc; }

int partTypeOf(const SearchCommand& c, int side) {
    const PairMode mode = static_cast<PairMode>(c.pair.mode);
    if (mode == PairMode::Rc) return side == 0 ? Resistor : Capacitor;
    if (mode == PairMode::Lc) return side == 0 ? Inductor : Capacitor;
    return c.partType;
}

// A quantity option's value: finite and above 0.
bool positiveValue(const char* utf8, double* value) {
    double v = 0;
    if (!readValueWhole(typed(utf8).text, Resistor, &v) || !std::isfinite(v) || !(v > 0)) return false;
    *value = v;
    return true;
}

constexpr char RatioAccepted[] = "a ratio above 0, as 2 or 0.66";
constexpr char TimeAccepted[] = "a time constant above 0 in seconds, as 1m for 1 ms";
constexpr char ToleranceAccepted[] = "a number of percent above 0, as 1, 0.5 or 0.5%";
constexpr char MaxPartsAccepted[] = "a whole number from 1 to 3: the most parts of each side";
constexpr char LimitAccepted[] = "a whole number of 0 or more";
constexpr char RangeAccepted[] =
    "MIN..MAX in the value notation, MIN 0 or more and not above MAX; either end may be left "
    "out, as 1k..100k, ..100k or 1k..";

bool toleranceOf(const char* utf8, double* value) {
    const Typed t = typed(utf8);
    if (!toleranceReadWhole(t.text)) return false;
    char* end = nullptr;
    const double v = strtod(t.text, &end);
    if (end == t.text || !std::isfinite(v) || !(v > 0)) return false;
    *value = v;
    return true;
}

bool rangeOf(const char* utf8, int partType, ValueRange* range) {
    double low = 0, high = HUGE_VAL;
    if (!readRangeWhole(typed(utf8).text, partType, &low, &high)) return false;
    range->low = low;
    range->high = high;
    return true;
}


// The options that give a mode its quantity.
const char* quantitiesOf(PairMode mode) {
    switch (mode) {
        case PairMode::Ratio: return "--target";
        case PairMode::Divider: return "--target, or --vin and --vout";
        case PairMode::Feedback: return "--vref and --vout";
        case PairMode::Rc: return "--target (the time constant) or --frequency (the cutoff)";
        case PairMode::Lc: return "--frequency (the resonance)";
    }
    return "";
}

// The quantities each mode takes: what it needs and what it refuses.
bool quantitiesConsistent(const SearchCommand& c, FILE* err) {
    const PairOptions& p = c.pair;
    const PairMode mode = static_cast<PairMode>(p.mode);
    const char* target = c.inputs[BufTarget];
    struct Quantity {
        const char* name;
        const char* text;
        bool taken;  // by this mode
    } quantities[] = {
        {"target", target, mode == PairMode::Ratio || mode == PairMode::Divider || mode == PairMode::Rc},
        {"vin", p.vin, mode == PairMode::Divider},
        {"vout", p.vout, mode == PairMode::Divider || mode == PairMode::Feedback},
        {"vref", p.vref, mode == PairMode::Feedback},
        {"frequency", p.frequency, mode == PairMode::Rc || mode == PairMode::Lc},
    };
    char text[200];
    for (const Quantity& q : quantities) {
        if (q.text != nullptr && !q.taken) {
            snprintf(text, sizeof text, "--%s does not go with --pair %s, which takes %s", q.name, pairModeName(mode),
                     quantitiesOf(mode));
            return complain(err, text);
        }
    }
    bool complete = false;
    switch (mode) {
        case PairMode::Ratio: complete = target != nullptr; break;
        case PairMode::Divider:
            if (target != nullptr && (p.vin != nullptr || p.vout != nullptr)) {
                return complain(err, "--pair divider takes --target or --vin and --vout, not both");
            }
            complete = target != nullptr || (p.vin != nullptr && p.vout != nullptr);
            break;
        case PairMode::Feedback: complete = p.vref != nullptr && p.vout != nullptr; break;
        case PairMode::Rc:
            if (target != nullptr && p.frequency != nullptr) {
                return complain(err, "--pair rc takes --target (the time constant) or --frequency (the cutoff), "
                                     "not both");
            }
            complete = target != nullptr || p.frequency != nullptr;
            break;
        case PairMode::Lc: complete = p.frequency != nullptr; break;
    }
    if (!complete) {
        snprintf(text, sizeof text, "--pair %s needs %s", pairModeName(mode), quantitiesOf(mode));
        return complain(err, text);
    }

    double v = 0;
    if (target != nullptr && !positiveValue(target, &v)) {
        return refuse(err, "target", target, mode == PairMode::Rc ? TimeAccepted : RatioAccepted);
    }
    // The voltages and the frequency were read whole as they were given
    // (search_options.cpp): they do not depend on the mode.
    return true;
}

// ---- Building a side --------------------------------------------------------

StockItem stockItems[2][limits::StockCapacity];
char stockTexts[2][limits::TextSize];

// The values per decade a list names (E3 to E192), 0 for the window's
// lists 1 to 3.
int seriesOfList(const char* list) { return list[0] == 'E' ? atoi(list + 1) : 0; }

const char* windowListText(int listSelection, int partType) {
    const int buffer = storedListBuffer(listSelection, partType);
    for (const DefaultText& d : defaultTexts) {
        if (d.buffer == buffer) return d.text;
    }
    return "";
}

// A CP932 text as UTF-8, for a message.
struct Utf8 {
    char text[limits::PairTextSize * 3];
};

Utf8 utf8Of(const char* cp932) {
    Utf8 u;
    cp932ToUtf8(cp932, u.text, sizeof u.text);
    return u;
}

// Reads a list's text (CP932) into the side's items. A list longer than a
// side takes is refused, never cut, and so is a line that is not a value.
bool readSideText(const char* text, int partType, const char* label, const char* name, StockItem* items,
                  int* count, FILE* err) {
    const StockReading reading = readStockItems(text, partType, items, limits::StockCapacity);
    if (reading.listed > reading.count) {
        fprintf(err, "combinix-search: %s's stock %s names %d values; a side takes at most %d\n", label, name,
                reading.listed, limits::StockCapacity);
        return false;
    }
    if (!reading.usable) {
        if (reading.faultLine == 0) {
            fprintf(err, "combinix-search: %s's stock %s names no part before its end\n", label, name);
            return false;
        }
        const char* line = text;
        for (int n = 1; n < reading.faultLine && *line != '\0'; ++line) n += *line == '\n';
        char cp932[limits::LineSize];
        size_t length = strcspn(line, "\r\n");
        if (length >= sizeof cp932) length = sizeof cp932 - 1;
        memcpy(cp932, line, length);
        cp932[length] = '\0';
        fprintf(err, "combinix-search: line %d of %s's stock %s, \"%s\", does not begin with a value above 0\n",
                reading.faultLine, label, name, utf8Of(cp932).text);
        return false;
    }
    *count = reading.count;
    return true;
}

// The side's stock: its file, its list, or A's; written into the side's
// own store unless it is A's very stock.
bool buildSide(const SearchCommand& c, int side, FILE* in, PairJob* job, FILE* err) {
    PairSide& s = side == 0 ? job->request.a : job->request.b;
    const PairSide& a = job->request.a;
    const int partType = s.partType;
    const char* label = pairSideLabel(job->request.mode, a.partType, side);
    const char* file = side == 0 ? c.stockFile : c.pair.stockB;
    const char* list = side == 0 ? (c.listGiven ? c.listName : nullptr) : c.pair.listB;
    PairStockSource& source = job->sources[side];
    source = PairStockSource{list, file, false};
    if (side == 1 && file == nullptr && list == nullptr && !twoTypes(job->request.mode)) {
        // B takes A's stock: its very items, unless B has a range of its
        // own and A's stock is a series, which is then written over B's
        // decades.
        source = job->sources[0];
        source.fromSideA = true;
        const bool series = source.list != nullptr && seriesOfList(source.list) != 0;
        const bool sameRange = s.range.low == a.range.low && s.range.high == a.range.high;
        if (!series || c.pair.rangeB == nullptr || sameRange) {
            s.parts = a.parts;
            s.count = a.count;
            return true;
        }
    }
    if (source.file == nullptr && source.list == nullptr) source.list = DefaultList;

    StockItem* items = stockItems[side];
    s.parts = items;
    if (source.file != nullptr) {
        if (!readStockFile(source.file, in, stockTexts[side], err)) return false;
        return readSideText(stockTexts[side], partType, label, source.file, items, &s.count, err);
    }
    const int series = seriesOfList(source.list);
    if (series == 0) {
        char name[16];
        snprintf(name, sizeof name, "List %s", source.list);
        return readSideText(windowListText(atoi(source.list) - 1, partType), partType, label, name, items,
                            &s.count, err);
    }
    const SeriesItems written = writeSeriesItems(series, partType, s.range, items, limits::StockCapacity);
    if (written.count == 0) {
        char message[limits::PairTextSize];
        formatPairSeriesRefusal(label, series, written.values, job->language, message, sizeof message);
        fprintf(err, "combinix-search: %s (--range-%s)\n", utf8Of(message).text, side == 0 ? "a" : "b");
        return false;
    }
    s.count = written.count;
    return true;
}

// The options a fault of the library concerns, for its message.
const char* optionsOfFault(PairFault fault, PairMode mode) {
    switch (fault) {
        case PairFault::None: return "";
        case PairFault::TargetNotPositive:
        case PairFault::TargetOutOfReach:
            return mode == PairMode::Feedback  ? "--vref, --vout"
                   : mode == PairMode::Divider ? "--target, --vin, --vout"
                   : mode == PairMode::Lc      ? "--frequency"
                   : mode == PairMode::Rc      ? "--target, --frequency"
                                               : "--target";
        case PairFault::ToleranceNotPositive: return "--tolerance";
        case PairFault::MaxPartsOutOfRange: return "--max-parts";
        case PairFault::WrongPartType: return "--type";
        case PairFault::SideWithoutParts:
        case PairFault::TooManyParts: return "--list, --stock, --list-b, --stock-b";
        case PairFault::RangeEmpty: return "--range-a, --range-b, --range-total";
        case PairFault::TotalWithoutMeaning: return "--range-total";
        case PairFault::TooManyNetworks: return "--range-a, --range-b, --max-parts";
    }
    return "";
}

PairSearch pairSearch;
PairJob pairJob;

}  // namespace

bool pairOptionsConsistent(const SearchCommand& c, FILE* err) {
    const PairOptions& p = c.pair;
    const struct {
        const char* name;
        bool given;
    } pairOnly[] = {{"vin", p.vin != nullptr},         {"vout", p.vout != nullptr},
                    {"vref", p.vref != nullptr},       {"frequency", p.frequency != nullptr},
                    {"list-b", p.listB != nullptr},    {"stock-b", p.stockB != nullptr},
                    {"range-a", p.rangeA != nullptr},  {"range-b", p.rangeB != nullptr},
                    {"range-total", p.rangeTotal != nullptr}, {"limit", p.limit != nullptr}};
    char text[200];
    if (!p.on) {
        for (const auto& option : pairOnly) {
            if (!option.given) continue;
            snprintf(text, sizeof text, "--%s goes with the pair search (--pair)", option.name);
            return complain(err, text);
        }
        return true;
    }
    const PairMode mode = static_cast<PairMode>(p.mode);
    const struct {
        const char* name;
        bool given;
    } singleOnly[] = {{"show-all", c.showAll},
                      {"parallel-only", c.parallelOnly},
                      {"sort", c.sort != SortOrder::None}};
    if (c.inputs[BufRange] != nullptr) {
        return complain(err, "--range goes with the single search; the pair search takes --range-a, --range-b "
                             "and --range-total");
    }
    for (const auto& option : singleOnly) {
        if (!option.given) continue;
        snprintf(text, sizeof text, "--%s goes with the single search, not with --pair", option.name);
        return complain(err, text);
    }
    if (twoTypes(mode) && c.typeGiven) {
        snprintf(text, sizeof text,
                 "--type goes with --pair ratio, divider and feedback: --pair %s takes %s and capacitors",
                 pairModeName(mode), mode == PairMode::Rc ? "resistors" : "inductors");
        return complain(err, text);
    }
    if (twoTypes(mode) && p.rangeTotal != nullptr) {
        snprintf(text, sizeof text,
                 "--range-total goes with --pair ratio, divider and feedback: the sides of an %s pair add up "
                 "in different units",
                 pairModeName(mode));
        return complain(err, text);
    }
    if (!quantitiesConsistent(c, err)) return false;

    double tolerance = 0;
    if (c.inputs[BufTolerance] != nullptr && !toleranceOf(c.inputs[BufTolerance], &tolerance)) {
        return refuse(err, "tolerance", c.inputs[BufTolerance], ToleranceAccepted);
    }
    long number = 0;
    if (c.inputs[BufMaxParts] != nullptr &&
        !readWholeNumber(typed(c.inputs[BufMaxParts]).text, 1, limits::PairMaxParts, &number)) {
        return refuse(err, "max-parts", c.inputs[BufMaxParts], MaxPartsAccepted);
    }
    if (p.limit != nullptr && !readWholeNumber(typed(p.limit).text, 0, 1000000000, &number)) {
        return refuse(err, "limit", p.limit, LimitAccepted);
    }
    if (p.limit != nullptr && c.format != OutputFormat::Text) {
        return complain(err, "--limit goes with the text format: csv and json hold every kept pair");
    }
    const struct {
        const char* name;
        const char* text;
        int partType;
    } ranges[] = {{"range-a", p.rangeA, partTypeOf(c, 0)},
                  {"range-b", p.rangeB, partTypeOf(c, 1)},
                  {"range-total", p.rangeTotal, partTypeOf(c, 0)}};
    for (const auto& range : ranges) {
        ValueRange r;
        if (range.text != nullptr && !rangeOf(range.text, range.partType, &r)) {
            return refuse(err, range.name, range.text, RangeAccepted);
        }
    }
    if (c.stockFile != nullptr && c.listGiven) {
        return complain(err, "--list and --stock both name side A's stock: give one");
    }
    if (p.stockB != nullptr && p.listB != nullptr) {
        return complain(err, "--list-b and --stock-b both name side B's stock: give one");
    }
    if (c.stockFile != nullptr && p.stockB != nullptr && strcmp(c.stockFile, "-") == 0 &&
        strcmp(p.stockB, "-") == 0) {
        return complain(err, "--stock and --stock-b cannot both read standard input");
    }
    return true;
}

int runPairCommand(const SearchCommand& c, FILE* in, FILE* out, FILE* err) {
    // Every value was checked by pairOptionsConsistent: these readings hold.
    const PairOptions& p = c.pair;
    PairJob& job = pairJob;
    job = PairJob();
    PairRequest& r = job.request;
    r.mode = static_cast<PairMode>(p.mode);
    job.language = c.language;
    job.format = c.format;
    job.drawing = c.drawing;
    long number = DefaultLimit;
    if (p.limit != nullptr) readWholeNumber(typed(p.limit).text, 0, 1000000000, &number);
    job.limit = static_cast<int>(number);

    double v = 0;
    switch (r.mode) {
        case PairMode::Ratio: positiveValue(c.inputs[BufTarget], &r.target); break;
        case PairMode::Divider:
            if (c.inputs[BufTarget] != nullptr) {
                positiveValue(c.inputs[BufTarget], &r.target);
            } else {
                positiveValue(p.vin, &job.vin);
                positiveValue(p.vout, &v);
                r.target = v / job.vin;
            }
            break;
        case PairMode::Feedback:
            positiveValue(p.vout, &r.target);
            positiveValue(p.vref, &r.reference);
            break;
        case PairMode::Rc:
            if (c.inputs[BufTarget] != nullptr) {
                positiveValue(c.inputs[BufTarget], &r.target);
            } else {
                positiveValue(p.frequency, &v);
                r.target = 1 / (TwoPi * v);
                job.shownAs = PairShownAs::Cutoff;
            }
            break;
        case PairMode::Lc: positiveValue(p.frequency, &r.target); break;
    }
    r.tolerancePercent = 1;
    if (c.inputs[BufTolerance] != nullptr) toleranceOf(c.inputs[BufTolerance], &r.tolerancePercent);
    number = DefaultMaxParts;
    if (c.inputs[BufMaxParts] != nullptr) {
        readWholeNumber(typed(c.inputs[BufMaxParts]).text, 1, limits::PairMaxParts, &number);
    }
    for (int side = 0; side < 2; ++side) {
        PairSide& s = side == 0 ? r.a : r.b;
        s.partType = partTypeOf(c, side);
        s.maxParts = static_cast<int>(number);
        const char* range = side == 0 ? p.rangeA : p.rangeB;
        if (range != nullptr) rangeOf(range, s.partType, &s.range);
    }
    if (p.rangeTotal != nullptr) rangeOf(p.rangeTotal, r.a.partType, &r.total);
    r.threads = 0;

    if (!buildSide(c, 0, in, &job, err) || !buildSide(c, 1, in, &job, err)) return ExitTrouble;

    const PairFault fault = pairSearch.run(r);
    if (fault != PairFault::None) {
        char message[limits::PairTextSize];
        formatPairFault(fault, r, job.language, message, sizeof message);
        fprintf(err, "combinix-search: %s (%s)\n", utf8Of(message).text, optionsOfFault(fault, r.mode));
        return ExitTrouble;
    }
    int status = ExitFound;
    switch (job.format) {
        case OutputFormat::Text: status = writePairText(out, err, job, pairSearch); break;
        case OutputFormat::Csv: writePairCsv(out, job, pairSearch); break;
        case OutputFormat::Json: writePairJson(out, job, pairSearch); break;
    }
    if (status != ExitFound) return ExitTrouble;
    return pairSearch.matches() > 0 ? ExitFound : ExitNotFound;
}
