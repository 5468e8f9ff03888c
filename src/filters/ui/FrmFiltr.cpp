#include "filters/ui/FrmFiltr.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <optional>

#include "base/Checked.h"
#include "filters/FilterDesignFile.h"
#include "filters/ui/FrmFiltrItog.h"
#include "ui/Application.h"
#include "ui/Boxes.h"
#include "ui/Controls.h"
#include "ui/DesignFiles.h"
#include "ui/Forms.h"

namespace vokta::ui {

namespace {

// The attenuation lists: every Butterworth ripple; the ripples of the passive Chebyshev table; the two of
// the active Chebyshev sections; and what an active Butterworth filter offers.
const QStringList kButterworthRipples{"0.5", "1", "1.5", "2", "3"};
const QStringList kPassiveChebyshevRipples{"0.5", "1", "2", "3"};
const QStringList kActiveChebyshevRipples{"0.5", "3"};
const QStringList kActiveButterworthRipples{"0.5", "1", "2", "3"};

// A label and its input on one row of the source-data frame.
constexpr int kRowLabelLeft = 120;
constexpr int kInputLeft = 3360;
constexpr int kInputWidth = 855;

QLabel* RowLabel(QWidget* frame, const char* name, const QString& caption, int top,
                 int left = kRowLabelLeft) {
    return AddLabel(frame, name, caption, {left, top, kInputLeft - 105 - left, 285});
}

// A label's caption as the name of its field: "Затухание в полосе пропускания, дБ".
QString Caption(const QLabel* label) {
    return label->text().simplified();
}

QString TextOf(const QWidget* field) {
    if (const auto* box = qobject_cast<const QLineEdit*>(field)) return box->text();
    if (const auto* list = qobject_cast<const QComboBox*>(field)) return list->currentText();
    return {};
}

// The number in a box or an editable list as it stands while being typed: an empty text reads as 0, a
// text that is not (yet) a whole number in the user's format has no value.
std::optional<double> ValueWhileTyping(const QWidget* field) {
    const QString text = TextOf(field);
    if (text.trimmed().isEmpty()) return 0.0;
    try {
        return vokta::ParseTypedNumber(text.toStdString(), UserNumberFormat());
    } catch (const vokta::RuntimeError&) {
        return std::nullopt;
    }
}

}  // namespace

FrmFiltr::FrmFiltr() {
    setObjectName(QStringLiteral("FrmFiltr"));
    setWindowTitle(QStringLiteral("Расчет фильтров"));

    auto* Frame1 = AddFrame(this, "Frame1", QStringLiteral("Тип фильтра"), {120, 120, 3015, 1815});
    auto* group1 = new QButtonGroup(this);
    const QString types[] = {QStringLiteral("Фильтр нижних частот"), QStringLiteral("Фильтр верхних частот"),
                             QStringLiteral("Полосовой фильтр"), QStringLiteral("Режекторный фильтр")};
    for (int i = 0; i < 4; ++i)
        Option1[i] = AddOption(Frame1, group1, "Option1", i, types[i], {240, 360 + 360 * i, 2655, 255});

    auto* Frame2 = AddFrame(this, "Frame2", QStringLiteral("Тип АЧХ фильтра"), {120, 2160, 3015, 1095});
    auto* group2 = new QButtonGroup(this);
    Option2[0] =
        AddOption(Frame2, group2, "Option2", 0, QStringLiteral("Баттерворта"), {240, 360, 2655, 255});
    Option2[1] = AddOption(Frame2, group2, "Option2", 1, QStringLiteral("Чебышева"), {240, 720, 2655, 255});

    CheckARC = AddCheckBox(this, "CheckARC", QStringLiteral("Активный фильтр"), {240, 3600, 2655, 255});

    auto* Frame3 = AddFrame(this, "Frame3", QStringLiteral("Исходные данные"), {3360, 120, 4335, 3135});
    LblAmin = RowLabel(Frame3, "LblAmin", QStringLiteral("Затухание в  полосе пропускания, дБ"), 360, 240);
    CmbAmin = AddComboBox(Frame3, "CmbAmin", {}, {kInputLeft, 345, kInputWidth, 315});
    LblAs = RowLabel(Frame3, "LblAs", QStringLiteral("Затухание в  полосе задерживания, дБ"), 720);
    TxtAs = AddTextBox(Frame3, "TxtAs", {kInputLeft, 720, kInputWidth, 285});
    LblF1 = RowLabel(Frame3, "LblF1", QStringLiteral("Граничная частота, Гц"), 1080);
    TxtF1 = AddTextBox(Frame3, "TxtF1", {kInputLeft, 1080, kInputWidth, 285});
    LblFright = RowLabel(Frame3, "LblFright", QStringLiteral("Правая граничная частота, Гц"), 1440);
    TxtFright = AddTextBox(Frame3, "TxtFright", {kInputLeft, 1440, kInputWidth, 285});
    LblFleft = RowLabel(Frame3, "LblFleft", QStringLiteral("Левая граничная частота, Гц"), 1800);
    TxtFleft = AddTextBox(Frame3, "TxtFleft", {kInputLeft, 1800, kInputWidth, 285});
    LblFs = RowLabel(Frame3, "LblFs", QStringLiteral("Частота среза, Гц"), 2160);
    TxtFs = AddTextBox(Frame3, "TxtFs", {kInputLeft, 2160, kInputWidth, 285});
    LblRn = RowLabel(Frame3, "LblRn", QStringLiteral("Сопротивление нагрузки, Ом"), 2520);
    CmbRn = AddComboBox(Frame3, "CmbRn", {}, {kInputLeft, 2505, kInputWidth, 315});
    for (auto [label, input] : {std::pair<QLabel*, QWidget*>{LblAmin, CmbAmin},
                                {LblAs, TxtAs},
                                {LblF1, TxtF1},
                                {LblFright, TxtFright},
                                {LblFleft, TxtFleft},
                                {LblFs, TxtFs},
                                {LblRn, CmbRn}})
        label->setBuddy(input);

    AddLine(this, "Line1", 0, 3960, 7800, 3960);
    CmdCalc = AddButton(this, "CmdCalc", QStringLiteral("Расчет"), {3120, 4080, 1455, 375},
                        QStringLiteral("Начать расчет"));
    CmdCls = AddButton(this, "CmdCls", QStringLiteral("Очистить"), {4680, 4080, 1455, 375},
                       QStringLiteral("Очистить поля ввода данных"));
    CmdBack = AddButton(this, "CmdBack", QStringLiteral("Отмена"), {6240, 4080, 1455, 375},
                        QStringLiteral("Отмена расчета"));
    UseCalculatorKeys(this, CmdCalc, CmdBack);
    UseDesignKeys(this, vokta::FilterDesignKind());
    SetFixedClientSize(this, 7770, 4530);

    // The design state: low-pass and Butterworth selected before any handler is connected, so the labels
    // keep their design captions.
    Option1[0]->setChecked(true);
    Option2[0]->setChecked(true);

    for (int i = 0; i < 4; ++i)
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Option1_Click(i);
        });
    for (int i = 0; i < 2; ++i)
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Option2_Click(i);
        });
    connect(CheckARC, &QCheckBox::toggled, this, &FrmFiltr::CheckARC_Click);
    connect(TxtFleft, &QLineEdit::textChanged, this, &FrmFiltr::TxtFleft_Change);
    connect(TxtFs, &QLineEdit::textChanged, this, &FrmFiltr::TxtFs_Change);
    connect(CmdCalc, &QPushButton::clicked, this, &FrmFiltr::CmdCalc_Click);
    connect(CmdCls, &QPushButton::clicked, this, &FrmFiltr::CmdCls_Click);
    connect(CmdBack, &QPushButton::clicked, this, &FrmFiltr::CmdBack_Click);
}

