#include <QLocale>
#include <QRegularExpression>
#include <memory>

#include "FilterDriver.h"
#include "ui/Twips.h"

using namespace vokta::test;
using namespace vokta::ui;

namespace {

const QString kOrderWarning = QStringLiteral(
    "Предупреждение|Извините, но фильтры такого большого порядка нигде не используются и здесь не "
    "расчитываются");
const QString kEmptyFields =
    QStringLiteral("Предупреждение|Необходимо заполнять все доступные поля исходных данных");

QStringList Items(QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
}

}  // namespace

class FrmFiltrTest : public QObject, FilterWindowFixture {
    Q_OBJECT

    QString text(const QString& name) {
        QWidget* c = Control(w, name);
        if (auto* list = qobject_cast<QComboBox*>(c)) return list->currentText();
        if (auto* label = qobject_cast<QLabel*>(c)) return label->text();
        return qobject_cast<QLineEdit*>(c)->text();
    }
    bool enabled(const char* name) { return Control(w, name)->isEnabled(); }

    // Fills the low-pass or high-pass fields and presses "Расчет".
    void calculateEdge(const char* Amin, const char* As, const char* F1, const char* Fs) {
        Type(w, "CmbAmin", Amin);
        Type(w, "TxtAs", As);
        Type(w, "TxtF1", F1);
        Type(w, "TxtFs", Fs);
        Click(w, "CmdCalc");
    }

    static std::string StopMessage(vokta::FilterType t) { return vokta::StopBandNotBeyondEdgeMessage(t); }

