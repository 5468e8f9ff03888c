#include "app/Module1.h"

#include "app/frmSplash.h"
#include "common/Forms.h"

namespace Module1 {

void Main() {
    auto* splash = vokta::ui::Forms::Show<frmSplash>();
    splash->repaint();  // drawn at once, before any further start-up work
}

}  // namespace Module1
