#pragma once

// Capacitors as they are sold: the E6 series of IEC 60063 that aluminium electrolytic capacitors are made
// in, and the rated voltages of their makers' catalogues.

#include <optional>
#include <span>

namespace vokta {

// One decade of the E6 series, IEC 60063: 1.0, 1.5, 2.2, 3.3, 4.7, 6.8.
std::span<const double> E6Decade();

// The E6 values numbered along the whole scale: step 0 is 1.0, step 6 is 10, step -1 is 0.68.
double E6Value(int step);
// The step of the smallest E6 value not below a positive value (in any decade): 1.1 is step 1 (1.5).
int E6StepNotBelow(double value);

// The rated DC voltages aluminium electrolytic capacitors are commonly made for, V, lowest first:
// 6.3, 10, 16, 25, 35, 50, 63, 100, 160, 200, 250, 350, 400, 450.
std::span<const double> ElectrolyticRatedVoltages();
// The lowest of those not below `peakV`; nothing above 450 V.
std::optional<double> ElectrolyticRatingNotBelow(double peakV);

}  // namespace vokta
