// The schematic layout read back from its geometry alone: for every shape
// and for the records of random searches of all three part types, the
// drawn circuit has the network's value and each part of its line once,
// and the drawing is a clean schematic that fits a small window.
#include "drawing/schematic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "engine/network_description.h"
#include "engine/network_shapes.h"
#include "engine/stock_list.h"
#include "tests/drawing/schematic_reading.h"
#include "tests/support/random_networks.h"

namespace {

using namespace schematic_reading;

const char* const typeNames[3] = {"resistor", "capacitor", "inductor"};

// Checks the drawing of a network of `n` parts named `names` (in formula
// order) against `value`.
void expectDrawnNetwork(const Schematic& s, int n, const std::string* names, double value,
                        const std::string& what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(s.partCount, n);
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(s.parts[i].position, i);
        EXPECT_EQ(s.parts[i].name.text, names[i]);
    }
    for (const std::string& p : geometryProblems(s)) ADD_FAILURE() << p;
    Circuit c = readCircuit(s);
    ASSERT_EQ(static_cast<int>(c.elements.size()), n);
    for (const Circuit::Element& e : c.elements) EXPECT_NE(e.a, e.b) << "a part shorted: " << e.name;
    const double drawn = solveValue(c, s.partType);
    EXPECT_NEAR(drawn, value, std::fabs(value) * 1e-9);
}

}  // namespace

TEST(SchematicLayout, EveryShapeReadsBackAsItsNetwork) {
    std::mt19937 random(13);
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    int maxWires = 0, maxJunctions = 0, maxColumns = 0, maxRows = 0;
    for (int id = 0; id < limits::NetworkShapeCount; ++id) {
        const NetworkDescription& d = *networkDescription(id);
        for (int type = Resistor; type <= Inductor; ++type) {
            for (int trial = 0; trial < 20; ++trial) {
                // Values over six decades, names from one to fifteen
                // characters, some of them the value itself.
                SchematicPartInput parts[5];
                std::string names[5];
                double series[5];
                for (int i = 0; i < d.partCount; ++i) {
                    const double value = std::pow(10.0, uniform(-3, 3)) * (type == Capacitor ? 1e-6 : 1);
                    names[i] = trial % 4 == 0 ? std::to_string(i)
                                              : std::string(1 + (trial * 7 + i * 3) % 15, 'a' + i);
                    parts[i] = {names[i].c_str(), value};
                    series[i] = type == Capacitor ? 1 / value : value;
                }
                const double v = describedValue(d, series);
                const double value = type == Capacitor ? 1 / v : v;
                Schematic s;
                ASSERT_TRUE(layoutSchematic(d, type, parts, value, &s)) << id;
                expectDrawnNetwork(s, d.partCount, names, value,
                                   "shape " + std::to_string(id) + ", " + typeNames[type]);
                maxWires = std::max(maxWires, s.wireCount);
                maxJunctions = std::max(maxJunctions, s.junctionCount);
                maxColumns = std::max(maxColumns, s.width / SchematicCellWidth);
                maxRows = std::max(maxRows, s.height / SchematicCellHeight);
            }
        }
    }
    // The stores keep room to spare (limits.h gives the numbers).
    EXPECT_LE(maxWires, limits::SchematicWireCapacity - 8);
    EXPECT_LE(maxJunctions, limits::SchematicJunctionCapacity - 4);
    EXPECT_LE(maxColumns, limits::SchematicMaxColumns - 16);
    EXPECT_LE(maxRows, limits::SchematicMaxRows - 8);
    RecordProperty("wires", maxWires);
    RecordProperty("junctions", maxJunctions);
    RecordProperty("columns", maxColumns);
    RecordProperty("rows", maxRows);
}

