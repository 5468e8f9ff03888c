#include "circuits/ThreePoint.h"

#include "base/Checked.h"
#include "base/RuntimeError.h"
#include "base/Units.h"
#include "circuits/TuningTexts.h"

namespace vokta {

namespace {

const char* const kImpossible =
    "Невозможно выполнить заданные вами условия. Поменяйте один или несколько параметров в исходных данных";

}  // namespace

ThreePointResult CalcThreePoint(const ThreePointInput& in) {
    const float fmax = Single(in.fmaxMHz);
    const float fmin = Single(in.fminMHz);
    const float L = Single(in.inductanceUH);
    const float Cmax = Single(in.cmaxPF);
    const float Cmin = Single(in.cminPF);
    const float Cmid = Single(in.cmidPF);

    if (L == 0) Fail(ErrorKind::DivisionByZero, kInductanceZero);
    if (fmin == 0) Fail(ErrorKind::DivisionByZero, kFminZero);
    if (fmax == 0) Fail(ErrorKind::DivisionByZero, kFmaxZero);
    if (double(fmax) + fmin == 0)
        Fail(ErrorKind::DivisionByZero, "Частоты диапазона должны быть больше нуля.");

    // The total capacitance in pF that tunes L µH to f MHz is K / f^2, with K = A / L and
    // A = (10^3 / 2pi)^2, 2pi taken as the design's 6.28.
    const float A = Single((1e3 / units::kDesignTwoPi) * (1e3 / units::kDesignTwoPi));
    const float K = Single(Div(A, L));

    // Total capacitance at the bottom, the top and the middle (the mean frequency) of the range.
    const float Cb = Single(Div(K, double(fmin) * fmin));
    const float Ct = Single(Div(K, double(fmax) * fmax));
    const double fsum = double(fmax) + fmin;
    const float Cm = Single(Div(4.0 * K, fsum * fsum));

    // The total capacitance C3 + C2 (C + C1) / (C + C1 + C2) must be Cb at Cmax, Ct at Cmin and Cm at
    // Cmid. k scales the variable capacitor's swing to the swing needed; X is C1 + C2.
    if (Cmax == Cmin) Fail(ErrorKind::DivisionByZero, kCapMinBelowMax);
    const float k = Single((double(Cb) - Ct) / (double(Cmax) - Cmin));
    if (Cb == Cm) Fail(ErrorKind::DivisionByZero, kMinBelowMax);
    const float m = Single((double(Cmax) - Cmid) * k / (double(Cb) - Cm));
    if (m == 1)
        Fail(ErrorKind::DivisionByZero,
             "С такой емкостью КПЕ в среднем положении емкости C1 и C2 получаются бесконечно большими. "
             "Измените "
             "емкость КПЕ в среднем положении.");
    const float X = Single((Cmid - double(Cmin) * m) / (double(m) - 1));

    const double underRoot = (double(Cmax) + X) * k * (double(Cmin) + X);
    if (underRoot < 0) {
        if (fmin > fmax) Fail(ErrorKind::InvalidArgument, kMinBelowMax);
        if (Cmin > Cmax) Fail(ErrorKind::InvalidArgument, kCapMinBelowMax);
        Fail(ErrorKind::InvalidArgument, kImpossible);
    }
    const float C2 = Single(Sqrt(underRoot));
    const float C1 = Single(double(X) - C2);

    ThreePointResult result;
    // X = -Cmax makes C2 zero, and C3 would divide zero by zero: no circuit, whatever C3.
    const double denominator = double(Cmax) + X;
    if (denominator == 0) return result;
    const float C3 = Single(Cb - (double(Cmax) + C1) * C2 / denominator);

    result.c1PF = Single(Int(C1));
    result.c2PF = Single(Int(C2));
    result.c3PF = Single(Int(C3));
    result.feasible = result.c1PF > 0 && result.c2PF > 0 && result.c3PF > 0;
    return result;
}

}  // namespace vokta
