#include "circuits/ui/CircuitPictures.h"

#include "base/PictureNumbers.h"
#include "ui/Pictures.h"

namespace vokta::ui {

namespace pictures {

using schematic::Scene;
using schematic::Side;

namespace {

// The three-point circuit: the variable capacitor C with C1 across it, that pair in series with C2 to C3
// across the coil L; two rails, no terminals.
Scene DrawThreePointCircuit() {
    Scene s;
    constexpr qreal top = 0, bottom = 46;
    constexpr qreal xC = 0, xC1 = 36, xC3 = 78, xL = 110;
    s.Label(QStringLiteral("C"), s.VariableCapacitor(QPointF(xC, top), QPointF(xC, bottom)), Side::Right);
    s.Label(QStringLiteral("C1"), s.Capacitor(QPointF(xC1, top), QPointF(xC1, bottom)), Side::Right);
    s.Label(QStringLiteral("C3"), s.Capacitor(QPointF(xC3, top), QPointF(xC3, bottom)), Side::Right);
    s.Label(QStringLiteral("L"), s.Inductor(QPointF(xL, top), QPointF(xL, bottom)), Side::Right);
    s.Line(QPointF(xC, top), QPointF(xC1, top));
    s.Label(QStringLiteral("C2"), s.Capacitor(QPointF(xC1, top), QPointF(xC3, top)), Side::Above);
    s.Line(QPointF(xC3, top), QPointF(xL, top));
    s.Line(QPointF(xC, bottom), QPointF(xL, bottom));
    for (const QPointF p : {QPointF(xC1, top), QPointF(xC3, top), QPointF(xC1, bottom), QPointF(xC3, bottom)})
        s.Junction(p);
    return s;
}

}  // namespace

// The band-spread circuit: L1 on the left; C1 above C2 across it; the variable capacitor C3 from the
// junction of C1 and C2 to the lower end of L1, so across C2; C4 across everything.
Scene DrawBandSpreadDiagram() {
    Scene s;
    constexpr qreal top = 0, bottom = 110, middle = 55;
    constexpr qreal xL1 = 0, xC12 = 56, xC3 = 110, xC4 = 162;
    s.Label(QStringLiteral("L1"), s.Inductor(QPointF(xL1, top), QPointF(xL1, bottom)), Side::Right);
    s.Label(QStringLiteral("C1"), s.Capacitor(QPointF(xC12, top), QPointF(xC12, middle)), Side::Right);
    s.Label(QStringLiteral("C2"), s.Capacitor(QPointF(xC12, middle), QPointF(xC12, bottom)), Side::Right);
    s.Wire({QPointF(xC12, middle), QPointF(xC3, middle)});
    s.Label(QStringLiteral("C3"), s.VariableCapacitor(QPointF(xC3, middle), QPointF(xC3, bottom)),
            Side::Right);
    s.Label(QStringLiteral("C4"), s.Capacitor(QPointF(xC4, top), QPointF(xC4, bottom)), Side::Right);
    s.Line(QPointF(xL1, top), QPointF(xC4, top));
    s.Line(QPointF(xL1, bottom), QPointF(xC4, bottom));
    for (const QPointF p :
         {QPointF(xC12, top), QPointF(xC12, middle), QPointF(xC12, bottom), QPointF(xC3, bottom)})
        s.Junction(p);
    return s;
}

// 200 x 150 pixels: the band-spread window shows the diagram at this size beside its inputs.
QSize BandSpreadDiagramSize() {
    return {200, 150};
}

}  // namespace pictures

void RegisterCircuitPictures() {
    RegisterPicture(kThreePointCircuitPicture, {144, 86}, pictures::DrawThreePointCircuit);
}

QPixmap LoadBandSpreadDiagram() {
    static ScreenPicture diagram(pictures::BandSpreadDiagramSize(), pictures::DrawBandSpreadDiagram);
    return diagram.Pixmap();
}

}  // namespace vokta::ui
