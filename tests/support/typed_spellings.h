// Spellings a user types, with what they must read as wherever they are
// typed: the command line, the window's boxes and a stock list, whatever
// the locale. Typed text reaches the program as UTF-8 and becomes CP932
// without transliteration: the micro sign becomes the Greek mu, a
// character CP932 lacks becomes "?".
#pragma once

struct TypedSpelling {
    const char* typed;       // UTF-8
    double target;           // ohm, as the target (0: unusable there)
    double listed;           // ohm, as a stock list line
    const char* name;        // UTF-8 of the line's name after the conversion
};

// clang-format off
const TypedSpelling typedSpellings[] = {
//   typed                    target         listed         name
    {"4k7",                   4.7 * 1000,    4.7 * 1000,    "4k7"},
    {"2R2",                   2.2,           2.2,           "2R2"},
    {"100R",                  100,           100,           "100R"},
    {"4.7\xc2\xb5",           4.7 / 1000000, 4.7 / 1000000, "4.7\xce\xbc"},  // micro sign: Greek mu
    {"4.7\xce\xbc",           4.7 / 1000000, 4.7 / 1000000, "4.7\xce\xbc"},  // Greek mu
    {"4\xe2\x80\x93" "7",     0,             4,             "4?7"},          // en dash
    {"4\xe2\x80\xa4" "7k",    0,             4,             "4?7k"},         // one-dot leader
    {"4.7\xc2\xa0k",          0,             4.7,           "4.7?k"},        // no-break space
};
// clang-format on

// The locales the spellings are read under: the C library's own, and one
// that speaks UTF-8 (under which a transliterating conversion spelled the
// micro sign differently).
const char* const spellingLocales[] = {"C", "C.UTF-8"};
