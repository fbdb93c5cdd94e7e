// Reading a circuit back from a schematic's geometry alone, as a reader of
// the SVG file would: wire ends and part terminals at the same point are
// one node, each part joins the nodes of its two terminals, and the value
// between the two network terminals comes from nodal analysis. Also the
// checks that make a drawing a clean schematic: wires meet only at their
// ends, nothing crosses, labels overlap nothing, dots mark every junction.
// A pair's drawing reads back the same way, its networks told apart by the
// network each part belongs to.
#pragma once

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "drawing/schematic.h"
#include "engine/search_inputs.h"

namespace schematic_reading {

using Point = std::pair<int, int>;

inline Point key(SchematicPoint p) { return {p.x, p.y}; }

// The circuit as drawn: parts between numbered nodes.
struct Circuit {
    struct Element {
        int a, b;
        double value;
        std::string name;
        int network;  // 0; a pair's B 1
        PartSymbol symbol;
    };
    std::vector<Element> elements;
    int nodeCount = 0;
    int terminalA = -1, terminalB = -1;  // the first two terminals' nodes
    std::vector<int> terminals;          // every terminal's node, in order
    std::vector<int> points;             // the nodes of the points asked for
};

class PointNodes {
  public:
    int find(Point p) {
        auto it = parent_.find(p);
        if (it == parent_.end()) {
            parent_[p] = p;
            return number(p);
        }
        Point root = p;
        while (parent_[root] != root) root = parent_[root];
        return number(root);
    }
    void join(Point p, Point q) {
        find(p);
        find(q);
        Point a = rootOf(p), b = rootOf(q);
        if (a != b) parent_[a] = b;
    }

  private:
    Point rootOf(Point p) {
        while (parent_[p] != p) p = parent_[p];
        return p;
    }
    int number(Point root) {
        auto it = numbers_.find(root);
        if (it != numbers_.end()) return it->second;
        int n = static_cast<int>(numbers_.size());
        numbers_[root] = n;
        return n;
    }
    std::map<Point, Point> parent_;
    std::map<Point, int> numbers_;
};

// `points`: more points of the drawing whose nodes the caller wants (a
// pair's network ends), in Circuit::points.
inline Circuit readCircuit(const Schematic& s, const std::vector<SchematicPoint>& points = {}) {
    PointNodes nodes;
    for (int i = 0; i < s.wireCount; ++i) nodes.join(key(s.wires[i].from), key(s.wires[i].to));
    // Every point known before numbering, so that the numbers are of roots.
    std::vector<Point> known;
    for (int i = 0; i < s.partCount; ++i) {
        known.push_back(key(s.parts[i].a));
        known.push_back(key(s.parts[i].b));
    }
    for (int i = 0; i < s.terminalCount; ++i) known.push_back(key(s.terminals[i].point));
    for (SchematicPoint p : points) known.push_back(key(p));
    for (const Point& p : known) nodes.find(p);
    // Renumber densely from the roots.
    std::map<int, int> dense;
    auto nodeOf = [&](Point p) {
        int root = nodes.find(p);
        auto it = dense.find(root);
        if (it != dense.end()) return it->second;
        int n = static_cast<int>(dense.size());
        dense[root] = n;
        return n;
    };
    Circuit c;
    for (int i = 0; i < s.partCount; ++i) {
        c.elements.push_back({nodeOf(key(s.parts[i].a)), nodeOf(key(s.parts[i].b)), s.parts[i].value,
                              s.parts[i].name.text, s.parts[i].network, s.parts[i].symbol});
    }
    for (int i = 0; i < s.terminalCount; ++i) c.terminals.push_back(nodeOf(key(s.terminals[i].point)));
    c.terminalA = c.terminals.size() > 0 ? c.terminals[0] : -1;
    c.terminalB = c.terminals.size() > 1 ? c.terminals[1] : -1;
    for (SchematicPoint p : points) c.points.push_back(nodeOf(key(p)));
    c.nodeCount = static_cast<int>(dense.size());
    return c;
}

// The value between the terminals by nodal analysis: each part a
// conductance of 1/R, 1/L (inductances combine as resistances do) or C
// (capacitances combine as conductances do); one ampere into terminal A,
// terminal B grounded; the voltage at A is the equivalent.
inline double solveValue(const Circuit& c, int partType) {
    const int n = c.nodeCount;
    if (c.terminalA == c.terminalB || n < 2) return NAN;
    std::vector<int> index(n, -1);
    int size = 0;
    for (int v = 0; v < n; ++v) {
        if (v != c.terminalB) index[v] = size++;
    }
    std::vector<std::vector<double>> m(size, std::vector<double>(size + 1, 0.0));
    for (const Circuit::Element& e : c.elements) {
        const double g = partType == Capacitor ? e.value : 1 / e.value;
        const int a = index[e.a], b = index[e.b];
        if (a >= 0) m[a][a] += g;
        if (b >= 0) m[b][b] += g;
        if (a >= 0 && b >= 0) {
            m[a][b] -= g;
            m[b][a] -= g;
        }
    }
    m[index[c.terminalA]][size] = 1;
    for (int col = 0; col < size; ++col) {
        int pivot = col;
        for (int r = col + 1; r < size; ++r) {
            if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) pivot = r;
        }
        if (m[pivot][col] == 0) return NAN;  // a node joined to nothing
        std::swap(m[pivot], m[col]);
        for (int r = 0; r < size; ++r) {
            if (r == col || m[r][col] == 0) continue;
            const double f = m[r][col] / m[col][col];
            for (int k = col; k <= size; ++k) m[r][k] -= f * m[col][k];
        }
    }
    const int a = index[c.terminalA];
    const double v = m[a][size] / m[a][a];
    return partType == Capacitor ? 1 / v : v;
}

