#include "components/EnamelledWire.h"

#include <cmath>
#include <numbers>

namespace vokta {

namespace {

// IEC 60317-0-1, Table 1 (enamelled round copper wire, general requirements): nominal conductor diameter
// and maximum overall diameter, grade 2, for the R20 sizes from 0.100 to 3.150 mm.
constexpr EnamelledWire kWires[] = {
    {0.100, 0.125}, {0.112, 0.139}, {0.125, 0.154}, {0.140, 0.171}, {0.160, 0.194}, {0.180, 0.217},
    {0.200, 0.239}, {0.224, 0.266}, {0.250, 0.297}, {0.280, 0.329}, {0.315, 0.367}, {0.355, 0.411},
    {0.400, 0.459}, {0.450, 0.513}, {0.500, 0.566}, {0.560, 0.630}, {0.630, 0.704}, {0.710, 0.789},
    {0.800, 0.884}, {0.900, 0.989}, {1.000, 1.094}, {1.120, 1.217}, {1.250, 1.349}, {1.400, 1.502},
    {1.600, 1.706}, {1.800, 1.909}, {2.000, 2.112}, {2.240, 2.355}, {2.500, 2.618}, {2.800, 2.922},
    {3.150, 3.276},
};

// A computed diameter within this of a nominal one counts as that size (the table's last digit is a µm).
constexpr double kSameSizeMm = 0.0005;

}  // namespace

std::span<const EnamelledWire> EnamelledWires() {
    return kWires;
}

std::optional<EnamelledWire> WireNotBelow(double diameterMm) {
    if (!(diameterMm > 0)) return std::nullopt;
    for (const EnamelledWire& w : kWires)
        if (w.nominalMm >= diameterMm * (1 - 1e-12)) return w;
    return std::nullopt;
}

std::optional<EnamelledWire> WireOfNominal(double diameterMm) {
    for (const EnamelledWire& w : kWires)
        if (std::fabs(w.nominalMm - diameterMm) <= kSameSizeMm) return w;
    return std::nullopt;
}

double CopperResistance(double diameterMm, double lengthM, double celsius) {
    const double areaMm2 = std::numbers::pi / 4 * diameterMm * diameterMm;
    return kCopperResistivity20 * lengthM / areaMm2 * (1 + kCopperTemperatureCoefficient * (celsius - 20));
}

}  // namespace vokta
