// The standard streams and arguments of the command-line search, made alike
// on both systems: arguments arrive as UTF-8 and the bytes the program
// prints (UTF-8 with LF line ends) reach standard output unchanged.
#pragma once

#include <cstdio>

// Called first in main(). Returns the arguments to use and sets *count.
// On Linux these are argv itself. On Windows they come from the wide
// command line converted to UTF-8 (argv holds them in the ANSI code page),
// standard input and output are switched to binary, and a console shows
// UTF-8 until the program ends.
const char* const* startConsoleProgram(int argc, char** argv, int* count);

// fopen for a file named by such an argument: on Windows the C library's
// fopen takes names in the ANSI code page, so the UTF-8 name is opened by
// its wide form instead.
FILE* openArgumentFile(const char* utf8Name, const char* mode);

// Creates the directory named by such an argument unless it exists already;
// returns whether it exists afterwards.
bool makeArgumentDirectory(const char* utf8Name);
