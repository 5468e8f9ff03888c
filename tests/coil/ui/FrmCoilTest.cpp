#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>

#include "app/frmMain.h"
#include "circuits/ui/FrmKontur2.h"
#include "circuits/ui/frmKontur1.h"
#include "coil/ui/FrmCoil.h"
#include "support/BoxScript.h"
#include "support/UiTest.h"
#include "ui/Forms.h"

using vokta::test::BoxScript;
using vokta::ui::Forms;
using vokta::ui::FrmCoil;

namespace {

// "quantity|value|unit" of each row of the results table.
QStringList Table(const FrmCoil* w) {
    QStringList rows;
    for (int r = 0; r < w->TblResults->rowCount(); ++r)
        rows << w->TblResults->item(r, 0)->text() + "|" + w->TblResults->item(r, 1)->text() + "|" +
                    w->TblResults->item(r, 2)->text();
    return rows;
}

void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace

class FrmCoilTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        vokta::test::UnloadAllForms();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void cleanup() { vokta::test::UnloadAllForms(); }

    // The menu item unloads the main window and opens the calculator in its design state;
    // Enter calculates, Esc goes back to the main window.
    void fromMenu() {
        BoxScript boxes;
        auto* main = Forms::Show<frmMain>();
        main->findChild<QAction*>("mnuFileCoil")->trigger();
        Settle();
        QVERIFY(!Forms::IsLoaded<frmMain>());
        auto* w = Forms::Find<FrmCoil>();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QString("Расчет катушки"));
        QCOMPARE(w->CmbCore->currentText(), QString("T-50-2"));
        QCOMPARE(w->CmbWire->currentText(), QString("0.5"));
        QVERIFY(!w->TxtD->isEnabled() && !w->CmbWire->isEnabled());
        QVERIFY(!w->Image1->pixmap().isNull());
        QCOMPARE(w->TblResults->rowCount(), 0);
        w->CmbCore->setCurrentIndex(0);  // the air core
        QVERIFY(w->TxtD->isEnabled() && w->CmbWire->isEnabled());

