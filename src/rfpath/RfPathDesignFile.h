#pragma once

// The RF path as a design file: the source data as typed, the antenna's check boxes, the coupling and the
// modulation.

#include "base/DesignFile.h"
#include "rfpath/RfPath.h"

namespace vokta {

const DesignKind& RfPathDesignKind();

// The task a complete record of the kind makes; a used input that is empty or no number throws
// DesignFault. RfPathDesignKind's refusal is this and FindDomainFault.
RfPathTask RfPathTaskOf(const DesignRecord& record);

}  // namespace vokta
