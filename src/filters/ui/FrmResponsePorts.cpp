// The response window's other pages: the match at a ladder's input (return loss and VSWR) and the group
// delay, of the design on show and of its standard-value circuit, and the drawing of its circuit.
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <algorithm>
#include <cmath>

#include "base/RuntimeError.h"
#include "filters/PortResponse.h"
#include "filters/ui/CircuitDrawing.h"
#include "filters/ui/FrmResponse.h"
#include "ui/Boxes.h"
#include "ui/ChartKit.h"
#include "ui/PlotColors.h"
#include "ui/SceneView.h"

namespace vokta::ui {

namespace {

constexpr int kAttenuationTab = 0, kMatchTab = 1, kDelayTab = 2, kCircuitTab = 3;
// The match page's ranges: return loss up to 40 dB (a reflection zero's infinite figure is cut just above),
// VSWR from 1 to 5 (an attenuation pole's near-total reflection likewise).
constexpr double kReturnLossTop = 40, kVswrTop = 5;

QList<QPointF> Points(const std::vector<double>& f, const std::vector<double>& y, double scale,
                      double ceiling) {
    QList<QPointF> points;
    for (size_t i = 0; i < f.size() && i < y.size(); ++i)
        points << QPointF(f[i], std::min(y[i] * scale, ceiling));
    return points;
}

}  // namespace

void FrmResponse::TabPlot_Click() {
    ShowPage();
}

void FrmResponse::ShowPage() {
    const bool design = !ExactChosen() || exact_;
    const bool ladder = design && std::holds_alternative<LadderCircuit>(ShownCircuit());
    {
        const QSignalBlocker quiet(TabPlot);
        TabPlot->setTabEnabled(kMatchTab, ladder);
        TabPlot->setTabEnabled(kDelayTab, design);
        TabPlot->setTabEnabled(kCircuitTab, design);
        if (!TabPlot->isTabEnabled(TabPlot->currentIndex())) TabPlot->setCurrentIndex(kAttenuationTab);
    }
    if (TabPlot->currentIndex() == kCircuitTab) {
        page_ = attenuationPage_;
        DrawCircuit();
        plotStack_->setCurrentWidget(CircuitView);
        LblLegend->clear();
        return;
    }
    plotStack_->setCurrentWidget(ChartView);
    plot::Page page = attenuationPage_;
    if (TabPlot->currentIndex() != kAttenuationTab) {
        try {
            page = PortPage(TabPlot->currentIndex());
        } catch (const RuntimeError&) {
            // a circuit without a response has no attenuation page either: the attenuation's page says so
        }
    }
    page_ = page;
    // A new chart for every page: the old one goes with its series and axes.
    vokta::ui::Charts().Show(ChartView, page, font());
    LblLegend->setText(plot::LegendText(page));
}

void FrmResponse::DrawCircuit() {
    try {
        ImgCircuit->SetScene(pictures::DrawFilterCircuit(ShownCircuit()));
    } catch (const RuntimeError& e) {
        ImgCircuit->SetMessage(ErrorSentence(e));
    }
}

plot::Page FrmResponse::PortPage(int tab) const {
    const FilterCircuit& shown = ShownCircuit();
    const double fmin = attenuationPage_.x.from, fmax = attenuationPage_.x.to;
    const PortCurves designed = PortSweep(Built(shown), fmin, fmax);
    std::optional<PortCurves> standard;
    const ESeries series = Series();
    if (series != ESeries::None || !coils_.empty()) standard = PortSweep(Built(standard_), fmin, fmax);

    plot::Page page;
    page.title = attenuationPage_.title;
    page.x = attenuationPage_.x;
    page.legend = false;
    if (tab == kMatchTab) {
        page.y = {.title = QStringLiteral("Обратные потери, дБ"),
                  .from = 0,
                  .to = kReturnLossTop,
                  .format = "%.0f",
                  .exact = true,
                  .step = 10,
                  .minorTicks = 1};
        page.y2 = plot::Axis{.title = QStringLiteral("КСВ"),
                             .from = 1,
                             .to = kVswrTop,
                             .format = "%.0f",
                             .exact = true,
                             .step = 1};
        const double rlCap = kReturnLossTop + 5, vswrCap = kVswrTop + 0.5;
        page.series << plot::Series::Line(QStringLiteral("Обратные потери"),
                                          Points(designed.f, designed.returnLoss, 1, rlCap), plot::kFirst);
        plot::Series vswr = plot::Series::Line(QStringLiteral("КСВ"),
                                               Points(designed.f, designed.vswr, 1, vswrCap), plot::kSecond);
        vswr.secondAxis = true;
        page.series << vswr;
        if (standard) {
            page.series << plot::Series::Line(QStringLiteral("Обратные потери, ") + StandardName(false),
                                              Points(standard->f, standard->returnLoss, 1, rlCap),
                                              plot::kFirst, plot::Series::Dashed);
            plot::Series s = plot::Series::Line(QStringLiteral("КСВ, ") + StandardName(false),
                                                Points(standard->f, standard->vswr, 1, vswrCap),
                                                plot::kSecond, plot::Series::Dashed);
            s.secondAxis = true;
            page.series << s;
        }
        return page;
    }
    // The group delay in the unit that gives its largest value one to three digits.
    const double most = designed.groupDelay.empty()
                            ? 0
                            : *std::max_element(designed.groupDelay.begin(), designed.groupDelay.end());
    struct Unit {
        double scale;
        const char* name;
    };
    const Unit unit = most < 1e-6   ? Unit{1e9, "нс"}
                      : most < 1e-3 ? Unit{1e6, "мкс"}
                      : most < 1    ? Unit{1e3, "мс"}
                                    : Unit{1, "с"};
    const double top = std::max(most * unit.scale * 1.15, 1e-9);
    page.y = {.title = QStringLiteral("Групповое время, %1").arg(QString::fromUtf8(unit.name)),
              .from = 0,
              .to = top,
              .format = "%g"};
    const double cap = top * 1.5;  // a curve that leaves the plot is cut a little above it
    page.series << plot::Series::Line(QStringLiteral("Групповое время фильтра"),
                                      Points(designed.f, designed.groupDelay, unit.scale, cap), plot::kFirst);
    if (standard)
        page.series << plot::Series::Line(StandardName(true),
                                          Points(standard->f, standard->groupDelay, unit.scale, cap),
                                          plot::kSecond, plot::Series::Dashed);
    return page;
}

}  // namespace vokta::ui
