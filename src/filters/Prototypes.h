#pragma once

// The normalised low-pass prototypes: element values g1..g7 of a doubly terminated ladder whose pass
// band ends at 1 rad/s, from the Butterworth table (orders 2 to 7) and the Chebyshev table (odd orders
// 3, 5, 7 at ripples of 0.5, 1, 2 and 3 dB).

#include <cstdint>

namespace vokta {

// The prototype values as the results window keeps them: the odd positions of the ladder (the
// capacitors of the low-pass) and the even ones (its inductors). They are kept from one design to the
// next; a row sets g1..gN and leaves the positions above N as they were.
struct PrototypeValues {
    float ProtoC1 = 0, ProtoC2 = 0, ProtoC3 = 0, ProtoC4 = 0;  // g1, g3, g5, g7
    float ProtoL1 = 0, ProtoL2 = 0, ProtoL3 = 0;               // g2, g4, g6

    // gk for the ladder position k = 1..7.
    float g(int position) const;
    void setG(int position, float value);
};

// Set g1..gN from the row of order N. Return false, setting nothing, when the table has no such row.
bool LoadButterworthPrototype(PrototypeValues& values, int16_t N);
// The row is the one whose ripple equals Amin as a single-precision value (so 1.0 matches 1).
bool LoadChebyshevPrototype(PrototypeValues& values, int16_t N, float Amin);

// The ripples, in dB, for which the Chebyshev table has rows.
inline constexpr float kChebyshevRipples[] = {0.5f, 1.0f, 2.0f, 3.0f};

// The edge frequency of a Butterworth high-pass designed for a 3 dB pass-band edge: the prototype's
// response is 3 dB down at exactly 1, so F1 is moved by (sqrt(10^(Amin/10) - 1))^(1/(2N)) to put the
// -3 dB point where the ladder's formula expects it. Any Amin other than exactly 3 leaves F1 as it is.
float HighPassButterworthEdge(float F1, float Amin, int16_t N);

}  // namespace vokta
