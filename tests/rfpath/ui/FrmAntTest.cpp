#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/frmMain.h"
#include "rfpath/ui/FrmAnt.h"
#include "support/WindowDriver.h"
#include "ui/Forms.h"

using namespace vokta::test;
using namespace vokta::ui;

namespace {

const QString kEmptyFields = "Предупреждение|Необходимо заполнять все доступные поля исходных данных";
const QString kNoSelectivity =
    "Предупреждение|Невозможно получить приемлемое значение добротности по селективности. Требуется "
    "корректировка задания";
const QString kNoAttenuation =
    "Предупреждение|Невозможно получить приемлемое значение добротности по затуханию. Требуется "
    "корректировка задания";

// Everything the user can set in the window, as text, for before/after comparisons.
QStringList Snapshot(QWidget* w) {
    QStringList s;
    for (const char* n :
         {"TxtFmax", "TxtFmin", "TxtSel", "TxtM", "TxtF", "CmbFpr", "Combo1", "Combo2", "Combo3"})
        s << QString("%1=%2").arg(n, Text(w, n));
    for (auto* b : w->findChildren<QAbstractButton*>())
        if (b->isCheckable()) s << QString("%1=%2").arg(b->objectName()).arg(b->isChecked());
    s << QString("TxtM.enabled=%1").arg(Control(w, "TxtM")->isEnabled());
    return s;
}

}  // namespace

class FrmAntTest : public QObject {
    Q_OBJECT

    FrmAnt* form = nullptr;

    // The worked example: 5-10 MHz, IF 0.465 MHz, 30 dB, damping 0.01, 3 dB unevenness, 1e-3.
    void typeExample() {
        Type(form, "TxtFmax", "10");
        Type(form, "TxtFmin", "5");
        Type(form, "TxtSel", "30");
        Control<QComboBox>(form, "Combo2")->setCurrentIndex(5);  // "3"
    }

