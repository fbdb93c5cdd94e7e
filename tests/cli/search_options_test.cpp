// combinix-search as a script meets it: --help, --version, the forms of an
// option, usage errors wherever they stand, the exit statuses, stock files
// at and past the size of a list, and the manual page beside --help.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tests/cli/cli_run.h"

namespace {

const char Usage[] = "usage: combinix-search";

// Every option of the help text: the words that follow "--" at the start
// of its option lines.
std::vector<std::string> optionsOfHelp(const std::string& help) {
    std::vector<std::string> names;
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
        size_t at = line.find("--");
        if (line.compare(0, 2, "  ") != 0 || at == std::string::npos || at > 8) continue;
        size_t end = line.find_first_of(" =", at);
        names.push_back(line.substr(at, end - at));
    }
    return names;
}

}  // namespace

TEST(SearchOptions, HelpAndVersionOnStandardOutput) {
    for (const char* word : {"--help", "-h"}) {
        CliRun r = runCli({"--target", "1k", word, "--frobnicate"});  // help ends the reading
        EXPECT_EQ(r.status, 0) << word;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out.compare(0, 34, "Usage: combinix-search [OPTION]..."), 0);
        // Every option, the notations and the exit statuses.
        for (const char* piece :
             {"--type TYPE", "--target VALUE", "--tolerance PERCENT", "--max-parts N", "--range X",
              "--list LIST", "--stock FILE", "--show-all", "--parallel-only", "--sort ORDER",
              "--lang LANG", "--format FORMAT", "--version", "E48, E96 or E192", "4k7 = 4.7k",
              "\xc2\xb5" "F", "--Invalid List--", "\"+\" joins parts in series",
              "Bridge(A-C, A-D, C-D, C-B, D-B)", "Exit status:", "  0  at least one match",
              "  1  the search ran and found nothing", "  2  a usage error"}) {
            EXPECT_NE(r.out.find(piece), std::string::npos) << piece;
        }
        std::istringstream lines(r.out);
        for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 80u) << line;
    }
    CliRun v = runCli({"--version"});
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.out, "combinix-search (Combinix) " COMBINIX_VERSION "\n"
                     "MIT License: free to use, change and pass on, with no warranty.\n");
}

TEST(SearchOptions, BothFormsOfAValue) {
    std::string stock = writeStock("1k\n470\n");
    const std::vector<std::string> spaced = {"--target", "1.47k", "--max-parts", "2", "--stock", stock};
    const std::vector<std::string> joined = {"--target=1.47k", "--max-parts=2", "--stock=" + stock};
    CliRun a = runCli(spaced);
    CliRun b = runCli(joined);
    EXPECT_EQ(a.status, 0);
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(a.out.substr(0, a.out.find('\n')), "2: 1.47000k,     0%, 1k + 470");
    // A value that looks like an option is still the value.
    EXPECT_EQ(runCli({"--target", "-5", "--stock", stock}).out, "Searching parameter error\n");
}

TEST(SearchOptions, FinerSeriesAroundTheTarget) {
    // 4.7k with the default range reaches from 23.5 to 940k: the decades
    // from 10 to 100k, 5 x 96 values. 4.7k is no E96 value; 4.75k is. A
    // stock file takes the series' place as it takes a built-in series'.
    CliRun r = runCli({"--list", "E96", "--target", "4k7", "--max-parts", "1", "--tolerance", "3",
                       "--format", "json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"stock_values\": 480"), std::string::npos);
    EXPECT_NE(r.out.find("\"formula\": \"4.75k\""), std::string::npos);
    r = runCli({"--list", "E96", "--target", "4k7", "--max-parts", "1", "--stock",
                writeStock("4.7k mine\n")});
    EXPECT_EQ(r.out, "1: 4.70000k,     0%, 4.7k mine\n1 set(s) found.\n");
}

