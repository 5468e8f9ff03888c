#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "components/CoilWinding.h"

using namespace vokta;

namespace {

ToroidCore Core(const char* name) {
    const auto core = FindToroidCore(name);
    EXPECT_TRUE(core) << name;
    return core.value_or(ToroidCore{});
}

constexpr double kPi = std::numbers::pi, kMu0 = 4e-7 * kPi;

// The complete elliptic integrals K(k) and E(k) by the arithmetic-geometric mean (Abramowitz & Stegun
// 17.6): the reference the program's own evaluation is judged by.
std::pair<double, double> EllipticKE(double k2) {
    double a = 1, b = std::sqrt(1 - k2), sum = k2 / 2, power = 0.5;
    for (int i = 0; i < 40; ++i) {
        const double c = (a - b) / 2;
        power *= 2;
        sum += power * c * c;
        const double next = (a + b) / 2;
        b = std::sqrt(a * b);
        a = next;
    }
    const double K = kPi / (2 * a);
    return {K, K * (1 - sum)};
}

// Nagaoka's coefficient from its elliptic-integral form.
double NagaokaByAgm(double diameterOverLength) {
    const double k2 = diameterOverLength * diameterOverLength / (1 + diameterOverLength * diameterOverLength);
    const auto [K, E] = EllipticKE(k2);
    const double k = std::sqrt(k2), kc = std::sqrt(1 - k2);
    return 4 / (3 * kPi * kc) * ((1 - k2) / k2 * (K - E) + E - k);
}

// A coil summed turn by turn, lengths in m: each turn a circular loop of round wire (Kirchhoff,
// µ0·a·(ln(8a/r) − 7/4)), each pair of turns two coaxial circles (Maxwell's mutual inductance).
double TurnByTurn(double diameter, double pitch, double wire, int turns) {
    const double a = diameter / 2;
    double sum = turns * kMu0 * a * (std::log(16 * a / wire) - 1.75);
    for (int m = 1; m < turns; ++m) {
        const double s = m * pitch, k2 = 4 * a * a / (4 * a * a + s * s), k = std::sqrt(k2);
        const auto [K, E] = EllipticKE(k2);
        sum += 2 * (turns - m) * kMu0 * a * ((2 / k - k) * K - 2 / k * E);
    }
    return sum;
}

}  // namespace

// Rows of the makers' catalogues: A_L (iron powder in µH/100 turns, ferrite in mH/1000 turns, both here in
// nH per turn²), and the sizes of T-200 and T-94 (inches: 2.00 × 1.25 × 0.55 and 0.942 × 0.56 × 0.312).
TEST(ToroidCores, PublishedRows) {
    const struct {
        const char* name;
        double al;
    } rows[] = {{"T-50-2", 4.9},  {"T-68-2", 5.7},   {"T-37-6", 3.0},    {"T-200-6", 10.0},
                {"T-94-10", 5.8}, {"FT-82-43", 557}, {"FT-37-61", 55.3}, {"FT-114-77", 1270}};
    for (const auto& r : rows) EXPECT_DOUBLE_EQ(Core(r.name).alNanohenry, r.al) << r.name;
    const ToroidCore t200 = Core("T-200-2"), t94 = Core("T-94-6");
    for (const auto& [mm, published] : {std::pair{t200.outerMm, 50.80},
                                        {t200.innerMm, 31.75},
                                        {t200.heightMm, 13.97},
                                        {t94.innerMm, 14.22}})
        EXPECT_NEAR(mm, published, 0.01);
}

// The turns are the whole N, found here by trying every count, whose A_L·N² lies nearest to L.
TEST(CoilWinding, ToroidTurnsAreTheNearestWholeCount) {
    std::mt19937 rng(24);
    const auto cores = ToroidCores();
    for (int i = 0; i < 300; ++i) {
        const ToroidCore& core = cores[rng() % cores.size()];
        const double al = core.alNanohenry * 1e-9;
        const double L = al * std::pow(10.0, std::uniform_real_distribution<double>(-0.5, 5)(rng));
        int best = 1;
        for (int n = 1; n <= 400; ++n)
            if (std::fabs(al * n * n - L) < std::fabs(al * best * best - L)) best = n;
        const auto w = WindToroid(core, L);
        ASSERT_TRUE(w);
        SCOPED_TRACE(core.Name() + " " + std::to_string(L));
        EXPECT_EQ(w->turns, best);
        EXPECT_NEAR(w->inductanceH, al * best * best, 1e-15);
    }
}

