// The worst case and the statistical spread of a network or a pair
// (part_spread.h).
#include "engine/part_spread.h"

#include <cmath>
#include <cstdio>

#include "engine/network_shapes.h"
#include "engine/search_inputs.h"

namespace {

bool usable(double value, double tolerancePercent) {
    return std::isfinite(value) && value > 0 && tolerancePercent >= 0 && tolerancePercent < 100;
}

// A node's series value from the parts' series values.
double valueOf(const NetworkDescription& d, int index, const double* s) {
    const NetworkNode& node = d.nodes[index];
    switch (node.kind) {
        case NetworkNodeKind::Part: return s[node.position];
        case NetworkNodeKind::Series: {
            double sum = 0;
            for (int i = 0; i < node.childCount; ++i) sum += valueOf(d, node.children[i], s);
            return sum;
        }
        case NetworkNodeKind::Parallel: {
            double sum = 0;
            for (int i = 0; i < node.childCount; ++i) sum += 1 / valueOf(d, node.children[i], s);
            return 1 / sum;
        }
        case NetworkNodeKind::Bridge: {
            double places[limits::MaxNetworkParts];
            for (int i = 0; i < limits::MaxNetworkParts; ++i) places[i] = valueOf(d, node.children[i], s);
            return bridgeAcrossTerminals(places);
        }
    }
    return 0;
}

// d value / d part for every part below `index`, times `factor` (d root /
// d node): a series group passes its factor on, a parallel group of value
// N to a member of value c the factor (N / c)^2, the bridge by the
// derivative of its transfer, taken across a small step.
void slopes(const NetworkDescription& d, int index, const double* s, double factor, double* out) {
    const NetworkNode& node = d.nodes[index];
    switch (node.kind) {
        case NetworkNodeKind::Part: out[node.position] += factor; return;
        case NetworkNodeKind::Series:
            for (int i = 0; i < node.childCount; ++i) slopes(d, node.children[i], s, factor, out);
            return;
        case NetworkNodeKind::Parallel: {
            double n = valueOf(d, index, s);
            for (int i = 0; i < node.childCount; ++i) {
                double c = valueOf(d, node.children[i], s);
                slopes(d, node.children[i], s, factor * (n / c) * (n / c), out);
            }
            return;
        }
        case NetworkNodeKind::Bridge: {
            double places[limits::MaxNetworkParts];
            for (int i = 0; i < limits::MaxNetworkParts; ++i) places[i] = valueOf(d, node.children[i], s);
            for (int i = 0; i < limits::MaxNetworkParts; ++i) {
                // A central difference of a smooth ratio of polynomials:
                // its error is far below what a tolerance's share shows.
                double h = places[i] * 1e-6;
                double saved = places[i];
                places[i] = saved + h;
                double up = bridgeAcrossTerminals(places);
                places[i] = saved - h;
                double down = bridgeAcrossTerminals(places);
                places[i] = saved;
                slopes(d, node.children[i], s, factor * (up - down) / (2 * h), out);
            }
            return;
        }
    }
}

// The series value of a part at the low or high end of its tolerance.
double seriesAt(int partType, double value, double t, bool high) {
    double natural = value * (high == (partType != Capacitor) ? 1 + t : 1 - t);
    return partType == Capacitor ? 1 / natural : natural;
}

// A network's least and greatest series values, and its parts'
// sensitivities (with their tolerances in percent, to weigh them).
struct Corners {
    double low, high, nominal;
    int parts;
    double sensitivity[limits::MaxNetworkParts];
    double tolerance[limits::MaxNetworkParts];
};

bool cornersOf(const NetworkDescription& d, int partType, const double* values, const double* tolerances,
               Corners* c) {
    const int n = d.partCount;
    double sLow[limits::MaxNetworkParts] = {}, sHigh[limits::MaxNetworkParts] = {}, s[limits::MaxNetworkParts] = {};
    for (int k = 0; k < n; ++k) {
        if (!usable(values[k], tolerances[k])) return false;
        double t = tolerances[k] / 100;
        s[k] = partType == Capacitor ? 1 / values[k] : values[k];
        sLow[k] = seriesAt(partType, values[k], t, false);
        sHigh[k] = seriesAt(partType, values[k], t, true);
        c->tolerance[k] = tolerances[k];
    }
    c->parts = n;
    c->low = valueOf(d, 0, sLow);
    c->high = valueOf(d, 0, sHigh);
    c->nominal = valueOf(d, 0, s);
    double slope[limits::MaxNetworkParts] = {};
    slopes(d, 0, s, 1, slope);
    for (int k = 0; k < n; ++k) c->sensitivity[k] = slope[k] * s[k] / c->nominal;
    return std::isfinite(c->low) && std::isfinite(c->high) && c->low > 0;
}

}  // namespace

bool networkCorners(const NetworkDescription& network, int partType, const double* values,
                    const double* tolerancesPercent, double* seriesLow, double* seriesHigh) {
    Corners c;
    if (!cornersOf(network, partType, values, tolerancesPercent, &c)) return false;
    *seriesLow = c.low;
    *seriesHigh = c.high;
    return true;
}

void pairCorners(const PairRequest& r, double aLow, double aHigh, double bLow, double bHigh, double* low,
                 double* high) {
    double q1 = pairQuantity(r, aLow, bHigh);
    double q2 = pairQuantity(r, aHigh, bLow);
    *low = std::fmin(q1, q2);
    *high = std::fmax(q1, q2);
}

