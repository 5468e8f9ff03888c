#include <QCoreApplication>
#include <QTimer>

#include "app/Dialog1.h"
#include "app/Dialog2.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "support/Gallery.h"
#include "ui/Forms.h"

using namespace vokta::ui;

VOKTA_GALLERY_PAGE(Shell) {
    frmSplash::ElapsedMs = 0;
    auto* splash = Forms::Show<frmSplash>();
    splash->Timer1->stop();
    g.save("frmSplash_red", splash);
    splash->Timer1_Timer();
    g.save("frmSplash_yellow", splash);
    splash->Timer1_Timer();
    g.save("frmSplash_green", splash);
    Forms::Unload(splash);

    auto* main = Forms::Show<frmMain>();
    g.save("frmMain", main);
    frmAbout about(main);
    g.save("frmAbout", &about);
    about.hide();
    g.save("Dialog1", Forms::Show<Dialog1>());
    g.save("Dialog2", Forms::Show<Dialog2>());
}
