#include "circuits/TuningTexts.h"

namespace vokta {

std::optional<std::string> FindTuningFault(const TypedField& field) {
    if (field.value > 0) return std::nullopt;  // negated, so that a NaN is refused too
    return "Значение в поле «" + field.caption + "» должно быть больше нуля, а введено «" + field.text + "».";
}

}  // namespace vokta
