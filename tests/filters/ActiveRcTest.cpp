#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "base/PictureNumbers.h"
#include "base/RuntimeError.h"
#include "filters/ActiveRc.h"

using namespace vokta;

namespace {

const NumberFormat kRussian{",", "\xC2\xA0"};
const NumberFormat kEnglish{".", ","};

ActiveChebyshevTable Table(const char* ripple, int n) {
    ActiveChebyshevTable table;
    EXPECT_TRUE(LoadActiveChebyshevRow(ripple, n, table));
    return table;
}

ActiveRcInput Input(FilterType type, FilterResponse response, int n, float f1, double answer,
                    const char* ripple = nullptr) {
    ActiveRcInput in;
    in.type = type;
    in.response = response;
    in.n = static_cast<int16_t>(n);
    in.f1 = f1;
    in.answer = answer;
    if (ripple) in.table = Table(ripple, n);
    in.format = kRussian;
    return in;
}

ActiveRcDesign Design(const ActiveRcInput& in) {
    const auto d = DesignActiveRc(in);
    EXPECT_TRUE(d.has_value());
    return d.value_or(ActiveRcDesign{});
}

// "C1= .016|C2= .016|..." in the order the design lists them.
std::string Values(const ActiveRcDesign& d) {
    std::string s;
    for (const ShownValue& v : d.shown)
        s += std::string(s.empty() ? "" : "|") + ResultSlotName(v.slot) + "=" + v.text;
    return s;
}

// "C1:C1, мкФ|C3:|..." (an empty caption keeps the label's design caption).
std::string Captions(const ActiveRcDesign& d) {
    std::string s;
    for (const ShownValue& v : d.shown)
        s += std::string(s.empty() ? "" : "|") + ResultSlotName(v.slot) + ":" + v.caption;
    return s;
}

constexpr auto LP = FilterType::LowPass;
constexpr auto HP = FilterType::HighPass;
constexpr auto BW = FilterResponse::Butterworth;
constexpr auto CH = FilterResponse::Chebyshev;

// ---- The Chebyshev section table --------------------------------------------------------------------

TEST(ActiveChebyshevTable, RowsSetOnlyTheirEntries) {
    struct Case {
        const char* ripple;
        int n;
        float f1, f2, f3, d1, d2;  // 9 marks an entry the row leaves as it was
    };
    const Case cases[] = {
        {"0.5", 2, 1.26f, 9, 9, 1.16f, 9},
        {"0.5", 3, 0.63f, 1.07f, 9, 0.59f, 9},
        {"0.5", 4, 0.6f, 1.03f, 9, 1.42f, 0.34f},
        {"0.5", 5, 0.36f, 0.69f, 1.02f, 0.85f, 0.22f},
        {"3", 2, 0.84f, 9, 9, 0.77f, 9},
        {"3", 3, 0.3f, 0.92f, 9, 0.33f, 9},
        {"3", 4, 0.44f, 0.95f, 9, 0.93f, 0.18f},
        {"3", 5, 0.18f, 0.61f, 0.97f, 0.47f, 0.11f},
        {"3", 6, 9, 9, 9, 9, 9},
        {"0.5", 1, 9, 9, 9, 9, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ripple) + " order " + std::to_string(c.n));
        ActiveChebyshevTable t{9, 9, 9, 9, 9};
        EXPECT_TRUE(LoadActiveChebyshevRow(c.ripple, c.n, t));
        EXPECT_EQ(t.ChebFreq1, c.f1);
        EXPECT_EQ(t.ChebFreq2, c.f2);
        EXPECT_EQ(t.ChebFreq3, c.f3);
        EXPECT_EQ(t.ChebDamp1, c.d1);
        EXPECT_EQ(t.ChebDamp2, c.d2);
    }
}

TEST(ActiveChebyshevTable, OnlyTheTwoRippleTextsHaveRows) {
    for (const char* text : {"1", "2", "1.5", "0.50", "3.0", " 3", "0,5", "", "abc"}) {
        SCOPED_TRACE(text);
        ActiveChebyshevTable t{1, 2, 3, 4, 5};
        EXPECT_FALSE(LoadActiveChebyshevRow(text, 3, t));
        EXPECT_EQ(t.ChebFreq1, 1);
        EXPECT_EQ(t.ChebFreq2, 2);
        EXPECT_EQ(t.ChebFreq3, 3);
        EXPECT_EQ(t.ChebDamp1, 4);
        EXPECT_EQ(t.ChebDamp2, 5);
    }
}

