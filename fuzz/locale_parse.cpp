// LocaleParseNumber in a Russian and an English format, to each target type: it either reads the whole
// text as a number of that type, or throws TypeMismatch or Overflow; what it reads writes back to a
// text that reads as the same value.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "FuzzCommon.h"

namespace {

template <typename T>
void Check(std::string_view text, const vokta::NumberFormat& format) {
    try {
        const T value = vokta::LocaleParseNumber<T>(text, format);
        if constexpr (!std::is_integral_v<T>)
            if (!std::isfinite(value)) fuzz::Fail("non-finite value", std::string(text));
        const std::string written = vokta::LocaleNumberText(value, format);
        const T again = vokta::LocaleParseNumber<T>(written, format);
        if (vokta::LocaleNumberText(again, format) != written) fuzz::Fail("text is not stable", written);
    } catch (const vokta::RuntimeError& e) {
        if (e.kind() != vokta::ErrorKind::TypeMismatch && e.kind() != vokta::ErrorKind::Overflow)
            fuzz::Fail("unexpected error kind", std::string(text));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const vokta::NumberFormat& format = (data[0] & 1) ? fuzz::kRussian : fuzz::kEnglish;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    switch ((data[0] >> 1) % 3) {
        case 0:
            Check<double>(text, format);
            break;
        case 1:
            Check<float>(text, format);
            break;
        default:
            Check<int16_t>(text, format);
            break;
    }
    return 0;
}
