#include "ui/CalculatorLinks.h"

namespace vokta::ui {

namespace {
CoilOpener& Coil() {
    static CoilOpener open;
    return open;
}
}  // namespace

void SetCoilOpener(CoilOpener open) {
    Coil() = std::move(open);
}

void OpenCoilCalculator(QWidget* opener, std::optional<double> inductanceUH,
                        std::optional<double> frequencyMHz) {
    if (Coil()) Coil()(opener, inductanceUH, frequencyMHz);
}

}  // namespace vokta::ui
