// The Linux desktop's side of the code page: the edit boxes keep CR LF line
// breaks while the toolkit's text widgets use LF. Bounded and cut between
// characters like the conversions of platform/code_page.h.
#pragma once

#include <cstddef>

#include "platform/code_page.h"

// CP932 with CR LF (or a lone CR or LF) to UTF-8 with LF, and UTF-8 with LF
// back to CP932 with CR LF.
size_t cp932ToDisplay(const char* in, char* out, size_t outSize);
size_t displayToCp932(const char* in, char* out, size_t outSize);
