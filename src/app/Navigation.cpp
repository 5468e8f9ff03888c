#include "app/Navigation.h"

#include "app/frmMain.h"
#include "common/Forms.h"

namespace vokta::ui {

void ReturnToMain(QWidget* calculator) {
    Forms::Unload(calculator);
    Forms::Show<frmMain>();
}

}  // namespace vokta::ui
