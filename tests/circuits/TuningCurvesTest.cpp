#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "circuits/TuningCurves.h"

using namespace vokta;

namespace {

// The frequency of the curve at x, which must be one of its points.
double At(const Curve& curve, double x) {
    const auto p = std::find_if(curve.begin(), curve.end(), [x](const CurvePoint& c) { return c.x == x; });
    EXPECT_NE(p, curve.end()) << "no point at " << x;
    return p == curve.end() ? 0 : p->y;
}

}  // namespace

TEST(TuningCurves, BandSpreadCircuitCoversTheWantedRange) {
    const BandSpreadInput in{3.8, 3.5, 10, 365, 10, 10};
    const BandSpreadResult result = CalcBandSpread(in);
    ASSERT_TRUE(result.feasible);
    const BandSpreadCoverage c = BandSpreadTuning(in, result);

    // C3 from its minimum (the top of the range) to its maximum (the bottom), the frequency falling.
    EXPECT_EQ(c.tuning.front().x, 10);
    EXPECT_EQ(c.tuning.back().x, 365);
    EXPECT_TRUE(std::is_sorted(c.tuning.rbegin(), c.tuning.rend(),
                               [](const CurvePoint& a, const CurvePoint& b) { return a.y < b.y; }));
    EXPECT_NEAR(c.tuning.back().y, 3.5, 3.5 * 0.005);
    EXPECT_NEAR(c.tuning.front().y, 3.8, 3.8 * 0.005);
    EXPECT_NEAR(c.bottomErrorPct, (c.bottomMHz / 3.5 - 1) * 100, 1e-9);
    EXPECT_LT(std::abs(c.topErrorPct), 0.5);
}

TEST(TuningCurves, ThreePointScalePassesThroughItsDesignPoints) {
    const ThreePointInput in{3.8, 3.5, 10, 365, 10, 120};
    const ThreePointResult result = CalcThreePoint(in);
    ASSERT_TRUE(result.feasible);
    ASSERT_EQ(result.c1PF, 203);
    ASSERT_EQ(result.c2PF, 152);
    ASSERT_EQ(result.c3PF, 86);
    const ThreePointScale s = ThreePointTuning(in, result);
    EXPECT_TRUE(s.smoothLaw);

    // The finished circuit by hand: C3 + C2 (C + C1) / (C + C1 + C2) with C = 365, 120 and 10 pF at 0, 50
    // and 100 % of the dial, and f = 1 / (2 pi sqrt(10 µH * C total)) in MHz.
    const double total[] = {86 + 152.0 * 568 / 720, 86 + 152.0 * 323 / 475, 86 + 152.0 * 213 / 365};
    double f[3];
    for (int i = 0; i < 3; ++i) f[i] = 1e3 / (2 * 3.14159265358979 * std::sqrt(10 * total[i]));
    const double wanted[] = {3.5, 3.65, 3.8};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s.design[i].x, 50 * i);
        EXPECT_EQ(s.design[i].y, wanted[i]);
        EXPECT_NEAR(At(s.frequency, 50 * i), f[i], 1e-9);
        // The whole picofarads put every point of the design 0.2 % above its wanted frequency.
        EXPECT_GT(f[i] / wanted[i] - 1, 0.0015);
        EXPECT_LT(f[i] / wanted[i] - 1, 0.0025);
    }
    EXPECT_NEAR(s.bottomErrorPct, (f[0] / 3.5 - 1) * 100, 1e-9);
    EXPECT_NEAR(s.topErrorPct, (f[2] / 3.8 - 1) * 100, 1e-9);
    // The middle of the dial lies on the straight line through the ends, within 1 % of the band.
    const double middle = (f[1] - (f[0] + f[2]) / 2) / (f[2] - f[0]) * 100;
    EXPECT_LT(std::abs(middle), 1);
    EXPECT_NEAR(At(s.deviation, 50), middle, 1e-9);
    EXPECT_EQ(At(s.deviation, s.worstAtPct), s.worstDeviationPct);
    for (const CurvePoint& p : s.deviation) EXPECT_LE(std::abs(p.y), std::abs(s.worstDeviationPct));
}

// A middle capacitance far from the ends' mean bends the parabola beyond the capacitor's limits: there
// the capacitor stays at its limit, and the scale still runs one way from end to end.
TEST(TuningCurves, ThreePointScaleOfAnUnevenCapacitor) {
    const ThreePointResult result{true, 203, 152, 86};
    for (double cmid : {11.0, 300.0}) {
        SCOPED_TRACE(cmid);
        const ThreePointScale s = ThreePointTuning({3.8, 3.5, 10, 365, 10, cmid}, result);
        EXPECT_FALSE(s.smoothLaw);
        EXPECT_EQ(s.smoothMidFromPF, 98.75);  // (365 + 3 * 10) / 4
        EXPECT_EQ(s.smoothMidToPF, 276.25);   // (3 * 365 + 10) / 4
        EXPECT_TRUE(std::is_sorted(s.frequency.begin(), s.frequency.end(),
                                   [](const CurvePoint& a, const CurvePoint& b) { return a.y < b.y; }));
        EXPECT_NEAR(s.frequency.front().y, s.bottomMHz, 0);
        EXPECT_GT(s.topMHz, s.bottomMHz);
    }
    EXPECT_TRUE(ThreePointTuning({3.8, 3.5, 10, 365, 10, 98.75}, result).smoothLaw);
}
