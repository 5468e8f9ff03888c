#include "ui/ReportPrinter.h"

#include <QFontMetricsF>
#include <QLibrary>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "base/RuntimeError.h"
#include "ui/Application.h"

namespace vokta::ui {

namespace {

ReportPrinterFactory& Factory() {
    static ReportPrinterFactory factory;
    return factory;
}

PrintQueueCheck& QueueCheck() {
    static PrintQueueCheck check;
    return check;
}

// The part of the CUPS client library the queue check needs, loaded when it is first used: the
// platform's print dialogs use the same library, so it is there wherever a queue can be printed on.
struct CupsOption {
    char* name;
    char* value;
};
struct CupsDest {
    char* name;
    char* instance;
    int isDefault;
    int numOptions;
    CupsOption* options;
};
struct CupsLibrary {
    int (*lastError)() = nullptr;
    CupsDest* (*getNamedDest)(void* http, const char* name, const char* instance) = nullptr;
    const char* (*getOption)(const char* name, int numOptions, CupsOption* options) = nullptr;
    void (*freeDests)(int numDests, CupsDest* dests) = nullptr;
    bool loaded = false;

    CupsLibrary() {
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load()) return;  // stays loaded for the program's life: Qt's printing uses it
        lastError = reinterpret_cast<int (*)()>(library.resolve("cupsLastError"));
        getNamedDest = reinterpret_cast<CupsDest* (*)(void*, const char*, const char*)>(
            library.resolve("cupsGetNamedDest"));
        getOption = reinterpret_cast<const char* (*)(const char*, int, CupsOption*)>(
            library.resolve("cupsGetOption"));
        freeDests = reinterpret_cast<void (*)(int, CupsDest*)>(library.resolve("cupsFreeDests"));
        loaded = lastError && getNamedDest && getOption && freeDests;
    }
};

// The number's digits with the user's decimal separator in place of the point.
QString WithUserSeparator(QString text) {
    return text.replace(QLatin1Char('.'), QString::fromStdString(UserNumberFormat().decimal));
}

// Pixels per millimetre of a device.
double PerMillimetre(double dotsPerInch) {
    return dotsPerInch / 25.4;
}

}  // namespace

QString PrintNumberText(float x) {
    return WithUserSeparator(NumberText(x)) + QLatin1Char(' ');
}
QString PrintNumberText(int16_t x) {
    return NumberText(x) + QLatin1Char(' ');
}

CollectingPrinter::CollectingPrinter() {
    font_.setPointSizeF(10);
}

void CollectingPrinter::SetFontName(const QString& name) {
    // A family the system lacks (the Windows fonts that reports name) falls to the metric-compatible sans.
    font_.setFamilies({name, QStringLiteral("Liberation Sans")});
}

void CollectingPrinter::SetFontSize(double points) {
    font_.setPointSizeF(points);
}

void CollectingPrinter::PrintLine(const QString& text) {
    lines_.append({text, font_});
}

QStringList CollectingPrinter::Texts() const {
    QStringList out;
    for (const PrintedLine& line : lines_) out.append(line.text);
    return out;
}

QMarginsF ReportMargins() {
    return QMarginsF(20, 15, 15, 15);
}

bool PaintReport(const QList<PrintedLine>& lines, QPainter& painter, const QRectF& page,
                 const std::function<bool()>& newPage) {
    double y = page.top();
    for (const PrintedLine& line : lines) {
        painter.setFont(line.font);
        const QFontMetricsF metrics(line.font, painter.device());
        if (y > page.top() && y + metrics.height() > page.bottom()) {
            if (!newPage()) return false;
            painter.setFont(line.font);  // a fresh page may come with a fresh painter state
            y = page.top();
        }
        if (!line.text.isEmpty()) painter.drawText(QPointF(page.left(), y + metrics.ascent()), line.text);
        y += metrics.lineSpacing();
    }
    return true;
}

