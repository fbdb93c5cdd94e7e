// A bounded text that the drawing writers append to: the caller owns the
// buffer, nothing is allocated, and an append that does not fit stops the
// text there (still zero-terminated) and marks it as cut.
#pragma once

#include <cstddef>

// Converts the program's CP932 text to UTF-8, with the contract of
// platform/code_page.h's cp932ToUtf8 (which front ends pass in): bounded by
// outSize, always zero-terminated, returns the converted length.
using TextConverter = size_t (*)(const char* in, char* out, size_t outSize);

class TextSink {
  public:
    TextSink(char* out, size_t size);

    void put(const char* text);
    void put(const char* text, size_t length);
    void putChar(char c);
    // printf into the text; the format is the writer's own.
    void format(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    const char* text() const { return out_; }
    size_t length() const { return used_; }
    bool cut() const { return cut_; }

  private:
    char* out_;
    size_t size_;
    size_t used_ = 0;
    bool cut_ = false;
};

// A CP932 text written as UTF-8 for XML: "<", ">", "&" and quotes as
// entities, control characters (which XML cannot hold) as "?". `toUtf8`
// null writes the bytes unchanged.
void putXmlText(TextSink* sink, const char* cp932, TextConverter toUtf8);

// The same for a terminal or a comment line: UTF-8, control characters as
// "?", so that the text never breaks its line.
void putLineText(TextSink* sink, const char* cp932, TextConverter toUtf8);
