#pragma once

// A number the user typed into a field of a window, with what a refusal of it quotes: the field's
// caption as the window shows it and the text as it was typed.

#include <string>

namespace vokta {

struct TypedField {
    std::string caption;  // the field's name, as its label reads
    std::string text;     // the typed text, blanks around it trimmed
    double value = 0;     // the number the text reads as
};

}  // namespace vokta
