#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/frmMain.h"
#include "base/PictureNumbers.h"
#include "support/RecordingPrinter.h"
#include "support/WindowDriver.h"
#include "transformer/ui/FrmTrans.h"
#include "transformer/ui/FrmTransResults.h"
#include "ui/Forms.h"
#include "ui/Pictures.h"

using namespace vokta::test;
using namespace vokta::ui;

namespace {

const QString kWarning = "Предупреждение";

// The report's fixed head and the transformer section's heading.
const QStringList kHead{"Результаты расчета выпрямителя", "", "", ""};
const QStringList kTransformerHead{"Данные трансформатора", ""};

QStringList ZeroReport() {
    return kHead + kTransformerHead +
           QStringList{"Мощность вторичных обмоток, Вт : 0 ", "Ток первичной обмотки, А : 0 ",
                       "Диаметр провода первичной обмотки, мм : 0 ",
                       "Количество витков первичной обмотки: 0 "};
}

// The report of the worked example: one winding of 10 V, 0.5 A on the laminated core a = 2, b = 2.5,
// c = 1.2, h = 3 cm, steel 0.35 mm, 220 V mains; 'p' is the decimal separator.
QStringList ExampleReport(const QString& p) {
    return kHead +
           QStringList{"Обмотка: 1 ",
                       "Переменное напряжение на обмотке, В : 14 ",
                       "Максимальный ток, протекающий через обмотку, А : " + p + "75 ",
                       "Максимальный ток, протекающий через диод моста, А : " + p + "475 ",
                       "Обратное напряжение, приложенное к диоду моста, В : 19" + p + "79899 ",
                       ""} +
           kTransformerHead +
           QStringList{"Мощность вторичных обмоток, Вт : 10" + p + "5 ",
                       "Ток первичной обмотки, А : " + p + "05965909 ",
                       "Диаметр провода первичной обмотки, мм : " + p + "148596 ",
                       "Количество витков первичной обмотки: 1613 ",
                       "",
                       "Обмотка 2 ",
                       "Диаметр провода, мм : " + p + "5268652 ",
                       "Количество витков: 105 "};
}

}  // namespace

class FrmTransTest : public QObject {
    Q_OBJECT

    FrmTrans* form = nullptr;

    QStringList comboItems() {
        auto* list = Control<QComboBox>(form, "Combo1");
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
        return items;
    }

    void fill(const QString& a, const QString& b, const QString& c, const QString& h,
              const QString& u1 = "220") {
        Fill(form, {"TxtA=" + a, "TxtB=" + b, "TxtC=" + c, "TxtH=" + h, "TxtU1=" + u1});
    }

    // Presses "Расчет" with the answers for the input boxes; every answer must be asked for.
    BoxScript::Message calculate(BoxScript& boxes, const QStringList& answers) {
        boxes.clear();
        for (const QString& a : answers) boxes.answer(a);
        Click(form, "CmdCalc");
        [&] { VOKTA_VERIFY_BOXES_DONE(boxes); }();
        return boxes.messages.empty() ? BoxScript::Message{} : boxes.messages.back();
    }

    // Presses "Печать" and returns the printed lines.
    QStringList print(BoxScript& boxes) {
        PrintRecord record;
        RecordPrinting recording(record);
        boxes.clear();
        Click(form, "CmdPrint");
        if (record.documents != 1) qWarning("the report was ended %d times", record.documents);
        return record.lines;
    }

    // The rows of the results table, their cells joined by "|", after the column headings.
    static QStringList Shown(FrmTransResults* results) {
        auto* table = results->findChild<QTableWidget*>("TblResults");
        QStringList shown{"Величина|Значение|Единица"};
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 3; ++column)
                if (auto* item = table->item(row, column)) cells << item->text();
            shown << cells.join("|");
        }
        return shown;
    }

    void calculateExample(BoxScript& boxes) {
        fill("2", "2.5", "1.2", "3");
        Control<QComboBox>(form, "Combo1")->setCurrentIndex(2);  // 0.35 mm
        calculate(boxes, {"1", "10", "0.5"});
        QVERIFY(boxes.messages.empty());
    }

