// Searches that record networks of every size and shape, bridges included,
// for the tests of what a record says about its network: a few random stock
// values of one part type within two decades, "Show All" on, five parts, a
// wide tolerance around a target among them. A name may carry text after
// the value, as a stock line may.
#pragma once

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/recorder.h"
#include "engine/search_frame.h"
#include "tests/support/search_setup.h"

class RandomNetworks {
  public:
    explicit RandomNetworks(unsigned seed) : random_(seed) {}

    // Runs one search of `partType`; `names` are put after some values.
    void search(int partType, const std::vector<std::string>& names = {}) {
        static const char* const units[3] = {"k", "n", "u"};
        const int count = 3 + pick(2);
        const double decade = std::pow(10.0, pick(3));
        std::string stock;
        double values[4] = {};
        for (int i = 0; i < count; ++i) {
            values[i] = std::round(10 + 90 * uniform()) / 10 * decade;
            char line[32];
            snprintf(line, sizeof line, "%g%s", values[i], units[partType]);
            stock += line;
            if (!names.empty() && pick(2) == 0) stock += names[pick(static_cast<int>(names.size()))];
            stock += "\n";
        }
        char target[32];
        snprintf(target, sizeof target, "%.6g%s", values[pick(count)] * (0.4 + 2 * uniform()),
                 units[partType]);
        setup_.target = target;
        setup_.tolerance = "25";
        setup_.maxParts = "5";
        setup_.stock = stock;
        setup_.partType = partType;
        setup_.showAll = 1;
        applySetup(setup_);
        runAsSearchNumber(newSearchNumber());
        runSearch();
    }

    int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    double uniform() { return std::uniform_real_distribution<double>(0, 1)(random_); }

  private:
    std::mt19937 random_;
    SearchSetup setup_;
};
