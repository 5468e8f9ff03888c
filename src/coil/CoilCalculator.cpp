#include "coil/CoilCalculator.h"

#include <cmath>

#include "base/Units.h"

namespace vokta {

namespace {

// Beyond this the nearest whole number of turns is a poor match, and the user is told.
constexpr double kCoarseDeviationPct = 10;

std::string Value(double x, const NumberFormat& format) {
    return CoilValueText(x, format);
}

std::string Whole(int n) {
    return std::to_string(n);
}

// "при 21 витке", "при 14 витках".
std::string AtTurns(int n) {
    return "при " + Whole(n) + (n % 10 == 1 && n % 100 != 11 ? " витке" : " витках");
}

void Replace(std::string& text, const std::string& mark, const std::string& by) {
    if (const size_t at = text.find(mark); at != std::string::npos) text.replace(at, mark.size(), by);
}

}  // namespace

std::string CoilValueText(double x, const NumberFormat& format) {
    if (x == 0 || !std::isfinite(x)) return LocaleNumberText(x, format);
    const int decimals = 3 - int(std::floor(std::log10(std::fabs(x))));
    const double scale = std::pow(10.0, std::abs(decimals));
    return LocaleNumberText(decimals >= 0 ? std::round(x * scale) / scale : std::round(x / scale) * scale,
                            format);
}

std::optional<CoilFault> FindCoilFault(const CoilTask& t) {
    // Negated comparisons, so that a NaN is out of its domain too.
    auto fault = [](CoilInput input, std::string message) { return CoilFault{input, std::move(message)}; };
    if (!(t.inductanceUH > 0)) return fault(CoilInput::Inductance, "Индуктивность должна быть больше нуля.");
    if (!(t.inductanceUH >= kMinCoilInductanceUH))
        return fault(CoilInput::Inductance, "Индуктивность должна быть не меньше 1 нГн.");
    if (!(t.inductanceUH <= kMaxCoilInductanceUH))
        return fault(CoilInput::Inductance, "Индуктивность должна быть не больше 1000000 мкГн.");
    if (!(t.frequencyMHz > 0)) return fault(CoilInput::Frequency, "Частота должна быть больше нуля.");
    if (!t.AirCore() && !FindToroidCore(t.coreName))
        return fault(CoilInput::Core, "Сердечника «" + t.coreName + "» нет в каталоге.");
    if (t.AirCore()) {
        if (!(t.formerDiameterMm > 0))
            return fault(CoilInput::FormerDiameter, "Диаметр каркаса должен быть больше нуля.");
        if (!(t.formerDiameterMm <= kMaxFormerDiameterMm))
            return fault(CoilInput::FormerDiameter, "Диаметр каркаса должен быть не больше 1000 мм.");
        if (!WireOfNominal(t.wireMm))
            return fault(CoilInput::Wire, "Выберите диаметр провода из списка стандартных размеров.");
    }
    return std::nullopt;
}

CoilAnswer CalcCoil(const CoilTask& task, const NumberFormat& format) {
    CoilAnswer answer;
    const double wanted = task.inductanceUH * units::kMicroToBase;
    const std::optional<ToroidCore> core = task.AirCore() ? std::nullopt : FindToroidCore(task.coreName);
    const std::optional<EnamelledWire> chosenWire = WireOfNominal(task.wireMm);
    answer.winding = core         ? WindToroid(*core, wanted)
                     : chosenWire ? WindAirCore(task.formerDiameterMm, *chosenWire, wanted)
                                  : std::nullopt;
    if (!answer.winding) {
        answer.warnings.push_back("Для индуктивности " + Value(task.inductanceUH, format) +
                                  " мкГн понадобилось бы больше " + Whole(kMaxCoilTurns) + " витков.");
        return answer;
    }
    const CoilWinding& w = *answer.winding;
    auto row = [&answer](std::string quantity, std::string value, std::string unit) {
        answer.rows.push_back({std::move(quantity), std::move(value), std::move(unit)});
    };
    auto uH = [&format](double henry) { return Value(henry * units::kBaseToMicro, format); };
    const std::string mm = "мм", microhenry = "мкГн";

    if (core) {
        const CoreMix& mix = *core->mix;
        row("Сердечник", core->Name(), "");
        row("Коэффициент индуктивности A_L", Value(core->alNanohenry, format), "нГн/вит²");
        row("Допуск A_L", "±" + Value(mix.alTolerance * 100, format), "%");
        row("Наружный диаметр", Value(core->outerMm, format), mm);
        row("Внутренний диаметр", Value(core->innerMm, format), mm);
        row("Высота", Value(core->heightMm, format), mm);
        row("Рабочий диапазон частот материала",
            Value(mix.minHz / units::kMegaToBase, format) + "…" +
                Value(mix.maxHz / units::kMegaToBase, format),
            "МГц");
    } else {
        row("Диаметр каркаса", Value(task.formerDiameterMm, format), mm);
    }
    const double deviationPct = (w.inductanceH / wanted - 1) * 100;
    row("Число витков", Whole(w.turns), "вит.");
    row("Индуктивность", uH(w.inductanceH), microhenry);
    row("Отклонение от заданной", FormatLocale("%+.1f", deviationPct, format), "%");
    if (w.turns > 1) row("Индуктивность " + AtTurns(w.turns - 1), uH(w.fewerH), microhenry);
    row("Индуктивность " + AtTurns(w.turns + 1), uH(w.moreH), microhenry);
    if (w.wire) {
        row("Диаметр провода", Value(w.wire->nominalMm, format), mm);
        row("Диаметр провода в изоляции", Value(w.wire->overallMm, format), mm);
    }
    if (!core) row("Длина намотки", Value(w.coilLengthMm, format), mm);
    if (w.wire) row("Длина провода с выводами 2 × 25 мм", Value(w.wireLengthMm, format), mm);

    if (core) {
        const CoreMix& mix = *core->mix;
        const double hz = task.frequencyMHz * units::kMegaToBase;
        if (hz < mix.minHz || hz > mix.maxHz) {
            std::string text =
                "Частота {f} МГц лежит вне рабочего диапазона материала сердечника {core} "
                "({min}…{max} МГц).";
            Replace(text, "{f}", Value(task.frequencyMHz, format));
            Replace(text, "{core}", core->Name());
            Replace(text, "{min}", Value(mix.minHz / units::kMegaToBase, format));
            Replace(text, "{max}", Value(mix.maxHz / units::kMegaToBase, format));
            answer.warnings.push_back(text);
        }
        if (!w.wire) {
            std::string text =
                "Обмотка из {n} вит. не помещается в один слой на сердечнике {core} даже из "
                "самого тонкого провода ({d} мм): выберите сердечник больше или с большим A_L.";
            Replace(text, "{n}", Whole(w.turns));
            Replace(text, "{core}", core->Name());
            Replace(text, "{d}", Value(EnamelledWires().front().nominalMm, format));
            answer.warnings.push_back(text);
        }
    }
    if (std::fabs(deviationPct) > kCoarseDeviationPct)
        answer.warnings.push_back("Целое число витков дает индуктивность, отличающуюся от заданной на " +
                                  Value(std::fabs(deviationPct), format) + " %: " +
                                  (core ? "выберите сердечник с меньшим A_L."
                                        : "выберите каркас меньшего диаметра или более тонкий провод."));
    return answer;
}

}  // namespace vokta
