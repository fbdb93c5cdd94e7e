// Conversion between the program's CP932 texts and the UTF-8 of the Linux
// desktop and terminal. Every function is bounded by the output size and
// always leaves a zero-terminated text, cut only between characters; bytes
// with no form in the other code page become "?" rather than ending the
// conversion.
#pragma once

#include <cstddef>

// Returns the length of the converted text.
size_t cp932ToUtf8(const char* in, char* out, size_t outSize);
size_t utf8ToCp932(const char* in, char* out, size_t outSize);

// For the edit boxes, whose texts keep CR LF line breaks while the desktop's
// text widgets use LF: CP932 with CR LF (or a lone CR or LF) to UTF-8 with
// LF, and UTF-8 with LF back to CP932 with CR LF.
size_t cp932ToDisplay(const char* in, char* out, size_t outSize);
size_t displayToCp932(const char* in, char* out, size_t outSize);
