// The brute-force reference of the whole search, shared by the library's
// test of it and the command line's.
//
// The reference knows every template only as a row of plain data: its
// format string, the way each loop runs, and the network value as a plain
// formula of the parts in the grouping the search computes it in. It prunes
// nothing: it evaluates every index combination the loop ways allow and
// tests the value against the acceptance window directly. It follows the
// search's own flow (early stop between sizes, "Parallel only", the
// bridge's gate, the tightening tolerance and both limits), so for random
// stocks, targets, tolerances, sizes, part types and flags it must record
// the same lines in the same order as the real search.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/stock_list.h"
#include "tests/engine/network_search.h"

namespace {

enum Way { DownFromTop, DownFromPick, UpFromBottom, UpFromPick };

struct Loop {
    Way way;
    int pick;  // the outer pick a loop starts at, 1 to 4
};

constexpr Loop top{DownFromTop, 0};
constexpr Loop bottom{UpFromBottom, 0};
constexpr Loop down(int pick) { return {DownFromPick, pick}; }
constexpr Loop up(int pick) { return {UpFromPick, pick}; }

// s[k] and g[k] are the seriesValue and parallelValue of the k-th pick.
using NetworkValue = double (*)(const double* s, const double* g);

struct Template {
    const char* format;
    int parts;
    Loop loops[5];
    NetworkValue value;
};

// A network value written as a plain formula of the parts.
#define VALUE []([[maybe_unused]] const double* s, [[maybe_unused]] const double* g) -> double

// clang-format off
const Template templates[] = {
    {"1:%8.3f%s,%6.2f%%, %s\r\n", 1, {bottom}, VALUE { return s[1]; }},

    {"2:%8.3f%s,%6.2f%%, %s + %s\r\n", 2, {top, down(1)}, VALUE { return s[1] + s[2]; }},
    {"2:%8.3f%s,%6.2f%%, %s / %s\r\n", 2, {bottom, up(1)}, VALUE { return 1 / (g[1] + g[2]); }},

    {"3:%8.3f%s,%6.2f%%, %s + %s + %s\r\n", 3, {top, down(1), down(2)},
     VALUE { return s[1] + s[2] + s[3]; }},
    {"3:%8.3f%s,%6.2f%%, %s / %s / %s\r\n", 3, {bottom, up(1), up(2)},
     VALUE { return 1 / (g[1] + g[2] + g[3]); }},
    {"3:%8.3f%s,%6.2f%%, %s +(%s / %s)\r\n", 3, {top, bottom, up(2)},
     VALUE { return 1 / (g[2] + g[3]) + s[1]; }},
    {"3:%8.3f%s,%6.2f%%, %s /(%s + %s)\r\n", 3, {bottom, top, down(2)},
     VALUE { return 1 / (1 / (s[2] + s[3]) + g[1]); }},

    {"4:%8.3f%s,%6.2f%%, %s / %s / %s / %s\r\n", 4, {bottom, up(1), up(2), up(3)},
     VALUE { return 1 / (g[1] + g[2] + g[3] + g[4]); }},
    {"4:%8.3f%s,%6.2f%%, %s + %s + %s + %s\r\n", 4, {top, down(1), down(2), down(3)},
     VALUE { return s[1] + s[2] + s[3] + s[4]; }},
    {"4:%8.3f%s,%6.2f%%, %s + %s +(%s / %s)\r\n", 4, {top, down(1), bottom, up(3)},
     VALUE { return 1 / (g[3] + g[4]) + (s[1] + s[2]); }},
    {"4:%8.3f%s,%6.2f%%, %s +(%s / %s / %s)\r\n", 4, {top, bottom, up(2), up(3)},
     VALUE { return 1 / (g[2] + g[3] + g[4]) + s[1]; }},
    {"4:%8.3f%s,%6.2f%%, (%s / %s)+(%s / %s)\r\n", 4, {bottom, up(1), up(1), up(3)},
     VALUE { return 1 / (g[3] + g[4]) + 1 / (g[1] + g[2]); }},
    {"4:%8.3f%s,%6.2f%%, (%s + %s)/(%s + %s)\r\n", 4, {top, down(1), down(1), down(3)},
     VALUE { return 1 / (1 / (s[3] + s[4]) + 1 / (s[1] + s[2])); }},
    {"4:%8.3f%s,%6.2f%%, %s / %s /(%s + %s)\r\n", 4, {bottom, up(1), top, down(3)},
     VALUE { return 1 / (1 / (s[3] + s[4]) + (g[1] + g[2])); }},
    {"4:%8.3f%s,%6.2f%%, %s /(%s + %s + %s)\r\n", 4, {bottom, top, down(2), down(3)},
     VALUE { return 1 / (1 / (s[2] + s[3] + s[4]) + g[1]); }},
    {"4:%8.3f%s,%6.2f%%, %s +(%s /(%s + %s))\r\n", 4, {top, bottom, top, down(3)},
     VALUE { return 1 / (1 / (s[3] + s[4]) + g[2]) + s[1]; }},
    {"4:%8.3f%s,%6.2f%%, %s /(%s +(%s / %s))\r\n", 4, {bottom, top, bottom, up(3)},
     VALUE { return 1 / (g[1] + 1 / (s[2] + 1 / (g[3] + g[4]))); }},

    {"5:%8.3f%s,%6.2f%%, %s / %s / %s / %s / %s\r\n", 5, {bottom, up(1), up(2), up(3), up(4)},
     VALUE { return 1 / (g[1] + g[2] + g[3] + g[4] + g[5]); }},
    {"5:%8.3f%s,%6.2f%%, %s + %s + %s + %s + %s\r\n", 5, {top, down(1), down(2), down(3), down(4)},
     VALUE { return s[1] + s[2] + s[3] + s[4] + s[5]; }},
    {"5:%8.3f%s,%6.2f%%, %s + %s + %s +(%s / %s)\r\n", 5, {top, down(1), down(2), bottom, up(4)},
     VALUE { return 1 / (g[4] + g[5]) + (s[1] + s[2] + s[3]); }},
    {"5:%8.3f%s,%6.2f%%, %s + %s +(%s / %s / %s)\r\n", 5, {top, down(1), bottom, up(3), up(4)},
     VALUE { return 1 / (g[3] + g[4] + g[5]) + (s[1] + s[2]); }},
    {"5:%8.3f%s,%6.2f%%, %s +(%s / %s / %s / %s)\r\n", 5, {top, bottom, up(2), up(3), up(4)},
     VALUE { return 1 / (g[2] + g[3] + g[4] + g[5]) + s[1]; }},
    {"5:%8.3f%s,%6.2f%%, %s / %s / %s /(%s + %s)\r\n", 5, {bottom, up(1), up(2), top, down(4)},
     VALUE { return 1 / (1 / (s[4] + s[5]) + (g[1] + g[2] + g[3])); }},
    {"5:%8.3f%s,%6.2f%%, %s / %s /(%s + %s + %s)\r\n", 5, {bottom, up(1), top, down(3), down(4)},
     VALUE { return 1 / (1 / (s[3] + s[4] + s[5]) + (g[1] + g[2])); }},
    {"5:%8.3f%s,%6.2f%%, %s /(%s + %s + %s + %s)\r\n", 5, {bottom, top, down(2), down(3), down(4)},
     VALUE { return 1 / (1 / (s[2] + s[3] + s[4] + s[5]) + g[1]); }},
    {"5:%8.3f%s,%6.2f%%, %s + %s +(%s /(%s + %s))\r\n", 5, {top, down(1), bottom, top, down(4)},
     VALUE { return 1 / (1 / (s[4] + s[5]) + g[3]) + (s[1] + s[2]); }},
    {"5:%8.3f%s,%6.2f%%, %s +(%s / %s /(%s + %s))\r\n", 5, {top, bottom, up(2), top, down(4)},
     VALUE { return 1 / (1 / (s[4] + s[5]) + (g[2] + g[3])) + s[1]; }},
    {"5:%8.3f%s,%6.2f%%, %s +(%s /(%s + %s + %s))\r\n", 5, {top, bottom, top, down(3), down(4)},
     VALUE { return 1 / (1 / (s[3] + s[4] + s[5]) + g[2]) + s[1]; }},
    {"5:%8.3f%s,%6.2f%%, %s +(%s /(%s +(%s / %s)))\r\n", 5, {top, bottom, top, bottom, up(4)},
     VALUE { return 1 / (1 / (1 / (g[4] + g[5]) + s[3]) + g[2]) + s[1]; }},
    {"5:%8.3f%s,%6.2f%%, %s / %s /(%s +(%s / %s))\r\n", 5, {bottom, up(1), top, bottom, up(4)},
     VALUE { return 1 / (1 / (1 / (g[4] + g[5]) + s[3]) + (g[1] + g[2])); }},
    {"5:%8.3f%s,%6.2f%%, %s /(%s + %s +(%s / %s))\r\n", 5, {bottom, top, down(2), bottom, up(4)},
     VALUE { return 1 / (1 / (1 / (g[4] + g[5]) + (s[2] + s[3])) + g[1]); }},
    {"5:%8.3f%s,%6.2f%%, %s /(%s +(%s / %s / %s))\r\n", 5, {bottom, top, bottom, up(3), up(4)},
     VALUE { return 1 / (1 / (1 / (g[3] + g[4] + g[5]) + s[2]) + g[1]); }},
    {"5:%8.3f%s,%6.2f%%, %s /(%s +(%s /(%s + %s)))\r\n", 5, {bottom, top, bottom, top, down(4)},
     VALUE { return 1 / (1 / (1 / (1 / (s[4] + s[5]) + g[3]) + s[2]) + g[1]); }},
    {"5:%8.3f%s,%6.2f%%, (%s / %s)+(%s / %s)+ %s\r\n", 5, {bottom, up(1), up(1), up(3), top},
     VALUE { return (1 / (g[3] + g[4]) + 1 / (g[1] + g[2])) + s[5]; }},
    {"5:%8.3f%s,%6.2f%%, (%s / %s)+(%s / %s / %s)\r\n", 5, {bottom, up(1), bottom, up(3), up(4)},
     VALUE { return 1 / (g[3] + g[4] + g[5]) + 1 / (g[1] + g[2]); }},
    {"5:%8.3f%s,%6.2f%%, (%s / %s)+(%s /(%s + %s))\r\n", 5, {bottom, up(1), bottom, top, down(4)},
     VALUE { return 1 / (1 / (s[4] + s[5]) + g[3]) + 1 / (g[1] + g[2]); }},
    {"5:%8.3f%s,%6.2f%%, (%s + %s)/(%s + %s)/ %s\r\n", 5, {top, down(1), down(1), down(3), bottom},
     VALUE { return 1 / ((1 / (s[3] + s[4]) + 1 / (s[1] + s[2])) + g[5]); }},
    {"5:%8.3f%s,%6.2f%%, (%s + %s)/(%s + %s + %s)\r\n", 5, {top, down(1), down(1), down(3), down(4)},
     VALUE { return 1 / (1 / (s[3] + s[4] + s[5]) + 1 / (s[1] + s[2])); }},
    {"5:%8.3f%s,%6.2f%%, (%s + %s)/(%s + (%s / %s))\r\n", 5, {top, down(1), down(1), bottom, up(4)},
     VALUE { return 1 / (1 / (1 / (g[4] + g[5]) + s[3]) + 1 / (s[1] + s[2])); }},
    {"5:%8.3f%s,%6.2f%%, %s /((%s / %s)+(%s / %s))\r\n", 5, {bottom, bottom, up(2), up(2), up(4)},
     VALUE { return 1 / (1 / (1 / (g[4] + g[5]) + 1 / (g[2] + g[3])) + g[1]); }},
    {"5:%8.3f%s,%6.2f%%, %s + (%s + %s)/(%s + %s)\r\n", 5, {top, top, down(2), down(2), down(4)},
     VALUE { return 1 / (1 / (s[4] + s[5]) + 1 / (s[2] + s[3])) + s[1]; }},
    // The triangle A, C, D of the bridge as its equivalent star.
    {"5:%8.3f%s,%6.2f%%, Bridge(%s, %s, %s, %s, %s)\r\n", 5, {top, down(1), top, top, top},
     VALUE {
         double d = (s[2] + s[1]) + s[3];
         double a = s[3] * s[1] / d;
         double b = s[3] * s[2] / d;
         return (b + s[5]) * (a + s[4]) / (((a + s[4]) + b) + s[5]) + s[2] * s[1] / d;
     }},
};
// clang-format on

constexpr int TemplateCount = sizeof templates / sizeof templates[0];
static_assert(TemplateCount == 1 + 2 + 4 + 10 + 25, "every template of one to five parts");

bool isBridge(const Template& t) { return strstr(t.format, "Bridge") != nullptr; }
bool hasSeriesConnection(const Template& t) { return strchr(t.format, '+') != nullptr || isBridge(t); }

// What the reference search recorded, and how it ended.
struct Reference {
    std::vector<std::string> lines;
    std::vector<double> values;  // ohm, farad or henry, as recorded
    std::vector<double> errors;  // |error| in percent
    int matchCount = 0;
    int storeUsed = 0;
    double tolerancePercent = 0;
    bool limitReached = false;
    bool nearWindowEdge = false;  // a network within 1e-9 of a window end
    int perTemplate[TemplateCount] = {};
};

class ReferenceSearch {
  public:
    explicit ReferenceSearch(Reference* out) : out_(out) {}

