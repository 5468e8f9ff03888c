#pragma once

// The tuned circuits of a superheterodyne receiver's RF path (input circuit and RF amplifier): how
// many circuits, one or two, are needed to suppress the image channel, and the equivalent quality
// factors that the image selectivity demands and that the allowed pass-band unevenness permits.

#include <cstdint>
#include <optional>
#include <string>

namespace vokta {

enum class Modulation { AM, SSB, FM };

// How the tuned circuit is coupled to the transistor that follows it.
enum class TransistorCoupling {
    TappedCapacitance,  // the transistor sits on a capacitive tap of the circuit
    Inductive,          // the transistor is fed from a coupling coil
};

// The source data as the user gives them.
struct RfPathTask {
    double fmaxMHz = 0;          // top of the tuning range
    double fminMHz = 0;          // bottom of the tuning range
    double ifMHz = 0;            // intermediate frequency
    double selectivityDb = 0;    // wanted image-channel selectivity
    double circuitDamping = 0;   // damping (1/Q) of one real tuned circuit
    double unevennessDb = 0;     // allowed unevenness of the RF-path response across the pass band
    double instability = 0;      // relative instability of the local oscillator (1e-3 .. 1e-7)
    double modulationHz = 0;     // highest modulating frequency
    double modulationIndex = 0;  // FM only
    Modulation modulation = Modulation::AM;
    TransistorCoupling coupling = TransistorCoupling::TappedCapacitance;
    bool magneticAntenna = false;
    bool coilCoupledAntenna = false;  // the antenna is coupled to the circuit by a coil
    bool longAntenna = false;         // electrically long antenna
};

// One circuit is taken when one meets both demands, else two when two do; otherwise the verdict says
// which demand two circuits fail.
enum class RfPathVerdict {
    Designed,
    SelectivityUnattainable,  // even two circuits of the given damping cannot reach the selectivity
    AttenuationUnattainable,  // two circuits sharp enough for the selectivity are too sharp for the pass
                              // band: no whole Q meets both demands
};

// The outcome of a design. Every working value is kept in single precision, as it was used.
struct RfPathDesign {
    RfPathVerdict verdict = RfPathVerdict::Designed;
    int16_t circuits = 0;  // the number of circuits the design settled on (or last tried)

    // On success, the equivalent quality factors as whole numbers (0 otherwise). The one for
    // selectivity is the least that still gives it, 1 / dsel rounded up; the one for attenuation the
    // greatest that still keeps the pass band even enough, Int(1 / datt). A number of circuits can do
    // the task only where selectivityQ <= attenuationQ.
    float selectivityQ = 0;
    float attenuationQ = 0;

    float fmax = 0, fmin = 0, fif = 0;  // Hz
    float imageHz = 0;                  // image frequency at the top of the range, fmax + 2 fif
    float imageDetuning = 0;            // xi = fim / fmax - fmax / fim
    float modulationHz = 0;             // F, the highest modulating frequency
    float oscillatorHz = 0;             // the local oscillator at the top of the range, fmax + fif
    float driftHz = 0;                  // 2 delta f_LO: how far the oscillator's drift moves the signal
    float bandwidthHz = 0;              // signal bandwidth, the drift included
    float antennaDb = 0;                // sigma_a, what the antenna adds to the image suppression
    float couplingDb = 0;               // sigma_c, what the coupling to the transistor adds
    float selectivityRatio = 0;         // D, what the circuits themselves must give, as a ratio
    float selectivityDamping = 0;       // dsel: greatest damping that still gives the selectivity
    float lowerEdgeHz = 0;              // fmin - bandwidth / 2, the lower edge of the band at the bottom
    float edgeDetuning = 0;             // its detuning fmin / edge - edge / fmin; 0 when the band reaches
                                        // down to zero frequency, which no circuit passes
    float attenuationDamping = 0;       // datt: smallest damping that keeps the pass band even enough
                                        // (for the number of circuits in `circuits`; 0 when not formed)

    // With the coil-coupled antenna: 20 lg E, the frequency response of the antenna circuit between
    // the image and the top of the range. It is worked out for information only; the design takes the
    // antenna term as 0 dB. Empty when E cannot be formed (a zero denominator or E <= 0).
    std::optional<float> coilAntennaDb;
};

// What the antenna and the coupling to the transistor add to the suppression of a signal that lies
// `ratio` times the frequency the circuits are tuned to (the image: ratio = fim / f > 1), in dB. Each
// follows the first power of frequency: a magnetic antenna's EMF grows in proportion to frequency, so
// the image arrives `ratio` times stronger (-20 lg ratio); a capacitive tap passes the higher frequency
// to the transistor in proportion better (-20 lg ratio), a coupling coil in proportion worse
// (+20 lg ratio). A coil-coupled antenna is taken as 0 dB, in place of the magnetic antenna's term.
struct RfPathTerms {
    double antennaDb = 0;
    double couplingDb = 0;
};
RfPathTerms PathTermsDb(const RfPathTask& task, double ratio);

// The inputs of a task, in the order of the window's fields, to say which one is out of its domain.
enum class RfPathInput {
    Fmax,
    Fmin,
    If,
    Damping,
    Unevenness,
    Instability,
    ModulationFrequency,
    ModulationIndex
};

struct RfPathFault {
    RfPathInput input;
    std::string message;  // a Russian sentence that names the input
};

// The first input, in the order of the window, that lies outside its domain: a frequency or damping
// that is not above zero, a bottom frequency not below the top, an unevenness not above zero, a
// negative instability, a negative FM index. Nothing when every input is within its domain.
std::optional<RfPathFault> FindDomainFault(const RfPathTask& task);

// Sizes the RF path. The local oscillator's drift widens the band: the signal bandwidth of the
// modulation gains 2 delta (fmax + fif). The pass band is judged at its lower edge at the bottom of the
// range, the edge that lies further off in detuning. An infeasible task is a verdict, not an error. Throws
// RuntimeError with a Russian sentence naming the input when the data are out of range: the faults
// of FindDomainFault, a selectivity too small to need any circuit, a value beyond the single range.
RfPathDesign DesignRfPath(const RfPathTask& task);

}  // namespace vokta
