#pragma once

#include <QWidget>

#include "filters/FrequencyResponse.h"

class QChart;
class QChartView;
class QLabel;
class QPushButton;

// The frequency response of a filter design: the attenuation curve over a logarithmic frequency axis,
// the user's demand drawn as forbidden zones (more attenuation than allowed in the pass band, less than
// required in the stop band), and one line that says whether the design meets each demand and by how
// many dB. Modeless; one instance, which shows the design it was last opened for.
class FrmResponse : public QWidget {
    Q_OBJECT
public:
    FrmResponse();

    // Computes the response of the circuit against the demand and shows it in the window, loading and
    // showing the window as needed. Throws RuntimeError (before any window appears) when the circuit
    // has no response to show.
    static FrmResponse* Open(const vokta::FilterCircuit& circuit, const vokta::ResponseDemand& demand);

    void CmdClose_Click();

    QChartView* ChartView = nullptr;
    QLabel* LblVerdict = nullptr;
    QPushButton* CmdClose = nullptr;

private:
    void Plot(const QString& heading, const vokta::ResponseDemand& demand, const vokta::ResponseAnalysis& analysis);
};
