// The CP932 <-> UTF-8 conversions at the edges of their output buffer:
// whatever the text, nothing is written past the size given, the result
// ends with a zero byte inside it, and the length returned is that text's.
#include "platform/linux/code_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

typedef size_t (*Conversion)(const char*, char*, size_t);

struct Bounded {
    size_t length;
    std::string text;
    bool guardIntact;
};

// Converts into the first `outSize` bytes of a larger buffer whose rest is
// a guard that must stay untouched.
Bounded convertBounded(Conversion convert, const char* in, size_t outSize) {
    char buffer[64];
    memset(buffer, 0x55, sizeof buffer);
    size_t n = convert(in, buffer, outSize);
    bool intact = true;
    for (size_t i = outSize; i < sizeof buffer; ++i) intact = intact && buffer[i] == 0x55;
    std::string text = n < outSize ? std::string(buffer, n) : std::string("<no room>");
    return Bounded{n, text, intact};
}

}  // namespace

TEST(CodePage, ABrokenByteAtAFullOutputStaysInsideIt) {
    // Found by the code page fuzzer. "ab" fills an output of 3 bytes with
    // its zero byte; the broken byte after it still got its "?" in the zero
    // byte's place, and the zero byte went one past the end (and with a
    // longer text the conversion went on with no limit at all).
    struct Case {
        Conversion convert;
        const char* in;
        size_t outSize;
        const char* expected;
    } cases[] = {
        {cp932ToUtf8, "ab\x80", 3, "ab"},                    // 0x80 is no CP932 character
        {cp932ToUtf8, "ab\x81", 3, "ab"},                    // a lead byte cut by the end
        {cp932ToUtf8, "ab\x80xyz", 3, "ab"},
        {cp932ToUtf8, "\x82\xa0\xff", 4, "\xe3\x81\x82"},    // あ fills 3 bytes
        {cp932ToUtf8, "\xff", 1, ""},
        {utf8ToCp932, "ab\xff", 3, "ab"},
        {utf8ToCp932, "ab\xe3\x81", 3, "ab"},                // a cut UTF-8 sequence
        {utf8ToCp932, "\xe3\x81\x82\xff\xff", 3, "\x82\xa0"}, // あ fills 2 bytes
        {utf8ToCp932, "\xff", 1, ""},
    };
    for (const Case& c : cases) {
        Bounded r = convertBounded(c.convert, c.in, c.outSize);
        EXPECT_TRUE(r.guardIntact) << c.in;
        EXPECT_LT(r.length, c.outSize) << c.in;
        EXPECT_EQ(r.text, c.expected) << c.in;
    }
}

TEST(CodePage, BrokenBytesBecomeQuestionMarksWhenThereIsRoom) {
    struct Case {
        Conversion convert;
        const char* in;
        const char* expected;
    } cases[] = {
        {cp932ToUtf8, "ab\x80" "c", "ab?c"},
        {cp932ToUtf8, "\x82\xa0\xfd", "\xe3\x81\x82?"},
        {utf8ToCp932, "ab\xff" "c", "ab?c"},
    };
    for (const Case& c : cases) {
        Bounded r = convertBounded(c.convert, c.in, 32);
        EXPECT_TRUE(r.guardIntact) << c.in;
        EXPECT_EQ(r.text, c.expected) << c.in;
    }
}
