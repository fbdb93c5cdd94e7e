// The built-in texts: the four default inputs, the editable stock lists and
// the preferred-number series E24, E12, E6 and E3 (IEC 60063) of every part
// type; and, on request, the finer series E48, E96 and E192 around a target.
//
// The list texts are built by the compiler from the table of E24 mantissas
// and a description of each list's decades, so that every text is constant
// data in the program image and nothing is written at start-up. A value is
// printed either in standard form, the mantissa as the series prints it with
// one decimal ("1.0" ... "9.1", or two for the three-figure series: "1.00"),
// or in plain form, mantissa x decade factor in the shortest decimal
// notation ("1", "0.022", "1500"). Both forms are made with integer
// arithmetic on the mantissa in tenths (hundredths for three figures), so no
// rounding of a binary fraction can creep into a spelling.
#include "engine/builtin_lists.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/search_inputs.h"
#include "engine/shared_state.h"

namespace {

// The E24 mantissas in tenths: 10 stands for "1.0", 91 for "9.1".
constexpr int e24Tenths[24] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                               33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

// The coarser series take every second (E12), fourth (E6) or eighth (E3)
// E24 mantissa: E3 is 1.0, 2.2, 4.7.
enum Series : int { E24 = 1, E12 = 2, E6 = 4, E3 = 8 };

enum Form : int { Standard, Plain };

// The build fails if a built-in text outgrows its buffer
// (limits::BuiltinListSize).
constexpr int ListTextCapacity = limits::BuiltinListSize;

// One list text under construction: values, each followed by CR LF.
template <int Capacity>
struct ListText {
    char text[Capacity]{};
    int length = 0;
    int values = 0;  // lines written, the marker line included
    bool overflow = false;

    constexpr void put(char c) {
        if (length < Capacity - 1) {
            text[length++] = c;
        } else {
            overflow = true;
        }
    }

    constexpr void line(const char* value) {
        while (*value != '\0') put(*value++);
        put('\r');
        put('\n');
        ++values;
    }

    template <int N>
    constexpr void lines(const char* const (&values)[N]) {
        for (const char* value : values) line(value);
    }

    // A mantissa of `figures` significant digits (10 for "1.0", 102 for
    // "1.02") times 10^exponent in the shortest decimal notation.
    constexpr void putPlain(int mantissa, int figures, int exponent) {
        int digits = mantissa;  // the value is digits x 10^power
        int power = exponent - (figures - 1);
        while (power < 0 && digits % 10 == 0) {
            digits /= 10;
            ++power;
        }
        char d[3] = {};
        int count = 0;
        for (int rest = digits; rest > 0 || count == 0; rest /= 10) ++count;
        for (int i = count - 1, rest = digits; i >= 0; --i, rest /= 10) {
            d[i] = static_cast<char>('0' + rest % 10);
        }
        if (power >= 0) {
            for (int i = 0; i < count; ++i) put(d[i]);
            for (int i = 0; i < power; ++i) put('0');
            return;
        }
        int beforePoint = count + power;
        if (beforePoint <= 0) {
            put('0');
            put('.');
            for (int i = beforePoint; i < 0; ++i) put('0');
            for (int i = 0; i < count; ++i) put(d[i]);
        } else {
            for (int i = 0; i < beforePoint; ++i) put(d[i]);
            put('.');
            for (int i = beforePoint; i < count; ++i) put(d[i]);
        }
    }

    // The mantissa as the series prints it: "1.0", "9.1", "1.02".
    constexpr void putStandard(int mantissa, int figures) {
        int scale = figures == 3 ? 100 : 10;
        put(static_cast<char>('0' + mantissa / scale));
        put('.');
        if (figures == 3) put(static_cast<char>('0' + mantissa / 10 % 10));
        put(static_cast<char>('0' + mantissa % 10));
    }

    constexpr void value(int mantissa, int figures, int exponent, const char* suffix, Form form) {
        if (form == Standard) {
            putStandard(mantissa, figures);
        } else {
            putPlain(mantissa, figures, exponent);
        }
        line(suffix);
    }

