// The printable sheet of every calculator: each window calculates an example and writes its sheet, and the
// sheet's text (as pdftotext reads it) holds every input and result the windows showed.

#include <QAbstractButton>
#include <QDate>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <functional>

#include "circuits/ui/FrmKontur2.h"
#include "circuits/ui/frmKontur1.h"
#include "coil/ui/FrmCoil.h"
#include "filters/ui/FilterDriver.h"
#include "filters/ui/FrmResponse.h"
#include "rfpath/ui/FrmAnt.h"
#include "support/WindowDriver.h"
#include "ui/Sheet.h"

using namespace vokta::test;
using namespace vokta::ui;

namespace {

// Every text a window shows: its visible labels (rich text as its words), boxes and lists, checked
// options and check boxes, and the cells and headings of its tables.
QStringList ShownTexts(QWidget* window) {
    QStringList texts;
    auto shown = [window](const QWidget* w) { return w->isVisibleTo(window); };
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (shown(label) && label->isEnabled() && (!label->buddy() || label->buddy()->isEnabled()) &&
            label->pixmap().isNull())
            texts << (Qt::mightBeRichText(label->text())  // a legend: its entries
                          ? QTextDocumentFragment::fromHtml(label->text())
                                .toPlainText()
                                .split(QRegularExpression("\\s{3,}"))
                          : PlainCaption(label->text()).split('\n'));
    for (const QLineEdit* box : window->findChildren<QLineEdit*>())
        if (shown(box) && box->isEnabled()) texts << box->text();
    for (const QComboBox* list : window->findChildren<QComboBox*>())
        if (shown(list) && list->isEnabled()) texts << list->currentText();
    for (const QAbstractButton* option : window->findChildren<QAbstractButton*>())
        if (shown(option) && option->isCheckable() && option->isChecked()) texts << option->text();
    for (const QTableWidget* table : window->findChildren<QTableWidget*>()) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (table->isColumnHidden(column)) continue;
            texts << table->horizontalHeaderItem(column)->text();
            for (int row = 0; row < table->rowCount(); ++row)
                if (const QTableWidgetItem* item = table->item(row, column)) texts << item->text();
        }
    }
    QStringList out;
    for (const QString& text : texts)
        if (!text.simplified().isEmpty()) out << text.simplified();
    return out;
}

QWidget* FilterResults(const QStringList& clicks, const QStringList& typed, QStringList& inputs) {
    FrmFiltr* filter = OpenFilterWindow();
    for (const QString& c : clicks) Click(filter, c);
    Fill(filter, typed);
    inputs << ShownTexts(filter);
    return Calculate(filter, {}, {});
}

// A calculator window filled in, its inputs noted, then calculated; returns the window to print.
template <typename Window>
QWidget* Calculator(const QStringList& typed, QStringList& inputs) {
    auto* window = Forms::Show<Window>();
    if (Control<QPushButton>(window, "CmdPdf")->isEnabled()) qFatal("a sheet without a result");
    Fill(window, typed);
    inputs << ShownTexts(window);
    Click(window, "CmdCalc");
    return window;
}

using Example = std::function<QWidget*(BoxScript& boxes, QStringList& inputs)>;

}  // namespace

Q_DECLARE_METATYPE(Example)

class SheetsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        UnloadAllForms();
        QLocale::setDefault(QLocale(QLocale::Russian));
    }
    void cleanup() { UnloadAllForms(); }

    void sheetHoldsWhatTheWindowShows_data() {
        QTest::addColumn<Example>("example");
        const QStringList lowPass{"TxtAs=40", "TxtF1=1000", "TxtFs=3000"};
        QTest::newRow("filter results, passive low-pass")
            << Example([=](BoxScript&, QStringList& in) { return FilterResults({}, lowPass, in); });
        QTest::newRow("filter results, active low-pass") << Example([=](BoxScript& boxes, QStringList& in) {
            boxes.answer("10");
            return FilterResults({"CheckARC"}, lowPass, in);
        });
        QTest::newRow("frequency response, band-pass") << Example([](BoxScript&, QStringList& in) {
            QWidget* results = FilterResults(
                {"Option1(2)"}, {"CmbAmin=3", "TxtAs=40", "TxtFright=11000", "TxtFleft=9000", "TxtFs=15000"},
                in);
            Click(results, "CmdResponse");
            return static_cast<QWidget*>(Forms::Find<FrmResponse>());
        });
        QTest::newRow("band-spread circuit") << Example([](BoxScript&, QStringList& in) {
            return Calculator<frmKontur1>(
                {"TxtFmax=3,8", "TxtFmin=3,5", "TxtL=10", "TxtC3max=365", "TxtC3min=10", "TxtC4=10"}, in);
        });
        QTest::newRow("three-point circuit") << Example([](BoxScript&, QStringList& in) {
            return Calculator<FrmKontur2>(
                {"TxtFmax=3,8", "TxtFmin=3,5", "TxtL=10", "TxtCmax=365", "TxtCmin=10", "TxtCcp=120"}, in);
        });
        QTest::newRow("RF path") << Example([](BoxScript&, QStringList& in) {
            return Calculator<FrmAnt>({"TxtFmax=10", "TxtFmin=5", "TxtSel=30"}, in);
        });
        QTest::newRow("coil") << Example([](BoxScript&, QStringList& in) {
            return Calculator<FrmCoil>({"TxtL=10", "TxtF=7"}, in);
        });
    }
    void sheetHoldsWhatTheWindowShows() {
        QFETCH(Example, example);
        QStringList shown;
        BoxScript boxes;
        QWidget* window = example(boxes, shown);
        QVERIFY(window && boxes.messages.empty());
        VOKTA_VERIFY_BOXES_DONE(boxes);
        shown << ShownTexts(window);
        auto* pdf = Control<QPushButton>(window, "CmdPdf");
        QVERIFY(pdf->isEnabled());

        // A folder that is not there is named in the warning; a name without ".pdf" gets it.
        QTemporaryDir dir;
        for (const QString& name : {QString("нет/лист"), QString("лист")}) {
            SetSaveFileHandler([&](const QString&, const QString&) { return dir.filePath(name); });
            Click(window, "CmdPdf");
            SetSaveFileHandler({});
        }
        QCOMPARE(boxes.messages.size(), size_t(1));
        QVERIFY2(boxes.messages[0].text.startsWith("Не удалось сохранить файл «" +
                                                   dir.filePath("нет/лист.pdf") + "»: "),
                 qPrintable(boxes.messages[0].text));

        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-enc", "UTF-8", dir.filePath("лист.pdf"), "-"});
        QVERIFY2(pdftotext.waitForFinished() && pdftotext.exitCode() == 0,
                 "pdftotext (poppler-utils) failed");
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        // For looking at: VOKTA_SHEETS=folder keeps the sheets.
        if (const QString keep = qEnvironmentVariable("VOKTA_SHEETS"); !keep.isEmpty())
            QFile::copy(dir.filePath("лист.pdf"),
                        QDir(keep).filePath(QString(QTest::currentDataTag()).replace(' ', '_') + ".pdf"));
        const QString words = text.simplified();
        QVERIFY(words.contains("Дата: " + QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)));
        for (const QString& item : shown) QVERIFY2(words.contains(item), qPrintable("missing: " + item));
    }
};

VOKTA_UI_TEST_MAIN(SheetsTest)
#include "SheetsTest.moc"
