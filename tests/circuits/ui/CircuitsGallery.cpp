#include "circuits/ui/CircuitPictures.h"
#include "circuits/ui/FrmKontur2.h"
#include "circuits/ui/frmKontur1.h"
#include "support/Gallery.h"
#include "support/WindowDriver.h"
#include "ui/Forms.h"
#include "ui/FrmPlot.h"

using namespace vokta::test;
using namespace vokta::ui;

VOKTA_GALLERY_PAGE(Circuits) {
    g.save("BandSpreadDiagram", vokta::ui::LoadBandSpreadDiagram());
    auto* kontur1 = Forms::Show<frmKontur1>();
    g.save("frmKontur1", kontur1);
    Fill(kontur1, {"TxtFmax=3.8", "TxtFmin=3.5", "TxtL=10", "TxtC3max=365", "TxtC3min=10", "TxtC4=10"});
    Control<QPushButton>(kontur1, "CmdCalc")->click();
    g.save("frmKontur1_results", kontur1);
    Control<QPushButton>(kontur1, "CmdPlot")->click();
    g.save("FrmPlot_bandspread", Forms::Find<FrmPlot>());
    Forms::Unload(kontur1);

    auto* kontur2 = Forms::Show<FrmKontur2>();
    Fill(kontur2, {"TxtFmax=3.8", "TxtFmin=3.5", "TxtL=10", "TxtCmax=365", "TxtCmin=10", "TxtCcp=120"});
    Control<QPushButton>(kontur2, "CmdCalc")->click();
    g.save("FrmKontur2_results", kontur2);
    Control<QPushButton>(kontur2, "CmdPlot")->click();
    g.save("FrmPlot_threepoint", Forms::Find<FrmPlot>());
    Forms::Unload(Forms::Find<FrmPlot>());
    Forms::Unload(kontur2);
}
