// Fuzz target: combinix-search's arguments and standard input. The fuzzer's
// bytes become argv and stdin of runSearchCommand, in-process. No run reads
// a real file of its choosing: every value of --stock is replaced by "-"
// (standard input), a temporary file holding the same text, a path that
// does not exist or a directory, as the value's first byte decides; every
// directory of --svg and --spice is a temporary one of the process. The
// stock text is cut to a few lines, and when a built-in series may be
// searched the range is narrowed, so that every search stays small.
// Checked: the exit status is 0, 1 or 2 with the output each promises, and
// the output is well-formed UTF-8 ending with a line end.
//
// Input: byte 0 the argument count (0 to 15), then the arguments, each ended
// by a zero byte, then standard input.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/search_cli.h"
#include "fuzz/fuzz_input.h"

namespace {

// A temporary file for the stock text, made once per process and removed
// at its end.
struct StockFile {
    char path[64] = "/tmp/combinix-fuzz-stock-XXXXXX";
    StockFile() {
        int fd = mkstemp(path);
        FUZZ_CHECK(fd >= 0);
        close(fd);
    }
    ~StockFile() { unlink(path); }
    void write(const std::string& text) const {
        FILE* f = fopen(path, "wb");
        FUZZ_CHECK(f != nullptr);
        fwrite(text.data(), 1, text.size(), f);
        fclose(f);
    }
};

// The one directory the drawings may be written to, made once per process
// and removed at its end.
struct DrawingDirectory {
    char path[64] = "/tmp/combinix-fuzz-drawings-XXXXXX";
    std::string svgOption, spiceOption;
    DrawingDirectory() {
        FUZZ_CHECK(mkdtemp(path) != nullptr);
        svgOption = std::string("--svg=") + path;
        spiceOption = std::string("--spice=") + path;
    }
    ~DrawingDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

bool startsWith(const std::string& word, const char* prefix) {
    return word.compare(0, strlen(prefix), prefix) == 0;
}

const char* safeStockValue(const std::string& value, const StockFile& file) {
    switch (value.empty() ? 0 : static_cast<unsigned char>(value[0]) % 4) {
        case 0: return "-";
        case 1: return file.path;
        case 2: return "/nonexistent-combinix-fuzz/stock";
        default: return "/tmp";
    }
}

bool namesSeries(const std::string& value) {
    return value == "E24" || value == "E12" || value == "E6" || value == "E3";
}

// Whether every option finds its value, walking as the option parser does:
// the flags and "--svg=DIR" stand alone, every other word takes the next one.
bool optionsComplete(const std::vector<std::string>& args) {
    size_t i = 0;
    while (i < args.size()) {
        const std::string& a = args[i];
        const bool alone = a == "--show-all" || a == "--parallel-only" || a == "--draw" ||
                           a == "--ascii" || startsWith(a, "--svg=") || startsWith(a, "--spice=");
        i += alone ? 1 : 2;
    }
    return i == args.size();
}

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const StockFile stockFile;
    static const DrawingDirectory drawings;
    FuzzInput input(data, size);
    const int count = input.byte() % 16;
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i) args.push_back(input.field());
    const std::string stdinText = capLines(input.rest(), 8);

    bool series = false;
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "--list" && namesSeries(args[i + 1])) series = true;
    }
    // Every word that follows "--stock", "--svg" or "--spice" is replaced,
    // whichever of them the parser takes for its value.
    std::vector<const char*> argv{"combinix-search"};
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string before = i > 0 ? args[i - 1] : "";
        if (before == "--stock") {
            argv.push_back(safeStockValue(args[i], stockFile));
        } else if (before == "--svg" || before == "--spice") {
            argv.push_back(drawings.path);
        } else if (startsWith(args[i], "--svg=")) {
            argv.push_back(drawings.svgOption.c_str());
        } else if (startsWith(args[i], "--spice=")) {
            argv.push_back(drawings.spiceOption.c_str());
        } else {
            argv.push_back(args[i].c_str());
        }
    }
    if (series && optionsComplete(args)) {
        // The last value of an option wins: E24 over seven decades within a
        // factor 2 of the target is about 14 parts.
        argv.push_back("--range");
        argv.push_back("2");
    }

    stockFile.write(stdinText);
    FILE* in = fopen(stockFile.path, "rb");
    FUZZ_CHECK(in != nullptr);
    Captured out, err;
    int status = runSearchCommand(static_cast<int>(argv.size()), argv.data(), in, out.file,
                                  err.file);
    fclose(in);
    const std::string printed = out.close();
    const std::string complained = err.close();

    switch (status) {
        case 0:
            FUZZ_CHECK(complained.empty());
            FUZZ_CHECK(!printed.empty() && printed.back() == '\n');
            FUZZ_CHECK(strlen(printed.c_str()) == printed.size());
            FUZZ_CHECK(isValidUtf8(printed.c_str()));
            break;
        case 1:
            FUZZ_CHECK(printed.empty());
            FUZZ_CHECK(complained.rfind("combinix-search: cannot read ", 0) == 0);
            break;
        case 2:
            FUZZ_CHECK(printed.empty());
            FUZZ_CHECK(complained.find("usage: combinix-search") != std::string::npos);
            break;
        default:
            FUZZ_CHECK(!"an exit status other than 0, 1 or 2");
    }
    return 0;
}
