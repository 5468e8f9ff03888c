// The "АЧХ" button of the results window: enabled only with a design shown, placed beside "Закрыть",
// and opening the frequency response of the design on show against the demand it was made for.
#include <QChart>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTableWidget>
#include <memory>

#include "FilterDriver.h"
#include "filters/ui/FrmResponse.h"
#include "support/ShownChart.h"
#include "ui/Twips.h"

using namespace vokta::test;
using namespace vokta::ui;

class FrmFiltrItogResponseTest : public QObject, FilterWindowFixture {
    Q_OBJECT

    // Presses "АЧХ" and returns the verdict line of the window it opens.
    QString response(FrmFiltrItog* results) {
        auto* button = Control<QPushButton>(results, "CmdResponse");
        if (!button->isEnabled()) return "(disabled)";
        Click(results, "CmdResponse");
        FrmResponse* plot = Forms::Find<FrmResponse>();
        if (!plot || !plot->isVisible()) return "(no window)";
        plot->CmbSeries->setCurrentText("—");  // the design's own values, as the results window judges them
        return ShownChart(plot->ChartView)->title() + "\n" + plot->LblVerdict->text();
    }

    QString verdict(FrmFiltrItog* results) {
        auto* line = Control<QLabel>(results, "LblVerdict");
        return line->isHidden() ? "(hidden)" : line->text();
    }

private slots:
    void init() { openFilterWindow(QLocale(QLocale::Russian)); }
    void cleanup() { closeAll(); }