// The voltages of a circuit's nodes with some of them held (node ->
// volts), each element an admittance `admittance(element)`: for a pair's
// reading, 1/R, 1/L or C (the common factor of j omega cancels in every
// ratio of voltages). NaN for a node that nothing holds or joins.
template <typename Admittance>
std::vector<double> nodeVoltages(const Circuit& c, const std::map<int, double>& held, Admittance admittance,
                                 int network = -1) {
    const int n = c.nodeCount;
    std::vector<int> index(n, -1);
    int size = 0;
    for (int v = 0; v < n; ++v) {
        if (held.count(v) == 0) index[v] = size++;
    }
    std::vector<std::vector<double>> m(size, std::vector<double>(size + 1, 0.0));
    for (const Circuit::Element& e : c.elements) {
        if (network >= 0 && e.network != network) continue;
        const double g = admittance(e);
        const int a = index[e.a], b = index[e.b];
        if (a >= 0) m[a][a] += g;
        if (b >= 0) m[b][b] += g;
        if (a >= 0 && b >= 0) {
            m[a][b] -= g;
            m[b][a] -= g;
        }
        // A held end moves its current to the other side.
        if (a >= 0 && b < 0) m[a][size] += g * held.at(e.b);
        if (b >= 0 && a < 0) m[b][size] += g * held.at(e.a);
    }
    std::vector<double> v(n, NAN);
    for (const auto& [node, volts] : held) {
        if (node >= 0 && node < n) v[node] = volts;
    }
    for (int col = 0; col < size; ++col) {
        int pivot = col;
        for (int r = col + 1; r < size; ++r) {
            if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) pivot = r;
        }
        if (m[pivot][col] == 0) continue;  // a node joined to nothing of these
        std::swap(m[pivot], m[col]);
        for (int r = 0; r < size; ++r) {
            if (r == col || m[r][col] == 0) continue;
            const double f = m[r][col] / m[col][col];
            for (int k = col; k <= size; ++k) m[r][k] -= f * m[col][k];
        }
    }
    for (int node = 0; node < n; ++node) {
        const int i = index[node];
        if (i >= 0 && m[i][i] != 0) v[node] = m[i][size] / m[i][i];
    }
    return v;
}

// An element's admittance as a reading of a pair takes it: resistors and
// inductors by 1/value (their impedances), capacitors by value.
inline double admittanceOf(const Circuit::Element& e) {
    return e.symbol == PartSymbol::Capacitor ? e.value : 1 / e.value;
}

// The value of network `network`'s own parts between nodes a and b, in
// ohm, farad or henry: one volt across them, the current through them.
inline double networkValue(const Circuit& c, int network, int a, int b) {
    if (a == b) return NAN;
    const std::vector<double> v = nodeVoltages(c, {{a, 1.0}, {b, 0.0}}, admittanceOf, network);
    double current = 0;
    bool capacitor = false;
    for (const Circuit::Element& e : c.elements) {
        if (e.network != network) continue;
        capacitor = e.symbol == PartSymbol::Capacitor;
        if (e.a == a) current += admittanceOf(e) * (v[a] - v[e.b]);
        if (e.b == a) current += admittanceOf(e) * (v[a] - v[e.a]);
    }
    return capacitor ? current : 1 / current;
}

