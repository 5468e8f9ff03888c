#include "transformer/ui/FrmTrans.h"

#include <cmath>
#include <variant>

#include "base/Checked.h"
#include "base/PictureNumbers.h"
#include "transformer/TransformerDesignFile.h"
#include "transformer/ui/FrmTransResults.h"
#include "ui/Application.h"
#include "ui/Boxes.h"
#include "ui/Controls.h"
#include "ui/DesignFiles.h"
#include "ui/Forms.h"
#include "ui/Pictures.h"
#include "ui/ReportPrinter.h"

namespace vokta::ui {

namespace {

const QString kInputTitle = QStringLiteral("Окно ввода");

// The sketch of each core type, in the order of the options.
constexpr int kCorePicture[3] = {vokta::kLaminatedCorePicture, vokta::kTapeWoundCorePicture,
                                 vokta::kToroidalCorePicture};

}  // namespace

FrmTrans::FrmTrans() : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("FrmTrans"));
    setWindowTitle(QStringLiteral("Расчет трансформаторов"));

    auto* Frame1 = AddFrame(this, "Frame1", QStringLiteral("Тип сердечника"), {120, 60, 3615, 1215});
    Option1Group = new QButtonGroup(this);
    const QString captions[3] = {QStringLiteral("Пластинчатый"), QStringLiteral("Ленточный"),
                                 QStringLiteral("Тороидальный")};
    for (int i = 0; i < 3; ++i) {
        Option1[i] =
            AddOption(Frame1, Option1Group, "Option1", i, captions[i], {240, 300 + 285 * i, 3135, 255});
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Option1_Click(i);
        });
    }

    auto* Frame2 = AddFrame(this, "Frame2", QStringLiteral("Исходные данные"), {120, 1380, 3615, 2655});
    // One row per source value: its label on the left, its box on the right.
    auto row = [](int index) { return 330 + 375 * index; };
    LblA = AddLabel(Frame2, "LblA", QStringLiteral("a, см"), {240, row(0), 2175, 285});
    TxtA = AddTextBox(Frame2, "TxtA", {2520, row(0), 975, 285});
    LblB = AddLabel(Frame2, "LblB", QStringLiteral("b, см"), {240, row(1), 2175, 285});
    TxtB = AddTextBox(Frame2, "TxtB", {2520, row(1), 975, 285});
    LblC = AddLabel(Frame2, "LblC", QStringLiteral("c, см"), {240, row(2), 2175, 285});
    TxtC = AddTextBox(Frame2, "TxtC", {2520, row(2), 975, 285});
    Label1 = AddLabel(Frame2, "Label1", QStringLiteral("h, см"), {240, row(3), 2175, 285});
    TxtH = AddTextBox(Frame2, "TxtH", {2520, row(3), 975, 285});
    LblU1 = AddLabel(Frame2, "LblU1", QStringLiteral("Напряжение сети, В"), {240, row(4), 2175, 285});
    TxtU1 = AddTextBox(Frame2, "TxtU1", {2520, row(4), 975, 285});
    Label2 = AddLabel(Frame2, "Label2", QStringLiteral("Толщина стали сердечника"), {240, row(5), 2175, 315});
    Combo1 = AddComboBox(Frame2, "Combo1", {}, {2520, row(5) - 15, 975, 315});
    const std::pair<QLabel*, QWidget*> buddies[] = {{LblA, TxtA},   {LblB, TxtB},   {LblC, TxtC},
                                                    {Label1, TxtH}, {LblU1, TxtU1}, {Label2, Combo1}};
    for (const auto& [label, box] : buddies) label->setBuddy(box);

    // A picture box: a sunken border around the sketch of the chosen core.
    Picture1 = AddImage(this, "Picture1", {3855, 120, 3360, 2850});
    Picture1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setAutoFillBackground(true);
    QPalette white = Picture1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Picture1->setPalette(white);

    CmdCalc = AddButton(this, "CmdCalc", QStringLiteral("Расчет"), {1140, 4200, 1335, 375});
    CmdCancel = AddButton(this, "CmdCancel", QStringLiteral("Отмена"), {3000, 4200, 1335, 375});
    CmdPrint = AddButton(this, "CmdPrint", QStringLiteral("Печать"), {4860, 4200, 1335, 375});
    connect(CmdCalc, &QPushButton::clicked, this, &FrmTrans::CmdCalc_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmTrans::CmdCancel_Click);
    connect(CmdPrint, &QPushButton::clicked, this, &FrmTrans::CmdPrint_Click);
    UseCalculatorKeys(this, CmdCalc, CmdCancel);
    // A design file holds the windings too: those of the last calculation, or asked for when there is none.
    UseDesignKeys(this, vokta::TransformerDesignKind(), [this](vokta::DesignRecord& record) {
        if (!answeredWindings_) {
            const std::optional<Windings> windings = AskWindings();
            if (!windings) return false;
            answeredWindings_ = windings->answers;
        }
        record.rows = *answeredWindings_;
        return true;
    });

    // Tab order: the core type, the source data top to bottom, then the buttons left to right.
    const QList<QWidget*> order{Option1[0], Option1[1], Option1[2], TxtA,    TxtB,      TxtC,
                                TxtH,       TxtU1,      Combo1,     CmdCalc, CmdCancel, CmdPrint};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    SetFixedClientSize(this, 7335, 4755);
}