// ---- Worked examples --------------------------------------------------------------------------------

TEST(ActiveRc, LowPassWorkedExamples) {
    const ActiveRcDesign bw = Design(Input(LP, BW, 2, 1000, 10));
    EXPECT_EQ(Values(bw), "C1= .016|C2= .016|L1= 10|L2= 10|L3= 11|L4= 20");
    EXPECT_EQ(bw.picture, kLowPassActivePictures);
    EXPECT_EQ(bw.values.GainK1, 1.59f);

    const ActiveRcDesign ch = Design(Input(LP, CH, 4, 1000, 10, "0.5"));
    EXPECT_EQ(Values(ch),
              "C1= .02666667|C2= .02666667|C3= .01553398|C4= .01553398|L1= 10|L2= 33|L3= 11|L4= 20");
    EXPECT_EQ(ch.picture, kLowPassActivePictures + 2);  // order 4
    EXPECT_EQ(ch.values.GainK1, 1.58f);
    EXPECT_EQ(ch.values.GainK2, 2.66f);
}

TEST(ActiveRc, ValuesTheDesignDoesNotSetStayAsThePreviousOneLeftThem) {
    ActiveRcInput in = Input(LP, BW, 2, 1000, 10);
    in.values.ValR7 = 7, in.values.ValC3 = 3, in.values.GainK2 = 2, in.values.ValR3 = 99;
    const ActiveValues v = Design(in).values;
    EXPECT_EQ(v.ValR7, 7.0f);
    EXPECT_EQ(v.ValC3, 3.0f);
    EXPECT_EQ(v.GainK2, 2.0f);
    EXPECT_EQ(v.ValR3, 11.0f);  // this design's own
}

TEST(ActiveRc, HighPassWorkedExamples) {
    const ActiveRcDesign bw = Design(Input(HP, BW, 2, 1000, 0.01));
    EXPECT_EQ(Values(bw), "C1= .01|C2= .01|L1= 16.0000000972395|L2= 16.0000000972395|L3= 17.92|L4= 32");
    EXPECT_EQ(bw.picture, kHighPassActivePictures);
    EXPECT_EQ(bw.values.GainK1, 1.56f);
    EXPECT_EQ(bw.RText, "16,0000000972395");

    const ActiveRcDesign ch = Design(Input(HP, CH, 2, 1000, 0.01, "3"));
    EXPECT_EQ(Values(ch),
              "C1= .01|C2= .01|L1= 19.0476197580753|L2= 19.0476197580753|L3= 46.85714|L4= 38.09524");
    EXPECT_EQ(ch.values.GainK1, 2.23f);
}

TEST(ActiveRc, HighPassKeepsRaInTheUsersFormat) {
    for (const NumberFormat& format : {kRussian, kEnglish}) {
        SCOPED_TRACE(format.decimal);
        ActiveRcInput in = Input(HP, BW, 2, 1000, 0.01);
        in.format = format;
        EXPECT_EQ(Design(in).RText, "16" + format.decimal + "0000000972395");
        // A resistance beyond 15 digits goes to scientific notation and still reads back.
        in.answer = 1e-16;
        const ActiveRcDesign big = Design(in);
        EXPECT_EQ(big.RText, "1" + format.decimal + "59999994980097E+15");
        EXPECT_EQ(big.shown[2].text, " 1.59999994980097E+15");
        EXPECT_EQ(big.shown[5].text, " 3.2E+15");
    }
}

TEST(ActiveRc, LowPassDividersRoundToSingleBeforeWholeKiloOhms) {
    // (1.38 - 1) * 50000 ohm is 18999.99976 in double but 19000 in single: R3 is 19, not 18.
    const ActiveRcDesign d = Design(Input(LP, BW, 5, 1000, 25));
    EXPECT_EQ(d.values.ValR3, 19.0f);
    EXPECT_EQ(Values(d), "C1= .0064|C2= 69|L1= 25|L2= 25|L3= 19|L4= 50");
}

