#include "rfpath/ui/FrmAnt.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>

#include "rfpath/RfPath.h"
#include "rfpath/RfPathDesignFile.h"
#include "rfpath/ui/RfPathPlot.h"
#include "ui/Application.h"
#include "ui/Boxes.h"
#include "ui/Controls.h"
#include "ui/DesignFiles.h"
#include "ui/Forms.h"

namespace vokta::ui {

namespace {

// Frame1: one row per input, the label on the left and its box on the right (twips, inside the frame).
constexpr int kRowTop = 360;
constexpr int kRowStep = 405;
constexpr int kLabelLeft = 120;
constexpr int kLabelWidth = 3390;
constexpr int kBoxLeft = 3720;
constexpr int kBoxWidth = 1200;
constexpr int kBoxHeight = 330;
constexpr int kLabelHeight = 255;

TwipsRect LabelAt(int row) {
    return {kLabelLeft, kRowTop + row * kRowStep + 45, kLabelWidth, kLabelHeight};
}
TwipsRect BoxAt(int row) {
    return {kBoxLeft, kRowTop + row * kRowStep, kBoxWidth, kBoxHeight};
}

// The right-hand frames: one check box or option button per row.
constexpr int kChoiceTop = 330;
constexpr int kChoiceStep = 315;
constexpr int kChoiceLeft = 150;
constexpr int kChoiceWidth = 4335;
constexpr int kChoiceHeight = 285;
TwipsRect ChoiceAt(int row) {
    return {kChoiceLeft, kChoiceTop + row * kChoiceStep, kChoiceWidth, kChoiceHeight};
}

void SelectItem(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    combo->setEditText(combo->itemText(index));  // also when the user had typed over the item
}

}  // namespace

FrmAnt::FrmAnt() : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("FrmAnt"));
    setWindowTitle(QStringLiteral("Расчет контуров тракта РЧ"));

    // The source data, in the order the user fills them in (which is also the tab order).
    Frame1 = AddFrame(this, "Frame1", QStringLiteral("Исходные данные"), {120, 120, 5040, 4110});
    Lblfmax = AddLabel(Frame1, "Lblfmax", QStringLiteral("Максимальная частота диапазона, МГц"), LabelAt(0));
    TxtFmax = AddTextBox(Frame1, "TxtFmax", BoxAt(0));
    Lblfmin = AddLabel(Frame1, "Lblfmin", QStringLiteral("Минимальная частота диапазона, МГц"), LabelAt(1));
    TxtFmin = AddTextBox(Frame1, "TxtFmin", BoxAt(1));
    LblFpr = AddLabel(Frame1, "LblFpr", QStringLiteral("Промежуточная частота, МГц"), LabelAt(2));
    CmbFpr = AddComboBox(Frame1, "CmbFpr", {"0.455", "0.465", "0.5", "5", "5.5", "10.7"}, BoxAt(2));
    LblSezk =
        AddLabel(Frame1, "LblSezk", QStringLiteral("Селективность по зеркальному каналу, дБ"), LabelAt(3));
    TxtSel = AddTextBox(Frame1, "TxtSel", BoxAt(3));
    Lbldk = AddLabel(Frame1, "Lbldk", QStringLiteral("Эквивалентное затухание контура"), LabelAt(4));
    Combo1 = AddComboBox(Frame1, "Combo1", {"0.01", "0.012", "0.014", "0.016", "0.018", "0.02"}, BoxAt(4));
    LblSigma = AddLabel(Frame1, "LblSigma", QStringLiteral("Неравномерность АЧХ тракта РЧ, дБ"), LabelAt(5));
    Combo2 = AddComboBox(Frame1, "Combo2", {"0.5", "1", "1.5", "2", "2.5", "3"}, BoxAt(5));
    LblFget = AddLabel(Frame1, "LblFget", QStringLiteral("Нестабильность частоты гетеродина"), LabelAt(6));
    Combo3 = AddComboBox(Frame1, "Combo3", {"1e-3", "1e-4", "1e-5", "1e-6", "1e-7"}, BoxAt(6));
    LblM = AddLabel(Frame1, "LblM", QStringLiteral("Индекс модуляции"), LabelAt(7));
    TxtM = AddTextBox(Frame1, "TxtM", BoxAt(7));
    LblF = AddLabel(Frame1, "LblF", QStringLiteral("Максимальная частота модуляции, Гц"), LabelAt(8));
    TxtF = AddTextBox(Frame1, "TxtF", BoxAt(8));

    // Each label names its box: the sheet lists them by it.
    for (auto [label, field] : {std::pair<QLabel*, QWidget*>{Lblfmax, TxtFmax},
                                {Lblfmin, TxtFmin},
                                {LblFpr, CmbFpr},
                                {LblSezk, TxtSel},
                                {Lbldk, Combo1},
                                {LblSigma, Combo2},
                                {LblFget, Combo3},
                                {LblM, TxtM},
                                {LblF, TxtF}})
        label->setBuddy(field);

    auto* Frame2 = AddFrame(this, "Frame2", QStringLiteral("Данные антенны"), {5280, 120, 4575, 1395});
    CheckAnt = AddCheckBox(Frame2, "CheckAnt", QStringLiteral("Магнитная антенна"), ChoiceAt(0));
    Check2 = AddCheckBox(Frame2, "Check2", QStringLiteral("Индуктивная связь с контуром"), ChoiceAt(1));
    Check3 = AddCheckBox(Frame2, "Check3", QStringLiteral("Удлиненная антенна"), ChoiceAt(2));

    auto* Frame3 = AddFrame(this, "Frame3", QStringLiteral("Связь с транзистором"), {5280, 1635, 4575, 1080});
    Option1 = new QButtonGroup(Frame3);
    AddOption(Frame3, Option1, "Option1", 0, QStringLiteral("Внутриемкостная связь контура с транзистором"),
              ChoiceAt(0));
    AddOption(Frame3, Option1, "Option1", 1, QStringLiteral("Индуктивная связь контура с транзистором"),
              ChoiceAt(1));

    auto* Frame4 = AddFrame(this, "Frame4", QStringLiteral("Вид модуляции"), {5280, 2835, 4575, 1395});
    Option2 = new QButtonGroup(Frame4);
    AddOption(Frame4, Option2, "Option2", 0, QStringLiteral("АМ"), ChoiceAt(0));
    AddOption(Frame4, Option2, "Option2", 1, QStringLiteral("ОБП"), ChoiceAt(1));
    AddOption(Frame4, Option2, "Option2", 2, QStringLiteral("ЧМ"), ChoiceAt(2));
    connect(Option2, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked) Option2_Click(index);
    });

    // The results take the place of Frame1.
    LblSel = AddLabel(this, "LblSel", {}, {180, 480, 4920, 255});
    LblSigma1 = AddLabel(this, "LblSigma1", {}, {180, 900, 4920, 255});
    LblN = AddLabel(this, "LblN", {}, {180, 1320, 4920, 255});

    CmdCalc = AddButton(this, "CmdCalc", QStringLiteral("Расчет"), {3300, 4410, 1215, 375},
                        QStringLiteral("Начать расчет"));
    CmdPlot = AddButton(this, "CmdPlot", QStringLiteral("График"), {4635, 4410, 1215, 375},
                        QStringLiteral("Показать избирательность тракта РЧ"));
    CmdPdf = AddButton(this, "CmdPdf", QStringLiteral("PDF…"), {5970, 4410, 1215, 375},
                       QStringLiteral("Сохранить лист расчета в файл PDF"));
    CmdClear = AddButton(this, "CmdClear", QStringLiteral("Очистить"), {7305, 4410, 1215, 375},
                         QStringLiteral("Очистить поля для нового расчета"));
    CmdBack = AddButton(this, "CmdBack", QStringLiteral("Отмена"), {8640, 4410, 1215, 375},
                        QStringLiteral("Отменить расчет"));
    connect(CmdCalc, &QPushButton::clicked, this, &FrmAnt::CmdCalc_Click);
    connect(CmdPlot, &QPushButton::clicked, this, &FrmAnt::CmdPlot_Click);
    connect(CmdPdf, &QPushButton::clicked, this, &FrmAnt::CmdPdf_Click);
    connect(CmdClear, &QPushButton::clicked, this, &FrmAnt::CmdClear_Click);
    connect(CmdBack, &QPushButton::clicked, this, &FrmAnt::CmdBack_Click);
    UseCalculatorKeys(this, CmdCalc, CmdBack);
    UseDesignKeys(this, vokta::RfPathDesignKind());

    SetFixedClientSize(this, 9975, 4905);
}

