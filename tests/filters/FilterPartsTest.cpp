#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "filters/ActiveRc.h"
#include "filters/FilterParts.h"

using namespace vokta;

namespace {
const NumberFormat kEnglish{".", ","};
}  // namespace

// IEC 60063: a decade of E48 or E96 is the geometric series 10^(i/n) rounded to three figures; E24 is
// 10^(i/24) rounded to two, but for eight values older than the geometric series (2.7, 3.0, 3.3, 3.6, 3.9,
// 4.3, 4.7 and 8.2 where the rounding gives 2.6, 2.9, 3.2, 3.5, 3.8, 4.2, 4.6 and 8.3). E12 and E6 are
// checked against their published values.
TEST(StandardSeries, AreThePublishedSeries) {
    const std::map<int, double> e24Exceptions{{10, 2.7}, {11, 3.0}, {12, 3.3}, {13, 3.6},
                                              {14, 3.9}, {15, 4.3}, {16, 4.7}, {22, 8.2}};
    for (const auto& [series, n, scale] :
         {std::tuple{ESeries::E24, 24, 10.0}, {ESeries::E48, 48, 100.0}, {ESeries::E96, 96, 100.0}}) {
        SCOPED_TRACE(SeriesName(series));
        const std::vector<double> values = SeriesValues(series);
        ASSERT_EQ(values.size(), size_t(n));
        for (int i = 0; i < n; ++i) {
            double published = std::round(std::pow(10.0, double(i) / n) * scale) / scale;
            if (series == ESeries::E24 && e24Exceptions.contains(i)) {
                EXPECT_NE(e24Exceptions.at(i), published) << i;  // an exception indeed
                published = e24Exceptions.at(i);
            }
            EXPECT_EQ(values[i], published) << i;
        }
    }
    EXPECT_EQ(SeriesValues(ESeries::E6), (std::vector<double>{1.0, 1.5, 2.2, 3.3, 4.7, 6.8}));
    EXPECT_EQ(SeriesValues(ESeries::E12),
              (std::vector<double>{1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2}));
    EXPECT_TRUE(SeriesValues(ESeries::None).empty());
}

// Either side of the geometric mean of two neighbours (the last value and the next decade's 1 too), in
// decades from picofarads to megohms, the value goes to the nearer one.
TEST(StandardSeries, RoundToTheNearerNeighbourOnALogarithmicScale) {
    for (ESeries series : {ESeries::E6, ESeries::E12, ESeries::E24, ESeries::E48, ESeries::E96}) {
        SCOPED_TRACE(SeriesName(series));
        std::vector<double> values = SeriesValues(series);
        values.push_back(10);
        for (int decade : {-12, -7, 0, 3, 6})
            for (size_t i = 0; i + 1 < values.size(); ++i) {
                const double scale = std::pow(10.0, decade);
                const double low = values[i] * scale, high = values[i + 1] * scale,
                             mean = std::sqrt(low * high);
                EXPECT_NEAR(NearestStandard(mean * (1 - 1e-9), series), low, low * 1e-12) << mean;
                EXPECT_NEAR(NearestStandard(mean * (1 + 1e-9), series), high, high * 1e-12) << mean;
                EXPECT_NEAR(NearestStandard(low, series), low, low * 1e-12);
            }
    }
    struct Row {
        double value;
        ESeries series;
        double standard;
    } rows[] = {{4600, ESeries::E24, 4700},
                {2.666667e-8, ESeries::E24, 2.7e-8},
                {9.8, ESeries::E6, 10},
                {1.2, ESeries::E6, 1.0},
                {1.23, ESeries::E6, 1.5},
                {0.0976, ESeries::E96, 0.0976},
                {2.666667e-8, ESeries::None, 2.666667e-8},
                {0, ESeries::E24, 0},
                {-5, ESeries::E24, -5}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_NEAR(NearestStandard(row.value, row.series), row.standard, std::abs(row.standard) * 1e-12);
    }
}

