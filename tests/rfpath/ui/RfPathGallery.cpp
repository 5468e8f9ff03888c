#include <QTabBar>

#include "rfpath/ui/FrmAnt.h"
#include "support/Gallery.h"
#include "support/WindowDriver.h"
#include "ui/Forms.h"
#include "ui/FrmPlot.h"

using namespace vokta::test;
using namespace vokta::ui;

// Both faces of the RF-path window: the worked example typed in, and its results.
VOKTA_GALLERY_PAGE(RfPath) {
    auto* form = Forms::Show<FrmAnt>();
    Fill(form, {"TxtFmax=10", "TxtFmin=5", "TxtSel=30"});
    Control<QComboBox>(form, "Combo2")->setCurrentIndex(5);
    g.save("FrmAnt_inputs", form);
    form->CmdCalc_Click();
    g.save("FrmAnt_results", form);
    Control<QPushButton>(form, "CmdPlot")->click();
    auto* plot = Forms::Find<FrmPlot>();
    for (int i = 0; i < plot->TabPages->count(); ++i) {
        plot->TabPages->setCurrentIndex(i);
        g.save(QString("FrmPlot_rfpath%1").arg(i + 1), plot);
    }
    Forms::Unload(plot);
    // A cleared window with FM chosen: the modulation index is enabled.
    form->CmdClear_Click();
    Control<QRadioButton>(form, "Option2(2)")->setChecked(true);
    Type(form, "TxtM", "4");
    g.save("FrmAnt_fm", form);
}
