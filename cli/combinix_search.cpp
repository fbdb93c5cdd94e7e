// Entry point of combinix-search.
#include "cli/search_cli.h"

int main(int argc, char** argv) {
    return runSearchCommand(argc, argv, stdin, stdout, stderr);
}
