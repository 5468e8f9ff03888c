#pragma once

#include <QWidget>
#include <optional>

#include "filters/FilterCoils.h"
#include "filters/FilterParts.h"
#include "filters/FrequencyResponse.h"
#include "filters/Losses.h"
#include "filters/Tolerance.h"
#include "ui/PlotChart.h"
#include "ui/Sheet.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QTabBar;
class QTableWidget;

namespace vokta::ui {

class SceneView;

// The frequency response of a filter design: the attenuation curve over a logarithmic frequency axis,
// the user's demand drawn as forbidden zones (more attenuation than allowed in the pass band, less than
// required in the stop band), and one line that says whether the design meets each demand and by how
// many dB. Modeless; one instance, which shows the design it was last opened for. Beside the plot, the
// parts of the circuit with their computed and standard values: the circuit built from a chosen series
// is drawn too and judged, and can be copied as a list or saved as a SPICE netlist. For a chosen tolerance
// of the parts, the spread of many circuits built from such parts is shaded and the share of them that
// meets the demand is given. Above them, the choice of design: the one of the results window, or the
// exact design of the same kind that meets the demand.
// The parts of the circuit as the parts table lists them: designator, computed value and the value of
// the series, in the user's number format.
QList<Sheet::Row> PartsRows(const vokta::FilterCircuit& circuit, vokta::ESeries series);
// The same beside the values of a circuit of standard values chosen for it.
QList<Sheet::Row> PartsRows(const vokta::FilterCircuit& circuit, const vokta::FilterCircuit& standard);

class FrmResponse : public QWidget {
    Q_OBJECT
public:
    FrmResponse();

    // Computes the response of the circuit against the demand and shows it in the window, loading and
    // showing the window as needed, with the exact design of that response beside it. Throws RuntimeError
    // (before any window appears) when the circuit has no response to show. `inputs` are the requirements
    // the design was made for, as its printable sheet lists them.
    static FrmResponse* Open(const vokta::FilterCircuit& circuit, const vokta::ResponseDemand& demand,
                             vokta::FilterResponse response = vokta::FilterResponse::Butterworth,
                             const QList<Sheet::Row>& inputs = {});
    // The same for a demand whose order the results window's procedure refuses: the window opens on the
    // exact design of the kind of 'kind' (a ladder with its load, or an active filter), "По методике" is
    // not offered.
    static FrmResponse* OpenExact(const vokta::FilterCircuit& kind, const vokta::ResponseDemand& demand,
                                  vokta::FilterResponse response, const QList<Sheet::Row>& inputs);

    void CmdClose_Click();
    void CmbDesign_Click();
    void CmbFamily_Click();
    void CmbSeries_Click();
    void CmbTolerance_Click();
    void CmbQuality_Change();
    void ChkTune_Click();
    void CmbCore_Click();
    void CmdExport_Click();
    void CmdTouchstone_Click();
    void TabPlot_Click();
    void CmdCopy_Click();
    void CmdPdf_Click();
    // The printable sheet of what the window shows: the requirements and the choices, the chart, the
    // yield, the verdict and the parts.
    Sheet MakeSheet() const;

