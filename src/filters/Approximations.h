#pragma once

// The low-pass prototypes of the elliptic (Cauer) and the Bessel (Thomson) responses, and their ladders
// between equal terminations, synthesised from the response itself: the attenuation's poles and zeros,
// the input impedance that gives it, and the ladder taken out of that impedance element by element.

#include <complex>
#include <optional>
#include <vector>

namespace vokta {

// ---- Elliptic ---------------------------------------------------------------------------------------------
//
// The attenuation of an elliptic low-pass of odd order n is 10·lg(1 + ε²·R_n(ξ, Ω)²), R_n the elliptic
// rational function of selectivity ξ > 1: |R_n| ≤ 1 in the pass band Ω ≤ 1, where it reaches 1 at the
// edge and in every ripple; |R_n| ≥ L_n for Ω ≥ ξ, where it reaches L_n at ξ and between its poles. Its
// zeros and poles come from the Jacobi elliptic functions of modulus k = 1/ξ.

// The order (not rounded) whose elliptic response with ripple amin dB and stop band from ξ on reaches
// astop dB there: K(k)·K'(k1) / (K'(k)·K(k1)) with k1² = (10^(amin/10) - 1) / (10^(astop/10) - 1).
double EllipticDegree(double amin, double astop, double xi);

// L_n of order n and selectivity ξ: the least |R_n| in the stop band (the reciprocal of the modulus k1
// that the degree equation gives).
double EllipticStopFactor(int n, double xi);

// The prototype ladder of odd order n between 1 Ω terminations in its minimum-inductor form: capacitors
// to ground at the odd positions from the input (0-based even indices), and in the line between them
// inductors, each with a capacitor across it (a trap) that resonates at one of the attenuation poles.
struct EllipticLadder {
    int n = 0;
    double epsilon = 0, xi = 0, stopFactor = 0;  // ε, ξ, L_n
    std::vector<double> reflectionZeros;         // the Ω > 0 where R_n = 0 (R_n(0) = 0 as well)
    std::vector<double> attenuationPoles;        // the Ω where R_n is infinite, in the traps' order
    std::vector<double> g;                       // by position: a capacitance (F) or an inductance (H)
    std::vector<double> trap;                    // by position: the capacitance across an inductor
};

// The ladder of order n (odd, 1..15) whose attenuation reaches amin dB at the pass-band edge Ω = 1 and in
// its ripples, with selectivity ξ. The attenuation poles are taken out of the input impedance one by one
// (each time a part of the shunt capacitor first, so that what remains has its zero at the pole: zero
// shifting), in the first order of the poles that gives every element a positive value and a ladder whose
// attenuation keeps to the response. Nothing where no order does (a low ripple with a sharp transition at
// a low order has no such ladder).
std::optional<EllipticLadder> EllipticLowPass(int n, double amin, double xi);

// ---- Bessel
// -------------------------------------------------------------------------------------------------
//
// H(s) = B_n(0) / B_n(s) with the reverse Bessel polynomial B_n, normalised for a group delay of 1 s at
// Ω = 0: B_1 = s + 1, B_2 = s² + 3s + 3, B_n = (2n - 1)·B_(n-1) + s²·B_(n-2).

// The attenuation in dB at Ω (rad/s) of order n (1 and up).
double BesselAttenuation(int n, double omega);

// The Ω at which the attenuation of order n reaches db (> 0).
double BesselEdge(int n, double db);

// The ladder of order n (1..15) between 1 Ω terminations, its capacitor to ground first: g1..gn (farads at
// the odd positions, henries at the even ones).
const std::vector<double>& BesselLadderValues(int n);

// The poles of order n (1..15), in the left half-plane.
std::vector<std::complex<double>> BesselPoles(int n);

}  // namespace vokta
