// CP932 <-> UTF-8, and the edit boxes' CR LF against the desktop's LF.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/linux/code_page.h"

namespace {

std::string toDisplay(const char* cp932, size_t size = 256) {
    std::string out(size, '\0');
    size_t n = cp932ToDisplay(cp932, &out[0], size);
    out.resize(n);
    return out;
}

std::string fromDisplay(const char* utf8, size_t size = 256) {
    std::string out(size, '\0');
    size_t n = displayToCp932(utf8, &out[0], size);
    out.resize(n);
    return out;
}

TEST(CodePage, EditTextsKeepCrLfWhileTheDisplayUsesLf) {
    struct Case {
        const char* cp932;
        const char* utf8;
    };
    const Case cases[] = {
        {"10\r\n4.7k\r\n\r\n1M\r\n", "10\n4.7k\n\n1M\n"},
        {"\x92\xef\x8d\x52" /* 抵抗 */ "\r\n", "抵抗\n"},
        {"\x81\x7d(%)" /* ±(%) */, "±(%)"},
        {"C:\\list", "C:\\list"},  // 0x5C stays a backslash
        {"\x87\x40" /* ① */, "①"},   // an NEC character
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(toDisplay(c.cp932), c.utf8);
        EXPECT_EQ(fromDisplay(c.utf8), c.cp932);
    }
}

TEST(CodePage, LoneLineBreaksAndTypedCrLfBecomeOneCrLf) {
    EXPECT_EQ(toDisplay("a\rb\nc"), "a\nb\nc");
    EXPECT_EQ(fromDisplay("a\r\nb"), "a\r\nb");
}

TEST(CodePage, OutputIsBoundedAndCutBetweenCharacters) {
    // Room for 5 bytes and the zero: "抵抗" in UTF-8 is 6 bytes, so only the
    // first character (3 bytes) fits.
    EXPECT_EQ(toDisplay("\x92\xef\x8d\x52", 6), "抵");
    // "a" CR LF needs 3 bytes; with room for 2 the line break is left out.
    EXPECT_EQ(fromDisplay("a\nb", 3), "a");
    std::string out(1, 'x');
    EXPECT_EQ(cp932ToUtf8("abc", &out[0], 1), 0u);
    EXPECT_EQ(out[0], '\0');
}

TEST(CodePage, AnUnconvertibleCharacterBecomesOneQuestionMark) {
    // U+0E01 (Thai) has no CP932 form: one "?" for its three UTF-8 bytes.
    EXPECT_EQ(fromDisplay("a\xe0\xb8\x81" "b"), "a?b");
    // A byte that starts no CP932 character becomes "?" too.
    EXPECT_EQ(toDisplay("a\xa0" "b").size(), 3u);
}

}  // namespace

// The conversions at the edges of their output buffer: whatever the text,
// nothing is written past the size given, the result ends with a zero byte
// inside it, and the length returned is that text's.
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
