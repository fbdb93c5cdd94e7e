// Code page conversion with glibc's iconv. "CP932" rather than "SHIFT_JIS":
// the latter turns 0x5C into a yen sign and rejects the NEC characters.
//
// Typed text is converted without transliteration, whatever the locale:
// "//TRANSLIT" would turn a dash into "-", a one-dot leader into "." and a
// no-break space into a space, and so into number syntax, and it follows
// the locale's tables. Only the micro sign, which CP932 lacks, becomes the
// Greek mu that the value notation reads as micro; any other character
// that CP932 lacks becomes "?", as on Windows.
#include "platform/linux/code_page.h"
#include "platform/utf8.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace {

// CP932 to UTF-8, opened once per text.
class Converter {
public:
    Converter() : cd_(iconv_open("UTF-8", "CP932")) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `length` bytes of `in` and appends them at out[*used],
    // keeping room for the zero byte; false when the output is full.
    bool convert(const char* in, size_t length, char* out, size_t outSize, size_t* used) {
        if (*used + 1 >= outSize) return length == 0;
        size_t room = outSize - 1 - *used;
        char* dst = out + *used;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            // No converter at all: pass the bytes through.
            size_t n = length < room ? length : room;
            memcpy(dst, in, n);
            *used += n;
            return n == length;
        }
        char* src = const_cast<char*>(in);
        size_t left = length;
        bool fitted = true;
        while (left > 0) {
            if (room == 0) {
                fitted = false;
                break;
            }
            size_t r = iconv(cd_, &src, &left, &dst, &room);
            if (r != static_cast<size_t>(-1)) break;
            // iconv may report a broken byte rather than a full output when
            // both hold: with no room left, the output is full either way.
            if (errno == E2BIG || room == 0) {
                fitted = false;
                break;
            }
            // An invalid or unconvertible character: one "?" for it.
            *dst++ = '?';
            --room;
            ++src;
            --left;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        *used = static_cast<size_t>(dst - out);
        return fitted;
    }

private:
    iconv_t cd_;
};

// UTF-8 to CP932, one character at a time. glibc maps a few characters
// into CP932 one way only (the yen sign to a backslash, the overline to
// "~", the wave dash to the full-width tilde); the code page lacks those,
// so a character counts as converted only if its CP932 form leads back to
// it. Windows' tables without best fit do the same.
class StrictToCp932 {
public:
    StrictToCp932() : there_(iconv_open("CP932", "UTF-8")), back_(iconv_open("UTF-8", "CP932")) {}
    ~StrictToCp932() {
        if (there_ != reinterpret_cast<iconv_t>(-1)) iconv_close(there_);
        if (back_ != reinterpret_cast<iconv_t>(-1)) iconv_close(back_);
    }
    StrictToCp932(const StrictToCp932&) = delete;
    StrictToCp932& operator=(const StrictToCp932&) = delete;

    // Converts `length` bytes of `in` and appends them at out[*used],
    // keeping room for the zero byte; false when the output is full.
    bool convert(const char* in, size_t length, char* out, size_t outSize, size_t* used) {
        const unsigned char* p = reinterpret_cast<const unsigned char*>(in);
        const unsigned char* end = p + length;
        while (p < end) {
            int n = utf8Length(*p);
            if (p + n > end) n = 0;
            for (int i = 1; i < n; ++i) {
                if (!isContinuation(p[i])) n = 0;
            }
            char bytes[8];
            size_t size = 0;
            if (n == 1) {
                bytes[0] = static_cast<char>(*p);
                size = 1;
            } else if (n == 2 && p[0] == 0xC2 && p[1] == 0xB5) {
                memcpy(bytes, "\x83\xca", 2);  // the micro sign as the Greek mu
                size = 2;
            } else if (n > 1) {
                size = character(reinterpret_cast<const char*>(p), static_cast<size_t>(n), bytes,
                                 sizeof bytes);
            }
            if (size == 0) {
                // One "?" for a character CP932 lacks, and for a broken
                // sequence together with the continuation bytes after its
                // start.
                bytes[0] = '?';
                size = 1;
                if (n == 0) {
                    n = 1;
                    while (p + n < end && isContinuation(p[n])) ++n;
                }
            }
            if (*used + size + 1 > outSize) return false;
            memcpy(out + *used, bytes, size);
            *used += size;
            p += n;
        }
        return true;
    }

private:
    // The CP932 form of one UTF-8 character into `bytes`; 0 when it has
    // none that leads back to it.
    size_t character(const char* utf8, size_t length, char* bytes, size_t size) {
        if (there_ == reinterpret_cast<iconv_t>(-1) || back_ == reinterpret_cast<iconv_t>(-1)) {
            return 0;
        }
        size_t n = convertWith(there_, utf8, length, bytes, size);
        char again[8];
        if (n == 0 || convertWith(back_, bytes, n, again, sizeof again) != length ||
            memcmp(again, utf8, length) != 0) {
            return 0;
        }
        return n;
    }

    static size_t convertWith(iconv_t cd, const char* in, size_t length, char* out, size_t size) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in);
        char* dst = out;
        size_t left = length;
        size_t room = size;
        if (iconv(cd, &src, &left, &dst, &room) == static_cast<size_t>(-1) || left != 0) return 0;
        return size - room;
    }

    iconv_t there_;
    iconv_t back_;
};

bool append(const char* bytes, size_t n, char* out, size_t outSize, size_t* used) {
    if (*used + n + 1 > outSize) return false;
    memcpy(out + *used, bytes, n);
    *used += n;
    return true;
}

size_t finish(char* out, size_t used) {
    out[used] = '\0';
    return used;
}

}  // namespace

size_t cp932ToUtf8(const char* in, char* out, size_t outSize) {
    if (outSize == 0) return 0;
    size_t used = 0;
    Converter().convert(in, strlen(in), out, outSize, &used);
    return finish(out, used);
}

size_t utf8ToCp932(const char* in, char* out, size_t outSize) {
    if (outSize == 0) return 0;
    size_t used = 0;
    StrictToCp932().convert(in, strlen(in), out, outSize, &used);
    return finish(out, used);
}

size_t cp932ToDisplay(const char* in, char* out, size_t outSize) {
    if (outSize == 0) return 0;
    size_t used = 0;
    Converter converter;
    const char* line = in;
    for (;;) {
        size_t length = strcspn(line, "\r\n");
        if (!converter.convert(line, length, out, outSize, &used)) break;
        const char* end = line + length;
        if (*end == '\0') break;
        if (!append("\n", 1, out, outSize, &used)) break;
        line = end + ((end[0] == '\r' && end[1] == '\n') ? 2 : 1);
    }
    return finish(out, used);
}

size_t displayToCp932(const char* in, char* out, size_t outSize) {
    if (outSize == 0) return 0;
    size_t used = 0;
    StrictToCp932 converter;
    const char* line = in;
    for (;;) {
        size_t length = strcspn(line, "\n");
        // A CR already before the LF stays single.
        size_t text = (length > 0 && line[length - 1] == '\r') ? length - 1 : length;
        if (!converter.convert(line, text, out, outSize, &used)) break;
        const char* end = line + length;
        if (*end == '\0') break;
        if (!append("\r\n", 2, out, outSize, &used)) break;
        line = end + 1;
    }
    return finish(out, used);
}
