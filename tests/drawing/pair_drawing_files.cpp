// Writes the drawings of real pair searches as files, for the checks that
// read them as a user's tools would (check-svg-drawings parses the SVG with
// a real XML parser and renders it; check-spice-subcircuits simulates the
// subcircuits in ngspice): for every mode and part type, random small
// stocks with names in Japanese and with XML's specials, a search, and the
// first records and some spread over the rest as DIR/<case>/0001.svg,
// 0001.cir and 0001.txt (the terminal drawing). DIR/cases.json names each
// case with its mode, part types and Vref.
//
// usage: pair_drawing_files DIR
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <sys/stat.h>

#include "drawing/pair_schematic.h"
#include "drawing/schematic_text.h"
#include "engine/network_shapes.h"
#include "engine/search_inputs.h"
#include "platform/code_page.h"

namespace {

const char* const modeNames[PairModeCount] = {"ratio", "divider", "feedback", "rc", "lc"};
const char* const typeNames[3] = {"resistor", "capacitor", "inductor"};
const char* const units[3] = {"k", "n", "u"};
const double scales[3] = {1e3, 1e-9, 1e-6};
const double steps[] = {1, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2};
const char* const suffixes[] = {"", " metal", " \xe9\x87\x91\xe5\xb1\x9e" /* 金属 (UTF-8) */, " <&\"'>", " a/b+c"};
constexpr int FilesPerCase = 16;

bool writeFile(const std::string& path, const char* text, size_t length) {
    FILE* f = fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const bool written = fwrite(text, 1, length, f) == length;
    return fclose(f) == 0 && written;
}

double seriesOf(int partType, double value) { return partType == Capacitor ? 1 / value : value; }

// The pair's line as the files' captions carry it: the mode, the quantity,
// the error and both formulas with their names.
void captionOf(const PairRecord& r, const PairRequest& q, char* out, size_t size) {
    char formulas[2][limits::LineSize];
    const PairNetwork* networks[2] = {&r.a, &r.b};
    const PairSide* sides[2] = {&q.a, &q.b};
    for (int k = 0; k < 2; ++k) {
        const char* names[3] = {"", "", ""};
        for (int i = 0; i < networks[k]->partCount; ++i) names[i] = sides[k]->parts[networks[k]->picks[i]].name;
        formatFormula(*networkShape(networks[k]->shape), names, formulas[k], sizeof formulas[k]);
    }
    snprintf(out, size, "%d: %.6g, %+.2f%%, %s = %s, %s = %s", r.parts, r.quantity, r.errorPercent,
             pairNetworkName(q.mode, q.a.partType, 0), formulas[0], pairNetworkName(q.mode, q.a.partType, 1),
             formulas[1]);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: pair_drawing_files DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    mkdir(dir.c_str(), 0777);
    std::mt19937 random(2104);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::string manifest = "{\"cases\": [\n";
    int cases = 0;
    for (int mode = 0; mode < PairModeCount; ++mode) {
        for (int type = Resistor; type <= Inductor; ++type) {
            int typeA = type, typeB = type;
            if (mode == static_cast<int>(PairMode::Rc)) {
                if (type != Resistor) continue;
                typeB = Capacitor;
            }
            if (mode == static_cast<int>(PairMode::Lc)) {
                if (type != Inductor) continue;
                typeB = Capacitor;
            }
            for (int trial = 0; trial < 2; ++trial) {
                // Stocks: names as the user's lines, in CP932.
                static StockItem stocks[2][6];
                PairRequest request;
                request.mode = static_cast<PairMode>(mode);
                request.reference = 1.25;
                request.tolerancePercent = 5;
                request.threads = 1;
                PairSide* sides[2] = {&request.a, &request.b};
                const int types[2] = {typeA, typeB};
                for (int k = 0; k < 2; ++k) {
                    const int count = 3 + pick(4);
                    const double decade = std::pow(10.0, pick(2));
                    for (int i = 0; i < count; ++i) {
                        const double v = steps[pick(12)] * decade;
                        char utf8[64];
                        snprintf(utf8, sizeof utf8, "%g%s%s", v, units[types[k]], suffixes[pick(5)]);
                        utf8ToCp932(utf8, stocks[k][i].name, sizeof stocks[k][i].name);
                        stocks[k][i].value = v * scales[types[k]];
                    }
                    sides[k]->partType = types[k];
                    sides[k]->parts = stocks[k];
                    sides[k]->count = count;
                    sides[k]->maxParts = 1 + (trial + k + pick(2)) % 3;
                }
                // A target some pair of single parts meets, moved a little.
                request.target = pairQuantity(request, seriesOf(typeA, stocks[0][pick(request.a.count)].value),
                                              seriesOf(typeB, stocks[1][pick(request.b.count)].value)) *
                                 (0.98 + 0.04 * pick(100) / 100.0);
                PairSearch search;
                if (search.run(request) != PairFault::None || search.records().empty()) {
                    fprintf(stderr, "pair_drawing_files: the search of %s found nothing\n", modeNames[mode]);
                    return 1;
                }
                char name[64];
                snprintf(name, sizeof name, "%s-%s-%d", modeNames[mode], typeNames[type], trial);
                const std::string caseDir = dir + "/" + name;
                mkdir(caseDir.c_str(), 0777);
                const size_t total = search.records().size();
                const size_t step = total / FilesPerCase + 1;
                int files = 0;
                for (size_t r = 0; r < total && files < FilesPerCase; r += (files < 4 ? 1 : step)) {
                    const PairRecord& record = search.records()[r];
                    PairSchematic pair;
                    if (!layoutPairRecord(record, request, &pair)) {
                        fprintf(stderr, "pair_drawing_files: a record of %s is not drawn\n", name);
                        return 1;
                    }
                    ++files;
                    char caption[2 * limits::LineSize + 64];  // both formulas, the numbers and the names
                    captionOf(record, request, caption, sizeof caption);
                    char base[16];
                    snprintf(base, sizeof base, "/%04d", files);
                    static char text[64000];
                    TextSink svg(text, sizeof text);
                    writePairSvg(pair, caption, cp932ToUtf8, &svg);
                    char subcircuit[16];
                    snprintf(subcircuit, sizeof subcircuit, "pair%04d", files);
                    bool ok = !svg.cut() && writeFile(caseDir + base + ".svg", svg.text(), svg.length());
                    TextSink spice(text, sizeof text);
                    writePairSpiceSubcircuit(pair, caption, subcircuit, cp932ToUtf8, &spice);
                    ok = ok && !spice.cut() && writeFile(caseDir + base + ".cir", spice.text(), spice.length());
                    TextSink drawing(text, sizeof text);
                    drawSchematicText(pair.drawing, TextStyle::BoxDrawing, cp932ToUtf8, &drawing);
                    ok = ok && !drawing.cut() && writeFile(caseDir + base + ".txt", drawing.text(), drawing.length());
                    if (!ok) {
                        fprintf(stderr, "pair_drawing_files: cannot write %s%s\n", caseDir.c_str(), base);
                        return 1;
                    }
                }
                char entry[256];
                snprintf(entry, sizeof entry,
                         "%s  {\"dir\": \"%s\", \"mode\": \"%s\", \"types\": [\"%s\", \"%s\"], "
                         "\"reference\": %.17g, \"files\": %d}",
                         cases++ > 0 ? ",\n" : "", name, modeNames[mode], typeNames[typeA], typeNames[typeB],
                         request.reference, files);
                manifest += entry;
            }
        }
    }
    manifest += "\n]}\n";
    if (!writeFile(dir + "/cases.json", manifest.c_str(), manifest.size())) return 1;
    printf("%d cases written to %s\n", cases, dir.c_str());
    return 0;
}
