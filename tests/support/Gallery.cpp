#include "support/Gallery.h"

#include <QCoreApplication>
#include <QProcess>
#include <QPushButton>
#include <QWidget>

#include "ui/Boxes.h"

namespace vokta::test {

std::vector<std::pair<QString, GalleryPage>>& GalleryPages() {
    static std::vector<std::pair<QString, GalleryPage>> pages;
    return pages;
}

GalleryRegistrar::GalleryRegistrar(const char* name, GalleryPage page) {
    GalleryPages().emplace_back(QString::fromUtf8(name), std::move(page));
}

void Gallery::save(const QString& name, QWidget* window) {
    window->show();
    QCoreApplication::processEvents();
    save(name, window->grab());
}

void Gallery::save(const QString& name, const QPixmap& picture) {
    if (picture.save(folder_.filePath(name + ".png"))) ++saved_;
}

void Gallery::saveSheet(const QString& name, QWidget* window) {
    const QString pdf = folder_.filePath(name + ".pdf");
    ui::SetSaveFileHandler([&](const QString&, const QString&) { return pdf; });
    if (auto* button = window->findChild<QPushButton*>(QStringLiteral("CmdPdf"));
        button && button->isEnabled())
        button->click();
    ui::SetSaveFileHandler({});
    if (QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"),
                                                       QStringLiteral("60"), pdf, folder_.filePath(name)}) ==
        0)
        ++saved_;
}

}  // namespace vokta::test