    void run() {
        out_->tolerancePercent = searchParams.tolerancePercent;
        const int sizeEnds[6] = {0, 1, 3, 7, 17, 42};
        runTemplate(0);
        for (int n = 2; n <= 5 && !out_->limitReached; ++n) {
            if (settings.showAll == 0 && out_->tolerancePercent < 0.005 && out_->matchCount > 0) break;
            if (searchParams.maxParts < n) continue;
            for (int t = sizeEnds[n - 1]; t < sizeEnds[n] && !out_->limitReached; ++t) {
                if (settings.parallelOnly != 0 && hasSeriesConnection(templates[t])) continue;
                if (isBridge(templates[t]) && out_->tolerancePercent < 0.005 && out_->matchCount > 0) {
                    continue;
                }
                runTemplate(t);
            }
        }
    }

  private:
    void runTemplate(int t) {
        current_ = t;
        walk(1);
    }

    void walk(int level) {
        const Template& t = templates[current_];
        if (level > t.parts) {
            evaluate();
            return;
        }
        const Loop& loop = t.loops[level - 1];
        int& pick = picks_[level];
        switch (loop.way) {
            case DownFromTop:
            case DownFromPick:
                for (pick = loop.way == DownFromTop ? lastCandidate : picks_[loop.pick];
                     pick >= firstCandidate && !out_->limitReached; --pick) {
                    walk(level + 1);
                }
                break;
            case UpFromBottom:
            case UpFromPick:
                for (pick = loop.way == UpFromBottom ? firstCandidate : picks_[loop.pick];
                     pick <= lastCandidate && !out_->limitReached; ++pick) {
                    walk(level + 1);
                }
                break;
        }
    }

