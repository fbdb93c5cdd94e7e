// CP932 <-> UTF-16 as the Windows platform layer converts the window texts,
// on the system's own code page 932 table (run under Wine by
// scripts/check-windows-under-wine, in a Japanese and in the C locale, whose
// ANSI code pages differ: the results must not).
#include "platform/windows/wide_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::wstring toWide(const char* cp932, int length = -1, int size = 256) {
    std::wstring out(static_cast<size_t>(size), L'\0');
    int n = cp932ToWide(cp932, length, &out[0], size);
    EXPECT_EQ(out[static_cast<size_t>(n)], L'\0');
    out.resize(static_cast<size_t>(n));
    return out;
}

std::string toCp932(const wchar_t* wide, int length = -1, int size = 256) {
    std::string out(static_cast<size_t>(size), '\0');
    int n = wideToCp932(wide, length, &out[0], size);
    EXPECT_EQ(out[static_cast<size_t>(n)], '\0');
    out.resize(static_cast<size_t>(n));
    return out;
}

TEST(WideText, CharactersOfBothScriptsConvertBothWays) {
    struct Case {
        const char* cp932;
        const wchar_t* wide;
    };
    const Case cases[] = {
        {"4.7k 1%\r\n", L"4.7k 1%\r\n"},
        {"C:\\list~", L"C:\\list~"},  // 0x5C and 0x7E keep their ASCII meaning
        {"\x83\x5c\x83\x74\x83\x67" /* ソフト */, L"\u30bd\u30d5\u30c8"},  // 0x5C as a second byte
        {"\x8f\x88\x97\x9d\x92\xe2\x8e\x7e" /* 処理停止 */, L"\u51e6\u7406\u505c\u6b62"},
        {"\x83\x52\x83\x93\x83\x66\x83\x93\x83\x54" /* コンデンサ */, L"\u30b3\u30f3\u30c7\u30f3\u30b5"},
        {"(2\x81\x60" "5)" /* (2～5) */, L"(2\uff5e5)"},
        {"\x81\x7d(%)" /* ±(%) */, L"\u00b1(%)"},
        {"\xb6\xb0\xce\xde\xdd" /* ｶｰﾎﾞﾝ */, L"\uff76\uff70\uff8e\uff9e\uff9d"},  // one byte each
        {"\x87\x40\x87\x8a" /* ①㈱ */, L"\u2460\u3231"},                            // NEC characters
        {"", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cp932);
        EXPECT_EQ(toWide(c.cp932), c.wide);
        EXPECT_EQ(toCp932(c.wide), c.cp932);
    }
}

TEST(WideText, WhatHasNoFormBecomesOneQuestionMarkAndTheRestGoesOn) {
    struct FromCp932 {
        const char* in;
        const wchar_t* out;
    };
    const FromCp932 fromCp932[] = {
        {"a\x80" "b", L"a?b"},  // bytes that start no character
        {"a\xa0" "b", L"a?b"},
        {"a\xfd" "b", L"a?b"},
        {"a\x81", L"a?"},       // a lead byte at the very end
        {"\x81 b", L"? b"},     // a lead byte before a byte that cannot follow it
    };
    for (const FromCp932& c : fromCp932) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(toWide(c.in), c.out);
    }
    struct FromWide {
        const wchar_t* in;
        const char* out;
    };
    const FromWide fromWide[] = {
        {L"J\u00fcrgen", "J?rgen"},     // no best fit: "ü" would become "u"
        {L"a\u0e01b", "a?b"},           // Thai
        {L"\U0001F600!", "?!"},         // a surrogate pair is one character
        {L"a\xd800" L"b", "a?b"},       // a lone surrogate
        {L"a\xdc00", "a?"},
    };
    for (const FromWide& c : fromWide) {
        SCOPED_TRACE(c.out);
        EXPECT_EQ(toCp932(c.in), c.out);
        bool whole = true;
        EXPECT_EQ(cp932LengthOf(c.in, -1, &whole), static_cast<int>(strlen(c.out)));
        EXPECT_FALSE(whole);
    }
    bool whole = false;
    EXPECT_EQ(cp932LengthOf(L"\u51e6\u7406 ok", -1, &whole), 7);
    EXPECT_TRUE(whole);
}

TEST(WideText, LengthsAndOutputsAreBoundedAndCutBetweenCharacters) {
    // Only the bytes of the length count, and a zero ends the text earlier.
    EXPECT_EQ(toWide("\x8e\xc0\x8d\x73" /* 実行 */, 2), L"\u5b9f");
    EXPECT_EQ(toWide("\x8e\xc0\x8d\x73", 3), L"\u5b9f?");  // a lead byte cut by the length
    EXPECT_EQ(toWide("ab\0cd", 5), L"ab");
    EXPECT_EQ(toCp932(L"\u5b9f\u884c", 1), "\x8e\xc0");
    // Room for 3 bytes and the zero: the second character does not fit.
    EXPECT_EQ(toCp932(L"\u5b9f\u884c", -1, 4), "\x8e\xc0");
    EXPECT_EQ(toCp932(L"a\u5b9f", -1, 2), "a");
    EXPECT_EQ(toWide("abc", -1, 3), L"ab");
    // The untouched rest of a buffer stays so.
    wchar_t wide[8];
    for (wchar_t& u : wide) u = L'#';
    EXPECT_EQ(cp932ToWide("abcdef", -1, wide, 4), 3);
    EXPECT_EQ(std::wstring(wide, 5), std::wstring(L"abc\0#", 5));
    char bytes[8];
    memset(bytes, '#', sizeof bytes);
    EXPECT_EQ(wideToCp932(L"\u5b9f\u884c", -1, bytes, 3), 2);
    EXPECT_EQ(std::string(bytes, 4), std::string("\x8e\xc0\0#", 4));
    EXPECT_EQ(cp932ToWide("abc", -1, wide, 0), 0);
    EXPECT_EQ(wideToCp932(L"abc", -1, bytes, 0), 0);
}

}  // namespace