void FrmTrans::Form_Load() {
    // Selecting the laminated core runs the option handler: picture, list, captions.
    if (Option1[0]->isChecked())
        Option1_Click(0);
    else
        Option1[0]->setChecked(true);
    TxtA->clear();
    TxtB->clear();
    TxtC->clear();
    TxtH->clear();
    TxtU1->setText(QStringLiteral("220"));
    Combo1->setCurrentIndex(0);
}

void FrmTrans::Option1_Click(int) {
    for (int i = 0; i < 3; ++i) {
        if (!Option1[i]->isChecked()) continue;
        Picture1->setPixmap(LoadPicture(kCorePicture[i]));
        Combo1->clear();
        for (double thickness : vokta::SteelThicknesses(CoreType(i)))
            Combo1->addItem(LocaleNumberText(thickness));
        break;
    }
    const bool toroid = Option1[2]->isChecked();
    if (toroid) {
        LblA->setText(QStringLiteral("d1, см"));
        LblB->setText(QStringLiteral("d2, cм"));
    } else {
        LblA->setText(QStringLiteral("a, cм"));
        LblB->setText(QStringLiteral("b, cм"));
    }
    LblC->setVisible(!toroid);
    TxtC->setVisible(!toroid);
    Combo1->setCurrentIndex(0);
}

void FrmTrans::CmdCalc_Click() {
    Guarded(this, [this] {
        QList<QLineEdit*> required{TxtA, TxtB, TxtC, TxtH, TxtU1};
        if (SelectedCoreType() == CoreType::Toroidal) required.removeOne(TxtC);
        for (QLineEdit* box : required) {
            if (box->text().isEmpty()) {
                // Everything typed so far stays, so the user only fills in what is missing.
                WarnEmptyFields(this);
                return;
            }
        }
        CalcTransformer();
    });
}

void FrmTrans::CalcTransformer() {
    vokta::TransformerInput input;
    input.type = SelectedCoreType();
    // Every source value is read and checked before the first question about the windings.
    input.core = {ReadNumber(TxtA, LblA->text()), ReadNumber(TxtB, LblB->text()),
                  input.type == CoreType::Toroidal ? 0.0 : ReadNumber(TxtC, LblC->text()),
                  ReadNumber(TxtH, Label1->text())};
    input.mainsVoltage = ReadNumber(TxtU1, LblU1->text());
    const double thickness = ReadNumber(Combo1, Label2->text());
    if (const auto fault = vokta::FindCoreFault(input.type, input.core, input.mainsVoltage, thickness)) {
        QWidget* const fields[] = {TxtA, TxtB, TxtC, TxtH, TxtU1, Combo1};
        Refuse(this, QString::fromStdString(fault->message), fields[int(fault->field)]);
    }
    const std::optional<float> steelFill = vokta::SteelFillFor(input.type, thickness);
    // The fill factor of the laminated and tape-wound steels is known only for the listed thicknesses.
    if (!steelFill) Refuse(this, QStringLiteral("Выберите толщину стали сердечника из списка"), Combo1);
    input.steelFill = *steelFill;

    const std::optional<Windings> windings = AskWindings();
    if (!windings) return;
    input.loads = windings->loads;
    answeredWindings_ = windings->answers;

    // The results on show are no longer the design once it is recalculated; a new design shows anew.
    Forms::Unload<FrmTransResults>();
    switch (vokta::CalcTransformer(Design, input)) {
        case vokta::DesignOutcome::Designed:
            FrmTransResults::Open(Design, {input.type, input.core, thickness, input.loads});
            break;
        case vokta::DesignOutcome::CoreTooSmall:
            WarnCoreTooSmall();
            break;
        case vokta::DesignOutcome::PowerBeyondTables:
            Warn(this, QStringLiteral(
                           "Мощность вторичных обмоток составляет %1 Вт, а данные сердечников в программе "
                           "есть только для мощности меньше 1000 Вт. Уменьшите напряжение или ток нагрузки")
                           .arg(LocaleNumberText(Design.SecondaryPower)));
            break;
    }
}

QString FrmTrans::Ask(const QString& question, bool* cancelled) {
    if (!fromFile_) return InputBox(this, question, kInputTitle, cancelled);
    *cancelled = fileAnswers_.isEmpty();
    return *cancelled ? QString() : fileAnswers_.takeFirst();
}

