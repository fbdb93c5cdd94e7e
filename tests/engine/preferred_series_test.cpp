// The finer series E48, E96 and E192: every mantissa against the tables of
// IEC 60063 written out here, and the lists written around a target.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/builtin_lists.h"
#include "engine/search_inputs.h"
#include "engine/shared_state.h"
#include "engine/stock_list.h"

namespace {

// The series as the standard prints them, in hundredths.
const int e48[48] = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                     178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                     316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                     562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};

const int e96[96] = {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130,
                     133, 137, 140, 143, 147, 150, 154, 158, 162, 165, 169, 174,
                     178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232,
                     237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
                     316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
                     422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549,
                     562, 576, 590, 604, 619, 634, 649, 665, 681, 698, 715, 732,
                     750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

const int e192[192] = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120,
    121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145,
    147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176,
    178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208, 210, 213,
    215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312,
    316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379,
    383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459,
    464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816,
    825, 835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

struct Written {
    int count;
    std::vector<std::string> lines;
};

Written write(int n, int partType, double target, double range) {
    static char text[limits::TextSize];
    Written w;
    w.count = writePreferredSeries(n, partType, target, range, text, sizeof text);
    std::string all = text;
    for (size_t at = 0, end; (end = all.find("\r\n", at)) != std::string::npos; at = end + 2) {
        w.lines.push_back(all.substr(at, end - at));
    }
    return w;
}

// The list parsed as the search parses it (every part a candidate): the
// values in ohm, farad or henry in the order of the lines.
std::vector<double> parsedValues(int partType, const Written& w) {
    std::string text;
    for (const std::string& line : w.lines) text += line + "\r\n";
    resetSharedState();
    settings.partType = partType;
    setText(textBuffers[storedListBuffer(0, partType)], text.c_str());
    searchParams.target = 1;
    searchParams.rangeFactor = 1e300;
    std::vector<double> values;
    if (!parseStockList()) return values;
    for (int i = 0; i < stockCount; ++i) {
        int k = partType == Capacitor ? stockCount - 1 - i : i;
        values.push_back(partType == Capacitor ? stockParts[k].parallelValue : stockParts[k].seriesValue);
    }
    return values;
}

}  // namespace

TEST(PreferredSeries, MantissasAreTheStandardsTables) {
    for (int i = 0; i < 48; ++i) EXPECT_EQ(preferredMantissa(48, i), e48[i]) << "E48 " << i;
    for (int i = 0; i < 96; ++i) EXPECT_EQ(preferredMantissa(96, i), e96[i]) << "E96 " << i;
    for (int i = 0; i < 192; ++i) EXPECT_EQ(preferredMantissa(192, i), e192[i]) << "E192 " << i;
    // The one value off the rounding rule: 10^(185/192) rounds to 9.19.
    EXPECT_EQ(std::lround(100 * std::pow(10.0, 185.0 / 192)), 919);
    EXPECT_EQ(preferredMantissa(192, 185), 920);
    // E48 is every second E96 value, E96 every second E192 value.
    for (int i = 0; i < 48; ++i) EXPECT_EQ(e48[i], e96[2 * i]);
    for (int i = 0; i < 96; ++i) EXPECT_EQ(e96[i], e192[2 * i]);
    EXPECT_EQ(preferredMantissa(24, 0), 0);
    EXPECT_EQ(preferredMantissa(96, 96), 0);
}

TEST(PreferredSeries, WholeDecadesInTheNotationOfTheBuiltinSeries) {
    // 10k with a range of 2: only the 1k and 10k decades hold candidates
    // (5k to 20k): 2 x 96 values, the first decade in plain form with "k".
    Written w = write(96, Resistor, 10000, 2);
    ASSERT_EQ(w.count, 192);
    ASSERT_EQ(w.lines.size(), 192u);
    EXPECT_EQ(w.lines[0], "1k");
    EXPECT_EQ(w.lines[1], "1.02k");
    EXPECT_EQ(w.lines[95], "9.76k");
    EXPECT_EQ(w.lines[96], "10k");
    EXPECT_EQ(w.lines[97], "10.2k");
    EXPECT_EQ(w.lines[191], "97.6k");

    // The standard form where the built-in E24 has it: the first resistor
    // decade, and the unit decades of capacitors and inductors.
    w = write(192, Resistor, 3, 2);
    EXPECT_EQ(w.count, 192);
    EXPECT_EQ(w.lines[0], "1.00");
    EXPECT_EQ(w.lines[185], "9.20");
    w = write(48, Capacitor, 1 / 2e-6, 2);  // 2 uF
    EXPECT_EQ(w.lines[0], "1.00");
    EXPECT_EQ(w.lines[47], "9.53");
    w = write(48, Inductor, 30e-9, 2);      // 30 nH: the 10n decade
    EXPECT_EQ(w.lines[0], "10n");
    EXPECT_EQ(w.lines[1], "10.5n");
    w = write(48, Capacitor, 1 / 20e-9, 2);  // 20 nF: the 0.01 uF decade
    EXPECT_EQ(w.lines[0], "0.01");
    EXPECT_EQ(w.lines[1], "0.0105");
    // The closing value of a resistor list.
    w = write(48, Resistor, 9e6, 1.2);  // 7.5M to 10.8M
    EXPECT_EQ(w.lines.back(), "10M");
}

TEST(PreferredSeries, CountsPerDecadeAndValuesAsParsed) {
    for (int n : {48, 96, 192}) {
        const int* table = n == 48 ? e48 : n == 96 ? e96 : e192;
        for (int partType : {Resistor, Capacitor, Inductor}) {
            // A target in the middle of the part type's span, range 2: two
            // decades (three when the range reaches over a decade's end).
            double typed = partType == Resistor ? 3.3e3 : partType == Capacitor ? 3.3e-7 : 3.3e-5;
            double target = partType == Capacitor ? 1 / typed : typed;
            Written w = write(n, partType, target, 2);
            ASSERT_EQ(w.count % n, 0) << n << " " << partType;
            std::vector<double> values = parsedValues(partType, w);
            ASSERT_EQ(static_cast<int>(values.size()), w.count);
            for (int i = 0; i < w.count; ++i) {
                // Each value is its mantissa times a power of ten.
                double decade = std::pow(10.0, std::floor(std::log10(values[i]) + 1e-9));
                EXPECT_NEAR(values[i] / decade * 100, table[i % n], 1e-6) << w.lines[i];
            }
        }
    }
}

TEST(PreferredSeries, AtMostTheFiveHundredNearestTheTarget) {
    // 12.345k with the default range covers 61.7 ohm to 2.47M: six
    // decades of E96 (576 values); the 500 nearest the target are written.
    Written w = write(96, Resistor, 12345, 200);
    ASSERT_EQ(w.count, 500);
    std::vector<double> values = parsedValues(Resistor, w);
    ASSERT_EQ(values.size(), 500u);
    // A contiguous stretch around the target: as far below as above.
    double below = std::log(12345 / values.front());
    double above = std::log(values.back() / 12345);
    EXPECT_LT(std::fabs(below - above), std::log(1.03));
    // A target beyond every decade: the nearest decade, so the search has
    // its nearest part as with the built-in series.
    w = write(48, Resistor, 1e12, 2);
    ASSERT_EQ(w.count, 1);
    EXPECT_EQ(w.lines[0], "10M");
    w = write(48, Inductor, 1e-12, 2);
    ASSERT_EQ(w.count, 48);
    EXPECT_EQ(w.lines[0], "1.00n");
}
