#pragma once

#include <QString>
#include <QWidget>

#include "transformer/TransformerDesign.h"

class QPushButton;
class QTableWidget;

namespace vokta::ui {

// The results of a transformer design in a read-only table: the core's power against the power the
// secondaries need, the primary and every secondary winding with their units, numbers to four
// significant digits in the user's format (turns whole), and two estimates the report leaves out, with a
// note where the steel comes close to saturation. "Копировать" puts the table on the
// clipboard as tab-separated text, "PDF…" saves the report as a PDF file. Modeless; one instance,
// which shows a copy of the design it was last opened for.
class FrmTransResults : public QWidget {
    Q_OBJECT
public:
    FrmTransResults();

    // Shows the design, made for a core of the given type, loading and showing the window as needed.
    static FrmTransResults* Open(const vokta::TransformerDesign& design, vokta::CoreType type);

    void CmdCopy_Click();
    void CmdPdf_Click();
    void CmdClose_Click();

    // The table as text: the column headings, then one line per row, its cells separated by tabs (a
    // section heading is one cell).
    QString TableText() const;

    QTableWidget* TblResults = nullptr;
    QPushButton* CmdCopy = nullptr;
    QPushButton* CmdPdf = nullptr;
    QPushButton* CmdClose = nullptr;

private:
    void Fill(float corePower);
    void FitToTable();

    vokta::TransformerDesign design_;
    // Where the last PDF went; the next one is proposed beside it.
    static inline QString lastPdf_;
};

}  // namespace vokta::ui
