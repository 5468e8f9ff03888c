#pragma once

#include "ui/PlotChart.h"

class QFont;
class QWidget;

namespace vokta::ui {

// What the windows that show charts need of Qt Charts: a chart view for their layout, and the chart of a
// page (plot::MakeChart) shown in it. It lives in the chart module with the chart builder, loaded when the
// first such window opens, so that the program starts without loading Qt Charts and the OpenGL
// libraries that come with it.
class ChartKit {
public:
    // A new, empty chart view (a QChartView, antialiased) for a window's layout.
    virtual QWidget* NewView(QWidget* parent) const = 0;
    // Builds the chart of the page, its texts in `font`, and shows it in a view made by NewView, in place
    // of the chart shown there before (which is deleted with its series and axes).
    virtual void Show(QWidget* view, const plot::Page& page, const QFont& font) const = 0;

protected:
    ~ChartKit() = default;
};

// The chart module, loaded on first use. The program finds it through its run path: this build's module
// folder for an executable of the build tree, the installed one for the installed program. Throws
// std::runtime_error naming the module when it cannot be loaded.
const ChartKit& Charts();

}  // namespace vokta::ui

// The name of the module's entry point, which returns its ChartKit.
#define VOKTA_CHART_KIT_ENTRY "VoktaChartKit"
