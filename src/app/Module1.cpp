#include "app/Module1.h"

#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "circuits/CircuitDesignFiles.h"
#include "circuits/ui/CircuitPictures.h"
#include "circuits/ui/FrmKontur2.h"
#include "circuits/ui/frmKontur1.h"
#include "coil/CoilDesignFile.h"
#include "coil/ui/FrmCoil.h"
#include "filters/FilterDesignFile.h"
#include "filters/ui/FilterPictures.h"
#include "filters/ui/FrmFiltr.h"
#include "filters/ui/FrmFiltrItog.h"
#include "rfpath/RfPathDesignFile.h"
#include "rfpath/ui/FrmAnt.h"
#include "transformer/TransformerDesignFile.h"
#include "transformer/ui/CorePictures.h"
#include "transformer/ui/FrmTrans.h"
#include "ui/CalculatorLinks.h"
#include "ui/DesignFiles.h"
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
    // The windows that show each kind of design file.
    AddDesignWindow(
        vokta::FilterDesignKind(), [] { return Forms::Show<FrmFiltr>(); },
        [](QWidget* window, const vokta::DesignRecord&) {
            // An open results window belongs to the inputs it was calculated from.
            FrmFiltrItog::UnloadWithResponse();
            static_cast<FrmFiltr*>(window)->CmdCalc_Click();
        });
    AddDesignWindow(
        vokta::TransformerDesignKind(), [] { return Forms::Show<FrmTrans>(); },
        [](QWidget* window, const vokta::DesignRecord& record) {
            static_cast<FrmTrans*>(window)->CalcWithWindings(record.rows);
        });
    AddDesignWindow(
        vokta::BandSpreadDesignKind(), [] { return Forms::Show<frmKontur1>(); },
        [](QWidget* window, const vokta::DesignRecord&) {
            static_cast<frmKontur1*>(window)->CmdCalc_Click();
        });
    AddDesignWindow(
        vokta::ThreePointDesignKind(), [] { return Forms::Show<FrmKontur2>(); },
        [](QWidget* window, const vokta::DesignRecord&) {
            static_cast<FrmKontur2*>(window)->CmdCalc_Click();
        });
    AddDesignWindow(
        vokta::RfPathDesignKind(), [] { return Forms::Show<FrmAnt>(); },
        [](QWidget* window, const vokta::DesignRecord&) { static_cast<FrmAnt*>(window)->CmdCalc_Click(); });
    AddDesignWindow(
        vokta::CoilDesignKind(),
        []() -> QWidget* {
            // Opened from a file, its "Отмена" goes back to the main window.
            FrmCoil::Open(nullptr, std::nullopt, std::nullopt);
            return Forms::Find<FrmCoil>();
        },
        [](QWidget* window, const vokta::DesignRecord&) { static_cast<FrmCoil*>(window)->CmdCalc_Click(); });
}

void Main(const QString& startFile) {
    RegisterPictures();
    LinkForms();
    frmSplash::StartFile = startFile;
    auto* splash = Forms::Show<frmSplash>();
    splash->repaint();  // drawn at once, before any further start-up work
}

}  // namespace vokta::ui::Module1
