#pragma once

// A winding feeding a bridge rectifier with a smoothing capacitor and a resistive load, simulated in the
// time domain until it repeats from one half-period to the next: the winding is a sine source behind a
// resistance, the diodes follow Shockley's exponential law.

#include <optional>

namespace vokta {

// A silicon diode: I = Is (exp(V / (n Vt)) - 1).
struct DiodeModel {
    double is = 0;  // saturation current, A
    double n = 0;   // emission coefficient
};
// A 1 A, 1000 V rectifier diode of the 1N4007 kind: the saturation current and emission coefficient of
// the maker's published SPICE model (IS = 7.02767 nA, N = 1.80803); its series resistance of 34 mΩ is
// left out, as it is small beside the winding's.
inline constexpr DiodeModel kRectifierDiode{7.02767e-9, 1.80803};
// The diodes' temperature, 27 °C (the nominal temperature of SPICE models), and kT/q there, V.
inline constexpr double kDiodeCelsius = 27;
inline constexpr double kThermalVoltage = 1.380649e-23 * (kDiodeCelsius + 273.15) / 1.602176634e-19;

// Mains frequency, Hz.
inline constexpr double kMainsHz = 50;

struct BridgeCircuit {
    double amplitude = 0;    // peak of the source's sine, V
    double resistance = 0;   // in series with the source, Ω (not below zero)
    double capacitance = 0;  // smoothing capacitor, F
    double load = 0;         // load resistance, Ω
    double frequency = kMainsHz;
};

// The circuit in its steady state, over one period.
struct BridgeState {
    double dcVoltage = 0;     // mean voltage on the load, V
    double ripple = 0;        // peak-to-peak voltage on the load, V
    double peakVoltage = 0;   // highest voltage on the load, V
    double diodePeak = 0;     // highest current of a diode, A
    double diodeAverage = 0;  // mean current of one diode, A
    double windingRms = 0;    // RMS current of the source, A
    double sourcePower = 0;   // mean power the sine source gives, W
};

// The steady state of a bridge. Throws RuntimeError (invalid argument) for a circuit whose values are not
// finite, a capacitance or load that is not above zero, a negative amplitude or resistance.
BridgeState SimulateBridge(const BridgeCircuit& circuit, const DiodeModel& diode = kRectifierDiode);

// The bridge of a winding that must give a DC current: its load is the resistance that draws that current
// at the DC voltage the bridge gives into it, and its capacitor the smallest E6 value from 1 µF whose
// ripple (peak to peak) into that load is at most `rippleShare` of the DC voltage, at most 1 F.
struct RectifierChoice {
    double capacitance = 0;  // F
    double load = 0;         // Ω
    BridgeState state;       // the bridge with that capacitor and load
    // The peak of the source rises above the drop of two diodes at the DC current.
    bool diodesConduct = false;
    // Some load draws the DC current: false where even a short circuit (a load of a ten-thousandth of
    // amplitude / current) draws less; the state is then that short circuit's, and no capacitor is
    // looked for.
    bool currentMet = false;
    bool rippleMet = false;  // false: even 1 F leaves more ripple, or the current is not met
};
// Throws RuntimeError (invalid argument) for a current that is not above zero or a circuit SimulateBridge
// refuses.
RectifierChoice ChooseSmoothingCapacitor(double amplitude, double resistance, double current,
                                         double rippleShare, const DiodeModel& diode = kRectifierDiode);

}  // namespace vokta
