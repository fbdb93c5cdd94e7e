// The shared fields of the CSV and JSON outputs (output_fields.h).
#include "cli/output_fields.h"

#include <charconv>
#include <cstring>

#include "engine/limits.h"
#include "platform/code_page.h"

std::string utf8Field(const char* cp932, size_t length) {
    char part[limits::LineSize];
    size_t n = length < sizeof part - 1 ? length : sizeof part - 1;
    memcpy(part, cp932, n);
    part[n] = '\0';
    char utf8[limits::LineSize * 3];
    cp932ToUtf8(part, utf8, sizeof utf8);
    return utf8;
}

std::string utf8Field(const char* cp932) {
    char utf8[limits::PairTextSize * 3];
    cp932ToUtf8(cp932, utf8, sizeof utf8);
    return utf8;
}

std::string numberText(double v) {
    char text[40];
    std::to_chars_result r = std::to_chars(text, text + sizeof text, v);
    return std::string(text, r.ptr);
}

std::string csvField(const std::string& text) {
    bool quoted = false;
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == ',' || c == '"' || u < 0x20 || u == 0x7F) quoted = true;
    }
    if (!quoted) return text;
    std::string field = "\"";
    for (char c : text) {
        if (c == '"') field += '"';
        field += c;
    }
    return field + "\"";
}
