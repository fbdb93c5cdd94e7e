// combinix-search's schematics, in-process: --draw on the default search and
// on its bridges, names that try to break the drawing, and the SVG and
// SPICE files of the printed lines.
#include "cli/search_cli.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/temp_directory.h"

namespace {

struct Output {
    int status;
    std::string out, err;
};

// Runs the command with its standard output and error caught in memory.
Output run(std::vector<std::string> args, const std::string& input = "") {
    std::vector<const char*> argv{"combinix-search"};
    for (const std::string& a : args) argv.push_back(a.c_str());
    char* outText = nullptr;
    char* errText = nullptr;
    size_t outSize = 0, errSize = 0;
    FILE* out = open_memstream(&outText, &outSize);
    FILE* err = open_memstream(&errText, &errSize);
    // Standard input holds the text and nothing more (no zero byte).
    FILE* in = tmpfile();
    fwrite(input.data(), 1, input.size(), in);
    rewind(in);
    Output o;
    o.status = runSearchCommand(static_cast<int>(argv.size()), argv.data(), in, out, err);
    fclose(in);
    fclose(out);
    fclose(err);
    o.out.assign(outText, outSize);
    o.err.assign(errText, errSize);
    free(outText);
    free(errText);
    return o;
}

// The blocks of --draw: a result line, its drawing, an empty line.
std::vector<std::vector<std::string>> blocksOf(const std::string& out) {
    std::vector<std::vector<std::string>> blocks(1);
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty()) {
            blocks.emplace_back();
        } else {
            blocks.back().push_back(line);
        }
    }
    return blocks;
}

std::string join(const std::vector<std::string>& rows, size_t from) {
    std::string text;
    for (size_t i = from; i < rows.size(); ++i) text += rows[i] + "\n";
    return text;
}

// Columns a UTF-8 text takes on a terminal: two for the wide East Asian
// characters, one for the others.
int columnsOf(const std::string& text) {
    int columns = 0;
    for (size_t i = 0; i < text.size();) {
        unsigned c = static_cast<unsigned char>(text[i]);
        int length = c < 0x80 ? 1 : c < 0xe0 ? 2 : c < 0xf0 ? 3 : 4;
        unsigned code = length == 1 ? c : c & (0x7f >> length);
        for (int k = 1; k < length && i + k < text.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3f);
        }
        const bool wide = (code >= 0x1100 && code <= 0x115f) || (code >= 0x2e80 && code <= 0xa4cf) ||
                          (code >= 0xac00 && code <= 0xd7a3) || (code >= 0xf900 && code <= 0xfaff) ||
                          (code >= 0xfe30 && code <= 0xfe4f) || (code >= 0xff00 && code <= 0xff60) ||
                          (code >= 0xffe0 && code <= 0xffe6);
        columns += wide ? 2 : 1;
        i += length;
    }
    return columns;
}

std::string readFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

bool exists(const std::string& path) {
    struct stat s;
    return stat(path.c_str(), &s) == 0;
}

}  // namespace

TEST(DrawingOutput, DefaultSearchWithItsSchematics) {
    const Output plain = run({});
    const Output drawn = run({"--draw"});
    ASSERT_EQ(drawn.status, 0);
    std::vector<std::vector<std::string>> blocks = blocksOf(drawn.out);
    // Every result line in its order, each with a drawing; the outcome last.
    std::istringstream lines(plain.out);
    std::vector<std::string> expected;
    for (std::string line; std::getline(lines, line);) expected.push_back(line);
    ASSERT_EQ(blocks.size(), expected.size());
    for (size_t i = 0; i + 1 < blocks.size(); ++i) {
        ASSERT_GE(blocks[i].size(), 3u);
        EXPECT_EQ(blocks[i][0], expected[i]);
    }
    EXPECT_EQ(blocks.back(), std::vector<std::string>{"26 set(s) found."});

    EXPECT_EQ(blocks[0][0], "4: 1.42857k,  0.60%, 10k / 10k /(1k + 1k)");
    EXPECT_EQ(join(blocks[0], 1),
              "      10k\n"
              "  ┌──╱╲╱╲╱╲────────────┐\n"
              "  │                    │\n"
              "  │   10k              │\n"
              "  ├──╱╲╱╲╱╲────────────┤\n"
              "○─┤                    ├─○\n"
              "  │    1k       1k     │\n"
              "  └──╱╲╱╲╱╲───╱╲╱╲╱╲───┘\n");
    EXPECT_EQ(blocks[8][0], "5: 1.42489k,  0.34%, Bridge(10k, 1k, 100, 1k, 1k)");
    EXPECT_EQ(join(blocks[8], 1),
              "        10k         1k\n"
              "      ─╱╲╱╲╱╲──┬──╱╲╱╲╱╲─\n"
              "     ╱         │         ╲\n"
              "    ╱          │          ╲\n"
              "   ╱          ┌┴┐ 100      ╲\n"
              "○─<           │ │           >─○\n"
              "   ╲          └┬┘          ╱\n"
              "    ╲          │          ╱\n"
              "     ╲   1k    │    1k   ╱\n"
              "      ─╱╲╱╲╱╲──┴──╱╲╱╲╱╲─\n");

    // Plain ASCII for terminals without line characters.
    blocks = blocksOf(run({"--draw", "--ascii"}).out);
    EXPECT_EQ(join(blocks[8], 1),
              "        10k         1k\n"
              "      -/\\/\\/\\--+--/\\/\\/\\-\n"
              "     /         |         \\\n"
              "    /          |          \\\n"
              "   /          +-+ 100      \\\n"
              "o-<           | |           >-o\n"
              "   \\          +-+          /\n"
              "    \\          |          /\n"
              "     \\   1k    |    1k   /\n"
              "      -/\\/\\/\\--+--/\\/\\/\\-\n");
}

