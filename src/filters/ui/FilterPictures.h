#pragma once

// The pictures of the filter calculator: the passive ladders and the active filters, each drawn from the
// description of its circuit (FilterCircuit.h) as a row of blocks.

#include <optional>
#include <vector>

#include "filters/FilterCircuit.h"
#include "ui/SchematicRow.h"

namespace vokta::ui {

// Enters the filter pictures in the picture catalogue.
void RegisterFilterPictures();

namespace pictures {

// The ladder drawn by a passive filter picture, as the filter calculator describes it; empty for a
// number that draws none.
std::vector<LadderBranch> LadderOf(int number);

// The parts an active filter picture draws, from the input; nothing for any other number.
std::optional<ActiveDesignators> ActiveFilterOf(int number);

// A ladder branch of a simple arm (not a Network) as the pictures draw it, with its inductor and its
// capacitor named: a resonator in the line has its inductor first, one to ground its capacitor.
std::unique_ptr<schematic::Block> SimpleBranchBlock(const LadderBranch& branch, schematic::Component l,
                                                    schematic::Component c);
// A second-order section of an active filter as the pictures draw it.
std::unique_ptr<schematic::Block> ActiveSectionBlock(const ActiveSectionDesignators& section);

}  // namespace pictures

}  // namespace vokta::ui
