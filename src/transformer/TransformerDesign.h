#pragma once

// Design of a mains transformer whose secondaries each feed a bridge rectifier with a smoothing
// capacitor: the rectifier values of every winding, the core's power check, and the primary current,
// wire diameters and numbers of turns, kept in one value that the report prints.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/NumberText.h"

namespace vokta {

// The order of the core-type options of the transformer window.
enum class CoreType { Laminated = 0, Tape = 1, Toroidal = 2 };

// The steel thicknesses offered for a core type, mm, in the order of the list.
const std::vector<double>& SteelThicknesses(CoreType type);

// The steel fill factor of the core section for a steel thickness, mm. Laminated and tape-wound cores
// know only their listed thicknesses (compared in single precision): any other thickness has no fill
// factor (nullopt). A toroid takes any thickness: 0.85 up to 0.1 mm, 0.89 above.
std::optional<float> SteelFillFor(CoreType type, double thicknessMm);

// The most secondary windings one calculation asks for.
constexpr int kMaxSecondaryWindings = 50;

// Everything one calculation leaves for the report. All numbers are single precision unless they are
// 16-bit counts. The per-winding arrays are indexed 0 to SecondaryCount; the windings use 1 to
// SecondaryCount and index 0 stays zero.
struct TransformerDesign {
    int16_t SecondaryCount = 0;
    std::vector<float> SecVoltage;           // AC voltage of the winding, V
    std::vector<float> SecCurrent;           // current of the winding, A
    std::vector<float> DiodeReverseVoltage;  // reverse voltage on a bridge diode, V
    std::vector<float> DiodeCurrent;         // maximum current through a bridge diode, A
    std::vector<float> SecWireDiameter;      // wire diameter, mm
    std::vector<float> SecTurns;             // turns (whole numbers)
    float SecondaryPower = 0;                // total power of the secondaries, W

    // Core coefficients: set by the core-data step only, kept from one calculation to the next.
    float Induction = 0;       // peak flux density, T
    float CurrentDensity = 0;  // current density in the wire, A/mm²
    float WindowFill = 0;      // copper fill factor of the window
    float SteelFill = 0;       // steel fill factor of the section

    float CoreArea = 0;     // cross-section of the core, cm²
    float WindowArea = 0;   // area of the window, cm²
    float AreaProduct = 0;  // CoreArea × WindowArea, cm⁴

