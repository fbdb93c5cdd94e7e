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

// The Result text as the recorder updates it while the search runs.
void showLiveResults(const char* text) {
    double now = emscripten_get_now();
    if (now - lastResultsShown < ShowEveryMilliseconds) return;
    lastResultsShown = now;
    EM_ASM({ if (Module.onResults) Module.onResults(UTF8ToString($0)); }, pageText(text));
}

}  // namespace

extern "C" {

// Runs combinix-search with `argc` arguments (argv[0] the program's name,
// UTF-8). A list of the page's (`stockName` "List 1" to "List 3", or null)
// is handed to the command as the file its --stock names, with `stockText`
// (UTF-8) in it, so that a message names the list as the page does.
// Returns the exit status; webOutput() and webErrors() hold what it
// printed. A usage error is reported without the usage synopsis, which
// names no control of the page.
EMSCRIPTEN_KEEPALIVE int webRunSearch(int argc, const char* const* argv, const char* stockName,
                                      const char* stockText) {
    SearchCommand check;
    bool usable = true;
    capture(errors, ErrorSize, [&](FILE* err) { usable = parseSearchOptions(argc, argv, &check, err); });
    output[0] = '\0';
    if (!usable) return ExitTrouble;

    // The worker's own file system, in memory: the file lives for this
    // search only.
    if (stockName != nullptr) {
        FILE* f = fopen(stockName, "wb");
        if (f != nullptr) {
            fwrite(stockText, 1, strlen(stockText), f);
            fclose(f);
        }
    }
    int status = ExitTrouble;
    // The first progress line at once, then every ShowEveryMilliseconds.
    lastProgressShown = emscripten_get_now() - ShowEveryMilliseconds;
    lastResultsShown = emscripten_get_now();
    capture(errors, ErrorSize, [&](FILE* err) {
        capture(output, OutputSize, [&](FILE* out) { status = runSearchCommand(argc, argv, stdin, out, err); });
    });
    if (stockName != nullptr) remove(stockName);
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

// The SVG of result line `line` (from 0) of the last search's Result text,
// with the line above the drawing; "" when there is no such line.
EMSCRIPTEN_KEEPALIVE const char* webLineSvg(int line) {
    static const MatchRecord* records[LineCapacity];
    svg[0] = '\0';
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

}  // extern "C"

// The worker's start: one search thread (the web build has no threads), and
// the seams that carry the progress and the live lines to the page.
int main() {
    setSearchThreadCount(1);
    installProgressDisplay(showProgressLine);
    installResultDisplay(showLiveResults);
    return 0;
}
