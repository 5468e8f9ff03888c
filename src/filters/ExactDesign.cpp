#include "filters/ExactDesign.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <type_traits>

#include "base/RuntimeError.h"
#include "base/Units.h"
#include "filters/Approximations.h"
#include "filters/FrequencyResponse.h"
#include "filters/Tolerance.h"

namespace vokta {

namespace {

using units::kKiloToBase;
using units::kMicroToBase;
using units::kTwoPi;

constexpr double kPi = std::numbers::pi;
constexpr double kDefaultKiloOhm = 10;
// How far the least Bessel order is looked for: beyond it the demand is refused without a figure.
constexpr int kBesselOrderSearch = 30;
// The circuit holds its values in single precision, which moves the pass-band edge or the ripple by up to
// about 1e-5 dB (more for a narrow band filter, whose resonators magnify the error by the band's quality
// factor): where the stop band leaves room for it, the design aims this far below the limit, far under the
// hundredths the verdict shows, so that the rounding never carries the circuit over. A tiny allowed
// attenuation gets a proportionate guard.
constexpr double kRoundingGuardDb = 1e-4;

double DesignAmin(const ResponseDemand& d) {
    double guard = kRoundingGuardDb;
    if (IsBandFilter(d.shape))
        guard *= std::max(1.0, std::sqrt(d.fleft * d.fright) / (d.fright - d.fleft) / 10);
    return d.amin - std::min(guard, d.amin / 100);
}

bool Positive(double x) {
    return std::isfinite(x) && x > 0;
}

[[noreturn]] void Refuse(const std::string& sentence) {
    throw RuntimeError(ErrorKind::InvalidArgument, sentence);
}

// 10^(A/10) - 1 for an attenuation A in dB: ε² of a response that reaches A at its edge.
double PowerExcess(double db) {
    return std::expm1(db * std::log(10.0) / 10);
}

// The low-pass prototype of order n whose attenuation at Ω = 1 is exactly amin dB: the element values
// g1..gn between unit terminations (Butterworth: the maximally flat values scaled by ε^(1/n); Chebyshev:
// the closed-form values of ripple amin, which end in a unit load for odd n).
std::vector<double> PrototypeValues(FilterResponse response, int n, double amin) {
    std::vector<double> g(n + 1);
    auto a = [n](int k) { return std::sin((2 * k - 1) * kPi / (2 * n)); };
    if (response == FilterResponse::Butterworth) {
        const double scale = std::pow(std::sqrt(PowerExcess(amin)), 1.0 / n);
        for (int k = 1; k <= n; ++k) g[k] = 2 * a(k) * scale;
        return g;
    }
    const double beta = std::log(1 / std::tanh(amin / (40 / std::log(10.0))));
    const double gamma = std::sinh(beta / (2 * n));
    g[1] = 2 * a(1) / gamma;
    for (int k = 2; k <= n; ++k) {
        const double s = std::sin((k - 1) * kPi / n);
        g[k] = 4 * a(k - 1) * a(k) / ((gamma * gamma + s * s) * g[k - 1]);
    }
    return g;
}

// The poles of the low-pass prototype with the pass-band edge at Ω = 1, as second-order factors
// (frequency and quality factor) and, for an odd order, the real pole's frequency.
struct PoleSet {
    std::vector<std::pair<double, double>> pairs;  // {ω0, Q}
    double real = 0;                               // 0 for an even order
};

PoleSet Poles(FilterResponse response, int n, double amin) {
    const double epsilon = std::sqrt(PowerExcess(amin));
    PoleSet poles;
    for (int k = 1; k <= n / 2; ++k) {
        const double theta = (2 * k - 1) * kPi / (2 * n);
        double sigma = 0, omega = 0;
        if (response == FilterResponse::Butterworth) {
            const double radius = std::pow(epsilon, -1.0 / n);
            sigma = radius * std::sin(theta);
            omega = radius * std::cos(theta);
        } else {
            const double u = std::asinh(1 / epsilon) / n;
            sigma = std::sinh(u) * std::sin(theta);
            omega = std::cosh(u) * std::cos(theta);
        }
        const double w0 = std::hypot(sigma, omega);
        poles.pairs.push_back({w0, w0 / (2 * sigma)});
    }
    if (n % 2 == 1)
        poles.real = response == FilterResponse::Butterworth ? std::pow(epsilon, -1.0 / n)
                                                             : std::sinh(std::asinh(1 / epsilon) / n);
    // The gentlest sections first, so that the sharp ones meet an already narrowed spectrum.
    std::sort(poles.pairs.begin(), poles.pairs.end(),
              [](const auto& x, const auto& y) { return x.second < y.second; });
    return poles;
}

// The Bessel poles of order n with the pass-band edge at Ω = 1, where the attenuation is 'db'.
PoleSet BesselPoleSet(int n, double db) {
    const double edge = BesselEdge(n, db);
    PoleSet poles;
    for (const std::complex<double>& p : BesselPoles(n)) {
        const double w0 = std::abs(p) / edge;
        if (std::abs(p.imag()) < 1e-9 * std::abs(p))
            poles.real = w0;
        else if (p.imag() > 0)
            poles.pairs.push_back({w0, std::abs(p) / (2 * std::abs(p.real()))});
    }
    std::sort(poles.pairs.begin(), poles.pairs.end(),
              [](const auto& x, const auto& y) { return x.second < y.second; });
    return poles;
}

// The Bessel ladder's values with the pass-band edge at Ω = 1, where the attenuation is 'db': g[1..n].
std::vector<double> BesselPrototype(int n, double db) {
    const double edge = BesselEdge(n, db);
    std::vector<double> g{0};
    for (double x : BesselLadderValues(n)) g.push_back(x * edge);
    return g;
}

LadderCircuit Ladder(const ResponseDemand& d, const std::vector<double>& g, int n, double rn) {
    LadderCircuit ladder;
    ladder.rn = rn;
    ladder.branches = LadderLayout(d.shape, n);
    const bool band = IsBandFilter(d.shape);
    const double wp = kTwoPi * d.f1;
    const double w0 = kTwoPi * std::sqrt(d.fleft * d.fright), bw = kTwoPi * (d.fright - d.fleft);
    for (LadderBranch& b : ladder.branches) {
        const double gk = g.at(b.position);
        const bool series = b.place == BranchPlace::Series;
        double l = 0, c = 0;  // H, F
        if (!band) {
            // Low-pass: series L, shunt C; high-pass: series C, shunt L.
            if (d.shape == FilterType::LowPass)
                (series ? l : c) = series ? gk * rn / wp : gk / (rn * wp);
            else
                (series ? c : l) = series ? 1 / (gk * rn * wp) : rn / (gk * wp);
        } else if (d.shape == FilterType::BandPass) {
            // Series resonators in the line, parallel ones to ground, all tuned to f0.
            l = series ? gk * rn / bw : rn * bw / (gk * w0 * w0);
            c = series ? bw / (gk * rn * w0 * w0) : gk / (rn * bw);
        } else {
            // Parallel resonators in the line, series ones to ground.
            l = series ? gk * rn * bw / (w0 * w0) : rn / (gk * bw);
            c = series ? 1 / (gk * rn * bw) : gk * bw / (rn * w0 * w0);
        }
        b.l = float(l / kMicroToBase);
        b.c = float(c / kMicroToBase);
    }
    return ladder;
}

// The elliptic ladder of the demand's shape from its minimum-inductor low-pass prototype, every element
// transformed: a high-pass from the prototype's dual (series capacitors, series resonators to ground),
// band filters by the low-pass-to-band transformation of each inductor and capacitor.
LadderCircuit EllipticCircuit(const ResponseDemand& d, const EllipticLadder& prototype, double rn) {
    LadderCircuit ladder;
    ladder.rn = rn;
    const double wp = kTwoPi * d.f1;
    const double w0 = kTwoPi * std::sqrt(d.fleft * d.fright), bw = kTwoPi * (d.fright - d.fleft);
    auto l = [](double h) { return Arm::Element(ElementKind::Inductor, h); };
    auto c = [](double f) { return Arm::Element(ElementKind::Capacitor, f); };
    // A prototype inductor g and capacitor g transformed for a band filter: band-pass a series and a
    // parallel resonator, band-stop a parallel and a series one.
    auto bandL = [&](double g) {
        return d.shape == FilterType::BandPass
                   ? Arm::Series({l(g * rn / bw), c(bw / (g * rn * w0 * w0))})
                   : Arm::Parallel({l(g * rn * bw / (w0 * w0)), c(1 / (g * rn * bw))});
    };
    auto bandC = [&](double g) {
        return d.shape == FilterType::BandPass ? Arm::Parallel({l(rn * bw / (g * w0 * w0)), c(g / (rn * bw))})
                                               : Arm::Series({l(rn / (g * bw)), c(g * bw / (rn * w0 * w0))});
    };
    auto flat = [](Arm inner, Arm::Join join) {
        // A parallel combination inside a parallel one is one parallel combination.
        return inner.join == join ? std::move(inner.parts) : std::vector<Arm>{std::move(inner)};
    };
    for (size_t i = 0; i < prototype.g.size(); ++i) {
        const int position = int(i) + 1;
        const double g = prototype.g[i], t = prototype.trap[i];
        const bool shunt = i % 2 == 0;  // of the low-pass prototype
        BranchPlace place = shunt ? BranchPlace::Shunt : BranchPlace::Series;
        Arm arm;
        switch (d.shape) {
            case FilterType::LowPass:
                arm = shunt ? c(g / (rn * wp)) : Arm::Parallel({l(g * rn / wp), c(t / (rn * wp))});
                break;
            case FilterType::HighPass:
                // The dual prototype has series inductors g and series resonators t, g to ground; s -> ωp/s
                // turns an inductor g into a capacitor 1/(g·ωp) and a capacitor into an inductor.
                place = shunt ? BranchPlace::Series : BranchPlace::Shunt;
                arm = shunt ? c(1 / (g * rn * wp)) : Arm::Series({l(rn / (g * wp)), c(1 / (t * rn * wp))});
                break;
            case FilterType::BandPass:
            case FilterType::BandStop:
                if (shunt) {
                    arm = bandC(g);
                } else {
                    std::vector<Arm> parts = flat(bandL(g), Arm::Join::Parallel);
                    for (Arm& part : flat(bandC(t), Arm::Join::Parallel)) parts.push_back(std::move(part));
                    // The inductor's resonator, then the capacitor's: a band-pass Ls + Cs, Lp, Cp, a
                    // band-stop Lp, Cp, Ls + Cs.
                    arm = Arm::Parallel(std::move(parts));
                }
                break;
        }
        ladder.branches.push_back(NetworkBranch(position, place, std::move(arm)));
    }
    return ladder;
}

ActiveCircuit Active(const ResponseDemand& d, const PoleSet& poles, const ActiveCircuit& shown) {
    ActiveCircuit circuit;
    circuit.highPass = d.shape == FilterType::HighPass;
    const double wp = kTwoPi * d.f1;
    // The scale: a low-pass keeps its resistance, a high-pass its capacitance.
    double r = kDefaultKiloOhm * kKiloToBase, c = 1 / (wp * r);
    for (const ActiveStage& stage : shown.stages)
        if (stage.kind == ActiveStageKind::Section && Positive(stage.r[0]) && Positive(stage.c[0])) {
            r = double(stage.r[0]) * kKiloToBase;
            c = double(stage.c[0]) * kMicroToBase;
            break;
        }
    // A stage at the prototype frequency ω (a high-pass at the inverted frequency): its R and C.
    auto stage = [&](ActiveStageKind kind, double omega) {
        const double w = circuit.highPass ? wp / omega : wp * omega;
        const auto rs = float((circuit.highPass ? 1 / (w * c) : r) / kKiloToBase);
        const auto cs = float((circuit.highPass ? c : 1 / (w * r)) / kMicroToBase);
        return kind == ActiveStageKind::Section ? SectionStage(rs, cs, 0, 0) : GroupStage(rs, cs);
    };
    if (poles.real > 0) {
        circuit.stages.push_back(stage(ActiveStageKind::FirstOrder, poles.real));
        circuit.stages.push_back(FollowerStage());
    }
    for (const auto& [omega, q] : poles.pairs) {
        ActiveStage s = stage(ActiveStageKind::Section, omega);
        // Q = 1 / (3 - K) with K = 1 + rFeedback / rGround.
        s.rGround = s.r[0];
        s.rFeedback = float(double(s.r[0]) * (2 - 1 / q));
        circuit.stages.push_back(s);
    }
    return circuit;
}

// The factor K(ws) of a response of order n whose attenuation is 10·lg(1 + ε²·K(Ω)²): Ω^n for Butterworth,
// the Chebyshev polynomial T_n(Ω) for Chebyshev, the least |R_n| of the stop band for the elliptic
// response with its stop band from ws on (ws > 1); infinite at an infinite ws.
double StopFactor(FilterFamily family, int n, double ws) {
    if (!std::isfinite(ws)) return HUGE_VAL;
    switch (family) {
        case FilterFamily::Butterworth:
            return std::pow(ws, n);
        case FilterFamily::Chebyshev:
            return std::cosh(n * std::acosh(ws));
        case FilterFamily::Elliptic:
            return EllipticStopFactor(n, ws);
        case FilterFamily::Bessel:
            break;
    }
    return 0;
}

// Where the ideal response of order n keeps both demands: the attenuation at the pass-band edge (dB) that
// the design aims at, the limit less the rounding guard where the stop band keeps its demand so, else the
// middle (in ε²) of what keeps both, so that the rounding has the same room on either side. Where no ε²
// keeps both, the middle splits the shortfall.
struct EdgePlacement {
    double db = 0;
    bool ideallyMet = false;
};
EdgePlacement PlaceEdge(const ResponseDemand& d, FilterFamily family, int n, double ws) {
    if (family == FilterFamily::Bessel) {
        // One shape: the edge placed where the attenuation is a, the stop band has what the shape gives
        // at ws times further. A guard below the limit where the stop band keeps its demand so, else the
        // middle of what keeps both (in dB).
        auto stop = [&](double a) {
            return std::isfinite(ws) ? BesselAttenuation(n, ws * BesselEdge(n, a)) : HUGE_VAL;
        };
        const double aimed = DesignAmin(d);
        if (stop(aimed) >= d.astop) return {aimed, true};
        if (stop(d.amin) < d.astop) return {d.amin, false};
        double lo = aimed, hi = d.amin;  // stop(lo) < astop <= stop(hi)
        for (int i = 0; i < 100 && hi - lo > 1e-12 * hi; ++i) {
            const double mid = (lo + hi) / 2;
            (stop(mid) < d.astop ? lo : hi) = mid;
        }
        return {(hi + d.amin) / 2, true};
    }
    const double most = PowerExcess(d.amin), factor = StopFactor(family, n, ws);
    const double least = PowerExcess(d.astop) / (factor * factor);
    double excess = PowerExcess(DesignAmin(d));
    if (excess < least) excess = std::sqrt(least * most);
    return {10 * std::log1p(excess) / std::log(10.0), least <= most};
}

// The values a circuit stores (a ladder's inductances and capacitances, an active filter's resistances and
// capacitances).
std::vector<float*> StoredValues(FilterCircuit& circuit) {
    std::vector<float*> values;
    if (auto* ladder = std::get_if<LadderCircuit>(&circuit)) {
        // A network's values are double: their rounding is far below the verdict's.
        for (LadderBranch& b : ladder->branches)
            ForEachElement(b, [&](ElementKind, auto& stored, double) {
                if constexpr (std::is_same_v<std::remove_cvref_t<decltype(stored)>, float>)
                    values.push_back(&stored);
            });
        return values;
    }
    for (ActiveStage& stage : std::get<ActiveCircuit>(circuit).stages) {
        for (int i = 0; i < FrequencyParts(stage.kind); ++i)
            values.insert(values.end(), {&stage.r[i], &stage.c[i]});
        if (stage.kind == ActiveStageKind::Section)
            values.insert(values.end(), {&stage.rFeedback, &stage.rGround});
    }
    return values;
}

// Where the ideal circuit keeps both demands by less than the rounding of its values to single precision
// moves its response (a few 1e-7 dB), the rounded circuit may miss one by a hair. The values are then
// moved one at a time to a neighbouring single, as long as that widens the narrower of the two margins,
// until the circuit keeps both. Returns whether it does.
bool RoundToMeet(FilterCircuit& circuit, const ResponseDemand& d) {
    auto room = [&] {
        const ResponseAnalysis a = AnalyseResponse(circuit, d);
        return std::min(a.passBand.margin, a.stopBand.margin);
    };
    double best = room();
    for (int sweep = 0; sweep < 4 && best < 0; ++sweep) {
        bool moved = false;
        for (float* value : StoredValues(circuit)) {
            const float kept = *value;
            for (float to : {std::nextafter(kept, HUGE_VALF), std::nextafter(kept, 0.0f)}) {
                *value = to;
                if (const double r = room(); r > best) {
                    best = r, moved = true;
                    break;
                }
                *value = kept;
            }
            if (best >= 0) break;
        }
        if (!moved) break;
    }
    return best >= 0;
}

// Equal terminations take odd orders of a Chebyshev or elliptic ladder.
bool OddOnly(FilterFamily family, const FilterCircuit& shown) {
    return (family == FilterFamily::Chebyshev || family == FilterFamily::Elliptic) &&
           std::holds_alternative<LadderCircuit>(shown);
}

}  // namespace

double ExactStopRatio(const ResponseDemand& d) {
    if (!Positive(d.amin) || !Positive(d.astop))
        Refuse("Для точного расчета затухания в полосах пропускания и задерживания должны быть больше нуля.");
    if (!(d.astop > d.amin))
        Refuse(
            "Для точного расчета затухание в полосе задерживания должно быть больше, чем в полосе "
            "пропускания.");
    const bool band = IsBandFilter(d.shape);
    if (!Positive(d.fs) || (band ? !Positive(d.fleft) || !(d.fright > d.fleft) : !Positive(d.f1)))
        Refuse("Для точного расчета частоты требований должны быть больше нуля, а полоса — шире нуля.");
    double ratio = 0;
    switch (d.shape) {
        case FilterType::LowPass:
            ratio = d.fs / d.f1;
            break;
        case FilterType::HighPass:
            ratio = d.f1 / d.fs;
            break;
        case FilterType::BandPass:
        case FilterType::BandStop: {
            // The transformation is symmetric about the centre on a logarithmic scale: a frequency and its
            // mirror image f0² / fs have the same detuning, so a band-pass demand below the band is judged
            // as one above it.
            const double f0 = std::sqrt(d.fleft * d.fright), b = d.fright - d.fleft;
            const double detune = std::abs(d.fs / f0 - f0 / d.fs) * f0 / b;
            if (d.shape == FilterType::BandPass) {
                ratio = d.fs > d.fright || d.fs < d.fleft ? detune : 0;
            } else {
                // At the centre of a band-stop the demand falls on the notch, where every order's
                // attenuation is infinite: the prototype's stop band starts at infinity.
                if (detune == 0) return HUGE_VAL;
                ratio = 1 / detune;
            }
            break;
        }
    }
    if (!(ratio > 1) || !std::isfinite(ratio))
        Refuse(
            "Частота задерживания лежит в полосе пропускания или на ее краю: такое требование не выполнит "
            "фильтр никакого порядка.");
    return ratio;
}

int MaxExactOrder(bool active) {
    return active ? kMaxActiveExactOrder : kMaxExactOrder;
}

int ExactOrder(const ResponseDemand& d, FilterFamily family) {
    const double ws = ExactStopRatio(d);
    if (family == FilterFamily::Bessel) {
        // The least order whose shape, its edge at the allowed attenuation, keeps the stop band's.
        for (int n = 1; n <= kBesselOrderSearch; ++n)
            if (!std::isfinite(ws) || BesselAttenuation(n, ws * BesselEdge(n, d.amin)) >= d.astop - 1e-6)
                return n;
        return kBesselOrderSearch + 1;
    }
    const double ratio = PowerExcess(d.astop) / PowerExcess(d.amin);
    double n = 0;
    switch (family) {
        case FilterFamily::Butterworth:
            n = std::log(ratio) / (2 * std::log(ws));
            break;
        case FilterFamily::Chebyshev:
            n = std::acosh(std::sqrt(ratio)) / std::acosh(ws);
            break;
        case FilterFamily::Elliptic:
            n = std::isfinite(ws) ? EllipticDegree(d.amin, d.astop, ws) : 0;
            break;
        case FilterFamily::Bessel:
            break;
    }
    if (!std::isfinite(n)) Refuse("Порядок фильтра для таких требований не вычисляется.");
    // A demand beyond a whole order by less than the rounding of the values may still be met by that
    // order: the verdict on its circuit decides.
    return std::max(1, int(std::min(std::ceil(n - 1e-6), 1e6)));
}

int ExactOrder(const ResponseDemand& d, FilterResponse response) {
    return ExactOrder(d, FamilyOf(response));
}

namespace {

void RefuseActive(const ResponseDemand& d, FilterFamily family, const FilterCircuit& shown) {
    if (std::holds_alternative<LadderCircuit>(shown)) return;
    if (IsBandFilter(d.shape)) Refuse("Активные полосовые и режекторные фильтры не рассчитываются.");
    if (family == FilterFamily::Elliptic)
        Refuse("Активные эллиптические фильтры не рассчитываются: выберите пассивный фильтр.");
}

// The design of order n, or nothing for an elliptic ladder of that order that no extraction realises with
// positive values; where its circuit misses the demand only by the rounding of its values, the rounding is
// chosen to meet it. *met tells whether the circuit meets the demand as the verdict judges it.
std::optional<FilterCircuit> DesignOfOrder(const ResponseDemand& d, FilterFamily family,
                                           const FilterCircuit& shown, int n, bool* met) {
    *met = false;
    RefuseActive(d, family, shown);
    const auto* ladder = std::get_if<LadderCircuit>(&shown);
    const double ws = ExactStopRatio(d);
    if (n < 1 || n > MaxExactOrder(!ladder) || (OddOnly(family, shown) && n % 2 == 0))
        throw RuntimeError(ErrorKind::InvalidArgument);
    if (ladder && !Positive(ladder->rn))
        Refuse("Сопротивление нагрузки не больше нуля: точный расчет невозможен.");
    const EdgePlacement edge = PlaceEdge(d, family, n, ws);
    std::optional<FilterCircuit> circuit;
    switch (family) {
        case FilterFamily::Butterworth:
        case FilterFamily::Chebyshev: {
            const FilterResponse response =
                family == FilterFamily::Butterworth ? FilterResponse::Butterworth : FilterResponse::Chebyshev;
            if (ladder)
                circuit = Ladder(d, PrototypeValues(response, n, edge.db), n, ladder->rn);
            else
                circuit = Active(d, Poles(response, n, edge.db), std::get<ActiveCircuit>(shown));
            break;
        }
        case FilterFamily::Elliptic: {
            // The selectivity of the demand itself; an infinite one (the notch of a band-stop) needs the
            // first order alone, whose response is the same for every selectivity.
            const std::optional<EllipticLadder> prototype =
                EllipticLowPass(n, edge.db, std::isfinite(ws) ? ws : 2.0);
            if (!prototype) return std::nullopt;
            circuit = EllipticCircuit(d, *prototype, ladder->rn);
            break;
        }
        case FilterFamily::Bessel:
            if (ladder)
                circuit = Ladder(d, BesselPrototype(n, edge.db), n, ladder->rn);
            else
                circuit = Active(d, BesselPoleSet(n, edge.db), std::get<ActiveCircuit>(shown));
            break;
    }
    *met = MeetsDemand(*circuit, d);
    if (!*met && edge.ideallyMet) {
        FilterCircuit rounded = *circuit;
        if ((*met = RoundToMeet(rounded, d))) return rounded;
    }
    return circuit;
}

}  // namespace

FilterCircuit ExactDesignOfOrder(const ResponseDemand& d, FilterFamily family, const FilterCircuit& shown,
                                 int n) {
    bool met = false;
    std::optional<FilterCircuit> circuit = DesignOfOrder(d, family, shown, n, &met);
    if (!circuit)
        Refuse("Эллиптический фильтр " + std::to_string(n) +
               "-го порядка с такими требованиями не строится лестничной схемой с положительными значениями "
               "элементов.");
    return std::move(*circuit);
}

FilterCircuit ExactDesignOfOrder(const ResponseDemand& d, FilterResponse response, const FilterCircuit& shown,
                                 int n) {
    return ExactDesignOfOrder(d, FamilyOf(response), shown, n);
}

FilterCircuit ExactDesign(const ResponseDemand& d, FilterFamily family, const FilterCircuit& shown) {
    RefuseActive(d, family, shown);
    const int most = MaxExactOrder(!std::holds_alternative<LadderCircuit>(shown));
    int n = ExactOrder(d, family);
    // Equal terminations need an odd order of a Chebyshev or elliptic ladder.
    const int step = OddOnly(family, shown) ? 2 : 1;
    if (step == 2 && n % 2 == 0) ++n;
    if (n > most) {
        const std::string needed = family == FilterFamily::Bessel && n > kBesselOrderSearch
                                       ? "выше " + std::to_string(kBesselOrderSearch)
                                       : std::to_string(n);
        Refuse("Для таких требований нужен фильтр " + needed +
               "-го порядка, а точный расчет строит фильтры не выше " + std::to_string(most) +
               "-го: ослабьте требования или раздвиньте частоты.");
    }
    // The least order whose circuit, with its values as stored, meets both demands as the verdict judges.
    for (; n <= most; n += step) {
        bool met = false;
        std::optional<FilterCircuit> circuit = DesignOfOrder(d, family, shown, n, &met);
        if (circuit && met) return std::move(*circuit);
    }
    Refuse("Точный расчет не нашел фильтра не выше " + std::to_string(most) +
           "-го порядка, который выполняет эти требования: ослабьте требования или раздвиньте частоты.");
}

FilterCircuit ExactDesign(const ResponseDemand& d, FilterResponse response, const FilterCircuit& shown) {
    return ExactDesign(d, FamilyOf(response), shown);
}

}  // namespace vokta