    // The rows of the two tables above: name, clicks, typed over a valid low-pass demand, the field
    // refused (empty: a run-time error, or no refusal), the expected "title|text" ("" when accepted).
    void addRows(bool outOfDomain) {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("published");  // "F1 Rn" after the calculation
        const QString notNumber = "Предупреждение|В поле «%1» должно быть число, а введено «%2».";
        const QString positive = "Предупреждение|Значение поля «%1» должно быть больше нуля, а введено «%2».";
        const QString load =
            "Предупреждение|Значение поля «Сопротивление нагрузки, Ом» должно быть от 1 до 32767, "
            "а введено «%1».";
        const QString above =
            "Предупреждение|Значение поля «Затухание в полосе задерживания, дБ» (0) должно быть больше "
            "значения поля «Затухание в полосе пропускания, дБ» (3).";
        const QString active =
            "Предупреждение|Активный фильтр рассчитывается только как фильтр нижних или верхних частот. "
            "Выберите тип фильтра или снимите флажок «Активный фильтр».";
        const QString loose =
            "Предупреждение|Требования так слабы, что их выполняет фильтр порядка 1, а программа "
            "рассчитывает фильтры начиная со второго порядка. Увеличьте значение поля «Затухание "
            "в полосе задерживания, дБ» или приблизьте частоту среза к полосе пропускания.";
        auto stop = [](vokta::FilterType t) { return "Ошибка|" + QString::fromStdString(StopMessage(t)); };
        const QStringList bp{"Option1(2)"}, bs{"Option1(3)"};
        const QStringList band{"TxtFright=11000", "TxtFleft=9000", "TxtFs=15000"};
        const QString amin = "Затухание в полосе пропускания, дБ";
        const QString rn = "Сопротивление нагрузки, Ом", f1 = "Граничная частота, Гц",
                      fs = "Частота среза, Гц";
        struct Row {
            const char* name;
            QStringList clicks, typed;
            QString field, message, published;
        };
        const std::vector<Row> numbers{
            {"load with its unit", {}, {"CmbRn=60 Ом"}, "CmbRn", notNumber.arg(rn, "60 Ом"), ""},
            {"letters", {}, {"CmbAmin=abc"}, "CmbAmin", notNumber.arg(amin, "abc"), ""},
            {"an edge with a decimal", {}, {"TxtF1=1000.5"}, "", "", "1000.5 50"},
            {"a load of 60 is 60", {}, {"CmbRn=60"}, "", "", "1000 60"},
        };
        using enum vokta::FilterType;
        const std::vector<Row> domain{
            {"Butterworth stop frequency in the pass band", {}, {"TxtFs=500"}, "", stop(LowPass), "1000 50"},
            {"Butterworth band-pass, in the band", bp,
             QStringList{"TxtFright=11000", "TxtFleft=9000", "TxtFs=10000"}, "", stop(BandPass), "0 50"},
            {"Butterworth band-stop stop frequency beyond the band", bs, band, "", stop(BandStop), "0 50"},
            {"no stop-band attenuation", {}, {"TxtAs=0"}, "TxtAs", above, ""},
            {"a demand a first order meets", {}, {"TxtAs=5"}, "TxtAs", loose, "1000 50"},
            {"the same, active: no input box", {"CheckARC"}, {"TxtAs=5"}, "TxtAs", loose, "1000 50"},
            {"zero edge", {}, {"TxtF1=0"}, "TxtF1", positive.arg(f1, "0"), ""},
            {"negative stop frequency", {}, {"TxtFs=-2000.5"}, "TxtFs", positive.arg(fs, "-2000.5"), ""},
            {"zero right edge",
             bp,
             {"TxtFright=0", "TxtFleft=-9000", "TxtFs=15000"},
             "TxtFright",
             positive.arg("Правая граничная частота, Гц", "0"),
             ""},
            {"edges crossed", bp, band + QStringList{"TxtFright=8000"}, "TxtFleft",
             "Предупреждение|Значение поля «Левая граничная частота, Гц» (9000) должно быть меньше значения "
             "поля "
             "«Правая граничная частота, Гц» (8000).",
             ""},
            {"zero load", {}, {"CmbRn=0.4"}, "CmbRn", load.arg("0.4"), ""},
            {"an active band filter", {"Option1(2)", "CheckARC"}, band, "Option1(0)", active, ""},
        };
        for (const Row& row : outOfDomain ? domain : numbers)
            for (const QString locale : {"en", "ru"}) {
                const bool bandRow = row.clicks.contains("Option1(2)") || row.clicks.contains("Option1(3)");
                QStringList typed = QStringList{"CmbAmin=3", "TxtAs=40"} +
                                    (bandRow ? QStringList{} : QStringList{"TxtF1=1000", "TxtFs=2000"}) +
                                    row.typed;
                QString message = row.message, published = row.published;
                if (locale == "ru")
                    for (QString& t : typed) {
                        const QString value = t.section('=', 1), comma = QString(value).replace('.', ',');
                        t = t.section('=', 0, 0) + "=" + comma;
                        message.replace("«" + value + "»", "«" + comma + "»")
                            .replace("(" + value + ")", "(" + comma + ")");
                    }
                QTest::addRow("%s, %s", row.name, qPrintable(locale))
                    << locale << row.clicks << typed << row.field << message << published;
            }
        // In an English format a comma is no decimal separator, and "1,000" is no number.
        if (!outOfDomain)
            for (const QString text : {"1,000", "1000,5"})
                QTest::addRow("%s, en", qPrintable(text))
                    << "en" << QStringList{}
                    << QStringList{"CmbAmin=3", "TxtAs=40", "TxtF1=" + text, "TxtFs=2000"} << "TxtF1"
                    << notNumber.arg("Граничная частота, Гц", text) << "";
    }
    void runRow() {
        QFETCH(QString, locale);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, typed);
        QFETCH(QString, field);
        QFETCH(QString, message);
        QFETCH(QString, published);
        QLocale::setDefault(locale == "ru" ? QLocale(QLocale::Russian) : QLocale(QLocale::English));
        Calculate(w, clicks, typed);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(boxes->messageTexts(), message.isEmpty() ? QStringList() : QStringList(message));
        QVERIFY(boxes->inputs.empty());
        QCOMPARE(
            QString("%1 %2").arg(vokta::ui::NumberText(FrmFiltr::state.F1).trimmed()).arg(FrmFiltr::state.Rn),
            published.isEmpty() ? QString("0 0") : published);
        QCOMPARE(Results() != nullptr, message.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(boxes->messages[0].icon,
                     message.startsWith("Ошибка") ? MsgIcon::Critical : MsgIcon::Warning);
        for (const QString& t : typed) {  // the last text typed into each field is still there
            const QString name = t.section('=', 0, 0);
            if (typed.filter(QRegularExpression("^" + QRegularExpression::escape(name) + "=")).last() == t)
                QCOMPARE(name + "=" + text(name), t);
        }
        if (!field.isEmpty()) {
            QWidget* focus = w->focusWidget();
            QWidget* expected = Control(w, field);
            QVERIFY2(focus == expected || expected->isAncestorOf(focus), qPrintable(field));
        }
    }

private slots:
    void init() { openFilterWindow(); }
    void cleanup() { closeAll(); }