bool PrintReport(const QList<PrintedLine>& lines, QPrinter& printer) {
    printer.setPageMargins(ReportMargins(), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The painter's origin is the top left corner of the printable area, inside the margins.
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    const bool painted = PaintReport(lines, painter, page, [&printer] { return printer.newPage(); });
    const bool ended = painter.end();
    return painted && ended && printer.printerState() != QPrinter::Error;
}

std::vector<QImage> RenderReportPages(const QList<PrintedLine>& lines, const QPageSize& pageSize,
                                      int dotsPerInch) {
    const QSize size = pageSize.sizePixels(dotsPerInch);
    const double perMm = PerMillimetre(dotsPerInch);
    const QMarginsF m = ReportMargins();
    const QRectF page(m.left() * perMm, m.top() * perMm, size.width() - (m.left() + m.right()) * perMm,
                      size.height() - (m.top() + m.bottom()) * perMm);
    const int dotsPerMetre = qRound(dotsPerInch / 0.0254);
    std::vector<QImage> pages;
    auto blankPage = [&] {
        QImage image(size, QImage::Format_RGB32);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        image.fill(Qt::white);
        pages.push_back(image);
    };
    blankPage();
    QPainter painter(&pages.back());
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintReport(lines, painter, page, [&] {
        painter.end();
        blankPage();
        painter.begin(&pages.back());
        painter.setRenderHint(QPainter::TextAntialiasing);
        return true;
    });
    painter.end();
    return pages;
}

bool SystemQueueTookTheJob(const QString& printerName) {
    if (printerName.isEmpty()) return true;
    static const CupsLibrary cups;
    if (!cups.loaded) return true;
    // The status of the last request of this thread: the print job that has just been sent. Statuses
    // from 0x0400 up are errors (a queue that does not accept jobs answers 0x0506).
    if (cups.lastError() >= 0x0400) return false;
    CupsDest* dest = cups.getNamedDest(nullptr, printerName.toLocal8Bit().constData(), nullptr);
    if (!dest) return true;
    const char* accepting = cups.getOption("printer-is-accepting-jobs", dest->numOptions, dest->options);
    const bool refuses = accepting && qstrcmp(accepting, "false") == 0;
    cups.freeDests(1, dest);
    return !refuses;
}

void SetPrintQueueCheck(PrintQueueCheck check) {
    QueueCheck() = std::move(check);
}

QtReportPrinter::QtReportPrinter(QWidget* parent, QPrinter* printer) : parent_(parent), printer_(printer) {}

bool QtReportPrinter::HasDefaultPrinter() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

void QtReportPrinter::EndDoc() {
    CollectingPrinter::EndDoc();
    if (printer_) {
        PrintOn(*printer_, printer_->printerName());
        return;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        Preview();
        return;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Vokta"));
    PrintOn(printer, info.description().isEmpty() ? info.printerName() : info.description());
}

void QtReportPrinter::PrintOn(QPrinter& printer, const QString& printerName) {
    const bool printed = PrintReport(lines_, printer);
    const QString name = printerName.isEmpty() ? QString() : QStringLiteral(" «%1»").arg(printerName);
    if (printed) {
        // The system may still refuse the job it was handed; then the report is not lost silently.
        const PrintQueueCheck& check = QueueCheck();
        const QString queue =
            printer.outputFormat() == QPrinter::NativeFormat ? printer.printerName() : QString();
        if (check ? check(queue) : SystemQueueTookTheJob(queue)) return;
        throw RuntimeError(
            ErrorKind::InvalidArgument,
            QStringLiteral("Не удалось напечатать отчет: принтер%1 не принял задание на печать. "
                           "Проверьте, что его очередь принимает задания, и повторите печать.")
                .arg(name)
                .toStdString());
    }
    throw RuntimeError(
        ErrorKind::InvalidArgument,
        QStringLiteral("Не удалось напечатать отчет: принтер%1 не принял данные. Проверьте, что "
                       "он включен и готов к печати, и повторите печать.")
            .arg(name)
            .toStdString());
}

void QtReportPrinter::Preview() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Vokta"));
    printer.setPageMargins(ReportMargins(), QPageLayout::Millimeter);
    QPrintPreviewDialog preview(&printer, parent_);
    preview.setObjectName(QStringLiteral("ReportPreview"));
    preview.setWindowTitle(QStringLiteral("Принтер не установлен: просмотр отчета"));
    const QList<PrintedLine> lines = lines_;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [lines](QPrinter* target) { PrintReport(lines, *target); });
    preview.exec();
}

void SetReportPrinterFactory(ReportPrinterFactory factory) {
    Factory() = std::move(factory);
}

std::unique_ptr<ReportPrinter> NewReportPrinter(QWidget* parent) {
    if (Factory()) return Factory()(parent);
    return std::make_unique<QtReportPrinter>(parent);
}

}  // namespace vokta::ui
