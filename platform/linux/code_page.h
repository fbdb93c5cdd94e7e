// Conversion between the program's CP932 texts and the UTF-8 of the Linux
// desktop and terminal. Both directions are bounded by the output size and
// always leave a zero-terminated text; bytes with no form in the other code
// page become "?" rather than ending the conversion.
#pragma once

#include <cstddef>

// Returns the length of the converted text.
size_t cp932ToUtf8(const char* in, char* out, size_t outSize);
size_t utf8ToCp932(const char* in, char* out, size_t outSize);
