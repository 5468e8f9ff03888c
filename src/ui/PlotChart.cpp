#include "ui/PlotChart.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QFont>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace vokta::ui::plot {

namespace {

// The opacity of a shaded zone and of a shaded band: light enough for the curves and the grid to show
// through.
constexpr int kZoneAlpha = 45;
constexpr int kBandAlpha = 60;

// A round step for about `count` ticks over the span: 1, 2, 2.5 or 5 times a power of ten.
double RoundStep(double span, int count) {
    const double raw = span / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (m * power >= raw) return m * power;
    return 10 * power;
}

// Where a value lies along its axis.
double Along(const Axis& axis, double value) {
    return axis.logarithmic ? std::log10(value) : value;
}

// The points as drawn against the axes; a point a logarithmic axis cannot show is left out.
QList<QPointF> Drawn(const QList<QPointF>& points, const Axis& x, const Axis& y) {
    QList<QPointF> drawn;
    drawn.reserve(points.size());
    for (const QPointF& p : points)
        if ((!x.logarithmic || p.x() > 0) && (!y.logarithmic || p.y() > 0))
            drawn << QPointF(Along(x, p.x()), Along(y, p.y()));
    return drawn;
}

QColor WithAlpha(QColor color, int alpha) {
    color.setAlpha(alpha);
    return color;
}

}  // namespace

QChart* MakeChart(const Page& page, const QFont& font) {
    auto* chart = new QChart();
    chart->setAnimationOptions(QChart::NoAnimation);
    // Axis labels in the user's number format, without digit grouping, as the program writes numbers.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    chart->setLocale(locale);
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(font);
    QFont titleFont = font;
    titleFont.setBold(true);
    titleFont.setPointSizeF(font.pointSizeF() + 1);
    chart->setTitleFont(titleFont);
    chart->setTitle(page.title);

    auto addAxis = [&](const Axis& a, Qt::Alignment side) -> QAbstractAxis* {
        QAbstractAxis* made = nullptr;
        if (!a.ticks.isEmpty()) {
            // Labels at the given values; the rest of the axis unlabelled.
            auto* axis = new QCategoryAxis();
            axis->setTitleText(a.title);
            axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
            axis->setRange(Along(a, a.from), Along(a, a.to));
            axis->setStartValue(Along(a, a.from));
            for (const Tick& tick : a.ticks) axis->append(tick.label, Along(a, tick.value));
            axis->setReverse(a.reversed);
            made = axis;
        } else {
            auto* axis = new QValueAxis();
            axis->setTitleText(a.title);
            axis->setRange(Along(a, a.from), Along(a, a.to));
            if (!a.exact) {
                axis->applyNiceNumbers();
            } else if (a.to > a.from) {
                // The range as given, with ticks at round values within it.
                const double step = a.step > 0 ? a.step : RoundStep(a.to - a.from, 6);
                axis->setTickType(QValueAxis::TicksDynamic);
                axis->setTickAnchor(std::ceil(a.from / step) * step);
                axis->setTickInterval(step);
            }
            if (a.minorTicks > 0) axis->setMinorTickCount(a.minorTicks);
            axis->setReverse(a.reversed);
            // Localised labels need the precision written out: "%g" is "%.6g", as printf takes it.
            QString format = QString::fromLatin1(a.format);
            if (!format.contains(QLatin1Char('.'))) format.replace(QLatin1Char('%'), QStringLiteral("%.6"));
            axis->setLabelFormat(format);
            made = axis;
        }
        made->setLabelsFont(font);
        made->setTitleFont(font);
        chart->addAxis(made, side);
        return made;
    };
    QAbstractAxis* x = addAxis(page.x, Qt::AlignBottom);
    QAbstractAxis* y = addAxis(page.y, Qt::AlignLeft);
    QAbstractAxis* y2 = page.y2 ? addAxis(*page.y2, Qt::AlignRight) : nullptr;
    if (y2) y2->setGridLineVisible(false);  // the grid is the left axis's

    for (const Series& s : page.series) {
        const Axis& ya = s.secondAxis && page.y2 ? *page.y2 : page.y;
        auto add = [&](QAbstractSeries* series) {
            chart->addSeries(series);
            series->attachAxis(x);
            series->attachAxis(s.secondAxis && y2 ? y2 : y);
        };
        auto line = [](const QList<QPointF>& points) {
            auto* series = new QLineSeries();
            series->append(points);
            return series;
        };
        QList<QPointF> points = Drawn(s.points, page.x, ya), lower = Drawn(s.lower, page.x, ya);
        if (s.kind == Series::Zone || s.kind == Series::Band) {
            const bool zone = s.kind == Series::Zone;
            bool leftSide = false, rightSide = false;
            if (zone) {
                // Cut at the ends of the horizontal axis, where the plot's border is its side.
                const double ends[] = {Along(page.x, page.x.from), Along(page.x, page.x.to)};
                const double left = std::min(ends[0], ends[1]), right = std::max(ends[0], ends[1]);
                if (points.isEmpty() || lower.isEmpty() || !(points.first().x() < right) ||
                    !(points.last().x() > left))
                    continue;
                leftSide = points.first().x() > left, rightSide = points.last().x() < right;
                for (QList<QPointF>* edge : {&points, &lower})
                    for (QPointF& p : *edge) p.setX(std::clamp(p.x(), left, right));
            }
            auto* area = new QAreaSeries(line(points), line(lower));
            area->setName(s.name);
            area->setBrush(WithAlpha(s.color, zone ? kZoneAlpha : kBandAlpha));
            area->setPen(Qt::NoPen);
            add(area);
            if (zone) {
                QList<QPointF> border = points;
                if (leftSide) border.prepend(lower.first());
                if (rightSide) border.append(lower.last());
                QLineSeries* edges = line(border);
                edges->setPen(QPen(s.color, 1.5));
                add(edges);
            }
            continue;
        }
        QXYSeries* series = nullptr;
        if (s.kind == Series::Marker) {
            auto* markers = new QScatterSeries();
            markers->setMarkerSize(10);
            markers->setColor(s.color);
            markers->setBorderColor(s.color.darker());
            series = markers;
            series->append(points);
        } else {
            series = line(points);
            series->setPen(s.kind == Series::Limit    ? QPen(s.color, 1.5, Qt::DashLine)
                           : s.kind == Series::Dashed ? QPen(s.color, 2, Qt::DashLine)
                                                      : QPen(s.color, 2));
        }
        series->setName(s.name);
        add(series);
    }
    // The legend names what has a name: a demand drawn as several lines has one entry.
    const QList<QLegendMarker*> markers = chart->legend()->markers();
    for (QLegendMarker* marker : markers) marker->setVisible(!marker->label().isEmpty());
    if (!page.legend) chart->legend()->hide();
    return chart;
}

}  // namespace vokta::ui::plot