TEST(ActiveRc, LowPassCapacitorFormsItsProductInDouble) {
    // R × F1 × ν formed in single precision would end these in ...569 and ...0341.
    EXPECT_EQ(Values(Design(Input(LP, CH, 3, 2700, 23.5, "3"))),
              "C1= .002740946|C2= .002740946|C3= .008405568|L1= 23.5|L2= 23.5|L3= 78|L4= 47");
    EXPECT_EQ(Values(Design(Input(LP, CH, 5, 2700, 59.1, "0.5"))),
              "C1= .001453181|C2= .000983034|C3= .002785263|C4= 210|L1= 59.1|L2= 59.1|L3= 135|L4= 118");
}

TEST(ActiveRc, LowPassAnswerBelowOneKiloOhm) {
    // Dividers below 1 kΩ show 0; a gain above 2 lifts (K - 1) * 0.8 kΩ past 1.
    struct Case {
        FilterResponse response;
        const char* ripple;
        int n;
        const char* values;
    };
    const Case cases[] = {
        {BW, nullptr, 2, "C1= .4|C2= .4|L1= .4|L2= .4|L3= 0|L4= 0"},
        {BW, nullptr, 3, "C1= .4|C2= .4|C3= .4|L1= .4|L2= .4|L3= 0|L4= 0"},
        {BW, nullptr, 4, "C1= .4|C2= .4|L1= .4|L2= 0|L3= 0|L4= 0"},
        {BW, nullptr, 5, "C1= .4|C2= 1|L1= .4|L2= .4|L3= 0|L4= 0"},
        {CH, "0.5", 2, "C1= .3174603|C2= .3174603|L1= .4|L2= .4|L3= 0|L4= 0"},
        {CH, "3", 2, "C1= .4761905|C2= .4761905|L1= .4|L2= .4|L3= 0|L4= 0"},
        {CH, "0.5", 3, "C1= .3738317|C2= .3738317|C3= .6349207|L1= .4|L2= .4|L3= 1|L4= 0"},
        {CH, "3", 5, "C1= .6557377|C2= .4123711|C3= 2.222222|C4= 1|L1= .4|L2= .4|L3= 1|L4= 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ripple ? c.ripple : "Butterworth") + " order " + std::to_string(c.n));
        EXPECT_EQ(Values(Design(Input(LP, c.response, c.n, 1000, 0.4, c.ripple))), c.values);
    }
}

// ---- Every order and response -----------------------------------------------------------------------

struct Variant {
    FilterType type;
    FilterResponse response;
    const char* ripple;
    int n;
    const char* captions;
    const char* values;  // low-pass: 4.7 kΩ at 1234.5 Hz; high-pass: 0.022 µF at 3300 Hz
};

const Variant kVariants[] = {
    {LP, BW, nullptr, 2, "C1:C1, мкФ|C2:C2, мкФ|L1:R1,кОм|L2:R2,кОм|L3:R3,кОм|L4:R4,кОм",
     "C1= .02757598|C2= .02757598|L1= 4.7|L2= 4.7|L3= 5|L4= 9"},
    {LP, BW, nullptr, 3, "C1:|C2:|C3:|L1:R1,R2,кОм|L2:R5,кОм|L3:R3,кОм|L4:R4,кОм",
     "C1= .02757598|C2= .02757598|C3= .02757598|L1= 4.7|L2= 4.7|L3= 9|L4= 9"},
    {LP, BW, nullptr, 4, "C1:|C2:|L1:R1,R2,кОм|L2:R5,кОм|L3:R3,кОм|L4:R4,R6,кОм",
     "C1= .02757598|C2= .02757598|L1= 4.7|L2= 11|L3= 1|L4= 9"},
    {LP, BW, nullptr, 5, "C1:C1-C5,мкФ|C2:R6,кОм|L1:R1,R2,кОм|L2:R5,кОм|L3:R3,кОм|L4:R4,R7,кОм",
     "C1= .02757598|C2= 12|L1= 4.7|L2= 4.7|L3= 3|L4= 9"},
    {LP, CH, "0.5", 2, "C1:C1, мкФ|C2:C2, мкФ|L1:R1,кОм|L2:R2,кОм|L3:R3,кОм|L4:R4,кОм",
     "C1= .0218857|C2= .0218857|L1= 4.7|L2= 4.7|L3= 7|L4= 9"},
    {LP, CH, "0.5", 3, "C1:C1, мкФ|C2:C2, мкФ|C3:C3, мкФ|L1:R1,R2,кОм|L2:R5,кОм|L3:R3,кОм|L4:R4,кОм",
     "C1= .02577195|C2= .02577195|C3= .0437714|L1= 4.7|L2= 4.7|L3= 13|L4= 9"},
    {LP, CH, "0.5", 4, "C1:|C2:|C3:|C4:|L1:R1,R2,кОм|L2:R5,кОм|L3:R3,кОм|L4:R4,R6,кОм",
     "C1= .04595997|C2= .04595997|C3= .0267728|C4= .0267728|L1= 4.7|L2= 15|L3= 5|L4= 9"},
    {LP, CH, "0.5", 5,
     "C1:C1-C2,мкФ|C2:C4-C5,мкф|C3:C3, мкФ|C4:R6,кОм|L1:R1,R2,кОм|L2:R5,кОм|L3:R3,кОм|L4:R4,R7,кОм",
     "C1= .03996519|C2= .02703528|C3= .07659996|C4= 16|L1= 4.7|L2= 4.7|L3= 10|L4= 9"},
    {LP, CH, "3", 2, "C1:C1, мкФ|C2:C2, мкФ|L1:R1,кОм|L2:R2,кОм|L3:R3,кОм|L4:R4,кОм",
     "C1= .03282855|C2= .03282855|L1= 4.7|L2= 4.7|L3= 11|L4= 9"},
    {LP, CH, "3", 3, "C1:C1, мкФ|C2:C2, мкФ|C3:C3, мкФ|L1:R1,R2,кОм|L2:R5,кОм|L3:R3,кОм|L4:R4,кОм",
     "C1= .0299739|C2= .0299739|C3= .09191994|L1= 4.7|L2= 4.7|L3= 15|L4= 9"},
    {LP, CH, "3", 4, "C1:|C2:|C3:|C4:|L1:R1,R2,кОм|L2:R5,кОм|L3:R3,кОм|L4:R4,R6,кОм",
     "C1= .06267269|C2= .06267269|C3= .02902735|C4= .02902735|L1= 4.7|L2= 17|L3= 10|L4= 9"},
    {LP, CH, "3", 5,
     "C1:C1-C2,мкФ|C2:C4-C5,мкф|C3:C3, мкФ|C4:R6,кОм|L1:R1,R2,кОм|L2:R5,кОм|L3:R3,кОм|L4:R4,R7,кОм",
     "C1= .04520653|C2= .02842885|C3= .1531999|C4= 17|L1= 4.7|L2= 4.7|L3= 14|L4= 9"},

    {HP, BW, nullptr, 2, "C1:C1, мкФ|C2:C2, мкФ|L1:R1,кОм|L2:R2,кОм|L3:R3,кОм|L4:R4,кОм",
     "C1= .022|C2= .022|L1= 2.20385674491046|L2= 2.20385674491046|L3= 2.468319|L4= 4.407713"},
    {HP, BW, nullptr, 3, "C1:|C2:|C3:|L1:R1,R2,кОм|L2:R5,кОм|L3:R3,кОм|L4:R4,кОм",
     "C1= .022|C2= .022|C3= .022|L1= 2.20385674491046|L2= 2.20385674491046|L3= 4.407713|L4= 4.407713"},
    {HP, BW, nullptr, 4, "C1:|C2:|C3:R7,кОм|L1:R1,R2,кОм|L2:R5,R6,кОм|L3:R3,кОм|L4:R4,R8,кОм",
     "C1= .022|C2= .022|C3= 5.465565|L1= 2.20385674491046|L2= 2.20385674491046|L3= .6611569|L4= 4.407713"},
    {HP, BW, nullptr, 5, "C1:C1-C3,мкФ|C2:R8,кОм|C3:R4,R9,кОм|L1:R1,R2,кОм|L2:R5,кОм|L3:R3,кОм|L4:R6,R7,кОм",
     "C1= .022|C2= 6.082645|C3= 4.407713|L1= 2.20385674491046|L2= 2.20385674491046|L3= 1.674931|"
     "L4= 2.20385674491046"},
    {HP, CH, "0.5", 2, "C1:C1, мкФ|C2:C2, мкФ|L1:R1,кОм|L2:R2,кОм|L3:R3,кОм|L4:R4,кОм",
     "C1= .022|C2= .022|L1= 1.74909266792945|L2= 1.74909266792945|L3= 2.938476|L4= 3.498185"},
    {HP, CH, "0.5", 3, "C1:|C2:|C3:|L1:R1,R2,кОм|L2:R5,кОм|L3:R3,кОм|L4:R4,кОм",
     "C1= .022|C2= .022|C3= .022|L1= 2.05967909988411|L2= 3.498185|L3= 5.808295|L4= 4.119358"},
    {HP, CH, "0.5", 4, "C1:|C2:|C3:R7,кОм|C4:R8,кОм|L1:R1,R2,кОм|L2:R5,R6,кОм|L3:R3,кОм|L4:R4,кОм",
     "C1= .022|C2= .022|C3= 7.103694|C4= 4.279334|L1= 3.67309442889511|L2= 2.139667|L3= 4.26079|L4= "
     "7.346189"},
    {HP, CH, "0.5", 5,
     "C1:C1-C3,мкФ|C2:R8,кОм|C3:R4,кОм|C4:R9,кОм|L1:R1,R2,кОм|L2:R5,кОм|L3:R3,кОм|L4:R6,R7,кОм",
     "C1= .022|C2= 7.691892|C3= 6.38799|C4= 4.321288|L1= 3.19399529351527|L2= 6.121824|L3= 7.346189|"
     "L4= 2.160644"},
    {HP, CH, "3", 2, "C1:C1, мкФ|C2:C2, мкФ|L1:R1,кОм|L2:R2,кОм|L3:R3,кОм|L4:R4,кОм",
     "C1= .022|C2= .022|L1= 2.62363906395016|L2= 2.62363906395016|L3= 6.454152|L4= 5.247278"},
    {HP, CH, "3", 3, "C1:|C2:|C3:|L1:R1,R2,кОм|L2:R5,кОм|L3:R3,кОм|L4:R4,кОм",
     "C1= .022|C2= .022|C3= .022|L1= 2.39549641840359|L2= 7.346189|L3= 8.000958|L4= 4.790993"},
    {HP, CH, "3", 4, "C1:|C2:|C3:R7,кОм|C4:R8,кОм|L1:R1,R2,кОм|L2:R5,R6,кОм|L3:R3,кОм|L4:R4,кОм",
     "C1= .022|C2= .022|C3= 8.444251|C4= 4.639699|L1= 5.00876535648247|L2= 2.319849|L3= 10.71876|L4= "
     "10.01753"},
    {HP, CH, "3", 5,
     "C1:C1-C3,мкФ|C2:R8,кОм|C3:R4,кОм|C4:R9,кОм|L1:R1,R2,кОм|L2:R5,кОм|L3:R3,кОм|L4:R6,R7,кОм",
     "C1= .022|C2= 8.588225|C3= 7.22576|C4= 4.544034|L1= 3.61287982496361|L2= 12.24365|L3= 11.05541|"
     "L4= 2.272017"},
};

std::string Name(const Variant& v) {
    return std::string(v.type == LP ? "low-pass " : "high-pass ") + (v.ripple ? v.ripple : "Butterworth") +
           " order " + std::to_string(v.n);
}

TEST(ActiveRc, EveryOrderAndResponse) {
    for (const Variant& v : kVariants) {
        SCOPED_TRACE(Name(v));
        const float f1 = v.type == LP ? 1234.5f : 3300;
        const double answer = v.type == LP ? 4.7 : 0.022;
        const ActiveRcDesign d = Design(Input(v.type, v.response, v.n, f1, answer, v.ripple));
        EXPECT_EQ(Captions(d), v.captions);
        EXPECT_EQ(Values(d), v.values);
        EXPECT_EQ(d.picture, (v.type == LP ? kLowPassActivePictures : kHighPassActivePictures) + v.n - 2);
    }
}

// ---- Answers that give no filter --------------------------------------------------------------------

TEST(ActiveRc, AnswerMustGiveAPositiveComponent) {
    // 0 stands for an empty answer and for one without a leading number, as they read.
    for (double answer : {0.0, -10.0, -0.001, 1e-60}) {
        for (FilterType type : {LP, HP}) {
            SCOPED_TRACE(std::to_string(answer));
            EXPECT_FALSE(DesignActiveRc(Input(type, BW, 2, 1000, answer)).has_value());
            EXPECT_FALSE(DesignActiveRc(Input(type, BW, 1, 1000, answer)).has_value());
        }
    }
}

TEST(ActiveRc, FloatingPointFaultsEndTheDesign) {
    auto kind = [](const ActiveRcInput& in) {
        try {
            DesignActiveRc(in);
        } catch (const RuntimeError& e) {
            return e.kind();
        }
        ADD_FAILURE() << "no run-time error";
        return ErrorKind::TypeMismatch;
    };
    EXPECT_EQ(kind(Input(LP, BW, 2, 1000, 1e40)), ErrorKind::Overflow);  // beyond single range
    EXPECT_EQ(kind(Input(HP, BW, 2, 1000, 1e40)), ErrorKind::Overflow);
    EXPECT_EQ(kind(Input(LP, BW, 2, 0, 10)), ErrorKind::DivisionByZero);
    // A Chebyshev table never loaded holds zeros.
    ActiveRcInput empty = Input(HP, CH, 3, 1000, 0.01);
    EXPECT_EQ(kind(empty), ErrorKind::DivisionByZero);
    empty.type = LP;
    EXPECT_EQ(kind(empty), ErrorKind::DivisionByZero);
}

}  // namespace

