#include "filters/ActiveRc.h"

#include <span>

#include "base/Checked.h"
#include "base/Units.h"

namespace vokta {

using namespace units;

namespace {

// ---- The Chebyshev section table -------------------------------------------------------------------

// A row gives only the entries that its order uses; the others stay blank.
struct ChebyshevRow {
    std::optional<float> freq1, freq2, freq3, damp1, damp2;
};

// Rows for orders 2 to 5, per ripple.
const ChebyshevRow kRipple05[] = {
    {1.26f, {}, {}, 1.16f, {}},
    {0.63f, 1.07f, {}, 0.59f, {}},
    {0.6f, 1.03f, {}, 1.42f, 0.34f},
    {0.36f, 0.69f, 1.02f, 0.85f, 0.22f},
};
const ChebyshevRow kRipple3[] = {
    {0.84f, {}, {}, 0.77f, {}},
    {0.3f, 0.92f, {}, 0.33f, {}},
    {0.44f, 0.95f, {}, 0.93f, 0.18f},
    {0.18f, 0.61f, 0.97f, 0.47f, 0.11f},
};

void Set(float& entry, std::optional<float> value) {
    if (value) entry = *value;
}

// ---- How the cascade of each order is built ---------------------------------------------------------

// Which Chebyshev frequency (1..3) each RC group of an order uses; 0 for a group that the order lacks.
struct Cascade {
    int section1;    // DA1's second-order section
    int firstOrder;  // the first-order group at the input (odd orders)
    int section2;    // DA2's second-order section (orders 4 and 5)
};
constexpr Cascade kCascades[] = {{1, 0, 0}, {2, 1, 0}, {1, 0, 2}, {2, 1, 3}};

// Butterworth amplifier gains per order. The high-pass order 2 section runs at 1.56, not the low-pass's 1.59.
struct Gains {
    double k1, k2;
};
constexpr Gains kButterworthLowPassGains[] = {{1.59, 0}, {2, 0}, {1.15, 2.24}, {1.38, 2.38}};
constexpr Gains kButterworthHighPassGains[] = {{1.56, 0}, {2, 0}, {1.15, 2.24}, {1.38, 2.38}};

using Value = float ActiveValues::*;

// Where the values beyond DA1's section are kept. For Butterworth all groups are equal and only DA1's
// section value is kept; DA2's resistor to ground then equals DA1's.
struct Wiring {
    Value firstOrder;  // the first-order group's capacitor (low-pass) or resistor (high-pass)
    Value section2;    // DA2's section's capacitors (low-pass) or resistors (high-pass)
    Value feedback2;   // DA2's resistor from output to inverting input
    Value ground2;     // DA2's resistor to ground, where it has a value of its own
};

// ---- What each design shows -------------------------------------------------------------------------

// DA1's section resistance of the high-pass, shown with all the digits of its text.
constexpr Value kRa = nullptr;

struct DisplayRow {
    ResultSlot slot;
    const char* caption;  // "" keeps the design caption
    Value value;
};

using S = ResultSlot;
using D = ActiveValues;

constexpr DisplayRow kLowPassOrder2[] = {
    {S::C1, "C1, мкФ", &D::ValC1}, {S::C2, "C2, мкФ", &D::ValC1}, {S::L1, "R1,кОм", &D::ValR1},
    {S::L2, "R2,кОм", &D::ValR1},  {S::L3, "R3,кОм", &D::ValR3},  {S::L4, "R4,кОм", &D::ValR4},
};
constexpr DisplayRow kButterworthLowPass3[] = {
    {S::C1, "", &D::ValC1},          {S::C2, "", &D::ValC1},       {S::C3, "", &D::ValC1},
    {S::L1, "R1,R2,кОм", &D::ValR1}, {S::L2, "R5,кОм", &D::ValR1}, {S::L3, "R3,кОм", &D::ValR3},
    {S::L4, "R4,кОм", &D::ValR4},
};
constexpr DisplayRow kButterworthLowPass4[] = {
    {S::C1, "", &D::ValC1},       {S::C2, "", &D::ValC1},       {S::L1, "R1,R2,кОм", &D::ValR1},
    {S::L2, "R5,кОм", &D::ValR5}, {S::L3, "R3,кОм", &D::ValR3}, {S::L4, "R4,R6,кОм", &D::ValR4},
};
constexpr DisplayRow kButterworthLowPass5[] = {
    {S::C1, "C1-C5,мкФ", &D::ValC1}, {S::C2, "R6,кОм", &D::ValR6}, {S::L1, "R1,R2,кОм", &D::ValR1},
    {S::L2, "R5,кОм", &D::ValR1},    {S::L3, "R3,кОм", &D::ValR3}, {S::L4, "R4,R7,кОм", &D::ValR4},
};
constexpr DisplayRow kChebyshevLowPass3[] = {
    {S::C1, "C1, мкФ", &D::ValC1},   {S::C2, "C2, мкФ", &D::ValC1}, {S::C3, "C3, мкФ", &D::ValC3},
    {S::L1, "R1,R2,кОм", &D::ValR1}, {S::L2, "R5,кОм", &D::ValR1},  {S::L3, "R3,кОм", &D::ValR3},
    {S::L4, "R4,кОм", &D::ValR4},
};
constexpr DisplayRow kChebyshevLowPass4[] = {
    {S::C1, "", &D::ValC1},       {S::C2, "", &D::ValC1},          {S::C3, "", &D::ValC3},
    {S::C4, "", &D::ValC3},       {S::L1, "R1,R2,кОм", &D::ValR1}, {S::L2, "R5,кОм", &D::ValR5},
    {S::L3, "R3,кОм", &D::ValR3}, {S::L4, "R4,R6,кОм", &D::ValR4},
};
// "мкф" with a lower-case letter is how this caption has always read.
constexpr DisplayRow kChebyshevLowPass5[] = {
    {S::C1, "C1-C2,мкФ", &D::ValC1}, {S::C2, "C4-C5,мкф", &D::ValC4}, {S::C3, "C3, мкФ", &D::ValC3},
    {S::C4, "R6,кОм", &D::ValR6},    {S::L1, "R1,R2,кОм", &D::ValR1}, {S::L2, "R5,кОм", &D::ValR1},
    {S::L3, "R3,кОм", &D::ValR3},    {S::L4, "R4,R7,кОм", &D::ValR4},
};

constexpr DisplayRow kHighPassOrder2[] = {
    {S::C1, "C1, мкФ", &D::ValC1}, {S::C2, "C2, мкФ", &D::ValC1}, {S::L1, "R1,кОм", kRa},
    {S::L2, "R2,кОм", kRa},        {S::L3, "R3,кОм", &D::ValR3},  {S::L4, "R4,кОм", &D::ValR4},
};
constexpr DisplayRow kButterworthHighPass3[] = {
    {S::C1, "", &D::ValC1},       {S::C2, "", &D::ValC1}, {S::C3, "", &D::ValC1},
    {S::L1, "R1,R2,кОм", kRa},    {S::L2, "R5,кОм", kRa}, {S::L3, "R3,кОм", &D::ValR3},
    {S::L4, "R4,кОм", &D::ValR4},
};
constexpr DisplayRow kButterworthHighPass4[] = {
    {S::C1, "", &D::ValC1},          {S::C2, "", &D::ValC1},    {S::C3, "R7,кОм", &D::ValR5},
    {S::L1, "R1,R2,кОм", kRa},       {S::L2, "R5,R6,кОм", kRa}, {S::L3, "R3,кОм", &D::ValR3},
    {S::L4, "R4,R8,кОм", &D::ValR4},
};
constexpr DisplayRow kButterworthHighPass5[] = {
    {S::C1, "C1-C3,мкФ", &D::ValC1}, {S::C2, "R8,кОм", &D::ValR7}, {S::C3, "R4,R9,кОм", &D::ValR4},
    {S::L1, "R1,R2,кОм", kRa},       {S::L2, "R5,кОм", kRa},       {S::L3, "R3,кОм", &D::ValR3},
    {S::L4, "R6,R7,кОм", kRa},
};
constexpr DisplayRow kChebyshevHighPass3[] = {
    {S::C1, "", &D::ValC1},       {S::C2, "", &D::ValC1},       {S::C3, "", &D::ValC1},
    {S::L1, "R1,R2,кОм", kRa},    {S::L2, "R5,кОм", &D::ValR1}, {S::L3, "R3,кОм", &D::ValR3},
    {S::L4, "R4,кОм", &D::ValR4},
};
constexpr DisplayRow kChebyshevHighPass4[] = {
    {S::C1, "", &D::ValC1},       {S::C2, "", &D::ValC1},       {S::C3, "R7,кОм", &D::ValR7},
    {S::C4, "R8,кОм", &D::ValR5}, {S::L1, "R1,R2,кОм", kRa},    {S::L2, "R5,R6,кОм", &D::ValR1},
    {S::L3, "R3,кОм", &D::ValR3}, {S::L4, "R4,кОм", &D::ValR4},
};
constexpr DisplayRow kChebyshevHighPass5[] = {
    {S::C1, "C1-C3,мкФ", &D::ValC1}, {S::C2, "R8,кОм", &D::ValR7},    {S::C3, "R4,кОм", &D::ValR4},
    {S::C4, "R9,кОм", &D::ValR2},    {S::L1, "R1,R2,кОм", kRa},       {S::L2, "R5,кОм", &D::ValR1},
    {S::L3, "R3,кОм", &D::ValR3},    {S::L4, "R6,R7,кОм", &D::ValR6},
};

struct Variant {
    Wiring wiring;
    std::span<const DisplayRow> display;
};

constexpr Wiring kNoWiring{nullptr, nullptr, nullptr, nullptr};

// [order - 2]
const Variant kButterworthLowPass[] = {
    {kNoWiring, kLowPassOrder2},
    {kNoWiring, kButterworthLowPass3},
    {{nullptr, nullptr, &D::ValR5, nullptr}, kButterworthLowPass4},
    {{nullptr, nullptr, &D::ValR6, nullptr}, kButterworthLowPass5},
};
const Variant kChebyshevLowPass[] = {
    {kNoWiring, kLowPassOrder2},
    {{&D::ValC3, nullptr, nullptr, nullptr}, kChebyshevLowPass3},
    {{nullptr, &D::ValC3, &D::ValR5, nullptr}, kChebyshevLowPass4},
    {{&D::ValC3, &D::ValC4, &D::ValR6, nullptr}, kChebyshevLowPass5},
};
const Variant kButterworthHighPass[] = {
    {kNoWiring, kHighPassOrder2},
    {kNoWiring, kButterworthHighPass3},
    {{nullptr, nullptr, &D::ValR5, nullptr}, kButterworthHighPass4},
    {{nullptr, nullptr, &D::ValR7, nullptr}, kButterworthHighPass5},
};
const Variant kChebyshevHighPass[] = {
    {kNoWiring, kHighPassOrder2},
    {{&D::ValR1, nullptr, nullptr, nullptr}, kChebyshevHighPass3},
    {{nullptr, &D::ValR1, &D::ValR7, &D::ValR5}, kChebyshevHighPass4},
    {{&D::ValR1, &D::ValR6, &D::ValR7, &D::ValR2}, kChebyshevHighPass5},
};

// ---- Formulas ---------------------------------------------------------------------------------------

// 0.16 stands for 1 / 2π (1 / 6.28 = 0.159): a section with equal R and C has its corner at 1 / (2πRC).

// Capacitance of a low-pass group, µF, for R in ohms.
float LowPassCapacitance(float rOhm, float f1, float nu) {
    return Single(Div(0.16, double(rOhm) * f1 * nu) * kBaseToMicro);
}

// Resistance of a high-pass group, kΩ, for C in farads.
double HighPassResistance(float cFarad, float f1, float nu) {
    return Div(Div(0.16, double(cFarad) * f1 * nu), kKiloToBase);
}

float Feedback(float gain, float ground) {
    return Single((double(gain) - 1) * ground);
}

// A low-pass divider resistor in whole kΩ: the value in ohms, already rounded to single, rounded down.
float WholeKiloOhm(float ohm) {
    return Single(Int(double(ohm) / kKiloToBase));
}

}  // namespace

bool LoadActiveChebyshevRow(std::string_view rippleText, int n, ActiveChebyshevTable& table) {
    const ChebyshevRow* rows = nullptr;
    if (rippleText == kActiveChebyshevRipples[0]) rows = kRipple05;
    if (rippleText == kActiveChebyshevRipples[1]) rows = kRipple3;
    if (!rows) return false;
    if (n < kActiveRcMinOrder || n > kActiveRcMaxOrder) return true;
    const ChebyshevRow& row = rows[n - kActiveRcMinOrder];
    Set(table.ChebFreq1, row.freq1);
    Set(table.ChebFreq2, row.freq2);
    Set(table.ChebFreq3, row.freq3);
    Set(table.ChebDamp1, row.damp1);
    Set(table.ChebDamp2, row.damp2);
    return true;
}

const char* ResultSlotName(ResultSlot slot) {
    static const char* const names[] = {"C1", "C2", "C3", "C4", "L1", "L2", "L3", "L4"};
    return names[static_cast<int>(slot)];
}

std::optional<ActiveRcDesign> DesignActiveRc(const ActiveRcInput& in) {
    const bool lowPass = in.type == FilterType::LowPass;
    const bool chebyshev = in.response == FilterResponse::Chebyshev;

    // The user's value: R in ohms, or C in farads.
    const float base = Single(in.answer * (lowPass ? kKiloToBase : kMicroToBase));
    if (!(base > 0)) return std::nullopt;

    ActiveRcDesign design;
    design.values = in.values;
    ActiveValues& d = design.values;
    (lowPass ? d.ValR1 : d.ValC1) = base;
    if (in.n < kActiveRcMinOrder || in.n > kActiveRcMaxOrder) return design;

    const int row = in.n - kActiveRcMinOrder;
    const Cascade cascade = kCascades[row];
    const Variant& variant = (lowPass ? (chebyshev ? kChebyshevLowPass : kButterworthLowPass)
                                      : (chebyshev ? kChebyshevHighPass : kButterworthHighPass))[row];
    const Wiring& wiring = variant.wiring;
    const bool twoSections = cascade.section2 != 0;

    auto nu = [&](int group) -> float {
        if (!chebyshev) return 1;
        const float freqs[] = {in.table.ChebFreq1, in.table.ChebFreq2, in.table.ChebFreq3};
        return freqs[group - 1];
    };

    float k1, k2 = 0;
    if (chebyshev) {
        k1 = Single(3.0 - in.table.ChebDamp1);
        if (twoSections) k2 = Single(3.0 - in.table.ChebDamp2);
    } else {
        const Gains& gains = (lowPass ? kButterworthLowPassGains : kButterworthHighPassGains)[row];
        k1 = Single(gains.k1);
        k2 = Single(gains.k2);
    }
    d.GainK1 = k1;
    if (twoSections) d.GainK2 = k2;

    double raBack = 0;  // high-pass: DA1's section resistance as read back from its text
    if (lowPass) {
        const float r = base;
        d.ValC1 = LowPassCapacitance(r, in.f1, nu(cascade.section1));
        if (chebyshev && cascade.firstOrder)
            d.*wiring.firstOrder = LowPassCapacitance(r, in.f1, nu(cascade.firstOrder));
        if (chebyshev && twoSections) d.*wiring.section2 = LowPassCapacitance(r, in.f1, nu(cascade.section2));

        // Every section's resistor to ground is 2R; each feedback resistor is (K - 1) times that.
        const float ground = Single(2.0 * r);
        d.ValR3 = WholeKiloOhm(Feedback(k1, ground));
        d.ValR4 = WholeKiloOhm(ground);
        if (twoSections) d.*wiring.feedback2 = WholeKiloOhm(Feedback(k2, ground));
        d.ValR1 = Single(double(r) / kKiloToBase);
    } else {
        const float c = base;
        // DA1's section resistance goes through the user's number format and is read back from there.
        const double ra = HighPassResistance(c, in.f1, nu(cascade.section1));
        design.RText = LocaleNumberText(ra, in.format);
        raBack = LocaleParseNumber<double>(*design.RText, in.format);

        const float ground1 = Single(raBack * 2);
        d.ValR4 = ground1;
        d.ValR3 = Feedback(k1, ground1);
        if (chebyshev && cascade.firstOrder)
            d.*wiring.firstOrder = Single(HighPassResistance(c, in.f1, nu(cascade.firstOrder)));
        if (twoSections) {
            float ground2 = ground1;
            if (chebyshev) {
                const float rb = Single(HighPassResistance(c, in.f1, nu(cascade.section2)));
                d.*wiring.section2 = rb;
                ground2 = Single(2.0 * rb);
                d.*wiring.ground2 = ground2;
            }
            d.*wiring.feedback2 = Feedback(k2, ground2);
        }
        d.ValC1 = Single(double(c) * kBaseToMicro);
    }

    design.picture = ActiveFilterPicture(in.type, in.n);
    for (const DisplayRow& shown : variant.display) {
        const std::string text = shown.value == kRa ? NumberText(raBack) : NumberText(d.*shown.value);
        design.shown.push_back({shown.slot, shown.caption, text});
    }
    return design;
}

}  // namespace vokta
