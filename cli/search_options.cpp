// The option table of combinix-search, its reading with getopt_long, and
// the help, usage and version texts.
#include "cli/search_options.h"

#include <getopt.h>

#include <cmath>
#include <cstring>
#include <string>

#include "cli/input_checks.h"
#include "cli/pair_command.h"
#include "engine/limits.h"
#include "engine/pair_search.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"
#include "platform/code_page.h"

#ifndef COMBINIX_VERSION
#error "COMBINIX_VERSION comes from the project's version in CMakeLists.txt"
#endif

namespace {

// ---- Values an option chooses from ---------------------------------------

struct Choice {
    const char* word;
    int value;
};

// The value of `word` among `choices`; false when it is none of them.
template <int N>
bool choose(const Choice (&choices)[N], const char* word, int* value) {
    for (const Choice& c : choices) {
        if (strcmp(word, c.word) == 0) {
            *value = c.value;
            return true;
        }
    }
    return false;
}

const Choice partTypes[] = {{"resistor", Resistor}, {"capacitor", Capacitor}, {"inductor", Inductor},
                            {"r", Resistor},        {"c", Capacitor},         {"l", Inductor}};

// The window's seven lists by their selection number, and the finer series
// (encoded as 100 + values per decade) that only the command line offers.
constexpr int FinerSeriesBase = 100;
const Choice lists[] = {{"1", 0},   {"2", 1},   {"3", 2},
                        {"E24", 3}, {"E12", 4}, {"E6", 5}, {"E3", 6},
                        {"E48", FinerSeriesBase + 48}, {"E96", FinerSeriesBase + 96},
                        {"E192", FinerSeriesBase + 192}};

const Choice sortOrders[] = {{"error", static_cast<int>(SortOrder::Error)},
                             {"value", static_cast<int>(SortOrder::Value)},
                             {"margin", static_cast<int>(SortOrder::Margin)}};
const Choice languages[] = {{"en", 1}, {"ja", 0}};
const Choice formats[] = {{"text", static_cast<int>(OutputFormat::Text)},
                          {"csv", static_cast<int>(OutputFormat::Csv)},
                          {"json", static_cast<int>(OutputFormat::Json)}};

// ---- What each option does -------------------------------------------------

const char* setHelp(SearchCommand* c, const char*) {
    c->help = true;
    return nullptr;
}

const char* setVersion(SearchCommand* c, const char*) {
    c->version = true;
    return nullptr;
}

const char* setType(SearchCommand* c, const char* v) {
    c->typeGiven = true;
    return choose(partTypes, v, &c->partType) ? nullptr
                                              : "resistor, capacitor, inductor, r, c or l";
}

// A value option's text as its box would hold it: CP932, as the search
// reads it (the micro sign becomes the Greek mu, which means micro).
const char* asTyped(const char* utf8) {
    static char cp932[limits::TextSize + 8];
    utf8ToCp932(utf8, cp932, sizeof cp932);
    return cp932;
}

// What each value option accepts, for the message that refuses a text.
constexpr char TargetAccepts[] =
    "a number and at most one multiplier letter or R, as 4.7k, 4k7, 2R2 or 1e3; "
    "nothing after it";
constexpr char ToleranceAccepts[] = "a number of percent, as 1, 0.5 or 0.5%; nothing after it";
constexpr char MaxPartsAccepts[] = "a whole number from 1 to 5";
constexpr char RangeAccepts[] = "a number of 1 or more, as 200 or 1e2; nothing after it";

const char* setTarget(SearchCommand* c, const char* v) {
    if (!targetReadWhole(asTyped(v))) return TargetAccepts;
    c->inputs[BufTarget] = v;
    return nullptr;
}

const char* setTolerance(SearchCommand* c, const char* v) {
    if (!toleranceReadWhole(asTyped(v))) return ToleranceAccepts;
    c->inputs[BufTolerance] = v;
    return nullptr;
}

// Whether the arguments hold --pair, wherever it stands: the pair search
// reads some of the single search's options with rules of its own.
bool pairAsked = false;

const char* setMaxParts(SearchCommand* c, const char* v) {
    if (!maxPartsInRange(asTyped(v))) {
        return pairAsked ? "a whole number from 1 to 3: the most parts of each side" : MaxPartsAccepts;
    }
    c->inputs[BufMaxParts] = v;
    return nullptr;
}

const char* setRange(SearchCommand* c, const char* v) {
    if (!rangeReadWhole(asTyped(v))) return RangeAccepts;
    c->inputs[BufRange] = v;
    return nullptr;
}

const char* setList(SearchCommand* c, const char* v) {
    int list = 0;
    if (!choose(lists, v, &list)) return "1, 2, 3, E24, E12, E6, E3, E48, E96 or E192";
    c->listName = v;
    c->listGiven = true;
    c->finerSeries = list >= FinerSeriesBase ? list - FinerSeriesBase : 0;
    // A finer series is searched from List 1's place.
    c->listSelection = list >= FinerSeriesBase ? 0 : list;
    return nullptr;
}

const char* setStock(SearchCommand* c, const char* v) {
    c->stockFile = v;
    return nullptr;
}

const char* setShowAll(SearchCommand* c, const char*) {
    c->showAll = true;
    return nullptr;
}

const char* setParallelOnly(SearchCommand* c, const char*) {
    c->parallelOnly = true;
    return nullptr;
}

const char* setSort(SearchCommand* c, const char* v) {
    int order = 0;
    if (!choose(sortOrders, v, &order)) return "error, value or margin";
    c->sort = static_cast<SortOrder>(order);
    return nullptr;
}

const char* setLanguage(SearchCommand* c, const char* v) {
    return choose(languages, v, &c->language) ? nullptr : "en or ja";
}

const char* setFormat(SearchCommand* c, const char* v) {
    int format = 0;
    if (!choose(formats, v, &format)) return "text, csv or json";
    c->format = static_cast<OutputFormat>(format);
    return nullptr;
}

constexpr char PartToleranceAccepts[] =
    "a number of percent from 0 up to below 100, as 5, 1 or 0.1%; nothing after it";

const char* setPartTolerance(SearchCommand* c, const char* v) {
    const char* text = asTyped(v);
    if (!toleranceReadWhole(text)) return PartToleranceAccepts;
    char* end = nullptr;
    double t = strtod(text, &end);
    if (end == text || !(t >= 0 && t < 100)) return PartToleranceAccepts;
    c->partTolerancePercent = t;
    return nullptr;
}

const char* setQuantities(SearchCommand* c, const char*) {
    c->quantities = true;
    return nullptr;
}

const char* setWithinTolerance(SearchCommand* c, const char*) {
    c->withinTolerance = true;
    return nullptr;
}

const char* setDraw(SearchCommand* c, const char*) {
    c->drawing.draw = true;
    return nullptr;
}

const char* setAscii(SearchCommand* c, const char*) {
    c->drawing.ascii = true;
    return nullptr;
}

const char* setSvg(SearchCommand* c, const char* v) {
    c->drawing.svgDirectory = v;
    return nullptr;
}

const char* setSpice(SearchCommand* c, const char* v) {
    c->drawing.spiceDirectory = v;
    return nullptr;
}

// ---- The pair search's options ----------------------------------------------
// Their values are read once every option is known (pair_command.h): what a
// text means depends on the mode and the side's part type.

const Choice pairModes[] = {{"ratio", static_cast<int>(PairMode::Ratio)},
                            {"divider", static_cast<int>(PairMode::Divider)},
                            {"feedback", static_cast<int>(PairMode::Feedback)},
                            {"rc", static_cast<int>(PairMode::Rc)},
                            {"lc", static_cast<int>(PairMode::Lc)}};

const char* setPair(SearchCommand* c, const char* v) {
    if (!choose(pairModes, v, &c->pair.mode)) return "ratio, divider, feedback, rc or lc";
    c->pair.on = true;
    return nullptr;
}

// A voltage or a frequency: a value above 0, whatever the mode.
bool positiveValue(const char* v) {
    double value = 0;
    return readValueWhole(asTyped(v), Resistor, &value) && value > 0 && value < HUGE_VAL;
}

constexpr char VoltageAccepts[] =
    "a voltage above 0: a number and at most one multiplier letter, as 5, 3.3 or 500m";
constexpr char FrequencyAccepts[] = "a frequency above 0 in hertz, as 1k or 455k";
constexpr char PairRangeAccepts[] =
    "MIN..MAX in the value notation, MIN 0 or more and not above MAX; either end may be left "
    "out, as 1k..100k, ..100k or 1k..";

const char* setVoltage(const char** text, const char* v) {
    if (!positiveValue(v)) return VoltageAccepts;
    *text = v;
    return nullptr;
}

const char* setVin(SearchCommand* c, const char* v) { return setVoltage(&c->pair.vin, v); }
const char* setVout(SearchCommand* c, const char* v) { return setVoltage(&c->pair.vout, v); }
const char* setVref(SearchCommand* c, const char* v) { return setVoltage(&c->pair.vref, v); }

const char* setFrequency(SearchCommand* c, const char* v) {
    if (!positiveValue(v)) return FrequencyAccepts;
    c->pair.frequency = v;
    return nullptr;
}

const char* setStockB(SearchCommand* c, const char* v) {
    c->pair.stockB = v;
    return nullptr;
}

// A range's ends are read in its side's notation once the mode and the type
// are known (a capacitor's bare number is in microfarad); here, that each
// end is a value at all.
const char* storeRange(const char** text, const char* v) {
    double low = 0, high = 0;
    if (!readRangeWhole(asTyped(v), Resistor, &low, &high) && !readRangeWhole(asTyped(v), Capacitor, &low, &high)) {
        return PairRangeAccepts;
    }
    *text = v;
    return nullptr;
}

const char* setRangeA(SearchCommand* c, const char* v) { return storeRange(&c->pair.rangeA, v); }
const char* setRangeB(SearchCommand* c, const char* v) { return storeRange(&c->pair.rangeB, v); }
const char* setRangeTotal(SearchCommand* c, const char* v) { return storeRange(&c->pair.rangeTotal, v); }

const char* setLimit(SearchCommand* c, const char* v) {
    long limit = 0;
    if (!readWholeNumber(asTyped(v), 0, 1000000000, &limit)) return "a whole number of 0 or more";
    c->pair.limit = v;
    return nullptr;
}

const char* setListB(SearchCommand* c, const char* v) {
    int list = 0;
    if (!choose(lists, v, &list)) return "1, 2, 3, E24, E12, E6, E3, E48, E96 or E192";
    c->pair.listB = v;
    return nullptr;
}

// clang-format off
const OptionRow optionTable[] = {
//   name              short argument     help                                                      apply             pair only
    {"help",           'h',  nullptr,     "print this help and exit",                               setHelp,         false},
    {"version",        0,    nullptr,     "print the version and exit",                             setVersion,      false},
    {"type",           0,    "TYPE",      "resistor, capacitor or inductor (r, c, l); resistor",    setType,         false},
    {"target",         0,    "VALUE",     "the target, one value and nothing after it; 1.42k",      setTarget,       false},
    {"tolerance",      0,    "PERCENT",   "the tolerance in percent, a number (% may follow); 1",   setTolerance,    false},
    {"max-parts",      0,    "N",         "the most parts in a network, a whole number 1 to 5; 5",  setMaxParts,     false},
    {"range",          0,    "X",         "use parts from 1/X to X times the target, X >= 1; 200",  setRange,        false},
    {"list",           0,    "LIST",      "1, 2, 3, E24, E12, E6, E3, E48, E96 or E192; 1",         setList,         false},
    {"stock",          0,    "FILE",      "the list's text from FILE (- for standard input)",       setStock,        false},
    {"show-all",       0,    nullptr,     "show every match, not only ever better ones",            setShowAll,      false},
    {"parallel-only",  0,    nullptr,     "try only single parts and parallel groups",              setParallelOnly, false},
    {"sort",           0,    "ORDER",     "order by error, value or margin (--pair: margin only)",  setSort,         false},
    {"part-tolerance", 0,    "PERCENT",   "every part's tolerance where its line names none",       setPartTolerance, false},
    {"within-tolerance", 0,  nullptr,     "keep only what stays in the window once built",          setWithinTolerance, false},
    {"quantities",     0,    nullptr,     "use a line at most as often as its xN says",             setQuantities,   false},
    {"lang",           0,    "LANG",      "the language of the outcome line, en or ja; en",         setLanguage,     false},
    {"format",         0,    "FORMAT",    "text, csv or json; text",                                setFormat,       false},
    {"draw",           0,    nullptr,     "follow each result line with its schematic",             setDraw,         false},
    {"ascii",          0,    nullptr,     "draw in ASCII, not in box-drawing characters",           setAscii,        false},
    {"svg",            0,    "DIR",       "the printed lines' schematics as DIR/0001.svg, ...",     setSvg,          false},
    {"spice",          0,    "DIR",       "the printed networks as SPICE files DIR/0001.cir, ...",  setSpice,        false},
    // The pair search (--pair): the options above that it takes, and these.
    {"pair",           0,    "MODE",      "search pairs: ratio, divider, feedback, rc or lc",       setPair,         true},
    {"vin",            0,    "V",         "divider: the input voltage, with --vout",                setVin,          true},
    {"vout",           0,    "V",         "divider, feedback: the output voltage",                  setVout,         true},
    {"vref",           0,    "V",         "feedback: the reference voltage, with --vout",           setVref,         true},
    {"frequency",      0,    "F",         "rc: the cutoff, lc: the resonance, in hertz",            setFrequency,    true},
    {"list-b",         0,    "LIST",      "side B's list, as --list; A's, or E24 (rc, lc)",         setListB,        true},
    {"stock-b",        0,    "FILE",      "side B's stock from FILE (- for standard input)",        setStockB,       true},
    {"range-a",        0,    "MIN..MAX",  "side A's networks from MIN to MAX",                      setRangeA,       true},
    {"range-b",        0,    "MIN..MAX",  "side B's networks from MIN to MAX",                      setRangeB,       true},
    {"range-total",    0,    "MIN..MAX",  "A and B in series from MIN to MAX",                      setRangeTotal,   true},
    {"limit",          0,    "N",         "text: show the best N pairs; 20",                        setLimit,        true},
};
// clang-format on
constexpr int OptionCount = sizeof optionTable / sizeof optionTable[0];

// Option values past the letters, so that a row without a short name
// still has a value of its own.
constexpr int LongOnlyBase = 256;

// getopt_long may reorder the arguments, so it works on a copy.
constexpr int MaxArguments = 4096;
char* argumentCopy[MaxArguments + 1];

int rowOfValue(int value) {
    if (value >= LongOnlyBase && value < LongOnlyBase + OptionCount) return value - LongOnlyBase;
    for (int i = 0; i < OptionCount; ++i) {
        if (optionTable[i].shortName != 0 && optionTable[i].shortName == value) return i;
    }
    return -1;
}

// Names what is wrong with the option that getopt_long refused: `word` is
// the argument it stopped at, `shortOption` the letter it could not place
// (getopt's optopt, which for a long option is its value or 0).
void explainRefused(const char* word, int shortOption, FILE* err) {
    bool unknownLetter = shortOption > 0 && shortOption < LongOnlyBase && rowOfValue(shortOption) < 0;
    if (unknownLetter || strncmp(word, "--", 2) != 0) {
        fprintf(err, "combinix-search: unknown option -%c\n", unknownLetter ? shortOption : '?');
        return;
    }
    const char* name = word + 2;
    const char* equals = strchr(name, '=');
    size_t length = equals != nullptr ? static_cast<size_t>(equals - name) : strlen(name);
    int match = -1;
    int prefixes = 0;
    for (int i = 0; i < OptionCount; ++i) {
        if (strncmp(optionTable[i].name, name, length) != 0) continue;
        if (optionTable[i].name[length] == '\0') {
            match = i;
            prefixes = 1;
            break;
        }
        match = i;
        ++prefixes;
    }
    if (prefixes == 0 || length == 0) {
        fprintf(err, "combinix-search: unknown option --%.*s\n", static_cast<int>(length), name);
    } else if (prefixes > 1) {
        fprintf(err, "combinix-search: ambiguous option --%.*s:", static_cast<int>(length), name);
        for (int i = 0; i < OptionCount; ++i) {
            if (strncmp(optionTable[i].name, name, length) == 0) fprintf(err, " --%s", optionTable[i].name);
        }
        fputc('\n', err);
    } else if (optionTable[match].argument == nullptr) {
        fprintf(err, "combinix-search: --%s takes no value\n", optionTable[match].name);
    } else {
        fprintf(err, "combinix-search: --%s needs a value (%s)\n", optionTable[match].name,
                optionTable[match].argument);
    }
}

// The single search's options keep every abbreviation they had before the
// pair search's options came: "--sto" is still --stock and "--rang" --range,
// though --stock-b and --range-a begin alike. A word that abbreviates one
// option of the single search alone is spelled out before getopt_long reads
// it; the values of options are stepped over, as getopt_long steps over
// them.
std::string spelledOut[MaxArguments];

void spellOutAbbreviations(int argc) {
    pairAsked = false;
    for (int i = 1; i < argc; ++i) {
        const char* word = argumentCopy[i];
        if (strcmp(word, "--") == 0) return;
        if (strncmp(word, "--", 2) != 0 || word[2] == '\0') continue;
        const char* name = word + 2;
        const char* equals = strchr(name, '=');
        const size_t length = equals != nullptr ? static_cast<size_t>(equals - name) : strlen(name);
        int exact = -1, single = -1, singles = 0, all = 0;
        for (int r = 0; r < OptionCount; ++r) {
            if (strncmp(optionTable[r].name, name, length) != 0) continue;
            if (optionTable[r].name[length] == '\0') exact = r;
            ++all;
            if (!optionTable[r].pairOnly) {
                single = r;
                ++singles;
            }
        }
        int row = exact;
        if (exact < 0 && singles == 1 && all > 1) {
            row = single;
            spelledOut[i] = std::string("--") + optionTable[row].name + (equals != nullptr ? equals : "");
            argumentCopy[i] = &spelledOut[i][0];
        } else if (exact < 0 && all == 1) {
            for (int r = 0; r < OptionCount; ++r) {
                if (strncmp(optionTable[r].name, name, length) == 0) row = r;
            }
        }
        if (row >= 0 && strcmp(optionTable[row].name, "pair") == 0) pairAsked = true;
        // The next word is this option's value.
        if (row >= 0 && equals == nullptr && optionTable[row].argument != nullptr) ++i;
    }
}

}  // namespace

