#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "base/NumberText.h"
#include "base/RuntimeError.h"
#include "filters/FilterOrder.h"
#include "filters/Prototypes.h"

using namespace vokta;

namespace {

std::vector<float> Row(const PrototypeValues& p, int n) {
    std::vector<float> g;
    for (int k = 1; k <= n; ++k) g.push_back(p.g(k));
    return g;
}

TEST(Prototypes, PositionsMapOntoTheWindowMembers) {
    PrototypeValues p;
    for (int k = 1; k <= 7; ++k) p.setG(k, float(k));
    EXPECT_EQ(p.ProtoC1, 1);
    EXPECT_EQ(p.ProtoL1, 2);
    EXPECT_EQ(p.ProtoC2, 3);
    EXPECT_EQ(p.ProtoL2, 4);
    EXPECT_EQ(p.ProtoC3, 5);
    EXPECT_EQ(p.ProtoL3, 6);
    EXPECT_EQ(p.ProtoC4, 7);
}

// The closed forms of the prototypes (ε from the ripple A in dB):
//   Butterworth  g_k = 2 sin((2k - 1)π / 2n)
//   Chebyshev    a_k = sin((2k - 1)π / 2n), γ = sinh(ln(coth(A / 17.37)) / 2n), b_k = γ² + sin²(kπ / n),
//                g_1 = 2 a_1 / γ, g_k = 4 a_(k-1) a_k / (b_(k-1) g_(k-1)).
std::vector<double> Butterworth(int n) {
    std::vector<double> g;
    for (int k = 1; k <= n; ++k) g.push_back(2 * std::sin((2 * k - 1) * std::numbers::pi / (2 * n)));
    return g;
}

std::vector<double> Chebyshev(int n, double ripple) {
    const double gamma = std::sinh(std::log(1 / std::tanh(ripple * std::log(10.0) / 40)) / (2 * n));
    auto a = [&](int k) { return std::sin((2 * k - 1) * std::numbers::pi / (2 * n)); };
    auto b = [&](int k) { return gamma * gamma + std::pow(std::sin(k * std::numbers::pi / n), 2); };
    std::vector<double> g{2 * a(1) / gamma};
    for (int k = 2; k <= n; ++k) g.push_back(4 * a(k - 1) * a(k) / (b(k - 1) * g.back()));
    return g;
}

TEST(Prototypes, ButterworthTableIsTheClosedFormToFourDecimals) {
    for (int16_t n = 2; n <= 7; ++n) {
        SCOPED_TRACE("N = " + std::to_string(n));
        PrototypeValues p;
        for (int k = 1; k <= 7; ++k) p.setG(k, -1);
        ASSERT_TRUE(LoadButterworthPrototype(p, n));
        const std::vector<double> exact = Butterworth(n);
        for (int k = 1; k <= n; ++k)
            EXPECT_NEAR(p.g(k), std::round(exact[k - 1] * 1e4) / 1e4, 1e-6) << "g" << k;
        for (int k = n + 1; k <= 7; ++k) EXPECT_EQ(p.g(k), -1) << "g" << k << " must keep its value";
    }
}

// The table's three decimals are those of the published tables, a few of which stand one unit in the
// last place from the closed form.
TEST(Prototypes, ChebyshevTableIsTheClosedFormToThreeDecimals) {
    for (int16_t n : {3, 5, 7}) {
        for (float ripple : kChebyshevRipples) {
            SCOPED_TRACE("N = " + std::to_string(n) + ", " + std::to_string(ripple) + " dB");
            PrototypeValues p;
            ASSERT_TRUE(LoadChebyshevPrototype(p, n, ripple));
            const std::vector<double> exact = Chebyshev(n, ripple);
            for (int k = 1; k <= n; ++k) EXPECT_NEAR(p.g(k), exact[k - 1], 1e-3) << "g" << k;
        }
    }
}

TEST(Prototypes, ChebyshevOrder7ThenOrder3KeepsTheUpperPositions) {
    PrototypeValues p;
    ASSERT_TRUE(LoadChebyshevPrototype(p, 7, 1));
    EXPECT_EQ(NumberText(p.ProtoC1) + NumberText(p.ProtoC2) + NumberText(p.ProtoC3) + NumberText(p.ProtoC4),
              " 2.167 3.094 3.094 2.167");
    EXPECT_EQ(NumberText(p.ProtoL1) + NumberText(p.ProtoL2) + NumberText(p.ProtoL3), " 1.112 1.174 1.112");
    ASSERT_TRUE(LoadChebyshevPrototype(p, 3, 0.5f));
    EXPECT_EQ(Row(p, 7), (std::vector<float>{1.596f, 1.097f, 1.596f, 1.174f, 3.094f, 1.112f, 2.167f}));
}

TEST(Prototypes, RowsThatTheTablesDoNotHaveSetNothing) {
    struct Case {
        const char* name;
        bool chebyshev;
        int16_t n;
        float ripple;
    } cases[] = {
        {"Butterworth order 1", false, 1, 0},   {"Butterworth order 8", false, 8, 0},
        {"Butterworth order -2", false, -2, 0}, {"Chebyshev even order", true, 4, 1},
        {"Chebyshev order 9", true, 9, 1},      {"Chebyshev 1.5 dB", true, 3, 1.5f},
        {"Chebyshev 0 dB", true, 5, 0},         {"Chebyshev just above 1 dB", true, 3, 1.0000001f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrototypeValues p;
        for (int k = 1; k <= 7; ++k) p.setG(k, 9);
        const bool loaded =
            c.chebyshev ? LoadChebyshevPrototype(p, c.n, c.ripple) : LoadButterworthPrototype(p, c.n);
        EXPECT_FALSE(loaded);
        EXPECT_EQ(Row(p, 7), std::vector<float>(7, 9.0f));
    }
    // 1.0 typed into the list reads as the ripple of 1 dB.
    PrototypeValues p;
    EXPECT_TRUE(LoadChebyshevPrototype(p, 3, float(ParseNumber("1.0"))));
    EXPECT_EQ(p.ProtoC1, 2.024f);
}

TEST(HighPassButterworthEdge, MovesTheEdgeOnlyForA3dBRipple) {
    struct Case {
        const char* name;
        float F1, Amin;
        int16_t n;
        const char* result;
    } cases[] = {
        {"3 dB, order 5", 1000, 3, 5, " 999.7626"},   {"3 dB, order 2", 1000, 3, 2, " 999.4066"},
        {"3 dB, order 7", 1000, 3, 7, " 999.8304"},   {"3 dB, negative order", 1000, 3, -5, " 1000.237"},
        {"0.5 dB unchanged", 1000, 0.5f, 5, " 1000"}, {"2.9999 dB unchanged", 1234.5f, 2.9999f, 5, " 1234.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NumberText(HighPassButterworthEdge(c.F1, c.Amin, c.n)), c.result);
    }
    try {
        HighPassButterworthEdge(1000, 3, 0);
        FAIL() << "order 0";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.userMessage(), StopBandNotBeyondEdgeMessage(FilterType::HighPass));
    }
    EXPECT_THROW(HighPassButterworthEdge(1000, 3, 20000), RuntimeError);  // 2N beyond 16 bits
}

}  // namespace