    // The series' mantissas times 10^exponent, each followed by `suffix`.
    // The standard form ignores the exponent: it is used only where the
    // factor is 1.
    constexpr void decade(Series series, int exponent, const char* suffix, Form form) {
        for (int i = 0; i < 24; i += series) value(e24Tenths[i], 2, exponent, suffix, form);
    }
};

using BuiltinListText = ListText<ListTextCapacity>;

// One decade of a series list: factor 10^exponent and its suffix. The
// "unit" decade (factor 1 of a suffix, marked byStandard) is spelled in
// standard form in E24 and E12 and in plain form in E6 and E3.
struct Decade {
    int exponent;
    const char* suffix;
    bool byStandard;
};

//                                      exponent suffix byStandard
constexpr Decade resistorDecades[] = {{0, "", true},    // 1 ohm
                                      {1, "", false},   // 10
                                      {2, "", false},   // 100
                                      {0, "k", false},  // 1k
                                      {1, "k", false},  // 10k
                                      {2, "k", false},  // 100k
                                      {0, "M", false}}; // 1M

// A capacitor value without a suffix is in microfarad.
constexpr Decade capacitorDecades[] = {{0, "p", true},    // 1 pF
                                       {1, "p", false},   // 10 pF
                                       {2, "p", false},   // 100 pF
                                       {3, "p", false},   // 1000 pF
                                       {-2, "", false},   // 10 nF
                                       {-1, "", false},   // 100 nF
                                       {0, "", true},     // 1 uF
                                       {1, "", false},    // 10 uF
                                       {2, "", false},    // 100 uF
                                       {3, "", false}};   // 1000 uF

constexpr Decade inductorDecades[] = {{0, "n", true},    // 1 nH
                                      {1, "n", false},   // 10 nH
                                      {2, "n", false},   // 100 nH
                                      {0, "u", true},    // 1 uH
                                      {1, "u", false},   // 10 uH
                                      {2, "u", false},   // 100 uH
                                      {0, "m", true},    // 1 mH
                                      {1, "m", false},   // 10 mH
                                      {2, "m", false}};  // 100 mH

// The decades of a part type's series lists, and the closing value, one
// decade above the last ("10M"), where the part type has one.
struct SeriesDecades {
    const Decade* decades;
    int count;
    const char* closing;
};

template <int N>
constexpr SeriesDecades decadesOf(const Decade (&decades)[N], const char* closing) {
    return SeriesDecades{decades, N, closing};
}

constexpr SeriesDecades seriesDecades[limits::PartTypeCount] = {
    decadesOf(resistorDecades, "10M"),   // Resistor
    decadesOf(capacitorDecades, "10000"),  // Capacitor
    decadesOf(inductorDecades, nullptr),   // Inductor
};

// A series list: every decade of the part type, then the closing value
// where the part type has one.
constexpr BuiltinListText seriesText(Series series, int partType) {
    BuiltinListText t;
    const SeriesDecades& s = seriesDecades[partType];
    for (int i = 0; i < s.count; ++i) {
        const Decade& d = s.decades[i];
        bool standard = d.byStandard && (series == E24 || series == E12);
        t.decade(series, d.exponent, d.suffix, standard ? Standard : Plain);
    }
    if (s.closing != nullptr) t.line(s.closing);
    return t;
}

// The parser stops at the first line that begins with "-": the values below
// this marker are shown in the list box but take part in no search until
// the user moves them above it.
constexpr const char* InvalidListMarker = "--Invalid List--";

constexpr BuiltinListText resistorList1() {
    BuiltinListText t;
    const char* const active[] = {"10", "100", "1k", "10k", "100k", InvalidListMarker};
    t.lines(active);
    for (const Decade& d : resistorDecades) t.decade(E24, d.exponent, d.suffix, Plain);
    t.line("10M");
    return t;
}

// Kept exactly as users know it, "4,7" included: a comma is no decimal
// point, so the parser reads that line as 4 ohm named "4,7".
constexpr const char* resistorList2Values[] = {
    "1",    "4,7",  "10",   "22",   "33",   "47",   "51",   "68",   "75",   "100",
    "120",  "150",  "180",  "200",  "220",  "240",  "300",  "330",  "390",  "470",
    "510",  "680",  "1k",   "1.2k", "1.5k", "1.8k", "2k",   "2.2k", "2.4k", "2.7k",
    "3k",   "3.3k", "3.9k", "4.7k", "5.1k", "6.8k", "7.5k", "10k",  "12k",  "15k",
    "18k",  "20k",  "22k",  "24k",  "27k",  "30k",  "33k",  "47k",  "56k",  "68k",
    "100k", "150k", "200k", "300k", "470k", "1M"};
static_assert(sizeof(resistorList2Values) / sizeof(resistorList2Values[0]) == 56,
              "resistor List 2 holds 56 values");

constexpr const char* resistorList3Values[] = {
    "10",   "12",   "15",   "18",   "20",   "24",   "30",   "36",   "43",   "51",
    "62",   "75",   "100",  "120",  "150",  "180",  "200",  "240",  "300",  "360",
    "430",  "510",  "620",  "750",  "1k",   "1.2k", "1.5k", "1.8k", "2.0k", "2.4k",
    "3.0k", "3.6k", "4.3k", "5.1k", "6.2k", "7.5k", "10k",  "12k",  "15k",  "18k",
    "20k",  "24k",  "30k",  "36k",  "43k",  "51k",  "62k",  "75k",  "100k", "120k",
    "150k", "180k", "200k", "240k", "300k", "360k", "430k", "510k", "620k", "750k",
    "1M",   "1.2M", "1.5M", "1.8M", "2.0M", "2.4M", "3.0M", "3.6M", "4.3M", "5.1M",
    "6.2M", "7.5M"};
static_assert(sizeof(resistorList3Values) / sizeof(resistorList3Values[0]) == 72,
              "resistor List 3 holds 72 values");

template <int N>
constexpr BuiltinListText valueList(const char* const (&values)[N]) {
    BuiltinListText t;
    t.lines(values);
    return t;
}

// The three capacitor lists start alike.
constexpr BuiltinListText capacitorList() {
    BuiltinListText t;
    const char* const active[] = {"10p", "100p", "0.001", "0.01", "0.1", InvalidListMarker, "1p"};
    t.lines(active);
    t.decade(E12, 1, "p", Plain);
    t.decade(E12, 2, "p", Plain);
    t.decade(E12, 3, "p", Plain);
    t.decade(E12, -2, "", Plain);
    t.decade(E12, -1, "", Plain);
    for (int exponent = 0; exponent <= 3; ++exponent) t.decade(E6, exponent, "", Plain);
    return t;
}

// The three inductor lists start alike.
constexpr BuiltinListText inductorList() {
    BuiltinListText t;
    const char* const active[] = {"10u", "100u", InvalidListMarker};
    t.lines(active);
    t.decade(E24, 0, "n", Plain);
    t.decade(E24, 1, "n", Plain);
    t.decade(E12, 2, "n", Plain);
    t.decade(E12, 0, "u", Standard);
    t.decade(E12, 1, "u", Plain);
    t.decade(E12, 2, "u", Plain);
    for (int exponent = 0; exponent <= 2; ++exponent) t.decade(E6, exponent, "m", Plain);
    return t;
}

constexpr BuiltinListText resistorList1Text = resistorList1();
constexpr BuiltinListText resistorList2Text = valueList(resistorList2Values);
constexpr BuiltinListText resistorList3Text = valueList(resistorList3Values);
constexpr BuiltinListText capacitorListText = capacitorList();
constexpr BuiltinListText inductorListText = inductorList();

constexpr BuiltinListText e24Resistor = seriesText(E24, Resistor);
constexpr BuiltinListText e24Capacitor = seriesText(E24, Capacitor);
constexpr BuiltinListText e24Inductor = seriesText(E24, Inductor);
constexpr BuiltinListText e12Resistor = seriesText(E12, Resistor);
constexpr BuiltinListText e12Capacitor = seriesText(E12, Capacitor);
constexpr BuiltinListText e12Inductor = seriesText(E12, Inductor);
constexpr BuiltinListText e6Resistor = seriesText(E6, Resistor);
constexpr BuiltinListText e6Capacitor = seriesText(E6, Capacitor);
constexpr BuiltinListText e6Inductor = seriesText(E6, Inductor);
constexpr BuiltinListText e3Resistor = seriesText(E3, Resistor);
constexpr BuiltinListText e3Capacitor = seriesText(E3, Capacitor);
constexpr BuiltinListText e3Inductor = seriesText(E3, Inductor);

constexpr bool fits(const BuiltinListText& t) { return !t.overflow; }
static_assert(fits(resistorList1Text) && fits(resistorList2Text) && fits(resistorList3Text) &&
                  fits(capacitorListText) && fits(inductorListText) && fits(e24Resistor) &&
                  fits(e24Capacitor) && fits(e24Inductor) && fits(e12Resistor) &&
                  fits(e12Capacitor) && fits(e12Inductor) && fits(e6Resistor) &&
                  fits(e6Capacitor) && fits(e6Inductor) && fits(e3Resistor) &&
                  fits(e3Capacitor) && fits(e3Inductor),
              "every built-in list fits ListTextCapacity");

// Values per series list: resistor, capacitor, inductor.
static_assert(e24Resistor.values == 169 && e24Capacitor.values == 241 && e24Inductor.values == 216,
              "E24 counts");
static_assert(e12Resistor.values == 85 && e12Capacitor.values == 121 && e12Inductor.values == 108,
              "E12 counts");
static_assert(e6Resistor.values == 43 && e6Capacitor.values == 61 && e6Inductor.values == 54,
              "E6 counts");
static_assert(e3Resistor.values == 22 && e3Capacitor.values == 31 && e3Inductor.values == 27,
              "E3 counts");

}  // namespace

