#pragma once

// What a filter does at its ports besides its attenuation: the scattering parameters of a ladder between
// its terminations, the match at its input (return loss and VSWR), and the group delay of a ladder or an
// active filter, from the derivative of the phase worked out analytically.

#include <complex>
#include <optional>
#include <vector>

#include "filters/FilterCircuit.h"

namespace vokta {

// S-parameters referred to the ladder's termination rn at both ports.
struct SParameters {
    std::complex<double> s11, s21, s12, s22;
};

// The S-parameters of a ladder at f (Hz): with Δ = A + B/rn + C·rn + D of its chain matrix,
// S11 = (A + B/rn - C·rn - D)/Δ, S21 = S12 = 2/Δ (a ladder is reciprocal), S22 = (-A + B/rn - C·rn + D)/Δ.
// Throws as AnalyseResponse for a value that is not positive.
SParameters LadderSParameters(const LadderCircuit& ladder, double f);

// Figures are capped here: a lossless ladder matches perfectly at its reflection zeros (infinite return
// loss) and reflects nearly all at its attenuation poles (infinite VSWR).
inline constexpr double kReturnLossCeilingDb = 300;
inline constexpr double kVswrCeiling = 1e6;

// The match at a ladder's input, driven from and loaded by rn: return loss -20·lg|S11| (dB) and
// VSWR (1 + |S11|)/(1 - |S11|).
struct InputMatch {
    double returnLoss = 0;
    double vswr = 1;
};
// Nothing for an active filter: it is driven from an ideal voltage source, which nothing reflects into,
// and its input is a high impedance that no line is matched to.
std::optional<InputMatch> InputMatchOf(const FilterCircuit& circuit, double f);

// The group delay -dφ/dω (s) at f (Hz) of the transfer's phase φ: for a ladder of S21 = 2/Δ, Im(Δ'/Δ) with
// Δ' the derivative of the chain matrix's Δ with respect to ω, element by element; for an active filter
// ActiveGroupDelay. Throws as AnalyseResponse for a circuit that has no response.
double GroupDelay(const FilterCircuit& circuit, double f);

// The match and the group delay over a sweep of 'points' frequencies from fmin to fmax, equally spaced on
// a logarithmic scale: returnLoss and vswr empty for an active filter. Throws as GroupDelay.
struct PortCurves {
    std::vector<double> f, returnLoss, vswr, groupDelay;  // Hz, dB, -, s
};
PortCurves PortSweep(const FilterCircuit& circuit, double fmin, double fmax, int points = 601);

}  // namespace vokta
