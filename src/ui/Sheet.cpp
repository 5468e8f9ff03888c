#include "ui/Sheet.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

#include "base/RuntimeError.h"
#include "ui/Boxes.h"
#include "ui/ChartKit.h"
#include "ui/Schematic.h"

namespace vokta::ui {

namespace {

// The sheet is laid out at the screen's 96 dots per inch: the charts are laid out as a window would
// show them, and their point-size texts keep the sizes they were laid out for. A PDF keeps coordinates
// as real numbers, so nothing is lost by it.
constexpr int kDotsPerInch = 96;
constexpr double kPerMm = kDotsPerInch / 25.4;

// The most a picture may take of the page's height, and how large its drawing's pixels print, mm.
constexpr double kPictureMaxHeightMm = 70;
constexpr double kPicturePixelMm = 0.55;
// A chart as wide as the page and this much as tall, laid out at this width in logical pixels.
constexpr double kChartAspect = 0.58;
constexpr double kChartLayoutWidth = 720;

QFont SheetFont(double points, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A text broken into the lines of the given width: at blanks where it can be, anywhere where a word is
// wider than the width.
QStringList Wrapped(const QString& text, const QFont& font, double width, QPaintDevice* device) {
    // A text of several lines: each line wrapped on its own.
    if (text.contains(QLatin1Char('\n'))) {
        QStringList lines;
        for (const QString& part : text.split(QLatin1Char('\n'))) lines << Wrapped(part, font, width, device);
        return lines;
    }
    QStringList lines;
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    if (lines.isEmpty()) lines << QString();
    return lines;
}

}  // namespace

// The pages as they fill: the painter on the writer, the printable rectangle of a page and how far down
// it the parts have come.
struct Sheet::Flow {
    QPdfWriter& writer;
    QPainter& painter;
    QRectF page;
    double y = 0;
    bool failed = false;
    int pages = 1;

