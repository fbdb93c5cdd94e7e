// The schematic of a pair read back from its geometry alone: for every mode,
// part type and pair of shapes, and for the records of real pair searches,
// the drawn circuit gives each network its value between the terminals it
// is joined to, a divider's or feedback pair's middle terminal the voltage
// of its quantity, and the drawing is a clean schematic inside the grid;
// then the writers of a pair: the terminal drawing, the SVG and SPICE.
#include "drawing/pair_schematic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "drawing/schematic_text.h"
#include "engine/network_description.h"
#include "engine/search_inputs.h"
#include "tests/drawing/schematic_reading.h"

namespace {

using namespace schematic_reading;

const char* const modeNames[PairModeCount] = {"ratio", "divider", "feedback", "rc", "lc"};

// The part types of A and B a mode takes: ratio, divider and feedback any
// one type on both sides, rc resistors and capacitors, lc inductors and
// capacitors.
std::vector<std::pair<int, int>> typesOf(PairMode mode) {
    if (mode == PairMode::Rc) return {{Resistor, Capacitor}};
    if (mode == PairMode::Lc) return {{Inductor, Capacitor}};
    return {{Resistor, Resistor}, {Capacitor, Capacitor}, {Inductor, Inductor}};
}

double seriesOf(int partType, double value) { return partType == Capacitor ? 1 / value : value; }

struct Terminals {
    int count;
    const char* names[4];
};

// What each mode's terminals are named, in their order.
Terminals terminalsOf(PairMode mode) {
    if (mode == PairMode::Divider) return {3, {"in", "out", "GND"}};
    if (mode == PairMode::Feedback) return {3, {"out", "FB", "GND"}};
    return {4, {"1", "2", "3", "4"}};
}

// The quantity the drawing gives, read from the circuit alone: a divider's
// out with one volt on in; Vref over the feedback node's share of Vout; the
// others from the two networks' values between their terminals.
double drawnQuantity(const PairSchematic& p, const Circuit& c, const PairRequest& request) {
    const std::vector<int>& t = c.terminals;
    if (p.mode == PairMode::Divider) {
        return nodeVoltages(c, {{t[0], 1.0}, {t[2], 0.0}}, admittanceOf)[t[1]];
    }
    if (p.mode == PairMode::Feedback) {
        return request.reference / nodeVoltages(c, {{t[0], 1.0}, {t[2], 0.0}}, admittanceOf)[t[1]];
    }
    const double a = networkValue(c, 0, t[0], t[1]), b = networkValue(c, 1, t[2], t[3]);
    return pairQuantity(request, seriesOf(p.networks[0].partType, a), seriesOf(p.networks[1].partType, b));
}

// Checks the drawing of `p`: names, terminals and networks where the mode
// puts them, a clean schematic, each network's value between its pins, and
// the quantity as the drawing gives it.
void expectDrawnPair(const PairSchematic& p, const PairRequest& request, const std::vector<std::string> names[2],
                     const double values[2], double quantity, const std::string& what) {
    SCOPED_TRACE(what);
    const Schematic& s = p.drawing;
    const Terminals terminals = terminalsOf(p.mode);
    ASSERT_EQ(s.terminalCount, terminals.count);
    for (int i = 0; i < terminals.count; ++i) EXPECT_STREQ(s.terminals[i].label.text, terminals.names[i]);
    ASSERT_EQ(s.labelCount, 2);
    ASSERT_EQ(s.partCount, static_cast<int>(names[0].size() + names[1].size()));
    for (int k = 0; k < 2; ++k) {
        const PairSchematicNetwork& n = p.networks[k];
        EXPECT_STREQ(s.labels[n.label].text, pairNetworkName(p.mode, p.networks[0].partType, k));
        ASSERT_EQ(n.partCount, static_cast<int>(names[k].size()));
        for (int i = 0; i < n.partCount; ++i) {
            const SchematicPart& part = s.parts[n.firstPart + i];
            EXPECT_EQ(part.network, k);
            EXPECT_EQ(part.position, i);
            EXPECT_EQ(part.name.text, names[k][static_cast<size_t>(i)]);
        }
        // The name stands above its network's parts, on a row of its own.
        for (int i = 0; i < n.partCount; ++i) {
            EXPECT_LT(cellRow(s.labels[n.label].middle), cellRow(s.parts[n.firstPart + i].name.middle));
        }
    }
    // Networks in a row meet at the node the middle terminal hangs from;
    // networks apart each have two terminals of their own.
    const std::vector<int> pins = p.mode == PairMode::Divider || p.mode == PairMode::Feedback
                                      ? std::vector<int>{0, 1, 1, 2}
                                      : std::vector<int>{0, 1, 2, 3};
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(p.networks[k].pins[0], pins[2 * k]);
        EXPECT_EQ(p.networks[k].pins[1], pins[2 * k + 1]);
    }
    for (const std::string& problem : geometryProblems(s)) ADD_FAILURE() << problem;
    EXPECT_LE(s.width / SchematicCellWidth, limits::SchematicMaxColumns);
    EXPECT_LE(s.height / SchematicCellHeight, limits::SchematicMaxRows);

