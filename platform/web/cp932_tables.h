// The code page 932 tables of the web build and the conversions over them.
// The tables are made at build time from glibc's iconv (make-cp932-table),
// so the page reads and writes the same bytes as the Linux build; the
// conversions behave as platform/code_page.h says, byte for byte as the
// Linux build's (a native test compares the two over every character).
#pragma once

#include <cstddef>
#include <cstdint>

// What a byte means on its own: its code point, or one of these marks.
constexpr uint16_t Cp932LeadByte = 0xFFFF;    // the first byte of a two-byte character
constexpr uint16_t Cp932NoCharacter = 0xFFFE;  // a byte that starts no character
extern const uint16_t cp932SingleBytes[256];
// The code point of lead byte 0x80 + i and second byte t; 0 for none.
extern const uint16_t cp932DoubleBytes[128][256];

// A character above U+007F with its CP932 form (one byte, or lead byte << 8
// | second byte), for those whose form leads back to them; sorted by code
// point.
struct Cp932Encoding {
    uint16_t unicode;
    uint16_t cp932;
};
extern const int cp932EncodingCount;
extern const Cp932Encoding cp932Encodings[];

namespace cp932Table {

size_t toUtf8(const char* in, char* out, size_t outSize);
size_t fromUtf8(const char* in, char* out, size_t outSize);

}  // namespace cp932Table
