#pragma once

// From the user's requirement to the order of the filter: the band centre of a band filter, the
// stop-band frequency of the normalised low-pass prototype, and the Butterworth and Chebyshev order
// estimates.

#include <cstdint>
#include <string>

#include "filters/FilterCircuit.h"

namespace vokta {

// The highest order the prototype tables and the passive ladders go to.
inline constexpr int16_t kMaxPrototypeOrder = 7;

// Centre of a band filter: the geometric mean of its two edges, and its ratio to the bandwidth.
struct BandCentre {
    float F0 = 0;  // Hz, sqrt(Fright * Fleft)
    float K = 0;   // F0 / (Fright - Fleft)
};
BandCentre CentreOfBand(float Fleft, float Fright);

// The frequency at which the stop-band attenuation is required, mapped onto the normalised low-pass
// prototype (whose pass band ends at 1): Fs / F1 for a low-pass, F1 / Fs for a high-pass,
// K (Fs/F0 - F0/Fs) for a band-pass and its reciprocal for a band-stop. `band` matters only to the
// band filters. Stored as single; a zero divisor throws DivisionByZero.
float PrototypeStopBand(FilterType type, float Fs, float F1, const BandCentre& band);

// The order needed for an attenuation of Astop dB at the prototype frequency Ws when the pass band
// may lose Amin dB. Numerator and denominator are whole decibels (rounded to nearest, ties to even);
// their quotient is truncated toward zero and one is added. The Chebyshev estimate of a passive
// filter is raised to the odd orders of the prototype table (below 3 gives 3, 4 and 5 give 5, 6 gives
// 7); an active filter keeps its estimate. Orders above kMaxPrototypeOrder are returned as they are.
//
// Requirements that leave the formula's domain (Amin <= 0; Ws below 1, where the stop-band frequency
// lies inside the pass band; a Ws so close to 1 that the denominator rounds to 0 dB) throw RuntimeError with
// a sentence that tells the user which input to change, worded for the filter type.
int16_t EstimateButterworthOrder(float Amin, float Astop, float Ws, FilterType type);
int16_t EstimateChebyshevOrder(float Amin, float Astop, float Ws, FilterType type, bool active);

// The last step of both estimates: numerator and denominator rounded to whole decibels (to nearest,
// ties to even), their quotient truncated toward zero, plus one. A denominator that rounds to 0 throws
// with the stop-band sentence below.
int16_t OrderFromDecibels(double numerator, double denominator, FilterType type);

// The sentences of those errors.
std::string AttenuationNotPositiveMessage(FilterType type);
std::string StopBandNotBeyondEdgeMessage(FilterType type);

}  // namespace vokta
