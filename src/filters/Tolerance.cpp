#include "filters/Tolerance.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <random>
#include <type_traits>

#include "base/RuntimeError.h"
#include "base/Units.h"
#include "filters/FrequencyResponse.h"

namespace vokta {

namespace {

using units::kMicroToBase;
using units::kTwoPi;

// The draw's seed: fixed, so that a design always gives the same figures.
constexpr std::uint64_t kSeed = 0x566f6b7461ull;

// A uniform number in [-1, 1) from 53 random bits, the same with every standard library.
double Uniform(std::mt19937_64& random) {
    return double(random() >> 11) * 0x1.0p-52 - 1;
}

float Drawn(float value, double tolerance, std::mt19937_64& random) {
    return float(double(value) * (1 + tolerance * Uniform(random)));
}

FilterCircuit Draw(const FilterCircuit& circuit, double tolerance, std::mt19937_64& random,
                   const std::vector<double>& partTolerances) {
    FilterCircuit drawn = circuit;
    if (auto* ladder = std::get_if<LadderCircuit>(&drawn)) {
        // In the order of the parts list; a simple branch keeps its single precision.
        size_t part = 0;
        for (LadderBranch& b : ladder->branches)
            ForEachElement(b, [&](ElementKind, auto& stored, double) {
                const double t = part < partTolerances.size() ? partTolerances[part] : tolerance;
                ++part;
                if constexpr (std::is_same_v<std::remove_cvref_t<decltype(stored)>, float>)
                    stored = Drawn(stored, t, random);
                else
                    stored *= 1 + t * Uniform(random);
            });
    } else {
        // Every resistor and capacitor on its own, a section's two of a kind as well.
        for (ActiveStage& stage : std::get<ActiveCircuit>(drawn).stages) {
            for (int i = 0; i < FrequencyParts(stage.kind); ++i) {
                stage.r[i] = Drawn(stage.r[i], tolerance, random);
                stage.c[i] = Drawn(stage.c[i], tolerance, random);
            }
            if (stage.kind == ActiveStageKind::Section) {
                stage.rFeedback = Drawn(stage.rFeedback, tolerance, random);
                stage.rGround = Drawn(stage.rGround, tolerance, random);
            }
        }
    }
    return drawn;
}

// ---- A ladder judged quickly
// ---------------------------------------------------------------------------
//
// At s = jω the chain matrix of a lossless ladder is [A jB; jC D] with A, B, C, D real, so it takes real
// arithmetic alone, and many frequencies go through each element at once. A ladder with resistors (its
// parts' losses) takes the same runs in complex arithmetic, real and imaginary parts side by side. The figure
// agrees with LadderAttenuation to rounding; where it lies within a hair of a limit, LadderAttenuation
// decides, so the judgement is the verdict's own.

// A network arm as a program on a stack of reactances (postfix): an inductor pushes ω·L, a capacitor
// -1/(ω·C), a series join of k replaces the top k by their sum, a parallel join by 1/Σ(1/X).
// In a lossy ladder the stack holds complex impedances or admittances, whichever its join sums: a series
// join's parts push impedances (ZL jω·L, ZC -j/(ω·C), ZR R), a parallel join's admittances (YL -j/(ω·L),
// YC jω·C, YR 1/R); Sum adds the top k, Invert turns the top over where a join's result is wanted the
// other way (so that a coil with its series resistor, or a capacitor with its parallel one, takes no
// division at all).
struct ArmOp {
    enum Code : std::uint8_t { L, C, Series, Parallel, ZL, ZC, ZR, YL, YC, YR, Sum, Invert } code;
    int count;     // of a join or a sum
    double value;  // L: L (H), C: 1/C; ZL L, ZC 1/C, ZR R, YL 1/L, YC C, YR 1/R
};

struct Element {
    BranchPlace place;
    BranchParts parts;
    double l, invL, c, invC;  // H, 1/H, F, 1/F
    size_t first, ops;        // a Network branch's program in Ladder::ops
};

struct Ladder {
    std::vector<Element> elements;
    std::vector<ArmOp> ops;
    int depth = 0;       // of the programs' stack
    bool lossy = false;  // a program has a resistor
};

// The deepest stack of a program the quick sums take; a deeper arm takes the general way.
constexpr int kMaxArmDepth = 16;

// Appends an arm's program; false when it holds a resistor, a value that is not positive or an empty join.
bool Program(const Arm& arm, std::vector<ArmOp>& ops, int height, int& depth) {
    depth = std::max(depth, height + 1);
    if (arm.join == Arm::Join::Element) {
        if (!(std::isfinite(arm.value) && arm.value > 0)) return false;
        if (arm.kind == ElementKind::Inductor)
            ops.push_back({ArmOp::L, 0, arm.value});
        else if (arm.kind == ElementKind::Capacitor || arm.kind == ElementKind::VariableCapacitor)
            ops.push_back({ArmOp::C, 0, 1 / arm.value});
        else
            return false;
        return true;
    }
    if (arm.parts.empty()) return false;
    for (size_t i = 0; i < arm.parts.size(); ++i)
        if (!Program(arm.parts[i], ops, height + int(i), depth)) return false;
    ops.push_back(
        {arm.join == Arm::Join::Series ? ArmOp::Series : ArmOp::Parallel, int(arm.parts.size()), 0});
    return true;
}

// The same for a lossy ladder, leaving the arm's impedance on the stack, or its admittance.
bool LossyProgram(const Arm& arm, std::vector<ArmOp>& ops, int height, int& depth, bool admittance) {
    depth = std::max(depth, height + 1);
    if (arm.join == Arm::Join::Element) {
        const double v = arm.value;
        if (!(std::isfinite(v) && v > 0)) return false;
        if (arm.kind == ElementKind::Inductor)
            ops.push_back(admittance ? ArmOp{ArmOp::YL, 0, 1 / v} : ArmOp{ArmOp::ZL, 0, v});
        else if (arm.kind == ElementKind::Capacitor || arm.kind == ElementKind::VariableCapacitor)
            ops.push_back(admittance ? ArmOp{ArmOp::YC, 0, v} : ArmOp{ArmOp::ZC, 0, 1 / v});
        else
            ops.push_back(admittance ? ArmOp{ArmOp::YR, 0, 1 / v} : ArmOp{ArmOp::ZR, 0, v});
        return true;
    }
    if (arm.parts.empty()) return false;
    const bool sumsAdmittances = arm.join == Arm::Join::Parallel;
    for (size_t i = 0; i < arm.parts.size(); ++i)
        if (!LossyProgram(arm.parts[i], ops, height + int(i), depth, sumsAdmittances)) return false;
    ops.push_back({ArmOp::Sum, int(arm.parts.size()), 0});
    if (sumsAdmittances != admittance) ops.push_back({ArmOp::Invert, 0, 0});
    return true;
}

bool HasResistor(const Arm& arm) {
    if (arm.join == Arm::Join::Element) return arm.kind == ElementKind::Resistor;
    for (const Arm& part : arm.parts)
        if (HasResistor(part)) return true;
    return false;
}

// A network arm that is one of the simple arms (an inductor or a capacitor alone, or the two in series or
// in parallel, as an elliptic ladder's traps are) with its values: it then takes the simple arm's sums,
// one division a frequency where its program takes three.
std::optional<Element> SimpleArm(BranchPlace place, const Arm& arm) {
    auto valued = [](const Arm& a, ElementKind kind) {
        return a.join == Arm::Join::Element && a.kind == kind && std::isfinite(a.value) && a.value > 0;
    };
    if (valued(arm, ElementKind::Inductor))
        return Element{place, BranchParts::L, arm.value, 1 / arm.value, 0, 0, 0, 0};
    if (valued(arm, ElementKind::Capacitor))
        return Element{place, BranchParts::C, 0, 0, arm.value, 1 / arm.value, 0, 0};
    if (arm.join == Arm::Join::Element || arm.parts.size() != 2) return std::nullopt;
    const bool inductorFirst = valued(arm.parts[0], ElementKind::Inductor);
    const Arm& l = arm.parts[inductorFirst ? 0 : 1];
    const Arm& c = arm.parts[inductorFirst ? 1 : 0];
    if (!valued(l, ElementKind::Inductor) || !valued(c, ElementKind::Capacitor)) return std::nullopt;
    const BranchParts parts = arm.join == Arm::Join::Series ? BranchParts::SeriesLC : BranchParts::ParallelLC;
    return Element{place, parts, l.value, 1 / l.value, c.value, 1 / c.value, 0, 0};
}

// The ladder's elements, or nothing when a value is not positive (AnalyseResponse refuses such a circuit)
// or an arm is too deep for the quick sums.
std::optional<Ladder> Elements(const LadderCircuit& circuit) {
    if (!(circuit.rn > 0) || !std::isfinite(circuit.rn)) return std::nullopt;
    Ladder ladder;
    for (const LadderBranch& b : circuit.branches)
        ladder.lossy |= b.parts == BranchParts::Network && HasResistor(b.arm);
    for (const LadderBranch& b : circuit.branches) {
        if (b.parts == BranchParts::Network) {
            if (const std::optional<Element> simple = SimpleArm(b.place, b.arm)) {
                ladder.elements.push_back(*simple);
                continue;
            }
            const size_t first = ladder.ops.size();
            const bool programmed =
                ladder.lossy ? LossyProgram(b.arm, ladder.ops, 0, ladder.depth, b.place == BranchPlace::Shunt)
                             : Program(b.arm, ladder.ops, 0, ladder.depth);
            if (!programmed || ladder.depth > kMaxArmDepth) return std::nullopt;
            ladder.elements.push_back({b.place, b.parts, 0, 0, 0, 0, first, ladder.ops.size() - first});
            continue;
        }
        const double l = double(b.l) * kMicroToBase, c = double(b.c) * kMicroToBase;
        const bool usesL = b.parts != BranchParts::C, usesC = b.parts != BranchParts::L;
        if ((usesL && !(std::isfinite(l) && l > 0)) || (usesC && !(std::isfinite(c) && c > 0)))
            return std::nullopt;
        ladder.elements.push_back({b.place, b.parts, l, 1 / l, c, 1 / c, 0, 0});
    }
    return ladder;
}

// Whether the quick sums take the ladder: no arm too deep for them.
bool Quick(const LadderCircuit& circuit) {
    for (const LadderBranch& b : circuit.branches)
        if (b.parts == BranchParts::Network) {
            std::vector<ArmOp> ops;
            int depth = 0;
            LossyProgram(b.arm, ops, 0, depth, false);  // as deep as the lossless program
            if (depth > kMaxArmDepth) return false;
        }
    return true;
}

// Frequencies in runs of kRun, as the quick sums take them.
constexpr size_t kRun = 64;

struct Frequencies {
    std::vector<double> f, w, invW;  // Hz, rad/s, s/rad