bool parseSearchOptions(int argc, const char* const* argv, SearchCommand* command, FILE* err) {
    if (argc > MaxArguments) {
        fprintf(err, "combinix-search: more than %d arguments\n", MaxArguments);
        return false;
    }
    for (int i = 0; i < argc; ++i) argumentCopy[i] = const_cast<char*>(argv[i]);
    argumentCopy[argc] = nullptr;
    spellOutAbbreviations(argc);

    option longOptions[OptionCount + 1] = {};
    // ":" first: a missing value is told apart from an unknown option.
    char shortOptions[2 * OptionCount + 2] = ":";
    int shortLength = 1;
    for (int i = 0; i < OptionCount; ++i) {
        const OptionRow& row = optionTable[i];
        int value = row.shortName != 0 ? row.shortName : LongOnlyBase + i;
        longOptions[i] = {row.name, row.argument != nullptr ? required_argument : no_argument,
                          nullptr, value};
        if (row.shortName != 0) {
            shortOptions[shortLength++] = row.shortName;
            if (row.argument != nullptr) shortOptions[shortLength++] = ':';
        }
    }
    shortOptions[shortLength] = '\0';

    // The command may run more than once in a process (tests): 0 makes
    // getopt start afresh.
    optind = 0;
    opterr = 0;
    for (;;) {
        int index = -1;
        int c = getopt_long(argc, argumentCopy, shortOptions, longOptions, &index);
        if (c == -1) break;
        int row = c == '?' || c == ':' ? -1 : rowOfValue(c);
        if (row < 0) {
            const char* word = optind > 0 && optind <= argc ? argumentCopy[optind - 1] : "";
            explainRefused(word != nullptr ? word : "", optopt, err);
            return false;
        }
        const OptionRow& r = optionTable[row];
        const char* reason = r.apply(command, r.argument != nullptr ? optarg : nullptr);
        if (reason != nullptr) {
            fprintf(err, "combinix-search: --%s does not take \"%s\" (%s)\n", r.name, optarg, reason);
            return false;
        }
        if (command->help || command->version) return true;
    }
    if (optind < argc) {
        fprintf(err, "combinix-search: unexpected argument \"%s\"\n", argumentCopy[optind]);
        return false;
    }
    if (command->drawing.any() && command->format != OutputFormat::Text) {
        fputs("combinix-search: --draw, --svg and --spice go with the text format\n", err);
        return false;
    }
    return pairOptionsConsistent(*command, err);
}

