#pragma once

// The transformer as a design file: the core, the mains voltage and the steel as typed, and the answers
// about the secondary windings (a load voltage and current each).

#include "base/DesignFile.h"
#include "transformer/TransformerDesign.h"

namespace vokta {

const DesignKind& TransformerDesignKind();

// The input a complete record of the kind makes, and the steel thickness typed, mm; an input that is empty
// or no number throws DesignFault. TransformerDesignKind's refusal is this and the faults of the core, the
// steel and each load.
TransformerInput TransformerInputOf(const DesignRecord& record, double& thicknessMm);

}  // namespace vokta
