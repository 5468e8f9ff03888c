#pragma once

// From the user's requirement to the order of the filter: the band centre of a band filter, the
// stop-band frequency of the normalised low-pass prototype, and the Butterworth and Chebyshev order
// estimates.

#include <cstdint>
#include <optional>
#include <string>

#include "base/TypedField.h"
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

// A filter request as the user typed it, each field with its caption and text for the refusals.
struct FilterRequest {
    FilterType type = FilterType::LowPass;
    bool active = false;
    std::string activeCaption;  // the caption of the check box that makes the filter active
    TypedField amin, astop, f1, fright, fleft, fs, rn;
};

// The fields a request is refused at: the filter type, and the inputs that have rules of their own.
enum class FilterField { Type, Astop, F1, Fright, Fleft, Fs, Rn };

struct FilterFault {
    FilterField field;
    std::string message;  // a Russian sentence that names the field by its caption
};

// The load of a passive ladder as a 16-bit number of ohms: rn rounded to the nearest whole ohm (ties to
// even), nothing when that lies outside 1 to 32767.
std::optional<int16_t> LoadOhms(double rn);

// The first fault of a request, before anything is computed, in this order: an active band filter (the
// active filters are low-pass and high-pass only); a band edge that is not above zero, right edge first,
// then a left edge not below the right one; the low-pass or high-pass edge not above zero; a stop
// frequency not above zero; a passive filter's load outside LoadOhms; a stop-band attenuation not above a
// positive pass-band one (a pass-band attenuation not above zero is the order estimate's to explain). Only
// what the chosen filter uses is looked at: F1 or the band edges, the load of a passive filter only.
// Nothing when the request is sound.
std::optional<FilterFault> FindFilterFault(const FilterRequest& request);

// An estimated order below kMinLadderOrder, which a first-order filter would meet, is refused at the
// stop-band attenuation; nothing for any other order.
std::optional<FilterFault> FindOrderFault(int16_t order, const FilterRequest& request);

// The two rules the window checks while the user types, on the numbers as they stand (an empty box reads
// 0): a left band edge above the right one, and a high-pass stop frequency above the edge. The window
// clears the box just typed in. Nothing when the rule holds (or, for the second, the filter is no
// high-pass).
std::optional<std::string> FindEdgesTypingFault(double fright, double fleft);
std::optional<std::string> FindStopTypingFault(FilterType type, double fs, double f1);

}  // namespace vokta
