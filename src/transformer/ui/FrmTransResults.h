#pragma once

#include <QString>
#include <QWidget>

#include "transformer/TransformerBuild.h"
#include "transformer/TransformerDesign.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vokta::ui {

// The results of a transformer design in a read-only table: the core's power against the power the
// secondaries need, the primary and every secondary winding with their units, numbers to four
// significant digits in the user's format (turns whole), and two estimates the report leaves out, with a
// note where the steel comes close to saturation. After them, the transformer as it is wound and used:
// the standard wire of each winding, the windings layer by layer in the core's window, their resistances
// and the voltages under load, each rectifier simulated into the load that draws its DC current with the
// smallest E6 capacitor that keeps its ripple within the share chosen in CmbRipple, and the heat; each with
// its verdict on a line of its own. The window is as tall as the table where its screen has room, and the
// table scrolls where it has not.
// "Копировать" puts the table on the clipboard as tab-separated text, "PDF…" saves the report as a PDF
// file. Modeless; one instance, which shows a copy of the design it was last opened for.
class FrmTransResults : public QWidget {
    Q_OBJECT
public:
    FrmTransResults();

    // Shows the design, made for the core and loads of `build` (its ripple share is the window's own),
    // loading and showing the window as needed.
    static FrmTransResults* Open(const vokta::TransformerDesign& design,
                                 const vokta::TransformerBuildInput& build);

    void CmbRipple_Click(int index);
    void CmdCopy_Click();
    void CmdPdf_Click();
    void CmdClose_Click();

    // The table as text: the column headings, then one line per row, its cells separated by tabs (a
    // section heading and a verdict are one cell). Every section is a row of TblResults, so whatever
    // prints or copies the table reads them all from it.
    QString TableText() const;

    QLabel* LblRipple = nullptr;
    QComboBox* CmbRipple = nullptr;
    QTableWidget* TblResults = nullptr;
    QPushButton* CmdCopy = nullptr;
    QPushButton* CmdPdf = nullptr;
    QPushButton* CmdClose = nullptr;

private:
    void Fill();
    void FillBuild(const vokta::TransformerBuild& build);
    void FitToTable();

    vokta::TransformerDesign design_;
    vokta::TransformerBuildInput build_;
    // Where the last PDF went; the next one is proposed beside it.
    static inline QString lastPdf_;
};

}  // namespace vokta::ui
