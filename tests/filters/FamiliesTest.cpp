#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "filters/Approximations.h"
#include "filters/ExactDesign.h"
#include "filters/FrequencyResponse.h"
#include "filters/PortResponse.h"
#include "filters/Touchstone.h"

using namespace vokta;

namespace {

constexpr double kPi = std::numbers::pi;

// ---- The elliptic rational function, by another way than the design's: Jacobi's sn from theta functions

// K(k) by the arithmetic-geometric mean of 1 and k' = kc.
double CompleteK(double kc) {
    double a = 1, b = kc;
    for (int i = 0; i < 40; ++i) {
        const double m = (a + b) / 2;
        b = std::sqrt(a * b), a = m;
    }
    return kPi / (2 * a);
}

// sn(u, k) = θ3·θ1(v) / (θ2·θ4(v)), v = π·u / (2K), of the nome q = exp(-π·K'/K).
double Sn(double u, double k, double kc) {
    const double big = CompleteK(kc), q = std::exp(-kPi * CompleteK(k) / big), v = kPi * u / (2 * big);
    double t1 = 0, t2 = 0, t3 = 1, t4 = 1;
    for (int n = 0; n < 40; ++n) {
        const double half = std::pow(q, (n + 0.5) * (n + 0.5)), whole = std::pow(q, double(n + 1) * (n + 1));
        const double sign = n % 2 == 0 ? 1 : -1;
        t1 += 2 * sign * half * std::sin((2 * n + 1) * v);
        t2 += 2 * half;
        t3 += 2 * whole;
        t4 += 2 * -sign * whole * std::cos(2 * (n + 1) * v);
    }
    return t3 * t1 / (t2 * t4);
}

// R_n(ξ, Ω) of odd order n: zeros sn(2iK/n), poles 1/(k·zero), scaled to 1 at Ω = 1.
struct EllipticFunction {
    int n;
    double xi;
    std::vector<double> zeros, poles;

    EllipticFunction(int order, double selectivity) : n(order), xi(selectivity) {
        const double k = 1 / xi, kc = std::sqrt(xi * xi - 1) / xi;
        for (int i = 1; i <= (n - 1) / 2; ++i) {
            zeros.push_back(Sn(2 * i * CompleteK(kc) / n, k, kc));
            poles.push_back(1 / (k * zeros.back()));
        }
    }
    double operator()(double w) const {
        double r = w, one = 1;
        for (size_t i = 0; i < zeros.size(); ++i) {
            r *= (w * w - zeros[i] * zeros[i]) / (w * w - poles[i] * poles[i]);
            one *= (1 - zeros[i] * zeros[i]) / (1 - poles[i] * poles[i]);
        }
        return r / one;
    }
};

// The resonance (Hz) of an inductor and a capacitor.
double Resonance(const Arm& l, const Arm& c) {
    return 1 / (2 * kPi * std::sqrt(l.value * c.value));
}

}  // namespace

