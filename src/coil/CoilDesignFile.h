#pragma once

// The coil as a design file: the inductance, frequency and former as typed, the core by its catalogue
// name (empty for the air core) and the wire by its nominal diameter.

#include "base/DesignFile.h"
#include "coil/CoilCalculator.h"

namespace vokta {

const DesignKind& CoilDesignKind();

// The task a complete record of the kind makes; a used input that is empty or no number throws
// DesignFault. CoilDesignKind's refusal is this and FindCoilFault.
CoilTask CoilTaskOf(const DesignRecord& record);

}  // namespace vokta
