// The texts of the pair search (pair_texts.h). Each bilingual text is one
// snprintf whose format is chosen by the language between two literals, so
// that the compiler checks both formats against the same arguments; the
// numbers stand in the same order in both languages.
#include "engine/pair_texts.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "engine/network_shapes.h"
#include "engine/search_inputs.h"

namespace {

constexpr double TwoPi = 6.283185307179586;

bool english(int language) { return language == 1; }

// snprintf into out, with the contract of this file: always ended, the
// whole length returned, nothing written for a size of 0 or less.
#if defined(__GNUC__)
__attribute__((format(printf, 3, 4)))
#endif
int put(char* out, int size, const char* format, ...) {
    va_list args;
    va_start(args, format);
    char none[1];
    int n = size > 0 ? vsnprintf(out, static_cast<size_t>(size), format, args)
                     : vsnprintf(none, 0, format, args);
    va_end(args);
    return n < 0 ? 0 : n;
}

// The SI prefix of a value shown with a unit, and the value scaled to it:
// the first row whose bound the value is below, as the result line of the
// single search picks its prefix, and "k" to "G" above 1000.
struct Prefixed {
    const char* prefix;
    double scaled;
};

Prefixed prefixed(double v) {
    const double a = std::fabs(v);
    if (!(a > 0) || !std::isfinite(a)) return {"", v};
    if (a < 1e-9) return {"p", v * 1e12};
    if (a < 1e-6) return {"n", v * 1e9};
    if (a < 0.001) return {"u", v * 1000000};
    if (a < 1) return {"m", v * 1000};
    if (a >= 1e9) return {"G", v / 1e9};
    if (a >= 1000000) return {"M", v / 1000000};
    if (a >= 1000) return {"k", v / 1000};
    return {"", v};
}

// Decimals for about six figures: 5 below 10, 4 below 100, 3 above (as the
// single search's value field), more for a plain number below 1.
int decimalsFor(double s) {
    const double a = std::fabs(s);
    if (!(a > 0) || !std::isfinite(a)) return 5;
    int d = 5 - static_cast<int>(std::floor(std::log10(a)));
    return d < 3 ? 3 : d > 9 ? 9 : d;
}

// A value in the value notation for a message: its prefix letter and up to
// six figures ("4.7k", "100n", "0.66"); `plain` leaves the prefix out.
struct ValueText {
    char text[40];
};

ValueText valueText(double v, bool plain) {
    ValueText t;
    Prefixed p = plain ? Prefixed{"", v} : prefixed(v);
    snprintf(t.text, sizeof t.text, "%.6g%s", p.scaled, p.prefix);
    return t;
}


bool knownMode(PairMode mode) {
    return static_cast<int>(mode) >= 0 && static_cast<int>(mode) < PairModeCount;
}

const PairSide& sideOf(const PairRequest& r, int side) { return side == 0 ? r.a : r.b; }

const char* labelOf(const PairRequest& r, int side) { return pairSideLabel(r.mode, r.a.partType, side); }

// The first side (0 A, 1 B) for which `holds` is true; -1 for none.
template <class Holds>
int firstSide(const PairRequest& r, Holds holds) {
    for (int s = 0; s < 2; ++s) {
        if (holds(sideOf(r, s))) return s;
    }
    return -1;
}

bool positive(double x) { return std::isfinite(x) && x > 0; }

bool emptyRange(const ValueRange& range) { return !(range.low >= 0) || !(range.high >= range.low); }

int targetFault(const PairRequest& r, bool en, char* out, int size) {
    const ValueText target = valueText(r.target, r.mode == PairMode::Ratio || r.mode == PairMode::Divider);
    switch (r.mode) {
        case PairMode::Ratio:
            return put(out, size,
                       en ? "The ratio %s is not a number above 0: give a ratio above 0, as 2 or 0.5."
                          : "\x94\xe4 %s \x82\xcd" "0\x82\xe6\x82\xe8\x91\xe5\x82\xab\x82\xa2\x90\x94\x82\xc5\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42" "2\x82\xe2" "0.5\x82\xcc\x82\xe6\x82\xa4\x82\xc9" "0\x82\xe6\x82\xe8\x91\xe5\x82\xab\x82\xa2\x94\xe4\x82\xf0\x8e\x77\x92\xe8\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42" /* 比 %s は0より大きい数ではありません。2や0.5のように0より大きい比を指定してください。 */,
                       target.text);
        case PairMode::Divider:
            return put(out, size,
                       en ? "The divider's ratio Vout/Vin %s is not above 0: give a ratio between 0 and 1, "
                            "as 0.66, or Vin and Vout in volts."
                          : "\x95\xaa\x88\xb3\x94\xe4(Vout/Vin) %s \x82\xaa" "0\x82\xe6\x82\xe8\x91\xe5\x82\xab\x82\xad\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42" "0.66\x82\xcc\x82\xe6\x82\xa4\x82\xc8" "0\x82\xc6" "1\x82\xcc\x8a\xd4\x82\xcc\x94\xe4\x82\xa9\x81\x41Vin\x82\xc6Vout\x82\xf0\x93\x64\x88\xb3\x82\xc5\x8e\x77\x92\xe8\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42" /* 分圧比(Vout/Vin) %s が0より大きくありません。0.66のような0と1の間の比か、VinとVoutを電圧で指定してください。 */,
                       target.text);
        case PairMode::Feedback:
            if (!positive(r.reference)) {
                const ValueText reference = valueText(r.reference, false);
                return put(out, size,
                           en ? "Vref %s is not a voltage above 0: give the reference in volts, as 1.25 or 0.8."
                              : "Vref %s \x82\xcd" "0\x82\xe6\x82\xe8\x91\xe5\x82\xab\x82\xa2\x93\x64\x88\xb3\x82\xc5\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42" "1.25\x82\xe2" "0.8\x82\xcc\x82\xe6\x82\xa4\x82\xc9\x8a\xee\x8f\x80\x93\x64\x88\xb3\x82\xf0\x83\x7b\x83\x8b\x83\x67\x82\xc5\x8e\x77\x92\xe8\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42" /* Vref %s は0より大きい電圧ではありません。1.25や0.8のように基準電圧をボルトで指定してください。 */,
                           reference.text);
            }
            return put(out, size,
                       en ? "Vout %s is not a voltage above 0: give the output in volts, as 3.3."
                          : "Vout %s \x82\xcd" "0\x82\xe6\x82\xe8\x91\xe5\x82\xab\x82\xa2\x93\x64\x88\xb3\x82\xc5\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42" "3.3\x82\xcc\x82\xe6\x82\xa4\x82\xc9\x8f\x6f\x97\xcd\x93\x64\x88\xb3\x82\xf0\x83\x7b\x83\x8b\x83\x67\x82\xc5\x8e\x77\x92\xe8\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42" /* Vout %s は0より大きい電圧ではありません。3.3のように出力電圧をボルトで指定してください。 */,
                       target.text);
        case PairMode::Rc:
            return put(out, size,
                       en ? "The time constant %s s is not above 0: give it in seconds, as 1m for 1 ms, "
                            "or give the cutoff frequency in hertz."
                          : "\x8e\x9e\x92\xe8\x90\x94 %s s \x82\xaa" "0\x82\xe6\x82\xe8\x91\xe5\x82\xab\x82\xad\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42" "1m(1 ms)\x82\xcc\x82\xe6\x82\xa4\x82\xc9\x95\x62\x82\xc5\x8e\x77\x92\xe8\x82\xb7\x82\xe9\x82\xa9\x81\x41\x83\x4a\x83\x62\x83\x67\x83\x49\x83\x74\x8e\xfc\x94\x67\x90\x94\x82\xf0\x83\x77\x83\x8b\x83\x63\x82\xc5\x8e\x77\x92\xe8\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42" /* 時定数 %s s が0より大きくありません。1m(1 ms)のように秒で指定するか、カットオフ周波数をヘルツで指定してください。 */,
                       target.text);
        case PairMode::Lc:
            return put(out, size,
                       en ? "The resonance frequency %s Hz is not above 0: give it in hertz, as 455k."
                          : "\x8b\xa4\x90\x55\x8e\xfc\x94\x67\x90\x94 %s Hz \x82\xaa" "0\x82\xe6\x82\xe8\x91\xe5\x82\xab\x82\xad\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42" "455k\x82\xcc\x82\xe6\x82\xa4\x82\xc9\x83\x77\x83\x8b\x83\x63\x82\xc5\x8e\x77\x92\xe8\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42" /* 共振周波数 %s Hz が0より大きくありません。455kのようにヘルツで指定してください。 */,
                       target.text);
    }
    return put(out, size,
               en ? "The pair's mode is none of ratio, divider, feedback, rc and lc."
                  : "\x91\x67\x82\xcc\x8e\xed\x97\xde\x82\xaaratio\x81\x41" "divider\x81\x41" "feedback\x81\x41rc\x81\x41lc\x82\xcc\x82\xa2\x82\xb8\x82\xea\x82\xc5\x82\xe0\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42" /* 組の種類がratio、divider、feedback、rc、lcのいずれでもありません。 */);
}

int reachFault(const PairRequest& r, bool en, char* out, int size) {
    if (r.mode == PairMode::Feedback) {
        const ValueText vout = valueText(r.target, false);
        const ValueText vref = valueText(r.reference, false);
        return put(out, size,
                   en ? "A feedback pair sets Vout above Vref: Vout %s V, plus the tolerance, must lie above "
                        "Vref %s V."
                      : "\x8b\x41\x8a\xd2\x92\xef\x8d\x52\x82\xcc\x91\x67\x82\xc5\x82\xcdVout\x82\xcdVref\x82\xe6\x82\xe8\x8d\x82\x82\xad\x82\xc8\x82\xe8\x82\xdc\x82\xb7\x81\x42Vout %s V\x82\xcd\x8b\x96\x97\x65\x8d\xb7\x82\xf0\x89\xc1\x82\xa6\x82\xc4Vref %s V\x82\xe6\x82\xe8\x8d\x82\x82\xad\x82\xc8\x82\xaf\x82\xea\x82\xce\x82\xc8\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42" /* 帰還抵抗の組ではVoutはVrefより高くなります。Vout %s Vは許容差を加えてVref %s Vより高くなければなりません。 */,
                   vout.text, vref.text);
    }
    const ValueText ratio = valueText(r.target, true);
    return put(out, size,
               en ? "A divider's output lies below its input: the ratio %s, less the tolerance, must be "
                    "below 1; give Vout below Vin."
                  : "\x95\xaa\x88\xb3\x89\xf1\x98\x48\x82\xcc\x8f\x6f\x97\xcd\x82\xcd\x93\xfc\x97\xcd\x82\xe6\x82\xe8\x92\xe1\x82\xad\x82\xc8\x82\xe8\x82\xdc\x82\xb7\x81\x42\x94\xe4 %s \x82\xcd\x8b\x96\x97\x65\x8d\xb7\x82\xf0\x88\xf8\x82\xa2\x82\xc4" "1\x96\xa2\x96\x9e\x82\xc5\x82\xc8\x82\xaf\x82\xea\x82\xce\x82\xc8\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42Vout\x82\xcdVin\x82\xe6\x82\xe8\x92\xe1\x82\xad\x8e\x77\x92\xe8\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42" /* 分圧回路の出力は入力より低くなります。比 %s は許容差を引いて1未満でなければなりません。VoutはVinより低く指定してください。 */,
               ratio.text);
}

int partTypeFault(const PairRequest& r, bool en, char* out, int size) {
    if (r.mode == PairMode::Rc) {
        return put(out, size,
                   en ? "An rc pair takes resistors for R and capacitors for C."
                      : "rc\x82\xcc\x91\x67\x82\xc5\x82\xcdR\x82\xc9\x92\xef\x8d\x52\x81\x41" "C\x82\xc9\x83\x52\x83\x93\x83\x66\x83\x93\x83\x54\x82\xf0\x8e\x67\x82\xa2\x82\xdc\x82\xb7\x81\x42" /* rcの組ではRに抵抗、Cにコンデンサを使います。 */);
    }
    if (r.mode == PairMode::Lc) {
        return put(out, size,
                   en ? "An lc pair takes inductors for L and capacitors for C."
                      : "lc\x82\xcc\x91\x67\x82\xc5\x82\xcdL\x82\xc9\x83\x43\x83\x93\x83\x5f\x83\x4e\x83\x5e\x81\x41" "C\x82\xc9\x83\x52\x83\x93\x83\x66\x83\x93\x83\x54\x82\xf0\x8e\x67\x82\xa2\x82\xdc\x82\xb7\x81\x42" /* lcの組ではLにインダクタ、Cにコンデンサを使います。 */);
    }
    return put(out, size,
               en ? "Both sides of a ratio, divider or feedback pair take one part type: resistors, "
                    "capacitors or inductors."
                  : "ratio\x81\x41" "divider\x81\x41" "feedback\x82\xcc\x91\x67\x82\xc5\x82\xcd\x97\xbc\x91\xa4\x82\xc6\x82\xe0\x93\xaf\x82\xb6\x8e\xed\x97\xde\x82\xcc\x95\x94\x95\x69(\x92\xef\x8d\x52\x81\x41\x83\x52\x83\x93\x83\x66\x83\x93\x83\x54\x81\x41\x83\x43\x83\x93\x83\x5f\x83\x4e\x83\x5e\x82\xcc\x82\xa2\x82\xb8\x82\xea\x82\xa9)\x82\xf0\x8e\x67\x82\xa2\x82\xdc\x82\xb7\x81\x42" /* ratio、divider、feedbackの組では両側とも同じ種類の部品(抵抗、コンデンサ、インダクタのいずれか)を使います。 */);
}

int partsFault(const PairRequest& r, bool en, char* out, int size) {
    for (int s = 0; s < 2; ++s) {
        const PairSide& side = sideOf(r, s);
        if (side.count <= 0 || side.parts == nullptr) {
            return put(out, size,
                       en ? "%s has no part to search: give it a stock of at least one value above 0."
                          : "%s \x82\xcc\x8d\xdd\x8c\xc9\x82\xc9\x92\x6c\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42" "0\x82\xe6\x82\xe8\x91\xe5\x82\xab\x82\xa2\x92\x6c\x82\xf0" "1\x82\xc2\x88\xc8\x8f\xe3\x8e\x77\x92\xe8\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42" /* %s の在庫に値がありません。0より大きい値を1つ以上指定してください。 */,
                       labelOf(r, s));
        }
        if (side.count > limits::StockCapacity) continue;
        for (int i = 0; i < side.count; ++i) {
            const double v = side.parts[i].value;
            if (positive(v) && positive(1 / v)) continue;
            const ValueText value = valueText(v, false);
            return put(out, size,
                       en ? "The stock of %s: its value %d, %s, is not a finite value above 0."
                          : "%s \x82\xcc\x8d\xdd\x8c\xc9\x82\xcc%d\x94\xd4\x96\xda\x82\xcc\x92\x6c %s \x82\xcd" "0\x82\xe6\x82\xe8\x91\xe5\x82\xab\x82\xa2\x97\x4c\x8c\xc0\x82\xcc\x92\x6c\x82\xc5\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42" /* %s の在庫の%d番目の値 %s は0より大きい有限の値ではありません。 */,
                       labelOf(r, s), i + 1, value.text);
        }
    }
    return 0;
}

int rangeFault(const PairRequest& r, bool en, char* out, int size) {
    const ValueRange* ranges[3] = {&r.a.range, &r.b.range, &r.total};
    for (int k = 0; k < 3; ++k) {
        if (!emptyRange(*ranges[k])) continue;
        char label[16];
        if (k < 2) {
            snprintf(label, sizeof label, "%s", labelOf(r, k));
        } else {
            snprintf(label, sizeof label, "%s + %s", labelOf(r, 0), labelOf(r, 1));
        }
        const ValueText low = valueText(ranges[k]->low, false);
        const ValueText high = valueText(ranges[k]->high, false);
        return put(out, size,
                   en ? "The range of %s, %s to %s, is empty: its low end must be 0 or more and not above "
                        "its high end."
                      : "%s \x82\xcc\x94\xcd\x88\xcd %s \x82\xa9\x82\xe7 %s \x82\xcd\x8b\xf3\x82\xc5\x82\xb7\x81\x42\x89\xba\x8c\xc0\x82\xcd" "0\x88\xc8\x8f\xe3\x82\xc5\x81\x41\x8f\xe3\x8c\xc0\x82\xf0\x92\xb4\x82\xa6\x82\xc4\x82\xcd\x82\xc8\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42" /* %s の範囲 %s から %s は空です。下限は0以上で、上限を超えてはなりません。 */,
                   label, low.text, high.text);
    }
    return 0;
}

int networksFault(const PairRequest& r, bool en, char* out, int size) {
    // Run() refuses the first side whose networks pass the capacity (after
    // its range); a side whose networks before any range stay below it
    // cannot be the one.
    int s = firstSide(r, [](const PairSide& side) {
        return pairNetworkCount(side.count, side.maxParts) > limits::PairNetworkCapacity;
    });
    if (s < 0) s = 0;
    const PairSide& side = sideOf(r, s);
    return put(out, size,
               en ? "%s has too many networks: %d values in networks of up to %d parts make %lld, and a side "
                    "holds at most %d (within its range). Take a narrower range or fewer parts."
                  : "%s \x82\xcc\x83\x6c\x83\x62\x83\x67\x83\x8f\x81\x5b\x83\x4e\x82\xaa\x91\xbd\x82\xb7\x82\xac\x82\xdc\x82\xb7\x81\x42%d\x8c\xc2\x82\xcc\x92\x6c\x82\xa9\x82\xe7\x8d\xc5\x91\xe5%d\x96\x7b\x8d\x5c\x90\xac\x82\xc5%lld\x92\xca\x82\xe8\x82\xc9\x82\xc8\x82\xe8\x81\x41\x95\xd0\x91\xa4\x82\xaa\x8e\x9d\x82\xc4\x82\xe9\x82\xcc\x82\xcd(\x94\xcd\x88\xcd\x93\xe0\x82\xc5)%d\x92\xca\x82\xe8\x82\xdc\x82\xc5\x82\xc5\x82\xb7\x81\x42\x94\xcd\x88\xcd\x82\xf0\x8b\xb7\x82\xdf\x82\xe9\x82\xa9\x81\x41\x8d\x5c\x90\xac\x96\x7b\x90\x94\x82\xf0\x8c\xb8\x82\xe7\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42" /* %s のネットワークが多すぎます。%d個の値から最大%d本構成で%lld通りになり、片側が持てるのは(範囲内で)%d通りまでです。範囲を狭めるか、構成本数を減らしてください。 */,
               labelOf(r, s), side.count, side.maxParts,
               static_cast<long long>(pairNetworkCount(side.count, side.maxParts)), limits::PairNetworkCapacity);
}

}  // namespace

