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
            while (designed < 500) {
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
