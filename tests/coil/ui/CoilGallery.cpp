#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "coil/ui/CoilPictures.h"
#include "coil/ui/FrmCoil.h"
#include "support/Gallery.h"
#include "ui/Forms.h"

using vokta::ui::CoilPicture;
using vokta::ui::Forms;
using vokta::ui::FrmCoil;

namespace {
void Calculate(FrmCoil* w, const QString& core, const QString& L, const QString& f, const QString& d = {}) {
    w->CmbCore->setCurrentIndex(w->CmbCore->findText(core));
    w->TxtL->setText(L);
    w->TxtF->setText(f);
    w->TxtD->setText(d);
    w->CmdCalc->click();
}
}  // namespace

VOKTA_GALLERY_PAGE(Coil) {
    auto* coil = Forms::Show<FrmCoil>();
    g.save("FrmCoil", coil);
    Calculate(coil, "T-50-2", "1.134", "7");
    g.save("FrmCoil_toroid", coil);
    Calculate(coil, "T-37-2", "1000", "30");
    g.save("FrmCoil_toroid_warnings", coil);
    Calculate(coil, "Без сердечника (на каркасе)", "10", "3.647", "20");
    g.save("FrmCoil_air", coil);
    Forms::Unload(coil);
    g.save("CoilPicture_toroid", vokta::ui::LoadCoilPicture(CoilPicture::Toroid));
    g.save("CoilPicture_solenoid", vokta::ui::LoadCoilPicture(CoilPicture::Solenoid));
}