// ---- The quantity ---------------------------------------------------------

bool pairShowsCutoff(PairMode mode, PairShownAs as) { return mode == PairMode::Rc && as == PairShownAs::Cutoff; }

double pairShownTarget(const PairRequest& request, PairShownAs as) {
    return pairShowsCutoff(request.mode, as) ? 1 / (TwoPi * request.target) : request.target;
}

PairShown pairShownQuantity(const PairRequest& request, const PairRecord& record, PairShownAs as) {
    if (!pairShowsCutoff(request.mode, as)) return {record.quantity, record.errorPercent};
    const double f = 1 / (TwoPi * record.quantity);
    const double target = pairShownTarget(request, as);
    return {f, (f - target) / target * 100};
}

const char* pairQuantityUnit(PairMode mode, PairShownAs as) {
    switch (mode) {
        case PairMode::Feedback: return "V";
        case PairMode::Rc: return pairShowsCutoff(mode, as) ? "Hz" : "s";
        case PairMode::Lc: return "Hz";
        default: return "";
    }
}

// ---- Names and numbers ------------------------------------------------------

const char* pairSideLabel(PairMode mode, int partTypeA, int side) {
    const int s = side == 0 ? 0 : 1;
    switch (mode) {
        case PairMode::Rc: return s == 0 ? "R" : "C";
        case PairMode::Lc: return s == 0 ? "L" : "C";
        case PairMode::Ratio:
        case PairMode::Divider:
        case PairMode::Feedback: {
            static const char* const labels[3][2] = {{"R1", "R2"}, {"C1", "C2"}, {"L1", "L2"}};
            const int type = partTypeA >= Resistor && partTypeA <= Inductor ? partTypeA : Resistor;
            return labels[type][s];
        }
    }
    return s == 0 ? "A" : "B";
}