// clang-format off
const DefaultText defaultTexts[DefaultTextCount] = {
//   buffer            text
    {BufTarget,        "1.42k"},
    {BufTolerance,     "1"},
    {BufMaxParts,      "5"},
    {BufRange,         "200"},
    {10,               resistorList1Text.text},  // List 1, resistor
    {11,               capacitorListText.text},  //         capacitor
    {12,               inductorListText.text},   //         inductor
    {13,               resistorList2Text.text},  // List 2
    {14,               capacitorListText.text},
    {15,               inductorListText.text},
    {16,               resistorList3Text.text},  // List 3
    {17,               capacitorListText.text},
    {18,               inductorListText.text},
    {19,               e24Resistor.text},        // E24
    {20,               e24Capacitor.text},
    {21,               e24Inductor.text},
    {22,               e12Resistor.text},        // E12
    {23,               e12Capacitor.text},
    {24,               e12Inductor.text},
    {25,               e6Resistor.text},         // E6
    {26,               e6Capacitor.text},
    {27,               e6Inductor.text},
    {28,               e3Resistor.text},         // E3
    {29,               e3Capacitor.text},
    {30,               e3Inductor.text},
};
// clang-format on

void fillDefaultTexts() {
    for (const DefaultText& d : defaultTexts) setText(textBuffers[d.buffer], d.text);
}

