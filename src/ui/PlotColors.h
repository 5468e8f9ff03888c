#pragma once

#include <QColor>
#include <QList>
#include <QPointF>

#include "base/CurvePoint.h"

// The colours the plots share, and the step from a calculated curve to a plotted one.
namespace vokta::ui::plot {

inline const QColor kFirst(25, 85, 170);    // the main curve
inline const QColor kSecond(215, 120, 20);  // a second curve
inline const QColor kDemand(200, 40, 40);   // what the user demands
inline const QColor kGuide(120, 120, 120);  // a line to read the curves against

// The curve's points with y no larger than `ceiling` (a curve that leaves the plot is cut at its edge).
inline QList<QPointF> Points(const Curve& curve, double ceiling = 1e300) {
    QList<QPointF> points;
    points.reserve(qsizetype(curve.size()));
    for (const CurvePoint& p : curve) points << QPointF(p.x, p.y < ceiling ? p.y : ceiling);
    return points;
}

}  // namespace vokta::ui::plot
