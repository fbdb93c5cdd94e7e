// Options, input conversion and output of combinix-search.
#include "cli/search_cli.h"

#include <cstring>

#include "cli/drawing_output.h"
#include "engine/builtin_lists.h"
#include "engine/result_ordering.h"
#include "engine/search_frame.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"
#include "platform/code_page.h"
#include "platform/console_program.h"

namespace {

const char usageText[] =
    "usage: combinix-search [--type resistor|capacitor|inductor] [--target VALUE]\n"
    "                       [--tolerance PERCENT] [--max-parts N] [--range X]\n"
    "                       [--list 1|2|3|E24|E12|E6|E3] [--stock FILE] [--show-all]\n"
    "                       [--parallel-only] [--sort error|value] [--lang en|ja]\n"
    "                       [--draw [--ascii]] [--svg DIR] [--spice DIR]\n";

struct Options {
    int partType = Resistor;
    int listSelection = 0;
    const char* inputs[5] = {};  // indexed by text buffer 1 to 4
    const char* stockFile = nullptr;
    bool showAll = false;
    bool parallelOnly = false;
    int sort = 0;  // 0 none, 1 error, 2 value
    int language = 1;
    DrawingOptions drawing;
};

enum { SortNone, SortError, SortValue };

int lookup(const char* word, const char* const* names, const int* values, int count) {
    for (int i = 0; i < count; ++i) {
        if (strcmp(word, names[i]) == 0) return values[i];
    }
    return -1;
}

bool parseOptions(int argc, const char* const* argv, Options* o, FILE* err) {
    static const char* const typeNames[] = {"resistor", "capacitor", "inductor", "r", "c", "l"};
    static const int typeValues[] = {Resistor, Capacitor, Inductor, Resistor, Capacitor, Inductor};
    static const char* const listNames[] = {"1", "2", "3", "E24", "E12", "E6", "E3"};
    static const int listValues[] = {0, 1, 2, 3, 4, 5, 6};
    static const char* const sortNames[] = {"error", "value"};
    static const int sortValues[] = {SortError, SortValue};
    static const char* const langNames[] = {"en", "ja"};
    static const int langValues[] = {1, 0};

    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        const int drawingOption = takeDrawingOption(argc, argv, &i, &o->drawing, err);
        if (drawingOption < 0) return false;
        if (drawingOption > 0) continue;
        if (strcmp(option, "--show-all") == 0) {
            o->showAll = true;
            continue;
        }
        if (strcmp(option, "--parallel-only") == 0) {
            o->parallelOnly = true;
            continue;
        }
        if (i + 1 >= argc) {
            fprintf(err, "combinix-search: %s needs a value\n", option);
            return false;
        }
        const char* value = argv[++i];
        int chosen = 0;
        if (strcmp(option, "--type") == 0) {
            chosen = o->partType = lookup(value, typeNames, typeValues, 6);
        } else if (strcmp(option, "--list") == 0) {
            chosen = o->listSelection = lookup(value, listNames, listValues, 7);
        } else if (strcmp(option, "--sort") == 0) {
            chosen = o->sort = lookup(value, sortNames, sortValues, 2);
        } else if (strcmp(option, "--lang") == 0) {
            chosen = o->language = lookup(value, langNames, langValues, 2);
        } else if (strcmp(option, "--target") == 0) {
            o->inputs[BufTarget] = value;
        } else if (strcmp(option, "--tolerance") == 0) {
            o->inputs[BufTolerance] = value;
        } else if (strcmp(option, "--max-parts") == 0) {
            o->inputs[BufMaxParts] = value;
        } else if (strcmp(option, "--range") == 0) {
            o->inputs[BufRange] = value;
        } else if (strcmp(option, "--stock") == 0) {
            o->stockFile = value;
        } else {
            fprintf(err, "combinix-search: unknown option %s\n", option);
            return false;
        }
        if (chosen < 0) {
            fprintf(err, "combinix-search: %s does not take %s\n", option, value);
            return false;
        }
    }
    return true;
}

// Text typed on a terminal is UTF-8 with LF line ends; the buffers hold
// CP932 with CR LF, as the edit boxes would.
void storeTypedText(char* buffer, const char* utf8) {
    static char converted[limits::TextSize];
    utf8ToCp932(utf8, converted, sizeof converted);
    const int room = limits::TextSize - 1;
    int n = 0;
    char previous = '\0';
    for (const char* p = converted; *p != '\0' && n < room; previous = *p++) {
        if (*p == '\n' && previous != '\r') {
            buffer[n++] = '\r';
            if (n == room) break;
        }
        buffer[n++] = *p;
    }
    buffer[n] = '\0';
}

bool readStockFile(const char* path, FILE* in, char* buffer, FILE* err) {
    static char raw[limits::TextSize];
    FILE* f = strcmp(path, "-") == 0 ? in : openArgumentFile(path, "rb");
    if (f == nullptr) {
        fprintf(err, "combinix-search: cannot read %s\n", path);
        return false;
    }
    size_t n = fread(raw, 1, sizeof raw - 1, f);
    bool failed = ferror(f) != 0;
    if (f != in) fclose(f);
    if (failed) {
        fprintf(err, "combinix-search: cannot read %s\n", path);
        return false;
    }
    raw[n] = '\0';
    storeTypedText(buffer, raw);
    return true;
}

// Prints a CP932 text as UTF-8 with LF line ends.
void printText(FILE* out, const char* text) {
    static char utf8[limits::TextSize * 3];
    cp932ToUtf8(text, utf8, sizeof utf8);
    for (const char* p = utf8; *p != '\0'; ++p) {
        if (*p == '\r' && p[1] == '\n') continue;
        fputc(*p, out);
    }
}

}  // namespace

int runSearchCommand(int argc, const char* const* argv, FILE* in, FILE* out, FILE* err) {
    Options o;
    if (!parseOptions(argc, argv, &o, err)) {
        fputs(usageText, err);
        return 2;
    }
    resetSharedState();
    fillDefaultTexts();
    settings.language = o.language;
    settings.partType = o.partType;
    settings.listSelection = o.listSelection;
    settings.showAll = o.showAll ? 1 : 0;
    settings.parallelOnly = o.parallelOnly ? 1 : 0;
    for (int b = BufTarget; b <= BufRange; ++b) {
        if (o.inputs[b] != nullptr) storeTypedText(textBuffers[b], o.inputs[b]);
    }
    if (o.stockFile != nullptr &&
        !readStockFile(o.stockFile, in, textBuffers[storedListBuffer(o.listSelection, o.partType)],
                       err)) {
        return 1;
    }

    runSearch();
    if (o.sort == SortError) sortByError();
    if (o.sort == SortValue) sortByValue();

    int status = 0;
    if (o.drawing.any()) {
        status = printResultDrawings(out, err, o.drawing);
    } else {
        printText(out, resultText);
    }
    printText(out, statusText);
    size_t length = strlen(statusText);
    if (length == 0 || statusText[length - 1] != '\n') fputc('\n', out);
    return status;
}
