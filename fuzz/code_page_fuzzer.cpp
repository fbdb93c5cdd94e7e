// Fuzz target: the CP932 <-> UTF-8 conversions of the Linux platform layer,
// plain and for the edit boxes (CR LF against the desktop's LF), on any
// bytes and into an output of any size, the smallest ones included. The
// output buffer is exactly as large as the size given, so a write past it
// is caught. Checked: the conversion stays inside the buffer, ends with a
// zero byte and returns the length before it; it never cuts a character in
// two; a smaller buffer gives a prefix of what a large one gives; UTF-8
// output is well-formed; plain ASCII comes through unchanged.
//
// Input: byte 0 the conversion (bits 0-1: CP932 to UTF-8, UTF-8 to CP932,
// CP932 to the display, the display to CP932), bytes 1 and 2 the output
// size (0 to 1023), then the text up to its first zero byte.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "platform/linux/code_page.h"

namespace {

typedef size_t (*Conversion)(const char*, char*, size_t);

// Converts into a buffer of exactly `outSize` bytes (a one-byte guard when
// the size is 0, which must stay untouched) and checks the bounds.
std::string convertInto(Conversion convert, const std::string& text, size_t outSize) {
    std::vector<char> out(outSize == 0 ? 1 : outSize, '\x55');
    size_t n = convert(text.c_str(), out.data(), outSize);
    if (outSize == 0) {
        FUZZ_CHECK(n == 0 && out[0] == '\x55');
        return std::string();
    }
    FUZZ_CHECK(n < outSize);
    FUZZ_CHECK(out[n] == '\0');
    FUZZ_CHECK(strlen(out.data()) == n);
    return std::string(out.data(), n);
}

// The length of the CP932 character at `p`: two bytes after a lead byte.
size_t cp932CharLength(const std::string& text, size_t at) {
    unsigned char c = static_cast<unsigned char>(text[at]);
    bool lead = (c >= 0x81 && c <= 0x9f) || (c >= 0xe0 && c <= 0xfc);
    return lead && at + 1 < text.size() ? 2 : 1;
}

bool isCp932Boundary(const std::string& text, size_t at) {
    size_t p = 0;
    while (p < at) p += cp932CharLength(text, p);
    return p == at;
}

bool isAscii(const std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Conversion conversions[4] = {cp932ToUtf8, utf8ToCp932, cp932ToDisplay,
                                              displayToCp932};
    FuzzInput input(data, size);
    const int which = input.byte() & 3;
    const bool toCp932 = (which & 1) != 0;
    const bool lineBreaksChange = which >= 2;
    size_t outSize = input.byte();
    outSize = (outSize | static_cast<size_t>(input.byte()) << 8) % 1024;
    const std::string text = input.field();

    Conversion convert = conversions[which];
    // Room for the whole text in practice: a character converts to at most
    // 4 bytes, a "?" stands for one broken byte, and transliterations are a
    // few letters. The checks below hold even if it were cut.
    const std::string whole = convertInto(convert, text, 8 * text.size() + 16);
    const std::string part = convertInto(convert, text, outSize);

    FUZZ_CHECK(whole.compare(0, part.size(), part) == 0);
    if (toCp932) {
        FUZZ_CHECK(isCp932Boundary(whole, part.size()));
    } else {
        FUZZ_CHECK(isValidUtf8(whole.c_str()));
        FUZZ_CHECK(isValidUtf8(part.c_str()));
    }
    // The edit-box conversions change line breaks, so only texts without
    // them come through unchanged.
    if (isAscii(text) && !(lineBreaksChange && text.find_first_of("\r\n") != std::string::npos)) {
        FUZZ_CHECK(whole == text);
        if (outSize > 0) FUZZ_CHECK(part == text.substr(0, outSize - 1));
    }
    return 0;
}
