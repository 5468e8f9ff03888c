#pragma once

// The catalogue of the program's schematic pictures: each has a number and a catalogue size in pixels and
// is drawn in code, once, when a window first shows it. The calculators draw their own pictures and enter
// them here by explicit calls at start-up (the program's entry routine calls every calculator's
// registration, Module1::RegisterPictures); the windows then load them by number.

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <functional>
#include <vector>

#include "ui/Schematic.h"

namespace vokta::ui {

using PictureDrawing = std::function<schematic::Scene()>;

// A drawing as the screen shows it: centred in a picture of its logical size with as many pixels as the
// screen's device pixel ratio asks for (on a 200 % screen twice as many), drawn once for each ratio and
// kept.
class ScreenPicture {
public:
    ScreenPicture(QSize size, PictureDrawing draw) : size_(size), draw_(std::move(draw)) {}
    QSize Size() const { return size_; }
    schematic::Scene Draw() const { return draw_(); }
    QPixmap Pixmap();

private:
    QSize size_;
    PictureDrawing draw_;
    QHash<qreal, QPixmap> rendered_;
};

// Enters a picture in the catalogue: its number, its catalogue size and how it is drawn. Each number is
// entered once; a second entry of a number is a mistake of the program and is ignored.
void RegisterPicture(int number, QSize size, PictureDrawing draw);

// The numbers in the catalogue, ascending.
std::vector<int> PictureNumbers();

// The picture of that number at its catalogue size, drawn once and cached. A number not in the catalogue
// gives a null pixmap.
QPixmap LoadPicture(int number);

// The catalogue size of a picture, or an invalid size for a number that is not in the catalogue.
QSize PictureSize(int number);

namespace pictures {

// The recorded drawing behind a picture, for inspection: an empty scene for a number not in the catalogue.
schematic::Scene DrawPicture(int number);

}  // namespace pictures

}  // namespace vokta::ui