void printUsage(FILE* out) {
    fputs("usage: combinix-search", out);
    int column = 22;
    for (const OptionRow& row : optionTable) {
        char item[64];
        if (row.argument != nullptr) {
            snprintf(item, sizeof item, " [--%s %s]", row.name, row.argument);
        } else {
            snprintf(item, sizeof item, " [--%s]", row.name);
        }
        int length = static_cast<int>(strlen(item));
        if (column + length > 79) {
            fputs("\n                      ", out);
            column = 22;
        }
        fputs(item, out);
        column += length;
    }
    fputs("\nTry 'combinix-search --help' for more information.\n", out);
}

namespace {

void printOptionRows(FILE* out, bool pairOnly) {
    for (const OptionRow& row : optionTable) {
        if (row.pairOnly != pairOnly) continue;
        char head[40];
        snprintf(head, sizeof head, "%s%c%s--%s%s%s", row.shortName != 0 ? "-" : " ",
                 row.shortName != 0 ? row.shortName : ' ', row.shortName != 0 ? ", " : "  ",
                 row.name, row.argument != nullptr ? " " : "", row.argument != nullptr ? row.argument : "");
        fprintf(out, "  %-24s %s\n", head, row.help);
    }
}

}  // namespace

void printHelp(FILE* out) {
    fputs("Usage: combinix-search [OPTION]...\n"
          "  or:  combinix-search --pair MODE [OPTION]...\n"
          "Searches every network of one to five resistors, capacitors or inductors,\n"
          "made from the part values in stock, for those whose value lies within a\n"
          "tolerance of a target: the search of Combinix's Execute button. With\n"
          "--pair, searches two networks for one quantity: a divider, a regulator's\n"
          "feedback pair, a ratio, an RC time constant or cutoff, an LC resonance.\n"
          "\n"
          "Options (--option=value works as well as --option value; after the\n"
          "semicolon, the default):\n",
          out);
    printOptionRows(out, false);
    fputs("\n"
          "The pair search takes --target, --tolerance, --max-parts, --type, --list,\n"
          "--stock, --lang, --format, --draw, --ascii, --svg and --spice, and these:\n",
          out);
    printOptionRows(out, true);
    fputs("\n"
          "Values are typed as in the window's boxes. A value is a number, then an\n"
          "optional multiplier letter: p (1e-12), n (1e-9), u or \xc2\xb5 (1e-6), m (1e-3),\n"
          "k or K (1e3), M (1e6). The letter may stand for the decimal point, and R\n"
          "for a point without a multiplier (RKM code): 4k7 = 4.7k, 2R2 = 2.2,\n"
          "1M5 = 1.5M; R alone after a number means no multiplier: 100R = 100.\n"
          "Resistors are in ohm and inductors in henry; a capacitor's bare number is\n"
          "in \xc2\xb5" "F (100 means 100 \xc2\xb5" "F, 100n means 100 nF).\n"
          "Each of --target, --tolerance, --range and --max-parts takes one value\n"
          "and nothing after it: a text whose end the window's box would pass over\n"
          "(4k7k, 1.42k ohm, a tolerance of 1k, 2.5 parts) is a usage error.\n"
          "\n"
          "A stock list holds one value a line; the text after the value is the\n"
          "part's name, shown in the results (its first 15 characters). A line that\n"
          "begins with \"-\", such as \"--Invalid List--\", ends the list. The first 500\n"
          "values are searched. A stock file may hold 31999 bytes once its line ends\n"
          "are CR LF, as the window's list boxes do. E48, E96 and E192 are written\n"
          "over the decades around the target, at most the 500 values nearest it.\n"
          "\n"
          "A result line reads: part count, value, error in percent, formula, as in\n"
          "  2: 1.47000k,  3.52%, 1k + 470\n"
          "In a formula \"+\" joins parts in series and \"/\" in parallel; parentheses\n"
          "group. Bridge(A-C, A-D, C-D, C-B, D-B) names the parts of a bridge between\n"
          "the terminals A and B: A-C and A-D from terminal A to the inner nodes C and\n"
          "D, C-D across, and C-B and D-B on to terminal B.\n"
          "\n"
          "Output formats:\n"
          "  text  the Result box, then the outcome line, as the window shows them;\n"
          "        when the box holds fewer lines than there are records, standard\n"
          "        error says how many the text omits\n"
          "  csv   every record of the search (up to 10000) in the final order, with a\n"
          "        header row (RFC 4180): part count, value in ohm, farad or henry,\n"
          "        the value as printed, the signed error in percent, the formula,\n"
          "        and each part's name and value in the formula's order\n"
          "  json  one document: the outcome, the inputs as read and every record\n"
          "\n"
          "Drawings (text format): --draw follows each printed result line with its\n"
          "schematic; --svg DIR and --spice DIR write the schematic and a SPICE\n"
          "subcircuit of each printed line, in the printed order, as DIR/0001.svg,\n"
          "DIR/0002.svg, ... and DIR/0001.cir, ... (at most the first 1000).\n"
          "\n"
          "Pair search (--pair MODE). A and B are two networks, a and b their\n"
          "values (ohm, henry, or 1/farad: a capacitor's impedance):\n"
          "  ratio     a / b, the gain of an inverting amplifier      --target Q\n"
          "  divider   Vout/Vin = b / (a + b), A on top, B at the bottom; for\n"
          "            capacitors C_A / (C_A + C_B)     --target Q, or --vin --vout\n"
          "  feedback  Vout = Vref (1 + a / b), A from the output to the feedback\n"
          "            node, B from there to ground                --vref --vout\n"
          "  rc        tau = R C, A resistors, B capacitors: --target in seconds\n"
          "            (1m = 1 ms), or --frequency, the cutoff 1 / (2 pi R C)\n"
          "  lc        the resonance 1 / (2 pi sqrt(L C)), A inductors, B capacitors\n"
          "                                                          --frequency\n"
          "Each side is any network of 1 to --max-parts parts (1 to 3; 2) in every\n"
          "series and parallel shape; a stock value may be used more than once.\n"
          "--tolerance (percent; 1) applies to the quantity (for rc to tau, whose\n"
          "cutoff then lies as far off). ratio, divider and feedback take --type\n"
          "(resistor); B takes A's stock unless --list-b or --stock-b names its own\n"
          "(with --range-b, A's series over B's decades).\n"
          "rc and lc fix the types: --list and --stock give R's or L's stock,\n"
          "--list-b and --stock-b C's. A side takes E24 unless a list is named.\n"
          "Lists 1, 2 and 3 are the window's built-in lists of the type. A series is\n"
          "written over every decade its side's range reaches, or by default over\n"
          "10 ohm to 1 Mohm (E24: 10 ... 910k), 100 pF to 10 uF (100p ... 9.1, in\n"
          "uF) and 1 uH to 100 mH (1.0u ... 91m): E96 fits, E192 needs a narrower\n"
          "range.\n"
          "A side of more than 500 values, or of more networks than it may hold,\n"
          "is refused, never cut. --range-a and --range-b keep a side's networks\n"
          "from MIN to MAX, --range-total the two in series (a divider's or a\n"
          "feedback pair's total): values in the notation above, a capacitor's\n"
          "bare number in \xc2\xb5" "F; either end may be left out: ..100k, 1k..\n"
          "\n"
          "A pair's line reads: total part count, the quantity (a ratio plain, Vout\n"
          "in V, tau in s, a frequency in Hz, with an SI prefix), the signed error\n"
          "in percent, then each side named as its circuit names it (R1, R2; C1,\n"
          "C2; L1, L2; R, C for rc; L, C for lc) with its formula:\n"
          "  2:  3.29545 V,    -0.14%, R1 = 1.8k, R2 = 1.1k\n"
          "Pairs are ordered by part count, then |error|, then A's value; past 10000\n"
          "matches the best 10000 are kept. text shows the best --limit and the\n"
          "outcome line (how many matched, how many are shown); csv and json hold\n"
          "every kept pair: parts, value, error_percent, and for a and b the value\n"
          "(ohm, farad, henry), formula and parts (name, value); json adds matches.\n"
          "--draw, --svg and --spice draw each shown pair: a divider from in to out\n"
          "to GND, a feedback pair from out to FB to GND, the others one above the\n"
          "other.\n"
          "\n"
          "Parts as built. A stock line's text after its value may name the part's\n"
          "tolerance, a number and \"%\" (\"4k7 1%\", \"100n \xc2\xb1" "5%\", \"2R2 0.1 %\"), and how many\n"
          "the drawer holds, a word \"xN\" or \"\xc3\x97N\" (\"22k x2\"); the whole line stays the\n"
          "part's name. --part-tolerance gives every other part a tolerance (the E\n"
          "series carry none of their own). With a tolerance, each result line ends\n"
          "in its worst case, every part at an end of its tolerance, as the errors\n"
          "of its two ends from the target, and its statistical spread (RSS); for\n"
          "3.3k from \"4k7 1%\", \"10k\", \"1k\" and \"22k\" with --part-tolerance 5:\n"
          "  3: 3.29299k, -0.21%, 4k7 1% /(10k + 1k)  (-2.44%..+1.95%, RSS 1.54%)\n"
          "csv gains the columns worst_low, worst_high and rss_percent, json each\n"
          "record a \"spread\" with them (the worst case in ohm, farad, henry or the\n"
          "pair's quantity). --within-tolerance keeps only what stays inside the\n"
          "window once built, and the outcome says how many were left out; --sort\n"
          "margin orders by how far the worst case stays inside it. --quantities\n"
          "uses a line at most as often as its \"xN\" says (the two sides of a pair\n"
          "from one stock share one drawer); a line without one, any number of times.\n"
          "\n"
          "Examples of the pair search:\n"
          "  5 V to 3.3 V from E24, 10k to 100k in all:\n"
          "    combinix-search --pair divider --vin 5 --vout 3.3 --list E24 \\\n"
          "                    --range-total 10k..100k\n"
          "  a 1.25 V regulator set to 3.3 V, its feedback pair 1k to 100k in all:\n"
          "    combinix-search --pair feedback --vref 1.25 --vout 3.3 \\\n"
          "                    --range-total 1k..100k\n"
          "  a 1 kHz RC low-pass from E12 resistors and E6 capacitors:\n"
          "    combinix-search --pair rc --frequency 1k --list E12 --list-b E6\n"
          "  a 455 kHz LC tank of one E12 inductor and one E12 capacitor:\n"
          "    combinix-search --pair lc --frequency 455k --list E12 --list-b E12 \\\n"
          "                    --max-parts 1\n"
          "\n"
          "Exit status:\n"
          "  0  at least one match (with --pair, one pair) was found\n"
          "  1  the search ran and found nothing\n"
          "  2  a usage error, a stock file that cannot be read or is too long, or an\n"
          "     input or stock list error (the outcome line is still printed, and\n"
          "     standard error says which input is wrong and why), a pair search\n"
          "     whose request cannot run (standard error says why, and names the\n"
          "     options), or a drawing that could not be written\n",
          out);
}

// The second line names the licence of LICENSE, which the package carries as
// its copyright file and the Windows zip as LICENSE.txt.
void printVersion(FILE* out) {
    fputs("combinix-search (Combinix) " COMBINIX_VERSION "\n"
          "MIT License: free to use, change and pass on, with no warranty.\n",
          out);
}
