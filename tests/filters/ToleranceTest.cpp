#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "filters/ExactDesign.h"
#include "filters/FilterParts.h"
#include "filters/FrequencyResponse.h"
#include "filters/Losses.h"
#include "filters/PassiveLadder.h"
#include "filters/Tolerance.h"
#include "support/FilterDemands.h"

using namespace vokta;
using namespace vokta::test;

namespace {

// A passive ladder between 50 ohm terminations, as the exact design's pattern.
const LadderCircuit kFiftyOhmLadder = [] {
    LadderCircuit circuit;
    circuit.rn = 50;
    return circuit;
}();

std::vector<DemandedCircuit> Designs() {
    PrototypeValues g7, g3;
    LoadChebyshevPrototype(g7, 7, 0.5f);
    LoadButterworthPrototype(g3, 3);
    const double f0 = std::sqrt(9000.0 * 11000);
    const LadderCircuit lp7 = DesignedLadder(FilterType::LowPass, 7, 1000, 0, 50, g7),
                        bp3 = DesignedLadder(FilterType::BandPass, 3, float(f0), float(f0 / 2000), 50, g3);
    const ResponseDemand bp3Demand = Demand(FilterType::BandPass, 3, 20, 0, 16000, 9000, 11000);
    return {
        // Lossy parts, which the quick sums take in complex arithmetic and the verdict through the arms.
        {"lossy low-pass 7", WithLosses(lp7, {150, 2000}, 1000),
         Demand(FilterType::LowPass, 1, 30, 1000, 1500)},
        {"lossy band-pass 3", WithLosses(bp3, {100, 1000}, f0), bp3Demand},
        {"low-pass 7", lp7, Demand(FilterType::LowPass, 1, 30, 1000, 1500)},
        {"high-pass 7", DesignedLadder(FilterType::HighPass, 7, 1000, 0, 50, g7),
         Demand(FilterType::HighPass, 1, 30, 1000, 700)},
        {"band-pass 3", DesignedLadder(FilterType::BandPass, 3, float(f0), float(f0 / 2000), 50, g3),
         Demand(FilterType::BandPass, 3, 20, 0, 16000, 9000, 11000)},
        {"band-stop 3", DesignedLadder(FilterType::BandStop, 3, float(f0), float(f0 / 2000), 50, g3),
         Demand(FilterType::BandStop, 3, 15, 0, 10100, 9000, 11000)},
        // Network branches: traps, which take the simple arms' sums, and a band-pass's parallel arms of
        // three.
        {"elliptic low-pass 9",
         ExactDesignOfOrder(Demand(FilterType::LowPass, 0.5, 60, 1000, 1100), FilterFamily::Elliptic,
                            FilterCircuit(kFiftyOhmLadder), 9),
         Demand(FilterType::LowPass, 0.5, 60, 1000, 1100)},
        {"elliptic band-pass 5",
         ExactDesignOfOrder(Demand(FilterType::BandPass, 0.5, 40, 0, 12500, 9000, 11000),
                            FilterFamily::Elliptic, FilterCircuit(kFiftyOhmLadder), 5),
         Demand(FilterType::BandPass, 0.5, 40, 0, 12500, 9000, 11000)},
        {"active high-pass 3",
         ActiveCircuit{true, {GroupStage(15.9f, 0.01f), SectionStage(15.9f, 0.01f, 10, 10)}},
         Demand(FilterType::HighPass, 3, 15, 1000, 400)},
    };
}

bool Verdict(const FilterCircuit& circuit, const ResponseDemand& demand) {
    const ResponseAnalysis a = AnalyseResponse(circuit, demand);
    return a.passBand.met && a.stopBand.met;
}

// Every part of the circuit scaled by its own factor within ±spread.
FilterCircuit Scaled(FilterCircuit circuit, double spread, std::mt19937& random) {
    std::uniform_real_distribution<double> factor(1 - spread, 1 + spread);
    if (auto* ladder = std::get_if<LadderCircuit>(&circuit)) {
        for (LadderBranch& b : ladder->branches)
            ForEachElement(b, [&](ElementKind, auto& stored, double) { stored *= factor(random); });
    } else {
        for (ActiveStage& s : std::get<ActiveCircuit>(circuit).stages) {
            for (int i = 0; i < 2; ++i) s.r[i] *= float(factor(random)), s.c[i] *= float(factor(random));
            s.rFeedback *= float(factor(random));
        }
    }
    return circuit;
}

// A demand that the design meets with a little room.
ResponseDemand Loose(const DemandedCircuit& design) {
    const ResponseAnalysis a = AnalyseResponse(design.circuit, design.demand);
    ResponseDemand loose = design.demand;
    loose.amin = a.passBand.attenuation + 0.3, loose.astop = a.stopBand.attenuation - 3;
    return loose;
}

}  // namespace

