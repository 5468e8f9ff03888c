#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "transformer/RectifierSimulation.h"

using namespace vokta;
namespace fs = std::filesystem;

// Twenty random windings, each with the load the program finds for its DC current and the capacitor it
// chooses, as one ngspice netlist of twenty independent circuits: a sine source behind the winding's
// resistance, a bridge of four diodes of the same model (IS and N), the capacitor and the load. ngspice's
// transient, started from a capacitor charged to the amplitude less 1.4 V and run for 0.5 s (25 periods),
// must give the DC voltage, the ripple and the winding's RMS current over its last period within 2 % of the
// program's steady state, and so the load's current within 2 % of the one asked for.
TEST(RectifierSimulation, NgspiceAgrees) {
    if (std::system("command -v ngspice > /dev/null 2>&1") != 0)
        GTEST_SKIP()
            << "ngspice is not installed (Debian package ngspice): the rectifier is not cross-checked.";
    std::mt19937 rng(2027);
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); };
    std::vector<double> currents, loads;
    std::vector<BridgeState> states;
    std::ostringstream net;
    net.imbue(std::locale::classic());
    net << "rectifiers\n.model dbridge d(is=" << kRectifierDiode.is << " n=" << kRectifierDiode.n << ")\n";
    for (int k = 0; k < 20; ++k) {
        const double u = uniform(3, 60), current = uniform(0.05, 3);
        const double amplitude = u * uniform(1.1, 1.6) + 1.6, resistance = u / current * uniform(0.02, 0.3);
        const RectifierChoice choice =
            ChooseSmoothingCapacitor(amplitude, resistance, current, 0.05 * (1 << (k % 3)));
        const double load = choice.load;
        currents.push_back(current);
        loads.push_back(load);
        states.push_back(choice.state);
        // The load's negative end is the ground and the winding floats, as a transformer's does.
        const std::string n = std::to_string(k);
        net << "v" << n << " s" << n << " b" << n << " sin(0 " << amplitude << " 50)\n"
            << "r" << n << " s" << n << " a" << n << " " << resistance << "\n"
            << "d" << n << "a a" << n << " p" << n << " dbridge\nd" << n << "b b" << n << " p" << n
            << " dbridge\n"
            << "d" << n << "c 0 a" << n << " dbridge\nd" << n << "d 0 b" << n << " dbridge\n"
            << "c" << n << " p" << n << " 0 " << choice.capacitance << "\nrl" << n << " p" << n << " 0 "
            << load << "\n.ic v(p" << n << ")=" << amplitude - 1.4 << "\n"
            << ".meas tran dc" << n << " avg v(p" << n << ") from=0.48 to=0.5\n"
            << ".meas tran pp" << n << " pp v(p" << n << ") from=0.48 to=0.5\n"
            << ".meas tran rms" << n << " rms i(v" << n << ") from=0.48 to=0.5\n";
    }
    net << ".options temp=27 tnom=27\n.tran 10u 0.5 0 10u\n.end\n";
    std::string pattern = (fs::temp_directory_path() / "vokta_rectifier_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    std::ofstream(dir / "bridges.cir") << net.str();
    const std::string run = "cd '" + dir.string() + "' && ngspice -b bridges.cir > bridges.log 2>&1";
    ASSERT_EQ(std::system(run.c_str()), 0);
    // Lines such as "dc3                 =  1.234567e+01 from=  4.800000e-01 to=  5.000000e-01".
    std::map<std::string, double> measured;
    std::ifstream log(dir / "bridges.log");
    for (std::string line; std::getline(log, line);) {
        std::istringstream words(line);
        std::string name, equals;
        if (words >> name >> equals && equals == "=") {
            const double value = std::strtod(line.substr(line.find('=') + 1).c_str(), nullptr);
            measured[name] = value;
        }
    }
    for (int k = 0; k < 20; ++k) {
        const std::string n = std::to_string(k);
        SCOPED_TRACE("circuit " + n);
        ASSERT_TRUE(measured.count("dc" + n) && measured.count("pp" + n) && measured.count("rms" + n));
        EXPECT_NEAR(states[k].dcVoltage, measured["dc" + n], 0.02 * measured["dc" + n]);
        EXPECT_NEAR(measured["dc" + n] / loads[k], currents[k], 0.02 * currents[k]);
        EXPECT_NEAR(states[k].ripple, measured["pp" + n], 0.02 * measured["pp" + n]);
        EXPECT_NEAR(states[k].windingRms, std::fabs(measured["rms" + n]),
                    0.02 * std::fabs(measured["rms" + n]));
    }
    if (!HasFailure()) fs::remove_all(dir);  // otherwise kept for a look
}
