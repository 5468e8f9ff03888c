#pragma once

// The refusals that both tuned-circuit calculations and their windows give, in one wording.

#include <optional>
#include <string>

#include "base/TypedField.h"

namespace vokta {

inline constexpr const char* kInductanceZero = "Индуктивность контура не может быть равна нулю.";
inline constexpr const char* kFminZero = "Минимальная частота диапазона не может быть равна нулю.";
inline constexpr const char* kFmaxZero = "Максимальная частота диапазона не может быть равна нулю.";
inline constexpr const char* kMinBelowMax = "Минимальная частота диапазона должна быть меньше максимальной.";
inline constexpr const char* kCapMinBelowMax = "Минимальная емкость КПЕ должна быть меньше максимальной.";

// Why a source value of a tuned-circuit window cannot be used: the frequencies, the inductance and the
// capacitances must all be above zero. The sentence names the field by its caption and quotes its text;
// nothing when the value is above zero. The windows ask it of each field as they read it, top to bottom,
// so that a field is refused before a field below it is read.
std::optional<std::string> FindTuningFault(const TypedField& field);

}  // namespace vokta
