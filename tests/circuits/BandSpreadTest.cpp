#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/RuntimeError.h"
#include "circuits/BandSpread.h"
#include "circuits/TuningTexts.h"

using namespace vokta;

namespace {

// fmax, fmin (MHz), L1 (µH), C3max, C3min, C4 (pF)
const BandSpreadInput kExample{3.8, 3.5, 10, 365, 10, 10};

BandSpreadInput With(BandSpreadInput in, double BandSpreadInput::*field, double value) {
    in.*field = value;
    return in;
}

}  // namespace

TEST(BandSpread, Outcomes) {
    struct Row {
        const char* name;
        BandSpreadInput input;
        bool feasible;
        int c1, c2;
    };
    const std::vector<Row> rows{
        // C2 = 444.96 and C1 = 259.93 before they are made whole.
        {"worked example", kExample, true, 260, 445},
        {"no input capacitance", With(kExample, &BandSpreadInput::c4PF, 0), true, 274, 477},
        {"large C1 still within 16 bits", With(kExample, &BandSpreadInput::c3maxPF, 41.81), true, 17573, 157},
        // C4 alone is more than the top of the range needs when C1 and C2 are positive.
        {"C4 too large: C1 negative", With(kExample, &BandSpreadInput::c4PF, 300), false, 0, 216},
        {"C4 slightly too large", With(kExample, &BandSpreadInput::c4PF, 167.75), false, 0, 0},
        // C1 comes out near -63789, beyond 16 bits, yet it is simply negative: the range is not covered.
        {"C1 far below -32768", With(kExample, &BandSpreadInput::c3maxPF, 41.39), false, 0, 155},
        // Swapped frequencies whose root can still be taken give a negative C2.
        {"swapped frequencies, root positive", {3.5, 3.8, 10, 365, 10, 170}, false, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const BandSpreadResult r = CalcBandSpread(row.input);
        EXPECT_EQ(r.feasible, row.feasible);
        if (row.feasible || row.c2 != 0) {
            EXPECT_EQ(r.c2PF, row.c2);
        }
        if (row.feasible) {
            EXPECT_EQ(r.c1PF, row.c1);
        }
    }
}

TEST(BandSpread, BandTheWholeCapacitorsTune) {
    struct Row {
        const char* name;
        BandSpreadInput input;
        int c1, c2;
        double bottomMHz, topMHz;
        bool misses;
    };
    const std::vector<Row> rows{
        {"worked example", kExample, 260, 445, 3.4996, 3.7996, false},
        // The exact C1 = 1015, C2 = 5.57 cover 3 to 10 MHz; C2 rounded to 6 pulls the bottom up.
        {"small C2 misses the bottom", {10, 3, 10, 365, 10, 10}, 367, 6, 3.6088, 9.9997, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const BandSpreadResult r = CalcBandSpread(row.input);
        ASSERT_TRUE(r.feasible);
        EXPECT_EQ(r.c1PF, row.c1);
        EXPECT_EQ(r.c2PF, row.c2);
        EXPECT_NEAR(r.coveredMinMHz, row.bottomMHz, 5e-5);
        EXPECT_NEAR(r.coveredMaxMHz, row.topMHz, 5e-5);
        EXPECT_EQ(r.missesRange, row.misses);
    }
}

TEST(BandSpread, FaultsNameTheirCause) {
    const std::string minBelowMax = "Минимальная частота диапазона должна быть меньше максимальной.";
    struct Row {
        const char* name;
        BandSpreadInput input;
        ErrorKind kind;
        std::string message;
    };
    const std::vector<Row> rows{
        {"zero inductance", With(kExample, &BandSpreadInput::inductanceUH, 0), ErrorKind::DivisionByZero,
         "Индуктивность контура не может быть равна нулю."},
        {"zero minimum frequency", With(kExample, &BandSpreadInput::fminMHz, 0), ErrorKind::DivisionByZero,
         "Минимальная частота диапазона не может быть равна нулю."},
        {"zero maximum frequency", With(kExample, &BandSpreadInput::fmaxMHz, 0), ErrorKind::DivisionByZero,
         "Максимальная частота диапазона не может быть равна нулю."},
        {"equal end frequencies", With(kExample, &BandSpreadInput::fminMHz, 3.8), ErrorKind::DivisionByZero,
         minBelowMax},
        {"swapped end frequencies", {3.5, 3.8, 10, 365, 10, 10}, ErrorKind::InvalidArgument, minBelowMax},
        {"swapped capacitor ends",
         {3.8, 3.5, 10, 10, 365, 10},
         ErrorKind::InvalidArgument,
         "Минимальная емкость КПЕ должна быть меньше максимальной."},
        {"root negative with ordered data",
         {3.8, 3.5, 10, 12, 10, 190},
         ErrorKind::InvalidArgument,
         "Указанные вами емкость С3,C4 и индуктивность L1 не могут обеспечить перекрытие требуемого "
         "диапазона "
         "частот"},
        {"C2 beyond 16 bits",
         {0.01, 0.009, 10, 365, 10, 10},
         ErrorKind::Overflow,
         "Емкость С2 получается больше 32767 пФ. Проверьте исходные данные."},
        {"C1 beyond 16 bits", With(kExample, &BandSpreadInput::c3maxPF, 41.5), ErrorKind::Overflow,
         "Емкость С1 получается больше 32767 пФ. Проверьте исходные данные."},
        // Nothing is left for the branch at the top of the range: C2 and C3min are both zero.
        {"C1 undefined",
         {3.8, 3.5, 10, 365, 0, 175},
         ErrorKind::DivisionByZero,
         "Емкость С1 не может быть рассчитана при таких исходных данных. Поменяйте один или несколько "
         "параметров в исходных данных."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            CalcBandSpread(row.input);
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), row.kind);
            EXPECT_EQ(e.userMessage(), row.message);
        }
    }
}

// Both tuned-circuit windows refuse a source value that is not above zero, by its caption and text.
TEST(TuningFault, NamesTheFieldAndTheText) {
    EXPECT_EQ(FindTuningFault({"L", "-0,5", -0.5}),
              "Значение в поле «L» должно быть больше нуля, а введено «-0,5».");
    EXPECT_TRUE(FindTuningFault({"L", "0", 0}) && FindTuningFault({"L", "x", NAN}));
    EXPECT_FALSE(FindTuningFault({"L", "1e-300", 1e-300}));
}
