#include <QLocale>
#include <memory>

#include "FilterDriver.h"
#include "base/PictureNumbers.h"
#include "ui/Twips.h"

using namespace vokta::test;
using namespace vokta::ui;

namespace {

const QString kLowPassPrompt = QStringLiteral("Введите значение сопротивления резисторов фильтра,кОм");
const QString kHighPassPrompt = QStringLiteral("Введите значение емкостей фильтра,мкФ");
const QString kNeedResistance = QStringLiteral(
    "Предупреждение|Сопротивление резисторов фильтра должно быть положительным числом в кОм (например, 10).");
const QString kNeedCapacitance = QStringLiteral(
    "Предупреждение|Емкость конденсаторов фильтра должна быть положительным числом в мкФ (например, 0.01).");
// An answer that is not a number, quoted with the question.
QString NotANumber(const QString& prompt, const QString& answer) {
    return QStringLiteral("Предупреждение|Ответ на вопрос «%1» должен быть числом, а введено «%2».")
        .arg(prompt, answer);
}

// The captions of the shown labels, "LblC1=C1, мкФ|LblL1=R1,кОм|...", C column first.
QString ShownCaptions(QWidget* results) {
    QStringList captions;
    for (const char* kind : {"LblC", "LblL"})
        for (int i = 1; i <= 4; ++i) {
            const QByteArray name = kind + QByteArray::number(i);
            auto* label = Control<QLabel>(results, name.constData());
            if (!label->isHidden()) captions << name + "=" + label->text();
        }
    return captions.join('|');
}

}  // namespace

class ActiveFiltersTest : public QObject, FilterWindowFixture {
    Q_OBJECT

