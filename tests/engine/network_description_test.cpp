// The network descriptions against the shapes they describe: each tree
// reads as its shape's formula, and gives the values the search records.
#include "engine/network_description.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "engine/network_shapes.h"
#include "engine/stock_list.h"
#include "tests/support/random_networks.h"

namespace {

// A formula of a result line read as a tree, independently of the table:
// "/" binds closer than "+" (as in "%s + (%s + %s)/(%s + %s)"), and each
// "%s" is the next part. Printed as the table writes its rows.
class FormulaReader {
  public:
    explicit FormulaReader(const char* formula) : p_(formula) {}

    std::string read() {
        if (strncmp(p_, "Bridge(", 7) == 0) {
            p_ += 7;
            std::string tree = "B(";
            for (int i = 0; i < 5; ++i) {
                skip();
                tree += (i > 0 ? " " : "") + part();
                skip();
                if (*p_ == ',' || *p_ == ')') ++p_;
            }
            return tree + ")";
        }
        return group('+', 'S');
    }

    // What is left unread, spaces aside.
    std::string rest() {
        skip();
        return p_;
    }

  private:
    // Members joined by `sign`; a group of one member is that member.
    std::string group(char sign, char kind) {
        std::string members[5];
        int count = 0;
        while (count < 5) {
            members[count++] = sign == '+' ? group('/', 'P') : factor();
            skip();
            if (*p_ != sign) break;
            ++p_;
        }
        if (count == 1) return members[0];
        std::string tree(1, kind);
        tree += "(";
        for (int i = 0; i < count; ++i) tree += (i > 0 ? " " : "") + members[i];
        return tree + ")";
    }

    std::string factor() {
        skip();
        if (*p_ == '(') {
            ++p_;
            std::string inner = group('+', 'S');
            skip();
            if (*p_ == ')') ++p_;
            return inner;
        }
        return part();
    }

    std::string part() {
        if (strncmp(p_, "%s", 2) != 0) return "?";
        p_ += 2;
        return std::to_string(++parts_);
    }

    void skip() {
        while (*p_ == ' ') ++p_;
    }

    const char* p_;
    int parts_ = 0;
};

std::string treeOf(const NetworkDescription& d, int index = 0) {
    const NetworkNode& node = d.nodes[index];
    if (node.kind == NetworkNodeKind::Part) return std::to_string(node.position + 1);
    std::string tree = node.kind == NetworkNodeKind::Series     ? "S("
                       : node.kind == NetworkNodeKind::Parallel ? "P("
                                                                : "B(";
    for (int i = 0; i < node.childCount; ++i) {
        tree += (i > 0 ? " " : "") + treeOf(d, node.children[i]);
    }
    return tree + ")";
}

// The formula of a format: what follows "n:%8.3f%s,%6.2f%%, ", without the
// line end.
std::string formulaOf(const char* format) {
    std::string f = format;
    f = f.substr(f.find("%%, ") + 4);
    return f.substr(0, f.find("\r\n"));
}

}  // namespace

TEST(NetworkDescription, EveryShapeReadsAsItsFormula) {
    for (int id = 0; id < limits::NetworkShapeCount; ++id) {
        const NetworkShape* shape = networkShape(id);
        const NetworkDescription* d = networkDescription(id);
        ASSERT_NE(shape, nullptr) << id;
        ASSERT_NE(d, nullptr) << id;
        std::string formula = formulaOf(shape->format);
        FormulaReader reader(formula.c_str());
        EXPECT_EQ(treeOf(*d), reader.read()) << id << ": " << formula;
        EXPECT_EQ(reader.rest(), "") << id << ": " << formula;
        // Every parenthesis of a line closes one opened before it.
        int depth = 0;
        for (char c : formula) {
            depth += c == '(' ? 1 : c == ')' ? -1 : 0;
            EXPECT_GE(depth, 0) << id << ": " << formula;
        }
        EXPECT_EQ(depth, 0) << id << ": " << formula;
        EXPECT_EQ(d->partCount, shape->parts) << id;
    }
    EXPECT_EQ(networkDescription(-1), nullptr);
    EXPECT_EQ(networkDescription(limits::NetworkShapeCount), nullptr);
}

TEST(NetworkDescription, BridgeValues) {
    const NetworkDescription& bridge = *networkDescription(41);
    struct Case {
        double parts[5];
        double value;
    } cases[] = {
        // 2k and 1k arms from A, 3k cross, 5k and 4k to B: 61000/21 ohm.
        {{2000, 1000, 3000, 5000, 4000}, 61000.0 / 21},
        // Five equal parts: balanced, no current through the cross.
        {{470, 470, 470, 470, 470}, 470},
        // Balanced with unequal arms: A-C 1k over C-B 2k as A-D 3k over
        // D-B 6k, so C and D are at one potential whatever the cross part;
        // the two paths, 3k and 9k, in parallel give 2.25k.
        {{1000, 3000, 123, 2000, 6000}, 2250},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(describedValue(bridge, c.parts), c.value, c.value * 1e-14);
    }
}

TEST(NetworkDescription, ValuesOfRandomSearchesAreTheRecordedOnes) {
    RandomNetworks random(1301);
    bool seen[limits::NetworkShapeCount] = {};
    int checked = 0;
    for (int search = 0; search < 60; ++search) {
        const int type = search % 3;
        random.search(type);
        for (int i = 0; i < resultStore.recordCount; ++i) {
            const MatchRecord& r = resultStore.records[i];
            ASSERT_NE(r.shape, nullptr);
            const NetworkDescription& d = *networkDescription(r.shape->id);
            double series[5];
            for (int k = 0; k < d.partCount; ++k) {
                ASSERT_GE(r.picks[k], 0);
                series[k] = stockParts[r.picks[k]].seriesValue;
            }
            const double expected = type == Capacitor ? 1 / r.value : r.value;
            ASSERT_NEAR(describedValue(d, series), expected, expected * 1e-12)
                << std::string(r.text, r.length);
            seen[r.shape->id] = true;
            ++checked;
        }
    }
    for (int id = 0; id < limits::NetworkShapeCount; ++id) EXPECT_TRUE(seen[id]) << "shape " << id;
    EXPECT_GT(checked, 1000);
}
