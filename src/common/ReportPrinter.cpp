#include "common/ReportPrinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "common/Application.h"
#include "common/RuntimeError.h"

namespace vokta::ui {

namespace {

ReportPrinterFactory& Factory() {
    static ReportPrinterFactory factory;
    return factory;
}

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
    if (PrintReport(lines_, printer)) return;
    const QString name = printerName.isEmpty() ? QString() : QStringLiteral(" «%1»").arg(printerName);
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
