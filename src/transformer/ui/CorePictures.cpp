#include "transformer/ui/CorePictures.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QSize>
#include <algorithm>
#include <cmath>

#include "base/PictureNumbers.h"
#include "ui/Pictures.h"
#include "ui/Schematic.h"

namespace vokta::ui {

namespace {

using schematic::Scene;
using schematic::Side;

// The core sketches, in oblique projection: the front face drawn true, the depth (the stack or the ring
// height) going up and to the right.

QPainterPath RectPath(const QRectF& r, qreal radius = 0) {
    QPainterPath p;
    if (radius > 0)
        p.addRoundedRect(r, radius, radius);
    else
        p.addRect(r);
    return p;
}

QPainterPath CirclePath(QPointF c, qreal r) {
    QPainterPath p;
    p.addEllipse(c, r, r);
    return p;
}

// The outline of the back face where it bounds the drawing: the part beyond the two points where lines
// along the depth touch the front outline (for a convex face, the back face's far side).
void BackOutline(Scene& s, const QPainterPath& front, QPointF depth, QPointF touchA, QPointF touchB) {
    const QPointF a = touchA + depth, b = touchB + depth, far = depth * 1000;
    QPainterPath beyond;
    beyond.addPolygon(
        QPolygonF{a - (b - a) * 10, b + (b - a) * 10, b + (b - a) * 10 + far, a - (b - a) * 10 + far});
    beyond.closeSubpath();
    s.DrawClipped(front.translated(depth), beyond);
    s.Line(touchA, a);
    s.Line(touchB, b);
}

// What shows of a window's inner walls: the back window's edges and the depth edge from the front
// window's lower left corner, seen through the front window.
void WindowWalls(Scene& s, const QRectF& window, QPointF depth) {
    const QPainterPath opening = RectPath(window);
    s.DrawClipped(RectPath(window.translated(depth)), opening);
    QPainterPath edge(window.bottomLeft());
    edge.lineTo(window.bottomLeft() + depth);
    s.DrawClipped(edge, opening);
}

// A dimension between two points of the drawing: extension lines from each point in the direction
// `out`, starting `gap` pixels off the drawing, the arrow `reach` pixels out, its letter beyond it.
void Dimension(Scene& s, QPointF a, QPointF b, QPointF out, const QString& letter, qreal reach = 10,
               qreal gap = 3) {
    s.Line(a + out * gap, a + out * (reach + 4));
    s.Line(b + out * gap, b + out * (reach + 4));
    const QPointF pa = a + out * reach, pb = b + out * reach;
    s.DimensionArrow(pa, pb);
    s.LabelBeyond(letter, (pa + pb) / 2, out, 3, true);
}

// The laminated core, E plates with the I plates under them, two windows.
Scene DrawLaminatedCore() {
    Scene s;
    constexpr qreal u = 16, a = 32, c = 28, h = 74;  // outer limbs and yokes, middle limb, window
    constexpr qreal W = 2 * u + 2 * c + a, H = 2 * u + h;
    const QPointF depth(28, -21);
    const QRectF face(0, 0, W, H);
    const QRectF left(u, u, c, h), right(u + c + a, u, c, h);
    const QPainterPath front = RectPath(face);

    s.Draw(front);
    BackOutline(s, front, depth, face.topLeft(), face.bottomRight());
    s.Line(face.topRight(), face.topRight() + depth);
    // The edges of the plates on the top and right faces, and the joint of E and I plates.
    for (int i = 1; i < 4; ++i) {
        const QPointF step = depth * (i / 4.0);
        s.Line(face.topLeft() + step, face.topRight() + step);
        s.Line(face.topRight() + step, face.bottomRight() + step);
    }
    s.Line(QPointF(0, u + h), QPointF(W, u + h));
    s.Line(QPointF(W, u + h), QPointF(W, u + h) + depth);
    for (const QRectF& window : {left, right}) {
        s.Draw(RectPath(window));
        WindowWalls(s, window, depth);
    }

    Dimension(s, left.topLeft() - QPointF(u, 0), left.bottomLeft() - QPointF(u, 0), QPointF(-1, 0),
              QStringLiteral("h"));
    Dimension(s, QPointF(left.left(), H), QPointF(left.right(), H), QPointF(0, 1), QStringLiteral("c"));
    Dimension(s, QPointF(left.right(), H), QPointF(right.left(), H), QPointF(0, 1), QStringLiteral("a"));
    const QPointF across(0.6, 0.8);  // perpendicular to the depth, away from the core
    Dimension(s, face.bottomRight(), face.bottomRight() + depth, across, QStringLiteral("b"));
    return s;
}

// The tape-wound core of two C-shaped halves butted side by side round one window, the strip's
// turns showing on the front face.
Scene DrawTapeWoundCore() {
    Scene s;
    constexpr qreal a = 24, c = 36, h = 84, r = 10;  // limb, window width and height, outer corner radius
    constexpr qreal W = 2 * a + c, H = 2 * a + h;
    const QPointF depth(26, -20);
    const QRectF face(0, 0, W, H), window(a, a, c, h);
    const QPainterPath front = RectPath(face, r);

    // Lines along the depth touch the rounded corners at the top left and bottom right.
    const QPointF across(0.6, 0.8);
    const QPointF upper = QPointF(r, r) - across * r, lower = QPointF(W - r, H - r) + across * r;
    s.Draw(front);
    BackOutline(s, front, depth, upper, lower);
    // Turns of strip, and the joints of the two halves across the yokes.
    for (const qreal t : {a / 3, 2 * a / 3})
        s.Draw(RectPath(face.adjusted(t, t, -t, -t), std::max<qreal>(r - t, 2)));
    s.Line(QPointF(W / 2, 0), QPointF(W / 2, a));
    s.Line(QPointF(W / 2, H - a), QPointF(W / 2, H));
    s.Draw(RectPath(window));
    WindowWalls(s, window, depth);

    Dimension(s, QPointF(0, a), QPointF(0, a + h), QPointF(-1, 0), QStringLiteral("h"));
    Dimension(s, QPointF(a, H), QPointF(a + c, H), QPointF(0, 1), QStringLiteral("c"));
    Dimension(s, QPointF(a + c, H), QPointF(W, H), QPointF(0, 1), QStringLiteral("a"));
    Dimension(s, lower, lower + depth, across, QStringLiteral("b"), 12);
    return s;
}

// The toroidal tape core, the ring's height going back up to the right.
Scene DrawToroidalCore() {
    Scene s;
    constexpr qreal outer = 56, inner = 26;
    const QPointF depth(18, -14);
    const QPointF o(0, 0);
    const QPainterPath front = CirclePath(o, outer), hole = CirclePath(o, inner);

    const QPointF across(0.6, 0.8);  // perpendicular to the depth
    s.Draw(front);
    BackOutline(s, front, depth, o - across * outer, o + across * outer);
    s.Draw(hole);
    s.DrawClipped(CirclePath(o + depth, inner), hole);  // the far rim of the hole

    // d1 under the ring, d2 across the hole.
    const qreal level = outer + 10;
    Dimension(s, QPointF(-outer, 0), QPointF(outer, 0), QPointF(0, 1), QStringLiteral("d1"), level);
    s.DimensionArrow(QPointF(-inner, 0), QPointF(inner, 0));
    s.Label(QStringLiteral("d2"), QRectF(QPointF(8, 0), QSizeF(0, 0)), Side::Above, 3, true);
    // h along the ring's side where it turns furthest back, from the front rim to the back rim, the letter
    // beyond it.
    const QPointF ahead = depth / std::hypot(depth.x(), depth.y());
    const QPointF rim = o + ahead * outer;
    s.DimensionArrow(rim, rim + depth);
    s.LabelBeyond(QStringLiteral("h"), rim + depth, ahead, 3, true);
    return s;
}

}  // namespace

void RegisterCorePictures() {
    RegisterPicture(kTapeWoundCorePicture, {215, 186}, DrawTapeWoundCore);
    RegisterPicture(kLaminatedCorePicture, {220, 186}, DrawLaminatedCore);
    RegisterPicture(kToroidalCorePicture, {220, 186}, DrawToroidalCore);
}

}  // namespace vokta::ui
