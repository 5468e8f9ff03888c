#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <optional>

class QChart;
class QFont;

// What a plot shows, as plain values, and the one builder that turns it into a chart: the plot window's
// pages and the response window's chart are both made here, so that they look alike.
namespace vokta::ui::plot {

// A labelled tick at a value of its own choosing.
struct Tick {
    double value = 0;
    QString label;
};

struct Axis {
    QString title;
    double from = 0, to = 1;
    // The labels' printf format: its precision and conversion ("%.1f", "%g"); the numbers are written
    // in the user's number format.
    const char* format = "%.1f";
    bool reversed = false;  // the largest value at the top (attenuation falling away)
    bool exact = false;     // the range as given, rather than widened to round values
    double step = 0;        // the distance between the ticks of an exact range; 0: a round one of about six
    int minorTicks = 0;     // unlabelled ticks between two labelled ones
    // Drawn over the logarithm of the values (every value positive; the rest are left out).
    bool logarithmic = false;
    // Labels at these values alone, in place of numbers in `format` (a logarithmic axis needs them:
    // its round values are not evenly spaced).
    QList<Tick> ticks = {};
};

struct Series {
    enum Kind {
        Curve,   // a solid line
        Limit,   // a dashed line: a demand
        Marker,  // separate points
        Dashed,  // a dashed curve, so that a curve it covers still shows
        Band,    // the area between `points` and `lower`, shaded
        Zone,  // what a demand forbids: the area between its edge `points` and `lower`, shaded, with the edge
               // and the sides that lie within the plot drawn; cut at the ends of the horizontal axis
    };
    QString name;  // the legend entry; none when empty, and one for several series of the same name
    QList<QPointF> points;
    QList<QPointF> lower;  // the other side of a band or a zone
    Kind kind = Curve;
    QColor color;
    bool secondAxis = false;  // drawn against the axis on the right

    static Series Line(const QString& name, QList<QPointF> points, QColor color, Kind kind = Curve) {
        Series s;
        s.name = name;
        s.points = std::move(points);
        s.color = color;
        s.kind = kind;
        return s;
    }
    static Series Area(const QString& name, QList<QPointF> edge, QList<QPointF> lower, QColor color,
                       Kind kind = Band) {
        Series s = Line(name, std::move(edge), color, kind);
        s.lower = std::move(lower);
        return s;
    }
};

struct Page {
    QString tab;    // the caption of its tab, when there are several pages
    QString title;  // the chart's title
    Axis x, y;
    std::optional<Axis> y2;
    QList<Series> series;
    bool legend = true;  // the chart's own legend; off where the window writes LegendText under the chart
};

// A new chart of the page, its texts in `font` (the title a point larger and bold), its numbers in the
// user's number format. The caller owns it. It is part of the chart module: windows show a page through
// ChartKit (ChartKit.h), which the program loads when the first chart is shown.
QChart* MakeChart(const Page& page, const QFont& font);

// The page's legend as rich text for a label, which wraps between its entries where the chart's own
// legend would cut them: a coloured symbol and the name of each named series, once for each name.
QString LegendText(const Page& page);

}  // namespace vokta::ui::plot