int formatPairQuantity(double value, const char* unit, char* out, int size) {
    const bool plain = unit == nullptr || unit[0] == '\0';
    const Prefixed p = plain ? Prefixed{"", value} : prefixed(value);
    if (plain) {
        // A ratio far from 1 keeps its figures in the exponent form.
        const double a = std::fabs(value);
        if (a > 0 && std::isfinite(a) && (a < 0.001 || a >= 1e6)) return put(out, size, "%.5e", value);
        return put(out, size, "%8.*f", decimalsFor(p.scaled), p.scaled);
    }
    return put(out, size, "%8.*f %s%s", decimalsFor(p.scaled), p.scaled, p.prefix, unit);
}

int formatPairError(double e, char* out, int size) {
    const double a = std::fabs(e);
    if (e == 0) return put(out, size, "0");
    if (!std::isfinite(a) || a >= 0.01) return put(out, size, "%+.2f", e);
    if (a < 1e-6) return put(out, size, "%+.1e", e);
    // Two figures: 0.0042, 0.00012; one that rounds up to 0.01 is shown as
    // 0.01 is.
    const int decimals = 1 - static_cast<int>(std::floor(std::log10(a)));
    const double scale = std::pow(10.0, decimals);
    if (std::round(a * scale) / scale >= 0.01) return put(out, size, "%+.2f", e);
    return put(out, size, "%+.*f", decimals, e);
}

