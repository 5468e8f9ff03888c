#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "filters/ActiveRc.h"
#include "filters/FilterOrder.h"
#include "filters/FrequencyResponse.h"
#include "filters/PassiveLadder.h"
#include "filters/Prototypes.h"
#include "ui/Sheet.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vokta::ui {

class FrmFiltr;

// The variables of the results window. They outlive its controls: a design finds the values of the
// previous one (zeros before the first) in every variable it does not set itself. The prototype values
// g1..g7 (ProtoC1.., ProtoL1..) and the Chebyshev section table of the active filters (ChebFreq1..3,
// ChebDamp1..2) come from the bases.
struct FrmFiltrItogState : vokta::PrototypeValues, vokta::ActiveChebyshevTable, vokta::ActiveValues {
    // Copied from the requirements window when the window loads.
    int16_t N = 0;   // prototype order
    float Amin = 0;  // attenuation at the pass-band edge, dB
    float F1 = 0;    // pass-band edge, Hz, after the high-pass Butterworth correction
    int16_t Rn = 0;  // terminating resistance, ohm
    float K = 0;     // centre frequency over bandwidth
    float F0 = 0;    // centre frequency, Hz

    // Component values as shown: capacitances in µF, inductances in µH. ValC1, ValC3 and ValC4 are
    // those of the active values too; only the ladders use ValC2.
    float ValC2 = 0;
    float ValL1 = 0, ValL2 = 0, ValL3 = 0, ValL4 = 0;

    // Active filters, besides their values: the answer of the input box (RText in kΩ for a low-pass,
    // CText in µF for a high-pass) and, for a high-pass, the resistance of DA1's section in the user's
    // number format (RText).
    QString RText, CText;

    float& ValC(int number);  // ValC1 .. ValC4
    float& ValL(int number);  // ValL1 .. ValL4
};

// The filter results window: copies the requirements, fills the prototype values and designs the
// filter once, when it loads; shows the values beside the schematic of the circuit.
class FrmFiltrItog : public QWidget {
    Q_OBJECT
public:
    FrmFiltrItog();

    static inline FrmFiltrItogState state;

    void Form_Load();
    void CmdBack_Click();
    void CmdResponse_Click();
    void CmdPdf_Click();
    // Unloads the results window, if it is loaded, and with it the response window, which shows its design.
    static void UnloadWithResponse();
    // Whether a design is on show (a refused or failed calculation leaves the window without one).
    bool HasDesign() const { return !Image1->pixmap().isNull(); }
    // The printable sheet of the design on show: the requirements, the values as the window shows them,
    // the circuit, the verdict and the parts with their values of the E24 series.
    Sheet MakeSheet() const;

private:
    void CalcPassiveLowPass();
    void CalcPassiveHighPass();
    void CalcPassiveBandPass();
    void CalcPassiveBandStop();
    // What the four passive designs share: the order check, the prototype row, then the design.
    void CalcPassive(int maxOrder, const QString& refusal, const std::function<void()>& design);
    void PrepareActiveChebyshev();
    void CalcActiveButterworthLowPass();
    void CalcActiveChebyshevLowPass();
    void CalcActiveButterworthHighPass();
    void CalcActiveChebyshevHighPass();
    void ArrangeResultsLayout();
    // The verdict of the design's frequency response against its demand, under the results frame.
    void ShowVerdict();
    // The circuit on show, as the values of the window describe it.
    vokta::FilterCircuit ShownCircuit() const;

    // The message for an order beyond what a procedure designs, then the empty window laid out; "АЧХ"
    // then opens on the exact design, which takes orders the procedures do not.
    void RefuseOrder(const QString& message);
    // Whether the prototype tables had a row for this design; if not, says so and lays the window out.
    bool PrototypeAvailable();
    void ShowPicture(int number);
    void ShowLadder(const vokta::PassiveLadder& ladder);
    void ShowBandLadder(const vokta::PassiveLadder& ladder);
    // What the four active designs share: the order check, the input box, the design and its display.
    void CalcActive(vokta::FilterType type, vokta::FilterResponse response);
    void ShowActiveDesign(const vokta::ActiveRcDesign& design);
    // Reveals the label and box of a component and writes its value.
    void ShowValue(QLabel* label, QLineEdit* box, float value);

    // The result labels and boxes by number, 1..4.
    QLabel* LblC(int number) const { return lblC_.at(number - 1); }
    QLabel* LblL(int number) const { return lblL_.at(number - 1); }
    QLineEdit* TxtC(int number) const { return txtC_.at(number - 1); }
    QLineEdit* TxtL(int number) const { return txtL_.at(number - 1); }

    FrmFiltr* request_ = nullptr;     // the requirements window this design comes from
    bool prototypeLoaded_ = false;    // a table row applied to this design
    bool activeTableLoaded_ = false;  // the Chebyshev section table has a row for this design's ripple
    // What this design was made for, as the requirements window stated it when the design was made
    // (it may state another one by the time the response is asked for).
    vokta::FilterType type_ = vokta::FilterType::LowPass;
    vokta::FilterResponse response_ = vokta::FilterResponse::Butterworth;
    bool active_ = false;
    vokta::ResponseDemand demand_;
    QList<Sheet::Row> inputs_;   // the requirements as they stood when the design was made
    int picture_ = 0;            // the number of the circuit's picture on show
    bool orderRefused_ = false;  // the procedure refused the order: only the exact design is left

    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, 4> lblC_{}, lblL_{};
    std::array<QLineEdit*, 4> txtC_{}, txtL_{};
    QLabel* Image1 = nullptr;
    QLabel* LblVerdict = nullptr;  // hidden until a design is on show
    QFrame* Line1 = nullptr;
    QPushButton* CmdBack = nullptr;
    QPushButton* CmdResponse = nullptr;  // "АЧХ": the frequency response of the design on show
    QPushButton* CmdPdf = nullptr;       // "PDF…": the printable sheet of the design on show
};

}  // namespace vokta::ui
