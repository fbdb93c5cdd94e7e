// Conversion between the program's CP932 texts and UTF-8, for what the
// command-line search reads and prints. Linux converts with glibc's iconv
// (platform/linux), Windows with its own code page tables
// (platform/windows); both behave alike. Every function is bounded by the
// output size and always leaves a zero-terminated text, cut only between
// characters; bytes with no form in the other code page become "?" rather
// than ending the conversion.
#pragma once

#include <cstddef>

// Returns the length of the converted text.
size_t cp932ToUtf8(const char* in, char* out, size_t outSize);
size_t utf8ToCp932(const char* in, char* out, size_t outSize);
