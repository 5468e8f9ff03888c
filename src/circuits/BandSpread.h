#pragma once

// The band-spread tuned circuit: coil L1 with the transistor's input capacitance C4 across it, and
// across both a branch of the fixed capacitor C1 in series with the variable capacitor C3, which has
// the fixed capacitor C2 across it. C1 and C2 are chosen so that C3, over its whole travel, tunes the
// circuit from exactly the minimum to exactly the maximum frequency of the wanted range.

#include <cstdint>

#include "common/NumberText.h"

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
};

// Computes C1 and C2 in whole picofarads. Capacitances are kept in farads as singles; pi is taken as
// 3.1415. C2 is made whole by writing it in the user's number format and reading the text back as
// the user would type it (`userFormat` decides the decimal separator), and C1 is then computed from
// the whole C2 and made whole the same way.
//
// Throws RuntimeError with a Russian sentence naming the cause when the data make the calculation
// impossible: a zero frequency or inductance, equal end frequencies, end frequencies or capacitor
// ends given the wrong way round, a capacitance beyond 32767 pF.
BandSpreadResult CalcBandSpread(const BandSpreadInput& input, const NumberFormat& userFormat);

}  // namespace vokta
