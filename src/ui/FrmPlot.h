#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <optional>

class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QTabBar;

// A plot of what a calculator's result does: one or more charts of curves with the user's demand drawn
// over them, and one summary under them. With more than one chart, tabs above it choose which is
// shown. Modeless; one instance, which shows the plot it was last opened for.
class FrmPlot : public QWidget {
    Q_OBJECT
public:
    struct Axis {
        QString title;
        double from = 0, to = 1;
        // The labels' printf format: its precision and conversion ("%.1f", "%g"); the numbers are written
        // in the user's number format.
        const char* format = "%.1f";
        bool reversed = false;  // the largest value at the top (attenuation falling away)
        bool exact = false;     // the range as given, rather than widened to round values
    };
    struct Series {
        enum Kind {
            Curve,   // a solid line
            Limit,   // a dashed line: a demand
            Marker,  // separate points
        };
        QString name;  // the legend entry; none when empty
        QList<QPointF> points;
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
    };
    struct Page {
        QString tab;    // the caption of its tab, when there are several pages
        QString title;  // the chart's title
        Axis x, y;
        std::optional<Axis> y2;
        QList<Series> series;
    };

    FrmPlot();
    ~FrmPlot() override;

    // Shows the pages (at least one) and the summary, loading and showing the window as needed; the
    // window takes the title of the first page.
    static FrmPlot* Open(const QList<Page>& pages, const QString& summary);

    void CmdClose_Click();

    QTabBar* TabPages = nullptr;
    QChartView* ChartView = nullptr;
    QLabel* LblSummary = nullptr;
    QPushButton* CmdClose = nullptr;

private:
    void Plot(const QList<Page>& pages, const QString& summary);
    QChart* MakeChart(const Page& page) const;
    void ShowPage(int index);
    void DropCharts();

    QList<QChart*> charts_;  // one for each page; the view owns the one it shows
};
