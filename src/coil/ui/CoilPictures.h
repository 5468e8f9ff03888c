#pragma once

// The pictures of the coil calculator: a toroid with its winding (front view with the outer and inner
// diameters D and d, and the side with the height h) and a single-layer coil on its former (the former's
// diameter D and the winding's length l). Drawn with the schematic kit, cached for the screen.

#include <QPixmap>
#include <QSize>

#include "ui/Schematic.h"

namespace vokta::ui {

enum class CoilPicture { Toroid, Solenoid };

QPixmap LoadCoilPicture(CoilPicture which);

namespace pictures {
schematic::Scene DrawCoil(CoilPicture which);
QSize CoilPictureSize();
}  // namespace pictures

}  // namespace vokta::ui
