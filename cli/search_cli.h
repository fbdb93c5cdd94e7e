// combinix-search: the search of the Execute button from the command line.
// It fills the shared settings and text buffers as the window would, runs
// the same runSearch, and prints the Result box text and the outcome line.
#pragma once

#include <cstdio>

// Exit status: 0 when a search ran, 2 for a usage error, 1 when the stock
// file cannot be read.
int runSearchCommand(int argc, const char* const* argv, FILE* in, FILE* out, FILE* err);
