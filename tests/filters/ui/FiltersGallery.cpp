#include "support/BoxScript.h"
#include "support/FilterDriver.h"
#include "support/Gallery.h"
#include "support/UiTest.h"

using namespace vokta::test;

namespace {

// Types a design into the requirements window and saves the results window it opens.
void SaveDesign(Gallery& g, const QString& name, const QStringList& clicks, const QStringList& typed) {
    FrmFiltr* w = OpenFilterWindow();
    for (const QString& c : clicks) Click(w, c.toUtf8().constData());
    for (const QString& t : typed) Type(w, t.section('=', 0, 0).toUtf8().constData(), t.section('=', 1));
    Click(w, "CmdCalc");
    if (FrmFiltrItog* r = Results()) g.save(name, r);
    UnloadAllForms();
}

}  // namespace

VOKTA_GALLERY_PAGE(Filters) {
    FrmFiltr* w = OpenFilterWindow();
    g.save("FrmFiltr", w);
    Click(w, "Option1(3)");
    Click(w, "Option2(1)");
    Click(w, "CheckARC");
    g.save("FrmFiltr_bandstop_active", w);
    UnloadAllForms();

    SaveDesign(g, "FrmFiltrItog_lowpass5", {}, {"CmbAmin=3", "TxtAs=25", "TxtF1=1000", "TxtFs=2000"});
    SaveDesign(g, "FrmFiltrItog_highpass7", {"Option1(1)"},
               {"CmbAmin=3", "TxtAs=40", "TxtF1=1000", "TxtFs=500"});
    SaveDesign(g, "FrmFiltrItog_bandpass4", {"Option1(2)"},
               {"CmbAmin=3", "TxtAs=40", "TxtFright=11000", "TxtFleft=9000", "TxtFs=15000"});
    SaveDesign(g, "FrmFiltrItog_bandstop3", {"Option1(3)"},
               {"CmbAmin=3", "TxtAs=30", "TxtFright=11000", "TxtFleft=9000", "TxtFs=10200"});
    SaveDesign(g, "FrmFiltrItog_order_refused", {}, {"CmbAmin=0.5", "TxtAs=40", "TxtF1=1000", "TxtFs=2000"});
}
