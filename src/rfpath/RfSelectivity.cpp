#include "rfpath/RfSelectivity.h"

#include <algorithm>
#include <cmath>

#include "base/Units.h"

namespace vokta {

namespace {

constexpr int kSteps = 400;
// How far beyond the image the plot around the top of the range reaches, as a frequency ratio.
constexpr double kBeyondImage = 1.2;
// The pass-band plot spans this many half-bandwidths either side of the tuned frequency, but stays
// above zero frequency (a band as wide as the bottom of the range is then shown as far as it can be).
constexpr double kPassBandSpan = 3;
constexpr double kLowestFraction = 0.1;

// x from `from` to `to` in kSteps equal steps, y from the function.
template <typename F>
Curve Sample(double from, double to, F&& y) {
    Curve curve;
    curve.reserve(kSteps + 1);
    for (int i = 0; i <= kSteps; ++i) {
        const double x = from + (to - from) * i / kSteps;
        curve.push_back({x, y(x)});
    }
    return curve;
}

}  // namespace

double ChainAttenuationDb(int n, double q, double f0, double f) {
    const double detuning = q * (f / f0 - f0 / f);
    return n * 10 * std::log10(1 + detuning * detuning);
}

RfSelectivity RfPathSelectivity(const RfPathTask& task, const RfPathDesign& d) {
    RfSelectivity s;
    s.circuits = d.circuits;
    s.selectivityQ = d.selectivityQ;
    s.attenuationQ = d.attenuationQ;
    const double q[2] = {s.selectivityQ, s.attenuationQ};
    auto pair = [&](auto&& curveWith) { return RfCurvePair{curveWith(q[0]), curveWith(q[1])}; };

    const double top = d.fmax, image = d.imageHz, fif = d.fif;
    s.topMHz = top / units::kMegaToBase;
    s.imageMHz = image / units::kMegaToBase;
    s.demandDb = task.selectivityDb;
    // The whole path at f with its circuits tuned to f0: the antenna and the coupling pass a signal
    // better or worse in proportion to f / f0, so their terms are taken at that ratio, for every tuned
    // frequency anew.
    auto path = [&](double qq, double f0, double f) {
        const RfPathTerms terms = PathTermsDb(task, f / f0);
        return ChainAttenuationDb(s.circuits, qq, f0, f) + terms.antennaDb + terms.couplingDb;
    };
    // A span symmetric in detuning: f and top^2 / f lie equally far from the top.
    const double high = image * kBeyondImage, low = top * top / high;
    s.aroundTop = pair([&](double qq) {
        return Sample(low / units::kMegaToBase, high / units::kMegaToBase,
                      [&](double x) { return path(qq, top, x * units::kMegaToBase); });
    });

    const double bottom = d.fmin;
    s.bottomMHz = bottom / units::kMegaToBase;
    s.edgeKHz = d.bandwidthHz / 2 / 1e3;
    s.unevennessDb = task.unevennessDb;
    const double span = std::min(kPassBandSpan * s.edgeKHz, (1 - kLowestFraction) * bottom / 1e3);
    s.passBand = pair([&](double qq) {
        return Sample(-span, span,
                      [&](double x) { return ChainAttenuationDb(s.circuits, qq, bottom, bottom + x * 1e3); });
    });

    s.imageRejection = pair([&](double qq) {
        return Sample(s.bottomMHz, s.topMHz, [&](double x) {
            return path(qq, x * units::kMegaToBase, x * units::kMegaToBase + 2 * fif);
        });
    });

    for (int i = 0; i < 2; ++i) {
        s.imageDb[i] = path(q[i], top, image);
        // The pass band is symmetric in detuning, not in offset: the worse of its two edges counts. (A
        // designed band stays above zero frequency; the floor only keeps the logarithm defined.)
        const double lowerEdge = bottom - s.edgeKHz * 1e3;
        const double below = lowerEdge > 0 ? lowerEdge : kLowestFraction * bottom;
        s.edgeDb[i] = std::max(ChainAttenuationDb(s.circuits, q[i], bottom, below),
                               ChainAttenuationDb(s.circuits, q[i], bottom, bottom + s.edgeKHz * 1e3));
    }
    return s;
}

}  // namespace vokta
