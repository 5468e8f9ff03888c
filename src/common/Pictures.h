#pragma once

#include <QPixmap>
#include <QSize>

namespace vokta::ui {

// The schematic pictures of the program, numbered 101 to 130, each at its catalogue size in pixels,
// drawn once and cached. Any other number gives a null pixmap.
QPixmap LoadPicture(int number);

// The circuit diagram of the band-spread calculator: coil L1 on the left, C1 above C2 in series across
// it, the variable capacitor C3 from their junction to the lower end of L1, C4 across the whole circuit.
// It belongs to that window rather than to the numbered catalogue.
QPixmap LoadBandSpreadDiagram();

// The catalogue size of a picture, or an invalid size for a number that is not in the catalogue.
QSize PictureSize(int number);

}  // namespace vokta::ui
