#include <gtest/gtest.h>

#include "components/Capacitors.h"

using namespace vokta;

// IEC 60063 E6, and the capacitor the rounding up gives in other decades; electrolytic ratings.
TEST(Capacitors, E6AndRatings) {
    const std::vector<double> e6(E6Decade().begin(), E6Decade().end());
    EXPECT_EQ(e6, (std::vector<double>{1.0, 1.5, 2.2, 3.3, 4.7, 6.8}));
    const struct {
        double value, notBelow;
    } rows[] = {{1.1e-3, 1.5e-3}, {4.7e-6, 4.7e-6}, {7e-6, 1e-5},  {0.5, 0.68},
                {1, 1},           {330, 330},       {0.011, 0.015}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.value);
        const int step = E6StepNotBelow(r.value);
        EXPECT_NEAR(E6Value(step), r.notBelow, 1e-9 * r.notBelow);
        EXPECT_LT(E6Value(step - 1), r.value);
    }
    EXPECT_EQ(ElectrolyticRatingNotBelow(24), 25);
    EXPECT_EQ(ElectrolyticRatingNotBelow(35.1), 50);
    EXPECT_EQ(ElectrolyticRatingNotBelow(6.3), 6.3);
    EXPECT_FALSE(ElectrolyticRatingNotBelow(451));
}
