// combinix-search against the references: what it prints for random
// searches is what the brute-force reference recorded, ordered and cut as
// the Result box shows it; and the benchmark's quick cases print the same
// through the program's templates and through the plain reference loops.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/search_cli.h"
#include "engine/networks.h"
#include "tests/engine/brute_force_reference.h"
#include "tests/reference/reference_networks.h"

namespace {

// What combinix-search must print for a search that the reference
// recorded without reaching a limit: the records ordered by part count and
// error (and then, with --sort value, the shown ones by value), as many as
// the Result box takes, then the summary. Records of equal keys may come in
// any order, so each run of equal keys is compared as a set. Returns false
// when a run of equal keys straddles the Result box's end, where the lines
// shown depend on that order.
struct ExpectedOutput {
    std::vector<std::vector<std::string>> groups;  // runs of equal keys, sorted
    std::string outcome;
};

bool expectOutput(const Reference& r, bool byValue, bool japanese, ExpectedOutput* out) {
    std::vector<size_t> order(r.lines.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    auto key = [&](size_t i, bool value) {
        return std::make_tuple(static_cast<signed char>(r.lines[i][0]), value ? 0.0 : r.errors[i],
                               r.values[i]);
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return key(a, false) < key(b, false); });
    size_t shown = 0;
    for (int budget = limits::TextSize; shown < order.size(); ++shown) {
        int length = static_cast<int>(r.lines[order[shown]].size());
        if (budget <= length) break;
        budget -= length;
    }
    if (shown > 0 && shown < order.size() && key(order[shown], false) == key(order[shown - 1], false)) {
        return false;
    }
    order.resize(shown);
    if (byValue) {
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return key(a, true) < key(b, true); });
    }
    for (size_t i = 0; i < order.size(); ++i) {
        if (i == 0 || key(order[i], byValue) != key(order[i - 1], byValue)) out->groups.emplace_back();
        std::string line = r.lines[order[i]];
        out->groups.back().push_back(line.substr(0, line.size() - 2));  // LF alone on output
    }
    for (auto& group : out->groups) std::sort(group.begin(), group.end());
    const char* found = japanese ? "\xe7\xb5\x84\xe8\xa6\x8b\xe3\x81\xa4\xe3\x81\x8b\xe3\x82\x8a\xe3\x81\xbe\xe3\x81\x97\xe3\x81\x9f\xe3\x80\x82"  // 組見つかりました。
                                 : " set(s) found.";
    const char* displayed = japanese ? "\xe7\xb5\x84\xe8\xa1\xa8\xe7\xa4\xba\xe3\x81\x97\xe3\x81\xbe\xe3\x81\x99\xe3\x80\x82"  // 組表示します。
                                     : " sets displayed.";
    out->outcome = std::to_string(r.matchCount) + found;
    if (shown < r.lines.size()) out->outcome += " " + std::to_string(shown) + displayed;
    return true;
}

std::string runCommandLine(const TypedSearch& s, bool byValue, bool japanese, bool sortGiven) {
    static const char* const types[] = {"r", "c", "l"};
    std::vector<const char*> argv = {"combinix-search", "--type", types[s.partType], "--target",
                                     s.target, "--tolerance", s.tolerance, "--max-parts",
                                     s.maxParts, "--range", s.range, "--stock", "-"};
    if (s.showAll) argv.push_back("--show-all");
    if (s.parallelOnly) argv.push_back("--parallel-only");
    if (japanese) argv.insert(argv.end(), {"--lang", "ja"});
    if (sortGiven) argv.insert(argv.end(), {"--sort", byValue ? "value" : "error"});
    FILE* in = tmpfile();
    FILE* out = tmpfile();
    FILE* err = tmpfile();
    fputs(s.stock, in);
    rewind(in);
    runSearchCommand(static_cast<int>(argv.size()), argv.data(), in, out, err);
    std::string text;
    rewind(out);
    for (int c; (c = fgetc(out)) != EOF;) text += static_cast<char>(c);
    fclose(in);
    fclose(out);
    fclose(err);
    return text;
}

