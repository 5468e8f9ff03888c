#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "base/RuntimeError.h"
#include "filters/Approximations.h"
#include "filters/ExactDesign.h"
#include "filters/FrequencyResponse.h"
#include "filters/SpiceNetlist.h"

using namespace vokta;

namespace {

int OrderOf(const FilterCircuit& circuit) {
    if (const auto* ladder = std::get_if<LadderCircuit>(&circuit)) return int(ladder->branches.size());
    int n = 0;
    for (const ActiveStage& s : std::get<ActiveCircuit>(circuit).stages)
        n += s.kind == ActiveStageKind::Section ? 2 : s.kind == ActiveStageKind::FirstOrder ? 1 : 0;
    return n;
}

}  // namespace

// Orders from the published design charts.
TEST(ExactDesign, OrderIsTheLeastTheChartsGive) {
    struct Case {
        FilterResponse response;
        double amin, astop, ws;
        int order;
    } cases[] = {
        {FilterResponse::Butterworth, 3, 40, 2, 7},    {FilterResponse::Butterworth, 1, 60, 3, 7},
        {FilterResponse::Butterworth, 0.5, 20, 4, 3},  {FilterResponse::Chebyshev, 0.5, 40, 2, 5},
        {FilterResponse::Chebyshev, 0.1, 60, 1.5, 10}, {FilterResponse::Chebyshev, 1, 30, 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ws);
        EXPECT_EQ(ExactOrder({FilterType::LowPass, c.amin, c.astop, 1000, 0, 0, 1000 * c.ws}, c.response),
                  c.order);
        // The same prototype for the mirror image and for a band filter of the same selectivity.
        EXPECT_EQ(ExactOrder({FilterType::HighPass, c.amin, c.astop, 1000 * c.ws, 0, 0, 1000}, c.response),
                  c.order);
    }
}

// The attenuation at Ω = ws of the ideal response of order n whose pass-band edge Ω = 1 is at amin dB.
double IdealStop(FilterFamily family, int n, double amin, double ws) {
    const double e2 = std::expm1(amin * std::log(10.0) / 10);
    double k = 0;
    switch (family) {
        case FilterFamily::Butterworth:
            k = std::pow(ws, n);
            break;
        case FilterFamily::Chebyshev:
            k = std::cosh(n * std::acosh(ws));
            break;
        case FilterFamily::Elliptic:
            k = EllipticStopFactor(n, ws);
            break;
        case FilterFamily::Bessel:
            return BesselAttenuation(n, ws * BesselEdge(n, amin));
    }
    return 10 * std::log10(1 + e2 * k * k);
}

