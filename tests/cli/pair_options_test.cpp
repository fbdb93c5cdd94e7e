// combinix-search --pair as a script meets it: usage errors that name the
// option, the text and what it takes; the single search's abbreviations
// kept; each side's stock from a list, a series or a file, and refused
// rather than cut; requests the library refuses; the exit statuses; the
// outcome line in both languages; the drawings.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>

#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tests/cli/cli_run.h"

namespace {

using Args = std::vector<std::string>;

Args with(Args base, const Args& more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

int filesIn(const std::string& directory) {
    DIR* d = opendir(directory.c_str());
    if (d == nullptr) return -1;
    int n = 0;
    while (dirent* e = readdir(d)) n += e->d_name[0] != '.';
    closedir(d);
    return n;
}

const Args Divider = {"--pair", "divider", "--vin", "5", "--vout", "3.3"};

}  // namespace

TEST(PairOptions, UsageErrorsNameTheOptionAndWhatItTakes) {
    struct Case {
        Args args;
        const char* message;
    } cases[] = {
        {{"--vin", "5"}, "--vin goes with the pair search (--pair)"},
        {{"--target", "1k", "--limit", "3"}, "--limit goes with the pair search (--pair)"},
        {{"--pair", "pie"}, "--pair does not take \"pie\" (ratio, divider, feedback, rc or lc)"},
        {with(Divider, {"--range", "2"}), "--range goes with the single search; the pair search takes --range-a"},
        {with(Divider, {"--show-all"}), "--show-all goes with the single search, not with --pair"},
        {with(Divider, {"--sort", "error"}), "--sort goes with the single search, not with --pair"},
        {{"--pair", "rc", "--type", "c", "--target", "1m"},
         "--type goes with --pair ratio, divider and feedback: --pair rc takes resistors and capacitors"},
        {{"--pair", "lc", "--frequency", "1k", "--range-total", "1..2"},
         "--range-total goes with --pair ratio, divider and feedback"},
        {{"--pair", "divider"}, "--pair divider needs --target, or --vin and --vout"},
        {{"--pair", "divider", "--vin", "5"}, "--pair divider needs --target, or --vin and --vout"},
        {{"--pair", "divider", "--target", "0.5", "--vout", "3"}, "takes --target or --vin and --vout, not both"},
        {{"--pair", "feedback", "--vref", "1.25"}, "--pair feedback needs --vref and --vout"},
        {{"--pair", "feedback", "--target", "3.3", "--vref", "1.25", "--vout", "3.3"},
         "--target does not go with --pair feedback, which takes --vref and --vout"},
        {{"--pair", "lc", "--target", "1"}, "--target does not go with --pair lc, which takes --frequency"},
        {{"--pair", "ratio", "--target", "2", "--frequency", "1k"}, "--frequency does not go with --pair ratio"},
        {{"--pair", "rc", "--target", "1m", "--frequency", "1k"}, "not both"},
        {{"--pair", "ratio", "--target", "abc"}, "--target does not take \"abc\" (a ratio above 0"},
        {{"--pair", "ratio", "--target", "-2"}, "--target does not take \"-2\" (a ratio above 0"},
        {{"--pair", "rc", "--target", "0"}, "--target does not take \"0\" (a time constant above 0 in seconds"},
        {{"--pair", "divider", "--vin", "5 V", "--vout", "3.3"}, "--vin does not take \"5 V\" (a voltage above 0"},
        {{"--pair", "lc", "--frequency", "455kHz"}, "--frequency does not take \"455kHz\" (a frequency above 0"},
        {with(Divider, {"--tolerance", "0"}), "--tolerance does not take \"0\" (a number of percent above 0"},
        {with(Divider, {"--tolerance", "x"}), "--tolerance does not take \"x\""},
        {with(Divider, {"--max-parts", "4"}), "--max-parts does not take \"4\" (a whole number from 1 to 3"},
        // Read before --pair, and still with the pair search's rule.
        {with({"--max-parts", "7"}, Divider), "--max-parts does not take \"7\" (a whole number from 1 to 3"},
        {with(Divider, {"--limit", "-1"}), "--limit does not take \"-1\" (a whole number of 0 or more)"},
        {with(Divider, {"--limit", "5", "--format", "csv"}), "--limit goes with the text format"},
        {with(Divider, {"--range-a", "100k..1k"}), "--range-a does not take \"100k..1k\" (MIN..MAX"},
        {with(Divider, {"--range-b", "1k"}), "--range-b does not take \"1k\" (MIN..MAX"},
        {with(Divider, {"--range-total", "1k..x"}), "--range-total does not take \"1k..x\""},
        {with(Divider, {"--list", "E24", "--stock", "-"}), "--list and --stock both name side A's stock"},
        {with(Divider, {"--list-b", "E24", "--stock-b", "-"}), "--list-b and --stock-b both name side B's stock"},
        {with(Divider, {"--stock", "-", "--stock-b", "-"}), "--stock and --stock-b cannot both read standard input"},
        {with(Divider, {"--list-b", "E50"}), "--list-b does not take \"E50\""},
        {with(Divider, {"--svg", "/tmp/x", "--format", "json"}), "--draw, --svg and --spice go with the text format"},
    };
    for (const Case& c : cases) {
        CliRun r = runCli(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.out, "") << c.message;
        EXPECT_EQ(r.err.compare(0, 17, "combinix-search: "), 0) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("usage: combinix-search"), std::string::npos) << c.message;
    }
    // A capacitor range is read in the capacitor's notation: 0.5 (uF) to
    // 500n is one value, not an empty range.
    CliRun r = runCli({"--pair", "divider", "--type", "c", "--target", "0.5", "--range-a", "0.5..500n"});
    EXPECT_NE(r.status, 2) << r.err;
}