// The ladder's attenuation over the whole plot is 10·lg(1 + ε²·R_n(ξ, Ω)²), Ω the frequency on the
// low-pass prototype's scale, to 0.001 dB for every order; each trap resonates at a pole of R_n to 0.01 %.
TEST(EllipticLadder, HasTheAttenuationOfItsEllipticFunction) {
    struct Row {
        FilterType shape;
        int n;
    };
    std::vector<Row> rows;
    for (int n = 3; n <= 15; n += 2) rows.push_back({FilterType::LowPass, n});
    rows.insert(rows.end(), {{FilterType::HighPass, 15},
                             {FilterType::HighPass, 5},
                             {FilterType::BandPass, 13},
                             {FilterType::BandStop, 11}});
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "shape " << int(row.shape) << " order " << row.n);
        // The stop band at 1.2 times the edge (on the prototype's scale) with 0.2 dB of ripple, and a
        // stop-band demand every order keeps, so that the ripple is the allowed one less the design's guard.
        const double ws = 1.2, f0 = 1e6, b = 2e5;
        ResponseDemand d{row.shape, 0.2, 5, f0, 0, 0, 0};
        d.fleft = std::sqrt(f0 * f0 + b * b / 4) - b / 2, d.fright = d.fleft + b;
        const double t = row.shape == FilterType::BandPass ? ws * b / f0 : b / (f0 * ws);
        const double fs[] = {f0 * ws, f0 / ws, f0 * (t + std::sqrt(t * t + 4)) / 2,
                             f0 * (t + std::sqrt(t * t + 4)) / 2};
        d.fs = fs[int(row.shape)];
        const FilterCircuit circuit =
            ExactDesignOfOrder(d, FilterFamily::Elliptic, LadderCircuit{50, {}}, row.n);
        const LadderCircuit& ladder = std::get<LadderCircuit>(circuit);
        auto omega = [&](double f) {
            switch (row.shape) {
                case FilterType::LowPass:
                    return f / f0;
                case FilterType::HighPass:
                    return f0 / f;
                case FilterType::BandPass:
                    return (f / f0 - f0 / f) * f0 / b;
                case FilterType::BandStop:
                    break;
            }
            return b / (f0 * (f / f0 - f0 / f));
        };
        const EllipticFunction r(row.n, ws);
        // ε from the ripple at the pass-band edge, where |R_n| = 1.
        const double edge = IsBandFilter(row.shape) ? d.fright : f0;
        const double e2 = std::expm1(LadderAttenuation(ladder, edge) * std::log(10.0) / 10);
        EXPECT_NEAR(e2, std::expm1(0.2 * std::log(10.0) / 10), 1e-4);
        double worst = 0;
        for (const ResponsePoint& p : AnalyseResponse(circuit, d).curve) {
            const double rn = r(omega(p.f));
            const double want = std::min(kAttenuationCeilingDb, 10 * std::log10(1 + e2 * rn * rn));
            worst = std::max(worst, std::abs(p.a - want));
        }
        EXPECT_LT(worst, 0.001);
        // The traps of a low-pass (an inductor with a capacitor across it) and of a high-pass (an inductor
        // and a capacitor in series to ground) at a pole; a band filter's traps in the line (three parts in
        // parallel) block at both frequencies of a pole: there their admittance vanishes.
        const bool band = IsBandFilter(row.shape);
        int traps = 0;
        for (const LadderBranch& branch : ladder.branches) {
            const std::vector<Arm>& parts = branch.arm.parts;
            if (parts.size() != (band ? 3u : 2u) || (band && branch.place != BranchPlace::Series)) continue;
            ++traps;
            double nearest = 1;
            for (double pole : r.poles) {
                if (!band) {
                    const double f = Resonance(parts[0], parts[1]);
                    nearest = std::min(nearest, std::abs(omega(f) / pole - 1));
                    continue;
                }
                const double tp = row.shape == FilterType::BandPass ? pole * b / f0 : b / (f0 * pole);
                const double f = f0 * (tp + std::sqrt(tp * tp + 4)) / 2;
                double off = 0;
                for (double x : {f, f0 * f0 / f}) {
                    // How far the zero of the admittance lies, relative to x: a Newton step.
                    auto y = [&](double at) { return ArmAdmittance(branch.arm, 2 * kPi * at).imag(); };
                    off = std::max(off, 1e-7 * std::abs(y(x) / (y(x * (1 + 1e-7)) - y(x))));
                }
                nearest = std::min(nearest, off);
            }
            EXPECT_LT(nearest, 1e-4) << "trap " << traps;
        }
        EXPECT_EQ(traps, (row.n - 1) / 2);
    }
}

