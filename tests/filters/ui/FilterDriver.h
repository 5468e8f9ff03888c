#pragma once

// Drives the filter windows through the window driver: the main window's menu, a design stated in the
// filter window, and what the results window shows.

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <memory>
#include <optional>

#include "app/frmMain.h"
#include "filters/ui/FrmFiltr.h"
#include "filters/ui/FrmFiltrItog.h"
#include "support/WindowDriver.h"
#include "ui/Forms.h"
#include "ui/Pictures.h"

namespace vokta::test {

// "&Фильтр" in the main window's menu.
inline ui::FrmFiltr* OpenFilterWindow() {
    auto* main = ui::Forms::Show<ui::frmMain>();
    main->findChild<QAction*>(QStringLiteral("mnuFileFiltr"))->trigger();
    Settle();
    return ui::Forms::Find<ui::FrmFiltr>();
}

inline ui::FrmFiltrItog* Results() {
    return ui::Forms::Find<ui::FrmFiltrItog>();
}

// A design as the user states it in the filter window: the clicks on options and check box, then
// what is typed (name=text), then "Расчет". Returns the results window it opened, if any.
inline ui::FrmFiltrItog* Calculate(ui::FrmFiltr* filter, const QStringList& clicks,
                                   const QStringList& typed) {
    for (const QString& c : clicks) Click(filter, c);
    Fill(filter, typed);
    Click(filter, "CmdCalc");
    return Results();
}

// "Закрыть" in the results window.
inline void CloseResults(ui::FrmFiltrItog* results) {
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
    ui::FrmFiltr* w = nullptr;

    // locale: the number format of the test, when it is not the system's.
    void openFilterWindow(const std::optional<QLocale>& locale = std::nullopt) {
        UnloadAllForms();
        ui::FrmFiltr::state = {};
        ui::FrmFiltrItog::state = {};
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
    static void verifyLaidOut(ui::FrmFiltrItog* r) {
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
