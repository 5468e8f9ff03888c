#include "filters/FrequencyResponse.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "base/Checked.h"
#include "base/NumberText.h"
#include "base/RuntimeError.h"
#include "base/Units.h"

namespace vokta {

namespace {

using Complex = std::complex<double>;

using units::kKiloToBase;
using units::kMicroToBase;
using units::kTwoPi;  // the circuit's own frequency: a true 2π, not the design's 6.28

bool Positive(double x) {
    return std::isfinite(x) && x > 0;
}

// ---- Polynomials with real coefficients, lowest power first ---------------------------------------------

using Poly = std::vector<double>;

Poly operator+(const Poly& a, const Poly& b) {
    Poly r(std::max(a.size(), b.size()), 0.0);
    for (size_t i = 0; i < a.size(); ++i) r[i] += a[i];
    for (size_t i = 0; i < b.size(); ++i) r[i] += b[i];
    return r;
}

Poly operator*(const Poly& a, const Poly& b) {
    if (a.empty() || b.empty()) return {};
    Poly r(a.size() + b.size() - 1, 0.0);
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < b.size(); ++j) r[i + j] += a[i] * b[j];
    return r;
}

Complex Evaluate(const Poly& p, Complex z) {
    Complex r = 0;
    for (size_t i = p.size(); i-- > 0;) r = r * z + p[i];
    return r;
}

// Routh-Hurwitz: whether every root lies in the open left half-plane.
bool Hurwitz(Poly p) {
    while (!p.empty() && p.back() == 0) p.pop_back();
    if (p.size() <= 1) return true;
    if (p.back() < 0)
        for (double& c : p) c = -c;
    for (double c : p)
        if (!(c > 0)) return false;
    // Rows of the Routh array, highest power first.
    const int degree = int(p.size()) - 1;
    std::vector<double> upper, lower;
    for (int k = degree; k >= 0; k -= 2) upper.push_back(p[k]);
    for (int k = degree - 1; k >= 0; k -= 2) lower.push_back(p[k]);
    for (int row = degree - 1; row > 0; --row) {
        if (lower.empty() || !(lower[0] > 0)) return false;
        std::vector<double> next;
        for (size_t i = 0; i + 1 < upper.size(); ++i) {
            const double below = i + 1 < lower.size() ? lower[i + 1] : 0;
            next.push_back((lower[0] * upper[i + 1] - upper[0] * below) / lower[0]);
        }
        upper = std::move(lower);
        lower = std::move(next);
    }
    return !lower.empty() ? lower[0] > 0 : true;
}

// ---- Active circuits as polynomial blocks
// ------------------------------------------------------------------

// Each amplifier's output is an ideal source, so the circuit falls into blocks that end at an amplifier
// (or at the output): a chain of first-order groups, then perhaps a section that loads the chain. A block
// is written in the variable z = s for a low-pass and z = 1/s for a high-pass; then every element is a
// polynomial in z, and the map s -> 1/s keeps the left half-plane where it is, so a high-pass block is
// stable exactly when its polynomial in z is.
struct Block {
    double gain = 1;  // the block's transfer is gain / denominator(z)
    Poly denominator;
};

struct ChainMatrix {  // the two-port (ABCD) matrix of the group chain, polynomial in z
    Poly a{1}, b{0}, c{0}, d{1};
};

ChainMatrix Times(const ChainMatrix& x, const ChainMatrix& y) {
    return {x.a * y.a + x.b * y.c, x.a * y.b + x.b * y.d, x.c * y.a + x.d * y.c, x.c * y.b + x.d * y.d};
}

double Ohm(float kiloOhm) {
    return double(kiloOhm) * kKiloToBase;
}
double Farad(float microFarad) {
    return double(microFarad) * kMicroToBase;
}

double SectionGain(const ActiveStage& stage, int amplifier) {
    if (!(stage.rGround > 0))
        throw RuntimeError(ErrorKind::InvalidArgument,
                           "У усилителя DA" + std::to_string(amplifier) +
                               " нет резистора от инвертирующего входа на землю (его сопротивление не больше "
                               "нуля): усиление каскада не определено, АЧХ не построить.");
    if (!(stage.rFeedback >= 0))
        Fail(ErrorKind::InvalidArgument, "Сопротивление резистора делителя меньше нуля: АЧХ не построить.");
    return 1 + double(stage.rFeedback) / stage.rGround;
}

void CheckValues(const ActiveCircuit& circuit) {
    for (const ActiveStage& stage : circuit.stages)
        for (int i = 0; i < FrequencyParts(stage.kind); ++i)
            if (!Positive(stage.r[i]) || !Positive(stage.c[i]))
                Fail(ErrorKind::InvalidArgument,
                     "В схеме есть резистор или конденсатор со значением не больше нуля: АЧХ не построить.");
}

std::vector<Block> Blocks(const ActiveCircuit& circuit) {
    CheckValues(circuit);
    std::vector<Block> blocks;
    ChainMatrix chain;
    bool chainOpen = false;
    int amplifier = 0;
    for (const ActiveStage& stage : circuit.stages) {
        if (stage.kind == ActiveStageKind::FirstOrder) {
            // Low-pass: R in series, C to ground. High-pass in z = 1/s: C in series (impedance z / C), R to
            // ground.
            const double r = Ohm(stage.r[0]), c = Farad(stage.c[0]), tau = r * c;
            ChainMatrix group = circuit.highPass ? ChainMatrix{{1, 1 / tau}, {0, 1 / c}, {1 / r}, {1}}
                                                 : ChainMatrix{{1, tau}, {r}, {0, c}, {1}};
            chain = Times(chain, group);
            chainOpen = true;
            continue;
        }
        ++amplifier;
        if (stage.kind == ActiveStageKind::Follower) {
            // The groups before it see no load; it drives what follows from an ideal source.
            blocks.push_back({1, chain.a});
            chain = ChainMatrix{};
            chainOpen = false;
            continue;
        }
        const double k = SectionGain(stage, amplifier);
        const double r1 = Ohm(stage.r[0]), r2 = Ohm(stage.r[1]), c1 = Farad(stage.c[0]),
                     c2 = Farad(stage.c[1]);
        // The section's own characteristic polynomial D and its input admittance Ny / D; Vout = K·Vin / D.
        // Low-pass (R1, R2 in the line, C1 to the output, C2 to ground):
        //   D = 1 + s·(R1·C2 + R2·C2 + (1 - K)·R1·C1) + s²·R1·R2·C1·C2,
        //   Ny = s·(C2 + (1 - K)·C1) + s²·R2·C1·C2.
        // High-pass (C1, C2 in the line, R1 to the output, R2 to ground), in z = 1/s:
        //   D = 1 + z·(1/(R2·C2) + 1/(R2·C1) + (1 - K)/(R1·C1)) + z²/(R1·R2·C1·C2),
        //   Ny = 1/R2 + (1 - K)/R1 + z/(R1·R2·C2).
        // With equal parts and x = s·RC these are D = x² + (3 - K)·x + 1 and Ny = (x² + (2 - K)·x) / R.
        Poly sectionD, ny;
        if (circuit.highPass) {
            sectionD = {1, 1 / (r2 * c2) + 1 / (r2 * c1) + (1 - k) / (r1 * c1), 1 / (r1 * r2 * c1 * c2)};
            ny = {1 / r2 + (1 - k) / r1, 1 / (r1 * r2 * c2)};
        } else {
            sectionD = {1, r1 * c2 + r2 * c2 + (1 - k) * r1 * c1, r1 * r2 * c1 * c2};
            ny = {0, c2 + (1 - k) * c1, r2 * c1 * c2};
        }
        // Vin = A·Vx + B·Ix with Ix = Vx·Ny / D and Vout = K·Vx / D.
        blocks.push_back({k, chain.a * sectionD + chain.b * ny});
        chain = ChainMatrix{};
        chainOpen = false;
    }
    if (chainOpen) blocks.push_back({1, chain.a});  // groups at the output, unloaded
    return blocks;
}

Complex Variable(const ActiveCircuit& circuit, double f) {
    const Complex s(0, kTwoPi * f);
    return circuit.highPass ? 1.0 / s : s;
}

// ---- Ladders ----------------------------------------------------------------------------------------------

// Whether every combination of an arm joins at least one network.
bool Joined(const Arm& arm) {
    if (arm.join == Arm::Join::Element) return true;
    if (arm.parts.empty()) return false;
    for (const Arm& part : arm.parts)
        if (!Joined(part)) return false;
    return true;
}

void CheckValues(const LadderCircuit& circuit) {
    if (!Positive(circuit.rn))
        Fail(ErrorKind::InvalidArgument, "Сопротивление нагрузки не больше нуля: АЧХ не построить.");
    for (const LadderBranch& b : circuit.branches) {
        if (b.parts == BranchParts::Network && !Joined(b.arm))
            Fail(ErrorKind::InvalidArgument, "В схеме есть пустая ветвь: АЧХ не построить.");
        ForEachElement(b, [](ElementKind kind, double stored, double) {
            if (!Positive(stored))
                Fail(ErrorKind::InvalidArgument,
                     kind == ElementKind::Resistor
                         ? "В схеме есть резистор со значением не больше нуля: АЧХ не построить."
                         : "В схеме есть катушка или конденсатор со значением не больше нуля: АЧХ не "
                           "построить.");
        });
    }
}

// ---- The sweep and the verdict -------------------------------------------------------------------------

// n + 1 frequencies from 'from' to 'to', equally spaced on a logarithmic scale.
std::vector<double> LogGrid(double from, double to, int n) {
    std::vector<double> f;
    const double ratio = std::log(to / from);
    for (int i = 0; i <= n; ++i) f.push_back(i == n ? to : from * std::exp(ratio * i / n));
    return f;
}

int StepsFor(const Interval& band) {
    // 200 points a decade, and never fewer than 200 across a narrow band.
    return std::max(200, int(std::ceil(200 * std::log10(band.to / band.from))));
}

double Round1(double x) {
    const double r = std::round(x * 10) / 10;
    return r == 0 ? 0 : r;  // no "-0.0"
}

DemandCheck Judge(double worst, double at, double limit, bool passBand) {
    DemandCheck check;
    check.attenuation = worst;
    check.frequency = at;
    check.limit = limit;
    check.margin = passBand ? limit - worst : worst - limit;
    check.met = check.margin >= 0;  // 3.03 dB against 3 dB is a miss, however it is shown
    return check;
}

std::string Format(const char* format, double x) {
    return FormatC(format, x);
}

// A limit as the user gave it: "3", "0.5", "40".
std::string LimitText(double x, const NumberFormat& format) {
    return FormatLocale("%.7g", x, format);
}

double Round2(double x) {
    const double r = std::round(x * 100) / 100;
    return r == 0 ? 0 : r;
}

std::string DemandText(const char* band, const char* bound, const char* limitWord, const DemandCheck& check,
                       const char* shortfallWord, const NumberFormat& format) {
    // A margin under a tenth of a dB is shown to hundredths, so that a miss never reads as "0.0".
    const bool fine = std::abs(check.margin) < 0.1;
    auto db = [&](double x) {
        return fine ? FormatLocale("%.2f", Round2(x), format) : FormatLocale("%.1f", Round1(x), format);
    };
    std::string s = std::string(band) + ": " + bound + " " + db(check.attenuation) + " дБ (" + limitWord +
                    " " + LimitText(check.limit, format) + " дБ) — ";
    if (check.met) return s + "выполнено, запас " + db(check.margin) + " дБ.";
    const std::string shortfall =
        Round2(-check.margin) == 0 ? "менее " + FormatLocale("%.2f", 0.01, format) : db(-check.margin);
    return s + "не выполнено, " + shortfallWord + " " + shortfall + " дБ.";
}

}  // namespace