int formatPairFormula(const PairSide& side, const PairNetwork& network, char* out, int size) {
    const NetworkShape* shape = networkShape(network.shape);
    if (size > 0) out[0] = '\0';
    if (shape == nullptr || shape->parts != network.partCount || network.partCount < 1 ||
        network.partCount > limits::PairMaxParts || side.parts == nullptr) {
        return 0;
    }
    const char* names[limits::PairMaxParts] = {};
    for (int k = 0; k < network.partCount; ++k) {
        const int pick = network.picks[k];
        if (pick < 0 || pick >= side.count) return 0;
        names[k] = side.parts[pick].name;
    }
    if (size <= 0) {
        char none[1];
        return formatFormula(*shape, names, none, 1);
    }
    return formatFormula(*shape, names, out, size);
}

int formatPairLine(const PairRequest& request, const PairRecord& record, PairShownAs as, int language,
                   char* out, int size) {
    // The same in both languages (pair_texts.h).
    (void)language;
    const PairShown shown = pairShownQuantity(request, record, as);
    char quantity[64], error[32];
    char formulaA[limits::PairTextSize], formulaB[limits::PairTextSize];
    formatPairQuantity(shown.value, pairQuantityUnit(request.mode, as), quantity, sizeof quantity);
    formatPairError(shown.errorPercent, error, sizeof error);
    formatPairFormula(request.a, record.a, formulaA, sizeof formulaA);
    formatPairFormula(request.b, record.b, formulaB, sizeof formulaB);
    return put(out, size, "%d: %s, %8s%%, %s = %s, %s = %s", record.parts, quantity, error, labelOf(request, 0),
               formulaA, labelOf(request, 1), formulaB);
}

