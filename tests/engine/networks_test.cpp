// The network templates seen through whole searches: which networks each
// size finds, in which order and with which formula, the tests between the
// templates (early stop, "Parallel only", the bridge's gate), the bridge's
// value, and a stop request ending a long search.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <thread>

#include "engine/networks.h"
#include "tests/engine/network_search.h"

namespace {

using Texts = std::vector<std::string>;

const char* const stock500_1k_3k = "500\r\n1k\r\n3k\r\n";

TEST(Networks, FortyTwoShapesNumberedInTheirOrderOfRunning) {
    // 1 + 2 + 4 + 10 + 25 shapes; each number finds its shape, whose line
    // begins with its part count and names as many parts as it has.
    const int firstOfSize[] = {0, 0, 1, 3, 7, 17, 42};
    for (int id = 0; id < limits::NetworkShapeCount; ++id) {
        const NetworkShape* shape = networkShape(id);
        ASSERT_NE(shape, nullptr) << id;
        EXPECT_EQ(shape->id, id);
        EXPECT_TRUE(id >= firstOfSize[shape->parts] && id < firstOfSize[shape->parts + 1]) << id;
        EXPECT_EQ(shape->format[0], '0' + shape->parts) << id;
        int names = 0;
        for (const char* at = strstr(shape->format, "%%, "); (at = strstr(at + 1, "%s")) != nullptr;) {
            ++names;
        }
        EXPECT_EQ(names, shape->parts) << shape->format;
    }
    EXPECT_EQ(networkShape(-1), nullptr);
    EXPECT_EQ(networkShape(limits::NetworkShapeCount), nullptr);
    EXPECT_EQ(networkShape(41), &bridgeShape);
    EXPECT_NE(strstr(bridgeShape.format, "Bridge("), nullptr);
}

TEST(Networks, OneAndAHalfKilohmFromFiveHundredOneAndThreeKilohm) {
    TypedSearch search{Resistor, "1.5k", "1", "3", stock500_1k_3k, true};
    search.run();
    // The chain prints its larger part first; the pair of template 6 does
    // not depend on part 1, so 1k +(1k / 1k) is found as well.
    EXPECT_EQ(recordedLines(), (Texts{
                                   "2: 1.50000k,     0%, 1k + 500\r\n",
                                   "2: 1.50000k,     0%, 3k / 3k\r\n",
                                   "3: 1.50000k,     0%, 500 + 500 + 500\r\n",
                                   "3: 1.50000k,     0%, 1k +(1k / 1k)\r\n",
                               }));
    EXPECT_STREQ(statusText, "4 set(s) found.");

    // Without "Show All" an exact match ends the search before three parts.
    for (const char* tolerance : {"1", "0.001"}) {
        TypedSearch{Resistor, "1.5k", tolerance, "3", stock500_1k_3k}.run();
        EXPECT_EQ(recordedFormulas(), (Texts{"1k + 500", "3k / 3k"})) << tolerance;
        EXPECT_STREQ(statusText, "2 set(s) found.");
    }
}

TEST(Networks, SmallSearchesFindExactlyTheirNetworks) {
    struct Case {
        TypedSearch search;
        Texts expected;
    };
    const Case cases[] = {
        // The same part may repeat.
        {{Resistor, "2k", "1", "5", "1k\r\n"}, {"1k + 1k"}},
        // Capacitances add in parallel: 2u from two 1u, 500n from a chain.
        {{Capacitor, "2u", "1", "2", "1u\r\n"}, {"1u / 1u"}},
        {{Capacitor, "500n", "1", "2", "1u\r\n"}, {"1u + 1u"}},
        // Capacitors are searched as 1/C: a group prints its largest
        // capacitance first, a chain its smallest.
        {{Capacitor, "3u", "0.1", "2", "1u\r\n2u\r\n"}, {"2u / 1u"}},
        {{Capacitor, "0.6666667u", "0.1", "2", "1u\r\n2u\r\n"}, {"1u + 2u"}},
        // "Parallel only" tries no series connection at all.
        {{Resistor, "500", "1", "5", "1k\r\n", false, true}, {"1k / 1k"}},
        // The part count limits the sizes tried.
        {{Resistor, "1k", "1", "1", "1k\r\n", true}, {"1k"}},
        {{Resistor, "1.5k", "1", "2", stock500_1k_3k, true}, {"1k + 500", "3k / 3k"}},
        // Four parts: of 1k alone only templates 5 and 6 give 1k again, and
        // each is its own dual, so capacitors behave alike.
        {{Resistor, "1k", "1", "4", "1k\r\n", true},
         {"1k", "(1k / 1k)+(1k / 1k)", "(1k + 1k)/(1k + 1k)"}},
        {{Capacitor, "1u", "1", "4", "1u\r\n", true},
         {"1u", "(1u / 1u)+(1u / 1u)", "(1u + 1u)/(1u + 1u)"}},
        {{Resistor, "1k", "1", "4", "1k\r\n"}, {"1k"}},
        // Only the five-part group of 1k gives 200; the balanced bridge
        // gives 1k and stays behind its gate anyway.
        {{Resistor, "200", "1", "5", "1k\r\n"}, {"1k / 1k / 1k / 1k / 1k"}},
        {{Resistor, "200", "1", "5", "1k\r\n", false, true}, {"1k / 1k / 1k / 1k / 1k"}},
        // Four 2k in a chain are exact: the search stops before five parts.
        {{Resistor, "8k", "0.1", "5", "1k\r\n2k\r\n"}, {"2k + 2k + 2k + 2k"}},
    };
    for (const Case& c : cases) {
        c.search.run();
        EXPECT_EQ(recordedFormulas(), c.expected) << c.search.target << " " << c.search.stock;
        EXPECT_EQ(settings.matchCount, static_cast<int>(c.expected.size()));
    }
    TypedSearch{Resistor, "1k", "1", "4", "1k\r\n", true}.run();
    EXPECT_STREQ(statusText, "3 set(s) found.");
}

TEST(Networks, ParallelOnlyKeepsToPureGroups) {
    TypedSearch search{Resistor, "1k", "60", "5", "1k\r\n2.2k\r\n4.7k\r\n10k\r\n", true, true};
    search.run();
    int perSize[6] = {};
    for (const std::string& line : recordedLines()) {
        int parts = line[0] - '0';
        ++perSize[parts];
        std::string formula = line.substr(line.find("%, ") + 3);
        EXPECT_EQ(formula.find_first_of("+()B"), std::string::npos) << line;
        int bars = 0;
        for (char ch : formula) bars += ch == '/' ? 1 : 0;
        EXPECT_EQ(bars, parts - 1) << line;
    }
    for (int parts = 1; parts <= 5; ++parts) EXPECT_GT(perSize[parts], 0) << parts;

}

TEST(Networks, PairsWithACommonFirstPartComeInBothOrders) {
    const char* stock = "1k\r\n2k\r\n3k\r\n";
    // 1k / 2k = 666.67 and 1k / 3k = 750 make 1416.67.
    TypedSearch{Resistor, "1.4166667k", "0.1", "4", stock, true}.run();
    Texts found = recordedFormulas();
    EXPECT_EQ(countOf(found, "(1k / 2k)+(1k / 3k)"), 1);
    EXPECT_EQ(countOf(found, "(1k / 3k)+(1k / 2k)"), 1);
    // 1k / 2k = 666.67 and 2k / 3k = 1200 make 1866.67; the second pair
    // never begins below the first pair's first part.
    TypedSearch{Resistor, "1.8666667k", "0.1", "4", stock, true}.run();
    found = recordedFormulas();
    EXPECT_EQ(countOf(found, "(1k / 2k)+(2k / 3k)"), 1);
    EXPECT_EQ(countOf(found, "(2k / 3k)+(1k / 2k)"), 0);
    // The same for the two parallel pairs of five parts: plus 1k, 2416.67.
    TypedSearch{Resistor, "2.4166667k", "0.001", "5", stock, true}.run();
    found = recordedFormulas();
    EXPECT_EQ(countOf(found, "(1k / 2k)+(1k / 3k)+ 1k"), 1);
    EXPECT_EQ(countOf(found, "(1k / 3k)+(1k / 2k)+ 1k"), 1);
}

TEST(Networks, FourPartTemplateSevenClosesEachParenthesisOnce) {
    // Its line used to end in "(1k + 1k))", one parenthesis too many.
    // 1k / 1k /(1k + 1k): 1 / (1/1k + 1/1k + 1/2k) = 400.
    TypedSearch{Resistor, "400", "0.1", "4", "1k\r\n", true}.run();
    int found = 0;
    for (const std::string& line : recordedLines()) {
        if (line.find("1k / 1k /(1k + 1k)") == std::string::npos) continue;
        ++found;
        const std::string end = "1k / 1k /(1k + 1k)\r\n";
        EXPECT_EQ(line.substr(line.size() - end.size()), end);
    }
    EXPECT_EQ(found, 1);
}

TEST(Networks, FivePartChainsPrintEachMultisetOnce) {
    TypedSearch{Resistor, "8k", "0.1", "5", "1k\r\n2k\r\n", true}.run();
    int chains = 0;
    for (const std::string& f : recordedFormulas()) {
        int plus = 0;
        for (char ch : f) plus += ch == '+' ? 1 : 0;
        if (plus == 4 && f.find_first_of("/(") == std::string::npos) {
            ++chains;
            EXPECT_EQ(f, "2k + 2k + 2k + 1k + 1k");
        }
    }
    EXPECT_EQ(chains, 1);

    // The chain of three never holds a part above the pair's first part:
    // (2k + 2k)/(1k + 1k + 1k) = 12/7 k is found, (1k + 1k)/(2k + 2k + 2k)
    // = 1.5k is not.
    TypedSearch{Resistor, "1.7142857k", "0.01", "5", "1k\r\n2k\r\n", true}.run();
    EXPECT_EQ(countOf(recordedFormulas(), "(2k + 2k)/(1k + 1k + 1k)"), 1);
    TypedSearch{Resistor, "1.5k", "0.01", "5", "1k\r\n2k\r\n", true}.run();
    EXPECT_EQ(countOf(recordedFormulas(), "(1k + 1k)/(2k + 2k + 2k)"), 0);
}

TEST(Networks, BridgeIsRecordedFromBothTerminals) {
    // Arms 2k (A-C) and 1k (A-D), cross 3k, arms 5k (C-B) and 4k (D-B).
    // The triangle A, C, D as a star: d = 6k, arms 1k at C, 500 at D and
    // 333.33 at A; the paths 6k and 4.5k in parallel give 18/7 k, plus
    // 1/3 k: 61/21 k = 2904.762 ohm. Other five-part networks hit 61/21 k
    // exactly and would close the bridge's gate, so the target lies 0.008 %
    // above it.
    TypedSearch{Resistor, "2.905k", "0.05", "5", "1k\r\n2k\r\n3k\r\n4k\r\n5k\r\n", true}.run();
    const std::string asFound = "Bridge(2k, 1k, 3k, 5k, 4k)";
    const std::string otherTerminal = "Bridge(5k, 4k, 3k, 2k, 1k)";
    std::string foundHead, otherHead;
    for (int i = 0; i < resultStore.recordCount; ++i) {
        const MatchRecord& r = resultStore.records[i];
        std::string line(r.text, r.length);
        std::string head = line.substr(0, line.find("%, "));
        if (line.find(asFound) != std::string::npos) {
            EXPECT_TRUE(foundHead.empty());
            foundHead = head;
            EXPECT_NEAR(r.value, 61000.0 / 21, 1e-9);
            // The record knows its network: the bridge, and its five parts
            // in the order of the formula.
            EXPECT_EQ(r.shape, &bridgeShape);
            std::string parts;
            for (int16_t pick : r.picks) parts += std::string(stockParts[pick].name) + " ";
            EXPECT_EQ(parts, "2k 1k 3k 5k 4k ");
        }
        if (line.find(otherTerminal) != std::string::npos) {
            EXPECT_TRUE(otherHead.empty());
            otherHead = head;
        }
        // Its mirror image with 1k first would put pick2 above pick1.
        EXPECT_EQ(line.find("Bridge(1k, 2k, 3k, 4k, 5k)"), std::string::npos);
    }
    EXPECT_EQ(foundHead, "5: 2.90476k,-0.008");
    EXPECT_EQ(otherHead, foundHead);

    // With both arms from A on 2k the mirror image is recorded as well:
    // d = 7k, star arms 6/7 k at C and D and 4/7 k at A; the paths 41/7 k
    // and 34/7 k in parallel give 1394/525 k, in all 1694/525 k.
    TypedSearch{Resistor, "3.2266667k", "0.01", "5", "2k\r\n3k\r\n4k\r\n5k\r\n", true}.run();
    Texts found = recordedFormulas();
    EXPECT_EQ(countOf(found, "Bridge(2k, 2k, 3k, 5k, 4k)"), 1);
    EXPECT_EQ(countOf(found, "Bridge(2k, 2k, 3k, 4k, 5k)"), 1);
    EXPECT_EQ(countOf(found, "Bridge(5k, 4k, 3k, 2k, 2k)"), 1);
}

TEST(Networks, BridgeOfEqualPartsIsBalancedAndGated) {
    // Five equal parts carry no current in the cross part: the value is R.
    TypedSearch{Resistor, "1.002k", "1", "5", "1k\r\n", true}.run();
    EXPECT_EQ(countOf(recordedLines(), "5: 1.00000k, -0.20%, Bridge(1k, 1k, 1k, 1k, 1k)\r\n"), 1);

    // An exact one-part match closes the gate, "Show All" or not, while
    // the other sizes are still searched.
    TypedSearch{Resistor, "1k", "1", "5", "1k\r\n", true}.run();
    Texts found = recordedFormulas();
    EXPECT_EQ(countOf(found, "(1k + 1k)/(1k + 1k)"), 1);
    for (const std::string& f : found) EXPECT_EQ(f.find("Bridge"), std::string::npos) << f;
}

TEST(Networks, DefaultSearchOfAFreshStart) {
    TypedSearch{Resistor, "1.42k", "1", "5", "10\r\n100\r\n1k\r\n10k\r\n100k\r\n--Invalid List--\r\n"}
        .run();
    EXPECT_STREQ(statusText, "26 set(s) found.");
    const char* head =
        "4: 1.42857k,  0.60%, 10k / 10k /(1k + 1k)\r\n"
        "4: 1.40909k, -0.77%, (1k / 1k)+(1k / 10k)\r\n"
        "4: 1.40909k, -0.77%, (1k / 10k)+(1k / 1k)\r\n"
        "5: 1.41909k, -0.06%, (1k / 1k)+(1k / 10k)+ 10\r\n";
    EXPECT_EQ(std::string(resultText).substr(0, strlen(head)), head);
    int lines = 0;
    for (const char* p = resultText; *p != '\0'; ++p) lines += *p == '\n' ? 1 : 0;
    EXPECT_EQ(lines, 26);
}

TEST(Networks, EverySizeEndsAtOnceWhenTheSearchIsToldToStop) {
    TypedSearch{Resistor, "1k", "50", "1", "1k\r\n2k\r\n3k\r\n"}.run();
    int before = resultStore.recordCount;
    requestSearchStop();
    EXPECT_NE(runTwoPartNetworks(), 0);
    EXPECT_NE(runThreePartNetworks(), 0);
    EXPECT_NE(runFourPartNetworks(), 0);
    EXPECT_NE(runFivePartNetworks(), 0);
    EXPECT_NE(runFivePartCompoundNetworks(), 0);
    EXPECT_EQ(resultStore.recordCount, before);
    runAsSearchNumber(newSearchNumber());
}

TEST(Networks, StopRequestEndsALongSearch) {
    // 150 candidates from 101k to 250k for a target of 1k: nothing matches,
    // so nothing closes the bridge's gate, and the unpruned bridge alone
    // would evaluate 150 * 151 / 2 * 150^3, about 3.8e10 networks.
    static char stock[limits::TextSize];
    stock[0] = '\0';
    for (int i = 101; i <= 250; ++i) {
        char line[32];
        snprintf(line, sizeof line, "%dk\r\n", i);
        appendText(stock, line);
    }
    TypedSearch search{Resistor, "1k", "1", "5", stock, true, false, "1000"};
    auto done = std::async(std::launch::async, [&search] { search.run(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    requestSearchStop();
    bool ended = done.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    EXPECT_TRUE(ended);
    if (!ended) std::_Exit(1);  // the search thread would outlive the test
    EXPECT_EQ(settings.matchCount, 0);
    runAsSearchNumber(newSearchNumber());
}

}  // namespace
