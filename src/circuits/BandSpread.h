#pragma once

// The band-spread tuned circuit: coil L1 with the transistor's input capacitance C4 across it, and
// across both a branch of the fixed capacitor C1 in series with the variable capacitor C3, which has
// the fixed capacitor C2 across it. C1 and C2 are chosen so that C3, over its whole travel, tunes the
// circuit from exactly the minimum to exactly the maximum frequency of the wanted range.

#include <cstdint>

namespace vokta {

// The source data as the user types them.
struct BandSpreadInput {
    double fmaxMHz = 0;       // top of the range
    double fminMHz = 0;       // bottom of the range
    double inductanceUH = 0;  // L1
    double c3maxPF = 0;       // variable capacitor at its maximum (tunes the bottom of the range)
    double c3minPF = 0;       // variable capacitor at its minimum (tunes the top of the range)
    double c4PF = 0;          // input capacitance of the transistor
};

struct BandSpreadResult {
    // False when the coil, C3 and C4 cannot cover the range: C1 or C2 would have to be negative.
    bool feasible = false;
    int16_t c1PF = 0;
    int16_t c2PF = 0;
    // The band that the whole C1 and C2 really tune, C3 at its maximum giving the bottom, in MHz.
    double coveredMinMHz = 0;
    double coveredMaxMHz = 0;
    // Whether that band falls short of an edge of the wanted range by more than kBandSpreadTolerance.
    bool missesRange = false;
};

// How far (relative) the whole capacitors may fall short of an edge of the range before it is said.
inline constexpr double kBandSpreadTolerance = 0.005;

// Computes C1 and C2 in whole picofarads. Capacitances are kept in farads as singles; pi is taken as
// 3.1415. C2 is rounded to the nearest picofarad, C1 is then fitted to the top of the range with the
// whole C2 and rounded the same way; the band the two whole values tune is worked out after that, so
// that a circuit which misses the range after rounding is not taken for one that covers it.
//
// Throws RuntimeError with a Russian sentence naming the cause when the data make the calculation
// impossible: a zero frequency or inductance, equal end frequencies, end frequencies or capacitor
// ends given the wrong way round, a capacitance beyond 32767 pF.
BandSpreadResult CalcBandSpread(const BandSpreadInput& input);

}  // namespace vokta
