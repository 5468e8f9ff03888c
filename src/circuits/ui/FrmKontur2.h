#pragma once

#include <QWidget>

#include "circuits/ThreePoint.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vokta::ui {

// The three-point linearised tuned-circuit calculator: the fixed capacitors C1, C2 and C3 that make
// the frequency scale exact at both ends and in the middle of the variable capacitor's travel.
class FrmKontur2 : public QWidget {
    Q_OBJECT
public:
    FrmKontur2();

    void Form_Load();
    void CmdCalc_Click();
    void CmdCancel_Click();
    void CmdPlot_Click();
    void CmdCoil_Click();

private:
    void CalcThreePoint();

    QGroupBox* Frame1 = nullptr;
    QLabel* LblFmax = nullptr;
    QLineEdit* TxtFmax = nullptr;
    QLabel* LblFmin = nullptr;
    QLineEdit* TxtFmin = nullptr;
    QLabel* LblL = nullptr;
    QLineEdit* TxtL = nullptr;
    QLabel* LblCmax = nullptr;
    QLineEdit* TxtCmax = nullptr;
    QLabel* LblCmin = nullptr;
    QLineEdit* TxtCmin = nullptr;
    QLabel* LblCcp = nullptr;
    QLineEdit* TxtCcp = nullptr;

    QLabel* Image1 = nullptr;
    QLabel* LblC1 = nullptr;
    QLabel* LblC2 = nullptr;
    QLabel* LblC3 = nullptr;
    QPushButton* CmdCalc = nullptr;
    QPushButton* CmdPlot = nullptr;
    QPushButton* CmdCoil = nullptr;
    QPushButton* CmdCancel = nullptr;

    // The data and result that the labels show, for the plot.
    vokta::ThreePointInput shownInput_;
    vokta::ThreePointResult shownResult_;
};

}  // namespace vokta::ui
