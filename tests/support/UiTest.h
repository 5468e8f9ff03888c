#pragma once

#include <QApplication>
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

}  // namespace vokta::test

// The main of a window test: the application set up as the program sets it up (the pictures entered in
// their catalogue, frmMain as the window the calculators return to, and the calculators' links), and the
// program's end (the last form unloaded) recorded instead of quitting.
#define VOKTA_UI_TEST_MAIN(TestClass)                \
    int main(int argc, char** argv) {                \
        QApplication app(argc, argv);                \
        vokta::ui::SetupApplication(app);            \
        vokta::ui::Module1::RegisterPictures();      \
        vokta::ui::Forms::SetLastFormHandler([] {}); \
        vokta::ui::Module1::LinkForms();             \
        TestClass test;                              \
        return QTest::qExec(&test, argc, argv);      \
    }
