#include "app/Module1.h"

#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "ui/Forms.h"

namespace Module1 {

void Main() {
    vokta::ui::Forms::SetMainForm<frmMain>();  // where every calculator returns
    auto* splash = vokta::ui::Forms::Show<frmSplash>();
    splash->repaint();  // drawn at once, before any further start-up work
}

}  // namespace Module1
