#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "base/NumberText.h"
#include "base/RuntimeError.h"

using namespace vokta;

namespace {

const NumberFormat kRussian{",", "\xC2\xA0"};
const NumberFormat kEnglish{".", ","};

struct ParseCase {
    const char* name;
    const char* text;
    double expected;
};

TEST(ParseNumber, ReadsWhatUsersType) {
    const ParseCase cases[] = {
        {"empty", "", 0},
        {"letters", "abc", 0},
        {"unit after blanks", " 12.5 Гц", 12.5},
        {"comma is not a separator", "1,5", 1},
        {"comma half", "0,5", 0},
        {"blank after sign", "- 5", -5},
        {"blanks inside", "1 000", 1000},
        {"tabs and line feeds", "\t1\n2", 12},
        {"exponent", "1.5E3", 1500},
        {"D exponent", "2D2", 200},
        {"lower d exponent", "2d-1", 0.2},
        {"second point ends it", "1.2.3", 1.2},
        {"hex", "&H10", 16},
        {"hex 16-bit is signed", "&HFFFF", -1},
        {"hex lower", "&hff", 255},
        {"hex five digits is 32-bit", "&H0FFFF", 65535},
        {"hex 32-bit signed", "&HFFFFFFFF", -1},
        {"hex no digits", "&H", 0},
        {"hex stops at non-digit", "&H1G", 1},
        {"octal", "&O17", 15},
        {"octal short form", "&17", 15},
        {"octal 16-bit signed", "&O177777", -1},
        {"octal beyond 16 bits", "&O200000", 65536},
        {"kilo-ohm unit", "12 кОм", 12},
        {"small exponent", "1e-3", 0.001},
        {"leading point", ".5", 0.5},
        {"negative leading point", "-.5", -0.5},
        {"plus sign", "+7", 7},
        {"sign only", "-", 0},
        {"point only", ".", 0},
        {"sign and point", "-.", 0},
        {"exponent without digits", "3e", 3},
        {"exponent sign without digits", "3e+", 3},
        {"trailing point", "4.", 4},
        {"underflow reads as zero", "1e-400", 0},
        {"largest double as written", "1.79769313486232E+308", DBL_MAX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseNumber(c.text), c.expected);
    }
}

TEST(ParseNumber, ValueBeyondDoubleIsOverflow) {
    for (const char* text : {"1e400", "-1e309", "&H123456789"}) {
        SCOPED_TRACE(text);
        try {
            ParseNumber(text);
            FAIL() << "no error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Overflow);
        }
    }
}

TEST(ParseTypedNumber, TakesOnlyWholeNumbers) {
    const std::optional<double> refused;
    struct Case {
        const char* text;
        std::optional<double> english, russian;
    } cases[] = {
        {" 16.5 ", 16.5, 16.5},  // a point is a decimal separator in every format
        {"16,5", refused, 16.5},
        {"-.5", -0.5, -0.5},
        {"1.5E3", 1500, 1500},
        {"2D2", 200, 200},
        {"&H10", 16, 16},
        {"4.", 4, 4},
        {"60 Ом", refused, refused},
        {"1,000", refused, 1.0},
        {"1 000", refused, refused},
        {"abc", refused, refused},
        {"", refused, refused},
        {"-", refused, refused},
        {"1e", refused, refused},
        {"1.2.3", refused, refused},
        {"&H", refused, refused},
        {"&O9", refused, refused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseTypedNumber(c.text, kEnglish), c.english);
        EXPECT_EQ(ParseTypedNumber(c.text, kRussian), c.russian);
    }
    EXPECT_THROW(ParseTypedNumber("1e400", kEnglish), RuntimeError);
}

struct SingleCase {
    const char* name;
    float value;
    const char* text;
};

TEST(NumberText, SingleHasSevenDigits) {
    const SingleCase cases[] = {
        {"half", 0.5f, " .5"},
        {"minus half", -0.5f, "-.5"},
        {"1E-05 is scientific", 0.00001f, " 1E-05"},
        {"1E-04 is plain", 0.0001f, " .0001"},
        {"seven digits plain", 1234567.0f, " 1234567"},
        {"rounded to seven", 1234567.8f, " 1234568"},
        {"eight digits scientific", 12345678.0f, " 1.234568E+07"},
        {"ten million", 10000000.0f, " 1E+07"},
        {"just below ten million", 9999999.0f, " 9999999"},
        {"nearest single to 9.9999995 is below it", 9.9999995f, " 9.999999"},
        {"carry into a new decade", 0.01f, " .01"},
        {"carry into a new decade, large", 1e12f, " 1E+12"},
        {"carry into scientific", 9999999.5f, " 1E+07"},
        {"small value", 0.0318f, " .0318"},
        {"four decimals", 1591.549f, " 1591.549"},
        {"one third", 1.0f / 3.0f, " .3333333"},
        {"zero", 0.0f, " 0"},
        {"negative zero", -0.0f, " 0"},
        {"minus two and a half", -2.5f, "-2.5"},
        {"largest single", FLT_MAX, " 3.402823E+38"},
        {"smallest normal single", FLT_MIN, " 1.175494E-38"},
        {"smallest subnormal", std::numeric_limits<float>::denorm_min(), " 1.401298E-45"},
        {"resistor value", 4.503821f, " 4.503821"},
        {"two steps", 2.437579f, " 2.437579"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NumberText(c.value), c.text);
    }
}

struct DoubleCase {
    const char* name;
    double value;
    const char* text;
};

TEST(NumberText, DoubleHasFifteenDigits) {
    const DoubleCase cases[] = {
        {"one third", 1.0 / 3.0, " .333333333333333"},
        {"1E+15 is scientific", 1e15, " 1E+15"},
        {"fifteen digits plain", 999999999999999.0, " 999999999999999"},
        {"sixteen nines carry", 9999999999999999.0, " 1E+16"},
        {"1E-05 is scientific", 0.00001, " 1E-05"},
        {"just above the switch", 0.000099999999999999991, " .0001"},
        {"below one ten-thousandth", 0.00012, " .00012"},
        {"single widened shows its error", double(0.1f), " .100000001490116"},
        {"negative", -1234.5, "-1234.5"},
        {"Ra of a high-pass", 16.0000000972395, " 16.0000000972395"},
        {"largest double", DBL_MAX, " 1.79769313486232E+308"},
        {"scientific with fraction", -1.5e-20, "-1.5E-20"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NumberText(c.value), c.text);
    }
}

TEST(NumberText, Int16HasAllItsDigits) {
    EXPECT_EQ(NumberText(int16_t(0)), " 0");
    EXPECT_EQ(NumberText(int16_t(2)), " 2");
    EXPECT_EQ(NumberText(int16_t(-32768)), "-32768");
    EXPECT_EQ(NumberText(int16_t(32767)), " 32767");
}

TEST(LocaleNumberText, FollowsTheUsersFormat) {
    EXPECT_EQ(LocaleNumberText(0.5f, kRussian), "0,5");
    EXPECT_EQ(LocaleNumberText(0.5f, kEnglish), "0.5");
    EXPECT_EQ(LocaleNumberText(-0.35, kRussian), "-0,35");
    EXPECT_EQ(LocaleNumberText(0.35f, kRussian), "0,35");
    EXPECT_EQ(LocaleNumberText(1234567.0f, kRussian), "1234567");  // no digit grouping
    EXPECT_EQ(LocaleNumberText(12345678.0f, kRussian), "1,234568E+07");
    EXPECT_EQ(LocaleNumberText(0.00001f, kEnglish), "1E-05");
    EXPECT_EQ(LocaleNumberText(0.0, kEnglish), "0");
    EXPECT_EQ(LocaleNumberText(int16_t(1), kRussian), "1");
    EXPECT_EQ(LocaleNumberText(int16_t(-7), kRussian), "-7");
    EXPECT_EQ(LocaleNumberText(16.0000000972395, kRussian), "16,0000000972395");
}

TEST(LocaleParseNumber, ReadsTheUsersFormat) {
    EXPECT_EQ(LocaleParseDouble("0,5", kRussian), 0.5);
    EXPECT_EQ(LocaleParseDouble(" 0,5 ", kRussian), 0.5);
    EXPECT_EQ(LocaleParseDouble("-1,25E+2", kRussian), -125);
    EXPECT_EQ(LocaleParseDouble("1\xC2\xA0"
                                "000,5",
                                kRussian),
              1000.5);
    EXPECT_EQ(LocaleParseDouble("1,000.5", kEnglish), 1000.5);
    EXPECT_EQ(LocaleParseDouble(",5", kRussian), 0.5);
    EXPECT_EQ(LocaleParseDouble("+3", kEnglish), 3);
    EXPECT_EQ(LocaleParseSingle("0,1", kRussian), 0.1f);
    EXPECT_EQ(LocaleParseInt16("2,5", kRussian), 2);
    EXPECT_EQ(LocaleParseInt16("3,5", kRussian), 4);
    EXPECT_EQ(LocaleParseInt16("-2,5", kRussian), -2);
    EXPECT_EQ(LocaleParseInt16(" 3 ", kEnglish), 3);
}

TEST(LocaleParseNumber, RejectsWhatIsNotANumber) {
    struct Case {
        const char* text;
        const NumberFormat& format;
        ErrorKind kind;
    };
    const Case cases[] = {
        {"", kRussian, ErrorKind::TypeMismatch},       {"   ", kRussian, ErrorKind::TypeMismatch},
        {"0.5", kRussian, ErrorKind::TypeMismatch},    {"0,5", kEnglish, ErrorKind::TypeMismatch},
        {"abc", kEnglish, ErrorKind::TypeMismatch},    {"1e", kEnglish, ErrorKind::TypeMismatch},
        {"-", kEnglish, ErrorKind::TypeMismatch},      {",", kRussian, ErrorKind::TypeMismatch},
        {"&H10", kEnglish, ErrorKind::TypeMismatch},   {"1,00", kEnglish, ErrorKind::TypeMismatch},
        {"1,0000", kEnglish, ErrorKind::TypeMismatch}, {"12 кОм", kRussian, ErrorKind::TypeMismatch},
        {"1e400", kEnglish, ErrorKind::Overflow},      {"32768", kEnglish, ErrorKind::Overflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            if (c.kind == ErrorKind::Overflow && std::string(c.text) == "32768")
                LocaleParseInt16(c.text, c.format);
            else
                LocaleParseDouble(c.text, c.format);
            FAIL() << "no error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), c.kind);
        }
    }
    EXPECT_THROW(LocaleParseSingle("1e39", kEnglish), RuntimeError);
}

TEST(LocaleParseNumber, ReadsBackWhatLocaleNumberTextWrote) {
    for (const NumberFormat* format : {&kRussian, &kEnglish}) {
        for (double x :
             {0.0, -0.35, 16.0000000972395, 1e-300, 1.5e300, 123456789012345.0, DBL_MAX, -DBL_MAX}) {
            const std::string text = LocaleNumberText(x, *format);
            EXPECT_EQ(LocaleNumberText(LocaleParseDouble(text, *format), *format), text);
        }
        for (float x : {0.1f, 0.35f, FLT_MAX, 9.9999995f, -2.5f}) {
            const std::string text = LocaleNumberText(x, *format);
            EXPECT_EQ(LocaleNumberText(LocaleParseSingle(text, *format), *format), text);
        }
        for (int16_t x : {int16_t(0), int16_t(-32768), int16_t(32767)})
            EXPECT_EQ(LocaleParseInt16(LocaleNumberText(x, *format), *format), x);
    }
}

}  // namespace

namespace {

// The program runs in the user's C locale (Qt sets it at start-up); a Russian one has a comma as its
// decimal separator, which must change nothing here.
TEST(NumberTextInARussianLocale, PointStaysTheSeparator) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "no Russian locale on this machine";
    const double parsed = ParseNumber("16.5");
    const double localeParsed = LocaleParseDouble("16,5", kRussian);
    const double englishParsed = LocaleParseDouble("16.5", kEnglish);
    const std::string written = NumberText(16.5f);
    const std::string localeWritten = LocaleNumberText(0.5, kEnglish);
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(parsed, 16.5);
    EXPECT_EQ(localeParsed, 16.5);
    EXPECT_EQ(englishParsed, 16.5);
    EXPECT_EQ(written, " 16.5");
    EXPECT_EQ(localeWritten, "0.5");
}

}  // namespace

namespace {

TEST(FormatC, UsesAPointInAnyLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "no Russian locale on this machine";
    const std::string text = FormatC("%.1f", 3.05);
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(text, "3.0");  // 3.05 is just below 3.05 as a double
}

}  // namespace
