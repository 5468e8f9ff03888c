#include "filters/ui/FrmResponse.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <cmath>

#include "ui/Application.h"
#include "ui/Boxes.h"
#include "ui/ChartKit.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/PlotChart.h"
#include "ui/PlotColors.h"
#include "ui/SceneView.h"

namespace vokta::ui {

namespace {

// A limit as the user typed it, in the user's number format.
QString Limit(double db) {
    return QString::fromStdString(FormatLocale("%.7g", db, UserNumberFormat()));
}

// The attenuation axis: whole tens of dB, far enough below the stop-band demand to show the curve
// passing it.
double AttenuationTop(const ResponseDemand& demand) {
    const double need = std::max({demand.astop + 20, demand.astop * 1.4, demand.amin + 10});
    return std::ceil(need / 10) * 10;
}

}  // namespace

FrmResponse::FrmResponse() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("FrmResponse"));
    setWindowTitle(QStringLiteral("АЧХ фильтра"));
    setAttribute(Qt::WA_DeleteOnClose, false);  // the form registry unloads it

    ChartView = vokta::ui::Charts().NewView(this);
    ChartView->setObjectName(QStringLiteral("ChartView"));
    // With the parts beside it (and their windings), the window still fits a 1920 x 1080 screen at 200 %.
    ChartView->setMinimumSize(520, 370);

    LblLegend = new QLabel(this);
    LblLegend->setObjectName(QStringLiteral("LblLegend"));
    LblLegend->setWordWrap(true);
    LblLegend->setAlignment(Qt::AlignHCenter);

    LblVerdict = new QLabel(this);
    LblVerdict->setObjectName(QStringLiteral("LblVerdict"));
    LblVerdict->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LblVerdict->setWordWrap(true);  // a long verdict takes a second line rather than widening the window

    CmdClose = new QPushButton(QStringLiteral("Закрыть"), this);
    CmdClose->setObjectName(QStringLiteral("CmdClose"));
    CmdClose->setMinimumWidth(97);  // the 1455 twips of the program's buttons
    connect(CmdClose, &QPushButton::clicked, this, &FrmResponse::CmdClose_Click);
    // Enter and Esc both close: "Закрыть" is the window's default button.
    UseCalculatorKeys(this, CmdClose, CmdClose);
    CmdPdf = new QPushButton(QStringLiteral("PDF…"), this);
    CmdPdf->setObjectName(QStringLiteral("CmdPdf"));
    CmdPdf->setToolTip(QStringLiteral("Сохранить лист расчета в файл PDF"));
    CmdPdf->setMinimumWidth(97);
    connect(CmdPdf, &QPushButton::clicked, this, &FrmResponse::CmdPdf_Click);
    setTabOrder(CmdPdf, CmdClose);

    auto* bottom = new QHBoxLayout();
    bottom->addWidget(LblVerdict, 1);
    bottom->addSpacing(12);
    bottom->addWidget(CmdPdf, 0, Qt::AlignBottom);
    bottom->addWidget(CmdClose, 0, Qt::AlignBottom);
    TabPlot = new QTabBar(this);
    TabPlot->setObjectName(QStringLiteral("TabPlot"));
    TabPlot->addTab(QStringLiteral("Затухание"));
    TabPlot->addTab(QStringLiteral("КСВ и обратные потери"));
    TabPlot->addTab(QStringLiteral("Групповое время"));
    TabPlot->addTab(QStringLiteral("Схема"));
    TabPlot->setShape(QTabBar::RoundedSouth);  // tabs that hang under the chart they choose
    TabPlot->setDrawBase(false);
    connect(TabPlot, &QTabBar::currentChanged, this, &FrmResponse::TabPlot_Click);

    ImgCircuit = new SceneView(this);
    ImgCircuit->setObjectName(QStringLiteral("ImgCircuit"));
    CircuitView = new QScrollArea(this);
    CircuitView->setObjectName(QStringLiteral("CircuitView"));
    CircuitView->setWidget(ImgCircuit);
    CircuitView->setWidgetResizable(true);  // the drawing grows with the room, and scrolls when it is wider
    plotStack_ = new QStackedWidget(this);
    plotStack_->addWidget(ChartView);
    plotStack_->addWidget(CircuitView);

    auto* plot = new QVBoxLayout();
    plot->addWidget(plotStack_, 1);
    plot->addWidget(TabPlot);
    plot->addWidget(LblLegend);
    auto* top = new QHBoxLayout();
    top->addLayout(plot, 1);
    top->addLayout(PartsPanel());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    // A comfortable first size that still fits the screen.
    QSize size(1060, 560);
    if (const QScreen* screen = this->screen()) size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
}

FrmResponse* FrmResponse::Open(const FilterCircuit& circuit, const ResponseDemand& demand,
                               FilterResponse response, const QList<Sheet::Row>& inputs) {
    return Present(circuit, AnalyseResponse(circuit, demand), demand, response, inputs, true);
}