TEST(SearchOptions, UsageErrorsWhereverTheyStand) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--x=y"}, "unknown option --x\n"},
        {{"--frob", "--target", "1k", "--tolerance", "2"}, "unknown option --frob\n"},
        {{"--target", "1k", "--frob", "--tolerance", "2"}, "unknown option --frob\n"},
        {{"--target", "1k", "--tolerance", "2", "--frob"}, "unknown option --frob\n"},
        {{"--target", "1k", "--frob=1", "--tolerance", "2"}, "unknown option --frob\n"},
        {{"-z", "--target", "1k"}, "unknown option -z\n"},
        {{"--target", "1k", "-z"}, "unknown option -z\n"},
        {{"--target", "1k", "--tolerance"}, "--tolerance needs a value (PERCENT)\n"},
        {{"--show-all=yes"}, "--show-all takes no value\n"},
        {{"--s", "1"}, "ambiguous option --s: --stock --show-all --sort --svg --spice --stock-b\n"},
        {{"--type", "transistor"}, "--type does not take \"transistor\""},
        {{"--list", "E50"}, "--list does not take \"E50\""},
        {{"--format", "xml"}, "--format does not take \"xml\" (text, csv or json)\n"},
        {{"--target", "1k", "extra"}, "unexpected argument \"extra\"\n"},
    };
    for (const Case& c : cases) {
        CliRun r = runCli(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.out, "") << c.message;
        EXPECT_EQ(r.err.compare(0, 17, "combinix-search: "), 0) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(Usage), std::string::npos);
    }
}

TEST(SearchOptions, ValueOptionsTakeOneValueAndNothingAfterIt) {
    // The window's boxes pass over what follows a number: each refused text
    // below used to search with the value in its comment and exit 0.
    struct Case {
        const char* option;
        const char* text;
        const char* field;  // of the JSON inputs; null: refused
        double read;
    } cases[] = {
        {"target", "4.7k", "target", 4700},
        {"target", "4.7 k", "target", 4700},
        {"target", "4k7", "target", 4700},
        {"target", "2R2", "target", 2.2},
        {"target", "R47", "target", 0.47},
        {"target", "100R", "target", 100},
        {"target", "100 R", "target", 100},
        {"target", "1e3", "target", 1000},
        {"target", "1e3k", "target", 1e6},
        {"target", "100n", "target", 100 / 1e9},
        {"target", "4.7\xc2\xb5", "target", 4.7 / 1000000},  // the micro sign
        {"target", " 1k ", "target", 1000},
        {"target", "1k\n", "target", 1000},
        {"target", "4k7k", nullptr, 0},        // 4.7k
        {"target", "4k7M", nullptr, 0},        // 4.7k
        {"target", "4.7kk", nullptr, 0},       // 4.7k
        {"target", "2R2k", nullptr, 0},        // 2.2
        {"target", "100Rk", nullptr, 0},       // 100
        {"target", "1.42kOhm", nullptr, 0},    // 1.42k
        {"target", "1.42k ohm", nullptr, 0},   // 1.42k
        {"target", "4.7k\xce\xa9", nullptr, 0},  // 4.7k with an omega
        {"target", "1k\n2k", nullptr, 0},      // the first line, 1k
        {"target", "4k7 5", nullptr, 0},       // 4.7k
        {"target", "0x10", nullptr, 0},        // 16, in a notation the help does not name
        {"tolerance", "0.5", "tolerance_percent", 0.5},
        {"tolerance", "0.5%", "tolerance_percent", 0.5},
        {"tolerance", "2 % ", "tolerance_percent", 2},
        {"tolerance", "1e-1", "tolerance_percent", 0.1},
        {"tolerance", "1k", nullptr, 0},       // 1
        {"tolerance", "1,5", nullptr, 0},      // 1
        {"tolerance", "5%%", nullptr, 0},      // 5
        {"tolerance", "5 percent", nullptr, 0},  // 5
        {"max-parts", "1", "max_parts", 1},
        {"max-parts", "5", "max_parts", 5},
        {"max-parts", " 3 ", "max_parts", 3},
        {"max-parts", "+2", "max_parts", 2},
        {"max-parts", "abc", nullptr, 0},      // 5
        {"max-parts", "", nullptr, 0},         // 5
        {"max-parts", "0", nullptr, 0},        // 5
        {"max-parts", "-3", nullptr, 0},       // 5
        {"max-parts", "6", nullptr, 0},        // 5
        {"max-parts", "99", nullptr, 0},       // 5
        {"max-parts", "3.9", nullptr, 0},      // 3
        {"max-parts", "2 parts", nullptr, 0},  // 2
        {"max-parts", "99999999999999999999", nullptr, 0},  // 5
        {"range", "50", "range", 50},
        {"range", "1e2", "range", 100},
        {"range", " 20\n", "range", 20},
        {"range", "2k", nullptr, 0},           // 2
        {"range", "200x", nullptr, 0},         // 200
        {"range", "1,5", nullptr, 0},          // 1
        {"part-tolerance", "5", "part_tolerance_percent", 5},
        {"part-tolerance", "0", "part_tolerance_percent", 0},
        {"part-tolerance", "0.1 %", "part_tolerance_percent", 0.1},
        {"part-tolerance", "99.9", "part_tolerance_percent", 99.9},
        {"part-tolerance", "100", nullptr, 0},  // no part of a network is worth nothing
        {"part-tolerance", "-1", nullptr, 0},
        {"part-tolerance", "abc", nullptr, 0},
        {"part-tolerance", "5x", nullptr, 0},
        {"part-tolerance", "", nullptr, 0},
    };
    const std::string stock = writeStock("1k\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " \"" + c.text + "\"");
        std::vector<std::string> args = {"--max-parts", "1", "--format", "json", "--stock", stock};
        args.push_back(std::string("--") + c.option);
        args.push_back(c.text);
        CliRun r = runCli(args);
        if (c.field != nullptr) {
            EXPECT_NE(r.status, 2) << r.err;
            ASSERT_FALSE(r.out.empty());
            EXPECT_EQ(nlohmann::json::parse(r.out)["inputs"][c.field].get<double>(), c.read);
        } else {
            EXPECT_EQ(r.status, 2);
            EXPECT_EQ(r.out, "");
            // The usage error's own line: the option, the text, what it takes.
            const std::string line = std::string("combinix-search: --") + c.option +
                                     " does not take \"" + c.text + "\" (";
            EXPECT_EQ(r.err.compare(0, line.size(), line), 0) << r.err;
            const char* takes = std::string(c.option) == "max-parts" ? "a whole number from 1 to 5)\n"
                                                                     : "nothing after it)\n";
            EXPECT_NE(r.err.find(takes), std::string::npos) << r.err;
            EXPECT_NE(r.err.find(Usage), std::string::npos);
        }
    }
    // A text with no value in it, or a value the search cannot use, still
    // reaches the search, which names the input: its outcome is printed.
    for (const char* target : {"abc", "4.7 Ohm", "-5", "1e999"}) {
        CliRun r = runCli({"--target", target, "--stock", stock});
        EXPECT_EQ(r.status, 2) << target;
        EXPECT_EQ(r.out, "Searching parameter error\n") << target;
        EXPECT_NE(r.err.find(std::string("the target \"") + target + "\" is not a"), std::string::npos)
            << r.err;
    }
}

