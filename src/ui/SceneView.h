#pragma once

// A drawing on screen at the size the room allows: the scene centred on white, enlarged up to twice its
// own size as the widget grows (as vectors, so it stays sharp), never below its own size (a scroll area
// around it scrolls). Without a scene, a sentence in its place.

#include <QWidget>
#include <optional>

#include "ui/Schematic.h"

namespace vokta::ui {

class SceneView : public QWidget {
public:
    explicit SceneView(QWidget* parent = nullptr);

    void SetScene(schematic::Scene scene);
    void SetMessage(const QString& message);
    // The scene on show, or nothing while a sentence stands in its place.
    const std::optional<schematic::Scene>& Shown() const { return scene_; }
    const QString& Message() const { return message_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<schematic::Scene> scene_;
    QString message_;
};

}  // namespace vokta::ui
