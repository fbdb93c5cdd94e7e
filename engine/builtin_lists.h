// The texts the program starts with: the four default inputs, three
// editable stock lists per part type, and the preferred-number series E24,
// E12, E6 and E3 of every part type.
#pragma once

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
