// Entry point of combinix-search.
#include "cli/search_cli.h"
#include "platform/console_program.h"

int main(int argc, char** argv) {
    int count = 0;
    const char* const* arguments = startConsoleProgram(argc, argv, &count);
    return runSearchCommand(count, arguments, stdin, stdout, stderr);
}
