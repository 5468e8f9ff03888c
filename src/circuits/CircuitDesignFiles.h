#pragma once

// The two tuned circuits as design files: the six values of each as typed.

#include "base/DesignFile.h"
#include "circuits/BandSpread.h"
#include "circuits/ThreePoint.h"

namespace vokta {

const DesignKind& BandSpreadDesignKind();
const DesignKind& ThreePointDesignKind();

// The inputs complete records of the kinds make; a value that is empty, no number or not above zero
// throws DesignFault (the kinds' refusals), with FindTuningFault's sentence for the last.
BandSpreadInput BandSpreadInputOf(const DesignRecord& record);
ThreePointInput ThreePointInputOf(const DesignRecord& record);

}  // namespace vokta
