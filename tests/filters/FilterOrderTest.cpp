#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/NumberText.h"
#include "base/RuntimeError.h"
#include "filters/FilterOrder.h"

using namespace vokta;

namespace {

constexpr auto LP = FilterType::LowPass;
constexpr auto HP = FilterType::HighPass;
constexpr auto BP = FilterType::BandPass;
constexpr auto BS = FilterType::BandStop;

TEST(PrototypeStopBand, MapsTheStopFrequencyOfEachFilterType) {
    EXPECT_EQ(PrototypeStopBand(LP, 2000, 1000, {}), 2.0f);
    EXPECT_EQ(PrototypeStopBand(HP, 250, 1000, {}), 4.0f);

    const BandCentre band = CentreOfBand(9000, 11000);
    EXPECT_EQ(NumberText(band.F0), " 9949.874");
    EXPECT_EQ(NumberText(band.K), " 4.974937");
    // K comes from the stored single F0, not from the exact root.
    EXPECT_EQ(band.K, float(double(band.F0) / 2000.0));

    struct Row {
        const char* name;
        FilterType type;
        float Fs;
        const char* ws;
    } rows[] = {
        {"band-pass beyond the upper edge", BP, 15000, " 4.2"},
        {"band-stop between centre and upper edge", BS, 10200, " 4.047614"},
        {"band-stop beyond the upper edge", BS, 15000, " .2380952"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(NumberText(PrototypeStopBand(row.type, row.Fs, 0, band)), row.ws);
    }
}

TEST(PrototypeStopBand, ZeroDivisorsAreRunTimeErrors) {
    EXPECT_THROW(PrototypeStopBand(LP, 2000, 0, {}), RuntimeError);
    EXPECT_THROW(PrototypeStopBand(HP, 0, 1000, {}), RuntimeError);
    EXPECT_THROW(PrototypeStopBand(BP, 0, 0, CentreOfBand(9000, 11000)), RuntimeError);
    try {
        CentreOfBand(10000, 10000);
        FAIL() << "equal edges";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::DivisionByZero);
        EXPECT_EQ(e.userMessage(),
                  "Левая и правая граничные частоты совпадают: полоса фильтра должна иметь ширину.");
    }
    // A band-stop frequency at the centre of the band.
    const BandCentre band = CentreOfBand(100, 400);
    try {
        PrototypeStopBand(BS, 200, 0, band);
        FAIL() << "Fs at the centre";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.userMessage(), StopBandNotBeyondEdgeMessage(BS));
    }
}

