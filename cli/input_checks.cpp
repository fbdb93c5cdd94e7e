// The strict reading of combinix-search's value options: whether the search
// reads the whole of each typed text.
#include "cli/input_checks.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "engine/value_notation.h"

namespace {

// The white space strtod skips; at the end of a value it is harmless (a
// line end included: the box reads the first line).
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool onlySpaceFrom(const char* p) {
    while (isSpace(*p)) ++p;
    return *p == '\0';
}

// strtod reads "0x1A" as 26; the notation has decimal numbers only.
bool writtenInDecimal(const char* from, const char* to) {
    for (const char* p = from; p < to; ++p) {
        if (*p == 'x' || *p == 'X') return false;
    }
    return true;
}

// One decimal number and the text after it; null when there is no number.
const char* afterNumber(const char* text, bool* decimal) {
    char* end = nullptr;
    strtod(text, &end);
    *decimal = writtenInDecimal(text, end);
    return end == text ? nullptr : end;
}

}  // namespace

bool targetReadWhole(const char* text) {
    WrittenNumber w = readWrittenNumber(text);
    const char* rest = w.end;
    if (w.rkmLetter == '\0') {
        if (w.end == text) return true;  // no number: the search refuses it
        if (!writtenInDecimal(text, w.end)) return false;
        // As the search reads it: spaces, then a letter or the end.
        while (*rest == ' ') ++rest;
        char letter = '\0';
        int length = multiplierAt(rest, &letter);
        if (length == 0 && *rest == 'R') length = 1;
        bool lineEnds = *rest == '\0' || *rest == '\r' || *rest == '\n';
        // Any other character: the search finds no value and says so.
        if (length == 0 && !lineEnds) return true;
        rest += length;
    }
    return onlySpaceFrom(rest);
}

bool toleranceReadWhole(const char* text) {
    bool decimal = true;
    const char* rest = afterNumber(text, &decimal);
    if (rest == nullptr) return true;  // read as 0: the search refuses it
    if (!decimal) return false;
    while (isSpace(*rest)) ++rest;
    if (*rest == '%') ++rest;
    return onlySpaceFrom(rest);
}

bool rangeReadWhole(const char* text) {
    bool decimal = true;
    const char* rest = afterNumber(text, &decimal);
    if (rest == nullptr) return true;  // read as 0: the search refuses it
    return decimal && onlySpaceFrom(rest);
}

bool maxPartsInRange(const char* text) {
    const char* p = text;
    while (isSpace(*p)) ++p;
    if (*p == '+') ++p;
    const char* digits = p;
    int value = 0;
    for (; isDigit(*p); ++p) {
        if (value <= 5) value = value * 10 + (*p - '0');  // past 5 the size no longer matters
    }
    return p != digits && value >= 1 && value <= 5 && onlySpaceFrom(p);
}

// ---- The pair search's values ---------------------------------------------

bool readValueWhole(const char* text, int partType, double* value) {
    if (!targetReadWhole(text)) return false;
    const WrittenNumber w = readWrittenNumber(text);
    double v = 0;
    if (w.rkmLetter != '\0') {
        if (!applyMultiplier(w.rkmLetter, w.number, &v)) v = valueWithoutLetter(w.number, partType);
    } else {
        if (w.end == text) return false;
        const char* p = w.end;
        while (*p == ' ') ++p;
        char letter = '\0';
        if (multiplierAt(p, &letter) != 0) {
            applyMultiplier(letter, w.number, &v);
        } else if (*p == 'R' || onlySpaceFrom(p)) {
            v = valueWithoutLetter(w.number, partType);
        } else {
            return false;  // a letter that is no multiplier: no value
        }
    }
    *value = v;
    return true;
}

bool readRangeWhole(const char* text, int partType, double* low, double* high) {
    const char* dots = strstr(text, "..");
    if (dots == nullptr) return false;
    char lowText[64];
    const size_t lowLength = static_cast<size_t>(dots - text);
    if (lowLength >= sizeof lowText) return false;
    memcpy(lowText, text, lowLength);
    lowText[lowLength] = '\0';
    const char* highText = dots + 2;
    double l = 0, h = HUGE_VAL;
    if (!onlySpaceFrom(lowText) && !readValueWhole(lowText, partType, &l)) return false;
    if (!onlySpaceFrom(highText) && !readValueWhole(highText, partType, &h)) return false;
    if (!(l >= 0) || !(h >= l) || std::isnan(h)) return false;
    *low = l;
    *high = h;
    return true;
}

bool readWholeNumber(const char* text, long low, long high, long* value) {
    const char* p = text;
    while (isSpace(*p)) ++p;
    if (*p == '+') ++p;
    const char* digits = p;
    long v = 0;
    for (; isDigit(*p); ++p) {
        if (v <= high) v = v * 10 + (*p - '0');  // past high the size no longer matters
    }
    if (p == digits || v < low || v > high || !onlySpaceFrom(p)) return false;
    *value = v;
    return true;
}