// ---- Response ------------------------------------------------------------------------------------------

std::complex<double> ArmImpedance(const Arm& arm, double w) {
    switch (arm.join) {
        case Arm::Join::Element:
            switch (arm.kind) {
                case ElementKind::Inductor:
                    return {0, w * arm.value};
                case ElementKind::Capacitor:
                case ElementKind::VariableCapacitor:
                    return {0, -1 / (w * arm.value)};
                default:
                    return arm.value;
            }
        case Arm::Join::Series: {
            Complex z = 0;
            for (const Arm& part : arm.parts) z += ArmImpedance(part, w);
            return z;
        }
        case Arm::Join::Parallel:
            break;
    }
    return 1.0 / ArmAdmittance(arm, w);
}

std::complex<double> ArmAdmittance(const Arm& arm, double w) {
    switch (arm.join) {
        case Arm::Join::Element:
            switch (arm.kind) {
                case ElementKind::Inductor:
                    return {0, -1 / (w * arm.value)};
                case ElementKind::Capacitor:
                case ElementKind::VariableCapacitor:
                    return {0, w * arm.value};
                default:
                    return 1 / arm.value;
            }
        case Arm::Join::Parallel: {
            Complex y = 0;
            for (const Arm& part : arm.parts) y += ArmAdmittance(part, w);
            return y;
        }
        case Arm::Join::Series:
            break;
    }
    return 1.0 / ArmImpedance(arm, w);
}

