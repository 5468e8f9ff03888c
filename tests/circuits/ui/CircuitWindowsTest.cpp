#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "app/Dialog1.h"
#include "app/Dialog2.h"
#include "app/frmMain.h"
#include "base/PictureNumbers.h"
#include "circuits/ui/CircuitPictures.h"
#include "circuits/ui/FrmKontur2.h"
#include "circuits/ui/frmKontur1.h"
#include "support/DrawingChecks.h"
#include "support/WindowDriver.h"
#include "ui/Forms.h"
#include "ui/FrmPlot.h"
#include "ui/Pictures.h"

using namespace vokta::test;
using namespace vokta::ui;

namespace {

const QStringList kBandSpreadBoxes{"TxtFmax", "TxtFmin", "TxtL", "TxtC3max", "TxtC3min", "TxtC4"};
const QStringList kThreePointBoxes{"TxtFmax", "TxtFmin", "TxtL", "TxtCmax", "TxtCmin", "TxtCcp"};

const QString kWarning = QStringLiteral("Предупреждение");
const QString kCannotCover = QStringLiteral(
    "Указанные вами емкость С3,C4 и индуктивность L1 не могут обеспечить перекрытие требуемого диапазона "
    "частот");
const QString kImpossible = QStringLiteral(
    "Невозможно выполнить заданные вами условия. Поменяйте один или несколько параметров в исходных данных");
const QString kEmpty = QStringLiteral("Необходимо заполнять все доступные поля исходных данных");

// Types one value into each box, in order ("" leaves a box empty).
void FillBoxes(QWidget* w, const QStringList& names, const QStringList& values) {
    for (int i = 0; i < names.size(); ++i) Type(w, names[i], values[i]);
}

// "visible:text" of each result label, for compact comparisons.
QStringList Results(QWidget* w, QList<const char*> names) {
    QStringList out;
    for (const char* n : names) out << (Control(w, n)->isHidden() ? "hidden:" : "shown:") + Text(w, n);
    return out;
}

}  // namespace

class CircuitWindowsTest : public QObject {
    Q_OBJECT

    int programEnds = 0;

private slots:
    void init() {
        UnloadAllForms();
        programEnds = 0;
        Forms::SetLastFormHandler([this] { ++programEnds; });
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void cleanup() {
        UnloadAllForms();
        Forms::SetLastFormHandler([] {});
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void bandSpreadDesignState() {
        auto* w = Forms::Show<frmKontur1>();
        QCOMPARE(w->windowTitle(), QString("Расчет контура"));
        QCOMPARE(Text(w, "Frame1"), QString("Исходные данные"));
        const QStringList captions{"LblFmax=Максимальная частота диапазона, МГц",
                                   "LblFmin=Минимальная частота диапазона, МГц",
                                   "LblL=Индуктивность контура, мкГн",
                                   "LblC3max=Максимальная емкость КПЕ, пФ",
                                   "LblC3min=Минимальная емкость КПЕ, пФ",
                                   "LblC4=Входная емкость транзистора, пФ"};
        for (const QString& c : captions) {
            const QString name = c.section('=', 0, 0);
            QCOMPARE(Text(w, name), c.section('=', 1));
        }
        QStringList tips;
        for (const QString& n : kBandSpreadBoxes) {
            QVERIFY(Text(w, n).isEmpty());
            tips << Control(w, n)->toolTip();
        }
        QCOMPARE(tips, QStringList({"", "", "Индуктивность L1", "", "", "Емкость С4"}));
        QCOMPARE(Text(w, "CmdCalc"), QString("Расчет"));
        QCOMPARE(Text(w, "CmdCancel"), QString("Отмена"));
        QCOMPARE(Results(w, {"LblC1", "LblC2"}), QStringList({"hidden:", "hidden:"}));
        QVERIFY(!Control<QLabel>(w, "Image1")->pixmap().isNull());
    }

    // The window's circuit: drawn once at its size, its parts where the circuit has them.
    void bandSpreadDiagram() {
        const QPixmap diagram = vokta::ui::LoadBandSpreadDiagram();
        QCOMPARE(diagram.size(), QSize(200, 150));
        QCOMPARE(vokta::ui::LoadBandSpreadDiagram().cacheKey(), diagram.cacheKey());
        const vokta::ui::schematic::Scene scene = vokta::ui::pictures::DrawBandSpreadDiagram();
        vokta::test::CheckDrawing("band-spread", scene, diagram.size(), diagram.toImage());
        QHash<QString, QRectF> at;
        for (const auto& t : scene.Texts()) at[t.text] = t.box;
        QStringList letters = at.keys();
        letters.sort();
        QCOMPARE(letters.join(' '), QString("C1 C2 C3 C4 L1"));  // no terminals, nothing else
        QVERIFY(at["L1"].center().x() < at["C1"].center().x());  // the coil on the left
        QVERIFY(at["C1"].center().y() < at["C2"].center().y());  // C1 above C2
        QCOMPARE(at["C1"].center().x(), at["C2"].center().x());
        QVERIFY(at["C3"].center().y() > at["C1"].center().y());  // from the junction down
        for (const char* other : {"L1", "C1", "C2", "C3"})
            QVERIFY(at["C4"].center().x() > at[other].center().x());  // across the whole circuit
    }

    void bandSpreadCalculates_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("results");
        const QStringList example{"3.8", "3.5", "10", "365", "10", "10"};
        const QStringList rounded{"shown:Емкость С1= 260 пФ", "shown:Емкость С2= 445 пФ"};
        QTest::newRow("worked example") << QLocale(QLocale::English) << example << rounded;
        // C2 = 444.96 is rounded as a number in every format.
        QTest::newRow("Russian number format, points") << QLocale(QLocale::Russian) << example << rounded;
        QTest::newRow("Russian number format, commas")
            << QLocale(QLocale::Russian) << QStringList{"3,8", " 3,5 ", "10", "365", "10", "10"} << rounded;
    }
    void bandSpreadCalculates() {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, results);
        QLocale::setDefault(locale);
        BoxScript boxes;
        auto* w = Forms::Show<frmKontur1>();
        FillBoxes(w, kBandSpreadBoxes, inputs);
        Click(w, "CmdCalc");
        QCOMPARE(boxes.messageTexts(), QStringList());
        QCOMPARE(Results(w, {"LblC1", "LblC2"}), results);
    }