void FrmFiltr::Form_Load() {
    TxtF1->setEnabled(true);
    LblF1->setEnabled(true);
    for (QWidget* w : {static_cast<QWidget*>(TxtFright), static_cast<QWidget*>(TxtFleft),
                       static_cast<QWidget*>(LblFright), static_cast<QWidget*>(LblFleft)})
        w->setEnabled(false);
    FillAminList(kButterworthRipples);
    CmbRn->clear();
    CmbRn->addItems({"50", "75", "600"});
    CmbRn->setCurrentIndex(0);
}

FilterType FrmFiltr::SelectedType() const {
    if (Option1[1]->isChecked()) return FilterType::HighPass;
    if (Option1[2]->isChecked()) return FilterType::BandPass;
    if (Option1[3]->isChecked()) return FilterType::BandStop;
    return FilterType::LowPass;
}

FilterResponse FrmFiltr::SelectedResponse() const {
    return Option2[1]->isChecked() ? FilterResponse::Chebyshev : FilterResponse::Butterworth;
}

bool FrmFiltr::IsActive() const {
    return CheckARC->isChecked();
}

QString FrmFiltr::AminText() const {
    return CmbAmin->currentText();
}

QList<Sheet::Row> FrmFiltr::SheetInputs() const {
    auto checked = [](const auto& options) {
        for (const QRadioButton* option : options)
            if (option->isChecked()) return option->text();
        return QString();
    };
    QList<Sheet::Row> rows{{{QStringLiteral("Тип фильтра"), checked(Option1)}},
                           {{QStringLiteral("Тип АЧХ фильтра"), checked(Option2)}},
                           CheckRow(CheckARC)};
    for (auto [label, field] : {std::pair<const QLabel*, const QWidget*>{LblAmin, CmbAmin},
                                {LblAs, TxtAs},
                                {LblF1, TxtF1},
                                {LblFright, TxtFright},
                                {LblFleft, TxtFleft},
                                {LblFs, TxtFs},
                                {LblRn, CmbRn}})
        if (field->isEnabled()) rows << FieldRow(label, field);
    return rows;
}

