#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include "ui/PlotChart.h"

class QLabel;
class QPushButton;
class QTabBar;

namespace vokta::ui {

// A plot of what a calculator's result does: one or more charts of curves with the user's demand drawn
// over them, and one summary under them. With more than one chart, tabs above it choose which is
// shown. Modeless; one instance, which shows the plot it was last opened for.
class FrmPlot : public QWidget {
    Q_OBJECT
public:
    // What the plot shows: the pages of its tabs, each one chart.
    using Axis = plot::Axis;
    using Series = plot::Series;
    using Page = plot::Page;

    FrmPlot();

    // Shows the pages (at least one) and the summary, loading and showing the window as needed; the
    // window takes the title of the first page.
    static FrmPlot* Open(const QList<Page>& pages, const QString& summary);

    void CmdClose_Click();

    QTabBar* TabPages = nullptr;
    QWidget* ChartView = nullptr;  // a QChartView, made by the chart module (ChartKit.h)
    QLabel* LblSummary = nullptr;
    QPushButton* CmdClose = nullptr;

private:
    void Plot(const QList<Page>& pages, const QString& summary);
    void ShowPage(int index);

    QList<Page> pages_;
};

}  // namespace vokta::ui
