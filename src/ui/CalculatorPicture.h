#pragma once

#include <QRectF>

class QIcon;
class QPainter;

namespace vokta::ui {

// A pocket calculator with a yellow case, a green eight-digit display, a solar cell and its keys,
// drawn as vector graphics to fill the rectangle of its case.
void PaintCalculator(QPainter& painter, const QRectF& body);

// The program's icon: the same calculator, at the usual icon sizes.
QIcon ApplicationIcon();

}  // namespace vokta::ui
