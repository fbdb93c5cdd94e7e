// The fixed numbers that decide what a search does, each named once with
// the reason it has its value.
#pragma once

namespace thresholds {

// A match within this error (in percent) is practically exact. Once one is
// found, a search without "Show All" tries no larger networks, and the
// bridge, whose five parts are the costliest to wire, is skipped whatever
// "Show All" says.
constexpr double PracticallyExact = 0.005;

// Each match that is at least as good as the best so far lowers the display
// tolerance to its own error plus this much, so that a later match exactly
// as good is shown too, and the output's rounding never hides one.
constexpr double TighteningMargin = 0.000001;

// When nothing matched and the part nearest the target is this many times
// too small or too large (or more), the outcome says that many parts in
// series or in parallel are needed instead of that nothing was found.
constexpr double ManyPartsRatio = 5.999;

// Added to that ratio before it is cut to the whole number of parts the
// hint names, so that a ratio a rounding below a whole number names it.
constexpr double ManyPartsRounding = 0.001;

// A window bound that stands for "no bound": the guarded reciprocal of an
// exhausted bound, the open top of a capacitor's window when the tolerance
// passes 100 %, and the ratio the nearest part is measured against.
constexpr double Unbounded = 1e15;

// A bound below this (tiny, zero, or overshot into the negative) is
// exhausted: its reciprocal is taken as Unbounded rather than computed, so
// that it stays finite and keeps its sign.
constexpr double Exhausted = 1e-15;

}  // namespace thresholds
