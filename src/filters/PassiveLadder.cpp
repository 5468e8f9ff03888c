#include "filters/PassiveLadder.h"

#include <stdexcept>

#include "common/Checked.h"
#include "common/Units.h"

namespace vokta {

namespace {

// The design's 6.28 stands for 2π throughout the filter formulas.
using units::kBaseToMicro;
using units::kDesignTwoPi;

// A component value in µF or µH: the value in farads or henries is stored as single first, and the
// scaled value is stored as single again.
float Micro(double si) { return Single(double(Single(si)) * kBaseToMicro); }

// The last element or branch before the output is always a shunt one.
bool IsShunt(int N, int position) { return (N - position) % 2 == 0; }

void CheckOrder(int16_t N, int16_t highest) {
    if (N < kMinLadderOrder || N > highest) throw std::out_of_range("ladder order outside its range");
}

// Lays out the ladder of order N: shunt elements take `shuntKind`, series ones the other kind, and each
// value comes from `value(kind, g)`.
template <typename ValueOf>
PassiveLadder Ladder(int16_t N, ElementKind shuntKind, const PrototypeValues& prototype, ValueOf value) {
    PassiveLadder ladder;
    int inductors = 0, capacitors = 0;
    for (int p = 1; p <= N; ++p) {
        const bool shunt = IsShunt(N, p);
        const ElementKind kind =
            shunt == (shuntKind == ElementKind::Capacitor) ? ElementKind::Capacitor : ElementKind::Inductor;
        const int number = kind == ElementKind::Capacitor ? ++capacitors : ++inductors;
        ladder.elements.push_back({kind, number, p, shunt, value(kind, double(prototype.g(p)))});
    }
    return ladder;
}

}  // namespace

PassiveLadder DesignLowPassLadder(int16_t N, float F1, int16_t Rn, const PrototypeValues& g) {
    CheckOrder(N, kMaxLadderOrder);
    const double f = F1, r = Rn;
    PassiveLadder ladder = Ladder(N, ElementKind::Capacitor, g, [&](ElementKind kind, double gp) {
        if (kind == ElementKind::Capacitor) return Micro(Div(gp, kDesignTwoPi * f * r));
        return Micro(Div(r * gp, kDesignTwoPi * f));
    });
    ladder.picture = 108 + N;
    return ladder;
}

PassiveLadder DesignHighPassLadder(int16_t N, float F1, int16_t Rn, const PrototypeValues& g) {
    CheckOrder(N, kMaxLadderOrder);
    const double f = F1, r = Rn;
    PassiveLadder ladder = Ladder(N, ElementKind::Inductor, g, [&](ElementKind kind, double gp) {
        if (kind == ElementKind::Capacitor) return Micro(Div(1.0, kDesignTwoPi * f * r * gp));
        return Micro(Div(r, kDesignTwoPi * f * gp));
    });
    ladder.picture = 102 + N;
    return ladder;
}

BandLadder DesignBandPassLadder(int16_t N, float F0, float K, int16_t Rn, const PrototypeValues& g) {
    CheckOrder(N, kMaxBandLadderOrder);
    const double w0 = kDesignTwoPi * double(F0), k = K, r = Rn;
    BandLadder ladder;
    ladder.picture = 122 + N;
    for (int p = 1; p <= N; ++p) {
        const double gp = g.g(p);
        BandBranch branch{p, IsShunt(N, p), IsShunt(N, p), 0, 0};
        if (branch.shunt) {
            // Parallel resonator to ground: the capacitance first, the inductance resonates with it.
            const float cp = Single(Div(gp * k, w0 * r));
            branch.C = Single(double(cp) * kBaseToMicro);
            branch.L = Single(Div(kBaseToMicro, w0 * w0 * double(cp)));
        } else {
            // Series resonator in the line: the inductance first.
            const float ls = Single(Div(gp * k * r, w0));
            branch.L = Single(double(ls) * kBaseToMicro);
            branch.C = Single(Div(kBaseToMicro, w0 * w0 * double(ls)));
        }
        ladder.branches.push_back(branch);
    }
    return ladder;
}

BandLadder DesignBandStopLadder(int16_t N, float F0, float K, int16_t Rn, const PrototypeValues& g) {
    CheckOrder(N, kMaxBandLadderOrder);
    const double w0 = kDesignTwoPi * double(F0), k = K, r = Rn;
    BandLadder ladder;
    ladder.picture = 125 + N;
    for (int p = 1; p <= N; ++p) {
        const double gp = g.g(p);
        BandBranch branch{p, IsShunt(N, p), !IsShunt(N, p), 0, 0};
        if (branch.shunt) {
            // Series resonator to ground.
            branch.C = Micro(Div(gp, w0 * r * k));
            branch.L = Micro(Div(k * r, w0 * gp));
        } else {
            // Parallel resonator in the line.
            branch.L = Micro(Div(gp * r, w0 * k));
            branch.C = Micro(Div(k, w0 * r * gp));
        }
        ladder.branches.push_back(branch);
    }
    return ladder;
}

}  // namespace vokta