TEST(SearchOptions, ExitStatusesInEveryFormat) {
    std::string stock = writeStock("1k\n470\n");
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* reason;  // on standard error, for status 2
    } cases[] = {
        {{"--target", "1.47k", "--stock", stock}, 0, ""},
        {{"--target", "1.47k", "--max-parts", "1", "--stock", stock}, 1, ""},  // nearest: a hint
        {{"--target", "3.3k", "--max-parts", "1", "--range", "1", "--stock", stock}, 1, ""},
        {{"--target", "4.7 Ohm", "--stock", stock}, 2, "the target \"4.7 Ohm\" is not a value"},
        {{"--target", "0", "--stock", stock}, 2, "the target \"0\" is not a finite value above 0"},
        {{"--tolerance", "0", "--stock", stock}, 2, "the tolerance \"0\" is not a number above 0"},
        {{"--range", "0.5", "--stock", stock}, 2, "the range \"0.5\" is not a number of 1 or more"},
        {{"--stock", writeStock("1k\n\nfive\n")}, 2, "line 3 of "},
        {{"--stock", writeStock("--Invalid List--\n1k\n")}, 2, "names no part before its end"},
        {{"--stock", "/nonexistent/stock"}, 2, "cannot read /nonexistent/stock"},
    };
    for (const Case& c : cases) {
        for (const char* format : {"text", "csv", "json"}) {
            std::vector<std::string> args = c.args;
            args.push_back("--format");
            args.push_back(format);
            CliRun r = runCli(args);
            SCOPED_TRACE(args[1] + " " + format);
            EXPECT_EQ(r.status, c.status);
            if (c.status == 2) {
                EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
            } else {
                EXPECT_EQ(r.err, "");
            }
            // The outcome is printed whenever the search ran.
            bool ran = c.status != 2 || std::string(c.reason).find("cannot read") == std::string::npos;
            EXPECT_EQ(r.out.empty(), !ran);
        }
    }
}