    const Circuit c = readCircuit(s, {p.networks[0].ends[0], p.networks[0].ends[1], p.networks[1].ends[0],
                                      p.networks[1].ends[1]});
    ASSERT_EQ(static_cast<int>(c.terminals.size()), terminals.count);
    std::vector<int> distinct = c.terminals;
    std::sort(distinct.begin(), distinct.end());
    EXPECT_EQ(std::unique(distinct.begin(), distinct.end()), distinct.end()) << "terminals joined";
    for (int k = 0; k < 2; ++k) {
        const PairSchematicNetwork& n = p.networks[k];
        // Its ends are its pins' nodes, and its parts give its value there.
        EXPECT_EQ(c.points[static_cast<size_t>(2 * k)], c.terminals[static_cast<size_t>(n.pins[0])]);
        EXPECT_EQ(c.points[static_cast<size_t>(2 * k + 1)], c.terminals[static_cast<size_t>(n.pins[1])]);
        const double drawn = networkValue(c, k, c.terminals[static_cast<size_t>(n.pins[0])],
                                          c.terminals[static_cast<size_t>(n.pins[1])]);
        EXPECT_NEAR(drawn, values[k], std::fabs(values[k]) * 1e-9) << "network " << k;
        EXPECT_EQ(n.value, values[k]);
    }
    for (const Circuit::Element& e : c.elements) EXPECT_NE(e.a, e.b) << "a part shorted: " << e.name;
    EXPECT_NEAR(drawnQuantity(p, c, request), quantity, std::fabs(quantity) * 1e-9);
    EXPECT_EQ(p.quantity, quantity);
}

}  // namespace