    // Room for `height` more: a new page when the rest of this one is too short (unless it is empty).
    void Need(double height) {
        if (y > page.top() && y + height > page.bottom()) Break();
    }
    void Break() {
        if (!writer.newPage()) failed = true;
        ++pages;
        y = page.top();
    }
    // A gap before a part, none at the top of a page.
    void Gap(double mm) {
        if (y > page.top()) y += mm * kPerMm;
    }
    void Line(const QString& text, const QFont& font) {
        const QFontMetricsF metrics(font, &writer);
        Need(metrics.height());
        painter.setFont(font);
        painter.setPen(Qt::black);
        if (!text.isEmpty()) painter.drawText(QPointF(page.left(), y + metrics.ascent()), text);
        y += metrics.lineSpacing();
    }
};

Sheet::Sheet(const QString& title) : title_(title) {
    // The date as the main window and the printed report show it: in the user's format.
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    parts_.push_back([title, date](Flow& flow) {
        flow.Line(title, SheetFont(16, true));
        flow.Line(QStringLiteral("Дата: %1").arg(date), SheetFont(10));
    });
}

void Sheet::Heading(const QString& text) {
    parts_.push_back([text](Flow& flow) {
        flow.Gap(5);
        const QFont font = SheetFont(12, true);
        // A heading stays with at least two lines of what it heads.
        flow.Need(QFontMetricsF(font, &flow.writer).height() +
                  2 * QFontMetricsF(SheetFont(10), &flow.writer).height());
        for (const QString& line : Wrapped(text, font, flow.page.width(), &flow.writer))
            flow.Line(line, font);
        flow.y += 1 * kPerMm;
    });
}

void Sheet::Table(const QList<Row>& rows, const QStringList& headings, const QList<int>& rightAligned) {
    parts_.push_back([rows, headings, rightAligned](Flow& flow) {
        const QFont plain = SheetFont(10), bold = SheetFont(10, true);
        const double pad = 1.0 * kPerMm, width = flow.page.width();
        int columns = int(headings.size());
        for (const Row& row : rows) columns = std::max(columns, int(row.cells.size()));
        if (columns == 0) return;
        // Every column as wide as its widest text. A table with rows across it is as wide as the page, the
        // first column taking the rest; the first column wraps where the others leave it too little.
        std::vector<double> widths(columns, 0);
        bool spanned = false;
        auto measure = [&](const QStringList& cells, const QFont& font) {
            spanned = spanned || cells.size() < 2;
            if (cells.size() < 2) return;
            const QFontMetricsF metrics(font, &flow.writer);
            for (int c = 0; c < cells.size(); ++c)
                for (const QString& line : cells[c].split(QLatin1Char('\n')))  // as wide as its widest line
                    widths[c] = std::max(widths[c], std::ceil(metrics.horizontalAdvance(line)) + 2 * pad + 1);
        };
        if (!headings.isEmpty()) measure(headings, bold);
        for (const Row& row : rows) measure(row.cells, row.bold ? bold : plain);
        double others = 0;
        for (int c = 1; c < columns; ++c) others += widths[c];
        if (others > width / 2)
            for (int c = 1; c < columns; ++c) widths[c] *= width / 2 / others;
        others = std::min(others, width / 2);
        widths[0] = spanned ? width - others : std::min(widths[0], width - others);
        double tableWidth = 0;
        for (double w : widths) tableWidth += w;

        std::function<void()> drawHeadings;
        auto draw = [&](const QStringList& cells, const QFont& font, bool heading) {
            const QFontMetricsF metrics(font, &flow.writer);
            // Each cell's lines; a row of one cell spans the table.
            std::vector<QStringList> lines;
            for (int c = 0; c < cells.size(); ++c) {
                const double w = cells.size() == 1 ? tableWidth : widths[c];
                lines.push_back(Wrapped(cells[c], font, w - 2 * pad, &flow.writer));
            }
            size_t most = 1;
            for (const QStringList& l : lines) most = std::max<size_t>(most, l.size());
            const double height = most * metrics.lineSpacing() + 2 * pad;
            const int page = flow.pages;
            flow.Need(height);
            // A table that goes on over the page break takes its headings along.
            if (flow.pages != page && !heading && !headings.isEmpty()) drawHeadings();
            flow.painter.setFont(font);
            double x = flow.page.left();
            for (int c = 0; c < cells.size(); ++c) {
                const double w = cells.size() == 1 ? tableWidth : widths[c];
                const bool right = cells.size() > 1 && rightAligned.contains(c);
                for (int i = 0; i < lines[c].size(); ++i) {
                    const QRectF box(x + pad, flow.y + pad + i * metrics.lineSpacing(), w - 2 * pad,
                                     metrics.lineSpacing());
                    flow.painter.drawText(box, (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                                          lines[c][i]);
                }
                x += w;
            }
            flow.y += height;
            flow.painter.setPen(QPen(heading ? Qt::black : Qt::lightGray, 0.5));
            flow.painter.drawLine(QPointF(flow.page.left(), flow.y),
                                  QPointF(flow.page.left() + tableWidth, flow.y));
            flow.painter.setPen(Qt::black);
        };
        drawHeadings = [&] { draw(headings, bold, true); };
        flow.Gap(2);
        if (!headings.isEmpty()) drawHeadings();
        for (const Row& row : rows) draw(row.cells, row.bold ? bold : plain, false);
    });
}

void Sheet::Picture(const schematic::Scene& scene) {
    parts_.push_back([scene](Flow& flow) {
        const QRectF bounds = scene.Bounds();
        if (bounds.isEmpty()) return;
        double scale = kPicturePixelMm * kPerMm;
        scale = std::min(
            {scale, flow.page.width() / bounds.width(), kPictureMaxHeightMm * kPerMm / bounds.height()});
        const QSizeF size = bounds.size() * scale;
        flow.Gap(4);
        flow.Need(size.height());
        scene.PaintInto(flow.painter, QRectF(QPointF(flow.page.left(), flow.y), size));
        flow.y += size.height();
    });
}

void Sheet::Chart(const plot::Page& page) {
    parts_.push_back([page](Flow& flow) {
        const QSizeF target(flow.page.width(), flow.page.width() * kChartAspect);
        flow.Gap(4);
        flow.Need(target.height());
        const QSizeF layout(kChartLayoutWidth, kChartLayoutWidth * kChartAspect);
        // The legend under the chart, as the windows write it: the chart's own would cut long names.
        plot::Page chart = page;
        chart.legend = false;
        Charts().Render(flow.painter, QRectF(QPointF(flow.page.left(), flow.y), target), chart,
                        QApplication::font(), layout);
        flow.y += target.height();
        QTextDocument legend;
        legend.documentLayout()->setPaintDevice(&flow.writer);
        legend.setDocumentMargin(0);
        legend.setDefaultFont(SheetFont(9));
        legend.setHtml(QStringLiteral("<div align=\"center\">%1</div>").arg(plot::LegendText(page)));
        legend.setTextWidth(flow.page.width());
        flow.Need(legend.size().height());
        flow.painter.save();
        flow.painter.translate(flow.page.left(), flow.y);
        legend.drawContents(&flow.painter);
        flow.painter.restore();
        flow.y += legend.size().height();
    });
}

void Sheet::Text(const QString& text) {
    parts_.push_back([text](Flow& flow) {
        flow.Gap(2);
        const QFont font = SheetFont(10);
        for (const QString& paragraph : text.split(QLatin1Char('\n')))
            for (const QString& line : Wrapped(paragraph, font, flow.page.width(), &flow.writer))
                flow.Line(line, font);
    });
}

void Sheet::Lines(const QList<PrintedLine>& lines) {
    parts_.push_back([lines](Flow& flow) {
        for (const PrintedLine& line : lines) flow.Line(line.text, line.font);
    });
}

void Sheet::NewPage() {
    parts_.push_back([](Flow& flow) {
        if (flow.y > flow.page.top()) flow.Break();
    });
}

QByteArray Sheet::Pdf() const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kDotsPerInch);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(title_);
        writer.setCreator(QStringLiteral("Vokta"));
        QPainter painter;
        if (!painter.begin(&writer))
            throw RuntimeError(ErrorKind::InvalidArgument, "Не удалось начать документ PDF.");
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        const QMarginsF m = ReportMargins();
        const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
        const QRectF page(m.left() * kPerMm, m.top() * kPerMm, (a4.width() - m.left() - m.right()) * kPerMm,
                          (a4.height() - m.top() - m.bottom()) * kPerMm);
        Flow flow{writer, painter, page, page.top()};
        for (const auto& part : parts_) part(flow);
        if (!painter.end() || flow.failed)
            throw RuntimeError(ErrorKind::InvalidArgument, "Не удалось составить документ PDF.");
    }
    return buffer.data();
}

