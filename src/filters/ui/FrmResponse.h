#pragma once

#include <QWidget>
#include <optional>

#include "filters/FilterParts.h"
#include "filters/FrequencyResponse.h"
#include "filters/Tolerance.h"

class QComboBox;
class QLabel;
class QLayout;
class QPushButton;
class QTableWidget;

namespace vokta::ui {

// The frequency response of a filter design: the attenuation curve over a logarithmic frequency axis,
// the user's demand drawn as forbidden zones (more attenuation than allowed in the pass band, less than
// required in the stop band), and one line that says whether the design meets each demand and by how
// many dB. Modeless; one instance, which shows the design it was last opened for. Beside the plot, the
// parts of the circuit with their computed and standard values: the circuit built from a chosen series
// is drawn too and judged, and can be copied as a list or saved as a SPICE netlist. For a chosen tolerance
// of the parts, the spread of many circuits built from such parts is shaded and the share of them that
// meets the demand is given. Above them, the choice of design: the one of the results window, or the
// exact design of the same kind that meets the demand.
class FrmResponse : public QWidget {
    Q_OBJECT
public:
    FrmResponse();

    // Computes the response of the circuit against the demand and shows it in the window, loading and
    // showing the window as needed, with the exact design of that response beside it. Throws RuntimeError
    // (before any window appears) when the circuit has no response to show.
    static FrmResponse* Open(const vokta::FilterCircuit& circuit, const vokta::ResponseDemand& demand,
                             vokta::FilterResponse response = vokta::FilterResponse::Butterworth);

    void CmdClose_Click();
    void CmbDesign_Click();
    void CmbSeries_Click();
    void CmbTolerance_Click();
    void CmdExport_Click();
    void CmdCopy_Click();

    QWidget* ChartView = nullptr;  // a QChartView, made by the chart module (ui/ChartKit.h)
    QLabel* LblVerdict = nullptr;
    QLabel* LblLegend = nullptr;
    QPushButton* CmdClose = nullptr;
    QComboBox* CmbDesign = nullptr;
    QComboBox* CmbSeries = nullptr;
    QComboBox* CmbTolerance = nullptr;
    QLabel* LblYield = nullptr;
    QTableWidget* TblParts = nullptr;
    QPushButton* CmdExport = nullptr;
    QPushButton* CmdCopy = nullptr;

private:
    QLayout* PartsPanel();  // creates the controls beside the plot
    void ShowDesign();
    void Plot(const QString& heading, const vokta::ResponseDemand& demand,
              const vokta::ResponseAnalysis& analysis, const vokta::ResponseAnalysis* standard,
              const vokta::ToleranceRun* spread, const QString& verdict);
    vokta::ESeries Series() const;
    double Tolerance() const;  // as a fraction

    bool ExactChosen() const;

    // The design of the results window: its circuit as computed, the demand and the circuit's analysis.
    vokta::FilterCircuit circuit_;
    vokta::ResponseDemand demand_;
    vokta::ResponseAnalysis analysis_;
    // The exact design and its analysis, or why there is none.
    std::optional<vokta::FilterCircuit> exact_;
    std::optional<vokta::ResponseAnalysis> exactAnalysis_;
    QString exactError_;
};

}  // namespace vokta::ui
