// Value labels and plain numbers of the drawings.
#include "drawing/value_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

struct Prefix {
    double scale;
    const char* letter;
};

// The largest first: a value takes the first prefix it reaches.
constexpr Prefix prefixes[] = {{1e12, "T"}, {1e9, "G"},   {1e6, "M"},   {1e3, "k"},  {1, ""},
                               {1e-3, "m"}, {1e-6, "u"}, {1e-9, "n"}, {1e-12, "p"}, {1e-15, "f"}};
constexpr int prefixCount = sizeof prefixes / sizeof prefixes[0];

const char* unitOf(PartSymbol symbol) {
    switch (symbol) {
        case PartSymbol::Capacitor: return "F";
        case PartSymbol::Inductor: return "H";
        case PartSymbol::Resistor: break;
    }
    return "";
}

int clampLength(int n, size_t size) {
    if (n < 0) return 0;
    return static_cast<size_t>(n) < size ? n : static_cast<int>(size) - 1;
}

}  // namespace

int formatPartValue(double value, PartSymbol symbol, char* out, size_t size) {
    if (size == 0) return 0;
    const char* unit = unitOf(symbol);
    if (std::isfinite(value) && value >= prefixes[prefixCount - 1].scale &&
        value < 1000 * prefixes[0].scale) {
        for (int i = 0; i < prefixCount; ++i) {
            if (value < prefixes[i].scale) continue;
            // 999.96 rounds to "1000" at four digits: that is the next prefix up.
            double scaled = value / prefixes[i].scale;
            char digits[32];
            snprintf(digits, sizeof digits, "%.4g", scaled);
            if (atof(digits) >= 1000 && i > 0) {
                snprintf(digits, sizeof digits, "%.4g", value / prefixes[i - 1].scale);
                return clampLength(
                    snprintf(out, size, "%s%s%s", digits, prefixes[i - 1].letter, unit), size);
            }
            return clampLength(snprintf(out, size, "%s%s%s", digits, prefixes[i].letter, unit),
                               size);
        }
    }
    return clampLength(snprintf(out, size, "%.4g%s", value, unit), size);
}

int formatPlainNumber(double value, char* out, size_t size) {
    if (size == 0) return 0;
    int n = 0;
    for (int digits = 15; digits <= 17; ++digits) {
        n = snprintf(out, size, "%.*g", digits, value);
        if (!std::isfinite(value) || strtod(out, nullptr) == value) break;
    }
    return clampLength(n, size);
}
