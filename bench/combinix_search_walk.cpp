// combinix-search-walk: combinix-search with the single-threaded walk of
// tests/reference/single_thread_walk/ in place of the program's network
// templates, for comparisons on stocks too large for the plain loops.
#include "cli/search_cli.h"
#include "tests/reference/single_thread_walk/walk_networks.h"

int main(int argc, char** argv) {
    searchTemplates = &single_thread_walk::templates;
    return runSearchCommand(argc, argv, stdin, stdout, stderr);
}
