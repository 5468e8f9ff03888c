#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>

#include "base/Checked.h"
#include "base/RuntimeError.h"

using namespace vokta;

namespace {

ErrorKind KindOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.kind();
    }
    ADD_FAILURE() << "no error";
    return ErrorKind::TypeMismatch;
}

TEST(Rounding, NearestIsTiesToEven) {
    const struct {
        double x;
        int16_t expected;
    } cases[] = {{2.5, 2},  {3.5, 4},    {-2.5, -2},       {0.5, 0},          {1.5, 2},
                 {-0.5, 0}, {2.4999, 2}, {32767.4, 32767}, {-32768.5, -32768}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(RoundInt16(c.x), c.expected);
        EXPECT_EQ(RoundInt32(c.x), c.expected);
    }
}

TEST(Rounding, OutOfRangeIsOverflow) {
    EXPECT_EQ(KindOf([] { RoundInt16(32767.5); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([] { RoundInt16(-32769); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([] { RoundInt32(2147483647.5); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([] { RoundInt32(NAN); }), ErrorKind::Overflow);
    EXPECT_EQ(RoundInt32(-2147483648.0), INT32_MIN);
}

TEST(Rounding, IntIsFloorAndQuotientTruncates) {
    EXPECT_EQ(Int(-2.5), -3);
    EXPECT_EQ(Int(2.9999), 2);
    EXPECT_EQ(Int(-0.0), 0);
    EXPECT_EQ(IntQuotient(7, 2), 3);
    EXPECT_EQ(IntQuotient(-7, 2), -3);
    EXPECT_EQ(IntQuotient(40, -12), -3);
    EXPECT_EQ(KindOf([] { IntQuotient(1, 0); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(KindOf([] { IntQuotient(INT32_MIN, -1); }), ErrorKind::Overflow);
}

TEST(CheckedArithmetic, FaultsAreErrors) {
    EXPECT_EQ(KindOf([] { Div(1, 0); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(KindOf([] { Div(0, 0); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(KindOf([] { Div(DBL_MAX, 0.5); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([] { Sqrt(-1e-300); }), ErrorKind::InvalidArgument);
    EXPECT_EQ(KindOf([] { Ln(0); }), ErrorKind::InvalidArgument);
    EXPECT_EQ(KindOf([] { Ln(-1); }), ErrorKind::InvalidArgument);
    EXPECT_EQ(KindOf([] { Pow(-8, 1.0 / 3); }), ErrorKind::InvalidArgument);
    EXPECT_EQ(KindOf([] { Pow(10, 400); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([] { Pow(0, -1); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(KindOf([] { Single(1e39); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([] { Single(-1e39); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([] { Finite(NAN); }), ErrorKind::InvalidArgument);
    EXPECT_EQ(KindOf([] { AddInt16(32767, 1); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([] { MulInt16(2, 16384); }), ErrorKind::Overflow);
    EXPECT_EQ(Sqrt(0), 0);
    EXPECT_EQ(Pow(-2, 3), -8);
    EXPECT_EQ(Single(3.4028234e38), FLT_MAX);
    EXPECT_EQ(AddInt16(32766, 1), 32767);
}

TEST(CheckedArithmetic, SingleRoundsToNearest) {
    // 1.4142 is stored as the nearest single, not truncated.
    EXPECT_EQ(Single(1.4142), 1.4142f);
    EXPECT_EQ(double(Single(0.1)), double(0.1f));
    EXPECT_EQ(Single(1e-50), 0.0f);  // below the single range it underflows to zero
}

}  // namespace
