#pragma once

// The pictures of the transformer calculator: sketches of its three cores with the dimensions the user
// enters, in oblique projection.

namespace vokta::ui {

// Enters the core sketches in the picture catalogue: the tape-wound core, the laminated core and the
// toroidal core.
void RegisterCorePictures();

}  // namespace vokta::ui
