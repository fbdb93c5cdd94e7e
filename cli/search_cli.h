// combinix-search: the search of the Execute button from the command line.
// It fills the shared settings and text buffers as the window would, runs
// the same runSearch and the chosen sort, and prints the result in the
// chosen format.
#pragma once

#include <cstdio>

// Exit status, as grep's: 0 when at least one match was found; 1 when the
// search ran and found nothing; 2 for a usage error, a stock file that
// cannot be read or is too long, and an input or stock list error (the
// outcome line is printed all the same, and `err` names the input).
enum SearchExitStatus { ExitFound = 0, ExitNotFound = 1, ExitTrouble = 2 };

int runSearchCommand(int argc, const char* const* argv, FILE* in, FILE* out, FILE* err);

// A stock file's text (UTF-8; "-" reads `in`) into `buffer` (limits::TextSize
// bytes) as a list box holds it: CP932 with CR LF line ends. A file that
// cannot be read, holds a zero byte or would not fit is refused, never cut:
// false, with the reason on `err`.
bool readStockFile(const char* path, FILE* in, char* buffer, FILE* err);