TEST(SearchOptions, StockFilesUpToTheSizeOfAList) {
    // A list box holds 31999 bytes. A file of 31999 bytes with LF line ends
    // grows past that once they are CR LF; 40000 bytes are too long anyway;
    // neither is cut.
    auto lines = [](size_t bytes, const char* end) {
        std::string text;
        std::string line = std::string("1k") + end;
        while (text.size() + line.size() <= bytes) text += line;
        text += std::string(bytes - text.size(), ' ');  // pads the last line with its name
        return text;
    };
    for (size_t bytes : {31999u, 40000u}) {
        std::string text = lines(bytes, "\n");
        ASSERT_EQ(text.size(), bytes);
        CliRun r = runCli({"--max-parts", "1", "--stock", writeStock(text)});
        EXPECT_EQ(r.status, 2) << bytes;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("at most 31999 bytes once its line ends are CR LF"), std::string::npos);
    }
    // The same 31999 bytes with CR LF line ends fill the box exactly: read
    // whole. 500 of the lines are searched, and the rest named.
    std::string exact = lines(31999, "\r\n");
    CliRun r = runCli({"--target", "1k", "--max-parts", "1", "--stock", writeStock(exact)});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("the first 500 are searched"), std::string::npos) << r.err;
    // One byte more is refused.
    r = runCli({"--target", "1k", "--max-parts", "1", "--stock", writeStock(exact + "x")});
    EXPECT_EQ(r.status, 2);
    // Japanese text takes fewer bytes in CP932 than in UTF-8: 12000
    // three-byte characters (36000 bytes) fit the box as 24000 bytes.
    std::string japanese = "1k ";
    for (int i = 0; i < 12000; ++i) japanese += "\xe6\x8a\xb5";  // 抵
    r = runCli({"--target", "1k", "--max-parts", "1", "--stock", writeStock(japanese)});
    EXPECT_EQ(r.status, 0) << r.err;
    // A zero byte would cut the text: refused.
    r = runCli({"--stock", writeStock(std::string("1k\n\0 2k\n", 7))});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("zero byte"), std::string::npos);
}

TEST(SearchOptions, ManualPageHasEveryOptionOfTheHelp) {
    std::ifstream file(COMBINIX_SOURCE_DIR "/cli/combinix-search.1");
    std::stringstream page;
    page << file.rdbuf();
    // roff writes "-" as "\-".
    std::string text = page.str();
    for (size_t at; (at = text.find("\\-")) != std::string::npos;) text.replace(at, 2, "-");
    auto section = [&text](const char* name) {
        size_t start = text.find(std::string(".SH ") + name + "\n");
        if (start == std::string::npos) return std::string();
        size_t end = text.find("\n.SH ", start);
        return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    };
    // An option's whole name: "--s" in "--show-all" is no option of its own.
    auto names = [](const std::string& where, const std::string& option) {
        for (size_t at = where.find(option); at != std::string::npos; at = where.find(option, at + 1)) {
            char next = at + option.size() < where.size() ? where[at + option.size()] : ' ';
            if (!(next >= 'a' && next <= 'z') && next != '-') return true;
        }
        return false;
    };
    std::vector<std::string> options = optionsOfHelp(runCli({"--help"}).out);
    ASSERT_GE(options.size(), 18u);
    const std::string synopsis = section("SYNOPSIS");
    const std::string optionList = section("OPTIONS");
    for (const std::string& option : options) {
        EXPECT_TRUE(names(synopsis, option)) << option << " is not in the SYNOPSIS";
        EXPECT_TRUE(names(optionList, option)) << option << " is not among the OPTIONS";
    }
    for (const char* name : {"NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "EXIT STATUS", "EXAMPLES",
                             "FILES"}) {
        EXPECT_FALSE(section(name).empty()) << name;
    }
}