TEST(PairOptions, TheSingleSearchKeepsItsAbbreviations) {
    const std::string stock = writeStock("1k\n470\n");
    // --sto, --rang and --lis each abbreviated one option before the pair
    // search's --stock-b, --range-a and --list-b came.
    CliRun spelled = runCli({"--target", "1.47k", "--stock", stock, "--range", "10", "--max-parts", "2"});
    CliRun abbreviated = runCli({"--targ", "1.47k", "--sto", stock, "--rang", "10", "--max", "2"});
    EXPECT_EQ(spelled.status, 0);
    EXPECT_EQ(abbreviated.out, spelled.out);
    EXPECT_EQ(abbreviated.status, 0) << abbreviated.err;
    EXPECT_EQ(runCli({"--lis", "E12", "--target", "1k"}).out, runCli({"--list", "E12", "--target", "1k"}).out);
    // A value is never read as an option: the target "--rang" stays a text.
    CliRun value = runCli({"--target", "--rang"});
    EXPECT_EQ(value.status, 2);
    EXPECT_NE(value.err.find("the target \"--rang\""), std::string::npos) << value.err;
    // The new options take their own abbreviations where they are unique.
    EXPECT_EQ(runCli({"--pai", "divider", "--vi", "5", "--vo", "3.3", "--lim", "1"}).status, 0);
    EXPECT_NE(runCli({"--stock-", "x"}).err.find("--stock-b goes with the pair search"), std::string::npos);
}

