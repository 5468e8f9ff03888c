#include "support/Gallery.h"

#include <QCoreApplication>
#include <QWidget>

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

}  // namespace vokta::test
