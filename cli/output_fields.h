// The fields the machine-readable outputs of combinix-search share, for the
// single search's records and the pair search's alike: texts in UTF-8,
// numbers that read back as the same double, CSV fields quoted as RFC 4180
// wants them.
#pragma once

#include <cstddef>
#include <string>

// At most `length` bytes of a CP932 text, and at most a result line's, as
// UTF-8.
std::string utf8Field(const char* cp932, size_t length);
// A CP932 text of at most limits::PairTextSize bytes (a pair's line, name
// or formula) as UTF-8.
std::string utf8Field(const char* cp932);

// The shortest text that reads back as the same double.
std::string numberText(double v);

// The text as one CSV field: quoted where it holds a comma, a quote or a
// control character, its quotes doubled.
std::string csvField(const std::string& text);
