#include "filters/FilterCoils.h"

#include "filters/FilterParts.h"

namespace vokta {

namespace {

// The air-core formers offered: common coil-former and drill-shank diameters, close-wound with 0.5 mm wire.
constexpr double kFormersMm[] = {6, 10, 16};
constexpr double kAirWireMm = 0.5;
constexpr double kLongestCoil = 10;  // former diameters

std::string Millimetres(double mm, const NumberFormat& format) {
    return FormatLocale("%.3g", mm, format) + " мм";
}

}  // namespace

std::vector<CoilForm> FilterCoilForms() {
    std::vector<CoilForm> forms{CoilForm{}};
    for (const CoreMix& mix : CoreMixes())
        forms.push_back({CoilForm::Kind::Toroid, std::string(mix.name), 0, 0});
    for (double former : kFormersMm) forms.push_back({CoilForm::Kind::AirCore, {}, former, kAirWireMm});
    return forms;
}

std::string CoilFormName(const CoilForm& form, const NumberFormat& format) {
    switch (form.kind) {
        case CoilForm::Kind::None:
            return "—";
        case CoilForm::Kind::Toroid: {
            const std::vector<ToroidCore> family = CoreFamily(form.mix);
            const bool ferrite = !family.empty() && family.front().mix->material == CoreMaterial::Ferrite;
            return (ferrite ? "FT-xx-" : "T-xx-") + form.mix;
        }
        case CoilForm::Kind::AirCore:
            return "Каркас " + Millimetres(form.formerMm, format);  // the wire is in each coil's winding
    }
    return {};
}

std::vector<WoundCoil> WindFilterCoils(const FilterCircuit& circuit, const CoilForm& form) {
    std::vector<WoundCoil> coils;
    if (form.kind == CoilForm::Kind::None || !std::holds_alternative<LadderCircuit>(circuit)) return coils;
    const std::vector<ToroidCore> family =
        form.kind == CoilForm::Kind::Toroid ? CoreFamily(form.mix) : std::vector<ToroidCore>{};
    const std::optional<EnamelledWire> wire = WireOfNominal(form.wireMm);
    for (const FilterPart& part : CircuitParts(circuit)) {
        if (part.kind != ElementKind::Inductor) continue;
        WoundCoil coil{part.designator, part.value, std::nullopt, std::nullopt};
        if (form.kind == CoilForm::Kind::Toroid)
            coil.toroid = WindOnSmallestCore(family, part.value);
        else if (wire)
            coil.air = WindAirCore(form.formerMm, *wire, part.value);
        // A single layer many times longer than its former is no coil to build.
        if (coil.air && coil.air->coilLengthMm > kLongestCoil * form.formerMm) coil.air.reset();
        coils.push_back(std::move(coil));
    }
    return coils;
}

FilterCircuit WithWoundCoils(const FilterCircuit& circuit, const std::vector<WoundCoil>& coils) {
    if (coils.empty()) return circuit;
    std::vector<double> values;
    size_t next = 0;
    for (const FilterPart& part : CircuitParts(circuit)) {
        double value = part.value;
        if (part.kind == ElementKind::Inductor && next < coils.size()) {
            if (const CoilWinding* w = coils[next].Winding()) value = w->inductanceH;
            ++next;
        }
        values.push_back(value);
    }
    return WithPartValues(circuit, values);
}

std::string WindingText(const WoundCoil& coil, const NumberFormat& format) {
    const CoilWinding* w = coil.Winding();
    if (!w) return "не помещается";
    const std::string wire =
        w->wire ? "провод " + FormatLocale("%.3g", w->wire->nominalMm, format) + " мм" : "";
    // Two lines, so that the parts list stays narrow: the core or the turns first, the wire under them.
    if (coil.toroid) return coil.toroid->core.Name() + ": " + std::to_string(w->turns) + " вит.\n" + wire;
    return std::to_string(w->turns) + " вит., длина " + Millimetres(w->coilLengthMm, format) + "\n" + wire;
}

std::vector<double> PartTolerances(const FilterCircuit& circuit, const std::vector<WoundCoil>& coils,
                                   double others) {
    std::vector<double> tolerances;
    for (const FilterPart& part : CircuitParts(circuit)) {
        double t = others;
        for (const WoundCoil& coil : coils)
            if (coil.designator == part.designator && coil.toroid) t = coil.toroid->winding.tolerance;
        tolerances.push_back(t);
    }
    return tolerances;
}

}  // namespace vokta
