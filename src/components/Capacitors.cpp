#include "components/Capacitors.h"

#include <cmath>

namespace vokta {

namespace {

// IEC 60063, E6.
constexpr double kE6[] = {1.0, 1.5, 2.2, 3.3, 4.7, 6.8};
constexpr double kElectrolyticRatings[] = {6.3, 10, 16, 25, 35, 50, 63, 100, 160, 200, 250, 350, 400, 450};

}  // namespace

std::span<const double> E6Decade() {
    return kE6;
}

double E6Value(int step) {
    const int decade = step >= 0 ? step / 6 : -((5 - step) / 6);
    return kE6[step - 6 * decade] * std::pow(10.0, decade);
}

int E6StepNotBelow(double value) {
    // A value a rounding error above an E6 value is that value.
    int step = 6 * int(std::floor(std::log10(value))) - 1;
    while (E6Value(step) < value * (1 - 1e-9)) ++step;
    return step;
}

std::span<const double> ElectrolyticRatedVoltages() {
    return kElectrolyticRatings;
}

std::optional<double> ElectrolyticRatingNotBelow(double peakV) {
    for (double rating : kElectrolyticRatings)
        if (rating >= peakV) return rating;
    return std::nullopt;
}

}  // namespace vokta
