#pragma once

// Printing a report as plain lines of text, one under the other from the top of the page, with a new
// page when one is full. The report talks to a ReportPrinter; the program's printer prints on the
// default printer, tests put a recording printer in its place.

#include <QFont>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QPageSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPrinter;
class QWidget;

namespace vokta::ui {

// A number as a report prints it after its text: the digits of NumberText, the user's decimal
// separator, a blank in front of a number that is not negative and a blank after every number
// (" .475 " with a point, " 10,5 " in a Russian setting, "-2 ").
QString PrintNumberText(float x);
QString PrintNumberText(int16_t x);

// The operations a report needs from a printer.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    virtual void SetFontName(const QString& name) = 0;
    virtual void SetFontSize(double points) = 0;
    // Prints a line; the empty text prints an empty line.
    virtual void PrintLine(const QString& text) = 0;
    // Prints a line made of a text followed by a number (PrintNumberText), with no separator between.
    virtual void PrintTextAndNumber(const QString& text, float number) {
        PrintLine(text + PrintNumberText(number));
    }
    virtual void PrintTextAndNumber(const QString& text, int16_t number) {
        PrintLine(text + PrintNumberText(number));
    }
    // Ends the document and sends it to the printer. A printer that fails throws RuntimeError.
    virtual void EndDoc() = 0;
};

// One printed line and the font it is printed in.
struct PrintedLine {
    QString text;
    QFont font;
};

// A printer that keeps what it is asked to print: the lines with their fonts, and whether the document
// was ended. The program's printer prints the kept lines when the document ends.
class CollectingPrinter : public ReportPrinter {
public:
    CollectingPrinter();
    void SetFontName(const QString& name) override;
    void SetFontSize(double points) override;
    void PrintLine(const QString& text) override;
    void EndDoc() override { ++documentsEnded_; }

    const QList<PrintedLine>& Lines() const { return lines_; }
    QStringList Texts() const;
    const QFont& CurrentFont() const { return font_; }
    int DocumentsEnded() const { return documentsEnded_; }

protected:
    QList<PrintedLine> lines_;
    QFont font_;
    int documentsEnded_ = 0;
};

// Page margins of every printed report, mm.
QMarginsF ReportMargins();

// Lays the lines out on pages: each line below the previous one, from the top of 'page' (painter
// coordinates); when the next line would not fit, newPage() is called and the lines go on from the
// top of the fresh page. newPage() returns false when the device fails to give a new page.
bool PaintReport(const QList<PrintedLine>& lines, QPainter& painter, const QRectF& page,
                 const std::function<bool()>& newPage);

// Paints the lines on a printer that is set up already (page size, output): the printer's page with
// the report margins, one printer page after another. Returns false when the printer fails.
bool PrintReport(const QList<PrintedLine>& lines, QPrinter& printer);

// The pages of the report as white images at the given resolution: what a printer of that page size
// would print, for previews and pictures of the report.
std::vector<QImage> RenderReportPages(const QList<PrintedLine>& lines, const QPageSize& pageSize,
                                      int dotsPerInch);

// The program's printer. At the end of the document it prints the report on the default printer; when
// no printer is installed it shows the report in a print preview window, from which it can be printed
// or saved as PDF. Given a printer, it prints on that one (a PDF file, in a test).
class QtReportPrinter : public CollectingPrinter {
public:
    explicit QtReportPrinter(QWidget* parent, QPrinter* printer = nullptr);
    void EndDoc() override;

    // Whether a default printer is installed.
    static bool HasDefaultPrinter();

private:
    void PrintOn(QPrinter& printer, const QString& printerName);
    void Preview();

    QWidget* parent_;
    QPrinter* printer_;
};

// Asks the print system, once a document has been sent to the named printer, whether the printer's
// queue took the job: false when the queue refuses jobs or the job came back with an error, true when
// it took it or the system cannot tell (a file, a printer outside the system's queues).
using PrintQueueCheck = std::function<bool(const QString& printerName)>;
bool SystemQueueTookTheJob(const QString& printerName);
void SetPrintQueueCheck(PrintQueueCheck check);  // an empty check restores SystemQueueTookTheJob

// The printer a report gets. By default a QtReportPrinter; a test sets a factory that gives its own.
using ReportPrinterFactory = std::function<std::unique_ptr<ReportPrinter>(QWidget* parent)>;
void SetReportPrinterFactory(ReportPrinterFactory factory);  // an empty factory restores the default
std::unique_ptr<ReportPrinter> NewReportPrinter(QWidget* parent);

}  // namespace vokta::ui
