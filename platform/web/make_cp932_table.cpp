// make-cp932-table: writes the code page tables of the web build as C++
// source, from glibc's iconv "CP932", which the Linux build converts with.
// The browser has no CP932 converter, and Emscripten's C library has no
// iconv, so the web build carries the very mapping glibc applies, made on
// the build machine:
//   cp932SingleBytes  what each byte means on its own: a character, the
//                     lead byte of a two-byte character, or nothing;
//   cp932DoubleBytes  the character of each lead byte (0x80 to 0xFF) and
//                     second byte, 0 for none;
//   cp932Encodings    the characters above U+007F whose CP932 form leads
//                     back to them, sorted, each with that form: what typed
//                     text may become (a character glibc maps one way only,
//                     as the yen sign to a backslash, is left out, as the
//                     Linux build leaves it out).
// Usage: make-cp932-table OUTPUT.cpp
#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Converts `length` bytes with `cd`; the output length, or -1 when iconv
// refuses or leaves input over (errno: EINVAL for a cut character).
int convert(iconv_t cd, const char* in, size_t length, char* out, size_t size) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in);
    char* dst = out;
    size_t left = length;
    size_t room = size;
    if (iconv(cd, &src, &left, &dst, &room) == static_cast<size_t>(-1)) return -1;
    if (left != 0) {
        errno = EILSEQ;
        return -1;
    }
    return static_cast<int>(size - room);
}

// The one code point of a UTF-8 text, or -1 when it holds another count.
long codePointOf(const unsigned char* s, int n) {
    if (n == 1 && s[0] < 0x80) return s[0];
    if (n == 2 && (s[0] & 0xE0) == 0xC0) return (s[0] & 0x1F) << 6 | (s[1] & 0x3F);
    if (n == 3 && (s[0] & 0xF0) == 0xE0) return (s[0] & 0x0F) << 12 | (s[1] & 0x3F) << 6 | (s[2] & 0x3F);
    return -1;
}

int encodeUtf8(long u, char* out) {
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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fputs("usage: make-cp932-table OUTPUT.cpp\n", stderr);
        return 2;
    }
    iconv_t decode = iconv_open("UTF-8", "CP932");
    iconv_t encode = iconv_open("CP932", "UTF-8");
    if (decode == reinterpret_cast<iconv_t>(-1) || encode == reinterpret_cast<iconv_t>(-1)) {
        fputs("make-cp932-table: this C library's iconv knows no CP932\n", stderr);
        return 1;
    }

    // Marks in cp932SingleBytes beside the code points.
    const unsigned LeadByte = 0xFFFF, NoCharacter = 0xFFFE;
    unsigned single[256];
    static unsigned short doubles[128][256];
    for (int b = 0; b < 256; ++b) {
        char in[1] = {static_cast<char>(b)};
        char out[8];
        int n = b == 0 ? 1 : convert(decode, in, 1, out, sizeof out);
        if (b == 0) {
            single[b] = 0;
        } else if (n > 0) {
            long u = codePointOf(reinterpret_cast<unsigned char*>(out), n);
            if (u < 0 || u >= 0xFFFE) {
                fprintf(stderr, "make-cp932-table: byte %02X gives no single BMP character\n", b);
                return 1;
            }
            single[b] = static_cast<unsigned>(u);
        } else {
            single[b] = errno == EINVAL ? LeadByte : NoCharacter;
        }
        if (single[b] != LeadByte) continue;
        if (b < 0x80) {
            fprintf(stderr, "make-cp932-table: ASCII byte %02X leads a character\n", b);
            return 1;
        }
        for (int t = 1; t < 256; ++t) {
            char pair[2] = {static_cast<char>(b), static_cast<char>(t)};
            int m = convert(decode, pair, 2, out, sizeof out);
            long u = m > 0 ? codePointOf(reinterpret_cast<unsigned char*>(out), m) : -1;
            // Two bytes read as two characters (a trail byte that cannot
            // follow) are no two-byte character.
            doubles[b - 0x80][t] = u > 0 && u < 0xFFFE ? static_cast<unsigned short>(u) : 0;
        }
    }

    struct Encoding {
        unsigned unicode;
        unsigned cp932;
    };
    std::vector<Encoding> encodings;
    for (long u = 0x80; u < 0x10000; ++u) {
        if (u >= 0xD800 && u < 0xE000) continue;
        char utf8[4];
        int n = encodeUtf8(u, utf8);
        char bytes[8];
        int m = convert(encode, utf8, static_cast<size_t>(n), bytes, sizeof bytes);
        if (m < 1 || m > 2) continue;
        char back[8];
        int k = convert(decode, bytes, static_cast<size_t>(m), back, sizeof back);
        if (k != n || memcmp(back, utf8, static_cast<size_t>(n)) != 0) continue;
        unsigned code = m == 1 ? static_cast<unsigned char>(bytes[0])
                               : static_cast<unsigned char>(bytes[0]) << 8 | static_cast<unsigned char>(bytes[1]);
        encodings.push_back({static_cast<unsigned>(u), code});
    }
    iconv_close(decode);
    iconv_close(encode);

    FILE* f = fopen(argv[1], "w");
    if (f == nullptr) {
        perror(argv[1]);
        return 1;
    }
    fputs("// Made by make-cp932-table (platform/web) from glibc's iconv \"CP932\".\n"
          "#include \"platform/web/cp932_tables.h\"\n\n",
          f);
    fputs("const uint16_t cp932SingleBytes[256] = {", f);
    for (int b = 0; b < 256; ++b) fprintf(f, "%s0x%04X,", b % 8 == 0 ? "\n    " : " ", single[b]);
    fputs("\n};\n\nconst uint16_t cp932DoubleBytes[128][256] = {\n", f);
    for (int lead = 0; lead < 128; ++lead) {
        fputs("    {", f);
        for (int t = 0; t < 256; ++t) fprintf(f, "%s0x%04X,", t % 8 == 0 ? "\n        " : " ", doubles[lead][t]);
        fputs("\n    },\n", f);
    }
    fprintf(f, "};\n\nconst int cp932EncodingCount = %d;\n", static_cast<int>(encodings.size()));
    fputs("const Cp932Encoding cp932Encodings[] = {", f);
    for (size_t i = 0; i < encodings.size(); ++i) {
        fprintf(f, "%s{0x%04X, 0x%04X},", i % 6 == 0 ? "\n    " : " ", encodings[i].unicode, encodings[i].cp932);
    }
    fputs("\n};\n", f);
    if (fclose(f) != 0) {
        perror(argv[1]);
        return 1;
    }
    return 0;
}
