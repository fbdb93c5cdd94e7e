// The program's CP932 texts and the UTF-16 texts of the wide Win32 calls.
// Both directions use code page 932 itself, never the system's ANSI code
// page, so that the program's bytes mean the same on a Japanese Windows and
// on any other. Like the conversions of platform/code_page.h, each is
// bounded by its output, always leaves a zero-terminated text, cuts only
// between characters and turns what has no form on the other side into "?"
// rather than stopping.
#pragma once

#include <windows.h>

// The longest window text the layer converts, in UTF-16 units with the
// zero: the program's texts are at most 31999 bytes, and no CP932 byte
// gives more than one unit.
constexpr int WideTextUnits = 32000;

// One CP932 character at `in`, of which `left` (at least 1) bytes remain:
// its UTF-16 form goes to wide[0] (and wide[1]) with *units set, and its
// length in bytes is returned. A byte that starts no character reads as
// "?" one byte long, so that the next byte may start a character of its
// own, as glibc's iconv reads it.
int readCp932Character(const unsigned char* in, int left, wchar_t* wide, int* units);

// One character at `in`, of which `left` (at least 1) units remain: its
// CP932 form goes to bytes[0] (and bytes[1]) with *length set to 1 or 2, 0
// when code page 932 has none, and the units it took are returned (2 for a
// surrogate pair).
int readWideCharacter(const wchar_t* in, int left, char* bytes, int* length);

// A whole text; `length` counts bytes or units, or is -1 for up to the zero
// (a zero inside the length ends the text as well). Each returns the length
// written, without the zero.
int cp932ToWide(const char* in, int length, wchar_t* out, int outUnits);
int wideToCp932(const wchar_t* in, int length, char* out, int outSize);

// The length wideToCp932 would give with room enough, and whether every
// character has a CP932 form.
int cp932LengthOf(const wchar_t* in, int length, bool* whole);
