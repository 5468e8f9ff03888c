#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/NumberText.h"
#include "base/PictureNumbers.h"
#include "base/RuntimeError.h"
#include "filters/PassiveLadder.h"

using namespace vokta;

namespace {

PrototypeValues Butterworth(int16_t n) {
    PrototypeValues p;
    EXPECT_TRUE(LoadButterworthPrototype(p, n));
    return p;
}

bool IsCapacitor(const LadderBranch& b) {
    return b.parts == BranchParts::C;
}

std::string Name(const LadderBranch& b) {
    return (IsCapacitor(b) ? "C" : "L") + std::to_string(b.number);
}

float Value(const LadderBranch& b) {
    return IsCapacitor(b) ? b.c : b.l;
}

// "L1= 11259.55|C1= 4.503821" from the input to the output.
std::string Values(const PassiveLadder& ladder) {
    std::string s;
    for (const LadderBranch& b : ladder.branches)
        s += (s.empty() ? "" : "|") + Name(b) + "=" + NumberText(Value(b));
    return s;
}

TEST(PassiveLadder, WorkedExamples) {
    struct Case {
        const char* name;
        bool highPass;
        int16_t n;
        int picture;
        const char* values;
    } cases[] = {
        {"low-pass order 2", false, 2, kLowPassLadderPictures, "L1= 11259.55|C1= 4.503821"},
        {"high-pass order 2", true, 2, kHighPassLadderPictures, "C1= 2.251954|L1= 5629.885"},
        // Rounded once the last capacitor would read 2.43758.
        {"low-pass order 4", false, 4, kLowPassLadderPictures + 2,
         "L1= 6093.949|C1= 5.884714|L2= 14711.78|C2= 2.437579"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PassiveLadder ladder = c.highPass ? DesignHighPassLadder(c.n, 1000, 50, Butterworth(c.n))
                                                : DesignLowPassLadder(c.n, 1000, 50, Butterworth(c.n));
        EXPECT_EQ(ladder.picture, c.picture);
        EXPECT_EQ(Values(ladder), c.values);
    }
}

TEST(PassiveLadder, EachValueFollowsItsOwnPrototypeValue) {
    // Two elements of the same kind (two positions apart) stand in the ratio of their g in the low-pass
    // ladder and in the inverse ratio in the high-pass ladder.
    for (int16_t n = kMinLadderOrder; n <= kMaxLadderOrder; ++n) {
        SCOPED_TRACE("N = " + std::to_string(n));
        const PrototypeValues g = Butterworth(n);
        const PassiveLadder lp = DesignLowPassLadder(n, 1000, 50, g);
        const PassiveLadder hp = DesignHighPassLadder(n, 1000, 50, g);
        for (size_t i = 0; i + 2 < lp.branches.size(); ++i) {
            const double ratio = double(g.g(int(i) + 1)) / g.g(int(i) + 3);
            EXPECT_NEAR(Value(lp.branches[i]) / Value(lp.branches[i + 2]), ratio, 1e-6);
            EXPECT_NEAR(Value(hp.branches[i + 2]) / Value(hp.branches[i]), ratio, 1e-6);
        }
    }
}

TEST(PassiveLadder, Order7UsesG6AndG7) {
    const PrototypeValues g = Butterworth(7);
    const PassiveLadder lp = DesignLowPassLadder(7, 1000, 50, g);
    const PassiveLadder hp = DesignHighPassLadder(7, 1000, 50, g);
    EXPECT_EQ(Values(lp),
              "C1= 1.417197|L1= 9928.344|C2= 5.738535|L2= 15923.57|C3= 5.738535|L3= 9928.344|C4= 1.417197");
    EXPECT_EQ(Values(hp),
              "L1= 17891.65|C1= 2.5539|L2= 4418.549|C2= 1.592357|L3= 4418.549|C3= 2.5539|L4= 17891.65");
}

TEST(PassiveLadder, Order3EndsAreEqual) {
    for (float ripple : kChebyshevRipples) {
        SCOPED_TRACE(ripple);
        PrototypeValues g;
        ASSERT_TRUE(LoadChebyshevPrototype(g, 3, ripple));
        const PassiveLadder lp = DesignLowPassLadder(3, 1000, 75, g);
        const PassiveLadder hp = DesignHighPassLadder(3, 1000, 75, g);
        EXPECT_EQ(Value(lp.branches[0]), Value(lp.branches[2]));
        EXPECT_EQ(Value(hp.branches[0]), Value(hp.branches[2]));
    }
}

TEST(PassiveLadder, Faults) {
    const PrototypeValues g = Butterworth(3);
    struct Case {
        const char* name;
        bool highPass;
        float F1;
        int16_t Rn;
        PrototypeValues g;
        ErrorKind kind;
    } cases[] = {
        {"low-pass at 0 Hz", false, 0, 50, g, ErrorKind::DivisionByZero},
        {"low-pass into 0 ohm", false, 1000, 0, g, ErrorKind::DivisionByZero},
        {"high-pass at 0 Hz", true, 0, 50, g, ErrorKind::DivisionByZero},
        {"high-pass with no prototype", true, 1000, 50, PrototypeValues{}, ErrorKind::DivisionByZero},
        {"low-pass inductance beyond single range", false, 1e-38f, 50, g, ErrorKind::Overflow},
        {"high-pass capacitance beyond single range", true, 1e-38f, 1, g, ErrorKind::Overflow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.highPass ? DesignHighPassLadder(3, c.F1, c.Rn, c.g) : DesignLowPassLadder(3, c.F1, c.Rn, c.g);
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), c.kind);
        }
    }
    // Without a prototype the low-pass ladder comes out as zeros.
    EXPECT_EQ(Values(DesignLowPassLadder(3, 1000, 50, PrototypeValues{})), "C1= 0|L1= 0|C2= 0");
    for (int16_t n : {0, 1, 8}) {
        EXPECT_THROW(DesignLowPassLadder(n, 1000, 50, g), std::out_of_range);
        EXPECT_THROW(DesignHighPassLadder(n, 1000, 50, g), std::out_of_range);
    }
}