namespace {

// An arm's reactance X (its impedance jX) at w, lossless: an inductor w·L, a capacitor -1/(w·C), a series
// combination the sum, a parallel one 1/Σ(1/X).
double ArmReactance(const Arm& arm, double w) {
    switch (arm.join) {
        case Arm::Join::Element:
            return arm.kind == ElementKind::Inductor ? w * arm.value : -1 / (w * arm.value);
        case Arm::Join::Series: {
            double x = 0;
            for (const Arm& part : arm.parts) x += ArmReactance(part, w);
            return x;
        }
        case Arm::Join::Parallel:
            break;
    }
    double inverse = 0;
    for (const Arm& part : arm.parts) inverse += 1 / ArmReactance(part, w);
    return 1 / inverse;
}

bool HasResistor(const Arm& arm) {
    if (arm.join == Arm::Join::Element) return arm.kind == ElementKind::Resistor;
    for (const Arm& part : arm.parts)
        if (HasResistor(part)) return true;
    return false;
}

bool Lossless(const LadderCircuit& circuit) {
    for (const LadderBranch& b : circuit.branches)
        if (b.parts == BranchParts::Network && HasResistor(b.arm)) return false;
    return true;
}

// The attenuation of a ladder with losses, by the complex chain matrix.
double LossyAttenuation(const LadderCircuit& circuit, double f);

// The attenuation of a lossless ladder. At s = jω its chain matrix is [A jB; jC D] with A, B, C, D real;
// these are the very products the complex chain computes, whose other parts are exact zeros, so the
// figure is the complex computation's to the last bit, at a fraction of its cost.
double LosslessAttenuation(const LadderCircuit& circuit, double f) {
    const double w = kTwoPi * f;
    double a = 1, b = 0, c = 0, d = 1;
    for (const LadderBranch& branch : circuit.branches) {
        const double xl = w * (double(branch.l) * kMicroToBase);  // the reactance of the inductor
        const double bc = w * (double(branch.c) * kMicroToBase);  // the susceptance of the capacitor
        if (branch.place == BranchPlace::Series) {
            double x = 0;
            switch (branch.parts) {
                case BranchParts::L:
                    x = xl;
                    break;
                case BranchParts::C:
                    x = -1 / bc;
                    break;
                case BranchParts::SeriesLC:
                    x = xl + -1 / bc;
                    break;
                case BranchParts::ParallelLC:
                    x = -1 / (bc + -1 / xl);
                    break;
                case BranchParts::Network:
                    x = ArmReactance(branch.arm, w);
                    break;
            }
            // [A jB; jC D] · [1 jx; 0 1]
            b += a * x;
            d -= c * x;
        } else {
            double y = 0;
            switch (branch.parts) {
                case BranchParts::L:
                    y = -1 / xl;
                    break;
                case BranchParts::C:
                    y = bc;
                    break;
                case BranchParts::SeriesLC:
                    y = -1 / (xl + -1 / bc);
                    break;
                case BranchParts::ParallelLC:
                    y = bc + -1 / xl;
                    break;
                case BranchParts::Network:
                    y = -1 / ArmReactance(branch.arm, w);
                    break;
            }
            // [A jB; jC D] · [1 0; jy 1]
            a -= b * y;
            c += d * y;
        }
    }
    const double rn = circuit.rn;
    const double ratio = std::hypot((a + d) / 2.0, (b / rn + rn * c) / 2.0);
    if (!std::isfinite(ratio)) return kAttenuationCeilingDb;  // exactly on an attenuation pole
    return std::min(kAttenuationCeilingDb, 20 * std::log10(ratio));
}

}  // namespace

