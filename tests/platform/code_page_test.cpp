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
    // What the edit boxes take is not transliterated either: the micro
    // sign becomes the Greek mu, a dash "?", on every line.
    EXPECT_EQ(fromDisplay("4.7\xc2\xb5\n4\xe2\x80\x93" "7\n"), "4.7\x83\xca\r\n4?7\r\n");
    // A byte that starts no CP932 character becomes "?" too.
    EXPECT_EQ(toDisplay("a\xa0" "b").size(), 3u);
}

}  // namespace

namespace {

// Converts into the first `outSize` bytes of a larger buffer whose rest is
// a guard that must stay untouched; "<no room>" when the length returned
// leaves no room for the zero byte.
std::string convertGuarded(size_t (*convert)(const char*, char*, size_t), const char* in,
                           size_t outSize, bool* guardIntact) {
    char buffer[64];
    memset(buffer, 0x55, sizeof buffer);
    size_t n = convert(in, buffer, outSize);
    *guardIntact = true;
    for (size_t i = outSize; i < sizeof buffer; ++i) *guardIntact = *guardIntact && buffer[i] == 0x55;
    if (n >= outSize || buffer[n] != '\0') return "<no room>";
    return std::string(buffer, n);
}

}  // namespace

TEST(CodePage, ABrokenByteAtAFullEditBoxTextStaysInsideIt) {
    // As for the plain conversions (CodePageConversion): a broken byte right
    // after the output is full wrote its "?" over the zero byte's place and
    // the zero byte past the end.
    struct Case {
        size_t (*convert)(const char*, char*, size_t);
        const char* in;
        size_t outSize;
        const char* expected;
    } cases[] = {
        {cp932ToDisplay, "ab\x80", 3, "ab"},
        {cp932ToDisplay, "a\r\nb\x81", 4, "a\nb"},
        {displayToCp932, "ab\xff", 3, "ab"},
        {displayToCp932, "a\nb\xe3\x81", 5, "a\r\nb"},
    };
    for (const Case& c : cases) {
        bool intact = false;
        EXPECT_EQ(convertGuarded(c.convert, c.in, c.outSize, &intact), c.expected) << c.in;
        EXPECT_TRUE(intact) << c.in;
    }
}
