#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "circuits/ui/CircuitPictures.h"
#include "circuits/ui/FrmKontur2.h"
#include "circuits/ui/frmKontur1.h"
#include "support/Gallery.h"
#include "ui/Forms.h"
#include "ui/FrmPlot.h"

using vokta::ui::Forms;

namespace {
void Fill(QWidget* w, const QStringList& names, const QStringList& values) {
    for (int i = 0; i < names.size(); ++i) w->findChild<QLineEdit*>(names[i])->setText(values[i]);
}
}  // namespace

VOKTA_GALLERY_PAGE(Circuits) {
    g.save("BandSpreadDiagram", vokta::ui::LoadBandSpreadDiagram());
    auto* kontur1 = Forms::Show<frmKontur1>();
    g.save("frmKontur1", kontur1);
    Fill(kontur1, {"TxtFmax", "TxtFmin", "TxtL", "TxtC3max", "TxtC3min", "TxtC4"},
         {"3.8", "3.5", "10", "365", "10", "10"});
    kontur1->findChild<QPushButton*>("CmdCalc")->click();
    g.save("frmKontur1_results", kontur1);
    kontur1->findChild<QPushButton*>("CmdPlot")->click();
    g.save("FrmPlot_bandspread", Forms::Find<FrmPlot>());
    Forms::Unload(kontur1);

    auto* kontur2 = Forms::Show<FrmKontur2>();
    Fill(kontur2, {"TxtFmax", "TxtFmin", "TxtL", "TxtCmax", "TxtCmin", "TxtCcp"},
         {"3.8", "3.5", "10", "365", "10", "120"});
    kontur2->findChild<QPushButton*>("CmdCalc")->click();
    g.save("FrmKontur2_results", kontur2);
    kontur2->findChild<QPushButton*>("CmdPlot")->click();
    g.save("FrmPlot_threepoint", Forms::Find<FrmPlot>());
    Forms::Unload(Forms::Find<FrmPlot>());
    Forms::Unload(kontur2);
}
