#include "circuits/TuningCurves.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vokta {

namespace {

constexpr int kSteps = 200;

// Resonant frequency in MHz of L µH with C pF.
double ResonanceMHz(double inductanceUH, double capacitancePF) {
    return 1e3 / (2 * std::numbers::pi * std::sqrt(inductanceUH * capacitancePF));
}

// C in series with the sum of the others.
double Series(double a, double b) {
    return a * b / (a + b);
}

}  // namespace

BandSpreadCoverage BandSpreadTuning(const BandSpreadInput& in, const BandSpreadResult& result) {
    BandSpreadCoverage out;
    const double c1 = result.c1PF, c2 = result.c2PF;
    auto frequency = [&](double c3) { return ResonanceMHz(in.inductanceUH, in.c4PF + Series(c1, c2 + c3)); };
    out.tuning.reserve(kSteps + 1);
    for (int i = 0; i <= kSteps; ++i) {
        const double c3 = in.c3minPF + (in.c3maxPF - in.c3minPF) * i / kSteps;
        out.tuning.push_back({c3, frequency(c3)});
    }
    out.topMHz = out.tuning.front().y;
    out.bottomMHz = out.tuning.back().y;
    out.bottomErrorPct = (out.bottomMHz / in.fminMHz - 1) * 100;
    out.topErrorPct = (out.topMHz / in.fmaxMHz - 1) * 100;
    return out;
}

ThreePointScale ThreePointTuning(const ThreePointInput& in, const ThreePointResult& result) {
    ThreePointScale out;
    const double c1 = result.c1PF, c2 = result.c2PF, c3 = result.c3PF;
    const double span = in.cmaxPF - in.cminPF;
    auto capacitance = [&](double dial) { return in.cmaxPF - span * dial / 100; };
    auto dialOf = [&](double c) { return (in.cmaxPF - c) / span * 100; };
    auto frequency = [&](double dial) {
        return ResonanceMHz(in.inductanceUH, c3 + Series(c2, capacitance(dial) + c1));
    };

    out.design = {CurvePoint{0, in.fminMHz}, CurvePoint{dialOf(in.cmidPF), (in.fminMHz + in.fmaxMHz) / 2},
                  CurvePoint{100, in.fmaxMHz}};
    std::vector<double> dials;
    for (int i = 0; i <= kSteps; ++i) dials.push_back(100.0 * i / kSteps);
    if (out.design[1].x > 0 && out.design[1].x < 100) dials.push_back(out.design[1].x);
    std::sort(dials.begin(), dials.end());

    const double bottom = frequency(0), top = frequency(100);
    for (double dial : dials) {
        const double f = frequency(dial);
        const double line = bottom + (top - bottom) * dial / 100;
        const double deviation = (f - line) / (top - bottom) * 100;
        out.frequency.push_back({dial, f});
        out.deviation.push_back({dial, deviation});
        if (std::fabs(deviation) > std::fabs(out.worstDeviationPct)) {
            out.worstDeviationPct = deviation;
            out.worstAtPct = dial;
        }
    }
    return out;
}

}  // namespace vokta
