#pragma once

// The S-parameters of a ladder as a Touchstone (version 1.1) file of a two-port, to take the filter to a
// circuit or network simulator; and a reader of such files.

#include <array>
#include <complex>
#include <optional>
#include <string>
#include <vector>

#include "filters/FilterCircuit.h"

namespace vokta {

inline constexpr int kTouchstonePoints = 401;

// The text of an .s2p file: comment lines ("!", in ASCII) naming the program and the filter, the option line
// "# Hz S RI R <rn>", then a line per frequency, 'points' of them from fmin to fmax (Hz) equally spaced on
// a logarithmic scale: the frequency and S11, S21, S12, S22 each as its real and imaginary part, numbers
// in the C format whatever the user's. Throws InvalidArgument when the span is not positive, and as
// LadderSParameters.
std::string TouchstoneText(const LadderCircuit& ladder, FilterType shape, double fmin, double fmax,
                           int points = kTouchstonePoints);

// A two-port's data as read: the reference resistance and, per frequency (Hz), S11, S21, S12, S22.
struct TouchstoneData {
    double reference = 50;
    std::vector<double> f;
    std::vector<std::array<std::complex<double>, 4>> s;
};

// Reads the text of a Touchstone 1.1 two-port of S-parameters: comments after "!", the option line
// (frequency in Hz, kHz, MHz or GHz; the pairs as RI, MA or DB (dB and degrees); "R" and the reference),
// then 9 numbers a frequency in any arrangement over the lines. Nothing when the text is not such a file.
std::optional<TouchstoneData> ReadTouchstone(const std::string& text);

}  // namespace vokta
