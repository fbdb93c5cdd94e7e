// What the fuzz targets share: reading the fuzzer's bytes as a few flag
// bytes and zero-separated texts, capping a list text to a few lines so that
// every run stays a small search, and the checks that turn a broken promise
// of the code under test into a crash the fuzzer reports.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// What a broken promise does. Under the fuzzer it ends the run, so the
// fuzzer keeps the input; the replay of the corpora in the test suite
// installs a handler that throws instead, so that the test names the input
// and goes on with the next.
using FuzzCheckHandler = void (*)(const char* file, int line, const char* condition);

[[noreturn]] inline void abortOnBrokenPromise(const char* file, int line, const char* condition) {
    fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    abort();
}

inline FuzzCheckHandler fuzzCheckHandler = abortOnBrokenPromise;

// Should a handler return, the run ends all the same: a harness never goes
// on past a broken promise.
#define FUZZ_CHECK(condition)                                        \
    do {                                                             \
        if (!(condition)) {                                          \
            fuzzCheckHandler(__FILE__, __LINE__, #condition);        \
            abortOnBrokenPromise(__FILE__, __LINE__, #condition);    \
        }                                                            \
    } while (0)

// The fuzzer's bytes, taken from the front.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    // The next byte, or 0 once everything is taken.
    uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }

    // The bytes up to the next zero byte (which is taken too), or up to the
    // end. `missing` tells whether the input had ended before the field.
    std::string field(bool* missing = nullptr) {
        if (missing != nullptr) *missing = at_ >= size_;
        std::string text;
        while (at_ < size_ && data_[at_] != 0) text += static_cast<char>(data_[at_++]);
        if (at_ < size_) ++at_;
        return text;
    }

    // Whatever is left, zero bytes included.
    std::string rest() {
        std::string text(reinterpret_cast<const char*>(data_) + at_, size_ - at_);
        at_ = size_;
        return text;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// Cuts `text` after its `lines`-th line feed. A stock item takes one line, so
// the list then holds at most lines + 1 items and a five-part search over it
// stays a matter of milliseconds.
inline std::string capLines(const std::string& text, int lines) {
    int seen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && ++seen == lines) return text.substr(0, i + 1);
    }
    return text;
}

// Whether `text` is well-formed UTF-8 (shortest forms, no surrogates, at
// most U+10FFFF).
inline bool isValidUtf8(const char* text) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p != 0) {
        unsigned c = *p;
        int more;
        unsigned min;
        if (c < 0x80) {
            ++p;
            continue;
        } else if (c >= 0xc2 && c <= 0xdf) {
            more = 1;
            min = 0x80;
        } else if (c >= 0xe0 && c <= 0xef) {
            more = 2;
            min = 0x800;
        } else if (c >= 0xf0 && c <= 0xf4) {
            more = 3;
            min = 0x10000;
        } else {
            return false;
        }
        unsigned code = c & (0x3fu >> more);
        for (int i = 1; i <= more; ++i) {
            if ((p[i] & 0xc0) != 0x80) return false;
            code = (code << 6) | (p[i] & 0x3fu);
        }
        if (code < min || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) return false;
        p += more + 1;
    }
    return true;
}
