#include "transformer/ui/FrmTransResults.h"

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "transformer/ui/FrmTrans.h"
#include "ui/Application.h"
#include "ui/Boxes.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/ReportPrinter.h"

namespace vokta::ui {

namespace {

constexpr int kNameColumn = 0, kValueColumn = 1, kUnitColumn = 2;
const QString kEstimate = QStringLiteral(" (оценка)");

// A value to four significant digits in the user's number format, with a zero before the decimal
// separator and without digit groups ("0,1932", "17,31", "1250"); the report prints every digit.
QString ValueText(double x) {
    if (x == 0 || !std::isfinite(x)) return LocaleNumberText(x);
    const int decimals = 3 - int(std::floor(std::log10(std::fabs(x))));
    const double scale = std::pow(10.0, std::abs(decimals));
    return LocaleNumberText(decimals >= 0 ? std::round(x * scale) / scale : std::round(x / scale) * scale);
}
// A count of turns, whole as it is wound.
QString TurnsText(double turns) {
    return LocaleNumberText(turns);
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment);
    return item;
}

}  // namespace

FrmTransResults::FrmTransResults() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("FrmTransResults"));
    setWindowTitle(QStringLiteral("Результаты расчета трансформатора"));
    setAttribute(Qt::WA_DeleteOnClose, false);  // the form registry unloads it

    TblResults = new QTableWidget(0, 3, this);
    TblResults->setObjectName(QStringLiteral("TblResults"));
    TblResults->setHorizontalHeaderLabels(
        {QStringLiteral("Величина"), QStringLiteral("Значение"), QStringLiteral("Единица")});
    TblResults->verticalHeader()->hide();
    TblResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TblResults->setSelectionMode(QAbstractItemView::ExtendedSelection);
    TblResults->setWordWrap(false);
    // The window is never narrower than the table's columns (FitToTable).
    TblResults->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    CmdCopy = new QPushButton(QStringLiteral("Копировать"), this);
    CmdCopy->setObjectName(QStringLiteral("CmdCopy"));
    CmdCopy->setToolTip(QStringLiteral("Скопировать таблицу в буфер обмена"));
    CmdPdf = new QPushButton(QStringLiteral("PDF…"), this);
    CmdPdf->setObjectName(QStringLiteral("CmdPdf"));
    CmdPdf->setToolTip(QStringLiteral("Сохранить отчет о расчете в файл PDF"));
    CmdClose = new QPushButton(QStringLiteral("Закрыть"), this);
    CmdClose->setObjectName(QStringLiteral("CmdClose"));
    for (QPushButton* button : {CmdCopy, CmdPdf, CmdClose}) button->setMinimumWidth(97);  // 1455 twips
    connect(CmdCopy, &QPushButton::clicked, this, &FrmTransResults::CmdCopy_Click);
    connect(CmdPdf, &QPushButton::clicked, this, &FrmTransResults::CmdPdf_Click);
    connect(CmdClose, &QPushButton::clicked, this, &FrmTransResults::CmdClose_Click);
    // Enter and Esc close the window, as they would a message; Enter on another button presses that one.
    UseCalculatorKeys(this, CmdClose, CmdClose);

    auto* buttons = new QHBoxLayout();
    buttons->addWidget(CmdCopy);
    buttons->addWidget(CmdPdf);
    buttons->addStretch(1);
    buttons->addWidget(CmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(TblResults, 1);
    layout->addLayout(buttons);
}

FrmTransResults* FrmTransResults::Open(const vokta::TransformerDesign& design, vokta::CoreType type) {
    FrmTransResults* form = Forms::Load<FrmTransResults>();
    form->design_ = design;
    vokta::KeepWindingArrays(form->design_);
    form->Fill(vokta::CorePower(design, type));
    form->FitToTable();
    form->CmdClose->setFocus();  // Enter, Space or Esc closes the window at once
    return Forms::Show<FrmTransResults>();
}

