#include "ui/Controls.h"

#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <algorithm>

#include "ui/Twips.h"

namespace vokta::ui {

namespace {
template <typename W>
W* Place(W* w, const char* name, TwipsRect r) {
    w->setObjectName(QString::fromUtf8(name));
    w->setGeometry(twips(r.left), twips(r.top), twips(r.width), twips(r.height));
    return w;
}
}  // namespace

QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, TwipsRect r) {
    return Place(new QLabel(caption, parent), name, r);
}

QLineEdit* AddTextBox(QWidget* parent, const char* name, TwipsRect r, const QString& toolTip) {
    auto* box = Place(new QLineEdit(parent), name, r);
    if (!toolTip.isEmpty()) box->setToolTip(toolTip);
    return box;
}

QComboBox* AddComboBox(QWidget* parent, const char* name, const QStringList& items, TwipsRect r) {
    auto* combo = Place(new QComboBox(parent), name, r);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);  // no inline completion: "60" typed stays 60, not the listed 600
    combo->addItems(items);
    return combo;
}

QGroupBox* AddFrame(QWidget* parent, const char* name, const QString& caption, TwipsRect r) {
    return Place(new QGroupBox(caption, parent), name, r);
}

QRadioButton* AddOption(QWidget* parent, QButtonGroup* group, const char* arrayName, int index,
                        const QString& caption, TwipsRect r) {
    const QByteArray name = QByteArray(arrayName) + '(' + QByteArray::number(index) + ')';
    auto* option = Place(new QRadioButton(caption, parent), name.constData(), r);
    group->addButton(option, index);
    return option;
}

QCheckBox* AddCheckBox(QWidget* parent, const char* name, const QString& caption, TwipsRect r) {
    return Place(new QCheckBox(caption, parent), name, r);
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, TwipsRect r,
                       const QString& toolTip) {
    auto* button = Place(new QPushButton(caption, parent), name, r);
    button->setAutoDefault(false);
    if (!toolTip.isEmpty()) button->setToolTip(toolTip);
    return button;
}

QFrame* AddLine(QWidget* parent, const char* name, int x1, int y1, int x2, int y2, QColor color) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromUtf8(name));
    const bool horizontal = y1 == y2;
    line->setFrameShape(horizontal ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText, color);
    line->setPalette(palette);
    if (horizontal)
        line->setGeometry(twips(std::min(x1, x2)), twips(y1), twips(std::abs(x2 - x1)), 1);
    else
        line->setGeometry(twips(x1), twips(std::min(y1, y2)), 1, twips(std::abs(y2 - y1)));
    return line;
}

QLabel* AddImage(QWidget* parent, const char* name, TwipsRect r) {
    auto* image = Place(new QLabel(parent), name, r);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

void SetPicture(QLabel* image, const QPixmap& picture) {
    image->setPixmap(picture);
    if (!picture.isNull()) image->resize(picture.size() / picture.devicePixelRatio());
}

bool PressDialogKey(QKeyEvent* event, QWidget* window, QPushButton* defaultButton,
                    QPushButton* cancelButton) {
    if (event->modifiers() & ~Qt::KeypadModifier) return false;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (auto* button = qobject_cast<QPushButton*>(window->focusWidget());
                button && button->isEnabled())
                button->click();
            else if (defaultButton && defaultButton->isEnabled())
                defaultButton->click();
            return true;
        case Qt::Key_Escape:
            if (cancelButton && cancelButton->isEnabled()) cancelButton->click();
            return true;
        default:
            return false;
    }
}

void GrowToText(QLabel* label) {
    const int need = label->heightForWidth(label->width());
    const int extra = need - label->height();
    if (extra <= 0) return;
    for (QWidget* w = label; !w->isWindow(); w = w->parentWidget()) {
        const int bottom = w->geometry().bottom();
        for (QWidget* sibling : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (sibling != w && sibling->y() > bottom) sibling->move(sibling->x(), sibling->y() + extra);
        w->resize(w->width(), w->height() + extra);
    }
    QWidget* window = label->window();
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(window->width(), window->height() + extra);
    else
        window->resize(window->width(), window->height() + extra);
}

namespace {

// Watches one calculator window: the keys its controls pass up, and its closing.
class CalculatorKeys : public QObject {
public:
    CalculatorKeys(QWidget* window, QPushButton* defaultButton, QPushButton* cancelButton)
        : QObject(window), window_(window), default_(defaultButton), cancel_(cancelButton) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) return false;
        switch (event->type()) {
            case QEvent::KeyPress:
                return PressDialogKey(static_cast<QKeyEvent*>(event), window_, default_, cancel_);
            case QEvent::Close:
                // The title bar's close (Alt+F4) does what "Отмена" does; the cancel button decides
                // whether and how the window goes.
                if (!cancel_ || !window_->isVisible()) return false;
                event->ignore();
                cancel_->click();
                return true;
            default:
                return false;
        }
    }

private:
    QWidget* window_;
    QPointer<QPushButton> default_;
    QPointer<QPushButton> cancel_;
};

}  // namespace

void UseCalculatorKeys(QWidget* window, QPushButton* defaultButton, QPushButton* cancelButton) {
    window->installEventFilter(new CalculatorKeys(window, defaultButton, cancelButton));
}

void CentreOver(QWidget* window, const QWidget* owner) {
    if (owner) owner = owner->window();
    const QScreen* screen = owner ? owner->screen() : window->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    // Before it is shown the window has no frame of its own; the owner's frame stands in for it.
    QMargins frame;
    if (owner && owner->isVisible()) {
        const QRect outer = owner->frameGeometry(), inner = owner->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    QRect r(QPoint(), window->size().grownBy(frame));
    r.moveCenter(owner && owner->isVisible() ? owner->frameGeometry().center() : area.center());
    r.moveLeft(std::max(area.left(), std::min(r.left(), area.right() - r.width() + 1)));
    r.moveTop(std::max(area.top(), std::min(r.top(), area.bottom() - r.height() + 1)));
    window->move(r.topLeft());
}

void SetFixedClientSize(QWidget* window, int widthTwips, int heightTwips) {
    window->setFixedSize(twips(widthTwips), twips(heightTwips));
}

}  // namespace vokta::ui
