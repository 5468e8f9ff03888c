#pragma once

// Enamelled round copper winding wire as it is sold: the nominal conductor diameters of IEC 60317-0-1
// (the R20 series of preferred sizes, 0.100 to 3.150 mm) with the greatest overall diameter the standard
// allows over grade 2 enamel, the grade a coil or transformer is usually wound with. The overall diameter
// is what a winding's turns take up side by side; the conductor is what carries the current.

#include <optional>
#include <span>

namespace vokta {

struct EnamelledWire {
    double nominalMm = 0;  // conductor diameter
    double overallMm = 0;  // greatest overall diameter over grade 2 enamel
};

// Every size of the table, thinnest first.
std::span<const EnamelledWire> EnamelledWires();

// The thinnest wire whose conductor is not below `diameterMm` (a computed diameter rounded up to what a
// shop sells); nothing when it is thicker than the thickest size or not a positive number.
std::optional<EnamelledWire> WireNotBelow(double diameterMm);

// The wire of that nominal diameter (within 0.5 µm); nothing for a diameter that is not in the table.
std::optional<EnamelledWire> WireOfNominal(double diameterMm);

// Copper's resistivity at 20 °C, Ω·mm²/m (annealed copper, IEC 60028: 1/58 Ω·mm²/m), and the temperature
// coefficient of that resistance per kelvin at 20 °C.
inline constexpr double kCopperResistivity20 = 1.0 / 58.0;
inline constexpr double kCopperTemperatureCoefficient = 0.00393;

// Resistance in Ω of `lengthM` metres of a conductor of `diameterMm` at `celsius`.
double CopperResistance(double diameterMm, double lengthM, double celsius = 20);

}  // namespace vokta