// ---- The finer series --------------------------------------------------

int preferredMantissa(int valuesPerDecade, int i) {
    if (valuesPerDecade != 48 && valuesPerDecade != 96 && valuesPerDecade != 192) return 0;
    if (i < 0 || i >= valuesPerDecade) return 0;
    // E192's single exception to the rounding rule.
    if (valuesPerDecade == 192 && i == 185) return 920;
    double exact = std::pow(10.0, static_cast<double>(i) / valuesPerDecade);
    return static_cast<int>(std::lround(100 * exact));
}

namespace {

// The most decades a part type's series lists span, and so the most values
// of a finer series over all of them.
constexpr int MaxSeriesDecades = 10;
constexpr int MaxFineValues = MaxSeriesDecades * 192 + 1;
static_assert(sizeof(capacitorDecades) / sizeof(Decade) <= MaxSeriesDecades &&
                  sizeof(resistorDecades) / sizeof(Decade) <= MaxSeriesDecades &&
                  sizeof(inductorDecades) / sizeof(Decade) <= MaxSeriesDecades,
              "every part type's decades fit MaxSeriesDecades");

// One value of a finer series: its mantissa in hundredths, its decade (the
// part type's decade count for the closing value) and how far it lies from
// the target, as the logarithm of their ratio.
struct FineValue {
    int mantissa;
    int decade;
    double distance;
};

FineValue fineValues[MaxFineValues];
ListText<limits::TextSize> fineText;

// The value in ohm, farad or henry of a mantissa in hundredths in a decade
// spelled with `suffix`.
double typedValue(int mantissa, int exponent, const char* suffix, int partType) {
    double number = mantissa / 100.0 * std::pow(10.0, exponent);
    double value = 0;
    if (!applyMultiplier(suffix[0], number, &value)) value = valueWithoutLetter(number, partType);
    return value;
}

}  // namespace

