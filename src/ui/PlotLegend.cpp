#include <QStringList>

#include "ui/PlotChart.h"

namespace vokta::ui::plot {

QString LegendText(const Page& page) {
    QStringList names, entries;
    for (const Series& s : page.series) {
        if (s.name.isEmpty() || names.contains(s.name)) continue;
        names << s.name;
        // Box-drawing dashes: a line may not break after them, as it may after a typographic dash.
        QString symbol = QStringLiteral("━━");
        QColor color = s.color;
        switch (s.kind) {
            case Series::Curve:
                break;
            case Series::Limit:
            case Series::Dashed:
                symbol = QStringLiteral("╍╍");
                break;
            case Series::Marker:
                symbol = QStringLiteral("●");
                break;
            case Series::Zone:
                symbol = QStringLiteral("■");
                break;
            case Series::Band:
                // Halfway to white: the band's light shade, yet strong enough to see in a small square.
                symbol = QStringLiteral("■");
                color = QColor((color.red() + 255) / 2, (color.green() + 255) / 2, (color.blue() + 255) / 2);
                break;
        }
        const QString words = s.name.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
        entries << QStringLiteral("<span style=\"color:%1\"><b>%2</b></span>&nbsp;%3")
                       .arg(color.name(), symbol, words);
    }
    return entries.join(QStringLiteral("&nbsp;&nbsp;&nbsp; "));
}

}  // namespace vokta::ui::plot
