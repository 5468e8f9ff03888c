#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "filters/PassiveLadder.h"
#include "filters/Prototypes.h"

class FrmFiltr;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The variables of the results window. They outlive its controls: a design finds the values of the
// previous one (zeros before the first) in every variable it does not set itself. The prototype values
// g1..g7 (ProtoC1.., ProtoL1..) come from the base.
struct FrmFiltrItogState : vokta::PrototypeValues {
    // Copied from the specification window when the window loads.
    int16_t N = 0;   // prototype order
    float Amin = 0;  // attenuation at the pass-band edge, dB
    float F1 = 0;    // pass-band edge, Hz, after the high-pass Butterworth correction
    int16_t Rn = 0;  // terminating resistance, ohm
    float K = 0;     // centre frequency over bandwidth
    float F0 = 0;    // centre frequency, Hz

    // Component values as shown: capacitances in µF, inductances in µH.
    float ValC1 = 0, ValC2 = 0, ValC3 = 0, ValC4 = 0;
    float ValL1 = 0, ValL2 = 0, ValL3 = 0, ValL4 = 0;

    float& ValC(int number);  // ValC1 .. ValC4
    float& ValL(int number);  // ValL1 .. ValL4
};

// The filter results window: copies the specification, fills the prototype values and designs the
// filter once, when it loads; shows the values beside the schematic of the circuit.
class FrmFiltrItog : public QWidget {
    Q_OBJECT
public:
    FrmFiltrItog();

    static inline FrmFiltrItogState state;

    void Form_Load();
    void CmdBack_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CalcPassiveLowPass();
    void CalcPassiveHighPass();
    void CalcPassiveBandPass();
    void CalcPassiveBandStop();
    void ArrangeResultsLayout();

    // The message for an order beyond what a procedure designs, then the empty window laid out.
    void RefuseOrder(const QString& message);
    // Whether the prototype tables had a row for this design; if not, says so and lays the window out.
    bool PrototypeAvailable();
    void ShowPicture(int number);
    void ShowLadder(const vokta::PassiveLadder& ladder);
    void ShowBandLadder(const vokta::BandLadder& ladder);
    // Reveals the label and box of a component and writes its value.
    void ShowValue(QLabel* label, QLineEdit* box, float value);

    // The result labels and boxes by number, 1..4.
    QLabel* LblC(int number) const { return lblC_.at(number - 1); }
    QLabel* LblL(int number) const { return lblL_.at(number - 1); }
    QLineEdit* TxtC(int number) const { return txtC_.at(number - 1); }
    QLineEdit* TxtL(int number) const { return txtL_.at(number - 1); }

    FrmFiltr* spec_ = nullptr;         // the specification window this design comes from
    bool prototypeLoaded_ = false;     // a table row applied to this design

    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, 4> lblC_{}, lblL_{};
    std::array<QLineEdit*, 4> txtC_{}, txtL_{};
    QLabel* Image1 = nullptr;
    QFrame* Line1 = nullptr;
    QPushButton* CmdBack = nullptr;
};
