#pragma once

#include <QWidget>

namespace vokta::ui {

// The main window's background: a pocket calculator with a yellow case, a green eight-digit display,
// a solar cell and its keys, drawn as vector graphics to fill the widget.
class CalculatorDrawing : public QWidget {
    Q_OBJECT
public:
    explicit CalculatorDrawing(QWidget* parent = nullptr);

    // Paints the drawing into the rectangle; also used to render it outside a window.
    static void Paint(QPainter& painter, const QRectF& area);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vokta::ui
