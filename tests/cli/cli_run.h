// Running combinix-search in-process for the tests: arguments, standard
// input and a stock file in, exit status and both output streams out.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
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
// folder and returns its path.
inline std::string writeStock(const std::string& text) {
    static int serial = 0;
    // The process's own name: CTest runs the tests of this binary side by
    // side, each in a process of its own.
    std::string path = ::testing::TempDir() + "combinix_stock_" + std::to_string(getpid()) + "_" +
                       std::to_string(serial++);
    FILE* f = fopen(path.c_str(), "wb");
    fwrite(text.data(), 1, text.size(), f);
    fclose(f);
    return path;
}
