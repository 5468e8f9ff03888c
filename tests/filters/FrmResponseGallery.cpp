#include <cmath>

#include "filters/FrmResponse.h"
#include "support/Gallery.h"

using namespace vokta;

// Hand-made designs until the results window opens the plot itself.
VOKTA_GALLERY_PAGE(ResponseSketches) {
    const double rn = 50;
    {
        const double w = 2 * M_PI * 1000;
        auto proto = [](int k) { return 2 * std::sin((2 * k - 1) * M_PI / 10); };
        const LadderCircuit ladder = PassiveLadderCircuit(
            BandShape::LowPass, 5, rn,
            {float(proto(1) / (w * rn) * 1e6), float(proto(3) / (w * rn) * 1e6), float(proto(5) / (w * rn) * 1e6)},
            {float(proto(2) * rn / w * 1e6), float(proto(4) * rn / w * 1e6)});
        ResponseDemand d;
        d.shape = BandShape::LowPass, d.amin = 3, d.astop = 30, d.f1 = 1000, d.fs = 2000;
        g.save("FrmResponse_sketch_lowpass", FrmResponse::Open(ladder, d));
    }
    {
        ResponseDemand d;
        d.shape = BandShape::BandStop, d.amin = 3, d.astop = 20, d.fleft = 9000, d.fright = 11000, d.fs = 10200;
        const double f0 = std::sqrt(9000.0 * 11000), k = f0 / 2000, w = 2 * M_PI * f0, gg = std::sqrt(2.0);
        const LadderCircuit ladder = PassiveLadderCircuit(
            BandShape::BandStop, 2, rn, {float(k / (w * rn * gg) * 1e6), float(gg / (w * rn * k) * 1e6)},
            {float(gg * rn / (w * k) * 1e6), float(k * rn / (w * gg) * 1e6)});
        g.save("FrmResponse_sketch_bandstop", FrmResponse::Open(ladder, d));
    }
}
