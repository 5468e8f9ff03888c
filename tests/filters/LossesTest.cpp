#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "filters/FrequencyResponse.h"
#include "filters/Losses.h"
#include "support/FilterDemands.h"

using namespace vokta;

// Cohn's estimate of the mid-band loss of a narrow band-pass filter whose resonators have the unloaded
// quality factor Q: 4.343·(f0/BW)·Σg/Q dB, g the low-pass prototype's values. The lossy ladder's own
// figure at the centre (less the lossless one's) agrees within 10 % for fractional bandwidths up to 10 %.
TEST(Losses, BandPassMidBandLossFollowsCohnsEstimate) {
    const double f0 = 7.1e6;
    for (int n = 2; n <= 4; ++n)
        for (double fbw : {0.01, 0.03, 0.1})
            for (double q : {100.0, 250.0, 1000.0}) {
                double sum = 0;
                for (int k = 1; k <= n; ++k) sum += test::ButterworthG(n, k);
                const double estimate = 10 / std::log(10.0) * sum / (fbw * q);
                if (estimate > 3) continue;  // a first-order estimate: small losses only
                const LadderCircuit ideal = test::ButterworthLadder(FilterType::BandPass, n, f0, 50, 1 / fbw);
                ResponseDemand d = test::Demand(FilterType::BandPass, 3, 20, 0, f0 * 2,
                                                f0 * (std::sqrt(1 + fbw * fbw / 4) - fbw / 2), 0);
                d.fright = f0 * f0 / d.fleft;
                ASSERT_NEAR(QualityFrequency(d), f0, 1e-6 * f0);
                const FilterCircuit lossy = WithLosses(ideal, {q, 0}, QualityFrequency(d));
                const double loss = AttenuationOf(lossy, d)(f0) - AttenuationOf(ideal, d)(f0);
                EXPECT_NEAR(loss / estimate, 1, 0.1) << "n " << n << ", bandwidth " << fbw << ", Q " << q;
            }
}

// The resistors: ωL/Q in series with a coil, Q/(ωC) across a capacitor, after the ideal parts' names; a
// lossless quality leaves the circuit as it is.
TEST(Losses, ResistorsOfTheGivenQuality) {
    const LadderCircuit ideal = test::ButterworthLadder(FilterType::LowPass, 3, 1e6, 50);
    const FilterCircuit made = WithLosses(ideal, {200, 1000}, 1e6);
    const auto* lossy = std::get_if<LadderCircuit>(&made);
    ASSERT_TRUE(lossy);
    const double w = 2 * std::numbers::pi * 1e6;
    // Order 3: C1 to ground, L1 in the line, C2 to ground.
    const Arm& c1 = lossy->branches[0].arm;
    ASSERT_EQ(c1.join, Arm::Join::Parallel);
    EXPECT_NEAR(c1.parts[1].value, 1000 / (w * c1.parts[0].value), 1e-9);
    const Arm& l1 = lossy->branches[1].arm;
    ASSERT_EQ(l1.join, Arm::Join::Series);
    EXPECT_NEAR(l1.parts[1].value * 200, w * l1.parts[0].value, 1e-9);
    EXPECT_EQ(l1.parts[1].kind, ElementKind::Resistor);
    const FilterCircuit unchanged = WithLosses(ideal, {HUGE_VAL, 0}, 1e6);
    const auto* same = std::get_if<LadderCircuit>(&unchanged);
    ASSERT_TRUE(same);
    EXPECT_EQ(same->branches[1].parts, BranchParts::L);
}
