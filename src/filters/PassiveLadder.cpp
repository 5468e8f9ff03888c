#include "filters/PassiveLadder.h"

#include "base/Checked.h"
#include "base/Units.h"

namespace vokta {

namespace {

// The design's 6.28 stands for 2π throughout the filter formulas.
using units::kBaseToMicro;
using units::kDesignTwoPi;

// A component value in µF or µH: the value in farads or henries is stored as single first, and the
// scaled value is stored as single again.
float Micro(double si) {
    return Single(double(Single(si)) * kBaseToMicro);
}

// The ladder of that shape and order with the values that `fill(branch, g)` gives each branch.
template <typename Fill>
PassiveLadder Ladder(FilterType type, int16_t N, const PrototypeValues& prototype, Fill fill) {
    PassiveLadder ladder{LadderPicture(type, N), LadderBranches(type, N)};
    for (LadderBranch& branch : ladder.branches) fill(branch, double(prototype.g(branch.position)));
    return ladder;
}

}  // namespace

PassiveLadder DesignLowPassLadder(int16_t N, float F1, int16_t Rn, const PrototypeValues& g) {
    const double f = F1, r = Rn;
    return Ladder(FilterType::LowPass, N, g, [&](LadderBranch& b, double gp) {
        if (b.parts == BranchParts::C)
            b.c = Micro(Div(gp, kDesignTwoPi * f * r));
        else
            b.l = Micro(Div(r * gp, kDesignTwoPi * f));
    });
}

PassiveLadder DesignHighPassLadder(int16_t N, float F1, int16_t Rn, const PrototypeValues& g) {
    const double f = F1, r = Rn;
    return Ladder(FilterType::HighPass, N, g, [&](LadderBranch& b, double gp) {
        if (b.parts == BranchParts::C)
            b.c = Micro(Div(1.0, kDesignTwoPi * f * r * gp));
        else
            b.l = Micro(Div(r, kDesignTwoPi * f * gp));
    });
}

PassiveLadder DesignBandPassLadder(int16_t N, float F0, float K, int16_t Rn, const PrototypeValues& g) {
    const double w0 = kDesignTwoPi * double(F0), k = K, r = Rn;
    return Ladder(FilterType::BandPass, N, g, [&](LadderBranch& b, double gp) {
        if (b.place == BranchPlace::Shunt) {
            // Parallel resonator to ground: the capacitance first, the inductance resonates with it.
            const float cp = Single(Div(gp * k, w0 * r));
            b.c = Single(double(cp) * kBaseToMicro);
            b.l = Single(Div(kBaseToMicro, w0 * w0 * double(cp)));
        } else {
            // Series resonator in the line: the inductance first.
            const float ls = Single(Div(gp * k * r, w0));
            b.l = Single(double(ls) * kBaseToMicro);
            b.c = Single(Div(kBaseToMicro, w0 * w0 * double(ls)));
        }
    });
}

PassiveLadder DesignBandStopLadder(int16_t N, float F0, float K, int16_t Rn, const PrototypeValues& g) {
    const double w0 = kDesignTwoPi * double(F0), k = K, r = Rn;
    return Ladder(FilterType::BandStop, N, g, [&](LadderBranch& b, double gp) {
        if (b.place == BranchPlace::Shunt) {
            // Series resonator to ground.
            b.c = Micro(Div(gp, w0 * r * k));
            b.l = Micro(Div(k * r, w0 * gp));
        } else {
            // Parallel resonator in the line.
            b.l = Micro(Div(gp * r, w0 * k));
            b.c = Micro(Div(k, w0 * r * gp));
        }
    });
}

}  // namespace vokta
