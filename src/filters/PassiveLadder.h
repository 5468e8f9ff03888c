#pragma once

// Passive LC ladders, doubly terminated with Rn at both ends, from the normalised low-pass prototype:
// the low-pass ladder itself, its high-pass dual, and the band-pass and band-stop ladders in which every
// prototype element becomes a resonator tuned to the centre frequency. Capacitances come out in µF,
// inductances in µH, each rounded to single precision as it is stored.

#include <cstdint>
#include <vector>

#include "filters/Prototypes.h"

namespace vokta {

// Orders the ladders are designed for.
inline constexpr int16_t kMinLadderOrder = 2;
inline constexpr int16_t kMaxLadderOrder = 7;      // low-pass and high-pass
inline constexpr int16_t kMaxBandLadderOrder = 4;  // band-pass and band-stop (prototype order)

enum class ElementKind { Inductor, Capacitor };

// One element of a low-pass or high-pass ladder. Inductors and capacitors are numbered separately from
// the input: L1, L2, ... and C1, C2, ...
struct LadderElement {
    ElementKind kind;
    int number;    // the designator's number
    int position;  // 1..N from the input; element p takes the prototype value gp
    bool shunt;    // to ground; otherwise in the line
    float value;   // µH or µF
};

struct PassiveLadder {
    int picture = 0;  // the schematic's number
    std::vector<LadderElement> elements;  // from the input to the output
};

// N = 2..7 (std::out_of_range otherwise); F1 in Hz, Rn in ohm. The element nearest the output is a
// shunt element, so an odd N begins with a shunt element at the input. A zero F1, Rn or (high-pass)
// prototype value throws DivisionByZero; a value beyond single range throws Overflow.
PassiveLadder DesignLowPassLadder(int16_t N, float F1, int16_t Rn, const PrototypeValues& g);
PassiveLadder DesignHighPassLadder(int16_t N, float F1, int16_t Rn, const PrototypeValues& g);

// One branch of a band ladder: the inductor Lp and the capacitor Cp of position p, resonant at F0.
struct BandBranch {
    int position;   // 1..N from the input; the branch takes gp
    bool shunt;     // to ground; otherwise in the line
    bool parallel;  // L and C in parallel; otherwise in series
    float L;        // µH
    float C;        // µF
};

struct BandLadder {
    int picture = 0;
    std::vector<BandBranch> branches;  // from the input to the output
};

// N = 2..4 (std::out_of_range otherwise); F0 the centre frequency in Hz, K = F0 / bandwidth. A band-pass
// ladder has series resonators in the line and parallel ones to ground; a band-stop ladder the reverse.
BandLadder DesignBandPassLadder(int16_t N, float F0, float K, int16_t Rn, const PrototypeValues& g);
BandLadder DesignBandStopLadder(int16_t N, float F0, float K, int16_t Rn, const PrototypeValues& g);

}  // namespace vokta
