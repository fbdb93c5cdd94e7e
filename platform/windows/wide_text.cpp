// CP932 <-> UTF-16 with the system's own code page 932 table, one character
// at a time, so that a text is cut between characters and each character
// with no form on the other side becomes one "?". ASCII, nearly all of what
// the result lists hold, is copied without asking the system.
#include "platform/windows/wide_text.h"

#include <cstring>

namespace {

// The CP932 lead bytes of two-byte characters.
bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// The CP932 single bytes beyond ASCII: the half-width katakana. 0x80, 0xA0
// and 0xFD to 0xFF start no character; Windows would still map some of them
// to private code points, which the Linux build never produces.
bool isKatakanaByte(unsigned char b) { return b >= 0xA1 && b <= 0xDF; }

bool isHighSurrogate(wchar_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLowSurrogate(wchar_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

int lengthOf(const char* in, int length) {
    if (length >= 0) return static_cast<int>(strnlen(in, static_cast<size_t>(length)));
    return static_cast<int>(strlen(in));
}

int lengthOf(const wchar_t* in, int length) {
    if (length >= 0) return static_cast<int>(wcsnlen(in, static_cast<size_t>(length)));
    return static_cast<int>(wcslen(in));
}

}  // namespace

int readCp932Character(const unsigned char* in, int left, wchar_t* wide, int* units) {
    *units = 1;
    if (in[0] < 0x80) {
        wide[0] = in[0];
        return 1;
    }
    int length = isLeadByte(in[0]) && left >= 2 && in[1] != 0 ? 2 : 1;
    if (length == 2 || isKatakanaByte(in[0])) {
        int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, reinterpret_cast<const char*>(in),
                                    length, wide, 2);
        if (n > 0) {
            *units = n;
            return length;
        }
    }
    wide[0] = L'?';
    return 1;
}

int readWideCharacter(const wchar_t* in, int left, char* bytes, int* length) {
    *length = 0;
    if (in[0] < 0x80) {
        bytes[0] = static_cast<char>(in[0]);
        *length = 1;
        return 1;
    }
    // Code page 932 has nothing beyond the Basic Multilingual Plane, and a
    // lone surrogate is no character at all.
    if (isHighSurrogate(in[0]) && left >= 2 && isLowSurrogate(in[1])) return 2;
    if (isHighSurrogate(in[0]) || isLowSurrogate(in[0])) return 1;
    // No best fit: a character the code page lacks is "?", not a look-alike
    // ("é" would become "e") that reads back as something else. The one
    // exception is the micro sign, which people type for micro and the code
    // page holds as the Greek mu.
    const wchar_t micro = 0x00B5, greekMu = 0x03BC;
    const wchar_t character = in[0] == micro ? greekMu : in[0];
    BOOL defaulted = FALSE;
    int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &character, 1, bytes, 2, "?", &defaulted);
    if (n > 0 && !defaulted) *length = n;
    return 1;
}

int cp932ToWide(const char* in, int length, wchar_t* out, int outUnits) {
    if (outUnits <= 0) return 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(in);
    int left = lengthOf(in, length);
    int used = 0;
    while (left > 0) {
        wchar_t wide[2];
        int units = 0;
        int n = readCp932Character(p, left, wide, &units);
        if (used + units > outUnits - 1) break;
        for (int i = 0; i < units; ++i) out[used++] = wide[i];
        p += n;
        left -= n;
    }
    out[used] = L'\0';
    return used;
}

namespace {

// wideToCp932, or with no output (out null) only the length it would give;
// *whole tells whether every character had a CP932 form.
int convertWide(const wchar_t* in, int length, char* out, int outSize, bool* whole) {
    int left = lengthOf(in, length);
    int used = 0;
    *whole = true;
    while (left > 0) {
        char bytes[2];
        int n = 0;
        int units = readWideCharacter(in, left, bytes, &n);
        if (n == 0) {
            bytes[0] = '?';
            n = 1;
            *whole = false;
        }
        if (out != nullptr) {
            if (used + n > outSize - 1) break;
            for (int i = 0; i < n; ++i) out[used + i] = bytes[i];
        }
        used += n;
        in += units;
        left -= units;
    }
    if (out != nullptr) out[used] = '\0';
    return used;
}

}  // namespace

int wideToCp932(const wchar_t* in, int length, char* out, int outSize) {
    if (outSize <= 0) return 0;
    bool whole = true;
    return convertWide(in, length, out, outSize, &whole);
}

int cp932LengthOf(const wchar_t* in, int length, bool* whole) {
    return convertWide(in, length, nullptr, 0, whole);
}
