// The fuzz targets' committed corpora, replayed through the very same
// harnesses in every build of the test suite: the normal one and the
// sanitizer ones check each input's promises without clang or libFuzzer, so
// a change that breaks one of them fails here first. A broken promise
// aborts the test binary, which fails the test.
//
// Each harness is compiled with its entry point renamed (see
// CMakeLists.txt), so that all three live in one binary.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

extern "C" int fuzzSearchInput(const uint8_t* data, size_t size);
extern "C" int fuzzCodePageInput(const uint8_t* data, size_t size);
extern "C" int fuzzSearchCliInput(const uint8_t* data, size_t size);

namespace {

typedef int (*FuzzInput)(const uint8_t*, size_t);

std::vector<uint8_t> readFile(const std::filesystem::path& path) {
    std::vector<uint8_t> bytes;
    FILE* f = fopen(path.c_str(), "rb");
    if (f == nullptr) return bytes;
    for (int c; (c = fgetc(f)) != EOF;) bytes.push_back(static_cast<uint8_t>(c));
    fclose(f);
    return bytes;
}

// Runs every file of fuzz/corpus/<target> and returns how many there were.
int replay(const char* target, FuzzInput input) {
    std::filesystem::path dir = std::filesystem::path(COMBINIX_SOURCE_DIR) / "fuzz/corpus" / target;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::vector<uint8_t> bytes = readFile(entry.path());
        input(bytes.data(), bytes.size());
        ++count;
    }
    return count;
}

}  // namespace

TEST(CorpusReplay, SearchesKeepTheResultStateConsistent) {
    EXPECT_GT(replay("search", fuzzSearchInput), 0);
}

TEST(CorpusReplay, CodePageConversionsStayInsideTheirBuffers) {
    EXPECT_GT(replay("code_page", fuzzCodePageInput), 0);
}

TEST(CorpusReplay, CommandLineSearchKeepsItsExitStatusPromises) {
    EXPECT_GT(replay("search_cli", fuzzSearchCliInput), 0);
}

TEST(CorpusReplay, EmptyAndTinyInputs) {
    // The inputs every harness must take before any corpus exists.
    const uint8_t bytes[] = {0, 0, 0, 0};
    for (FuzzInput input : {fuzzSearchInput, fuzzCodePageInput, fuzzSearchCliInput}) {
        for (size_t size = 0; size <= sizeof bytes; ++size) input(bytes, size);
    }
}
