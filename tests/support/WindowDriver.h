#pragma once

// Drives a window as a user does, finding every control by its name: clicks on option buttons, check
// boxes and buttons, text typed into boxes and lists, and the events let run after a window is closed.
// A control that is not there ends the test at once (qFatal) rather than crashing it later.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

#include "support/BoxScript.h"
#include "support/UiTest.h"

namespace vokta::test {

template <typename T = QWidget>
T* Control(QWidget* window, const QString& name) {
    T* control = window ? window->findChild<T*>(name) : nullptr;
    if (!control) qFatal("no control %s", qPrintable(name));
    return control;
}

// What a control shows: the text of a label, box or button, the current text of a list, a frame's title.
inline QString Text(QWidget* window, const QString& name) {
    QWidget* control = Control(window, name);
    if (auto* list = qobject_cast<QComboBox*>(control)) return list->currentText();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* box = qobject_cast<QLineEdit*>(control)) return box->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->title();
    qFatal("%s shows no text", qPrintable(name));
}

// Runs the deferred deletions and the posted events, twice: a zero-time timer that the first round starts
// (a window unloaded after its close) runs in the second.
inline void Settle() {
    for (int round = 0; round < 2; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

// A click on an option button or check box a little inside its left edge, where the indicator and the
// caption are; on a button in its middle.
inline void Click(QWidget* window, const QString& name) {
    auto* control = Control<QAbstractButton>(window, name);
    const QPoint at = control->isCheckable() ? QPoint(8, control->height() / 2) : control->rect().center();
    QTest::mouseClick(control, Qt::LeftButton, {}, at);
}

// Replaces the text of a box or an editable list by typing: select all, delete, type. QTest types only
// ASCII keys; other letters ("60 Ом") go in as an input method commits them.
inline void Type(QWidget* window, const QString& name, const QString& text) {
    QWidget* control = Control(window, name);
    auto* list = qobject_cast<QComboBox*>(control);
    QLineEdit* box = list ? list->lineEdit() : qobject_cast<QLineEdit*>(control);
    if (!box) qFatal("%s takes no text", qPrintable(name));
    if (!box->text().isEmpty()) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
    }
    bool ascii = true;
    for (QChar c : text) ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        QTest::keyClicks(box, text);
    else
        box->insert(text);
}

// Types each "Name=text" of 'fields' into its box or list, in order.
inline void Fill(QWidget* window, const QStringList& fields) {
    for (const QString& field : fields) Type(window, field.section('=', 0, 0), field.section('=', 1));
}

}  // namespace vokta::test
