#include "transformer/TransformerDesign.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "base/Checked.h"
#include "base/RuntimeError.h"

namespace vokta {

namespace {

struct SteelItem {
    double thickness;  // mm, as the list offers it
    float fill;
};

const std::vector<SteelItem>& SteelItems(CoreType type) {
    static const std::vector<SteelItem> laminated{{0.1, 0.75f}, {0.2, 0.89f}, {0.35, 0.95f}};
    static const std::vector<SteelItem> tape{{0.08, 0.87f}, {0.15, 0.9f}, {0.2, 0.91f}, {0.35, 0.93f}};
    // The toroid's fill goes by thickness alone; its items only feed the list.
    static const std::vector<SteelItem> toroidal{
        {0.08, 0.85f}, {0.1, 0.85f}, {0.15, 0.89f}, {0.2, 0.89f}, {0.35, 0.89f}};
    switch (type) {
        case CoreType::Laminated:
            return laminated;
        case CoreType::Tape:
            return tape;
        case CoreType::Toroidal:
            return toroidal;
    }
    return laminated;
}

// One row of a core table: the band holds powers below 'below' (and not below the previous row's).
struct CoreBand {
    float below;  // W
    float induction;
    float currentDensity;
    float windowFill;
};
using CoreTable = std::array<CoreBand, 5>;

constexpr CoreTable kLaminatedTable{{
    {15, 1.2f, 3.45f, 0.22f},
    {50, 1.3f, 2.7f, 0.255f},
    {150, 1.345f, 2.2f, 0.265f},
    {300, 1.35f, 1.85f, 0.285f},
    {1000, 1.275f, 1.55f, 0.315f},
}};
constexpr CoreTable kTapeTable{{
    {15, 1.55f, 3.65f, 0.18f},
    {50, 1.65f, 3.1f, 0.245f},
    {150, 1.65f, 2.55f, 0.265f},
    {300, 1.65f, 2.35f, 0.285f},
    {1000, 1.65f, 2.1f, 0.315f},
}};
constexpr CoreTable kToroidalTable{{
    {15, 1.7f, 4.75f, 0.18f},
    {50, 1.7f, 4.75f, 0.2f},
    {150, 1.7f, 4.0f, 0.23f},
    {300, 1.65f, 3.5f, 0.265f},
    {1000, 1.6f, 3.0f, 0.275f},
}};

// Sets the three coefficients from the band of SecondaryPower; beyond the table they stay as they were.
void ApplyBand(TransformerDesign& d, const CoreTable& table) {
    for (const CoreBand& band : table) {
        if (d.SecondaryPower < band.below) {
            d.Induction = band.induction;
            d.CurrentDensity = band.currentDensity;
            d.WindowFill = band.windowFill;
            return;
        }
    }
}

// Core and window of a laminated or tape-wound core: a × b and c × h.
void RectangularGeometry(TransformerDesign& d, const CoreDimensions& core) {
    d.CoreArea = Single(core.a * core.b);
    d.WindowArea = Single(core.c * core.h);
    d.AreaProduct = Single(double(d.CoreArea) * d.WindowArea);
}

// The wire diameter for a current at the design's current density, mm.
double WireDiameter(float current, float currentDensity) {
    const double section = Div(current, currentDensity);
    if (section < 0)
        throw RuntimeError(ErrorKind::InvalidArgument,
                           "Расчет прерван: ток обмотки получился отрицательным. Напряжение сети и токи "
                           "нагрузки должны быть положительными.");
    return 1.13 * Sqrt(section);
}

std::vector<float>& Resized(std::vector<float>& values, int16_t count) {
    values.resize(count < 0 ? 1 : size_t(count) + 1, 0.0f);
    return values;
}

}  // namespace

const std::vector<double>& SteelThicknesses(CoreType type) {
    static const auto listOf = [](CoreType t) {
        std::vector<double> out;
        for (const SteelItem& item : SteelItems(t)) out.push_back(item.thickness);
        return out;
    };
    static const std::vector<double> laminated = listOf(CoreType::Laminated);
    static const std::vector<double> tape = listOf(CoreType::Tape);
    static const std::vector<double> toroidal = listOf(CoreType::Toroidal);
    switch (type) {
        case CoreType::Laminated:
            return laminated;
        case CoreType::Tape:
            return tape;
        case CoreType::Toroidal:
            return toroidal;
    }
    return laminated;
}

std::optional<float> SteelFillFor(CoreType type, double thicknessMm) {
    // Compared in single precision, so that a typed 0.1 is the listed 0.1 and counts as "0.1 or less".
    const float thickness = static_cast<float>(thicknessMm);
    if (type == CoreType::Toroidal) return thickness <= 0.1f ? 0.85f : 0.89f;
    for (const SteelItem& item : SteelItems(type))
        if (thickness == static_cast<float>(item.thickness)) return item.fill;
    return std::nullopt;
}

std::optional<TransformerFault> FindCoreFault(CoreType type, const CoreDimensions& core, double mainsVoltage,
                                              double thicknessMm) {
    // Negated comparisons, so that a NaN is out of its domain too.
    auto fault = [](TransformerField field, const char* message) { return TransformerFault{field, message}; };
    if (type == CoreType::Toroidal) {
        if (!(core.a > 0))
            return fault(TransformerField::A, "Наружный диаметр сердечника d1 должен быть больше нуля.");
        if (!(core.b > 0))
            return fault(TransformerField::B, "Внутренний диаметр сердечника d2 должен быть больше нуля.");
        if (!(core.b < core.a))
            return fault(TransformerField::B,
                         "Внутренний диаметр сердечника d2 должен быть меньше наружного диаметра d1.");
        if (!(core.h > 0)) return fault(TransformerField::H, "Высота сердечника h должна быть больше нуля.");
    } else {
        if (!(core.a > 0)) return fault(TransformerField::A, "Размер сердечника a должен быть больше нуля.");
        if (!(core.b > 0)) return fault(TransformerField::B, "Размер сердечника b должен быть больше нуля.");
        if (!(core.c > 0)) return fault(TransformerField::C, "Размер сердечника c должен быть больше нуля.");
        if (!(core.h > 0)) return fault(TransformerField::H, "Размер сердечника h должен быть больше нуля.");
    }
    if (!(mainsVoltage > 0))
        return fault(TransformerField::MainsVoltage, "Напряжение сети должно быть больше нуля.");
    if (!(thicknessMm > 0))
        return fault(TransformerField::SteelThickness, "Толщина стали сердечника должна быть больше нуля.");
    return std::nullopt;
}

std::optional<std::string> FindLoadFault(int i, LoadValue which, double value) {
    if (value > 0) return std::nullopt;
    const std::string winding = std::to_string(i);
    if (which == LoadValue::Voltage)
        return "Напряжение нагрузки обмотки " + winding + " должно быть больше нуля.";
    return "Ток нагрузки обмотки " + winding + " должен быть больше нуля.";
}

void StartWindings(TransformerDesign& design, int16_t count) {
    design.SecondaryCount = count;
    for (auto* values : {&design.SecVoltage, &design.SecCurrent, &design.DiodeReverseVoltage,
                         &design.DiodeCurrent, &design.SecWireDiameter, &design.SecTurns}) {
        values->clear();
        Resized(*values, count);
    }
    design.SecondaryPower = 0;
}

void KeepWindingArrays(TransformerDesign& design) {
    for (auto* values : {&design.SecVoltage, &design.SecCurrent, &design.DiodeReverseVoltage,
                         &design.DiodeCurrent, &design.SecWireDiameter, &design.SecTurns})
        Resized(*values, design.SecondaryCount);
}

void RectifierStep(TransformerDesign& d, int i, float loadVoltage, float loadCurrent) {
    const double u = loadVoltage;
    const double current = loadCurrent;
    d.SecVoltage.at(i) = loadVoltage;
    d.SecCurrent.at(i) = loadCurrent;
    // The band edges are singles compared with the single current: 0.1 A itself is in the first band.
    if (loadCurrent <= 0.1f) {
        d.SecVoltage[i] = Single(0.8 * u);
        d.DiodeCurrent[i] = Single(1.2 * current);
    } else if (loadCurrent <= 0.2f) {
        d.DiodeCurrent[i] = Single(1.1 * current);
    } else if (loadCurrent <= 0.4f) {
        d.SecVoltage[i] = Single(1.2 * u);
        d.DiodeCurrent[i] = loadCurrent;
    } else if (loadCurrent <= 0.6f) {
        d.SecVoltage[i] = Single(1.4 * u);
        d.DiodeCurrent[i] = Single(0.95 * current);
    } else if (loadCurrent <= 0.8f) {
        d.SecVoltage[i] = Single(1.5 * u);
        d.DiodeCurrent[i] = Single(0.9 * current);
    } else {
        d.SecVoltage[i] = Single(1.7 * u);
        d.DiodeCurrent[i] = Single(0.9 * current);
    }
    // A bridge diode that blocks carries the peak of the winding's AC voltage; 1.5 U from the load
    // voltage as entered leaves room above the peak up to 0.2 A, but falls below it at larger currents.
    d.DiodeReverseVoltage.at(i) = Single(std::max(1.5 * u, std::sqrt(2.0) * d.SecVoltage[i]));
    d.SecCurrent[i] = Single(1.5 * current);
    d.SecondaryPower = Single(double(d.SecondaryPower) + double(d.SecCurrent[i]) * d.SecVoltage[i]);
}

bool WithinCoreTables(float secondaryPower) {
    return secondaryPower < 1000;
}

void LaminatedCoreData(TransformerDesign& d, const CoreDimensions& core, float steelFill) {
    ApplyBand(d, kLaminatedTable);
    d.SteelFill = steelFill;
    RectangularGeometry(d, core);
}

void TapeCoreData(TransformerDesign& d, const CoreDimensions& core, float steelFill) {
    ApplyBand(d, kTapeTable);
    d.SteelFill = steelFill;
    RectangularGeometry(d, core);
}

void ToroidalCoreData(TransformerDesign& d, const CoreDimensions& core, float steelFill) {
    ApplyBand(d, kToroidalTable);
    d.SteelFill = steelFill;
    const double d1 = core.a, d2 = core.b;
    d.CoreArea = Single((d1 - d2) * core.h / 2);
    d.WindowArea = Single(3.14 * (d2 * d2) / 4);  // pi taken as 3.14
    d.AreaProduct = Single(double(d.CoreArea) * d.WindowArea);
}

float CorePower(const TransformerDesign& d, CoreType type) {
    if (type == CoreType::Toroidal)
        return Single(double(d.AreaProduct) * d.Induction * d.CurrentDensity * d.WindowFill * d.SteelFill /
                      0.901);
    // Laminated and tape-wound cores, at 50 Hz.
    return Single(double(d.AreaProduct) * 50 * d.Induction * d.CurrentDensity * d.WindowFill * d.SteelFill /
                  45);
}

void CalcWindings(TransformerDesign& d, double mainsVoltage) {
    if (mainsVoltage == 0)
        throw RuntimeError(ErrorKind::DivisionByZero, "Расчет прерван: напряжение сети равно нулю.");
    d.PrimaryCurrent = Single(1.25 * d.SecondaryPower / mainsVoltage);
    d.PrimaryWireDiameter = Single(WireDiameter(d.PrimaryCurrent, d.CurrentDensity));

    // Turns per volt follow from 50 Hz mains, the flux density and the core section.
    const double perVoltDivisor = 50 * double(d.Induction) * d.CoreArea;
    if (perVoltDivisor == 0)
        throw RuntimeError(ErrorKind::DivisionByZero,
                           "Расчет прерван: сечение сердечника равно нулю. Проверьте размеры сердечника.");
    const double primaryTurns = Int(2200 * mainsVoltage / perVoltDivisor);
    if (primaryTurns < -32768 || primaryTurns > 32767)
        throw RuntimeError(
            ErrorKind::Overflow,
            "Расчет прерван: число витков первичной обмотки больше 32767. Проверьте напряжение "
            "сети и размеры сердечника.");
    d.PrimaryTurns = RoundInt16(primaryTurns);
    d.PrimaryVoltage = Single(mainsVoltage);

    KeepWindingArrays(d);
    const float power = d.SecondaryPower;
    for (int i = 1; i <= d.SecondaryCount; ++i) {
        d.SecWireDiameter[i] = Single(WireDiameter(d.SecCurrent[i], d.CurrentDensity));
        float w = Single(2200 * double(d.SecVoltage[i]) / perVoltDivisor);
        // Extra turns for the voltage lost in the windings: the smaller the transformer, the more.
        // A transformer of 10 W or less gets both corrections, each followed by Int.
        if (power <= 10) w = Single(Int(w * 1.05));
        if (power > 10 && power < 200)
            w = Single(Int(w * 1.03));
        else
            w = Single(Int(w * 1.02));
        d.SecTurns[i] = w;
    }
}

DesignOutcome CalcTransformer(TransformerDesign& d, const TransformerInput& input) {
    StartWindings(d, RoundInt16(double(input.loads.size())));
    for (int i = 1; i <= d.SecondaryCount; ++i) {
        const auto& load = input.loads[size_t(i) - 1];
        RectifierStep(d, i, load.voltage, load.current);
    }
    if (!WithinCoreTables(d.SecondaryPower)) return DesignOutcome::PowerBeyondTables;
    switch (input.type) {
        case CoreType::Laminated:
            LaminatedCoreData(d, input.core, input.steelFill);
            break;
        case CoreType::Tape:
            TapeCoreData(d, input.core, input.steelFill);
            break;
        case CoreType::Toroidal:
            ToroidalCoreData(d, input.core, input.steelFill);
            break;
    }
    if (CorePower(d, input.type) < d.SecondaryPower) return DesignOutcome::CoreTooSmall;
    CalcWindings(d, input.mainsVoltage);
    return DesignOutcome::Designed;
}

std::optional<float> SteelFluxDensity(const TransformerDesign& d) {
    if (!(d.PrimaryTurns > 0 && d.PrimaryVoltage > 0 && d.CoreArea > 0 && d.SteelFill > 0))
        return std::nullopt;
    const double steelArea = 1e-4 * d.CoreArea * d.SteelFill;  // m²
    return Single(d.PrimaryVoltage / (std::sqrt(2.0) * std::numbers::pi * 50 * d.PrimaryTurns * steelArea));
}

bool NearSaturation(float steelFluxDensity) {
    return steelFluxDensity > kSteelSaturationT;
}

std::optional<float> NoLoadDcVoltage(const TransformerDesign& d, int i) {
    if (!(d.PrimaryTurns > 0)) return std::nullopt;
    const double openCircuit = double(d.SecTurns.at(i)) * d.PrimaryVoltage / d.PrimaryTurns;
    return Single(std::max(0.0, std::sqrt(2.0) * openCircuit - 2 * kDiodeDropV));
}

std::vector<ReportLine> TransformerReport(const TransformerDesign& d) {
    std::vector<ReportLine> lines;
    auto text = [&](const char* t) { lines.push_back({t, std::nullopt}); };
    auto value = [&](const char* t, std::variant<float, int16_t> number) { lines.push_back({t, number}); };

    text("Результаты расчета выпрямителя");
    text("");
    text("");
    text("");
    for (int i = 1; i <= d.SecondaryCount; ++i) {
        value("Обмотка:", int16_t(i));
        value("Переменное напряжение на обмотке, В :", d.SecVoltage.at(i));
        value("Максимальный ток, протекающий через обмотку, А :", d.SecCurrent.at(i));
        value("Максимальный ток, протекающий через диод моста, А :", d.DiodeCurrent.at(i));
        value("Обратное напряжение, приложенное к диоду моста, В :", d.DiodeReverseVoltage.at(i));
        text("");
    }
    text("Данные трансформатора");
    text("");
    value("Мощность вторичных обмоток, Вт :", d.SecondaryPower);
    value("Ток первичной обмотки, А :", d.PrimaryCurrent);
    value("Диаметр провода первичной обмотки, мм :", d.PrimaryWireDiameter);
    value("Количество витков первичной обмотки:", d.PrimaryTurns);
    // Here the primary is winding 1, so the secondaries are numbered from 2.
    for (int i = 1; i <= d.SecondaryCount; ++i) {
        text("");
        value("Обмотка", AddInt16(i, 1));
        value("Диаметр провода, мм :", d.SecWireDiameter.at(i));
        value("Количество витков:", d.SecTurns.at(i));
    }
    return lines;
}

}  // namespace vokta
