#include "components/CoilWinding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vokta {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kMu0 = 4e-7 * kPi;  // H/m
constexpr double kMm = 1e-3;         // m per mm

// Carlson's symmetric elliptic integrals R_F(x, y, z) and R_D(x, y, z) by duplication (B. C. Carlson,
// "Numerical computation of real or complex elliptic integrals", Numerical Algorithms 10, 1995): each
// step moves the three arguments a quarter closer together; once they agree to 1e-3 the fifth-order
// series leaves an error far below double precision. At most one argument may be zero.
double CarlsonRF(double x, double y, double z) {
    for (;;) {
        const double sx = std::sqrt(x), sy = std::sqrt(y), sz = std::sqrt(z);
        const double lambda = sx * (sy + sz) + sy * sz;
        x = (x + lambda) / 4;
        y = (y + lambda) / 4;
        z = (z + lambda) / 4;
        const double mean = (x + y + z) / 3;
        const double dx = 1 - x / mean, dy = 1 - y / mean, dz = 1 - z / mean;
        if (std::max({std::fabs(dx), std::fabs(dy), std::fabs(dz)}) < 1e-3) {
            const double e2 = dx * dy - dz * dz, e3 = dx * dy * dz;
            return (1 + (e2 / 24 - 0.1 - 3.0 / 44 * e3) * e2 + e3 / 14) / std::sqrt(mean);
        }
    }
}

double CarlsonRD(double x, double y, double z) {
    double sum = 0, factor = 1;
    for (;;) {
        const double sx = std::sqrt(x), sy = std::sqrt(y), sz = std::sqrt(z);
        const double lambda = sx * (sy + sz) + sy * sz;
        sum += factor / (sz * (z + lambda));
        factor /= 4;
        x = (x + lambda) / 4;
        y = (y + lambda) / 4;
        z = (z + lambda) / 4;
        const double mean = (x + y + 3 * z) / 5;
        const double dx = 1 - x / mean, dy = 1 - y / mean, dz = 1 - z / mean;
        if (std::max({std::fabs(dx), std::fabs(dy), std::fabs(dz)}) < 1e-3) {
            constexpr double c1 = 3.0 / 14, c2 = 1.0 / 6, c3 = 9.0 / 22, c4 = 3.0 / 26;
            constexpr double c5 = 0.25 * c3, c6 = 1.5 * c4;
            const double ea = dx * dy, eb = dz * dz, ec = ea - eb, ed = ea - 6 * eb, ee = ed + ec + ec;
            const double series =
                1 + ed * (-c1 + c5 * ed - c6 * dz * ee) + dz * (c2 * ee + dz * (-c3 * ec + dz * c4 * ea));
            return 3 * sum + factor * series / (mean * std::sqrt(mean));
        }
    }
}

// Rosa's mutual-inductance correction for N round wires in place of a current sheet: the asymptotic
// series in 1/N (Grover), extended so that it gives exactly 0 for a single turn (D. W. Knight, "Rosa's
// mutual inductance correction for the round-wire solenoid", 2010); it matches Rosa's table (0.1137 for
// two turns, tending to ln 2π − 3/2 = 0.3379) to about 1e-8.
double RosaMutualCorrection(int turns) {
    const double n = turns;
    return std::log(2 * kPi) - 1.5 - std::log(n) / (6 * n) - 0.33084236 / n - 1 / (120 * std::pow(n, 3)) +
           1 / (504 * std::pow(n, 5)) - 0.0011923 / std::pow(n, 7) + 0.0005068 / std::pow(n, 9);
}

// The wire around one turn of a toroid: the centre line of a wire lying on the core's rectangular cross
// section, a rectangle with its corners rounded by half a wire.
double ToroidTurnMm(const ToroidCore& core, double overallMm) {
    return 2 * ((core.outerMm - core.innerMm) / 2 + core.heightMm) + kPi * overallMm;
}

// Fills in the turns either side and what the coil's inductance is for any number of turns.
template <typename InductanceOf>
CoilWinding Around(int turns, InductanceOf inductanceOf) {
    CoilWinding w;
    w.turns = turns;
    w.inductanceH = inductanceOf(turns);
    w.fewerH = turns > 1 ? inductanceOf(turns - 1) : 0;
    w.moreH = inductanceOf(turns + 1);
    return w;
}

}  // namespace

int NearestToroidTurns(double alHenry, double inductanceH) {
    const int below = std::max(1, int(std::floor(std::sqrt(inductanceH / alHenry))));
    const double errBelow = std::fabs(alHenry * below * below - inductanceH);
    const double errAbove = std::fabs(alHenry * (below + 1.0) * (below + 1.0) - inductanceH);
    return errAbove < errBelow ? below + 1 : below;
}