    void evaluate() {
        const Template& t = templates[current_];
        double s[6] = {}, g[6] = {};
        for (int k = 1; k <= t.parts; ++k) {
            s[k] = stockParts[picks_[k]].seriesValue;
            g[k] = stockParts[picks_[k]].parallelValue;
        }
        double value = t.value(s, g);
        double low = stages[0].seriesLow, high = stages[0].seriesHigh;
        if (std::fabs(value - low) <= 1e-9 * std::fabs(low) ||
            std::fabs(value - high) <= 1e-9 * std::fabs(high)) {
            out_->nearWindowEdge = true;
        }
        if (low <= value && value <= high) record(t.format, value);
    }

    // The recorder's bookkeeping: both limits and the tightening tolerance.
    void record(const char* format, double value) {
        if (out_->matchCount >= 10000) {
            out_->limitReached = true;
            return;
        }
        ++out_->matchCount;
        bool capacitor = settings.partType == Capacitor;
        double v = capacitor ? 1 / value : value;
        double e = capacitor ? (searchParams.target * v - 1) * 100 : (v / searchParams.target - 1) * 100;
        pick1 = picks_[1], pick2 = picks_[2], pick3 = picks_[3], pick4 = picks_[4], pick5 = picks_[5];
        char line[limits::LineSize];
        int n = formatResultLine(line, format, v, e);
        if (out_->storeUsed + n + 1 >= limits::LineStoreSize) {
            out_->limitReached = true;
            return;
        }
        out_->storeUsed += n + 1;
        out_->lines.emplace_back(line, n);
        out_->values.push_back(v);
        out_->errors.push_back(std::fabs(e));
        ++out_->perTemplate[current_];
        if (std::fabs(e) <= out_->tolerancePercent) out_->tolerancePercent = std::fabs(e) + 0.000001;
    }

