#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "base/RuntimeError.h"
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

// Random demands of every kind: each exact design meets both demands, judged on the circuit's own response.
TEST(ExactDesign, MeetsRandomDemandsOfEveryKind) {
    struct Kind {
        FilterType shape;
        bool active;
    } kinds[] = {{FilterType::LowPass, false},  {FilterType::HighPass, false}, {FilterType::BandPass, false},
                 {FilterType::BandStop, false}, {FilterType::LowPass, true},   {FilterType::HighPass, true}};
    std::mt19937 random(17);
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(random); };
    for (const Kind& kind : kinds)
        for (FilterResponse response : {FilterResponse::Butterworth, FilterResponse::Chebyshev}) {
            const FilterCircuit shown =
                kind.active ? FilterCircuit(ActiveCircuit{}) : LadderCircuit{uniform(20, 600), {}};
            int designed = 0, refused = 0;
            while (designed < 200) {
                ResponseDemand d{kind.shape, std::pow(10, uniform(-2, 0.5)), 0, 0, 0, 0, 0};
                d.astop = d.amin + uniform(3, 80);
                const double f0 = std::pow(10, uniform(1, 6)), width = uniform(0.02, 1.5);
                d.fleft = f0 * (std::sqrt(1 + width * width / 4) - width / 2);
                d.fright = f0 * f0 / d.fleft;
                switch (kind.shape) {
                    case FilterType::LowPass:
                        d.f1 = f0, d.fs = f0 * uniform(1.05, 6);
                        break;
                    case FilterType::HighPass:
                        d.f1 = f0, d.fs = f0 / uniform(1.05, 6);
                        break;
                    case FilterType::BandPass:
                        d.fs = d.fright * uniform(1.02, 4);
                        break;
                    case FilterType::BandStop:
                        d.fs = d.fleft * std::pow(d.fright / d.fleft, uniform(0.02, 0.98));
                        break;
                }
                const int least = ExactOrder(d, response);
                SCOPED_TRACE(testing::Message()
                             << int(kind.shape) << " active " << kind.active << " response " << int(response)
                             << " order " << least << " amin " << d.amin << " astop " << d.astop << " fs "
                             << d.fs << " qb " << std::sqrt(d.fleft * d.fright) / (d.fright - d.fleft));
                const bool raised = !kind.active && response == FilterResponse::Chebyshev && least % 2 == 0;
                if (least + raised > kMaxExactOrder) {
                    EXPECT_THROW(ExactDesign(d, response, shown), RuntimeError);
                    ++refused;
                    continue;
                }
                const FilterCircuit circuit = ExactDesign(d, response, shown);
                ASSERT_EQ(OrderOf(circuit), least + raised);
                const ResponseAnalysis a = AnalyseResponse(circuit, d);
                EXPECT_GE(a.passBand.margin, -1e-6);
                EXPECT_GE(a.stopBand.margin, -1e-6);
                ++designed;
            }
            EXPECT_GT(refused, 0);  // the limit on the order was reached too
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
         "Для таких требований нужен фильтр 141-го порядка, а точный расчет строит фильтры не выше 12-го: "
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
