#include "filters/PortResponse.h"

#include <algorithm>
#include <cmath>

#include "base/RuntimeError.h"
#include "base/Units.h"
#include "filters/FrequencyResponse.h"
#include "filters/ResponseDemand.h"

namespace vokta {

namespace {

using Complex = std::complex<double>;
using units::kTwoPi;

// An impedance or admittance and its derivative with respect to ω. At the resonance of a lossless
// combination one of the two is exactly zero and the other infinite: then 'pole' is set, and 'value' and
// 'slope' are those of the reciprocal (zero and its derivative), which stay finite.
struct Immittance {
    Complex value, slope;
    bool pole = false;
};

Immittance Impedance(const Arm& arm, double w);

// Y = 1/Z: Y' = -Z'/Z², and the other way round.
Immittance Inverse(const Immittance& x) {
    if (x.pole) return {x.value, x.slope};
    if (x.value == 0.0) return {x.value, x.slope, true};
    return {1.0 / x.value, -x.slope / (x.value * x.value)};
}

// The sum of the parts' impedances in series, or of their admittances in parallel. Where some parts are
// infinite, so is the sum, and its reciprocal is theirs in parallel: zero, with the slope 1/Σ(1/r'),
// the r' the slopes of their reciprocals.
template <typename Part>
Immittance Sum(const Arm& arm, double w, Part part) {
    Immittance sum{0, 0};
    Complex poles = 0;
    for (const Arm& p : arm.parts) {
        const Immittance x = part(p, w);
        if (x.pole)
            sum.pole = true, poles += 1.0 / x.slope;
        else
            sum.value += x.value, sum.slope += x.slope;
    }
    if (sum.pole) return {0, 1.0 / poles, true};
    return sum;
}

Immittance Admittance(const Arm& arm, double w) {
    switch (arm.join) {
        case Arm::Join::Element:
            if (arm.kind == ElementKind::Inductor)  // 1/(jωL)
                return {Complex(0, -1 / (w * arm.value)), Complex(0, 1 / (w * w * arm.value))};
            if (arm.kind == ElementKind::Resistor) return {1 / arm.value, 0};
            return {Complex(0, w * arm.value), Complex(0, arm.value)};  // jωC
        case Arm::Join::Parallel:
            return Sum(arm, w, Admittance);
        case Arm::Join::Series:
            break;
    }
    return Inverse(Impedance(arm, w));
}

Immittance Impedance(const Arm& arm, double w) {
    switch (arm.join) {
        case Arm::Join::Element:
            if (arm.kind == ElementKind::Inductor) return {Complex(0, w * arm.value), Complex(0, arm.value)};
            if (arm.kind == ElementKind::Resistor) return {arm.value, 0};
            return {Complex(0, -1 / (w * arm.value)), Complex(0, 1 / (w * w * arm.value))};  // 1/(jωC)
        case Arm::Join::Series:
            return Sum(arm, w, Impedance);
        case Arm::Join::Parallel:
            break;
    }
    return Inverse(Admittance(arm, w));
}

// The chain matrix [A B; C D] of a ladder and its derivative with respect to ω, divided by the infinite
// immittance of any arm at its resonance ('open': then the ladder passes nothing, S21 = 0). The division
// leaves S11 and S22, and the group delay apart from the jump of the phase by π at such an attenuation
// pole: the phase of a reactance is constant on either side of its pole.
struct Chain {
    Complex a = 1, b = 0, c = 0, d = 1;
    Complex da = 0, db = 0, dc = 0, dd = 0;
    bool open = false;
};

// A ladder's arms, each simple branch's as a network.
struct Arms {
    double rn = 0;
    std::vector<std::pair<BranchPlace, Arm>> arms;
};

Arms ArmsOf(const LadderCircuit& ladder) {
    // The checks AnalyseResponse makes, with its sentences.
    ResponseDemand probe;
    probe.f1 = probe.fs = 1;
    AttenuationOf(ladder, probe);
    Arms arms{ladder.rn, {}};
    for (const LadderBranch& b : ladder.branches) arms.arms.push_back({b.place, ArmOf(b)});
    return arms;
}

Chain ChainOf(const Arms& ladder, double f) {
    const double w = kTwoPi * f;
    Chain m;
    for (const auto& [place, arm] : ladder.arms) {
        const Immittance x = place == BranchPlace::Series ? Impedance(arm, w) : Admittance(arm, w);
        if (x.pole) {
            // [1 z; 0 1] = z·[u 1; 0 u] and [1 0; y 1] = y·[u 0; 1 u], u = 1/z or 1/y, here zero.
            const Complex u = x.slope;
            if (place == BranchPlace::Series)
                m = {0, m.a, 0, m.c, m.a * u, m.da + m.b * u, m.c * u, m.dc + m.d * u, true};
            else
                m = {m.b, 0, m.d, 0, m.a * u + m.db, m.b * u, m.c * u + m.dd, m.d * u, true};
            continue;
        }
        if (place == BranchPlace::Series) {
            // [A B; C D]·[1 z; 0 1], and its derivative by the product rule.
            const Immittance& z = x;
            m.db += m.da * z.value + m.a * z.slope;
            m.dd += m.dc * z.value + m.c * z.slope;
            m.b += m.a * z.value;
            m.d += m.c * z.value;
        } else {
            // [A B; C D]·[1 0; y 1]
            const Immittance& y = x;
            m.da += m.db * y.value + m.b * y.slope;
            m.dc += m.dd * y.value + m.d * y.slope;
            m.a += m.b * y.value;
            m.c += m.d * y.value;
        }
    }
    return m;
}

SParameters SOf(const Chain& m, double rn) {
    const Complex b = m.b / rn, c = m.c * rn;
    const Complex delta = m.a + b + c + m.d;
    // A ladder of two-terminal arms is reciprocal (AD - BC = 1): S12 is S21, without the rounding of a
    // determinant that in the stop band is the difference of two huge products.
    const Complex s21 = m.open ? 0.0 : 2.0 / delta;
    return {(m.a + b - c - m.d) / delta, s21, s21, (-m.a + b - c + m.d) / delta};
}

double DelayOf(const Chain& m, double rn) {
    const Complex delta = m.a + m.b / rn + m.c * rn + m.d;
    const Complex slope = m.da + m.db / rn + m.dc * rn + m.dd;
    return (slope / delta).imag();
}

InputMatch MatchOf(const SParameters& s) {
    const double r = std::abs(s.s11);
    InputMatch match;
    match.returnLoss = r > 0 ? std::min(kReturnLossCeilingDb, -20 * std::log10(r)) : kReturnLossCeilingDb;
    match.vswr = r < 1 ? std::min(kVswrCeiling, (1 + r) / (1 - r)) : kVswrCeiling;
    return match;
}

// The checks AnalyseResponse makes of an active circuit, with its sentences.
void CheckActive(const ActiveCircuit& circuit) {
    ResponseDemand probe;
    probe.shape = circuit.highPass ? FilterType::HighPass : FilterType::LowPass;
    probe.f1 = probe.fs = 1;
    AttenuationOf(circuit, probe);
}

}  // namespace

SParameters LadderSParameters(const LadderCircuit& ladder, double f) {
    return SOf(ChainOf(ArmsOf(ladder), f), ladder.rn);
}

std::optional<InputMatch> InputMatchOf(const FilterCircuit& circuit, double f) {
    const auto* ladder = std::get_if<LadderCircuit>(&circuit);
    if (!ladder) return std::nullopt;
    return MatchOf(LadderSParameters(*ladder, f));
}

double GroupDelay(const FilterCircuit& circuit, double f) {
    if (const auto* ladder = std::get_if<LadderCircuit>(&circuit))
        return DelayOf(ChainOf(ArmsOf(*ladder), f), ladder->rn);
    const ActiveCircuit& active = std::get<ActiveCircuit>(circuit);
    CheckActive(active);
    return ActiveGroupDelay(active, f);
}

PortCurves PortSweep(const FilterCircuit& circuit, double fmin, double fmax, int points) {
    if (!(fmin > 0) || !(fmax > fmin) || !std::isfinite(fmax) || points < 2)
        Fail(ErrorKind::InvalidArgument, "Диапазон частот задан неверно: характеристику не построить.");
    PortCurves curves;
    for (int i = 0; i < points; ++i)
        curves.f.push_back(i + 1 == points ? fmax : fmin * std::pow(fmax / fmin, double(i) / (points - 1)));
    if (const auto* ladder = std::get_if<LadderCircuit>(&circuit)) {
        const Arms arms = ArmsOf(*ladder);
        for (double f : curves.f) {
            const Chain m = ChainOf(arms, f);
            const InputMatch match = MatchOf(SOf(m, ladder->rn));
            curves.returnLoss.push_back(match.returnLoss);
            curves.vswr.push_back(match.vswr);
            curves.groupDelay.push_back(DelayOf(m, ladder->rn));
        }
        return curves;
    }
    const ActiveCircuit& active = std::get<ActiveCircuit>(circuit);
    CheckActive(active);
    for (double f : curves.f) curves.groupDelay.push_back(ActiveGroupDelay(active, f));
    return curves;
}

}  // namespace vokta
