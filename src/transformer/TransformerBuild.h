#pragma once

// What a design leaves to the one who winds the transformer and switches it on: the wire a shop sells for
// each winding, whether the windings go into the core's window, their resistances and the voltages under
// load, each rectifier simulated with the smoothing capacitor it needs, and how warm the transformer runs.

#include <optional>
#include <vector>

#include "components/EnamelledWire.h"
#include "transformer/RectifierSimulation.h"
#include "transformer/TransformerDesign.h"

namespace vokta {

// How the windings are wound, where the design says nothing. On a laminated or tape-wound core the windings
// go layer by layer onto a bobbin, the primary first: the bobbin's tube and each of its two flanges are
// 1 mm of pressboard or plastic; a layer of 0.05 mm capacitor paper or polyester film lies between two
// layers of a winding; 0.3 mm of tape (three layers of 0.1 mm) lies between two windings and over the
// last one. A toroid is wound through its hole, 0.3 mm of tape over the bare core and between windings.
inline constexpr double kBobbinWallMm = 1.0;
inline constexpr double kInterlayerMm = 0.05;
inline constexpr double kInterwindingMm = 0.3;
// The share of a toroid's hole the wire (over its enamel) may take: the rest is for the shuttle that
// carries the wire through and for the tape.
inline constexpr double kToroidHoleShare = 0.4;

// The room around the transformer, °C, and the temperature rise above it at which the verdict warns, K.
inline constexpr double kAmbientCelsius = 25;
inline constexpr double kRiseLimitK = 50;
// The RMS current of a rectifier may drive the wire's current density this share above the design's
// before the verdict warns.
inline constexpr double kDensityMargin = 0.1;

// The mains may run this share above its nominal voltage (IEC 60038 allows 10 %): a smoothing capacitor
// is rated for its winding's peak then, with no load to pull it down.
inline constexpr double kMainsTolerance = 0.1;

// The ripple shares the user chooses from, peak to peak over the DC voltage; the second is the default.
inline constexpr double kRippleShares[] = {0.05, 0.1, 0.2};

// What the windings are built from: the core as typed, its steel's thickness, the loads as entered (one per
// secondary), and the ripple the smoothing capacitors must keep under.
struct TransformerBuildInput {
    CoreType type = CoreType::Laminated;
    CoreDimensions core;  // cm
    double steelThicknessMm = 0;
    std::vector<TransformerInput::Load> loads;
    double rippleShare = 0.1;
};

struct WindingBuild {
    int turns = 0;
    double designCurrent = 0;  // the current the design sizes the wire for, A
    double computedMm = 0;     // the design's wire diameter
    // The standard wire: the thinnest not below the computed diameter; where that is thicker than the
    // table's thickest, several equal wires wound side by side in parallel of the same copper section.
    EnamelledWire wire;
    int strands = 1;
    // On a bobbin, per coil (a tape-wound core carries half of each winding on each of its two limbs).
    int turnsPerLayer = 0;
    int layers = 0;
    double buildMm = 0;          // the winding's thickness
    double meanTurnMm = 0;       // the length of its mean turn
    double resistance20 = 0;     // Ω at 20 °C
    double resistanceHot = 0;    // Ω at the running temperature
    double noLoadVoltage = 0;    // RMS: the primary's mains voltage; a secondary's open-circuit voltage, V
    double fullLoadVoltage = 0;  // RMS of a secondary with every winding at its design current, V
    // A secondary's rectifier, simulated at the running temperature into the resistance that draws its
    // load's DC current, and the current density of its RMS current in the wire, A/mm².
    std::optional<RectifierChoice> rectifier;
    double rmsDensity = 0;
    // The capacitor's highest voltage, the no-load peak at the highest mains, and the lowest rated voltage
    // not below it (nothing above the highest electrolytic rating), V.
    double capacitorPeak = 0;
    std::optional<double> capacitorRating;
};

struct WindowFill {
    // Laminated and tape-wound cores: the width between the bobbin's flanges, the depth of the window that
    // the coil may fill (a tape-wound core's two coils share the window), and the coil's thickness with the
    // bobbin's tube and the insulation.
    double windingWidthMm = 0;
    double depthMm = 0;
    double buildMm = 0;
    // A toroid: the share of the hole the wire takes, and the diameter the hole keeps.
    double holeShare = 0;
    double freeHoleMm = 0;
    double fill = 0;    // build over depth, or the share of the hole
    bool fits = false;  // within the depth, or within kToroidHoleShare; every winding has a turn per layer
};

struct TransformerHeat {
    double copperLoss = 0;    // W
    double specificLoss = 0;  // of the steel at its flux density, W/kg
    double steelMass = 0;     // kg
    double coreLoss = 0;      // W
    double surface = 0;       // cm²
    double rise = 0;          // K
    double windingCelsius = 0;
    double outputPower = 0;  // given by the secondaries to their rectifiers, W
    double efficiency = 0;   // 0..1
};

struct TransformerBuild {
    std::vector<WindingBuild> windings;  // the primary, then the secondaries in order
    WindowFill window;
    double runningCelsius = kAmbientCelsius;  // the windings' temperature the resistances are taken at
    std::optional<TransformerHeat> heat;      // nothing when the steel's loss is not known
};

// The greatest specific loss of cold-rolled grain-oriented steel of this thickness at 1.7 T and 50 Hz,
// W/kg; nothing for steel thicker than the table's thickest.
std::optional<double> SteelLossAt17T(double thicknessMm);

// The transformer of a Designed design wound, loaded and warmed up. Throws RuntimeError for a design
// without primary turns or with a number of loads other than its windings'.
TransformerBuild BuildTransformer(const TransformerDesign& design, const TransformerBuildInput& input);

}  // namespace vokta