// 20 turns in T-50's hole (ID 7.696 mm): each wire of overall diameter d takes 2·asin(d / (ID − d)) of
// the circle its centres lie on. 0.9 mm wire (0.989 mm over the enamel) takes 20 × 0.2960 = 5.92 rad,
// less than 2π; 1.0 mm wire (1.094 mm) 20 × 0.3329 = 6.66 rad, more.
TEST(CoilWinding, ToroidFitsOneLayerButNotOneWireSizeUp) {
    const ToroidCore t50 = Core("T-50-2");
    EXPECT_TRUE(FitsOneLayer(t50, 20, 0.989));
    EXPECT_FALSE(FitsOneLayer(t50, 20, 1.094));
    const auto w = WindToroid(t50, 4.9e-9 * 400);
    ASSERT_TRUE(w && w->wire);
    EXPECT_EQ(w->turns, 20);
    EXPECT_DOUBLE_EQ(w->wire->nominalMm, 0.9);
    // 20 µH in 1 mm wire: T-94 needs 49 turns, 8.17 rad of its hole; T-106 38 turns, 6.22 rad: the
    // smallest core of mix 2 to take it.
    const auto onFamily = WindOnSmallestCore(CoreFamily("2"), 20e-6, 1.0);
    ASSERT_TRUE(onFamily);
    EXPECT_EQ(onFamily->core.Name(), "T-106-2");
    EXPECT_EQ(onFamily->winding.turns, 38);
}

// Nagaoka's coefficient against the elliptic-integral reference for coils from ten times longer than
// wide to ten times wider than long, and Nagaoka's own table (1909): 0.9588, 0.6884, 0.5255, 0.2033.
TEST(CoilWinding, NagaokaCoefficient) {
    for (int i = 0; i <= 40; ++i) {
        const double x = std::pow(10.0, -1 + i / 20.0);
        EXPECT_NEAR(NagaokaCoefficient(x) / NagaokaByAgm(x), 1, 1e-3) << x;
    }
    const double table[][2] = {{0.1, 0.9588}, {1, 0.6884}, {2, 0.5255}, {10, 0.2033}};
    for (const auto& r : table) EXPECT_NEAR(NagaokaCoefficient(r[0]), r[1], 5e-5) << r[0];
}

// A coil measured by N. Tesla (Colorado Springs Notes, 31 Oct. 1899): 346 turns of rubber-covered No. 10
// wire (2.588 mm copper) on a drum 14" across and 8 ft long, so a pitch of 96"/346 = 7.047 mm and the
// wire centres on a circle 14" + one pitch across; 6.04 mH measured at 140 Hz (voltmeter and ammeter, three
// readings within 0.8 %). The insulation's thickness is not recorded: 2 % covers it.
TEST(CoilWinding, MeasuredSolenoid) {
    const double pitch = 96 * 25.4 / 346;
    EXPECT_NEAR(SolenoidInductance(14 * 25.4 + pitch, pitch, 2.588, 346) / 6.04e-3, 1, 0.02);
}

// Rosa's round-wire corrections bring the current sheet to the coil of separate round turns, summed here
// one by one, within 0.1 % while the turns are small beside the coil (without them it is 1 to 6 % off).
TEST(CoilWinding, RoundWireCorrections) {
    const struct {
        double diameter, pitch, wire;
        int turns;
    } coils[] = {
        {100, 1, 1, 1}, {20, 1.13, 1, 2}, {20, 0.566, 0.5, 5}, {10, 0.566, 0.5, 20}, {10.6, 0.566, 0.5, 60}};
    for (const auto& c : coils)
        EXPECT_NEAR(SolenoidInductance(c.diameter, c.pitch, c.wire, c.turns) /
                        TurnByTurn(c.diameter * 1e-3, c.pitch * 1e-3, c.wire * 1e-3, c.turns),
                    1, 1e-3)
            << c.turns;
}

// The air-core turns are the count, tried one by one here, whose inductance lies nearest to L.
TEST(CoilWinding, AirCoreTurnsAreTheNearestWholeCount) {
    const EnamelledWire wire = WireOfNominal(0.5).value();
    const struct { double former, L; } cases[] = {{10, 1.134e-6}, {5, 0.1e-6}, {30, 50e-6}};
    for (const auto& c : cases) {
        auto L = [&](int n) { return SolenoidInductance(c.former + 0.566, 0.566, 0.5, n); };
        int best = 1;
        for (int n = 1; n <= 3000; ++n)
            if (std::fabs(L(n) - c.L) < std::fabs(L(best) - c.L)) best = n;
        const auto w = WindAirCore(c.former, wire, c.L);
        EXPECT_EQ(std::make_pair(w->turns, w->inductanceH), std::make_pair(best, L(best))) << c.L;
    }
    EXPECT_FALSE(WindAirCore(1, wire, 1.0));  // a henry on a millimetre former: too many turns
}
