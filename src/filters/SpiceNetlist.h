#pragma once

// A filter circuit as a SPICE netlist, to take it to a circuit simulator.

#include <string>

#include "filters/FilterCircuit.h"
#include "filters/FilterParts.h"
#include "filters/ResponseDemand.h"

namespace vokta {

// The netlist of the circuit: comments naming the filter, the demand and the values used (the series,
// or computed values), the source "V1 in 0 AC 1" (a ladder's source resistance Rsource after it, a load
// Rload of the same resistance at the output), every part under its designator with its value in SI
// units, each amplifier as a voltage-controlled voltage source of gain 1e6 named E and its designator
// (EDA1), the output node "out", an AC analysis from fmin to fmax in Hz (100 points a decade, no fewer
// than 100 in all), a print
// of the output in dB, and ".end". Throws InvalidArgument when the span is not positive.
std::string SpiceNetlist(const FilterCircuit& circuit, const ResponseDemand& demand, ESeries series,
                         double fmin, double fmax);

}  // namespace vokta
