#include "app/CalculatorDrawing.h"

#include <QPainter>

#include "ui/CalculatorPicture.h"

namespace vokta::ui {

CalculatorDrawing::CalculatorDrawing(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(false);
}

void CalculatorDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter, rect());
}

void CalculatorDrawing::Paint(QPainter& p, const QRectF& area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, QColor(236, 236, 236));

    PaintCalculator(p, area.adjusted(10, 8, -10, -8));  // the case, with a margin round it
    p.restore();
}

}  // namespace vokta::ui