    void bandSpreadEmptyFieldHidesResults() {
        BoxScript boxes;
        auto* w = Forms::Show<frmKontur1>();
        FillBoxes(w, kBandSpreadBoxes, {"3.8", "3.5", "10", "365", "10", "10"});
        Click(w, "CmdCalc");
        QCOMPARE(Text(w, "LblC1"), QString("Емкость С1= 260 пФ"));
        Type(w, "TxtL", "");
        Click(w, "CmdCalc");
        QCOMPARE(boxes.messageTexts(), QStringList({kWarning + "|" + kEmpty}));
        QCOMPARE(boxes.messages[0].icon, MsgIcon::Warning);
        QCOMPARE(Results(w, {"LblC1", "LblC2"}), QStringList({"hidden:", "hidden:"}));
        QCOMPARE(Text(w, "TxtFmax"), QString("3.8"));  // the typed values stay
        QCOMPARE(Text(w, "TxtC4"), QString("10"));
    }

    // A design that cannot be made takes the earlier C1 and C2 away; an input the calculation cannot
    // work with leaves them.
    void bandSpreadFailures_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("message");  // title|text
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("resultsStay");
        const int warning = int(MsgIcon::Warning), critical = int(MsgIcon::Critical);
        QTest::newRow("C4 too large") << QStringList{"3.8", "3.5", "10", "365", "10", "300"}
                                      << kWarning + "|" + kCannotCover << warning << false;
        QTest::newRow("150 to 140 MHz with 0.5 µH") << QStringList{"150", "140", "0.5", "365", "10", "10"}
                                                    << kWarning + "|" + kCannotCover << warning << false;
        QTest::newRow("swapped frequencies")
            << QStringList{"3.5", "3.8", "10", "365", "10", "10"}
            << "Ошибка|Минимальная частота диапазона должна быть меньше максимальной." << critical << true;
        QTest::newRow("number beyond double range")
            << QStringList{"3.8", "3.5", "10", "1e999", "10", "10"}
            << "Ошибка|Число «1e999» (поле «Максимальная емкость КПЕ, пФ») вне допустимых пределов."
            << critical << true;
    }
    void bandSpreadFailures() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(bool, resultsStay);
        BoxScript boxes;
        auto* w = Forms::Show<frmKontur1>();
        FillBoxes(w, kBandSpreadBoxes, {"28.5", "28", "1", "365", "10", "10"});
        Click(w, "CmdCalc");
        const QStringList earlier = Results(w, {"LblC1", "LblC2"});
        QVERIFY(earlier[0].startsWith("shown:"));
        QCOMPARE(boxes.messageTexts(), QStringList());
        FillBoxes(w, kBandSpreadBoxes, inputs);
        Click(w, "CmdCalc");
        QCOMPARE(boxes.messageTexts(), QStringList({message}));
        QCOMPARE(int(boxes.messages[0].icon), icon);
        QCOMPARE(Results(w, {"LblC1", "LblC2"}), resultsStay ? earlier : QStringList({"hidden:", "hidden:"}));
    }

    void bandSpreadReopensEmpty() {
        BoxScript boxes;
        auto* w = Forms::Show<frmKontur1>();
        FillBoxes(w, kBandSpreadBoxes, {"3.8", "3.5", "10", "365", "10", "10"});
        Click(w, "CmdCalc");
        Forms::Unload(w);
        Settle();
        w = Forms::Show<frmKontur1>();
        for (const QString& n : kBandSpreadBoxes) QVERIFY(Text(w, n).isEmpty());
        QCOMPARE(Results(w, {"LblC1", "LblC2"}), QStringList({"hidden:", "hidden:"}));
    }

    void threePointDesignState() {
        auto* w = Forms::Show<FrmKontur2>();
        QCOMPARE(w->windowTitle(), QString("Расчет контура"));
        QCOMPARE(Text(w, "Frame1"), QString("Исходные данные"));
        QCOMPARE(Text(w, "LblCmax"), QString("Максимальная емкость КПЕ, пФ"));
        QCOMPARE(Text(w, "LblCmin"), QString("Минимальная емкость КПЕ, пФ"));
        QCOMPARE(Text(w, "LblCcp"), QString("Емкость КПЕ в среднем положении, пФ"));
        QCOMPARE(Text(w, "LblL"), QString("Индуктивность контура, мкГн"));
        QStringList tips;
        for (const QString& n : kThreePointBoxes) {
            QVERIFY(Text(w, n).isEmpty());
            tips << Control(w, n)->toolTip();
        }
        QCOMPARE(tips, QStringList({"", "", "Индуктивность L1", "", "", "Емкость С4"}));
        QCOMPARE(Results(w, {"LblC1", "LblC2", "LblC3"}), QStringList({"hidden:", "hidden:", "hidden:"}));
        const QLabel* image = Control<QLabel>(w, "Image1");
        QCOMPARE(image->pixmap().toImage(),
                 vokta::ui::LoadPicture(vokta::kThreePointCircuitPicture).toImage());
        QCOMPARE(image->size(), QSize(144, 86));
    }

    void threePointCalculates() {
        BoxScript boxes;
        auto* w = Forms::Show<FrmKontur2>();
        FillBoxes(w, kThreePointBoxes, {"3.8", "3.5", "10", "365", "10", "120"});
        Click(w, "CmdCalc");
        QCOMPARE(boxes.messageTexts(), QStringList());
        QCOMPARE(Results(w, {"LblC1", "LblC2", "LblC3"}),
                 QStringList({"shown:C1= 203пФ", "shown:C2= 152пФ", "shown:C3= 86пФ"}));
    }

    void threePointEmptyFieldLeavesEverything() {
        BoxScript boxes;
        auto* w = Forms::Show<FrmKontur2>();
        FillBoxes(w, kThreePointBoxes, {"3.8", "3.5", "10", "365", "10", "120"});
        Click(w, "CmdCalc");
        Type(w, "TxtCcp", "");
        Click(w, "CmdCalc");
        QCOMPARE(boxes.messageTexts(), QStringList({kWarning + "|" + kEmpty}));
        QCOMPARE(Results(w, {"LblC1", "LblC2", "LblC3"}),
                 QStringList({"shown:C1= 203пФ", "shown:C2= 152пФ", "shown:C3= 86пФ"}));
        QCOMPARE(Text(w, "TxtCmax"), QString("365"));
    }

    void threePointFailures_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("resultsStay");
        const int warning = int(MsgIcon::Warning), critical = int(MsgIcon::Critical);
        QTest::newRow("C3 rounds down to -50") << QStringList{"3.8", "3.5", "10", "365", "10", "150"}
                                               << kWarning + "|" + kImpossible << warning << false;
        QTest::newRow("C3 rounds down to 0") << QStringList{"7.2", "7.0", "5", "365", "10", "150"}
                                             << kWarning + "|" + kImpossible << warning << false;
        QTest::newRow("swapped frequencies")
            << QStringList{"3.5", "3.8", "10", "365", "10", "120"}
            << "Ошибка|Минимальная частота диапазона должна быть меньше максимальной." << critical << true;
    }
    void threePointFailures() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(bool, resultsStay);
        BoxScript boxes;
        auto* w = Forms::Show<FrmKontur2>();
        FillBoxes(w, kThreePointBoxes, {"3.8", "3.5", "10", "365", "10", "120"});
        Click(w, "CmdCalc");
        FillBoxes(w, kThreePointBoxes, inputs);
        Click(w, "CmdCalc");
        QCOMPARE(boxes.messageTexts(), QStringList({message}));
        QCOMPARE(int(boxes.messages[0].icon), icon);
        const QStringList earlier{"shown:C1= 203пФ", "shown:C2= 152пФ", "shown:C3= 86пФ"};
        const QStringList now = Results(w, {"LblC1", "LblC2", "LblC3"});
        if (resultsStay)
            QCOMPARE(now, earlier);
        else
            for (const QString& r : now) QVERIFY2(r.startsWith("hidden:"), qPrintable(r));
    }

    // A middle capacitance that bends the capacitor's parabola beyond its limits is named in the plot's
    // summary (the worked example's summary is read in the plot window's own test), in the user's format.
    void threePointPlotOfAnUnevenCapacitor() {
        QLocale::setDefault(QLocale(QLocale::Russian));
        BoxScript boxes;
        auto* w = Forms::Show<FrmKontur2>();
        FillBoxes(w, kThreePointBoxes, {"1,05", "1", "50", "365", "10", "80"});
        Click(w, "CmdCalc");
        Click(w, "CmdPlot");
        QCOMPARE(boxes.messageTexts(), QStringList());
        auto* plot = Forms::Find<FrmPlot>();
        QVERIFY(plot && plot->isVisible());
        QCOMPARE(
            plot->LblSummary->text(),
            "Емкость КПЕ меняется по параболе через заданные значения: 365 пФ в начале шкалы, 80 пФ в "
            "середине, 10 пФ в конце. Парабола монотонна лишь при емкости в среднем положении от 98,75 до "
            "276,25 пФ; где она выходит за пределы КПЕ, емкость принята равной его краю. Шкала охватывает "
            "от 1,0004 до 1,0503 МГц: нижний край отличается от заданного на 0,04 %, верхний — на 0,03 %. "
            "Наибольшее отклонение шкалы от прямой: 17,6 % полосы при 81 % хода КПЕ.");
    }

    // Every box is read whole, in the user's number format, and must hold a value above zero: anything
    // else is refused by the field's name, the focus goes there, and what was shown and typed stays.
    void refusedInputs_data() {
        QTest::addColumn<bool>("threePoint");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QLocale en(QLocale::English), ru(QLocale::Russian);
        const QString number = "В поле «%1» должно быть число, а введено «%2».";
        const QString positive = "Значение в поле «%1» должно быть больше нуля, а введено «%2».";
        const QString L = "Индуктивность контура, мкГн", fmax = "Максимальная частота диапазона, МГц";
        QTest::newRow("letters as inductance") << false << en << 2 << "abc" << number.arg(L, "abc");
        QTest::newRow("letters as inductance, Russian") << true << ru << 2 << "abc" << number.arg(L, "abc");
        QTest::newRow("unit after the number")
            << false << ru << 0 << "3,8 МГц" << number.arg(fmax, "3,8 МГц");
        QTest::newRow("comma in an English format") << true << en << 0 << "3,8" << number.arg(fmax, "3,8");
        QTest::newRow("blanks only") << false << en << 5 << " "
                                     << number.arg("Входная емкость транзистора, пФ", "");
        QTest::newRow("negative frequency, Russian")
            << false << ru << 1 << "-3,5" << positive.arg("Минимальная частота диапазона, МГц", "-3,5");
        QTest::newRow("negative middle capacitance, Russian")
            << true << ru << 5 << "-120" << positive.arg("Емкость КПЕ в среднем положении, пФ", "-120");
    }
    void refusedInputs() {
        QFETCH(bool, threePoint);
        QFETCH(QLocale, locale);
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QLocale::setDefault(locale);
        BoxScript boxes;
        QWidget* w =
            threePoint ? static_cast<QWidget*>(Forms::Show<FrmKontur2>()) : Forms::Show<frmKontur1>();
        const QStringList names = threePoint ? kThreePointBoxes : kBandSpreadBoxes;
        const QList<const char*> results{"LblC1", "LblC2", "LblC3"};
        const QList<const char*> shown = results.mid(0, threePoint ? 3 : 2);
        QStringList values{"3.8", "3.5", "10", "365", "10", threePoint ? "120" : "10"};
        FillBoxes(w, names, values);
        Click(w, "CmdCalc");
        const QStringList before = Results(w, shown);
        values[field] = text;
        FillBoxes(w, names, values);
        Control(w, names[0])->setFocus();
        Click(w, "CmdCalc");
        QCOMPARE(boxes.messageTexts(), QStringList({kWarning + "|" + message}));
        QCOMPARE(boxes.messages[0].icon, MsgIcon::Warning);
        QCOMPARE(w->focusWidget(), Control(w, names[field]));
        QCOMPARE(Text(w, names[field]), text);
        QCOMPARE(Results(w, shown), before);
    }

    // After rounding, the band the whole C1 and C2 tune is worked out; a miss is said with that band.
    void bandSpreadSaysWhatTheWholeValuesMiss_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("band");
        QTest::newRow("English") << QLocale(QLocale::English) << "от 3.6088 до 9.9997 МГц";
        QTest::newRow("Russian") << QLocale(QLocale::Russian) << "от 3,6088 до 9,9997 МГц";
    }
    void bandSpreadSaysWhatTheWholeValuesMiss() {
        QFETCH(QLocale, locale);
        QFETCH(QString, band);
        QLocale::setDefault(locale);
        BoxScript boxes;
        auto* w = Forms::Show<frmKontur1>();
        FillBoxes(w, kBandSpreadBoxes, {"10", "3", "10", "365", "10", "10"});
        Click(w, "CmdCalc");
        QCOMPARE(Results(w, {"LblC1", "LblC2"}),
                 QStringList({"shown:Емкость С1= 367 пФ", "shown:Емкость С2= 6 пФ"}));
        QCOMPARE(boxes.messageTexts(),
                 QStringList({kWarning +
                              "|С емкостями С1 и С2, округленными до целых пикофарад, контур "
                              "перестраивается " +
                              band + " и не перекрывает заданный диапазон от 3 до 10 МГц."}));
    }

    void keyboard_data() {
        QTest::addColumn<bool>("threePoint");
        QTest::newRow("frmKontur1") << false;
        QTest::newRow("FrmKontur2") << true;
    }
    void keyboard() {
        QFETCH(bool, threePoint);
        BoxScript boxes;
        QWidget* w =
            threePoint ? static_cast<QWidget*>(Forms::Show<FrmKontur2>()) : Forms::Show<frmKontur1>();
        const QStringList names = threePoint ? kThreePointBoxes : kBandSpreadBoxes;
        // Tab goes down the source data and on to the buttons.
        QStringList order;
        QWidget* f = Control(w, names[0]);
        for (int i = 0; i < 9; ++i) {
            order << f->objectName();
            f = f->nextInFocusChain();
            while (f->focusPolicy() == Qt::NoFocus || !f->isEnabled()) f = f->nextInFocusChain();
        }
        QCOMPARE(order, QStringList(names) << "CmdCalc"
                                           << "CmdCoil"
                                           << "CmdCancel");
        // Enter in a box calculates; Esc returns to the main window.
        FillBoxes(w, names, {"3.8", "3.5", "10", "365", "10", threePoint ? "120" : "10"});
        QTest::keyClick(Control<QLineEdit>(w, names[5]), Qt::Key_Return);
        QVERIFY(!Control(w, "LblC1")->isHidden());
        QTest::keyClick(Control<QLineEdit>(w, names[0]), Qt::Key_Escape);
        QVERIFY(Forms::IsLoaded<frmMain>());
        QVERIFY(!Forms::IsLoaded<frmKontur1>() && !Forms::IsLoaded<FrmKontur2>());
        QCOMPARE(boxes.messageTexts(), QStringList());
        QCOMPARE(programEnds, 0);
    }

    void dialog1OpensBandSpreadWithoutMainWindow() {
        auto* main = Forms::Show<frmMain>();
        QAction* item = Control<QAction>(main, "mnuFileContur");
        QVERIFY(item->isEnabled());
        item->trigger();
        Settle();
        QVERIFY(!Forms::IsLoaded<frmMain>());
        auto* dialog = Forms::Find<Dialog1>();
        QVERIFY(dialog && dialog->isVisible());
        Click(dialog, "cmdOK");
        Settle();
        QVERIFY(!Forms::IsLoaded<Dialog1>());
        QVERIFY(!Forms::IsLoaded<frmMain>());
        auto* calculator = Forms::Find<frmKontur1>();
        QVERIFY(calculator && calculator->isVisible());
        QCOMPARE(programEnds, 0);
        Click(calculator, "CmdCancel");
        Settle();
        QVERIFY(!Forms::IsLoaded<frmKontur1>());
        QVERIFY(Forms::Find<frmMain>() && Forms::Find<frmMain>()->isVisible());
        QCOMPARE(programEnds, 0);
    }

    void dialog2OpensThreePointBesideMainWindow() {
        auto* main = Forms::Show<frmMain>();
        QAction* item = Control<QAction>(main, "mnuFileOscill");
        QVERIFY(item->isEnabled());
        item->trigger();
        Settle();
        QCOMPARE(Forms::Find<frmMain>(), main);
        auto* dialog = Forms::Find<Dialog2>();
        QVERIFY(dialog && dialog->isVisible());
        Click(dialog, "OKButton");
        Settle();
        QVERIFY(!Forms::IsLoaded<Dialog2>());
        auto* calculator = Forms::Find<FrmKontur2>();
        QVERIFY(calculator && calculator->isVisible());
        QCOMPARE(Forms::Find<frmMain>(), main);  // still open behind it
        QVERIFY(main->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(calculator));
        Click(calculator, "CmdCancel");
        Settle();
        QVERIFY(!Forms::IsLoaded<FrmKontur2>());
        QCOMPARE(Forms::Find<frmMain>(), main);  // the same window, not a new one
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(main));
        QCOMPARE(programEnds, 0);
    }

    void nothingClippedOrOverlapping_data() {
        QTest::addColumn<bool>("threePoint");
        QTest::newRow("frmKontur1") << false;
        QTest::newRow("FrmKontur2") << true;
    }
    void nothingClippedOrOverlapping() {
        QFETCH(bool, threePoint);
        QWidget* w =
            threePoint ? static_cast<QWidget*>(Forms::Show<FrmKontur2>()) : Forms::Show<frmKontur1>();
        // The widest results the windows can show.
        const QStringList widest =
            threePoint ? QStringList{"C1= 9.999999E+37пФ", "C2= 9.999999E+37пФ", "C3= 9.999999E+37пФ"}
                       : QStringList{"Емкость С1= 32767 пФ", "Емкость С2= 32767 пФ"};
        for (int i = 0; i < widest.size(); ++i) {
            QLabel* r = Control<QLabel>(w, QString("LblC%1").arg(i + 1));
            r->setText(widest[i]);
            r->show();
        }
        QCoreApplication::processEvents();
        for (QLabel* l : w->findChildren<QLabel*>()) {
            if (l->text().isEmpty() || !l->pixmap().isNull()) continue;
            QVERIFY2(l->sizeHint().width() <= l->width() && l->sizeHint().height() <= l->height(),
                     qPrintable(l->objectName()));
        }
        for (QPushButton* b : w->findChildren<QPushButton*>())
            QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->objectName()));
        auto* frame = w->findChild<QGroupBox*>("Frame1");
        QVERIFY(frame->sizeHint().width() <= frame->width());
        // The window's own controls lie inside it and apart from each other.
        QList<QWidget*> top;
        for (QWidget* c : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!c->isHidden()) top << c;
        QCOMPARE(top.size(), threePoint ? 9 : 8);
        for (QWidget* a : top) {
            QVERIFY2(w->rect().contains(a->geometry()), qPrintable(a->objectName()));
            for (QWidget* b : top)
                if (a != b)
                    QVERIFY2(!a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + " overlaps " + b->objectName()));
        }
        // Inside the frame, each row's label ends before its box and the boxes stay in the frame.
        for (QWidget* c : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(frame->contentsRect().contains(c->geometry()), qPrintable(c->objectName()));
        for (QLabel* l : frame->findChildren<QLabel*>())
            QVERIFY2(l->geometry().right() < l->buddy()->geometry().left(), qPrintable(l->objectName()));
    }
};

VOKTA_UI_TEST_MAIN(CircuitWindowsTest)
#include "CircuitWindowsTest.moc"
