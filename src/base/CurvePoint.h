#pragma once

#include <vector>

namespace vokta {

// One point of a curve that a window plots: x and y in the units the curve names.
struct CurvePoint {
    double x = 0;
    double y = 0;
};

using Curve = std::vector<CurvePoint>;

}  // namespace vokta
