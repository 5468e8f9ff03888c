#include <memory>

#include "FilterDriver.h"
#include "base/PictureNumbers.h"
#include "ui/Application.h"
#include "ui/Twips.h"

using namespace vokta::test;
using namespace vokta::ui;

namespace {

const QString kOrderWarning = QStringLiteral(
    "Предупреждение|Извините, но фильтры такого большого порядка нигде не используются и здесь не "
    "расчитываются");

// A design as the user states it: the clicks on options and check box, then what is typed, name=text.
struct Design {
    QStringList clicks;
    QStringList typed;
};

}  // namespace

class FrmFiltrItogTest : public QObject, FilterWindowFixture {
    Q_OBJECT

    void verifyEmpty(FrmFiltrItog* r) {
        QCOMPARE(ShownControls(r), QString());
        QCOMPARE(ShownPicture(r), 0);
    }

private slots:
    void init() { openFilterWindow(); }
    void cleanup() { closeAll(); }

    void designState() {
        FrmFiltrItog r;
        QCOMPARE(r.windowTitle(), QString("Расчет фильтров"));
        QCOMPARE(r.size(), QSize(twips(8505), twips(3945)));
        QCOMPARE(Control<QGroupBox>(&r, "Frame1")->title(), QString("Результаты расчета"));
        QCOMPARE(Control<QPushButton>(&r, "CmdBack")->text(), QString("Закрыть"));
        QCOMPARE(Control<QLabel>(&r, "LblC3")->text(), QString("C3, мкФ"));
        QCOMPARE(Control<QLabel>(&r, "LblL4")->text(), QString("L4, мкГн"));
        QCOMPARE(Control<QLineEdit>(&r, "TxtC2")->geometry(),
                 QRect(twips(1080), twips(720), twips(735), twips(285)));
        QCOMPARE(Control<QLabel>(&r, "Image1")->geometry(),
                 QRect(twips(3960), twips(240), twips(4455), twips(2295)));
        verifyEmpty(&r);
    }