// Random demands of every family and kind, 300 each, their least orders spread over all the orders the
// design builds: each exact design meets both demands as the response verdict judges them.
TEST(ExactDesign, MeetsRandomDemandsOfEveryFamilyAndKind) {
    const FilterType shapes[] = {FilterType::LowPass, FilterType::HighPass, FilterType::BandPass,
                                 FilterType::BandStop};
    std::mt19937 random(17);
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(random); };
    for (bool active : {false, true})
        for (FilterType shape : shapes)
            for (FilterFamily family : {FilterFamily::Butterworth, FilterFamily::Chebyshev,
                                        FilterFamily::Elliptic, FilterFamily::Bessel}) {
                if (active && (IsBandFilter(shape) || family == FilterFamily::Elliptic)) continue;
                const bool odd =
                    !active && (family == FilterFamily::Chebyshev || family == FilterFamily::Elliptic);
                const int step = odd ? 2 : 1, most = MaxExactOrder(active);
                const FilterCircuit shown =
                    active ? FilterCircuit(ActiveCircuit{}) : LadderCircuit{uniform(20, 600), {}};
                int raised = 0;
                for (int i = 0; i < 300; ++i) {
                    const int n = 1 + step * (i % ((most - 1) / step + 1));
                    // A selectivity, and a stop-band limit between what the orders before n and order n
                    // reach there (a Bessel response of a higher order may reach less than a lower one).
                    ResponseDemand d{shape, std::pow(10, uniform(-2, 0.5)), 0, 0, 0, 0, 0};
                    const double ws =
                        std::exp(uniform(0.01, std::log(family == FilterFamily::Bessel ? 30 : 4)));
                    double below = d.amin;
                    for (int m = n - step; m >= 1; m -= family == FilterFamily::Bessel ? 1 : 1000)
                        below = std::max(below, IdealStop(family, m, d.amin, ws));
                    const double reach = std::min(IdealStop(family, n, d.amin, ws), 290.0);
                    if (!(reach > below + 1e-3)) {
                        --i;  // order n is not the least for any limit at this selectivity
                        continue;
                    }
                    d.astop = below + (reach - below) * uniform(0.05, 1);
                    const double f0 = std::pow(10, uniform(1, 6)), width = uniform(0.02, 1.5);
                    d.fleft = f0 * (std::sqrt(1 + width * width / 4) - width / 2);
                    d.fright = f0 * f0 / d.fleft;
                    // A band filter's fs from |f/f0 - f0/f| = t: t = ws·b/f0 for a band-pass, b/(f0·ws) for a
                    // band-stop.
                    const double b = d.fright - d.fleft,
                                 t = shape == FilterType::BandPass ? ws * b / f0 : b / (f0 * ws);
                    const double x = (t + std::sqrt(t * t + 4)) / 2;
                    const double fs[] = {f0 * ws, f0 / ws, uniform(0, 1) < 0.5 ? f0 * x : f0 / x, f0 * x};
                    d.f1 = f0, d.fs = fs[int(shape)];
                    SCOPED_TRACE(testing::Message() << "shape " << int(shape) << " active " << active
                                                    << " family " << int(family) << " order " << n << " amin "
                                                    << d.amin << " astop " << d.astop << " ws " << ws);
                    const int least = ExactOrder(d, family);
                    EXPECT_EQ(least + (odd && least % 2 == 0), n);
                    FilterCircuit circuit;
                    ASSERT_NO_THROW(circuit = ExactDesign(d, family, shown));
                    const int order = OrderOf(circuit);
                    EXPECT_GE(order, n);
                    raised += order > n;
                    const ResponseAnalysis a = AnalyseResponse(circuit, d);
                    EXPECT_TRUE(a.passBand.met && a.stopBand.met)
                        << a.passBand.margin << " " << a.stopBand.margin;
                }
                // An order above the least only where the least one misses by the rounding of its values or
                // has no elliptic ladder.
                EXPECT_LE(raised, 15) << int(shape) << " active " << active << " family " << int(family);
            }
}

TEST(ExactDesign, RefusesWhatNoSensibleFilterMeets) {
    struct Case {
        ResponseDemand demand;
        bool active;
        const char* message;
    } cases[] = {
        {{FilterType::LowPass, 0.1, 100, 1000, 0, 0, 1100},
         false,
         "Для таких требований нужен фильтр 141-го порядка, а точный расчет строит фильтры не выше 15-го: "
         "ослабьте требования или раздвиньте частоты."},
        {{FilterType::LowPass, 3, 40, 1000, 0, 0, 900},
         false,
         "Частота задерживания лежит в полосе пропускания или на ее краю: такое требование не выполнит "
         "фильтр "
         "никакого порядка."},
        {{FilterType::BandPass, 3, 40, 0, 900, 1100, 1500},
         true,
         "Активные полосовые и режекторные фильтры не рассчитываются."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const FilterCircuit shown = c.active ? FilterCircuit(ActiveCircuit{}) : LadderCircuit{50, {}};
        try {
            ExactDesign(c.demand, FilterResponse::Butterworth, shown);
            ADD_FAILURE() << "designed";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.userMessage(), c.message);
        }
    }
}

// An odd active order: the first-order group, the follower that keeps the next section from loading it,
// then the section; every part listed, the follower among the amplifiers.
TEST(ExactDesign, ListsTheFollowerOfAnOddActiveOrder) {
    const ResponseDemand d{FilterType::LowPass, 3, 20, 1000, 0, 0, 2000};
    const FilterCircuit circuit = ExactDesign(d, FilterResponse::Chebyshev, ActiveCircuit{});
    std::string names;
    for (const FilterPart& p : CircuitParts(circuit)) names += p.designator + " ";
    EXPECT_EQ(names, "R1 C1 DA1 R2 R3 C2 C3 DA2 R4 R5 ");
    const std::string netlist = SpiceNetlist(circuit, d, ESeries::None, 100, 8000);
    EXPECT_NE(netlist.find("\nR1 in n1 10000\nC1 n1 0 "), std::string::npos) << netlist;
    EXPECT_NE(netlist.find("\nEDA1 n2 0 n1 n2 1e6\nR2 n2 n3 10000\n"), std::string::npos) << netlist;
}