FrmResponse* FrmResponse::OpenExact(const FilterCircuit& kind, const ResponseDemand& demand,
                                    FilterResponse response, const QList<Sheet::Row>& inputs) {
    ResponseAnalysis span;
    const Interval sweep = SweepSpan(demand);
    span.fmin = sweep.from;
    span.fmax = sweep.to;
    return Present(kind, span, demand, response, inputs, false);
}

FrmResponse* FrmResponse::Present(const FilterCircuit& circuit, const ResponseAnalysis& analysis,
                                  const ResponseDemand& demand, FilterResponse response,
                                  const QList<Sheet::Row>& inputs, bool methodDesign) {
    vokta::ui::Charts();  // the chart module first: without it, no window is loaded
    FrmResponse* form = Forms::Load<FrmResponse>();
    form->circuit_ = circuit;
    form->demand_ = demand;
    form->analysis_ = analysis;
    form->inputs_ = inputs;
    form->response_ = response;
    form->methodDesign_ = methodDesign;
    form->OfferMethodDesign(methodDesign);
    form->DesignExact();
    form->ShowDesign();
    return Forms::Show<FrmResponse>();
}

void FrmResponse::CmdClose_Click() {
    Forms::Unload(this);
}

void FrmResponse::Plot(const QString& heading, const ResponseDemand& demand, const ResponseAnalysis& analysis,
                       const ResponseAnalysis* standard, const ToleranceRun* spread, const QString& verdict) {
    const double top = AttenuationTop(demand);
    const double ceiling = top + 10;  // where a curve that leaves the plot is cut
    plot::Page page;
    page.title = heading;
    page.legend = false;  // LblLegend under the chart instead

    // Frequency: logarithmic, labelled in Hz at round numbers.
    page.x.title = QStringLiteral("Частота, Гц");
    page.x.from = analysis.fmin;
    page.x.to = analysis.fmax;
    page.x.logarithmic = true;
    const NumberFormat format = UserNumberFormat();
    for (double f : FrequencyTicks(analysis.fmin, analysis.fmax))
        page.x.ticks << plot::Tick{f, QString::fromStdString(FrequencyLabel(f, format))};
    // Attenuation: 0 dB at the top, so that the curve falls away like a response does.
    page.y = {.title = QStringLiteral("Затухание, дБ"),
              .from = 0,
              .to = top,
              .format = "%.0f",
              .reversed = true,
              .exact = true,
              .step = top > 200   ? 50.0
                      : top > 100 ? 20.0
                                  : 10.0,
              .minorTicks = 1};

    // A forbidden zone over the frequencies of the band, between the limit and 'far' (the bottom of the plot
    // for the pass band, 0 dB for the stop band); the zones of one demand share one legend entry.
    auto zone = [&](const QString& name, const Interval& band, double limit, double far) {
        page.series << plot::Series::Area(name, {{band.from, limit}, {band.to, limit}},
                                          {{band.from, far}, {band.to, far}}, plot::kDemand,
                                          plot::Series::Zone);
    };
    const DemandBands bands = BandsOf(demand);
    for (const Interval& pass : bands.pass)
        zone(QStringLiteral("Полоса пропускания: не более %1 дБ").arg(Limit(demand.amin)), pass, demand.amin,
             top);
    for (const Interval& stop : bands.stop)
        zone(QStringLiteral("Полоса задерживания: не менее %1 дБ").arg(Limit(demand.astop)), stop,
             demand.astop, 0);

    auto points = [ceiling](const std::vector<ResponsePoint>& curve) {
        QList<QPointF> capped;
        for (const ResponsePoint& p : curve) capped << QPointF(p.f, std::min(p.a, ceiling));
        return capped;
    };
    // The spread of circuits built from parts of the chosen tolerance: between the 5th and the 95th
    // percentile of their attenuation.
    if (spread && spread->tolerance > 0 && !spread->f.empty()) {
        QList<QPointF> low, high;
        for (size_t i = 0; i < spread->f.size(); ++i) {
            low << QPointF(spread->f[i], std::min(spread->low[i], ceiling));
            high << QPointF(spread->f[i], std::min(spread->high[i], ceiling));
        }
        page.series << plot::Series::Area(
            QStringLiteral("Разброс 90 % схем при допуске %1 %").arg(std::lround(spread->tolerance * 100)),
            low, high, plot::kFirst);
    }
    page.series << plot::Series::Line(QStringLiteral("Затухание фильтра"), points(analysis.curve),
                                      plot::kFirst);
    if (standard)
        page.series << plot::Series::Line(StandardName(true), points(standard->curve), plot::kSecond,
                                          plot::Series::Dashed);

    attenuationPage_ = page;
    ShowPage();
    LblVerdict->setText(verdict);
}

}  // namespace vokta::ui