double LadderAttenuation(const LadderCircuit& circuit, double f) {
    return Lossless(circuit) ? LosslessAttenuation(circuit, f) : LossyAttenuation(circuit, f);
}

namespace {

double LossyAttenuation(const LadderCircuit& circuit, double f) {
    const double w = kTwoPi * f;
    const Complex j(0, 1);
    // The chain matrix [A B; C D] of the ladder from the input to the output.
    Complex a = 1, b = 0, c = 0, d = 1;
    for (const LadderBranch& branch : circuit.branches) {
        const Complex zl = j * w * (double(branch.l) * kMicroToBase);
        const Complex yc = j * w * (double(branch.c) * kMicroToBase);
        if (branch.place == BranchPlace::Series) {
            Complex z;
            switch (branch.parts) {
                case BranchParts::L:
                    z = zl;
                    break;
                case BranchParts::C:
                    z = 1.0 / yc;
                    break;
                case BranchParts::SeriesLC:
                    z = zl + 1.0 / yc;
                    break;
                case BranchParts::ParallelLC:
                    z = 1.0 / (yc + 1.0 / zl);
                    break;
                case BranchParts::Network:
                    z = ArmImpedance(branch.arm, w);
                    break;
            }
            // [A B; C D] · [1 z; 0 1]
            b += a * z;
            d += c * z;
        } else {
            Complex y;
            switch (branch.parts) {
                case BranchParts::L:
                    y = 1.0 / zl;
                    break;
                case BranchParts::C:
                    y = yc;
                    break;
                case BranchParts::SeriesLC:
                    y = 1.0 / (zl + 1.0 / yc);
                    break;
                case BranchParts::ParallelLC:
                    y = yc + 1.0 / zl;
                    break;
                case BranchParts::Network:
                    y = ArmAdmittance(branch.arm, w);
                    break;
            }
            // [A B; C D] · [1 0; y 1]
            a += b * y;
            c += d * y;
        }
    }
    // Vs = Vout·(A + B/Rn + Rn·C + D) for source and load both Rn; the matched output is Vs / 2.
    const double rn = circuit.rn;
    const double ratio = std::abs((a + b / rn + rn * c + d) / 2.0);
    if (!std::isfinite(ratio)) return kAttenuationCeilingDb;  // exactly on an attenuation pole
    return std::min(kAttenuationCeilingDb, 20 * std::log10(ratio));
}

}  // namespace

