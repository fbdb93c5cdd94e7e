// On Linux the terminal already speaks UTF-8 and the streams pass bytes
// unchanged: nothing to prepare.
#include "platform/console_program.h"

#include <sys/stat.h>

#include <cerrno>

const char* const* startConsoleProgram(int argc, char** argv, int* count) {
    *count = argc;
    return argv;
}

FILE* openArgumentFile(const char* utf8Name, const char* mode) { return fopen(utf8Name, mode); }

bool makeArgumentDirectory(const char* utf8Name) {
    if (mkdir(utf8Name, 0777) == 0) return true;
    struct stat status;
    return errno == EEXIST && stat(utf8Name, &status) == 0 && S_ISDIR(status.st_mode);
}
