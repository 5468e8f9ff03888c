#pragma once

#include <QWidget>

#include "circuits/BandSpread.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vokta::ui {

// The band-spread tuned-circuit calculator: the two fixed capacitors C1 and C2 that make a given coil
// and variable capacitor cover exactly the wanted frequency range.
class frmKontur1 : public QWidget {
    Q_OBJECT
public:
    frmKontur1();

    void Form_Load();
    void CmdCalc_Click();
    void CmdCancel_Click();
    void CmdPlot_Click();
    void CmdCoil_Click();

private:
    void CalcBandSpread();

    QGroupBox* Frame1 = nullptr;
    QLabel* LblFmax = nullptr;
    QLineEdit* TxtFmax = nullptr;
    QLabel* LblFmin = nullptr;
    QLineEdit* TxtFmin = nullptr;
    QLabel* LblL = nullptr;
    QLineEdit* TxtL = nullptr;
    QLabel* LblC3max = nullptr;
    QLineEdit* TxtC3max = nullptr;
    QLabel* LblC3min = nullptr;
    QLineEdit* TxtC3min = nullptr;
    QLabel* LblC4 = nullptr;
    QLineEdit* TxtC4 = nullptr;

    QLabel* Image1 = nullptr;
    QLabel* LblC1 = nullptr;
    QLabel* LblC2 = nullptr;
    QPushButton* CmdCalc = nullptr;
    QPushButton* CmdPlot = nullptr;
    QPushButton* CmdCoil = nullptr;
    QPushButton* CmdCancel = nullptr;

    // The data and result that the labels show, for the plot.
    vokta::BandSpreadInput shownInput_;
    vokta::BandSpreadResult shownResult_;
};

}  // namespace vokta::ui