TEST(PartValues, ReadInEngineeringUnitsWithFourDigitsAtMost) {
    struct Row {
        ElementKind kind;
        double value;
        const char* text;
    } rows[] = {
        {ElementKind::Capacitor, 2.666667e-8, "26.67 нФ"}, {ElementKind::Capacitor, 6.560509e-11, "65.61 пФ"},
        {ElementKind::Capacitor, 9.99996e-7, "1 мкФ"},     {ElementKind::Capacitor, 4.7e-6, "4.7 мкФ"},
        {ElementKind::Capacitor, 0.012345, "12350 мкФ"},   {ElementKind::Capacitor, 5e-13, "0.5 пФ"},
        {ElementKind::Inductor, 1.5e-4, "150 мкГн"},       {ElementKind::Inductor, 2.2e-3, "2.2 мГн"},
        {ElementKind::Inductor, 1.234567, "1.235 Гн"},     {ElementKind::Resistor, 4700, "4.7 кОм"},
        {ElementKind::Resistor, 999.95, "1 кОм"},          {ElementKind::Resistor, 50, "50 Ом"},
        {ElementKind::Resistor, 1.2e6, "1.2 МОм"},         {ElementKind::Amplifier, 0, "ОУ"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(PartValueText(row.kind, row.value, kEnglish), row.text);
    }
    EXPECT_EQ(PartValueText(ElementKind::Capacitor, 2.666667e-8, {",", "\xC2\xA0"}), "26,67 нФ");
}

namespace {

std::string Designators(const FilterCircuit& circuit) {
    std::string s;
    for (const FilterPart& p : CircuitParts(circuit)) s += (s.empty() ? "" : " ") + p.designator;
    return s;
}

}  // namespace

// The designators of the pictures, each part of its kind; where a picture repeats a name, DA2's section
// takes the next free numbers.
TEST(CircuitParts, CarryTheDesignatorsOfTheirPicture) {
    ActiveValues v;
    v.ValR1 = 1, v.ValR2 = 2, v.ValR3 = 3, v.ValR4 = 4, v.ValR5 = 5, v.ValR6 = 6, v.ValR7 = 7;
    v.ValC1 = 10, v.ValC3 = 30, v.ValC4 = 40;
    using T = FilterType;
    for (const T type : {T::LowPass, T::HighPass})
        for (int n = kActiveRcMinOrder; n <= kActiveRcMaxOrder; ++n) {
            SCOPED_TRACE(std::to_string(int(type)) + " order " + std::to_string(n));
            const std::vector<FilterPart> parts =
                CircuitParts(ActiveFilterCircuit(type, FilterResponse::Chebyshev, n, v, 100));
            const std::vector<DesignatedPart> pictured =
                ActiveFilterDesignators(type == T::HighPass, n).InCascade();
            ASSERT_EQ(parts.size(), pictured.size());
            std::set<std::string> seen;
            for (size_t i = 0; i < parts.size(); ++i) {
                EXPECT_EQ(parts[i].kind, pictured[i].kind);
                if (seen.insert(pictured[i].designator).second)
                    EXPECT_EQ(parts[i].designator, pictured[i].designator);
                else
                    EXPECT_EQ(parts[i].designator[0], pictured[i].designator[0]);
            }
            std::set<std::string> unique;
            for (const FilterPart& p : parts) EXPECT_TRUE(unique.insert(p.designator).second) << p.designator;
        }
    // The next free numbers, as the parts list shows them.
    EXPECT_EQ(Designators(ActiveFilterCircuit(T::LowPass, FilterResponse::Chebyshev, 5, v, 100)),
              "R5 C3 R1 R2 C1 C2 DA1 R3 R4 R8 R9 C4 C5 DA2 R6 R7");
    EXPECT_EQ(Designators(ActiveFilterCircuit(T::HighPass, FilterResponse::Chebyshev, 4, v, 100)),
              "C1 C2 R1 R2 DA1 R3 R4 C3 C4 R5 R6 DA2 R7 R8");
    // A shape no picture has: numbered per kind in order.
    ActiveCircuit twoGroups{false, {GroupStage(1, 1), GroupStage(1, 1)}};
    EXPECT_EQ(Designators(twoGroups), "R1 C1 R2 C2");

    const std::array<float, 4> c{1, 2, 3, 4}, l{5, 6, 7, 8};
    EXPECT_EQ(Designators(PassiveLadderCircuit(FilterType::LowPass, 5, 50, c, l)), "C1 L1 C2 L2 C3");
    EXPECT_EQ(Designators(PassiveLadderCircuit(FilterType::HighPass, 4, 50, c, l)), "C1 L1 C2 L2");
    EXPECT_EQ(Designators(PassiveLadderCircuit(FilterType::BandStop, 3, 50, c, l)), "L1 C1 L2 C2 L3 C3");

    // Each designator with its value: R5 of a low-pass of order 3 is the group's resistor, C3 its capacitor.
    std::string values;
    for (const FilterPart& p :
         CircuitParts(ActiveFilterCircuit(T::LowPass, FilterResponse::Chebyshev, 3, v, 100)))
        values += p.designator + "=" + PartValueText(p.kind, p.value, kEnglish) + " ";
    EXPECT_EQ(values, "R5=1 кОм C3=30 мкФ R1=1 кОм R2=1 кОм C1=10 мкФ C2=10 мкФ DA1=ОУ R3=3 кОм R4=4 кОм ");
}

TEST(CircuitParts, StandardValuesReplaceEveryPartButTheTerminations) {
    const LadderCircuit ladder =
        PassiveLadderCircuit(FilterType::BandPass, 2, 50, {0.02666667f, 0.0461f}, {3.3f, 1234});
    const FilterCircuit circuit = StandardCircuit(ladder, ESeries::E12);
    const auto& standard = std::get<LadderCircuit>(circuit);
    EXPECT_EQ(standard.rn, 50);
    std::string texts;
    for (const FilterPart& p : CircuitParts(standard))
        texts += PartValueText(p.kind, p.value, kEnglish) + "|";
    EXPECT_EQ(texts, "3.3 мкГн|27 нФ|1.2 мГн|47 нФ|");
    EXPECT_EQ(std::get<LadderCircuit>(StandardCircuit(ladder, ESeries::None)).branches[0].c, 0.02666667f);
}
