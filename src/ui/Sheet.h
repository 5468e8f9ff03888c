#pragma once

// A printable sheet of a calculator's result: an A4 PDF with the calculator's title and the date, then
// what its window puts on it, one part under the other: headings, tables of names and values, the
// circuit's picture, charts, lines of text, the report's lines in their own fonts. A part that does not
// fit on the rest of a page goes on the next one (a table row by row, text line by line). Texts stay
// text (a PDF reader finds and copies them), the picture and the charts stay vector graphics.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "ui/PlotChart.h"
#include "ui/ReportPrinter.h"

class QAbstractButton;
class QLabel;
class QWidget;

namespace vokta::ui {

namespace schematic {
class Scene;
}

class Sheet {
public:
    // One row of a table. A row of one cell spans the table; `bold` sets a section's heading apart.
    struct Row {
        QStringList cells;
        bool bold = false;
    };

    explicit Sheet(const QString& title);

    void Heading(const QString& text);
    // Columns as wide as their texts, the first one taking the rest of the width; a text too long for its
    // column wraps. Headings (when given) head the columns; the columns in `rightAligned` hold numbers.
    void Table(const QList<Row>& rows, const QStringList& headings = {}, const QList<int>& rightAligned = {});
    void Picture(const schematic::Scene& scene);
    void Chart(const plot::Page& page);
    // The lines of the text (split at line breaks), each wrapped to the width of the page.
    void Text(const QString& text);
    // Lines as a report prints them, each in its own font, none wrapped.
    void Lines(const QList<PrintedLine>& lines);
    // What follows starts a new page.
    void NewPage();

    QString Title() const { return title_; }
    // The sheet as a PDF document.
    QByteArray Pdf() const;
    // Writes the PDF to the file, replacing it only once the whole document is written. A failure throws
    // RuntimeError with a sentence that names the file and the system's reason.
    void Save(const QString& path) const;

    struct Flow;  // the pages as they fill (Sheet.cpp)

private:
    QString title_;
    std::vector<std::function<void(Flow&)>> parts_;
};

// A field of a window as a row of the sheet's inputs: the label's caption (without its mnemonic mark) and
// the text of the box or list, or the option's or check box's answer.
Sheet::Row FieldRow(const QLabel* label, const QWidget* field);
// The fields of a frame or window, each label that has a buddy with its field, in the order they were made;
// a disabled field (one the chosen options do not use) is left out.
QList<Sheet::Row> FieldRows(const QWidget* parent);
// A check box as a row of the sheet's inputs: its caption and "да" or "нет".
Sheet::Row CheckRow(const QAbstractButton* box);
// A caption as a sheet prints it: without the mnemonic mark, blanks simplified.
QString PlainCaption(const QString& caption);

// Asks for the file (Qt's save dialog proposing `fileName`, ".pdf" added when no extension is typed) and
// writes the sheet there; a failure is told in a warning that names the file and the reason. Returns
// whether a file was written.
bool SaveSheet(QWidget* parent, const Sheet& sheet, const QString& fileName);

}  // namespace vokta::ui