    Reference* out_;
    int current_ = 0;
    int picks_[6] = {};
};

// A random search: a few stock values around one unit, a target near them
// or exactly the value of a small network of them, and random settings.
class RandomSearch {
  public:
    explicit RandomSearch(unsigned seed) : random_(seed) {}

    TypedSearch next() {
        TypedSearch search{};
        int type = pick(3);
        search.partType = type;
        static const char* const units[3][3] = {{"", "k", "M"}, {"p", "n", "u"}, {"n", "u", "m"}};
        const char* unit = units[type][pick(3)];
        int count = 2 + pick(7);
        stock_[0] = '\0';
        char lines[8][24];
        for (int i = 0; i < count; ++i) {
            if (i > 0 && pick(7) == 0) {
                memcpy(lines[i], lines[pick(i)], sizeof lines[i]);
            } else {
                snprintf(lines[i], sizeof lines[i], "%.3g%s%s", mantissa() * decade(), unit,
                         pick(10) == 0 ? " spare" : "");
            }
            appendText(stock_, lines[i]);
            appendText(stock_, "\r\n");
        }
        search.stock = stock_;
        snprintf(target_, sizeof target_, "%.4g%s", mantissa() * decade(), unit);
        search.target = target_;

        static const char* const tolerances[] = {"0.001", "0.004", "0.01", "0.1", "0.5", "1",
                                                 "2",     "5",     "10",   "20",  "40",  "150"};
        search.tolerance = tolerances[pick(12)];
        static const char* const sizes[] = {"1", "2", "3", "4", "5", "5", "5", "5"};
        search.maxParts = sizes[pick(8)];
        static const char* const ranges[] = {"200", "200", "200", "3", "10"};
        search.range = ranges[pick(5)];
        search.showAll = pick(2) == 0;
        search.parallelOnly = pick(5) == 0;
        return search;
    }