TEST(DrawingOutput, NamesNeverBreakARow) {
    // Names in UTF-8 as typed: Japanese (two columns a character, one cut
    // short by the fifteen-byte name), XML's specials, a terminal's escape.
    const std::string stock =
        "1k5 金属皮膜抵抗器\n"
        "2.2k <&\"'>\n"
        "4.7k \x1b[7mX\n"
        "10k ｶﾀｶﾅ\n";
    for (const char* style : {"--draw", "--ascii"}) {
        std::vector<std::string> args = {"--target", "3.3k", "--tolerance", "20", "--show-all",
                                         "--stock",  "-",    "--draw"};
        if (std::string(style) == "--ascii") args.push_back("--ascii");
        const Output o = run(args, stock);
        ASSERT_EQ(o.status, 0);
        EXPECT_NE(o.out.find("金属皮膜"), std::string::npos);
        EXPECT_NE(o.out.find("<&\"'>"), std::string::npos);
        EXPECT_NE(o.out.find("ｶﾀｶﾅ"), std::string::npos);
        std::vector<std::vector<std::string>> blocks = blocksOf(o.out);
        ASSERT_GT(blocks.size(), 20u);
        for (size_t b = 0; b + 1 < blocks.size(); ++b) {
            // The terminal row runs from one terminal to the other; no row
            // of the drawing is wider.
            int width = -1;
            for (size_t r = 1; r < blocks[b].size(); ++r) {
                const std::string& row = blocks[b][r];
                if (row.rfind("o-", 0) == 0 || row.rfind("○─", 0) == 0) width = columnsOf(row);
            }
            ASSERT_GT(width, 0) << blocks[b][0];
            // The result line is printed as the Result box holds it; the
            // drawing shows the escape character as "?".
            EXPECT_EQ(join(blocks[b], 1).find('\x1b'), std::string::npos);
            for (size_t r = 1; r < blocks[b].size(); ++r) {
                EXPECT_LE(columnsOf(blocks[b][r]), width) << blocks[b][0] << "\n" << join(blocks[b], 1);
            }
        }
    }
}

TEST(DrawingOutput, FilesOfThePrintedLinesInTheirOrder) {
    TemporaryCurrentDirectory here;
    const Output o = run({"--svg", "svg", "--spice=spice", "--sort", "value"});
    ASSERT_EQ(o.status, 0) << o.err;
    std::istringstream lines(o.out);
    std::vector<std::string> printed;
    for (std::string line; std::getline(lines, line);) printed.push_back(line);
    ASSERT_EQ(printed.size(), 27u);
    for (int k = 1; k <= 26; ++k) {
        char name[16];
        snprintf(name, sizeof name, "%04d", k);
        const std::string svg = readFile(std::string("svg/") + name + ".svg");
        const std::string cir = readFile(std::string("spice/") + name + ".cir");
        EXPECT_NE(svg.find("<title>" + printed[k - 1] + "</title>"), std::string::npos) << k;
        EXPECT_EQ(cir.rfind("* " + printed[k - 1] + "\n", 0), 0u) << k;
        EXPECT_NE(cir.find(std::string(".subckt net") + name + " 1 2\n"), std::string::npos) << k;
    }
    EXPECT_FALSE(exists("svg/0027.svg"));
}

TEST(DrawingOutput, AtMostAThousandFiles) {
    // 500 parts of three names give more short lines than a thousand; the
    // search stops at its match limit and the lines are those shown live.
    std::string stock;
    for (int i = 0; i < 500; ++i) stock += std::to_string(1 + i % 3) + "\n";
    TemporaryCurrentDirectory here;
    const Output o = run({"--target", "3", "--tolerance", "70", "--max-parts", "2", "--show-all",
                          "--stock", "-", "--svg", "many"},
                         stock);
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_GT(std::count(o.out.begin(), o.out.end(), '\n'), 1001);
    EXPECT_TRUE(exists("many/1000.svg"));
    EXPECT_FALSE(exists("many/1001.svg"));
}

TEST(DrawingOutput, DirectoriesThatCannotBeWritten) {
    TemporaryCurrentDirectory here;
    std::ofstream("taken") << "a file, not a directory";
    const Output o = run({"--svg", "taken"});
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("taken"), std::string::npos);
    // The output is all there all the same.
    EXPECT_NE(o.out.find("26 set(s) found."), std::string::npos);
    const Output missing = run({"--spice"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("--spice needs a value (DIR)"), std::string::npos);
}
