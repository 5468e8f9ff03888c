#pragma once

// The frequency response of a designed filter, computed from its component values as the results
// window shows them (single precision, the units of the boxes), not from the prototype it was designed
// from: so a wrong value, a misplaced element or the coarse constants of the design show up in the curve.
// Also the verdict: does the circuit meet the attenuation the user asked for in the pass band and in the
// stop band, and by how many dB.

#include <algorithm>
#include <complex>
#include <functional>
#include <string>
#include <vector>

#include "base/NumberText.h"
#include "filters/FilterCircuit.h"
#include "filters/ResponseDemand.h"

namespace vokta {

// ---- Response ------------------------------------------------------------------------------------------

// The attenuation at one frequency (Hz) of a doubly terminated ladder, relative to the matched transfer:
// 20·lg|Vs / (2·Vout)|, 0 dB where all the source's available power reaches the load.
double LadderAttenuation(const LadderCircuit& circuit, double f);

// The impedance and the admittance of an arm at the angular frequency w (rad/s).
std::complex<double> ArmImpedance(const Arm& arm, double w);
std::complex<double> ArmAdmittance(const Arm& arm, double w);

// Vout / Vin of an active circuit at one frequency (Hz).
std::complex<double> ActiveTransfer(const ActiveCircuit& circuit, double f);

// The gain far inside the pass band: the product of the amplifiers' gains (at DC for a low-pass, far
// above the corner for a high-pass).
double ActiveNominalGain(const ActiveCircuit& circuit);

// The group delay (s) of an active circuit at one frequency (Hz): the derivative of its phase, -dφ/dω,
// from the derivatives of its sections' polynomials.
double ActiveGroupDelay(const ActiveCircuit& circuit, double f);

// Whether every amplifier's loop, with whatever loads or feeds it, is stable (all poles in the left
// half-plane). An unstable circuit oscillates and has no frequency response to speak of.
bool ActiveCircuitStable(const ActiveCircuit& circuit);

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

// The verdict of AnalyseResponse alone, without the curve; throws as it does.
struct DemandJudgement {
    DemandCheck passBand, stopBand;
    double WorstMargin() const { return std::min(passBand.margin, stopBand.margin); }
};
DemandJudgement JudgeResponse(const FilterCircuit& circuit, const ResponseDemand& demand);

// The span AnalyseResponse sweeps for a demand, whatever the circuit: the pass band and the stop-band
// frequency with room on either side.
Interval SweepSpan(const ResponseDemand& demand);

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
