#pragma once

class QWidget;

namespace vokta::ui {

// What every calculator's "Отмена" does: unload the calculator and show the main window, loading it
// again if it was unloaded.
void ReturnToMain(QWidget* calculator);

}  // namespace vokta::ui
