#pragma once

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <vector>

#include "base/Elements.h"

namespace vokta::ui::schematic {

using vokta::ElementKind;

// Where a label stands beside the thing it names.
enum class Side { Above, Below, Left, Right };

// A drawing in the style of Russian circuit diagrams, recorded as strokes and labels so that it can be
// rendered at any picture size (centred) and inspected by tests.
//
// Coordinates are in pixels; a whole-number coordinate is the centre of a pixel, so a 1-pixel line drawn
// through whole-number points comes out crisp. Every symbol lies between two pins on one horizontal or
// vertical line, with its body centred between them and leads drawn to the pins, and returns the rectangle
// its body's ink covers, so that its designator can be put beside it without touching it.
class Scene {
public:
    struct Stroke {
        QPainterPath path;
        qreal width = 1.0;  // pen width; 0 for a filled shape without an outline
        bool filled = false;
        QPainterPath clip;  // empty: not clipped
    };
    struct Text {
        QString text;
        QPointF origin;  // left end of the baseline, whole pixels
        QRectF box;      // the rectangle the ink of the text covers
        bool italic = false;
    };

    // Plain drawing.
    void Line(QPointF a, QPointF b, qreal width = 1.0);
    void Wire(const std::vector<QPointF>& points);
    void Draw(const QPainterPath& path, qreal width = 1.0);
    void DrawClipped(const QPainterPath& path, const QPainterPath& clip);
    void Fill(const QPainterPath& path);

    // A label whose ink lies on the given side of `body`, `gap` pixels away, centred along that side.
    QRectF Label(const QString& text, const QRectF& body, Side side, qreal gap = 3, bool italic = false);
    // A label whose ink box has its centre at `centre` (rounded to whole pixels).
    QRectF LabelCentredAt(const QString& text, QPointF centre, bool italic = false);
    // A label standing `gap` pixels beyond `point` in the direction `towards` (a unit vector).
    QRectF LabelBeyond(const QString& text, QPointF point, QPointF towards, qreal gap = 3,
                       bool italic = false);

    // Symbols between two pins. An amplifier is no two-pin symbol (OpAmp draws it): between two pins it
    // is a plain wire with an empty body.
    QRectF Element(ElementKind kind, QPointF a, QPointF b);
    QRectF Resistor(QPointF a, QPointF b) { return Element(ElementKind::Resistor, a, b); }
    QRectF Capacitor(QPointF a, QPointF b) { return Element(ElementKind::Capacitor, a, b); }
    QRectF VariableCapacitor(QPointF a, QPointF b) { return Element(ElementKind::VariableCapacitor, a, b); }
    QRectF Inductor(QPointF a, QPointF b) { return Element(ElementKind::Inductor, a, b); }

    // The ink rectangle of a symbol's body centred on the origin, lying horizontally or vertically.
    static QRectF BodyRect(ElementKind kind, bool vertical);

    void Junction(QPointF p);  // a filled dot where wires join
    void Ground(QPointF p);    // a short thick bar under a lead ending at p
    static constexpr qreal kGroundHalfWidth = 7;
    static constexpr qreal kTerminalRadius = 3;
    // A terminal: a small open circle centred at p, its word above it, flush with the circle's outer side
    // (`outward` is Side::Left for the input at the left end, Side::Right for the output).
    void Terminal(QPointF p, const QString& word, Side outward);

    // An operational amplifier: a box with the amplifier triangle, the inverting input marked by a small
    // circle, its designator above. `nonInverting` is where the non-inverting input pin ends, on the left.
    struct OpAmpPins {
        QPointF nonInverting, inverting, output;
        QRectF box;
    };
    static constexpr qreal kOpAmpWidth = 30, kOpAmpHeight = 40;
    static constexpr qreal kOpAmpInputSpacing = 16;  // from the non-inverting to the inverting pin
    static constexpr qreal kOpAmpPinLength = 6;
    OpAmpPins OpAmp(QPointF nonInverting, const QString& designator);

    // A dimension line from a to b with arrowheads at both ends.
    void DimensionArrow(QPointF a, QPointF b);

    QRectF Bounds() const;
    enum Layer { StrokeLayer = 1, TextLayer = 2, AllLayers = StrokeLayer | TextLayer };
    // The drawing centred in a white picture of the given size, black antialiased ink. With a device
    // pixel ratio above 1 the picture has that many more pixels and the same logical size.
    QImage Render(QSize size, int layers = AllLayers, qreal devicePixelRatio = 1) const;
    // The drawing as vector graphics, centred in `target` of the painter and scaled to fill it without
    // distortion: its strokes as paths and its labels as text (a printable sheet).
    void PaintInto(class QPainter& painter, const QRectF& target) const;
    // Only the text of the given index, at the place it has in Render(size).
    QImage RenderText(QSize size, int index) const;

    const std::vector<Text>& Texts() const { return texts_; }

    // The lettering of every drawing: designators, terminal words, dimension letters.
    static QFont Font(bool italic = false);

private:
    QPointF Offset(QSize size) const;
    void Paint(class QPainter& painter, QPointF offset, int layers, int onlyText) const;

    std::vector<Stroke> strokes_;
    std::vector<Text> texts_;
};

}  // namespace vokta::ui::schematic
