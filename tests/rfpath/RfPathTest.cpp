#include "rfpath/RfPath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <random>
#include <string>

#include "RfPathExample.h"
#include "base/NumberText.h"
#include "base/RuntimeError.h"

namespace vokta {
namespace {

RfPathTask Example() {
    return test::RfPathExample();
}

float Single(double x) {
    return static_cast<float>(x);
}

TEST(RfPath, WorkedExampleNeedsTwoCircuits) {
    const RfPathDesign d = DesignRfPath(Example());
    ASSERT_EQ(d.verdict, RfPathVerdict::Designed);
    EXPECT_EQ(d.imageHz, 10.93e6f);
    EXPECT_NEAR(d.imageDetuning, 0.1781, 5e-5);
    EXPECT_EQ(d.imageDetuning, Single(10.93 / 10 - 10 / 10.93));
    EXPECT_NEAR(d.couplingDb, -0.772, 5e-4);
    EXPECT_EQ(d.antennaDb, 0.0f);
    EXPECT_NEAR(d.selectivityRatio, std::pow(10.0, (30 + 20 * std::log10(1.093)) / 20), 1e-4);
    EXPECT_NEAR(d.selectivityDamping, 0.0307, 5e-5);
    // The oscillator at 10.465 MHz drifts by 1e-3 of it: the 6 kHz AM band widens by 2 * 10.465 kHz.
    EXPECT_EQ(d.oscillatorHz, 10.465e6f);
    EXPECT_NEAR(d.driftHz, 20930, 0.01);
    EXPECT_NEAR(d.bandwidthHz, 26930, 0.01);
    // The band's lower edge, 5 MHz - 13.465 kHz, lies off by a detuning of 0.0053933; two circuits lose
    // 3 dB there with Q = 119.09.
    EXPECT_EQ(d.lowerEdgeHz, 4986535.0f);
    EXPECT_NEAR(d.edgeDetuning, 0.0053933, 5e-8);
    EXPECT_NEAR(d.attenuationDamping, 0.0083969, 5e-8);
    EXPECT_EQ(d.circuits, 2);
    // Q >= 32.53 gives the selectivity: 33.
    EXPECT_EQ(NumberText(d.selectivityQ), " 33");
    EXPECT_EQ(NumberText(d.attenuationQ), " 119");
    EXPECT_EQ(NumberText(d.circuits), " 2");
    EXPECT_FALSE(d.coilAntennaDb.has_value());
}

TEST(RfPath, OneCircuitWhenOneMeetsBothDemands) {
    // 20 dB are within reach of one circuit of 0.01: Q from 61.1 up to 184.98.
    RfPathTask t = Example();
    t.selectivityDb = 20;
    RfPathDesign d = DesignRfPath(t);
    ASSERT_EQ(d.verdict, RfPathVerdict::Designed);
    EXPECT_EQ(d.circuits, 1);
    EXPECT_EQ(d.selectivityQ, 62.0f);
    EXPECT_EQ(d.attenuationQ, 184.0f);

    // Better coils, 0.005, would give the 30 dB with one circuit (it needs 0.00515 at most), but one
    // circuit needs Q >= 194.0 where its pass band allows 184.98: two circuits do it.
    t = Example();
    t.circuitDamping = 0.005;
    d = DesignRfPath(t);
    ASSERT_EQ(d.verdict, RfPathVerdict::Designed);
    EXPECT_EQ(d.circuits, 2);
    EXPECT_EQ(d.selectivityQ, 33.0f);
    EXPECT_EQ(d.attenuationQ, 119.0f);
}

TEST(RfPath, BandwidthOfEachModulationAndTheOscillatorDrift) {
    // The band of the modulation widens by 2 delta (fmax + fif) = 20930 Hz at 1e-3, 2.093 Hz at 1e-7;
    // the quality factor for attenuation follows the bandwidth.
    struct Row {
        const char* name;
        Modulation modulation;
        double index, instability;
        float bandwidth;
        float attenuationQ;
    } rows[] = {
        {"AM", Modulation::AM, 0, 1e-3, 26930, 119},
        {"SSB", Modulation::SSB, 0, 1e-3, 23930, 134},
        {"FM, m = 4", Modulation::FM, 4, 1e-3, 62930, 50},
        {"FM, m = 0", Modulation::FM, 0, 1e-3, 26930, 119},
        {"AM ignores a negative index", Modulation::AM, -3, 1e-3, 26930, 119},
        {"AM, a stable oscillator", Modulation::AM, 0, 1e-7, 6002.093f, 534},
        {"SSB, no drift", Modulation::SSB, 0, 0, 3000, 1070},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RfPathTask t = Example();
        t.modulation = row.modulation;
        t.modulationIndex = row.index;
        t.instability = row.instability;
        const RfPathDesign d = DesignRfPath(t);
        EXPECT_EQ(d.modulationHz, 3000.0f);
        EXPECT_NEAR(d.bandwidthHz, row.bandwidth, 0.01);
        ASSERT_EQ(d.verdict, RfPathVerdict::Designed);
        EXPECT_EQ(d.attenuationQ, row.attenuationQ);
        EXPECT_EQ(d.selectivityQ, 33.0f);
    }
}

TEST(RfPath, CouplingAndAntennaTerms) {
    const double term = 20 * std::log10(10.93 / 10);  // 0.772 dB
    struct Row {
        const char* name;
        TransistorCoupling coupling;
        bool magnetic, coil, longAntenna;
        double antennaDb, couplingDb;
        float selectivityQ;
        std::optional<double> coilAntennaDb;
    } rows[] = {
        {"tapped capacitance", TransistorCoupling::TappedCapacitance, false, false, false, 0, -term, 33, {}},
        {"inductive", TransistorCoupling::Inductive, false, false, false, 0, term, 30, {}},
        {"magnetic antenna", TransistorCoupling::TappedCapacitance, true, false, false, -term, -term, 35, {}},
        {"magnetic antenna, inductive",
         TransistorCoupling::Inductive,
         true,
         false,
         false,
         -term,
         term,
         32,
         {}},
        // A coil-coupled antenna counts as 0 dB and replaces the magnetic antenna's term; its own
        // response is worked out but not applied, so the long antenna changes nothing.
        {"coil-coupled", TransistorCoupling::TappedCapacitance, false, true, false, 0, -term, 33, -9.5812},
        {"coil-coupled, long", TransistorCoupling::TappedCapacitance, false, true, true, 0, -term, 33,
         0.19535},
        {"coil-coupled over magnetic", TransistorCoupling::TappedCapacitance, true, true, false, 0, -term, 33,
         -9.5812},
        {"long alone does nothing",
         TransistorCoupling::TappedCapacitance,
         false,
         false,
         true,
         0,
         -term,
         33,
         {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RfPathTask t = Example();
        t.coupling = row.coupling;
        t.magneticAntenna = row.magnetic;
        t.coilCoupledAntenna = row.coil;
        t.longAntenna = row.longAntenna;
        const RfPathDesign d = DesignRfPath(t);
        ASSERT_EQ(d.verdict, RfPathVerdict::Designed);
        EXPECT_NEAR(d.antennaDb, row.antennaDb, 1e-4);
        EXPECT_NEAR(d.couplingDb, row.couplingDb, 1e-4);
        EXPECT_EQ(d.selectivityQ, row.selectivityQ);
        EXPECT_EQ(d.attenuationQ, 119.0f);
        EXPECT_EQ(d.circuits, 2);
        ASSERT_EQ(d.coilAntennaDb.has_value(), row.coilAntennaDb.has_value());
        if (row.coilAntennaDb) {
            EXPECT_NEAR(*d.coilAntennaDb, *row.coilAntennaDb, 1e-3);
        }
    }
}

TEST(RfPath, CoilAntennaResponseThatCannotBeFormedIsLeftOut) {
    // A short antenna tuned exactly to the image (1.15 fmax = fmax + 2 fif) gives E = 0, which has no
    // logarithm. (With the bottom of the range below its top, a long antenna's E is always positive.)
    RfPathTask t = Example();
    t.coilCoupledAntenna = true;
    t.ifMHz = 0.75;
    const RfPathDesign d = DesignRfPath(t);
    EXPECT_FALSE(d.coilAntennaDb.has_value());
    EXPECT_EQ(d.verdict, RfPathVerdict::Designed);
}

TEST(RfPath, InfeasibleTasksAreVerdicts) {
    struct Row {
        const char* name;
        std::function<void(RfPathTask&)> change;
        RfPathVerdict verdict;
        int circuits;
    } rows[] = {
        {"80 dB with circuits of 0.02",
         [](RfPathTask& t) {
             t.selectivityDb = 80;
             t.circuitDamping = 0.02;
         },
         RfPathVerdict::SelectivityUnattainable, 2},
        {"200 kHz at the bottom is too narrow for the selectivity", [](RfPathTask& t) { t.fminMHz = 0.2; },
         RfPathVerdict::AttenuationUnattainable, 2},
        {"a wide FM signal",
         [](RfPathTask& t) {
             t.modulation = Modulation::FM;
             t.modulationIndex = 60;
         },
         RfPathVerdict::AttenuationUnattainable, 2},
        // Two circuits need Q >= 32.53 and allow up to 32.75: no whole Q lies between.
        {"no whole Q between", [](RfPathTask& t) { t.fminMHz = 1.38; },
         RfPathVerdict::AttenuationUnattainable, 2},
        {"the band reaches down to zero frequency", [](RfPathTask& t) { t.fminMHz = 0.01; },
         RfPathVerdict::AttenuationUnattainable, 2},
        // The selectivity fails before the pass band is looked at.
        {"selectivity first",
         [](RfPathTask& t) {
             t.selectivityDb = 80;
             t.circuitDamping = 0.02;
             t.fminMHz = 0.2;
         },
         RfPathVerdict::SelectivityUnattainable, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RfPathTask t = Example();
        row.change(t);
        const RfPathDesign d = DesignRfPath(t);
        EXPECT_EQ(d.verdict, row.verdict);
        EXPECT_EQ(d.circuits, row.circuits);
        EXPECT_EQ(d.selectivityQ, 0.0f);
    }
}

// Random tasks judged by the resonance curve of n equal circuits itself: each shown Q is the extreme
// whole value that meets its demand (the typed selectivity of the whole path at the image, the allowed
// unevenness at the band edges), one circuit is taken whenever one does, and where the design gives up
// no whole Q of one or two circuits meets both demands.
TEST(RfPath, RandomTasksMeetBothDemandsOrNoNumberOfCircuitsCan) {
    std::mt19937 random(22);
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(random); };
    auto pick = [&](std::initializer_list<double> items) { return items.begin()[random() % items.size()]; };
    auto chain = [](int n, double q, double f0, double f) {
        const double x = q * (f / f0 - f0 / f);
        return f > 0 ? n * 10 * std::log10(1 + x * x) : INFINITY;
    };
    constexpr double kSlack = 1e-4;  // dB: the design works in single precision
    int judged[3] = {0, 0, 0};       // designed with one circuit, with two, given up
    for (int i = 0; i < 300; ++i) {
        RfPathTask t;
        t.fmaxMHz = std::pow(10, uniform(-0.5, 2.5));
        t.fminMHz = t.fmaxMHz / uniform(1.05, 4);
        t.ifMHz = pick({0.455, 0.465, 0.5, 5, 5.5, 10.7});
        t.selectivityDb = uniform(10, 80);
        t.circuitDamping = pick({0.005, 0.01, 0.012, 0.014, 0.016, 0.018, 0.02});
        t.unevennessDb = pick({0.5, 1, 1.5, 2, 2.5, 3});
        t.instability = pick({1e-3, 1e-4, 1e-5, 1e-6, 1e-7});
        t.modulationHz = uniform(300, 15000);
        t.modulation = Modulation(random() % 3);
        t.modulationIndex = uniform(0, 5);
        t.coupling = TransistorCoupling(random() % 2);
        t.magneticAntenna = random() % 2;
        t.coilCoupledAntenna = random() % 4 == 0;
        SCOPED_TRACE(testing::Message() << "task " << i);
        RfPathDesign d;
        try {
            d = DesignRfPath(t);
        } catch (const RuntimeError& e) {  // the coupling alone gives the selectivity
            EXPECT_EQ(e.userMessage().rfind("Селективность по зеркальному каналу слишком мала", 0), 0u);
            continue;
        }
        // The coupling and antenna terms and the band are checked against their closed forms above.
        const double fmax = t.fmaxMHz * 1e6, fmin = t.fminMHz * 1e6, image = fmax + 2e6 * t.ifMHz;
        auto imageDb = [&](int n, double q) { return chain(n, q, fmax, image) + d.antennaDb + d.couplingDb; };
        auto edgeDb = [&](int n, double q) {
            return std::max(chain(n, q, fmin, fmin - d.bandwidthHz / 2),
                            chain(n, q, fmin, fmin + d.bandwidthHz / 2));
        };
        auto selective = [&](int n, double slack) {
            return imageDb(n, 1 / t.circuitDamping) >= t.selectivityDb + slack;
        };
        // Clearly possible: the real circuits are good enough, and the least whole Q for the selectivity
        // (found by bisection) keeps the pass band.
        auto possible = [&](int n) {
            if (!selective(n, kSlack)) return false;
            double low = 0, high = 1;
            while (imageDb(n, high) < t.selectivityDb + kSlack) high *= 2;
            while (high - low > 1) {
                const double middle = std::floor((low + high) / 2);
                (imageDb(n, middle) >= t.selectivityDb + kSlack ? high : low) = middle;
            }
            return edgeDb(n, high) <= t.unevennessDb - kSlack;
        };
        if (d.verdict == RfPathVerdict::Designed) {
            const int n = d.circuits;
            ++judged[n - 1];
            EXPECT_TRUE(selective(n, -kSlack));
            EXPECT_LE(d.selectivityQ, d.attenuationQ);
            EXPECT_GE(imageDb(n, d.selectivityQ), t.selectivityDb - kSlack);
            EXPECT_LT(imageDb(n, d.selectivityQ - 1), t.selectivityDb + kSlack);
            EXPECT_LE(edgeDb(n, d.attenuationQ), t.unevennessDb + kSlack);
            EXPECT_GT(edgeDb(n, d.attenuationQ + 1), t.unevennessDb - kSlack);
            if (n == 2) {
                EXPECT_FALSE(possible(1));
            }
        } else {
            ++judged[2];
            EXPECT_FALSE(possible(1));
            EXPECT_FALSE(possible(2));
            EXPECT_EQ(d.verdict == RfPathVerdict::SelectivityUnattainable, !selective(2, 0));
        }
    }
    for (int count : judged) EXPECT_GE(count, 40);
}

TEST(RfPath, OutOfRangeInputsAreNamed) {
    struct Row {
        const char* name;
        std::function<void(RfPathTask&)> change;
        std::string message;
    } rows[] = {
        {"top frequency 0", [](RfPathTask& t) { t.fmaxMHz = 0; },
         "Максимальная частота диапазона должна быть больше нуля."},
        {"top frequency negative", [](RfPathTask& t) { t.fmaxMHz = -0.5; },
         "Максимальная частота диапазона должна быть больше нуля."},
        {"top frequency beyond single range", [](RfPathTask& t) { t.fmaxMHz = 1e35; },
         "Максимальная частота диапазона слишком велика."},
        {"bottom frequency 0", [](RfPathTask& t) { t.fminMHz = 0; },
         "Минимальная частота диапазона должна быть больше нуля."},
        {"bottom frequency negative", [](RfPathTask& t) { t.fminMHz = -5; },
         "Минимальная частота диапазона должна быть больше нуля."},
        {"bottom frequency at the top", [](RfPathTask& t) { t.fminMHz = 10; },
         "Минимальная частота диапазона должна быть меньше максимальной частоты диапазона."},
        {"bottom frequency above the top", [](RfPathTask& t) { t.fminMHz = 12; },
         "Минимальная частота диапазона должна быть меньше максимальной частоты диапазона."},
        {"damping 0", [](RfPathTask& t) { t.circuitDamping = 0; },
         "Эквивалентное затухание контура должно быть больше нуля."},
        {"damping negative", [](RfPathTask& t) { t.circuitDamping = -0.01; },
         "Эквивалентное затухание контура должно быть больше нуля."},
        {"instability negative", [](RfPathTask& t) { t.instability = -1e-3; },
         "Нестабильность частоты гетеродина не может быть отрицательной."},
        {"modulation frequency 0", [](RfPathTask& t) { t.modulationHz = 0; },
         "Максимальная частота модуляции должна быть больше нуля."},
        {"IF 0", [](RfPathTask& t) { t.ifMHz = 0; }, "Промежуточная частота должна быть больше нуля."},
        {"selectivity that makes D < 1", [](RfPathTask& t) { t.selectivityDb = -1; },
         "Селективность по зеркальному каналу слишком мала: контуры тракта РЧ для нее не нужны. Укажите "
         "большее значение."},
        {"0 dB with inductive coupling",
         [](RfPathTask& t) {
             t.selectivityDb = 0;
             t.coupling = TransistorCoupling::Inductive;
         },
         "Селективность по зеркальному каналу слишком мала: контуры тракта РЧ для нее не нужны. Укажите "
         "большее значение."},
        {"selectivity beyond single range", [](RfPathTask& t) { t.selectivityDb = 1000; },
         "Селективность по зеркальному каналу слишком велика."},
        {"unevenness 0", [](RfPathTask& t) { t.unevennessDb = 0; },
         "Неравномерность АЧХ тракта РЧ должна быть больше нуля."},
        {"unevenness negative", [](RfPathTask& t) { t.unevennessDb = -1; },
         "Неравномерность АЧХ тракта РЧ должна быть больше нуля."},
        {"unevenness that vanishes in the arithmetic", [](RfPathTask& t) { t.unevennessDb = 1e-20; },
         "Неравномерность АЧХ тракта РЧ должна быть больше нуля."},
        {"unevenness beyond double range", [](RfPathTask& t) { t.unevennessDb = 10000; },
         "Неравномерность АЧХ тракта РЧ слишком велика."},
        {"negative FM index",
         [](RfPathTask& t) {
             t.modulation = Modulation::FM;
             t.modulationIndex = -1;
         },
         "Индекс модуляции не может быть отрицательным."},
        {"negative modulation frequency", [](RfPathTask& t) { t.modulationHz = -3000; },
         "Максимальная частота модуляции должна быть больше нуля."},
        {"damping beyond single range", [](RfPathTask& t) { t.circuitDamping = 1e39; },
         "Эквивалентное затухание контура слишком велико."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RfPathTask t = Example();
        row.change(t);
        try {
            DesignRfPath(t);
            ADD_FAILURE() << "no run-time error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.userMessage(), row.message);
        }
    }
}

}  // namespace
}  // namespace vokta
