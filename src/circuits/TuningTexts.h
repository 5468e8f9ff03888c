#pragma once

// The refusals that both tuned-circuit calculations give, in one wording.

namespace vokta {

inline constexpr const char* kInductanceZero = "Индуктивность контура не может быть равна нулю.";
inline constexpr const char* kFminZero = "Минимальная частота диапазона не может быть равна нулю.";
inline constexpr const char* kFmaxZero = "Максимальная частота диапазона не может быть равна нулю.";
inline constexpr const char* kMinBelowMax = "Минимальная частота диапазона должна быть меньше максимальной.";
inline constexpr const char* kCapMinBelowMax = "Минимальная емкость КПЕ должна быть меньше максимальной.";

}  // namespace vokta
