// Reading numbers, multiplier letters and the RKM code.
#include "engine/value_notation.h"

#include <cstdlib>
#include <cstring>

#include "engine/search_inputs.h"

namespace {

// The Greek mu in CP932.
constexpr char GreekMu[] = "\x83\xca";

// The longest RKM number read (digits before and after the letter, a sign
// and the point): far past any value a user types. A longer one is read
// the plain way.
constexpr int RkmNumberSize = 128;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The white space strtod skips in the classic locale.
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

bool applyMultiplier(char letter, double number, double* value) {
    switch (letter) {
        case 'p': *value = number / 1e12; return true;
        case 'n': *value = number / 1e9; return true;
        case 'u': *value = number / 1000000; return true;
        case 'm': *value = number / 1000; return true;
        case 'k':
        case 'K': *value = number * 1000; return true;
        case 'M': *value = number * 1000000; return true;
        default: return false;
    }
}

int multiplierAt(const char* p, char* letter) {
    if (strncmp(p, GreekMu, 2) == 0) {
        *letter = 'u';
        return 2;
    }
    double unused;
    if (*p != '\0' && applyMultiplier(*p, 1, &unused)) {
        *letter = *p;
        return 1;
    }
    return 0;
}

WrittenNumber readWrittenNumber(const char* text) {
    char* end = nullptr;
    WrittenNumber w{strtod(text, &end), end, '\0'};

    // Where an RKM number would be: white space, a sign, whole digits.
    const char* p = text;
    while (isSpace(*p)) ++p;
    const char* sign = p;
    if (*p == '+' || *p == '-') ++p;
    const char* digits = p;
    while (isDigit(*p)) ++p;
    const char* letterAt = p;
    // strtod must have read exactly those digits, or nothing at all.
    if (end != letterAt && end != text) return w;
    if (end == text && digits != letterAt) return w;

    char letter = '\0';
    int letterLength = *p == 'R' ? 1 : multiplierAt(p, &letter);
    if (letterLength == 0 || !isDigit(p[letterLength])) return w;
    if (*p == 'R') letter = 'R';
    const char* fraction = p + letterLength;
    const char* fractionEnd = fraction;
    while (isDigit(*fractionEnd)) ++fractionEnd;

    // The same number written with a point, so that "4k7" reads exactly as
    // "4.7k" does.
    char number[RkmNumberSize];
    long signLength = digits - sign;
    long whole = letterAt - digits;
    long part = fractionEnd - fraction;
    if (signLength + whole + 1 + part + 1 > RkmNumberSize) return w;
    char* q = number;
    memcpy(q, sign, static_cast<size_t>(signLength));
    q += signLength;
    memcpy(q, digits, static_cast<size_t>(whole));
    q += whole;
    *q++ = '.';
    memcpy(q, fraction, static_cast<size_t>(part));
    q += part;
    *q = '\0';
    return WrittenNumber{strtod(number, nullptr), fractionEnd, letter};
}

double valueWithoutLetter(double number, int partType) {
    return partType == Capacitor ? number / 1000000 : number;
}
