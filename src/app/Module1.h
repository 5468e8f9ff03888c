#pragma once

// The program's entry routine: names the main window in the form registry, shows the splash window
// and returns; the program then lives on its windows and ends when the last one is unloaded.
namespace Module1 {
void Main();

// Names the windows the registry and the calculators' links lead to: the main window every calculator
// returns to, the coil calculator the tuned circuits open. Main does it first; so do the tests.
void LinkForms();
}  // namespace Module1
