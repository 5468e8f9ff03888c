#include <gtest/gtest.h>

#include <algorithm>

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
    const ThreePointScale s = ThreePointTuning(in, result);

    // C at 120 pF of 10..365 pF lies at 69 % of a straight-line-capacitance dial.
    EXPECT_NEAR(s.design[1].x, 100.0 * 245 / 355, 1e-9);
    const double wanted[] = {3.5, 3.65, 3.8};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s.design[i].y, wanted[i]);
        EXPECT_NEAR(At(s.frequency, s.design[i].x), wanted[i], wanted[i] * 0.005);
    }
    // The deviation is nought at the ends, and the worst one is the deviation at its own place.
    EXPECT_NEAR(s.deviation.front().y, 0, 1e-9);
    EXPECT_NEAR(s.deviation.back().y, 0, 1e-9);
    EXPECT_EQ(At(s.deviation, s.worstAtPct), s.worstDeviationPct);
    for (const CurvePoint& p : s.deviation) EXPECT_LE(std::abs(p.y), std::abs(s.worstDeviationPct));
}
