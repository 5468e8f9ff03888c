#pragma once

namespace vokta {

// The kinds of component that the circuits of the program are built from and that their pictures draw.
enum class ElementKind { Resistor, Capacitor, VariableCapacitor, Inductor };

}  // namespace vokta
