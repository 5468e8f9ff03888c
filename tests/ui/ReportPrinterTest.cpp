#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include "support/WindowDriver.h"
#include "transformer/ui/FrmTrans.h"
#include "ui/Forms.h"
#include "ui/ReportPrinter.h"

using namespace vokta::test;
using namespace vokta::ui;

namespace {

// While it lives, reports print on 'printer' through the program's own printer object.
class PrintOn {
public:
    explicit PrintOn(QPrinter& printer) {
        vokta::ui::SetReportPrinterFactory(
            [&printer](QWidget* parent) -> std::unique_ptr<vokta::ui::ReportPrinter> {
                return std::make_unique<vokta::ui::QtReportPrinter>(parent, &printer);
            });
    }
    ~PrintOn() { vokta::ui::SetReportPrinterFactory({}); }
};

// Designs a transformer of 'windings' equal secondaries (3 V, 0.5 A each) on a large laminated core.
void DesignWindings(FrmTrans* form, BoxScript& boxes, int windings) {
    Fill(form, {"TxtA=4", "TxtB=4", "TxtC=4", "TxtH=4"});
    boxes.answer(QString::number(windings));
    for (int i = 0; i < windings; ++i) boxes.answer("3").answer("0.5");
    Click(form, "CmdCalc");
}

int PdfPages(const QByteArray& pdf) {
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type /Page/") +
               pdf.count("/Type /Page>"));
}

bool IsBlank(const QImage& page) {
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

}  // namespace

class ReportPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        UnloadAllForms();
        FrmTrans::Design = {};
        QLocale::setDefault(QLocale(QLocale::Russian));
    }
    void cleanup() {
        UnloadAllForms();
        vokta::ui::SetReportPrinterFactory({});
        QLocale::setDefault(QLocale::c());
    }

    void numbersAsPrinted_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        const QLocale ru(QLocale::Russian), en(QLocale::English);
        QTest::newRow("ru fraction") << ru << 0.475f << " ,475 ";
        QTest::newRow("en fraction") << en << 0.475f << " .475 ";
        QTest::newRow("ru negative") << ru << -2.5f << "-2,5 ";
        QTest::newRow("ru zero") << ru << 0.0f << " 0 ";
        QTest::newRow("ru whole") << ru << 1613.0f << " 1613 ";
        QTest::newRow("ru seven digits") << ru << 0.05965909f << " ,05965909 ";
        QTest::newRow("ru scientific") << ru << 12345678.0f << " 1,234568E+07 ";
        QTest::newRow("en small") << en << 0.00001f << " 1E-05 ";
    }
    void numbersAsPrinted() {
        QFETCH(QLocale, locale);
        QFETCH(float, value);
        QFETCH(QString, text);
        QLocale::setDefault(locale);
        QCOMPARE(vokta::ui::PrintNumberText(value), text);
    }

    void wholeNumbersAsPrinted() {
        QCOMPARE(vokta::ui::PrintNumberText(int16_t(1)), QString(" 1 "));
        QCOMPARE(vokta::ui::PrintNumberText(int16_t(-3)), QString("-3 "));
        QCOMPARE(vokta::ui::PrintNumberText(int16_t(32767)), QString(" 32767 "));
    }

    void printsIntoAPdfFileWithNewPages() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath("report.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::A4));
        PrintOn pdf(printer);

        BoxScript boxes;
        FrmTrans* form = Forms::Show<FrmTrans>();
        DesignWindings(form, boxes, 1);
        QVERIFY(boxes.messages.empty());
        form->CmdPrint_Click();
        VOKTA_VERIFY_BOXES_DONE(boxes);
        QCOMPARE(boxes.messages.size(), size_t(1));  // the information box only
        QFile one(file);
        QVERIFY(one.open(QIODevice::ReadOnly));
        const QByteArray onePage = one.readAll();
        one.close();
        QVERIFY(onePage.startsWith("%PDF"));
        QVERIFY2(onePage.size() > 2000, qPrintable(QString::number(onePage.size())));
        QCOMPARE(PdfPages(onePage), 1);

        // 40 windings make 410 lines: the report runs over several pages.
        boxes.clear();
        DesignWindings(form, boxes, 40);
        QVERIFY(boxes.messages.empty());
        form->CmdPrint_Click();
        QFile many(file);
        QVERIFY(many.open(QIODevice::ReadOnly));
        const int pages = PdfPages(many.readAll());
        QVERIFY2(pages >= 5 && pages <= 12, qPrintable(QString::number(pages)));
    }

    void failingPrinterGivesAnErrorBox() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName("/nonexistent-folder/for/report.pdf");
        PrintOn broken(printer);
        BoxScript boxes;
        FrmTrans* form = Forms::Show<FrmTrans>();
        form->CmdPrint_Click();
        QCOMPARE(boxes.messages.size(), size_t(2));
        QCOMPARE(boxes.messages[1].title, QString("Ошибка"));
        QCOMPARE(boxes.messages[1].icon, MsgIcon::Critical);
        QCOMPARE(
            boxes.messages[1].text,
            QString(
                "Не удалось напечатать отчет: принтер не принял данные. Проверьте, что он включен и готов "
                "к печати, и повторите печать."));
        QVERIFY(Forms::IsLoaded<FrmTrans>());
    }

    // The print system may refuse a job it was handed (a queue that rejects jobs): the queue is asked
    // once the document has been sent, and a refusal is reported, not lost.
    void refusedJobGivesTheErrorBox_data() {
        QTest::addColumn<bool>("taken");
        QTest::newRow("taken") << true;
        QTest::newRow("refused") << false;
    }
    void refusedJobGivesTheErrorBox() {
        QFETCH(bool, taken);
        QTemporaryDir dir;
        const QString file = dir.filePath("report.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        PrintOn pdf(printer);
        qint64 sentBytes = -1;
        vokta::ui::SetPrintQueueCheck([&](const QString&) {
            sentBytes = QFileInfo(file).size();
            return taken;
        });
        BoxScript boxes;
        Forms::Show<FrmTrans>()->CmdPrint_Click();
        vokta::ui::SetPrintQueueCheck({});
        QVERIFY2(sentBytes > 2000, qPrintable(QString::number(sentBytes)));  // asked after sending
        QStringList expected{
            "Информационное сообщение|Данные расчета выводятся на принтер. Проверьте его "
            "готовность к приему данных"};
        if (!taken)
            expected << "Ошибка|Не удалось напечатать отчет: принтер не принял задание на печать. Проверьте, "
                        "что его очередь принимает задания, и повторите печать.";
        QCOMPARE(boxes.messageTexts(), expected);
        QVERIFY(Forms::IsLoaded<FrmTrans>());
        // Without a queue of the print system (a file here) the system has nothing to refuse.
        QVERIFY(vokta::ui::SystemQueueTookTheJob(QString()));
    }

    void withoutAPrinterTheReportOpensInAPreview() {
        if (vokta::ui::QtReportPrinter::HasDefaultPrinter())
            QSKIP("a printer is installed here: the report would go to it");
        BoxScript boxes;
        FrmTrans* form = Forms::Show<FrmTrans>();
        QString seen;
        int polls = 0;
        QTimer poll;
        poll.setInterval(5);
        connect(&poll, &QTimer::timeout, this, [&] {
            ++polls;
            if (auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
                seen = preview->objectName() + "|" + preview->windowTitle() + "|" +
                       preview->parentWidget()->objectName();
                preview->reject();
            } else if (polls > 400) {
                poll.stop();  // no preview came: the test fails below instead of hanging
            }
        });
        poll.start();
        form->CmdPrint_Click();
        poll.stop();
        QCOMPARE(seen, QString("ReportPreview|Принтер не установлен: просмотр отчета|FrmTrans"));
        QCOMPARE(boxes.messages.size(), size_t(1));  // the information box, no error
    }

    void renderedPagesFollowOneAnother() {
        vokta::ui::CollectingPrinter printer;
        printer.SetFontName("MS Sans Serif");
        printer.SetFontSize(10);
        printer.PrintLine("Результаты расчета выпрямителя");
        const auto one = vokta::ui::RenderReportPages(printer.Lines(), QPageSize(QPageSize::A4), 96);
        QCOMPARE(one.size(), size_t(1));
        QCOMPARE(one[0].size(), QPageSize(QPageSize::A4).sizePixels(96));
        QVERIFY(!IsBlank(one[0]));

        for (int i = 0; i < 120; ++i) printer.PrintTextAndNumber("Количество витков:", float(i));
        const auto pages = vokta::ui::RenderReportPages(printer.Lines(), QPageSize(QPageSize::A4), 96);
        QVERIFY2(pages.size() >= 2 && pages.size() <= 4, qPrintable(QString::number(pages.size())));
        for (const QImage& page : pages) QVERIFY(!IsBlank(page));
        // The system has no "MS Sans Serif": the metric-compatible sans stands in for it.
        QCOMPARE(QFontInfo(printer.Lines().last().font).family(), QString("Liberation Sans"));
        QCOMPARE(printer.Lines().last().font.pointSizeF(), 10.0);
        QCOMPARE(printer.Lines().last().text, QString("Количество витков: 119 "));
    }
};

VOKTA_UI_TEST_MAIN(ReportPrinterTest)
#include "ReportPrinterTest.moc"