// The quick judgement is the verdict's, for circuits far from their limits and for limits set exactly at
// the worst figure of the circuit (met) or a hair inside it (missed).
TEST(Tolerance, MeetsDemandAgreesWithTheVerdict) {
    for (const DemandedCircuit& design : Designs()) {
        SCOPED_TRACE(design.name);
        std::mt19937 random(7);
        const ResponseDemand loose = Loose(design);
        int met = 0;
        for (int i = 0; i < 40; ++i) {
            const FilterCircuit circuit = Scaled(design.circuit, 0.015, random);
            const bool verdict = Verdict(circuit, loose);
            met += verdict;
            ASSERT_EQ(MeetsDemand(circuit, loose), verdict) << i;
        }
        EXPECT_GT(met, 0);
        EXPECT_LT(met, 40);
        ResponseDemand edge = design.demand;
        const ResponseAnalysis a = AnalyseResponse(design.circuit, edge);
        edge.amin = a.passBand.attenuation, edge.astop = a.stopBand.attenuation;
        EXPECT_TRUE(MeetsDemand(design.circuit, edge));
        ResponseDemand inside = edge;
        inside.amin = std::nextafter(edge.amin, -1.0);
        EXPECT_FALSE(MeetsDemand(design.circuit, inside));
        inside = edge;
        inside.astop = std::nextafter(edge.astop, 1000.0);
        EXPECT_FALSE(MeetsDemand(design.circuit, inside));
    }
}

// At 0 % every circuit is the design itself; as the tolerance grows fewer circuits are good, and the band
// widens around the curve. The same design gives the same figures.
TEST(Tolerance, YieldFollowsTheVerdictAndFallsWithTheTolerance) {
    for (const DemandedCircuit& design : Designs()) {
        SCOPED_TRACE(design.name);
        const FilterCircuit standard = StandardCircuit(design.circuit, ESeries::E24);
        const ResponseAnalysis analysis = AnalyseResponse(standard, design.demand);
        const int n = 300;
        const ToleranceRun exact = RunTolerance(standard, design.demand, 0, analysis.fmin, analysis.fmax, n);
        EXPECT_EQ(exact.good, Verdict(standard, design.demand) ? n : 0);
        const ResponseDemand loose = Loose({design.name, standard, design.demand});
        int last = n + 1;
        double lastWidth = -1;
        for (double tolerance : {0.0, 0.01, 0.02, 0.05, 0.1}) {
            const ToleranceRun run =
                RunTolerance(standard, loose, tolerance, analysis.fmin, analysis.fmax, n);
            EXPECT_LE(run.good, last) << tolerance;
            if (tolerance == 0) {
                EXPECT_EQ(run.good, n);
            }
            if (tolerance == 0.1) {
                EXPECT_LT(run.good, n);
            }
            last = run.good;
            double width = 0;
            for (size_t k = 0; k < run.f.size(); ++k) {
                ASSERT_LE(run.low[k], run.high[k]);
                width += run.high[k] - run.low[k];
            }
            EXPECT_GT(width, lastWidth) << tolerance;
            lastWidth = width;
            const ToleranceRun again =
                RunTolerance(standard, loose, tolerance, analysis.fmin, analysis.fmax, n);
            EXPECT_EQ(again.good, run.good);
            EXPECT_EQ(again.high, run.high);
        }
    }
}

TEST(Tolerance, YieldText) {
    struct Case {
        double tolerance;
        int good;
        const char* text;
    } cases[] = {
        {0.05, 1740, "Годных при допуске 5 %: 87 %"}, {0.1, 1999, "Годных при допуске 10 %: 99 %"},
        {0.01, 20, "Годных при допуске 1 %: 1 %"},    {0.01, 19, "Годных при допуске 1 %: 0,9 %"},
        {0.1, 2, "Годных при допуске 10 %: 0,1 %"},   {0.1, 1, "Годных при допуске 10 %: менее 0,1 %"},
        {0, 2000, "Годных при допуске 0 %: 100 %"},   {0.02, 0, "Годных при допуске 2 %: 0 %"}};
    for (const Case& c : cases) {
        ToleranceRun run;
        run.tolerance = c.tolerance, run.circuits = 2000, run.good = c.good;
        EXPECT_EQ(YieldText(run, {",", "\xC2\xA0"}), c.text);
    }
}
