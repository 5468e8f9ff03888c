#pragma once

// The three-point linearised tuned circuit: the variable capacitor C with the fixed capacitor C1
// across it, that pair in series with the fixed capacitor C2, and C3 across the coil L. C1, C2 and C3
// are chosen so that the frequency scale is exact at both ends and in the middle of C's travel: C at
// its maximum gives the bottom of the range, at its minimum the top, and in its middle position the
// arithmetic mean of the two.

namespace vokta {

// The source data as the user types them: MHz, µH and pF, used as they are.
struct ThreePointInput {
    double fmaxMHz = 0;
    double fminMHz = 0;
    double inductanceUH = 0;
    double cmaxPF = 0;  // variable capacitor at its maximum
    double cminPF = 0;  // variable capacitor at its minimum
    double cmidPF = 0;  // variable capacitor in its middle position
};

struct ThreePointResult {
    // False when any capacitor, rounded down to whole picofarads, comes out zero or negative.
    bool feasible = false;
    float c1PF = 0;  // whole picofarads, rounded down
    float c2PF = 0;
    float c3PF = 0;
};

// Computes C1, C2 and C3; every value of the calculation is a single. Throws RuntimeError with a
// Russian sentence naming the cause when the data make the calculation impossible: a zero frequency
// or inductance, equal end frequencies, equal capacitor ends, a middle capacitance that leaves the
// equations without a solution, end frequencies or capacitor ends given the wrong way round.
ThreePointResult CalcThreePoint(const ThreePointInput& input);

}  // namespace vokta
