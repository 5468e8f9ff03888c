// ParseNumber never fails on text: whatever the bytes, it returns a finite number, or throws
// Overflow for a value beyond the double range, and nothing else.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "FuzzCommon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = vokta::ParseNumber(text);
        if (!std::isfinite(value)) fuzz::Fail("ParseNumber gave a non-finite value", std::string(text));
        // What it read, written and read again, is the same number.
        const std::string written = vokta::NumberText(value);
        if (fuzz::SignificantDigits(written) > 15) fuzz::Fail("more than 15 digits", written);
        const double again = vokta::ParseNumber(written);
        if (std::fabs(again - value) > std::fabs(value) * 1e-14)
            fuzz::Fail("text does not read back", written);
    } catch (const vokta::RuntimeError& e) {
        if (e.kind() != vokta::ErrorKind::Overflow) fuzz::Fail("unexpected error kind", std::string(text));
    }
    return 0;
}
