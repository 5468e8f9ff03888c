#pragma once

// The losses of real parts in a passive ladder: a coil's quality factor as a resistor in series with its
// inductance, a capacitor's as a resistor across it, each resistor of the value that gives the part that Q
// at one frequency (the pass-band edge of a low-pass or high-pass filter, the centre of a band filter).
// The lossy circuit is the one the response, the tolerance run and the netlist then work on; the parts
// list keeps the ideal one, whose inductors and capacitors the lossy one names alike (its resistors come
// after them as R1, R2, ...).

#include <limits>
#include <optional>
#include <string_view>

#include "base/NumberText.h"
#include "filters/FilterCircuit.h"
#include "filters/ResponseDemand.h"

namespace vokta {

struct PartQuality {
    // Q of every inductor and of every capacitor; infinite (or 0): lossless.
    double coils = std::numeric_limits<double>::infinity();
    double capacitors = std::numeric_limits<double>::infinity();
};
bool HasLosses(const PartQuality& q);

// A quality factor as typed: "∞" (or nothing) for a lossless part, else a positive number in the user's
// format; nothing for any other text.
std::optional<double> ReadQuality(std::string_view text, const NumberFormat& format);

// Where the quality factors hold: the pass-band edge f1 of a low-pass or high-pass demand, the geometric
// centre of a band demand's edges.
double QualityFrequency(const ResponseDemand& demand);

// The ladder with a resistor ωL/Q in series with every inductor and Q/(ωC) across every capacitor, ω at
// frequency f (Hz); the same ladder when there are no losses. An active circuit has no coils and is
// returned unchanged: its capacitors' losses are far below its resistors'.
FilterCircuit WithLosses(const FilterCircuit& circuit, const PartQuality& q, double f);

}  // namespace vokta