TEST(OrderEstimate, WorkedExamples) {
    struct Row {
        const char* name;
        FilterResponse response;
        bool active;
        float Amin, Astop, Ws;
        int16_t N;
    } rows[] = {
        {"Butterworth 40 dB at 2, 3 dB ripple: 40 / 6", FilterResponse::Butterworth, false, 3, 40, 2, 7},
        {"Butterworth 0.5 dB: 49 / 6, above the table", FilterResponse::Butterworth, false, 0.5f, 40, 2, 9},
        {"Butterworth 1 dB, 20 dB at 3: 26 / 10", FilterResponse::Butterworth, false, 1, 20, 3, 3},
        {"Butterworth band-pass 40 / 12", FilterResponse::Butterworth, false, 3, 40, 4.2f, 4},
        {"Chebyshev passive 52 / 11 gives 5", FilterResponse::Chebyshev, false, 1, 40, 2, 5},
        {"Chebyshev 26 / 15 gives 2, passive raised to 3", FilterResponse::Chebyshev, false, 3, 20, 3, 3},
        {"Chebyshev 26 / 15 gives 2, active keeps it", FilterResponse::Chebyshev, true, 3, 20, 3, 2},
        {"Chebyshev passive 45 / 8 gives 6, raised to 7", FilterResponse::Chebyshev, false, 0.5f, 30, 1.5f,
         7},
        {"Chebyshev active 45 / 8 keeps 6", FilterResponse::Chebyshev, true, 0.5f, 30, 1.5f, 6},
        {"Chebyshev passive 4 raised to 5", FilterResponse::Chebyshev, false, 1, 40, 2.5f, 5},
        {"Chebyshev passive above 7 kept", FilterResponse::Chebyshev, false, 0.5f, 80, 1.5f, 12},
        {"Chebyshev passive negative raised to 3", FilterResponse::Chebyshev, false, 3, -40, 3, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const int16_t n = row.response == FilterResponse::Butterworth
                              ? EstimateButterworthOrder(row.Amin, row.Astop, row.Ws, LP)
                              : EstimateChebyshevOrder(row.Amin, row.Astop, row.Ws, LP, row.active);
        EXPECT_EQ(n, row.N);
    }
}

TEST(OrderEstimate, WholeDecibelsRoundToEvenAndTheQuotientTruncates) {
    struct Row {
        double num, den;
        int16_t N;
    } rows[] = {
        {40.5, 6, 7},                            // 40 / 6
        {41.5, 6, 8},                            // 42 / 6
        {40, 6.5, 7},                            // 40 / 6
        {40, 7.5, 6},                            // 40 / 8
        {40, -12, -2},                           // -3 + 1
        {-40, 12, -2}, {5, 6, 1}, {-0.5, 6, 1},  // 0 / 6
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.num) + " / " + std::to_string(row.den));
        EXPECT_EQ(OrderFromDecibels(row.num, row.den, LP), row.N);
    }
    EXPECT_THROW(OrderFromDecibels(40, 0.5, LP), RuntimeError);  // rounds to 0
    EXPECT_THROW(OrderFromDecibels(40, -0.5, LP), RuntimeError);
    EXPECT_EQ(OrderFromDecibels(32766, 1, LP), 32767);
    try {
        OrderFromDecibels(32767, 1.4, LP);  // 32767 / 1 + 1 is beyond 16 bits
        FAIL() << "no overflow";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Overflow);
    }
}

TEST(OrderEstimate, DomainFaultsTellWhatToChange) {
    const std::string attenuation = "Затухание в полосе пропускания должно быть больше нуля.";
    struct Row {
        const char* name;
        FilterResponse response;
        FilterType type;
        float Amin, Ws;
        std::string message;
    } rows[] = {
        {"no pass-band attenuation", FilterResponse::Butterworth, LP, 0, 2, attenuation},
        {"negative attenuation, Chebyshev", FilterResponse::Chebyshev, HP, -1, 2, attenuation},
        {"band-stop names its own band", FilterResponse::Butterworth, BS, 0, 2,
         "Затухание за полосой режекции должно быть больше нуля."},
        {"attenuation is checked before the frequency", FilterResponse::Butterworth, LP, 0, -1, attenuation},
        {"Butterworth Ws of 0", FilterResponse::Butterworth, LP, 1, 0, StopBandNotBeyondEdgeMessage(LP)},
        {"Butterworth negative Ws", FilterResponse::Butterworth, BP, 1, -0.5f,
         StopBandNotBeyondEdgeMessage(BP)},
        {"Butterworth Ws too close above 1", FilterResponse::Butterworth, HP, 1, 1.05f,
         StopBandNotBeyondEdgeMessage(HP)},
        {"Butterworth band-stop beyond the edge", FilterResponse::Butterworth, BS, 3, 0.2380952f,
         StopBandNotBeyondEdgeMessage(BS)},
        {"Butterworth below the edge", FilterResponse::Butterworth, LP, 3, 0.5f,
         StopBandNotBeyondEdgeMessage(LP)},
        {"Butterworth Ws too close below 1", FilterResponse::Butterworth, LP, 1, 0.95f,
         StopBandNotBeyondEdgeMessage(LP)},
        {"Chebyshev Ws below 1", FilterResponse::Chebyshev, LP, 1, 0.9f, StopBandNotBeyondEdgeMessage(LP)},
        {"Chebyshev Ws of 1", FilterResponse::Chebyshev, BS, 1, 1, StopBandNotBeyondEdgeMessage(BS)},
        {"Chebyshev Ws just above 1", FilterResponse::Chebyshev, LP, 1, 1.001f,
         StopBandNotBeyondEdgeMessage(LP)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            if (row.response == FilterResponse::Butterworth)
                EstimateButterworthOrder(row.Amin, 40, row.Ws, row.type);
            else
                EstimateChebyshevOrder(row.Amin, 40, row.Ws, row.type, false);
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.userMessage(), row.message);
        }
    }
    // Just outside the band where the denominator rounds to 0 dB the estimate works again.
    EXPECT_EQ(EstimateButterworthOrder(1, 40, 1.06f, LP), 47);      // 46 / 1 + 1
    EXPECT_EQ(EstimateChebyshevOrder(1, 40, 1.01f, LP, true), 53);  // 52 / 1 + 1
}

