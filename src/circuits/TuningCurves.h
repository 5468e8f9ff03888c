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

// The three-point circuit over the dial of its variable capacitor: at 0 % the capacitor stands at its
// maximum (the bottom of the range), at 50 % at its middle capacitance, at 100 % at its minimum. Between
// them its capacitance follows the parabola through these three values. x is the dial in %.
struct ThreePointScale {
    Curve frequency;  // y: resonant frequency, MHz
    Curve deviation;  // y: departure from the straight line through the curve's ends, % of the band
    // The design points: the dial at 0, 50 and 100 % and the frequency wanted there (the bottom, the
    // mean and the top of the range). The frequency curve has a point at each of them.
    std::array<CurvePoint, 3> design{};
    double worstDeviationPct = 0;  // the deviation of largest magnitude, with its sign
    double worstAtPct = 0;         // the dial where it lies
    // The ends of the scale and how far each lies from the wanted edge, % of that edge (negative: below).
    double bottomMHz = 0, topMHz = 0;
    double bottomErrorPct = 0, topErrorPct = 0;
    // The middle capacitances for which the parabola falls all the way from the maximum to the minimum.
    // A middle capacitance outside them would carry the parabola beyond the capacitor's own limits; the
    // capacitance is then held at the limit it reaches, and 'smoothLaw' is false.
    double smoothMidFromPF = 0, smoothMidToPF = 0;
    bool smoothLaw = true;
};

// The circuit of a feasible result.
ThreePointScale ThreePointTuning(const ThreePointInput& input, const ThreePointResult& result);

// The centre of a tuned range, where the circuit's coil works: resonance goes with 1/sqrt(L C), so a
// range is centred on the scale of ln f, at the geometric mean sqrt(fmin fmax) of its edges.
double BandCentreMHz(double fminMHz, double fmaxMHz);

}  // namespace vokta
