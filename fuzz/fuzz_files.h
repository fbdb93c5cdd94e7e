// The files a fuzz target lets the program under test touch: one temporary
// file for the stock texts it reads, and one temporary directory for the
// drawings it writes, each made once per process and removed at its end,
// so that no input reaches a file of its own choosing; and the streams in
// memory that catch what it prints.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "fuzz/fuzz_input.h"

struct FuzzTemporaryFile {
    char path[64];
    // `name`: what the file is for, in its name under /tmp.
    explicit FuzzTemporaryFile(const char* name) {
        snprintf(path, sizeof path, "/tmp/%s-XXXXXX", name);
        const int fd = mkstemp(path);
        FUZZ_CHECK(fd >= 0);
        close(fd);
    }
    ~FuzzTemporaryFile() { unlink(path); }
    void write(const std::string& text) const {
        FILE* f = fopen(path, "wb");
        FUZZ_CHECK(f != nullptr);
        fwrite(text.data(), 1, text.size(), f);
        fclose(f);
    }
};

struct FuzzTemporaryDirectory {
    char path[64];
    explicit FuzzTemporaryDirectory(const char* name) {
        snprintf(path, sizeof path, "/tmp/%s-XXXXXX", name);
        FUZZ_CHECK(mkdtemp(path) != nullptr);
    }
    ~FuzzTemporaryDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

// A stream in memory for the program's output or errors; close() ends it
// and gives what was written.
struct Captured {
    char* text = nullptr;
    size_t size = 0;
    FILE* file = open_memstream(&text, &size);
    ~Captured() { free(text); }
    std::string close() {
        fclose(file);
        return std::string(text, size);
    }
};