double partTolerance(double ownPercent, double partTolerancePercent) {
    if (ownPercent >= 0) return ownPercent;
    if (partTolerancePercent >= 0) return partTolerancePercent;
    return 0;
}

bool anyTolerance(const StockItem* items, int count, double partTolerancePercent) {
    if (partTolerancePercent >= 0) return true;
    for (int i = 0; i < count; ++i) {
        if (items[i].tolerancePercent >= 0) return true;
    }
    return false;
}

bool networkSpread(const NetworkDescription& network, int partType, const double* values,
                   const double* tolerancesPercent, Spread* out, double* sensitivities) {
    Corners c;
    if (!cornersOf(network, partType, values, tolerancesPercent, &c)) return false;
    double sum = 0;
    for (int k = 0; k < c.parts; ++k) sum += (c.tolerance[k] * c.sensitivity[k]) * (c.tolerance[k] * c.sensitivity[k]);
    // A capacitor network's capacitance is the reciprocal of its series
    // value: its least comes from the greatest series value.
    if (partType == Capacitor) {
        out->worstLow = 1 / c.high;
        out->worstHigh = 1 / c.low;
    } else {
        out->worstLow = c.low;
        out->worstHigh = c.high;
    }
    out->rssPercent = std::sqrt(sum);
    if (sensitivities) {
        for (int k = 0; k < c.parts; ++k) sensitivities[k] = c.sensitivity[k];
    }
    return true;
}

bool pairSpread(const PairRequest& r, const PairRecord& record, double partTolerancePercent, Spread* out,
                double* sensitivities) {
    Corners sides[2];
    const PairSide* requestSides[2] = {&r.a, &r.b};
    const PairNetwork* networks[2] = {&record.a, &record.b};
    for (int side = 0; side < 2; ++side) {
        const PairNetwork& n = *networks[side];
        const PairSide& in = *requestSides[side];
        const NetworkDescription* d = networkDescription(n.shape);
        if (!d || d->partCount != n.partCount) return false;
        double values[3], tolerances[3];
        for (int k = 0; k < n.partCount; ++k) {
            if (n.picks[k] < 0 || n.picks[k] >= in.count) return false;
            const StockItem& item = in.parts[n.picks[k]];
            values[k] = item.value;
            tolerances[k] = partTolerance(item.tolerancePercent, partTolerancePercent);
        }
        if (!cornersOf(*d, in.partType, values, tolerances, &sides[side])) return false;
    }
    // The quantity at A low with B high and A high with B low, whichever
    // way it runs with a / b.
    pairCorners(r, sides[0].low, sides[0].high, sides[1].low, sides[1].high, &out->worstLow, &out->worstHigh);
    // d ln q / d ln a; d ln q / d ln b is its negative, q being a function
    // of a / b.
    const double a = sides[0].nominal, b = sides[1].nominal;
    double dA = 1;
    switch (r.mode) {
        case PairMode::Ratio:
        case PairMode::Rc: dA = 1; break;
        case PairMode::Divider: dA = -a / (a + b); break;
        case PairMode::Feedback: dA = a / (a + b); break;
        case PairMode::Lc: dA = -0.5; break;
    }
    double sum = 0;
    int at = 0;
    for (int side = 0; side < 2; ++side) {
        const Corners& c = sides[side];
        // A capacitor's series value falls as its capacitance rises.
        double toPart = requestSides[side]->partType == Capacitor ? -1 : 1;
        double toSide = side == 0 ? dA : -dA;
        for (int k = 0; k < c.parts; ++k) {
            double s = c.sensitivity[k] * toSide * toPart;
            sum += (c.tolerance[k] * s) * (c.tolerance[k] * s);
            if (sensitivities) sensitivities[at] = s;
            ++at;
        }
    }
    out->rssPercent = std::sqrt(sum);
    return std::isfinite(out->worstLow) && std::isfinite(out->worstHigh);
}

double spreadMargin(const Spread& spread, double target, double tolerancePercent) {
    double t = tolerancePercent / 100;
    double below = (spread.worstLow - target * (1 - t)) / target * 100;
    double above = (target * (1 + t) - spread.worstHigh) / target * 100;
    return std::fmin(below, above);
}

bool spreadWithin(const Spread& spread, double target, double tolerancePercent) {
    double t = tolerancePercent / 100;
    return spread.worstLow >= target * (1 - t) && spread.worstHigh <= target * (1 + t);
}

namespace {

// A percentage, short: two decimals, or two figures below 0.01 %; signed
// where it is an error.
void percentText(char* out, size_t size, double percent, bool signedText) {
    const double a = std::fabs(percent);
    if (a == 0) snprintf(out, size, "0%%");
    else if (a < 0.01) snprintf(out, size, signedText ? "%+.2g%%" : "%.2g%%", percent);
    else snprintf(out, size, signedText ? "%+.2f%%" : "%.2f%%", percent);
}

}  // namespace

int formatSpreadSuffix(const Spread& spread, double target, char* out, int size) {
    char low[40], high[40], rss[40];
    percentText(low, sizeof low, (spread.worstLow / target - 1) * 100, true);
    percentText(high, sizeof high, (spread.worstHigh / target - 1) * 100, true);
    percentText(rss, sizeof rss, spread.rssPercent, false);
    return snprintf(out, static_cast<size_t>(size > 0 ? size : 0), "  (%s..%s, RSS %s)", low, high, rss);
}