    void Reserve(size_t n) { f.reserve(n), w.reserve(n), invW.reserve(n); }

    void Add(double hz) {
        f.push_back(hz);
        w.push_back(kTwoPi * hz);
        invW.push_back(1 / w.back());
    }
};

void LossyRatios(const Ladder& ladder, double rn, const Frequencies& at, size_t from, size_t n, double* out);

// |Vs / (2·Vout)|² of the ladder at the frequencies from..from + n (n ≤ kRun); not finite exactly on an
// attenuation pole.
void SquaredRatios(const Ladder& ladder, double rn, const Frequencies& at, size_t from, size_t n,
                   double* out) {
    if (ladder.lossy) {
        LossyRatios(ladder, rn, at, from, n, out);
        return;
    }
    double a[kRun], b[kRun], c[kRun], d[kRun];
    double stack[kMaxArmDepth][kRun];
    const double* w = at.w.data() + from;
    const double* invW = at.invW.data() + from;
    for (size_t i = 0; i < n; ++i) a[i] = 1, b[i] = 0, c[i] = 0, d[i] = 1;
    // A network arm's reactance at the run's frequencies, into stack[0].
    auto armReactance = [&](const Element& e) {
        int top = 0;
        for (size_t k = e.first; k < e.first + e.ops; ++k) {
            const ArmOp& op = ladder.ops[k];
            switch (op.code) {
                case ArmOp::L:
                    for (size_t i = 0; i < n; ++i) stack[top][i] = w[i] * op.value;
                    ++top;
                    break;
                case ArmOp::C:
                    for (size_t i = 0; i < n; ++i) stack[top][i] = -invW[i] * op.value;
                    ++top;
                    break;
                default:  // the ops of a lossy ladder's programs are not in a lossless one's
                    break;
                case ArmOp::Series:
                    top -= op.count;
                    for (int j = 1; j < op.count; ++j)
                        for (size_t i = 0; i < n; ++i) stack[top][i] += stack[top + j][i];
                    ++top;
                    break;
                case ArmOp::Parallel:
                    top -= op.count;
                    for (size_t i = 0; i < n; ++i) stack[top][i] = 1 / stack[top][i];
                    for (int j = 1; j < op.count; ++j)
                        for (size_t i = 0; i < n; ++i) stack[top][i] += 1 / stack[top + j][i];
                    for (size_t i = 0; i < n; ++i) stack[top][i] = 1 / stack[top][i];
                    ++top;
                    break;
            }
        }
    };
    for (const Element& e : ladder.elements) {
        auto series = [&](auto reactance) {
            for (size_t i = 0; i < n; ++i) {
                const double x = reactance(i);
                b[i] += a[i] * x;
                d[i] -= c[i] * x;
            }
        };
        auto shunt = [&](auto susceptance) {
            for (size_t i = 0; i < n; ++i) {
                const double y = susceptance(i);
                a[i] -= b[i] * y;
                c[i] += d[i] * y;
            }
        };
        const double l = e.l, invL = e.invL, cap = e.c, invC = e.invC;
        auto xl = [&](size_t i) { return w[i] * l; };
        auto xc = [&](size_t i) { return -invW[i] * invC; };
        auto bc = [&](size_t i) { return w[i] * cap; };
        auto bl = [&](size_t i) { return -invW[i] * invL; };
        if (e.place == BranchPlace::Series) {
            switch (e.parts) {
                case BranchParts::L:
                    series(xl);
                    break;
                case BranchParts::C:
                    series(xc);
                    break;
                case BranchParts::SeriesLC:
                    series([&](size_t i) { return xl(i) + xc(i); });
                    break;
                case BranchParts::ParallelLC:
                    series([&](size_t i) { return -1 / (bc(i) + bl(i)); });
                    break;
                case BranchParts::Network:
                    armReactance(e);
                    series([&](size_t i) { return stack[0][i]; });
                    break;
            }
        } else {
            switch (e.parts) {
                case BranchParts::L:
                    shunt(bl);
                    break;
                case BranchParts::C:
                    shunt(bc);
                    break;
                case BranchParts::SeriesLC:
                    shunt([&](size_t i) { return -1 / (xl(i) + xc(i)); });
                    break;
                case BranchParts::ParallelLC:
                    shunt([&](size_t i) { return bc(i) + bl(i); });
                    break;
                case BranchParts::Network:
                    armReactance(e);
                    shunt([&](size_t i) { return -1 / stack[0][i]; });
                    break;
            }
        }
    }
    const double invRn = 1 / rn;
    for (size_t i = 0; i < n; ++i) {
        const double re = a[i] + d[i], im = b[i] * invRn + rn * c[i];
        out[i] = (re * re + im * im) / 4;
    }
}

// The same in complex arithmetic for a ladder with resistors: the chain matrix [A B; C D] with every entry
// complex, as LossyAttenuation multiplies it, |A + B/Rn + Rn·C + D|² / 4.
void LossyRatios(const Ladder& ladder, double rn, const Frequencies& at, size_t from, size_t n, double* out) {
    double ar[kRun], ai[kRun], br[kRun], bi[kRun], cr[kRun], ci[kRun], dr[kRun], di[kRun];
    double zr[kRun], zi[kRun];  // the element's impedance (in the line) or admittance (to ground)
    double sr[kMaxArmDepth][kRun], si[kMaxArmDepth][kRun];
    const double* w = at.w.data() + from;
    const double* invW = at.invW.data() + from;
    for (size_t i = 0; i < n; ++i)
        ar[i] = 1, ai[i] = 0, br[i] = bi[i] = cr[i] = ci[i] = 0, dr[i] = 1, di[i] = 0;
    // 1 / (x + jy) in place.
    auto invert = [n](double* x, double* y) {
        for (size_t i = 0; i < n; ++i) {
            const double m = x[i] * x[i] + y[i] * y[i];
            x[i] = x[i] / m;
            y[i] = -y[i] / m;
        }
    };
    // A network arm's impedance (in the line) or admittance (to ground) at the run's frequencies, into zr,
    // zi.
    auto armValue = [&](const Element& e) {
        int top = 0;
        for (size_t k = e.first; k < e.first + e.ops; ++k) {
            const ArmOp& op = ladder.ops[k];
            const double v = op.value;
            double* re = sr[top];
            double* im = si[top];
            switch (op.code) {
                case ArmOp::ZL:
                case ArmOp::YC:
                    for (size_t i = 0; i < n; ++i) re[i] = 0, im[i] = w[i] * v;
                    ++top;
                    break;
                case ArmOp::ZC:
                case ArmOp::YL:
                    for (size_t i = 0; i < n; ++i) re[i] = 0, im[i] = -invW[i] * v;
                    ++top;
                    break;
                case ArmOp::ZR:
                case ArmOp::YR:
                    for (size_t i = 0; i < n; ++i) re[i] = v, im[i] = 0;
                    ++top;
                    break;
                case ArmOp::Sum:
                    top -= op.count;
                    for (int j = 1; j < op.count; ++j)
                        for (size_t i = 0; i < n; ++i)
                            sr[top][i] += sr[top + j][i], si[top][i] += si[top + j][i];
                    ++top;
                    break;
                case ArmOp::Invert:
                    invert(sr[top - 1], si[top - 1]);
                    break;
                default:  // the ops of a lossless ladder's programs are not in a lossy one's
                    break;
            }
        }
        for (size_t i = 0; i < n; ++i) zr[i] = sr[0][i], zi[i] = si[0][i];
    };
    for (const Element& e : ladder.elements) {
        const bool series = e.place == BranchPlace::Series;
        // A simple arm's reactance, or the susceptance of one to ground: imaginary alone.
        const double l = e.l, invL = e.invL, cap = e.c, invC = e.invC;
        auto reactive = [&](auto value) {
            for (size_t i = 0; i < n; ++i) zr[i] = 0, zi[i] = value(i);
        };
        auto xl = [&](size_t i) { return w[i] * l; };
        auto xc = [&](size_t i) { return -invW[i] * invC; };
        auto bc = [&](size_t i) { return w[i] * cap; };
        auto bl = [&](size_t i) { return -invW[i] * invL; };
        switch (e.parts) {
            case BranchParts::L:
                series ? reactive(xl) : reactive(bl);
                break;
            case BranchParts::C:
                series ? reactive(xc) : reactive(bc);
                break;
            case BranchParts::SeriesLC:
                series ? reactive([&](size_t i) { return xl(i) + xc(i); })
                       : reactive([&](size_t i) { return -1 / (xl(i) + xc(i)); });
                break;
            case BranchParts::ParallelLC:
                series ? reactive([&](size_t i) { return -1 / (bc(i) + bl(i)); })
                       : reactive([&](size_t i) { return bc(i) + bl(i); });
                break;
            case BranchParts::Network:
                armValue(e);
                break;
        }
        if (series) {
            // [A B; C D] · [1 z; 0 1]
            for (size_t i = 0; i < n; ++i) {
                br[i] += ar[i] * zr[i] - ai[i] * zi[i], bi[i] += ar[i] * zi[i] + ai[i] * zr[i];
                dr[i] += cr[i] * zr[i] - ci[i] * zi[i], di[i] += cr[i] * zi[i] + ci[i] * zr[i];
            }
        } else {
            // [A B; C D] · [1 0; y 1]
            for (size_t i = 0; i < n; ++i) {
                ar[i] += br[i] * zr[i] - bi[i] * zi[i], ai[i] += br[i] * zi[i] + bi[i] * zr[i];
                cr[i] += dr[i] * zr[i] - di[i] * zi[i], ci[i] += dr[i] * zi[i] + di[i] * zr[i];
            }
        }
    }
    const double invRn = 1 / rn;
    for (size_t i = 0; i < n; ++i) {
        const double re = ar[i] + br[i] * invRn + rn * cr[i] + dr[i],
                     im = ai[i] + bi[i] * invRn + rn * ci[i] + di[i];
        out[i] = (re * re + im * im) / 4;
    }
}

std::vector<double> SquaredRatios(const Ladder& ladder, double rn, const Frequencies& at) {
    std::vector<double> out(at.f.size());
    for (size_t from = 0; from < out.size(); from += kRun)
        SquaredRatios(ladder, rn, at, from, std::min(kRun, out.size() - from), out.data() + from);
    return out;
}

// The attenuation for a squared ratio, as LadderAttenuation gives it.
double Attenuation(double squaredRatio) {
    if (!std::isfinite(squaredRatio)) return kAttenuationCeilingDb;
    return std::min(kAttenuationCeilingDb, 10 * std::log10(squaredRatio));
}

class Judge {
public:
    explicit Judge(const ResponseDemand& demand) : demand_(demand) {
        const DemandBands bands = BandsOf(demand);
        std::vector<std::pair<std::vector<double>, bool>> grids;
        size_t points = 0;
        for (const Interval& band : bands.pass) grids.push_back({JudgingGrid(band), true});
        for (const Interval& band : bands.stop) grids.push_back({JudgingGrid(band), false});
        for (const auto& grid : grids) points += grid.first.size();
        at_.Reserve(points);
        passBand_.reserve(points);
        limit_.reserve(points);
        for (const auto& [grid, passBand] : grids)
            for (double f : grid) Add(f, passBand);
        // Beyond the ceiling the figure is capped, and the quick ratio would not know it.
        quick_ = demand.amin < kAttenuationCeilingDb && demand.astop < kAttenuationCeilingDb;
    }

