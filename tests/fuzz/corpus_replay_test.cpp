// The fuzz targets' committed corpora, replayed through the very same
// harnesses in every build of the test suite: the normal one and the
// sanitizer ones check each input's promises without clang or libFuzzer, so
// a change that breaks one of them fails here first. A broken promise
// fails the test with the input's file named, and the replay goes on with
// the next input.
//
// Each harness is compiled with its entry point renamed (see
// CMakeLists.txt), so that all of them live in one binary.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"

extern "C" int fuzzSearchInput(const uint8_t* data, size_t size);
extern "C" int fuzzCodePageInput(const uint8_t* data, size_t size);
extern "C" int fuzzSearchCliInput(const uint8_t* data, size_t size);
extern "C" int fuzzSettingsFileInput(const uint8_t* data, size_t size);
extern "C" int fuzzSchematicInput(const uint8_t* data, size_t size);
extern "C" int fuzzPairInput(const uint8_t* data, size_t size);

namespace {

typedef int (*FuzzEntry)(const uint8_t*, size_t);

std::vector<uint8_t> readFile(const std::filesystem::path& path) {
    std::vector<uint8_t> bytes;
    FILE* f = fopen(path.c_str(), "rb");
    if (f == nullptr) return bytes;
    for (int c; (c = fgetc(f)) != EOF;) bytes.push_back(static_cast<uint8_t>(c));
    fclose(f);
    return bytes;
}

// A broken promise of a harness, as the replay sees it.
struct BrokenPromise : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void throwBrokenPromise(const char* file, int line, const char* condition) {
    throw BrokenPromise(std::string(file) + ":" + std::to_string(line) + ": " + condition);
}

// Runs `input` on `bytes`; a broken promise fails the test, naming `name`.
void replayOne(FuzzEntry input, const std::vector<uint8_t>& bytes, const std::string& name) {
    FuzzCheckHandler previous = fuzzCheckHandler;
    fuzzCheckHandler = throwBrokenPromise;
    try {
        input(bytes.data(), bytes.size());
    } catch (const BrokenPromise& broken) {
        ADD_FAILURE() << name << ": " << broken.what();
    }
    fuzzCheckHandler = previous;
}

// Runs every file of fuzz/corpus/<target> and returns how many there were.
int replay(const char* target, FuzzEntry input) {
    std::filesystem::path dir = std::filesystem::path(COMBINIX_SOURCE_DIR) / "fuzz/corpus" / target;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        replayOne(input, readFile(entry.path()), entry.path().string());
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

TEST(CorpusReplay, SettingsFilesLoadInsideTheirStores) {
    EXPECT_GT(replay("settings_file", fuzzSettingsFileInput), 0);
}

TEST(CorpusReplay, SchematicsOfAnyNamesKeepTheirShape) {
    EXPECT_GT(replay("schematic", fuzzSchematicInput), 0);
}

TEST(CorpusReplay, PairRequestsAndOptionsKeepTheirPromises) {
    EXPECT_GT(replay("pair", fuzzPairInput), 0);
}

TEST(CorpusReplay, EmptyAndTinyInputs) {
    // The inputs every harness must take before any corpus exists.
    const uint8_t bytes[] = {0, 0, 0, 0};
    for (FuzzEntry input : {fuzzSearchInput, fuzzCodePageInput, fuzzSearchCliInput,
                            fuzzSettingsFileInput, fuzzSchematicInput, fuzzPairInput}) {
        for (size_t size = 0; size <= sizeof bytes; ++size) {
            replayOne(input, std::vector<uint8_t>(bytes, bytes + size),
                      std::to_string(size) + " zero bytes");
        }
    }
}

namespace {

int harnessWithABrokenPromise(const uint8_t* data, size_t size) {
    FUZZ_CHECK(size == 0 || data[0] != 7);
    return 0;
}

}  // namespace

// A broken promise is a failure of the test that names the input; the
// binary goes on to the next input and the next test.
TEST(CorpusReplay, BrokenPromiseFailsTheTestNamingTheInput) {
    EXPECT_NONFATAL_FAILURE(replayOne(harnessWithABrokenPromise, {7, 1}, "corpus/sample-7"),
                            "corpus/sample-7: ");
    replayOne(harnessWithABrokenPromise, {1, 7}, "corpus/sample-1");
    EXPECT_EQ(fuzzCheckHandler, &abortOnBrokenPromise);
}

TEST(FuzzInput, Utf8CheckAcceptsOnlyWellFormedText) {
    // A check that let a broken sequence pass would blind the code page and
    // command-line targets; one that failed good text would stop them.
    struct Case {
        const char* text;
        bool valid;
    } cases[] = {
        {"", true},
        {"1.42k", true},
        {"\xe7\x9b\xae\xe6\xa8\x99", true},  // two kanji in UTF-8
        {"\xc2\xb1", true},                  // the plus-minus sign in UTF-8
        {"\xf0\x9f\x98\x80", true},   // U+1F600
        {"\xf4\x8f\xbf\xbf", true},   // U+10FFFF, the last code point
        {"\xe7\x9b", false},           // cut short
        {"\x80", false},                // a lone continuation byte
        {"\xc0\xaf", false},           // overlong "/"
        {"\xe0\x80\xaf", false},       // overlong in three bytes
        {"\xed\xa0\x80", false},       // a surrogate
        {"\xf4\x90\x80\x80", false},   // past U+10FFFF
        {"\xff", false},
    };
    for (const Case& c : cases) EXPECT_EQ(isValidUtf8(c.text), c.valid) << c.text;
}

TEST(FuzzInput, FieldsFlagsAndLineCap) {
    const uint8_t bytes[] = {7, 'a', 'b', 0, 0, 'c'};
    FuzzInput input(bytes, sizeof bytes);
    EXPECT_EQ(input.byte(), 7);
    bool missing = true;
    EXPECT_EQ(input.field(&missing), "ab");
    EXPECT_FALSE(missing);
    EXPECT_EQ(input.field(&missing), "");  // an empty field is given, not missing
    EXPECT_FALSE(missing);
    EXPECT_EQ(input.rest(), "c");
    EXPECT_EQ(input.field(&missing), "");
    EXPECT_TRUE(missing);
    EXPECT_EQ(input.byte(), 0);

    EXPECT_EQ(capLines("1\n2\n3\n4", 2), "1\n2\n");
    EXPECT_EQ(capLines("1\r\n2", 8), "1\r\n2");
}
