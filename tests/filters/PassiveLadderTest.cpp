#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/NumberText.h"
#include "common/RuntimeError.h"
#include "filters/PassiveLadder.h"

using namespace vokta;

namespace {

PrototypeValues Butterworth(int16_t n) {
    PrototypeValues p;
    EXPECT_TRUE(LoadButterworthPrototype(p, n));
    return p;
}

std::string Name(const LadderElement& e) {
    return (e.kind == ElementKind::Capacitor ? "C" : "L") + std::to_string(e.number);
}

// "L1= 11259.55|C1= 4.503821" from the input to the output.
std::string Values(const PassiveLadder& ladder) {
    std::string s;
    for (const LadderElement& e : ladder.elements) s += (s.empty() ? "" : "|") + Name(e) + "=" + NumberText(e.value);
    return s;
}

// "C1<g1 L1<g2 C2<g3": which element takes which prototype value; '_' marks a shunt element.
std::string Layout(const PassiveLadder& ladder) {
    std::string s;
    for (const LadderElement& e : ladder.elements)
        s += (s.empty() ? "" : " ") + Name(e) + (e.shunt ? "_" : "") + "<g" + std::to_string(e.position);
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
        {"low-pass order 2", false, 2, 110, "L1= 11259.55|C1= 4.503821"},
        {"high-pass order 2", true, 2, 104, "C1= 2.251954|L1= 5629.885"},
        // Rounded once the last capacitor would read 2.43758.
        {"low-pass order 4", false, 4, 112, "L1= 6093.949|C1= 5.884714|L2= 14711.78|C2= 2.437579"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PassiveLadder ladder = c.highPass ? DesignHighPassLadder(c.n, 1000, 50, Butterworth(c.n))
                                                : DesignLowPassLadder(c.n, 1000, 50, Butterworth(c.n));
        EXPECT_EQ(ladder.picture, c.picture);
        EXPECT_EQ(Values(ladder), c.values);
    }
}

TEST(PassiveLadder, ElementsOfEveryOrder) {
    struct Case {
        int16_t n;
        const char* lowPass;
        const char* highPass;
    } cases[] = {
        {2, "L1<g1 C1_<g2", "C1<g1 L1_<g2"},
        {3, "C1_<g1 L1<g2 C2_<g3", "L1_<g1 C1<g2 L2_<g3"},
        {4, "L1<g1 C1_<g2 L2<g3 C2_<g4", "C1<g1 L1_<g2 C2<g3 L2_<g4"},
        {5, "C1_<g1 L1<g2 C2_<g3 L2<g4 C3_<g5", "L1_<g1 C1<g2 L2_<g3 C2<g4 L3_<g5"},
        {6, "L1<g1 C1_<g2 L2<g3 C2_<g4 L3<g5 C3_<g6", "C1<g1 L1_<g2 C2<g3 L2_<g4 C3<g5 L3_<g6"},
        {7, "C1_<g1 L1<g2 C2_<g3 L2<g4 C3_<g5 L3<g6 C4_<g7", "L1_<g1 C1<g2 L2_<g3 C2<g4 L3_<g5 C3<g6 L4_<g7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("N = " + std::to_string(c.n));
        const PassiveLadder lp = DesignLowPassLadder(c.n, 1000, 50, Butterworth(c.n));
        const PassiveLadder hp = DesignHighPassLadder(c.n, 1000, 50, Butterworth(c.n));
        EXPECT_EQ(Layout(lp), c.lowPass);
        EXPECT_EQ(Layout(hp), c.highPass);
        EXPECT_EQ(lp.picture, 108 + c.n);
        EXPECT_EQ(hp.picture, 102 + c.n);
        // Each value follows from its own prototype value: two elements of the same kind (two positions
        // apart) stand in the ratio of their g in the low-pass ladder and in the inverse ratio in the
        // high-pass ladder.
        const PrototypeValues g = Butterworth(c.n);
        for (size_t i = 0; i + 2 < lp.elements.size(); ++i) {
            const double ratio = double(g.g(int(i) + 1)) / g.g(int(i) + 3);
            EXPECT_NEAR(lp.elements[i].value / lp.elements[i + 2].value, ratio, 1e-6);
            EXPECT_NEAR(hp.elements[i + 2].value / hp.elements[i].value, ratio, 1e-6);
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
        EXPECT_EQ(lp.elements[0].value, lp.elements[2].value);
        EXPECT_EQ(hp.elements[0].value, hp.elements[2].value);
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
std::string Branches(const BandLadder& ladder) {
    std::string s;
    for (const BandBranch& b : ladder.branches) {
        const std::string n = std::to_string(b.position);
        s += (s.empty() ? "" : "|") + ("L" + n + "=" + NumberText(b.L)) + " C" + n + "=" + NumberText(b.C) + " " +
             (b.parallel ? "par" : "ser") + (b.shunt ? "_" : "");
    }
    return s;
}

TEST(BandLadder, WorkedExamples) {
    const PrototypeValues g = Butterworth(2);
    const BandLadder bp = DesignBandPassLadder(2, 1000000, 10, 50, g);
    EXPECT_EQ(bp.picture, 124);
    EXPECT_EQ(Branches(bp), "L1= 112.5955 C1= .0002251954 ser|L2= .5629885 C2= .04503821 par_");
    const BandLadder bs = DesignBandStopLadder(2, 1000000, 10, 50, g);
    EXPECT_EQ(bs.picture, 127);
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
                const BandLadder ladder =
                    stop ? DesignBandStopLadder(n, F0, K, 600, g) : DesignBandPassLadder(n, F0, K, 600, g);
                EXPECT_EQ(ladder.picture, (stop ? 125 : 122) + n);
                ASSERT_EQ(int(ladder.branches.size()), int(n));
                for (const BandBranch& b : ladder.branches)
                    EXPECT_NEAR(double(b.L) * b.C * 1e-12 * w0 * w0, 1.0, 1e-6) << "branch " << b.position;
            }
        }
    }
}

TEST(BandLadder, Order4PlacesTheBranches) {
    const PrototypeValues g = Butterworth(4);
    const BandLadder bp = DesignBandPassLadder(4, 1000000, 10, 50, g);
    const BandLadder bs = DesignBandStopLadder(4, 1000000, 10, 50, g);
    std::string shape;
    for (const auto* ladder : {&bp, &bs}) {
        for (const BandBranch& b : ladder->branches) shape += std::string(b.parallel ? "par" : "ser") + (b.shunt ? "_ " : " ");
        shape += "/ ";
    }
    EXPECT_EQ(shape, "ser par_ ser par_ / par ser_ par ser_ / ");
    // Series branches 1 and 3 take 0.7654 and 1.8478, shunt branches 2 and 4 take 1.8478 and 0.7654:
    // the band-pass series inductance and shunt capacitance grow with g.
    const double big = 1.8478, small = 0.7654;
    EXPECT_NEAR(bp.branches[2].L / bp.branches[0].L, big / small, 1e-6);
    EXPECT_NEAR(bp.branches[1].C / bp.branches[3].C, big / small, 1e-6);
    // The band-stop series inductance grows with g, its shunt inductance falls with it.
    EXPECT_NEAR(bs.branches[2].L / bs.branches[0].L, big / small, 1e-6);
    EXPECT_NEAR(bs.branches[3].L / bs.branches[1].L, big / small, 1e-6);
}

TEST(BandLadder, Order3HasEqualShuntEnds) {
    for (float ripple : kChebyshevRipples) {
        SCOPED_TRACE(ripple);
        PrototypeValues g;
        ASSERT_TRUE(LoadChebyshevPrototype(g, 3, ripple));
        for (bool stop : {false, true}) {
            const BandLadder l = stop ? DesignBandStopLadder(3, 5000, 3, 75, g) : DesignBandPassLadder(3, 5000, 3, 75, g);
            EXPECT_TRUE(l.branches[0].shunt && l.branches[2].shunt && !l.branches[1].shunt);
            EXPECT_EQ(l.branches[0].L, l.branches[2].L);
            EXPECT_EQ(l.branches[0].C, l.branches[2].C);
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
            EXPECT_THROW(stop ? DesignBandStopLadder(2, c.F0, c.K, c.Rn, c.g) : DesignBandPassLadder(2, c.F0, c.K, c.Rn, c.g),
                         RuntimeError);
        }
    }
    for (int16_t n : {1, 5}) {
        EXPECT_THROW(DesignBandPassLadder(n, 1000, 10, 50, g), std::out_of_range);
        EXPECT_THROW(DesignBandStopLadder(n, 1000, 10, 50, g), std::out_of_range);
    }
}

}  // namespace