void FrmFiltr::FillAminList(const QStringList& items) {
    // An attenuation the new list offers too stays chosen; any other gives way to the first item.
    const QString text = CmbAmin->currentText();
    CmbAmin->clear();
    CmbAmin->addItems(items);
    CmbAmin->setCurrentIndex(std::max(0, int(items.indexOf(text))));
}

void FrmFiltr::Option1_Click(int /*index*/) {
    const bool edge = Option1[0]->isChecked() || Option1[1]->isChecked();
    TxtF1->setEnabled(edge);
    LblF1->setEnabled(edge);
    for (QWidget* w : {static_cast<QWidget*>(TxtFright), static_cast<QWidget*>(TxtFleft),
                       static_cast<QWidget*>(LblFright), static_cast<QWidget*>(LblFleft)})
        w->setEnabled(!edge);
    if (Option1[3]->isChecked()) {
        // A band-stop passes what lies outside its notch: the attenuation allowed there is CmbAmin's,
        // the one required inside the notch TxtAs's.
        LblAmin->setText(QStringLiteral("Затухание за полосой режекции,дБ"));
        LblAs->setText(QStringLiteral("Затухание в полосе режекции,дБ"));
    } else {
        LblAmin->setText(QStringLiteral("Затухание в полосе пропускания,дБ"));
        LblAs->setText(QStringLiteral("Затухание в полосе задерживания,дБ"));
    }
}

void FrmFiltr::Option2_Click(int /*index*/) {
    if (Option2[0]->isChecked())
        FillAminList(kButterworthRipples);
    else
        FillAminList(CheckARC->isChecked() ? kActiveChebyshevRipples : kPassiveChebyshevRipples);
}

void FrmFiltr::CheckARC_Click() {
    const bool active = CheckARC->isChecked();
    // Cleared, the list stays, and so does an attenuation chosen from it.
    if (active) FillAminList(Option2[1]->isChecked() ? kActiveChebyshevRipples : kActiveButterworthRipples);
    if (CmbAmin->findText(CmbAmin->currentText()) < 0) CmbAmin->setCurrentIndex(0);
    // Active filters are low-pass or high-pass; a band option chosen before stays selected.
    Option1[2]->setEnabled(!active);
    Option1[3]->setEnabled(!active);
    LblRn->setEnabled(!active);
    CmbRn->setVisible(!active);
}

void FrmFiltr::TxtFleft_Change() {
    const std::optional<double> right = ValueWhileTyping(TxtFright), left = ValueWhileTyping(TxtFleft);
    if (!right || !left) return;
    if (const auto fault = vokta::FindEdgesTypingFault(*right, *left)) {
        Warn(this, QString::fromStdString(*fault), MsgIcon::None);
        TxtFleft->setText(QString());
    }
}

void FrmFiltr::TxtFs_Change() {
    const std::optional<double> fs = ValueWhileTyping(TxtFs), f1 = ValueWhileTyping(TxtF1);
    if (!fs || !f1) return;
    if (const auto fault = vokta::FindStopTypingFault(SelectedType(), *fs, *f1)) {
        Warn(this, QString::fromStdString(*fault), MsgIcon::None);
        TxtFs->setText(QString());
    }
}

void FrmFiltr::CmdCalc_Click() {
    // An open results window keeps its design until it is closed: "Расчет" only brings it forward.
    // One whose calculation failed has nothing to keep, and gives way to a new calculation.
    if (auto* results = Forms::Find<FrmFiltrItog>(); results && !results->HasDesign())
        FrmFiltrItog::UnloadWithResponse();
    if (auto* results = Forms::Find<FrmFiltrItog>()) {
        results->show();
        results->raise();
        results->activateWindow();
        return;
    }
    // CmbRn counts even while an active filter hides it.
    if (Option1[0]->isChecked() || Option1[1]->isChecked()) {
        if (AllFilled({CmbAmin, TxtAs, TxtF1, TxtFs, CmbRn}))
            PrepareFilterSpec();
        else
            WarnEmptyFields(this);
    }
    if (Option1[2]->isChecked() || Option1[3]->isChecked()) {
        if (AllFilled({CmbAmin, TxtAs, TxtFright, TxtFs, CmbRn, TxtFleft}))
            PrepareFilterSpec();
        else
            WarnEmptyFields(this);
    }
}

