// Renders every window and picture of the program to PNG files in the folder given on the command
// line, so that a person can look at them.
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "app/Module1.h"
#include "support/BoxScript.h"
#include "support/Gallery.h"
#include "support/UiTest.h"
#include "ui/Application.h"
#include "ui/Forms.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir settings;  // the recent files the pages show are not the user's
    vokta::test::KeepSettingsIn(settings.path());
    vokta::ui::SetupApplication(app);
    vokta::ui::Module1::RegisterPictures();
    vokta::ui::Forms::SetLastFormHandler([] {});
    vokta::ui::Module1::LinkForms();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery");
    QDir().mkpath(folder);
    vokta::test::BoxScript boxes;
    vokta::test::Gallery gallery{QDir(folder), boxes};
    for (const auto& [name, page] : vokta::test::GalleryPages()) {
        boxes.clear();
        page(gallery);
        vokta::test::UnloadAllForms();
        if (!boxes.unexpected.isEmpty()) {
            std::fprintf(stderr, "page %s: unexpected input boxes\n", qPrintable(name));
            return 1;
        }
    }
    std::printf("%d images in %s\n", gallery.saved(), qPrintable(folder));
    return gallery.saved() > 0 ? 0 : 1;
}
