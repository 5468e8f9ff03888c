#pragma once

namespace vokta {

// The kinds of component that the circuits of the program are built from: the parts lists count them and
// the pictures draw them (an amplifier as its own symbol, the others as two-pin elements).
enum class ElementKind { Resistor, Capacitor, VariableCapacitor, Inductor, Amplifier };

}  // namespace vokta
