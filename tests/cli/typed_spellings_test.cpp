// The spellings of tests/support/typed_spellings.h on the command line, as
// the target and as lines of a stock file, under the C and a UTF-8 locale.
#include <gtest/gtest.h>

#include <clocale>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tests/cli/cli_run.h"
#include "tests/support/typed_spellings.h"

TEST(TypedSpellings, ReadAlikeOnTheCommandLineInEveryLocale) {
    std::string stock;
    for (const TypedSpelling& s : typedSpellings) stock += std::string(s.typed) + "\n";
    const std::string stockFile = writeStock(stock);
    const std::string one = writeStock("1\n");
    for (const char* locale : spellingLocales) {
        ASSERT_NE(setlocale(LC_ALL, locale), nullptr) << locale;
        SCOPED_TRACE(locale);
        for (const TypedSpelling& s : typedSpellings) {
            CliRun r = runCli({"--target", s.typed, "--max-parts", "1", "--format", "json",
                               "--stock", one});
            nlohmann::json doc = nlohmann::json::parse(r.out);
            if (s.target == 0) {
                EXPECT_EQ(r.status, 2) << s.typed;
                EXPECT_NE(r.err.find("is not a value"), std::string::npos) << r.err;
            } else {
                EXPECT_NE(r.status, 2) << s.typed;
                EXPECT_EQ(doc["inputs"]["target"].get<double>(), s.target) << s.typed;
            }
        }
        // Every line a part: a one-part search that takes them all.
        CliRun r = runCli({"--target", "1", "--tolerance", "1e12", "--range", "1e12", "--max-parts",
                           "1", "--show-all", "--format", "json", "--stock", stockFile});
        ASSERT_EQ(r.status, 0) << r.err;
        std::multimap<std::string, double> parts;
        const nlohmann::json listed = nlohmann::json::parse(r.out);
        for (const auto& record : listed["records"]) {
            parts.emplace(record["parts"][0]["name"].get<std::string>(),
                          record["parts"][0]["value"].get<double>());
        }
        ASSERT_EQ(parts.size(), sizeof typedSpellings / sizeof typedSpellings[0]);
        for (const TypedSpelling& s : typedSpellings) {
            auto found = parts.find(s.name);
            ASSERT_NE(found, parts.end()) << s.name;
            EXPECT_EQ(found->second, s.listed) << s.name;
        }
    }
    setlocale(LC_ALL, "C");
}
