// The machine-readable outputs of combinix-search: every record of the
// search just run, in the final order of the result store, as CSV or as one
// JSON document. Unlike the text output they are not cut to what the
// Result box holds.
#pragma once

#include <cstdio>

#include "cli/search_options.h"

// A header row, then one row per record (RFC 4180: CR LF line ends, fields
// quoted where they hold a comma, a quote or a control character).
void writeCsvRecords(FILE* out);

// The outcome, the inputs as the search read them, the match count and
// every record.
void writeJsonDocument(FILE* out, const SearchCommand& command);