// ---- Band ladders ---------------------------------------------------------------------------------

// "L1= 112.5955 C1= .0002251954 ser|..." per branch; "ser"/"par" is how L and C are joined, "_" a shunt.
bool Parallel(const LadderBranch& b) {
    return b.parts == BranchParts::ParallelLC;
}
bool Shunt(const LadderBranch& b) {
    return b.place == BranchPlace::Shunt;
}

std::string Branches(const PassiveLadder& ladder) {
    std::string s;
    for (const LadderBranch& b : ladder.branches) {
        const std::string n = std::to_string(b.number);
        s += (s.empty() ? "" : "|") + ("L" + n + "=" + NumberText(b.l)) + " C" + n + "=" + NumberText(b.c) +
             " " + (Parallel(b) ? "par" : "ser") + (Shunt(b) ? "_" : "");
    }
    return s;
}

TEST(BandLadder, WorkedExamples) {
    const PrototypeValues g = Butterworth(2);
    const PassiveLadder bp = DesignBandPassLadder(2, 1000000, 10, 50, g);
    EXPECT_EQ(bp.picture, kBandPassLadderPictures);
    EXPECT_EQ(Branches(bp), "L1= 112.5955 C1= .0002251954 ser|L2= .5629885 C2= .04503821 par_");
    const PassiveLadder bs = DesignBandStopLadder(2, 1000000, 10, 50, g);
    EXPECT_EQ(bs.picture, kBandStopLadderPictures);
    EXPECT_EQ(Branches(bs), "L1= 1.125955 C1= .02251954 par|L2= 56.29885 C2= .0004503822 ser_");
}

