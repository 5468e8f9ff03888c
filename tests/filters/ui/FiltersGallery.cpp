#include "FilterDriver.h"
#include "support/Gallery.h"

using namespace vokta::test;
using namespace vokta::ui;

namespace {

// Types a design into the requirements window and saves the results window it opens.
void SaveDesign(Gallery& g, const QString& name, const QStringList& clicks, const QStringList& typed) {
    if (FrmFiltrItog* r = Calculate(OpenFilterWindow(), clicks, typed)) g.save(name, r);
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
