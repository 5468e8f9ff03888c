#pragma once

// Tolerances: how many circuits built from parts of a given tolerance meet the user's demand. Many circuits
// are drawn at random (every part uniformly within its tolerance around its value), each is judged exactly
// as the response window's verdict judges a circuit, and the spread of their attenuation is summed up as a
// band between two percentiles. The draw is seeded, so the same design always gives the same figures.

#include <string>
#include <vector>

#include "base/NumberText.h"
#include "filters/FilterCircuit.h"
#include "filters/ResponseDemand.h"

namespace vokta {

inline constexpr int kToleranceCircuits = 2000;

// Whether the circuit meets both demands, as AnalyseResponse's verdict says (both margins not negative),
// but without the curve and the worst figures: a circuit is rejected at its first point outside a limit.
// A circuit that has no response (AnalyseResponse throws) does not meet them.
bool MeetsDemand(const FilterCircuit& circuit, const ResponseDemand& demand);

struct ToleranceRun {
    double tolerance = 0;  // the parts' tolerance as a fraction: 0.05 for 5 %
    int circuits = 0;      // drawn
    int good = 0;          // that meet both demands
    // The band of attenuation (dB) at the frequencies f (Hz): the 5th and the 95th percentile over the
    // circuits that have a response.
    std::vector<double> f, low, high;
};

// Draws 'circuits' circuits from the given one with every part's value uniformly within ±tolerance of
// its own (the terminations of a ladder stay as they are) and judges them; the band is computed at
// 'points' frequencies from fmin to fmax, equally spaced on a logarithmic scale.
// A ladder's parts may each have a tolerance of their own (`partTolerances`, in the order of the parts
// list, e.g. a coil wound on a core strays within its A_L tolerance); empty, every part has `tolerance`.
ToleranceRun RunTolerance(const FilterCircuit& circuit, const ResponseDemand& demand, double tolerance,
                          double fmin, double fmax, int circuits = kToleranceCircuits, int points = 160,
                          const std::vector<double>& partTolerances = {});

// The share of good circuits in whole percent: never 0 or 100 unless none or every one is good.
int YieldPercent(const ToleranceRun& run);
// The share as the window shows it, in the user's number format: in whole percent from 1 % on
// ("Годных при допуске 5 %: 87 %"), in tenths below it ("0,1 %"), and "менее 0,1 %" below a tenth.
std::string YieldText(const ToleranceRun& run, const NumberFormat& format);

}  // namespace vokta
