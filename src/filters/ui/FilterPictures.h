#pragma once

// The pictures of the filter calculator: the passive ladders and the active filters, each drawn from the
// description of its circuit (FilterCircuit.h) as a row of blocks.

#include <optional>
#include <vector>

#include "filters/FilterCircuit.h"

namespace vokta::ui {

// Enters the filter pictures in the picture catalogue.
void RegisterFilterPictures();

namespace pictures {

// The ladder drawn by a passive filter picture, as the filter calculator describes it; empty for a
// number that draws none.
std::vector<LadderBranch> LadderOf(int number);

// The parts an active filter picture draws, from the input; nothing for any other number.
std::optional<ActiveDesignators> ActiveFilterOf(int number);

}  // namespace pictures

}  // namespace vokta::ui
