#pragma once

#include <QDir>
#include <QPixmap>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QWidget;

namespace vokta::test {

class BoxScript;

// Where the gallery's pages save their renderings.
class Gallery {
public:
    explicit Gallery(const QDir& folder, BoxScript& boxes) : folder_(folder), boxes_(boxes) {}
    void save(const QString& name, QWidget* window);  // the window as it is on screen
    void save(const QString& name, const QPixmap& picture);
    // The printable sheet that the window's "PDF…" writes, and its pages as pdftoppm renders them.
    void saveSheet(const QString& name, QWidget* window);
    BoxScript& boxes() { return boxes_; }
    int saved() const { return saved_; }

private:
    QDir folder_;
    BoxScript& boxes_;
    int saved_ = 0;
};

using GalleryPage = std::function<void(Gallery&)>;
struct GalleryRegistrar {
    GalleryRegistrar(const char* name, GalleryPage page);
};
std::vector<std::pair<QString, GalleryPage>>& GalleryPages();

}  // namespace vokta::test

// Registers a page of the gallery: VOKTA_GALLERY_PAGE(Filters) { g.save("FrmFiltr", window); }
#define VOKTA_GALLERY_PAGE(name)                                                             \
    static void GalleryPage_##name(vokta::test::Gallery& g);                                 \
    static vokta::test::GalleryRegistrar galleryRegistrar_##name(#name, GalleryPage_##name); \
    static void GalleryPage_##name(vokta::test::Gallery& g)