bool FitsOneLayer(const ToroidCore& core, int turns, double overallMm) {
    if (turns < 1 || !(overallMm > 0)) return false;
    if (turns == 1) return overallMm <= core.innerMm;
    // Chord between neighbouring centres on the circle of diameter ID - d.
    return (core.innerMm - overallMm) * std::sin(kPi / turns) >= overallMm;
}

std::optional<EnamelledWire> ThickestFittingWire(const ToroidCore& core, int turns) {
    const auto wires = EnamelledWires();
    for (auto it = wires.rbegin(); it != wires.rend(); ++it)
        if (FitsOneLayer(core, turns, it->overallMm)) return *it;
    return std::nullopt;
}

std::optional<CoilWinding> WindToroid(const ToroidCore& core, double inductanceH) {
    const double al = core.AlHenry();
    if (!(inductanceH > 0) || !(al > 0) || !(std::sqrt(inductanceH / al) < kMaxCoilTurns))
        return std::nullopt;
    CoilWinding w = Around(NearestToroidTurns(al, inductanceH), [al](int n) { return al * n * n; });
    w.tolerance = core.mix->alTolerance;
    w.wire = ThickestFittingWire(core, w.turns);
    if (w.wire) w.wireLengthMm = w.turns * ToroidTurnMm(core, w.wire->overallMm) + 2 * kCoilLeadMm;
    return w;
}

std::optional<ToroidCoil> WindOnSmallestCore(std::span<const ToroidCore> family, double inductanceH,
                                             double minWireMm) {
    for (const ToroidCore& core : family) {
        const std::optional<CoilWinding> w = WindToroid(core, inductanceH);
        if (w && w->wire && w->wire->nominalMm >= minWireMm - 5e-4) return ToroidCoil{core, *w};
    }
    return std::nullopt;
}

double NagaokaCoefficient(double diameterOverLength) {
    // Nagaoka's closed form in the complete elliptic integrals of modulus k, k² = d²/(d² + l²):
    // K_N = 4 / (3π k') · [(k'²/k²)(K − E) + E − k], with K = R_F(0, k'², 1), E = K − k²/3 · R_D(0, k'², 1).
    const double x2 = diameterOverLength * diameterOverLength;
    const double k2 = x2 / (1 + x2), kc2 = 1 / (1 + x2);
    const double K = CarlsonRF(0, kc2, 1);
    const double E = K - k2 / 3 * CarlsonRD(0, kc2, 1);
    const double kc = std::sqrt(kc2);
    return 4 / (3 * kPi * kc) * (kc2 / k2 * (K - E) + E - std::sqrt(k2));
}

double SolenoidInductance(double meanDiameterMm, double pitchMm, double conductorMm, int turns) {
    const double a = meanDiameterMm / 2 * kMm, length = turns * pitchMm * kMm, n = turns;
    const double sheet = kMu0 * kPi * a * a * n * n / length * NagaokaCoefficient(2 * a / length);
    // Rosa: the self-inductance of each round turn against a strip of the sheet one pitch wide
    // (5/4 − ln(2p/d)), and the mutual inductances of the turns against those of the strips.
    const double selfCorrection = 1.25 - std::log(2 * pitchMm / conductorMm);
    return sheet - kMu0 * a * n * (selfCorrection + RosaMutualCorrection(turns));
}

std::optional<CoilWinding> WindAirCore(double formerDiameterMm, const EnamelledWire& wire,
                                       double inductanceH) {
    if (!(inductanceH > 0) || !(formerDiameterMm > 0)) return std::nullopt;
    // Close-wound: the turns touch, one overall diameter apart, their centres half a wire off the former.
    const double pitch = wire.overallMm, mean = formerDiameterMm + wire.overallMm;
    auto inductanceOf = [&](int n) { return SolenoidInductance(mean, pitch, wire.nominalMm, n); };
    if (inductanceOf(kMaxCoilTurns) < inductanceH) return std::nullopt;
    // The inductance grows with every turn: the first count that reaches it, or the one before.
    int low = 0, high = 1;
    while (inductanceOf(high) < inductanceH) low = high, high = std::min(2 * high, kMaxCoilTurns);
    while (high - low > 1) {
        const int mid = low + (high - low) / 2;
        (inductanceOf(mid) < inductanceH ? low : high) = mid;
    }
    int turns = high;
    if (low >= 1 && inductanceH - inductanceOf(low) <= inductanceOf(high) - inductanceH) turns = low;
    CoilWinding w = Around(turns, inductanceOf);
    w.wire = wire;
    w.coilLengthMm = turns * pitch;
    w.wireLengthMm = turns * std::hypot(kPi * mean, pitch) + 2 * kCoilLeadMm;
    return w;
}

}  // namespace vokta
