#pragma once

#include <QPixmap>
#include <QSize>

namespace vokta::ui {

// The schematic pictures of the program, numbered 101 to 130, each at its catalogue size in pixels,
// drawn once and cached. Any other number gives a null pixmap.
QPixmap LoadPicture(int number);

// The catalogue size of a picture, or an invalid size for a number that is not in the catalogue.
QSize PictureSize(int number);

}  // namespace vokta::ui
