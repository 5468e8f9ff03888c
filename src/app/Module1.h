#pragma once

// The program's entry routine: enters the calculators' pictures in the picture catalogue, names the main
// window in the form registry, shows the splash window and returns; the program then lives on its windows
// and ends when the last one is unloaded.
#include <QString>

namespace vokta::ui::Module1 {
void Main(const QString& startFile = {});

// Enters every calculator's pictures in the picture catalogue, once however often it is called. Main does
// it; whatever shows windows without Main (a test's main, the gallery) calls it first.
void RegisterPictures();

// Names the windows the registry and the calculators' links lead to: the main window every calculator
// returns to, the coil calculator the tuned circuits open. Main does it first; so do the tests.
void LinkForms();
}  // namespace vokta::ui::Module1
