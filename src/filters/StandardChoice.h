#pragma once

// Standard values chosen for the filter rather than part by part: every part takes one of the two values
// of the series next to its own, so that the circuit's worst margin (the smaller of the pass band's and the
// stop band's, as the response verdict judges them) is as large as a search can make it. The search starts
// from the nearest values and flips one part, or a resonator's coil and capacitor together, to its other
// neighbour while that raises the worst margin; it never ends below the nearest values' margin.

#include <functional>

#include "filters/FilterCircuit.h"
#include "filters/FilterParts.h"
#include "filters/ResponseDemand.h"

namespace vokta {

// How a circuit of standard values is judged: as it is, or as built (a ladder with its parts' losses).
using BuiltCircuit = std::function<FilterCircuit(const FilterCircuit&)>;

// The circuit with the chosen values (in the same form as StandardCircuit gives). None gives the circuit
// unchanged; a circuit whose nearest values have no response gives the nearest values.
FilterCircuit TunedStandardCircuit(const FilterCircuit& circuit, ESeries series, const ResponseDemand& demand,
                                   const BuiltCircuit& built = {});

}  // namespace vokta
