// The options of combinix-search: one table row per option, read with
// getopt_long, and the help and version texts made from the same table.
// An option is added with one row and the function that applies it.
#pragma once

#include <cstdio>

#include "cli/drawing_output.h"

enum class OutputFormat { Text, Csv, Json };

enum class SortOrder { None, Error, Value };

// The options of the pair search as typed (UTF-8, pointing into the
// arguments; null for an option not given). pair_command.h reads them.
struct PairOptions {
    bool on = false;  // --pair
    int mode = 0;     // PairMode
    const char* vin = nullptr;
    const char* vout = nullptr;
    const char* vref = nullptr;
    const char* frequency = nullptr;
    const char* listB = nullptr;  // as --list-b names it
    const char* stockB = nullptr;
    const char* rangeA = nullptr;
    const char* rangeB = nullptr;
    const char* rangeTotal = nullptr;
    const char* limit = nullptr;
};

// What combinix-search was asked to do. Texts point into the arguments.
struct SearchCommand {
    bool help = false;
    bool version = false;
    int partType = 0;          // PartType
    int listSelection = 0;     // the window's lists: 0-2 List 1-3, 3-6 E24, E12, E6, E3
    int finerSeries = 0;       // 48, 96 or 192 for --list E48, E96, E192; 0 otherwise
    const char* listName = "1";  // as --list names it
    const char* inputs[5] = {};  // by text buffer 1 to 4; null keeps the initial text
    const char* stockFile = nullptr;
    bool showAll = false;
    bool parallelOnly = false;
    SortOrder sort = SortOrder::None;
    int language = 1;          // 0 Japanese, 1 English
    OutputFormat format = OutputFormat::Text;
    DrawingOptions drawing;    // with the text output only
    // Whether --type and --list were given: the pair search refuses a type
    // where its mode fixes the types, and takes E24 where no list is named.
    bool typeGiven = false;
    bool listGiven = false;
    PairOptions pair;
};

// One option. `argument` names its value in the help (null for a flag);
// `apply` takes the value (null for a flag) and returns null, or the reason
// the value is refused.
struct OptionRow {
    const char* name;
    char shortName;  // 0 for none
    const char* argument;
    const char* help;
    const char* (*apply)(SearchCommand* command, const char* value);
    bool pairOnly;  // an option of the pair search alone
};

// Reads the arguments into *command. Returns false on a usage error, which
// it has named on `err`.
bool parseSearchOptions(int argc, const char* const* argv, SearchCommand* command, FILE* err);

// The one-line synopsis and the hint that follow a usage error.
void printUsage(FILE* out);
// --help: the usage with every option, the value and result notations,
// the output formats and the exit statuses.
void printHelp(FILE* out);
void printVersion(FILE* out);
