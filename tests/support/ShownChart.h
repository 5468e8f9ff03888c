#pragma once

#include <QChartView>

namespace vokta::test {

// The chart a window's chart view (made by the chart module) shows.
inline QChart* ShownChart(QWidget* view) {
    auto* chartView = qobject_cast<QChartView*>(view);
    return chartView ? chartView->chart() : nullptr;
}

}  // namespace vokta::test
