#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "coil/ui/CoilPictures.h"
#include "coil/ui/FrmCoil.h"
#include "support/Gallery.h"
#include "ui/Forms.h"

using namespace vokta::ui;

VOKTA_GALLERY_PAGE(Coil) {
    auto* w = Forms::Show<FrmCoil>();
    g.save("FrmCoil", w);
    // A toroid, one that needs a warning, and an air core.
    for (const QStringList& task :
         {QStringList{"T-50-2", "1.134", "7", "", "FrmCoil_toroid"},
          QStringList{"T-37-2", "1000", "30", "", "FrmCoil_toroid_warnings"},
          QStringList{"Без сердечника (на каркасе)", "10", "3.647", "20", "FrmCoil_air"}}) {
        w->CmbCore->setCurrentIndex(w->CmbCore->findText(task[0]));
        w->TxtL->setText(task[1]);
        w->TxtF->setText(task[2]);
        w->TxtD->setText(task[3]);
        w->CmdCalc->click();
        g.save(task[4], w);
    }
    g.save("CoilPicture_toroid", LoadCoilPicture(CoilPicture::Toroid));
    g.save("CoilPicture_solenoid", LoadCoilPicture(CoilPicture::Solenoid));
}
