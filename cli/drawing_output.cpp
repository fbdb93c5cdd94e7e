// combinix-search's drawings: the records behind the printed lines, laid
// out once each and written in the forms the options ask for.
#include "cli/drawing_output.h"

#include <cstring>

#include "drawing/pair_schematic.h"
#include "drawing/schematic.h"
#include "drawing/schematic_svg.h"
#include "drawing/schematic_text.h"
#include "drawing/spice_subcircuit.h"
#include "engine/network_description.h"
#include "engine/result_lines.h"
#include "engine/shared_state.h"
#include "platform/code_page.h"
#include "platform/console_program.h"

namespace {

// Files are written for the first this many printed lines.
constexpr int FileLimit = 1000;
// The most lines a Result text holds: every line has at least
// limits::ShortestLineSize - 1 characters with its CR LF.
constexpr int LineCapacity = limits::TextSize / (limits::ShortestLineSize - 1) + 1;
// Room for one drawing in any of its forms: the largest, a terminal drawing
// of the full grid, is three bytes a cell.
constexpr int DrawingSize = 4 * limits::SchematicMaxColumns * limits::SchematicMaxRows;
// A file's path: the directory, a separator and "0001.svg".
constexpr int PathSize = 4096;

// A CP932 line of the Result text, printed as UTF-8 with LF.
void printLine(FILE* out, const char* line, size_t length) {
    char cp932[limits::LineSize * 2];
    char utf8[sizeof cp932 * 3];
    if (length >= sizeof cp932) length = sizeof cp932 - 1;
    memcpy(cp932, line, length);
    cp932[length] = '\0';
    cp932ToUtf8(cp932, utf8, sizeof utf8);
    fputs(utf8, out);
    fputc('\n', out);
}

class FileWriter {
  public:
    FileWriter(const char* directory, const char* extension, FILE* err)
        : directory_(directory), extension_(extension), err_(err) {}

    bool wanted() const { return directory_ != nullptr; }
    bool failed() const { return failed_; }

    // Writes `text` as file `number` (from 1) of the directory.
    void write(int number, const char* text, size_t length) {
        if (!wanted() || failed_ || number > FileLimit) return;
        if (!madeDirectory_) {
            madeDirectory_ = true;
            if (!makeArgumentDirectory(directory_)) {
                fail("cannot make the directory", directory_);
                return;
            }
        }
        char path[PathSize];
        const int n = snprintf(path, sizeof path, "%s/%04d.%s", directory_, number, extension_);
        if (n < 0 || n >= PathSize) {
            fail("the directory's name is too long:", directory_);
            return;
        }
        FILE* f = openArgumentFile(path, "wb");
        const bool written = f != nullptr && fwrite(text, 1, length, f) == length;
        if (f != nullptr && fclose(f) != 0) f = nullptr;
        if (!written || f == nullptr) fail("cannot write", path);
    }

  private:
    void fail(const char* what, const char* name) {
        fprintf(err_, "combinix-search: %s %s\n", what, name);
        failed_ = true;
    }

    const char* directory_;
    const char* extension_;
    FILE* err_;
    bool madeDirectory_ = false;
    bool failed_ = false;
};

}  // namespace

int printResultDrawings(FILE* out, FILE* err, const DrawingOptions& options) {
    static const MatchRecord* records[LineCapacity];
    static char drawing[DrawingSize];
    const int lines = recordsOfResultLines(resultText, records, LineCapacity);
    FileWriter svg(options.svgDirectory, "svg", err);
    FileWriter spice(options.spiceDirectory, "cir", err);
    const TextStyle style = options.ascii ? TextStyle::Ascii : TextStyle::BoxDrawing;

    const char* p = resultText;
    for (int k = 0; k < lines && *p != '\0'; ++k) {
        const size_t length = strcspn(p, "\r\n");
        printLine(out, p, length);
        Schematic schematic;
        if (records[k] != nullptr && layoutRecord(*records[k], &schematic)) {
            const MatchRecord& record = *records[k];
            if (options.draw) {
                TextSink sink(drawing, sizeof drawing);
                drawSchematicText(schematic, style, cp932ToUtf8, &sink);
                fputs(sink.text(), out);
                fputc('\n', out);
            }
            if (svg.wanted() && k < FileLimit) {
                TextSink sink(drawing, sizeof drawing);
                writeSchematicSvg(schematic, record.text, cp932ToUtf8, &sink);
                svg.write(k + 1, sink.text(), sink.length());
            }
            if (spice.wanted() && k < FileLimit) {
                char name[16];
                snprintf(name, sizeof name, "net%04d", k + 1);
                TextSink sink(drawing, sizeof drawing);
                writeSpiceSubcircuit(*networkDescription(record.shape->id), schematic, record.text,
                                     name, cp932ToUtf8, &sink);
                spice.write(k + 1, sink.text(), sink.length());
            }
        }
        p += length;
        if (*p == '\r') ++p;
        if (*p == '\n') ++p;
    }
    return svg.failed() || spice.failed() ? 2 : 0;
}

int printPairDrawings(FILE* out, FILE* err, const DrawingOptions& options, const PairRequest& request,
                      const PairRecord* records, int count, PairShownAs as, int language) {
    static PairSchematic pair;
    static char drawing[DrawingSize];
    char line[limits::PairTextSize];
    FileWriter svg(options.svgDirectory, "svg", err);
    FileWriter spice(options.spiceDirectory, "cir", err);
    const TextStyle style = options.ascii ? TextStyle::Ascii : TextStyle::BoxDrawing;
    for (int k = 0; k < count; ++k) {
        formatPairLine(request, records[k], as, language, line, sizeof line);
        printLine(out, line, strlen(line));
        if (!layoutPairRecord(records[k], request, &pair)) continue;
        if (options.draw) {
            TextSink sink(drawing, sizeof drawing);
            drawSchematicText(pair.drawing, style, cp932ToUtf8, &sink);
            fputs(sink.text(), out);
            fputc('\n', out);
        }
        if (svg.wanted() && k < FileLimit) {
            TextSink sink(drawing, sizeof drawing);
            writePairSvg(pair, line, cp932ToUtf8, &sink);
            svg.write(k + 1, sink.text(), sink.length());
        }
        if (spice.wanted() && k < FileLimit) {
            char name[16];
            snprintf(name, sizeof name, "pair%04d", k + 1);
            TextSink sink(drawing, sizeof drawing);
            writePairSpiceSubcircuit(pair, line, name, cp932ToUtf8, &sink);
            spice.write(k + 1, sink.text(), sink.length());
        }
    }
    return svg.failed() || spice.failed() ? 2 : 0;
}