// Demands a hair either side of the boundary between two orders (within 0.001 dB), the boundary from the
// closed form of the response, A(Ωs) = 10·lg(1 + ε²·K(Ωs)²): the order taken is the least whose circuit
// the verdict passes, and the order before it (its pass-band edge placed as well as it can be) fails.
TEST(ExactDesign, TakesTheLeastOrderAtItsBoundary) {
    using T = FilterType;
    const FilterResponse B = FilterResponse::Butterworth, C = FilterResponse::Chebyshev;
    struct Row {
        T shape;
        FilterResponse response;
        bool active;
        double amin, ws;
        int n;
    } rows[] = {{T::LowPass, B, false, 3.0103, 2, 5}, {T::LowPass, C, false, 0.5, 1.3, 5},
                {T::LowPass, B, true, 1, 3, 3},       {T::HighPass, C, true, 0.5, 1.5, 4},
                {T::BandPass, C, false, 0.5, 3, 3},   {T::BandStop, B, false, 3, 2.5, 4}};
    // Within a millionth of a dB of the boundary: order 5 meets both.
    const ResponseDemand tight{T::LowPass, 3.0103, 30.1072386539, 1000, 0, 0, 2000};
    EXPECT_EQ(OrderOf(ExactDesign(tight, B, LadderCircuit{50, {}})), 5);
    auto meets = [](const FilterCircuit& circuit, const ResponseDemand& d) {
        const ResponseAnalysis a = AnalyseResponse(circuit, d);
        return a.passBand.met && a.stopBand.met;
    };
    for (const Row& row : rows)
        for (double offset : {-1e-3, -1e-5, 1e-5}) {
            SCOPED_TRACE(testing::Message() << int(row.shape) << " order " << row.n << " " << offset);
            const double k =
                row.response == C ? std::cosh(row.n * std::acosh(row.ws)) : std::pow(row.ws, row.n);
            ResponseDemand d{row.shape, row.amin, 0, 1000, 0.9e6, 1.2e6, 0};
            d.astop = 10 * std::log10(1 + std::expm1(row.amin * std::log(10.0) / 10) * k * k) + offset;
            // A band filter's fs from f/f0 - f0/f = ±t: t = Ωs·b/f0 for a band-pass (taken below the band),
            // b/(f0·Ωs) for a band-stop.
            const double f0 = std::sqrt(d.fleft * d.fright), b = d.fright - d.fleft;
            const double t = row.shape == T::BandPass ? row.ws * b / f0 : b / (f0 * row.ws);
            const double x = (t + std::sqrt(t * t + 4)) / 2,
                         fs[] = {1000 * row.ws, 1000 / row.ws, f0 / x, f0 * x};
            d.fs = fs[int(row.shape)];
            const FilterCircuit shown = row.active ? FilterCircuit(ActiveCircuit{}) : LadderCircuit{50, {}};
            const int step = row.response == C && !row.active ? 2 : 1,
                      expected = row.n + (offset > 0 ? step : 0);
            const FilterCircuit circuit = ExactDesign(d, row.response, shown);
            EXPECT_EQ(OrderOf(circuit), expected);
            EXPECT_TRUE(meets(circuit, d));
            EXPECT_FALSE(meets(ExactDesignOfOrder(d, row.response, shown, expected - step), d));
        }
}

// A band-pass demand below the band (judged at its mirror image in the rows above) says so in the netlist;
// a band-stop demand at the centre falls on the notch, which a single resonator gives.
TEST(ExactDesign, ABandPassBelowItsBandAndABandStopAtItsCentre) {
    const ResponseDemand below{FilterType::BandPass, 1, 40, 0, 1e6, 2e6, 0.5e6};
    const FilterCircuit circuit = ExactDesign(below, FilterResponse::Butterworth, LadderCircuit{50, {}});
    EXPECT_NE(SpiceNetlist(circuit, below, ESeries::None, 1e5, 1e7).find("не менее 40 дБ до 500000 Гц\n"),
              std::string::npos);
    const ResponseDemand notch{FilterType::BandStop, 1, 60, 0, 900, 1600, 1200};
    const FilterCircuit single = ExactDesign(notch, FilterResponse::Chebyshev, LadderCircuit{50, {}});
    const ResponseAnalysis n = AnalyseResponse(single, notch);
    EXPECT_TRUE(OrderOf(single) == 1 && n.passBand.met && n.stopBand.met);
}
