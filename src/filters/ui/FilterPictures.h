#pragma once

// The pictures of the filter calculator: the passive ladders and the active filters, each drawn from the
// description of its circuit (FilterCircuit.h) as a row of blocks.

#include <QString>
#include <optional>
#include <vector>

#include "filters/FilterCircuit.h"
#include "ui/SchematicRow.h"

namespace vokta::ui {

// Enters the filter pictures in the picture catalogue.
void RegisterFilterPictures();

namespace pictures {

using schematic::Component;

// The ladder drawn by a passive filter picture, as the filter calculator describes it; empty for a
// number that draws none.
std::vector<LadderBranch> LadderOf(int number);

// A second-order section around an amplifier: two series elements from its input to the non-inverting
// input, the feedback element from the node between them to the output, the element from the
// non-inverting input to ground, and the divider on the inverting input.
struct ActiveSection {
    Component series1, series2, feedback, shunt;
    QString amplifier, dividerFromOutput, dividerToGround;
};
// The first-order group at the input of an odd-order active filter: one element in series, one to ground.
struct FirstOrderGroup {
    Component series, shunt;
};
struct ActiveFilter {
    std::optional<FirstOrderGroup> group;
    std::vector<ActiveSection> sections;  // in cascade, from the input
};

// The circuit drawn by an active filter picture; nothing for any other number.
std::optional<ActiveFilter> ActiveFilterOf(int number);

}  // namespace pictures

}  // namespace vokta::ui
