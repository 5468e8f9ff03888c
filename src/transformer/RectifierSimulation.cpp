#include "transformer/RectifierSimulation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/RuntimeError.h"
#include "components/Capacitors.h"

namespace vokta {

namespace {

// Time steps in a half-period. The bridge repeats every half-period of the mains: in the first half
// the source is positive and one pair of diodes conducts, in the second the other pair carries the
// mirrored current.
constexpr int kSteps = 500;

// The circuit over one half-period, from the source's zero crossing. The state is the capacitor's voltage
// v; the current I of the conducting pair of diodes (two in series, each taking half its voltage) follows
// from the source e = R I + 2 n Vt ln(1 + I / Is) + v. The capacitor is integrated by the second-order
// backward differentiation formula, which damps the fast charging through a small resistance instead of
// ringing as the trapezoidal rule does; each step solves for I by Newton's method from the side on which
// it converges monotonically.
class HalfPeriod {
public:
    HalfPeriod(const BridgeCircuit& c, const DiodeModel& d)
        : c_(c), is_(d.is), nvt2_(2 * d.n * kThermalVoltage), h_(0.5 / c.frequency / kSteps) {}

    // Runs from the capacitor voltage v0 at the zero crossing; returns the voltage half a period later.
    // With a state, gathers the steady-state values.
    double Run(double v0, BridgeState* state) {
        double v = v0, vPrev = v0, current = 0, currentPrev = 0;
        double sumV = 0, sumI = 0, sumI2 = 0, sumP = 0, vMin = v0, vMax = v0, iMax = 0;
        const double omega = 2 * std::numbers::pi * c_.frequency;
        for (int k = 1; k <= kSteps; ++k) {
            const double e = c_.amplitude * std::sin(omega * h_ * k);
            // The capacitor's voltage as a function of the pair current of this step, v = alpha + beta I:
            // backward Euler for the first step, BDF2 after it.
            const double g = 1 / c_.load;
            double alpha = 0, beta = 0;
            if (k == 1) {
                const double a = c_.capacitance / h_ + g;
                alpha = c_.capacitance / h_ * v / a;
                beta = 1 / a;
            } else {
                const double a = 1.5 * c_.capacitance / h_ + g;
                alpha = c_.capacitance / h_ * (2 * v - 0.5 * vPrev) / a;
                beta = 1 / a;
            }
            // The next current guessed on the line through the last two.
            const double guess = current > 0 && currentPrev > 0 ? 2 * current - currentPrev : current;
            currentPrev = current;
            current = PairCurrent(e, alpha, beta, guess);
            vPrev = v;
            v = alpha + beta * current;
            if (state) {
                // Trapezoidal sums over the half-period; the ends meet the next half-period's.
                const double w = k == kSteps ? 0.5 : 1;
                sumV += w * v, sumI += w * current, sumI2 += w * current * current, sumP += w * e * current;
                vMin = std::min(vMin, v), vMax = std::max(vMax, v), iMax = std::max(iMax, current);
            }
        }
        if (state) {
            // The sums started at the zero crossing, where the pair carries no current and v is v0.
            sumV += 0.5 * v0;
            state->dcVoltage = sumV / kSteps;
            state->ripple = vMax - vMin;
            state->peakVoltage = vMax;
            state->diodePeak = iMax;
            state->diodeAverage = sumI / kSteps / 2;  // each diode conducts every other half-period
            state->windingRms = std::sqrt(sumI2 / kSteps);
            state->sourcePower = sumP / kSteps;
        }
        return v;
    }

private:
    // The current of the conducting pair where the source is e and the capacitor follows v = alpha + beta I.
    // None flows when the source does not rise above the capacitor (the leakage of a few nA is left out).
    // Otherwise the pair's voltage x solves F(x) = (R + beta) Is (exp(x / 2nVt) - 1) + x - (e - alpha) = 0,
    // which rises: Newton's method from the guess, kept within a bracket that every step narrows, halving
    // it where a step would leave it. F is below zero at x = 0 and not below it at the lesser of e - alpha
    // and the voltage at which the resistance alone would take e - alpha.
    double PairCurrent(double e, double alpha, double beta, double guess) const {
        const double drive = e - alpha;
        if (drive <= 0) return 0;
        const double r = c_.resistance + beta, rIs = r * is_;
        double lo = 0, hi = std::min(drive, nvt2_ * std::log1p(drive / rIs));
        double x = std::clamp(nvt2_ * std::log1p(std::max(guess, 0.0) / is_), lo, hi);
        for (int n = 0; n < 100; ++n) {
            const double grown = std::expm1(x / nvt2_);
            const double f = rIs * grown + x - drive;
            (f > 0 ? hi : lo) = x;
            const double step = f / (rIs * (grown + 1) / nvt2_ + 1);
            if (std::fabs(step) <= 1e-11) {
                x -= step;
                break;
            }
            x = x - step > lo && x - step < hi ? x - step : 0.5 * (lo + hi);
            if (hi - lo <= 1e-11) break;
        }
        return is_ * std::expm1(x / nvt2_);
    }

