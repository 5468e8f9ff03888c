#pragma once

#include "rfpath/RfPath.h"

namespace vokta::ui {

// The selectivity of an RF path designed for the task, in the plot window: the whole path around the
// top of the range with the image against the selectivity asked for, the circuits across the pass band
// at the bottom of the range against the allowed unevenness, and the whole path's image rejection over
// the range.
void ShowRfPathPlot(const RfPathTask& task, const RfPathDesign& design);

}  // namespace vokta::ui
