#pragma once

// Where one calculator's window opens another's. A calculator does not include another calculator's
// headers: the program names the window behind each link once at start-up (as it names the main window
// in the form registry), and a window follows the link by calling it.

#include <functional>
#include <optional>

class QWidget;

namespace vokta::ui {

// The coil calculator, opened from `opener` with the inductance (µH) and the frequency (MHz) the coil is
// for filled in; a value that is not given leaves its box as it is.
using CoilOpener = std::function<void(QWidget* opener, std::optional<double> inductanceUH,
                                      std::optional<double> frequencyMHz)>;
void SetCoilOpener(CoilOpener open);

// Opens the coil calculator; nothing happens while no window is named for it.
void OpenCoilCalculator(QWidget* opener, std::optional<double> inductanceUH,
                        std::optional<double> frequencyMHz);

}  // namespace vokta::ui
