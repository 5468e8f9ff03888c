#include "ui/Schematic.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QtMath>
#include <cmath>

namespace vokta::ui::schematic {

namespace {

// Half-lengths of the symbol bodies along their pins' line, where the leads stop.
constexpr qreal kResistorHalfLength = 10, kResistorHalfWidth = 4;
constexpr qreal kPlateHalfGap = 3.5;     // centre line of each 2-pixel plate
constexpr qreal kPlateHalfLength = 6.5;  // plus the square cap: 15 pixels of plate
constexpr qreal kInductorLoopRadius = 4;
constexpr int kInductorLoops = 4;
constexpr qreal kVariableArrowReach = 9;  // the arrow of a variable capacitor, from the centre

qreal HalfLength(ElementKind kind) {
    switch (kind) {
        case ElementKind::Resistor:
            return kResistorHalfLength;
        case ElementKind::Capacitor:
        case ElementKind::VariableCapacitor:
            return kPlateHalfGap + 0.5;
        case ElementKind::Inductor:
            return kInductorLoopRadius * kInductorLoops;  // half of the loops' diameters
        case ElementKind::Amplifier:
            break;
    }
    return 0;
}

QPen InkPen(qreal width) {
    return QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

QPainterPath Segment(QPointF a, QPointF b) {
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

// A filled arrowhead whose tip is at `tip`, pointing away from `from`.
QPainterPath ArrowHead(QPointF from, QPointF tip, qreal length = 7, qreal halfWidth = 2.5) {
    const QPointF d = tip - from;
    const qreal n = std::hypot(d.x(), d.y());
    const QPointF u = d / n, v(-u.y(), u.x());
    QPainterPath head;
    head.addPolygon(QPolygonF{tip, tip - u * length + v * halfWidth, tip - u * length - v * halfWidth, tip});
    head.closeSubpath();
    return head;
}

// A rectangle given in a horizontal frame (x along the pins), turned to a vertical one when needed.
QRectF Oriented(const QRectF& horizontal, bool vertical) {
    if (!vertical) return horizontal;
    return QRectF(horizontal.top(), horizontal.left(), horizontal.height(), horizontal.width());
}

}  // namespace

QFont Scene::Font(bool italic) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(italic ? 12 : 10);
    font.setItalic(italic);
    return font;
}

void Scene::Line(QPointF a, QPointF b, qreal width) {
    strokes_.push_back({Segment(a, b), width, false, {}});
}

void Scene::Wire(const std::vector<QPointF>& points) {
    if (points.size() < 2) return;
    QPainterPath path(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) path.lineTo(points[i]);
    strokes_.push_back({path, 1.0, false, {}});
}

void Scene::Draw(const QPainterPath& path, qreal width) {
    strokes_.push_back({path, width, false, {}});
}

void Scene::DrawClipped(const QPainterPath& path, const QPainterPath& clip) {
    strokes_.push_back({path, 1.0, false, clip});
}

void Scene::Fill(const QPainterPath& path) {
    strokes_.push_back({path, 0.0, true, {}});
}

namespace {

// The origin of a text whose ink box keeps to the given edge or centre line, in whole pixels, rounded
// away from whatever the box must keep clear of.
qreal PlaceAlong(qreal at, qreal inkStart, qreal inkEnd, Side keepBefore, bool centre) {
    // Scene coordinates of ink edges are origin + ink offset - 0.5 (see Scene::Render).
    if (centre) return std::round(at - (inkStart + inkEnd) / 2 + 0.5);
    if (keepBefore == Side::Left || keepBefore == Side::Above) return std::floor(at - inkEnd + 0.5);
    return std::ceil(at - inkStart + 0.5);
}

}  // namespace

QRectF Scene::Label(const QString& text, const QRectF& body, Side side, qreal gap, bool italic) {
    const QRectF ink = QFontMetricsF(Font(italic)).tightBoundingRect(text);
    QPointF origin;
    switch (side) {
        case Side::Above:
            origin.setY(PlaceAlong(body.top() - gap, ink.top(), ink.bottom(), Side::Above, false));
            origin.setX(PlaceAlong(body.center().x(), ink.left(), ink.right(), Side::Left, true));
            break;
        case Side::Below:
            origin.setY(PlaceAlong(body.bottom() + gap, ink.top(), ink.bottom(), Side::Below, false));
            origin.setX(PlaceAlong(body.center().x(), ink.left(), ink.right(), Side::Left, true));
            break;
        case Side::Left:
            origin.setX(PlaceAlong(body.left() - gap, ink.left(), ink.right(), Side::Left, false));
            origin.setY(PlaceAlong(body.center().y(), ink.top(), ink.bottom(), Side::Above, true));
            break;
        case Side::Right:
            origin.setX(PlaceAlong(body.right() + gap, ink.left(), ink.right(), Side::Right, false));
            origin.setY(PlaceAlong(body.center().y(), ink.top(), ink.bottom(), Side::Above, true));
            break;
    }
    const QRectF box = ink.translated(origin - QPointF(0.5, 0.5));
    texts_.push_back({text, origin, box, italic});
    return box;
}

QRectF Scene::LabelCentredAt(const QString& text, QPointF centre, bool italic) {
    const QRectF ink = QFontMetricsF(Font(italic)).tightBoundingRect(text);
    const QPointF origin(PlaceAlong(centre.x(), ink.left(), ink.right(), Side::Left, true),
                         PlaceAlong(centre.y(), ink.top(), ink.bottom(), Side::Above, true));
    const QRectF box = ink.translated(origin - QPointF(0.5, 0.5));
    texts_.push_back({text, origin, box, italic});
    return box;
}

QRectF Scene::LabelBeyond(const QString& text, QPointF point, QPointF towards, qreal gap, bool italic) {
    const QRectF ink = QFontMetricsF(Font(italic)).tightBoundingRect(text);
    // Half the box's extent along the direction, so that its nearest side keeps the gap.
    const qreal half = std::abs(towards.x()) * ink.width() / 2 + std::abs(towards.y()) * ink.height() / 2;
    return LabelCentredAt(text, point + towards * (gap + half + 0.5), italic);
}

QRectF Scene::BodyRect(ElementKind kind, bool vertical) {
    QRectF horizontal;
    switch (kind) {
        case ElementKind::Resistor:
            horizontal = QRectF(-kResistorHalfLength - 0.5, -kResistorHalfWidth - 0.5,
                                2 * kResistorHalfLength + 1, 2 * kResistorHalfWidth + 1);
            break;
        case ElementKind::Capacitor:
            horizontal = QRectF(-kPlateHalfGap - 1, -kPlateHalfLength - 1, 2 * kPlateHalfGap + 2,
                                2 * kPlateHalfLength + 2);
            break;
        case ElementKind::VariableCapacitor: {
            const qreal r = kVariableArrowReach + 1;
            horizontal = QRectF(-r, -r, 2 * r, 2 * r);
            break;
        }
        case ElementKind::Inductor: {
            const qreal half = HalfLength(kind);
            // Loops bulge up when lying horizontally and to the right when standing.
            horizontal =
                QRectF(-half - 0.5, -kInductorLoopRadius - 0.5, 2 * half + 1, kInductorLoopRadius + 1);
            if (vertical) return QRectF(-0.5, -half - 0.5, kInductorLoopRadius + 1, 2 * half + 1);
            return horizontal;
        }
        case ElementKind::Amplifier:
            return {};
    }
    return Oriented(horizontal, vertical);
}

QRectF Scene::Element(ElementKind kind, QPointF a, QPointF b) {
    const bool vertical = qFuzzyCompare(a.x(), b.x());
    if ((vertical && a.y() > b.y()) || (!vertical && a.x() > b.x())) std::swap(a, b);
    const QPointF centre(std::round((a.x() + b.x()) / 2), std::round((a.y() + b.y()) / 2));
    // Points given in the element's own frame: u along the pins, v across.
    auto at = [&](qreal u, qreal v) {
        return vertical ? QPointF(centre.x() + v, centre.y() + u) : QPointF(centre.x() + u, centre.y() + v);
    };
    const qreal half = HalfLength(kind);
    Line(a, at(-half, 0));
    Line(at(half, 0), b);
    switch (kind) {
        case ElementKind::Resistor: {
            QPainterPath body;
            body.addRect(Oriented(QRectF(-kResistorHalfLength, -kResistorHalfWidth, 2 * kResistorHalfLength,
                                         2 * kResistorHalfWidth),
                                  vertical)
                             .translated(centre));
            Draw(body);
            break;
        }
        case ElementKind::VariableCapacitor: {
            const qreal r = kVariableArrowReach;
            const QPointF from = centre + QPointF(-r + 1, r - 1), tip = centre + QPointF(r, -r);
            Line(from, tip - (tip - from) / std::hypot(r, r) * 3);
            Fill(ArrowHead(from, tip, 6, 2.5));
            [[fallthrough]];
        }
        case ElementKind::Capacitor:
            Line(at(-kPlateHalfGap, -kPlateHalfLength), at(-kPlateHalfGap, kPlateHalfLength), 2);
            Line(at(kPlateHalfGap, -kPlateHalfLength), at(kPlateHalfGap, kPlateHalfLength), 2);
            break;
        case ElementKind::Inductor: {
            const qreal r = kInductorLoopRadius;
            QPainterPath loops(at(-half, 0));
            for (int i = 0; i < kInductorLoops; ++i) {
                const QPointF loopCentre = at(-half + r + 2 * r * i, 0);
                const QRectF circle(loopCentre - QPointF(r, r), QSizeF(2 * r, 2 * r));
                // Up over the top when lying, out to the right when standing.
                if (vertical)
                    loops.arcTo(circle, 90, -180);
                else
                    loops.arcTo(circle, 180, -180);
            }
            Draw(loops);
            break;
        }
        case ElementKind::Amplifier:
            break;
    }
    return BodyRect(kind, vertical).translated(centre);
}

void Scene::Junction(QPointF p) {
    QPainterPath dot;
    dot.addEllipse(p, 2.2, 2.2);
    Fill(dot);
}

void Scene::Ground(QPointF p) {
    QPainterPath bar;
    bar.addRect(QRectF(p.x() - kGroundHalfWidth - 0.5, p.y() + 0.5, 2 * kGroundHalfWidth + 1, 3));
    Fill(bar);
}

void Scene::Terminal(QPointF p, const QString& word, Side outward) {
    QPainterPath circle;
    circle.addEllipse(p, kTerminalRadius, kTerminalRadius);
    Draw(circle);
    const QRectF ink = QFontMetricsF(Font()).tightBoundingRect(word);
    const qreal edge = kTerminalRadius + 0.5;
    const QPointF origin(outward == Side::Left
                             ? PlaceAlong(p.x() - edge, ink.left(), ink.right(), Side::Right, false)
                             : PlaceAlong(p.x() + edge, ink.left(), ink.right(), Side::Left, false),
                         PlaceAlong(p.y() - edge - 4, ink.top(), ink.bottom(), Side::Above, false));
    texts_.push_back({word, origin, ink.translated(origin - QPointF(0.5, 0.5)), false});
}

Scene::OpAmpPins Scene::OpAmp(QPointF nonInverting, const QString& designator) {
    const qreal left = nonInverting.x() + kOpAmpPinLength;
    const QRectF box(left, nonInverting.y() - 12, kOpAmpWidth, kOpAmpHeight);
    QPainterPath outline;
    outline.addRect(box);
    Draw(outline);
    // The amplifier triangle in the box's main field.
    const QPointF c(box.center().x(), box.top() + 13);
    QPainterPath triangle;
    triangle.addPolygon(
        QPolygonF{c + QPointF(-5, -6), c + QPointF(6, 0), c + QPointF(-5, 6), c + QPointF(-5, -6)});
    Draw(triangle);

    const QPointF inverting(nonInverting.x(), nonInverting.y() + kOpAmpInputSpacing);
    const QPointF output(box.right() + kOpAmpPinLength, nonInverting.y());
    Line(nonInverting, QPointF(left, nonInverting.y()));
    // The inverting input: a small circle on the box's edge.
    const qreal r = 2.5;
    QPainterPath circle;
    circle.addEllipse(QPointF(left - r, inverting.y()), r, r);
    Draw(circle);
    Line(inverting, QPointF(left - 2 * r - 1, inverting.y()));
    Line(QPointF(box.right(), output.y()), output);
    Label(designator, box.adjusted(-0.5, -0.5, 0.5, 0.5), Side::Above);
    return {nonInverting, inverting, output, box};
}

void Scene::DimensionArrow(QPointF a, QPointF b) {
    const QPointF d = b - a;
    const QPointF u = d / std::hypot(d.x(), d.y());
    Line(a + u * 3, b - u * 3);
    Fill(ArrowHead(b, a));
    Fill(ArrowHead(a, b));
}

QRectF Scene::Bounds() const {
    QRectF bounds;
    for (const Stroke& s : strokes_) {
        QRectF r;
        if (s.width > 0) {
            QPainterPathStroker stroker(InkPen(s.width));
            r = stroker.createStroke(s.path).boundingRect();
        } else {
            r = s.path.boundingRect();
        }
        if (!s.clip.isEmpty()) r = r.intersected(s.clip.boundingRect());
        bounds = bounds.united(r);
    }
    for (const Text& t : texts_) bounds = bounds.united(t.box);
    return bounds;
}

QPointF Scene::Offset(QSize size) const {
    const QRectF b = Bounds();
    return {std::round((size.width() - b.width()) / 2 - b.left() - 0.5),
            std::round((size.height() - b.height()) / 2 - b.top() - 0.5)};
}

void Scene::Paint(QPainter& painter, QPointF offset, int layers, int onlyText) const {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.translate(offset + QPointF(0.5, 0.5));
    if (layers & StrokeLayer) {
        for (const Stroke& s : strokes_) {
            if (!s.clip.isEmpty()) painter.setClipPath(s.clip);
            painter.setPen(s.width > 0 ? InkPen(s.width) : QPen(Qt::NoPen));
            painter.setBrush(s.filled ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
            painter.drawPath(s.path);
            if (!s.clip.isEmpty()) painter.setClipping(false);
        }
    }
    if (layers & TextLayer) {
        painter.setPen(Qt::black);
        for (int i = 0; i < int(texts_.size()); ++i) {
            if (onlyText >= 0 && i != onlyText) continue;
            painter.setFont(Font(texts_[i].italic));
            painter.drawText(texts_[i].origin - QPointF(0.5, 0.5), texts_[i].text);
        }
    }
}

QImage Scene::Render(QSize size, int layers, qreal devicePixelRatio) const {
    QImage image(QSize(qCeil(size.width() * devicePixelRatio), qCeil(size.height() * devicePixelRatio)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);  // the painter draws in logical pixels
    image.fill(Qt::white);
    QPainter painter(&image);
    Paint(painter, Offset(size), layers, -1);
    return image;
}

void Scene::PaintInto(QPainter& painter, const QRectF& target) const {
    const QRectF bounds = Bounds();
    if (bounds.isEmpty()) return;
    const qreal scale = std::min(target.width() / bounds.width(), target.height() / bounds.height());
    painter.save();
    painter.translate(target.center());
    painter.scale(scale, scale);
    // Paint shifts by half a pixel for crisp screen lines; here the drawing's centre goes to the origin.
    Paint(painter, -bounds.center() - QPointF(0.5, 0.5), AllLayers, -1);
    painter.restore();
}

QImage Scene::RenderText(QSize size, int index) const {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Paint(painter, Offset(size), TextLayer, index);
    return image;
}

}  // namespace vokta::ui::schematic