// The delay-normalised Bessel responses against the published tables: the frequencies where they are
// 3 dB down, and the ladders between equal terminations scaled to 1 rad/s at 3 dB (A. B. Williams,
// F. J. Taylor, "Electronic Filter Design Handbook", tables of the Bessel response: 3-dB frequencies of
// the delay-normalised responses, and LC element values for equal terminations, listed from the load).
TEST(Bessel, AgreesWithThePublishedTables) {
    const double threeDb[] = {1.3617, 1.7557, 2.1139, 2.4274, 2.7034, 2.9517, 3.1796};
    for (int n = 2; n <= 8; ++n) EXPECT_NEAR(BesselEdge(n, 10 * std::log10(2.0)), threeDb[n - 2], 1e-4) << n;
    const std::vector<std::vector<double>> ladders = {{0.3374, 0.9705, 2.2034},
                                                      {0.1743, 0.5072, 0.8040, 1.1110, 2.2582}};
    for (const std::vector<double>& published : ladders) {
        const int n = int(published.size());
        const std::vector<double>& g = BesselLadderValues(n);
        for (int i = 0; i < n; ++i)
            EXPECT_NEAR(g[n - 1 - i] * BesselEdge(n, 10 * std::log10(2.0)), published[i], 1e-4)
                << n << " " << i;
    }
}

// The group delay of the Bessel designs, ladders and active filters: 1 at Ω = 0 on the delay-normalised
// scale, and as flat as the polynomial makes it: τ(Ω) = 1 - Ω^(2n)/|B_n(jΩ)|² (from the Wronskian of the
// spherical Bessel functions, Thomson 1949; for n = 3 the published (6Ω⁴ + 45Ω² + 225)/(Ω⁶ + 6Ω⁴ + 45Ω²
// + 225), Wikipedia, "Bessel filter"), with B_n's coefficients (2n - k)!/(2^(n-k)·k!·(n-k)!).
TEST(Bessel, GroupDelayIsFlatAsPublished) {
    auto flatness = [](int n, double w) {
        std::complex<double> b = 0, s(0, w), power = 1;
        for (int k = 0; k <= n; ++k, power *= s)
            b += power * std::exp(std::lgamma(2 * n - k + 1) - (n - k) * std::log(2.0) - std::lgamma(k + 1) -
                                  std::lgamma(n - k + 1));
        return 1 - std::pow(w, 2 * n) / std::norm(b);
    };
    EXPECT_NEAR(flatness(3, 1), 276.0 / 277, 1e-12);
    EXPECT_NEAR(flatness(3, 2), 501.0 / 565, 1e-12);
    for (bool active : {false, true})
        for (int n : {3, 5, 8}) {
            SCOPED_TRACE(testing::Message() << "active " << active << " order " << n);
            const ResponseDemand d{FilterType::LowPass, 1, 30, 1000, 0, 0, 3000};
            const FilterCircuit shown = active ? FilterCircuit(ActiveCircuit{}) : LadderCircuit{50, {}};
            const FilterCircuit circuit = ExactDesignOfOrder(d, FilterFamily::Bessel, shown, n);
            // 1 s at Ω = 0 on the normalised scale, where the design's edge lies at the Ω of its attenuation
            // there.
            const double tau0 = GroupDelay(circuit, 1e-3);
            const double edge = BesselEdge(n, AnalyseResponse(circuit, d).passBand.attenuation);
            EXPECT_NEAR(tau0 * 2 * kPi * 1000 / edge, 1, 1e-6);
            for (double w : {0.5, 1.0, 2.0, 3.0})
                EXPECT_NEAR(GroupDelay(circuit, w / (2 * kPi * tau0)) / tau0, flatness(n, w), 1e-6) << w;
        }
}

// A Butterworth low-pass of order 5 with its 3-dB edge at 1 MHz delays by Σ sin((2k - 1)π/10) / ω_c =
// 515.04 ns at low frequencies.
TEST(GroupDelay, ButterworthFifthOrder) {
    const ResponseDemand d{FilterType::LowPass, 10 * std::log10(2.0), 20, 1e6, 0, 0, 3e6};
    const FilterCircuit circuit = ExactDesignOfOrder(d, FilterFamily::Butterworth, LadderCircuit{50, {}}, 5);
    EXPECT_NEAR(GroupDelay(circuit, 1e3), 515.04e-9, 515.04e-9 * 1e-3);
}

// The analytic group delay of every kind of circuit, lossless and lossy, against the phase of its transfer
// differenced over a step of 1e-6 of the frequency, across the plot (away from the attenuation poles, where
// the phase jumps).
TEST(GroupDelay, IsTheSlopeOfThePhase) {
    const ResponseDemand demands[] = {{FilterType::LowPass, 0.1, 70, 1e6, 0, 0, 1.3e6},
                                      {FilterType::HighPass, 0.5, 60, 1e5, 0, 0, 6e4},
                                      {FilterType::BandPass, 0.2, 50, 0, 9e6, 11e6, 12.5e6},
                                      {FilterType::BandStop, 1, 40, 0, 1e6, 3e6, 1.6e6}};
    for (const ResponseDemand& d : demands)
        for (FilterFamily family : {FilterFamily::Elliptic, FilterFamily::Chebyshev, FilterFamily::Bessel})
            for (bool active : {false, true}) {
                if (active && (IsBandFilter(d.shape) || family == FilterFamily::Elliptic)) continue;
                SCOPED_TRACE(testing::Message() << "shape " << int(d.shape) << " family " << int(family)
                                                << " active " << active);
                const FilterCircuit shown = active ? FilterCircuit(ActiveCircuit{}) : LadderCircuit{50, {}};
                const FilterCircuit design = ExactDesignOfOrder(d, family, shown, 7);
                const ResponseAnalysis a = AnalyseResponse(design, d);
                std::vector<FilterCircuit> circuits{design};
                if (const auto* ladder = std::get_if<LadderCircuit>(&design)) {
                    // And with losses: 0.5 Ω in series with every series arm, 10 kΩ across every shunt arm.
                    LadderCircuit lossy = *ladder;
                    for (LadderBranch& b : lossy.branches) {
                        const bool series = b.place == BranchPlace::Series;
                        const Arm r = Arm::Element(ElementKind::Resistor, series ? 0.5 : 1e4);
                        b = NetworkBranch(b.position, b.place,
                                          series ? Arm::Series({ArmOf(b), r}) : Arm::Parallel({ArmOf(b), r}));
                    }
                    circuits.push_back(lossy);
                }
                for (const FilterCircuit& circuit : circuits) {
                    const auto* ladder = std::get_if<LadderCircuit>(&circuit);
                    auto transfer = [&](double f) {
                        return ladder ? LadderSParameters(*ladder, f).s21
                                      : ActiveTransfer(std::get<ActiveCircuit>(circuit), f);
                    };
                    for (size_t i = 0; i < a.curve.size(); i += 7) {
                        const double f = a.curve[i].f, h = f * 1e-6;
                        if (a.curve[i].a > 150) continue;
                        const double tau = std::arg(transfer(f - h) / transfer(f + h)) / (2 * kPi * 2 * h);
                        EXPECT_NEAR(GroupDelay(circuit, f), tau, 1e-5 * std::abs(tau) + 1e-6 / f)
                            << f << (&circuit == &circuits.front() ? "" : " with losses");
                    }
                }
            }
}

// Lossless ladders pass on what they do not reflect: |S11|² + |S21|² = 1. The return loss and VSWR follow
// from S11; an active filter has no input match to show.
TEST(PortResponse, LosslessLaddersConservePower) {
    const ResponseDemand bandPass{FilterType::BandPass, 0.1, 60, 0, 9e6, 11e6, 12e6};
    const ResponseDemand highPass{FilterType::HighPass, 0.5, 50, 1e5, 0, 0, 5e4};
    const FilterCircuit circuits[] = {ExactDesign(bandPass, FilterFamily::Elliptic, LadderCircuit{50, {}}),
                                      ExactDesign(highPass, FilterFamily::Chebyshev, LadderCircuit{75, {}})};
    for (const FilterCircuit& circuit : circuits) {
        const LadderCircuit& ladder = std::get<LadderCircuit>(circuit);
        const PortCurves sweep = PortSweep(circuit, 1e4, 1e8, 200);
        for (size_t i = 0; i < sweep.f.size(); ++i) {
            const SParameters s = LadderSParameters(ladder, sweep.f[i]);
            EXPECT_NEAR(std::norm(s.s11) + std::norm(s.s21), 1, 1e-9) << sweep.f[i];
            EXPECT_NEAR(-10 * std::log10(std::norm(s.s21)), LadderAttenuation(ladder, sweep.f[i]), 1e-6);
            const double r = std::abs(s.s11);
            EXPECT_NEAR(sweep.returnLoss[i], std::min(kReturnLossCeilingDb, -20 * std::log10(r)), 1e-9);
            EXPECT_NEAR(sweep.vswr[i], r < 1 ? std::min(kVswrCeiling, (1 + r) / (1 - r)) : kVswrCeiling,
                        1e-6 * sweep.vswr[i]);
        }
    }
    // A trap in the line exactly at its resonance (ω = 1 to the bit): nothing passes, all is reflected, and
    // the delay is that on either side of the jump of the phase.
    const Arm c = Arm::Element(ElementKind::Capacitor, 1),
              trap = Arm::Parallel({Arm::Element(ElementKind::Inductor, 1), c});
    const LadderCircuit notch{
        1,
        {NetworkBranch(1, BranchPlace::Shunt, c), NetworkBranch(2, BranchPlace::Series, trap),
         NetworkBranch(3, BranchPlace::Shunt, c)}};
    const double f = 1 / (2 * kPi);
    ASSERT_EQ(2 * kPi * f, 1.0);
    const SParameters s = LadderSParameters(notch, f);
    EXPECT_EQ(s.s21, 0.0);
    EXPECT_NEAR(std::abs(s.s11), 1, 1e-12);
    EXPECT_NEAR(InputMatchOf(notch, f)->vswr, kVswrCeiling, 1);
    EXPECT_NEAR(GroupDelay(notch, f), GroupDelay(notch, f * (1 + 1e-8)), 1e-6);
    const FilterCircuit active = ExactDesign(highPass, FilterFamily::Butterworth, ActiveCircuit{});
    EXPECT_FALSE(InputMatchOf(active, 1e5));
    EXPECT_TRUE(PortSweep(active, 1e4, 1e6, 10).returnLoss.empty());
}

// The .s2p text read back gives the S-parameters it was written from.
TEST(Touchstone, ReadsBackWhatItWrote) {
    const ResponseDemand d{FilterType::BandStop, 0.5, 40, 0, 1e6, 3e6, 1.8e6};
    const LadderCircuit ladder =
        std::get<LadderCircuit>(ExactDesign(d, FilterFamily::Elliptic, LadderCircuit{50, {}}));
    const std::string text = TouchstoneText(ladder, d.shape, 1e5, 3e7);
    EXPECT_NE(text.find("\n# Hz S RI R 50\n"), std::string::npos);
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c > 0; })) << "not ASCII";
    const std::optional<TouchstoneData> data = ReadTouchstone(text);
    ASSERT_TRUE(data);
    ASSERT_EQ(data->f.size(), size_t(kTouchstonePoints));
    EXPECT_EQ(data->reference, 50);
    EXPECT_EQ(data->f.front(), 1e5);
    EXPECT_EQ(data->f.back(), 3e7);
    for (size_t i = 0; i < data->f.size(); ++i)
        EXPECT_LT(std::abs(data->s[i][1] - LadderSParameters(ladder, data->f[i]).s21), 1e-6) << data->f[i];
    // Another writer's arrangement: MHz, magnitude and angle, the numbers over two lines.
    const std::optional<TouchstoneData> other =
        ReadTouchstone("! measured\n# MHz S MA R 75\n10 0.5 90 0.25 -90\n 0.25 -90 0.5 180\n");
    ASSERT_TRUE(other);
    EXPECT_EQ(other->f[0], 1e7);
    EXPECT_NEAR(std::abs(other->s[0][0] - std::complex<double>(0, 0.5)), 0, 1e-15);
    EXPECT_FALSE(ReadTouchstone("# Hz Y RI R 50\n1 0 0 0 0 0 0 0 0\n"));
}
