// The three writers of a schematic: the terminal drawing, the SVG file and
// the SPICE subcircuit, with the user's names as they come.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "drawing/schematic.h"
#include "drawing/schematic_svg.h"
#include "drawing/schematic_text.h"
#include "drawing/spice_subcircuit.h"
#include "engine/network_description.h"
#include "engine/search_inputs.h"

namespace {

Schematic layout(int shape, int partType, std::vector<SchematicPartInput> parts, double value) {
    Schematic s;
    EXPECT_TRUE(layoutSchematic(*networkDescription(shape), partType, parts.data(), value, &s));
    return s;
}

std::string text(const Schematic& s, TextStyle style) {
    static char buffer[32000];
    TextSink sink(buffer, sizeof buffer);
    EXPECT_TRUE(drawSchematicText(s, style, nullptr, &sink));
    return sink.text();
}

std::string svg(const Schematic& s, const char* caption) {
    static char buffer[32000];
    TextSink sink(buffer, sizeof buffer);
    EXPECT_TRUE(writeSchematicSvg(s, caption, nullptr, &sink));
    return sink.text();
}

std::vector<std::string> rows(const std::string& drawing) {
    std::vector<std::string> out;
    size_t at = 0;
    while (at < drawing.size()) {
        size_t end = drawing.find('\n', at);
        out.push_back(drawing.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

}  // namespace

TEST(SchematicText, ANestedNetworkInBothStyles) {
    // "%s /(%s +(%s / %s))": 10k across 1k in series with two 2.2k in parallel.
    Schematic s = layout(16, Resistor, {{"10k", 1e4}, {"1k", 1e3}, {"2k2", 2200}, {"2.2k", 2200}},
                         1);
    EXPECT_EQ(text(s, TextStyle::Ascii),
              "      10k\n"
              "  +--/\\/\\/\\-----------------+\n"
              "o-+                         +-o\n"
              "  |              2k2        |\n"
              "  |          +--/\\/\\/\\---+  |\n"
              "  |    1k    |   2.2k    |  |\n"
              "  +--/\\/\\/\\--+           +--+\n"
              "             |   2.2k    |\n"
              "             +--/\\/\\/\\---+\n");
    // The same with lines; "2k2" is drawn with its value, which its name
    // spells otherwise.
    EXPECT_EQ(text(s, TextStyle::BoxDrawing),
              "      10k\n"
              "  ┌──╱╲╱╲╱╲─────────────────┐\n"
              "○─┤                         ├─○\n"
              "  │              2k2        │\n"
              "  │          ┌──╱╲╱╲╱╲───┐  │\n"
              "  │    1k    │   2.2k    │  │\n"
              "  └──╱╲╱╲╱╲──┤           ├──┘\n"
              "             │   2.2k    │\n"
              "             └──╱╲╱╲╱╲───┘\n");
}

TEST(SchematicText, TheBridgeAsADiamond) {
    Schematic s = layout(41, Capacitor,
                         {{"47n", 47e-9}, {"220n", 220e-9}, {"100n", 1e-7}, {"47n", 47e-9},
                          {"220n", 220e-9}},
                         1);
    EXPECT_EQ(text(s, TextStyle::BoxDrawing),
              "       47n        47n\n"
              "      ─┤├────┬────┤├──\n"
              "     ╱       │        ╲\n"
              "    ╱        │         ╲\n"
              "   ╱        ─┴─ 100n    ╲\n"
              "○─<         ─┬─          >─○\n"
              "   ╲         │          ╱\n"
              "    ╲        │         ╱\n"
              "     ╲ 220n  │   220n ╱\n"
              "      ──┤├───┴────┤├──\n");
}

TEST(SchematicText, NoNameBreaksARow) {
    // Names that try: line breaks, a terminal's escape sequences, tabs,
    // Japanese (CP932), a double-byte character cut short, XML's specials.
    const char* const names[] = {"1k\r\nX", "\x1b[31mred", "a\tb\x7f", "\x8b\xe0\x91\xae\x94\xe7",
                                 "\x8b\xe0\x91", "<&\"'>", "15 characters!!"};
    for (int id = 0; id < limits::NetworkShapeCount; ++id) {
        std::vector<SchematicPartInput> parts;
        for (int i = 0; i < 5; ++i) parts.push_back({names[(id + i) % 7], 1000.0 * (i + 1)});
        Schematic s = layout(id, Resistor, parts, 1);
        // ASCII with the names' bytes unchanged: one byte is one cell, so
        // each row is at most as long as the grid is wide.
        const std::string drawing = text(s, TextStyle::Ascii);
        const int columns = s.width / SchematicCellWidth;
        int lines = 0;
        for (const std::string& row : rows(drawing)) {
            ++lines;
            EXPECT_LE(static_cast<int>(row.size()), columns) << id << ": " << row;
            for (char c : row) EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7f) << id;
        }
        EXPECT_LE(lines, s.height / SchematicCellHeight);
        // The terminal row runs from one terminal to the other.
        const std::string terminalRow = rows(drawing)[cellRow(s.terminals[0].point)];
        EXPECT_EQ(terminalRow.front(), 'o') << id;
        EXPECT_EQ(static_cast<int>(terminalRow.size()), columns) << id;
        EXPECT_EQ(terminalRow.back(), 'o') << id;
        for (int i = 0; i < s.partCount; ++i) {
            EXPECT_NE(drawing.find(s.parts[i].name.text), std::string::npos) << id;
        }
    }
}

TEST(SchematicSvg, NamesAreEscapedAndValuesReadBack) {
    Schematic s = layout(2, Inductor, {{"<a&b>", 2.2e-5}, {"\"q\" 'x'\x01", 1.0 / 3}}, 0.123456789012345678);
    const std::string file = svg(s, "2: 123.457m, 0.00%, <a&b> / \"q\" 'x'\x01\r\n");
    EXPECT_NE(file.find("data-name=\"&lt;a&amp;b&gt;\""), std::string::npos);
    EXPECT_NE(file.find("data-name=\"&quot;q&quot; &apos;x&apos;?\""), std::string::npos);
    EXPECT_NE(file.find("&lt;a&amp;b&gt; / &quot;q&quot; &apos;x&apos;?</text>"), std::string::npos);
    EXPECT_NE(file.find("data-type=\"inductor\" data-value=\"0.12345678901234568\""), std::string::npos);
    // The shortest forms that read back as the same numbers.
    EXPECT_NE(file.find("data-value=\"2.2e-05\""), std::string::npos);
    EXPECT_NE(file.find("data-value=\"0.3333333333333333\""), std::string::npos);
    // Nothing raw of the names: every "<" opens a tag of the writer's own.
    for (size_t at = file.find('<'); at != std::string::npos; at = file.find('<', at + 1)) {
        const char next = file[at + 1];
        EXPECT_TRUE(next == '?' || next == '/' || (next >= 'a' && next <= 'z')) << file.substr(at, 20);
    }
    for (char c : file) EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 && c != '\n');
}

TEST(SpiceSubcircuit, NodesFollowTheNetwork) {
    // "%s + (%s + %s)/(%s + %s)" and the bridge.
    Schematic nested = layout(40, Capacitor,
                              {{"1u", 1e-6}, {"2u", 2e-6}, {"3u", 3e-6}, {"4u\r\n.end", 4e-6}, {"5u", 5e-6}},
                              1.5e-6);
    static char buffer[4000];
    TextSink sink(buffer, sizeof buffer);
    ASSERT_TRUE(writeSpiceSubcircuit(*networkDescription(40), nested, "5: 1.50000u,  0.00%, x\r\n",
                                     "net0007", nullptr, &sink));
    EXPECT_STREQ(sink.text(),
                 "* 5: 1.50000u,  0.00%, x\n"
                 "* value: 1.5e-06 farad\n"
                 "* C1: 1u\n"
                 "* C2: 2u\n"
                 "* C3: 3u\n"
                 "* C4: 4u??.end\n"
                 "* C5: 5u\n"
                 ".subckt net0007 1 2\n"
                 "C1 1 3 1e-06\n"
                 "C2 3 4 2e-06\n"
                 "C3 4 2 3e-06\n"
                 "C4 3 5 4e-06\n"
                 "C5 5 2 5e-06\n"
                 ".ends net0007\n");
    Schematic bridge = layout(41, Resistor, {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}, {"e", 5}}, 2);
    TextSink bridgeSink(buffer, sizeof buffer);
    ASSERT_TRUE(writeSpiceSubcircuit(*networkDescription(41), bridge, nullptr, "b", nullptr, &bridgeSink));
    EXPECT_NE(std::string(bridgeSink.text())
                  .find("R1 1 3 1\nR2 1 4 2\nR3 3 4 3\nR4 3 2 4\nR5 4 2 5\n"),
              std::string::npos);
}

TEST(TextSink, StopsAtItsSizeAndSaysSo) {
    char buffer[8];
    TextSink sink(buffer, sizeof buffer);
    sink.put("1234");
    sink.put("5678");
    EXPECT_TRUE(sink.cut());
    EXPECT_STREQ(buffer, "1234");
    Schematic s = layout(18, Resistor, {{"a", 1}, {"b", 1}, {"c", 1}, {"d", 1}, {"e", 1}}, 5);
    char small[100];
    TextSink tooSmall(small, sizeof small);
    EXPECT_FALSE(writeSchematicSvg(s, nullptr, nullptr, &tooSmall));
    EXPECT_LT(strlen(small), sizeof small);
}
