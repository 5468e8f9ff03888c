#include "ui/Pictures.h"

#include <QGuiApplication>
#include <map>

namespace vokta::ui {

namespace {

std::map<int, ScreenPicture>& Catalogue() {
    static std::map<int, ScreenPicture> catalogue;
    return catalogue;
}

ScreenPicture* Find(int number) {
    const auto it = Catalogue().find(number);
    return it == Catalogue().end() ? nullptr : &it->second;
}

}  // namespace

QPixmap ScreenPicture::Pixmap() {
    // Drawn for the sharpest screen: on a 200 % screen a picture has twice the pixels of its logical size.
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    auto it = rendered_.find(ratio);
    if (it == rendered_.end())
        it = rendered_.insert(ratio,
                              QPixmap::fromImage(Draw().Render(size_, schematic::Scene::AllLayers, ratio)));
    return *it;
}

void RegisterPicture(int number, QSize size, PictureDrawing draw) {
    const bool entered = Catalogue().try_emplace(number, size, std::move(draw)).second;
    Q_ASSERT_X(entered, "RegisterPicture", "a picture number entered twice");
    Q_UNUSED(entered);
}

std::vector<int> PictureNumbers() {
    std::vector<int> numbers;
    for (const auto& entry : Catalogue()) numbers.push_back(entry.first);
    return numbers;
}

QPixmap LoadPicture(int number) {
    ScreenPicture* picture = Find(number);
    return picture ? picture->Pixmap() : QPixmap();
}

QSize PictureSize(int number) {
    const ScreenPicture* picture = Find(number);
    return picture ? picture->Size() : QSize();
}

namespace pictures {

schematic::Scene DrawPicture(int number) {
    const ScreenPicture* picture = Find(number);
    return picture ? picture->Draw() : schematic::Scene();
}

}  // namespace pictures

}  // namespace vokta::ui