    void passiveLowPassAndHighPass_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("values");
        const QStringList lp{"TxtF1=1000", "TxtFs=2000"};
        QTest::newRow("low-pass order 2") << QStringList{} << QStringList{"CmbAmin=3", "TxtAs=10"} + lp
                                          << vokta::kLowPassLadderPictures << "LblC1 TxtC1 LblL1 TxtL1"
                                          << "C1= 4.503821 L1= 11259.55";
        // Without the 3 dB edge correction the high-pass keeps its edge of 1000 Hz.
        QTest::newRow("high-pass order 2")
            << QStringList{"Option1(1)"} << QStringList{"CmbAmin=1", "TxtAs=3", "TxtF1=1000", "TxtFs=500"}
            << vokta::kHighPassLadderPictures << "LblC1 TxtC1 LblL1 TxtL1"
            << "C1= 2.251954 L1= 5629.885";
        QTest::newRow("low-pass order 4")
            << QStringList{} << QStringList{"CmbAmin=3", "TxtAs=20"} + lp << vokta::kLowPassLadderPictures + 2
            << "LblC1 TxtC1 LblL1 TxtL1 LblC2 TxtC2 LblL2 TxtL2"
            << "C1= 5.884714 C2= 2.437579 L1= 6093.949 L2= 14711.78";
        QTest::newRow("low-pass order 5")
            << QStringList{} << QStringList{"CmbAmin=3", "TxtAs=25"} + lp << vokta::kLowPassLadderPictures + 3
            << "LblC1 TxtC1 LblL1 TxtL1 LblC2 TxtC2 LblL2 TxtL2 LblC3 TxtC3"
            << "C1= 1.968153 C2= 6.369427 C3= 1.968153 L1= 12882.17 L2= 12882.17";
        // The 3 dB high-pass moves its edge to 999.8304 Hz.
        QTest::newRow("high-pass order 7")
            << QStringList{"Option1(1)"} << QStringList{"CmbAmin=3", "TxtAs=40", "TxtF1=1000", "TxtFs=500"}
            << vokta::kHighPassLadderPictures + 5
            << "LblC1 TxtC1 LblL1 TxtL1 LblC2 TxtC2 LblL2 TxtL2 LblC3 TxtC3 LblL3 TxtL3 LblL4 TxtL4"
            << "C1= 2.554333 C2= 1.592627 C3= 2.554333 L1= 17894.68 L2= 4419.298 L3= 4419.298 L4= 17894.68";
        QTest::newRow("Chebyshev low-pass order 3, ripple typed as 1.0")
            << QStringList{"Option2(1)"} << QStringList{"CmbAmin=1.0", "TxtAs=20", "TxtF1=1000", "TxtFs=3000"}
            << vokta::kLowPassLadderPictures + 1 << "LblC1 TxtC1 LblL1 TxtL1 LblC2 TxtC2"
            << "C1= 6.445859 C2= 6.445859 L1= 7914.013";
    }
    void passiveLowPassAndHighPass() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, typed);
        QFETCH(int, picture);
        QFETCH(QString, shown);
        QFETCH(QString, values);
        FrmFiltrItog* r = Calculate(w, clicks, typed);
        QVERIFY(boxes->messages.empty());
        QVERIFY(r && r->isVisible());
        QCOMPARE(ShownPicture(r), picture);
        QCOMPARE(Control<QLabel>(r, "Image1")->size(), vokta::ui::PictureSize(picture));
        QCOMPARE(ShownControls(r), shown);
        QCOMPARE(ShownValues(r), values);
        verifyLaidOut(r);
        // The labels keep their design captions.
        QCOMPARE(Control<QLabel>(r, "LblC1")->text(), QString("C1, мкФ"));
        QCOMPARE(Control<QLabel>(r, "LblL1")->text(), QString("L1, мкГн"));
    }

    void highPassEdgeIsCorrectedForButterworthAt3dBOnly() {
        CloseResults(Calculate(w, {"Option1(1)"}, {"CmbAmin=3", "TxtAs=40", "TxtF1=1000", "TxtFs=316"}));
        QCOMPARE(FrmFiltr::state.N, int16_t(5));
        QCOMPARE(vokta::ui::NumberText(FrmFiltrItog::state.F1), QString(" 999.7626"));
        QCOMPARE(FrmFiltr::state.F1, 1000.0f);  // the requirements window keeps what was typed
        CloseResults(Calculate(w, {}, {"CmbAmin=0.5"}));
        QCOMPARE(FrmFiltrItog::state.F1, 1000.0f);
        CloseResults(Calculate(w, {"Option1(0)"}, {"CmbAmin=3", "TxtFs=2000"}));
        QCOMPARE(FrmFiltrItog::state.F1, 1000.0f);
    }

    void ordersAbove7AreRefused_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("Fs");
        QTest::addColumn<QString>("message");
        QTest::newRow("low-pass") << "Option1(0)"
                                  << "2000"
                                  << "ФНЧ с порядком более 7 не расчитываются этой программой";
        QTest::newRow("high-pass") << "Option1(1)"
                                   << "500"
                                   << "ФВЧ с порядком более 7 не расчитываются этой программой";
    }
    void ordersAbove7AreRefused() {
        QFETCH(QString, option);
        QFETCH(QString, Fs);
        QFETCH(QString, message);
        FrmFiltrItog* r = Calculate(w, {option}, {"CmbAmin=0.5", "TxtAs=40", "TxtF1=1000", "TxtFs=" + Fs});
        QCOMPARE(boxes->messageTexts(), QStringList({kOrderWarning, "Предупреждение|" + message}));
        QCOMPARE(boxes->messages[1].icon, MsgIcon::Warning);
        QVERIFY(r && r->isVisible());
        verifyEmpty(r);
        verifyLaidOut(r);
        // The empty window laid out: 3735 + 4455 + 400 twips wide.
        QCOMPARE(Control(r, "CmdBack")->x(), twips(6990));
    }

    void chebyshevRippleWithoutARowWarns() {
        // A first design leaves its prototype values behind.
        CloseResults(Calculate(w, {"Option2(1)"}, {"CmbAmin=1", "TxtAs=20", "TxtF1=1000", "TxtFs=3000"}));
        const FrmFiltrItogState before = FrmFiltrItog::state;
        FrmFiltrItog* r = Calculate(w, {}, {"CmbAmin=1.5"});
        QCOMPARE(boxes->messageTexts(),
                 QStringList(
                     "Предупреждение|В таблице значений фильтра-прототипа Чебышева нет строки для затухания "
                     "1.5 дБ в полосе пропускания. Таблица содержит строки только для затухания 0.5, 1, 2 и "
                     "3 дБ."));
        QCOMPARE(boxes->messages[0].icon, MsgIcon::Warning);
        verifyEmpty(r);
        verifyLaidOut(r);
        QCOMPARE(FrmFiltrItog::state.ProtoC1, before.ProtoC1);
        QCOMPARE(FrmFiltrItog::state.ValC1, before.ValC1);
    }

    void stateOutlivesTheWindow() {
        CloseResults(Calculate(w, {"Option2(1)"}, {"CmbAmin=1", "TxtAs=60", "TxtF1=1000", "TxtFs=2000"}));
        QCOMPARE(FrmFiltrItog::state.N, int16_t(7));
        QCOMPARE(FrmFiltrItog::state.ProtoL2, 1.174f);
        QCOMPARE(vokta::ui::NumberText(FrmFiltrItog::state.ValC4), QString(" 6.901274"));
        CloseResults(Calculate(w, {}, {"CmbAmin=0.5", "TxtAs=20", "TxtFs=3000"}));  // order 3
        QCOMPARE(FrmFiltrItog::state.N, int16_t(3));
        QCOMPARE(FrmFiltrItog::state.ProtoC1, 1.596f);
        QCOMPARE(FrmFiltrItog::state.ProtoL2, 1.174f);  // order 7's g4 stays
        QCOMPARE(vokta::ui::NumberText(FrmFiltrItog::state.ValC4), QString(" 6.901274"));
        // Each new results window starts from its design state.
        FrmFiltrItog* r = Calculate(w, {"Option2(0)"}, {"CmbAmin=3", "TxtAs=10", "TxtFs=2000"});
        QCOMPARE(ShownControls(r), QString("LblC1 TxtC1 LblL1 TxtL1"));
    }

    void closeShowsTheRequirementsAgain() {
        FrmFiltrItog* r = Calculate(w, {}, {"CmbAmin=3", "TxtAs=40", "TxtF1=1000", "TxtFs=2000"});
        Type(w, "TxtAs", "41");
        CloseResults(r);
        QVERIFY(!Results());
        QCOMPARE(Forms::Find<FrmFiltr>(), w);
        QVERIFY(w->isVisible());
        QCOMPARE(Control<QLineEdit>(w, "TxtAs")->text(), QString("41"));
        // Esc closes it too, and so does Enter on its focused button.
        r = Calculate(w, {}, {});
        QCOMPARE(r->focusWidget(), Control(r, "CmdBack"));
        QTest::keyClick(r, Qt::Key_Escape);
        Settle();
        QVERIFY(!Results());
        r = Calculate(w, {}, {});
        QTest::keyClick(Control(r, "CmdBack"), Qt::Key_Return);
        Settle();
        QVERIFY(!Results());
    }

    void floatingPointFaultLeavesTheDesignState() {
        // The largest load and an edge of 1e-30 Hz: the inductances overflow single precision.
        Type(w, "CmbRn", "32767");
        FrmFiltrItog* r = Calculate(w, {}, {"CmbAmin=3", "TxtAs=40", "TxtF1=1e-30", "TxtFs=2e-30"});
        QCOMPARE(boxes->messages.size(), size_t(1));
        QCOMPARE(boxes->messages[0].title, QString("Ошибка"));
        QCOMPARE(boxes->messages[0].icon, MsgIcon::Critical);
        QVERIFY(r);
        verifyEmpty(r);
        QCOMPARE(r->size(), QSize(twips(8505), twips(3945)));
    }

    // ---- Band filters ----------------------------------------------------------------------------

    void passiveBandPassAndBandStop_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("values");
        const QStringList edges{"TxtFright=11000", "TxtFleft=9000"};
        QTest::newRow("band-pass order 4")
            << QStringList{"Option1(2)"}
            << QStringList{"CmbAmin=3", "TxtAs=40"} + edges + QStringList{"TxtFs=15000"} << 4
            << "C1= .08405755 C2= 2.942357 C3= .03481852 C4= 1.21879 L1= 3046.975 L2= 87.04628 L3= 7355.892 "
               "L4= 210.1439";
        QTest::newRow("band-stop order 3")
            << QStringList{"Option1(3)"}
            << QStringList{"CmbAmin=3", "TxtAs=30"} + edges + QStringList{"TxtFs=10200"} << 3
            << "C1= .06433765 C2= .7961783 C3= .06433765 L1= 3980.892 L2= 321.6882 L3= 3980.892";
        QTest::newRow("Chebyshev band-pass raised to order 3")
            << QStringList{"Option1(2)", "Option2(1)"}
            << QStringList{"CmbAmin=1", "TxtAs=20"} + edges + QStringList{"TxtFs=15000"} << 3 << "";
        QTest::newRow("Chebyshev band-stop order 3")
            << QStringList{"Option1(3)", "Option2(1)"}
            << QStringList{"CmbAmin=0.5", "TxtAs=10"} + edges + QStringList{"TxtFs=10200"} << 3 << "";
    }
    void passiveBandPassAndBandStop() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, typed);
        QFETCH(int, n);
        QFETCH(QString, values);
        FrmFiltrItog* r = Calculate(w, clicks, typed);
        QVERIFY(boxes->messages.empty());
        QVERIFY(r && r->isVisible());
        QCOMPARE(int(FrmFiltrItog::state.N), n);
        const int first =
            clicks[0] == "Option1(3)" ? vokta::kBandStopLadderPictures : vokta::kBandPassLadderPictures;
        QCOMPARE(ShownPicture(r), first + n - 2);
        QStringList shown;
        for (int i = 1; i <= 4; ++i)
            for (const char* kind : {"LblC", "TxtC", "LblL", "TxtL"})
                if (i <= n) shown << kind + QString::number(i);
        QCOMPARE(ShownControls(r), shown.join(' '));
        if (!values.isEmpty()) QCOMPARE(ShownValues(r), values);
        // Every branch resonates at the centre frequency, as shown.
        const double w0 = 6.28 * FrmFiltr::state.F0;
        for (int i = 1; i <= n; ++i) {
            const double L = vokta::ui::ParseNumber(
                Control<QLineEdit>(r, ("TxtL" + QByteArray::number(i)).constData())->text());
            const double C = vokta::ui::ParseNumber(
                Control<QLineEdit>(r, ("TxtC" + QByteArray::number(i)).constData())->text());
            QVERIFY2(qAbs(L * C * 1e-12 * w0 * w0 - 1) < 1e-6, qPrintable(QString::number(i)));
        }
        verifyLaidOut(r);
    }

    void bandOrdersAbove4AreRefused_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("Fs");
        QTest::addColumn<QString>("message");
        QTest::newRow("band-pass")
            << "Option1(2)"
            << "15000"
            << "ПФ с порядком фильтра-прототипа более 4 не расчитываются этой программой";
        QTest::newRow("band-stop")
            << "Option1(3)"
            << "10200"
            << "РФ с порядком фильтра-прототипа более 4 не расчитываются этой программой";
    }
    void bandOrdersAbove4AreRefused() {
        QFETCH(QString, option);
        QFETCH(QString, Fs);
        QFETCH(QString, message);
        FrmFiltrItog* r = Calculate(
            w, {option}, {"CmbAmin=3", "TxtAs=60", "TxtFright=11000", "TxtFleft=9000", "TxtFs=" + Fs});
        QCOMPARE(FrmFiltr::state.N, int16_t(6));
        QCOMPARE(boxes->messageTexts(), QStringList("Предупреждение|" + message));
        QCOMPARE(boxes->messages[0].icon, MsgIcon::Warning);
        verifyEmpty(r);
        verifyLaidOut(r);
    }

    void bandFiltersReadTheirOwnCentre() {
        // A low-pass design in between leaves F0 and K of the last band design.
        CloseResults(Calculate(w, {"Option1(2)"},
                               {"CmbAmin=3", "TxtAs=40", "TxtFright=11000", "TxtFleft=9000", "TxtFs=15000"}));
        CloseResults(Calculate(w, {"Option1(0)"}, {"TxtF1=1000", "TxtFs=2000"}));
        Calculate(w, {"Option1(3)"}, {"TxtAs=30", "TxtFs=10200"});
        QCOMPARE(vokta::ui::NumberText(FrmFiltrItog::state.F0), QString(" 9949.874"));
        QCOMPARE(vokta::ui::NumberText(FrmFiltrItog::state.K), QString(" 4.974937"));
        QCOMPARE(ShownPicture(Results()), vokta::kBandStopLadderPictures + 1);  // order 3
    }
};

VOKTA_UI_TEST_MAIN(FrmFiltrItogTest)
#include "FrmFiltrItogTest.moc"
