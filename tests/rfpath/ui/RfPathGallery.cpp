#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include "rfpath/ui/FrmAnt.h"
#include "support/Gallery.h"
#include "ui/Forms.h"
#include "ui/FrmPlot.h"

using vokta::ui::Forms;

// Both faces of the RF-path window: the worked example typed in, and its results.
VOKTA_GALLERY_PAGE(RfPath) {
    auto* form = Forms::Show<FrmAnt>();
    form->findChild<QLineEdit*>("TxtFmax")->setText("10");
    form->findChild<QLineEdit*>("TxtFmin")->setText("5");
    form->findChild<QLineEdit*>("TxtSel")->setText("30");
    form->findChild<QComboBox*>("Combo2")->setCurrentIndex(5);
    g.save("FrmAnt_inputs", form);
    form->CmdCalc_Click();
    g.save("FrmAnt_results", form);
    form->findChild<QPushButton*>("CmdPlot")->click();
    auto* plot = Forms::Find<FrmPlot>();
    for (int i = 0; i < plot->TabPages->count(); ++i) {
        plot->TabPages->setCurrentIndex(i);
        g.save(QString("FrmPlot_rfpath%1").arg(i + 1), plot);
    }
    Forms::Unload(plot);
    // A cleared window with FM chosen: the modulation index is enabled.
    form->CmdClear_Click();
    form->findChild<QRadioButton*>("Option2(2)")->setChecked(true);
    form->findChild<QLineEdit*>("TxtM")->setText("4");
    g.save("FrmAnt_fm", form);
}
