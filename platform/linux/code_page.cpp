// Code page conversion with glibc's iconv. "CP932" rather than "SHIFT_JIS":
// the latter turns 0x5C into a yen sign and rejects the NEC characters.
#include "platform/linux/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace {

// One conversion direction, opened once per text.
class Converter {
public:
    Converter(const char* from, const char* to)
        : cd_(iconv_open(to, from)), fromUtf8_(strcmp(from, "UTF-8") == 0) {}
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
            if (errno == E2BIG) {
                fitted = false;
                break;
            }
            // An invalid or unconvertible character: one "?" for it.
            *dst++ = '?';
            --room;
            ++src;
            --left;
            while (fromUtf8_ && left > 0 && (static_cast<unsigned char>(*src) & 0xC0) == 0x80) {
                ++src;
                --left;
            }
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        *used = static_cast<size_t>(dst - out);
        return fitted;
    }

private:
    iconv_t cd_;
    bool fromUtf8_;
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
    Converter("CP932", "UTF-8").convert(in, strlen(in), out, outSize, &used);
    return finish(out, used);
}

size_t utf8ToCp932(const char* in, char* out, size_t outSize) {
    if (outSize == 0) return 0;
    size_t used = 0;
    Converter("UTF-8", "CP932//TRANSLIT").convert(in, strlen(in), out, outSize, &used);
    return finish(out, used);
}

size_t cp932ToDisplay(const char* in, char* out, size_t outSize) {
    if (outSize == 0) return 0;
    size_t used = 0;
    Converter converter("CP932", "UTF-8");
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
    Converter converter("UTF-8", "CP932//TRANSLIT");
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
