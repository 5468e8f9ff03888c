#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "filters/ActiveRc.h"
#include "filters/FilterParts.h"

using namespace vokta;

namespace {
const NumberFormat kEnglish{".", ","};
}  // namespace

// The decades of IEC 60063 as published.
TEST(StandardSeries, AreThePublishedSeries) {
    const std::vector<double> e24 = {1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0,
                                     3.3, 3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1};
    const std::vector<double> e96 = {
        1.00, 1.02, 1.05, 1.07, 1.10, 1.13, 1.15, 1.18, 1.21, 1.24, 1.27, 1.30, 1.33, 1.37, 1.40, 1.43,
        1.47, 1.50, 1.54, 1.58, 1.62, 1.65, 1.69, 1.74, 1.78, 1.82, 1.87, 1.91, 1.96, 2.00, 2.05, 2.10,
        2.15, 2.21, 2.26, 2.32, 2.37, 2.43, 2.49, 2.55, 2.61, 2.67, 2.74, 2.80, 2.87, 2.94, 3.01, 3.09,
        3.16, 3.24, 3.32, 3.40, 3.48, 3.57, 3.65, 3.74, 3.83, 3.92, 4.02, 4.12, 4.22, 4.32, 4.42, 4.53,
        4.64, 4.75, 4.87, 4.99, 5.11, 5.23, 5.36, 5.49, 5.62, 5.76, 5.90, 6.04, 6.19, 6.34, 6.49, 6.65,
        6.81, 6.98, 7.15, 7.32, 7.50, 7.68, 7.87, 8.06, 8.25, 8.45, 8.66, 8.87, 9.09, 9.31, 9.53, 9.76};
    EXPECT_EQ(SeriesValues(ESeries::E24), e24);
    EXPECT_EQ(SeriesValues(ESeries::E96), e96);
    EXPECT_EQ(SeriesValues(ESeries::E6), (std::vector<double>{1.0, 1.5, 2.2, 3.3, 4.7, 6.8}));
    EXPECT_EQ(SeriesValues(ESeries::E12),
              (std::vector<double>{1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2}));
    EXPECT_EQ(SeriesValues(ESeries::E48).size(), 48u);
    EXPECT_EQ(SeriesValues(ESeries::E48).back(), 9.53);
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
