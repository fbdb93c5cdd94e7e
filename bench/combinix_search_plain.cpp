// combinix-search-plain: combinix-search with the straightforward reference
// loops in place of the program's network templates. Everything else (inputs,
// stock, recorder, ordering, output) is the program's own, so the two print
// the same text for every search; only the time they take differs.
#include "cli/search_cli.h"
#include "tests/reference/reference_networks.h"

int main(int argc, char** argv) {
    searchTemplates = &reference::templates;
    return runSearchCommand(argc, argv, stdin, stdout, stderr);
}
