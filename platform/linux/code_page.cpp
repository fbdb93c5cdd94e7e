// Code page conversion with glibc's iconv. "CP932" rather than "SHIFT_JIS":
// the latter turns 0x5C into a yen sign and rejects the NEC characters.
#include "platform/linux/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace {

size_t convert(const char* from, const char* to, const char* in, char* out, size_t outSize) {
    if (outSize == 0) return 0;
    iconv_t cd = iconv_open(to, from);
    size_t room = outSize - 1;
    char* dst = out;
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // No converter at all: pass the bytes through.
        size_t n = strnlen(in, room);
        memcpy(out, in, n);
        out[n] = '\0';
        return n;
    }
    char* src = const_cast<char*>(in);
    size_t left = strlen(in);
    while (left > 0 && room > 0) {
        size_t r = iconv(cd, &src, &left, &dst, &room);
        if (r != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) break;
        // An invalid or incomplete sequence: one "?" for its first byte.
        *dst++ = '?';
        --room;
        ++src;
        --left;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    *dst = '\0';
    return static_cast<size_t>(dst - out);
}

}  // namespace

size_t cp932ToUtf8(const char* in, char* out, size_t outSize) {
    return convert("CP932", "UTF-8", in, out, outSize);
}

size_t utf8ToCp932(const char* in, char* out, size_t outSize) {
    return convert("UTF-8", "CP932//TRANSLIT", in, out, outSize);
}