int writePreferredSeries(int valuesPerDecade, int partType, double target, double rangeFactor,
                         char* text, int size) {
    fineText = ListText<limits::TextSize>();
    if (size > 0) text[0] = '\0';
    if (preferredMantissa(valuesPerDecade, 0) == 0 || partType < 0 ||
        partType >= limits::PartTypeCount || size <= 0) {
        return 0;
    }
    const SeriesDecades& s = seriesDecades[partType];

    // Every value over every decade, in the order the list spells them
    // (ascending in ohm, farad or henry), and whether it is a candidate.
    int count = 0;
    int firstDecade = s.count + 1;
    int lastDecade = -1;
    for (int d = 0; d <= s.count; ++d) {
        bool closing = d == s.count;
        if (closing && s.closing == nullptr) break;
        const Decade& last = s.decades[s.count - 1];
        int exponent = closing ? last.exponent + 1 : s.decades[d].exponent;
        const char* suffix = closing ? last.suffix : s.decades[d].suffix;
        int values = closing ? 1 : valuesPerDecade;
        for (int i = 0; i < values; ++i) {
            int mantissa = preferredMantissa(valuesPerDecade, i);
            double v = typedValue(mantissa, exponent, suffix, partType);
            double series = partType == Capacitor ? 1 / v : v;
            if (series > target / rangeFactor && series <= target * rangeFactor) {
                if (d < firstDecade) firstDecade = d;
                lastDecade = d;
            }
            fineValues[count++] = FineValue{mantissa, d, std::fabs(std::log(series / target))};
        }
    }

    // The values of the decades the range covers (or the one nearest the
    // target), then the nearest of them, which lie side by side.
    int nearest = 0;
    for (int k = 1; k < count; ++k) {
        if (fineValues[k].distance < fineValues[nearest].distance) nearest = k;
    }
    if (lastDecade < 0) firstDecade = lastDecade = fineValues[nearest].decade;
    int from = 0;
    while (fineValues[from].decade < firstDecade) ++from;
    int to = from;
    while (to < count && fineValues[to].decade <= lastDecade) ++to;
    if (nearest < from || nearest >= to) {
        nearest = from;
        for (int k = from; k < to; ++k) {
            if (fineValues[k].distance < fineValues[nearest].distance) nearest = k;
        }
    }
    int low = nearest;
    int high = nearest + 1;
    while (high - low < limits::StockCapacity && (low > from || high < to)) {
        bool takeLow =
            high >= to || (low > from && fineValues[low - 1].distance <= fineValues[high].distance);
        if (takeLow) {
            --low;
        } else {
            ++high;
        }
    }

    for (int k = low; k < high; ++k) {
        const FineValue& f = fineValues[k];
        bool closing = f.decade == s.count;
        const Decade& d = s.decades[closing ? s.count - 1 : f.decade];
        int exponent = closing ? d.exponent + 1 : d.exponent;
        Form form = d.byStandard && !closing ? Standard : Plain;
        fineText.value(f.mantissa, 3, exponent, d.suffix, form);
    }
    if (fineText.overflow || fineText.length >= size) return 0;
    memcpy(text, fineText.text, static_cast<size_t>(fineText.length));
    text[fineText.length] = '\0';
    return high - low;
}

// ---- A series over a side's decades ------------------------------------

