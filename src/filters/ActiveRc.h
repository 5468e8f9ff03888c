#pragma once

// Active RC low-pass and high-pass filters of order 2 to 5: a cascade of equal-component Sallen-Key
// sections (a second-order section around a non-inverting amplifier whose gain K sets the damping,
// d = 3 - K), preceded by a first-order RC group for the odd orders. Every frequency-setting resistor
// (low-pass) or every capacitor (high-pass) takes the value the user gives; the other components follow
// from it and the edge frequency.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/NumberText.h"
#include "filters/FilterCircuit.h"

namespace vokta {

// The pass-band ripples, in dB, for which the Chebyshev section table has rows, as the list offers them.
inline constexpr std::string_view kActiveChebyshevRipples[] = {"0.5", "3"};

// The Chebyshev section table of the results window: normalised frequency of the first, second and
// third RC group (group frequency / edge frequency) and damping (1/Q) of the first and second
// second-order section. The window keeps it from one design to the next.
struct ActiveChebyshevTable {
    float ChebFreq1 = 0;
    float ChebFreq2 = 0;
    float ChebFreq3 = 0;
    float ChebDamp1 = 0;
    float ChebDamp2 = 0;
};

// Loads the row of the ripple text (exactly "0.5" or "3") and order n into the table. Entries that the
// row leaves blank, and the whole table for an order without rows, keep their values. Returns false and
// leaves the table untouched when the text is neither of the two ripples.
bool LoadActiveChebyshevRow(std::string_view rippleText, int n, ActiveChebyshevTable& table);

// The label and value-box pairs of the results window: LblC1 with TxtC1 ... LblL4 with TxtL4.
enum class ResultSlot { C1, C2, C3, C4, L1, L2, L3, L4 };
const char* ResultSlotName(ResultSlot slot);  // "C1" ... "L4"

// One label and value box that a design shows.
struct ShownValue {
    ResultSlot slot;
    std::string caption;  // empty: the label keeps its design caption
    std::string text;     // what the value box shows
};

// The working values of the active designs as the results window holds them: resistances in kΩ (which
// one holds which resistor depends on the design), the gains of amplifiers DA1 and DA2, capacitances in
// µF. A design sets those it uses and leaves the others as the previous design left them.
struct ActiveValues {
    float ValR1 = 0, ValR2 = 0, ValR3 = 0, ValR4 = 0, ValR5 = 0, ValR6 = 0, ValR7 = 0;
    float GainK1 = 0, GainK2 = 0;
    float ValC1 = 0, ValC3 = 0, ValC4 = 0;
};

// What one design gives.
struct ActiveRcDesign {
    ActiveValues values;  // the previous values with those of this design set
    // High-pass: the resistance of DA1's section in kΩ, kept as text in the user's number format.
    std::optional<std::string> RText;
    int picture = 0;  // 0: nothing to show (an order without a design)
    std::vector<ShownValue> shown;
};

struct ActiveRcInput {
    FilterType type = FilterType::LowPass;  // low-pass or high-pass
    FilterResponse response = FilterResponse::Butterworth;
    int16_t n = 0;
    float f1 = 0;  // edge frequency, Hz
    // The value the user gave: the resistance of the filter's resistors in kΩ (low-pass) or the
    // capacitance of its capacitors in µF (high-pass).
    double answer = 0;
    ActiveChebyshevTable table;  // Chebyshev only
    ActiveValues values;         // the previous design's values
    NumberFormat format;         // the user's number format (high-pass)
};

// Designs the filter. Returns std::nullopt when the answer does not give a positive component value. For an
// order outside 2..5 only the answer's value is kept (ValR1 in ohms for the low-pass, ValC1 in farads for the
// high-pass) and nothing is shown. Floating-point faults throw RuntimeError.
std::optional<ActiveRcDesign> DesignActiveRc(const ActiveRcInput& input);

}  // namespace vokta
