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
    const double cmax = in.cmaxPF, cmid = in.cmidPF, cmin = in.cminPF;
    // The parabola cmax + b t + a t^2 over the travel t = 0..1 through cmax, cmid and cmin. It falls over
    // the whole travel when its slope is not above zero at both ends: b <= 0 and b + 2a <= 0.
    const double b = 4 * cmid - 3 * cmax - cmin, a = 2 * (cmax + cmin) - 4 * cmid;
    out.smoothMidFromPF = (cmax + 3 * cmin) / 4;
    out.smoothMidToPF = (3 * cmax + cmin) / 4;
    out.smoothLaw = b <= 0 && b + 2 * a <= 0;
    auto capacitance = [&](double dial) {
        const double t = dial / 100;
        return std::clamp(cmax + (b + a * t) * t, std::min(cmin, cmax), std::max(cmin, cmax));
    };
    auto frequency = [&](double dial) {
        return ResonanceMHz(in.inductanceUH, c3 + Series(c2, capacitance(dial) + c1));
    };

    out.design = {CurvePoint{0, in.fminMHz}, CurvePoint{50, (in.fminMHz + in.fmaxMHz) / 2},
                  CurvePoint{100, in.fmaxMHz}};
    out.bottomMHz = frequency(0);
    out.topMHz = frequency(100);
    out.bottomErrorPct = (out.bottomMHz / in.fminMHz - 1) * 100;
    out.topErrorPct = (out.topMHz / in.fmaxMHz - 1) * 100;
    const double band = out.topMHz - out.bottomMHz;
    out.frequency.reserve(kSteps + 1);
    out.deviation.reserve(kSteps + 1);
    for (int i = 0; i <= kSteps; ++i) {
        const double dial = 100.0 * i / kSteps;
        const double f = frequency(dial);
        const double line = out.bottomMHz + band * dial / 100;
        const double deviation = (f - line) / band * 100;
        out.frequency.push_back({dial, f});
        out.deviation.push_back({dial, deviation});
        if (std::fabs(deviation) > std::fabs(out.worstDeviationPct)) {
            out.worstDeviationPct = deviation;
            out.worstAtPct = dial;
        }
    }
    return out;
}

double BandCentreMHz(double fminMHz, double fmaxMHz) {
    return std::sqrt(fminMHz * fmaxMHz);
}

}  // namespace vokta
