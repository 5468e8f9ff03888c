#include "filters/FilterDesignFile.h"

namespace vokta {

namespace {

const DesignKind& Kind();

TypedField Field(const DesignRecord& record, const char* name, bool used) {
    const DesignInput& input = InputOf(Kind(), name);
    std::string text = record.texts.at(name);
    text.erase(0, text.find_first_not_of(" \t"));
    text.erase(text.find_last_not_of(" \t") + 1);
    return {input.caption, text, used ? DesignNumber(record, input) : UnusedDesignNumber(record, input)};
}

const DesignKind& Kind() {
    static const DesignKind kind{
        "filter",
        "Расчет фильтров",
        {
            {"Option1", "Тип фильтра", DesignInputKind::Choice, 4},
            {"Option2", "Тип АЧХ фильтра", DesignInputKind::Choice, 2},
            {"CheckARC", "Активный фильтр", DesignInputKind::Flag},
            {"CmbAmin", "Затухание в полосе пропускания, дБ", DesignInputKind::Text, 0, "0.5"},
            {"TxtAs", "Затухание в полосе задерживания, дБ"},
            {"TxtF1", "Граничная частота, Гц"},
            {"TxtFright", "Правая граничная частота, Гц"},
            {"TxtFleft", "Левая граничная частота, Гц"},
            {"TxtFs", "Частота среза, Гц"},
            {"CmbRn", "Сопротивление нагрузки, Ом", DesignInputKind::Text, 0, "50"},
        },
        {},
        {},
        {},
        [](const DesignRecord& record) -> std::optional<DesignFault> {
            const FilterRequest request = FilterRequestOf(record);
            const auto fault = FindFilterFault(request);
            if (!fault) return std::nullopt;
            const char* inputs[] = {"Option1", "TxtAs", "TxtF1", "TxtFright", "TxtFleft", "TxtFs", "CmbRn"};
            return DesignFault{inputs[int(fault->field)], fault->message};
        }};
    return kind;
}

}  // namespace

const DesignKind& FilterDesignKind() {
    return Kind();
}

FilterRequest FilterRequestOf(const DesignRecord& record) {
    const FilterType types[] = {FilterType::LowPass, FilterType::HighPass, FilterType::BandPass,
                                FilterType::BandStop};
    FilterRequest request;
    request.type = types[record.choices.at("Option1")];
    request.active = record.flags.at("CheckARC");
    request.activeCaption = "Активный фильтр";
    const bool band = IsBandFilter(request.type);
    // Read top to bottom, as the window reads them.
    request.amin = Field(record, "CmbAmin", true);
    request.astop = Field(record, "TxtAs", true);
    request.f1 = Field(record, "TxtF1", !band);
    request.fright = Field(record, "TxtFright", band);
    request.fleft = Field(record, "TxtFleft", band);
    request.fs = Field(record, "TxtFs", true);
    request.rn = Field(record, "CmbRn", !request.active);
    if (request.type == FilterType::BandStop) {
        request.amin.caption = "Затухание за полосой режекции,дБ";
        request.astop.caption = "Затухание в полосе режекции,дБ";
    }
    return request;
}

}  // namespace vokta
