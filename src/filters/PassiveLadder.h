#pragma once

// Passive LC ladders, doubly terminated with Rn at both ends, from the normalised low-pass prototype:
// the low-pass ladder itself, its high-pass dual, and the band-pass and band-stop ladders in which every
// prototype element becomes a resonator tuned to the centre frequency. The ladders are those of
// FilterCircuit.h; capacitances come out in µF, inductances in µH, each rounded to single precision as
// it is stored.

#include <cstdint>
#include <vector>

#include "filters/FilterCircuit.h"
#include "filters/Prototypes.h"

namespace vokta {

struct PassiveLadder {
    int picture = 0;                     // the schematic's number
    std::vector<LadderBranch> branches;  // from the input to the output, with their values
};

// N = 2..7 (std::out_of_range otherwise); F1 in Hz, Rn in ohm. A zero F1, Rn or (high-pass) prototype
// value throws DivisionByZero; a value beyond single range throws Overflow.
PassiveLadder DesignLowPassLadder(int16_t N, float F1, int16_t Rn, const PrototypeValues& g);
PassiveLadder DesignHighPassLadder(int16_t N, float F1, int16_t Rn, const PrototypeValues& g);

// N = 2..4 (std::out_of_range otherwise); F0 the centre frequency in Hz, K = F0 / bandwidth. Every
// branch resonates at F0.
PassiveLadder DesignBandPassLadder(int16_t N, float F0, float K, int16_t Rn, const PrototypeValues& g);
PassiveLadder DesignBandStopLadder(int16_t N, float F0, float K, int16_t Rn, const PrototypeValues& g);

}  // namespace vokta
