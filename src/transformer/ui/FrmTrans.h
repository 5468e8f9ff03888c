#pragma once

#include <QStringList>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

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
    // Calculates as "Расчет" does with the windings answered from a design file's rows (voltage and
    // current texts, in the file's number format) instead of the input boxes.
    void CalcWithWindings(const std::vector<std::vector<std::string>>& rows);

    // The last calculation (zeros before the first); it lives as long as the program.
    static inline vokta::TransformerDesign Design;

private:
    void CalcTransformer();
    // The answers about the secondary windings: the loads, and the texts answered (in the file's number
    // format) for a design file. Nothing when the user cancels a question.
    struct Windings {
        std::vector<vokta::TransformerInput::Load> loads;
        std::vector<std::vector<std::string>> answers;
    };
    std::optional<Windings> AskWindings();
    // An input box, or the next answer from a design file while one is opened.
    QString Ask(const QString& question, bool* cancelled);
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

    // The windings answered last in this window, for its design file; fileAnswers_ are a file's answers
    // waiting to be given (the count first) while fromFile_.
    std::optional<std::vector<std::vector<std::string>>> answeredWindings_;
    QStringList fileAnswers_;
    bool fromFile_ = false;
};

// Sends the report of a design to a printer: its font, its lines, the end of the document. The design's
// arrays must hold indexes 0 to SecondaryCount (KeepWindingArrays).
void PrintTransformerReport(ReportPrinter& printer, const vokta::TransformerDesign& design);

}  // namespace vokta::ui
