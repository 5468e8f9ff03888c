#pragma once

// What the designed RF path does, once with each of the two equivalent quality factors of a design,
// against the two demands the design was made for: the selectivity of the whole path (its chain of
// identical tuned circuits, the coupling to the transistor and the antenna) against the image, and the
// attenuation of the chain across the pass band.

#include "base/CurvePoint.h"
#include "rfpath/RfPath.h"

namespace vokta {

// Attenuation in dB of n identical circuits of quality factor q tuned to f0, at the frequency f:
// n * 10 lg(1 + (q (f / f0 - f0 / f))^2).
double ChainAttenuationDb(int n, double q, double f0, double f);

// One curve for each quality factor of the design.
struct RfCurvePair {
    Curve bySelectivityQ;
    Curve byAttenuationQ;
};

struct RfSelectivity {
    int circuits = 0;
    double selectivityQ = 0, attenuationQ = 0;

    // The circuits tuned to the top of the range: x in MHz, y the selectivity of the whole path in dB
    // (the chain's attenuation plus what the antenna and the coupling add at that frequency). The image
    // lies within the plotted span, which is as wide in detuning below the top as above it.
    RfCurvePair aroundTop;
    double topMHz = 0;
    double imageMHz = 0;
    double demandDb = 0;         // the image selectivity the user asked of the whole path
    double imageDb[2] = {0, 0};  // what the whole path gives at the image: [0] with the factor for
                                 // selectivity, [1] with the one for attenuation

    // The circuits tuned to the bottom of the range, where the pass band is relatively widest: x the
    // offset from the tuned frequency in kHz, y the attenuation in dB.
    RfCurvePair passBand;
    double bottomMHz = 0;
    double edgeKHz = 0;         // half the signal bandwidth: the edges of the pass band lie at +- edgeKHz
    double unevennessDb = 0;    // allowed at the edges
    double edgeDb[2] = {0, 0};  // the attenuation at the edges with each factor

    // The image rejection of the whole path over the tuning range: x the tuned frequency in MHz, y the
    // selectivity at the image (the tuned frequency plus twice the intermediate frequency) in dB.
    RfCurvePair imageRejection;
};

// The curves of a design that succeeded for the task.
RfSelectivity RfPathSelectivity(const RfPathTask& task, const RfPathDesign& design);

}  // namespace vokta
