#include "coil/ui/CoilPictures.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "ui/Pictures.h"

namespace vokta::ui {

namespace pictures {

namespace {

using schematic::Scene;
using schematic::Side;

constexpr qreal kPi = std::numbers::pi;

QPainterPath Circle(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

// A dimension: extension lines from a and b out to the arrow `reach` pixels away in direction `out`,
// the arrow between them and its italic letter beyond.
void Dimension(Scene& s, QPointF a, QPointF b, QPointF out, const QString& letter, qreal reach) {
    s.Line(a + out * 3, a + out * (reach + 4));
    s.Line(b + out * 3, b + out * (reach + 4));
    const QPointF pa = a + out * reach, pb = b + out * reach;
    s.DimensionArrow(pa, pb);
    s.LabelBeyond(letter, (pa + pb) / 2, out, 3, true);
}

// The ring seen along its axis with turns across it, and beside it the ring seen from its edge.
Scene DrawToroid() {
    Scene s;
    constexpr qreal outer = 48, inner = 26;
    const QPointF o(0, 0);
    s.Draw(Circle(o, outer));
    s.Draw(Circle(o, inner));
    // Turns over most of the ring, the gap between the first and the last at the bottom, where the leads
    // leave: each turn a thick stroke across the face, from just inside the hole to just outside the rim.
    constexpr int turns = 18;
    constexpr qreal gap = 0.55;  // rad of bare ring either side of the bottom
    QPointF first, last;
    for (int i = 0; i < turns; ++i) {
        const qreal angle = kPi / 2 + gap + (2 * kPi - 2 * gap) * i / (turns - 1);
        const QPointF u(std::cos(angle), std::sin(angle));
        s.Line(o + u * (inner - 2), o + u * (outer + 2), 2);
        if (i == 0) first = o + u * (outer + 2);
        if (i == turns - 1) last = o + u * (outer + 2);
    }
    s.Wire({first, QPointF(first.x(), outer + 12)});
    s.Wire({last, QPointF(last.x(), outer + 12)});
    // D under the leads, d across the hole.
    Dimension(s, QPointF(-outer, 0), QPointF(outer, 0), QPointF(0, 1), QStringLiteral("D"), outer + 26);
    s.DimensionArrow(QPointF(-inner, 0), QPointF(inner, 0));
    s.LabelCentredAt(QStringLiteral("d"), QPointF(0, -8), true);

    // The edge view: the ring's section, h wide, with the turns over it.
    constexpr qreal x = outer + 34, h = 22;
    const QRectF edge(x, -outer, h, 2 * outer);
    QPainterPath rim;
    rim.addRect(edge);
    s.Draw(rim);
    s.Line(QPointF(x, -inner), QPointF(x + h, -inner));
    s.Line(QPointF(x, inner), QPointF(x + h, inner));
    for (int i = 0; i < 7; ++i) {
        const qreal y = -outer + 8 + i * (2 * outer - 16) / 6;
        s.Line(QPointF(x - 2, y), QPointF(x + h + 2, y), 2);
    }
    Dimension(s, QPointF(x, -outer), QPointF(x + h, -outer), QPointF(0, -1), QStringLiteral("h"), 12);
    return s;
}

// The coil from the side: the former, the close-wound turns over part of it, a lead from each end.
Scene DrawSolenoid() {
    Scene s;
    constexpr qreal length = 150, radius = 30;  // the former
    constexpr qreal start = 35, turns = 14, pitch = 6;
    QPainterPath former;
    former.addRect(QRectF(0, -radius, length, 2 * radius));
    s.Draw(former);
    // Each turn crosses the front of the former slanting by half a pitch.
    for (int i = 0; i < turns; ++i) {
        const qreal x = start + i * pitch + pitch / 2;
        s.Line(QPointF(x - pitch / 4, -radius - 2), QPointF(x + pitch / 4, radius + 2), 2);
    }
    const qreal left = start + pitch / 2 - pitch / 4,
                right = start + (turns - 1) * pitch + pitch / 2 + pitch / 4;
    s.Wire({QPointF(left, -radius - 2), QPointF(left - 12, -radius - 18)});
    s.Wire({QPointF(right, radius + 2), QPointF(right + 12, radius + 18)});
    // D at the left end of the former, l under the winding.
    Dimension(s, QPointF(0, -radius), QPointF(0, radius), QPointF(-1, 0), QStringLiteral("D"), 12);
    Dimension(s, QPointF(start, radius), QPointF(start + turns * pitch, radius), QPointF(0, 1),
              QStringLiteral("l"), 26);
    return s;
}

}  // namespace

Scene DrawCoil(CoilPicture which) {
    return which == CoilPicture::Toroid ? DrawToroid() : DrawSolenoid();
}

// Beside the window's inputs, about as tall as they are.
QSize CoilPictureSize() {
    return {230, 160};
}

}  // namespace pictures

QPixmap LoadCoilPicture(CoilPicture which) {
    static ScreenPicture toroid(pictures::CoilPictureSize(),
                                [] { return pictures::DrawCoil(CoilPicture::Toroid); });
    static ScreenPicture solenoid(pictures::CoilPictureSize(),
                                  [] { return pictures::DrawCoil(CoilPicture::Solenoid); });
    return which == CoilPicture::Toroid ? toroid.Pixmap() : solenoid.Pixmap();
}

}  // namespace vokta::ui
