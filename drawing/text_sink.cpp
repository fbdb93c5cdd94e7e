// The drawing writers' bounded text and the escapes of the user's texts.
#include "drawing/text_sink.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "engine/limits.h"

TextSink::TextSink(char* out, size_t size) : out_(out), size_(size) {
    if (size_ > 0) out_[0] = '\0';
    cut_ = size_ == 0;
}

void TextSink::put(const char* text, size_t length) {
    if (cut_) return;
    if (used_ + length + 1 > size_) {
        cut_ = true;
        return;
    }
    memcpy(out_ + used_, text, length);
    used_ += length;
    out_[used_] = '\0';
}

void TextSink::put(const char* text) { put(text, strlen(text)); }

void TextSink::putChar(char c) { put(&c, 1); }

void TextSink::format(const char* format, ...) {
    char piece[256];
    va_list arguments;
    va_start(arguments, format);
    int n = vsnprintf(piece, sizeof piece, format, arguments);
    va_end(arguments);
    if (n < 0 || static_cast<size_t>(n) >= sizeof piece) {
        cut_ = true;
        return;
    }
    put(piece, static_cast<size_t>(n));
}

namespace {

// A user's text in UTF-8: names are at most 15 bytes and result lines at
// most 199, and UTF-8 takes at most three bytes for each CP932 byte.
constexpr size_t Utf8Size = 3 * limits::LineSize;

const char* toUtf8Text(const char* cp932, TextConverter toUtf8, char* utf8) {
    if (toUtf8 == nullptr) return cp932;
    toUtf8(cp932, utf8, Utf8Size);
    return utf8;
}

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7f; }

}  // namespace

void putXmlText(TextSink* sink, const char* cp932, TextConverter toUtf8) {
    char utf8[Utf8Size];
    for (const char* p = toUtf8Text(cp932, toUtf8, utf8); *p != '\0'; ++p) {
        switch (*p) {
            case '<': sink->put("&lt;"); break;
            case '>': sink->put("&gt;"); break;
            case '&': sink->put("&amp;"); break;
            case '"': sink->put("&quot;"); break;
            case '\'': sink->put("&apos;"); break;
            default: sink->putChar(isControl(static_cast<unsigned char>(*p)) ? '?' : *p); break;
        }
    }
}

void putLineText(TextSink* sink, const char* cp932, TextConverter toUtf8) {
    char utf8[Utf8Size];
    for (const char* p = toUtf8Text(cp932, toUtf8, utf8); *p != '\0'; ++p) {
        sink->putChar(isControl(static_cast<unsigned char>(*p)) ? '?' : *p);
    }
}
