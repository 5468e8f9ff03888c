#pragma once

#include "rfpath/RfPath.h"
#include "ui/PlotChart.h"

namespace vokta::ui {

// The selectivity of an RF path designed for the task, in the plot window: the whole path around the
// top of the range with the image against the selectivity asked for, the circuits across the pass band
// at the bottom of the range against the allowed unevenness, and the whole path's image rejection over
// the range.
plot::Figure RfPathPlot(const RfPathTask& task, const RfPathDesign& design);
void ShowRfPathPlot(const RfPathTask& task, const RfPathDesign& design);

}  // namespace vokta::ui
