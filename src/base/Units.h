#pragma once

// Unit conversions of the calculations, each named after its direction: a value in the first unit
// times the factor is the value in the second (`c_uF * kMicroToBase` is in farads).

#include <numbers>

namespace vokta::units {

inline constexpr double kMicroToBase = 1e-6;  // µF to F, µH to H
inline constexpr double kBaseToMicro = 1e6;   // F to µF, H to µH
inline constexpr double kPicoToBase = 1e-12;  // pF to F
inline constexpr double kBaseToPico = 1e12;   // F to pF
inline constexpr double kKiloToBase = 1e3;    // kΩ to Ω, kHz to Hz
inline constexpr double kMegaToBase = 1e6;    // MHz to Hz

// 2π, for the frequency a built circuit really has.
inline constexpr double kTwoPi = 2 * std::numbers::pi;
// 2π as the design formulas take it: their results are kept as the program has always given them.
inline constexpr double kDesignTwoPi = 6.28;

}  // namespace vokta::units
