#pragma once

// The four conversions between text and numbers that every calculator uses.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vokta {

// The user's number format: decimal and digit-group separators (UTF-8), as the desktop settings give them.
struct NumberFormat {
    std::string decimal = ".";
    std::string group = ",";
};

// Reads a number as a user types it, with a point as decimal separator, and never fails on text:
// blanks anywhere are dropped, the longest numeric beginning counts (exponent letters E, e, D, d),
// "&H" / "&O" forms are 16- or 32-bit integers, and text without a digit reads as 0. Only a value
// beyond the double range throws (Overflow).
double ParseNumber(std::string_view text);

// Reads a number typed into a field: the whole text, blanks around it aside, must be a number of the
// form [+-]digits[.digits][(E|e|D|d)[+-]digits] (or a whole "&H" / "&O" form). A point is always the
// decimal separator, and a comma is one too when the user's format has a decimal comma. Anything else
// ("60 Ом", "1,000" in an English format, "abc", "") gives nothing. A number beyond the double range
// throws Overflow, as ParseNumber does; a complete number reads exactly as ParseNumber reads it.
std::optional<double> ParseTypedNumber(std::string_view text, const NumberFormat& format);

// Writes a number with a point: 7 significant digits for a single, 15 for a double, every digit of
// a 16-bit integer; scientific notation outside 1E-05 < |x| < 10^digits; a blank in front of a
// non-negative number, no zero before the point (" .5", "-2.5", " 1.234568E+07").
std::string NumberText(float x);
std::string NumberText(double x);
std::string NumberText(int16_t x);

// The same digits in the user's format: the user's decimal separator, a zero before it ("0,5"),
// no blank in front, no digit grouping.
std::string LocaleNumberText(float x, const NumberFormat& format);
std::string LocaleNumberText(double x, const NumberFormat& format);
std::string LocaleNumberText(int16_t x, const NumberFormat& format);

// Reads a whole text in the user's format (blanks around it allowed, group separators allowed in the
// integer part). A text that is not such a number is TypeMismatch; a value beyond the target is Overflow.
double LocaleParseDouble(std::string_view text, const NumberFormat& format);
float LocaleParseSingle(std::string_view text, const NumberFormat& format);
int16_t LocaleParseInt16(std::string_view text, const NumberFormat& format);

// printf of one number in the C format (a point as decimal separator) whatever the C library's
// locale is; for number text in files and netlists.
std::string FormatC(const char* printfFormat, double x);
// The same with the user's decimal separator in place of the point, for texts on the screen.
std::string FormatLocale(const char* printfFormat, double x, const NumberFormat& format);

template <typename T>
T LocaleParseNumber(std::string_view text, const NumberFormat& format);
template <>
inline double LocaleParseNumber<double>(std::string_view text, const NumberFormat& format) {
    return LocaleParseDouble(text, format);
}
template <>
inline float LocaleParseNumber<float>(std::string_view text, const NumberFormat& format) {
    return LocaleParseSingle(text, format);
}
template <>
inline int16_t LocaleParseNumber<int16_t>(std::string_view text, const NumberFormat& format) {
    return LocaleParseInt16(text, format);
}

}  // namespace vokta