// ---- Designators ------------------------------------------------------------------------------------

// The designators the pictures of the active filters carry, from the input.
TEST(ActiveFilterDesignators, AreThoseOfThePictures) {
    const struct {
        bool highPass;
        int n;
        const char* names;
    } rows[] = {
        {true, 2, "C1 C2 R1 R2 DA1 R3 R4"},
        {true, 3, "C3 R5 C1 C2 R1 R2 DA1 R3 R4"},
        {true, 4, "C1 C2 R1 R2 DA1 R3 R4 C1 C2 R5 R6 DA2 R7 R8"},
        {true, 5, "C3 R5 C1 C2 R1 R2 DA1 R3 R4 C1 C2 R6 R7 DA2 R8 R9"},
        {false, 2, "R1 R2 C1 C2 DA1 R3 R4"},
        {false, 3, "R5 C3 R1 R2 C1 C2 DA1 R3 R4"},
        {false, 4, "R1 R2 C1 C2 DA1 R3 R4 R1 R2 C3 C4 DA2 R5 R6"},
        {false, 5, "R5 C3 R1 R2 C1 C2 DA1 R3 R4 R1 R2 C4 C5 DA2 R6 R7"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.names);
        const ActiveDesignators d = ActiveFilterDesignators(row.highPass, row.n);
        std::string names;
        for (const DesignatedPart& p : d.InCascade()) {
            names += (names.empty() ? "" : " ") + p.designator;
            const char letter = p.kind == ElementKind::Resistor    ? 'R'
                                : p.kind == ElementKind::Capacitor ? 'C'
                                : p.kind == ElementKind::Amplifier ? 'D'
                                                                   : '?';
            EXPECT_EQ(p.designator[0], letter) << p.designator;
        }
        EXPECT_EQ(names, row.names);
        EXPECT_EQ(d.group.has_value(), row.n % 2 == 1);
    }
    EXPECT_THROW(ActiveFilterDesignators(false, 1), std::out_of_range);
    EXPECT_THROW(ActiveFilterDesignators(true, 6), std::out_of_range);
}