TEST(PairOptions, EachSideTakesItsStock) {
    auto json = [](const Args& args, const std::string& input = "") {
        CliRun r = runCli(with(args, {"--format", "json"}), input);
        EXPECT_LE(r.status, 1) << r.err;
        return nlohmann::json::parse(r.out, nullptr, false);
    };
    // B takes A's stock: the very file, or A's series over its own decades.
    const std::string stock = writeStock("1k mine\n2k\n3.3k\n");
    nlohmann::json d = json(with(Divider, {"--stock", stock, "--tolerance", "50"}));
    ASSERT_FALSE(d.is_discarded());
    EXPECT_EQ(d["sides"]["a"]["stock_values"], 3);
    EXPECT_EQ(d["sides"]["b"]["stock_values"], 3);
    EXPECT_EQ(d["sides"]["b"]["stock_of_a"], true);
    EXPECT_EQ(d["records"][0]["a"]["parts"][0]["name"], "1k mine");
    d = json(with(Divider, {"--list", "E12", "--range-b", "1k..10k"}));
    EXPECT_EQ(d["sides"]["a"]["stock_values"], 60);  // five default decades
    EXPECT_EQ(d["sides"]["b"]["stock_values"], 12);  // one
    // Without a range of its own B takes A's very values.
    d = json(with(Divider, {"--list", "E12", "--range-a", "1k..10k"}));
    EXPECT_EQ(d["sides"]["a"]["stock_values"], 12);
    EXPECT_EQ(d["sides"]["b"]["stock_values"], 12);
    EXPECT_EQ(d["sides"]["b"]["range"], nullptr);
    EXPECT_EQ(d["sides"]["b"]["list"], "E12");
    // E24 where no list is named; List 2 of the window's resistors (56
    // values, "4,7" read as 4 ohm as the window reads it).
    EXPECT_EQ(json(Divider)["sides"]["a"]["list"], "E24");
    EXPECT_EQ(json(with(Divider, {"--list", "2"}))["sides"]["a"]["stock_values"], 56);
    // rc and lc: --list for R or L, --list-b for C, E24 for C by default.
    d = json({"--pair", "rc", "--frequency", "1k", "--list", "E6", "--stock-b", "-"}, "10n\n100n\n");
    EXPECT_EQ(d["sides"]["a"]["type"], "resistor");
    EXPECT_EQ(d["sides"]["b"]["type"], "capacitor");
    EXPECT_EQ(d["sides"]["b"]["stock_values"], 2);
    EXPECT_EQ(d["quantity"]["name"], "cutoff");
    d = json({"--pair", "lc", "--frequency", "455k"});
    EXPECT_EQ(d["sides"]["b"]["list"], "E24");
    EXPECT_EQ(d["sides"]["a"]["label"], "L");

    // Refused, never cut: a file past the 500 a side takes, a line that is
    // no value, a series over more decades than fit.
    std::string many;
    for (int i = 1; i <= 501; ++i) many += std::to_string(i) + "\n";
    CliRun r = runCli(with(Divider, {"--stock", writeStock(many)}));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("R1's stock"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("names 501 values; a side takes at most 500"), std::string::npos) << r.err;
    r = runCli(with(Divider, {"--stock-b", writeStock("1k\nten\n")}));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("line 2 of R2's stock"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("\"ten\""), std::string::npos) << r.err;
    r = runCli(with(Divider, {"--list", "E192"}));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("R1: E192 over the decades of its range holds 960 values, more than the 500 a side "
                         "takes; give it a narrower range. (--range-a)"),
              std::string::npos)
        << r.err;
    r = runCli(with(Divider, {"--stock", "/nonexistent/stock"}));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("cannot read /nonexistent/stock"), std::string::npos) << r.err;
}

TEST(PairOptions, RequestsTheSearchRefuses) {
    struct Case {
        Args args;
        const char* message;
    } cases[] = {
        // No divider gives more than its input.
        {{"--pair", "divider", "--vin", "3", "--vout", "5"},
         "the ratio 1.66667, less the tolerance, must be below 1; give Vout below Vin. (--target, --vin, --vout)"},
        {{"--pair", "feedback", "--vref", "1.25", "--vout", "1"}, "must lie above Vref 1.25 V. (--vref, --vout)"},
        // E96 over the default five decades (480 values), three parts a
        // side: 480 + 2 x 115440 + 2 x 18547360 + 2 x 480 x 115440 networks.
        {with(Divider, {"--list", "E96", "--max-parts", "3"}),
         "R1 has too many networks: 480 values in networks of up to 3 parts make 148148480, and a side holds at "
         "most 16777216 (within its range). Take a narrower range or fewer parts. (--range-a, --range-b, "
         "--max-parts)"},
    };
    for (const Case& c : cases) {
        CliRun r = runCli(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("usage:"), std::string::npos) << "a request, not a usage error";
    }
    CliRun r = runCli(with(Divider, {"--list", "E96", "--max-parts", "3", "--lang", "ja"}));
    EXPECT_NE(r.err.find("R1 \xe3\x81\xae\xe3\x83\x8d\xe3\x83\x83\xe3\x83\x88\xe3\x83\xaf\xe3\x83\xbc\xe3\x82\xaf"),  // のネットワーク
              std::string::npos)
        << r.err;
}

