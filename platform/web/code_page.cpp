// The code page of the web build: the tables made from glibc's iconv
// (platform/web/cp932_tables.h), since neither the browser nor Emscripten's
// C library converts CP932.
#include "platform/code_page.h"

#include "platform/web/cp932_tables.h"

size_t cp932ToUtf8(const char* in, char* out, size_t outSize) { return cp932Table::toUtf8(in, out, outSize); }

size_t utf8ToCp932(const char* in, char* out, size_t outSize) { return cp932Table::fromUtf8(in, out, outSize); }
