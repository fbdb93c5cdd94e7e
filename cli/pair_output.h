// The outputs of combinix-search --pair, each written from the search's
// records and the request (never from printed lines): the text of the
// library's result and outcome lines, CSV and one JSON document.
#pragma once

#include <cstdio>

#include "cli/pair_command.h"

// The best job.limit records as result lines, each followed by its drawing
// where the job asks for one, then the outcome line; UTF-8 with LF. Returns
// 0, or 2 when a drawing's file could not be written (named on `err`).
int writePairText(FILE* out, FILE* err, const PairJob& job, const PairSearch& search);

// A header row, then one row per kept record (RFC 4180: CR LF, quoted
// where a field holds a comma, a quote or a control character): parts,
// value, error_percent, then for A and for B its value, formula and up to
// three parts' names and values.
void writePairCsv(FILE* out, const PairJob& job, const PairSearch& search);

// {"outcome", "mode", "quantity", "tolerance_percent", "sides", "total",
// "matches", "records": [...]}; each record's parts, value, error_percent
// and a and b, each with label, value, formula and parts (name, value).
void writePairJson(FILE* out, const PairJob& job, const PairSearch& search);