// ---- The outcome line -------------------------------------------------------

int formatPairOutcome(int64_t matches, int64_t shown, bool stopped, int language, char* out, int size) {
    const bool en = english(language);
    const long long m = static_cast<long long>(matches);
    const long long s = static_cast<long long>(shown < matches ? shown : matches);
    if (stopped) {
        return put(out, size,
                   en ? "Aborted: %lld pairs found until then, %lld shown."
                      : "\x92\x86\x92\x66\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42\x82\xbb\x82\xea\x82\xdc\x82\xc5\x82\xc9%lld\x91\x67\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x81\x41%lld\x91\x67\x82\xf0\x95\x5c\x8e\xa6\x82\xb5\x82\xdc\x82\xb7\x81\x42" /* 中断しました。それまでに%lld組見つかり、%lld組を表示します。 */,
                   m, s);
    }
    if (m <= 0) {
        return put(out, size,
                   en ? "No pair found."
                      : "\x8f\xf0\x8c\x8f\x82\xc9\x8d\x87\x82\xa4\x91\x67\x82\xcd\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd\x81\x42" /* 条件に合う組は見つかりませんでした。 */);
    }
    if (s == m) {
        if (en) return put(out, size, m == 1 ? "%lld pair found." : "%lld pairs found.", m);
        return put(out, size,
                   "%lld\x91\x67\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb5\x82\xbd\x81\x42" /* %lld組見つかりました。 */,
                   m);
    }
    if (s <= 0) {
        return put(out, size,
                   en ? "%lld pairs found, none shown."
                      : "%lld\x91\x67\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb5\x82\xbd(\x95\x5c\x8e\xa6\x82\xc8\x82\xb5)\x81\x42" /* %lld組見つかりました(表示なし)。 */,
                   m);
    }
    return put(out, size,
               en ? "%lld pairs found, the best %lld shown."
                  : "%lld\x91\x67\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb5\x82\xbd\x81\x42\x8f\xe3\x88\xca%lld\x91\x67\x82\xf0\x95\x5c\x8e\xa6\x82\xb5\x82\xdc\x82\xb7\x81\x42" /* %lld組見つかりました。上位%lld組を表示します。 */,
               m, s);
}

