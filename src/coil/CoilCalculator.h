#pragma once

// The coil calculator: what the user asks for (an inductance, the frequency it works at, a toroidal core
// of the catalogue or a former for an air-core coil), which inputs it refuses, and what it answers — the
// rows of the results table, in the user's number format, and the warnings.

#include <optional>
#include <string>
#include <vector>

#include "base/NumberText.h"
#include "components/CoilWinding.h"

namespace vokta {

struct CoilTask {
    double inductanceUH = 0;
    double frequencyMHz = 0;
    std::string coreName;         // a core of the catalogue ("T-50-2"); empty: an air-core coil on a former
    double formerDiameterMm = 0;  // air core only
    double wireMm = 0.5;          // air core only: the nominal diameter of the wire, a size of the table
    bool AirCore() const { return coreName.empty(); }
};

// The inputs in the order of the window's fields, to say which one is refused.
enum class CoilInput { Inductance, Frequency, Core, FormerDiameter, Wire };

struct CoilFault {
    CoilInput input;
    std::string message;  // a Russian sentence that names the input
};

// The inductances and formers the calculator takes.
inline constexpr double kMinCoilInductanceUH = 1e-3;
inline constexpr double kMaxCoilInductanceUH = 1e6;
inline constexpr double kMaxFormerDiameterMm = 1000;

// The first input, in the order of the window, that lies outside its domain: an inductance not above
// zero, below kMinCoilInductanceUH or above kMaxCoilInductanceUH, a frequency not above zero, a core not
// in the catalogue; for an air core a former not above zero or above kMaxFormerDiameterMm, a wire not in
// the table. Nothing when every input is within its domain.
std::optional<CoilFault> FindCoilFault(const CoilTask& task);

struct CoilRow {
    std::string quantity, value, unit;
};

struct CoilAnswer {
    std::optional<CoilWinding> winding;  // none: no coil can be wound (the warning says why)
    std::vector<CoilRow> rows;           // empty without a winding
    std::vector<std::string> warnings;
};

// A value as the calculator shows it: four significant digits in the user's number format ("0,9604",
// "12,7", "1254").
std::string CoilValueText(double x, const NumberFormat& format);

// Winds the coil and tells about it. The task must have passed FindCoilFault.
CoilAnswer CalcCoil(const CoilTask& task, const NumberFormat& format);

}  // namespace vokta