    bool showsInputs() {
        return Control(form, "Frame1")->isVisible() && !Control(form, "LblSel")->isVisible() &&
               !Control(form, "LblSigma1")->isVisible() && !Control(form, "LblN")->isVisible();
    }
    bool showsResults() {
        return !Control(form, "Frame1")->isVisible() && Control(form, "LblSel")->isVisible() &&
               Control(form, "LblSigma1")->isVisible() && Control(form, "LblN")->isVisible();
    }
    QStringList results() { return {Text(form, "LblSel"), Text(form, "LblSigma1"), Text(form, "LblN")}; }
    static QStringList captions(int selQ, int attQ, int n) {
        return {QString("Эквивалентная добротность по селективности= %1").arg(selQ),
                QString("Эквивалентная добротность по затуханию= %1").arg(attQ),
                QString("Необходимое число контуров тракта РЧ= %1").arg(n)};
    }

private slots:
    void init() {
        UnloadAllForms();
        form = Forms::Show<FrmAnt>();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    void cleanup() {
        UnloadAllForms();
        QLocale::setDefault(QLocale::c());
    }

    void menuItemOpensTheWindowInPlaceOfMain() {
        UnloadAllForms();
        auto* main = Forms::Show<frmMain>();
        QAction* item = Control<QAction>(main, "mnuFileTune");
        QVERIFY(item->isEnabled());
        item->trigger();
        Settle();
        QVERIFY(!Forms::IsLoaded<frmMain>());
        form = Forms::Find<FrmAnt>();
        QVERIFY(form && form->isVisible());
        QCOMPARE(form->windowTitle(), QString("Расчет контуров тракта РЧ"));
    }

    void startsInItsDesignState() {
        QCOMPARE(form->objectName(), QString("FrmAnt"));
        const QList<std::pair<const char*, QString>> captions{
            {"Frame1", "Исходные данные"},
            {"Frame2", "Данные антенны"},
            {"Frame3", "Связь с транзистором"},
            {"Frame4", "Вид модуляции"},
            {"Lblfmax", "Максимальная частота диапазона, МГц"},
            {"Lblfmin", "Минимальная частота диапазона, МГц"},
            {"LblFpr", "Промежуточная частота, МГц"},
            {"LblSezk", "Селективность по зеркальному каналу, дБ"},
            {"Lbldk", "Эквивалентное затухание контура"},
            {"LblSigma", "Неравномерность АЧХ тракта РЧ, дБ"},
            {"LblFget", "Нестабильность частоты гетеродина"},
            {"LblM", "Индекс модуляции"},
            {"LblF", "Максимальная частота модуляции, Гц"},
            {"Option2(0)", "АМ"},
            {"Option2(1)", "ОБП"},
            {"Option2(2)", "ЧМ"},
            {"Option1(0)", "Внутриемкостная связь контура с транзистором"},
            {"Option1(1)", "Индуктивная связь контура с транзистором"},
            {"CheckAnt", "Магнитная антенна"},
            {"Check2", "Индуктивная связь с контуром"},
            {"Check3", "Удлиненная антенна"},
        };
        for (const auto& [name, caption] : captions) QCOMPARE(Text(form, name), caption);

        auto items = [this](const char* name) {
            QStringList s;
            auto* list = Control<QComboBox>(form, name);
            for (int i = 0; i < list->count(); ++i) s << list->itemText(i);
            if (!list->isEditable()) s << "(not editable)";
            return s;
        };
        QCOMPARE(items("CmbFpr"), QStringList({"0.455", "0.465", "0.5", "5", "5.5", "10.7"}));
        QCOMPARE(items("Combo1"), QStringList({"0.01", "0.012", "0.014", "0.016", "0.018", "0.02"}));
        QCOMPARE(items("Combo2"), QStringList({"0.5", "1", "1.5", "2", "2.5", "3"}));
        QCOMPARE(items("Combo3"), QStringList({"1e-3", "1e-4", "1e-5", "1e-6", "1e-7"}));

        QCOMPARE(Snapshot(form),
                 QStringList({"TxtFmax=", "TxtFmin=", "TxtSel=", "TxtM=", "TxtF=3000", "CmbFpr=0.465",
                              "Combo1=0.01", "Combo2=0.5", "Combo3=1e-3", "CheckAnt=0", "Check2=0",
                              "Check3=0", "Option1(0)=1", "Option1(1)=0", "Option2(0)=1", "Option2(1)=0",
                              "Option2(2)=0", "TxtM.enabled=0"}));
        QVERIFY(showsInputs());

        const QList<std::tuple<const char*, QString, QString>> buttons{
            {"CmdCalc", "Расчет", "Начать расчет"},
            {"CmdClear", "Очистить", "Очистить поля для нового расчета"},
            {"CmdBack", "Отмена", "Отменить расчет"},
        };
        for (const auto& [name, caption, tip] : buttons) {
            QCOMPARE(Text(form, name), caption);
            QCOMPARE(Control(form, name)->toolTip(), tip);
        }

        // Tab walks the source data top to bottom, then the frames on the right, then the buttons;
        // the disabled modulation index is skipped.
        QStringList order;
        QWidget* w = Control(form, "TxtFmax");
        do {
            if (w->focusPolicy() & Qt::TabFocus && w->isEnabled() && !w->objectName().isEmpty())
                order << w->objectName();
            w = w->nextInFocusChain();
        } while (w != Control(form, "TxtFmax"));
        QCOMPARE(order,
                 QStringList({"TxtFmax", "TxtFmin", "CmbFpr", "TxtSel", "Combo1", "Combo2", "Combo3", "TxtF",
                              "CheckAnt", "Check2", "Check3", "Option1(0)", "Option1(1)", "Option2(0)",
                              "Option2(1)", "Option2(2)", "CmdCalc", "CmdClear", "CmdBack"}));
    }

    void workedExampleShowsTheResultsInPlaceOfTheInputs() {
        BoxScript boxes;
        typeExample();
        Click(form, "CmdCalc");
        QCOMPARE(boxes.messageTexts(), QStringList());
        QVERIFY(showsResults());
        QCOMPARE(results(), captions(33, 119, 2));

        // On the results face the choices stay at hand: SSB halves the band of the modulation.
        Click(form, "Option2(1)");
        Click(form, "CmdCalc");
        QCOMPARE(results(), captions(33, 134, 2));
        QVERIFY(showsResults());

        // One circuit is enough for 20 dB; the hidden fields still hold their texts.
        Click(form, "Option2(0)");
        Type(form, "TxtSel", "20");
        Click(form, "CmdCalc");
        QCOMPARE(results(), captions(62, 184, 1));

        // Better coils would give 30 dB with one circuit, but not its pass band: two circuits do both.
        Type(form, "TxtSel", "30");
        Type(form, "Combo1", "0.005");
        Click(form, "CmdCalc");
        QCOMPARE(results(), captions(33, 119, 2));
        QCOMPARE(boxes.messageTexts(), QStringList());
    }

    void modulationIndexBelongsToFm() {
        QVERIFY(!Control(form, "TxtM")->isEnabled());
        Click(form, "Option2(2)");
        QVERIFY(Control(form, "TxtM")->isEnabled());
        Type(form, "TxtM", "4");
        Click(form, "Option2(0)");
        QVERIFY(!Control(form, "TxtM")->isEnabled());
        QCOMPARE(Text(form, "TxtM"), QString("4"));
        Click(form, "Option2(1)");
        QVERIFY(!Control(form, "TxtM")->isEnabled());
        Click(form, "Option2(2)");
        QVERIFY(Control(form, "TxtM")->isEnabled());
        QCOMPARE(Text(form, "TxtM"), QString("4"));

        BoxScript boxes;
        typeExample();
        Click(form, "CmdCalc");
        QCOMPARE(results(), captions(33, 50, 2));

        // With AM the index is neither needed nor read.
        Click(form, "Option2(0)");
        Type(form, "TxtM", "");
        Click(form, "CmdCalc");
        QCOMPARE(results(), captions(33, 119, 2));
        QCOMPARE(boxes.messageTexts(), QStringList());
    }

    void emptyFieldWarnsAndKeepsTheData_data() {
        QTest::addColumn<QString>("emptied");
        QTest::addColumn<int>("modulation");
        QTest::newRow("top frequency") << "TxtFmax" << 0;
        QTest::newRow("bottom frequency") << "TxtFmin" << 1;
        QTest::newRow("selectivity") << "TxtSel" << 0;
        QTest::newRow("modulation index with FM") << "TxtM" << 2;
    }
    void emptyFieldWarnsAndKeepsTheData() {
        QFETCH(QString, emptied);
        QFETCH(int, modulation);
        BoxScript boxes;
        typeExample();
        Click(form, QString("Option2(%1)").arg(modulation));
        Click(form, "Option1(1)");
        Click(form, "CheckAnt");
        Type(form, "CmbFpr", "0.47");
        Type(form, "TxtF", "5000");
        Type(form, emptied, "");
        const QStringList before = Snapshot(form);

        Click(form, "CmdCalc");
        QCOMPARE(boxes.messageTexts(), QStringList({kEmptyFields}));
        QCOMPARE(boxes.messages[0].icon, MsgIcon::Warning);
        QCOMPARE(Snapshot(form), before);
        QVERIFY(showsInputs());
    }

    // Numbers in the user's format: the whole text must be a number; a point is always a decimal
    // separator, a comma only where the format has a decimal comma. A refused text is named, gets the
    // focus and stays; nothing is computed.
    void numbersAreReadWholeInTheUsersFormat_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refusal");  // empty: read as the worked example
        const QLocale ru(QLocale::Russian), en(QLocale::English);
        QTest::newRow("ru, top 10,0") << ru << "TxtFmax"
                                      << "10,0"
                                      << "";
        QTest::newRow("ru, IF 0,465 typed") << ru << "CmbFpr"
                                            << "0,465"
                                            << "";
        QTest::newRow("ru, point") << ru << "TxtFmin"
                                   << "5.0"
                                   << "";
        QTest::newRow("en, point") << en << "TxtFmax"
                                   << " 10.0 "
                                   << "";
        QTest::newRow("en, comma") << en << "TxtFmax"
                                   << "10,0"
                                   << "В поле «Максимальная частота диапазона, МГц» должно быть число, а "
                                      "введено «10,0».";
        QTest::newRow("ru, unit after the number") << ru << "TxtFmin"
                                                   << "5 МГц"
                                                   << "В поле «Минимальная частота диапазона, МГц» должно "
                                                      "быть число, а введено «5 МГц».";
        QTest::newRow("en, a blank") << en << "TxtSel"
                                     << " "
                                     << "В поле «Селективность по зеркальному каналу, дБ» должно быть "
                                        "число, а введено «».";
        QTest::newRow("ru, words in a list") << ru << "Combo1"
                                             << "abc"
                                             << "В поле «Эквивалентное затухание контура» должно быть "
                                                "число, а введено «abc».";
    }
    void numbersAreReadWholeInTheUsersFormat() {
        QFETCH(QLocale, locale);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, refusal);
        UnloadAllForms();
        QLocale::setDefault(locale);
        form = Forms::Show<FrmAnt>();
        BoxScript boxes;
        typeExample();
        Type(form, field, text);
        const QStringList before = Snapshot(form);
        Click(form, "CmdCalc");
        QLocale::setDefault(QLocale::c());
        if (refusal.isEmpty()) {
            QCOMPARE(boxes.messageTexts(), QStringList());
            QCOMPARE(results(), captions(33, 119, 2));
            return;
        }
        QCOMPARE(boxes.messageTexts(), QStringList({"Предупреждение|" + refusal}));
        QCOMPARE(boxes.messages[0].icon, MsgIcon::Warning);
        QVERIFY(showsInputs());
        QCOMPARE(Snapshot(form), before);
        QWidget* focused = form->focusWidget();
        QVERIFY(focused &&
                (focused->objectName() == field || focused->parentWidget()->objectName() == field));
    }

    void infeasibleTaskWarnsAndKeepsTheData_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("selectivity of 80 dB") << "TxtSel"
                                              << "80" << kNoSelectivity;
        QTest::newRow("bottom at 100 kHz") << "TxtFmin"
                                           << "0.1" << kNoAttenuation;
    }
    void infeasibleTaskWarnsAndKeepsTheData() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        BoxScript boxes;
        typeExample();
        Control<QComboBox>(form, "Combo1")->setCurrentIndex(5);  // 0.02
        Click(form, "Option2(1)");
        Click(form, "Check2");
        Type(form, field, text);
        const QStringList before = Snapshot(form);
        Click(form, "CmdCalc");
        QCOMPARE(boxes.messageTexts(), QStringList({message}));
        QCOMPARE(boxes.messages[0].icon, MsgIcon::Warning);
        QCOMPARE(Snapshot(form), before);
        QVERIFY(showsInputs());
    }

    void wideFmAfterResultsBringsTheInputsBack() {
        BoxScript boxes;
        Click(form, "Option2(2)");
        Type(form, "TxtM", "60");
        Click(form, "Option2(0)");
        typeExample();
        Click(form, "CmdCalc");
        QVERIFY(showsResults());
        Click(form, "Option2(2)");
        const QStringList before = Snapshot(form);
        Click(form, "CmdCalc");
        QCOMPARE(boxes.messageTexts(), QStringList({kNoAttenuation}));
        QVERIFY(showsInputs());
        QCOMPARE(Snapshot(form), before);
    }

    // Values outside their domain are refused by name before any result, the field gets the focus.
    void outOfRangeInputIsNamed_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");  // title|text; a refusal is a warning, an error critical
        const QString w = "Предупреждение|";
        QTest::newRow("top frequency 0")
            << "TxtFmax"
            << "0" << w + "Максимальная частота диапазона должна быть больше нуля.";
        QTest::newRow("bottom frequency 0")
            << "TxtFmin"
            << "0" << w + "Минимальная частота диапазона должна быть больше нуля.";
        QTest::newRow("bottom at the top") << "TxtFmin"
                                           << "10"
                                           << w + "Минимальная частота диапазона должна быть меньше "
                                                  "максимальной частоты диапазона.";
        QTest::newRow("bottom above the top") << "TxtFmin"
                                              << "12"
                                              << w + "Минимальная частота диапазона должна быть меньше "
                                                     "максимальной частоты диапазона.";
        QTest::newRow("IF 0") << "CmbFpr"
                              << "0" << w + "Промежуточная частота должна быть больше нуля.";
        QTest::newRow("damping 0") << "Combo1"
                                   << "0" << w + "Эквивалентное затухание контура должно быть больше нуля.";
        QTest::newRow("damping negative")
            << "Combo1"
            << "-0.01" << w + "Эквивалентное затухание контура должно быть больше нуля.";
        QTest::newRow("unevenness 0") << "Combo2"
                                      << "0" << w + "Неравномерность АЧХ тракта РЧ должна быть больше нуля.";
        QTest::newRow("modulation frequency 0")
            << "TxtF"
            << "0" << w + "Максимальная частота модуляции должна быть больше нуля.";
        QTest::newRow("modulation frequency negative")
            << "TxtF"
            << "-3000" << w + "Максимальная частота модуляции должна быть больше нуля.";
        QTest::newRow("selectivity -5") << "TxtSel"
                                        << "-5"
                                        << "Ошибка|Селективность по зеркальному каналу слишком мала: контуры "
                                           "тракта РЧ для нее не нужны. Укажите большее значение.";
        QTest::newRow("number beyond double range")
            << "TxtFmax"
            << "1e999"
            << "Ошибка|Число «1e999» (поле «Максимальная частота диапазона, МГц») вне допустимых пределов.";
    }
    void outOfRangeInputIsNamed() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        BoxScript boxes;
        typeExample();
        Click(form, "CmdCalc");  // from the results face
        QVERIFY(showsResults());
        Type(form, field, text);
        const QStringList before = Snapshot(form);
        Click(form, "CmdCalc");
        QCOMPARE(boxes.messageTexts(), QStringList({message}));
        const bool refused = message.startsWith("Предупреждение|");
        QCOMPARE(boxes.messages[0].icon, refused ? MsgIcon::Warning : MsgIcon::Critical);
        QVERIFY(showsInputs());
        QCOMPARE(Snapshot(form), before);
        if (refused) {
            QWidget* focused = form->focusWidget();
            QVERIFY(focused &&
                    (focused->objectName() == field || focused->parentWidget()->objectName() == field));
        }
    }

    void clearEmptiesTheFieldsButKeepsTheCheckBoxes() {
        BoxScript boxes;
        typeExample();
        Click(form, "Option2(2)");
        Type(form, "TxtM", "4");
        Click(form, "Option1(1)");
        Click(form, "CheckAnt");
        Click(form, "Check3");
        Type(form, "Combo3", "2e-5");
        Control<QComboBox>(form, "CmbFpr")->setCurrentIndex(5);
        Type(form, "TxtF", "15000");
        Click(form, "CmdCalc");
        QVERIFY(showsResults());

        Click(form, "CmdClear");
        QVERIFY(showsInputs());
        QCOMPARE(Snapshot(form),
                 QStringList({"TxtFmax=", "TxtFmin=", "TxtSel=", "TxtM=", "TxtF=3000", "CmbFpr=0.465",
                              "Combo1=0.01", "Combo2=0.5", "Combo3=1e-3", "CheckAnt=1", "Check2=0",
                              "Check3=1", "Option1(0)=1", "Option1(1)=0", "Option2(0)=1", "Option2(1)=0",
                              "Option2(2)=0", "TxtM.enabled=0"}));

        // A list whose item was typed over gets the item's own text back.
        Type(form, "CmbFpr", "0.47");
        Click(form, "CmdClear");
        QCOMPARE(Text(form, "CmbFpr"), QString("0.465"));
        QCOMPARE(boxes.messageTexts(), QStringList());
    }

    void cancelReturnsToMainAndReopensEmpty() {
        typeExample();
        Click(form, "CmdBack");
        Settle();
        QVERIFY(!Forms::IsLoaded<FrmAnt>());
        QVERIFY(Forms::Find<frmMain>() && Forms::Find<frmMain>()->isVisible());
        Forms::Find<frmMain>()->mnuFileTune_Click();
        form = Forms::Find<FrmAnt>();
        QVERIFY(form);
        QCOMPARE(Text(form, "TxtFmax"), QString());
        QVERIFY(showsInputs());
    }

    void enterCalculatesAndEscapeCancels() {
        BoxScript boxes;
        typeExample();
        Control(form, "TxtSel")->setFocus();
        QTest::keyClick(Control<QLineEdit>(form, "TxtSel"), Qt::Key_Return);
        QCOMPARE(results(), captions(33, 119, 2));
        QVERIFY(showsResults());

        // Enter on a focused button presses that button.
        Control(form, "CmdClear")->setFocus();
        QTest::keyClick(Control<QAbstractButton>(form, "CmdClear"), Qt::Key_Return);
        QVERIFY(showsInputs());
        QCOMPARE(Text(form, "TxtFmax"), QString());

        QTest::keyClick(form, Qt::Key_Escape);
        Settle();
        QVERIFY(!Forms::IsLoaded<FrmAnt>());
        QVERIFY(Forms::IsLoaded<frmMain>());
        QCOMPARE(boxes.messageTexts(), QStringList());
    }

    void layoutKeepsEveryTextVisible() {
        // The widest results the window can show: quality factors beyond seven digits.
        BoxScript boxes;
        Type(form, "TxtFmax", "10");
        Type(form, "TxtFmin", "5");
        Type(form, "TxtSel", "700");
        Type(form, "Combo1", "1e-30");
        Type(form, "Combo2", "800");
        Click(form, "CmdCalc");
        QCOMPARE(boxes.messageTexts(), QStringList());
        QVERIFY(showsResults());
        QVERIFY2(Text(form, "LblSel").endsWith("E+18"), qPrintable(Text(form, "LblSel")));
        QVERIFY2(Text(form, "LblSigma1").endsWith("E+22"), qPrintable(Text(form, "LblSigma1")));

        for (bool resultsFace : {true, false}) {
            if (!resultsFace) Click(form, "CmdClear");
            for (QWidget* w : form->findChildren<QWidget*>()) {
                if (!w->isVisible() || qobject_cast<QGroupBox*>(w) || w->objectName().isEmpty()) continue;
                const QString name = w->objectName();
                if (auto* l = qobject_cast<QLabel*>(w)) {
                    QVERIFY2(l->sizeHint().width() <= l->width() && l->sizeHint().height() <= l->height(),
                             qPrintable(QString("%1 needs %2x%3")
                                            .arg(name)
                                            .arg(l->sizeHint().width())
                                            .arg(l->sizeHint().height())));
                } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                    QVERIFY2(b->sizeHint().width() <= b->width() && b->sizeHint().height() <= b->height(),
                             qPrintable(name));
                }
                QWidget* parent = w->parentWidget();
                if (parent == form || qobject_cast<QGroupBox*>(parent))
                    QVERIFY2(parent->rect().contains(w->geometry()), qPrintable(name + " leaves its parent"));
            }
        }

        // Frame1 on the left; Frame2, Frame3 and Frame4 on the right, top to bottom; the buttons in a
        // row below, left to right; the results in the place of Frame1.
        const QRect f1 = Control(form, "Frame1")->geometry(), f2 = Control(form, "Frame2")->geometry(),
                    f3 = Control(form, "Frame3")->geometry(), f4 = Control(form, "Frame4")->geometry();
        QVERIFY(f1.right() < f2.left() && f2.left() == f3.left() && f3.left() == f4.left());
        QVERIFY(f2.bottom() < f3.top() && f3.bottom() < f4.top());
        const QRect calc = Control(form, "CmdCalc")->geometry(),
                    clear = Control(form, "CmdClear")->geometry(),
                    back = Control(form, "CmdBack")->geometry();
        QVERIFY(calc.top() > std::max(f1.bottom(), f4.bottom()));
        QVERIFY(calc.top() == clear.top() && clear.top() == back.top());
        QVERIFY(calc.right() < clear.left() && clear.right() < back.left());
        for (const char* n : {"LblSel", "LblSigma1", "LblN"})
            QVERIFY2(f1.contains(Control(form, n)->geometry()), n);
        QVERIFY(Control(form, "LblSel")->y() < Control(form, "LblSigma1")->y() &&
                Control(form, "LblSigma1")->y() < Control(form, "LblN")->y());
    }
};

VOKTA_UI_TEST_MAIN(FrmAntTest)
#include "FrmAntTest.moc"