TEST(PairSchematic, EveryModeAndPairOfShapesReadsBackAsItsPair) {
    std::mt19937 random(21);
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
    int maxWires = 0, maxJunctions = 0, maxColumns = 0, maxRows = 0;
    for (int mode = 0; mode < PairModeCount; ++mode) {
        for (auto [typeA, typeB] : typesOf(static_cast<PairMode>(mode))) {
            for (int shapeA = 0; shapeA < 7; ++shapeA) {
                for (int shapeB = 0; shapeB < 7; ++shapeB) {
                    for (int trial = 0; trial < 4; ++trial) {
                        // Names from one character to fifteen (the longest
                        // with their values shown), some the value itself,
                        // some Japanese.
                        const int types[2] = {typeA, typeB};
                        const int shapes[2] = {shapeA, shapeB};
                        std::vector<std::string> names[2];
                        SchematicPartInput parts[2][3];
                        double values[2];
                        for (int k = 0; k < 2; ++k) {
                            const NetworkDescription& d = *networkDescription(shapes[k]);
                            names[k].reserve(3);  // the parts point into the names
                            double series[3];
                            for (int i = 0; i < d.partCount; ++i) {
                                const double unit = types[k] == Capacitor ? 1e-6 : types[k] == Inductor ? 1e-3 : 1e3;
                                const double value = unit * std::pow(10.0, uniform(-2, 2));
                                std::string name = trial == 0   ? std::string(1, static_cast<char>('a' + i))
                                                   : trial == 1 ? std::string(15, static_cast<char>('m' + i))
                                                   : trial == 2 ? "\x8b\xe0\x91\xae" /* 金属 */ + std::to_string(i)
                                                                : std::to_string(k * 3 + i) + "k long";
                                names[k].push_back(name);
                                series[i] = seriesOf(types[k], value);
                                parts[k][i] = SchematicPartInput{names[k].back().c_str(), value};
                            }
                            values[k] = seriesOf(types[k], describedValue(d, series));
                        }
                        PairRequest request;
                        request.mode = static_cast<PairMode>(mode);
                        request.reference = 1.25;
                        const double quantity =
                            pairQuantity(request, seriesOf(typeA, values[0]), seriesOf(typeB, values[1]));
                        PairSchematic p;
                        ASSERT_TRUE(layoutPairSchematic(request.mode, {shapeA, typeA, parts[0], values[0]},
                                                        {shapeB, typeB, parts[1], values[1]}, quantity, 0.5, &p));
                        // Rebuilt each time: the drawing keeps copies of the names.
                        expectDrawnPair(p, request, names, values, quantity,
                                        std::string(modeNames[mode]) + " type " + std::to_string(typeA) +
                                            " shapes " + std::to_string(shapeA) + " " + std::to_string(shapeB) +
                                            " trial " + std::to_string(trial));
                        EXPECT_EQ(p.errorPercent, 0.5);
                        maxWires = std::max(maxWires, p.drawing.wireCount);
                        maxJunctions = std::max(maxJunctions, p.drawing.junctionCount);
                        maxColumns = std::max(maxColumns, p.drawing.width / SchematicCellWidth);
                        maxRows = std::max(maxRows, p.drawing.height / SchematicCellHeight);
                    }
                }
            }
        }
    }
    // The stores keep room to spare even for the widest names.
    EXPECT_LE(maxWires, limits::SchematicWireCapacity - 4);
    EXPECT_LE(maxJunctions, limits::SchematicJunctionCapacity - 4);
    EXPECT_LE(maxColumns, limits::SchematicMaxColumns - 4);
    EXPECT_LE(maxRows, limits::SchematicMaxRows - 4);
    RecordProperty("wires", maxWires);
    RecordProperty("junctions", maxJunctions);
    RecordProperty("columns", maxColumns);
    RecordProperty("rows", maxRows);
}

TEST(PairSchematic, RecordsOfPairSearchesReadBackAsRecorded) {
    std::mt19937 random(2121);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    static const char* const units[3] = {"k", "n", "u"};
    static const double scale[3] = {1e3, 1e-9, 1e-6};
    static const double series[] = {1, 1.2, 1.5, 2.2, 3.3, 4.7, 6.8};
    static const char* const suffixes[] = {"", " metal", " <&\"'>", "\x8b\xe0\x91\xae" /* 金属 */};
    int drawn[PairModeCount] = {};
    for (int search = 0; search < 30; ++search) {
        const PairMode mode = static_cast<PairMode>(search % PairModeCount);
        const auto types = typesOf(mode)[static_cast<size_t>(pick(static_cast<int>(typesOf(mode).size())))];
        // Each side's stock: three to five values over two decades, with
        // names that carry text after the value.
        StockItem stocks[2][5];
        PairSide* sides[2];
        PairRequest request;
        request.mode = mode;
        request.reference = 1.25;
        request.threads = 1;
        sides[0] = &request.a;
        sides[1] = &request.b;
        const int types2[2] = {types.first, types.second};
        for (int k = 0; k < 2; ++k) {
            const int count = 3 + pick(3);
            for (int i = 0; i < count; ++i) {
                const double v = series[pick(7)] * std::pow(10.0, pick(2));
                snprintf(stocks[k][i].name, sizeof stocks[k][i].name, "%g%s%s", v, units[types2[k]],
                         suffixes[pick(4)]);
                stocks[k][i].value = v * scale[types2[k]];
            }
            sides[k]->partType = types2[k];
            sides[k]->parts = stocks[k];
            sides[k]->count = count;
            sides[k]->maxParts = 1 + pick(3);
        }
        // A target that some pair of single parts meets, moved a little.
        const double a0 = seriesOf(types2[0], stocks[0][0].value), b0 = seriesOf(types2[1], stocks[1][0].value);
        request.target = pairQuantity(request, a0, b0) * (0.97 + 0.06 * (pick(100) / 100.0));
        request.tolerancePercent = 5;
        PairSearch pairs;
        ASSERT_EQ(pairs.run(request), PairFault::None) << search;
        ASSERT_FALSE(pairs.records().empty()) << search;
        const size_t step = pairs.records().size() / 40 + 1;
        for (size_t r = 0; r < pairs.records().size(); r += step) {
            const PairRecord& record = pairs.records()[r];
            PairSchematic p;
            ASSERT_TRUE(layoutPairRecord(record, request, &p));
            EXPECT_EQ(p.mode, mode);
            EXPECT_EQ(p.errorPercent, record.errorPercent);
            std::vector<std::string> names[2];
            const PairNetwork* networks[2] = {&record.a, &record.b};
            double values[2];
            for (int k = 0; k < 2; ++k) {
                EXPECT_EQ(p.networks[k].shape, networks[k]->shape);
                EXPECT_EQ(p.networks[k].partType, types2[k]);
                values[k] = networks[k]->value;
                for (int i = 0; i < networks[k]->partCount; ++i) {
                    std::string name = stocks[k][networks[k]->picks[i]].name;
                    names[k].push_back(name);
                }
            }
            expectDrawnPair(p, request, names, values, record.quantity,
                            std::string(modeNames[static_cast<int>(mode)]) + " search " + std::to_string(search));
            ++drawn[static_cast<int>(mode)];
        }
    }
    for (int mode = 0; mode < PairModeCount; ++mode) EXPECT_GE(drawn[mode], 20) << modeNames[mode];
}

