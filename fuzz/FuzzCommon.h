#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/NumberText.h"
#include "base/RuntimeError.h"

namespace fuzz {

inline const vokta::NumberFormat kRussian{",", "\xC2\xA0"};
inline const vokta::NumberFormat kEnglish{".", ","};

[[noreturn]] inline void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

// The significant digits of NumberText: no more than the type's precision.
inline int SignificantDigits(const std::string& text) {
    int digits = 0;
    bool leading = true;
    for (char c : text) {
        if (c == 'E') break;
        if (c < '0' || c > '9') continue;
        if (leading && c == '0') continue;
        leading = false;
        ++digits;
    }
    return digits;
}

}  // namespace fuzz
