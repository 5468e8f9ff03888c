#include "coil/CoilDesignFile.h"

namespace vokta {

const DesignKind& CoilDesignKind() {
    static const DesignKind kind{"coil",
                                 "Расчет катушки",
                                 {
                                     {"TxtL", "Индуктивность, мкГн"},
                                     {"TxtF", "Частота, МГц"},
                                     {"CmbCore", "Сердечник", DesignInputKind::Text, 0, "T-50-2"},
                                     {"TxtD", "Диаметр каркаса, мм"},
                                     {"CmbWire", "Диаметр провода, мм", DesignInputKind::Text, 0, "0.5"},
                                 },
                                 {},
                                 {},
                                 {},
                                 [](const DesignRecord& record) -> std::optional<DesignFault> {
                                     const auto fault = FindCoilFault(CoilTaskOf(record));
                                     if (!fault) return std::nullopt;
                                     const char* inputs[] = {"TxtL", "TxtF", "CmbCore", "TxtD", "CmbWire"};
                                     return DesignFault{inputs[int(fault->input)], fault->message};
                                 }};
    return kind;
}

CoilTask CoilTaskOf(const DesignRecord& record) {
    const DesignKind& kind = CoilDesignKind();
    auto number = [&](const char* name) { return DesignNumber(record, InputOf(kind, name)); };
    CoilTask task;
    task.inductanceUH = number("TxtL");
    task.frequencyMHz = number("TxtF");
    task.coreName = record.texts.at("CmbCore");
    if (task.AirCore()) {
        task.formerDiameterMm = number("TxtD");
        task.wireMm = number("CmbWire");
    }
    return task;
}

}  // namespace vokta