TEST(PairSchematic, RecordsTheirRequestsDoNotHoldAreNotDrawn) {
    StockItem stock[2] = {{"1k", 1000}, {"2k", 2000}};
    PairRequest request;
    request.mode = PairMode::Divider;
    request.a = PairSide{Resistor, stock, 2, 2, {}};
    request.b = request.a;
    const PairRecord good{2, 0.5, 0, {0, 1, {0, -1, -1}, 1000}, {0, 1, {1, -1, -1}, 2000}};
    PairSchematic p;
    ASSERT_TRUE(layoutPairRecord(good, request, &p));

    struct Case {
        const char* what;
        void (*spoil)(PairRecord&, PairRequest&);
    } cases[] = {
        {"a pick past the stock", [](PairRecord& r, PairRequest&) { r.b.picks[0] = 2; }},
        {"a negative pick", [](PairRecord& r, PairRequest&) { r.a.picks[0] = -1; }},
        {"a shape of four parts", [](PairRecord& r, PairRequest&) { r.a.shape = 7; r.a.partCount = 4; }},
        {"no such shape", [](PairRecord& r, PairRequest&) { r.b.shape = 99; }},
        {"parts the shape has not", [](PairRecord& r, PairRequest&) { r.a.partCount = 2; }},
        {"a side without stock", [](PairRecord&, PairRequest& q) { q.b.parts = nullptr; }},
        {"no such mode", [](PairRecord&, PairRequest& q) { q.mode = static_cast<PairMode>(PairModeCount); }},
    };
    for (const Case& c : cases) {
        PairRecord r = good;
        PairRequest q = request;
        c.spoil(r, q);
        EXPECT_FALSE(layoutPairRecord(r, q, &p)) << c.what;
        EXPECT_EQ(p.drawing.partCount, 0) << c.what;
        EXPECT_EQ(p.drawing.terminalCount, 0) << c.what;
    }
    EXPECT_EQ(pairNetworkName(static_cast<PairMode>(-1), Resistor, 0), nullptr);
    EXPECT_EQ(pairNetworkName(PairMode::Ratio, Resistor, 2), nullptr);
}

TEST(PairSchematic, NetworksAreNamedAsTheirUsersNameThem) {
    struct Case {
        PairMode mode;
        int partType;
        const char* a;
        const char* b;
    } cases[] = {
        {PairMode::Ratio, Resistor, "R1", "R2"},     {PairMode::Divider, Capacitor, "C1", "C2"},
        {PairMode::Feedback, Resistor, "R1", "R2"},  {PairMode::Divider, Inductor, "L1", "L2"},
        {PairMode::Rc, Resistor, "R", "C"},          {PairMode::Lc, Inductor, "L", "C"},
        {PairMode::Ratio, 7, "R1", "R2"},  // a part type the layout draws as resistors
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(pairNetworkName(c.mode, c.partType, 0), c.a);
        EXPECT_STREQ(pairNetworkName(c.mode, c.partType, 1), c.b);
    }
}