// ---- Faults -------------------------------------------------------------------

int formatPairFault(PairFault fault, const PairRequest& r, int language, char* out, int size) {
    const bool en = english(language);
    if (size > 0) out[0] = '\0';
    switch (fault) {
        case PairFault::None: return 0;
        case PairFault::TargetNotPositive: return targetFault(r, en, out, size);
        case PairFault::TargetOutOfReach: return reachFault(r, en, out, size);
        case PairFault::ToleranceNotPositive: {
            const ValueText tolerance = valueText(r.tolerancePercent, true);
            return put(out, size,
                       en ? "The tolerance %s %% is not a number above 0: give it in percent, as 1 or 0.1."
                          : "\x8b\x96\x97\x65\x8d\xb7 %s %% \x82\xcd" "0\x82\xe6\x82\xe8\x91\xe5\x82\xab\x82\xa2\x90\x94\x82\xc5\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42" "1\x82\xe2" "0.1\x82\xcc\x82\xe6\x82\xa4\x82\xc9\x83\x70\x81\x5b\x83\x5a\x83\x93\x83\x67\x82\xc5\x8e\x77\x92\xe8\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42" /* 許容差 %s %% は0より大きい数ではありません。1や0.1のようにパーセントで指定してください。 */,
                       tolerance.text);
        }
        case PairFault::MaxPartsOutOfRange: {
            int s = firstSide(r, [](const PairSide& side) {
                return side.maxParts < 1 || side.maxParts > limits::PairMaxParts;
            });
            if (s < 0) s = 0;
            return put(out, size,
                       en ? "%s asks for networks of up to %d parts: a side takes 1, 2 or 3."
                          : "%s \x82\xcc\x8d\xc5\x91\xe5\x8d\x5c\x90\xac\x96\x7b\x90\x94 %d \x82\xcd\x94\xcd\x88\xcd\x8a\x4f\x82\xc5\x82\xb7\x81\x42\x95\xd0\x91\xa4\x82\xcd" "1\x81\x41" "2\x81\x41" "3\x96\x7b\x82\xcc\x82\xa2\x82\xb8\x82\xea\x82\xa9\x82\xc5\x82\xb7\x81\x42" /* %s の最大構成本数 %d は範囲外です。片側は1、2、3本のいずれかです。 */,
                       labelOf(r, s), sideOf(r, s).maxParts);
        }
        case PairFault::WrongPartType: return partTypeFault(r, en, out, size);
        case PairFault::SideWithoutParts: return partsFault(r, en, out, size);
        case PairFault::TooManyParts: {
            int s = firstSide(r, [](const PairSide& side) { return side.count > limits::StockCapacity; });
            if (s < 0) s = 0;
            return put(out, size,
                       en ? "The stock of %s holds %d values, more than the %d a side takes."
                          : "%s \x82\xcc\x8d\xdd\x8c\xc9\x82\xcd%d\x8c\xc2\x82\xa0\x82\xe8\x81\x41\x95\xd0\x91\xa4\x82\xcc\x8f\xe3\x8c\xc0%d\x8c\xc2\x82\xf0\x92\xb4\x82\xa6\x82\xc4\x82\xa2\x82\xdc\x82\xb7\x81\x42" /* %s の在庫は%d個あり、片側の上限%d個を超えています。 */,
                       labelOf(r, s), sideOf(r, s).count, limits::StockCapacity);
        }
        case PairFault::RangeEmpty: return rangeFault(r, en, out, size);
        case PairFault::TotalWithoutMeaning:
            return put(out, size,
                       en ? "A range of the total has no meaning for an %s pair, whose sides add up in different "
                            "units: give a range for each side instead."
                          : "%s\x82\xcc\x91\x67\x82\xc5\x82\xcd\x8d\x87\x8c\x76\x82\xcc\x94\xcd\x88\xcd\x82\xcd\x8e\x67\x82\xa6\x82\xdc\x82\xb9\x82\xf1(\x97\xbc\x91\xa4\x82\xcc\x92\x50\x88\xca\x82\xaa\x88\xd9\x82\xc8\x82\xe8\x82\xdc\x82\xb7)\x81\x42\x91\xe3\x82\xed\x82\xe8\x82\xc9\x8a\x65\x91\xa4\x82\xcc\x94\xcd\x88\xcd\x82\xf0\x8e\x77\x92\xe8\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42" /* %sの組では合計の範囲は使えません(両側の単位が異なります)。代わりに各側の範囲を指定してください。 */,
                       knownMode(r.mode) ? pairModeName(r.mode) : "rc");
        case PairFault::TooManyNetworks: return networksFault(r, en, out, size);
    }
    return 0;
}

