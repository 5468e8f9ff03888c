#include "transformer/TransformerBuild.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/RuntimeError.h"
#include "components/Capacitors.h"

namespace vokta {

namespace {

constexpr double kPi = std::numbers::pi;

// Cold-rolled grain-oriented electrical steel, IEC 60404-8-7 (EN 10107), conventional grades M120-23S,
// M130-27S, M140-30S and M150-35S: a grade's name gives its thickness in hundredths of a millimetre and its
// greatest specific total loss at 1.7 T and 50 Hz in hundredths of a W/kg.
struct SteelGrade {
    double thicknessMm;
    double lossAt17T;  // W/kg
};
constexpr SteelGrade kGrainOrientedSteel[] = {{0.23, 1.20}, {0.27, 1.30}, {0.30, 1.40}, {0.35, 1.50}};
constexpr double kSteelDensity = 7.65e-3;  // kg/cm³, the conventional density of grain-oriented steel

// McLyman's surface area of a transformer from its area product, At = Ks Ap^0.5 (cm², Ap in cm⁴), with Ks
// of the core's kind, and the temperature rise of that surface, 450 (P / At)^0.826 K with P in W and At in
// cm² (Colonel Wm. T. McLyman, Transformer and Inductor Design Handbook): a laminated core, a C-core
// with a coil on each limb, a tape-wound toroid.
double SurfaceFactor(CoreType type) {
    switch (type) {
        case CoreType::Laminated:
            return 41.3;
        case CoreType::Tape:
            return 39.2;
        case CoreType::Toroidal:
            return 50.9;
    }
    return 41.3;
}
double TemperatureRise(double watts, double surfaceCm2) {
    return 450 * std::pow(watts / surfaceCm2, 0.826);
}

// The volume of the steel's outline, cm³: a laminated core as its picture draws it, outer limbs and
// yokes half the middle limb, two windows; a tape-wound core with two limbs round one window; a ring.
double SteelOutlineVolume(CoreType type, const CoreDimensions& k) {
    switch (type) {
        case CoreType::Laminated:
            return k.b * ((2 * k.a + 2 * k.c) * (k.a + k.h) - 2 * k.c * k.h);
        case CoreType::Tape:
            return k.b * ((2 * k.a + k.c) * (2 * k.a + k.h) - k.c * k.h);
        case CoreType::Toroidal:
            return kPi / 4 * (k.a * k.a - k.b * k.b) * k.h;
    }
    return 0;
}

double Section(const WindingBuild& w) {
    return w.strands * kPi / 4 * w.wire.nominalMm * w.wire.nominalMm;  // mm²
}

// The standard wire for a computed diameter: one wire where the table has one thick enough, otherwise the
// fewest equal wires in parallel whose copper section is not below the computed one.
void ChooseWire(WindingBuild& w) {
    const double d = std::max(w.computedMm, 0.0);
    for (int strands = 1;; ++strands) {
        if (const auto wire = WireNotBelow(d / std::sqrt(double(strands)))) {
            w.wire = *wire, w.strands = strands;
            return;
        }
        if (!(d > 0)) {  // no current: the thinnest wire
            w.wire = EnamelledWires().front(), w.strands = 1;
            return;
        }
    }
}

// Layers on a bobbin, primary first; the mean turn of each winding runs round the limb (a × b) at the
// middle of its thickness, its corners rounded by that distance.
void WindOnBobbin(std::vector<WindingBuild>& windings, WindowFill& fill, CoreType type,
                  const CoreDimensions& k) {
    const int coils = type == CoreType::Tape ? 2 : 1;
    fill.windingWidthMm = 10 * k.h - 2 * kBobbinWallMm;
    fill.depthMm = 10 * k.c / coils;
    bool everyLayerHolds = fill.windingWidthMm > 0;
    double below = kBobbinWallMm;  // from the limb to the winding's first layer
    for (WindingBuild& w : windings) {
        const int turns = (w.turns + coils - 1) / coils;
        const double across = w.strands * w.wire.overallMm;  // one turn of all its strands side by side
        w.turnsPerLayer = fill.windingWidthMm > 0 ? int(std::floor(fill.windingWidthMm / across + 1e-9)) : 0;
        if (w.turnsPerLayer < 1) everyLayerHolds = false;
        w.layers = w.turnsPerLayer > 0 ? (turns + w.turnsPerLayer - 1) / w.turnsPerLayer : turns;
        w.buildMm = w.layers * w.wire.overallMm + std::max(w.layers - 1, 0) * kInterlayerMm;
        w.meanTurnMm = 20 * (k.a + k.b) + 2 * kPi * (below + w.buildMm / 2);
        below += w.buildMm + kInterwindingMm;
    }
    fill.buildMm = below;
    fill.fill = fill.buildMm / fill.depthMm;
    fill.fits = everyLayerHolds && fill.buildMm <= fill.depthMm;
}

// Turns through a toroid's hole, packed as squares of the wire's overall diameter inside the hole, where a
// winding is thickest; the mean turn runs round the ring's section ((d1 - d2) / 2 × h) at the middle of
// that thickness, a little longer than it is outside the hole.
void WindOnToroid(std::vector<WindingBuild>& windings, WindowFill& fill, const CoreDimensions& k) {
    const double r = 5 * k.b, hole = kPi * r * r;
    double wire = 0;
    double radius = r - kInterwindingMm;  // of the hole left inside the tape over the core
    bool room = radius > 0;
    for (WindingBuild& w : windings) {
        const double overall = w.wire.overallMm;
        wire += w.turns * w.strands * kPi / 4 * overall * overall;
        const double squares = w.turns * w.strands * overall * overall;
        const double left = radius * radius - squares / kPi;
        const double inner = left > 0 ? std::sqrt(left) : 0;
        if (!(left > 0)) room = false;
        w.buildMm = std::max(radius, 0.0) - inner;
        w.meanTurnMm = 2 * (5 * (k.a - k.b) + 10 * k.h) + 2 * kPi * (r - radius + w.buildMm / 2);
        radius = inner - kInterwindingMm;
    }
    fill.holeShare = wire / hole;
    fill.freeHoleMm = 2 * std::max(radius, 0.0);
    fill.fill = fill.holeShare;
    fill.fits = room && fill.holeShare <= kToroidHoleShare;
}

// One pass at a temperature of the windings: their resistances, the secondaries' voltages, and each
// rectifier simulated behind its winding's resistance and the primary's, referred to it, into the load
// that draws its load's DC current.
void LoadAt(TransformerBuild& b, const TransformerBuildInput& in, double celsius) {
    b.runningCelsius = celsius;
    for (WindingBuild& w : b.windings) {
        const double metres = w.turns * w.meanTurnMm / 1000;
        w.resistance20 = CopperResistance(w.wire.nominalMm, metres, 20) / w.strands;
        w.resistanceHot = CopperResistance(w.wire.nominalMm, metres, celsius) / w.strands;
    }
    const WindingBuild& primary = b.windings[0];
    const double n1 = primary.turns, u1 = primary.noLoadVoltage;
    double primaryLoad = 0;  // the secondaries' design currents referred to the primary, A
    for (size_t i = 1; i < b.windings.size(); ++i)
        primaryLoad += b.windings[i].designCurrent * b.windings[i].turns / n1;
    for (size_t i = 1; i < b.windings.size(); ++i) {
        WindingBuild& w = b.windings[i];
        const double ratio = w.turns / n1;
        w.fullLoadVoltage =
            (u1 - primaryLoad * primary.resistanceHot) * ratio - w.designCurrent * w.resistanceHot;
        w.rectifier = ChooseSmoothingCapacitor(std::sqrt(2.0) * w.noLoadVoltage,
                                               w.resistanceHot + primary.resistanceHot * ratio * ratio,
                                               double(in.loads[i - 1].current), in.rippleShare);
        w.rmsDensity = w.rectifier->state.windingRms / Section(w);
        w.capacitorPeak = std::sqrt(2.0) * w.noLoadVoltage * (1 + kMainsTolerance);
        w.capacitorRating = ElectrolyticRatingNotBelow(w.capacitorPeak);
    }
}

// The heat of the windings' last pass, their resistances taken at `celsius`.
TransformerHeat HeatAt(const TransformerBuild& b, const TransformerDesign& d, const TransformerBuildInput& in,
                       double specificLoss, double celsius) {
    TransformerHeat heat;
    const WindingBuild& primary = b.windings[0];
    auto hot = [celsius](const WindingBuild& w) {
        return w.resistance20 * (1 + kCopperTemperatureCoefficient * (celsius - 20));
    };
    // The rectifiers draw their pulses together at the crests of the mains, so the primary's current is
    // taken as the sum of their RMS currents, referred.
    double primaryRms = 0;
    for (size_t i = 1; i < b.windings.size(); ++i) {
        const WindingBuild& w = b.windings[i];
        const BridgeState& s = w.rectifier->state;
        const double ratio = double(w.turns) / primary.turns;
        primaryRms += s.windingRms * ratio;
        heat.copperLoss += s.windingRms * s.windingRms * hot(w);
        const double seriesR = w.resistanceHot + primary.resistanceHot * ratio * ratio;
        heat.outputPower += s.sourcePower - s.windingRms * s.windingRms * seriesR;
    }
    heat.copperLoss += primaryRms * primaryRms * hot(primary);
    heat.specificLoss = specificLoss;
    heat.steelMass = SteelOutlineVolume(in.type, in.core) * d.SteelFill * kSteelDensity;
    heat.coreLoss = heat.specificLoss * heat.steelMass;
    heat.surface = SurfaceFactor(in.type) * std::sqrt(double(d.CoreArea) * d.SteelFill * d.WindowArea);
    heat.rise = TemperatureRise(heat.copperLoss + heat.coreLoss, heat.surface);
    heat.windingCelsius = kAmbientCelsius + heat.rise;
    heat.efficiency = heat.outputPower / (heat.outputPower + heat.copperLoss + heat.coreLoss);
    return heat;
}

}  // namespace

std::optional<double> SteelLossAt17T(double thicknessMm) {
    for (const SteelGrade& grade : kGrainOrientedSteel)
        // Thinner strip than the thinnest grade loses less to eddy currents: its loss is at most that
        // grade's.
        if (thicknessMm <= grade.thicknessMm * (1 + 1e-9)) return grade.lossAt17T;
    return std::nullopt;
}

TransformerBuild BuildTransformer(const TransformerDesign& d, const TransformerBuildInput& in) {
    if (!(d.PrimaryTurns > 0 && d.PrimaryVoltage > 0))
        Fail(ErrorKind::InvalidArgument, "Обмотки не рассчитаны: нет витков первичной обмотки.");
    if (in.loads.size() != size_t(std::max<int>(d.SecondaryCount, 0)) ||
        d.SecTurns.size() <= in.loads.size() || d.SecWireDiameter.size() <= in.loads.size())
        Fail(ErrorKind::InvalidArgument, "Обмотки не рассчитаны: число нагрузок не равно числу обмоток.");
    for (const auto& load : in.loads)
        if (!(load.voltage > 0 && load.current > 0))
            Fail(ErrorKind::InvalidArgument, "Напряжение и ток нагрузки должны быть больше нуля.");

    TransformerBuild b;
    WindingBuild primary;
    primary.turns = d.PrimaryTurns;
    primary.designCurrent = d.PrimaryCurrent;
    primary.computedMm = d.PrimaryWireDiameter;
    primary.noLoadVoltage = d.PrimaryVoltage;
    b.windings.push_back(primary);
    for (int i = 1; i <= d.SecondaryCount; ++i) {
        WindingBuild w;
        w.turns = int(d.SecTurns[i]);
        w.designCurrent = d.SecCurrent[i];
        w.computedMm = d.SecWireDiameter[i];
        w.noLoadVoltage = double(d.PrimaryVoltage) * w.turns / d.PrimaryTurns;
        b.windings.push_back(w);
    }
    for (WindingBuild& w : b.windings) ChooseWire(w);
    if (in.type == CoreType::Toroidal)
        WindOnToroid(b.windings, b.window, in.core);
    else
        WindOnBobbin(b.windings, b.window, in.type, in.core);

    const std::optional<double> loss17 = SteelLossAt17T(in.steelThicknessMm);
    const std::optional<float> flux = SteelFluxDensity(d);
    if (!loss17 || !flux) {
        LoadAt(b, in, kAmbientCelsius);
        return b;
    }
    // Loss grows about as the square of the flux density.
    const double specificLoss = *loss17 * std::pow(*flux / 1.7, 2);
    // The windings' temperature: with the currents of a pass, the heat balance is solved for the
    // temperature; the next pass loads the windings at it, until the temperature holds within 0.5 K.
    double celsius = kAmbientCelsius;
    for (int pass = 0; pass < 6; ++pass) {
        LoadAt(b, in, celsius);
        double balanced = celsius;
        for (int n = 0; n < 200; ++n) {
            const double next = HeatAt(b, d, in, specificLoss, balanced).windingCelsius;
            const bool settled = std::fabs(next - balanced) < 1e-3;
            balanced = next;
            if (settled) break;
        }
        const bool held = std::fabs(balanced - celsius) < 0.5;
        celsius = balanced;
        if (held) break;
    }
    // The last pass's heat at the temperature its windings were loaded at.
    b.heat = HeatAt(b, d, in, specificLoss, b.runningCelsius);
    return b;
}

}  // namespace vokta