TEST(PairOptions, ExitStatusesAndTheOutcomeLine) {
    for (const char* format : {"text", "csv", "json"}) {
        // E24 divides 5 V into 3.3 V within 1 % many times over.
        EXPECT_EQ(runCli(with(Divider, {"--format", format})).status, 0) << format;
        // Within 1e-9 % no pair of single E3 values does.
        CliRun none =
            runCli(with(Divider, {"--list", "E3", "--max-parts", "1", "--tolerance", "1e-9", "--format", format}));
        EXPECT_EQ(none.status, 1) << format;
        EXPECT_EQ(none.err, "") << format;
    }
    CliRun r = runCli(with(Divider, {"--limit", "3"}));
    std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].compare(0, 3, "2: "), 0) << lines[0];
    EXPECT_NE(lines[0].find(", R1 = "), std::string::npos);
    EXPECT_NE(lines[3].find(" pairs found, the best 3 shown."), std::string::npos) << lines[3];
    // The default shows 20; --limit 0 only the outcome.
    EXPECT_EQ(linesOf(runCli(Divider).out).size(), 21u);
    EXPECT_EQ(linesOf(runCli(with(Divider, {"--limit", "0"})).out).size(), 1u);
    // Japanese: 組見つかりました。上位3組を表示します。
    r = runCli(with(Divider, {"--limit", "3", "--lang", "ja"}));
    EXPECT_NE(r.out.find("\xe7\xb5\x84\xe8\xa6\x8b\xe3\x81\xa4\xe3\x81\x8b\xe3\x82\x8a\xe3\x81\xbe\xe3\x81\x97\xe3\x81\x9f"
                         "\xe3\x80\x82\xe4\xb8\x8a\xe4\xbd\x8d" "3\xe7\xb5\x84"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(linesOf(r.out)[0], lines[0]) << "the result line reads alike in both languages";
    r = runCli(with(Divider, {"--list", "E3", "--max-parts", "1", "--tolerance", "1e-9"}));
    EXPECT_EQ(r.out, "No pair found.\n");
}

TEST(PairOptions, DrawingsOfTheShownPairs) {
    CliRun r = runCli(with(Divider, {"--limit", "2", "--draw", "--ascii"}));
    EXPECT_EQ(r.status, 0);
    // Each line, its drawing with the divider's three terminals, an empty
    // line; then the outcome.
    EXPECT_NE(r.out.find("in o-"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("o GND"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("o out"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("\xe2\x94"), std::string::npos) << "ASCII only";

    const std::string directory = ::testing::TempDir() + "combinix_pair_drawings_" + std::to_string(getpid());
    r = runCli({"--pair", "rc", "--frequency", "1k", "--list", "E12", "--list-b", "E6", "--limit", "3", "--svg",
                directory, "--spice", directory});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(filesIn(directory), 6);
    FILE* f = fopen((directory + "/0001.cir").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    std::string spice;
    for (int c; (c = fgetc(f)) != EOF;) spice += static_cast<char>(c);
    fclose(f);
    EXPECT_NE(spice.find(".subckt pair0001 1 2 3 4"), std::string::npos) << spice;
    EXPECT_NE(spice.find("* " + linesOf(r.out)[0]), std::string::npos) << "the line as its comment";
    // A directory that cannot be made: everything printed, exit 2.
    r = runCli(with(Divider, {"--limit", "1", "--svg", "/proc/combinix-no"}));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(linesOf(r.out).size(), 2u);
    EXPECT_NE(r.err.find("cannot make the directory /proc/combinix-no"), std::string::npos) << r.err;
}
