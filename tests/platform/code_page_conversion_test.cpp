// CP932 <-> UTF-8 as combinix-search uses it. The same cases run against
// glibc's iconv here and against the Windows code page tables in the
// Windows build (scripts/check-windows-under-wine), so both builds read
// and print the same bytes.
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

#include "platform/code_page.h"

namespace {

std::string toUtf8(const char* cp932, size_t size = 256) {
    std::string out(size, '\0');
    size_t n = cp932ToUtf8(cp932, &out[0], size);
    EXPECT_EQ(out[n], '\0');
    out.resize(n);
    return out;
}

std::string toCp932(const char* utf8, size_t size = 256) {
    std::string out(size, '\0');
    size_t n = utf8ToCp932(utf8, &out[0], size);
    EXPECT_EQ(out[n], '\0');
    out.resize(n);
    return out;
}

TEST(CodePageConversion, CharactersOfBothScriptsConvertBothWays) {
    struct Case {
        const char* cp932;
        const char* utf8;
    };
    const Case cases[] = {
        {"4.7k 1%\r\n", "4.7k 1%\r\n"},
        {"C:\\list~", "C:\\list~"},  // 0x5C and 0x7E keep their ASCII meaning
        {"\x8e\xc0\x8d\x73" /* 実行 */, "実行"},
        {"\x82\x51\x82\x55\x91\x67\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb5\x82\xbd\x81\x42"
         /* ２６組見つかりました。 */,
         "２６組見つかりました。"},
        {"\xb1\xba" /* ｱｺ */, "ｱｺ"},            // half-width katakana, one byte each
        {"\x87\x40\x87\x8a" /* ①㈱ */, "①㈱"},  // NEC characters
        {"(2\x81\x60" "5)" /* (2～5) */, "(2～5)"},
        {"\x81\x7d\x81\x7c" /* ±－ */, "±－"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(toUtf8(c.cp932), c.utf8);
        EXPECT_EQ(toCp932(c.utf8), c.cp932);
    }
}

TEST(CodePageConversion, WhatHasNoFormBecomesOneQuestionMarkAndTheRestGoesOn) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case fromCp932[] = {
        {"a\x80" "b", "a?b"},      // bytes that start no character
        {"a\xa0" "b", "a?b"},
        {"a\xfd" "b", "a?b"},
        {"a\x81", "a?"},            // a lead byte at the very end
        {"\x81 b", "? b"},          // a lead byte before a byte that cannot follow it
    };
    for (const Case& c : fromCp932) {
        SCOPED_TRACE(c.out);
        EXPECT_EQ(toUtf8(c.in), c.out);
    }
    const Case fromUtf8[] = {
        {"a\xe0\xb8\x81" "b", "a?b"},  // U+0E01 (Thai) has no CP932 form
        {"a\xe3\x81" "b", "a?b"},      // a sequence cut short
        {"a\xff\x80\x80" "b", "a?b"},  // a byte that starts nothing, and its tail
        {"a\xc0\xaf" "b", "a?b"},      // an overlong "/"
        {"\xf0\x9f\x98\x80!", "?!"},   // outside the Basic Multilingual Plane
    };
    for (const Case& c : fromUtf8) {
        SCOPED_TRACE(c.out);
        EXPECT_EQ(toCp932(c.in), c.out);
    }
}

TEST(CodePageConversion, TypedTextIsNotTransliteratedInAnyLocale) {
    // Typed text must not turn into number syntax: a dash into "-", a
    // one-dot leader into ".", a no-break space into a space. The micro
    // sign, which CP932 lacks, becomes the Greek mu that the value notation
    // reads as micro; what else CP932 lacks becomes "?", including what a
    // converter maps into it one way only (the yen sign to a backslash).
    struct Case {
        const char* utf8;
        const char* cp932;
    };
    const Case cases[] = {
        {"4.7\xc2\xb5", "4.7\x83\xca"},            // micro sign: Greek mu
        {"4.7\xce\xbc", "4.7\x83\xca"},            // Greek mu
        {"4\xe2\x80\x93" "7", "4?7"},               // en dash
        {"4\xe2\x80\x94" "7", "4?7"},               // em dash (CP932 has U+2015 only)
        {"4\xe2\x80\xa4" "7k", "4?7k"},             // one-dot leader
        {"4.7\xc2\xa0k", "4.7?k"},                   // no-break space
        {"\xc2\xa5" "100", "?100"},                   // yen sign
        {"a\xe2\x80\xbe", "a?"},                     // overline
        {"(2\xe3\x80\x9c" "5)", "(2?5)"},           // wave dash; CP932 holds the full-width tilde
        {"\xe2\x88\x92" "5", "?5"},                  // minus sign; CP932 holds the full-width hyphen-minus
        {"(2\xef\xbd\x9e" "5)", "(2\x81\x60" "5)"},  // the full-width tilde itself
    };
    for (const char* locale : {"C", "C.UTF-8"}) {
        if (setlocale(LC_ALL, locale) == nullptr) continue;  // Windows knows no C.UTF-8
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(locale) + " " + c.utf8);
            EXPECT_EQ(toCp932(c.utf8), c.cp932);
        }
    }
    setlocale(LC_ALL, "C");
}

