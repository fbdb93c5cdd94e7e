// The page's bindings: what the page's worker calls in the WebAssembly
// build. A search is the command line's own runSearchCommand, with the
// page's inputs turned into its options and its standard streams caught in
// fixed buffers, so the page shows exactly the lines, outcome and messages
// that combinix-search prints for the same inputs. The records of the last
// search stay in the library's stores, for the sort buttons and the
// schematic of a chosen line. The search runs on the worker's one thread;
// its progress and live result lines reach the page through the library's
// seams (engine/result_display.h), a few times a second at most.
#include <emscripten.h>
#include <sys/stat.h>

#include <climits>
#include <cstdio>
#include <cstring>

#include "cli/search_cli.h"
#include "cli/search_options.h"
#include "drawing/schematic.h"
#include "drawing/schematic_svg.h"
#include "drawing/text_sink.h"
#include "engine/builtin_lists.h"
#include "engine/limits.h"
#include "engine/outcome_line_texts.h"
#include "engine/pair_search.h"
#include "engine/pair_texts.h"
#include "engine/result_display.h"
#include "engine/result_lines.h"
#include "engine/result_ordering.h"
#include "engine/search_frame.h"
#include "engine/search_tasks.h"
#include "engine/shared_state.h"
#include "platform/code_page.h"
#include "web/page_texts.h"

#ifndef COMBINIX_VERSION
#error "COMBINIX_VERSION comes from the project's version in CMakeLists.txt"
#endif

namespace {

// Standard output holds at most the Result text and the outcome text, each
// a text buffer of CP932, in UTF-8: up to three bytes for each CP932 byte.
constexpr int OutputSize = 3 * 2 * limits::TextSize + 1024;
// Standard error holds a few lines of messages.
constexpr int ErrorSize = 16 * 1024;
// A drawing's SVG: as the command line's --svg writes it.
constexpr int SvgSize = 4 * limits::SchematicMaxColumns * limits::SchematicMaxRows;
// The most result lines a Result text holds (as cli/drawing_output.cpp).
constexpr int LineCapacity = limits::TextSize / (limits::ShortestLineSize - 1) + 1;
// The progress and the live results are shown at most this often.
constexpr double ShowEveryMilliseconds = 250;

char output[OutputSize];
char errors[ErrorSize];
char svg[SvgSize];
char converted[3 * limits::TextSize];

// Catches what `write` prints into `buffer` (zero-terminated, cut at its
// size).
template <class Write>
void capture(char* buffer, int size, Write write) {
    memset(buffer, 0, static_cast<size_t>(size));
    FILE* f = fmemopen(buffer, static_cast<size_t>(size - 1), "w");
    if (f == nullptr) return;
    write(f);
    fclose(f);
    buffer[size - 1] = '\0';
}

// A CP932 text of the library as UTF-8 with LF line ends, as the page shows
// texts and as the command line prints them.
const char* pageText(const char* cp932) {
    cp932ToUtf8(cp932, converted, sizeof converted);
    char* to = converted;
    for (const char* from = converted; *from != '\0'; ++from) {
        if (*from == '\r' && from[1] == '\n') continue;
        *to++ = *from;
    }
    *to = '\0';
    return converted;
}

double lastProgressShown = 0;
double lastResultsShown = 0;

// The progress line as the window paints it, in the search's language.
void showProgressLine() {
    double now = emscripten_get_now();
    if (now - lastProgressShown < ShowEveryMilliseconds) return;
    lastProgressShown = now;
    int parts, permille;
    progressReached(&parts, &permille);
    char line[limits::LineSize];
    const int found = settings.matchCount;
    formatProgressLine(line, sizeof line, parts, permille / 10, found);
    EM_ASM({ if (Module.onProgress) Module.onProgress(UTF8ToString($0), $1); }, pageText(line), found);
}

// A pair search's progress line, as the Pair window paints it from the
// search's counts, and beside it the outcome the window would show were the
// search aborted now (the page shows it when Abort ends the worker, which
// then can tell no more).
void showPairProgressLine(const PairProgress& progress) {
    double now = emscripten_get_now();
    if (now - lastProgressShown < ShowEveryMilliseconds) return;
    lastProgressShown = now;
    const int64_t matches = progress.matches;
    const int found = matches > INT_MAX ? INT_MAX : static_cast<int>(matches);
    char line[limits::LineSize];
    formatProgressLine(line, sizeof line, progress.parts, progress.permille / 10, found);
    char aborted[limits::LineSize];
    formatPairOutcome(matches, 0, true, settings.language, aborted, sizeof aborted);
    char shown[3 * limits::LineSize];
    cp932ToUtf8(aborted, shown, sizeof shown);
    EM_ASM({ if (Module.onProgress) Module.onProgress(UTF8ToString($0), $1, UTF8ToString($2)); },
           pageText(line), found, shown);
}

// The Result text as the recorder updates it while the search runs.
void showLiveResults(const char* text) {
    double now = emscripten_get_now();
    if (now - lastResultsShown < ShowEveryMilliseconds) return;
    lastResultsShown = now;
    EM_ASM({ if (Module.onResults) Module.onResults(UTF8ToString($0)); }, pageText(text));
}

// Writes `text` as the file `name` of the worker's own file system (in
// memory), where the command's --stock and --stock-b read it.
void writeListFile(const char* name, const char* text) {
    if (name == nullptr) return;
    FILE* f = fopen(name, "wb");
    if (f == nullptr) return;
    fwrite(text, 1, strlen(text), f);
    fclose(f);
}

// The pair search's drawings: the page asks for them with --svg=drawings,
// and the command writes one file a shown line (drawings/0001.svg, ...).
constexpr char PairDrawings[] = "drawings";
bool lastSearchWasPair = false;

// The drawing file of line `line` (from 0).
void drawingPath(int line, char* path, size_t size) { snprintf(path, size, "%s/%04d.svg", PairDrawings, line + 1); }

void removeDrawings() {
    char path[64];
    for (int line = 0;; ++line) {
        drawingPath(line, path, sizeof path);
        if (remove(path) != 0) break;
    }
}

}  // namespace

