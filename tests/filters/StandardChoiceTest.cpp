#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "base/RuntimeError.h"
#include "filters/ExactDesign.h"
#include "filters/FrequencyResponse.h"
#include "filters/StandardChoice.h"
#include "support/FilterDemands.h"

using namespace vokta;

// The neighbours in IEC 60063's E24 (… 4.3, 4.7 …; 9.1 then 10) and E6 (… 6.8, then 10).
TEST(StandardChoice, NeighboursOnTheSeries) {
    struct Row {
        double value;
        ESeries series;
        double below, above;
    } rows[] = {{4600, ESeries::E24, 4300, 4700},     {4700, ESeries::E24, 4700, 4700},
                {9.5e-9, ESeries::E24, 9.1e-9, 1e-8}, {1.05e-6, ESeries::E24, 1e-6, 1.1e-6},
                {0.9, ESeries::E6, 0.68, 1},          {0.72, ESeries::E6, 0.68, 1}};
    for (const Row& r : rows) {
        const auto [below, above] = StandardNeighbours(r.value, r.series);
        EXPECT_NEAR(below / r.below, 1, 1e-12) << r.value;
        EXPECT_NEAR(above / r.above, 1, 1e-12) << r.value;
    }
}

// On random exact designs of every kind at E24: the chosen values' worst margin, as the response analysis
// judges the circuit, is never below the nearest values', every value is one of its part's two neighbours,
// and in most band filters (whose resonators the nearest values detune) the choice does better.
TEST(StandardChoice, NeverWorseThanTheNearestValues) {
    std::mt19937 rng(23);
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); };
    auto worst = [](const FilterCircuit& c, const ResponseDemand& d) {
        const ResponseAnalysis a = AnalyseResponse(c, d);
        return std::min(a.passBand.margin, a.stopBand.margin);
    };
    for (FilterType shape :
         {FilterType::LowPass, FilterType::HighPass, FilterType::BandPass, FilterType::BandStop}) {
        int designs = 0, better = 0;
        while (designs < 200) {
            const double f0 = std::exp(uniform(std::log(1e3), std::log(3e7))), width = uniform(0.05, 0.5);
            const double ws = uniform(1.3, 3);
            ResponseDemand d = test::Demand(shape, uniform(0.1, 3), uniform(20, 60), f0,
                                            shape == FilterType::LowPass ? f0 * ws : f0 / ws);
            d.fleft = f0 * (std::sqrt(1 + width * width / 4) - width / 2);
            d.fright = f0 * f0 / d.fleft;
            if (shape == FilterType::BandPass) d.fs = d.fright * ws;
            if (shape == FilterType::BandStop) d.fs = f0 * (1 + width / (4 * ws));
            FilterCircuit design;
            try {
                design = ExactDesign(d, designs % 2 ? FilterFamily::Chebyshev : FilterFamily::Butterworth,
                                     LadderCircuit{50, {}});
            } catch (const RuntimeError&) {
                continue;
            }
            ++designs;
            const FilterCircuit nearest = StandardCircuit(design, ESeries::E24),
                                chosen = TunedStandardCircuit(design, ESeries::E24, d);
            const double before = worst(nearest, d), after = worst(chosen, d);
            EXPECT_GE(after, before) << int(shape);
            better += after > before + 0.01;
            const std::vector<FilterPart> parts = CircuitParts(design), picked = CircuitParts(chosen);
            for (size_t i = 0; i < parts.size(); ++i) {
                const auto [below, above] = StandardNeighbours(parts[i].value, ESeries::E24);
                EXPECT_TRUE(std::abs(picked[i].value / below - 1) < 1e-6 ||
                            std::abs(picked[i].value / above - 1) < 1e-6);
            }
        }
        if (IsBandFilter(shape)) {
            EXPECT_GT(better, designs / 2) << int(shape);
        }
    }
}
