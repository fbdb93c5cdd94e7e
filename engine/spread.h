// A result's spread once built from real parts: its worst case with every
// part at an end of its tolerance, and its statistical spread
// (engine/part_spread.h computes them).
#pragma once

struct Spread {
    double worstLow = 0, worstHigh = 0;  // ohm, farad, henry, or a pair's quantity
    double rssPercent = 0;               // the statistical spread, in percent of the nominal value
};
