#include "rfpath/RfPath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>

#include "common/NumberText.h"
#include "common/RuntimeError.h"

namespace vokta {
namespace {

// The worked example: a 5-10 MHz AM receiver with a 465 kHz IF and 30 dB image selectivity.
RfPathTask Example() {
    RfPathTask t;
    t.fmaxMHz = 10;
    t.fminMHz = 5;
    t.ifMHz = 0.465;
    t.selectivityDb = 30;
    t.circuitDamping = 0.01;
    t.unevennessDb = 3;
    t.instability = 1e-3;
    t.modulationHz = 3000;
    return t;
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
    EXPECT_NEAR(d.attenuationDamping, 0.00187, 5e-6);
    EXPECT_EQ(d.circuits, 2);
    EXPECT_EQ(NumberText(d.selectivityQ), " 32");
    EXPECT_EQ(NumberText(d.attenuationQ), " 535");
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
    EXPECT_EQ(d.attenuationQ, 831.0f);
}

TEST(RfPath, BandwidthOfEachModulation) {
    // F' = F + delta hardly differs from F; the quality factor for attenuation follows the bandwidth.
    const float Fp = Single(3000.0f + 1e-3f);
    struct Row {
        const char* name;
        Modulation modulation;
        double index;
        float bandwidth;
        float attenuationQ;
    } rows[] = {
        {"AM", Modulation::AM, 0, Single(2.0 * Fp), 535},
        {"SSB", Modulation::SSB, 0, Fp, 1070},
        {"FM, m = 4", Modulation::FM, 4, Single(2.0 * Fp * (1 + 4 + 2)), 76},
        {"FM, m = 0", Modulation::FM, 0, Single(2.0 * Fp), 535},
        {"AM ignores a negative index", Modulation::AM, -3, Single(2.0 * Fp), 535},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RfPathTask t = Example();
        t.modulation = row.modulation;
        t.modulationIndex = row.index;
        const RfPathDesign d = DesignRfPath(t);
        EXPECT_EQ(d.modulationHz, Fp);
        EXPECT_EQ(d.bandwidthHz, row.bandwidth);
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
        EXPECT_EQ(d.attenuationQ, 535.0f);
        EXPECT_EQ(d.circuits, 2);
        ASSERT_EQ(d.coilAntennaDb.has_value(), row.coilAntennaDb.has_value());
        if (row.coilAntennaDb) {
            EXPECT_NEAR(*d.coilAntennaDb, *row.coilAntennaDb, 1e-3);
        }
    }
}

TEST(RfPath, CoilAntennaResponseThatCannotBeFormedIsLeftOut) {
    // A long antenna tuned exactly to the top of the range (0.7 fmin = fmax) divides by zero.
    RfPathTask t = Example();
    t.coilCoupledAntenna = true;
    t.longAntenna = true;
    t.fmaxMHz = 7;
    t.fminMHz = 10;
    RfPathDesign d = DesignRfPath(t);
    EXPECT_FALSE(d.coilAntennaDb.has_value());
    EXPECT_EQ(d.verdict, RfPathVerdict::Designed);

    // A long antenna tuned between the image and the top gives E < 0, which has no logarithm.
    t.fmaxMHz = 10;
    t.fminMHz = 15;  // fa = 10.5 MHz
    d = DesignRfPath(t);
    EXPECT_FALSE(d.coilAntennaDb.has_value());
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
        // The selectivity fails before the bottom frequency is looked at.
        {"selectivity first",
         [](RfPathTask& t) {
             t.selectivityDb = 80;
             t.circuitDamping = 0.02;
             t.fminMHz = 0;
         },
         RfPathVerdict::SelectivityUnattainable, 2},
        {"a circuit damping of 0 is met by one circuit", [](RfPathTask& t) { t.circuitDamping = 0; },
         RfPathVerdict::Designed, 1},
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
         "Максимальная частота модуляции (с учетом нестабильности гетеродина) должна быть больше нуля."},
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