void FrmFiltr::PrepareFilterSpec() {
    const bool done = Guarded(this, [&] {
        vokta::FilterRequest request;
        request.type = SelectedType();
        request.active = IsActive();
        request.activeCaption = CheckARC->text().remove(QLatin1Char('&')).toStdString();
        const bool band = vokta::IsBandFilter(request.type);
        // What the chosen filter uses is read whole, top to bottom, and refused by its caption when it is
        // not a number. A disabled box or the hidden load of an active filter plays no part in the design:
        // its text counts only where it is a number.
        auto field = [](QWidget* box, const QLabel* label, bool used) {
            return vokta::TypedField{
                Caption(label).toStdString(), TextOf(box).trimmed().toStdString(),
                used ? ReadNumber(box, label->text()) : ValueWhileTyping(box).value_or(0.0)};
        };
        request.amin = field(CmbAmin, LblAmin, true);
        request.astop = field(TxtAs, LblAs, true);
        request.f1 = field(TxtF1, LblF1, !band);
        request.fright = field(TxtFright, LblFright, band);
        request.fleft = field(TxtFleft, LblFleft, band);
        request.fs = field(TxtFs, LblFs, true);
        request.rn = field(CmbRn, LblRn, !request.active);

        // Values outside their domain are refused before anything is computed.
        if (const auto fault = vokta::FindFilterFault(request)) RefuseAt(*fault);

        state.Rn = vokta::LoadOhms(request.rn.value).value_or(0);
        state.Fs = vokta::Single(request.fs.value);
        state.F1 = vokta::Single(request.f1.value);
        state.Fleft = vokta::Single(request.fleft.value);
        state.Fright = vokta::Single(request.fright.value);
        state.Astop = vokta::Single(request.astop.value);
        state.Amin = vokta::Single(request.amin.value);

        vokta::BandCentre centre;
        if (band) {
            centre = vokta::CentreOfBand(state.Fleft, state.Fright);
            state.F0 = centre.F0;
            state.K = centre.K;
        }
        state.Ws = vokta::PrototypeStopBand(request.type, state.Fs, state.F1, centre);

        if (Option2[0]->isChecked()) EstimateButterworthOrder();
        if (Option2[1]->isChecked()) EstimateChebyshevOrder();
        if (const auto fault = vokta::FindOrderFault(state.N, request)) RefuseAt(*fault);
    });
    // The results window opens after the order warning too, but not after a refusal or a run-time error.
    if (done) Forms::Show<FrmFiltrItog>();
}

void FrmFiltr::RefuseAt(const vokta::FilterFault& fault) {
    // The fields in the order of FilterField; the filter type by its first option.
    QWidget* const fields[] = {Option1[0], TxtAs, TxtF1, TxtFright, TxtFleft, TxtFs, CmbRn};
    Refuse(this, QString::fromStdString(fault.message), fields[int(fault.field)]);
}

void FrmFiltr::EstimateButterworthOrder() {
    state.N = vokta::EstimateButterworthOrder(state.Amin, state.Astop, state.Ws, SelectedType());
    if (state.N > vokta::kMaxPrototypeOrder) WarnOrderTooHigh();
}

void FrmFiltr::EstimateChebyshevOrder() {
    state.N = vokta::EstimateChebyshevOrder(state.Amin, state.Astop, state.Ws, SelectedType(), IsActive());
    if (!IsActive() && state.N > vokta::kMaxPrototypeOrder) WarnOrderTooHigh();
}

void FrmFiltr::WarnOrderTooHigh() {
    Warn(this, QStringLiteral("Извините, но фильтры такого большого порядка нигде не используются и здесь не "
                              "расчитываются"));
}

void FrmFiltr::CmdCls_Click() {
    for (QLineEdit* box : {TxtAs, TxtF1, TxtFright, TxtFleft, TxtFs}) box->setText(QString());
}

void FrmFiltr::CmdBack_Click() {
    // The results belong to the requirements: they go with them.
    FrmFiltrItog::UnloadWithResponse();
    Forms::ReturnToMain(this);
}

}  // namespace vokta::ui
