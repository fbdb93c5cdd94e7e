// combinix-search --pair: the pair search's options read into a request of
// the library's pair search (engine/pair_search.h), each side's stock built
// from its list, series or file, the search run, and its records written as
// text, CSV or JSON (pair_output.h). The command only turns text into a
// request and records into text; what a pair is, is the library's.
#pragma once

#include <cstdio>

#include "cli/search_options.h"
#include "engine/pair_search.h"
#include "engine/pair_texts.h"

// Whether the pair search's options go together (called once every option
// is read): none of them without --pair; with it, none of the single
// search's own (--range, --show-all, --parallel-only, --sort), the
// quantity each mode takes (--target, --vin and --vout, --vref and --vout,
// --frequency) and no other, --type only where the mode leaves the type
// open, and every value readable as its mode and side read it. False on a
// usage error, which it has named on `err`.
bool pairOptionsConsistent(const SearchCommand& command, FILE* err);

// Where a side's stock came from, as the outputs name it.
struct PairStockSource {
    const char* list;  // "E24", "1", ...; null for a file
    const char* file;  // the stock file's name ("-": standard input); null for a list
    bool fromSideA;    // B takes A's stock
};

// A pair search as the command runs it: the request and what the outputs
// need besides it.
struct PairJob {
    PairRequest request;
    PairShownAs shownAs = PairShownAs::Quantity;
    int language = 1;
    int limit = 20;  // text: the records shown
    OutputFormat format = OutputFormat::Text;
    DrawingOptions drawing;
    PairStockSource sources[2] = {};
    double vin = 0;  // divider: the input voltage given with --vout; 0 for none
};

// Runs the pair search `command` asks for and prints its outcome. Returns
// the exit status (search_cli.h): 0 a pair was found, 1 none, 2 a request
// that cannot be searched or a stock that cannot be read (the reason on
// `err`).
int runPairCommand(const SearchCommand& command, FILE* in, FILE* out, FILE* err);