std::complex<double> ActiveTransfer(const ActiveCircuit& circuit, double f) {
    const Complex z = Variable(circuit, f);
    Complex h = 1;
    for (const Block& block : Blocks(circuit)) h *= block.gain / Evaluate(block.denominator, z);
    return h;
}

double ActiveNominalGain(const ActiveCircuit& circuit) {
    double k = 1;
    int amplifier = 0;
    for (const ActiveStage& stage : circuit.stages) {
        if (stage.kind == ActiveStageKind::FirstOrder) continue;
        ++amplifier;
        if (stage.kind == ActiveStageKind::Section) k *= SectionGain(stage, amplifier);
    }
    return k;
}

double ActiveGroupDelay(const ActiveCircuit& circuit, double f) {
    // H = Π K / D(z): the phase is -Σ arg D(z(ω)), so the delay is Σ Im(D'(z)·z'(ω) / D(z)), with z = jω
    // (z' = j) for a low-pass and z = 1/(jω) (z' = j/ω²) for a high-pass.
    const double w = kTwoPi * f;
    const Complex z = Variable(circuit, f),
                  slope = circuit.highPass ? Complex(0, 1 / (w * w)) : Complex(0, 1);
    double delay = 0;
    for (const Block& block : Blocks(circuit)) {
        const Poly& d = block.denominator;
        Complex value = 0, derivative = 0;
        for (size_t i = d.size(); i-- > 0;) {
            derivative = derivative * z + value;
            value = value * z + d[i];
        }
        delay += (derivative * slope / value).imag();
    }
    return delay;
}

bool ActiveCircuitStable(const ActiveCircuit& circuit) {
    for (const Block& block : Blocks(circuit))
        if (!Hurwitz(block.denominator)) return false;
    return true;
}