int formatPairSeriesRefusal(const char* sideLabel, int valuesPerDecade, int values, int language, char* out,
                            int size) {
    const bool en = english(language);
    char series[16];
    snprintf(series, sizeof series, "E%d", valuesPerDecade);
    const char* label = sideLabel != nullptr ? sideLabel : "";
    if (values <= 0) {
        return put(out, size,
                   en ? "%s: its range holds no value of %s; give a range that does."
                      : "%s: \x94\xcd\x88\xcd\x82\xc9%s\x82\xcc\x92\x6c\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42\x94\xcd\x88\xcd\x82\xf0\x8c\xa9\x92\xbc\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42" /* %s: 範囲に%sの値がありません。範囲を見直してください。 */,
                   label, series);
    }
    return put(out, size,
               en ? "%s: %s over the decades of its range holds %d values, more than the %d a side takes; "
                    "give it a narrower range."
                  : "%s: %s\x82\xcd\x82\xbb\x82\xcc\x94\xcd\x88\xcd\x82\xcc\x8c\x85\x82\xc5%d\x8c\xc2\x82\xcc\x92\x6c\x82\xc9\x82\xc8\x82\xe8\x81\x41\x95\xd0\x91\xa4\x82\xcc\x8f\xe3\x8c\xc0%d\x8c\xc2\x82\xf0\x92\xb4\x82\xa6\x82\xdc\x82\xb7\x81\x42\x94\xcd\x88\xcd\x82\xf0\x8b\xb7\x82\xdf\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42" /* %s: %sはその範囲の桁で%d個の値になり、片側の上限%d個を超えます。範囲を狭めてください。 */,
               label, series, values, limits::StockCapacity);
}
