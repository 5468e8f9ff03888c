#pragma once

// Drives the filter windows as a user does: the main window's menu, clicks on option buttons, check
// box and buttons, text typed into the boxes and the editable lists, all found by control name.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <optional>

#include "app/frmMain.h"
#include "filters/ui/FrmFiltr.h"
#include "filters/ui/FrmFiltrItog.h"
#include "support/BoxScript.h"
#include "support/UiTest.h"
#include "ui/Forms.h"
#include "ui/Pictures.h"

namespace vokta::test {

template <typename T = QWidget>
T* Control(QWidget* window, const char* name) {
    T* control = window ? window->findChild<T*>(QString::fromUtf8(name)) : nullptr;
    if (!control) qFatal("no control %s", name);
    return control;
}

inline void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// "&Фильтр" in the main window's menu.
inline FrmFiltr* OpenFilterWindow() {
    auto* main = ui::Forms::Show<frmMain>();
    main->findChild<QAction*>(QStringLiteral("mnuFileFiltr"))->trigger();
    Settle();
    return ui::Forms::Find<FrmFiltr>();
}

// A click on an option button, check box or button, a little inside its left edge (where the
// indicator or the caption is).
inline void Click(QWidget* window, const char* name) {
    auto* control = Control<QAbstractButton>(window, name);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
}

// Replaces the text of a box or an editable list by typing: select all, delete, type.
inline void Type(QWidget* window, const char* name, const QString& text) {
    QWidget* control = Control(window, name);
    QLineEdit* box = qobject_cast<QLineEdit*>(control);
    if (auto* list = qobject_cast<QComboBox*>(control)) box = list->lineEdit();
    if (!box->text().isEmpty()) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
    }
    // QTest types only ASCII keys; other letters ("60 Ом") go in as an input method commits them.
    bool ascii = true;
    for (QChar c : text) ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        QTest::keyClicks(box, text);
    else
        box->insert(text);
}

inline FrmFiltrItog* Results() {
    return ui::Forms::Find<FrmFiltrItog>();
}

// A design as the user states it in the filter window: the clicks on options and check box, then
// what is typed (name=text), then "Расчет". Returns the results window it opened, if any.
inline FrmFiltrItog* Calculate(FrmFiltr* filter, const QStringList& clicks, const QStringList& typed) {
    for (const QString& c : clicks) Click(filter, c.toUtf8().constData());
    for (const QString& t : typed) Type(filter, t.section('=', 0, 0).toUtf8().constData(), t.section('=', 1));
    Click(filter, "CmdCalc");
    return Results();
}

// "Закрыть" in the results window.
inline void CloseResults(FrmFiltrItog* results) {
    Click(results, "CmdBack");
    Settle();
}

// The results window's shown labels and boxes, in grid order ("LblC1 TxtC1 LblL1 ...").
inline QString ShownControls(QWidget* results) {
    QStringList shown;
    for (int i = 1; i <= 4; ++i)
        for (const char* kind : {"LblC", "TxtC", "LblL", "TxtL"}) {
            const QByteArray name = kind + QByteArray::number(i);
            if (!Control(results, name.constData())->isHidden()) shown << name;
        }
    return shown.join(' ');
}

// The values shown, "C1= 4.503821 L1= 11259.55", C column then L column.
inline QString ShownValues(QWidget* results) {
    QStringList values;
    for (const char* kind : {"C", "L"})
        for (int i = 1; i <= 4; ++i) {
            const QByteArray name = "Txt" + QByteArray(kind) + QByteArray::number(i);
            auto* box = Control<QLineEdit>(results, name.constData());
            if (!box->isHidden()) values << QString(kind) + QString::number(i) + "=" + box->text();
        }
    return values.join(' ');
}

// The number of the picture the results window shows, 0 for none.
inline int ShownPicture(QWidget* results) {
    const QPixmap shown = Control<QLabel>(results, "Image1")->pixmap();
    if (shown.isNull()) return 0;
    for (const int n : ui::PictureNumbers())
        if (ui::LoadPicture(n).toImage() == shown.toImage()) return n;
    return -1;
}

// What the filter window tests share. Before each test: no window loaded, the state of both windows as
// the program starts, the boxes answered by a script, the filter window open from the menu. After it:
// no window left, and every scripted answer used with no box unasked for.
class FilterWindowFixture {
protected:
    std::unique_ptr<BoxScript> boxes;
    FrmFiltr* w = nullptr;

    // locale: the number format of the test, when it is not the system's.
    void openFilterWindow(const std::optional<QLocale>& locale = std::nullopt) {
        UnloadAllForms();
        FrmFiltr::state = {};
        FrmFiltrItog::state = {};
        if (locale) QLocale::setDefault(*locale);
        boxes = std::make_unique<BoxScript>();
        w = OpenFilterWindow();
        QVERIFY(w);
    }

    void closeAll() {
        const std::unique_ptr<BoxScript> script = std::move(boxes);
        UnloadAllForms();
        QLocale::setDefault(QLocale::system());
        VOKTA_VERIFY_BOXES_DONE(*script);
    }

    // Nothing of the results window is clipped: every caption and value fits its control, every box
    // lies inside the frame, and the frame, the picture, the verdict and the buttons inside the window.
    static void verifyLaidOut(FrmFiltrItog* r) {
        auto* frame = Control<QGroupBox>(r, "Frame1");
        for (const char* name : {"Frame1", "Image1", "LblVerdict", "CmdResponse", "CmdBack"}) {
            const QWidget* control = Control(r, name);
            QVERIFY2(control->isHidden() || r->rect().contains(control->geometry()), name);
        }
        for (int i = 1; i <= 4; ++i)
            for (const char* kind : {"C", "L"}) {
                auto* label =
                    Control<QLabel>(r, ("Lbl" + QByteArray(kind) + QByteArray::number(i)).constData());
                auto* box =
                    Control<QLineEdit>(r, ("Txt" + QByteArray(kind) + QByteArray::number(i)).constData());
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
                QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) + 8 <= box->width(),
                         qPrintable(box->objectName() + "=" + box->text()));
                QVERIFY(frame->rect().contains(box->geometry()));
            }
    }
};

}  // namespace vokta::test
