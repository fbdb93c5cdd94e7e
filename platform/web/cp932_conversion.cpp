// CP932 <-> UTF-8 over the tables made from glibc's iconv: one character at
// a time, so that a text is cut only between characters and a character
// with no form on the other side becomes one "?", as the Linux build does.
#include "platform/web/cp932_tables.h"

#include <cstring>

#include "platform/utf8.h"

namespace {

// Appends n bytes at out[*used] if they fit with the zero byte; false (and
// nothing written) when they do not.
bool append(const char* bytes, size_t n, char* out, size_t outSize, size_t* used) {
    if (*used + n + 1 > outSize) return false;
    memcpy(out + *used, bytes, n);
    *used += n;
    return true;
}

// A code point of the Basic Multilingual Plane as UTF-8.
size_t putUtf8(unsigned u, char* out) {
    if (u < 0x80) {
        out[0] = static_cast<char>(u);
        return 1;
    }
    if (u < 0x800) {
        out[0] = static_cast<char>(0xC0 | u >> 6);
        out[1] = static_cast<char>(0x80 | (u & 0x3F));
        return 2;
    }
    out[0] = static_cast<char>(0xE0 | u >> 12);
    out[1] = static_cast<char>(0x80 | (u >> 6 & 0x3F));
    out[2] = static_cast<char>(0x80 | (u & 0x3F));
    return 3;
}

// The code point of a well-formed UTF-8 sequence of `length` bytes (its
// continuation bytes already checked); -1 for an overlong form, an encoded
// surrogate or one past U+10FFFF, which glibc refuses as broken.
long codePoint(const unsigned char* p, int length) {
    long u;
    long least;
    switch (length) {
        case 2: u = p[0] & 0x1F; least = 0x80; break;
        case 3: u = p[0] & 0x0F; least = 0x800; break;
        default: u = p[0] & 0x07; least = 0x10000; break;
    }
    for (int i = 1; i < length; ++i) u = u << 6 | (p[i] & 0x3F);
    if (u < least || (u >= 0xD800 && u < 0xE000) || u > 0x10FFFF) return -1;
    return u;
}

// The CP932 form of code point u into bytes; its length, 0 for none.
size_t cp932Form(long u, char* bytes) {
    // The micro sign, which CP932 lacks, as the Greek mu, which the value
    // notation reads as micro.
    if (u == 0xB5) u = 0x3BC;
    int low = 0;
    int high = cp932EncodingCount - 1;
    while (low <= high) {
        int mid = (low + high) / 2;
        long v = cp932Encodings[mid].unicode;
        if (v < u) {
            low = mid + 1;
        } else if (v > u) {
            high = mid - 1;
        } else {
            unsigned code = cp932Encodings[mid].cp932;
            if (code < 0x100) {
                bytes[0] = static_cast<char>(code);
                return 1;
            }
            bytes[0] = static_cast<char>(code >> 8);
            bytes[1] = static_cast<char>(code & 0xFF);
            return 2;
        }
    }
    return 0;
}

}  // namespace

namespace cp932Table {

size_t toUtf8(const char* in, char* out, size_t outSize) {
    if (outSize == 0) return 0;
    size_t used = 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(in);
    while (*p != '\0') {
        unsigned u = cp932SingleBytes[*p];
        size_t length = 1;
        if (u == Cp932LeadByte) {
            unsigned second = cp932DoubleBytes[*p - 0x80][p[1]];
            // A lead byte whose second byte cannot follow it reads as "?"
            // one byte long, and the next byte starts a character of its
            // own, as iconv reads it.
            if (p[1] != '\0' && second != 0) {
                u = second;
                length = 2;
            } else {
                u = Cp932NoCharacter;
            }
        }
        char bytes[4];
        size_t n = u == Cp932NoCharacter ? (bytes[0] = '?', 1) : putUtf8(u, bytes);
        if (!append(bytes, n, out, outSize, &used)) break;
        p += length;
    }
    out[used] = '\0';
    return used;
}

size_t fromUtf8(const char* in, char* out, size_t outSize) {
    if (outSize == 0) return 0;
    size_t used = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(in); *p != '\0';) {
        int length = utf8Length(*p);
        for (int i = 1; i < length; ++i) {
            if (!isContinuation(p[i])) length = 0;
        }
        char bytes[2];
        size_t n = 0;
        if (length == 1) {
            bytes[0] = static_cast<char>(*p);
            n = 1;
        } else if (length > 1) {
            long u = codePoint(p, length);
            if (u >= 0) n = cp932Form(u, bytes);
        }
        if (n == 0) {
            // One "?" for a character with no CP932 form, and for a broken
            // sequence together with the continuation bytes after its start.
            bytes[0] = '?';
            n = 1;
            if (length == 0) {
                length = 1;
                while (isContinuation(p[length])) ++length;
            }
        }
        if (!append(bytes, n, out, outSize, &used)) break;
        p += length;
    }
    out[used] = '\0';
    return used;
}

}  // namespace cp932Table
