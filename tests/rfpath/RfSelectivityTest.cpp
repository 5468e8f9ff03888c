#include <gtest/gtest.h>

#include <cmath>

#include "RfPathExample.h"
#include "rfpath/RfSelectivity.h"

using namespace vokta;

TEST(RfSelectivity, WorkedExampleMeetsTheImageDemandWithTheSelectivityQ) {
    const RfPathTask task = test::RfPathExample();
    const RfPathDesign design = DesignRfPath(task);
    ASSERT_EQ(design.verdict, RfPathVerdict::Designed);
    const RfSelectivity s = RfPathSelectivity(task, design);

    ASSERT_EQ(s.circuits, 2);
    EXPECT_NEAR(s.imageMHz, 10.93, 1e-5);
    // The whole path against the typed 30 dB: two circuits of Q 33 give 20 lg(1 + (33 xi)^2) at the
    // image, and the tapped coupling lets the image through 20 lg(10.93 / 10) dB better.
    const double xi = 10.93 / 10 - 10 / 10.93;
    EXPECT_EQ(s.demandDb, 30);
    EXPECT_NEAR(s.imageDb[0], 20 * std::log10(1 + std::pow(33 * xi, 2)) - 20 * std::log10(1.093), 1e-4);
    EXPECT_GT(s.imageDb[0], 30);
    EXPECT_GT(s.imageDb[1], s.imageDb[0]);
    // The band is 2 F widened by twice the oscillator's drift at the top: 6000 + 20930 Hz.
    EXPECT_NEAR(s.edgeKHz, 26.93 / 2, 1e-3);
    EXPECT_LT(s.edgeDb[0], s.edgeDb[1]);
    EXPECT_LE(s.edgeDb[1], 3);
    EXPECT_GT(s.edgeDb[1], 2.5);

    // Each curve has its least attenuation where it is tuned, and the image rejection is least at the
    // top of the range.
    for (const RfCurvePair* pair : {&s.aroundTop, &s.passBand, &s.imageRejection})
        for (const Curve* c : {&pair->bySelectivityQ, &pair->byAttenuationQ}) EXPECT_EQ(c->size(), 401u);
    EXPECT_NEAR(s.imageRejection.bySelectivityQ.back().y, s.imageDb[0], 1e-9);
    EXPECT_GT(s.imageRejection.bySelectivityQ.front().y, s.imageDb[0]);
    // At the bottom, 5 MHz, the image lies at 5.93 MHz and the coupling term is 20 lg(5 / 5.93).
    const double xiBottom = 5.93 / 5 - 5 / 5.93;
    EXPECT_NEAR(s.imageRejection.bySelectivityQ.front().y,
                20 * std::log10(1 + std::pow(33 * xiBottom, 2)) - 20 * std::log10(5.93 / 5), 1e-4);
    EXPECT_NEAR(s.passBand.byAttenuationQ[200].y, 0, 1e-9);
}

TEST(RfSelectivity, BandAsWideAsTheBottomOfTheRangeStaysAboveZeroFrequency) {
    RfPathTask task;  // 20 kHz at the bottom, a 14 kHz band
    task.fmaxMHz = 1;
    task.fminMHz = 0.02;
    task.ifMHz = 0.465;
    task.selectivityDb = 8;
    task.circuitDamping = 0.01;
    task.unevennessDb = 3;
    task.instability = 1e-7;
    task.modulationHz = 7000;
    task.coupling = TransistorCoupling::Inductive;
    const RfPathDesign design = DesignRfPath(task);
    ASSERT_EQ(design.verdict, RfPathVerdict::Designed);
    const RfSelectivity s = RfPathSelectivity(task, design);
    EXPECT_GT(s.bottomMHz * 1e3 + s.passBand.byAttenuationQ.front().x, 0);
    for (const RfCurvePair* pair : {&s.aroundTop, &s.passBand, &s.imageRejection})
        for (const Curve* c : {&pair->bySelectivityQ, &pair->byAttenuationQ})
            for (const CurvePoint& p : *c) ASSERT_TRUE(std::isfinite(p.y)) << p.x;
    for (double db : {s.imageDb[0], s.imageDb[1], s.edgeDb[0], s.edgeDb[1]}) EXPECT_TRUE(std::isfinite(db));
}
