#include "rfpath/ui/RfPathPlot.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "rfpath/RfSelectivity.h"
#include "ui/FrmPlot.h"
#include "ui/PlotColors.h"

namespace vokta::ui {

using namespace vokta::ui::plot;

namespace {

const QString kTitle = QStringLiteral("Избирательность тракта РЧ");
const QString kAttenuation = QStringLiteral("Затухание, дБ");

QString Number(double x, int decimals) {
    return QLocale().toString(x, 'f', decimals);
}
QString Frequency(double f) {
    return QLocale().toString(f, 'g', 6);
}

// The highest whole ten of dB at or above `db`.
double Tens(double db) {
    return std::max(10.0, std::ceil(db / 10) * 10);
}

// Where an attenuation axis starts: at 0 dB, or at the whole dB below the lowest point of the curves.
// The whole path may pass a signal better than at the tuned frequency, where the antenna or the
// coupling favours it more than the circuits hold it back; a dip of less than half a decibel, as near
// the tuned frequency, cannot be seen on a scale of tens of decibels and leaves the axis at 0.
double Floor(const RfCurvePair& pair) {
    double lowest = 0;
    for (const Curve* c : {&pair.bySelectivityQ, &pair.byAttenuationQ})
        for (const CurvePoint& p : *c) lowest = std::min(lowest, p.y);
    return lowest > -0.5 ? 0 : std::floor(lowest);
}

}  // namespace

plot::Figure RfPathPlot(const RfPathTask& task, const RfPathDesign& design) {
    const RfSelectivity s = RfPathSelectivity(task, design);
    const double unevennessDb = s.unevennessDb;
    const double q[2] = {s.selectivityQ, s.attenuationQ};
    const QString qName[2] = {
        QStringLiteral("По селективности, Q = %1").arg(QLocale().toString(q[0], 'g', 7)),
        QStringLiteral("По затуханию, Q = %1").arg(QLocale().toString(q[1], 'g', 7))};
    auto curves = [&](const RfCurvePair& pair, double ceiling) {
        return QList<FrmPlot::Series>{
            FrmPlot::Series::Line(qName[0], Points(pair.bySelectivityQ, ceiling), kFirst),
            FrmPlot::Series::Line(qName[1], Points(pair.byAttenuationQ, ceiling), kSecond)};
    };

    // Around the top of the range, with the image.
    FrmPlot::Page top;
    top.tab = QStringLiteral("Зеркальный канал");
    top.title = kTitle;
    const double left = s.aroundTop.bySelectivityQ.front().x, right = s.aroundTop.bySelectivityQ.back().x;
    top.x = {QStringLiteral("Частота, МГц (контуры настроены на %1 МГц)").arg(Frequency(s.topMHz)),
             left,
             right,
             "%g",
             false,
             true};
    const double topDb = Tens(std::max(s.demandDb * 1.5, s.demandDb + 20));
    top.y = {kAttenuation, Floor(s.aroundTop), topDb, "%.0f", true, true};
    top.series << curves(s.aroundTop, topDb);
    top.series << FrmPlot::Series::Line({}, {{s.imageMHz, top.y.from}, {s.imageMHz, topDb}}, kGuide,
                                        FrmPlot::Series::Limit);
    top.series << FrmPlot::Series::Line(QStringLiteral("Зеркальный канал %1 МГц: требуется %2 дБ")
                                            .arg(Frequency(s.imageMHz), Number(s.demandDb, 1)),
                                        {{s.imageMHz, s.demandDb}}, kDemand, FrmPlot::Series::Marker);

    // The pass band at the bottom of the range.
    FrmPlot::Page band;
    band.tab = QStringLiteral("Полоса пропускания");
    band.title = kTitle + QStringLiteral(": полоса сигнала на частоте %1 МГц").arg(Frequency(s.bottomMHz));
    const double span = s.passBand.bySelectivityQ.back().x;
    // Factors far beyond need make the curves steep: the plot shows the first 60 dB at most.
    const double bandCeiling = std::max(60.0, 2 * unevennessDb);
    band.x = {QStringLiteral("Расстройка, кГц"), -span, span, "%g", false, true};
    double bandDb = unevennessDb * 2;
    for (const Curve* c : {&s.passBand.bySelectivityQ, &s.passBand.byAttenuationQ})
        for (const CurvePoint& p : *c) bandDb = std::max(bandDb, std::min(p.y, bandCeiling));
    band.y = {kAttenuation, 0, bandDb, "%.1f", true};
    band.series << curves(s.passBand, bandDb);
    const QString edges = QStringLiteral("Края полосы ±%1 кГц").arg(Number(s.edgeKHz, 1));
    band.series << FrmPlot::Series::Line(edges, {{-s.edgeKHz, 0}, {-s.edgeKHz, bandDb}}, kGuide,
                                         FrmPlot::Series::Limit)
                << FrmPlot::Series::Line({}, {{s.edgeKHz, 0}, {s.edgeKHz, bandDb}}, kGuide,
                                         FrmPlot::Series::Limit);
    band.series << FrmPlot::Series::Line(
        QStringLiteral("Неравномерность не более %1 дБ").arg(Number(unevennessDb, 1)),
        {{-s.edgeKHz, unevennessDb}, {s.edgeKHz, unevennessDb}}, kDemand, FrmPlot::Series::Marker);

    // The image rejection over the range.
    FrmPlot::Page range;
    range.tab = QStringLiteral("Подавление по диапазону");
    range.title = kTitle + QStringLiteral(": подавление зеркального канала по диапазону");
    range.x = {QStringLiteral("Частота настройки, МГц"), s.bottomMHz, s.topMHz, "%g", false, true};
    double rangeDb = s.demandDb;
    for (const Curve* c : {&s.imageRejection.bySelectivityQ, &s.imageRejection.byAttenuationQ})
        for (const CurvePoint& p : *c) rangeDb = std::max(rangeDb, std::min(p.y, 3 * s.demandDb + 20));
    range.y = {QStringLiteral("Подавление зеркального канала, дБ"),
               Floor(s.imageRejection),
               Tens(rangeDb + 5),
               "%.0f",
               false,
               true};
    range.series << curves(s.imageRejection, range.y.to);
    range.series << FrmPlot::Series::Line(QStringLiteral("Требуется: %1 дБ").arg(Number(s.demandDb, 1)),
                                          {{s.bottomMHz, s.demandDb}, {s.topMHz, s.demandDb}}, kDemand,
                                          FrmPlot::Series::Limit);

    auto verdict = [](bool met) {
        return met ? QStringLiteral("выполнено") : QStringLiteral("не выполнено");
    };
    auto each = [&](const double db[2], auto met) {
        QStringList parts;
        for (int i = 0; i < 2; ++i)
            parts << QStringLiteral("при добротности %1 — %2 дБ, %3")
                         .arg(QLocale().toString(q[i], 'g', 7), Number(db[i], 1), verdict(met(db[i])));
        return parts.join(QStringLiteral("; "));
    };
    const QString summary = QStringLiteral(
                                "Зеркальный канал %1 МГц, требуется %2 дБ: %3. Края полосы %4 МГц ± %5 кГц, "
                                "допускается %6 дБ: %7.")
                                .arg(Frequency(s.imageMHz), Number(s.demandDb, 1),
                                     each(s.imageDb, [&](double db) { return db >= s.demandDb; }),
                                     Frequency(s.bottomMHz), Number(s.edgeKHz, 1), Number(unevennessDb, 1),
                                     each(s.edgeDb, [&](double db) { return db <= unevennessDb; }));
    return plot::Figure{{top, band, range}, summary};
}

void ShowRfPathPlot(const RfPathTask& task, const RfPathDesign& design) {
    const plot::Figure figure = RfPathPlot(task, design);
    FrmPlot::Open(figure.pages, figure.summary);
}

}  // namespace vokta::ui
