#include "filters/StandardChoice.h"

#include <cmath>
#include <limits>

#include "base/RuntimeError.h"
#include "filters/FrequencyResponse.h"

namespace vokta {

namespace {

// The parts of each ladder branch that has both a coil and a capacitor, by their index in CircuitParts.
std::vector<std::vector<size_t>> Resonators(const FilterCircuit& circuit) {
    std::vector<std::vector<size_t>> groups;
    const auto* ladder = std::get_if<LadderCircuit>(&circuit);
    if (!ladder) return groups;
    size_t index = 0;
    for (const LadderBranch& branch : ladder->branches) {
        std::vector<size_t> members;
        bool coil = false, capacitor = false;
        ForEachElement(branch, [&](ElementKind kind, const auto&, double) {
            coil |= kind == ElementKind::Inductor;
            capacitor |= kind == ElementKind::Capacitor;
            members.push_back(index++);
        });
        if (coil && capacitor) groups.push_back(std::move(members));
    }
    return groups;
}

}  // namespace

FilterCircuit TunedStandardCircuit(const FilterCircuit& circuit, ESeries series, const ResponseDemand& demand,
                                   const BuiltCircuit& built) {
    if (series == ESeries::None) return circuit;
    const std::vector<FilterPart> parts = CircuitParts(circuit);
    std::vector<double> chosen, other;  // each part's value now, and its other neighbour
    for (const FilterPart& part : parts) {
        const auto [below, above] = StandardNeighbours(part.value, series);
        const double nearest = NearestStandard(part.value, series);
        chosen.push_back(part.kind == ElementKind::Amplifier ? 0 : nearest);
        other.push_back(part.kind == ElementKind::Amplifier ? 0 : nearest == below ? above : below);
    }
    auto margin = [&](const std::vector<double>& values) {
        try {
            const FilterCircuit candidate = WithPartValues(circuit, values);
            return JudgeResponse(built ? built(candidate) : candidate, demand).WorstMargin();
        } catch (const RuntimeError&) {
            return -std::numeric_limits<double>::infinity();
        }
    };
    // The moves: each part on its own, then each resonator's parts together.
    std::vector<std::vector<size_t>> moves;
    for (size_t i = 0; i < parts.size(); ++i)
        if (other[i] != chosen[i]) moves.push_back({i});
    for (std::vector<size_t>& group : Resonators(circuit)) moves.push_back(std::move(group));

    double best = margin(chosen);
    if (!std::isfinite(best)) return WithPartValues(circuit, chosen);
    // Passes over the moves until none raises the worst margin; each pass at most one flip per move, and
    // a flip is kept only when it is better by more than rounding, so the search ends.
    constexpr int kMostPasses = 8;
    constexpr double kBetter = 1e-9;  // dB
    for (int pass = 0; pass < kMostPasses; ++pass) {
        bool improved = false;
        for (const std::vector<size_t>& move : moves) {
            for (size_t i : move) std::swap(chosen[i], other[i]);
            const double m = margin(chosen);
            if (m > best + kBetter) {
                best = m;
                improved = true;
            } else {
                for (size_t i : move) std::swap(chosen[i], other[i]);
            }
        }
        if (!improved) break;
    }
    return WithPartValues(circuit, chosen);
}

}  // namespace vokta
