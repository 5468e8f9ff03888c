#include "rfpath/RfPathDesignFile.h"

namespace vokta {

const DesignKind& RfPathDesignKind() {
    static const DesignKind kind{
        "rfpath",
        "Расчет контуров тракта РЧ",
        {
            {"Option1", "Связь с транзистором", DesignInputKind::Choice, 2},
            {"Option2", "Вид модуляции", DesignInputKind::Choice, 3},
            {"CheckAnt", "Магнитная антенна", DesignInputKind::Flag},
            {"Check2", "Индуктивная связь с контуром", DesignInputKind::Flag},
            {"Check3", "Удлиненная антенна", DesignInputKind::Flag},
            {"TxtFmax", "Максимальная частота диапазона, МГц"},
            {"TxtFmin", "Минимальная частота диапазона, МГц"},
            {"CmbFpr", "Промежуточная частота, МГц", DesignInputKind::Text, 0, "0.465"},
            {"TxtSel", "Селективность по зеркальному каналу, дБ"},
            {"Combo1", "Эквивалентное затухание контура", DesignInputKind::Text, 0, "0.01"},
            {"Combo2", "Неравномерность АЧХ тракта РЧ, дБ", DesignInputKind::Text, 0, "0.5"},
            {"Combo3", "Нестабильность частоты гетеродина", DesignInputKind::Text, 0, "1e-3"},
            {"TxtM", "Индекс модуляции", DesignInputKind::Text, 0, ""},
            {"TxtF", "Максимальная частота модуляции, Гц", DesignInputKind::Text, 0, "3000"},
        },
        {},
        {},
        {},
        [](const DesignRecord& record) -> std::optional<DesignFault> {
            const auto fault = FindDomainFault(RfPathTaskOf(record));
            if (!fault) return std::nullopt;
            const char* inputs[] = {"TxtFmax", "TxtFmin", "CmbFpr", "Combo1",
                                    "Combo2",  "Combo3",  "TxtF",   "TxtM"};
            return DesignFault{inputs[int(fault->input)], fault->message};
        }};
    return kind;
}

RfPathTask RfPathTaskOf(const DesignRecord& record) {
    const DesignKind& kind = RfPathDesignKind();
    auto number = [&](const char* name) { return DesignNumber(record, InputOf(kind, name)); };
    RfPathTask task;
    task.fmaxMHz = number("TxtFmax");
    task.fminMHz = number("TxtFmin");
    task.ifMHz = number("CmbFpr");
    task.selectivityDb = number("TxtSel");
    task.circuitDamping = number("Combo1");
    task.unevennessDb = number("Combo2");
    task.instability = number("Combo3");
    task.modulationHz = number("TxtF");
    const Modulation modulations[] = {Modulation::AM, Modulation::SSB, Modulation::FM};
    task.modulation = modulations[record.choices.at("Option2")];
    if (task.modulation == Modulation::FM) task.modulationIndex = number("TxtM");
    task.coupling = record.choices.at("Option1") == 1 ? TransistorCoupling::Inductive
                                                      : TransistorCoupling::TappedCapacitance;
    task.magneticAntenna = record.flags.at("CheckAnt");
    task.coilCoupledAntenna = record.flags.at("Check2");
    task.longAntenna = record.flags.at("Check3");
    return task;
}

}  // namespace vokta
