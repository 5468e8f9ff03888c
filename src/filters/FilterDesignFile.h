#pragma once

// The filter request as a design file: the kind of filter, its response, the attenuations, frequencies
// and load as typed.

#include "base/DesignFile.h"
#include "filters/FilterOrder.h"

namespace vokta {

const DesignKind& FilterDesignKind();

// The request a complete record of the kind makes; a used input that is empty or no number throws
// DesignFault. FilterDesignKind's refusal is this and FindFilterFault.
FilterRequest FilterRequestOf(const DesignRecord& record);

}  // namespace vokta
