#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QTableWidget>

#include "support/Gallery.h"
#include "support/WindowDriver.h"
#include "transformer/ui/FrmTrans.h"
#include "transformer/ui/FrmTransResults.h"
#include "ui/Forms.h"
#include "ui/ReportPrinter.h"

using namespace vokta::test;
using namespace vokta::ui;

namespace {

// Keeps what the report prints, as the program's printer would before it prints.
class GalleryPrinter : public vokta::ui::CollectingPrinter {
public:
    explicit GalleryPrinter(QList<vokta::ui::PrintedLine>& out) : out_(out) {}
    void EndDoc() override { out_ = lines_; }

private:
    QList<vokta::ui::PrintedLine>& out_;
};

// The results window grown to show every row of its table, as a person scrolls through it, without the
// room of the scroll bar it then does not need.
QWidget* WholeTable(FrmTransResults* form) {
    QTableWidget* table = form->TblResults;
    int height = 2 * table->frameWidth() + table->horizontalHeader()->sizeHint().height();
    for (int row = 0; row < table->rowCount(); ++row) height += table->rowHeight(row);
    table->setMinimumSize(2 * table->frameWidth() + table->horizontalHeader()->length(), height);
    form->adjustSize();
    return form;
}

}  // namespace

VOKTA_GALLERY_PAGE(Transformer) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Russian));
    FrmTrans::Design = {};
    auto* form = Forms::Show<FrmTrans>();
    const char* names[] = {"FrmTrans_laminated", "FrmTrans_tape", "FrmTrans_toroidal"};
    const QStringList fields[] = {{"TxtA=2", "TxtB=2.5", "TxtC=1.2", "TxtH=3", "TxtU1=220"},
                                  {"TxtA=2", "TxtB=3", "TxtC=1.5", "TxtH=4", "TxtU1=220"},
                                  {"TxtA=8", "TxtB=4", "TxtC=", "TxtH=3", "TxtU1=220"}};
    for (int core = 0; core < 3; ++core) {
        Control<QRadioButton>(form, QString("Option1(%1)").arg(core))->click();
        Fill(form, fields[core]);
        g.save(names[core], form);
    }

    // The README's two-winding design on 0.35 mm steel on each core type, the whole table of its results,
    // and its report rendered as a page through the printer's own layout.
    const char* results[] = {"FrmTransResults", "FrmTransResults_tape", "FrmTransResults_toroid"};
    const QStringList cores[] = {{"TxtA=3", "TxtB=3", "TxtC=2", "TxtH=4", "TxtU1=220"},
                                 {"TxtA=3", "TxtB=3", "TxtC=2", "TxtH=4", "TxtU1=220"},
                                 {"TxtA=8", "TxtB=4", "TxtC=", "TxtH=3", "TxtU1=220"}};
    for (int core : {1, 2, 0}) {
        Control<QRadioButton>(form, QString("Option1(%1)").arg(core))->click();
        Control<QComboBox>(form, "Combo1")->setCurrentIndex(core == 0 ? 2 : core == 1 ? 3 : 4);
        Fill(form, cores[core]);
        g.boxes().answer("2").answer("12").answer("1").answer("6.3").answer("0.3");
        form->CmdCalc_Click();
        g.save(results[core], WholeTable(Forms::Find<FrmTransResults>()));
    }
    QList<vokta::ui::PrintedLine> lines;
    vokta::ui::SetReportPrinterFactory([&lines](QWidget*) -> std::unique_ptr<vokta::ui::ReportPrinter> {
        return std::make_unique<GalleryPrinter>(lines);
    });
    form->CmdPrint_Click();
    vokta::ui::SetReportPrinterFactory({});
    const auto pages = vokta::ui::RenderReportPages(lines, QPageSize(QPageSize::A4), 96);
    QImage framed(pages[0].size() + QSize(2, 2), QImage::Format_RGB32);
    framed.fill(Qt::gray);
    QPainter(&framed).drawImage(1, 1, pages[0]);
    g.save("FrmTrans_report", QPixmap::fromImage(framed));

    // A toroid whose steel comes close to saturation: the results say so under the flux density.
    Control<QRadioButton>(form, "Option1(2)")->click();
    Fill(form, fields[2]);
    g.boxes().answer("1").answer("12").answer("1");
    form->CmdCalc_Click();
    g.save("FrmTransResults_toroidal", Forms::Find<FrmTransResults>());
    QLocale::setDefault(previous);
}