private slots:
    void init() {
        UnloadAllForms();
        FrmTrans::Design = {};
        QLocale::setDefault(QLocale(QLocale::Russian));
        form = Forms::Show<FrmTrans>();
    }
    void cleanup() {
        UnloadAllForms();
        QLocale::setDefault(QLocale::c());
    }

    void designState() {
        QCOMPARE(form->objectName(), QString("FrmTrans"));
        QCOMPARE(form->windowTitle(), QString("Расчет трансформаторов"));
        QCOMPARE(Text(form, "Frame1"), QString("Тип сердечника"));
        QCOMPARE(Text(form, "Frame2"), QString("Исходные данные"));
        const QStringList options{"Пластинчатый", "Ленточный", "Тороидальный"};
        for (int i = 0; i < 3; ++i) {
            auto* option = Control<QRadioButton>(form, QString("Option1(%1)").arg(i));
            QCOMPARE(option->text(), options[i]);
            QCOMPARE(option->isChecked(), i == 0);
        }
        QCOMPARE(Text(form, "CmdCalc"), QString("Расчет"));
        QCOMPARE(Text(form, "CmdCancel"), QString("Отмена"));
        QCOMPARE(Text(form, "CmdPrint"), QString("Печать"));
        QCOMPARE(Text(form, "LblU1"), QString("Напряжение сети, В"));
        QCOMPARE(Text(form, "Label2"), QString("Толщина стали сердечника"));
        QCOMPARE(Text(form, "Label1"), QString("h, см"));
        QCOMPARE(Text(form, "LblC"), QString("c, см"));
        QCOMPARE(Text(form, "LblA"), QString("a, cм"));  // as the core-type handler writes it
        for (const char* name : {"TxtA", "TxtB", "TxtC", "TxtH"}) QVERIFY(Text(form, name).isEmpty());
        QCOMPARE(Text(form, "TxtU1"), QString("220"));
        QVERIFY(Control<QComboBox>(form, "Combo1")->isEditable());
        QCOMPARE(comboItems(), QStringList({"0,1", "0,2", "0,35"}));
        QCOMPARE(Text(form, "Combo1"), QString("0,1"));
        QCOMPARE(Control<QLabel>(form, "Picture1")->pixmap().toImage(),
                 vokta::ui::LoadPicture(vokta::kLaminatedCorePicture).toImage());

        // The list follows the user's number format.
        UnloadAllForms();
        QLocale::setDefault(QLocale(QLocale::English));
        form = Forms::Show<FrmTrans>();
        QCOMPARE(comboItems(), QStringList({"0.1", "0.2", "0.35"}));
    }

    void coreTypeChange_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("lblA");
        QTest::addColumn<QString>("lblB");
        QTest::addColumn<bool>("cShown");
        QTest::newRow("tape-wound") << 1 << vokta::kTapeWoundCorePicture
                                    << QStringList{"0,08", "0,15", "0,2", "0,35"} << "a, cм"
                                    << "b, cм" << true;
        QTest::newRow("toroidal") << 2 << vokta::kToroidalCorePicture
                                  << QStringList{"0,08", "0,1", "0,15", "0,2", "0,35"} << "d1, см"
                                  << "d2, cм" << false;
        QTest::newRow("laminated") << 0 << vokta::kLaminatedCorePicture << QStringList{"0,1", "0,2", "0,35"}
                                   << "a, cм"
                                   << "b, cм" << true;
    }
    void coreTypeChange() {
        QFETCH(int, index);
        QFETCH(int, picture);
        QFETCH(QStringList, items);
        QFETCH(QString, lblA);
        QFETCH(QString, lblB);
        QFETCH(bool, cShown);
        fill("1", "2", "3", "4", "127");
        // Start from another type so that every row changes the selection.
        Control<QRadioButton>(form, index == 2 ? "Option1(1)" : "Option1(2)")->setChecked(true);
        auto* list = Control<QComboBox>(form, "Combo1");
        list->setCurrentIndex(list->count() - 1);
        Click(form, QString("Option1(%1)").arg(index));
        QCOMPARE(comboItems(), items);
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(Text(form, "LblA"), lblA);
        QCOMPARE(Text(form, "LblB"), lblB);
        QCOMPARE(Control(form, "LblC")->isVisible(), cShown);
        QCOMPARE(Control(form, "TxtC")->isVisible(), cShown);
        QCOMPARE(Control<QLabel>(form, "Picture1")->pixmap().toImage(),
                 vokta::ui::LoadPicture(picture).toImage());
        // The text boxes keep their contents.
        QCOMPARE(Text(form, "TxtA") + Text(form, "TxtB") + Text(form, "TxtC") + Text(form, "TxtH") +
                     Text(form, "TxtU1"),
                 QString("1234127"));
    }

    void printBeforeAnyCalculation() {
        BoxScript boxes;
        PrintRecord record;
        RecordPrinting recording(record);
        Click(form, "CmdPrint");
        QCOMPARE(boxes.messages.size(), size_t(1));
        QCOMPARE(boxes.messages[0].title, QString("Информационное сообщение"));
        QCOMPARE(boxes.messages[0].text,
                 QString("Данные расчета выводятся на принтер. Проверьте его готовность к приему данных"));
        QCOMPARE(boxes.messages[0].icon, MsgIcon::Information);
        QCOMPARE(record.operations.mid(0, 2), QStringList({"font MS Sans Serif", "size 10"}));
        QCOMPARE(record.operations.last(), QString("end"));
        QCOMPARE(record.documents, 1);
        QCOMPARE(record.lines, ZeroReport());
        // Printing changes nothing: a second print is the same.
        QCOMPARE(print(boxes), ZeroReport());
    }

    void workedExample_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("separator");
        QTest::newRow("Russian") << QLocale(QLocale::Russian) << ",";
        QTest::newRow("English") << QLocale(QLocale::English) << ".";
    }
    void workedExample() {
        QFETCH(QLocale, locale);
        QFETCH(QString, separator);
        UnloadAllForms();
        QLocale::setDefault(locale);
        form = Forms::Show<FrmTrans>();
        BoxScript boxes;
        calculateExample(boxes);
        QCOMPARE(boxes.inputs.size(), size_t(3));
        QCOMPARE(boxes.inputs[0].title, QString("Окно ввода"));
        QCOMPARE(boxes.inputs[0].prompt, QString("Введите количество вторичных обмоток"));
        QCOMPARE(boxes.inputs[1].title, QString("Окно ввода"));
        QCOMPARE(boxes.inputs[1].prompt, QString("Введите требуемое напряжение нагрузки, В"));
        QCOMPARE(boxes.inputs[2].title, QString("Окно ввода"));
        QCOMPARE(boxes.inputs[2].prompt, QString("Введите требуемый ток нагрузки, А"));
        QCOMPARE(print(boxes), ExampleReport(separator));
    }

    void coreTooSmallKeepsInputsAndPrintsTheRejectedRun() {
        BoxScript boxes;
        calculateExample(boxes);
        fill("1", "1", "1", "1", "127");
        Click(form, "Option1(1)");  // tape-wound, first thickness
        const BoxScript::Message message = calculate(boxes, {"2", "20", "0.5", "5", "1"});
        QCOMPARE(boxes.messages.size(), size_t(1));
        QCOMPARE(message.title, kWarning);
        QCOMPARE(
            message.text,
            QString(
                "От вашего сердечника не получить такой мощности. Необходимо увеличить размеры сердечника"));
        QCOMPARE(message.icon, MsgIcon::Warning);
        // The window keeps what the user gave.
        QVERIFY(Control<QRadioButton>(form, "Option1(1)")->isChecked());
        QCOMPARE(Text(form, "TxtA") + Text(form, "TxtB") + Text(form, "TxtC") + Text(form, "TxtH"),
                 QString("1111"));
        QCOMPARE(Text(form, "TxtU1"), QString("127"));
        QCOMPARE(Text(form, "Combo1"), QString("0,08"));
        QVERIFY(Forms::IsLoaded<FrmTrans>());

        const QStringList expected =
            kHead +
            QStringList{"Обмотка: 1 ",
                        "Переменное напряжение на обмотке, В : 28 ",
                        "Максимальный ток, протекающий через обмотку, А : ,75 ",
                        "Максимальный ток, протекающий через диод моста, А : ,475 ",
                        "Обратное напряжение, приложенное к диоду моста, В : 39,59798 ",
                        "",
                        "Обмотка: 2 ",
                        "Переменное напряжение на обмотке, В : 8,5 ",
                        "Максимальный ток, протекающий через обмотку, А : 1,5 ",
                        "Максимальный ток, протекающий через диод моста, А : ,9 ",
                        "Обратное напряжение, приложенное к диоду моста, В : 12,02081 ",
                        ""} +
            kTransformerHead +
            QStringList{"Мощность вторичных обмоток, Вт : 33,75 ",
                        // the primary of the last successful calculation
                        "Ток первичной обмотки, А : ,05965909 ",
                        "Диаметр провода первичной обмотки, мм : ,148596 ",
                        "Количество витков первичной обмотки: 1613 ", "", "Обмотка 2 ",
                        "Диаметр провода, мм : 0 ", "Количество витков: 0 ", "", "Обмотка 3 ",
                        "Диаметр провода, мм : 0 ", "Количество витков: 0 "};
        QCOMPARE(print(boxes), expected);
    }

    void emptyFieldWarnsAndKeepsWhatWasTyped_data() {
        QTest::addColumn<int>("core");
        QTest::addColumn<QString>("empty");
        QTest::newRow("laminated, a") << 0 << "TxtA";
        QTest::newRow("laminated, c") << 0 << "TxtC";
        QTest::newRow("tape-wound, h") << 1 << "TxtH";
        QTest::newRow("toroid, d2") << 2 << "TxtB";
        QTest::newRow("toroid, mains") << 2 << "TxtU1";
    }
    void emptyFieldWarnsAndKeepsWhatWasTyped() {
        QFETCH(int, core);
        QFETCH(QString, empty);
        Click(form, QString("Option1(%1)").arg(core));
        fill("5", "3", "2", "4", "220");
        Type(form, empty, "");
        BoxScript boxes;
        const BoxScript::Message message = calculate(boxes, {});
        QCOMPARE(boxes.messages.size(), size_t(1));
        QCOMPARE(message.title, kWarning);
        QCOMPARE(message.text, QString("Необходимо заполнять все доступные поля исходных данных"));
        QCOMPARE(message.icon, MsgIcon::Warning);
        QVERIFY(boxes.inputs.empty());
        QVERIFY(Forms::IsLoaded<FrmTrans>());
        QVERIFY(form->isVisible());
        QVERIFY(Control<QRadioButton>(form, QString("Option1(%1)").arg(core))->isChecked());
        const char* names[] = {"TxtA", "TxtB", "TxtC", "TxtH", "TxtU1"};
        const QStringList typed{"5", "3", "2", "4", "220"};
        for (int i = 0; i < 5; ++i) QCOMPARE(Text(form, names[i]), empty == names[i] ? QString() : typed[i]);
    }

    void toroidNeedsNoWindowWidth() {
        BoxScript boxes;
        Click(form, "Option1(2)");
        fill("6", "3", "", "2", "220");
        calculate(boxes, {"0"});
        QVERIFY(boxes.messages.empty());
        QCOMPARE(print(boxes).last(), QString("Количество витков первичной обмотки: 1898 "));
    }

    void countOfWindings_data() {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message");  // empty: none
        const QString notWhole = "Количество вторичных обмоток должно быть целым неотрицательным числом";
        QTest::newRow("cancelled") << true << ""
                                   << "";
        QTest::newRow("empty") << false << ""
                               << "Ответ на вопрос «Введите количество вторичных обмоток» должен быть "
                                  "числом, а введено «».";
        QTest::newRow("fraction") << false << "2,5" << notWhole;
        QTest::newRow("point in a Russian setting") << false << "2.5" << notWhole;
        QTest::newRow("negative") << false << "-1" << notWhole;
        QTest::newRow("words") << false << "две"
                               << "Ответ на вопрос «Введите количество вторичных обмоток» должен быть "
                                  "числом, а введено «две».";
        QTest::newRow("over the limit")
            << false << "51"
            << "Программа рассчитывает не больше 50 вторичных обмоток, а введено 51";
        QTest::newRow("far over the 16-bit range") << false << "1e9"
                                                   << "Программа рассчитывает не больше 50 вторичных "
                                                      "обмоток, а введено 1e9";
    }
    void countOfWindings() {
        QFETCH(bool, cancel);
        QFETCH(QString, answer);
        QFETCH(QString, message);
        BoxScript boxes;
        calculateExample(boxes);
        fill("2", "2.5", "1.2", "3", "300");
        boxes.clear();
        if (cancel)
            boxes.cancel();
        else
            boxes.answer(answer);
        Click(form, "CmdCalc");
        VOKTA_VERIFY_BOXES_DONE(boxes);
        QCOMPARE(boxes.inputs.size(), size_t(1));  // nothing more is asked
        QCOMPARE(boxes.messageTexts(),
                 message.isEmpty() ? QStringList() : QStringList{kWarning + "|" + message});
        QCOMPARE(print(boxes), ExampleReport(","));  // the design is untouched
    }

    void zeroWindingsDesignsThePrimaryOnly() {
        BoxScript boxes;
        calculateExample(boxes);
        calculate(boxes, {"0"});
        QVERIFY(boxes.messages.empty());
        QCOMPARE(boxes.inputs.size(), size_t(1));
        QStringList expected = ZeroReport();
        expected.last() = "Количество витков первичной обмотки: 1613 ";
        QCOMPARE(print(boxes), expected);
    }

    // Cancel in any winding's box ends the calculation quietly; the previous design stays.
    void cancelInAWindingBoxKeepsThePreviousDesign_data() {
        QTest::addColumn<QStringList>("answers");  // then a cancel
        QTest::newRow("first voltage") << QStringList{"2"};
        QTest::newRow("second current") << QStringList{"2", "12", "1", "5"};
    }
    void cancelInAWindingBoxKeepsThePreviousDesign() {
        QFETCH(QStringList, answers);
        BoxScript boxes;
        calculateExample(boxes);
        boxes.clear();
        for (const QString& a : answers) boxes.answer(a);
        boxes.cancel();
        Click(form, "CmdCalc");
        VOKTA_VERIFY_BOXES_DONE(boxes);
        QCOMPARE(boxes.inputs.size(), size_t(answers.size() + 1));
        QVERIFY(boxes.messages.empty());
        QCOMPARE(print(boxes), ExampleReport(","));
    }

    void powerOf1000WattsWarnsAndDesignsNothing() {
        BoxScript boxes;
        calculateExample(boxes);
        fill("20", "20", "20", "20");
        const BoxScript::Message message = calculate(boxes, {"1", "400", "2"});  // 680 V * 3 A
        QCOMPARE(boxes.messages.size(), size_t(1));
        QCOMPARE(message.title, kWarning);
        QCOMPARE(message.text,
                 QString("Мощность вторичных обмоток составляет 2040 Вт, а данные сердечников в "
                         "программе есть только для мощности меньше 1000 Вт. Уменьшите напряжение "
                         "или ток нагрузки"));
        QCOMPARE(message.icon, MsgIcon::Warning);
        const QStringList lines = print(boxes);
        QCOMPARE(lines[5], QString("Переменное напряжение на обмотке, В : 680 "));
        QCOMPARE(lines.mid(12), QStringList({"Мощность вторичных обмоток, Вт : 2040 ",
                                             "Ток первичной обмотки, А : ,05965909 ",
                                             "Диаметр провода первичной обмотки, мм : ,148596 ",
                                             "Количество витков первичной обмотки: 1613 ", "", "Обмотка 2 ",
                                             "Диаметр провода, мм : 0 ", "Количество витков: 0 "}));
    }

    void thicknessOutsideTheList_data() {
        QTest::addColumn<int>("core");
        QTest::addColumn<QString>("thickness");
        QTest::addColumn<QString>("turns");  // of the winding; empty: refused
        QTest::newRow("laminated 0,3") << 0 << "0,3"
                                       << "";
        QTest::newRow("laminated, point") << 0 << "0.35"
                                          << "44";
        QTest::newRow("tape-wound 0,1") << 1 << "0,1"
                                        << "";
        QTest::newRow("tape-wound, typed item") << 1 << "0,15"
                                                << "34";
        QTest::newRow("toroid 0,12") << 2 << "0,12"
                                     << "62";
        QTest::newRow("toroid, point") << 2 << "0.1"
                                       << "62";
    }
    void thicknessOutsideTheList() {
        QFETCH(int, core);
        QFETCH(QString, thickness);
        QFETCH(QString, turns);
        Click(form, QString("Option1(%1)").arg(core));
        fill("6", "2", "2", "3");
        Type(form, "Combo1", thickness);
        BoxScript boxes;
        calculate(boxes, turns.isEmpty() ? QStringList{} : QStringList{"1", "10", "0.5"});
        if (!turns.isEmpty()) {
            QVERIFY(boxes.messages.empty());
            QCOMPARE(print(boxes).last(), "Количество витков: " + turns + " ");
        } else {
            QVERIFY(boxes.inputs.empty());  // asked before any winding
            QCOMPARE(boxes.messageTexts(),
                     QStringList{kWarning + "|Выберите толщину стали сердечника из списка"});
            QCOMPARE(print(boxes), ZeroReport());
        }
    }

    // Every text read as a number must be a whole number in the user's format; a point is always a
    // decimal separator. A refused text is named, gets the focus and stays; nothing is computed.
    void numbersAreReadWholeInTheUsersFormat_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("field");  // a box of the window, or empty for the answers
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("refusal");  // empty: the worked example is designed
        const QLocale ru(QLocale::Russian), en(QLocale::English);
        const QStringList example{"1", "10", "0.5"};
        QTest::newRow("ru, b 2,5") << ru << "TxtB"
                                   << "2,5" << example << "";
        QTest::newRow("en, b 2,5") << en << "TxtB"
                                   << "2,5" << example
                                   << "В поле «b, cм» должно быть число, а введено «2,5».";
        QTest::newRow("ru, steel 0.35 typed") << ru << "Combo1"
                                              << "0.35" << example << "";
        QTest::newRow("en, steel 0,35 typed") << en << "Combo1"
                                              << "0,35" << example
                                              << "В поле «Толщина стали сердечника» должно быть число, а "
                                                 "введено «0,35».";
        QTest::newRow("ru, current 0,5") << ru << ""
                                         << "" << QStringList{"1", "10", "0,5"} << "";
        QTest::newRow("en, current 0,5") << en << ""
                                         << "" << QStringList{"1", "10", "0,5"}
                                         << "Ответ на вопрос «Введите требуемый ток нагрузки, А» должен "
                                            "быть числом, а введено «0,5».";
        QTest::newRow("ru, voltage abc") << ru << ""
                                         << "" << QStringList{"1", "abc"}
                                         << "Ответ на вопрос «Введите требуемое напряжение нагрузки, В» "
                                            "должен быть числом, а введено «abc».";
    }
    void numbersAreReadWholeInTheUsersFormat() {
        QFETCH(QLocale, locale);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QStringList, answers);
        QFETCH(QString, refusal);
        UnloadAllForms();
        QLocale::setDefault(locale);
        form = Forms::Show<FrmTrans>();
        fill("2", "2.5", "1.2", "3");
        Control<QComboBox>(form, "Combo1")->setCurrentIndex(2);  // 0.35 mm
        if (!field.isEmpty()) Type(form, field, text);
        BoxScript boxes;
        if (!field.isEmpty() && !refusal.isEmpty()) answers.clear();  // refused before any question
        calculate(boxes, answers);
        const QString p = locale.decimalPoint();
        if (refusal.isEmpty()) {
            QVERIFY(boxes.messages.empty());
            QCOMPARE(print(boxes), ExampleReport(p));
            return;
        }
        QCOMPARE(boxes.messageTexts(), QStringList{kWarning + "|" + refusal});
        if (!field.isEmpty()) {
            QCOMPARE(Text(form, field), text);
            QWidget* focused = form->focusWidget();
            QVERIFY(focused &&
                    (focused->objectName() == field || focused->parentWidget()->objectName() == field));
        }
        QCOMPARE(print(boxes), ZeroReport());
    }

    // Values outside their domain are refused by name before any result; the previous design stays.
    void valuesOutsideTheirDomain_data() {
        QTest::addColumn<int>("core");
        QTest::addColumn<QStringList>("source");  // a, b, c, h, mains
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("field");  // the box that gets the focus, if any
        QTest::addColumn<QString>("message");
        const QStringList example{"2", "2,5", "1,2", "3", "220"};
        QTest::newRow("a 0") << 0 << QStringList{"0", "2,5", "1,2", "3", "220"} << QStringList{} << "TxtA"
                             << "Размер сердечника a должен быть больше нуля.";
        QTest::newRow("tape, h negative")
            << 1 << QStringList{"2", "2,5", "1,2", "-3", "220"} << QStringList{} << "TxtH"
            << "Размер сердечника h должен быть больше нуля.";
        QTest::newRow("toroid, d2 = d1")
            << 2 << QStringList{"6", "6", "", "2", "220"} << QStringList{} << "TxtB"
            << "Внутренний диаметр сердечника d2 должен быть меньше наружного "
               "диаметра d1.";
        QTest::newRow("toroid, d2 above d1")
            << 2 << QStringList{"3", "6", "", "2", "220"} << QStringList{} << "TxtB"
            << "Внутренний диаметр сердечника d2 должен быть меньше "
               "наружного диаметра d1.";
        QTest::newRow("mains 0, before any question")
            << 0 << QStringList{"2", "2,5", "1,2", "3", "0"} << QStringList{} << "TxtU1"
            << "Напряжение сети должно быть больше нуля.";
    }
    void valuesOutsideTheirDomain() {
        QFETCH(int, core);
        QFETCH(QStringList, source);
        QFETCH(QStringList, answers);
        QFETCH(QString, field);
        QFETCH(QString, message);
        BoxScript boxes;
        calculateExample(boxes);
        Click(form, QString("Option1(%1)").arg(core));
        fill(source[0], source[1], source[2], source[3], source[4]);
        calculate(boxes, answers);
        QCOMPARE(boxes.inputs.size(), size_t(answers.size()));
        QCOMPARE(boxes.messageTexts(), QStringList{kWarning + "|" + message});
        if (!field.isEmpty()) QCOMPARE(form->focusWidget(), Control<QLineEdit>(form, field));
        QCOMPARE(Text(form, "TxtA"), source[0]);
        QCOMPARE(Text(form, "TxtU1"), source[4]);
        QCOMPARE(print(boxes), ExampleReport(","));
    }

    // A load voltage or current that is not above zero is refused at its own box, which asks again.
    void loadNotAboveZeroIsAskedAgain_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("asked");  // N: the count, U: a voltage, I: a current
        QTest::addColumn<QStringList>("messages");
        const QString voltage = kWarning + "|Напряжение нагрузки обмотки 1 должно быть больше нуля.";
        const QString current = kWarning + "|Ток нагрузки обмотки 2 должен быть больше нуля.";
        QTest::newRow("voltage 0") << QStringList{"1", "0", "10", "0,5"} << "NUUI" << QStringList{voltage};
        QTest::newRow("second current negative, then 0")
            << QStringList{"2", "10", "0,5", "12", "-0,5", "0", "0,2"} << "NUIUIII"
            << QStringList{current, current};
    }
    void loadNotAboveZeroIsAskedAgain() {
        QFETCH(QStringList, answers);
        QFETCH(QString, asked);
        QFETCH(QStringList, messages);
        BoxScript boxes;
        fill("2", "2,5", "1,2", "3");
        Control<QComboBox>(form, "Combo1")->setCurrentIndex(2);
        calculate(boxes, answers);
        QString prompts;
        for (const BoxScript::Input& input : boxes.inputs)
            prompts += input.prompt.contains("количество")   ? 'N'
                       : input.prompt.contains("напряжение") ? 'U'
                                                             : 'I';
        QCOMPARE(prompts, asked);
        QCOMPARE(boxes.messageTexts(), messages);
        QVERIFY(Forms::IsLoaded<FrmTransResults>());  // designed with the values given again
    }

    void runTimeErrorEndsTheCalculationOnly() {
        BoxScript boxes;
        fill("2", "2.5", "1.2", "3", "30000");  // 220000 primary turns do not fit in 16 bits
        const BoxScript::Message message = calculate(boxes, {"1", "10", "0.5"});
        QCOMPARE(message.title, QString("Ошибка"));
        QCOMPARE(message.text,
                 QString("Расчет прерван: число витков первичной обмотки больше 32767. Проверьте "
                         "напряжение сети и размеры сердечника."));
        QCOMPARE(message.icon, MsgIcon::Critical);
        QVERIFY(Forms::IsLoaded<FrmTrans>());
        QCOMPARE(Text(form, "TxtU1"), QString("30000"));
        // What the calculation reached stays, as for any interrupted operation.
        QCOMPARE(print(boxes)[5], QString("Переменное напряжение на обмотке, В : 14 "));
    }

    void menuOpensAndCancelReturns() {
        UnloadAllForms();
        auto* main = Forms::Show<frmMain>();
        QAction* item = Control<QAction>(main, "mnuFileTrans");
        QVERIFY(item->isEnabled());
        item->trigger();
        QVERIFY(!Forms::IsLoaded<frmMain>());
        form = Forms::Find<FrmTrans>();
        QVERIFY(form && form->isVisible());
        Click(form, "CmdCancel");
        QVERIFY(!Forms::IsLoaded<FrmTrans>());
        QVERIFY(Forms::Find<frmMain>()->isVisible());
    }

    void designOutlivesTheWindow() {
        BoxScript boxes;
        calculateExample(boxes);
        Click(form, "CmdCancel");
        UnloadAllForms();
        form = Forms::Show<FrmTrans>();
        QVERIFY(Text(form, "TxtA").isEmpty());  // the controls are new
        QCOMPARE(print(boxes), ExampleReport(","));
    }

    // A design opens its results: the table, its copy and the PDF of exactly the printed lines. Enter or
    // Esc closes the window, and a design that fails closes it too.
    void resultsWindow() {
        BoxScript boxes;
        calculateExample(boxes);
        auto* results = Forms::Find<FrmTransResults>();
        QVERIFY(results && results->isVisible());
        QCOMPARE(results->windowTitle(), QString("Результаты расчета трансформатора"));
        // Four significant digits in the user's format; turns whole.
        const QString tableText =
            "Величина|Значение|Единица;Сердечник;Допустимая мощность сердечника|17,31|Вт;"
            "Требуемая мощность вторичных обмоток|10,5|Вт;Индукция в стали (оценка)|1,293|Тл;"
            "Первичная обмотка;Ток|0,05966|А;Диаметр провода|0,1486|мм;Число витков|1613|вит.;"
            "Вторичная обмотка 1;Переменное напряжение|14|В;Ток|0,75|А;"
            "Обратное напряжение на диоде моста|19,8|В;Ток через диод моста|0,475|А;"
            "Диаметр провода|0,5269|мм;Число витков|105|вит.;"
            "Напряжение выпрямителя без нагрузки (оценка)|18,85|В";
        const QStringList expected = Shown(results);
        QCOMPARE(expected.mid(0, 17), tableText.split(';'));
        // After them the transformer as wound and loaded, each section with its verdict.
        for (const char* row :
             {"Провод по IEC 60317 (эмаль класса 2)", "Первичная: диаметр провода|0,16|мм",
              "Вторичная 1: диаметр по эмали, не более|0,63|мм", "Первичная: число слоев|12|",
              "Обмотки помещаются в окно: заполнение 54 %", "Вторичная 1: напряжение без нагрузки|14,32|В",
              "Выпрямитель вторичной обмотки 1 (моделирование)", "Сопротивление нагрузки|30,25|Ом",
              "Конденсатор фильтра (ряд E6)|2200|мкФ", "Номинальное напряжение конденсатора|25|В",
              "Постоянное напряжение под нагрузкой|15,13|В", "Ток нагрузки|0,5|А",
              "Действующий ток обмотки|0,8907|А", "Плотность тока в проводе|3,616|А/мм²",
              "Перегрев 9,822 К не выше допустимых 50 К"})
            QVERIFY2(expected.contains(row), row);
        // A larger ripple lets a smaller capacitor do.
        auto* ripple = results->findChild<QComboBox*>("CmbRipple");
        QVERIFY(!ripple->isEditable());
        QCOMPARE(ripple->currentText(), QString("10 %"));
        ripple->setCurrentIndex(2);
        QVERIFY(Shown(results).contains("Конденсатор фильтра (ряд E6)|1500|мкФ"));
        ripple->setCurrentIndex(1);
        auto* table = results->findChild<QTableWidget*>("TblResults");
        QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
        // Every cell and heading fits its column, and the table its window.
        for (int row = -1; row < table->rowCount(); ++row) {
            if (row >= 0 && table->columnSpan(row, 0) > 1) continue;  // a section's heading
            for (int column = 0; column < 3; ++column) {
                auto* item = row < 0 ? table->horizontalHeaderItem(column) : table->item(row, column);
                QVERIFY(table->fontMetrics().horizontalAdvance(item->text()) < table->columnWidth(column));
            }
        }
        QVERIFY(table->horizontalHeader()->length() <= table->viewport()->width());
        // On the offscreen screen of 800 lines the window fits, a title bar's room left, the table scrolled.
        QVERIFY(results->frameGeometry().height() + 30 <= results->screen()->availableGeometry().height());
        QVERIFY(table->verticalScrollBar()->isVisible() && table->verticalScrollBar()->maximum() > 0);
        Click(results, "CmdCopy");
        QCOMPARE(QApplication::clipboard()->text(), expected.join("\n").replace("|", "\t") + "\n");

        QTemporaryDir dir;
        for (const QString& name : {QString("нет/отчет.pdf"), QString("отчет.pdf")}) {
            vokta::ui::SetSaveFileHandler([&](const QString&, const QString&) { return dir.filePath(name); });
            Click(results, "CmdPdf");
            vokta::ui::SetSaveFileHandler({});
        }
        QCOMPARE(
            boxes.messageTexts(),
            QStringList{kWarning + "|Не удалось сохранить отчет в файл «" + dir.filePath("нет/отчет.pdf") +
                        "». Проверьте, что папка существует и в нее можно записывать."});
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-enc", "UTF-8", dir.filePath("отчет.pdf"), "-"});
        QVERIFY2(pdftotext.waitForFinished() && pdftotext.exitCode() == 0,
                 "pdftotext (poppler-utils) failed");
        auto normalised = [](const QStringList& lines) {
            QStringList out;
            for (const QString& line : lines)
                if (!line.simplified().isEmpty()) out << line.simplified();
            return out;
        };
        QCOMPARE(normalised(QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\n')),
                 normalised(print(boxes)));

        QTest::keyClick(results, Qt::Key_Escape);
        QVERIFY(!Forms::IsLoaded<FrmTransResults>());
        calculate(boxes, {"1", "10", "0.5"});
        QVERIFY(Forms::IsLoaded<FrmTransResults>());  // a new design opens it again
        fill("1", "1", "1", "1");
        calculate(boxes, {"1", "10", "0.5"});  // the core is too small
        QVERIFY(boxes.messages.size() == 1 && !Forms::IsLoaded<FrmTransResults>());
    }

    // The results in an English format, and a toroid whose steel is driven close to saturation.
    void resultsInEnglishAndNearSaturation() {
        UnloadAllForms();
        QLocale::setDefault(QLocale(QLocale::English));
        form = Forms::Show<FrmTrans>();
        BoxScript boxes;
        calculateExample(boxes);
        const QStringList shown = Shown(Forms::Find<FrmTransResults>());
        QCOMPARE(shown.mid(3, 2), QStringList({"Требуемая мощность вторичных обмоток|10.5|Вт",
                                               "Индукция в стали (оценка)|1.293|Тл"}));
        QCOMPARE(shown.mid(6, 2), QStringList({"Ток|0.05966|А", "Диаметр провода|0.1486|мм"}));
        QVERIFY(shown.contains("Напряжение выпрямителя без нагрузки (оценка)|18.85|В"));
        QVERIFY(shown.contains("Перегрев 9.822 К не выше допустимых 50 К"));

        Click(form, "Option1(2)");  // 0.08 mm steel
        fill("8", "4", "", "3");
        calculate(boxes, {"1", "12", "1"});
        QCOMPARE(Shown(Forms::Find<FrmTransResults>()).mid(4, 2),
                 QStringList({"Индукция в стали (оценка)|2.046|Тл",
                              "Индукция выше 1.7 Тл: сталь близка к насыщению"}));
    }

    // The README's transformer loads its 12 V winding's wire 16 % above the design's current density; 2 V
    // at 15 A cannot be smoothed to 5 % by 1 F.
    void rectifierVerdicts() {
        BoxScript boxes;
        fill("3", "3", "2", "4");
        Control<QComboBox>(form, "Combo1")->setCurrentIndex(2);  // 0.35 mm
        calculate(boxes, {"2", "12", "1", "6.3", "0.3"});
        QVERIFY(
            Shown(Forms::Find<FrmTransResults>())
                .contains("Плотность тока 3,119 А/мм² выше расчетной 2,7 А/мм² на 16 %: провод перегреется"));
        fill("4", "5", "2.5", "6");
        calculate(boxes, {"1", "2", "15"});
        auto* results = Forms::Find<FrmTransResults>();
        results->findChild<QComboBox*>("CmbRipple")->setCurrentIndex(0);
        QVERIFY(Shown(results).contains("Пульсации не удается снизить до 5 % конденсатором до 1 Ф"));
    }

    void noCaptionIsClipped() {
        for (int core : {0, 1, 2}) {
            Click(form, QString("Option1(%1)").arg(core));
            QCoreApplication::processEvents();
            for (QLabel* l : form->findChildren<QLabel*>()) {
                if (!l->isVisible() || l->text().isEmpty()) continue;
                QVERIFY2(l->sizeHint().width() <= l->width() && l->sizeHint().height() <= l->height(),
                         qPrintable(QString("%1 needs %2x%3, has %4x%5")
                                        .arg(l->objectName())
                                        .arg(l->sizeHint().width())
                                        .arg(l->sizeHint().height())
                                        .arg(l->width())
                                        .arg(l->height())));
            }
            for (QAbstractButton* b : form->findChildren<QAbstractButton*>())
                QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->objectName()));
            for (QGroupBox* frame : form->findChildren<QGroupBox*>())
                for (QWidget* w : frame->findChildren<QWidget*>())
                    if (w->parentWidget() == frame)
                        QVERIFY2(frame->contentsRect().contains(w->geometry()), qPrintable(w->objectName()));
            auto* picture = Control<QLabel>(form, "Picture1");
            QVERIFY(picture->contentsRect().width() >= picture->pixmap().width());
            QVERIFY(picture->contentsRect().height() >= picture->pixmap().height());
            QVERIFY(form->rect().contains(picture->geometry()));
        }
    }
};

VOKTA_UI_TEST_MAIN(FrmTransTest)
#include "FrmTransTest.moc"