DemandBands BandsOf(const ResponseDemand& d) {
    constexpr double kSpan = 1000;  // three decades
    switch (d.shape) {
        case FilterType::LowPass:
            return {{{d.f1 / kSpan, d.f1}}, {{d.fs, d.fs * kSpan}}};
        case FilterType::HighPass:
            return {{{d.f1, d.f1 * kSpan}}, {{d.fs / kSpan, d.fs}}};
        case FilterType::BandPass:
            // The stop band on the side of the band where fs lies.
            if (d.fs < d.fleft) return {{{d.fleft, d.fright}}, {{d.fs / kSpan, d.fs}}};
            return {{{d.fleft, d.fright}}, {{d.fs, d.fs * kSpan}}};
        case FilterType::BandStop: {
            const double mirror = d.fleft * d.fright / d.fs;  // f0² / fs
            return {{{d.fleft / kSpan, d.fleft}, {d.fright, d.fright * kSpan}},
                    {{std::min(d.fs, mirror), std::max(d.fs, mirror)}}};
        }
    }
    return {};
}

std::vector<double> JudgingGrid(const Interval& band) {
    return LogGrid(band.from, band.to, StepsFor(band));
}

namespace {

void CheckDemand(const ResponseDemand& demand) {
    const bool band = IsBandFilter(demand.shape);
    if (!Positive(demand.fs) ||
        (band ? !Positive(demand.fleft) || !Positive(demand.fright) : !Positive(demand.f1)))
        Fail(ErrorKind::InvalidArgument,
             "Частоты требований к фильтру должны быть больше нуля: АЧХ не построить.");
}

// The attenuation AttenuationOf gives, called directly where the circuit outlives it: a ladder's without
// a function object between.
struct Attenuator {
    const LadderCircuit* ladder = nullptr;
    bool lossless = false;
    std::function<double(double)> other;
    double operator()(double f) const {
        if (!ladder) return other(f);
        return lossless ? LosslessAttenuation(*ladder, f) : LossyAttenuation(*ladder, f);
    }
};

Attenuator AttenuatorOf(const FilterCircuit& circuit, const ResponseDemand& demand) {
    if (const auto* ladder = std::get_if<LadderCircuit>(&circuit)) {
        CheckDemand(demand);
        CheckValues(*ladder);
        return {ladder, Lossless(*ladder), {}};
    }
    return {nullptr, false, AttenuationOf(circuit, demand)};
}

}  // namespace

std::function<double(double)> AttenuationOf(const FilterCircuit& circuit, const ResponseDemand& demand) {
    CheckDemand(demand);
    const DemandBands bands = BandsOf(demand);

    // The attenuation at a frequency, relative to the circuit's pass-band reference.
    if (const auto* ladder = std::get_if<LadderCircuit>(&circuit)) {
        CheckValues(*ladder);
        if (Lossless(*ladder)) return [ladder = *ladder](double f) { return LosslessAttenuation(ladder, f); };
        return [ladder = *ladder](double f) { return LossyAttenuation(ladder, f); };
    } else {
        const ActiveCircuit& active = std::get<ActiveCircuit>(circuit);
        const std::vector<Block> blocks = Blocks(active);
        for (size_t i = 0; i < blocks.size(); ++i)
            if (!Hurwitz(blocks[i].denominator))
                Fail(ErrorKind::InvalidArgument,
                     "Фильтр неустойчив: усиление одного из каскадов так велико, что он возбуждается. "
                     "АЧХ у такой схемы нет.");
        // |Vout / Vin|: each block's |D(z)| at z = j·zi by Horner's rule in real arithmetic.
        auto gain = [highPass = active.highPass, blocks](double f) {
            const double w = kTwoPi * f, zi = highPass ? -1 / w : w;
            double g = 1;
            for (const Block& block : blocks) {
                double re = 0, im = 0;
                for (size_t i = block.denominator.size(); i-- > 0;) {
                    const double next = block.denominator[i] - im * zi;
                    im = re * zi;
                    re = next;
                }
                g *= block.gain / std::sqrt(re * re + im * im);
            }
            return g;
        };
        // The largest gain in the pass band: the best point of a fine sweep, then the peak near it found
        // exactly (golden-section search between the neighbouring points).
        double reference = ActiveNominalGain(active);
        for (const Interval& pass : bands.pass) {
            // The same band's grid for every circuit of a tolerance run: kept from the last call.
            thread_local Interval gridBand;
            thread_local std::vector<double> grid;
            if (grid.empty() || gridBand.from != pass.from || gridBand.to != pass.to) {
                grid = JudgingGrid(pass);
                gridBand = pass;
            }
            size_t best = 0;
            double bestGain = gain(grid[0]);
            for (size_t i = 1; i < grid.size(); ++i)
                if (const double g = gain(grid[i]); g > bestGain) best = i, bestGain = g;
            double lo = std::log(grid[best > 0 ? best - 1 : 0]),
                   hi = std::log(grid[std::min(best + 1, grid.size() - 1)]);
            const double ratio = (std::sqrt(5.0) - 1) / 2;
            for (int step = 0; step < 60; ++step) {
                const double a = hi - ratio * (hi - lo), b = lo + ratio * (hi - lo);
                if (gain(std::exp(a)) < gain(std::exp(b)))
                    lo = a;
                else
                    hi = b;
            }
            reference = std::max({reference, bestGain, gain(std::exp((lo + hi) / 2))});
        }
        return [gain, reference](double f) {
            const double g = gain(f);
            if (!(g > 0)) return kAttenuationCeilingDb;
            return std::min(kAttenuationCeilingDb, 20 * std::log10(reference / g));
        };
    }
}

