#pragma once

#include <QStringList>
#include <memory>

#include "ui/ReportPrinter.h"

namespace vokta::test {

// What a report sent to the printer: every operation in order, and the printed lines alone.
struct PrintRecord {
    QStringList operations;  // "font MS Sans Serif", "size 10", "line ...", "end"
    QStringList lines;
    int documents = 0;  // documents ended
};

// A printer that records instead of printing; a number line is recorded as the printer prints it.
class RecordingPrinter : public ui::ReportPrinter {
public:
    explicit RecordingPrinter(PrintRecord& record) : record_(record) {}
    void SetFontName(const QString& name) override { record_.operations << "font " + name; }
    void SetFontSize(double points) override { record_.operations << "size " + QString::number(points); }
    void PrintLine(const QString& text) override {
        record_.operations << "line " + text;
        record_.lines << text;
    }
    void EndDoc() override {
        record_.operations << "end";
        ++record_.documents;
    }

private:
    PrintRecord& record_;
};

// While it lives, every report goes to 'record' instead of a printer.
class RecordPrinting {
public:
    explicit RecordPrinting(PrintRecord& record) {
        ui::SetReportPrinterFactory([&record](QWidget*) -> std::unique_ptr<ui::ReportPrinter> {
            return std::make_unique<RecordingPrinter>(record);
        });
    }
    ~RecordPrinting() { ui::SetReportPrinterFactory({}); }
    RecordPrinting(const RecordPrinting&) = delete;
    RecordPrinting& operator=(const RecordPrinting&) = delete;
};

}  // namespace vokta::test
