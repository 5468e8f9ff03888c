#include "ui/Forms.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace vokta::ui {

namespace {

QList<QPointer<QWidget>>& Registry() {
    static QList<QPointer<QWidget>> forms;
    return forms;
}

std::function<void()>& LastFormHandler() {
    static std::function<void()> handler = [] { QCoreApplication::quit(); };
    return handler;
}

std::function<void()>& MainFormHandler() {
    static std::function<void()> handler;
    return handler;
}

void Prune() {
    Registry().removeIf([](const QPointer<QWidget>& p) { return p.isNull(); });
}

void CheckLastForm() {
    Prune();
    if (!Registry().isEmpty()) return;
    QTimer::singleShot(0, qApp, [] {
        Prune();
        if (Registry().isEmpty() && LastFormHandler()) LastFormHandler()();
    });
}

void Forget(QWidget* form) {
    Registry().removeIf([form](const QPointer<QWidget>& p) { return p.isNull() || p == form; });
    CheckLastForm();
}

// Closing a form from its title bar unloads it like its own Cancel button does.
class CloseWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            auto* form = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, form, [form] {
                if (!form->isVisible()) Forms::Unload(form);
            });
        }
        return false;
    }
};

CloseWatcher& Watcher() {
    static CloseWatcher watcher;
    return watcher;
}

}  // namespace

QWidget* Forms::Lookup(const char* className) {
    Prune();
    for (const auto& p : Registry())
        if (p && p->metaObject()->className() == QByteArray(className)) return p.data();
    return nullptr;
}

void Forms::Register(QWidget* form) {
    Registry().append(form);
    form->installEventFilter(&Watcher());
}

void Forms::Unload(QWidget* form) {
    if (!form) return;
    const bool known = Registry().contains(form);
    form->removeEventFilter(&Watcher());
    form->hide();
    form->deleteLater();
    if (known) Forget(form);
}

QList<QWidget*> Forms::Loaded() {
    Prune();
    QList<QWidget*> result;
    for (const auto& p : Registry()) result.append(p.data());
    return result;
}

void Forms::SetLastFormHandler(std::function<void()> handler) {
    LastFormHandler() = std::move(handler);
}

void Forms::SetMainFormHandler(std::function<void()> show) {
    MainFormHandler() = std::move(show);
}

void Forms::ReturnToMain(QWidget* calculator) {
    Unload(calculator);
    if (MainFormHandler()) MainFormHandler()();
}

}  // namespace vokta::ui
