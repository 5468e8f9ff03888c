#include <gtest/gtest.h>

#include "components/EnamelledWire.h"

using namespace vokta;

// Rows of IEC 60317-0-1 Table 1 (grade 2 maximum overall diameter), read from the standard.
TEST(EnamelledWire, PublishedRows) {
    const struct {
        double nominal, overall;
    } rows[] = {{0.100, 0.125}, {0.200, 0.239}, {0.315, 0.367},
                {0.500, 0.566}, {1.000, 1.094}, {2.000, 2.112}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.nominal);
        const auto w = WireOfNominal(r.nominal);
        ASSERT_TRUE(w);
        EXPECT_DOUBLE_EQ(w->overallMm, r.overall);
    }
}

TEST(EnamelledWire, RoundsUpToASize) {
    const struct {
        double computed;
        double expected;  // 0: none
    } cases[] = {{0.3022682, 0.315}, {0.315, 0.315}, {0.3154, 0.355}, {0.316, 0.355},
                 {0.05, 0.100},      {3.15, 3.150},  {3.2, 0},        {0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.computed);
        const auto w = WireNotBelow(c.computed);
        if (c.expected == 0)
            EXPECT_FALSE(w);
        else
            EXPECT_DOUBLE_EQ(w.value().nominalMm, c.expected);
    }
}

// 1 m of 1 mm copper is 22.0 mΩ at 20 °C (1/58 Ω·mm²/m over 0.785 mm²), and 3.93 % more 10 K warmer.
TEST(EnamelledWire, CopperResistance) {
    EXPECT_NEAR(CopperResistance(1.0, 1.0), 0.021952, 1e-6);
    EXPECT_NEAR(CopperResistance(1.0, 1.0, 30) / CopperResistance(1.0, 1.0), 1.0393, 1e-9);
}