TEST(CommandLineReference, OutputMatchesTheReferenceInEveryLanguageAndOrder) {
    RandomSearch random(20261208);
    int compared = 0;
    for (int trial = 0; trial < 400; ++trial) {
        TypedSearch search = random.next();
        search.run();
        if (random.aimAtANetwork()) search.run();
        Reference reference;
        searchParams.tolerancePercent = strtod(search.tolerance, nullptr);
        ReferenceSearch(&reference).run();
        if (reference.nearWindowEdge || reference.limitReached || reference.matchCount == 0) continue;

        bool japanese = trial % 2 == 0;
        bool sortGiven = trial % 3 != 0;
        bool byValue = sortGiven && trial % 3 == 2;
        ExpectedOutput expected;
        if (!expectOutput(reference, byValue, japanese, &expected)) continue;
        std::string output = runCommandLine(search, byValue, japanese, sortGiven);

        SCOPED_TRACE(describe(search) + (japanese ? " ja" : " en") + (byValue ? " by value" : ""));
        std::vector<std::string> lines;
        for (size_t at = 0, nl; (nl = output.find('\n', at)) != std::string::npos; at = nl + 1) {
            lines.push_back(output.substr(at, nl - at));
        }
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), expected.outcome);
        lines.pop_back();
        size_t at = 0;
        for (const auto& group : expected.groups) {
            ASSERT_LE(at + group.size(), lines.size());
            std::vector<std::string> got(lines.begin() + at, lines.begin() + at + group.size());
            std::sort(got.begin(), got.end());
            ASSERT_EQ(got, group) << "from line " << at;
            at += group.size();
        }
        EXPECT_EQ(at, lines.size());
        ++compared;
    }
    EXPECT_GT(compared, 150);
}

// What combinix-search prints for `args`, run with the given templates.
std::string printedBy(const NetworkTemplates& templates, std::vector<const char*> args) {
    args.insert(args.begin(), "combinix-search");
    FILE* in = tmpfile();
    FILE* out = tmpfile();
    FILE* err = tmpfile();
    searchTemplates = &templates;
    int status = runSearchCommand(static_cast<int>(args.size()), args.data(), in, out, err);
    searchTemplates = &programTemplates;
    std::string text = "status " + std::to_string(status) + "\n";
    rewind(out);
    for (int c; (c = fgetc(out)) != EOF;) text += static_cast<char>(c);
    fclose(in);
    fclose(out);
    fclose(err);
    return text;
}

// The benchmark's quick cases print the same through the program's
// templates and through the reference loops, as combinix-search and
// combinix-search-plain do.
TEST(CommandLineReference, QuickBenchmarkCasesPrintTheSame) {
    const std::string stocks = COMBINIX_SOURCE_DIR "/bench/stocks/";
    const std::string irregular40 = stocks + "irregular40.txt";
    const std::vector<std::vector<const char*>> cases = {
        {},
        {"--list", "E24", "--target", "3.14159k", "--tolerance", "0.1"},
        {"--list", "E12", "--target", "7.77k", "--tolerance", "0.1"},
        {"--type", "c", "--list", "E24", "--target", "0.0473", "--tolerance", "0.1"},
        {"--type", "c", "--list", "E12", "--target", "2.2222", "--tolerance", "0.1"},
        {"--stock", irregular40.c_str(), "--target", "100k", "--range", "1000"},
        {"--stock", irregular40.c_str(), "--target", "3.1415926k", "--tolerance", "1e-9", "--range", "1000"},
        {"--list", "E24", "--target", "1k", "--tolerance", "1", "--show-all"},
    };
    for (const auto& args : cases) {
        std::string expected = printedBy(reference::templates, args);
        EXPECT_EQ(printedBy(programTemplates, args), expected) << (args.empty() ? "default" : args[1]);
        // The search ran: it found something or nothing, without trouble.
        EXPECT_TRUE(expected.compare(0, 9, "status 0\n") == 0 ||
                    expected.compare(0, 9, "status 1\n") == 0)
            << expected.substr(0, 9);
    }
}

}  // namespace
