// The option table of combinix-search, its reading with getopt_long, and
// the help, usage and version texts.
#include "cli/search_options.h"

#include <getopt.h>

#include <cstring>

#include "engine/limits.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"

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
                             {"value", static_cast<int>(SortOrder::Value)}};
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
    return choose(partTypes, v, &c->partType) ? nullptr
                                              : "resistor, capacitor, inductor, r, c or l";
}

const char* setTarget(SearchCommand* c, const char* v) {
    c->inputs[BufTarget] = v;
    return nullptr;
}

const char* setTolerance(SearchCommand* c, const char* v) {
    c->inputs[BufTolerance] = v;
    return nullptr;
}

const char* setMaxParts(SearchCommand* c, const char* v) {
    c->inputs[BufMaxParts] = v;
    return nullptr;
}

const char* setRange(SearchCommand* c, const char* v) {
    c->inputs[BufRange] = v;
    return nullptr;
}

const char* setList(SearchCommand* c, const char* v) {
    int list = 0;
    if (!choose(lists, v, &list)) return "1, 2, 3, E24, E12, E6, E3, E48, E96 or E192";
    c->listName = v;
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
    if (!choose(sortOrders, v, &order)) return "error or value";
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

// clang-format off
const OptionRow optionTable[] = {
//   name             short  argument   help                                                       apply
    {"help",          'h',   nullptr,   "print this help and exit",                                setHelp},
    {"version",       0,     nullptr,   "print the version and exit",                              setVersion},
    {"type",          0,     "TYPE",    "resistor, capacitor or inductor (r, c, l); resistor",     setType},
    {"target",        0,     "VALUE",   "the target value; 1.42k",                                 setTarget},
    {"tolerance",     0,     "PERCENT", "the tolerance in percent; 1",                             setTolerance},
    {"max-parts",     0,     "N",       "the most parts in a network, 1 to 5; 5",                  setMaxParts},
    {"range",         0,     "X",       "use parts from 1/X to X times the target; 200",           setRange},
    {"list",          0,     "LIST",    "1, 2, 3, E24, E12, E6, E3, E48, E96 or E192; 1",          setList},
    {"stock",         0,     "FILE",    "the list's text from FILE (- for standard input)",        setStock},
    {"show-all",      0,     nullptr,   "show every match, not only ever better ones",             setShowAll},
    {"parallel-only", 0,     nullptr,   "try only single parts and parallel groups",               setParallelOnly},
    {"sort",          0,     "ORDER",   "order the results by error or by value",                 setSort},
    {"lang",          0,     "LANG",    "the language of the outcome line, en or ja; en",          setLanguage},
    {"format",        0,     "FORMAT",  "text, csv or json; text",                                 setFormat},
    {"draw",          0,     nullptr,   "follow each result line with its schematic",              setDraw},
    {"ascii",         0,     nullptr,   "draw in ASCII, not in box-drawing characters",            setAscii},
    {"svg",           0,     "DIR",     "the printed lines' schematics as DIR/0001.svg, ...",      setSvg},
    {"spice",         0,     "DIR",     "the printed networks as SPICE files DIR/0001.cir, ...",   setSpice},
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

}  // namespace

bool parseSearchOptions(int argc, const char* const* argv, SearchCommand* command, FILE* err) {
    if (argc > MaxArguments) {
        fprintf(err, "combinix-search: more than %d arguments\n", MaxArguments);
        return false;
    }
    for (int i = 0; i < argc; ++i) argumentCopy[i] = const_cast<char*>(argv[i]);
    argumentCopy[argc] = nullptr;

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
    return true;
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

void printHelp(FILE* out) {
    fputs("Usage: combinix-search [OPTION]...\n"
          "Searches every network of one to five resistors, capacitors or inductors,\n"
          "made from the part values in stock, for those whose value lies within a\n"
          "tolerance of a target: the search of Combinix's Execute button.\n"
          "\n"
          "Options (--option=value works as well as --option value; after the\n"
          "semicolon, the default):\n",
          out);
    for (const OptionRow& row : optionTable) {
        char head[40];
        snprintf(head, sizeof head, "%s%c%s--%s%s%s", row.shortName != 0 ? "-" : " ",
                 row.shortName != 0 ? row.shortName : ' ', row.shortName != 0 ? ", " : "  ",
                 row.name, row.argument != nullptr ? " " : "", row.argument != nullptr ? row.argument : "");
        fprintf(out, "  %-24s %s\n", head, row.help);
    }
    fputs("\n"
          "Values are typed as in the window's boxes. A value is a number, then an\n"
          "optional multiplier letter: p (1e-12), n (1e-9), u or \xc2\xb5 (1e-6), m (1e-3),\n"
          "k or K (1e3), M (1e6). The letter may stand for the decimal point, and R\n"
          "for a point without a multiplier (RKM code): 4k7 = 4.7k, 2R2 = 2.2,\n"
          "1M5 = 1.5M; R alone after a number means no multiplier: 100R = 100.\n"
          "Resistors are in ohm and inductors in henry; a capacitor's bare number is\n"
          "in \xc2\xb5" "F (100 means 100 \xc2\xb5" "F, 100n means 100 nF).\n"
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
          "  text  the Result box, then the outcome line, as the window shows them\n"
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
          "Exit status:\n"
          "  0  at least one match was found\n"
          "  1  the search ran and found nothing\n"
          "  2  a usage error, a stock file that cannot be read or is too long, or an\n"
          "     input or stock list error (the outcome line is still printed, and\n"
          "     standard error says which input is wrong and why), or a drawing that\n"
          "     could not be written\n",
          out);
}

// The second line names the licence of LICENSE, which the package carries as
// its copyright file and the Windows zip as LICENSE.txt.
void printVersion(FILE* out) {
    fputs("combinix-search (Combinix) " COMBINIX_VERSION "\n"
          "MIT License: free to use, change and pass on, with no warranty.\n",
          out);
}
