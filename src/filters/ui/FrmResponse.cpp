#include "filters/ui/FrmResponse.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

#include "filters/ExactDesign.h"
#include "ui/Application.h"
#include "ui/Boxes.h"
#include "ui/Controls.h"
#include "ui/Forms.h"

using namespace vokta;
using vokta::ui::Forms;

namespace {

// The series are drawn over lg f, so that the frequency axis is logarithmic with labels of our choosing.
double X(double f) {
    return std::log10(f);
}

const QColor kCurveColor(25, 85, 170);
const QColor kStandardColor(230, 120, 0);
const QColor kZoneBorder(200, 40, 40);
const QColor kZoneFill(230, 70, 70, 50);
const QColor kSpreadFill(25, 85, 170, 60);
const QColor kSpreadLegend(140, 170, 215);

// A limit as the user typed it, in the user's number format.
QString Limit(double db) {
    return QString::fromStdString(FormatLocale("%.7g", db, vokta::ui::UserNumberFormat()));
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

    ChartView = new QChartView(this);
    ChartView->setObjectName(QStringLiteral("ChartView"));
    ChartView->setRenderHint(QPainter::Antialiasing);
    // With the parts beside it, the window still fits a 1920 x 1080 screen at 200 %.
    ChartView->setMinimumSize(640, 370);

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
    // Enter and Esc both close: "Закрыть" is the window's only button.
    vokta::ui::UseCalculatorKeys(this, CmdClose, CmdClose);

    auto* bottom = new QHBoxLayout();
    bottom->addWidget(LblVerdict, 1);
    bottom->addSpacing(12);
    bottom->addWidget(CmdClose);
    auto* plot = new QVBoxLayout();
    plot->addWidget(ChartView, 1);
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
                               FilterResponse response) {
    const ResponseAnalysis analysis = AnalyseResponse(circuit, demand);
    FrmResponse* form = Forms::Load<FrmResponse>();
    form->circuit_ = circuit;
    form->demand_ = demand;
    form->analysis_ = analysis;
    form->exact_.reset();
    form->exactAnalysis_.reset();
    form->exactError_.clear();
    try {
        form->exact_ = ExactDesign(demand, response, circuit);
        form->exactAnalysis_ = AnalyseResponse(*form->exact_, demand);
    } catch (const RuntimeError& e) {
        form->exactError_ = vokta::ui::ErrorSentence(e);
    }
    form->ShowDesign();
    return Forms::Show<FrmResponse>();
}

void FrmResponse::CmdClose_Click() {
    Forms::Unload(this);
}

void FrmResponse::Plot(const QString& heading, const ResponseDemand& demand, const ResponseAnalysis& analysis,
                       const ResponseAnalysis* standard, const ToleranceRun* spread, const QString& verdict) {
    // A new chart for every design: the old one goes with its series and axes.
    auto* chart = new QChart();
    QChart* old = ChartView->chart();
    ChartView->setChart(chart);
    delete old;
    chart->setAnimationOptions(QChart::NoAnimation);
    // The attenuation axis writes its numbers in the user's number format, as every other number here.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    chart->setLocale(locale);
    chart->setLocalizeNumbers(true);
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(font().pointSizeF() + 1);
    chart->setTitleFont(titleFont);
    chart->setTitle(heading);

    const double left = X(analysis.fmin), right = X(analysis.fmax);
    const double top = AttenuationTop(demand);

    auto* xAxis = new QCategoryAxis();
    xAxis->setObjectName(QStringLiteral("FrequencyAxis"));
    xAxis->setTitleText(QStringLiteral("Частота, Гц"));
    xAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    xAxis->setRange(left, right);
    xAxis->setStartValue(left);
    const NumberFormat format = vokta::ui::UserNumberFormat();
    for (double f : FrequencyTicks(analysis.fmin, analysis.fmax))
        xAxis->append(QString::fromStdString(FrequencyLabel(f, format)), X(f));
    auto* yAxis = new QValueAxis();
    yAxis->setObjectName(QStringLiteral("AttenuationAxis"));
    yAxis->setTitleText(QStringLiteral("Затухание, дБ"));
    yAxis->setRange(0, top);
    yAxis->setReverse(true);  // 0 dB at the top, so the curve falls away like a response does
    yAxis->setTickType(QValueAxis::TicksDynamic);
    yAxis->setTickAnchor(0);
    yAxis->setTickInterval(top > 200 ? 50 : top > 100 ? 20 : 10);
    yAxis->setMinorTickCount(1);
    yAxis->setLabelFormat(QStringLiteral("%.0f"));
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(xAxis), static_cast<QAbstractAxis*>(yAxis)}) {
        axis->setLabelsFont(font());
        axis->setTitleFont(font());
    }
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);

    auto attach = [&](QAbstractSeries* series) {
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    };

    // A forbidden zone over the frequencies from..to, between the limit and 'far' (the bottom of the plot
    // for the pass band, 0 dB for the stop band). Its border runs along the limit and down the sides that
    // lie within the plot; the zones of one demand share one legend entry.
    auto zone = [&](const QString& name, const Interval& band, double limit, double far) {
        double from = X(band.from), to = X(band.to);
        const bool leftSide = from > left, rightSide = to < right;
        from = std::max(from, left);
        to = std::min(to, right);
        if (!(to > from)) return;
        auto* edge = new QLineSeries();
        edge->append(from, limit);
        edge->append(to, limit);
        auto* beyond = new QLineSeries();
        beyond->append(from, far);
        beyond->append(to, far);
        auto* area = new QAreaSeries(edge, beyond);
        area->setName(name);
        area->setBrush(kZoneFill);
        area->setPen(Qt::NoPen);
        attach(area);
        auto* border = new QLineSeries();
        if (leftSide) border->append(from, far);
        border->append(from, limit);
        border->append(to, limit);
        if (rightSide) border->append(to, far);
        border->setPen(QPen(kZoneBorder, 1.5));
        attach(border);
    };
    const DemandBands bands = BandsOf(demand);
    for (const Interval& pass : bands.pass)
        zone(QStringLiteral("Полоса пропускания: не более %1 дБ").arg(Limit(demand.amin)), pass, demand.amin,
             top);
    for (const Interval& stop : bands.stop)
        zone(QStringLiteral("Полоса задерживания: не менее %1 дБ").arg(Limit(demand.astop)), stop,
             demand.astop, 0);

    // The spread of circuits built from parts of the chosen tolerance: between the 5th and the 95th
    // percentile of their attenuation.
    if (spread && spread->tolerance > 0 && !spread->f.empty()) {
        auto* low = new QLineSeries();
        auto* high = new QLineSeries();
        for (size_t i = 0; i < spread->f.size(); ++i) {
            low->append(X(spread->f[i]), std::min(spread->low[i], top + 10));
            high->append(X(spread->f[i]), std::min(spread->high[i], top + 10));
        }
        auto* area = new QAreaSeries(low, high);
        area->setName(
            QStringLiteral("Разброс 90 % схем при допуске %1 %").arg(std::lround(spread->tolerance * 100)));
        area->setBrush(kSpreadFill);
        area->setPen(Qt::NoPen);
        area->setProperty("legendColor", kSpreadLegend);
        attach(area);
    }

    auto* curve = new QLineSeries();
    curve->setName(QStringLiteral("Затухание фильтра"));
    curve->setPen(QPen(kCurveColor, 2));
    for (const ResponsePoint& p : analysis.curve) curve->append(X(p.f), std::min(p.a, top + 10));
    attach(curve);
    if (standard) {
        auto* dashed = new QLineSeries();
        dashed->setName(QStringLiteral("Номиналы %1").arg(QString::fromUtf8(SeriesName(Series()))));
        dashed->setPen(QPen(kStandardColor, 2, Qt::DashLine));
        for (const ResponsePoint& p : standard->curve) dashed->append(X(p.f), std::min(p.a, top + 10));
        attach(dashed);
    }

    // The legend under the plot, which wraps between its entries where the chart's own would cut them:
    // one entry for each demand and one for each curve; the borders and a second zone of the same demand
    // have none.
    chart->legend()->hide();
    QStringList names, entries;
    for (QAbstractSeries* series : chart->series()) {
        const QString name = series->name();
        if (name.isEmpty() || names.contains(name)) continue;
        names << name;
        QString symbol = QStringLiteral("■"), color = kZoneBorder.name();
        if (const QVariant own = series->property("legendColor"); own.isValid())
            color = own.value<QColor>().name();
        if (auto* line = qobject_cast<QLineSeries*>(series)) {
            // Box-drawing dashes: a line may not break after them, as it may after a typographic dash.
            const bool dashed = line->pen().style() == Qt::DashLine;
            symbol = dashed ? QStringLiteral("╍╍") : QStringLiteral("━━");
            color = line->pen().color().name();
        }
        const QString words = name.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
        entries
            << QStringLiteral("<span style=\"color:%1\"><b>%2</b></span>&nbsp;%3").arg(color, symbol, words);
    }
    LblLegend->setText(entries.join(QStringLiteral("&nbsp;&nbsp;&nbsp; ")));

    LblVerdict->setText(verdict);
}
