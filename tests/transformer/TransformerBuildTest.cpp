#include <gtest/gtest.h>

#include <cmath>

#include "base/RuntimeError.h"
#include "components/Capacitors.h"
#include "transformer/TransformerBuild.h"

using namespace vokta;

namespace {

// The README's transformer: a laminated core a = 3, b = 3, c = 2, h = 4 cm of 0.35 mm steel on 220 V,
// windings of 12 V at 1 A and 6.3 V at 0.3 A.
TransformerDesign Readme(TransformerInput& in) {
    in = {CoreType::Laminated, {3, 3, 2, 4}, 0.95f, 220, {{12, 1}, {6.3f, 0.3f}}};
    TransformerDesign d;
    EXPECT_EQ(CalcTransformer(d, in), DesignOutcome::Designed);
    return d;
}

}  // namespace

// By hand, from the design (827, 79 and 29 turns of 0.3023, 0.8423 and 0.4613 mm):
// wires 0.315 (0.367 over the enamel), 0.900 (0.989), 0.500 (0.566) mm. The bobbin is 40 - 2 = 38 mm wide:
// 103, 38 and 67 turns a layer; 827 / 103 -> 9 layers, 79 / 38 -> 3, 29 / 67 -> 1; the windings are
// 9 × 0.367 + 8 × 0.05 = 3.703, 3 × 0.989 + 2 × 0.05 = 3.067 and 0.566 mm thick, with the tube and three
// layers of tape 1 + 3.703 + 3.067 + 0.566 + 3 × 0.3 = 9.236 mm of the window's 20: 46.18 %.
// Mean turns 2 (30 + 30) + 2 pi t, t = 1 + 3.703 / 2 = 2.852, 1 + 3.703 + 0.3 + 3.067 / 2 = 6.537 and
// 1 + 3.703 + 0.3 + 3.067 + 0.3 + 0.283 = 8.653 mm: 137.92, 161.07, 174.37 mm. At 20 °C, R = N l / 58 / S:
// 827 × 0.13792 / 58 / 0.077931 = 25.23 Ω, 79 × 0.16107 / 58 / 0.63617 = 0.3449 Ω,
// 29 × 0.17437 / 58 / 0.19635 = 0.4440 Ω. Open circuit 220 × 79 / 827 = 21.02 V and 220 × 29 / 827 = 7.715 V;
// at full load the primary carries (1.5 × 79 + 0.45 × 29) / 827 = 0.15907 A, and at the running temperature
// T, with k = 1 + 0.00393 (T - 20), U = (220 - 0.15907 × 25.23 k) × 79 / 827 - 1.5 × 0.3449 k and
// (220 - 0.15907 × 25.23 k) × 29 / 827 - 0.45 × 0.4440 k. The steel: 3 × (10 × 7 - 2 × 2 × 4) = 162 cm³ of
// outline, 0.95 of it steel of 7.65 g/cm³: 1.177 kg; at 1.401 T it loses 1.50 (1.401 / 1.7)² = 1.019 W/kg,
// 1.199 W. Its surface 41.3 (9 × 0.95 × 8)^0.5 = 341.6 cm².
TEST(TransformerBuild, ReadmeExampleAsWoundByHand) {
    TransformerInput in;
    const TransformerDesign d = Readme(in);
    const TransformerBuild b = BuildTransformer(d, {in.type, in.core, 0.35, in.loads, 0.1});
    ASSERT_EQ(b.windings.size(), 3u);
    const double k = 1 + 0.00393 * (b.runningCelsius - 20), primaryDrop = 220 - 0.15907 * 25.23 * k;
    const struct {
        double nominal, overall;
        int perLayer, layers;
        double build, meanTurn, r20, noLoad, fullLoad;
    } rows[] = {
        {0.315, 0.367, 103, 9, 3.703, 137.92, 25.23, 220, 0},
        {0.900, 0.989, 38, 3, 3.067, 161.07, 0.3449, 21.02, primaryDrop * 79 / 827 - 1.5 * 0.3449 * k},
        {0.500, 0.566, 67, 1, 0.566, 174.37, 0.4440, 7.715, primaryDrop * 29 / 827 - 0.45 * 0.4440 * k},
    };
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const WindingBuild& w = b.windings[i];
        const auto& r = rows[i];
        EXPECT_EQ(w.wire.nominalMm, r.nominal);
        EXPECT_EQ(w.wire.overallMm, r.overall);
        EXPECT_EQ(w.strands, 1);
        EXPECT_EQ(w.turnsPerLayer, r.perLayer);
        EXPECT_EQ(w.layers, r.layers);
        for (const auto& [got, want] : {std::pair{w.buildMm, r.build},
                                        {w.meanTurnMm, r.meanTurn},
                                        {w.resistance20, r.r20},
                                        {w.resistanceHot, r.r20 * k},
                                        {w.noLoadVoltage, r.noLoad},
                                        {w.fullLoadVoltage, r.fullLoad}})
            EXPECT_NEAR(got, want, 0.01 * std::fabs(want));
    }
    EXPECT_NEAR(b.window.buildMm, 9.236, 0.01 * 9.236);
    EXPECT_NEAR(b.window.fill, 0.4618, 0.01 * 0.4618);
    EXPECT_TRUE(b.window.fits);
    ASSERT_TRUE(b.heat);
    EXPECT_NEAR(b.heat->steelMass, 1.177, 0.01 * 1.177);
    EXPECT_NEAR(b.heat->coreLoss, 1.199, 0.01 * 1.199);
    EXPECT_NEAR(b.heat->surface, 341.6, 0.01 * 341.6);
    // The windings run at the temperature their losses warm them to.
    EXPECT_NEAR(b.heat->windingCelsius, b.runningCelsius, 0.5);
    EXPECT_GT(b.heat->efficiency, 0.5);
    EXPECT_LT(b.heat->efficiency, 1);
    // Each load draws its DC current, as the fixed point R = V(R) / I of plain substitution finds it, and
    // each capacitor is the smallest E6 value that keeps the ripple within 10 % into its load.
    for (size_t i = 1; i < 3; ++i) {
        SCOPED_TRACE(i);
        const RectifierChoice& r = b.windings[i].rectifier.value();
        const double current = in.loads[i - 1].current;
        auto loaded = [&](double capacitance) {
            BridgeCircuit c{std::sqrt(2.0) * b.windings[i].noLoadVoltage,
                            b.windings[i].resistanceHot +
                                b.windings[0].resistanceHot * std::pow(b.windings[i].turns / 827.0, 2),
                            capacitance, in.loads[i - 1].voltage / current};
            for (int n = 0; n < 12; ++n) c.load = SimulateBridge(c).dcVoltage / current;
            return std::pair{c.load, SimulateBridge(c)};
        };
        EXPECT_TRUE(r.currentMet && r.rippleMet);
        EXPECT_NEAR(r.state.dcVoltage / r.load, current, 1e-5 * current);
        EXPECT_NEAR(r.load, loaded(r.capacitance).first, 1e-4 * r.load);
        EXPECT_LE(r.state.ripple, 0.1 * r.state.dcVoltage);
        const BridgeState smaller = loaded(E6Value(E6StepNotBelow(r.capacitance) - 1)).second;
        EXPECT_GT(smaller.ripple, 0.1 * smaller.dcVoltage);
    }
}

