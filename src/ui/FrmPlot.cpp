#include "ui/FrmPlot.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
#include <QTabBar>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

#include "ui/Controls.h"
#include "ui/Forms.h"

using vokta::ui::Forms;

namespace {

// A round step for about `count` ticks over the span: 1, 2, 2.5 or 5 times a power of ten.
double RoundStep(double span, int count) {
    const double raw = span / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (m * power >= raw) return m * power;
    return 10 * power;
}

}  // namespace

FrmPlot::FrmPlot() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("FrmPlot"));
    setAttribute(Qt::WA_DeleteOnClose, false);  // the form registry unloads it

    TabPages = new QTabBar(this);
    TabPages->setObjectName(QStringLiteral("TabPages"));
    TabPages->setDrawBase(false);
    connect(TabPages, &QTabBar::currentChanged, this, &FrmPlot::ShowPage);

    ChartView = new QChartView(this);
    ChartView->setObjectName(QStringLiteral("ChartView"));
    ChartView->setRenderHint(QPainter::Antialiasing);
    ChartView->setMinimumSize(560, 300);  // with the rest, the window fits 900 x 480 at its least

    LblSummary = new QLabel(this);
    LblSummary->setObjectName(QStringLiteral("LblSummary"));
    LblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LblSummary->setWordWrap(true);

    CmdClose = new QPushButton(QStringLiteral("Закрыть"), this);
    CmdClose->setObjectName(QStringLiteral("CmdClose"));
    CmdClose->setMinimumWidth(97);  // the 1455 twips of the program's buttons
    connect(CmdClose, &QPushButton::clicked, this, &FrmPlot::CmdClose_Click);
    // Enter and Esc both close: "Закрыть" is the window's only button.
    vokta::ui::UseCalculatorKeys(this, CmdClose, CmdClose);

    auto* bottom = new QHBoxLayout();
    bottom->addWidget(LblSummary, 1);
    bottom->addSpacing(12);
    bottom->addWidget(CmdClose, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(TabPages);
    layout->addWidget(ChartView, 1);
    layout->addLayout(bottom);
    QSize size(880, 580);
    if (const QScreen* screen = this->screen()) size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
}

FrmPlot::~FrmPlot() {
    DropCharts();
}

FrmPlot* FrmPlot::Open(const QList<Page>& pages, const QString& summary) {
    FrmPlot* form = Forms::Load<FrmPlot>();
    form->Plot(pages, summary);
    return Forms::Show<FrmPlot>();
}

void FrmPlot::CmdClose_Click() {
    Forms::Unload(this);
}

void FrmPlot::DropCharts() {
    // The view deletes the chart it shows; the others are ours.
    for (QChart* chart : charts_)
        if (chart != ChartView->chart()) delete chart;
    charts_.clear();
}

void FrmPlot::Plot(const QList<Page>& pages, const QString& summary) {
    // New charts for every plot: the old ones go with their series and axes.
    QChart* shown = ChartView->chart();
    DropCharts();
    for (const Page& page : pages) charts_ << MakeChart(page);
    {
        const QSignalBlocker blocker(TabPages);
        while (TabPages->count() > 0) TabPages->removeTab(0);
        for (const Page& page : pages) TabPages->addTab(page.tab);
        TabPages->setCurrentIndex(0);
    }
    TabPages->setVisible(pages.size() > 1);
    ChartView->setChart(charts_.value(0));
    delete shown;
    setWindowTitle(pages.value(0).title);
    LblSummary->setText(summary);
}

void FrmPlot::ShowPage(int index) {
    if (index >= 0 && index < charts_.size()) ChartView->setChart(charts_[index]);
}

QChart* FrmPlot::MakeChart(const Page& page) const {
    auto* chart = new QChart();
    chart->setAnimationOptions(QChart::NoAnimation);
    // Axis labels in the user's number format, without digit grouping, as the program writes numbers.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    chart->setLocale(locale);
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(font());
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(font().pointSizeF() + 1);
    chart->setTitleFont(titleFont);
    chart->setTitle(page.title);

    auto addAxis = [&](const Axis& a, Qt::Alignment side) {
        auto* axis = new QValueAxis();
        axis->setTitleText(a.title);
        axis->setRange(a.from, a.to);
        if (!a.exact) {
            axis->applyNiceNumbers();
        } else if (a.to > a.from) {
            // The range as given, with ticks at round values within it.
            const double step = RoundStep(a.to - a.from, 6);
            axis->setTickType(QValueAxis::TicksDynamic);
            axis->setTickAnchor(std::ceil(a.from / step) * step);
            axis->setTickInterval(step);
        }
        axis->setReverse(a.reversed);
        // Localised labels need the precision written out: "%g" is "%.6g", as printf takes it.
        QString format = QString::fromLatin1(a.format);
        if (!format.contains(QLatin1Char('.'))) format.replace(QLatin1Char('%'), QStringLiteral("%.6"));
        axis->setLabelFormat(format);
        axis->setLabelsFont(font());
        axis->setTitleFont(font());
        chart->addAxis(axis, side);
        return axis;
    };
    QValueAxis* x = addAxis(page.x, Qt::AlignBottom);
    QValueAxis* y = addAxis(page.y, Qt::AlignLeft);
    QValueAxis* y2 = page.y2 ? addAxis(*page.y2, Qt::AlignRight) : nullptr;
    if (y2) y2->setGridLineVisible(false);  // the grid is the left axis's

    for (const Series& s : page.series) {
        QXYSeries* series = nullptr;
        if (s.kind == Series::Marker) {
            auto* markers = new QScatterSeries();
            markers->setMarkerSize(10);
            markers->setColor(s.color);
            markers->setBorderColor(s.color.darker());
            series = markers;
        } else {
            series = new QLineSeries();
            series->setPen(s.kind == Series::Limit ? QPen(s.color, 1.5, Qt::DashLine) : QPen(s.color, 2));
        }
        series->setName(s.name);
        series->append(s.points);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(s.secondAxis && y2 ? y2 : y);
    }
    // The legend names what has a name: a demand drawn as several lines has one entry.
    const QList<QLegendMarker*> markers = chart->legend()->markers();
    for (QLegendMarker* marker : markers) marker->setVisible(!marker->label().isEmpty());
    return chart;
}