Interval SweepSpan(const ResponseDemand& demand) {
    Interval span;
    switch (demand.shape) {
        case FilterType::LowPass:
            span.from = std::min(demand.f1, demand.fs) / 10;
            span.to = std::max(demand.f1, demand.fs) * 4;
            break;
        case FilterType::HighPass:
            span.from = std::min(demand.f1, demand.fs) / 4;
            span.to = std::max(demand.f1, demand.fs) * 10;
            break;
        case FilterType::BandPass:
        case FilterType::BandStop: {
            // Symmetric about the centre on the logarithmic scale: the band filters are.
            const double f0 = std::sqrt(demand.fleft * demand.fright);
            double reach = std::max({demand.fright / f0, f0 / demand.fleft, demand.fs / f0, f0 / demand.fs});
            reach = std::pow(std::max(reach, 1.01), demand.shape == FilterType::BandPass ? 2.0 : 3.0);
            span.from = f0 / reach;
            span.to = f0 * reach;
            break;
        }
    }
    return span;
}

DemandJudgement JudgeResponse(const FilterCircuit& circuit, const ResponseDemand& demand) {
    const DemandBands bands = BandsOf(demand);
    const Attenuator attenuation = AttenuatorOf(circuit, demand);
    // The worst attenuation over a band: the largest in the pass band, the smallest in the stop band.
    auto worst = [&](const std::vector<Interval>& intervals, bool largest, double limit) {
        double worstA = largest ? -1e9 : 1e9, at = 0;
        for (const Interval& interval : intervals)
            for (double f : JudgingGrid(interval)) {
                const double a = attenuation(f);
                if (largest ? a > worstA : a < worstA) worstA = a, at = f;
            }
        return Judge(worstA, at, limit, largest);
    };
    return {worst(bands.pass, true, demand.amin), worst(bands.stop, false, demand.astop)};
}

ResponseAnalysis AnalyseResponse(const FilterCircuit& circuit, const ResponseDemand& demand) {
    const bool band = IsBandFilter(demand.shape);
    const Attenuator attenuation = AttenuatorOf(circuit, demand);

    ResponseAnalysis result;
    const DemandJudgement judged = JudgeResponse(circuit, demand);
    result.passBand = judged.passBand;
    result.stopBand = judged.stopBand;

    const Interval span = SweepSpan(demand);
    result.fmin = span.from;
    result.fmax = span.to;
    std::vector<double> frequencies = LogGrid(result.fmin, result.fmax, 600);
    // The edges and the stop-band frequency exactly, so the curve passes through the figures of the verdict.
    std::vector<double> marks{demand.fs, result.passBand.frequency, result.stopBand.frequency};
    if (band) {
        marks.push_back(demand.fleft);
        marks.push_back(demand.fright);
    } else {
        marks.push_back(demand.f1);
    }
    // Into the sorted sweep, once each.
    for (double f : marks)
        if (f > result.fmin && f < result.fmax)
            if (const auto at = std::lower_bound(frequencies.begin(), frequencies.end(), f);
                at == frequencies.end() || *at != f)
                frequencies.insert(at, f);
    for (double f : frequencies) result.curve.push_back({f, attenuation(f)});
    return result;
}

// ---- Texts ---------------------------------------------------------------------------------------------

std::string PassBandVerdict(const DemandCheck& passBand, const NumberFormat& format) {
    return DemandText("Полоса пропускания", "до", "допустимо", passBand, "превышение", format);
}