    QWidget* ChartView = nullptr;  // a QChartView, made by the chart module (ui/ChartKit.h)
    // The drawing of the circuit on show, in place of the chart on its tab, scrolled when it is wider.
    QScrollArea* CircuitView = nullptr;
    SceneView* ImgCircuit = nullptr;
    // Under the chart: what it shows of the design, the attenuation, the match at the input (return loss
    // and VSWR, ladders only), the group delay, or the circuit itself.
    QTabBar* TabPlot = nullptr;
    QLabel* LblVerdict = nullptr;
    QLabel* LblLegend = nullptr;
    QPushButton* CmdClose = nullptr;
    QComboBox* CmbDesign = nullptr;
    QComboBox* CmbFamily = nullptr;  // the exact design's approximation; the results window's by default
    QComboBox* CmbSeries = nullptr;
    QComboBox* CmbTolerance = nullptr;
    // The quality factors of the ladder's coils and capacitors, "∞" (lossless) or a number typed.
    // The series' values chosen for the filter as a whole rather than each nearest on its own.
    QCheckBox* ChkTune = nullptr;
    // How the coils are wound: "—" (not at all), a family of toroids or an air-core former.
    QComboBox* CmbCore = nullptr;
    QComboBox* CmbQL = nullptr;
    QComboBox* CmbQC = nullptr;
    QLabel* LblYield = nullptr;
    QTableWidget* TblParts = nullptr;
    QPushButton* CmdExport = nullptr;
    QPushButton* CmdTouchstone = nullptr;  // the S-parameters of a ladder as a Touchstone .s2p file
    QPushButton* CmdCopy = nullptr;
    QPushButton* CmdPdf = nullptr;

private:
    static FrmResponse* Present(const vokta::FilterCircuit& circuit, const vokta::ResponseAnalysis& analysis,
                                const vokta::ResponseDemand& demand, vokta::FilterResponse response,
                                const QList<Sheet::Row>& inputs, bool methodDesign);
    QLayout* PartsPanel();  // creates the controls beside the plot
    void ShowDesign();
    void Plot(const QString& heading, const vokta::ResponseDemand& demand,
              const vokta::ResponseAnalysis& analysis, const vokta::ResponseAnalysis* standard,
              const vokta::ToleranceRun* spread, const QString& verdict);
    vokta::ESeries Series() const;
    // Shows the page of the chosen tab: the attenuation as Plot made it, or the design's port curves.
    void ShowPage();
    plot::Page PortPage(int tab) const;
    // Draws the circuit on show into ImgCircuit, or says why it has no drawing.
    void DrawCircuit();
    double Tolerance() const;  // as a fraction
    // What the circuit as built is called: "Номиналы E24", "Номиналы E24, подобранные, целые витки",
    // "Целые витки" (lower case where it follows other words).
    QString StandardName(bool first) const;
    void FitPartsTable();  // as wide as its shown columns
    // The circuit as built of parts of the chosen quality: the ladder with its loss resistors.
    vokta::FilterCircuit Built(const vokta::FilterCircuit& circuit) const;

    bool ExactChosen() const;
    // Offers "По методике" in CmbDesign, or takes it away and chooses "Точный расчет".
    void OfferMethodDesign(bool offered);
    // The design on show: the exact one when it is chosen and exists, else the results window's.
    const vokta::FilterCircuit& ShownCircuit() const;
    // Writes a file whole, or says why it could not.
    void WriteOrSay(const QString& file, const QByteArray& bytes);
    // Designs the exact filter of the chosen approximation for the demand on show, or keeps why not.
    void DesignExact();

    // The design of the results window: its circuit as computed, the demand and the circuit's analysis.
    // Without one (methodDesign_ false), circuit_ has no parts and only tells the exact design the kind
    // of circuit, and analysis_ only the span of the sweep.
    bool methodDesign_ = true;
    vokta::FilterCircuit circuit_;
    vokta::ResponseDemand demand_;
    vokta::ResponseAnalysis analysis_;
    vokta::FilterResponse response_ = vokta::FilterResponse::Butterworth;  // the results window's
    // The exact design and its analysis, or why there is none.
    std::optional<vokta::FilterCircuit> exact_;
    std::optional<vokta::ResponseAnalysis> exactAnalysis_;
    QString exactError_;
    QList<Sheet::Row> inputs_;
    plot::Page attenuationPage_;           // the attenuation of the design on show, as Plot made it
    plot::Page page_;                      // the chart on show (the attenuation's while the circuit is)
    QStackedWidget* plotStack_ = nullptr;  // the chart or the circuit
    vokta::PartQuality quality_;           // as CmbQL and CmbQC last read
    std::vector<vokta::WoundCoil> coils_;  // the design's coils as CmbCore winds them; none unwound
    vokta::FilterCircuit standard_;        // the design on show in standard values, as ShowDesign chose them
};

}  // namespace vokta::ui