namespace {

// How the decade [10^k, 10^(k+1)) of a part type is spelled: the decades
// below `below` (and above the row before) take `suffix` and the mantissa
// times 10^(k + shift); the decade `standardAt` is the suffix's unit decade,
// spelled in standard form in the series that print it so ("1.0", "1.00").
// The rows give the built-in lists' spellings over their decades and carry
// them on beyond.
struct DecadeSpelling {
    int below;
    const char* suffix;
    int shift;
    int standardAt;
};

constexpr int NoStandardDecade = 1000;
constexpr int AboveAll = 1000;

//                                          below      suffix  shift  standardAt
constexpr DecadeSpelling resistorSpelling[] = {{3,        "",     0,     0},                  // up to 100 ohm
                                               {6,        "k",    -3,    NoStandardDecade},   // 1k to 100k
                                               {AboveAll, "M",    -6,    NoStandardDecade}};  // 1M on
// A capacitor's number without a suffix is in microfarad.
constexpr DecadeSpelling capacitorSpelling[] = {{-8,       "p",    12,    -12},   // up to 1000 pF
                                                {AboveAll, "",     6,     -6}};   // 0.01 uF on
constexpr DecadeSpelling inductorSpelling[] = {{-6,       "n",    9,     -9},     // up to 100 nH
                                               {-3,       "u",    6,     -6},     // 1 uH to 100 uH
                                               {0,        "m",    3,     -3},     // 1 mH to 100 mH
                                               {AboveAll, "",     0,     0}};     // 1 H on

struct PartSpelling {
    const DecadeSpelling* rows;
    int count;
    int lowestDecade, highestDecade;  // the exponents k a side may reach
    ValueRange defaults;
};

template <int N>
constexpr PartSpelling spellingOf(const DecadeSpelling (&rows)[N], int lowest, int highest, ValueRange d) {
    return PartSpelling{rows, N, lowest, highest, d};
}

// The spans keep every name within a handful of characters: 1 mohm to
// 1 Gohm, 1 fF to 1 F, 1 pH to 1 kH. The default ranges are typed values:
// 100p is 100 / 1e12 as the notation reads it.
const PartSpelling partSpellings[limits::PartTypeCount] = {
    spellingOf(resistorSpelling, -3, 8, ValueRange{10, 1000000}),
    spellingOf(capacitorSpelling, -15, -1, ValueRange{100 / 1e12, 10 / 1e6}),
    spellingOf(inductorSpelling, -12, 2, ValueRange{1 / 1e6, 100 / 1e3}),
};

// 10^k as strtod reads "1e<k>": the correctly rounded power, the same
// double as a typed "1k" or "1n".
double powerOfTen(int k) {
    char text[16];
    snprintf(text, sizeof text, "1e%d", k);
    return strtod(text, nullptr);
}

// The room for one name and its CR LF: "0.00102p" and the like.
constexpr int SeriesNameRoom = 16;

}  // namespace

ValueRange defaultSeriesRange(int partType) {
    if (partType < 0 || partType >= limits::PartTypeCount) return ValueRange{};
    return partSpellings[partType].defaults;
}

SeriesItems writeSeriesItems(int valuesPerDecade, int partType, const ValueRange& range, StockItem* out,
                             int capacity) {
    SeriesItems none{0, 0};
    int step = 0;  // E3 to E24: every step-th E24 mantissa
    switch (valuesPerDecade) {
        case 3: step = E3; break;
        case 6: step = E6; break;
        case 12: step = E12; break;
        case 24: step = E24; break;
        case 48:
        case 96:
        case 192: break;
        default: return none;
    }
    if (partType < 0 || partType >= limits::PartTypeCount || out == nullptr) return none;
    const PartSpelling& spelling = partSpellings[partType];

    // The ends, the default's where one is left out.
    const bool lowGiven = range.low > 0;
    const bool highGiven = range.high < HUGE_VAL;
    double low = lowGiven ? range.low : spelling.defaults.low;
    double high = highGiven ? range.high : spelling.defaults.high;
    if (!lowGiven && highGiven) low = std::min(low, high / 10);
    if (lowGiven && !highGiven) high = std::max(high, low * 10);
    if (!(low <= high)) return none;

    int first = 0, decades = 0;
    for (int k = spelling.lowestDecade; k <= spelling.highestDecade; ++k) {
        if (powerOfTen(k) < high && powerOfTen(k + 1) > low) {
            if (decades == 0) first = k;
            ++decades;
        }
    }
    const int values = decades * valuesPerDecade;
    if (values > capacity || values > limits::StockCapacity) return SeriesItems{0, values};
    if (values == 0) return none;

    // The names as a list text, read as the stock list reads it: a name and
    // its value can never disagree.
    char text[limits::StockCapacity * SeriesNameRoom + 1];
    int length = 0;
    const bool threeFigures = step == 0;
    for (int k = first; k < first + decades; ++k) {
        const DecadeSpelling* row = spelling.rows;
        while (k >= row->below) ++row;
        const bool standard = k == row->standardAt && step != E6 && step != E3;
        for (int i = 0; i < valuesPerDecade; ++i) {
            ListText<SeriesNameRoom> name;
            const int mantissa = threeFigures ? preferredMantissa(valuesPerDecade, i) : e24Tenths[i * step];
            name.value(mantissa, threeFigures ? 3 : 2, k + row->shift, row->suffix, standard ? Standard : Plain);
            if (name.overflow) return none;
            memcpy(text + length, name.text, static_cast<size_t>(name.length));
            length += name.length;
        }
    }
    text[length] = '\0';
    StockReading reading = readStockItems(text, partType, out, capacity);
    if (!reading.usable || reading.count != values) return none;
    return SeriesItems{reading.count, values};
}
