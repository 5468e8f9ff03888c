#include "transformer/TransformerDesignFile.h"

#include "base/Checked.h"
#include "base/RuntimeError.h"

namespace vokta {

namespace {

const DesignKind& Kind() {
    static const DesignKind kind{
        "transformer",
        "Расчет трансформаторов",
        {
            {"Option1", "Тип сердечника", DesignInputKind::Choice, 3},
            {"TxtA", "a, см"},
            {"TxtB", "b, см"},
            {"TxtC", "c, см"},
            {"TxtH", "h, см"},
            {"TxtU1", "Напряжение сети, В", DesignInputKind::Text, 0, "220"},
            {"Combo1", "Толщина стали сердечника"},
        },
        "windings",
        {"voltage", "current"},
        {"Введите требуемое напряжение нагрузки, В", "Введите требуемый ток нагрузки, А"},
        [](const DesignRecord& record) -> std::optional<DesignFault> {
            double thickness = 0;
            const TransformerInput input = TransformerInputOf(record, thickness);
            if (const auto fault = FindCoreFault(input.type, input.core, input.mainsVoltage, thickness)) {
                const char* inputs[] = {"TxtA", "TxtB", "TxtC", "TxtH", "TxtU1", "Combo1"};
                return DesignFault{inputs[int(fault->field)], fault->message};
            }
            if (!SteelFillFor(input.type, thickness))
                return DesignFault{"Combo1", "толщины стали сердечника нет в списке"};
            for (size_t i = 0; i < input.loads.size(); ++i) {
                const int winding = int(i) + 1;
                for (auto [which, value] : {std::pair{LoadValue::Voltage, input.loads[i].voltage},
                                            std::pair{LoadValue::Current, input.loads[i].current}})
                    if (const auto fault = FindLoadFault(winding, which, value))
                        return DesignFault{"windings", *fault};
            }
            return std::nullopt;
        }};
    return kind;
}

float Answer(const DesignRecord& record, size_t row, size_t column) {
    const std::string& text = record.rows[row][column];
    const std::string where = "обмотки " + std::to_string(row + 1) + " (" + Kind().rowColumns[column] + ")";
    std::optional<double> value;
    try {
        value = ParseTypedNumber(text, NumberFormat{".", ","});
    } catch (const RuntimeError&) {
    }
    if (!value) throw DesignFault{"windings", "ответ «" + text + "» " + where + " должен быть числом"};
    try {
        return Single(*value);
    } catch (const RuntimeError&) {
        throw DesignFault{"windings", "ответ «" + text + "» " + where + " вне допустимых пределов"};
    }
}

}  // namespace

const DesignKind& TransformerDesignKind() {
    return Kind();
}

TransformerInput TransformerInputOf(const DesignRecord& record, double& thicknessMm) {
    const DesignKind& kind = Kind();
    TransformerInput input;
    input.type = CoreType(record.choices.at("Option1"));
    const bool toroid = input.type == CoreType::Toroidal;
    input.core = {DesignNumber(record, InputOf(kind, "TxtA")), DesignNumber(record, InputOf(kind, "TxtB")),
                  toroid ? 0.0 : DesignNumber(record, InputOf(kind, "TxtC")),
                  DesignNumber(record, InputOf(kind, "TxtH"))};
    input.mainsVoltage = DesignNumber(record, InputOf(kind, "TxtU1"));
    thicknessMm = DesignNumber(record, InputOf(kind, "Combo1"));
    input.steelFill = SteelFillFor(input.type, thicknessMm).value_or(0.0f);
    if (record.rows.size() > size_t(kMaxSecondaryWindings))
        throw DesignFault{"windings", "в нем " + std::to_string(record.rows.size()) +
                                          " вторичных обмоток, а программа рассчитывает не больше " +
                                          std::to_string(kMaxSecondaryWindings)};
    for (size_t i = 0; i < record.rows.size(); ++i)
        input.loads.push_back({Answer(record, i, 0), Answer(record, i, 1)});
    return input;
}

}  // namespace vokta
