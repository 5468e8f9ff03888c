#include "base/NumberText.h"

#include <locale.h>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "base/Checked.h"
#include "base/RuntimeError.h"

namespace vokta {

namespace {

// The C library reads and writes numbers in the C locale's format here, whatever locale the
// application runs in (Qt sets the user's at start-up; a Russian one would read "16.5" as 16).
#ifdef _WIN32
_locale_t CLocale() {
    static const _locale_t c = _create_locale(LC_ALL, "C");
    return c;
}
double StrToD(const char* text) {
    return _strtod_l(text, nullptr, CLocale());
}
long double StrToLD(const char* text) {
    return _strtold_l(text, nullptr, CLocale());
}
int FormatInC(char* buf, size_t size, const char* format, int decimals, double x) {
    return _snprintf_l(buf, size, format, CLocale(), decimals, x);
}
#else
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}
double StrToD(const char* text) {
    return strtod_l(text, nullptr, CLocale());
}
long double StrToLD(const char* text) {
    return strtold_l(text, nullptr, CLocale());
}
int FormatInC(char* buf, size_t size, const char* format, int decimals, double x) {
    const locale_t previous = uselocale(CLocale());
    const int n = std::snprintf(buf, size, format, decimals, x);
    uselocale(previous);
    return n;
}
#endif

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "&H..." or "&O..." after the blanks are gone; 'text' starts after the prefix.
double ParseRadix(std::string_view text, int radix) {
    uint64_t value = 0;
    size_t digits = 0;
    for (char c : text) {
        const int d = HexValue(c);
        if (d < 0 || d >= radix) break;
        value = value * radix + d;
        ++digits;
        if (value > 0xFFFFFFFFull) throw RuntimeError(ErrorKind::Overflow);
    }
    // Short forms are 16-bit, longer ones 32-bit, both read as signed ("&HFFFF" is -1).
    const bool shortForm = radix == 16 ? digits <= 4 : (digits <= 6 && value <= 0xFFFF);
    if (shortForm) return static_cast<int16_t>(static_cast<uint16_t>(value));
    if (radix == 16 && digits > 8) throw RuntimeError(ErrorKind::Overflow);
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// The digits of |x| rounded to 'precision' significant digits, and the decimal exponent e
// of the rounded magnitude m * 10^e, 1 <= m < 10.
struct Digits {
    std::string mantissa;  // without trailing zeros, at least one digit
    int exponent = 0;
};

Digits SignificantDigits(double magnitude, int precision) {
    char buf[64];
    FormatInC(buf, sizeof buf, "%.*e", precision - 1, magnitude);
    Digits d;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (IsDigit(*p)) d.mantissa.push_back(*p);
    if (*p == 'e') d.exponent = std::atoi(p + 1);
    while (d.mantissa.size() > 1 && d.mantissa.back() == '0') d.mantissa.pop_back();
    return d;
}

struct Style {
    std::string decimal;
    bool zeroBeforePoint;
    bool blankBeforePositive;
};

std::string Format(double x, int precision, const Style& style) {
    std::string sign = std::signbit(x) && x != 0.0 ? "-" : (style.blankBeforePositive ? " " : "");
    if (std::isnan(x)) return sign + "NaN";
    if (std::isinf(x)) return sign + "Inf";
    const double magnitude = std::fabs(x);
    if (magnitude == 0.0) return sign + "0";
    const Digits d = SignificantDigits(magnitude, precision);
    const int e = d.exponent;
    std::string body;
    if (e > -5 && e < precision) {
        if (e >= 0) {
            std::string intPart = d.mantissa.substr(0, std::min<size_t>(d.mantissa.size(), e + 1));
            intPart.append(e + 1 - intPart.size(), '0');
            const std::string frac = d.mantissa.size() > size_t(e + 1) ? d.mantissa.substr(e + 1) : "";
            body = intPart + (frac.empty() ? "" : style.decimal + frac);
        } else {
            body = (style.zeroBeforePoint ? "0" : "") + style.decimal + std::string(-e - 1, '0') + d.mantissa;
        }
    } else {
        body = d.mantissa.substr(0, 1);
        if (d.mantissa.size() > 1) body += style.decimal + d.mantissa.substr(1);
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", e < 0 ? '-' : '+', std::abs(e));
        body += exp;
    }
    return sign + body;
}

const Style kPlain{".", false, true};

Style LocaleStyle(const NumberFormat& format) {
    return Style{format.decimal, true, false};
}

bool StartsWith(std::string_view text, size_t pos, std::string_view what) {
    return !what.empty() && text.substr(pos, what.size()) == what;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Strips blanks (and the no-break space that some formats use for grouping) from both ends.
std::string_view Trim(std::string_view text) {
    auto blankAt = [&](size_t pos, size_t& len) {
        if (pos < text.size() && IsBlank(text[pos])) return len = 1, true;
        if (StartsWith(text, pos, "\xC2\xA0")) return len = 2, true;
        return false;
    };
    size_t len = 0;
    while (!text.empty() && blankAt(0, len)) text.remove_prefix(len);
    while (!text.empty()) {
        if (IsBlank(text.back())) {
            text.remove_suffix(1);
        } else if (text.size() >= 2 && text.substr(text.size() - 2) == "\xC2\xA0") {
            text.remove_suffix(2);
        } else {
            break;
        }
    }
    return text;
}

bool IsGroupOfThree(std::string_view t, size_t pos) {
    if (pos + 3 > t.size()) return false;
    for (size_t k = pos; k < pos + 3; ++k)
        if (!IsDigit(t[k])) return false;
    return pos + 3 == t.size() || !IsDigit(t[pos + 3]);
}

// strtod with the program's overflow rule. The largest double written with 15 digits,
// 1.79769313486232E+308, lies just above the double range; it reads back as the largest double, so
// that every number the program writes can be read again.
double ToDouble(const std::string& number) {
    const double value = StrToD(number.c_str());
    if (!std::isinf(value)) return value;
    if (std::fabs(StrToLD(number.c_str())) <= 1.79769313486232E+308L)
        return std::copysign(std::numeric_limits<double>::max(), value);
    throw RuntimeError(ErrorKind::Overflow);
}

}  // namespace

double ParseNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return ParseRadix(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o') return ParseRadix(std::string_view(s).substr(2), 8);
        if (s[1] >= '0' && s[1] <= '7') return ParseRadix(std::string_view(s).substr(1), 8);
    }

    // The longest leading part of the form [+-]digits[.digits][(E|e|D|d)[+-]digits].
    std::string number;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.push_back(s[i++]);
    bool anyDigit = false;
    while (i < s.size() && IsDigit(s[i])) number.push_back(s[i++]), anyDigit = true;
    if (i < s.size() && s[i] == '.') {
        number.push_back(s[i++]);
        while (i < s.size() && IsDigit(s[i])) number.push_back(s[i++]), anyDigit = true;
    }
    if (!anyDigit) return 0.0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
        const size_t firstDigit = j;
        while (j < s.size() && IsDigit(s[j])) exponent.push_back(s[j++]);
        if (j > firstDigit) number += exponent;
    }
    return ToDouble(number);
}

