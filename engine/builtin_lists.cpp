// The built-in texts: the four default inputs, the editable stock lists and
// the preferred-number series E24, E12, E6 and E3 (IEC 60063) of every part
// type.
//
// The list texts are built by the compiler from the table of E24 mantissas
// and a description of each list's decades, so that every text is constant
// data in the program image and nothing is written at start-up. A value is
// printed either in standard form, the mantissa as the series prints it with
// one decimal ("1.0" ... "9.1"), or in plain form, mantissa x decade factor
// in the shortest decimal notation ("1", "0.022", "1500"). Both forms are
// made with integer arithmetic on the mantissa in tenths, so no rounding of
// a binary fraction can creep into a spelling.
#include "engine/builtin_lists.h"

#include "engine/shared_state.h"

namespace {

// The E24 mantissas in tenths: 10 stands for "1.0", 91 for "9.1".
constexpr int e24Tenths[24] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                               33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

// The coarser series take every second (E12), fourth (E6) or eighth (E3)
// E24 mantissa: E3 is 1.0, 2.2, 4.7.
enum Series : int { E24 = 1, E12 = 2, E6 = 4, E3 = 8 };

enum Form : int { Standard, Plain };

// The build fails if a text outgrows its buffer (limits::BuiltinListSize).
constexpr int ListTextCapacity = limits::BuiltinListSize;

// One list text under construction: values, each followed by CR LF.
struct ListText {
    char text[ListTextCapacity]{};
    int length = 0;
    int values = 0;  // lines written, the marker line included
    bool overflow = false;

    constexpr void put(char c) {
        if (length < ListTextCapacity - 1) {
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

    // mantissa x 10^exponent in the shortest decimal notation.
    constexpr void putPlain(int tenths, int exponent) {
        int digits = tenths;  // the value is digits x 10^power
        int power = exponent - 1;
        while (power < 0 && digits % 10 == 0) {
            digits /= 10;
            ++power;
        }
        char d[2] = {};
        int count = 0;
        if (digits >= 10) d[count++] = static_cast<char>('0' + digits / 10);
        d[count++] = static_cast<char>('0' + digits % 10);
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

    // The series' mantissas times 10^exponent, each followed by `suffix`.
    // The standard form ignores the exponent: it is used only where the
    // factor is 1.
    constexpr void decade(Series series, int exponent, const char* suffix, Form form) {
        for (int i = 0; i < 24; i += series) {
            int tenths = e24Tenths[i];
            if (form == Standard) {
                put(static_cast<char>('0' + tenths / 10));
                put('.');
                put(static_cast<char>('0' + tenths % 10));
            } else {
                putPlain(tenths, exponent);
            }
            line(suffix);
        }
    }
};

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

// A series list: every decade of the part type, then the closing value
// (one decade above the last) where the part type has one.
template <int N>
constexpr ListText seriesText(Series series, const Decade (&decades)[N], const char* closing) {
    ListText t;
    for (const Decade& d : decades) {
        bool standard = d.byStandard && (series == E24 || series == E12);
        t.decade(series, d.exponent, d.suffix, standard ? Standard : Plain);
    }
    if (closing != nullptr) t.line(closing);
    return t;
}

// The parser stops at the first line that begins with "-": the values below
// this marker are shown in the list box but take part in no search until
// the user moves them above it.
constexpr const char* InvalidListMarker = "--Invalid List--";

constexpr ListText resistorList1() {
    ListText t;
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
constexpr ListText valueList(const char* const (&values)[N]) {
    ListText t;
    t.lines(values);
    return t;
}

// The three capacitor lists start alike.
constexpr ListText capacitorList() {
    ListText t;
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
constexpr ListText inductorList() {
    ListText t;
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

constexpr ListText resistorList1Text = resistorList1();
constexpr ListText resistorList2Text = valueList(resistorList2Values);
constexpr ListText resistorList3Text = valueList(resistorList3Values);
constexpr ListText capacitorListText = capacitorList();
constexpr ListText inductorListText = inductorList();

constexpr ListText e24Resistor = seriesText(E24, resistorDecades, "10M");
constexpr ListText e24Capacitor = seriesText(E24, capacitorDecades, "10000");
constexpr ListText e24Inductor = seriesText(E24, inductorDecades, nullptr);
constexpr ListText e12Resistor = seriesText(E12, resistorDecades, "10M");
constexpr ListText e12Capacitor = seriesText(E12, capacitorDecades, "10000");
constexpr ListText e12Inductor = seriesText(E12, inductorDecades, nullptr);
constexpr ListText e6Resistor = seriesText(E6, resistorDecades, "10M");
constexpr ListText e6Capacitor = seriesText(E6, capacitorDecades, "10000");
constexpr ListText e6Inductor = seriesText(E6, inductorDecades, nullptr);
constexpr ListText e3Resistor = seriesText(E3, resistorDecades, "10M");
constexpr ListText e3Capacitor = seriesText(E3, capacitorDecades, "10000");
constexpr ListText e3Inductor = seriesText(E3, inductorDecades, nullptr);

constexpr bool fits(const ListText& t) { return !t.overflow; }
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
