// combinix-search end to end, in-process: options, files, UTF-8 output, and
// one-part searches compared with results computed here independently.
#include "cli/search_cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tests/cli/cli_run.h"

TEST(SearchCli, OnePartExampleInBothOrders) {
    std::string stock = writeStock("1k\n1.5k\n470\n");
    CliRun r = runCli({"--target", "1k", "--tolerance", "60", "--max-parts", "1", "--stock", stock});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "1: 1.00000k,     0%, 1k\n"
              "1: 1.50000k, 50.00%, 1.5k\n"
              "1: 470.000,-53.00%, 470\n"
              "3 set(s) found.\n");
    r = runCli({"--target", "1k", "--tolerance", "60", "--max-parts", "1", "--stock", stock,
                "--sort", "value"});
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "1: 470.000,-53.00%, 470");
}

TEST(SearchCli, OutcomesInBothLanguages) {
    // An input error exits 2 and says on standard error what is wrong; a
    // search that ran and found nothing exits 1, hints included.
    struct Case {
        std::vector<std::string> args;
        std::string stock;
        const char* english;
        const char* japanese;
        int status;
        const char* reason;
    } cases[] = {
        {{"--target", "abc"}, "1k\n", "Searching parameter error", "探索条件エラー", 2,
         "the target \"abc\" is not a value"},
        {{"--target", "1k"}, "oops\n", "Stock list error", "部品リストエラー", 2,
         "line 1 of "},
        {{"--target", "3.5k", "--max-parts", "1"}, "1k\n", "Can not be able to find.",
         "見つけられませんでした。", 1, ""},
        {{"--target", "12k"}, "1k\n", "You need many parts in serial. 1k x 12",
         "多数のシリアル接続が必要です。 1k x 12", 1, ""},
        {{"--type", "capacitor", "--target", "10u"}, "1u\n",
         "You need many parts in parallel. 1u x 10", "多数のパラレル接続が必要です。 1u x 10", 1,
         ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.push_back("--stock");
        args.push_back(writeStock(c.stock));
        CliRun en = runCli(args);
        EXPECT_EQ(en.status, c.status) << c.english;
        EXPECT_EQ(en.out, std::string(c.english) + "\n");
        if (c.status == 2) {
            EXPECT_NE(en.err.find(c.reason), std::string::npos) << en.err;
        } else {
            EXPECT_EQ(en.err, "");
        }
        args.push_back("--lang");
        args.push_back("ja");
        EXPECT_EQ(runCli(args).out, std::string(c.japanese) + "\n");
    }
}

TEST(SearchCli, UsageAndFileErrors) {
    const std::vector<std::string> bad[] = {
        {"--type", "transistor"}, {"--list", "E50"},  {"--sort", "name"},
        {"--lang", "de"},         {"--target"},       {"--frobnicate", "1"},
    };
    for (const auto& args : bad) {
        CliRun r = runCli(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_NE(r.err.find("usage: combinix-search"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
    CliRun r = runCli({"--stock", "/nonexistent/stock.txt"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("/nonexistent/stock.txt"), std::string::npos);
}

TEST(SearchCli, StockFromStandardInputInUtf8) {
    CliRun r = runCli({"--target", "1k", "--max-parts", "1", "--stock", "-", "--lang", "ja"},
                   "1k 金属皮膜\n");
    EXPECT_EQ(r.out, "1: 1.00000k,     0%, 1k 金属皮膜\n1組見つかりました。\n");
}

namespace {

// An independent model of a one-part search: every candidate inside the
// window is one line; lines sorted by error then value (or by value).
struct Item {
    std::string name;
    double typed;  // ohm, farad or henry
};

double scaled(double number, char letter, int partType) {
    switch (letter) {
        case 'p': return number / 1e12;
        case 'n': return number / 1e9;
        case 'u': return number / 1e6;
        case 'm': return number / 1e3;
        case 'k': return number * 1e3;
        case 'M': return number * 1e6;
        default: return partType == 1 ? number / 1e6 : number;
    }
}

std::string expectedLine(double v, double e, const std::string& name) {
    const char* prefix = "";
    double s = v;
    const struct {
        double below;
        const char* prefix;
        double factor;
    } small[] = {{1e-9, "p", 1e12}, {1e-6, "n", 1e9}, {1e-3, "u", 1e6}, {1, "m", 1e3}};
    bool done = false;
    for (const auto& row : small) {
        if (!done && v < row.below) {
            prefix = row.prefix;
            s = v * row.factor;
            done = true;
        }
    }
    if (!done && v >= 1e6) {
        prefix = "M";
        s = v / 1e6;
    } else if (!done && v >= 1e3) {
        prefix = "k";
        s = v / 1e3;
    }
    int valueDigits = s < 10 ? 5 : s < 100 ? 4 : 3;
    int errorDigits = std::fabs(e) >= 0.01 ? 2 : e == 0 ? 0 : 3;
    char line[256];
    snprintf(line, sizeof line, "1:%8.*f%s,%6.*f%%, %s", valueDigits, s, prefix, errorDigits, e,
             name.c_str());
    return line;
}

}  // namespace

TEST(SearchCli, RandomOnePartSearchesMatchAnIndependentModel) {
    std::mt19937 rng(20261208);
    const char letters[] = {'p', 'n', 'u', 'm', 'k', 'M', ' ', '\0'};
    const char* typeNames[] = {"resistor", "capacitor", "inductor"};
    int roundsWithMatches = 0;
    for (int round = 0; round < 300; ++round) {
        int partType = static_cast<int>(rng() % 3);
        int count = 1 + static_cast<int>(rng() % 40);
        std::vector<Item> items;
        std::string text;
        for (int i = 0; i < count; ++i) {
            double number = std::round(std::uniform_real_distribution<>(1, 999)(rng) * 10) / 10;
            char letter = letters[rng() % 8];
            char name[32];
            snprintf(name, sizeof name, letter == '\0' ? "%g" : "%g%c", number, letter);
            items.push_back({name, scaled(number, letter, partType)});
            text += std::string(name) + "\n";
        }
        // The target is one of the stock values, nudged, in its own notation.
        const Item& base = items[rng() % items.size()];
        double target = base.typed * std::uniform_real_distribution<>(0.5, 2.0)(rng);
        // Typed without a letter: ohm or henry, or microfarad.
        char targetText[64];
        snprintf(targetText, sizeof targetText, "%.6g", partType == 1 ? target * 1e6 : target);
        double typedTarget = strtod(targetText, nullptr);
        if (partType == 1) typedTarget = typedTarget / 1e6;
        double tolerance = std::uniform_real_distribution<>(0.1, 80)(rng);
        double range = std::uniform_real_distribution<>(1, 20)(rng);
        bool byValue = rng() % 2 == 0;
        char tolText[32], rangeText[32];
        snprintf(tolText, sizeof tolText, "%.4f", tolerance);
        snprintf(rangeText, sizeof rangeText, "%.4f", range);
        tolerance = strtod(tolText, nullptr);
        range = strtod(rangeText, nullptr);

        // The model, in the series domain.
        auto series = [&](double typed) { return partType == 1 ? 1 / typed : typed; };
        double T = series(typedTarget);
        double t = tolerance / 100;
        double low = partType == 1 ? T / (1 + t) : (t > 1 ? 0 : T * (1 - t));
        double high = partType == 1 ? (t > 1 ? 1e15 : T / (1 - t)) : T * (1 + t);
        std::vector<double> values;
        for (const Item& it : items) values.push_back(series(it.typed));
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        double lowest = sorted.front(), highest = sorted.back();
        bool anyInside = false;
        for (double s : sorted) anyInside |= s > T / range && s <= T * range;
        struct Line {
            double absError, value;
            std::string text;
        };
        std::vector<Line> lines;
        for (size_t i = 0; i < items.size(); ++i) {
            double s = values[i];
            bool candidate = anyInside ? (s > T / range && s <= T * range)
                             : highest <= T / range ? s == highest
                             : lowest > T * range   ? s == lowest
                                                    : false;
            if (!candidate || s < low || s > high) continue;
            double v = partType == 1 ? 1 / s : s;
            double e = partType == 1 ? (T * v - 1) * 100 : (v / T - 1) * 100;
            lines.push_back({std::fabs(e), v, expectedLine(v, e, items[i].name)});
        }
        std::sort(lines.begin(), lines.end(), [&](const Line& a, const Line& b) {
            if (!byValue && a.absError != b.absError) return a.absError < b.absError;
            if (a.value != b.value) return a.value < b.value;
            return a.text < b.text;
        });

        std::string stock = writeStock(text);
        CliRun r = runCli({"--type", typeNames[partType], "--target", targetText, "--tolerance",
                        tolText, "--range", rangeText, "--max-parts", "1", "--stock", stock,
                        "--sort", byValue ? "value" : "error"});
        ASSERT_EQ(r.status, lines.empty() ? 1 : 0);
        // Lines of equal keys may come in any order: compare them sorted.
        std::vector<std::string> got;
        size_t at = 0;
        for (size_t nl; (nl = r.out.find('\n', at)) != std::string::npos; at = nl + 1) {
            got.push_back(r.out.substr(at, nl - at));
        }
        ASSERT_FALSE(got.empty());
        std::string outcome = got.back();
        got.pop_back();
        ASSERT_EQ(got.size(), lines.size()) << r.out;
        for (size_t i = 0; i < lines.size();) {
            size_t j = i;
            while (j < lines.size() && lines[j].value == lines[i].value &&
                   (byValue || lines[j].absError == lines[i].absError)) {
                ++j;
            }
            std::vector<std::string> want, have(got.begin() + i, got.begin() + j);
            for (size_t k = i; k < j; ++k) want.push_back(lines[k].text);
            std::sort(want.begin(), want.end());
            std::sort(have.begin(), have.end());
            EXPECT_EQ(have, want) << "round " << round << "\n" << text;
            i = j;
        }
        if (!lines.empty()) {
            EXPECT_EQ(outcome, std::to_string(lines.size()) + " set(s) found.");
            ++roundsWithMatches;
        }
    }
    EXPECT_GT(roundsWithMatches, 100);  // the comparison is not vacuous
}

TEST(SearchCli, AnOverlongValueEndingInABrokenByteStaysInsideTheBuffers) {
    // 31999 digits fill the converted text to its last byte; the broken
    // byte after them used to put its "?" and a zero byte past the end. The
    // number itself overflows to infinity: a parameter error.
    std::string target(31999, '1');
    target += '\xff';
    CliRun r = runCli({"--target", target, "--max-parts", "1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "Searching parameter error\n");
}

TEST(SearchCli, StockFilesThatCannotBeReadWhole) {
    // A directory opens but cannot be read: the file error, not an empty list.
    CliRun r = runCli({"--stock", ::testing::TempDir()});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("cannot read"), std::string::npos);
    EXPECT_EQ(r.out, "");

    // 20000 lines of "1k": far more than a list box holds. The file is
    // refused, not cut to what fits.
    std::string big;
    for (int i = 0; i < 20000; ++i) big += "1k\n";
    r = runCli({"--target", "1k", "--max-parts", "1", "--show-all", "--stock",
                writeStock(big)});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("at most 31999 bytes"), std::string::npos) << r.err;

    // 600 lines fit the box: the first 500 items are searched, as the
    // window does, and standard error says so. One-part networks only: 500
    // matches of 1k.
    std::string many;
    for (int i = 0; i < 600; ++i) many += "1k\n";
    r = runCli({"--target", "1k", "--max-parts", "1", "--show-all", "--stock",
                writeStock(many)});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1),
              "500 set(s) found. (500 of 600 values used)\n");
    EXPECT_EQ(r.err, "combinix-search: the list names 600 values; the first 500 are searched\n");
}

TEST(SearchCli, TextOutputSaysHowManyRecordsItOmits) {
    // The E3 series around 1.42k within 20%: more records than the Result
    // box's 32000 bytes hold, with Show All and without. The text prints
    // what the box shows; standard error counts the rest, which the JSON
    // document holds. Its messages are English, as every message of
    // combinix-search on standard error.
    for (bool showAll : {true, false}) {
        std::vector<std::string> args = {"--list", "E3", "--tolerance", "20"};
        if (showAll) args.push_back("--show-all");
        if (!showAll) args.insert(args.end(), {"--lang", "ja"});
        CliRun text = runCli(args);
        ASSERT_EQ(text.status, 0);
        int lines = static_cast<int>(std::count(text.out.begin(), text.out.end(), '\n')) - 1;
        args.push_back("--format");
        args.push_back("json");
        CliRun json = runCli(args);
        const int records = static_cast<int>(nlohmann::json::parse(json.out)["records"].size());
        ASSERT_GT(records, lines + 100) << "the Result box holds them all: no case";
        EXPECT_EQ(text.err, "combinix-search: the text omits " + std::to_string(records - lines) +
                                " of the " + std::to_string(records) +
                                " records found; --format csv or --format json gives them all\n");
        EXPECT_EQ(json.err, "");
        args.back() = "csv";
        EXPECT_EQ(runCli(args).err, "");
        // Drawn, the same lines and the same count.
        args.pop_back();
        args.pop_back();
        args.push_back("--draw");
        EXPECT_EQ(runCli(args).err, text.err);
    }
    // All in the box: nothing to say.
    CliRun r = runCli({"--list", "E3", "--tolerance", "20", "--max-parts", "3"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
}
