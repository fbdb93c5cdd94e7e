// The UTF-8 form of a CP932 text, for tests of the library, which converts
// nothing itself and links no platform layer: glibc's iconv reads it.
#pragma once

#include <iconv.h>

#include <cstring>
#include <string>

inline std::string utf8Of(const char* cp932) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    char out[1024];
    char* in = const_cast<char*>(cp932);
    size_t inLeft = strlen(cp932);
    char* at = out;
    size_t outLeft = sizeof out;
    iconv(cd, &in, &inLeft, &at, &outLeft);
    iconv_close(cd);
    return std::string(out, sizeof out - outLeft);
}
