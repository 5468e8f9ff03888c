#pragma once

// The drawing of any filter circuit the program designs, at the width it needs: the results window's
// circuits as their pictures draw them, and beyond them the exact designs (ladders of any order, an elliptic
// ladder's traps and the band filters made from them, an active filter of any number of sections with the
// follower after its first-order group). Each part carries the designator the parts list gives it.

#include "filters/FilterCircuit.h"
#include "ui/Schematic.h"

namespace vokta::ui::pictures {

// Throws RuntimeError (InvalidArgument) for a ladder arm the drawing has no shape for: an arm is drawn
// when it is one element, elements in series, or elements and series chains of elements in parallel.
schematic::Scene DrawFilterCircuit(const FilterCircuit& circuit);

}  // namespace vokta::ui::pictures