    float PrimaryCurrent = 0;       // A
    float PrimaryWireDiameter = 0;  // mm
    int16_t PrimaryTurns = 0;
    float PrimaryVoltage = 0;  // the mains voltage U1 the primary is wound for, V
};

// Core dimensions in cm as typed: a, b, c, h for laminated and tape-wound cores (limb width, stack
// thickness, window width and height); for a toroid a is the outer diameter d1, b the inner diameter
// d2 and h the height, and c is not used.
struct CoreDimensions {
    double a = 0, b = 0, c = 0, h = 0;
};

// The source values of the window, top to bottom, to say which one is out of its domain.
enum class TransformerField { A, B, C, H, MainsVoltage, SteelThickness };

struct TransformerFault {
    TransformerField field;
    std::string message;  // a Russian sentence that names the value
};

// The first value of the window, top to bottom, outside its domain: a core dimension that is not above
// zero (c is not looked at for a toroid), a toroid's inner diameter not below its outer one, a mains
// voltage or a steel thickness that is not above zero. Nothing when all are within their domains.
std::optional<TransformerFault> FindCoreFault(CoreType type, const CoreDimensions& core, double mainsVoltage,
                                              double thicknessMm);

// Why a load value of winding i (numbered from 1), its voltage or its current, cannot be designed for: it
// is not above zero. Nothing when it is above zero.
enum class LoadValue { Voltage, Current };
std::optional<std::string> FindLoadFault(int i, LoadValue which, double value);

// Starts a calculation of 'count' windings: every array holds indexes 0 to count, all zero, and
// SecondaryPower is 0.
void StartWindings(TransformerDesign& design, int16_t count);

// Makes every per-winding array hold indexes 0 to SecondaryCount, keeping its contents (zeros where
// nothing was computed), so that a report never reads past an array.
void KeepWindingArrays(TransformerDesign& design);

// The rectifier step of winding i (1 to SecondaryCount) from the load voltage U and load current I as
// entered: the winding voltage and the diode current by the band of I; the diode reverse voltage, the
// larger of 1.5 U and the peak of the winding voltage; winding current 1.5 I; and the winding's share
// of SecondaryPower.
void RectifierStep(TransformerDesign& design, int i, float loadVoltage, float loadCurrent);

// The core tables cover total secondary powers below 1000 W.
bool WithinCoreTables(float secondaryPower);

// The core-data step of each core type: Induction, CurrentDensity and WindowFill by the band of
// SecondaryPower (unchanged at 1000 W and above), the given SteelFill, CoreArea, WindowArea and
// AreaProduct.
void LaminatedCoreData(TransformerDesign& design, const CoreDimensions& core, float steelFill);
void TapeCoreData(TransformerDesign& design, const CoreDimensions& core, float steelFill);
void ToroidalCoreData(TransformerDesign& design, const CoreDimensions& core, float steelFill);

// The power the core can carry with the coefficients of the design, W (Pcore).
float CorePower(const TransformerDesign& design, CoreType type);

// Primary current, wire diameters and turns for the mains voltage U1, V.
void CalcWindings(TransformerDesign& design, double mainsVoltage);

// What the user gives for one calculation.
struct TransformerInput {
    CoreType type = CoreType::Laminated;
    CoreDimensions core;
    float steelFill = 0;
    double mainsVoltage = 0;
    struct Load {
        float voltage = 0;  // required DC load voltage, V
        float current = 0;  // required load current, A
    };
    std::vector<Load> loads;  // one per secondary winding
};

enum class DesignOutcome {
    Designed,           // the windings are computed
    PowerBeyondTables,  // total secondary power of 1000 W or more: nothing beyond the rectifier values
    CoreTooSmall,       // the core cannot carry the power: nothing beyond the rectifier values
};

// One whole calculation: the rectifier values of every winding, then (below 1000 W) the core data,
// the core power check and the windings. Whatever the outcome, the rectifier values and SecondaryPower
// are those of this run; the secondary wire diameters and turns are zero unless it was Designed; the
// primary values are those of the last Designed run.
DesignOutcome CalcTransformer(TransformerDesign& design, const TransformerInput& input);

// Estimates the report does not print, shown beside its values. Both need the windings of a design:
// nothing until CalcWindings has given the primary turns.
// The peak flux density in the steel itself, T, with the primary's turns as wound: U1 = sqrt(2) pi f N1 B S k
// at 50 Hz, S being CoreArea and k the steel's share of it (SteelFill). The turns come from 44 U / (B S),
// with S in cm² (2200 / 50), where this relation asks for 45.02, so the steel carries about 2.3 % more
// than the table's Induction over SteelFill (a little more still, as the turns are rounded down).
std::optional<float> SteelFluxDensity(const TransformerDesign& design);
// Above this flux density, T, cold-rolled transformer steel comes close to saturation.
constexpr float kSteelSaturationT = 1.7f;
bool NearSaturation(float steelFluxDensity);
// The forward drop of one silicon diode of a bridge, V.
constexpr double kDiodeDropV = 0.7;
// The DC voltage of winding i's rectifier without load, V: the smoothing capacitor charges to the peak
// of the winding's open-circuit voltage (its turns times the primary's volts per turn, U1 / N1) less the
// drop on the two bridge diodes that conduct; nought where the peak does not reach them.
std::optional<float> NoLoadDcVoltage(const TransformerDesign& design, int i);

// One line of the printed report: a text, and the number printed after it when there is one.
struct ReportLine {
    std::string text;
    std::optional<std::variant<float, int16_t>> number;
    bool operator==(const ReportLine&) const = default;
};

// The lines of the printed report, top to bottom: the rectifier values of each winding (numbered
// from 1), then the transformer data with each secondary's wire and turns (numbered from 2, the
// primary being winding 1). The arrays must hold indexes 0 to SecondaryCount (KeepWindingArrays).
std::vector<ReportLine> TransformerReport(const TransformerDesign& design);

}  // namespace vokta
