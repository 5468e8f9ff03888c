#include "filters/Losses.h"

#include <cmath>

#include "base/RuntimeError.h"
#include "base/Units.h"

namespace vokta {

namespace {

bool Lossy(double q) {
    return q > 0 && std::isfinite(q);
}

Arm LossyArm(const Arm& arm, const PartQuality& q, double w) {
    if (arm.join != Arm::Join::Element) {
        Arm combined = arm;
        combined.parts.clear();
        for (const Arm& part : arm.parts) {
            Arm lossy = LossyArm(part, q, w);
            // A series combination inside a series one is one series combination.
            if (lossy.join == arm.join && lossy.join == Arm::Join::Series)
                for (Arm& inner : lossy.parts) combined.parts.push_back(std::move(inner));
            else
                combined.parts.push_back(std::move(lossy));
        }
        return combined;
    }
    if (arm.kind == ElementKind::Inductor && Lossy(q.coils))
        return Arm::Series({arm, Arm::Element(ElementKind::Resistor, w * arm.value / q.coils)});
    if (arm.kind == ElementKind::Capacitor && Lossy(q.capacitors))
        return Arm::Parallel({arm, Arm::Element(ElementKind::Resistor, q.capacitors / (w * arm.value))});
    return arm;
}

}  // namespace

bool HasLosses(const PartQuality& q) {
    return Lossy(q.coils) || Lossy(q.capacitors);
}

std::optional<double> ReadQuality(std::string_view text, const NumberFormat& format) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.empty() || text == "∞") return HUGE_VAL;
    try {
        const double q = LocaleParseDouble(text, format);
        if (q > 0 && std::isfinite(q)) return q;
    } catch (const RuntimeError&) {
    }
    return std::nullopt;
}

double QualityFrequency(const ResponseDemand& demand) {
    return IsBandFilter(demand.shape) ? std::sqrt(demand.fleft * demand.fright) : demand.f1;
}

FilterCircuit WithLosses(const FilterCircuit& circuit, const PartQuality& q, double f) {
    const auto* ladder = std::get_if<LadderCircuit>(&circuit);
    if (!ladder || !HasLosses(q)) return circuit;
    const double w = units::kTwoPi * f;
    LadderCircuit lossy;
    lossy.rn = ladder->rn;
    for (const LadderBranch& branch : ladder->branches)
        lossy.branches.push_back(NetworkBranch(branch.position, branch.place, LossyArm(ArmOf(branch), q, w)));
    return lossy;
}

}  // namespace vokta
