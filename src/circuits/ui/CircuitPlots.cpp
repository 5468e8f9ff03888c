#include "circuits/ui/CircuitPlots.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "circuits/TuningCurves.h"
#include "ui/FrmPlot.h"
#include "ui/PlotColors.h"

namespace vokta::ui::circuits {

using namespace vokta::ui::plot;

namespace {

QString MHz(double f) {
    return QLocale().toString(f, 'g', 5);
}
QString PF(double c) {
    return QLocale().toString(c, 'g', 6);
}
QString Percent(double x, int decimals) {
    return QLocale().toString(x, 'f', decimals);
}

}  // namespace

plot::Figure BandSpreadPlot(const BandSpreadInput& in, const BandSpreadResult& result) {
    const BandSpreadCoverage c = BandSpreadTuning(in, result);
    FrmPlot::Page page;
    page.title = QStringLiteral("Перекрытие диапазона");
    page.x = {QStringLiteral("Емкость КПЕ С3, пФ"), in.c3minPF, in.c3maxPF, "%g", false, true};
    const double low = std::min(c.bottomMHz, in.fminMHz), high = std::max(c.topMHz, in.fmaxMHz);
    const double margin = (high - low) * 0.08;
    page.y = {QStringLiteral("Частота, МГц"), low - margin, high + margin, "%.2f"};

    page.series << FrmPlot::Series::Line(QStringLiteral("Частота настройки контура"), Points(c.tuning),
                                         kFirst);
    auto edge = [&](const QString& name, double f) {
        return FrmPlot::Series::Line(name, {{in.c3minPF, f}, {in.c3maxPF, f}}, kDemand,
                                     FrmPlot::Series::Limit);
    };
    page.series
        << edge(QStringLiteral("Заданные края диапазона: %1 и %2 МГц").arg(MHz(in.fminMHz), MHz(in.fmaxMHz)),
                in.fminMHz)
        << edge({}, in.fmaxMHz);

    return plot::Figure{
        {page},
        QStringLiteral("Контур перекрывает диапазон от %1 до %2 МГц. Нижний край отличается "
                       "от заданного на %3 %, верхний — на %4 %.")
            .arg(MHz(c.bottomMHz), MHz(c.topMHz), Percent(c.bottomErrorPct, 2), Percent(c.topErrorPct, 2))};
}

plot::Figure ThreePointPlot(const ThreePointInput& in, const ThreePointResult& result) {
    const ThreePointScale s = ThreePointTuning(in, result);
    FrmPlot::Page page;
    page.title = QStringLiteral("Шкала контура");
    page.x = {QStringLiteral("Положение КПЕ по шкале, %"), 0, 100, "%.0f", false, true};
    double low = s.frequency.front().y, high = s.frequency.back().y;
    for (const CurvePoint& p : s.design) low = std::min(low, p.y), high = std::max(high, p.y);
    const double margin = (high - low) * 0.08;
    page.y = {QStringLiteral("Частота, МГц"), low - margin, high + margin, "%.2f"};
    const double worst = std::max(1.0, std::ceil(std::fabs(s.worstDeviationPct)));
    page.y2 = FrmPlot::Axis{QStringLiteral("Отклонение от прямой, % полосы"), -worst, worst, "%.0f"};

    page.series << FrmPlot::Series::Line(QStringLiteral("Частота настройки"), Points(s.frequency), kFirst);
    page.series << FrmPlot::Series::Line(QStringLiteral("Прямая через края полосы"),
                                         {{0, s.frequency.front().y}, {100, s.frequency.back().y}}, kGuide,
                                         FrmPlot::Series::Limit);
    QList<QPointF> design;
    for (const CurvePoint& p : s.design) design << QPointF(p.x, p.y);
    page.series << FrmPlot::Series::Line(QStringLiteral("Расчетные точки"), design, kDemand,
                                         FrmPlot::Series::Marker);
    FrmPlot::Series deviation =
        FrmPlot::Series::Line(QStringLiteral("Отклонение от прямой"), Points(s.deviation), kSecond);
    deviation.secondAxis = true;
    page.series << deviation;

    QString summary = QStringLiteral(
                          "Емкость КПЕ меняется по параболе через заданные значения: %1 пФ в начале шкалы, "
                          "%2 пФ в середине, %3 пФ в конце.")
                          .arg(PF(in.cmaxPF), PF(in.cmidPF), PF(in.cminPF));
    if (!s.smoothLaw)
        summary += QStringLiteral(
                       " Парабола монотонна лишь при емкости в среднем положении от %1 до %2 пФ; "
                       "где она выходит за пределы КПЕ, емкость принята равной его краю.")
                       .arg(PF(s.smoothMidFromPF), PF(s.smoothMidToPF));
    summary += QStringLiteral(
                   " Шкала охватывает от %1 до %2 МГц: нижний край отличается от заданного на %3 %, "
                   "верхний — на %4 %. Наибольшее отклонение шкалы от прямой: %5 % полосы при %6 % "
                   "хода КПЕ.")
                   .arg(MHz(s.bottomMHz), MHz(s.topMHz), Percent(s.bottomErrorPct, 2),
                        Percent(s.topErrorPct, 2), Percent(s.worstDeviationPct, 1), Percent(s.worstAtPct, 0));
    return plot::Figure{{page}, summary};
}

void ShowBandSpreadPlot(const BandSpreadInput& input, const BandSpreadResult& result) {
    const plot::Figure figure = BandSpreadPlot(input, result);
    FrmPlot::Open(figure.pages, figure.summary);
}

void ShowThreePointPlot(const ThreePointInput& input, const ThreePointResult& result) {
    const plot::Figure figure = ThreePointPlot(input, result);
    FrmPlot::Open(figure.pages, figure.summary);
}

}  // namespace vokta::ui::circuits
