#include <QChart>
#include <QComboBox>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabBar>

#include "circuits/ui/FrmKontur2.h"
#include "circuits/ui/frmKontur1.h"
#include "rfpath/ui/FrmAnt.h"
#include "support/ShownChart.h"
#include "support/WindowDriver.h"
#include "ui/FrmPlot.h"

using namespace vokta::test;
using namespace vokta::ui;

namespace {

// Loads the calculator and types "Name=value" into its boxes and lists.
QWidget* Open(const QString& window, const QStringList& fields) {
    QWidget* w = nullptr;
    if (window == "frmKontur1") w = Forms::Show<frmKontur1>();
    if (window == "FrmKontur2") w = Forms::Show<FrmKontur2>();
    if (window == "FrmAnt") w = Forms::Show<FrmAnt>();
    Fill(w, fields);
    return w;
}

const QStringList kBandSpread{"TxtFmax=3.8",  "TxtFmin=3.5", "TxtL=10",
                              "TxtC3max=365", "TxtC3min=10", "TxtC4=10"};
const QStringList kThreePoint{"TxtFmax=3.8", "TxtFmin=3.5", "TxtL=10",
                              "TxtCmax=365", "TxtCmin=10",  "TxtCcp=120"};
const QStringList kRfPath{"TxtFmax=10", "TxtFmin=5", "TxtSel=30", "Combo2=3"};

}  // namespace

class FrmPlotTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { UnloadAllForms(); }

    void eachCalculatorPlotsItsResult_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("failing");  // fields that make the calculation fail
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("summary");
        QTest::newRow("band-spread")
            << "frmKontur1" << kBandSpread << QStringList{"TxtFmin=1"} << QStringList{"Перекрытие диапазона"}
            << "Контур перекрывает диапазон от 3.4996 до 3.7996 МГц. Нижний край отличается от заданного на "
               "-0.01 %, верхний — на -0.01 %.";
        QTest::newRow("three-point")
            << "FrmKontur2" << kThreePoint << QStringList{"TxtCcp=150"} << QStringList{"Шкала контура"}
            << "Емкость КПЕ меняется по параболе через заданные значения: 365 пФ в начале шкалы, 120 пФ в "
               "середине, 10 пФ в конце. Шкала охватывает от 3.5074 до 3.8078 МГц: нижний край отличается от "
               "заданного на 0.21 %, верхний — на 0.20 %. Наибольшее отклонение шкалы от прямой: 4.1 % "
               "полосы "
               "при 81 % хода КПЕ.";
        QTest::newRow("RF path")
            << "FrmAnt" << kRfPath << QStringList{"TxtSel=90"}
            << QStringList{"Избирательность тракта РЧ",
                           "Избирательность тракта РЧ: полоса сигнала на частоте 5 МГц",
                           "Избирательность тракта РЧ: подавление зеркального канала по диапазону"}
            << "Зеркальный канал 10.93 МГц, требуется 30.0 дБ: при добротности 33 — 30.2 дБ, выполнено; "
               "при добротности 119 — 52.3 дБ, выполнено. Края полосы 5 МГц ± 13.5 кГц, допускается 3.0 дБ: "
               "при добротности 33 — 0.3 дБ, выполнено; при добротности 119 — 3.0 дБ, выполнено.";
    }
    void eachCalculatorPlotsItsResult() {
        QFETCH(QString, window);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, failing);
        QFETCH(QStringList, titles);
        QFETCH(QString, summary);
        BoxScript boxes;
        QWidget* w = Open(window, fields);
        auto* plot = Control<QPushButton>(w, "CmdPlot");
        QCOMPARE(plot->text(), QStringLiteral("График"));
        QVERIFY(!plot->isEnabled());
        Click(w, "CmdCalc");
        QVERIFY(plot->isEnabled());
        QCOMPARE(boxes.messages.size(), size_t(0));

        Click(w, "CmdPlot");
        auto* form = Forms::Find<FrmPlot>();
        QVERIFY(form && form->isVisible());
        QCOMPARE(form->windowTitle(), titles[0]);
        QCOMPARE(form->LblSummary->text(), summary);
        QStringList shown;
        for (int i = 0; i < form->TabPages->count(); ++i) {
            form->TabPages->setCurrentIndex(i);
            shown << ShownChart(form->ChartView)->title();
        }
        QCOMPARE(shown, titles);
        QCOMPARE(form->TabPages->isVisibleTo(form), titles.size() > 1);
        QVERIFY(form->minimumSizeHint().width() <= 900 && form->minimumSizeHint().height() <= 480);
        // Esc closes the plot; the calculator stays.
        QTest::keyClick(form, Qt::Key_Escape);
        QVERIFY(!Forms::IsLoaded<FrmPlot>());

        // A calculation that fails takes the plot away.
        for (const QString& f : failing) Open(window, {f});
        Click(w, "CmdCalc");
        QCOMPARE(boxes.messages.size(), size_t(1));
        QVERIFY(!plot->isEnabled());
        if (window == "FrmAnt") {  // and so does "Очистить" after a success
            Open(window, kRfPath);
            Click(w, "CmdCalc");
            QVERIFY(plot->isEnabled());
            Click(w, "CmdClear");
            QVERIFY(!plot->isEnabled());
        }
    }

    // The axes write their numbers in the user's number format.
    void axisLabelsInTheUsersNumberFormat() {
        auto restore = qScopeGuard([previous = QLocale()] { QLocale::setDefault(previous); });
        QLocale::setDefault(QLocale(QLocale::Russian));
        BoxScript boxes;
        QWidget* w = Open("frmKontur1", kBandSpread);
        Click(w, "CmdCalc");
        Click(w, "CmdPlot");
        auto* form = Forms::Find<FrmPlot>();
        QCoreApplication::processEvents();
        QStringList labels;
        for (QGraphicsItem* item : ShownChart(form->ChartView)->scene()->items())
            if (auto* text = dynamic_cast<QGraphicsTextItem*>(item)) labels << text->toPlainText();
        QVERIFY2(labels.contains("3,60") && labels.contains("100"), qPrintable(labels.join('|')));
    }
};

VOKTA_UI_TEST_MAIN(FrmPlotTest)
#include "FrmPlotTest.moc"
