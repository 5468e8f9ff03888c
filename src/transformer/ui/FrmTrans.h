#pragma once

#include <QWidget>

#include "transformer/TransformerDesign.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vokta::ui {

class ReportPrinter;

// The transformer calculator: the user describes the core and the mains voltage, "Расчет" asks for
// the secondary windings in input boxes, designs the transformer and shows the design in the results
// window, "Печать" prints the design. The design stays in Design until the next calculation.
class FrmTrans : public QWidget {
    Q_OBJECT
public:
    FrmTrans();

    void Form_Load();
    void Option1_Click(int index);
    void CmdCalc_Click();
    void CmdCancel_Click();
    void CmdPrint_Click();

    // The last calculation (zeros before the first); it lives as long as the program.
    static inline vokta::TransformerDesign Design;

private:
    void CalcTransformer();
    void WarnCoreTooSmall();
    vokta::CoreType SelectedCoreType() const;

    QRadioButton* Option1[3] = {};
    QButtonGroup* Option1Group = nullptr;
    QLabel* LblA = nullptr;
    QLabel* LblB = nullptr;
    QLabel* LblC = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LblU1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* TxtA = nullptr;
    QLineEdit* TxtB = nullptr;
    QLineEdit* TxtC = nullptr;
    QLineEdit* TxtH = nullptr;
    QLineEdit* TxtU1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Picture1 = nullptr;
    QPushButton* CmdCalc = nullptr;
    QPushButton* CmdCancel = nullptr;
    QPushButton* CmdPrint = nullptr;
};

// Sends the report of a design to a printer: its font, its lines, the end of the document. The design's
// arrays must hold indexes 0 to SecondaryCount (KeepWindingArrays).
void PrintTransformerReport(ReportPrinter& printer, const vokta::TransformerDesign& design);

}  // namespace vokta::ui