        w->TxtL->setText("10");
        w->TxtF->setText("3.647");
        w->TxtD->setText("20");
        QTest::keyClick(w->TxtD, Qt::Key_Return);
        QCOMPARE(w->TblResults->item(1, 1)->text(), QString("24"));
        QTest::keyClick(w->TxtL, Qt::Key_Escape);
        Settle();
        QVERIFY(!Forms::IsLoaded<FrmCoil>());
        QVERIFY(Forms::IsLoaded<frmMain>());
        QCOMPARE(boxes.messageTexts(), QStringList());
    }

    void toroidTable() {
        QLocale::setDefault(QLocale(QLocale::Russian));
        BoxScript boxes;
        auto* w = Forms::Show<FrmCoil>();
        w->TxtL->setText("1,134");
        w->TxtF->setText("30");
        w->CmdCalc->click();
        QCOMPARE(
            Table(w),
            QStringList({"Сердечник|T-50-2|", "Коэффициент индуктивности A_L|4,9|нГн/вит²", "Допуск A_L|±5|%",
                         "Наружный диаметр|12,7|мм", "Внутренний диаметр|7,696|мм", "Высота|4,826|мм",
                         "Рабочий диапазон частот материала|0,25…10|МГц", "Число витков|15|вит.",
                         "Индуктивность|1,103|мкГн", "Отклонение от заданной|-2,8|%",
                         "Индуктивность при 14 витках|0,9604|мкГн", "Индуктивность при 16 витках|1,254|мкГн",
                         "Диаметр провода|1,12|мм", "Диаметр провода в изоляции|1,217|мм",
                         "Длина провода с выводами 2 × 25 мм|327,2|мм"}));
        QCOMPARE(
            w->LblSummary->text(),
            QString(
                "Частота 30 МГц лежит вне рабочего диапазона материала сердечника T-50-2 (0,25…10 МГц)."));
        QCOMPARE(boxes.messageTexts(), QStringList());
        // Another core: the result of the last one goes.
        w->CmbCore->setCurrentIndex(w->CmbCore->findText("T-68-2"));
        QCOMPARE(w->TblResults->rowCount(), 0);
        QVERIFY(w->LblSummary->text().isEmpty());
    }

    // A refused input names its field, puts the focus there and leaves no result.
    void refusals_data() {
        QTest::addColumn<int>("core");            // index in CmbCore; 0 is the air core
        QTest::addColumn<QStringList>("inputs");  // TxtL, TxtF, TxtD
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString empty = "Предупреждение|Необходимо заполнять все доступные поля исходных данных";
        QTest::newRow("empty") << 2 << QStringList{"1", "", ""} << empty << "";
        QTest::newRow("former empty") << 0 << QStringList{"1", "7", ""} << empty << "";
        QTest::newRow("zero") << 2 << QStringList{"0", "7", ""}
                              << "Предупреждение|Индуктивность должна быть больше нуля."
                              << "TxtL";
        QTest::newRow("former") << 0 << QStringList{"1", "7", "-3"}
                                << "Предупреждение|Диаметр каркаса должен быть больше нуля."
                                << "TxtD";
        QTest::newRow("beyond double")
            << 2 << QStringList{"1", "1e999", ""}
            << "Ошибка|Число «1e999» (поле «Частота, МГц») вне допустимых пределов."
            << "";
    }
    void refusals() {
        QFETCH(int, core);
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        BoxScript boxes;
        auto* w = Forms::Show<FrmCoil>();
        w->activateWindow();
        w->TxtL->setText("1");
        w->TxtF->setText("7");
        w->TxtD->setText("10");
        w->CmdCalc->click();
        QVERIFY(w->TblResults->rowCount() > 0);
        w->CmbCore->setCurrentIndex(core);
        w->TxtL->setText(inputs[0]);
        w->TxtF->setText(inputs[1]);
        w->TxtD->setText(inputs[2]);
        w->CmdCalc->click();
        QCOMPARE(boxes.messageTexts(), QStringList({message}));
        QCOMPARE(w->TblResults->rowCount(), 0);
        if (!focus.isEmpty()) QCOMPARE(w->focusWidget()->objectName(), focus);
    }

    // Each tuned circuit opens the coil window with its coil's inductance and the centre of its range,
    // √(3.5 × 3.8) = 3.647 MHz, and stays open; "Отмена" comes back to it.
    void fromTunedCircuits_data() {
        QTest::addColumn<QString>("circuit");
        QTest::newRow("band spread") << "frmKontur1";
        QTest::newRow("three point") << "FrmKontur2";
    }
    void fromTunedCircuits() {
        QFETCH(QString, circuit);
        BoxScript boxes;
        QWidget* w = circuit == "frmKontur1" ? static_cast<QWidget*>(Forms::Show<frmKontur1>())
                                             : static_cast<QWidget*>(Forms::Show<FrmKontur2>());
        w->findChild<QLineEdit*>("TxtFmax")->setText("3.8");
        w->findChild<QLineEdit*>("TxtFmin")->setText("3.5");
        w->findChild<QLineEdit*>("TxtL")->setText("10");
        auto* cmdCoil = w->findChild<QPushButton*>("CmdCoil");
        QCOMPARE(cmdCoil->text(), QString("Катушка…"));
        cmdCoil->click();
        auto* coil = Forms::Find<FrmCoil>();
        QVERIFY(coil && coil->isVisible());
        QCOMPARE(coil->TxtL->text(), QString("10"));
        QCOMPARE(coil->TxtF->text(), QString("3.647"));
        coil->CmdCalc->click();
        QCOMPARE(coil->TblResults->item(7, 1)->text(), QString("45"));  // √(10 µH / 4.9 nH) = 45.2
        coil->CmdCancel->click();
        Settle();
        QVERIFY(!Forms::IsLoaded<FrmCoil>());
        QVERIFY(w->isVisible());
        QVERIFY(!Forms::IsLoaded<frmMain>());
        // A box that holds no number leaves the coil's box empty.
        w->findChild<QLineEdit*>("TxtFmin")->setText("abc");
        cmdCoil->click();
        QCOMPARE(Forms::Find<FrmCoil>()->TxtF->text(), QString());
        QCOMPARE(boxes.messageTexts(), QStringList());
    }
};

VOKTA_UI_TEST_MAIN(FrmCoilTest)
#include "FrmCoilTest.moc"
