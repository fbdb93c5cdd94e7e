// What a result does once built from real parts: with every part at either
// end of its tolerance, the worst case of the network's value (or of a
// pair's quantity), and the statistical spread, the root of the sum of the
// squares of each part's tolerance times its sensitivity.
//
// Why the worst case is two evaluations. A network of positive parts rises
// with each part's series-domain value (a series group adds them, a
// parallel group adds reciprocals of rising values, the bridge's transfer
// rises in each arm and in the cross part), so its least value has every
// part at its least and its greatest every part at its greatest: the
// corners, computed with the very network description the search values
// networks by, not a first-order estimate. Every mode's quantity is
// monotonic in a / b, so a pair's extremes are A low with B high and A high
// with B low. And scaling every part scales the network, so the
// sensitivities (d ln value / d ln part) of a network add up to 1.
#pragma once

#include "engine/network_description.h"
#include "engine/pair_search.h"
#include "engine/spread.h"

// The spread of `network`, whose parts (formula order) have the natural
// values `values` (ohm, farad or henry for `partType`) and the tolerances
// `tolerancesPercent` (0 for an exact part; each below 100). With
// `sensitivities` (one per part) it also gives d ln value / d ln part.
// False, leaving *out alone, for a tolerance outside [0, 100) or a value
// that is not positive.
bool networkSpread(const NetworkDescription& network, int partType, const double* values,
                   const double* tolerancesPercent, Spread* out, double* sensitivities = nullptr);

// A network's least and greatest series-domain values with its parts at
// the ends of their tolerances: the corners the worst case is made of.
bool networkCorners(const NetworkDescription& network, int partType, const double* values,
                    const double* tolerancesPercent, double* seriesLow, double* seriesHigh);

// A pair's quantity at its two corners, A low with B high and A high with B
// low (series-domain values), as its least and greatest.
void pairCorners(const PairRequest& request, double aLow, double aHigh, double bLow, double bHigh, double* low,
                 double* high);

// The tolerance a part is built with: its line's own, else the search's
// (`partTolerancePercent`, NoTolerance for none), else 0.
double partTolerance(double ownPercent, double partTolerancePercent);

// Whether any part of the search has a tolerance: the search's is given,
// or one of `items` names its own. Without one, nothing about the results
// changes.
bool anyTolerance(const StockItem* items, int count, double partTolerancePercent);

// The spread of a pair record's quantity. Each side's parts take their
// tolerances from their StockItems and `partTolerancePercent`. With
// `sensitivities` (A's parts, then B's: record.a.partCount +
// record.b.partCount of them) it also gives d ln quantity / d ln part.
bool pairSpread(const PairRequest& request, const PairRecord& record, double partTolerancePercent, Spread* out,
                double* sensitivities = nullptr);

// How far a worst case stays inside the window [target (1 - t), target
// (1 + t)] of `tolerancePercent`, in percent of the target: the nearer of
// its two ends; negative where it leaves the window.
double spreadMargin(const Spread& spread, double target, double tolerancePercent);

// Whether the whole worst case lies inside that window.
bool spreadWithin(const Spread& spread, double target, double tolerancePercent);

// The spread as a result line shows it behind its formula: the worst case
// as the errors of its two ends from `target` and the statistical spread,
// "  (-2.36%..+3.60%, RSS 1.44%)" (two decimals, two figures below 0.01 %).
// The same in both languages, as the rest of the line. Writes at most
// `size` bytes, always ended; returns the whole length, as snprintf.
int formatSpreadSuffix(const Spread& spread, double target, char* out, int size);
