// The value notation in which the target and stock values are typed: a
// number, then a multiplier letter. The window's boxes, its lists and the
// command line all read values through these functions, so that one text
// means one value wherever it is typed.
//
// Besides the plain form ("4.7k") the notation reads the RKM code printed on
// schematics and parts, in which the multiplier letter, or "R" for none,
// stands where the decimal point would: "4k7" is 4.7k, "2R2" is 2.2, "1M5"
// is 1.5M. The Greek mu (CP932 0x83 0xCA; typed text turns the micro sign
// into it) means micro, like "u".
#pragma once

// Applies a multiplier letter to `number`. Returns false when `letter` is no
// multiplier letter. The letters divide or multiply, never multiply by a
// small power of ten: 1e-12 and 1/1e12 differ in the last bit.
bool applyMultiplier(char letter, double number, double* value);

// The multiplier at `p`: one of the letters p n u m k K M, or the Greek mu,
// which acts as "u". Returns the bytes it takes (0 when `p` holds none) and
// sets *letter to the ASCII letter whose operation it has.
int multiplierAt(const char* p, char* letter);

// A number as the notation writes it.
struct WrittenNumber {
    double number;    // the number, an RKM fraction included
    const char* end;  // the first character after it (after an RKM fraction)
    // In the RKM code, the letter that stood for the decimal point: a
    // multiplier letter ("u" for the Greek mu), or 'R' for none. '\0' when
    // the number is written the plain way, its letter (if any) at `end`.
    char rkmLetter;
};

// Reads the number at the start of `text`: with the standard library's
// strtod rules in the classic locale, or, where the number is a whole
// number in digits (or no number at all) followed directly by a multiplier
// letter or "R" and then a digit, in the RKM code: "4k7" gives 4.7 with the
// letter "k", exactly the number "4.7" would give. Anything written the
// plain way reads as strtod reads it.
WrittenNumber readWrittenNumber(const char* text);

// The value of a number with no multiplier letter: ohm and henry as typed,
// a capacitor's number in microfarad.
double valueWithoutLetter(double number, int partType);
