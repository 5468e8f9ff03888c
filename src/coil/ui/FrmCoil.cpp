#include "coil/ui/FrmCoil.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "coil/CoilCalculator.h"
#include "coil/CoilDesignFile.h"
#include "coil/ui/CoilPictures.h"
#include "components/EnamelledWire.h"
#include "components/ToroidCores.h"
#include "ui/Application.h"
#include "ui/Boxes.h"
#include "ui/Controls.h"
#include "ui/DesignFiles.h"
#include "ui/Forms.h"

namespace vokta::ui {

namespace {

const QString kAirCore = QStringLiteral("Без сердечника (на каркасе)");
const QString kDefaultCore = QStringLiteral("T-50-2");
constexpr double kDefaultWireMm = 0.5;
// The most rows a result has (a toroid's): the table keeps room for them from the start.
constexpr int kMostRows = 15;

QLabel* AddRow(QGridLayout* grid, int row, const QString& caption, const char* name, QWidget* field) {
    auto* label = new QLabel(caption);
    label->setObjectName(QString::fromUtf8(name));
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    return label;
}

QLineEdit* NewBox(const char* name) {
    auto* box = new QLineEdit();
    box->setObjectName(QString::fromUtf8(name));
    return box;
}

QComboBox* NewList(const char* name) {
    auto* list = new QComboBox();
    list->setObjectName(QString::fromUtf8(name));
    list->setEditable(false);
    return list;
}

QTableWidgetItem* Cell(const std::string& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

FrmCoil::FrmCoil() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("FrmCoil"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Расчет катушки"));

    TxtL = NewBox("TxtL");
    TxtF = NewBox("TxtF");
    CmbCore = NewList("CmbCore");
    TxtD = NewBox("TxtD");
    CmbWire = NewList("CmbWire");
    // The air core first, then the catalogue material by material, a line between the materials.
    CmbCore->addItem(kAirCore, QString());
    const CoreMix* mix = nullptr;
    for (const ToroidCore& core : ToroidCores()) {
        if (core.mix != mix) CmbCore->insertSeparator(CmbCore->count());
        mix = core.mix;
        const QString name = QString::fromStdString(core.Name());
        CmbCore->addItem(name, name);
    }
    CmbCore->setMaxVisibleItems(20);
    for (const EnamelledWire& wire : EnamelledWires())
        CmbWire->addItem(LocaleNumberText(wire.nominalMm), wire.nominalMm);

    Frame1 = new QGroupBox(QStringLiteral("Исходные данные"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(Frame1);
    LblL = AddRow(grid, 0, QStringLiteral("&Индуктивность, мкГн"), "LblL", TxtL);
    LblF = AddRow(grid, 1, QStringLiteral("&Частота, МГц"), "LblF", TxtF);
    LblCore = AddRow(grid, 2, QStringLiteral("&Сердечник"), "LblCore", CmbCore);
    LblD = AddRow(grid, 3, QStringLiteral("&Диаметр каркаса, мм"), "LblD", TxtD);
    LblWire = AddRow(grid, 4, QStringLiteral("Диаметр п&ровода, мм"), "LblWire", CmbWire);
    grid->setColumnStretch(1, 1);
    TxtL->setToolTip(QStringLiteral("Требуемая индуктивность катушки"));
    TxtF->setToolTip(
        QStringLiteral("Частота, на которой работает катушка: по ней проверяется материал "
                       "сердечника"));
    TxtD->setToolTip(
        QStringLiteral("Наружный диаметр каркаса, на который виток к витку наматывается катушка"));
    CmbWire->setToolTip(QStringLiteral("Номинальный диаметр медного эмалированного провода"));

    Image1 = new QLabel();
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setFixedSize(pictures::CoilPictureSize());

    TblResults = new QTableWidget(0, 3);
    TblResults->setObjectName(QStringLiteral("TblResults"));
    TblResults->setHorizontalHeaderLabels(
        {QStringLiteral("Величина"), QStringLiteral("Значение"), QStringLiteral("Единица")});
    TblResults->verticalHeader()->hide();
    TblResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TblResults->setSelectionMode(QAbstractItemView::ExtendedSelection);
    TblResults->setWordWrap(false);
    TblResults->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The quantity takes what room the window gives; the value and its unit stand together at the right.
    TblResults->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    TblResults->verticalHeader()->setDefaultSectionSize(TblResults->fontMetrics().height() + 6);
    // Wide enough for the longest texts a result has, tall enough for its most rows.
    const QFontMetrics metrics(TblResults->font());
    const int pad = 16;
    const int quantity =
        metrics.horizontalAdvance(QStringLiteral("Длина провода с выводами 2 × 25 мм")) + pad;
    const int value = metrics.horizontalAdvance(QStringLiteral("0,001…1000")) + pad;
    const int unit = metrics.horizontalAdvance(QStringLiteral("нГн/вит²")) + pad;
    TblResults->setColumnWidth(1, value);
    TblResults->setColumnWidth(2, unit);
    const int frame = 2 * TblResults->frameWidth();
    TblResults->setMinimumSize(quantity + value + unit + frame,
                               TblResults->horizontalHeader()->sizeHint().height() +
                                   kMostRows * TblResults->verticalHeader()->defaultSectionSize() + frame);

    LblSummary = new QLabel();
    LblSummary->setObjectName(QStringLiteral("LblSummary"));
    LblSummary->setWordWrap(true);
    LblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette warning = LblSummary->palette();
    warning.setColor(QPalette::WindowText, QColor(0xb0, 0x00, 0x20));
    LblSummary->setPalette(warning);

    CmdCalc = new QPushButton(QStringLiteral("Расчет"));
    CmdCalc->setObjectName(QStringLiteral("CmdCalc"));
    CmdPdf = new QPushButton(QStringLiteral("PDF…"));
    CmdPdf->setObjectName(QStringLiteral("CmdPdf"));
    CmdPdf->setToolTip(QStringLiteral("Сохранить лист расчета в файл PDF"));
    CmdPdf->setEnabled(false);
    CmdCancel = new QPushButton(QStringLiteral("Отмена"));
    CmdCancel->setObjectName(QStringLiteral("CmdCancel"));
    for (QPushButton* button : {CmdCalc, CmdPdf, CmdCancel}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(81);  // the 1215 twips of the calculators' buttons
    }
    connect(CmdCalc, &QPushButton::clicked, this, &FrmCoil::CmdCalc_Click);
    connect(CmdPdf, &QPushButton::clicked, this, &FrmCoil::CmdPdf_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmCoil::CmdCancel_Click);
    connect(CmbCore, &QComboBox::currentIndexChanged, this, &FrmCoil::CmbCore_Click);

    auto* top = new QHBoxLayout();
    top->addWidget(Frame1, 1);
    top->addWidget(Image1, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(CmdCalc);
    buttons->addWidget(CmdPdf);
    buttons->addWidget(CmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(top);
    layout->addWidget(TblResults, 1);
    layout->addWidget(LblSummary);
    layout->addLayout(buttons);

    setTabOrder(TxtL, TxtF);
    setTabOrder(TxtF, CmbCore);
    setTabOrder(CmbCore, TxtD);
    setTabOrder(TxtD, CmbWire);
    setTabOrder(CmbWire, CmdCalc);
    setTabOrder(CmdCalc, CmdPdf);
    setTabOrder(CmdPdf, CmdCancel);
    setTabOrder(CmdCancel, TblResults);
    UseCalculatorKeys(this, CmdCalc, CmdCancel);
    UseDesignKeys(this, vokta::CoilDesignKind());
}

void FrmCoil::Open(QWidget* opener, std::optional<double> inductanceUH, std::optional<double> frequencyMHz) {
    FrmCoil* form = Forms::Show<FrmCoil>();
    if (!form) return;
    form->opener_ = opener;
    const NumberFormat format = UserNumberFormat();
    if (inductanceUH) form->TxtL->setText(LocaleNumberText(*inductanceUH));
    if (frequencyMHz) form->TxtF->setText(QString::fromStdString(CoilValueText(*frequencyMHz, format)));
    form->ClearResults();
    form->TxtL->setFocus();
}

void FrmCoil::Form_Load() {
    TxtL->clear();
    TxtF->clear();
    TxtD->clear();
    CmbCore->setCurrentIndex(CmbCore->findData(kDefaultCore));
    CmbWire->setCurrentIndex(CmbWire->findData(kDefaultWireMm));
    CmbCore_Click();
    adjustSize();
}

bool FrmCoil::AirCoreChosen() const {
    return CmbCore->currentData().toString().isEmpty();
}

void FrmCoil::CmbCore_Click() {
    // The former and the wire are the air core's; a toroid's wire is chosen by the calculation.
    const bool air = AirCoreChosen();
    for (QWidget* w : {static_cast<QWidget*>(LblD), static_cast<QWidget*>(TxtD),
                       static_cast<QWidget*>(LblWire), static_cast<QWidget*>(CmbWire)})
        w->setEnabled(air);
    SetPicture(Image1, LoadCoilPicture(air ? CoilPicture::Solenoid : CoilPicture::Toroid));
    // A result belongs to the coil it was worked out for.
    ClearResults();
}

void FrmCoil::ClearResults() {
    TblResults->setRowCount(0);
    LblSummary->clear();
    CmdPdf->setEnabled(false);
}

void FrmCoil::CmdPdf_Click() {
    Guarded(this, [this] { SaveSheet(this, MakeSheet(), QStringLiteral("Расчет катушки.pdf")); });
}

Sheet FrmCoil::MakeSheet() const {
    Sheet sheet(windowTitle());
    sheet.Heading(Frame1->title());
    sheet.Table(shownInputs_);
    sheet.Picture(pictures::DrawCoil(shownAir_ ? CoilPicture::Solenoid : CoilPicture::Toroid));
    sheet.Heading(QStringLiteral("Результаты расчета"));
    QList<Sheet::Row> rows;
    for (int row = 0; row < TblResults->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < TblResults->columnCount(); ++column)
            cells << TblResults->item(row, column)->text();
        rows << Sheet::Row{cells};
    }
    QStringList headings;
    for (int column = 0; column < TblResults->columnCount(); ++column)
        headings << TblResults->horizontalHeaderItem(column)->text();
    sheet.Table(rows, headings, {1});
    sheet.Text(LblSummary->text());
    return sheet;
}

void FrmCoil::CmdCalc_Click() {
    const bool air = AirCoreChosen();
    if (!(air ? AllFilled({TxtL, TxtF, TxtD}) : AllFilled({TxtL, TxtF}))) {
        // The typed values stay; an earlier result, which no longer matches them, goes.
        WarnEmptyFields(this);
        ClearResults();
        return;
    }
    Guarded(this, [this] { CalcCoil(); });
}

void FrmCoil::CmdCancel_Click() {
    // Back where the user came from: the tuned circuit that opened the window while it is still there.
    if (QWidget* opener = opener_; opener && Forms::Loaded().contains(opener)) {
        Forms::Unload(this);
        opener->show();
        opener->raise();
        opener->activateWindow();
        return;
    }
    Forms::ReturnToMain(this);
}

void FrmCoil::CalcCoil() {
    // Whatever becomes of this calculation, the earlier result does not belong to the inputs now typed.
    ClearResults();
    CoilTask task;
    task.inductanceUH = ReadNumber(TxtL, QStringLiteral("Индуктивность, мкГн"));
    task.frequencyMHz = ReadNumber(TxtF, QStringLiteral("Частота, МГц"));
    task.coreName = CmbCore->currentData().toString().toStdString();
    if (task.AirCore()) {
        task.formerDiameterMm = ReadNumber(TxtD, QStringLiteral("Диаметр каркаса, мм"));
        task.wireMm = CmbWire->currentData().toDouble();
    }
    if (const auto fault = FindCoilFault(task)) {
        // The fields in the order of CoilInput.
        QWidget* const fields[] = {TxtL, TxtF, CmbCore, TxtD, CmbWire};
        Refuse(this, QString::fromStdString(fault->message), fields[int(fault->input)]);
    }
    const CoilAnswer answer = vokta::CalcCoil(task, UserNumberFormat());
    for (const CoilRow& row : answer.rows) {
        const int r = TblResults->rowCount();
        TblResults->insertRow(r);
        TblResults->setItem(r, 0, Cell(row.quantity, Qt::AlignLeft));
        TblResults->setItem(r, 1, Cell(row.value, Qt::AlignRight));
        TblResults->setItem(r, 2, Cell(row.unit, Qt::AlignLeft));
    }
    QStringList warnings;
    for (const std::string& w : answer.warnings) warnings << QString::fromStdString(w);
    LblSummary->setText(warnings.join(QLatin1Char('\n')));
    shownInputs_ = FieldRows(Frame1);
    shownAir_ = task.AirCore();
    CmdPdf->setEnabled(true);
}

}  // namespace vokta::ui