    // Half of the searches aim exactly at a network of two or three of the
    // stock's parts, so that exact matches close the early stop and the
    // bridge's gate. The stock must already be parsed for this.
    bool aimAtANetwork() {
        if (pick(2) == 0 || stockCount == 0) return false;
        auto part = [&] { return stockParts[pick(stockCount)].seriesValue; };
        double a = part(), b = part(), c = part();
        double value;
        switch (pick(4)) {
            case 0: value = a + b; break;
            case 1: value = 1 / (1 / a + 1 / b); break;
            case 2: value = a + 1 / (1 / b + 1 / c); break;
            default: value = 1 / (1 / a + 1 / (b + c)); break;
        }
        // A capacitor's target is typed in microfarads without a letter.
        if (settings.partType == Capacitor) {
            snprintf(target_, sizeof target_, "%.17g", 1e6 / value);
        } else {
            snprintf(target_, sizeof target_, "%.17g", value);
        }
        return true;
    }

  private:
    int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    double mantissa() { return 1 + pick(900) / 100.0; }
    double decade() { return pick(3) == 0 ? 1 : pick(2) == 0 ? 10 : 100; }

    std::mt19937 random_;
    char stock_[400];
    char target_[48];
};

std::string describe(const TypedSearch& s) {
    char text[600];
    snprintf(text, sizeof text, "type %d target %s tolerance %s parts %s range %s%s%s stock [%s]",
             s.partType, s.target, s.tolerance, s.maxParts, s.range, s.showAll ? " show-all" : "",
             s.parallelOnly ? " parallel-only" : "", s.stock);
    return text;
}

}  // namespace