// ---- Clean geometry ----

struct Segment {
    Point from, to;
};

inline long long cross(Point o, Point a, Point b) {
    return static_cast<long long>(a.first - o.first) * (b.second - o.second) -
           static_cast<long long>(a.second - o.second) * (b.first - o.first);
}

inline bool onSegment(Point p, const Segment& s) {
    return cross(s.from, s.to, p) == 0 && std::min(s.from.first, s.to.first) <= p.first &&
           p.first <= std::max(s.from.first, s.to.first) &&
           std::min(s.from.second, s.to.second) <= p.second &&
           p.second <= std::max(s.from.second, s.to.second);
}

inline bool strictlyInside(Point p, const Segment& s) {
    return onSegment(p, s) && p != s.from && p != s.to;
}

// Whether two segments share any point other than a common end.
inline bool touch(const Segment& s, const Segment& t) {
    const long long d1 = cross(s.from, s.to, t.from), d2 = cross(s.from, s.to, t.to);
    const long long d3 = cross(t.from, t.to, s.from), d4 = cross(t.from, t.to, s.to);
    if (d1 == 0 && d2 == 0) {
        // Collinear: overlapping beyond a shared end point?
        int inside = 0;
        for (Point p : {t.from, t.to}) inside += strictlyInside(p, s);
        for (Point p : {s.from, s.to}) inside += strictlyInside(p, t);
        if (inside > 0) return true;
        return (s.from == t.from && s.to == t.to) || (s.from == t.to && s.to == t.from);
    }
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) {
        return true;
    }
    // Touching: an end of one lies inside the other.
    for (Point p : {t.from, t.to}) {
        if (strictlyInside(p, s)) return true;
    }
    for (Point p : {s.from, s.to}) {
        if (strictlyInside(p, t)) return true;
    }
    return false;
}

// The cells a label, a part or a wire takes on the text grid.
inline std::set<Point> labelCells(const SchematicLabel& l) {
    std::set<Point> cells;
    for (int i = 0; i < l.cells; ++i) cells.insert({labelColumn(l) + i, cellRow(l.middle)});
    return cells;
}

inline std::set<Point> lineCells(SchematicPoint from, SchematicPoint to) {
    std::set<Point> cells;
    int x = cellColumn(from), y = cellRow(from);
    const int tx = cellColumn(to), ty = cellRow(to);
    cells.insert({x, y});
    while (x != tx || y != ty) {
        x += (tx > x) - (tx < x);
        y += (ty > y) - (ty < y);
        cells.insert({x, y});
    }
    return cells;
}

inline std::set<Point> partCells(const SchematicPart& p) {
    std::set<Point> cells = lineCells(p.a, p.b);
    if (p.upright) {
        // The upright symbols are three cells wide.
        for (int y = p.bodyFrom.y / SchematicCellHeight; y < p.bodyTo.y / SchematicCellHeight; ++y) {
            for (int dx = -1; dx <= 1; ++dx) cells.insert({cellColumn(p.a) + dx, y});
        }
    }
    return cells;
}