    void opensFromTheMenuInItsDesignState() {
        QVERIFY(!Forms::IsLoaded<frmMain>());
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QString("Расчет фильтров"));
        QCOMPARE(w->size(), QSize(vokta::ui::twips(7770), vokta::ui::twips(4530)));
        QVERIFY(Control<QRadioButton>(w, "Option1(0)")->isChecked());
        QVERIFY(Control<QRadioButton>(w, "Option2(0)")->isChecked());
        QVERIFY(!Control<QCheckBox>(w, "CheckARC")->isChecked());
        QCOMPARE(text("LblAmin"), QString("Затухание в  полосе пропускания, дБ"));
        QCOMPARE(text("LblAs"), QString("Затухание в  полосе задерживания, дБ"));
        QCOMPARE(Items(Control<QComboBox>(w, "CmbAmin")), QStringList({"0.5", "1", "1.5", "2", "3"}));
        QCOMPARE(text("CmbAmin"), QString("0.5"));
        QCOMPARE(Items(Control<QComboBox>(w, "CmbRn")), QStringList({"50", "75", "600"}));
        QCOMPARE(text("CmbRn"), QString("50"));
        for (const char* name : {"TxtF1", "LblF1"}) QVERIFY2(enabled(name), name);
        for (const char* name : {"TxtFright", "TxtFleft", "LblFright", "LblFleft"})
            QVERIFY2(!enabled(name), name);
        for (const char* name : {"TxtAs", "TxtF1", "TxtFright", "TxtFleft", "TxtFs"})
            QVERIFY(text(name).isEmpty());
        const QStringList captions{"Option1(0)=Фильтр нижних частот",
                                   "Option1(1)=Фильтр верхних частот",
                                   "Option1(2)=Полосовой фильтр",
                                   "Option1(3)=Режекторный фильтр",
                                   "Option2(0)=Баттерворта",
                                   "Option2(1)=Чебышева",
                                   "CheckARC=Активный фильтр",
                                   "CmdCalc=Расчет",
                                   "CmdCls=Очистить",
                                   "CmdBack=Отмена"};
        for (const QString& c : captions) {
            const QString name = c.section('=', 0, 0);
            QCOMPARE(name + "=" + Control<QAbstractButton>(w, name)->text(), c);
        }
        QCOMPARE(Control(w, "CmdCalc")->toolTip(), QString("Начать расчет"));
        QCOMPARE(Control(w, "CmdCls")->toolTip(), QString("Очистить поля ввода данных"));
        QCOMPARE(Control(w, "CmdBack")->toolTip(), QString("Отмена расчета"));
        QCOMPARE(Control<QGroupBox>(w, "Frame1")->title(), QString("Тип фильтра"));
        QCOMPARE(Control<QGroupBox>(w, "Frame2")->title(), QString("Тип АЧХ фильтра"));
        QCOMPARE(Control<QGroupBox>(w, "Frame3")->title(), QString("Исходные данные"));
    }

    void filterTypeDecidesFieldsAndCaptions_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("edge");
        QTest::addColumn<QString>("amin");
        QTest::addColumn<QString>("as");
        const QString passAmin = "Затухание в полосе пропускания,дБ",
                      passAs = "Затухание в полосе задерживания,дБ";
        QTest::newRow("high-pass") << "Option1(1)" << true << passAmin << passAs;
        QTest::newRow("band-pass") << "Option1(2)" << false << passAmin << passAs;
        // A band-stop's pass band lies outside its notch.
        QTest::newRow("band-stop") << "Option1(3)" << false << "Затухание за полосой режекции,дБ"
                                   << "Затухание в полосе режекции,дБ";
        QTest::newRow("back to low-pass") << "Option1(0)" << true << passAmin << passAs;
    }
    void filterTypeDecidesFieldsAndCaptions() {
        QFETCH(QString, option);
        QFETCH(bool, edge);
        QFETCH(QString, amin);
        QFETCH(QString, as);
        if (option == "Option1(0)") Click(w, "Option1(3)");
        Click(w, option);
        QVERIFY(Control<QRadioButton>(w, option)->isChecked());
        QCOMPARE(enabled("TxtF1"), edge);
        QCOMPARE(enabled("LblF1"), edge);
        for (const char* name : {"TxtFright", "TxtFleft", "LblFright", "LblFleft"})
            QCOMPARE(enabled(name), !edge);
        QCOMPARE(text("LblAmin"), amin);
        QCOMPARE(text("LblAs"), as);
    }

    void responseAndActiveBoxRebuildTheAttenuationList() {
        auto* list = Control<QComboBox>(w, "CmbAmin");
        const QStringList butterworth{"0.5", "1", "1.5", "2", "3"};
        struct Step {
            const char* typed;
            const char* click;
            QStringList items;
            const char* text;  // what the user typed stays where the new list holds it, else the first item
        } steps[] = {
            {"3", "Option2(1)", {"0.5", "1", "2", "3"}, "3"},  // passive Chebyshev
            {"2", "CheckARC", {"0.5", "3"}, "0.5"},            // active Chebyshev
            {"2.5", "Option2(0)", butterworth, "0.5"},         // Butterworth, active or not
            {"3", "Option2(1)", {"0.5", "3"}, "3"},
            {"3", "CheckARC", {"0.5", "3"}, "3"},  // cleared: the list stays
            {"1.5", "Option2(0)", butterworth, "1.5"},
            {"1.5", "CheckARC", {"0.5", "1", "2", "3"}, "0.5"},  // active Butterworth
            {"2.5", "CheckARC", {"0.5", "1", "2", "3"}, "0.5"},
        };
        for (const Step& step : steps) {
            Type(w, "CmbAmin", step.typed);
            Click(w, step.click);
            QCOMPARE(Items(list), step.items);
            QCOMPARE(list->currentText(), QString(step.text));
        }
    }

    void activeFilterDisablesBandsAndHidesTheLoad() {
        Click(w, "Option1(2)");
        Click(w, "CheckARC");
        QVERIFY(Control<QRadioButton>(w, "Option1(2)")->isChecked());
        QVERIFY(!enabled("Option1(2)"));
        QVERIFY(!enabled("Option1(3)"));
        QVERIFY(enabled("Option1(0)"));
        QVERIFY(!enabled("LblRn"));
        QVERIFY(Control(w, "CmbRn")->isHidden());
        Click(w, "CheckARC");
        QVERIFY(enabled("Option1(2)") && enabled("Option1(3)") && enabled("LblRn"));
        QVERIFY(!Control(w, "CmbRn")->isHidden());
    }

    void bandEdgeWarning() {
        Click(w, "Option1(2)");
        Type(w, "TxtFleft", "5");  // the right edge comes first
        QCOMPARE(boxes->messageTexts(),
                 QStringList("Предупреждение|Левая граничная частота не может быть больше правой!!!"));
        QCOMPARE(boxes->messages[0].icon, MsgIcon::None);
        QCOMPARE(text("TxtFleft"), QString());
        boxes->clear();
        Type(w, "TxtFright", "11000");
        Type(w, "TxtFleft", "9000");
        QVERIFY(boxes->messages.empty());
        Type(w, "TxtFleft", "12000");  // over the right edge at its last digit
        QCOMPARE(boxes->messages.size(), size_t(1));
        QCOMPARE(text("TxtFleft"), QString());
        QCOMPARE(text("TxtFright"), QString("11000"));
    }

    void edgeWarningReadsTheWholeNumberInTheUsersFormat() {
        QLocale::setDefault(QLocale(QLocale::Russian));
        Click(w, "Option1(2)");
        Type(w, "TxtFright", "10,5");
        Type(w, "TxtFleft", "10,7");  // 10.7 is above 10.5, though both begin with 10
        QLocale::setDefault(QLocale::c());
        QCOMPARE(boxes->messageTexts(),
                 QStringList("Предупреждение|Левая граничная частота не может быть больше правой!!!"));
        QCOMPARE(text("TxtFleft"), QString());
    }

    void highPassStopFrequencyWarning() {
        Type(w, "TxtFs", "5");  // low-pass: no warning
        QVERIFY(boxes->messages.empty());
        Click(w, "Option1(1)");
        Type(w, "TxtFs", "7");  // no edge typed yet
        QCOMPARE(boxes->messageTexts(),
                 QStringList("Предупреждение|У ФВЧ частота среза меньше граничной частоты!!!"));
        QCOMPARE(boxes->messages[0].icon, MsgIcon::None);
        QCOMPARE(text("TxtFs"), QString());
        boxes->clear();
        Type(w, "TxtF1", "1000");
        Type(w, "TxtFs", "500");
        QVERIFY(boxes->messages.empty());
        Type(w, "TxtFs", "2000");
        QCOMPARE(boxes->messages.size(), size_t(1));
        QCOMPARE(text("TxtFs"), QString());
    }

    void emptyFieldsStopTheCalculation_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("emptied");
        QTest::addColumn<bool>("active");
        QTest::newRow("low-pass stop frequency") << "Option1(0)"
                                                 << "TxtFs" << false;
        QTest::newRow("low-pass attenuation") << "Option1(0)"
                                              << "TxtAs" << false;
        QTest::newRow("high-pass edge") << "Option1(1)"
                                        << "TxtF1" << false;
        QTest::newRow("low-pass list") << "Option1(0)"
                                       << "CmbAmin" << false;
        QTest::newRow("hidden load of an active filter") << "Option1(0)"
                                                         << "CmbRn" << true;
        QTest::newRow("band-pass left edge") << "Option1(2)"
                                             << "TxtFleft" << false;
        QTest::newRow("band-stop right edge") << "Option1(3)"
                                              << "TxtFright" << false;
    }
    void emptyFieldsStopTheCalculation() {
        QFETCH(QString, option);
        QFETCH(QString, emptied);
        QFETCH(bool, active);
        Type(w, "TxtAs", "40");
        Type(w, "TxtF1", "1000");
        Type(w, "TxtFright", "11000");
        Type(w, "TxtFleft", "9000");
        Type(w, "TxtFs", "1000");  // a high-pass stop frequency may not exceed the edge
        Click(w, option);
        Type(w, emptied, "");
        if (active) Click(w, "CheckARC");
        if (emptied == "CmbAmin") Type(w, "CmbAmin", "");
        boxes->clear();
        Click(w, "CmdCalc");
        QCOMPARE(boxes->messageTexts(), QStringList(kEmptyFields));
        QCOMPARE(boxes->messages[0].icon, MsgIcon::Warning);
        QVERIFY(!Results());
    }

    void aBlankCountsAsFilled() {
        // A blank is no empty field, but it is no number either.
        calculateEdge("3", "40", " ", "2000");
        QCOMPARE(
            boxes->messageTexts(),
            QStringList("Предупреждение|В поле «Граничная частота, Гц» должно быть число, а введено «»."));
        QVERIFY(!Results());
    }

    void calculationPublishesTheRequirements_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("typed");  // name=text, in typing order
        QTest::addColumn<int>("N");
        QTest::addColumn<QString>("ws");
        QTest::addColumn<QStringList>("messages");
        const QStringList lp{"TxtF1=1000", "TxtFs=2000"};
        QTest::newRow("Butterworth 40 / 6")
            << QStringList{} << QStringList{"CmbAmin=3", "TxtAs=40"} + lp << 7 << " 2" << QStringList{};
        QTest::newRow("Butterworth above 7")
            << QStringList{} << QStringList{"CmbAmin=0.5", "TxtAs=40"} + lp << 9 << " 2"
            << QStringList{kOrderWarning,
                           "Предупреждение|ФНЧ с порядком более 7 не расчитываются "
                           "этой программой"};
        QTest::newRow("Chebyshev 52 / 11")
            << QStringList{"Option2(1)"} << QStringList{"CmbAmin=1", "TxtAs=40"} + lp << 5 << " 2"
            << QStringList{};
        QTest::newRow("active Chebyshev keeps 2")
            << QStringList{"Option2(1)", "CheckARC"}
            << QStringList{"CmbAmin=3", "TxtAs=20", "TxtF1=1000", "TxtFs=3000"} << 2 << " 3" << QStringList{};
        // No order warning from the requirements window; the results window refuses an active order above 5.
        QTest::newRow("active Chebyshev above 7, no warning")
            << QStringList{"Option2(1)", "CheckARC"} << QStringList{"CmbAmin=0.5", "TxtAs=80"} + lp << 9
            << " 2"
            << QStringList{"Предупреждение|Активные ФНЧ с порядком более 5 не расчитываются этой программой"};
        QTest::newRow("high-pass") << QStringList{"Option1(1)"}
                                   << QStringList{"CmbAmin=1", "TxtAs=20", "TxtF1=3000", "TxtFs=1000"} << 3
                                   << " 3" << QStringList{};
        QTest::newRow("band-pass 40 / 12")
            << QStringList{"Option1(2)"}
            << QStringList{"CmbAmin=3", "TxtAs=40", "TxtFright=11000", "TxtFleft=9000", "TxtFs=15000"} << 4
            << " 4.2" << QStringList{};
    }
    void calculationPublishesTheRequirements() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, typed);
        QFETCH(int, N);
        QFETCH(QString, ws);
        QFETCH(QStringList, messages);
        for (const QString& c : clicks) Click(w, c);
        Fill(w, typed);
        // An active design of order 2 to 5 asks for its resistance; Cancel ends it quietly.
        if (clicks.contains("CheckARC") && N >= 2 && N <= 5) boxes->cancel();
        Click(w, "CmdCalc");
        QCOMPARE(boxes->messageTexts(), messages);
        QCOMPARE(int(FrmFiltr::state.N), N);
        QCOMPARE(vokta::ui::NumberText(FrmFiltr::state.Ws), ws);
        QCOMPARE(FrmFiltr::state.Rn, int16_t(50));
        QVERIFY(Results() && Results()->isVisible());  // opens after the order warning too
        QVERIFY(w->isVisible());
    }

    void hiddenLoadIsStillRead() {
        Type(w, "CmbRn", "75");
        Click(w, "CheckARC");
        QVERIFY(Control(w, "CmbRn")->isHidden());
        calculateEdge("0.5", "40", "1000", "2000");
        QCOMPARE(FrmFiltr::state.Rn, int16_t(75));
        QCOMPARE(FrmFiltr::state.Amin, 0.5f);
    }

    void requirementsOutsideTheEstimateAreExplained_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        const QString lowPass =
            QString::fromStdString(vokta::StopBandNotBeyondEdgeMessage(vokta::FilterType::LowPass));
        QTest::newRow("no pass-band attenuation")
            << QStringList{} << QStringList{"CmbAmin=0", "TxtAs=40", "TxtF1=1000", "TxtFs=2000"}
            << "Затухание в полосе пропускания должно быть больше нуля.";
        QTest::newRow("stop frequency at the edge")
            << QStringList{} << QStringList{"CmbAmin=1", "TxtAs=40", "TxtF1=1000", "TxtFs=1000"} << lowPass;
        QTest::newRow("Chebyshev stop frequency inside the pass band")
            << QStringList{"Option2(1)"} << QStringList{"CmbAmin=1", "TxtAs=40", "TxtF1=1000", "TxtFs=900"}
            << lowPass;
        QTest::newRow("band-pass stop frequency below the centre")
            << QStringList{"Option1(2)"}
            << QStringList{"CmbAmin=1", "TxtAs=40", "TxtFright=11000", "TxtFleft=9000", "TxtFs=5000"}
            << QString::fromStdString(vokta::StopBandNotBeyondEdgeMessage(vokta::FilterType::BandPass));
        QTest::newRow("band-stop attenuation")
            << QStringList{"Option1(3)"}
            << QStringList{"CmbAmin=-1", "TxtAs=40", "TxtFright=11000", "TxtFleft=9000", "TxtFs=10200"}
            << "Затухание за полосой режекции должно быть больше нуля.";
    }
    void requirementsOutsideTheEstimateAreExplained() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        for (const QString& c : clicks) Click(w, c);
        Fill(w, typed);
        FrmFiltr::state.N = 42;
        Click(w, "CmdCalc");
        QCOMPARE(boxes->messageTexts(), QStringList("Ошибка|" + message));
        QCOMPARE(boxes->messages[0].icon, MsgIcon::Critical);
        QVERIFY(!Results());
        QCOMPARE(FrmFiltr::state.N, int16_t(42));  // the order is not touched
    }

    // ---- Typed numbers: the whole text, in the user's format ----
    // Each row runs in an English and a Russian number format; in the Russian one a decimal point in the
    // row is typed as a comma. A refused row names its field and text, puts the focus there, computes
    // nothing and keeps every typed text.
    void typedNumbers_data() { addRows(false); }
    void typedNumbers() { runRow(); }

    // ---- Values outside their domain: refused by name, no results window ----
    void valuesOutsideTheirDomain_data() { addRows(true); }
    void valuesOutsideTheirDomain() { runRow(); }

    void clearEmptiesTheBoxesOnly() {
        Click(w, "Option2(1)");
        Type(w, "CmbAmin", "2");
        Type(w, "CmbRn", "600");
        Type(w, "TxtAs", "40");
        Type(w, "TxtF1", "1000");
        Click(w, "Option1(2)");
        Type(w, "TxtFright", "11000");
        Type(w, "TxtFleft", "9000");
        Type(w, "TxtFs", "500");
        Click(w, "Option1(1)");  // high-pass: clearing the edge before the stop frequency warns of nothing
        Click(w, "CmdCls");
        QVERIFY(boxes->messages.empty());
        for (const char* name : {"TxtAs", "TxtF1", "TxtFright", "TxtFleft", "TxtFs"})
            QCOMPARE(text(name), QString());
        QCOMPARE(text("CmbAmin"), QString("2"));
        QCOMPARE(Items(Control<QComboBox>(w, "CmbAmin")), QStringList({"0.5", "1", "2", "3"}));
        QCOMPARE(text("CmbRn"), QString("600"));
        QVERIFY(Control<QRadioButton>(w, "Option1(1)")->isChecked());
        QVERIFY(Control<QRadioButton>(w, "Option2(1)")->isChecked());
    }

    void calculateWhileTheResultsAreOpenOnlyBringsThemForward() {
        calculateEdge("3", "40", "1000", "2000");
        FrmFiltrItog* results = Results();
        const QString values = ShownValues(results);
        QCOMPARE(FrmFiltr::state.N, int16_t(7));
        Type(w, "TxtAs", "80");  // an order above 7 would warn
        Type(w, "TxtFs", "");
        Click(w, "CmdCalc");  // not even the empty stop frequency is reported
        QVERIFY(boxes->messages.empty());
        QCOMPARE(Results(), results);
        QCOMPARE(ShownValues(results), values);
        QCOMPARE(FrmFiltr::state.N, int16_t(7));
        QCOMPARE(FrmFiltr::state.Astop, 40.0f);
    }

    void aResultsWindowWithoutADesignGivesWayToANewCalculation() {
        Click(w, "CheckARC");
        boxes->cancel();  // the active filter's resistance is not given: no design
        calculateEdge("3", "20", "1000", "2000");
        QVERIFY(Results() && !Results()->HasDesign());
        boxes->answer("10");
        Click(w, "CmdCalc");
        QVERIFY(Results() && Results()->HasDesign());
    }

    void noCaptionIsClipped() {
        for (const char* option : {"Option1(0)", "Option1(3)"}) {
            Click(w, option);
            for (QLabel* l : w->findChildren<QLabel*>()) {
                QVERIFY2(l->sizeHint().width() <= l->width(), qPrintable(l->objectName() + ": " + l->text()));
                QVERIFY2(l->sizeHint().height() <= l->height(), qPrintable(l->objectName()));
            }
            for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
                const int room = b->width() - (qobject_cast<QPushButton*>(b) ? 8 : 0);
                QVERIFY2(b->sizeHint().width() <= room || qobject_cast<QPushButton*>(b),
                         qPrintable(b->objectName()));
                QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) + 8 <= b->width(),
                         qPrintable(b->objectName()));
            }
            for (QWidget* c : w->findChildren<QWidget*>()) {
                if (c->isHidden() || c->objectName().isEmpty() || c->objectName().startsWith("qt_")) continue;
                if (c->objectName() == "Line1") continue;  // the separator runs from edge to edge
                QVERIFY2(c->parentWidget()->rect().contains(c->geometry()),
                         qPrintable(c->objectName() + " leaves its parent"));
            }
        }
    }
};

VOKTA_UI_TEST_MAIN(FrmFiltrTest)
#include "FrmFiltrTest.moc"
