#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/NumberText.h"
#include "common/RuntimeError.h"
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

TEST(Prototypes, ButterworthTable) {
    struct Case {
        int16_t n;
        std::vector<float> g;
    } cases[] = {
        {2, {1.4142f, 1.4142f}},
        {3, {1, 2, 1}},
        {4, {0.7654f, 1.8478f, 1.8478f, 0.7654f}},
        {5, {0.618f, 1.618f, 2, 1.618f, 0.618f}},
        {6, {0.5176f, 1.4142f, 1.9319f, 1.9319f, 1.4142f, 0.5176f}},
        {7, {0.445f, 1.247f, 1.8019f, 2, 1.8019f, 1.247f, 0.445f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("N = " + std::to_string(c.n));
        PrototypeValues p;
        for (int k = 1; k <= 7; ++k) p.setG(k, -1);
        ASSERT_TRUE(LoadButterworthPrototype(p, c.n));
        EXPECT_EQ(Row(p, c.n), c.g);
        for (int k = c.n + 1; k <= 7; ++k) EXPECT_EQ(p.g(k), -1) << "g" << k << " must keep its value";
    }
}

TEST(Prototypes, ChebyshevTable) {
    struct Case {
        int16_t n;
        float ripple;
        std::vector<float> g;
    } cases[] = {
        {3, 0.5f, {1.596f, 1.097f, 1.596f}},
        {3, 1, {2.024f, 0.994f, 2.024f}},
        {3, 2, {2.711f, 0.833f, 2.711f}},
        {3, 3, {3.349f, 0.712f, 3.349f}},
        {5, 0.5f, {1.706f, 1.23f, 2.541f, 1.23f, 1.706f}},
        {5, 1, {2.135f, 1.091f, 3.001f, 1.091f, 2.135f}},
        {5, 2, {2.831f, 0.899f, 3.783f, 0.899f, 2.831f}},
        {5, 3, {3.481f, 0.762f, 4.538f, 0.762f, 3.481f}},
        {7, 0.5f, {1.737f, 1.258f, 2.638f, 1.344f, 2.638f, 1.258f, 1.737f}},
        {7, 1, {2.167f, 1.112f, 3.094f, 1.174f, 3.094f, 1.112f, 2.167f}},
        {7, 2, {2.865f, 0.912f, 3.877f, 0.954f, 3.877f, 0.912f, 2.865f}},
        {7, 3, {3.519f, 0.772f, 4.639f, 0.804f, 4.639f, 0.772f, 3.519f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("N = " + std::to_string(c.n) + ", " + std::to_string(c.ripple) + " dB");
        PrototypeValues p;
        ASSERT_TRUE(LoadChebyshevPrototype(p, c.n, c.ripple));
        EXPECT_EQ(Row(p, c.n), c.g);
        for (int k = 1; k <= c.n; ++k) EXPECT_EQ(p.g(k), p.g(c.n + 1 - k)) << "symmetric";
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
        {"Butterworth order 1", false, 1, 0},  {"Butterworth order 8", false, 8, 0},
        {"Butterworth order -2", false, -2, 0}, {"Chebyshev even order", true, 4, 1},
        {"Chebyshev order 9", true, 9, 1},      {"Chebyshev 1.5 dB", true, 3, 1.5f},
        {"Chebyshev 0 dB", true, 5, 0},          {"Chebyshev just above 1 dB", true, 3, 1.0000001f},
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
        {"3 dB, order 5", 1000, 3, 5, " 999.7626"},
        {"3 dB, order 2", 1000, 3, 2, " 999.4066"},
        {"3 dB, order 7", 1000, 3, 7, " 999.8304"},
        {"3 dB, negative order", 1000, 3, -5, " 1000.237"},
        {"0.5 dB unchanged", 1000, 0.5f, 5, " 1000"},
        {"2.9999 dB unchanged", 1234.5f, 2.9999f, 5, " 1234.5"},
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