namespace {

// A divider of 5.6k + 1k over 12k, and an rc pair of 1k + 2k / 3k and
// 1u / 2u: the drawings the writers' tests take.
PairSchematic dividerPair() {
    static const SchematicPartInput a[2] = {{"5.6k", 5600}, {"1k", 1000}};
    static const SchematicPartInput b[1] = {{"12k", 12000}};
    PairSchematic p;
    EXPECT_TRUE(layoutPairSchematic(PairMode::Divider, {1, Resistor, a, 6600}, {0, Resistor, b, 12000},
                                    12000 / 18600.0, -0.2, &p));
    return p;
}

PairSchematic rcPair() {
    // "%s +(%s / %s)": 1k + (2k / 3k) = 2.2k; 1u / 2u = 3u; tau 6.6 ms.
    static const SchematicPartInput r[3] = {{"1k", 1000}, {"2k", 2000}, {"3k", 3000}};
    static const SchematicPartInput c[2] = {{"1u", 1e-6}, {"2u", 2e-6}};
    PairSchematic p;
    EXPECT_TRUE(layoutPairSchematic(PairMode::Rc, {5, Resistor, r, 2200}, {2, Capacitor, c, 3e-6}, 6.6e-3, 0, &p));
    return p;
}

std::string textOf(const Schematic& s, TextStyle style) {
    static char buffer[32000];
    TextSink sink(buffer, sizeof buffer);
    EXPECT_TRUE(drawSchematicText(s, style, nullptr, &sink));
    return sink.text();
}

}  // namespace

TEST(PairSchematicText, TheTerminalsNamedAndTheNetworksAboveThem) {
    EXPECT_EQ(textOf(dividerPair().drawing, TextStyle::Ascii),
              "             R1              R2\n"
              "       5.6k      1k          12k\n"
              "in o--/\\/\\/\\---/\\/\\/\\---+---/\\/\\/\\--o GND\n"
              "                        |\n"
              "                        o out\n");
    // The shorter network's leads are drawn out to the longer one's ends.
    EXPECT_EQ(textOf(rcPair().drawing, TextStyle::BoxDrawing),
              "               R\n"
              "                  2k\n"
              "       1k    ┌──╱╲╱╲╱╲───┐\n"
              "1 ○──╱╲╱╲╱╲──┤           ├─○ 2\n"
              "             │    3k     │\n"
              "             └──╱╲╱╲╱╲───┘\n"
              "\n"
              "               C\n"
              "             1u\n"
              "          ┌──┤├───┐\n"
              "3 ○───────┤       ├────────○ 4\n"
              "          │  2u   │\n"
              "          └──┤├───┘\n");
}

TEST(PairSpiceSubcircuit, PinsAreTheDrawingsTerminals) {
    static char buffer[4000];
    TextSink divider(buffer, sizeof buffer);
    ASSERT_TRUE(writePairSpiceSubcircuit(dividerPair(), "2+1: 0.6452, -0.20%, R1 = 5.6k + 1k\r\n", "pair0001",
                                         nullptr, &divider));
    EXPECT_STREQ(divider.text(),
                 "* 2+1: 0.6452, -0.20%, R1 = 5.6k + 1k\n"
                 "* divider: 0.6451612903225806\n"
                 "* R1 between IN and OUT: 6600 ohm\n"
                 "* R2 between OUT and GND: 12000 ohm\n"
                 "* R1a: 5.6k\n"
                 "* R1b: 1k\n"
                 "* R2: 12k\n"
                 ".subckt pair0001 IN OUT GND\n"
                 "R1a IN 1 5600\n"
                 "R1b 1 OUT 1000\n"
                 "R2 OUT GND 12000\n"
                 ".ends pair0001\n");
    // Numbered pins: the inner nodes follow them.
    TextSink rc(buffer, sizeof buffer);
    ASSERT_TRUE(writePairSpiceSubcircuit(rcPair(), nullptr, "pair0002", nullptr, &rc));
    EXPECT_STREQ(rc.text(),
                 "* rc: 0.0066 s\n"
                 "* R between 1 and 2: 2200 ohm\n"
                 "* C between 3 and 4: 3e-06 farad\n"
                 "* R1a: 1k\n"
                 "* R1b: 2k\n"
                 "* R1c: 3k\n"
                 "* C1a: 1u\n"
                 "* C1b: 2u\n"
                 ".subckt pair0002 1 2 3 4\n"
                 "R1a 1 5 1000\n"
                 "R1b 5 2 2000\n"
                 "R1c 5 2 3000\n"
                 "C1a 3 4 1e-06\n"
                 "C1b 3 4 2e-06\n"
                 ".ends pair0002\n");
    // A feedback pair of single parts: the elements are the networks.
    static const SchematicPartInput r1[1] = {{"3.3k\r\n.end", 3300}};
    static const SchematicPartInput r2[1] = {{"2k", 2000}};
    PairSchematic feedback;
    ASSERT_TRUE(layoutPairSchematic(PairMode::Feedback, {0, Resistor, r1, 3300}, {0, Resistor, r2, 2000},
                                    3.3125, 0.38, &feedback));
    TextSink f(buffer, sizeof buffer);
    ASSERT_TRUE(writePairSpiceSubcircuit(feedback, nullptr, "fb", nullptr, &f));
    EXPECT_STREQ(f.text(),
                 "* feedback: 3.3125 V\n"
                 "* R1 between OUT and FB: 3300 ohm\n"
                 "* R2 between FB and GND: 2000 ohm\n"
                 "* R1: 3.3k??.end\n"
                 "* R2: 2k\n"
                 ".subckt fb OUT FB GND\n"
                 "R1 OUT FB 3300\n"
                 "R2 FB GND 2000\n"
                 ".ends fb\n");
}

