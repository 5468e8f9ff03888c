#pragma once

// The coils of a filter wound for real: each inductor of a ladder on the smallest toroid of a chosen family
// on which its winding fits in one layer, or close-wound on an air-core former, with the whole number of
// turns whose inductance is nearest. The circuit as built then has those inductances in place of the
// computed ones, and each coil strays within its core's A_L tolerance.

#include <optional>
#include <string>
#include <vector>

#include "base/NumberText.h"
#include "components/CoilWinding.h"
#include "filters/FilterCircuit.h"

namespace vokta {

// How the coils are wound: not at all (the computed inductances), on a family of toroids of one mix, or on
// an air-core former of a diameter with a wire.
struct CoilForm {
    enum class Kind { None, Toroid, AirCore };
    Kind kind = Kind::None;
    std::string mix;      // toroid: the material ("2", "43")
    double formerMm = 0;  // air core: the former's diameter
    double wireMm = 0;    // air core: the wire's nominal diameter
};

// The forms a filter's coils can take, as offered: none, each mix of the catalogue, air-core formers.
std::vector<CoilForm> FilterCoilForms();
// "—", "T-xx-6", "FT-xx-43", "Каркас 10 мм" (numbers in the user's format).
std::string CoilFormName(const CoilForm& form, const NumberFormat& format);

// One inductor of the circuit wound: its designator and computed inductance, and the coil, or nothing
// where no core of the family (or no winding on the former) takes it.
struct WoundCoil {
    std::string designator;
    double designH = 0;
    std::optional<ToroidCoil> toroid;
    std::optional<CoilWinding> air;
    const CoilWinding* Winding() const { return toroid ? &toroid->winding : air ? &*air : nullptr; }
};

// Every inductor of the circuit, in the order of the parts list, wound in that form; none for Kind::None
// or an active circuit.
std::vector<WoundCoil> WindFilterCoils(const FilterCircuit& circuit, const CoilForm& form);

// The circuit with each wound inductor's inductance that of its whole turns (in the order of the parts
// list; a coil that was not wound keeps its value).
FilterCircuit WithWoundCoils(const FilterCircuit& circuit, const std::vector<WoundCoil>& coils);

// What the parts list says of a coil, on two lines: "T-50-6: 23 вит.\nпровод 0,45 мм", "14 вит., длина
// 7,6 мм\nпровод 0,5 мм", "не помещается".
std::string WindingText(const WoundCoil& coil, const NumberFormat& format);

// The tolerance of each part of a circuit, in the order of its parts list: a wound coil's its core's A_L
// tolerance (the designator tells which), every other part's (and an air-core coil's) `others`.
std::vector<double> PartTolerances(const FilterCircuit& circuit, const std::vector<WoundCoil>& coils,
                                   double others);

}  // namespace vokta
