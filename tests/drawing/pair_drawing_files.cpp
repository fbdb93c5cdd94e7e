// Writes the drawings of real pair searches as files, for the checks that
// read them as a user's tools would (check-svg-drawings parses the SVG with
// a real XML parser and renders it; check-spice-subcircuits simulates the
// subcircuits in ngspice): for every mode and part type, random small
// stocks with names in Japanese and with XML's specials, a search, and the
// first records and some spread over the rest as DIR/<case>/0001.svg,
// 0001.cir and 0001.txt (the terminal drawing). DIR/cases.json names each
// case with its mode, part types and Vref. The worked examples of the
// manual go with them (DIR/example-*).
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
const char* const suffixes[] = {"", " metal", "\x8b\xe0\x91\xae" /* 金属 */, " <&\"'>", " a/b+c"};
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

// Writes the records of `search` from `first` on, the first few and some
// spread over the rest, as the files of case `name`, and its entry in the
// manifest; `captioned`: with the pair's line above the drawing. False,
// with the reason on standard error, when one is not drawn or not written.
bool writeCase(const std::string& dir, const char* name, const PairRequest& request, const PairSearch& search,
               size_t first, bool captioned, std::string* manifest, int* cases) {
    const std::string caseDir = dir + "/" + name;
    mkdir(caseDir.c_str(), 0777);
    const size_t total = search.records().size();
    const size_t step = total / FilesPerCase + 1;
    int files = 0;
    for (size_t r = first; r < total && files < FilesPerCase; r += (files < 4 ? 1 : step)) {
        const PairRecord& record = search.records()[r];
        PairSchematic pair;
        if (!layoutPairRecord(record, request, &pair)) {
            fprintf(stderr, "pair_drawing_files: a record of %s is not drawn\n", name);
            return false;
        }
        ++files;
        char caption[2 * limits::LineSize + 64];  // both formulas, the numbers and the names
        captionOf(record, request, caption, sizeof caption);
        char base[16];
        snprintf(base, sizeof base, "/%04d", files);
        static char text[64000];
        TextSink svg(text, sizeof text);
        writePairSvg(pair, captioned ? caption : nullptr, cp932ToUtf8, &svg);
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
            return false;
        }
    }
    char entry[256];
    snprintf(entry, sizeof entry,
             "%s  {\"dir\": \"%s\", \"mode\": \"%s\", \"types\": [\"%s\", \"%s\"], "
             "\"reference\": %.17g, \"files\": %d}",
             (*cases)++ > 0 ? ",\n" : "", name, modeNames[static_cast<int>(request.mode)],
             typeNames[request.a.partType], typeNames[request.b.partType], request.reference, files);
    *manifest += entry;
    return true;
}

// A side's stock of an E series over decades from `first`: "1.2k", "330n".
int seriesStock(const double* series, int count, double first, int decades, const char* unit, StockItem* out) {
    static const char* const prefixes[] = {"p", "n", "u", "m", "", "k", "M"};
    int n = 0;
    for (int d = 0; d < decades; ++d) {
        for (int i = 0; i < count; ++i) {
            const double value = series[i] * first * std::pow(10.0, d);
            const int exponent = static_cast<int>(std::floor(std::log10(value * 1.0000001) / 3));
            snprintf(out[n].name, sizeof out[n].name, "%g%s%s", value / std::pow(1000.0, exponent),
                     prefixes[exponent + 4], unit);
            out[n++].value = value;
        }
    }
    return n;
}

const double e24[24] = {1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0,
                        3.3, 3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1};
const double e12[12] = {1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2};
const double e6[6] = {1.0, 1.5, 2.2, 3.3, 4.7, 6.8};

// The worked examples, each from its best record of networks of more than
// one part: a 5 V to 3.3 V divider from E24, a 1.25 V regulator set to
// 3.3 V, a 1 kHz rc low-pass from E12 and E6, a 455 kHz lc tank. Their
// first drawings (DIR/example-*.png once rendered) are those of the manual.
bool writeExamples(const std::string& dir, std::string* manifest, int* cases) {
    static StockItem a[200], b[200];
    struct Example {
        const char* name;
        PairMode mode;
        double target, tolerance;
        int typeA, typeB;
    } examples[] = {
        {"example-divider", PairMode::Divider, 3.3 / 5, 0.5, Resistor, Resistor},
        {"example-feedback", PairMode::Feedback, 3.3, 0.5, Resistor, Resistor},
        {"example-rc", PairMode::Rc, 1 / (2 * 3.14159265358979323846 * 1000), 1, Resistor, Capacitor},
        {"example-lc", PairMode::Lc, 455e3, 1, Inductor, Capacitor},
    };
    for (const Example& e : examples) {
        PairRequest request;
        request.mode = e.mode;
        request.target = e.target;
        request.reference = 1.25;
        request.tolerancePercent = e.tolerance;
        request.threads = 1;
        int countA = 0, countB = 0;
        if (e.mode == PairMode::Rc) {
            countA = seriesStock(e12, 12, 1e3, 2, "", a);
            countB = seriesStock(e6, 6, 1e-9, 3, "", b);
        } else if (e.mode == PairMode::Lc) {
            countA = seriesStock(e6, 6, 1e-6, 3, "", a);
            countB = seriesStock(e6, 6, 1e-12, 4, "", b);
        } else {
            countA = countB = seriesStock(e24, 24, 1e3, 2, "", a);
        }
        request.a = PairSide{e.typeA, a, countA, 2, {}};
        request.b = e.mode == PairMode::Rc || e.mode == PairMode::Lc ? PairSide{e.typeB, b, countB, 2, {}} : request.a;
        PairSearch search;
        if (search.run(request) != PairFault::None || search.records().empty()) {
            fprintf(stderr, "pair_drawing_files: the example %s found nothing\n", e.name);
            return false;
        }
        size_t first = 0;
        while (first + 1 < search.records().size() &&
               (search.records()[first].a.partCount < 2 || search.records()[first].b.partCount < 2)) {
            ++first;
        }
        // Without the line, which the drawing's front ends print their own way.
        if (!writeCase(dir, e.name, request, search, first, false, manifest, cases)) return false;
    }
    return true;
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
                // Stocks: names as the user's lines (CP932), at most 11 bytes.
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
                        snprintf(stocks[k][i].name, sizeof stocks[k][i].name, "%g%s%s", v, units[types[k]],
                                 suffixes[pick(5)]);
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
                if (!writeCase(dir, name, request, search, 0, true, &manifest, &cases)) return 1;
            }
        }
    }
    if (!writeExamples(dir, &manifest, &cases)) return 1;
    manifest += "\n]}\n";
    if (!writeFile(dir + "/cases.json", manifest.c_str(), manifest.size())) return 1;
    printf("%d cases written to %s\n", cases, dir.c_str());
    return 0;
}