    // Puts the frequencies where the circuit keeps its limits with the least room first, so that a drawn
    // circuit that misses them is rejected after the first run of them.
    void Order(const FilterCircuit& circuit) {
        std::vector<double> attenuation;
        const auto* ladder = std::get_if<LadderCircuit>(&circuit);
        if (const auto elements = ladder ? Elements(*ladder) : std::nullopt) {
            for (double r : SquaredRatios(*elements, ladder->rn, at_)) attenuation.push_back(Attenuation(r));
        } else if (!ladder) {
            try {
                const std::function<double(double)> a = AttenuationOf(circuit, demand_);
                for (double f : at_.f) attenuation.push_back(a(f));
            } catch (const RuntimeError&) {
                return;  // no response: the order does not matter
            }
        } else {
            return;
        }
        std::vector<double> room;
        for (size_t i = 0; i < attenuation.size(); ++i) {
            const double a = attenuation[i];
            room.push_back(passBand_[i] ? demand_.amin - a : a - demand_.astop);
        }
        std::vector<size_t> order(room.size());
        std::iota(order.begin(), order.end(), size_t{0});
        std::stable_sort(order.begin(), order.end(), [&](size_t i, size_t j) { return room[i] < room[j]; });
        Judge sorted(*this);
        sorted.at_ = {}, sorted.passBand_.clear(), sorted.limit_.clear();
        for (size_t i : order) sorted.Add(at_.f[i], passBand_[i]);
        *this = std::move(sorted);
    }