std::optional<double> ParseTypedNumber(std::string_view text, const NumberFormat& format) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    std::string s(text);
    if (s.size() >= 2 && s[0] == '&') {
        const bool hex = s[1] == 'H' || s[1] == 'h';
        const size_t first = (hex || s[1] == 'O' || s[1] == 'o') ? 2 : 1;
        if (first == s.size()) return std::nullopt;
        for (size_t i = first; i < s.size(); ++i)
            if (hex ? HexValue(s[i]) < 0 : (s[i] < '0' || s[i] > '7')) return std::nullopt;
        return ParseNumber(s);
    }
    const bool decimalComma = format.decimal == ",";
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool anyDigit = false;
    while (i < s.size() && IsDigit(s[i])) ++i, anyDigit = true;
    if (i < s.size() && (s[i] == '.' || (decimalComma && s[i] == ','))) {
        s[i++] = '.';
        while (i < s.size() && IsDigit(s[i])) ++i, anyDigit = true;
    }
    if (!anyDigit) return std::nullopt;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const size_t firstDigit = i;
        while (i < s.size() && IsDigit(s[i])) ++i;
        if (i == firstDigit) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    return ParseNumber(s);
}

std::string FormatC(const char* printfFormat, double x) {
    char buf[512];
#ifdef _WIN32
    _snprintf_l(buf, sizeof buf, printfFormat, CLocale(), x);
#else
    const locale_t previous = uselocale(CLocale());
    std::snprintf(buf, sizeof buf, printfFormat, x);
    uselocale(previous);
#endif
    return buf;
}

std::string FormatLocale(const char* printfFormat, double x, const NumberFormat& format) {
    std::string s = FormatC(printfFormat, x);
    if (const size_t point = s.find('.'); point != std::string::npos) s.replace(point, 1, format.decimal);
    return s;
}

std::string NumberText(float x) {
    return Format(x, 7, kPlain);
}
std::string NumberText(double x) {
    return Format(x, 15, kPlain);
}
std::string NumberText(int16_t x) {
    return (x < 0 ? "" : " ") + std::to_string(x);
}

std::string LocaleNumberText(float x, const NumberFormat& format) {
    return Format(x, 7, LocaleStyle(format));
}
std::string LocaleNumberText(double x, const NumberFormat& format) {
    return Format(x, 15, LocaleStyle(format));
}
std::string LocaleNumberText(int16_t x, const NumberFormat&) {
    return std::to_string(x);
}

double LocaleParseDouble(std::string_view text, const NumberFormat& format) {
    const std::string_view t = Trim(text);
    std::string number;
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) number.push_back(t[i++]);
    bool anyDigit = false;
    bool lastWasDigit = false;
    while (i < t.size()) {
        if (IsDigit(t[i])) {
            number.push_back(t[i++]);
            anyDigit = lastWasDigit = true;
        } else if (lastWasDigit && StartsWith(t, i, format.group) && format.group != format.decimal &&
                   IsGroupOfThree(t, i + format.group.size())) {
            i += format.group.size();  // digit grouping inside the integer part: exactly three digits follow
            lastWasDigit = false;
        } else {
            break;
        }
    }
    if (StartsWith(t, i, format.decimal)) {
        i += format.decimal.size();
        number.push_back('.');
        while (i < t.size() && IsDigit(t[i])) number.push_back(t[i++]), anyDigit = true;
    }
    if (!anyDigit) throw RuntimeError(ErrorKind::TypeMismatch);
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        number.push_back('e');
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) number.push_back(t[i++]);
        const size_t firstDigit = i;
        while (i < t.size() && IsDigit(t[i])) number.push_back(t[i++]);
        if (i == firstDigit) throw RuntimeError(ErrorKind::TypeMismatch);
    }
    if (i != t.size()) throw RuntimeError(ErrorKind::TypeMismatch);
    return ToDouble(number);
}

float LocaleParseSingle(std::string_view text, const NumberFormat& format) {
    return Single(LocaleParseDouble(text, format));
}

int16_t LocaleParseInt16(std::string_view text, const NumberFormat& format) {
    return RoundInt16(LocaleParseDouble(text, format));
}

}  // namespace vokta