// Everything that makes the drawing a clean schematic; empty when it is one.
inline std::vector<std::string> geometryProblems(const Schematic& s) {
    std::vector<std::string> problems;
    auto problem = [&](const std::string& what) { problems.push_back(what); };
    auto onGrid = [&](SchematicPoint p) {
        return p.x >= 0 && p.y >= 0 && p.x < s.width && p.y < s.height &&
               (p.x - SchematicCellWidth / 2) % SchematicCellWidth == 0 &&
               (p.y - SchematicCellHeight / 2) % SchematicCellHeight == 0;
    };

    std::vector<Segment> wires;
    for (int i = 0; i < s.wireCount; ++i) {
        const SchematicWire& w = s.wires[i];
        if (!onGrid(w.from) || !onGrid(w.to)) problem("wire " + std::to_string(i) + " off the grid");
        const int dx = std::abs(cellColumn(w.to) - cellColumn(w.from));
        const int dy = std::abs(cellRow(w.to) - cellRow(w.from));
        if ((dx == 0 && dy == 0) || (dx != 0 && dy != 0 && dx != dy)) {
            problem("wire " + std::to_string(i) + " is neither straight nor diagonal on the grid");
        }
        wires.push_back({key(w.from), key(w.to)});
    }
    // Points where things connect: wire ends, part terminals, terminals.
    std::map<Point, int> connections;
    for (const Segment& w : wires) {
        ++connections[w.from];
        ++connections[w.to];
    }
    std::vector<Segment> bodies;
    for (int i = 0; i < s.partCount; ++i) {
        const SchematicPart& p = s.parts[i];
        if (!onGrid(p.a) || !onGrid(p.b)) problem("part " + std::to_string(i) + " off the grid");
        ++connections[key(p.a)];
        ++connections[key(p.b)];
        bodies.push_back({key(p.a), key(p.b)});
    }
    std::set<Point> terminals;
    for (int i = 0; i < s.terminalCount; ++i) terminals.insert(key(s.terminals[i].point));
    for (const auto& [point, count] : connections) {
        if (count < 2 && terminals.count(point) == 0) {
            problem("a loose end at " + std::to_string(point.first) + "," + std::to_string(point.second));
        }
    }
    // Wires meet at their ends only; nothing crosses.
    std::vector<Segment> all = wires;
    all.insert(all.end(), bodies.begin(), bodies.end());
    for (size_t i = 0; i < all.size(); ++i) {
        for (const auto& [point, count] : connections) {
            if (strictlyInside(point, all[i])) problem("a connection in the middle of a line");
        }
        for (Point t : terminals) {
            if (strictlyInside(t, all[i])) problem("a terminal in the middle of a line");
        }
        for (size_t j = i + 1; j < all.size(); ++j) {
            if (touch(all[i], all[j])) {
                problem("lines " + std::to_string(i) + " and " + std::to_string(j) + " cross");
            }
        }
    }
    // A dot on every point where three or more meet, and nowhere else.
    std::set<Point> dots;
    for (int i = 0; i < s.junctionCount; ++i) dots.insert(key(s.junctions[i]));
    for (const auto& [point, count] : connections) {
        if ((count >= 3) != (dots.count(point) > 0)) problem("a junction without its dot or a dot without one");
    }
    for (Point d : dots) {
        if (connections.count(d) == 0) problem("a dot where nothing meets");
    }
    // Labels take cells of their own.
    std::map<Point, std::string> taken;
    auto take = [&](const std::set<Point>& cells, const std::string& what, bool exclusive) {
        for (Point c : cells) {
            if (c.first < 0 || c.second < 0 || c.first >= s.width / SchematicCellWidth ||
                c.second >= s.height / SchematicCellHeight) {
                problem(what + " leaves the drawing");
            }
            auto it = taken.find(c);
            if (it != taken.end() && (exclusive || it->second.rfind("label", 0) == 0)) {
                problem(what + " overlaps " + it->second);
            }
            taken[c] = what;
        }
    };
    for (int i = 0; i < s.wireCount; ++i) take(lineCells(s.wires[i].from, s.wires[i].to), "wire", false);
    for (int i = 0; i < s.partCount; ++i) take(partCells(s.parts[i]), "part", false);
    for (int i = 0; i < s.partCount; ++i) {
        take(labelCells(s.parts[i].name), "label " + std::string(s.parts[i].name.text), true);
        take(labelCells(s.parts[i].valueText), "label " + std::string(s.parts[i].valueText.text), true);
    }
    // A terminal's name stands on its row, one cell apart from its ring.
    for (int i = 0; i < s.terminalCount; ++i) {
        const SchematicTerminal& t = s.terminals[i];
        take(labelCells(t.label), "label " + std::string(t.label.text), true);
        if (t.label.cells == 0) continue;
        const int first = labelColumn(t.label), last = first + t.label.cells - 1;
        if (cellRow(t.label.middle) != cellRow(t.point) ||
            (last != cellColumn(t.point) - 2 && first != cellColumn(t.point) + 2)) {
            problem("terminal name " + std::string(t.label.text) + " is not beside its terminal");
        }
    }
    for (int i = 0; i < s.labelCount; ++i) {
        take(labelCells(s.labels[i]), "label " + std::string(s.labels[i].text), true);
    }
    return problems;
}

}  // namespace schematic_reading