extern "C" {

// Runs combinix-search with `argc` arguments (argv[0] the program's name,
// UTF-8). The lists of the page (`stockName` "List 1" to "List 3" for the
// search or side A, `stockBName` "List 1 (B)" to "List 3 (B)" for side B of
// a pair, each null for none) are handed to the command as the files its
// --stock and --stock-b name, with their texts (UTF-8) in them, so that a
// message names a list as the page does. Returns the exit status;
// webOutput() and webErrors() hold what it printed. A usage error is
// reported without the usage synopsis, which names no control of the page.
EMSCRIPTEN_KEEPALIVE int webRunSearch(int argc, const char* const* argv, const char* stockName,
                                      const char* stockText, const char* stockBName, const char* stockBText) {
    SearchCommand check;
    bool usable = true;
    capture(errors, ErrorSize, [&](FILE* err) { usable = parseSearchOptions(argc, argv, &check, err); });
    output[0] = '\0';
    removeDrawings();
    lastSearchWasPair = false;
    if (!usable) return ExitTrouble;
    lastSearchWasPair = check.pair.on;
    // The single search sets the language itself; the pair search's
    // progress line reads it too.
    settings.language = check.language;

    writeListFile(stockName, stockText);
    writeListFile(stockBName, stockBText);
    int status = ExitTrouble;
    // The first progress line at once, then every ShowEveryMilliseconds.
    lastProgressShown = emscripten_get_now() - ShowEveryMilliseconds;
    lastResultsShown = emscripten_get_now();
    capture(errors, ErrorSize, [&](FILE* err) {
        capture(output, OutputSize, [&](FILE* out) { status = runSearchCommand(argc, argv, stdin, out, err); });
    });
    if (stockName != nullptr) remove(stockName);
    if (stockBName != nullptr) remove(stockBName);
    return status;
}

EMSCRIPTEN_KEEPALIVE const char* webOutput() { return output; }
EMSCRIPTEN_KEEPALIVE const char* webErrors() { return errors; }

// Orders the records of the last search by error (0) or by value (1), as
// the window's sort buttons do, and prints the Result text and the outcome
// line into webOutput(), and the notes beside them into webErrors(), as
// combinix-search --sort prints them.
EMSCRIPTEN_KEEPALIVE void webSortResults(int byValue) {
    if (byValue != 0) {
        sortByValue();
    } else {
        sortByError();
    }
    capture(output, OutputSize, [](FILE* out) { printResultText(out); });
    capture(errors, ErrorSize, [](FILE* err) {
        printOmittedRecordsNote(err);
        printListCutNote(err);
    });
}

// The SVG of result line `line` (from 0) of the last search, with the line
// above the drawing; "" when there is no such line. A pair's is the file
// the command wrote for it.
EMSCRIPTEN_KEEPALIVE const char* webLineSvg(int line) {
    static const MatchRecord* records[LineCapacity];
    svg[0] = '\0';
    if (lastSearchWasPair) {
        char path[64];
        drawingPath(line, path, sizeof path);
        FILE* f = line >= 0 ? fopen(path, "rb") : nullptr;
        if (f == nullptr) return svg;
        size_t n = fread(svg, 1, sizeof svg - 1, f);
        fclose(f);
        svg[n] = '\0';
        return svg;
    }
    const int lines = recordsOfResultLines(resultText, records, LineCapacity);
    if (line < 0 || line >= lines || records[line] == nullptr) return svg;
    Schematic schematic;
    if (!layoutRecord(*records[line], &schematic)) return svg;
    TextSink sink(svg, sizeof svg);
    writeSchematicSvg(schematic, records[line]->text, cp932ToUtf8, &sink);
    return svg;
}

// The page's captions: their count, the name of caption `i` and its text in
// `language` (0 Japanese, 1 English), in UTF-8.
EMSCRIPTEN_KEEPALIVE int webPageTextCount() { return PageTextCount; }
EMSCRIPTEN_KEEPALIVE const char* webPageTextName(int i) {
    return i >= 0 && i < PageTextCount ? pageTexts[i].name : "";
}
EMSCRIPTEN_KEEPALIVE const char* webPageText(int i, int language) {
    if (i < 0 || i >= PageTextCount) return "";
    return pageText(language == 1 ? pageTexts[i].english : pageTexts[i].japanese);
}

// The program's initial text of text buffer `buffer` (the inputs 1 to 4,
// the stored lists from 10 on: storedListBuffer), in UTF-8 with LF.
EMSCRIPTEN_KEEPALIVE const char* webInitialText(int buffer) {
    for (const DefaultText& d : defaultTexts) {
        if (d.buffer == buffer) return pageText(d.text);
    }
    return "";
}

EMSCRIPTEN_KEEPALIVE const char* webVersion() { return COMBINIX_VERSION; }

// The progress line before a search reaches its networks ("Searching..."),
// in `language`: what the page shows from Execute on, until the search
// tells more.
EMSCRIPTEN_KEEPALIVE const char* webSearchStartingText(int language) {
    const int current = settings.language;
    settings.language = language;
    char line[limits::LineSize];
    formatProgressLine(line, sizeof line, 0, 0, 0);
    settings.language = current;
    return pageText(line);
}

// The outcome of a pair search aborted before it found a pair, in
// `language`: what the page shows when Abort ends the worker before the
// search has told its progress.
EMSCRIPTEN_KEEPALIVE const char* webPairAbortedText(int language) {
    char line[limits::LineSize];
    formatPairOutcome(0, 0, true, language, line, sizeof line);
    return pageText(line);
}

}  // extern "C"

// The worker's start: one search thread (the web build has no threads), and
// the seams that carry the progress and the live lines to the page.
int main() {
    setSearchThreadCount(1);
    mkdir(PairDrawings, 0777);
    installProgressDisplay(showProgressLine);
    installPairProgressDisplay(showPairProgressLine);
    installResultDisplay(showLiveResults);
    return 0;
}
