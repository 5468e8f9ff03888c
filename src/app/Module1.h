#pragma once

// The program's entry routine: names the main window in the form registry, shows the splash window
// and returns; the program then lives on its windows and ends when the last one is unloaded.
namespace Module1 {
void Main();
}
