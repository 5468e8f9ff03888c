#include "app/Module1.h"

#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "coil/ui/FrmCoil.h"
#include "ui/CalculatorLinks.h"
#include "ui/Forms.h"

namespace Module1 {

void LinkForms() {
    vokta::ui::Forms::SetMainForm<frmMain>();  // where every calculator returns
    vokta::ui::SetCoilOpener(&vokta::ui::FrmCoil::Open);
}

void Main() {
    LinkForms();
    auto* splash = vokta::ui::Forms::Show<frmSplash>();
    splash->repaint();  // drawn at once, before any further start-up work
}

}  // namespace Module1
