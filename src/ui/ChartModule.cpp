// The chart module's entry point. The module (with PlotChart.cpp, the chart builder) is the one part of
// the program that links Qt Charts; see ChartKit.h.
#include <QChart>
#include <QChartView>

#include "ui/ChartKit.h"

namespace {

class Kit final : public vokta::ui::ChartKit {
public:
    QWidget* NewView(QWidget* parent) const override {
        auto* view = new QChartView(parent);
        view->setRenderHint(QPainter::Antialiasing);
        return view;
    }
    void Show(QWidget* view, const vokta::ui::plot::Page& page, const QFont& font) const override {
        auto* chartView = static_cast<QChartView*>(view);
        QChart* shown = chartView->chart();
        chartView->setChart(vokta::ui::plot::MakeChart(page, font));
        delete shown;  // the view gives up the chart it showed, with its series and axes
    }
};

}  // namespace

extern "C" Q_DECL_EXPORT const vokta::ui::ChartKit* VoktaChartKit() {
    static const Kit kit;
    return &kit;
}
