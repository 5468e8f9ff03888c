#pragma once

// What the designed tuned circuits really do over the travel of their variable capacitor, worked out
// from the resonance f = 1 / (2 pi sqrt(L C)) of the finished circuit with the whole capacitors shown.

#include <array>

#include "base/CurvePoint.h"
#include "circuits/BandSpread.h"
#include "circuits/ThreePoint.h"

namespace vokta {

// The band-spread circuit as C3 runs from its minimum to its maximum: x is C3 in pF, y the resonant
// frequency in MHz. The ends are the band really covered; each edge's error is how far it lies from
// the wanted edge, in % of the wanted edge (negative: below it).
struct BandSpreadCoverage {
    Curve tuning;
    double bottomMHz = 0;  // C3 at its maximum
    double topMHz = 0;     // C3 at its minimum
    double bottomErrorPct = 0;
    double topErrorPct = 0;
};

// The circuit of a feasible result.
BandSpreadCoverage BandSpreadTuning(const BandSpreadInput& input, const BandSpreadResult& result);

// The three-point circuit over the dial of a straight-line-capacitance variable capacitor: at 0 % it
// stands at its maximum (the bottom of the range), at 100 % at its minimum. x is the dial in %.
struct ThreePointScale {
    Curve frequency;  // y: resonant frequency, MHz
    Curve deviation;  // y: departure from the straight line through the curve's ends, % of the band
    // The design points: the dial where C has its maximum, middle and minimum value, and the frequency
    // wanted there (the bottom, the mean and the top of the range). The frequency curve has a point
    // at each of these dial positions.
    std::array<CurvePoint, 3> design{};
    double worstDeviationPct = 0;  // the deviation of largest magnitude, with its sign
    double worstAtPct = 0;         // the dial where it lies
};

// The circuit of a feasible result.
ThreePointScale ThreePointTuning(const ThreePointInput& input, const ThreePointResult& result);

}  // namespace vokta