// Every rule of a request, each on a sound low-pass request with one field typed over. The captions are
// the fields' names; their texts are quoted as typed.
TEST(FilterFault, TheFirstFaultNamesItsField) {
    const TypedField amin{"Amin", "3", 3}, astop{"As", "40", 40}, f1{"F1", "1000", 1000},
        fright{"Fright", "11000", 11000}, fleft{"Fleft", "9000", 9000}, fs{"Fs", "15000", 15000},
        rn{"Rn", "50", 50};
    const FilterRequest sound{LP, false, "Активный фильтр", amin, astop, f1, fright, fleft, fs, rn};
    using F = FilterField;
    using R = FilterRequest;
    struct Row {
        const char* name;
        FilterType type;
        bool active;
        TypedField R::*member;
        const char* text;
        double value;
        std::optional<F> field;
        const char* message;  // nullptr: not looked at
    } rows[] = {
        {"an active band filter", BS, true, &R::fright, "0", 0, F::Type,
         "Активный фильтр рассчитывается только как фильтр нижних или верхних частот. Выберите тип фильтра "
         "или снимите флажок «Активный фильтр»."},
        {"zero right edge", BP, false, &R::fright, "0,0", 0, F::Fright,
         "Значение поля «Fright» должно быть больше нуля, а введено «0,0»."},
        {"edges crossed", BS, false, &R::fleft, "11 000", 11000, F::Fleft,
         "Значение поля «Fleft» (11 000) должно быть меньше значения поля «Fright» (11000)."},
        {"a band filter has no F1", BP, false, &R::f1, "", 0, {}, nullptr},
        {"no number is in the domain", LP, false, &R::f1, "x", NAN, F::F1, nullptr},
        {"a load that rounds to 0", LP, false, &R::rn, "0.5", 0.5, F::Rn,
         "Значение поля «Rn» должно быть от 1 до 32767, а введено «0.5»."},
        {"a load beyond 16 bits", HP, false, &R::rn, "32767.5", 32767.5, F::Rn, nullptr},
        {"an active filter has no load", LP, true, &R::rn, "0", 0, {}, nullptr},
        {"stop band not above the pass band", LP, false, &R::astop, "3", 3, F::Astop,
         "Значение поля «As» (3) должно быть больше значения поля «Amin» (3)."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FilterRequest request = sound;
        request.type = row.type;
        request.active = row.active;
        (request.*row.member).text = row.text;
        (request.*row.member).value = row.value;
        const std::optional<FilterFault> fault = FindFilterFault(request);
        EXPECT_EQ(fault ? std::optional(fault->field) : std::nullopt, row.field);
        if (row.message) {
            EXPECT_EQ(fault.value_or(FilterFault{}).message, row.message);
        }
    }
    FilterRequest noRipple = sound;  // a pass band of 0 dB is the estimate's to explain
    noRipple.amin.value = noRipple.astop.value = 0;
    EXPECT_FALSE(FindFilterFault(noRipple));
    EXPECT_FALSE(FindOrderFault(2, sound));
    EXPECT_EQ(FindOrderFault(1, sound)->field, F::Astop);
    EXPECT_EQ(
        FindOrderFault(1, sound).value().message,
        "Требования так слабы, что их выполняет фильтр порядка 1, а программа рассчитывает фильтры "
        "начиная со второго порядка. Увеличьте значение поля «As» или приблизьте частоту среза к полосе "
        "пропускания.");
    // While typing, a left edge equal to the right one and a high-pass stop frequency at the edge pass.
    EXPECT_FALSE(FindEdgesTypingFault(9000, 9000) || FindStopTypingFault(HP, 1000, 1000) ||
                 FindStopTypingFault(LP, 2000, 1000));
}

}  // namespace
