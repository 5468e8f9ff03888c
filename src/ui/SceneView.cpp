#include "ui/SceneView.h"

#include <QPainter>
#include <algorithm>

namespace vokta::ui {

namespace {

constexpr int kMargin = 12;        // white around the drawing, pixels
constexpr qreal kLargestZoom = 2;  // beyond this the lettering outgrows the window's own

}  // namespace

SceneView::SceneView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void SceneView::SetScene(schematic::Scene scene) {
    scene_ = std::move(scene);
    message_.clear();
    updateGeometry();
    update();
}

void SceneView::SetMessage(const QString& message) {
    scene_.reset();
    message_ = message;
    updateGeometry();
    update();
}

QSize SceneView::sizeHint() const {
    if (!scene_) return {200, 100};
    return scene_->Bounds().size().toSize() + QSize(2 * kMargin, 2 * kMargin);
}

void SceneView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF room = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (!scene_) {
        painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap, message_);
        return;
    }
    const QSizeF own = scene_->Bounds().size();
    if (own.isEmpty()) return;
    const qreal zoom =
        std::clamp(std::min(room.width() / own.width(), room.height() / own.height()), 1.0, kLargestZoom);
    QRectF target(QPointF(), own * zoom);
    target.moveCenter(room.center());
    painter.setRenderHint(QPainter::Antialiasing);
    scene_->PaintInto(painter, target);
}

}  // namespace vokta::ui