TEST(CodePageConversion, OutputIsBoundedAndCutBetweenCharacters) {
    // "実行" is 6 bytes of UTF-8: with room for 5 and the zero only 実 fits.
    EXPECT_EQ(toUtf8("\x8e\xc0\x8d\x73", 6), "実");
    EXPECT_EQ(toUtf8("\x8e\xc0\x8d\x73", 7), "実行");
    // 4 bytes of CP932: with room for 3 only the first character fits.
    EXPECT_EQ(toCp932("実行", 4), "\x8e\xc0");
    EXPECT_EQ(toCp932("a?", 2), "a");
    std::string out(1, 'x');
    EXPECT_EQ(cp932ToUtf8("abc", &out[0], 1), 0u);
    EXPECT_EQ(out[0], '\0');
    EXPECT_EQ(utf8ToCp932("abc", &out[0], 0), 0u);
}

TEST(CodePageConversion, ABrokenByteAtAFullOutputStaysInsideIt) {
    // Found by the code page fuzzer. "ab" fills an output of 3 bytes with
    // its zero byte; the broken byte after it still got its "?" in the zero
    // byte's place and the zero byte went one past the end, and with more
    // text after it the conversion went on with no limit at all. The
    // buffer's bytes after the size given must stay untouched.
    struct Case {
        size_t (*convert)(const char*, char*, size_t);
        const char* in;
        size_t outSize;
        const char* expected;
    };
    const Case cases[] = {
        {cp932ToUtf8, "ab\x80", 3, "ab"},                    // 0x80 starts no character
        {cp932ToUtf8, "ab\x81", 3, "ab"},                    // a lead byte cut by the end
        {cp932ToUtf8, "ab\x80xyz", 3, "ab"},
        {cp932ToUtf8, "\x8e\xc0\xff", 4, "\xe5\xae\x9f"},   // 実 fills 3 bytes
        {cp932ToUtf8, "\xff", 1, ""},
        {utf8ToCp932, "ab\xff", 3, "ab"},
        {utf8ToCp932, "ab\xe3\x81", 3, "ab"},                // a cut UTF-8 sequence
        {utf8ToCp932, "\xe5\xae\x9f\xff\xff", 3, "\x8e\xc0"}, // 実 fills 2 bytes
        {utf8ToCp932, "\xff", 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        char buffer[32];
        memset(buffer, 0x55, sizeof buffer);
        size_t n = c.convert(c.in, buffer, c.outSize);
        ASSERT_LT(n, c.outSize);
        EXPECT_EQ(std::string(buffer, n), c.expected);
        EXPECT_EQ(buffer[n], '\0');
        for (size_t i = c.outSize; i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], 0x55) << i;
    }
}

}  // namespace