    void verifyNoDesign(FrmFiltrItog* r) {
        QVERIFY(r && r->isVisible());
        QCOMPARE(ShownControls(r), QString());
        QCOMPARE(ShownPicture(r), 0);
        verifyLaidOut(r);
    }

private slots:
    void init() { openFilterWindow(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { closeAll(); }

    void designs_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QString>("captions");
        QTest::addColumn<QString>("values");
        QTest::newRow("Butterworth low-pass order 2")
            << QStringList{"CheckARC"} << QStringList{"CmbAmin=0.5", "TxtAs=20", "TxtF1=1000", "TxtFs=10000"}
            << 2 << "10" << kLowPassPrompt << vokta::kLowPassActivePictures
            << "LblC1=C1, мкФ|LblC2=C2, мкФ|LblL1=R1,кОм|LblL2=R2,кОм|LblL3=R3,кОм|LblL4=R4,кОм"
            << "C1= .016 C2= .016 L1= 10 L2= 10 L3= 11 L4= 20";
        QTest::newRow("Chebyshev 0.5 dB low-pass order 4")
            << QStringList{"Option2(1)", "CheckARC"}
            << QStringList{"CmbAmin=0.5", "TxtAs=20", "TxtF1=1000", "TxtFs=2000"} << 4 << "10"
            << kLowPassPrompt << vokta::kLowPassActivePictures + 2
            << "LblC1=C1, мкФ|LblC2=C2, мкФ|LblC3=C3, мкФ|LblC4=C4, "
               "мкФ|LblL1=R1,R2,кОм|LblL2=R5,кОм|LblL3=R3,кОм|"
               "LblL4=R4,R6,кОм"
            << "C1= .02666667 C2= .02666667 C3= .01553398 C4= .01553398 L1= 10 L2= 33 L3= 11 L4= 20";
        QTest::newRow("Chebyshev 3 dB low-pass order 5")
            << QStringList{"Option2(1)", "CheckARC"}
            << QStringList{"CmbAmin=3", "TxtAs=40", "TxtF1=1234.5", "TxtFs=2469"} << 5 << "4.7"
            << kLowPassPrompt << vokta::kLowPassActivePictures + 3
            << "LblC1=C1-C2,мкФ|LblC2=C4-C5,мкф|LblC3=C3, мкФ|LblC4=R6,кОм|LblL1=R1,R2,кОм|LblL2=R5,кОм|"
               "LblL3=R3,кОм|LblL4=R4,R7,кОм"
            << "C1= .04520653 C2= .02842885 C3= .1531999 C4= 17 L1= 4.7 L2= 4.7 L3= 14 L4= 9";
        QTest::newRow("Butterworth high-pass order 2")
            << QStringList{"Option1(1)", "CheckARC"}
            << QStringList{"CmbAmin=0.5", "TxtAs=20", "TxtF1=1000", "TxtFs=100"} << 2 << "0.01"
            << kHighPassPrompt << vokta::kHighPassActivePictures
            << "LblC1=C1, мкФ|LblC2=C2, мкФ|LblL1=R1,кОм|LblL2=R2,кОм|LblL3=R3,кОм|LblL4=R4,кОм"
            << "C1= .01 C2= .01 L1= 16.0000000972395 L2= 16.0000000972395 L3= 17.92 L4= 32";
        // At 3 dB the Butterworth high-pass designs from its corrected edge, 999.7032 Hz for order 4.
        QTest::newRow("Butterworth high-pass order 4, corrected edge")
            << QStringList{"Option1(1)", "CheckARC"}
            << QStringList{"CmbAmin=3", "TxtAs=20", "TxtF1=1000", "TxtFs=500"} << 4 << "0.022"
            << kHighPassPrompt << vokta::kHighPassActivePictures + 2
            << "LblC1=C1, мкФ|LblC2=C2, мкФ|LblC3=R7,кОм|LblL1=R1,R2,кОм|LblL2=R5,R6,кОм|LblL3=R3,кОм|"
               "LblL4=R4,R8,кОм"
            << "C1= .022 C2= .022 C3= 18.04172 L1= 7.27488610196842 L2= 7.27488610196842 L3= 2.182466 "
               "L4= 14.54977";
        QTest::newRow("Chebyshev 3 dB high-pass order 2")
            << QStringList{"Option1(1)", "Option2(1)", "CheckARC"}
            << QStringList{"CmbAmin=3", "TxtAs=10", "TxtF1=1000", "TxtFs=500"} << 2 << "0.01"
            << kHighPassPrompt << vokta::kHighPassActivePictures
            << "LblC1=C1, мкФ|LblC2=C2, мкФ|LblL1=R1,кОм|LblL2=R2,кОм|LblL3=R3,кОм|LblL4=R4,кОм"
            << "C1= .01 C2= .01 L1= 19.0476197580753 L2= 19.0476197580753 L3= 46.85714 L4= 38.09524";
    }
    void designs() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, typed);
        QFETCH(int, order);
        QFETCH(QString, answer);
        QFETCH(QString, prompt);
        QFETCH(int, picture);
        QFETCH(QString, captions);
        QFETCH(QString, values);
        boxes->answer(answer);
        FrmFiltrItog* r = Calculate(w, clicks, typed);
        QCOMPARE(FrmFiltr::state.N, int16_t(order));
        QCOMPARE(boxes->inputs.size(), size_t(1));
        QCOMPARE(boxes->inputs[0].prompt, prompt);
        QCOMPARE(boxes->inputs[0].title, QString("Ввод данных"));
        QVERIFY(boxes->messages.empty());
        QVERIFY(r && r->isVisible());
        QCOMPARE(ShownPicture(r), picture);
        QCOMPARE(ShownCaptions(r), captions);
        QCOMPARE(ShownValues(r), values);
        verifyLaidOut(r);
        // Every label shown has its box shown beside it, and nothing else is shown.
        QCOMPARE(ShownControls(r).count("Txt"), ShownControls(r).count("Lbl"));
    }

    void highPassKeepsItsResistanceInTheUsersFormat() {
        QLocale::setDefault(QLocale(QLocale::Russian));
        boxes->answer("0.01");
        FrmFiltrItog* r =
            Calculate(w, {"Option1(1)", "CheckARC"}, {"CmbAmin=0.5", "TxtAs=20", "TxtF1=1000", "TxtFs=100"});
        QCOMPARE(FrmFiltrItog::state.RText, QString("16,0000000972395"));
        QCOMPARE(FrmFiltrItog::state.CText, QString("0.01"));
        QCOMPARE(Control<QLineEdit>(r, "TxtL1")->text(), QString(" 16.0000000972395"));
        QCOMPARE(FrmFiltrItog::state.ValR4, 32.0f);
        QCOMPARE(FrmFiltrItog::state.GainK1, 1.56f);
    }

    void cancelEndsTheDesignQuietly_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("Fs");
        QTest::newRow("low-pass") << QStringList{"CheckARC"} << "10000";
        QTest::newRow("Chebyshev high-pass") << QStringList{"Option1(1)", "Option2(1)", "CheckARC"} << "100";
    }
    void cancelEndsTheDesignQuietly() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, Fs);
        FrmFiltrItog::state.ValR1 = 7;
        FrmFiltrItog::state.ValC1 = 7;
        boxes->cancel();
        FrmFiltrItog* r = Calculate(w, clicks, {"CmbAmin=0.5", "TxtAs=20", "TxtF1=1000", "TxtFs=" + Fs});
        QCOMPARE(boxes->inputs.size(), size_t(1));
        QVERIFY(boxes->messages.empty());
        verifyNoDesign(r);
        QCOMPARE(FrmFiltrItog::state.ValR1, 7.0f);
        QCOMPARE(FrmFiltrItog::state.ValC1, 7.0f);
    }

    void badAnswersAreRefused_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("Fs");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message");
        const QStringList lowPass{"CheckARC"};
        const QStringList highPass{"Option1(1)", "CheckARC"};
        const QStringList chebyshevHighPass{"Option1(1)", "Option2(1)", "CheckARC"};
        QTest::newRow("low-pass, empty") << lowPass << "10000"
                                         << "" << NotANumber(kLowPassPrompt, "");
        QTest::newRow("low-pass, no number") << lowPass << "10000"
                                             << "кОм" << NotANumber(kLowPassPrompt, "кОм");
        QTest::newRow("low-pass, with its unit") << lowPass << "10000"
                                                 << "10 кОм" << NotANumber(kLowPassPrompt, "10 кОм");
        QTest::newRow("low-pass, zero") << lowPass << "10000"
                                        << "0" << kNeedResistance;
        QTest::newRow("low-pass, negative") << lowPass << "10000"
                                            << "-10" << kNeedResistance;
        QTest::newRow("high-pass, empty") << highPass << "100"
                                          << "" << NotANumber(kHighPassPrompt, "");
        QTest::newRow("high-pass, comma in an English format")
            << highPass << "100"
            << "0,01" << NotANumber(kHighPassPrompt, "0,01");
        QTest::newRow("high-pass, negative") << highPass << "100"
                                             << "-0.01" << kNeedCapacitance;
        QTest::newRow("Chebyshev high-pass, zero") << chebyshevHighPass << "100"
                                                   << "0.000" << kNeedCapacitance;
    }
    void badAnswersAreRefused() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, Fs);
        QFETCH(QString, answer);
        QFETCH(QString, message);
        boxes->answer(answer);
        FrmFiltrItog* r = Calculate(w, clicks, {"CmbAmin=0.5", "TxtAs=20", "TxtF1=1000", "TxtFs=" + Fs});
        QCOMPARE(boxes->messageTexts(), QStringList{message});
        QCOMPARE(boxes->messages[0].icon, MsgIcon::Warning);
        verifyNoDesign(r);
    }

    void ordersAbove5AreRefusedWithoutAsking_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("low-pass") << QStringList{"CheckARC"}
                                  << QStringList{"CmbAmin=3", "TxtAs=31", "TxtF1=1000", "TxtFs=2000"}
                                  << "Активные ФНЧ с порядком более 5 не расчитываются этой программой";
        QTest::newRow("high-pass") << QStringList{"Option1(1)", "CheckARC"}
                                   << QStringList{"CmbAmin=0.5", "TxtAs=22", "TxtF1=1000", "TxtFs=500"}
                                   << "Активные ФВЧ с порядком более 5 не расчитываются этой программой";
        // The ripple has no row, but the order is what the user has to change first.
        QTest::newRow("Chebyshev low-pass, ripple without a row")
            << QStringList{"Option2(1)", "CheckARC"}
            << QStringList{"CmbAmin=1", "TxtAs=50", "TxtF1=1000", "TxtFs=2000"}
            << "Активные ФНЧ с порядком более 5 не расчитываются этой программой";
    }
    void ordersAbove5AreRefusedWithoutAsking() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        FrmFiltrItog* r = Calculate(w, clicks, typed);
        QVERIFY(FrmFiltr::state.N > 5 && FrmFiltr::state.N <= 7);
        QCOMPARE(boxes->messageTexts(), QStringList{"Предупреждение|" + message});
        QCOMPARE(boxes->messages[0].icon, MsgIcon::Warning);
        QVERIFY(boxes->inputs.empty());
        verifyNoDesign(r);
    }

    void aDecimalCommaInARussianFormat() {
        // The ripple, the edge and the answer typed with commas design what the points design.
        QLocale::setDefault(QLocale(QLocale::Russian));
        boxes->answer("10,0");
        FrmFiltrItog* r = Calculate(w, {"Option2(1)", "CheckARC"},
                                    {"CmbAmin=0,5", "TxtAs=20", "TxtF1=1000,0", "TxtFs=2000"});
        QVERIFY(boxes->messages.empty());
        QCOMPARE(
            ShownValues(r),
            QString("C1= .02666667 C2= .02666667 C3= .01553398 C4= .01553398 L1= 10 L2= 33 L3= 11 L4= 20"));
    }

    void chebyshevRippleWithoutARowIsRefused() {
        // A design with a known ripple leaves its section table behind; another ripple must not use it.
        boxes->answer("10");
        CloseResults(
            Calculate(w, {"Option2(1)", "CheckARC"}, {"CmbAmin=3", "TxtAs=10", "TxtF1=1000", "TxtFs=2000"}));
        QCOMPARE(FrmFiltr::state.N, int16_t(2));
        QCOMPARE(FrmFiltrItog::state.ChebFreq1, 0.84f);
        boxes->clear();

        FrmFiltrItog* r = Calculate(w, {}, {"CmbAmin=1"});
        QCOMPARE(FrmFiltr::state.N, int16_t(3));
        QCOMPARE(boxes->messageTexts(),
                 QStringList(
                     "Предупреждение|В таблице активных фильтров Чебышева нет строки для затухания «1» дБ в "
                     "полосе пропускания. Таблица содержит строки только для затухания 0.5 и 3 дБ: "
                     "выберите одно из них в списке."));
        QCOMPARE(boxes->messages[0].icon, MsgIcon::Warning);
        QVERIFY(boxes->inputs.empty());
        verifyNoDesign(r);
    }

    // The section table, gains and resistances live on from one design to the next: a design sets only
    // what it uses.
    void workingValuesOutliveTheWindow() {
        boxes->answer("10");
        CloseResults(Calculate(w, {"Option1(1)", "Option2(1)", "CheckARC"},
                               {"CmbAmin=3", "TxtAs=40", "TxtF1=1000", "TxtFs=500"}));  // order 5
        QCOMPARE(FrmFiltr::state.N, int16_t(5));
        const FrmFiltrItogState after5 = FrmFiltrItog::state;
        QCOMPARE(after5.ChebFreq3, 0.97f);
        QCOMPARE(after5.ChebDamp2, 0.11f);

        boxes->answer("10");
        CloseResults(Calculate(w, {"Option1(0)"},
                               {"CmbAmin=0.5", "TxtAs=10", "TxtF1=1000", "TxtFs=3000"}));  // order 2
        QCOMPARE(FrmFiltr::state.N, int16_t(2));
        const FrmFiltrItogState& now = FrmFiltrItog::state;
        QCOMPARE(now.ChebFreq1, 1.26f);
        QCOMPARE(now.ChebDamp1, 1.16f);
        QCOMPARE(now.ChebFreq2, after5.ChebFreq2);
        QCOMPARE(now.ChebFreq3, 0.97f);
        QCOMPARE(now.ChebDamp2, 0.11f);
        QCOMPARE(now.GainK2, after5.GainK2);
        QCOMPARE(now.ValR2, after5.ValR2);
        QCOMPARE(now.ValR7, after5.ValR7);
        QCOMPARE(now.ValR1, 10.0f);
        QCOMPARE(now.RText, QString("10"));
        QCOMPARE(now.CText, QString("10"));
    }
};

VOKTA_UI_TEST_MAIN(ActiveFiltersTest)
#include "ActiveFiltersTest.moc"
