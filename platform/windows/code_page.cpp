// Code page conversion on Windows with the system's own tables, one
// character at a time so that the result is cut between characters and an
// unconvertible character becomes one "?", as the Linux build does with
// iconv. Typed text is converted without Windows' best-fit mappings, which
// would turn a dash into "-" or a no-break space into a space: only the
// micro sign becomes the Greek mu (which the value notation reads as
// micro), and any other character that CP932 lacks becomes "?".
#include "platform/code_page.h"

#include "platform/win32.h"

#include <cstring>

namespace {

// The CP932 lead bytes of two-byte characters.
bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// The CP932 single bytes: ASCII and the half-width katakana. 0x80, 0xA0 and
// 0xFD to 0xFF start no character; Windows would still map some of them to
// private code points, which the Linux build never produces.
bool isSingleByte(unsigned char b) { return b < 0x80 || (b >= 0xA1 && b <= 0xDF); }

// The length a UTF-8 lead byte announces; 0 for a byte that starts nothing.
int utf8Length(unsigned char b) {
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) return 2;
    if (b >= 0xE0 && b <= 0xEF) return 3;
    if (b >= 0xF0 && b <= 0xF4) return 4;
    return 0;
}

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Appends n bytes at out[*used] if they fit with the zero byte; false (and
// nothing written) when they do not.
bool append(const char* bytes, size_t n, char* out, size_t outSize, size_t* used) {
    if (*used + n + 1 > outSize) return false;
    memcpy(out + *used, bytes, n);
    *used += n;
    return true;
}

// One character from code page `from` to code page `to` through UTF-16;
// 0 when it has no form in either, else the length written to `bytes`.
int convertCharacter(UINT from, const char* in, int length, UINT to, char* bytes, int size) {
    wchar_t wide[2];
    int n = MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, in, length, wide, 2);
    if (n <= 0) return 0;
    if (to != CP_UTF8 && n == 1 && wide[0] == 0x00B5) wide[0] = 0x03BC;  // micro sign: Greek mu
    BOOL usedDefault = FALSE;
    // The default character may be named only for code pages other than UTF-8.
    BOOL* defaulted = to == CP_UTF8 ? nullptr : &usedDefault;
    const char* fallback = to == CP_UTF8 ? nullptr : "?";
    DWORD flags = to == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    int m = WideCharToMultiByte(to, flags, wide, n, bytes, size, fallback, defaulted);
    if (m <= 0 || usedDefault) return 0;
    return m;
}

}  // namespace

size_t cp932ToUtf8(const char* in, char* out, size_t outSize) {
    if (outSize == 0) return 0;
    size_t used = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(in); *p != '\0';) {
        char bytes[8];
        int length = isLeadByte(*p) && p[1] != '\0' ? 2 : 1;
        int n = 0;
        if (*p < 0x80) {
            bytes[0] = static_cast<char>(*p);
            n = 1;
        } else if (length == 2 || isSingleByte(*p)) {
            n = convertCharacter(932, reinterpret_cast<const char*>(p), length, CP_UTF8, bytes,
                                 sizeof bytes);
        }
        if (n == 0) {
            // Not a character: one "?" for its first byte, then go on with
            // the next byte, which may start a character of its own.
            bytes[0] = '?';
            n = 1;
            length = 1;
        }
        if (!append(bytes, static_cast<size_t>(n), out, outSize, &used)) break;
        p += length;
    }
    out[used] = '\0';
    return used;
}

size_t utf8ToCp932(const char* in, char* out, size_t outSize) {
    if (outSize == 0) return 0;
    size_t used = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(in); *p != '\0';) {
        char bytes[8];
        int length = utf8Length(*p);
        for (int i = 1; i < length; ++i) {
            if (!isContinuation(p[i])) length = 0;
        }
        int n = 0;
        if (length == 1) {
            bytes[0] = static_cast<char>(*p);
            n = 1;
        } else if (length > 1) {
            n = convertCharacter(CP_UTF8, reinterpret_cast<const char*>(p), length, 932, bytes,
                                 sizeof bytes);
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
        if (!append(bytes, static_cast<size_t>(n), out, outSize, &used)) break;
        p += length;
    }
    out[used] = '\0';
    return used;
}
