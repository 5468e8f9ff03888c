#pragma once

#include "rfpath/RfPath.h"

namespace vokta::ui {

// The selectivity of a designed RF path in the plot window: around the top of the range with the
// image, across the pass band at the bottom of the range, and the image rejection over the range;
// unevennessDb is the allowed unevenness the design was made for.
void ShowRfPathPlot(const RfPathDesign& design, double unevennessDb);

}  // namespace vokta::ui
