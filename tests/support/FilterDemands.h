#pragma once

// What the filter tests ask of filters and the circuits they judge: a demand in one call, the ladder the
// program's design routine makes for a filter type, and a Butterworth ladder of exact closed-form values.
// Standard C++ only: the core tests use it as well as the window tests.

#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "filters/FilterCircuit.h"
#include "filters/PassiveLadder.h"
#include "filters/ResponseDemand.h"

namespace vokta::test {

// A circuit with the demand it is judged against, named for the failure messages.
struct DemandedCircuit {
    std::string name;
    FilterCircuit circuit;
    ResponseDemand demand;
};

// The demand in the order the filter window asks for it: the edge f1 of a low-pass or high-pass filter and
// the frequency fs where the stop band holds, then the band edges of a band filter (note: not the order of
// ResponseDemand's members).
inline ResponseDemand Demand(FilterType shape, double amin, double astop, double f1, double fs,
                             double fleft = 0, double fright = 0) {
    ResponseDemand d;
    d.shape = shape, d.amin = amin, d.astop = astop, d.f1 = f1, d.fs = fs, d.fleft = fleft, d.fright = fright;
    return d;
}

// The ladder the program designs for the type: f is the edge of a low-pass or high-pass filter and the
// centre of a band filter, k (the band's centre over its width) is for band filters only.
inline PassiveLadder DesignLadder(FilterType shape, int16_t n, float f, float k, int16_t rn,
                                  const PrototypeValues& g) {
    switch (shape) {
        case FilterType::LowPass:
            return DesignLowPassLadder(n, f, rn, g);
        case FilterType::HighPass:
            return DesignHighPassLadder(n, f, rn, g);
        case FilterType::BandPass:
            return DesignBandPassLadder(n, f, k, rn, g);
        case FilterType::BandStop:
            break;
    }
    return DesignBandStopLadder(n, f, k, rn, g);
}

// The same ladder as a circuit driven from rn and loaded by rn.
inline LadderCircuit DesignedLadder(FilterType shape, int16_t n, float f, float k, int16_t rn,
                                    const PrototypeValues& g) {
    return {double(rn), DesignLadder(shape, n, f, k, rn, g).branches};
}

// Butterworth prototype value k of order n, exact: 2·sin((2k − 1)·π / 2n).
inline double ButterworthG(int n, int k) {
    return 2 * std::sin((2 * k - 1) * std::numbers::pi / (2 * n));
}

// A Butterworth ladder of order n for the edge (or centre) f and load rn, from the exact prototype values
// and the exact 2π, each element scaled by the textbook transformation of its type; k as above. Values in
// µF and µH, as the results window holds them.
inline LadderCircuit ButterworthLadder(FilterType shape, int n, double f, double rn, double k = 0) {
    std::array<float, 4> c{}, l{};
    const double w = 2 * std::numbers::pi * f;
    int nextC = 0, nextL = 0;
    for (int p = 1; p <= n; ++p) {
        const double g = ButterworthG(n, p);
        const bool shunt = (n % 2 == 1) == (p % 2 == 1);
        switch (shape) {
            case FilterType::LowPass:
                if (shunt)
                    c[nextC++] = float(g / (w * rn) * 1e6);
                else
                    l[nextL++] = float(g * rn / w * 1e6);
                break;
            case FilterType::HighPass:
                if (shunt)
                    l[nextL++] = float(rn / (w * g) * 1e6);
                else
                    c[nextC++] = float(1 / (w * rn * g) * 1e6);
                break;
            case FilterType::BandPass:  // the low-pass prototype element made a resonator at f
                if (shunt)
                    c[p - 1] = float(g * k / (w * rn) * 1e6), l[p - 1] = float(rn / (w * g * k) * 1e6);
                else
                    l[p - 1] = float(g * k * rn / w * 1e6), c[p - 1] = float(1 / (w * g * k * rn) * 1e6);
                break;
            case FilterType::BandStop:
                if (shunt)
                    c[p - 1] = float(g / (w * rn * k) * 1e6), l[p - 1] = float(k * rn / (w * g) * 1e6);
                else
                    l[p - 1] = float(g * rn / (w * k) * 1e6), c[p - 1] = float(k / (w * rn * g) * 1e6);
                break;
        }
    }
    return PassiveLadderCircuit(shape, n, rn, c, l);
}

}  // namespace vokta::test