TEST(SchematicLayout, RecordsOfRandomSearchesReadBackAsRecorded) {
    RandomNetworks random(2013);
    bool seen[3][limits::MaxNetworkParts + 1] = {};
    bool bridges[3] = {};
    for (int search = 0; search < 30; ++search) {
        const int type = search % 3;
        random.search(type, {" metal", " <&\"'", "\t\x01x", " \x8b\xe0\x91\xae"});
        const int step = resultStore.recordCount / 200 + 1;
        for (int i = 0; i < resultStore.recordCount; i += step) {
            const MatchRecord& r = resultStore.records[i];
            Schematic s;
            ASSERT_TRUE(layoutRecord(r, &s));
            EXPECT_EQ(s.partType, type);
            EXPECT_EQ(s.value, r.value);
            // The names as drawn: the stock line's text, with what cannot
            // be drawn in one cell shown as "?" and no white space around.
            std::string names[5];
            for (int k = 0; k < r.shape->parts; ++k) {
                std::string name = stockParts[r.picks[k]].name;
                for (char& ch : name) {
                    if (ch == '\t') ch = ' ';
                    if (static_cast<unsigned char>(ch) < 0x20) ch = '?';
                }
                while (!name.empty() && name.back() == ' ') name.pop_back();
                names[k] = name;
            }
            expectDrawnNetwork(s, r.shape->parts, names, r.value, std::string(r.text, r.length - 2));
            seen[type][r.shape->parts] = true;
            bridges[type] = bridges[type] || r.shape->id == 41;
        }
    }
    for (int type = 0; type < 3; ++type) {
        for (int n = 1; n <= limits::MaxNetworkParts; ++n) EXPECT_TRUE(seen[type][n]) << type << " " << n;
        EXPECT_TRUE(bridges[type]) << typeNames[type];
    }
}

TEST(SchematicLayout, FiveShortNamedPartsFitASmallWindow) {
    // Names as long as "4.7k": every shape within 60 by 20 cells, 480 by
    // 320 pixels at the window's 8 by 16 per cell.
    for (int id = 0; id < limits::NetworkShapeCount; ++id) {
        const NetworkDescription& d = *networkDescription(id);
        const SchematicPartInput parts[5] = {{"4.7k", 4700}, {"10k", 1e4}, {"2.2k", 2200},
                                             {"47", 47},     {"1M", 1e6}};
        Schematic s;
        ASSERT_TRUE(layoutSchematic(d, Resistor, parts, 1, &s));
        EXPECT_LE(s.width / SchematicCellWidth, 60) << id;
        EXPECT_LE(s.height / SchematicCellHeight, 20) << id;
        // The longest names, each with its value shown, still fit the grid.
        const SchematicPartInput longest[5] = {{"1.00001k longer", 1000.01}, {"2k long name 15", 2000},
                                               {"3k long name 15", 3000},    {"4k long name 15", 4000},
                                               {"5k long name 15", 5000}};
        ASSERT_TRUE(layoutSchematic(d, Resistor, longest, 1, &s)) << id;
        EXPECT_LE(s.width / SchematicCellWidth, 93) << id;
        EXPECT_LE(s.height / SchematicCellHeight, 19) << id;
    }
}

TEST(SchematicLayout, NamesAndValuesAsDrawn) {
    const NetworkDescription& one = *networkDescription(0);
    struct Case {
        const char* name;
        int partType;
        double value;
        const char* drawnName;
        const char* drawnValue;  // empty where the name says it already
    } cases[] = {
        {"4.7k", Resistor, 4700, "4.7k", ""},
        {"4k7 carbon", Resistor, 4000, "4k7 carbon", "4k"},
        {"100n", Capacitor, 1e-7, "100n", ""},
        {"104 ceramic", Capacitor, 1e-7, "104 ceramic", "100nF"},
        {"  22u  ", Inductor, 2.2e-5, "22u", ""},
        {"1000", Resistor, 999.96, "1000", "1k"},
        {"a\tb\x1b[2J\r", Resistor, 1, "a b?[2J?", "1"},
        // A double-byte character cut at the end of the name.
        {"1k \x8b\xe0\x91", Resistor, 1000, "1k \x8b\xe0?", "1k"},
        {"1T", Resistor, 1e12, "1T", ""},
        {"huge", Resistor, 1e30, "huge", "1e+30"},
    };
    for (const Case& c : cases) {
        SchematicPartInput part{c.name, c.value};
        Schematic s;
        ASSERT_TRUE(layoutSchematic(one, c.partType, &part, c.value, &s));
        EXPECT_STREQ(s.parts[0].name.text, c.drawnName) << c.name;
        EXPECT_EQ(s.parts[0].name.cells, static_cast<int>(strlen(c.drawnName)));
        EXPECT_STREQ(s.parts[0].valueText.text, c.drawnValue) << c.name;
    }
}

TEST(SchematicLayout, RecordsThatNameNoNetworkAreNotDrawn) {
    MatchRecord r{};
    Schematic s;
    EXPECT_FALSE(layoutRecord(r, &s));  // no shape
    static const NetworkShape unknown{99, 1, "1:%8.3f%s,%6.2f%%, %s\r\n"};
    r.shape = &unknown;
    EXPECT_FALSE(layoutRecord(r, &s));
    r.shape = networkShape(0);
    r.picks[0] = static_cast<int16_t>(stockCount + 1);
    EXPECT_FALSE(layoutRecord(r, &s));
    EXPECT_EQ(s.partCount, 0);
}