    void eachKindOfDesign_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("expected");
        // Butterworth order 5 for 1000 Hz: its edge lies at 1000·6.28/2π = 999.49 Hz, so 2000 Hz is
        // x = 2.001 edges out: 10·lg(1 + x^10) = 30.1 dB (the margin over the 25 dB asked is 5.1 dB). At
        // 1000 Hz, just beyond that edge, the loss is 3.02 dB: the 3 dB demand is missed by 0.02 dB.
        QTest::newRow("passive low-pass")
            << QStringList{} << QStringList{"CmbAmin=3", "TxtAs=25", "TxtF1=1000", "TxtFs=2000"} << QString()
            << QString(
                   "Пассивный фильтр нижних частот, порядок 5\n"
                   "Полоса пропускания: до 3.02 дБ (допустимо 3 дБ) — не выполнено, превышение 0.02 дБ.   "
                   "Полоса задерживания: от 30.1 дБ (требуется 25 дБ) — выполнено, запас 5.1 дБ.");
        // Butterworth prototype order 4 between 9000 and 11000 Hz (F0 = 9949.87, K = 4.975). The resonators
        // are tuned with 6.28 for 2π, so the whole response sits 0.05 % low: the upper edge is met at
        // 11000 / 0.99949 Hz, x = K·(f/F0 - F0/f) = 1.0051 and 10·lg(1 + x^8) = 3.10 dB, just under a tenth
        // over; at 15000 Hz x = 4.2 and 10·lg(1 + x^8) = 49.9 dB.
        QTest::newRow("passive band-pass")
            << QStringList{"Option1(2)"}
            << QStringList{"CmbAmin=3", "TxtAs=40", "TxtFright=11000", "TxtFleft=9000", "TxtFs=15000"}
            << QString()
            << QString(
                   "Пассивный полосовой фильтр, порядок прототипа 4\n"
                   "Полоса пропускания: до 3.10 дБ (допустимо 3 дБ) — не выполнено, превышение 0.10 дБ.   "
                   "Полоса задерживания: от 49.9 дБ (требуется 40 дБ) — выполнено, запас 9.9 дБ.");
        // Band-stop, prototype order 3, the same edges: the rejection band's edge at 10200 Hz is met at
        // 10200 / 0.99949 Hz, where 1/x = K·(f/F0 - F0/f) = 0.2521 and 10·lg(1 + x^6) = 35.9 dB.
        QTest::newRow("passive band-stop")
            << QStringList{"Option1(3)"}
            << QStringList{"CmbAmin=3", "TxtAs=30", "TxtFright=11000", "TxtFleft=9000", "TxtFs=10200"}
            << QString()
            << QString(
                   "Пассивный режекторный фильтр, порядок прототипа 3\n"
                   "Полоса пропускания: до 3.08 дБ (допустимо 3 дБ) — не выполнено, превышение 0.08 дБ.   "
                   "Полоса задерживания: от 35.9 дБ (требуется 30 дБ) — выполнено, запас 5.9 дБ.");
        // Active Butterworth high-pass, order 4, C = 0.01 µF: the edge corrected to 999.70 Hz gives
        // R = 0.16 / (C·F1) = 16.005 kΩ, so both sections have their corner at 1 / (2π·RC) = 994.4 Hz,
        // with the gains 1.15 and 2.24 (dampings 1.85 and 0.76, Butterworth's 1.848 and 0.765). With
        // x = 994.4 / f, 10·lg(1 + x^8) is 2.9 dB at 1000 Hz and 23.9 dB at 500 Hz.
        QTest::newRow("active high-pass")
            << QStringList{"Option1(1)", "CheckARC"}
            << QStringList{"CmbAmin=3", "TxtAs=20", "TxtF1=1000", "TxtFs=500"} << QString("0.01")
            << QString(
                   "Активный фильтр верхних частот, порядок 4\n"
                   "Полоса пропускания: до 2.9 дБ (допустимо 3 дБ) — выполнено, запас 0.1 дБ.   "
                   "Полоса задерживания: от 23.9 дБ (требуется 20 дБ) — выполнено, запас 3.9 дБ.");
        // Active Butterworth low-pass, order 3, R = 10 kΩ, C = 0.016 µF everywhere, K = 1 + 20/20: the
        // first-order group R5, C3 is not buffered and the section after it loads it, so with x = jf/f0,
        // f0 = 994.7 Hz, the circuit gives 2 / (x³ + 3x² + 2x + 1), not Butterworth's 2 / (x³ + 2x² + 2x +
        // 1). That has a 0.9 dB hump (|D| = 0.898 at f = 0.44·f0) and |D| = 2.262 at 1000 Hz, 11.86 at 2000
        // Hz: 8.0 dB and 22.4 dB below the hump.
        QTest::newRow("active low-pass, odd order")
            << QStringList{"CheckARC"} << QStringList{"CmbAmin=3", "TxtAs=15", "TxtF1=1000", "TxtFs=2000"}
            << QString("10")
            << QString(
                   "Активный фильтр нижних частот, порядок 3\n"
                   "Полоса пропускания: до 8.0 дБ (допустимо 3 дБ) — не выполнено, превышение 5.0 дБ.   "
                   "Полоса задерживания: от 22.4 дБ (требуется 15 дБ) — выполнено, запас 7.4 дБ.");
    }
    // In both number formats (in the Russian one a decimal point typed as a comma), the results window's
    // verdict, one demand a line, says what the response window says, its numbers in the user's format.
    void eachKindOfDesign() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, typed);
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        for (const bool russian : {true, false}) {
            UnloadAllForms();
            w = OpenFilterWindow();
            QLocale::setDefault(russian ? QLocale(QLocale::Russian) : QLocale(QLocale::English));
            auto format = [russian](QString text) { return russian ? text.replace('.', ',') : text; };
            if (!answer.isEmpty()) boxes->answer(format(answer));
            for (QString& t : typed) t = t.section('=', 0, 0) + "=" + format(t.section('=', 1));
            FrmFiltrItog* r = Calculate(w, clicks, typed);
            QVERIFY(r);
            const QString shown =
                russian ? QString(expected).replace(QRegularExpression("(\\d)\\.(\\d)"), "\\1,\\2")
                        : expected;
            QCOMPARE(verdict(r), QString(shown).section('\n', 1).replace("   ", "\n"));
            QCOMPARE(response(r), shown);
            VOKTA_VERIFY_BOXES_DONE(*boxes);
            QVERIFY(boxes->messages.empty());
            CloseResults(r);
        }
    }

    void aDesignWithoutAResponseSaysWhy_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message");
        // R = 0.4 kΩ: the dividers, in whole kΩ, come out as 0 and 0.
        QTest::newRow("divider of 0 kΩ")
            << QStringList{"CheckARC"} << QStringList{"CmbAmin=3", "TxtAs=15", "TxtF1=1000", "TxtFs=2000"}
            << "0.4"
            << "Ошибка|У усилителя DA1 нет резистора от инвертирующего входа на землю (его сопротивление не "
               "больше "
               "нуля): усиление каскада не определено, АЧХ не построить.";
        // Chebyshev 3 dB high-pass of order 3: the first-order group, tuned to 0.3 of the section's
        // frequency, feeds DA1's section of gain 2.67 and the loop oscillates.
        QTest::newRow("unstable") << QStringList{"Option1(1)", "Option2(1)", "CheckARC"}
                                  << QStringList{"CmbAmin=3", "TxtAs=20", "TxtF1=1000", "TxtFs=500"} << "0.01"
                                  << "Ошибка|Фильтр неустойчив: усиление одного из каскадов так велико, что "
                                     "он возбуждается. АЧХ у такой "
                                     "схемы нет.";
    }
    void aDesignWithoutAResponseSaysWhy() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, typed);
        QFETCH(QString, answer);
        QFETCH(QString, message);
        boxes->answer(answer);
        FrmFiltrItog* r = Calculate(w, clicks, typed);
        QVERIFY(boxes->messages.empty());
        // The results window says it under its frame, in the same words.
        QCOMPARE(verdict(r), message.section('|', 1));
        QCOMPARE(response(r), QString("(no window)"));
        QCOMPARE(boxes->messageTexts(), QStringList{message});
        QCOMPARE(boxes->messages.front().icon, vokta::ui::MsgIcon::Critical);
        VOKTA_VERIFY_BOXES_DONE(*boxes);
    }

    void refusedOrdersOpenOnTheExactDesign_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("parts");
        // Butterworth needs lg((10^4 - 1)/(10^0.05 - 1)) / (2·lg 2) = 8.16, so order 9, which the procedure
        // refuses. An elliptic response needs K(k)·K'(k1) / (K'(k)·K(k1)) = 3.51 with k = 1/2 and
        // k1 = 0.00349, so order 4, raised to 5 for equal terminations: three capacitors to ground and two
        // traps in the line, seven parts.
        QTest::newRow("passive, elliptic")
            << QStringList{} << QStringList{"CmbAmin=0.5", "TxtAs=40", "TxtF1=1000", "TxtFs=2000"}
            << "Эллиптический"
            << "Пассивный фильтр нижних частот, порядок 5, точный расчет" << 7;
        QTest::newRow("passive, as designed")
            << QStringList{} << QStringList{"CmbAmin=0.5", "TxtAs=40", "TxtF1=1000", "TxtFs=2000"}
            << "Как в расчете"
            << "Пассивный фильтр нижних частот, порядок 9, точный расчет" << 9;
        // Butterworth: lg((10^3.1 - 1)/(10^0.3 - 1)) / (2·lg 2) = 5.15, so order 6: three sections of two
        // resistors, two capacitors, an amplifier and its divider.
        QTest::newRow("active") << QStringList{"CheckARC"}
                                << QStringList{"CmbAmin=3", "TxtAs=31", "TxtF1=1000", "TxtFs=2000"}
                                << "Как в расчете"
                                << "Активный фильтр нижних частот, порядок 6, точный расчет" << 21;
    }
    void refusedOrdersOpenOnTheExactDesign() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, typed);
        QFETCH(QString, family);
        QFETCH(QString, title);
        QFETCH(int, parts);
        FrmFiltrItog* r = Calculate(w, clicks, typed);
        QVERIFY(FrmFiltr::state.N > (clicks.isEmpty() ? 7 : 5));
        QVERIFY(!Control<QPushButton>(r, "CmdPdf")->isEnabled());  // nothing of the procedure to print
        Click(r, "CmdResponse");
        FrmResponse* form = Forms::Find<FrmResponse>();
        QVERIFY(form && form->isVisible());
        QCOMPARE(form->CmbDesign->currentText(), QString("Точный расчет"));
        auto offered = [&] {
            return qobject_cast<QStandardItemModel*>(form->CmbDesign->model())->item(0)->isEnabled();
        };
        QVERIFY(!offered());
        form->CmbFamily->setCurrentText(family);
        form->CmbSeries->setCurrentText("—");
        QCOMPARE(ShownChart(form->ChartView)->title(), title);
        QVERIFY2(form->LblVerdict->text().count("— выполнено") == 2, qPrintable(form->LblVerdict->text()));
        QCOMPARE(form->TblParts->rowCount(), parts);
        QVERIFY(form->CmdExport->isEnabled());

        // A design of the procedure offers its own again (the kind of filter stays chosen).
        Click(r, "CmdBack");
        Settle();
        if (!clicks.isEmpty()) boxes->answer("10");
        r = Calculate(w, {}, {"CmbAmin=3", "TxtAs=10", "TxtF1=1000", "TxtFs=2000"});
        Click(r, "CmdResponse");
        form = Forms::Find<FrmResponse>();
        QVERIFY(form && offered());
        form->CmbDesign->setCurrentText("По методике");
        QCOMPARE(form->CmbDesign->currentIndex(), 0);
    }

    void theButtonStandsLeftOfCloseAndMovesWithIt() {
        // Windows of different widths: a narrow order-2 picture, a wide order-7 one, the refused design.
        const QList<QStringList> designs{{"CmbAmin=3", "TxtAs=10", "TxtF1=1000", "TxtFs=2000"},
                                         {"CmbAmin=3", "TxtAs=40", "TxtF1=1000", "TxtFs=2000"},
                                         {"CmbAmin=0.5", "TxtAs=40", "TxtF1=1000", "TxtFs=2000"}};
        for (const QStringList& typed : designs) {
            FrmFiltrItog* r = Calculate(w, {}, typed);
            auto* back = Control<QPushButton>(r, "CmdBack");
            auto* button = Control<QPushButton>(r, "CmdResponse");
            QCOMPARE(button->text(), QString("АЧХ"));
            QCOMPARE(button->geometry(), back->geometry().translated(-twips(1575), 0));
            QVERIFY(button->x() > 0);
            // Tab reaches it just before "Закрыть".
            QCOMPARE(button->nextInFocusChain(), static_cast<QWidget*>(back));
            Click(r, "CmdBack");
            Settle();
        }
    }

    void theDemandIsTheOneTheDesignWasMadeFor() {
        FrmFiltrItog* r = Calculate(w, {}, {"CmbAmin=3", "TxtAs=25", "TxtF1=1000", "TxtFs=2000"});
        // The requirements change while the results are on show; "Расчет" only brings them forward.
        Type(w, "TxtAs", "60");
        Type(w, "TxtFs", "3000");
        Click(w, "CmdCalc");
        QCOMPARE(Results(), r);
        QVERIFY(response(r).endsWith("от 30,1 дБ (требуется 25 дБ) — выполнено, запас 5,1 дБ."));
        // Pressed again, the window shows the same design once more.
        QVERIFY(response(r).endsWith("(требуется 25 дБ) — выполнено, запас 5,1 дБ."));
        int plots = 0;
        for (QWidget* form : Forms::Loaded()) plots += form->objectName() == "FrmResponse";
        QCOMPARE(plots, 1);
    }

    // Closing the results window, by its button or its title bar, takes the response window with it;
    // closing the requirements window takes both, and the main window comes back.
    void theResponseWindowGoesWithItsResults_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("how");  // a button, or "" for the title bar's close (Alt+F4)
        QTest::addColumn<QString>("left");
        QTest::newRow("results, Закрыть") << "FrmFiltrItog"
                                          << "CmdBack"
                                          << "FrmFiltr";
        QTest::newRow("results, title bar") << "FrmFiltrItog"
                                            << ""
                                            << "FrmFiltr";
        QTest::newRow("requirements, Отмена") << "FrmFiltr"
                                              << "CmdBack"
                                              << "frmMain";
        QTest::newRow("requirements, title bar") << "FrmFiltr"
                                                 << ""
                                                 << "frmMain";
    }
    void theResponseWindowGoesWithItsResults() {
        QFETCH(QString, window);
        QFETCH(QString, how);
        QFETCH(QString, left);
        FrmFiltrItog* r = Calculate(w, {}, {"CmbAmin=3", "TxtAs=25", "TxtF1=1000", "TxtFs=2000"});
        response(r);
        QVERIFY(Forms::IsLoaded<FrmResponse>());
        QWidget* closing = window == "FrmFiltr" ? static_cast<QWidget*>(w) : r;
        if (how.isEmpty())
            closing->close();
        else
            Click(closing, how);
        Settle();
        QStringList loaded;
        for (QWidget* form : Forms::Loaded())
            loaded << form->objectName() + (form->isVisible() ? "" : " hidden");
        QCOMPARE(loaded, QStringList{left});
        VOKTA_VERIFY_BOXES_DONE(*boxes);
        QVERIFY(boxes->messages.empty());
    }
};

VOKTA_UI_TEST_MAIN(FrmFiltrItogResponseTest)
#include "FrmFiltrItogResponseTest.moc"
