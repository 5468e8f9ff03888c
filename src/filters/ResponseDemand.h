#pragma once

// What the user asks of a filter: its shape, the attenuation allowed in the pass band and required in
// the stop band, and the frequencies where they hold. The designs meet it, the response judges a
// circuit against it, the netlist and the tolerance run sweep its bands.

#include "filters/FilterCircuit.h"

namespace vokta {

struct ResponseDemand {
    FilterType shape = FilterType::LowPass;
    double amin = 0;    // dB, the most attenuation allowed in the pass band
    double astop = 0;   // dB, the least attenuation required in the stop band
    double f1 = 0;      // Hz, the pass-band edge of a low-pass or high-pass filter
    double fleft = 0;   // Hz, lower band edge (band filters)
    double fright = 0;  // Hz, upper band edge (band filters)
    double fs = 0;      // Hz, where the stop-band attenuation is required
};

}  // namespace vokta
