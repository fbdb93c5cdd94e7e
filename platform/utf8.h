// The shape of UTF-8 as both code page converters read it: how long a
// character its lead byte announces, and which bytes continue one.
#pragma once

// The length a UTF-8 lead byte announces; 0 for a byte that starts nothing
// (a continuation byte, an overlong lead or one past U+10FFFF).
inline int utf8Length(unsigned char b) {
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) return 2;
    if (b >= 0xE0 && b <= 0xEF) return 3;
    if (b >= 0xF0 && b <= 0xF4) return 4;
    return 0;
}

inline bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }
