#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <complex>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "base/RuntimeError.h"
#include "filters/ActiveRc.h"
#include "filters/ExactDesign.h"
#include "filters/FrequencyResponse.h"
#include "filters/Losses.h"
#include "filters/PassiveLadder.h"
#include "filters/SpiceNetlist.h"
#include "support/FilterDemands.h"

using namespace vokta;
using namespace vokta::test;
namespace fs = std::filesystem;

// The netlists of random designs of every kind, the results window's and the exact design's of every family
// (20 each), computed and with E24 values, run by ngspice as they are written; its output voltage must give
// the response the program computes, within 0.01 dB at 50 frequencies across the plot.

namespace {

std::mt19937 rng(17);
double Uniform(double a, double b) {
    return std::uniform_real_distribution<double>(a, b)(rng);
}
double LogUniform(double a, double b) {
    return std::exp(Uniform(std::log(a), std::log(b)));
}
int Pick(int a, int b) {
    return std::uniform_int_distribution<int>(a, b)(rng);
}

// A prototype of order n: a Chebyshev row of the table where it has one for the order, or Butterworth.
PrototypeValues Prototype(int n, float& amin) {
    PrototypeValues g;
    amin = kChebyshevRipples[Pick(0, 3)];
    if (Pick(0, 1) == 0 && LoadChebyshevPrototype(g, int16_t(n), amin)) return g;
    amin = 3;
    EXPECT_TRUE(LoadButterworthPrototype(g, int16_t(n)));
    return g;
}

DemandedCircuit Passive(FilterType shape) {
    ResponseDemand d;
    d.shape = shape;
    d.astop = Uniform(20, 60);
    const int16_t rn = int16_t(Pick(10, 1000));
    float amin = 0;
    std::array<float, 4> c{}, l{};
    int n = 0;
    if (shape == FilterType::LowPass || shape == FilterType::HighPass) {
        n = Pick(2, 7);
        const float f1 = float(LogUniform(100, 1e7));
        const PrototypeValues g = Prototype(n, amin);
        const PassiveLadder ladder = DesignLadder(shape, int16_t(n), f1, 0, rn, g);
        for (const LadderBranch& b : ladder.branches)
            (b.parts == BranchParts::C ? c[b.number - 1] : l[b.number - 1]) =
                b.parts == BranchParts::C ? b.c : b.l;
        d.f1 = f1;
        d.fs = shape == FilterType::LowPass ? f1 * Uniform(1.5, 5) : f1 / Uniform(1.5, 5);
    } else {
        n = Pick(2, 4);
        const float f0 = float(LogUniform(1000, 1e7)), k = float(Uniform(2, 20));
        const PrototypeValues g = Prototype(n, amin);
        const PassiveLadder ladder = DesignLadder(shape, int16_t(n), f0, k, rn, g);
        for (const LadderBranch& b : ladder.branches) c[b.number - 1] = b.c, l[b.number - 1] = b.l;
        const double bw = f0 / k;
        d.fleft = std::sqrt(double(f0) * f0 + bw * bw / 4) - bw / 2;
        d.fright = d.fleft + bw;
        d.fs = shape == FilterType::BandPass ? d.fright * Uniform(1.2, 3) : f0 * (1 + Uniform(0.05, 0.4) / k);
    }
    d.amin = amin;
    return {"passive " + std::to_string(int(shape)) + " order " + std::to_string(n),
            PassiveLadderCircuit(shape, n, rn, c, l), d};
}

DemandedCircuit Active(FilterType type) {
    ActiveRcInput in;
    in.type = type;
    in.n = int16_t(Pick(2, 5));
    in.f1 = float(LogUniform(10, 1e5));
    in.answer = type == FilterType::LowPass ? LogUniform(1, 100) : LogUniform(1e-3, 1);
    const char* ripple = Pick(0, 1) ? "0.5" : "3";
    in.response = Pick(0, 1) ? FilterResponse::Chebyshev : FilterResponse::Butterworth;
    if (in.response == FilterResponse::Chebyshev) LoadActiveChebyshevRow(ripple, in.n, in.table);
    const ActiveRcDesign a = DesignActiveRc(in).value();
    const double ra = a.RText ? LocaleParseNumber<double>(*a.RText, in.format) : 0;
    ResponseDemand d;
    d.shape = type;
    d.amin = 3, d.astop = 20, d.f1 = in.f1;
    d.fs = type == FilterType::LowPass ? in.f1 * 2 : in.f1 / 2;
    return {std::string("active ") + (type == FilterType::LowPass ? "low-pass" : "high-pass") + " order " +
                std::to_string(in.n),
            ActiveFilterCircuit(type, in.response, in.n, a.values, ra), d};
}

// The exact design of a random demand of that family and kind (the demands no order up to the highest
// meets are drawn again).
DemandedCircuit Exact(FilterType shape, FilterFamily family, bool active) {
    for (;;) {
        ResponseDemand d;
        d.shape = shape;
        d.amin = LogUniform(0.05, 3);
        d.astop = Uniform(20, 80);
        const double ws =
            LogUniform(family == FilterFamily::Bessel ? 1.5 : 1.1, family == FilterFamily::Bessel ? 10 : 4);
        const double f0 = active ? LogUniform(10, 1e5) : LogUniform(100, 1e7), width = Uniform(0.05, 1);
        d.f1 = f0;
        d.fleft = f0 * (std::sqrt(1 + width * width / 4) - width / 2);
        d.fright = f0 * f0 / d.fleft;
        const double b = d.fright - d.fleft, t = shape == FilterType::BandPass ? ws * b / f0 : b / (f0 * ws);
        const double fs[] = {f0 * ws, f0 / ws, f0 * (t + std::sqrt(t * t + 4)) / 2,
                             f0 * (t + std::sqrt(t * t + 4)) / 2};
        d.fs = fs[int(shape)];
        const FilterCircuit shown =
            active ? FilterCircuit(ActiveCircuit{}) : LadderCircuit{double(Pick(10, 1000)), {}};
        try {
            return {"exact family " + std::to_string(int(family)) + (active ? " active " : " passive ") +
                        std::to_string(int(shape)),
                    ExactDesign(d, family, shown), d};
        } catch (const RuntimeError&) {
        }
    }
}

// Frequencies and the complex voltage of node "out" from an ASCII raw file.
std::vector<std::pair<double, std::complex<double>>> ReadRaw(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    int variables = 0, out = -1;
    while (std::getline(in, line) && line != "Values:") {
        if (line.rfind("No. Variables:", 0) == 0) variables = std::stoi(line.substr(14));
        std::istringstream words(line);
        int index = 0;
        std::string name;
        if (words >> index >> name && name == "v(out)") out = index;
    }
    std::vector<std::pair<double, std::complex<double>>> points;
    std::string token;
    double f = 0;
    for (int k = 0; out > 0 && in >> token;) {
        if (k == 0) in >> token;  // the point's number comes first
        // strtod, not stod: the imaginary part of a frequency is at times a subnormal that stod refuses.
        char* end = nullptr;
        const double re = std::strtod(token.c_str(), &end),
                     im = std::strtod(end + (*end == ',' ? 1 : 0), &end);
        if (*end != '\0') {
            ADD_FAILURE() << file << ": not a complex number: " << token;
            return {};
        }
        if (k == 0) f = re;
        if (k == out) points.push_back({f, {re, im}});
        k = (k + 1) % variables;
    }
    return points;
}

}  // namespace

TEST(SpiceNetlist, NgspiceAgreesWithTheResponseCore) {
    if (std::system("command -v ngspice > /dev/null 2>&1") != 0)
        GTEST_SKIP()
            << "ngspice is not installed (Debian package ngspice): the netlists are not cross-checked.";
    std::vector<DemandedCircuit> designs;
    for (int i = 0; i < 20; ++i) {
        for (FilterType shape :
             {FilterType::LowPass, FilterType::HighPass, FilterType::BandPass, FilterType::BandStop})
            designs.push_back(Passive(shape));
        for (FilterType type : {FilterType::LowPass, FilterType::HighPass}) designs.push_back(Active(type));
    }
    for (bool active : {false, true})
        for (FilterType shape :
             {FilterType::LowPass, FilterType::HighPass, FilterType::BandPass, FilterType::BandStop})
            for (FilterFamily family : {FilterFamily::Butterworth, FilterFamily::Chebyshev,
                                        FilterFamily::Elliptic, FilterFamily::Bessel}) {
                if (active && (IsBandFilter(shape) || family == FilterFamily::Elliptic)) continue;
                for (int i = 0; i < 20; ++i) designs.push_back(Exact(shape, family, active));
            }
    // Active circuits whose every resistor and capacitor is off its value on its own, as a tolerance run
    // draws them: a section's two resistors and two capacitors differ.
    for (size_t i = 0, count = designs.size(), actives = 0; i < count; ++i) {
        auto* active = std::get_if<ActiveCircuit>(&designs[i].circuit);
        if (!active || actives++ % 4 >= 2) continue;  // a low-pass and a high-pass of every four
        ActiveCircuit spread = *active;
        for (ActiveStage& stage : spread.stages)
            for (int k = 0; k < 2; ++k)
                stage.r[k] *= float(Uniform(0.8, 1.2)), stage.c[k] *= float(Uniform(0.8, 1.2));
        designs.push_back({"spread " + designs[i].name, spread, designs[i].demand});
    }
    // Ladders with lossy coils and capacitors as the response window builds them for their quality factors:
    // 20 of every kind, every third with ideal capacitors.
    for (size_t i = 0, count = designs.size(), ladders = 0; i < count && ladders < 80; ++i) {
        if (!std::holds_alternative<LadderCircuit>(designs[i].circuit)) continue;
        const PartQuality q{LogUniform(30, 400), ++ladders % 3 == 0 ? HUGE_VAL : LogUniform(200, 3000)};
        designs.push_back({"lossy " + designs[i].name,
                           WithLosses(designs[i].circuit, q, QualityFrequency(designs[i].demand)),
                           designs[i].demand});
    }
    std::string pattern = (fs::temp_directory_path() / "vokta_spice_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    for (size_t i = 0; i < designs.size(); ++i) {
        // The plot's range comes from the response core; an unstable design has no plot but a netlist.
        double fmin = 0, fmax = 0;
        try {
            const ResponseAnalysis a = AnalyseResponse(designs[i].circuit, designs[i].demand);
            fmin = a.fmin, fmax = a.fmax;
        } catch (const RuntimeError&) {
            fmin = designs[i].demand.fs / 10, fmax = designs[i].demand.fs * 10;
        }
        for (ESeries series : {ESeries::None, ESeries::E24}) {
            std::ofstream(dir / (std::to_string(i) + SeriesName(series) + ".cir")) << SpiceNetlist(
                StandardCircuit(designs[i].circuit, series), designs[i].demand, series, fmin, fmax);
        }
    }
    // All the netlists in two batches, one ngspice run each, side by side.
    std::string batch[2] = {"* batch\n.control\nset filetype=ascii\n",
                            "* batch\n.control\nset filetype=ascii\n"};
    for (size_t i = 0; i < designs.size(); ++i)
        for (ESeries series : {ESeries::None, ESeries::E24}) {
            const std::string file = std::to_string(i) + SeriesName(series) + ".cir";
            batch[i % 2] += "source " + file + "\nrun\nwrite " + file + ".raw v(out)\nremcirc\ndestroy all\n";
        }
    for (int k = 0; k < 2; ++k)
        std::ofstream(dir / ("batch" + std::to_string(k) + ".sp")) << batch[k] << "quit 0\n.endc\n.end\n";
    const std::string run =
        "cd '" + dir.string() +
        "' && { ngspice -b batch0.sp > batch0.log 2>&1 & ngspice -b batch1.sp > batch1.log 2>&1; "
        "r1=$?; wait $! && [ $r1 = 0 ]; }";
    ASSERT_EQ(std::system(run.c_str()), 0);
    for (size_t i = 0; i < designs.size(); ++i)
        for (ESeries series : {ESeries::None, ESeries::E24}) {
            const std::string file = std::to_string(i) + SeriesName(series) + ".cir";
            SCOPED_TRACE(designs[i].name + ", " + file);
            const FilterCircuit circuit = StandardCircuit(designs[i].circuit, series);
            const auto points = ReadRaw(dir / (file + ".raw"));
            ASSERT_GE(points.size(), 50u);
            for (int k = 0; k < 50; ++k) {
                const auto& [f, v] = points[k * (points.size() - 1) / 49];
                // A ladder against its matched transfer (the source is 1 V), an active filter plain.
                double spice = 0, own = 0;
                if (const auto* ladder = std::get_if<LadderCircuit>(&circuit)) {
                    spice = -20 * std::log10(2 * std::abs(v));
                    own = LadderAttenuation(*ladder, f);
                } else {
                    spice = -20 * std::log10(std::abs(v));
                    own = -20 * std::log10(std::abs(ActiveTransfer(std::get<ActiveCircuit>(circuit), f)));
                }
                // ngspice solves for all the nodes at once, to some 1e-17 V of the 1 V source: an output 250
                // dB down (3e-13 V) is good to 1e-4 of itself, one 300 dB down only to a percent. Deeper in a
                // stop band it is only compared as deep.
                if (own > 250)
                    EXPECT_GT(spice, 250) << "at " << f << " Hz";
                else
                    EXPECT_NEAR(spice, own, 0.01) << "at " << f << " Hz";
            }
        }
    if (!HasFailure()) fs::remove_all(dir);  // otherwise kept for a look
}
