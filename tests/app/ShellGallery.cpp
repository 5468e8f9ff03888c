#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "app/Dialog1.h"
#include "app/Dialog2.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "support/BoxScript.h"
#include "support/Gallery.h"
#include "ui/DesignFiles.h"
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

    Forms::Unload(main);
}

// The main window with its file menu open, two recent designs in it; and the warning about a design file
// that cannot be opened.
VOKTA_GALLERY_PAGE(DesignFiles) {
    QTemporaryDir dir;
    QSettings settings(QStringLiteral("Vokta"), QStringLiteral("Vokta"));
    settings.setValue("recentDesigns", QStringList{dir.filePath("фильтр НЧ 3 кГц.vokta"),
                                                   dir.filePath("трансформатор 12 В.vokta")});
    auto* main = Forms::Show<frmMain>();
    QMenu* file = main->menuBar()->actions().at(0)->menu();
    emit file->aboutToShow();
    file->popup(main->mapToGlobal(QPoint(0, main->menuBar()->height())));
    QPixmap shot(main->width() + file->width(),
                 std::max(main->height(), main->menuBar()->height() + file->sizeHint().height()));
    shot.fill(Qt::white);
    {
        QPainter p(&shot);
        p.drawPixmap(0, 0, main->grab());
        p.drawPixmap(0, main->menuBar()->height(), file->grab());
    }
    g.save("frmMain_menuFile", shot);
    file->hide();

    const QString path = dir.filePath("расчет.vokta");
    QFile bad(path);
    if (bad.open(QIODevice::WriteOnly))
        bad.write(R"({"format": "vokta-design", "version": 2, "calculator": "filter"})");
    bad.close();
    g.boxes().clear();
    OpenDesignFile(main, path);
    if (!g.boxes().messages.empty()) {
        const auto& message = g.boxes().messages.back();
        QMessageBox box(QMessageBox::Warning, message.title, message.text, QMessageBox::Ok, main);
        g.save("DesignFile_refused", &box);
    }
    Forms::Unload(main);
}