void FrmTransResults::Fill(float corePower) {
    const vokta::TransformerDesign& d = design_;
    QTableWidget* table = TblResults;
    table->clearSpans();
    table->setRowCount(0);
    auto section = [table](const QString& heading) {
        const int row = table->rowCount();
        table->insertRow(row);
        QTableWidgetItem* item = Cell(heading);
        QFont bold = table->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setBackground(table->palette().alternateBase());
        table->setItem(row, kNameColumn, item);
        table->setSpan(row, kNameColumn, 1, 3);
    };
    auto value = [table](const QString& name, const QString& number, const QString& unit,
                         const QString& toolTip = {}) {
        const int row = table->rowCount();
        table->insertRow(row);
        table->setItem(row, kNameColumn, Cell(name));
        table->setItem(row, kValueColumn, Cell(number, Qt::AlignRight | Qt::AlignVCenter));
        table->setItem(row, kUnitColumn, Cell(unit));
        for (int column : {kNameColumn, kValueColumn}) table->item(row, column)->setToolTip(toolTip);
    };
    auto note = [table](const QString& text) {
        const int row = table->rowCount();
        table->insertRow(row);
        QTableWidgetItem* item = Cell(text);
        item->setForeground(QColor(0xb0, 0x00, 0x20));
        table->setItem(row, kNameColumn, item);
        table->setSpan(row, kNameColumn, 1, 3);
    };
    const QString volt = QStringLiteral("В"), ampere = QStringLiteral("А"), mm = QStringLiteral("мм"),
                  turns = QStringLiteral("вит."), watt = QStringLiteral("Вт");

    section(QStringLiteral("Сердечник"));
    value(QStringLiteral("Допустимая мощность сердечника"), ValueText(corePower), watt);
    value(QStringLiteral("Требуемая мощность вторичных обмоток"), ValueText(d.SecondaryPower), watt);
    if (const std::optional<float> flux = vokta::SteelFluxDensity(d)) {
        value(QStringLiteral("Индукция в стали") + kEstimate, ValueText(*flux), QStringLiteral("Тл"),
              QStringLiteral("Амплитуда индукции в стали при намотанном числе витков первичной обмотки, "
                             "с учетом заполнения сечения сердечника сталью"));
        if (vokta::NearSaturation(*flux))
            note(QStringLiteral("Индукция выше %1 Тл: сталь близка к насыщению")
                     .arg(LocaleNumberText(vokta::kSteelSaturationT)));
    }

    section(QStringLiteral("Первичная обмотка"));
    value(QStringLiteral("Ток"), ValueText(d.PrimaryCurrent), ampere);
    value(QStringLiteral("Диаметр провода"), ValueText(d.PrimaryWireDiameter), mm);
    value(QStringLiteral("Число витков"), TurnsText(d.PrimaryTurns), turns);

    const QString noLoadTip =
        QStringLiteral(
            "Амплитуда напряжения обмотки без нагрузки (ее число витков, умноженное на напряжение "
            "витка первичной обмотки) за вычетом падения на двух диодах моста, 2 × %1 В")
            .arg(LocaleNumberText(vokta::kDiodeDropV));
    for (int i = 1; i <= d.SecondaryCount; ++i) {
        section(QStringLiteral("Вторичная обмотка %1").arg(i));
        value(QStringLiteral("Переменное напряжение"), ValueText(d.SecVoltage[i]), volt);
        value(QStringLiteral("Ток"), ValueText(d.SecCurrent[i]), ampere);
        value(QStringLiteral("Обратное напряжение на диоде моста"), ValueText(d.DiodeReverseVoltage[i]),
              volt);
        value(QStringLiteral("Ток через диод моста"), ValueText(d.DiodeCurrent[i]), ampere);
        value(QStringLiteral("Диаметр провода"), ValueText(d.SecWireDiameter[i]), mm);
        value(QStringLiteral("Число витков"), TurnsText(d.SecTurns[i]), turns);
        if (const std::optional<float> noLoad = vokta::NoLoadDcVoltage(d, i))
            value(QStringLiteral("Напряжение выпрямителя без нагрузки") + kEstimate, ValueText(*noLoad), volt,
                  noLoadTip);
    }
}

void FrmTransResults::FitToTable() {
    QTableWidget* table = TblResults;
    table->resizeColumnsToContents();
    // A section heading spans the row; its column must still be wide enough for it alone.
    int nameWidth = table->columnWidth(kNameColumn);
    const QFontMetrics bold(table->item(0, kNameColumn)->font());
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->columnSpan(row, kNameColumn) > 1)
            nameWidth =
                std::max(nameWidth, bold.horizontalAdvance(table->item(row, kNameColumn)->text()) + 12);
    table->setColumnWidth(kNameColumn, nameWidth + 12);
    for (int column : {kValueColumn, kUnitColumn})
        table->setColumnWidth(column, table->columnWidth(column) + 12);
    table->resizeRowsToContents();

    // Wide enough for every column, as tall as every row within the screen; a scroll bar when it is not.
    const int frame = 2 * table->frameWidth();
    int height = frame + table->horizontalHeader()->sizeHint().height();
    for (int row = 0; row < table->rowCount(); ++row) height += table->rowHeight(row);
    int maxHeight = 600;
    if (const QScreen* screen = this->screen()) maxHeight = screen->availableGeometry().height() * 2 / 3;
    int width = frame + (height > maxHeight ? table->verticalScrollBar()->sizeHint().width() : 0);
    for (int column = 0; column < table->columnCount(); ++column) width += table->columnWidth(column);
    table->setMinimumSize(width, std::min(height, maxHeight));
    adjustSize();
}

QString FrmTransResults::TableText() const {
    QStringList lines;
    QStringList headings;
    for (int column = 0; column < TblResults->columnCount(); ++column)
        headings << TblResults->horizontalHeaderItem(column)->text();
    lines << headings.join(QLatin1Char('\t'));
    for (int row = 0; row < TblResults->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < TblResults->columnCount(); ++column)
            if (const QTableWidgetItem* item = TblResults->item(row, column)) cells << item->text();
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void FrmTransResults::CmdCopy_Click() {
    QApplication::clipboard()->setText(TableText());
}

void FrmTransResults::CmdPdf_Click() {
    Guarded(this, [this] {
        const QString proposed = lastPdf_.isEmpty()
                                     ? QDir::home().filePath(QStringLiteral("Расчет трансформатора.pdf"))
                                     : lastPdf_;
        const QString path = SaveFileName(this, QStringLiteral("Сохранить отчет в PDF"), proposed,
                                          QStringLiteral("Документы PDF (*.pdf)"));
        if (path.isEmpty()) return;
        // The lines the printer gets, laid out on the pages as the printer lays them out.
        CollectingPrinter report;
        PrintTransformerReport(report, design_);
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(path);
        pdf.setDocName(QStringLiteral("Результаты расчета трансформатора"));
        if (!PrintReport(report.Lines(), pdf)) {
            Warn(this,
                 QStringLiteral("Не удалось сохранить отчет в файл «%1». Проверьте, что папка существует "
                                "и в нее можно записывать.")
                     .arg(QDir::toNativeSeparators(path)));
            return;
        }
        lastPdf_ = path;
    });
}

void FrmTransResults::CmdClose_Click() {
    Forms::Unload(this);
}

}  // namespace vokta::ui
