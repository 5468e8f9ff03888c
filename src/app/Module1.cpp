#include "app/Module1.h"

#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "circuits/ui/CircuitPictures.h"
#include "filters/ui/FilterPictures.h"
#include "transformer/ui/CorePictures.h"
#include "ui/Forms.h"

namespace Module1 {

void RegisterPictures() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    vokta::ui::RegisterCorePictures();
    vokta::ui::RegisterFilterPictures();
    vokta::ui::RegisterCircuitPictures();
}

void Main() {
    RegisterPictures();
    vokta::ui::Forms::SetMainForm<frmMain>();  // where every calculator returns
    auto* splash = vokta::ui::Forms::Show<frmSplash>();
    splash->repaint();  // drawn at once, before any further start-up work
}

}  // namespace Module1
