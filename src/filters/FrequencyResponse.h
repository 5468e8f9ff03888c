#pragma once

// The frequency response of a designed filter, computed from its component values as the results
// window shows them (single precision, the units of the boxes), not from the prototype it was designed
// from: so a wrong value, a misplaced element or the coarse constants of the design show up in the curve.
// Also the verdict: does the circuit meet the attenuation the user asked for in the pass band and in the
// stop band, and by how many dB.

#include <array>
#include <complex>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "base/NumberText.h"
#include "filters/ActiveRc.h"

namespace vokta {

// ---- Circuits -----------------------------------------------------------------------------------------

// A passive LC ladder, branches counted from the input, doubly terminated: driven from a source of
// resistance rn and loaded by rn.
struct LadderCircuit {
    double rn = 0;  // ohm
    std::vector<LadderBranch> branches;
};

enum class ActiveStageKind {
    // A first-order group: low-pass R in the line and C to ground, high-pass C in the line and R to
    // ground. Unless a follower comes after it, the stage after it loads it.
    FirstOrder,
    // A Sallen-Key section around an ideal amplifier with the gain of its divider,
    // K = 1 + rFeedback / rGround (low-pass: two R in the line, C from their junction to the output and C
    // to ground; high-pass: R and C change places).
    Section,
    // A unity-gain follower (an ideal amplifier with its output on its inverting input): it passes the
    // voltage on and isolates what comes before it from the load after it. No R or C of its own.
    Follower,
};

struct ActiveStage {
    ActiveStageKind kind = ActiveStageKind::Section;
    // The frequency-setting parts, kΩ and µF. A first-order group has r[0] and c[0]. A section's pair in
    // the line comes first from the input: low-pass r[0], r[1] in the line, c[0] from their junction to
    // the output, c[1] to ground; high-pass c[0], c[1] in the line, r[0] from their junction to the
    // output, r[1] to ground. The designs give both of a pair the same value; a part drawn within its
    // tolerance moves on its own.
    std::array<float, 2> r{};
    std::array<float, 2> c{};
    float rFeedback = 0;  // kΩ, section only: from the amplifier's output to its inverting input
    float rGround = 0;    // kΩ, section only: from the inverting input to ground
};

// How many of r and of c a stage uses: a section 2, a first-order group 1, a follower none.
inline int FrequencyParts(ActiveStageKind kind) {
    return kind == ActiveStageKind::Section ? 2 : kind == ActiveStageKind::FirstOrder ? 1 : 0;
}

// The stages as the designs build them.
inline ActiveStage GroupStage(float r, float c) {
    return {ActiveStageKind::FirstOrder, {r, 0}, {c, 0}, 0, 0};
}
inline ActiveStage SectionStage(float r, float c, float rFeedback, float rGround) {
    return {ActiveStageKind::Section, {r, r}, {c, c}, rFeedback, rGround};
}
inline ActiveStage FollowerStage() {
    return {ActiveStageKind::Follower, {}, {}, 0, 0};
}

// An active RC filter: stages from the input, driven from an ideal voltage source.
struct ActiveCircuit {
    bool highPass = false;
    std::vector<ActiveStage> stages;
};

using FilterCircuit = std::variant<LadderCircuit, ActiveCircuit>;

// ---- The circuits of the results window ------------------------------------------------------------------

// The ladder of that shape and order (FilterCircuit.h) with the values ValC1..ValC4 (µF) and ValL1..ValL4
// (µH) as the results window holds them: each branch takes the values of its designators. Throws
// InvalidArgument for an order that has no ladder.
LadderCircuit PassiveLadderCircuit(FilterType type, int n, double rn, const std::array<float, 4>& valC,
                                   const std::array<float, 4>& valL);

// The active circuit of order n (2..5) that the design of that type and response shows with the values
// the results window holds; ra is a high-pass's resistance of DA1's section in kΩ, as its text reads back.
ActiveCircuit ActiveFilterCircuit(FilterType type, FilterResponse response, int n, const ActiveValues& values,
                                  double ra);

// ---- Response ------------------------------------------------------------------------------------------

// The attenuation at one frequency (Hz) of a doubly terminated ladder, relative to the matched transfer:
// 20·lg|Vs / (2·Vout)|, 0 dB where all the source's available power reaches the load.
double LadderAttenuation(const LadderCircuit& circuit, double f);

// Vout / Vin of an active circuit at one frequency (Hz).
std::complex<double> ActiveTransfer(const ActiveCircuit& circuit, double f);

// The gain far inside the pass band: the product of the amplifiers' gains (at DC for a low-pass, far
// above the corner for a high-pass).
double ActiveNominalGain(const ActiveCircuit& circuit);

// Whether every amplifier's loop, with whatever loads or feeds it, is stable (all poles in the left
// half-plane). An unstable circuit oscillates and has no frequency response to speak of.
bool ActiveCircuitStable(const ActiveCircuit& circuit);

// What the user asked for.
struct ResponseDemand {
    FilterType shape = FilterType::LowPass;
    double amin = 0;    // dB, the most attenuation allowed in the pass band
    double astop = 0;   // dB, the least attenuation required in the stop band
    double f1 = 0;      // Hz, the pass-band edge of a low-pass or high-pass filter
    double fleft = 0;   // Hz, lower band edge (band filters)
    double fright = 0;  // Hz, upper band edge (band filters)
    double fs = 0;      // Hz, where the stop-band attenuation is required
};

// The pass band and the stop band of a demand, as frequency intervals in Hz. A side that extends to
// zero or to infinity is cut at three decades beyond its edge, where these filters are far past any
// change. Low-pass: pass [f1/1000, f1], stop [fs, 1000·fs]; high-pass the mirror image; band-pass:
// pass [fleft, fright], stop [fs, 1000·fs] (or [fs/1000, fs] when fs lies below the band); band-stop:
// pass below fleft and above fright, stop the band between fs and its mirror image about the centre,
// f0² / fs.
struct Interval {
    double from = 0, to = 0;
};
struct DemandBands {
    std::vector<Interval> pass;
    std::vector<Interval> stop;
};
DemandBands BandsOf(const ResponseDemand& demand);

struct ResponsePoint {
    double f = 0;  // Hz
    double a = 0;  // dB
};

// One demand judged: the worst attenuation found in its band (the largest in the pass band, the smallest
// in the stop band), where it occurs, the limit, and the margin in dB (positive: better than asked).
// A demand is met when the margin is not negative, judged on the figures as computed, not as shown.
struct DemandCheck {
    double attenuation = 0;
    double frequency = 0;
    double limit = 0;
    double margin = 0;
    bool met = false;
};

struct ResponseAnalysis {
    double fmin = 0, fmax = 0;         // the span of the sweep, Hz
    std::vector<ResponsePoint> curve;  // attenuation over a logarithmic sweep of that span
    DemandCheck passBand, stopBand;
};

// Attenuation values are capped here (an attenuation pole of a lossless ladder is infinite).
inline constexpr double kAttenuationCeilingDb = 300;

// Computes the curve and the verdict. The attenuation of an active circuit is relative to its pass-band
// gain: the largest gain it reaches in the demand's pass band (its nominal gain, or a ripple peak above
// it). Throws RuntimeError with a sentence for the user when the circuit has a component value that is
// not positive, an amplifier whose divider has no resistance to ground, or an amplifier loop that is
// unstable, and when a frequency of the demand is not positive.
ResponseAnalysis AnalyseResponse(const FilterCircuit& circuit, const ResponseDemand& demand);

// The frequencies at which the verdict judges a band of the demand: 200 a decade, equally spaced on a
// logarithmic scale, both ends included.
std::vector<double> JudgingGrid(const Interval& band);

// The attenuation in dB at a frequency in Hz as AnalyseResponse computes it (an active circuit's relative
// to its pass-band gain); throws as AnalyseResponse does.
std::function<double(double)> AttenuationOf(const FilterCircuit& circuit, const ResponseDemand& demand);

// ---- Texts ---------------------------------------------------------------------------------------------

// The verdict on each demand: the worst figure found, the limit and the margin, to a tenth of a dB, or
// to hundredths where the margin is under a tenth: "Полоса пропускания: до 3.01 дБ (допустимо 3 дБ) —
// не выполнено, превышение 0.01 дБ." and "Полоса задерживания: от 30.1 дБ (требуется 40 дБ) — не
// выполнено, не хватает 9.9 дБ."
// Numbers in the user's number format.
std::string PassBandVerdict(const DemandCheck& passBand, const NumberFormat& format);
std::string StopBandVerdict(const DemandCheck& stopBand, const NumberFormat& format);
// Both on one line, as the response window shows them.
std::string VerdictText(const DemandCheck& passBand, const DemandCheck& stopBand, const NumberFormat& format);

// What the plot shows, e.g. "Пассивный фильтр нижних частот, порядок 5".
std::string CircuitHeading(const FilterCircuit& circuit, FilterType shape);

// The frequencies at which a logarithmic axis from fmin to fmax is labelled: round numbers (1, 2, 5 and
// finer steps as the span narrows), as many as fit without crowding.
std::vector<double> FrequencyTicks(double fmin, double fmax);

// A frequency for an axis label, in Hz, in the user's number format (its decimal separator, and its
// group separator between groups of three digits from five digits on): "200", "1500", "10 000",
// "2 500 000", "0,5" in a Russian format.
std::string FrequencyLabel(double hz, const NumberFormat& format);

}  // namespace vokta
