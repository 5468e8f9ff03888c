#pragma once

// The program's entry routine: enters the calculators' pictures in the picture catalogue, names the main
// window in the form registry, shows the splash window and returns; the program then lives on its windows
// and ends when the last one is unloaded.
namespace vokta::ui::Module1 {
void Main();

// Enters every calculator's pictures in the picture catalogue, once however often it is called. Main does
// it; whatever shows windows without Main (a test's main, the gallery) calls it first.
void RegisterPictures();
}  // namespace vokta::ui::Module1
