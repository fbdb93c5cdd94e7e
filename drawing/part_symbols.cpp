// The symbols of the parts as strokes, for the renderers that draw lines:
// a zigzag resistor, a capacitor's two plates, an inductor's three turns.
// Each symbol is traced in the part's own frame (along it from a to b, and
// across it: up for a part that lies across, right for an upright one).
#include <cmath>

#include "drawing/schematic.h"

namespace {

// How far a zigzag swings and a plate reaches from the part's line, and the
// gap between the plates, in units.
constexpr int ZigzagSwing = 5;
constexpr int PlateReach = 7;
constexpr int PlateGap = 6;
constexpr int InductorTurns = 3;

// Points in the frame of a part: `along` from bodyFrom towards bodyTo,
// `across` to the side its symbol bulges to.
struct Frame {
    SchematicPoint origin;
    bool upright;

    SchematicPoint at(double along, double across) const {
        const int32_t u = static_cast<int32_t>(std::lround(along));
        const int32_t v = static_cast<int32_t>(std::lround(across));
        if (upright) return SchematicPoint{origin.x + v, origin.y + u};
        return SchematicPoint{origin.x + u, origin.y - v};
    }
};

class Strokes {
  public:
    explicit Strokes(SymbolStroke* out) : out_(out) {}

    void line(SchematicPoint from, SchematicPoint to) {
        if (from == to || count_ >= SymbolStrokeCapacity) return;
        out_[count_++] = SymbolStroke{2, {from, to}};
    }

    // Opens a polyline; points are added to it with point().
    void begin() {
        if (count_ < SymbolStrokeCapacity) out_[count_++] = SymbolStroke{0, {}};
    }
    void point(SchematicPoint p) {
        SymbolStroke& s = out_[count_ - 1];
        if (s.count < StrokePointCapacity) s.points[s.count++] = p;
    }

    int count() const { return count_; }

  private:
    SymbolStroke* out_;
    int count_ = 0;
};

}  // namespace

int symbolCellsAcross(PartSymbol symbol) {
    switch (symbol) {
        case PartSymbol::Resistor: return 6;
        case PartSymbol::Capacitor: return 2;
        case PartSymbol::Inductor: return 6;
    }
    return 6;
}

int symbolRowsUpright(PartSymbol symbol) {
    return symbol == PartSymbol::Capacitor ? 2 : 3;
}

int partStrokes(const SchematicPart& part, SymbolStroke* strokes) {
    Strokes s(strokes);
    const Frame frame{part.bodyFrom, part.upright};
    const double length = part.upright ? part.bodyTo.y - part.bodyFrom.y
                                       : part.bodyTo.x - part.bodyFrom.x;
    switch (part.symbol) {
        case PartSymbol::Resistor: {
            // Six strokes of the zigzag, half a swing at each end.
            s.line(part.a, part.bodyFrom);
            s.line(part.bodyTo, part.b);
            s.begin();
            s.point(frame.at(0, 0));
            for (int k = 0; k < 6; ++k) {
                s.point(frame.at(length * (2 * k + 1) / 12, k % 2 == 0 ? ZigzagSwing : -ZigzagSwing));
            }
            s.point(frame.at(length, 0));
            break;
        }
        case PartSymbol::Capacitor: {
            const double first = (length - PlateGap) / 2, second = (length + PlateGap) / 2;
            s.line(part.a, frame.at(first, 0));
            s.line(frame.at(second, 0), part.b);
            s.line(frame.at(first, -PlateReach), frame.at(first, PlateReach));
            s.line(frame.at(second, -PlateReach), frame.at(second, PlateReach));
            break;
        }
        case PartSymbol::Inductor: {
            s.line(part.a, part.bodyFrom);
            s.line(part.bodyTo, part.b);
            const double turn = length / InductorTurns, radius = turn / 2;
            const double pi = std::acos(-1.0);
            for (int t = 0; t < InductorTurns; ++t) {
                // A half circle from one end of the turn to the other.
                s.begin();
                for (int k = 0; k < StrokePointCapacity; ++k) {
                    const double angle = pi * k / (StrokePointCapacity - 1);
                    s.point(frame.at(turn * t + radius - radius * std::cos(angle),
                                     radius * std::sin(angle)));
                }
            }
            break;
        }
    }
    return s.count();
}
