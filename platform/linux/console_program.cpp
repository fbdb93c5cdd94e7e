// On Linux the terminal already speaks UTF-8 and the streams pass bytes
// unchanged: nothing to prepare.
#include "platform/console_program.h"

const char* const* startConsoleProgram(int argc, char** argv, int* count) {
    *count = argc;
    return argv;
}

FILE* openArgumentFile(const char* utf8Name, const char* mode) { return fopen(utf8Name, mode); }
