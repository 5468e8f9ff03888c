#pragma once

// The parts a designed filter is built from: one entry per component with the designator the circuit's
// picture gives it, and the standard values (IEC 60063 series) that a shop sells instead of the computed
// ones.

#include <string>
#include <utility>
#include <vector>

#include "base/Elements.h"
#include "base/NumberText.h"
#include "filters/FilterCircuit.h"

namespace vokta {

// ---- Standard series --------------------------------------------------------------------------------------

enum class ESeries { None, E6, E12, E24, E48, E96 };

// The values of one decade of a series, from 1 up to (not including) 10, as published: E6 1.0, 1.5, ...
// 6.8; E96 1.00, 1.02, ... 9.76. None has no values.
const std::vector<double>& SeriesValues(ESeries series);

// "E6" ... "E96"; "—" for None.
const char* SeriesName(ESeries series);

// The value of the series nearest to a positive value on a logarithmic scale, in any decade: 4.6 kΩ is
// 4.7 kΩ in E24. A value exactly at the geometric mean of two neighbours goes to the larger one. None,
// and a value that is not a positive finite number, give the value itself.
double NearestStandard(double value, ESeries series);

// ---- Parts of a circuit -----------------------------------------------------------------------------------

struct FilterPart {
    std::string designator;  // "C1", "L2", "R5", "DA1"
    ElementKind kind = ElementKind::Resistor;
    double value = 0;  // SI: ohm, farad, henry; an amplifier's is 0
};

// The components of a circuit in the order the signal meets them. A ladder's inductors and capacitors
// are numbered per kind from the input (a band filter's branch p has Lp and Cp); the terminations are
// not parts. An active filter's designators are those of its picture (ActiveFilterDesignators), except
// that where the picture gives DA2's section the names of DA1's parts in the line (R1, R2 of a low-pass,
// C1, C2 of a high-pass), DA2's take the next free numbers. A circuit of another shape is numbered per
// kind in order, a follower as an amplifier DA.
std::vector<FilterPart> CircuitParts(const FilterCircuit& circuit);

// The same circuit with every part's value replaced by the nearest value of the series (the terminations
// stay as they are). None gives the circuit unchanged.
FilterCircuit StandardCircuit(const FilterCircuit& circuit, ESeries series);

// The same circuit with its parts' values (SI, in the order of CircuitParts; an amplifier's is not read).
FilterCircuit WithPartValues(const FilterCircuit& circuit, const std::vector<double>& values);

// The values of the series next to a positive value: the largest not above it and the smallest not below
// it (both the value itself when it is on the series). None, and a value that is not positive, give the
// value twice.
std::pair<double, double> StandardNeighbours(double value, ESeries series);

// A part's value in engineering units, to at most four significant digits, in the user's number format:
// "26.67 нФ", "4.7 кОм", "150 мкГн", "1.2 МОм" (or "26,67 нФ"). An amplifier reads "ОУ".
std::string PartValueText(ElementKind kind, double value, const NumberFormat& format);

}  // namespace vokta
