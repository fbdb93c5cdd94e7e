// The schematics of combinix-search: --draw prints each result line
// followed by its network drawn with box-drawing characters (--ascii: plain
// ASCII), --svg DIR writes DIR/0001.svg, DIR/0002.svg, ... and --spice DIR
// DIR/0001.cir, ... for the printed lines in their order (at most the first
// 1000 of each).
#pragma once

#include <cstdio>

#include "engine/pair_search.h"
#include "engine/pair_texts.h"

struct DrawingOptions {
    bool draw = false;
    bool ascii = false;
    const char* svgDirectory = nullptr;
    const char* spiceDirectory = nullptr;

    bool any() const { return draw || svgDirectory != nullptr || spiceDirectory != nullptr; }
};

// Prints the Result text in UTF-8 with LF line ends, each line followed by
// its schematic and an empty line when `options.draw` is set, and writes the
// SVG and SPICE files it asks for. Returns 0, or 2 when a directory or file
// cannot be written (the reason on `err`; the output is complete all the
// same).
int printResultDrawings(FILE* out, FILE* err, const DrawingOptions& options);

// The pair search's text with its drawings: the result line of each of the
// first `count` records of `request`'s search, followed by the pair's
// schematic and an empty line when `options.draw` is set, and the SVG and
// SPICE files of those records (DIR/0001.svg, DIR/0001.cir, ...). Returns
// 0, or 2 when a directory or file cannot be written.
int printPairDrawings(FILE* out, FILE* err, const DrawingOptions& options, const PairRequest& request,
                      const PairRecord* records, int count, PairShownAs as, int language);
