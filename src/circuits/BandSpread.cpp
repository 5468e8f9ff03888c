#include "circuits/BandSpread.h"

#include <cmath>

#include "base/Checked.h"
#include "base/RuntimeError.h"
#include "base/Units.h"
#include "circuits/TuningTexts.h"

namespace vokta {

using namespace units;

namespace {

// The program has always taken pi as 3.1415 here; the finished circuit is tuned with that value.
constexpr double kPi = 3.1415;
const char* const kCannotCover =
    "Указанные вами емкость С3,C4 и индуктивность L1 не могут обеспечить перекрытие требуемого диапазона "
    "частот";

// The nearest 16-bit integer of a non-negative capacitance in picofarads; one beyond 16 bits is
// reported by name.
int16_t ToPicofarads(double pf, const char* tooLarge) {
    if (pf >= 32767.5) Fail(ErrorKind::Overflow, tooLarge);
    return RoundInt16(pf);
}

// The frequency in MHz that L (H) tunes with the branch C1 - (C2 || C3) and C4 across it, all in pF.
// Not finite when the capacitances leave nothing across the coil. This is what the built circuit does,
// so pi is pi here.
double TunedMHz(double L, double c1, double c2, double c3, double c4) {
    const double series = c1 + c2 + c3;
    const double total = (series > 0 ? c1 * (c2 + c3) / series : 0) + c4;
    if (!(total > 0)) return HUGE_VAL;
    return 1 / (kTwoPi * std::sqrt(L * total * kPicoToBase)) / kMegaToBase;
}

// Whether the nearest whole number is below zero (-0.5 rounds to 0, ties to even).
bool RoundsNegative(double pf) {
    return std::nearbyint(pf) < 0;
}

}  // namespace

BandSpreadResult CalcBandSpread(const BandSpreadInput& in) {
    if (in.inductanceUH == 0) Fail(ErrorKind::DivisionByZero, kInductanceZero);
    if (in.fminMHz == 0) Fail(ErrorKind::DivisionByZero, kFminZero);
    if (in.fmaxMHz == 0) Fail(ErrorKind::DivisionByZero, kFmaxZero);

    // SI units.
    const double L = kMicroToBase * in.inductanceUH;
    const double fmax = kMegaToBase * in.fmaxMHz;
    const double fmin = kMegaToBase * in.fminMHz;
    const float C3max = Single(in.c3maxPF * kPicoToBase);
    const float C3min = Single(in.c3minPF * kPicoToBase);
    const float C4 = Single(in.c4PF * kPicoToBase);

    // The capacitance that the C1-C2-C3 branch must present at each end of the range: what tunes L
    // to that frequency, less C4, which is always there.
    const double k = 4 * kPi * kPi * L;
    const float Ca = Single(Div(1, fmin * fmin * k) - C4);
    const float Cb = Single(Div(1, fmax * fmax * k) - C4);
    if (Ca == Cb) Fail(ErrorKind::DivisionByZero, kMinBelowMax);

    // The branch C1 * (C2 + C3) / (C1 + C2 + C3) equals Ca at C3max and Cb at C3min; eliminating C1
    // leaves C2^2 + 2p * C2 + q = 0, of which C2 is the positive root.
    const float q =
        Single(double(C3max) * C3min - double(Ca) * Cb * (double(C3max) - C3min) / (double(Ca) - Cb));
    const float p = Single((double(C3max) + C3min) / 2);
    const double discriminant = double(p) * p - q;
    if (discriminant < 0) {
        if (in.fminMHz > in.fmaxMHz) Fail(ErrorKind::InvalidArgument, kMinBelowMax);
        if (in.c3minPF > in.c3maxPF) Fail(ErrorKind::InvalidArgument, kCapMinBelowMax);
        Fail(ErrorKind::InvalidArgument, kCannotCover);
    }
    const float C2root = Single((Sqrt(discriminant) - p) * kBaseToPico);

    BandSpreadResult result;
    // A negative C2 already means the range cannot be covered, whatever C1 would come out.
    if (RoundsNegative(C2root)) return result;
    result.c2PF = ToPicofarads(C2root, "Емкость С2 получается больше 32767 пФ. Проверьте исходные данные.");

    // C1 from the top of the range, with C2 as it will be fitted.
    const double branchTop = result.c2PF * kPicoToBase + C3min;
    const char* const noC1 =
        "Емкость С1 не может быть рассчитана при таких исходных данных. Поменяйте один или "
        "несколько параметров в исходных данных.";
    if (Cb == 0 || branchTop == 0) Fail(ErrorKind::DivisionByZero, noC1);
    const double inverseC1 = 1 / double(Cb) - 1 / branchTop;
    if (inverseC1 == 0) Fail(ErrorKind::DivisionByZero, noC1);
    const float C1 = Single(Div(1, inverseC1) * kBaseToPico);
    if (RoundsNegative(C1)) return result;
    result.c1PF = ToPicofarads(C1, "Емкость С1 получается больше 32767 пФ. Проверьте исходные данные.");
    result.feasible = true;

    // What the whole values really tune: rounding can pull an edge away from the range, most with a
    // small C2, where a fraction of a picofarad is a large part of it. Without any capacitance left
    // across the coil nothing is tuned at all.
    const double top = TunedMHz(L, result.c1PF, result.c2PF, in.c3minPF, in.c4PF);
    const double bottom = TunedMHz(L, result.c1PF, result.c2PF, in.c3maxPF, in.c4PF);
    if (!std::isfinite(top) || !std::isfinite(bottom)) {
        result.missesRange = true;
        return result;
    }
    result.coveredMinMHz = bottom;
    result.coveredMaxMHz = top;
    result.missesRange =
        bottom > in.fminMHz * (1 + kBandSpreadTolerance) || top < in.fmaxMHz * (1 - kBandSpreadTolerance);
    return result;
}

}  // namespace vokta