void FrmAnt::Form_Load() {
    TxtFmax->clear();
    TxtFmin->clear();
    TxtSel->clear();
    TxtM->clear();
    SelectItem(CmbFpr, 1);
    SelectItem(Combo1, 0);
    SelectItem(Combo2, 0);
    SelectItem(Combo3, 0);
    TxtF->setText(QStringLiteral("3000"));
    Option1->button(0)->setChecked(true);
    Option2->button(0)->setChecked(true);
    Option2_Click(0);  // the modulation index belongs to FM only, also when AM was selected already
    ShowInputFace();
}

void FrmAnt::Option2_Click(int /*index*/) {
    TxtM->setEnabled(Option2->button(2)->isChecked());
}

void FrmAnt::CmdCalc_Click() {
    if (!InputsComplete()) {
        // The user is asked to fill in the empty field: the data typed so far stay.
        WarnEmptyFields(this);
        ShowInputFace();
        return;
    }
    // The inputs are shown while they are read, so that a refused one can take the focus; a success
    // brings the results back. A run-time error names the input that is out of range.
    ShowInputFace();
    Guarded(this, [this] { CalcRfPath(); });
}

void FrmAnt::CmdClear_Click() {
    Form_Load();
}

void FrmAnt::CmdBack_Click() {
    Forms::ReturnToMain(this);
}

void FrmAnt::CmdPlot_Click() {
    Guarded(this, [this] { ShowRfPathPlot(shownTask_, shownDesign_); });
}

