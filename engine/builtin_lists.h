// The texts the program starts with: the four default inputs, three
// editable stock lists per part type, and the preferred-number series E24,
// E12, E6 and E3 of every part type.
#pragma once

#include <cstdint>

#include "engine/pair_search.h"

struct DefaultText {
    int buffer;
    const char* text;
};

// The 25 built-in texts in their order: buffers 1 to 4, then 10 to 30.
constexpr int DefaultTextCount = 25;
extern const DefaultText defaultTexts[DefaultTextCount];

// Copies every built-in text into its buffer.
void fillDefaultTexts();

// ---- The finer series E48, E96 and E192 --------------------------------
// Not among the window's seven lists: a front end asks for one around a
// target, since a whole series over every decade would pass the 500 parts
// a list is read up to.

// The i-th mantissa (0 <= i < valuesPerDecade) of the series with 48, 96 or
// 192 values per decade, in hundredths: 10^(i/n) rounded to three figures,
// except that E192 holds 9.20 where that rounding gives 9.19. 0 for a
// series or index that names none.
int preferredMantissa(int valuesPerDecade, int i);

// Writes the series with `valuesPerDecade` values per decade (48, 96 or
// 192) for `partType` into `text` (`size` bytes), in the notation of the
// built-in series: over the part type's decades that the candidate range of
// `target` and `rangeFactor` (series domain, as in SearchParams) covers, or
// the one nearest the target when it covers none, and at most the
// limits::StockCapacity values nearest the target. Returns how many values
// it wrote; 0 (and an empty text) for a series it does not know.
int writePreferredSeries(int valuesPerDecade, int partType, double target, double rangeFactor,
                         char* text, int size);

// ---- A series over a side's decades ----------------------------------------
// The pair search takes each side's stock from a series over the decades
// the side's range admits, as StockItems.

// What writeSeriesItems found: the items it wrote, and the values the
// decades hold (more than `count` only when they were refused).
struct SeriesItems {
    int32_t count;
    int32_t values;
};

// The range whose decades a side searches when it is given none: 10 ohm to
// 1 Mohm, 100 pF to 10 uF, 1 uH to 100 mH (ohm, farad, henry), five decades
// each, so that E96 fits a side and E192 needs a narrower range.
ValueRange defaultSeriesRange(int partType);

// Writes series E3, E6, E12, E24, E48, E96 or E192 (`valuesPerDecade`) of
// `partType` over every decade [10^k, 10^(k+1)) that overlaps `range` (ohm,
// farad or henry) into `out`, in ascending order, named in the notation of
// the built-in series ("4.7k", "1.0", "0.047", "100p", "1.00u") and valued as
// the stock list reads those names. An end of the range that is left out
// (a low end of 0, a high end of infinity) is the default range's, or one
// decade beyond the other end where that lies outside the default. When the
// decades hold more values than `capacity` (or than limits::StockCapacity)
// nothing is written and `values` says how many they hold: a side is
// refused, never cut. A series it does not know, or a range that holds no
// decade between 1 mohm and 1 Gohm, 1 fF and 1 F, 1 pH and 1 kH, gives none.
SeriesItems writeSeriesItems(int valuesPerDecade, int partType, const ValueRange& range, StockItem* out,
                             int capacity);
