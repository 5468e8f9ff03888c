#include "app/Module1.h"

#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "circuits/ui/CircuitPictures.h"
#include "coil/ui/FrmCoil.h"
#include "filters/ui/FilterPictures.h"
#include "transformer/ui/CorePictures.h"
#include "ui/CalculatorLinks.h"
#include "ui/Forms.h"

namespace vokta::ui::Module1 {

void RegisterPictures() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    RegisterCorePictures();
    RegisterFilterPictures();
    RegisterCircuitPictures();
}

void LinkForms() {
    Forms::SetMainForm<frmMain>();  // where every calculator returns
    SetCoilOpener(&FrmCoil::Open);
}

void Main() {
    RegisterPictures();
    LinkForms();
    auto* splash = Forms::Show<frmSplash>();
    splash->repaint();  // drawn at once, before any further start-up work
}

}  // namespace vokta::ui::Module1
