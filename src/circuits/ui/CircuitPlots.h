#pragma once

#include "circuits/BandSpread.h"
#include "circuits/ThreePoint.h"
#include "ui/PlotChart.h"

// The plots of the two tuned-circuit calculators, opened in the plot window.
namespace vokta::ui::circuits {

// How the band-spread circuit of a feasible result covers the wanted range.
plot::Figure BandSpreadPlot(const BandSpreadInput& input, const BandSpreadResult& result);
void ShowBandSpreadPlot(const BandSpreadInput& input, const BandSpreadResult& result);

// The scale of the three-point circuit of a feasible result over the dial of its variable capacitor.
plot::Figure ThreePointPlot(const ThreePointInput& input, const ThreePointResult& result);
void ShowThreePointPlot(const ThreePointInput& input, const ThreePointResult& result);

}  // namespace vokta::ui::circuits
