// combinix-search: its inputs into the shared stores, the search, the
// outputs and the exit status.
#include "cli/search_cli.h"

#include <cstring>

#include "cli/drawing_output.h"
#include "cli/pair_command.h"
#include "cli/record_formats.h"
#include "cli/search_options.h"
#include "engine/builtin_lists.h"
#include "engine/recorder.h"
#include "engine/result_ordering.h"
#include "engine/search_frame.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"
#include "engine/stock_list.h"
#include "platform/code_page.h"
#include "platform/console_program.h"

namespace {

// Typed text (UTF-8, LF line ends) as the buffers hold it: CP932 with CR
// LF, as the edit boxes would. Returns false when the converted text does
// not fit a text buffer; `buffer` then holds as much as fits.
bool storeTypedText(char* buffer, const char* utf8) {
    // Room past a buffer's worth, so that a text that does not fit is told
    // from one that fills the buffer exactly.
    static char converted[limits::TextSize + 8];
    size_t convertedLength = utf8ToCp932(utf8, converted, sizeof converted);
    bool fits = convertedLength < limits::TextSize;
    const int room = limits::TextSize - 1;
    int n = 0;
    char previous = '\0';
    const char* p = converted;
    for (; *p != '\0' && n < room; previous = *p++) {
        if (*p == '\n' && previous != '\r') {
            buffer[n++] = '\r';
            if (n == room) break;
        }
        buffer[n++] = *p;
    }
    buffer[n] = '\0';
    return fits && *p == '\0';
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

// The text output: the Result box, each line followed by its schematic when
// drawings are asked for, then the outcome line. Returns printResultDrawings'
// status: whether the drawings' files could be written.
int writeText(FILE* out, FILE* err, const DrawingOptions& drawing) {
    int status = ExitFound;
    if (drawing.any()) {
        status = printResultDrawings(out, err, drawing);
    } else {
        printText(out, resultText);
    }
    printText(out, statusText);
    size_t length = strlen(statusText);
    if (length == 0 || statusText[length - 1] != '\n') fputc('\n', out);

    // The Result box holds what fits its text, and without Show All a search
    // stopped at a limit shows only its ever better matches: a script reading
    // the text would take the lines for all there is.
    int lines = 0;
    for (const char* p = resultText; *p != '\0'; ++p) lines += *p == '\n';
    const int omitted = resultStore.recordCount - lines;
    if (omitted > 0) {
        fprintf(err,
                "combinix-search: the text omits %d of the %d records found; --format csv or "
                "--format json gives them all\n",
                omitted, static_cast<int>(resultStore.recordCount));
    }
    return status;
}

// A typed text as it stands in its buffer, in UTF-8, for a message.
const char* typedText(int buffer) {
    static char utf8[limits::TextSize * 3];
    cp932ToUtf8(textBuffers[buffer], utf8, sizeof utf8);
    utf8[strcspn(utf8, "\r\n")] = '\0';
    return utf8;
}

void explainInputFaults(FILE* err) {
    const uint32_t faults = searchInputFaults;
    if (faults & TargetUnreadable) {
        fprintf(err,
                "combinix-search: the target \"%s\" is not a value: a number, then a "
                "multiplier letter (p n u m k M), R or nothing\n",
                typedText(BufTarget));
    }
    if (faults & TargetNotPositive) {
        fprintf(err, "combinix-search: the target \"%s\" is not a finite value above 0\n",
                typedText(BufTarget));
    }
    if (faults & ToleranceNotPositive) {
        fprintf(err, "combinix-search: the tolerance \"%s\" is not a number above 0 (percent)\n",
                typedText(BufTolerance));
    }
    if (faults & RangeBelowOne) {
        fprintf(err, "combinix-search: the range \"%s\" is not a number of 1 or more\n",
                typedText(BufRange));
    }
}

void explainStockListError(const SearchCommand& command, FILE* err) {
    const char* list = command.stockFile != nullptr ? command.stockFile : "the list";
    if (stockFaultLine == 0) {
        fprintf(err, "combinix-search: %s names no part before its end\n", list);
        return;
    }
    // The line as it stands in the list's buffer.
    const char* text = textBuffers[storedListBuffer(command.listSelection, command.partType)];
    for (int line = 1; line < stockFaultLine && *text != '\0'; ++text) line += *text == '\n';
    char cp932[limits::LineSize];
    size_t length = strcspn(text, "\r\n");
    if (length >= sizeof cp932) length = sizeof cp932 - 1;
    memcpy(cp932, text, length);
    cp932[length] = '\0';
    char utf8[limits::LineSize * 3];
    cp932ToUtf8(cp932, utf8, sizeof utf8);
    fprintf(err,
            "combinix-search: line %d of %s, \"%s\", does not begin with a value above 0\n",
            stockFaultLine, list, utf8);
}

}  // namespace

bool readStockFile(const char* path, FILE* in, char* buffer, FILE* err) {
    // UTF-8 takes at most four bytes for what CP932 holds in one ("?" for a
    // character outside it): a longer file cannot fit.
    static char raw[4 * limits::TextSize + 1];
    FILE* f = strcmp(path, "-") == 0 ? in : openArgumentFile(path, "rb");
    if (f == nullptr) {
        fprintf(err, "combinix-search: cannot read %s\n", path);
        return false;
    }
    size_t n = fread(raw, 1, sizeof raw - 1, f);
    bool failed = ferror(f) != 0;
    bool longer = !failed && n == sizeof raw - 1 && fgetc(f) != EOF;
    if (f != in) fclose(f);
    if (failed) {
        fprintf(err, "combinix-search: cannot read %s\n", path);
        return false;
    }
    raw[n] = '\0';
    if (longer || strlen(raw) != n || !storeTypedText(buffer, raw)) {
        if (strlen(raw) != n) {
            fprintf(err, "combinix-search: %s holds a zero byte: a stock list is UTF-8 text\n", path);
        } else {
            fprintf(err,
                    "combinix-search: %s is too long for a list: a list holds at most %d bytes "
                    "once its line ends are CR LF\n",
                    path, limits::TextSize - 1);
        }
        buffer[0] = '\0';
        return false;
    }
    return true;
}

int runSearchCommand(int argc, const char* const* argv, FILE* in, FILE* out, FILE* err) {
    SearchCommand command;
    if (!parseSearchOptions(argc, argv, &command, err)) {
        printUsage(err);
        return ExitTrouble;
    }
    if (command.help) {
        printHelp(out);
        return ExitFound;
    }
    if (command.version) {
        printVersion(out);
        return ExitFound;
    }
    if (command.pair.on) return runPairCommand(command, in, out, err);

    resetSharedState();
    fillDefaultTexts();
    settings.language = command.language;
    settings.partType = command.partType;
    settings.listSelection = command.listSelection;
    settings.showAll = command.showAll ? 1 : 0;
    settings.parallelOnly = command.parallelOnly ? 1 : 0;
    for (int b = BufTarget; b <= BufRange; ++b) {
        if (command.inputs[b] != nullptr) storeTypedText(textBuffers[b], command.inputs[b]);
    }
    char* list = textBuffers[storedListBuffer(command.listSelection, command.partType)];
    if (command.stockFile != nullptr && !readStockFile(command.stockFile, in, list, err)) {
        return ExitTrouble;
    }
    // A finer series is written around the target, unless a stock file
    // fills its place as it would a built-in series'; with unusable inputs
    // the search reports them before it reads any list.
    if (command.finerSeries != 0 && command.stockFile == nullptr && readSearchInputs()) {
        writePreferredSeries(command.finerSeries, command.partType, searchParams.target,
                             searchParams.rangeFactor, list, limits::TextSize);
    }

    runSearch();
    if (command.sort == SortOrder::Error) sortByError();
    if (command.sort == SortOrder::Value) sortByValue();

    int drawingStatus = ExitFound;
    switch (command.format) {
        case OutputFormat::Text: drawingStatus = writeText(out, err, command.drawing); break;
        case OutputFormat::Csv: writeCsvRecords(out); break;
        case OutputFormat::Json: writeJsonDocument(out, command); break;
    }

    if (stockListed > stockCount) {
        fprintf(err, "combinix-search: the list names %d values; the first %d are searched\n",
                stockListed, stockCount);
    }
    switch (lastSearchEnd) {
        case SearchEnd::ParameterError: explainInputFaults(err); return ExitTrouble;
        case SearchEnd::StockListError: explainStockListError(command, err); return ExitTrouble;
        default: break;
    }
    // A drawing that could not be written is trouble, though all was printed.
    if (drawingStatus != ExitFound) return ExitTrouble;
    return settings.matchCount > 0 ? ExitFound : ExitNotFound;
}
