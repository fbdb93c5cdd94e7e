// The web build's code page tables against glibc's iconv, which the Linux
// build converts with: every byte, every two-byte sequence and every
// character of the Basic Multilingual Plane must come out the same, so that
// the page reads and writes exactly the bytes combinix-search does. Each
// case converts one long text, so that iconv is opened a few hundred times,
// not once per character.
#include <gtest/gtest.h>

#include <string>

#include "platform/code_page.h"
#include "platform/web/cp932_tables.h"

namespace {

using Convert = size_t (*)(const char*, char*, size_t);

std::string run(Convert convert, const std::string& in) {
    std::string out(in.size() * 4 + 16, '\0');
    size_t n = convert(in.c_str(), &out[0], out.size());
    out.resize(n);
    return out;
}

std::string utf8Of(unsigned u) {
    std::string s;
    if (u < 0x80) {
        s += static_cast<char>(u);
    } else if (u < 0x800) {
        s += static_cast<char>(0xC0 | u >> 6);
        s += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        s += static_cast<char>(0xE0 | u >> 12);
        s += static_cast<char>(0x80 | (u >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | u >> 18);
        s += static_cast<char>(0x80 | (u >> 12 & 0x3F));
        s += static_cast<char>(0x80 | (u >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (u & 0x3F));
    }
    return s;
}

}  // namespace

TEST(WebCodePage, EveryByteAndBytepairReadsAsIconvReadsIt) {
    // Each byte alone, before a space: a lead byte then has nothing to
    // lead, and becomes "?" as iconv reads it.
    std::string singles;
    for (int b = 1; b < 256; ++b) {
        singles += static_cast<char>(b);
        singles += ' ';
    }
    EXPECT_EQ(run(cp932Table::toUtf8, singles), run(cp932ToUtf8, singles));
    // Every second byte after every byte, each pair before an "a"; and each
    // byte at the very end of a text.
    for (int lead = 0x80; lead < 256; ++lead) {
        SCOPED_TRACE(lead);
        std::string pairs;
        for (int t = 1; t < 256; ++t) {
            pairs += static_cast<char>(lead);
            pairs += static_cast<char>(t);
            pairs += 'a';
        }
        EXPECT_EQ(run(cp932Table::toUtf8, pairs), run(cp932ToUtf8, pairs));
        const std::string last = std::string("x") + static_cast<char>(lead);
        EXPECT_EQ(run(cp932Table::toUtf8, last), run(cp932ToUtf8, last));
    }
}

TEST(WebCodePage, EveryCharacterBecomesWhatTheLinuxBuildMakesOfIt) {
    // Every code point, 256 to a text; then the broken forms: overlong
    // leads, encoded surrogates, the planes above and bytes cut short.
    for (unsigned block = 0; block < 0x110000; block += 0x100) {
        if (block >= 0x20000 && block < 0x10F000 && block % 0x10000 != 0) continue;
        SCOPED_TRACE(block);
        std::string text;
        for (unsigned u = block; u < block + 0x100; ++u) {
            if (u == 0) continue;
            text += utf8Of(u);
            text += ' ';
        }
        EXPECT_EQ(run(cp932Table::fromUtf8, text), run(utf8ToCp932, text));
    }
    const char* broken[] = {
        "\xc0\xaf", "\xc1\xbf", "\xe0\x80\xaf", "\xe0\x9f\xbf", "\xed\xa0\x80", "\xed\xbf\xbf",
        "\xf0\x8f\xbf\xbf", "\xf4\x90\x80\x80", "\xf5\x80\x80\x80", "\xff", "\xfe\x80",
        "\x80\x80", "\xe3\x81", "\xe3", "\xf0\x9f\x98", "a\xe3\x81" "b", "\xc2\xb5", "\xce\xbc",
    };
    for (const char* text : broken) {
        SCOPED_TRACE(text);
        EXPECT_EQ(run(cp932Table::fromUtf8, text), run(utf8ToCp932, text));
    }
}

TEST(WebCodePage, TheTablesHoldTheCodePageAsItIs) {
    // A few rows read off the code page itself: ASCII, the half-width
    // katakana, a kanji, an NEC character, a user-defined character.
    EXPECT_EQ(cp932SingleBytes[0x41], 0x41);
    EXPECT_EQ(cp932SingleBytes[0xB1], 0xFF71);  // ｱ
    EXPECT_EQ(cp932SingleBytes[0x81], Cp932LeadByte);
    EXPECT_EQ(cp932SingleBytes[0xA0], Cp932NoCharacter);
    EXPECT_EQ(cp932DoubleBytes[0x8E - 0x80][0xC0], 0x5B9F);  // 実
    EXPECT_EQ(cp932DoubleBytes[0x87 - 0x80][0x40], 0x2460);  // ①
    EXPECT_EQ(cp932DoubleBytes[0xF0 - 0x80][0x40], 0xE000);
    // The encodings are sorted, so that a binary search finds each.
    for (int i = 1; i < cp932EncodingCount; ++i) {
        ASSERT_LT(cp932Encodings[i - 1].unicode, cp932Encodings[i].unicode) << i;
    }
    EXPECT_GT(cp932EncodingCount, 7000);
}
