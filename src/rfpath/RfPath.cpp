#include "rfpath/RfPath.h"

#include <cmath>

#include "base/Checked.h"
#include "base/RuntimeError.h"
#include "base/Units.h"

namespace vokta {

namespace {

// 20 / ln 10: turns the natural logarithm of a voltage ratio into decibels.
constexpr double kDbPerNeper = 8.6858;
// The antenna circuit of a coil-coupled antenna is tuned below the range for a long antenna and
// above it for a short one.
constexpr double kLongAntennaTuning = 0.7;
constexpr double kShortAntennaTuning = 1.15;

const char* const kFmaxNotPositive = "Максимальная частота диапазона должна быть больше нуля.";
const char* const kFmaxTooLarge = "Максимальная частота диапазона слишком велика.";
const char* const kFminNotPositive = "Минимальная частота диапазона должна быть больше нуля.";
const char* const kFminTooLarge = "Минимальная частота диапазона слишком велика.";
const char* const kFminNotBelowFmax =
    "Минимальная частота диапазона должна быть меньше максимальной частоты диапазона.";
const char* const kIfNotPositive = "Промежуточная частота должна быть больше нуля.";
const char* const kIfTooLarge = "Промежуточная частота слишком велика.";
const char* const kImageOutOfRange =
    "Промежуточная частота слишком велика по сравнению с максимальной частотой диапазона.";
const char* const kSelTooSmall =
    "Селективность по зеркальному каналу слишком мала: контуры тракта РЧ для нее не нужны. "
    "Укажите большее значение.";
const char* const kSelTooLarge = "Селективность по зеркальному каналу слишком велика.";
const char* const kDampingTooLarge = "Эквивалентное затухание контура слишком велико.";
const char* const kDampingNotPositive = "Эквивалентное затухание контура должно быть больше нуля.";
const char* const kUnevennessNotPositive = "Неравномерность АЧХ тракта РЧ должна быть больше нуля.";
const char* const kUnevennessTooLarge = "Неравномерность АЧХ тракта РЧ слишком велика.";
const char* const kInstabilityTooLarge = "Нестабильность частоты гетеродина слишком велика.";
const char* const kInstabilityNegative = "Нестабильность частоты гетеродина не может быть отрицательной.";
const char* const kModFreqNotPositive = "Максимальная частота модуляции должна быть больше нуля.";
const char* const kModFreqTooLarge = "Максимальная частота модуляции слишком велика.";
const char* const kModIndexNegative = "Индекс модуляции не может быть отрицательным.";
const char* const kModIndexTooLarge = "Индекс модуляции слишком велик.";
const char* const kBandwidthTooLarge =
    "Ширина полосы сигнала слишком велика: проверьте максимальную частоту модуляции, индекс модуляции и "
    "нестабильность частоты гетеродина.";
const char* const kSelQTooLarge =
    "Эквивалентная добротность по селективности слишком велика: проверьте селективность по зеркальному "
    "каналу и частоты.";
const char* const kAttQTooLarge =
    "Эквивалентная добротность по затуханию слишком велика: проверьте неравномерность АЧХ тракта РЧ, "
    "минимальную частоту диапазона и максимальную частоту модуляции.";

// Runs one step of the calculation; a run-time error in it is reported with a sentence that names
// the input responsible.
template <typename F>
auto Naming(const char* message, F&& step) -> decltype(step()) {
    try {
        return step();
    } catch (const RuntimeError& e) {
        throw RuntimeError(e.kind(), message);
    }
}

float Store(double x, const char* tooLarge) {
    return Naming(tooLarge, [x] { return Single(x); });
}

// 20 lg E of a coil-coupled antenna, where E is the response of the antenna circuit at the image
// relative to the top of the range. Evaluated without run-time errors: a value that cannot be formed
// is simply absent.
std::optional<float> CoilAntennaDb(bool longAntenna, float fmin, float fmax, float fim) {
    const double tuning = longAntenna ? kLongAntennaTuning * fmin : kShortAntennaTuning * fmax;
    const float fa = static_cast<float>(tuning);
    const double atImage = double(fa) / fim;
    const double atTop = double(fa) / fmax;
    const double denominator = 1 - atTop * atTop;
    if (denominator == 0 || !std::isfinite(denominator)) return std::nullopt;
    double E = (1 - atImage * atImage) / denominator;
    if (!longAntenna) E = std::fabs(E);
    if (!std::isfinite(E) || E <= 0) return std::nullopt;
    const double db = kDbPerNeper * std::log(E);
    if (!std::isfinite(static_cast<float>(db))) return std::nullopt;
    return static_cast<float>(db);
}

// dsel for n circuits: the greatest damping of each circuit with which n of them still give the
// selectivity ratio D at the image detuning xi. D > 1.
float SelectivityDamping(float xi, float D, int n) {
    return Single(Div(xi, Sqrt(Pow(D, 2.0 / n) - 1)));
}

// datt for n circuits: the smallest damping with which the response of n circuits falls by no more
// than sigma dB at the band edge of the given detuning.
float AttenuationDamping(float edgeDetuning, float sigma, int n) {
    const double ratio = Naming(kUnevennessTooLarge, [&] { return Pow(Pow(10, sigma / 20.0), 2.0 / n); });
    const double root = Naming(kUnevennessNotPositive, [&] { return Sqrt(ratio - 1); });
    return Naming(kUnevennessNotPositive, [&] { return Single(Div(edgeDetuning, root)); });
}

// The equivalent quality factors as whole numbers: the least that gives the selectivity, the greatest
// that keeps the pass band.
float SelectivityQ(float dsel) {
    return Naming(kSelQTooLarge, [&] { return Single(std::ceil(Single(Div(1, dsel)))); });
}
float AttenuationQ(float datt) {
    return Naming(kAttQTooLarge, [&] { return Single(Int(Single(Div(1, datt)))); });
}

}  // namespace

RfPathTerms PathTermsDb(const RfPathTask& task, double ratio) {
    const double db = kDbPerNeper * std::log(ratio);
    RfPathTerms terms;
    if (task.magneticAntenna && !task.coilCoupledAntenna) terms.antennaDb = -db;
    terms.couplingDb = task.coupling == TransistorCoupling::TappedCapacitance ? -db : db;
    return terms;
}

std::optional<RfPathFault> FindDomainFault(const RfPathTask& t) {
    // Negated comparisons, so that a NaN is out of its domain too.
    auto fault = [](RfPathInput input, const char* message) { return RfPathFault{input, message}; };
    if (!(t.fmaxMHz > 0)) return fault(RfPathInput::Fmax, kFmaxNotPositive);
    if (!(t.fminMHz > 0)) return fault(RfPathInput::Fmin, kFminNotPositive);
    if (!(t.fminMHz < t.fmaxMHz)) return fault(RfPathInput::Fmin, kFminNotBelowFmax);
    if (!(t.ifMHz > 0)) return fault(RfPathInput::If, kIfNotPositive);
    if (!(t.circuitDamping > 0)) return fault(RfPathInput::Damping, kDampingNotPositive);
    if (!(t.unevennessDb > 0)) return fault(RfPathInput::Unevenness, kUnevennessNotPositive);
    if (!(t.instability >= 0)) return fault(RfPathInput::Instability, kInstabilityNegative);
    if (!(t.modulationHz > 0)) return fault(RfPathInput::ModulationFrequency, kModFreqNotPositive);
    if (t.modulation == Modulation::FM && !(t.modulationIndex >= 0))
        return fault(RfPathInput::ModulationIndex, kModIndexNegative);
    return std::nullopt;
}

RfPathDesign DesignRfPath(const RfPathTask& task) {
    if (const auto fault = FindDomainFault(task)) Fail(ErrorKind::InvalidArgument, fault->message.c_str());
    RfPathDesign d;

    // Frequencies in Hz; every working value is kept in single precision.
    d.fmax = Store(units::kMegaToBase * task.fmaxMHz, kFmaxTooLarge);
    d.fmin = Store(units::kMegaToBase * task.fminMHz, kFminTooLarge);
    d.fif = Store(units::kMegaToBase * task.ifMHz, kIfTooLarge);
    const float sel = Store(task.selectivityDb, kSelTooLarge);
    const float delta = Store(task.instability, kInstabilityTooLarge);
    const float F = Store(task.modulationHz, kModFreqTooLarge);
    const float m = task.modulation == Modulation::FM ? Store(task.modulationIndex, kModIndexTooLarge) : 0.0f;

    // The image channel at the top of the range, where it lies relatively closest to the signal.
    if (d.fmax <= 0) Fail(ErrorKind::DivisionByZero, kFmaxNotPositive);
    if (d.fif <= 0) Fail(ErrorKind::InvalidArgument, kIfNotPositive);
    d.imageHz = Store(double(d.fmax) + 2.0 * d.fif, kIfTooLarge);
    d.imageDetuning = Store(double(d.imageHz) / d.fmax - double(d.fmax) / d.imageHz, kImageOutOfRange);

    // The signal bandwidth of the modulation.
    d.modulationHz = F;
    switch (task.modulation) {
        case Modulation::AM:
            d.bandwidthHz = Store(2.0 * d.modulationHz, kBandwidthTooLarge);
            break;
        case Modulation::SSB:
            d.bandwidthHz = d.modulationHz;
            break;
        case Modulation::FM:
            d.bandwidthHz =
                Store(2.0 * d.modulationHz * (1.0 + m + std::sqrt(double(m))), kBandwidthTooLarge);
            break;
    }
    // The local oscillator drifts by delta f_LO either way, and the circuits must pass the signal
    // wherever the drift puts it: the band widens by twice the drift at the top of the range.
    d.oscillatorHz = Store(double(d.fmax) + d.fif, kIfTooLarge);
    d.driftHz = Store(2.0 * delta * d.oscillatorHz, kInstabilityTooLarge);
    d.bandwidthHz = Store(double(d.bandwidthHz) + d.driftHz, kBandwidthTooLarge);

    // What the antenna and the coupling to the transistor add to the image suppression, in dB.
    const RfPathTerms terms = PathTermsDb(task, double(d.imageHz) / d.fmax);
    d.antennaDb = Single(terms.antennaDb);
    if (task.coilCoupledAntenna) d.coilAntennaDb = CoilAntennaDb(task.longAntenna, d.fmin, d.fmax, d.imageHz);
    d.couplingDb = Single(terms.couplingDb);

    // The selectivity the tuned circuits themselves must give.
    d.selectivityRatio =
        Store(Naming(kSelTooLarge, [&] { return Pow(10, (double(sel) - d.antennaDb - d.couplingDb) / 20); }),
              kSelTooLarge);
    if (d.selectivityRatio <= 1) Fail(ErrorKind::DivisionByZero, kSelTooSmall);

    // The pass band at the bottom of the range, where the circuits are relatively sharpest. The signal
    // spans fmin +- bandwidth / 2; a circuit's response is symmetric in the detuning f / f0 - f0 / f,
    // not in the offset, so the lower edge lies further off and sets the limit.
    const float sigma = Store(task.unevennessDb, kUnevennessTooLarge);
    if (d.fmin <= 0) Fail(ErrorKind::DivisionByZero, kFminNotPositive);  // below the single range
    if (sigma <= 0) Fail(ErrorKind::DivisionByZero, kUnevennessNotPositive);
    // Its detuning fmin / edge - edge / fmin is formed as (fmin - edge)(fmin + edge) / (fmin edge), which
    // keeps its precision for a band much narrower than fmin.
    const float halfBand = Store(d.bandwidthHz / 2.0, kBandwidthTooLarge);
    d.lowerEdgeHz = Store(double(d.fmin) - halfBand, kBandwidthTooLarge);
    if (d.lowerEdgeHz > 0)
        d.edgeDetuning =
            Store(double(halfBand) * (double(d.fmin) + d.lowerEdgeHz) / (double(d.fmin) * d.lowerEdgeHz),
                  kBandwidthTooLarge);

    // One circuit when one meets both demands, else two. The selectivity asks for the real circuit's
    // damping at most dsel; the pass band for a whole Q between the least one for selectivity and the
    // greatest one for attenuation.
    const float dc = Store(task.circuitDamping, kDampingTooLarge);
    for (int16_t n = 1; n <= 2; ++n) {
        d.circuits = n;
        d.selectivityDamping = SelectivityDamping(d.imageDetuning, d.selectivityRatio, n);
        d.attenuationDamping = 0;
        if (dc > d.selectivityDamping) {
            d.verdict = RfPathVerdict::SelectivityUnattainable;
            continue;
        }
        d.verdict = RfPathVerdict::AttenuationUnattainable;
        if (d.edgeDetuning <= 0) continue;  // the band reaches down to zero frequency
        d.attenuationDamping = AttenuationDamping(d.edgeDetuning, sigma, n);
        const float selectivityQ = SelectivityQ(d.selectivityDamping);
        const float attenuationQ = AttenuationQ(d.attenuationDamping);
        if (selectivityQ <= attenuationQ) {
            d.verdict = RfPathVerdict::Designed;
            d.selectivityQ = selectivityQ;
            d.attenuationQ = attenuationQ;
            break;
        }
    }
    return d;
}

}  // namespace vokta
