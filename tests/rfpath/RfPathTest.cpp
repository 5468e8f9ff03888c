#include "rfpath/RfPath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
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
    EXPECT_NEAR(d.attenuationDamping, 0.0083856, 5e-7);
    EXPECT_EQ(d.circuits, 2);
    EXPECT_EQ(NumberText(d.selectivityQ), " 32");
    EXPECT_EQ(NumberText(d.attenuationQ), " 119");
    EXPECT_EQ(NumberText(d.circuits), " 2");
    EXPECT_FALSE(d.coilAntennaDb.has_value());
}

TEST(RfPath, OneCircuitIsTriedFirst) {
    // With 30 dB one circuit would need a damping of 0.00515, sharper than the 0.01 at hand.
    RfPathTask t = Example();
    t.circuitDamping = 0.005;
    RfPathDesign d = DesignRfPath(t);
    EXPECT_EQ(d.circuits, 1);
    EXPECT_NEAR(d.selectivityDamping, 0.00515, 5e-6);

    // 20 dB are within reach of one circuit of 0.01.
    t = Example();
    t.selectivityDb = 20;
    d = DesignRfPath(t);
    ASSERT_EQ(d.verdict, RfPathVerdict::Designed);
    EXPECT_EQ(d.circuits, 1);
    EXPECT_EQ(d.selectivityQ, 61.0f);
    EXPECT_EQ(d.attenuationQ, 185.0f);
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
        {"FM, m = 4", Modulation::FM, 4, 1e-3, 62930, 51},
        {"FM, m = 0", Modulation::FM, 0, 1e-3, 26930, 119},
        {"AM ignores a negative index", Modulation::AM, -3, 1e-3, 26930, 119},
        {"AM, a stable oscillator", Modulation::AM, 0, 1e-7, 6002.093f, 535},
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
        EXPECT_EQ(d.selectivityQ, 32.0f);
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
        {"tapped capacitance", TransistorCoupling::TappedCapacitance, false, false, false, 0, -term, 32, {}},
        {"inductive", TransistorCoupling::Inductive, false, false, false, 0, term, 29, {}},
        {"magnetic antenna", TransistorCoupling::TappedCapacitance, true, false, false, -term, -term, 34, {}},
        {"magnetic antenna, inductive",
         TransistorCoupling::Inductive,
         true,
         false,
         false,
         -term,
         term,
         31,
         {}},
        // A coil-coupled antenna counts as 0 dB and replaces the magnetic antenna's term; its own
        // response is worked out but not applied, so the long antenna changes nothing.
        {"coil-coupled", TransistorCoupling::TappedCapacitance, false, true, false, 0, -term, 32, -9.5812},
        {"coil-coupled, long", TransistorCoupling::TappedCapacitance, false, true, true, 0, -term, 32,
         0.19535},
        {"coil-coupled over magnetic", TransistorCoupling::TappedCapacitance, true, true, false, 0, -term, 32,
         -9.5812},
        {"long alone does nothing",
         TransistorCoupling::TappedCapacitance,
         false,
         false,
         true,
         0,
         -term,
         32,
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
    }
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