void FrmAnt::CmdPdf_Click() {
    Guarded(this, [this] { SaveSheet(this, MakeSheet(), QStringLiteral("Расчет тракта РЧ.pdf")); });
}

QList<Sheet::Row> FrmAnt::SheetInputs() const {
    QList<Sheet::Row> rows = FieldRows(Frame1);
    for (const QCheckBox* check : {CheckAnt, Check2, Check3}) rows << CheckRow(check);
    for (const QButtonGroup* group : {Option1, Option2}) {
        const QWidget* frame = group->checkedButton()->parentWidget();
        rows << Sheet::Row{{static_cast<const QGroupBox*>(frame)->title(), group->checkedButton()->text()}};
    }
    return rows;
}

Sheet FrmAnt::MakeSheet() const {
    Sheet sheet(windowTitle());
    sheet.Heading(QStringLiteral("Исходные данные"));
    sheet.Table(shownInputs_);
    sheet.Heading(QStringLiteral("Результаты расчета"));
    sheet.Text(QStringList{LblSel->text(), LblSigma1->text(), LblN->text()}.join(QLatin1Char('\n')));
    const plot::Figure figure = RfPathPlot(shownTask_, shownDesign_);
    for (const plot::Page& page : figure.pages) sheet.Chart(page);  // each under its own title
    sheet.Text(figure.summary);
    return sheet;
}

bool FrmAnt::InputsComplete() const {
    QList<const QLineEdit*> required{TxtFmax, TxtFmin, TxtSel};
    if (Option2->button(2)->isChecked()) required << TxtM;
    for (const QLineEdit* box : required)
        if (box->text().isEmpty()) return false;
    return true;
}

RfPathTask FrmAnt::ReadTask() {
    RfPathTask task;
    task.fmaxMHz = ReadNumber(TxtFmax, Lblfmax->text());
    task.fminMHz = ReadNumber(TxtFmin, Lblfmin->text());
    task.ifMHz = ReadNumber(CmbFpr, LblFpr->text());
    task.selectivityDb = ReadNumber(TxtSel, LblSezk->text());
    task.circuitDamping = ReadNumber(Combo1, Lbldk->text());
    task.unevennessDb = ReadNumber(Combo2, LblSigma->text());
    task.instability = ReadNumber(Combo3, LblFget->text());
    task.modulationHz = ReadNumber(TxtF, LblF->text());
    switch (Option2->checkedId()) {
        case 1:
            task.modulation = vokta::Modulation::SSB;
            break;
        case 2:
            task.modulation = vokta::Modulation::FM;
            task.modulationIndex = ReadNumber(TxtM, LblM->text());
            break;
        default:
            task.modulation = vokta::Modulation::AM;
            break;
    }
    task.coupling = Option1->checkedId() == 1 ? vokta::TransistorCoupling::Inductive
                                              : vokta::TransistorCoupling::TappedCapacitance;
    task.magneticAntenna = CheckAnt->isChecked();
    task.coilCoupledAntenna = Check2->isChecked();
    task.longAntenna = Check3->isChecked();
    if (const auto fault = vokta::FindDomainFault(task)) {
        // The boxes in the order of RfPathInput.
        QWidget* const fields[] = {TxtFmax, TxtFmin, CmbFpr, Combo1, Combo2, Combo3, TxtF, TxtM};
        Refuse(this, QString::fromStdString(fault->message), fields[int(fault->input)]);
    }
    return task;
}

void FrmAnt::CalcRfPath() {
    const RfPathTask task = ReadTask();
    const RfPathDesign design = vokta::DesignRfPath(task);
    switch (design.verdict) {
        case RfPathVerdict::SelectivityUnattainable:
            Warn(this, QStringLiteral("Невозможно получить приемлемое значение добротности по селективности. "
                                      "Требуется корректировка задания"));
            ShowInputFace();
            return;
        case RfPathVerdict::AttenuationUnattainable:
            Warn(this, QStringLiteral("Невозможно получить приемлемое значение добротности по затуханию. "
                                      "Требуется корректировка задания"));
            ShowInputFace();
            return;
        case RfPathVerdict::Designed:
            break;
    }
    LblSel->setText(QStringLiteral("Эквивалентная добротность по селективности=") +
                    NumberText(design.selectivityQ));
    LblSigma1->setText(QStringLiteral("Эквивалентная добротность по затуханию=") +
                       NumberText(design.attenuationQ));
    LblN->setText(QStringLiteral("Необходимое число контуров тракта РЧ=") + NumberText(design.circuits));
    shownDesign_ = design;
    shownTask_ = task;
    shownInputs_ = SheetInputs();
    ShowResultsFace();
}

void FrmAnt::ShowInputFace() {
    Frame1->show();
    LblSel->hide();
    LblSigma1->hide();
    LblN->hide();
    CmdPlot->setEnabled(false);
    CmdPdf->setEnabled(false);
}

void FrmAnt::ShowResultsFace() {
    Frame1->hide();
    LblSel->show();
    LblSigma1->show();
    LblN->show();
    CmdPlot->setEnabled(true);
    CmdPdf->setEnabled(true);
}

}  // namespace vokta::ui
