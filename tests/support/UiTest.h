#pragma once

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/Module1.h"
#include "app/frmMain.h"
#include "ui/Application.h"
#include "ui/Forms.h"

namespace vokta::test {

// Unloads every loaded form and lets the deferred deletions run, so each test starts clean.
inline void UnloadAllForms() {
    for (QWidget* form : ui::Forms::Loaded()) ui::Forms::Unload(form);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Keeps what the program remembers (the recent design files) in a folder of the test's own.
inline void KeepSettingsIn(const QString& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

}  // namespace vokta::test

// The main of a window test: the application set up as the program sets it up (the pictures entered in
// their catalogue, frmMain as the window the calculators return to, and the calculators' links), and the
// program's end (the last form unloaded) recorded instead of quitting.
#define VOKTA_UI_TEST_MAIN(TestClass)                 \
    int main(int argc, char** argv) {                 \
        QApplication app(argc, argv);                 \
        QTemporaryDir settings; /* not the user's */  \
        vokta::test::KeepSettingsIn(settings.path()); \
        vokta::ui::SetupApplication(app);             \
        vokta::ui::Module1::RegisterPictures();       \
        vokta::ui::Forms::SetLastFormHandler([] {});  \
        vokta::ui::Module1::LinkForms();              \
        TestClass test;                               \
        return QTest::qExec(&test, argc, argv);       \
    }