    BridgeCircuit c_;
    double is_, nvt2_, h_;
};

}  // namespace

namespace {

// The steady state, the shooting started from the capacitor voltage `start` at the zero crossing (a
// neighbouring circuit's is a good start); `v0` receives the steady one.
BridgeState Steady(const BridgeCircuit& c, const DiodeModel& diode, double start, double& v0) {
    const double values[] = {c.amplitude, c.resistance, c.capacitance, c.load, c.frequency};
    for (double x : values)
        if (!std::isfinite(x))
            Fail(ErrorKind::InvalidArgument, "Расчет выпрямителя прерван: значение не число.");
    if (!(c.capacitance > 0 && c.load > 0 && c.frequency > 0 && c.amplitude >= 0 && c.resistance >= 0))
        Fail(ErrorKind::InvalidArgument,
             "Расчет выпрямителя прерван: емкость, нагрузка и частота должны быть больше нуля.");
    HalfPeriod half(c, diode);
    // The steady state is the capacitor voltage at the zero crossing that comes back half a period later:
    // the root of g(v0) = v(T/2) - v0, which falls as v0 rises, between 0 and the amplitude. Secant steps
    // kept inside that bracket, halving it where a step would leave it; the first step is the half-period
    // run from the start itself.
    auto g = [&](double x) { return half.Run(x, nullptr) - x; };
    double lo = 0, hi = c.amplitude;
    double a = std::clamp(start, lo, hi), ga = g(a);
    double b = std::clamp(a + ga, lo, hi), gb = g(b);
    const double tolerance = 1e-8 * std::max(c.amplitude, 1e-3);
    for (int n = 0; n < 100 && std::fabs(gb) > tolerance && hi - lo > tolerance; ++n) {
        (gb > 0 ? lo : hi) = b;
        double next = ga != gb ? b - gb * (b - a) / (gb - ga) : 0.5 * (lo + hi);
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        a = b, ga = gb;
        b = next, gb = g(b);
    }
    BridgeState state;
    half.Run(b, &state);
    v0 = b;
    return state;
}

// A bridge whose load draws a given DC current, with a given capacitor.
struct Loaded {
    BridgeState state;
    double load = 0;
    bool met = false;  // false: even the short circuit draws less; state and load are the short circuit's
};

// The load that draws `current` from the bridge of `c` with its capacitance, looked for from the load in
// `c` (a neighbouring capacitor's is a good start). The DC current V / R falls as R rises, and on a
// logarithmic scale F(x) = ln(V(e^x) / e^x / current) falls with a slope between -1 and 0, as V rises
// more slowly than R. Secant steps from the slope `slope` (-1 at first: the step x + F is the fixed-point
// step R = V / current), the slope kept within that range, the steps inside a bracket: above, the load
// amplitude / current, which draws less than the current even without diodes; below, `shortLoad`, where
// the search ends if that short circuit draws less too. `v0` and `slope` carry over to the next search.
Loaded LoadForCurrent(BridgeCircuit c, const DiodeModel& diode, double current, double shortLoad, double& v0,
                      double& slope) {
    constexpr double kTolerance = 1e-6;  // of ln(current): the current within a millionth
    Loaded at;
    auto F = [&](double x) {
        c.load = std::exp(x);
        at.state = Steady(c, diode, v0, v0);
        at.load = c.load;
        return std::log(std::max(at.state.dcVoltage, 1e-300) / c.load / current);
    };
    double lo = std::log(shortLoad), hi = std::log(c.amplitude / current);
    bool drawsAtLo = false;  // F(lo) > 0 is known
    double x = std::clamp(std::log(c.load), lo, hi), f = F(x);
    for (int n = 0; n < 60 && std::fabs(f) > kTolerance && hi - lo > 1e-12; ++n) {
        if (f > 0) {
            lo = x, drawsAtLo = true;
        } else {
            hi = x;
        }
        double next = x - f / slope;
        if (!(next > lo && next < hi)) next = drawsAtLo ? 0.5 * (lo + hi) : lo;
        const double fNext = F(next);
        if (next == lo && !drawsAtLo && fNext < 0) return at;  // the short circuit draws less
        if (next != x) slope = std::clamp((fNext - f) / (next - x), -1.0, -1e-3);
        x = next, f = fNext;
    }
    at.met = true;
    return at;
}

}  // namespace

BridgeState SimulateBridge(const BridgeCircuit& c, const DiodeModel& diode) {
    double v0 = 0;
    return Steady(c, diode, c.amplitude, v0);
}

RectifierChoice ChooseSmoothingCapacitor(double amplitude, double resistance, double current,
                                         double rippleShare, const DiodeModel& diode) {
    if (!(current > 0 && std::isfinite(current)))
        Fail(ErrorKind::InvalidArgument, "Расчет выпрямителя прерван: ток нагрузки должен быть больше нуля.");
    constexpr double kLeast = 1e-6, kMost = 1.0;  // F
    const int first = E6StepNotBelow(kLeast), last = E6StepNotBelow(kMost);
    // A short circuit: a load of a ten-thousandth of amplitude / current (any load above zero without an
    // amplitude).
    const double shortLoad = 1e-4 * (amplitude > 0 ? amplitude : 1.0) / current;
    BridgeCircuit circuit{amplitude, resistance, 0, amplitude / current, kMainsHz};
    double v0 = amplitude, slope = -1;  // each search starts from the last one's
    auto at = [&](int step) {
        circuit.capacitance = E6Value(step);
        const Loaded loaded = LoadForCurrent(circuit, diode, current, shortLoad, v0, slope);
        if (loaded.met) circuit.load = loaded.load;
        return loaded;
    };
    auto met = [&](const Loaded& l) {
        return l.met && l.state.dcVoltage > 0 && l.state.ripple <= rippleShare * l.state.dcVoltage;
    };
    // A capacitor guessed from the charge the load takes between the peaks: U / R / (2 f C) = share × U.
    auto guess = [&](double load) {
        return std::clamp(E6StepNotBelow(std::max(1 / (2 * kMainsHz * rippleShare * load), kLeast)), first,
                          last);
    };
    RectifierChoice choice;
    choice.diodesConduct = amplitude > 2 * diode.n * kThermalVoltage * std::log1p(current / diode.is);
    int step = guess(circuit.load);
    if (!choice.diodesConduct) {
        circuit.capacitance = E6Value(step);
        circuit.load = shortLoad;
        choice = {circuit.capacitance, shortLoad, Steady(circuit, diode, v0, v0), false, false, false};
        return choice;
    }
    // The load with the first guess, the capacitor guessed again for it; then E6 steps down while the
    // ripple stays within the share, or up until it does, each with the load that draws the current.
    Loaded loaded = at(step);
    if (loaded.met && guess(loaded.load) != step) loaded = at(step = guess(loaded.load));
    bool rippleMet = met(loaded);
    if (rippleMet) {
        while (step > first) {
            const Loaded lower = at(step - 1);
            if (!met(lower)) break;
            --step;
            loaded = lower;
        }
    } else {
        while (loaded.met && step < last) {
            loaded = at(++step);
            if ((rippleMet = met(loaded))) break;
        }
    }
    choice.capacitance = E6Value(step);
    choice.load = loaded.load;
    choice.state = loaded.state;
    choice.currentMet = loaded.met;
    choice.rippleMet = rippleMet;
    return choice;
}

}  // namespace vokta