// The same windings on a window of 5 mm instead of 20, and on a toroid whose hole is 12 mm instead of 40;
// and a winding of 18 A (5 V at 12 A), whose 3.525 mm wire, thicker than the table's thickest, is wound as
// two wires of 3.525 / 2^0.5 = 2.492 -> 2.5 mm side by side.
TEST(TransformerBuild, WindingsThatDoNotFit) {
    TransformerInput in;
    const TransformerDesign d = Readme(in);
    TransformerBuild b = BuildTransformer(d, {in.type, {3, 3, 0.5, 4}, 0.35, in.loads, 0.1});
    EXPECT_FALSE(b.window.fits);
    EXPECT_NEAR(b.window.fill, 9.236 / 5, 0.01 * 9.236 / 5);

    TransformerInput torus{CoreType::Toroidal, {8, 4, 0, 3}, 0.89f, 220, in.loads};
    TransformerDesign t;
    ASSERT_EQ(CalcTransformer(t, torus), DesignOutcome::Designed);
    EXPECT_TRUE(BuildTransformer(t, {torus.type, torus.core, 0.35, torus.loads, 0.1}).window.fits);
    b = BuildTransformer(t, {torus.type, {8, 1.2, 0, 3}, 0.35, torus.loads, 0.1});
    EXPECT_FALSE(b.window.fits);
    EXPECT_GT(b.window.holeShare, kToroidHoleShare);

    TransformerInput heavy{CoreType::Laminated, {4, 5, 2.5, 6}, 0.95f, 220, {{5, 12}}};
    TransformerDesign h;
    ASSERT_EQ(CalcTransformer(h, heavy), DesignOutcome::Designed);
    b = BuildTransformer(h, {heavy.type, heavy.core, 0.35, heavy.loads, 0.1});
    EXPECT_NEAR(h.SecWireDiameter[1], 3.525, 0.001);
    EXPECT_EQ(b.windings[1].strands, 2);
    EXPECT_EQ(b.windings[1].wire.nominalMm, 2.5);
}

// IEC 60404-8-7 grades M120-23S, M130-27S, M140-30S, M150-35S: the greatest loss at 1.7 T, 50 Hz. Thinner
// strip is taken at the thinnest grade's loss; thicker than 0.35 mm is not known.
TEST(TransformerBuild, SteelLoss) {
    const struct {
        double thickness;
        double loss;  // 0: not known
    } rows[] = {{0.23, 1.20}, {0.27, 1.30}, {0.30, 1.40}, {0.35, 1.50}, {0.08, 1.20}, {0.28, 1.40}, {0.5, 0}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.thickness);
        const auto loss = SteelLossAt17T(r.thickness);
        EXPECT_EQ(loss.value_or(0), r.loss);
    }
}

// A source whose peak of 0.3 V stays below the drop of two diodes gives no DC voltage; 20 V behind 100 Ω
// gives no more than (2 / pi) × 20 / 100 = 0.13 A into a short circuit, not the 1 A asked for: neither
// looks for a capacitor. A capacitor or a current of zero is refused.
TEST(RectifierSimulation, CurrentNotMetAndOutOfDomain) {
    const struct {
        double amplitude, resistance;
        bool conduct;
    } rows[] = {{0.3, 1, false}, {20, 100, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.amplitude);
        const RectifierChoice choice = ChooseSmoothingCapacitor(row.amplitude, row.resistance, 1, 0.1);
        EXPECT_EQ(choice.diodesConduct, row.conduct);
        EXPECT_FALSE(choice.currentMet || choice.rippleMet);
        EXPECT_LT(choice.state.dcVoltage / choice.load, 0.13);
    }
    EXPECT_THROW(SimulateBridge({10, 1, 0, 10}), RuntimeError);
    EXPECT_THROW(ChooseSmoothingCapacitor(10, 1, 0, 0.1), RuntimeError);
}
