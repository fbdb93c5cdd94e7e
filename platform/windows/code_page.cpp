// CP932 <-> UTF-8 for the command-line search on Windows, through the
// UTF-16 characters of platform/windows/wide_text.h: one character at a
// time, so that the result is cut between characters and an unconvertible
// character becomes one "?", as the Linux build does with iconv. Typed text
// is converted without best-fit look-alikes (a dash would become "-", a
// no-break space a space): only the micro sign becomes the Greek mu, which
// the value notation reads as micro.
#include "platform/code_page.h"
#include "platform/utf8.h"

#include <cstring>

#include "platform/windows/wide_text.h"

namespace {

// Appends n bytes at out[*used] if they fit with the zero byte; false (and
// nothing written) when they do not.
bool append(const char* bytes, size_t n, char* out, size_t outSize, size_t* used) {
    if (*used + n + 1 > outSize) return false;
    memcpy(out + *used, bytes, n);
    *used += n;
    return true;
}

}  // namespace

size_t cp932ToUtf8(const char* in, char* out, size_t outSize) {
    if (outSize == 0) return 0;
    size_t used = 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(in);
    int left = static_cast<int>(strlen(in));
    while (left > 0) {
        wchar_t wide[2];
        int units = 0;
        int length = readCp932Character(p, left, wide, &units);
        char bytes[8];
        int n = WideCharToMultiByte(CP_UTF8, 0, wide, units, bytes, sizeof bytes, nullptr, nullptr);
        if (n <= 0) {
            bytes[0] = '?';
            n = 1;
        }
        if (!append(bytes, static_cast<size_t>(n), out, outSize, &used)) break;
        p += length;
        left -= length;
    }
    out[used] = '\0';
    return used;
}

size_t utf8ToCp932(const char* in, char* out, size_t outSize) {
    if (outSize == 0) return 0;
    size_t used = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(in); *p != '\0';) {
        int length = utf8Length(*p);
        for (int i = 1; i < length; ++i) {
            if (!isContinuation(p[i])) length = 0;
        }
        char bytes[2] = {'?', 0};
        int n = 0;
        if (length > 0) {
            // The strict decoder refuses overlong forms and encoded
            // surrogates; their bytes are then one broken sequence.
            wchar_t wide[2];
            int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS,
                                            reinterpret_cast<const char*>(p), length, wide, 2);
            if (units > 0) {
                readWideCharacter(wide, units, bytes, &n);
            } else {
                length = 0;
            }
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