void Sheet::Save(const QString& path) const {
    const QByteArray pdf = Pdf();
    const QString failure = WriteWholeFile(path, pdf);
    if (!failure.isEmpty())
        throw RuntimeError(ErrorKind::InvalidArgument, QStringLiteral("Не удалось сохранить файл «%1»: %2.")
                                                           .arg(QDir::toNativeSeparators(path), failure)
                                                           .toStdString());
}

QString PlainCaption(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;  // "&&" is one ampersand
        plain += caption[i];
    }
    return plain.simplified();
}

Sheet::Row FieldRow(const QLabel* label, const QWidget* field) {
    QString text;
    if (const auto* box = qobject_cast<const QLineEdit*>(field)) text = box->text();
    if (const auto* list = qobject_cast<const QComboBox*>(field)) text = list->currentText();
    return {{PlainCaption(label->text()), text.trimmed()}};
}

QList<Sheet::Row> FieldRows(const QWidget* parent) {
    QList<Sheet::Row> rows;
    for (const QLabel* label : parent->findChildren<QLabel*>())
        if (const QWidget* field = label->buddy(); field && field->isEnabled())
            rows << FieldRow(label, field);
    return rows;
}

Sheet::Row CheckRow(const QAbstractButton* box) {
    return {{PlainCaption(box->text()), box->isChecked() ? QStringLiteral("да") : QStringLiteral("нет")}};
}

bool SaveSheet(QWidget* parent, const Sheet& sheet, const QString& fileName) {
    const QString path = SaveFileName(parent, QStringLiteral("Сохранить лист расчета в PDF"), fileName,
                                      QStringLiteral("Документы PDF (*.pdf)"));
    if (path.isEmpty()) return false;
    try {
        sheet.Save(path);
    } catch (const RuntimeError& e) {
        Warn(parent, ErrorSentence(e));
        return false;
    }
    return true;
}

}  // namespace vokta::ui
