#pragma once

// Coils wound for an inductance: on a toroidal core of the catalogue (A_L·N²) or as a single-layer
// air-core solenoid close-wound on a round former (Nagaoka's coefficient with Rosa's round-wire
// corrections). Both give whole turns, the inductance those turns really have, the wire and how much of
// it to cut. Inductances in henries, lengths in millimetres (as the wire and core tables are).

#include <optional>
#include <span>

#include "components/EnamelledWire.h"
#include "components/ToroidCores.h"

namespace vokta {

// Each end of a coil gets a lead this long for soldering; the wire to cut includes both.
inline constexpr double kCoilLeadMm = 25;

// More turns than this are not wound by hand: such a coil is not offered.
inline constexpr int kMaxCoilTurns = 100000;

// A coil as it is wound.
struct CoilWinding {
    int turns = 0;
    double inductanceH = 0;  // of the whole turns
    double fewerH = 0;       // with one turn fewer (0 for a single turn)
    double moreH = 0;        // with one turn more
    // The wire: on a toroid the thickest standard wire whose turns lie side by side in one layer on the
    // core's inner circumference (none when not even the thinnest does), on a former the wire chosen.
    std::optional<EnamelledWire> wire;
    double wireLengthMm = 0;  // the turns and both leads; 0 without a wire
    double coilLengthMm = 0;  // air core: the length of the winding along the former; toroid: 0
    double tolerance = 0;     // ± fraction the inductance may stray: the core's A_L tolerance; 0 in air
};

// ---- Toroids ----

// The whole number of turns (at least 1) whose A_L·N² lies nearest to the inductance.
int NearestToroidTurns(double alHenry, double inductanceH);

// Whether `turns` turns of wire of that overall diameter lie side by side in one layer inside the core's
// hole: their centres on a circle half a wire inside the inner diameter, neighbours no closer than a wire.
bool FitsOneLayer(const ToroidCore& core, int turns, double overallMm);

// The thickest wire of the table whose turns fit in one layer; nothing when none does.
std::optional<EnamelledWire> ThickestFittingWire(const ToroidCore& core, int turns);

// The coil of that inductance on the core; nothing when it would need more than kMaxCoilTurns turns or the
// inductance is not a positive number.
std::optional<CoilWinding> WindToroid(const ToroidCore& core, double inductanceH);

struct ToroidCoil {
    ToroidCore core;
    CoilWinding winding;
};

// The coil on the smallest core of a family (given smallest first) on which its winding fits in one layer
// with a wire no thinner than `minWireMm` (0: any standard wire); nothing when no core of the family takes
// it.
std::optional<ToroidCoil> WindOnSmallestCore(std::span<const ToroidCore> family, double inductanceH,
                                             double minWireMm = 0);

// ---- Air-core single-layer coils ----

// Nagaoka's coefficient of a cylindrical current sheet of that diameter-to-length ratio: the factor by
// which the sheet's inductance falls short of the long-solenoid value µ0·π·a²·N²/l. 1 for an infinitely
// long sheet, 0.6884 at length = diameter.
double NagaokaCoefficient(double diameterOverLength);

// The inductance of a single-layer solenoid of `turns` turns of round wire: the diameter of the circle
// through the wire centres, the pitch (centre to centre of neighbouring turns) and the conductor's
// diameter. The current sheet of length turns·pitch (Nagaoka), less Rosa's corrections for round wire.
double SolenoidInductance(double meanDiameterMm, double pitchMm, double conductorMm, int turns);

// The coil of that inductance close-wound in one layer on a former of that diameter; nothing when it would
// need more than kMaxCoilTurns turns, or the inductance or diameter is not a positive number.
std::optional<CoilWinding> WindAirCore(double formerDiameterMm, const EnamelledWire& wire,
                                       double inductanceH);

}  // namespace vokta
