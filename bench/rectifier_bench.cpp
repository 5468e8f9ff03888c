// Measures what the transformer's results window computes for each secondary: its bridge rectifier
// simulated to steady state, its load found for each E6 capacitor tried, until the smallest capacitor that
// keeps the ripple within the share is found. Prints the median and the slowest processor time per winding
// over random windings in milliseconds, then the time of the whole winding, load and heat of the README's
// two-winding transformer.
//
//   vokta_rectifier_bench [windings]

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <vector>

#include "transformer/TransformerBuild.h"

using namespace vokta;

namespace {

// Processor time of this process, ms: on a machine shared with other work it does not count the time the
// process waits for a processor, as the wall clock does.
double ProcessorMs() {
    return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
}

}  // namespace

int main(int argc, char** argv) {
    const int windings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    std::mt19937 rng(27);
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); };
    std::vector<double> ms;
    for (int i = 0; i < windings; ++i) {
        // A load of 3 to 60 V at 0.05 to 3 A; a winding whose peak is 1.1 to 1.6 times the load voltage plus
        // two diodes, behind 2 % to 30 % of the load's resistance; one of the three ripple shares.
        const double u = uniform(3, 60), current = uniform(0.05, 3);
        const double amplitude = u * uniform(1.1, 1.6) + 1.6, resistance = u / current * uniform(0.02, 0.3);
        const double share = kRippleShares[i % 3];
        const double start = ProcessorMs();
        const RectifierChoice choice = ChooseSmoothingCapacitor(amplitude, resistance, current, share);
        ms.push_back(ProcessorMs() - start);
        if (!choice.currentMet || !choice.rippleMet)
            std::printf("winding %d: current or ripple not met\n", i);
    }
    std::sort(ms.begin(), ms.end());
    std::printf(
        "rectifier with its capacitor chosen: median %.2f ms, slowest %.2f ms per winding (%d windings)\n",
        ms[ms.size() / 2], ms.back(), windings);

    TransformerDesign design;
    TransformerInput input{CoreType::Laminated, {3, 3, 2, 4}, 0.95f, 220, {{12, 1}, {6.3f, 0.3f}}};
    if (CalcTransformer(design, input) != DesignOutcome::Designed) return 1;
    const double start = ProcessorMs();
    const TransformerBuild build = BuildTransformer(design, {input.type, input.core, 0.35, input.loads, 0.1});
    std::printf("README transformer wound, loaded and warmed up: %.2f ms (%.1f °C)\n", ProcessorMs() - start,
                build.runningCelsius);
    return 0;
}