TEST(BandLadder, EveryBranchResonatesAtTheCentre) {
    const float F0 = 9949.874f, K = 4.974937f;
    const double w0 = 6.28 * F0;
    for (int16_t n = 2; n <= 4; ++n) {
        for (bool chebyshev : {false, true}) {
            if (chebyshev && n != 3) continue;
            PrototypeValues g;
            if (chebyshev)
                ASSERT_TRUE(LoadChebyshevPrototype(g, n, 2));
            else
                ASSERT_TRUE(LoadButterworthPrototype(g, n));
            for (bool stop : {false, true}) {
                SCOPED_TRACE("N = " + std::to_string(n) + (chebyshev ? " Chebyshev" : " Butterworth") +
                             (stop ? " band-stop" : " band-pass"));
                const PassiveLadder ladder =
                    stop ? DesignBandStopLadder(n, F0, K, 600, g) : DesignBandPassLadder(n, F0, K, 600, g);
                ASSERT_EQ(int(ladder.branches.size()), int(n));
                for (const LadderBranch& b : ladder.branches)
                    EXPECT_NEAR(double(b.l) * b.c * 1e-12 * w0 * w0, 1.0, 1e-6) << "branch " << b.position;
            }
        }
    }
}

TEST(BandLadder, Order4PlacesTheBranches) {
    const PrototypeValues g = Butterworth(4);
    const PassiveLadder bp = DesignBandPassLadder(4, 1000000, 10, 50, g);
    const PassiveLadder bs = DesignBandStopLadder(4, 1000000, 10, 50, g);
    std::string shape;
    for (const auto* ladder : {&bp, &bs}) {
        for (const LadderBranch& b : ladder->branches)
            shape += std::string(Parallel(b) ? "par" : "ser") + (Shunt(b) ? "_ " : " ");
        shape += "/ ";
    }
    EXPECT_EQ(shape, "ser par_ ser par_ / par ser_ par ser_ / ");
    // Series branches 1 and 3 take 0.7654 and 1.8478, shunt branches 2 and 4 take 1.8478 and 0.7654:
    // the band-pass series inductance and shunt capacitance grow with g.
    const double big = 1.8478, small = 0.7654;
    EXPECT_NEAR(bp.branches[2].l / bp.branches[0].l, big / small, 1e-6);
    EXPECT_NEAR(bp.branches[1].c / bp.branches[3].c, big / small, 1e-6);
    // The band-stop series inductance grows with g, its shunt inductance falls with it.
    EXPECT_NEAR(bs.branches[2].l / bs.branches[0].l, big / small, 1e-6);
    EXPECT_NEAR(bs.branches[3].l / bs.branches[1].l, big / small, 1e-6);
}

TEST(BandLadder, Order3HasEqualShuntEnds) {
    for (float ripple : kChebyshevRipples) {
        SCOPED_TRACE(ripple);
        PrototypeValues g;
        ASSERT_TRUE(LoadChebyshevPrototype(g, 3, ripple));
        for (bool stop : {false, true}) {
            const PassiveLadder l =
                stop ? DesignBandStopLadder(3, 5000, 3, 75, g) : DesignBandPassLadder(3, 5000, 3, 75, g);
            EXPECT_TRUE(Shunt(l.branches[0]) && Shunt(l.branches[2]) && !Shunt(l.branches[1]));
            EXPECT_EQ(l.branches[0].l, l.branches[2].l);
            EXPECT_EQ(l.branches[0].c, l.branches[2].c);
        }
    }
}

TEST(BandLadder, Faults) {
    const PrototypeValues g = Butterworth(2);
    struct Case {
        const char* name;
        float F0, K;
        int16_t Rn;
        PrototypeValues g;
    } cases[] = {
        {"no centre frequency", 0, 10, 50, g},
        {"no bandwidth ratio", 1000, 0, 50, g},
        {"no resistance", 1000, 10, 0, g},
        {"no prototype", 1000, 10, 50, PrototypeValues{}},
    };
    for (const Case& c : cases) {
        for (bool stop : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (stop ? " band-stop" : " band-pass"));
            EXPECT_THROW(stop ? DesignBandStopLadder(2, c.F0, c.K, c.Rn, c.g)
                              : DesignBandPassLadder(2, c.F0, c.K, c.Rn, c.g),
                         RuntimeError);
        }
    }
    for (int16_t n : {1, 5}) {
        EXPECT_THROW(DesignBandPassLadder(n, 1000, 10, 50, g), std::out_of_range);
        EXPECT_THROW(DesignBandStopLadder(n, 1000, 10, 50, g), std::out_of_range);
    }
}

}  // namespace
