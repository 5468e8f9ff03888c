#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/RuntimeError.h"
#include "circuits/ThreePoint.h"

using namespace vokta;

namespace {
// fmax, fmin (MHz), L (µH), Cmax, Cmin, Cmid (pF)
const ThreePointInput kExample{3.8, 3.5, 10, 365, 10, 120};
}  // namespace

TEST(ThreePoint, Outcomes) {
    struct Row {
        const char* name;
        ThreePointInput input;
        bool feasible;
        float c1, c2, c3;
    };
    const std::vector<Row> rows{
        {"worked example", kExample, true, 203, 152, 86},
        // C3 is about -49.3 and rounds down to -50.
        {"middle capacitance 150", {3.8, 3.5, 10, 365, 10, 150}, false, 639, 344, -50},
        // C3 is about 0.22: positive, but 0 once rounded down.
        {"7.0 to 7.2 MHz", {7.2, 7.0, 5, 365, 10, 150}, false, 626, 115, 0},
        // m < 1 makes X negative; the root stays positive but C1 and C3 do not.
        {"m below 1", {10, 5, 5, 365, 10, 120}, false, -2552, 930, -1419},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ThreePointResult r = CalcThreePoint(row.input);
        EXPECT_EQ(r.feasible, row.feasible);
        EXPECT_EQ(r.c1PF, row.c1);
        EXPECT_EQ(r.c2PF, row.c2);
        EXPECT_EQ(r.c3PF, row.c3);
    }
}

TEST(ThreePoint, FaultsNameTheirCause) {
    const std::string minBelowMax = "Минимальная частота диапазона должна быть меньше максимальной.";
    const std::string capMinBelowMax = "Минимальная емкость КПЕ должна быть меньше максимальной.";
    struct Row {
        const char* name;
        ThreePointInput input;
        ErrorKind kind;
        std::string message;
    };
    const std::vector<Row> rows{
        {"zero inductance",
         {3.8, 3.5, 0, 365, 10, 120},
         ErrorKind::DivisionByZero,
         "Индуктивность контура не может быть равна нулю."},
        {"zero minimum frequency",
         {3.8, 0, 10, 365, 10, 120},
         ErrorKind::DivisionByZero,
         "Минимальная частота диапазона не может быть равна нулю."},
        {"zero maximum frequency",
         {0, 3.5, 10, 365, 10, 120},
         ErrorKind::DivisionByZero,
         "Максимальная частота диапазона не может быть равна нулю."},
        {"frequencies summing to zero",
         {-3.5, 3.5, 10, 365, 10, 120},
         ErrorKind::DivisionByZero,
         "Частоты диапазона должны быть больше нуля."},
        {"equal end frequencies", {3.8, 3.8, 10, 365, 10, 120}, ErrorKind::DivisionByZero, minBelowMax},
        {"equal capacitor ends", {3.8, 3.5, 10, 365, 365, 120}, ErrorKind::DivisionByZero, capMinBelowMax},
        // The middle capacitance at which m is exactly 1 in single precision.
        {"m equal to 1",
         {3.8, 3.5, 10, 365, 10, 176.564346},
         ErrorKind::DivisionByZero,
         "С такой емкостью КПЕ в среднем положении емкости C1 и C2 получаются бесконечно большими. Измените "
         "емкость КПЕ в среднем положении."},
        {"swapped end frequencies", {3.5, 3.8, 10, 365, 10, 120}, ErrorKind::InvalidArgument, minBelowMax},
        {"swapped capacitor ends", {3.8, 3.5, 10, 10, 365, 120}, ErrorKind::InvalidArgument, capMinBelowMax},
        {"root negative with ordered data",
         {3.8, 3.5, 10, 365, 10, -400},
         ErrorKind::InvalidArgument,
         "Невозможно выполнить заданные вами условия. Поменяйте один или несколько параметров в исходных "
         "данных"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            CalcThreePoint(row.input);
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), row.kind);
            EXPECT_EQ(e.userMessage(), row.message);
        }
    }
}
