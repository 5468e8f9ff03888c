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
#include "filters/PassiveLadder.h"
#include "filters/ui/FrmFiltrItog.h"
#include "ui/Application.h"
#include "ui/Boxes.h"
#include "ui/Controls.h"
#include "ui/Forms.h"

using namespace vokta::ui;
using vokta::FilterResponse;
using vokta::FilterType;

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

// The number in a box or an editable list as it stands while being typed: an empty text reads as 0, a
// text that is not (yet) a whole number in the user's format has no value.
std::optional<double> ValueWhileTyping(QWidget* field) {
    QString text;
    if (const auto* box = qobject_cast<QLineEdit*>(field)) text = box->text();
    if (const auto* list = qobject_cast<QComboBox*>(field)) text = list->currentText();
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
    if (right && left && *right < *left) {
        Warn(this, QStringLiteral("Левая граничная частота не может быть больше правой!!!"), MsgIcon::None);
        TxtFleft->setText(QString());
    }
}

void FrmFiltr::TxtFs_Change() {
    if (!Option1[1]->isChecked()) return;
    const std::optional<double> fs = ValueWhileTyping(TxtFs), f1 = ValueWhileTyping(TxtF1);
    if (fs && f1 && *fs > *f1) {
        Warn(this, QStringLiteral("У ФВЧ частота среза меньше граничной частоты!!!"), MsgIcon::None);
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
        const FilterType type = SelectedType();
        const bool band = type == FilterType::BandPass || type == FilterType::BandStop;
        // What the chosen filter uses is read whole, top to bottom, and refused by its caption when it is
        // not a number. A disabled box or the hidden load of an active filter plays no part in the design:
        // its text counts only where it is a number.
        auto used = [](QWidget* field, const QLabel* label) { return ReadNumber(field, label->text()); };
        auto unused = [](QWidget* field) { return ValueWhileTyping(field).value_or(0.0); };
        const double amin = used(CmbAmin, LblAmin);
        const double astop = used(TxtAs, LblAs);
        const double f1 = band ? unused(TxtF1) : used(TxtF1, LblF1);
        const double fright = band ? used(TxtFright, LblFright) : unused(TxtFright);
        const double fleft = band ? used(TxtFleft, LblFleft) : unused(TxtFleft);
        const double fs = used(TxtFs, LblFs);
        const double rn = IsActive() ? unused(CmbRn) : used(CmbRn, LblRn);

        // Values outside their domain are refused before anything is computed. The active filters are
        // low-pass and high-pass only; the band options stay chosen when the box is checked after them.
        if (band && IsActive())
            Refuse(this,
                   QStringLiteral("Активный фильтр рассчитывается только как фильтр нижних или верхних "
                                  "частот. Выберите тип фильтра или снимите флажок «%1».")
                       .arg(CheckARC->text().remove(QLatin1Char('&'))),
                   Option1[0]);
        if (band) {
            RequirePositive(TxtFright, LblFright, fright);
            RequirePositive(TxtFleft, LblFleft, fleft);
            if (!(fleft < fright))
                Refuse(this,
                       QStringLiteral("Значение поля «%1» (%2) должно быть меньше значения поля «%3» (%4).")
                           .arg(Caption(LblFleft), TxtFleft->text().trimmed(), Caption(LblFright),
                                TxtFright->text().trimmed()),
                       TxtFleft);
        } else {
            RequirePositive(TxtF1, LblF1, f1);
        }
        RequirePositive(TxtFs, LblFs, fs);
        // The load is a 16-bit number of ohms; it terminates the passive ladders only.
        const bool loadInRange = rn >= 0.5 && rn < 32767.5;
        if (!IsActive() && !loadInRange)
            Refuse(this,
                   QStringLiteral("Значение поля «%1» должно быть от 1 до 32767, а введено «%2».")
                       .arg(Caption(LblRn), CmbRn->currentText().trimmed()),
                   CmbRn);
        // A zero or negative pass-band attenuation is the order estimate's to explain.
        if (amin > 0 && !(astop > amin))
            Refuse(this,
                   QStringLiteral("Значение поля «%1» (%2) должно быть больше значения поля «%3» (%4).")
                       .arg(Caption(LblAs), TxtAs->text().trimmed(), Caption(LblAmin),
                            CmbAmin->currentText().trimmed()),
                   TxtAs);

        state.Rn = loadInRange ? vokta::RoundInt16(rn) : int16_t(0);
        state.Fs = vokta::Single(fs);
        state.F1 = vokta::Single(f1);
        state.Fleft = vokta::Single(fleft);
        state.Fright = vokta::Single(fright);
        state.Astop = vokta::Single(astop);
        state.Amin = vokta::Single(amin);

        vokta::BandCentre centre;
        if (band) {
            centre = vokta::CentreOfBand(state.Fleft, state.Fright);
            state.F0 = centre.F0;
            state.K = centre.K;
        }
        state.Ws = vokta::PrototypeStopBand(type, state.Fs, state.F1, centre);

        if (Option2[0]->isChecked()) EstimateButterworthOrder();
        if (Option2[1]->isChecked()) EstimateChebyshevOrder();
        // The designs start at the second order; a first-order filter would already do.
        if (state.N < vokta::kMinLadderOrder)
            Refuse(this,
                   QStringLiteral(
                       "Требования так слабы, что их выполняет фильтр порядка %1, а программа "
                       "рассчитывает фильтры начиная со второго порядка. Увеличьте значение поля «%2» "
                       "или приблизьте частоту среза к полосе пропускания.")
                       .arg(state.N)
                       .arg(Caption(LblAs)),
                   TxtAs);
    });
    // The results window opens after the order warning too, but not after a refusal or a run-time error.
    if (done) Forms::Show<FrmFiltrItog>();
}

void FrmFiltr::RequirePositive(QLineEdit* field, const QLabel* label, double value) {
    if (value > 0) return;
    Refuse(this,
           QStringLiteral("Значение поля «%1» должно быть больше нуля, а введено «%2».")
               .arg(Caption(label), field->text().trimmed()),
           field);
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
