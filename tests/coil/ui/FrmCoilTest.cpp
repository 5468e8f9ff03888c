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
#include "support/WindowDriver.h"
#include "ui/Forms.h"

using namespace vokta::test;
using namespace vokta::ui;

namespace {

// "quantity|value|unit" of each row of the results table.
QStringList Table(const FrmCoil* w) {
    QStringList rows;
    for (int r = 0; r < w->TblResults->rowCount(); ++r)
        rows << w->TblResults->item(r, 0)->text() + "|" + w->TblResults->item(r, 1)->text() + "|" +
                    w->TblResults->item(r, 2)->text();
    return rows;
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

    // The menu item unloads the main window and opens the calculator in its design state; Enter calculates,
    // Esc goes back to the main window. 10 µH on a 20 mm former in 0.5 mm wire: 24 turns 0.566 mm apart,
    // each π × 20.566 mm round.
    void fromMenu() {
        BoxScript boxes;
        Forms::Show<frmMain>()->findChild<QAction*>("mnuFileCoil")->trigger();
        Settle();
        auto* w = Forms::Find<FrmCoil>();
        QVERIFY(!Forms::IsLoaded<frmMain>() && w && w->isVisible());
        QCOMPARE(w->windowTitle(), QString("Расчет катушки"));
        QCOMPARE(w->CmbCore->currentText() + " " + w->CmbWire->currentText(), QString("T-50-2 0.5"));
        QVERIFY(!w->TxtD->isEnabled() && !w->CmbWire->isEnabled() && !w->Image1->pixmap().isNull());
        w->CmbCore->setCurrentIndex(0);  // the air core
        QVERIFY(w->TxtD->isEnabled() && w->CmbWire->isEnabled());
        w->TxtL->setText("10");
        w->TxtF->setText("3.647");
        w->TxtD->setText("20");
        QTest::keyClick(w->TxtD, Qt::Key_Return);
        QCOMPARE(Table(w),
                 QStringList({"Диаметр каркаса|20|мм", "Число витков|24|вит.", "Индуктивность|10.27|мкГн",
                              "Отклонение от заданной|+2.7|%", "Индуктивность при 23 витках|9.665|мкГн",
                              "Индуктивность при 25 витках|10.87|мкГн", "Диаметр провода|0.5|мм",
                              "Диаметр провода в изоляции|0.566|мм", "Длина намотки|13.58|мм",
                              "Длина провода с выводами 2 × 25 мм|1601|мм"}));
        QTest::keyClick(w->TxtL, Qt::Key_Escape);
        Settle();
        QVERIFY(!Forms::IsLoaded<FrmCoil>() && Forms::IsLoaded<frmMain>());
        QCOMPARE(boxes.messageTexts(), QStringList());
    }

    // 1.134 µH on T-50-2 (A_L 4.9 nH): √(1134 / 4.9) = 15.2, so 15 turns, 1102.5 nH, 2.8 % short. Fifteen
    // turns of 1.12 mm wire (1.217 mm over the enamel) take 15 × 2·asin(1.217 / 6.479) = 5.67 rad of the
    // circle through their centres in the hole, 1.25 mm wire (1.349 mm) 6.48 rad: more than 2π. Each turn is
    // 2·(2.502 + 4.826) + π·1.217 = 18.48 mm of wire, 277.2 mm in all, and 50 mm of leads.
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
        // A refused input names its field, puts the focus there and leaves no result; so does another core.
        w->TxtL->setText("0");
        w->CmdCalc->click();
        QCOMPARE(boxes.messageTexts(),
                 QStringList({"Предупреждение|Индуктивность должна быть больше нуля."}));
        QCOMPARE(w->focusWidget(), w->TxtL);
        QCOMPARE(w->TblResults->rowCount(), 0);
        w->TxtL->setText("1,134");
        w->CmdCalc->click();
        w->CmbCore->setCurrentIndex(w->CmbCore->findText("T-68-2"));
        QVERIFY(w->TblResults->rowCount() == 0 && w->LblSummary->text().isEmpty());
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
        w->findChild<QPushButton*>("CmdCoil")->click();
        auto* coil = Forms::Find<FrmCoil>();
        QVERIFY(coil && coil->isVisible());
        QCOMPARE(coil->TxtL->text() + " " + coil->TxtF->text(), QString("10 3.647"));
        coil->CmdCalc->click();
        QCOMPARE(coil->TblResults->item(7, 1)->text(), QString("45"));  // √(10 µH / 4.9 nH) = 45.2
        coil->CmdCancel->click();
        Settle();
        QVERIFY(!Forms::IsLoaded<FrmCoil>() && w->isVisible() && !Forms::IsLoaded<frmMain>());
        QCOMPARE(boxes.messageTexts(), QStringList());
    }
};

VOKTA_UI_TEST_MAIN(FrmCoilTest)
#include "FrmCoilTest.moc"
