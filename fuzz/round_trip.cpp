// LocaleNumberText and LocaleParseNumber are inverse on the same machine: a 16-bit integer comes back
// exactly; a single or a double comes back as its value at 7 or 15 significant digits (the digits the
// text holds), and writing that again gives the same text.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "FuzzCommon.h"

namespace {

template <typename T>
T From(const uint8_t* data) {
    T value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

template <typename T>
void Check(T x, int digits, const vokta::NumberFormat& format) {
    if (!std::isfinite(x)) return;
    const std::string text = vokta::LocaleNumberText(x, format);
    if (fuzz::SignificantDigits(text) > digits) fuzz::Fail("too many digits", text);
    const T back = vokta::LocaleParseNumber<T>(text, format);
    // The value at that many significant digits, rounded to the type.
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.*e", digits - 1, double(x));
    double expected = std::strtod(rounded, nullptr);
    if (std::isinf(expected)) expected = std::copysign(std::numeric_limits<double>::max(), expected);
    if (back != static_cast<T>(expected)) fuzz::Fail("value does not come back", text);
    if (vokta::LocaleNumberText(back, format) != text) fuzz::Fail("text does not come back", text);
    if (vokta::NumberText(x).size() < 2) fuzz::Fail("NumberText too short", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const vokta::NumberFormat& format = (data[0] & 1) ? fuzz::kRussian : fuzz::kEnglish;
    ++data, --size;
    if (size >= sizeof(double)) Check(From<double>(data), 15, format);
    if (size >= sizeof(float)) Check(From<float>(data), 7, format);
    if (size >= sizeof(int16_t)) {
        const int16_t x = From<int16_t>(data);
        if (vokta::LocaleParseNumber<int16_t>(vokta::LocaleNumberText(x, format), format) != x)
            fuzz::Fail("integer does not come back", vokta::LocaleNumberText(x, format));
    }
    return 0;
}
