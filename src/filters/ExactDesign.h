#pragma once

// The exact design of a filter: the least order whose response meets the user's demand, with values
// computed from the closed-form prototypes in double precision rather than read from tables, and the
// true 2π. A Butterworth response has its pass-band edge at exactly the allowed attenuation, a Chebyshev
// response a ripple equal to it, an elliptic one a ripple equal to it with its stop band from the
// demand's stop-band frequency on, a Bessel one its pass-band edge where its attenuation reaches it; band
// filters come from the low-pass prototype by the exact low-pass-to-band transformation of every element.

#include "filters/FilterCircuit.h"
#include "filters/ResponseDemand.h"

namespace vokta {

// The highest order the exact design builds: beyond it a filter is no longer a sensible home build.
inline constexpr int kMaxExactOrder = 15;        // passive ladders (prototype order for band filters)
inline constexpr int kMaxActiveExactOrder = 10;  // active filters
int MaxExactOrder(bool active);

// The normalised stop-band frequency of a demand: how far the stop-band edge lies beyond the pass-band
// edge on the low-pass prototype's scale (for band filters after the low-pass-to-band transformation,
// which gives a band-pass demand below the band the figure of its mirror image f0² / fs above it).
// Infinite for a band-stop demand at the centre of the band, on the notch that every order has.
// Throws RuntimeError with a sentence for the user when the demand cannot be met by any order: limits
// that are not positive, a stop-band attenuation not above the pass-band one, a stop-band frequency that
// lies in the pass band or on its edge.
double ExactStopRatio(const ResponseDemand& demand);

// The least order of that family whose ideal response meets the demand (the prototype order for band
// filters), before a passive Chebyshev or elliptic ladder's even order is raised to an odd one; for Bessel
// the least whose shape, its edge at the allowed attenuation, keeps the stop band's (31 when none up to
// 30 does).
int ExactOrder(const ResponseDemand& demand, FilterFamily family);
int ExactOrder(const ResponseDemand& demand, FilterResponse response);

// The exact design of order n (odd for a Chebyshev or elliptic ladder): its pass-band edge placed a small
// guard below the allowed attenuation, or, where the stop band then falls short, in the middle of what
// keeps both demands; where the circuit then misses the demand by the rounding of its values alone, its
// values are rounded the other way one by one until it meets it. An order too low for the demand still
// gives a circuit, which misses it. Throws as ExactDesign, and for an elliptic order that has no ladder of
// positive values for the demand.
FilterCircuit ExactDesignOfOrder(const ResponseDemand& demand, FilterFamily family,
                                 const FilterCircuit& shown, int n);
FilterCircuit ExactDesignOfOrder(const ResponseDemand& demand, FilterResponse response,
                                 const FilterCircuit& shown, int n);

// A circuit of the same kind as 'shown' (a passive ladder with its load, or an active RC filter) and of
// that family that meets the demand exactly: the design of the least order whose circuit, with its values
// as stored, meets both demands as the response verdict judges them. A Butterworth, Chebyshev or Bessel
// ladder has the layout of the results window's ladders (LadderLayout) with single-precision values. An
// elliptic ladder is built of Network branches in double precision, in its minimum-inductor form: a
// low-pass has capacitors to ground and traps (an inductor with a capacitor across it) in the line, a
// high-pass capacitors in the line and series resonators to ground, a band-pass or band-stop the
// transformed elements of the low-pass (a trap in the line becomes the parallel combination of two
// resonators; see EllipticLowPass for the orders it has no ladder of). An active filter is a cascade of
// equal-component Sallen-Key sections at the exact pole frequencies and quality factors, an odd order's
// real pole a first-order group at the input followed by a unity-gain follower; it keeps the resistance
// (low-pass) or capacitance (high-pass) of the shown circuit, 10 kΩ otherwise. Throws RuntimeError with a
// sentence for the user when the demand cannot be met, the order needed exceeds MaxExactOrder (15 for a
// ladder, 10 for an active filter), or the active filter is a band filter or elliptic.
FilterCircuit ExactDesign(const ResponseDemand& demand, FilterFamily family, const FilterCircuit& shown);
FilterCircuit ExactDesign(const ResponseDemand& demand, FilterResponse response, const FilterCircuit& shown);

}  // namespace vokta
