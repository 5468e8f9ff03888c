#include "circuits/CircuitDesignFiles.h"

#include "circuits/TuningTexts.h"

namespace vokta {

namespace {

// Reads the six values top to bottom, each refused as the windows refuse it.
std::vector<double> Values(const DesignKind& kind, const DesignRecord& record) {
    std::vector<double> values;
    for (const DesignInput& input : kind.inputs) {
        std::string text = record.texts.at(input.name);
        text.erase(0, text.find_first_not_of(" \t"));
        text.erase(text.find_last_not_of(" \t") + 1);
        const TypedField field{input.caption, text, DesignNumber(record, input)};
        if (const auto fault = FindTuningFault(field)) throw DesignFault{input.name, *fault};
        values.push_back(field.value);
    }
    return values;
}

DesignKind Kind(const char* id, std::vector<DesignInput> inputs,
                std::function<void(const DesignRecord&)> read) {
    return {id,
            "Расчет контура",
            std::move(inputs),
            {},
            {},
            {},
            [read](const DesignRecord& record) -> std::optional<DesignFault> {
                read(record);
                return std::nullopt;
            }};
}

}  // namespace

const DesignKind& BandSpreadDesignKind() {
    static const DesignKind kind = Kind("bandspread",
                                        {{"TxtFmax", "Максимальная частота диапазона, МГц"},
                                         {"TxtFmin", "Минимальная частота диапазона, МГц"},
                                         {"TxtL", "Индуктивность контура, мкГн"},
                                         {"TxtC3max", "Максимальная емкость КПЕ, пФ"},
                                         {"TxtC3min", "Минимальная емкость КПЕ, пФ"},
                                         {"TxtC4", "Входная емкость транзистора, пФ"}},
                                        [](const DesignRecord& record) { BandSpreadInputOf(record); });
    return kind;
}

const DesignKind& ThreePointDesignKind() {
    static const DesignKind kind = Kind("threepoint",
                                        {{"TxtFmax", "Максимальная частота диапазона, МГц"},
                                         {"TxtFmin", "Минимальная частота диапазона, МГц"},
                                         {"TxtL", "Индуктивность контура, мкГн"},
                                         {"TxtCmax", "Максимальная емкость КПЕ, пФ"},
                                         {"TxtCmin", "Минимальная емкость КПЕ, пФ"},
                                         {"TxtCcp", "Емкость КПЕ в среднем положении, пФ"}},
                                        [](const DesignRecord& record) { ThreePointInputOf(record); });
    return kind;
}

BandSpreadInput BandSpreadInputOf(const DesignRecord& record) {
    const std::vector<double> v = Values(BandSpreadDesignKind(), record);
    return {v[0], v[1], v[2], v[3], v[4], v[5]};
}

ThreePointInput ThreePointInputOf(const DesignRecord& record) {
    const std::vector<double> v = Values(ThreePointDesignKind(), record);
    return {v[0], v[1], v[2], v[3], v[4], v[5]};
}

}  // namespace vokta
