#include "filters/FilterOrder.h"

#include "base/Checked.h"
#include "base/RuntimeError.h"

namespace vokta {

BandCentre CentreOfBand(float Fleft, float Fright) {
    BandCentre band;
    band.F0 = Single(Sqrt(double(Fright) * double(Fleft)));
    const double bandwidth = double(Fright) - double(Fleft);
    if (bandwidth == 0.0)
        throw RuntimeError(ErrorKind::DivisionByZero,
                           "Левая и правая граничные частоты совпадают: полоса фильтра должна иметь ширину.");
    band.K = Single(Div(band.F0, bandwidth));
    return band;
}

float PrototypeStopBand(FilterType type, float Fs, float F1, const BandCentre& band) {
    switch (type) {
        case FilterType::LowPass:
            return Single(Div(Fs, F1));
        case FilterType::HighPass:
            return Single(Div(F1, Fs));
        case FilterType::BandPass:
            return Single(double(band.K) * (Div(Fs, band.F0) - Div(band.F0, Fs)));
        case FilterType::BandStop: {
            const double detuning = double(band.K) * (Div(Fs, band.F0) - Div(band.F0, Fs));
            // Fs at the centre of the rejection band maps to an infinite prototype frequency.
            if (detuning == 0.0)
                throw RuntimeError(ErrorKind::DivisionByZero,
                                   StopBandNotBeyondEdgeMessage(FilterType::BandStop));
            return Single(Div(1.0, detuning));
        }
    }
    return 0;
}

namespace {

// 10^(Amin / 10) - 1: the squared ripple factor of the pass band.
double RippleFactorSquared(float Amin, FilterType type) {
    const double e2 = Pow(10.0, double(Amin) * 0.1) - 1.0;
    if (!(e2 > 0.0)) throw RuntimeError(ErrorKind::InvalidArgument, AttenuationNotPositiveMessage(type));
    return e2;
}

}  // namespace

int16_t OrderFromDecibels(double numerator, double denominator, FilterType type) {
    const int32_t num = RoundInt32(numerator);
    const int32_t den = RoundInt32(denominator);
    if (den == 0) throw RuntimeError(ErrorKind::DivisionByZero, StopBandNotBeyondEdgeMessage(type));
    return AddInt16(IntQuotient(num, den), 1);
}

int16_t EstimateButterworthOrder(float Amin, float Astop, float Ws, FilterType type) {
    const double e2 = RippleFactorSquared(Amin, type);
    // 4.3429 and 8.6858 are the four-decimal values of 10/ln 10 and 20/ln 10: decibels from ln.
    const double numerator = double(Astop) - Ln(e2) * 4.3429;
    // Below 1 the demand lies inside the pass band: the formula would give an order of 1 or less.
    if (!(Ws >= 1.0f)) throw RuntimeError(ErrorKind::InvalidArgument, StopBandNotBeyondEdgeMessage(type));
    const double denominator = Ln(Ws) * 8.6858;
    return OrderFromDecibels(numerator, denominator, type);
}

int16_t EstimateChebyshevOrder(float Amin, float Astop, float Ws, FilterType type, bool active) {
    const double e2 = RippleFactorSquared(Amin, type);
    const double numerator = double(Astop) + 6.0 - Ln(e2) * 4.3429;
    if (!(Ws >= 1.0f)) throw RuntimeError(ErrorKind::InvalidArgument, StopBandNotBeyondEdgeMessage(type));
    const double w = Ws;
    const double denominator = Ln(w + Sqrt(w * w - 1.0)) * 8.6858;  // 20 lg of arcosh's argument
    int16_t n = OrderFromDecibels(numerator, denominator, type);
    if (active) return n;
    // The passive ladders take the odd orders for which the Chebyshev table has rows.
    if (n < 3) n = 3;
    if (n > 3 && n < 6) n = 5;
    if (n > 5 && n < 7) n = 7;
    return n;
}

std::string AttenuationNotPositiveMessage(FilterType type) {
    // A band-stop's pass band is what lies outside its notch.
    if (type == FilterType::BandStop) return "Затухание за полосой режекции должно быть больше нуля.";
    return "Затухание в полосе пропускания должно быть больше нуля.";
}

std::string StopBandNotBeyondEdgeMessage(FilterType type) {
    switch (type) {
        case FilterType::LowPass:
            return "Частота среза должна лежать за границей полосы пропускания: у ФНЧ она должна быть "
                   "больше граничной частоты и не слишком близко к ней.";
        case FilterType::HighPass:
            return "Частота среза должна лежать за границей полосы пропускания: у ФВЧ она должна быть "
                   "меньше граничной частоты, но больше нуля, и не слишком близко к граничной частоте.";
        case FilterType::BandPass:
            return "Частота среза должна лежать за полосой пропускания: у полосового фильтра она должна "
                   "быть больше правой граничной частоты и не слишком близко к ней.";
        case FilterType::BandStop:
            return "Частота среза должна лежать в полосе режекции: у режекторного фильтра она должна быть "
                   "между средней частотой полосы (корнем из произведения левой и правой граничных "
                   "частот) и правой граничной частотой, и не слишком близко к ним.";
    }
    return {};
}

std::optional<int16_t> LoadOhms(double rn) {
    if (!(rn > 0 && rn < 32767.5)) return std::nullopt;
    const int16_t ohms = RoundInt16(rn);  // 0.5 rounds to an even 0
    if (ohms < 1) return std::nullopt;
    return ohms;
}

namespace {

// «caption» (text), as the comparisons of two fields quote them.
std::string Quoted(const TypedField& field) {
    return "«" + field.caption + "» (" + field.text + ")";
}

std::optional<FilterFault> NotPositive(FilterField id, const TypedField& field) {
    if (field.value > 0) return std::nullopt;
    return FilterFault{
        id, "Значение поля «" + field.caption + "» должно быть больше нуля, а введено «" + field.text + "»."};
}

}  // namespace

std::optional<FilterFault> FindFilterFault(const FilterRequest& r) {
    // Negated comparisons here and in NotPositive, so that a NaN is out of its domain too.
    const bool band = IsBandFilter(r.type);
    // A band option chosen before the active check box stays chosen, though disabled.
    if (band && r.active)
        return FilterFault{FilterField::Type,
                           "Активный фильтр рассчитывается только как фильтр нижних или верхних частот. "
                           "Выберите тип фильтра или снимите флажок «" +
                               r.activeCaption + "»."};
    if (band) {
        if (auto fault = NotPositive(FilterField::Fright, r.fright)) return fault;
        if (auto fault = NotPositive(FilterField::Fleft, r.fleft)) return fault;
        if (!(r.fleft.value < r.fright.value))
            return FilterFault{FilterField::Fleft, "Значение поля " + Quoted(r.fleft) +
                                                       " должно быть меньше значения поля " +
                                                       Quoted(r.fright) + "."};
    } else if (auto fault = NotPositive(FilterField::F1, r.f1)) {
        return fault;
    }
    if (auto fault = NotPositive(FilterField::Fs, r.fs)) return fault;
    // The load terminates the passive ladders only.
    if (!r.active && !LoadOhms(r.rn.value))
        return FilterFault{
            FilterField::Rn,
            "Значение поля «" + r.rn.caption + "» должно быть от 1 до 32767, а введено «" + r.rn.text + "»."};
    if (r.amin.value > 0 && !(r.astop.value > r.amin.value))
        return FilterFault{
            FilterField::Astop,
            "Значение поля " + Quoted(r.astop) + " должно быть больше значения поля " + Quoted(r.amin) + "."};
    return std::nullopt;
}

std::optional<FilterFault> FindOrderFault(int16_t order, const FilterRequest& request) {
    // The designs start at the second order; a first-order filter would already do.
    if (order >= kMinLadderOrder) return std::nullopt;
    return FilterFault{
        FilterField::Astop,
        "Требования так слабы, что их выполняет фильтр порядка " + std::to_string(order) +
            ", а программа рассчитывает фильтры начиная со второго порядка. Увеличьте значение "
            "поля «" +
            request.astop.caption + "» или приблизьте частоту среза к полосе пропускания."};
}

std::optional<std::string> FindEdgesTypingFault(double fright, double fleft) {
    if (fright < fleft) return "Левая граничная частота не может быть больше правой!!!";
    return std::nullopt;
}

std::optional<std::string> FindStopTypingFault(FilterType type, double fs, double f1) {
    if (type == FilterType::HighPass && fs > f1) return "У ФВЧ частота среза меньше граничной частоты!!!";
    return std::nullopt;
}

}  // namespace vokta