std::string StopBandVerdict(const DemandCheck& stopBand, const NumberFormat& format) {
    return DemandText("Полоса задерживания", "от", "требуется", stopBand, "не хватает", format);
}

std::string VerdictText(const DemandCheck& passBand, const DemandCheck& stopBand,
                        const NumberFormat& format) {
    return PassBandVerdict(passBand, format) + "   " + StopBandVerdict(stopBand, format);
}

std::string CircuitHeading(const FilterCircuit& circuit, FilterType shape) {
    static const char* const kinds[] = {"фильтр нижних частот", "фильтр верхних частот", "полосовой фильтр",
                                        "режекторный фильтр"};
    const char* kind = kinds[int(shape)];
    if (const auto* ladder = std::get_if<LadderCircuit>(&circuit)) {
        const int n = int(ladder->branches.size());
        const bool band = IsBandFilter(shape);
        return std::string("Пассивный ") + kind + (band ? ", порядок прототипа " : ", порядок ") +
               std::to_string(n);
    }
    int order = 0;
    for (const ActiveStage& stage : std::get<ActiveCircuit>(circuit).stages)
        order += stage.kind == ActiveStageKind::Section      ? 2
                 : stage.kind == ActiveStageKind::FirstOrder ? 1
                                                             : 0;
    return std::string("Активный ") + kind + ", порядок " + std::to_string(order);
}

std::vector<double> FrequencyTicks(double fmin, double fmax) {
    // Mantissas of round numbers within a decade, from sparse to dense.
    static const std::vector<std::vector<double>> steps = {
        {1},
        {1, 2, 5},
        {1, 1.5, 2, 3, 5, 7},
        {1, 2, 3, 4, 5, 6, 7, 8, 9},
        {1, 1.1, 1.2, 1.3, 1.4, 1.5, 1.6, 1.7, 1.8, 1.9, 2, 3, 4, 5, 6, 7, 8, 9},
        {1,   1.1, 1.2, 1.3, 1.4, 1.5, 1.6, 1.7, 1.8, 1.9, 2,   2.2, 2.4, 2.6, 2.8, 3, 3.2, 3.4,
         3.6, 3.8, 4,   4.2, 4.4, 4.6, 4.8, 5,   5.5, 6,   6.5, 7,   7.5, 8,   8.5, 9, 9.5},
    };
    if (!(fmin > 0) || !(fmax > fmin)) return {};
    const double span = std::log10(fmax / fmin);
    // Neighbouring labels at least 1/11 of the axis apart, and no more than 12 of them.
    const double minGap = span / 11;
    std::vector<double> best;
    for (const auto& mantissas : steps) {
        std::vector<double> ticks;
        for (int e = int(std::floor(std::log10(fmin))) - 1; e <= int(std::ceil(std::log10(fmax))); ++e)
            for (double m : mantissas) {
                // Rounded to the mantissa's digits so that 0.3·10 is 3 exactly.
                const double f = ParseNumber(Format("%.3g", m * std::pow(10.0, e)));
                if (f >= fmin * (1 - 1e-9) && f <= fmax * (1 + 1e-9)) ticks.push_back(f);
            }
        bool crowded = ticks.size() > 12;
        for (size_t i = 1; i < ticks.size() && !crowded; ++i)
            crowded = std::log10(ticks[i] / ticks[i - 1]) < minGap;
        if (crowded) break;
        if (ticks.size() >= best.size()) best = ticks;
    }
    if (best.empty()) {
        // A span of more than a dozen decades: every few decades.
        const int step = int(std::ceil(span / 10));
        for (int e = int(std::ceil(std::log10(fmin) - 1e-9)); e <= int(std::floor(std::log10(fmax) + 1e-9));
             ++e)
            if (e % step == 0) best.push_back(ParseNumber(Format("%.0e", std::pow(10.0, e))));
    }
    return best;
}

std::string FrequencyLabel(double hz, const NumberFormat& format) {
    if (hz < 1) return FormatLocale("%.3g", hz, format);
    if (std::round(hz) != hz || hz < 10000) return FormatLocale("%.6g", hz, format);
    // Groups of three digits apart, as numbers of five digits and more are written.
    std::string digits = Format("%.0f", hz), s;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) s += format.group;
        s += digits[i];
    }
    return s;
}

}  // namespace vokta