    bool Meets(const FilterCircuit& circuit) const {
        const auto* ladder = std::get_if<LadderCircuit>(&circuit);
        if (ladder && quick_ && Quick(*ladder)) return MeetsQuick(*ladder);
        std::function<double(double)> attenuation;
        try {
            attenuation = AttenuationOf(circuit, demand_);
        } catch (const RuntimeError&) {
            return false;
        }
        return MeetsBy(attenuation);
    }

    // Judged by an attenuation as AttenuationOf gives it for the circuit.
    bool MeetsBy(const std::function<double(double)>& attenuation) const {
        for (size_t i = 0; i < at_.f.size(); ++i)
            if (!Keeps(i, attenuation(at_.f[i]))) return false;
        return true;
    }

private:
    void Add(double f, bool passBand) {
        at_.Add(f);
        passBand_.push_back(passBand);
        limit_.push_back(passBand ? passLimit_ : stopLimit_);
    }

    bool Keeps(size_t i, double a) const { return !(passBand_[i] ? a > demand_.amin : a < demand_.astop); }

    bool MeetsQuick(const LadderCircuit& ladder) const {
        const auto elements = Elements(ladder);
        if (!elements) return false;
        constexpr double kHair = 1e-9;
        double ratios[kRun];
        for (size_t from = 0; from < at_.f.size(); from += kRun) {
            const size_t n = std::min(kRun, at_.f.size() - from);
            SquaredRatios(*elements, ladder.rn, at_, from, n, ratios);
            for (size_t k = 0; k < n; ++k) {
                const size_t i = from + k;
                const double r = ratios[k], limit = limit_[i];
                bool kept;
                if (std::abs(r - limit) > kHair * limit)  // also false when not finite
                    kept = passBand_[i] ? r < limit : r > limit;
                else
                    kept = Keeps(i, LadderAttenuation(ladder, at_.f[i]));
                if (!kept) return false;
            }
        }
        return true;
    }