TEST(PairSchematicSvg, TheModeTheNetworksAndTheTerminalsReadBack) {
    static char buffer[32000];
    // Names with XML's specials in A, Japanese in B.
    static const SchematicPartInput a[1] = {{"<&\"'>", 4700}};
    static const SchematicPartInput b[2] = {{"\x8b\xe0" /* 金 */, 1e4}, {"x", 2e4}};
    PairSchematic p;
    ASSERT_TRUE(layoutPairSchematic(PairMode::Ratio, {0, Resistor, a, 4700}, {1, Resistor, b, 3e4}, 4700 / 3e4,
                                    1.0 / 3, &p));
    TextSink sink(buffer, sizeof buffer);
    ASSERT_TRUE(writePairSvg(p, "1+2: 0.1567, +0.33%", nullptr, &sink));
    const std::string file = sink.text();
    const std::string expected[] = {
        "data-mode=\"ratio\" data-quantity=\"0.15666666666666668\" data-error=\"0.3333333333333333\"",
        "<g class=\"network\" data-name=\"R1\" data-type=\"resistor\" data-value=\"4700\"",
        "data-pins=\"1 2\"><text class=\"network-name\"",
        "<g class=\"network\" data-name=\"R2\" data-type=\"resistor\" data-value=\"30000\"",
        "data-pins=\"3 4\">",
        "<g class=\"part\" data-name=\"&lt;&amp;&quot;&apos;&gt;\" data-network=\"R1\" data-value=\"4700\"",
        "<g class=\"part\" data-name=\"\x8b\xe0\" data-network=\"R2\" data-value=\"10000\"",
        "<circle class=\"terminal\" cx=\"", "data-name=\"4\"/>\n<text class=\"terminal-name\"",
        ".network-name { font-weight: bold; }",
    };
    for (const std::string& e : expected) EXPECT_NE(file.find(e), std::string::npos) << e;
    // The root speaks of the pair, not of one network.
    const std::string root = file.substr(file.find("<svg "), file.find('\n', file.find("<svg ")) - file.find("<svg "));
    EXPECT_EQ(root.find("data-type"), std::string::npos) << root;
    for (size_t at = file.find('<'); at != std::string::npos; at = file.find('<', at + 1)) {
        const char next = file[at + 1];
        EXPECT_TRUE(next == '?' || next == '/' || (next >= 'a' && next <= 'z')) << file.substr(at, 20);
    }
    // Too small a buffer says so.
    char small[200];
    TextSink tooSmall(small, sizeof small);
    EXPECT_FALSE(writePairSvg(p, nullptr, nullptr, &tooSmall));
    TextSink tooSmallSpice(small, 20);
    EXPECT_FALSE(writePairSpiceSubcircuit(p, nullptr, "x", nullptr, &tooSmallSpice));
}
