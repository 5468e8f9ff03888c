#include "FilterDriver.h"
#include "support/Gallery.h"

using namespace vokta::test;
using namespace vokta::ui;

namespace {

// Types an active design into the requirements window, answers the input box and saves the results.
void SaveActiveDesign(Gallery& g, const QString& name, const QStringList& clicks, const QStringList& typed,
                      const QString& answer) {
    g.boxes().answer(answer);
    if (FrmFiltrItog* r = Calculate(OpenFilterWindow(), clicks, typed)) g.save(name, r);
    UnloadAllForms();
}

}  // namespace

VOKTA_GALLERY_PAGE(ActiveFilters) {
    SaveActiveDesign(g, "FrmFiltrItog_active_lowpass5_butterworth", {"CheckARC"},
                     {"CmbAmin=3", "TxtAs=25", "TxtF1=1000", "TxtFs=2000"}, "10");
    SaveActiveDesign(g, "FrmFiltrItog_active_lowpass5_chebyshev", {"Option2(1)", "CheckARC"},
                     {"CmbAmin=3", "TxtAs=40", "TxtF1=1234.5", "TxtFs=2469"}, "4.7");
    SaveActiveDesign(g, "FrmFiltrItog_active_highpass4_butterworth", {"Option1(1)", "CheckARC"},
                     {"CmbAmin=3", "TxtAs=20", "TxtF1=1000", "TxtFs=500"}, "0.022");
    SaveActiveDesign(g, "FrmFiltrItog_active_highpass4_chebyshev", {"Option1(1)", "Option2(1)", "CheckARC"},
                     {"CmbAmin=0.5", "TxtAs=20", "TxtF1=3300", "TxtFs=1650"}, "0.022");
    // Order 3 at 3 dB oscillates: the verdict line says so.
    SaveActiveDesign(g, "FrmFiltrItog_active_highpass3_chebyshev_unstable",
                     {"Option1(1)", "Option2(1)", "CheckARC"},
                     {"CmbAmin=3", "TxtAs=20", "TxtF1=1000", "TxtFs=500"}, "0.01");
}