    ResponseDemand demand_;
    // The limits as squared ratios.
    double passLimit_ = std::pow(10.0, demand_.amin / 10), stopLimit_ = std::pow(10.0, demand_.astop / 10);
    Frequencies at_;
    std::vector<char> passBand_;
    std::vector<double> limit_;
    bool quick_ = false;
};

// The value at the given fraction of the way through the sorted values (nearest rank).
double Percentile(std::vector<double>& values, double fraction) {
    const size_t k = size_t(std::lround(fraction * double(values.size() - 1)));
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(k), values.end());
    return values[k];
}

}  // namespace

bool MeetsDemand(const FilterCircuit& circuit, const ResponseDemand& demand) {
    return Judge(demand).Meets(circuit);
}

ToleranceRun RunTolerance(const FilterCircuit& circuit, const ResponseDemand& demand, double tolerance,
                          double fmin, double fmax, int circuits, int points,
                          const std::vector<double>& partTolerances) {
    ToleranceRun run;
    run.tolerance = tolerance;
    run.circuits = circuits;
    Judge judge(demand);
    judge.Order(circuit);
    for (int i = 0; i < points; ++i)
        run.f.push_back(i + 1 == points ? fmax : fmin * std::pow(fmax / fmin, double(i) / (points - 1)));
    Frequencies grid;
    for (double f : run.f) grid.Add(f);

    // attenuation[point][circuit], over the circuits that have a response; a ladder's as its squared
    // ratio, which orders the circuits alike and is taken to dB at the percentiles alone
    std::vector<std::vector<double>> attenuation(run.f.size());
    bool ratios = false;
    std::mt19937_64 random(kSeed);
    const auto* given = std::get_if<LadderCircuit>(&circuit);
    const bool quick = given && Quick(*given);
    for (int i = 0; i < circuits; ++i) {
        const FilterCircuit drawn = Draw(circuit, tolerance, random, partTolerances);
        if (const auto* ladder = std::get_if<LadderCircuit>(&drawn); ladder && quick) {
            if (judge.Meets(drawn)) ++run.good;
            const auto elements = Elements(*ladder);
            if (!elements) continue;
            ratios = true;
            const std::vector<double> r = SquaredRatios(*elements, ladder->rn, grid);
            for (size_t k = 0; k < r.size(); ++k)
                attenuation[k].push_back(std::isfinite(r[k]) ? r[k] : HUGE_VAL);
        } else {
            try {
                const std::function<double(double)> a = AttenuationOf(drawn, demand);
                if (judge.MeetsBy(a)) ++run.good;
                for (size_t k = 0; k < run.f.size(); ++k) attenuation[k].push_back(a(run.f[k]));
            } catch (const RuntimeError&) {
                // no response: no part of the band
            }
        }
    }
    auto db = [ratios](double x) { return ratios ? Attenuation(x) : x; };
    for (std::vector<double>& values : attenuation) {
        if (values.empty()) {
            run.f.clear(), run.low.clear(), run.high.clear();
            break;
        }
        run.low.push_back(db(Percentile(values, 0.05)));
        run.high.push_back(db(Percentile(values, 0.95)));
    }
    return run;
}

int YieldPercent(const ToleranceRun& run) {
    if (run.circuits <= 0) return 0;
    const int percent = int(std::lround(100.0 * run.good / run.circuits));
    // "100 %" only when every circuit is good, "0 %" only when none is.
    if (run.good > 0 && run.good < run.circuits) return std::clamp(percent, 1, 99);
    return percent;
}

std::string YieldText(const ToleranceRun& run, const NumberFormat& format) {
    std::string share = std::to_string(YieldPercent(run));
    if (run.good > 0 && 100.0 * run.good < run.circuits) {
        // Under 1 %: in tenths, cut down so that a share is never shown above what it is.
        const double tenths = std::floor(1000.0 * run.good / run.circuits);
        share = tenths < 1 ? "менее " + FormatLocale("%.1f", 0.1, format)
                           : FormatLocale("%.1f", tenths / 10, format);
    }
    return "Годных при допуске " + std::to_string(std::lround(run.tolerance * 100)) + " %: " + share + " %";
}

}  // namespace vokta
