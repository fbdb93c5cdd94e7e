// Running combinix-search in-process for the tests: arguments, standard
// input and a stock file in, exit status and both output streams out.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/search_cli.h"

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun runCli(std::vector<std::string> args, const std::string& stdinText = "") {
    std::vector<const char*> argv{"combinix-search"};
    for (const std::string& a : args) argv.push_back(a.c_str());
    FILE* in = tmpfile();
    fwrite(stdinText.data(), 1, stdinText.size(), in);
    rewind(in);
    FILE* out = tmpfile();
    FILE* err = tmpfile();
    int status = runSearchCommand(static_cast<int>(argv.size()), argv.data(), in, out, err);
    auto slurp = [](FILE* f) {
        std::string text;
        rewind(f);
        for (int c; (c = fgetc(f)) != EOF;) text += static_cast<char>(c);
        fclose(f);
        return text;
    };
    fclose(in);
    return CliRun{status, slurp(out), slurp(err)};
}

// Writes `text` byte for byte into a new file in the test's temporary
// folder and returns its path. The name is mkstemp's: CTest runs each case
// as a process of its own, several at once, and a name counted within one
// process would be another's stock file too.
inline std::string writeStock(const std::string& text) {
    std::string path = ::testing::TempDir() + "combinix_stock_XXXXXX";
    int descriptor = mkstemp(&path[0]);
    EXPECT_NE(descriptor, -1) << path;
    FILE* f = descriptor == -1 ? nullptr : fdopen(descriptor, "wb");
    if (f != nullptr) {
        fwrite(text.data(), 1, text.size(), f);
        fclose(f);
    }
    return path;
}
