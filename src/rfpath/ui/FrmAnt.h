#pragma once

#include <QWidget>

#include "rfpath/RfPath.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vokta::ui {

// The RF-path calculator: how many tuned circuits a superheterodyne receiver needs ahead of its mixer
// and their equivalent quality factors. The window has two faces: the source data in Frame1, or the
// three result labels in its place.
class FrmAnt : public QWidget {
    Q_OBJECT
public:
    FrmAnt();

    void Form_Load();
    void Option2_Click(int index);
    void CmdCalc_Click();
    void CmdClear_Click();
    void CmdBack_Click();
    void CmdPlot_Click();

private:
    void CalcRfPath();
    bool InputsComplete() const;
    vokta::RfPathTask ReadTask();
    void ShowInputFace();
    void ShowResultsFace();

    QGroupBox* Frame1 = nullptr;
    QLineEdit* TxtFmax = nullptr;
    QLineEdit* TxtFmin = nullptr;
    QComboBox* CmbFpr = nullptr;
    QLineEdit* TxtSel = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
    QLineEdit* TxtM = nullptr;
    QLineEdit* TxtF = nullptr;
    QLabel* Lblfmax = nullptr;
    QLabel* Lblfmin = nullptr;
    QLabel* LblFpr = nullptr;
    QLabel* LblSezk = nullptr;
    QLabel* Lbldk = nullptr;
    QLabel* LblSigma = nullptr;
    QLabel* LblFget = nullptr;
    QLabel* LblM = nullptr;
    QLabel* LblF = nullptr;

    QCheckBox* CheckAnt = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QButtonGroup* Option1 = nullptr;  // coupling to the transistor
    QButtonGroup* Option2 = nullptr;  // kind of modulation

    QLabel* LblSel = nullptr;
    QLabel* LblSigma1 = nullptr;
    QLabel* LblN = nullptr;

    QPushButton* CmdCalc = nullptr;
    QPushButton* CmdPlot = nullptr;
    QPushButton* CmdClear = nullptr;
    QPushButton* CmdBack = nullptr;

    // The design that the results show and the task it was made for, for the plot.
    vokta::RfPathDesign shownDesign_;
    vokta::RfPathTask shownTask_;
};

}  // namespace vokta::ui
