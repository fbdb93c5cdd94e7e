// The strict reading of the value options of combinix-search. The window's
// boxes read a number at the start of their text and pass over what
// follows: "4k7k" is 4.7k, "1k" in the tolerance box is 1, any part count
// outside 1 to 5 is 5. A user sees the box and can correct it; a script
// cannot, so the command line refuses such a text rather than search with
// a value nobody asked for. It hands on every text it accepts unchanged,
// and the search reads it exactly as the box would.
//
// Each check takes the text as its box would hold it (CP932). A text in
// which the search finds no value at all passes: the search refuses it
// itself, and combinix-search names the input and the reason.
#pragma once

// The target: one number, then at most one multiplier letter or R ("4.7k",
// "4.7 k", "100R", "1e3k"), or the RKM code ("4k7", "2R2"); white space may
// follow, nothing else. A number written in hexadecimal is refused: strtod
// reads one, the notation writes none.
bool targetReadWhole(const char* text);

// The tolerance: one decimal number of percent, "%" after it allowed.
bool toleranceReadWhole(const char* text);

// The parts select range: one decimal number.
bool rangeReadWhole(const char* text);

// The largest number of parts: a whole number from 1 to 5 and nothing else.
bool maxPartsInRange(const char* text);

// ---- The pair search's values ---------------------------------------------
// Each reads a whole text (CP932) and gives its value; false when the text
// holds no number, or anything the reading would pass over.

// A value as the target is read ("4.7k", "4k7", "500m", "1e3"): ohm,
// farad or henry of `partType` (a capacitor's number without a letter is
// in microfarad), or for a quantity (volts, seconds, hertz, a ratio) the
// number as the letter scales it, read with partType Resistor.
bool readValueWhole(const char* text, int partType, double* value);

// A range "MIN..MAX" of values of `partType`, either end of which may be
// left out ("..100k", "1k.."): a missing low end reads as 0, a missing high
// end as infinity. False unless each end given is a value, the low end is 0
// or more and the high end no lower.
bool readRangeWhole(const char* text, int partType, double* low, double* high);

// A whole number from `low` to `high`, and nothing else.
bool readWholeNumber(const char* text, long low, long high, long* value);