void FrmTrans::CalcWithWindings(const std::vector<std::vector<std::string>>& rows) {
    const vokta::NumberFormat format = UserNumberFormat();
    fileAnswers_ = {QString::number(rows.size())};
    for (const auto& row : rows)
        for (const std::string& answer : row)
            fileAnswers_ << QString::fromStdString(vokta::ShownNumberText(answer, format));
    fromFile_ = true;
    CmdCalc_Click();
    fromFile_ = false;
    fileAnswers_.clear();
}

std::optional<FrmTrans::Windings> FrmTrans::AskWindings() {
    // Cancel in any box ends the calculation; the previous design stays.
    bool cancelled = false;
    const QString countQuestion = QStringLiteral("Введите количество вторичных обмоток");
    const QString countText = Ask(countQuestion, &cancelled);
    if (cancelled) return std::nullopt;
    const double count = ReadAnswer(this, countText, countQuestion);
    if (count != std::floor(count) || count < 0)
        Refuse(this, QStringLiteral("Количество вторичных обмоток должно быть целым неотрицательным числом"));
    if (count > vokta::kMaxSecondaryWindings)
        Refuse(this, QStringLiteral("Программа рассчитывает не больше %1 вторичных обмоток, а введено %2")
                         .arg(vokta::kMaxSecondaryWindings)
                         .arg(countText.trimmed()));

    const QString voltageQuestion = QStringLiteral("Введите требуемое напряжение нагрузки, В");
    const QString currentQuestion = QStringLiteral("Введите требуемый ток нагрузки, А");
    // A load value that is not above zero is refused at its own box, which asks again.
    const vokta::NumberFormat format = UserNumberFormat();
    // A load value that is not above zero is refused at its own box, which asks again (a file's answer,
    // checked when the file was opened, is never refused).
    auto ask = [&](int16_t winding, vokta::LoadValue which, const QString& question, float& value,
                   std::vector<std::string>& answers) {
        for (;;) {
            const QString answer = Ask(question, &cancelled);
            if (cancelled) return false;
            value = vokta::Single(ReadAnswer(this, answer, question));
            const std::optional<std::string> fault = vokta::FindLoadFault(winding, which, value);
            if (!fault) {
                answers.push_back(vokta::FileNumberText(answer.toStdString(), format));
                return true;
            }
            Warn(this, QString::fromStdString(*fault));
            if (fromFile_) return false;
        }
    };
    Windings windings;
    for (int16_t WindingIndex = 1; WindingIndex <= int16_t(count); ++WindingIndex) {
        vokta::TransformerInput::Load load;
        std::vector<std::string> answers;
        if (!ask(WindingIndex, vokta::LoadValue::Voltage, voltageQuestion, load.voltage, answers))
            return std::nullopt;
        if (!ask(WindingIndex, vokta::LoadValue::Current, currentQuestion, load.current, answers))
            return std::nullopt;
        windings.loads.push_back(load);
        windings.answers.push_back(std::move(answers));
    }
    return windings;
}

void FrmTrans::WarnCoreTooSmall() {
    // The user's source data stay, so that the core can be enlarged from them.
    Warn(this,
         QStringLiteral(
             "От вашего сердечника не получить такой мощности. Необходимо увеличить размеры сердечника"));
}

void FrmTrans::CmdCancel_Click() {
    Forms::ReturnToMain(this);
}

void FrmTrans::CmdPrint_Click() {
    Guarded(this, [this] {
        vokta::KeepWindingArrays(Design);
        MsgBox(
            this,
            QStringLiteral("Данные расчета выводятся на принтер. Проверьте его готовность к приему данных"),
            QStringLiteral("Информационное сообщение"), MsgIcon::Information);
        const std::unique_ptr<ReportPrinter> printer = NewReportPrinter(this);
        PrintTransformerReport(*printer, Design);
    });
}

void PrintTransformerReport(ReportPrinter& printer, const vokta::TransformerDesign& design) {
    printer.SetFontName(QStringLiteral("MS Sans Serif"));
    printer.SetFontSize(10);
    for (const vokta::ReportLine& line : vokta::TransformerReport(design)) {
        const QString text = QString::fromStdString(line.text);
        if (line.number)
            std::visit([&](auto number) { printer.PrintTextAndNumber(text, number); }, *line.number);
        else
            printer.PrintLine(text);
    }
    printer.EndDoc();
}

CoreType FrmTrans::SelectedCoreType() const {
    if (Option1[2]->isChecked()) return CoreType::Toroidal;
    if (Option1[1]->isChecked()) return CoreType::Tape;
    return CoreType::Laminated;
}

}  // namespace vokta::ui
