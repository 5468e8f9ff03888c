#pragma once

#include "rfpath/RfPath.h"

namespace vokta::test {

// The worked example: a 5-10 MHz AM receiver with a 465 kHz IF and 30 dB image selectivity.
inline RfPathTask RfPathExample() {
    RfPathTask t;
    t.fmaxMHz = 10;
    t.fminMHz = 5;
    t.ifMHz = 0.465;
    t.selectivityDb = 30;
    t.circuitDamping = 0.01;
    t.unevennessDb = 3;
    t.instability = 1e-3;
    t.modulationHz = 3000;
    return t;
}

}  // namespace vokta::test
