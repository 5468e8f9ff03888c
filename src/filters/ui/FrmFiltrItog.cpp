#include "filters/ui/FrmFiltrItog.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <algorithm>
#include <functional>

#include "filters/ActiveRc.h"
#include "filters/FilterParts.h"
#include "filters/PassiveLadder.h"
#include "filters/ui/FrmFiltr.h"
#include "filters/ui/FrmResponse.h"
#include "ui/Application.h"
#include "ui/Boxes.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"

namespace vokta::ui {

namespace {

// The result grid of Frame1, in twips: a column of C labels and boxes, then a column of L labels and
// boxes, 105 apart. Each column is as wide as the design makes it, or as its widest shown text needs.
constexpr int kGridLeft = 120;
constexpr int kGridGap = 105;
constexpr int kGridRight = 120;
constexpr int kLabelWidth = 855;
constexpr int kBoxWidth = 735;
constexpr int kRowTops[] = {360, 720, 1080, 1440};
// From the left edge of "АЧХ" to the left edge of "Закрыть": a button's width and a gap.
constexpr int kButtonPitch = 1455 + 120;
// What a text box needs around its text: frame, inner margins and the cursor, in pixels.
constexpr int kBoxPadding = 10;

constexpr int kFrameLeft = 120;
constexpr int kDesignClientWidth = 8505;
constexpr int kClientHeight = 3945;
// The verdict on the design's response stands under the frame, across the window; the separator line,
// the buttons and the window's bottom move down by its height and a gap.
constexpr int kVerdictTop = 2700;
constexpr int kVerdictGap = 120;
constexpr int kLineTop = 3240;
constexpr int kButtonTop = 3480;
// The window's width counts its borders; the client area is this much narrower.
constexpr int kBorderWidth = 90;

int LabelNeed(const QLabel* label) {
    return toTwips(label->sizeHint().width());
}

int BoxNeed(const QLineEdit* box) {
    return toTwips(box->fontMetrics().horizontalAdvance(box->text()) + kBoxPadding);
}

template <typename W, typename Need>
int ColumnWidth(const std::array<W*, 4>& column, int design, Need need) {
    int width = design;
    for (const W* w : column)
        if (!w->isHidden()) width = std::max(width, need(w));
    return width;
}

template <typename W>
void PlaceColumn(const std::array<W*, 4>& column, int left, int width) {
    for (W* w : column) w->setGeometry(twips(left), w->y(), twips(width), w->height());
}

}  // namespace

float& FrmFiltrItogState::ValC(int number) {
    float* values[] = {&ValC1, &ValC2, &ValC3, &ValC4};
    return *values[number - 1];
}

float& FrmFiltrItogState::ValL(int number) {
    float* values[] = {&ValL1, &ValL2, &ValL3, &ValL4};
    return *values[number - 1];
}

FrmFiltrItog::FrmFiltrItog() {
    setObjectName(QStringLiteral("FrmFiltrItog"));
    setWindowTitle(QStringLiteral("Расчет фильтров"));

    Frame1 = AddFrame(this, "Frame1", QStringLiteral("Результаты расчета"), {kFrameLeft, 120, 3735, 2415});
    for (int i = 0; i < 4; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        const int top = kRowTops[i];
        lblC_[i] = AddLabel(Frame1, "LblC" + n, QStringLiteral("C%1, мкФ").arg(i + 1), {120, top, 855, 255});
        txtC_[i] = AddTextBox(Frame1, "TxtC" + n, {1080, top, 735, 285});
        txtC_[i]->setReadOnly(true);  // results: selectable and copyable, not for typing
        lblL_[i] =
            AddLabel(Frame1, "LblL" + n, QStringLiteral("L%1, мкГн").arg(i + 1), {1920, top, 855, 255});
        txtL_[i] = AddTextBox(Frame1, "TxtL" + n, {2880, top, 735, 285});
        txtL_[i]->setReadOnly(true);
    }
    // Tab order runs along the rows: C1, L1, C2, L2, ...
    for (int i = 0; i < 4; ++i) {
        lblC_[i]->setBuddy(txtC_[i]);
        lblL_[i]->setBuddy(txtL_[i]);
        setTabOrder(txtC_[i], txtL_[i]);
        if (i < 3) setTabOrder(txtL_[i], txtC_[i + 1]);
    }
    // Every label and box is hidden until a design shows it.
    for (int i = 0; i < 4; ++i)
        for (QWidget* w : {static_cast<QWidget*>(lblC_[i]), static_cast<QWidget*>(txtC_[i]),
                           static_cast<QWidget*>(lblL_[i]), static_cast<QWidget*>(txtL_[i])})
            w->hide();
    Image1 = AddImage(this, "Image1", {3960, 240, 4455, 2295});
    LblVerdict = AddLabel(this, "LblVerdict", QString(), {kFrameLeft, kVerdictTop, 8265, 255});
    LblVerdict->setWordWrap(true);
    LblVerdict->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LblVerdict->hide();
    Line1 = AddLine(this, "Line1", 0, 3240, 8520, 3240);
    // "АЧХ" stands left of "Закрыть" and moves with it; it works only while a design is on show.
    CmdResponse =
        AddButton(this, "CmdResponse", QStringLiteral("АЧХ"), {6960 - kButtonPitch, 3480, 1455, 375},
                  QStringLiteral("Частотная характеристика затухания рассчитанного фильтра"));
    CmdResponse->setEnabled(false);
    connect(CmdResponse, &QPushButton::clicked, this, &FrmFiltrItog::CmdResponse_Click);
    CmdPdf = AddButton(this, "CmdPdf", QStringLiteral("PDF…"), {6960 - 2 * kButtonPitch, 3480, 1455, 375},
                       QStringLiteral("Сохранить лист расчета в файл PDF"));
    CmdPdf->setEnabled(false);
    connect(CmdPdf, &QPushButton::clicked, this, &FrmFiltrItog::CmdPdf_Click);
    setTabOrder(CmdPdf, CmdResponse);  // left to right
    CmdBack = AddButton(this, "CmdBack", QStringLiteral("Закрыть"), {6960, 3480, 1455, 375});
    connect(CmdBack, &QPushButton::clicked, this, &FrmFiltrItog::CmdBack_Click);
    // The window opens with "Закрыть" focused: Enter or Space closes it, and so does Esc.
    CmdBack->setAutoDefault(true);
    CmdBack->setFocus();
    UseCalculatorKeys(this, nullptr, CmdBack);  // no calculation here: Enter presses the focused button
    SetFixedClientSize(this, kDesignClientWidth, kClientHeight);
}

void FrmFiltrItog::Form_Load() {
    Guarded(this, [&] {
        request_ = Forms::Find<FrmFiltr>();
        if (!request_) request_ = Forms::Load<FrmFiltr>();
        const FrmFiltrState& request = FrmFiltr::state;
        state.N = request.N;
        state.Amin = request.Amin;
        state.F1 = request.F1;
        state.F0 = request.F0;
        state.Rn = request.Rn;
        state.K = request.K;

        const FilterType type = request_->SelectedType();
        const FilterResponse response = request_->SelectedResponse();
        // What the frequency response will be judged against: the demand as it stands now.
        type_ = type;
        response_ = response;
        active_ = request_->IsActive();
        inputs_ = request_->SheetInputs();
        picture_ = 0;
        orderRefused_ = false;
        demand_ = vokta::ResponseDemand{type,          request.Amin,   request.Astop, request.F1,
                                        request.Fleft, request.Fright, request.Fs};
        if (type == FilterType::HighPass && response == FilterResponse::Butterworth)
            state.F1 = vokta::HighPassButterworthEdge(state.F1, state.Amin, state.N);

        // The tables are filled for every design; only the passive ladders use them.
        prototypeLoaded_ = false;
        if (response == FilterResponse::Butterworth)
            prototypeLoaded_ = vokta::LoadButterworthPrototype(state, state.N);
        if (response == FilterResponse::Chebyshev)
            prototypeLoaded_ = vokta::LoadChebyshevPrototype(state, state.N, state.Amin);

        if (!request_->IsActive()) {
            switch (type) {
                case FilterType::LowPass:
                    CalcPassiveLowPass();
                    break;
                case FilterType::HighPass:
                    CalcPassiveHighPass();
                    break;
                case FilterType::BandPass:
                    CalcPassiveBandPass();
                    break;
                case FilterType::BandStop:
                    CalcPassiveBandStop();
                    break;
            }
        } else if (response == FilterResponse::Butterworth) {
            if (type == FilterType::LowPass) CalcActiveButterworthLowPass();
            if (type == FilterType::HighPass) CalcActiveButterworthHighPass();
        } else {
            PrepareActiveChebyshev();
            if (type == FilterType::LowPass) CalcActiveChebyshevLowPass();
            if (type == FilterType::HighPass) CalcActiveChebyshevHighPass();
        }
        // An active band filter has no design: the window stays as it was designed.
    });
    // Every design shows its circuit; a refused or failed one shows no picture. An order refused by the
    // procedure still has its exact design in the response window.
    const bool designed = !Image1->pixmap().isNull();
    CmdResponse->setEnabled(designed || orderRefused_);
    CmdPdf->setEnabled(designed);
    if (designed) ShowVerdict();
}

void FrmFiltrItog::ShowVerdict() {
    // The same words as the response window, one demand a line; a design without a response (an
    // unstable one above all) says why instead.
    QString verdict;
    try {
        const vokta::ResponseAnalysis analysis = vokta::AnalyseResponse(ShownCircuit(), demand_);
        const vokta::NumberFormat format = UserNumberFormat();
        verdict = QString::fromStdString(vokta::PassBandVerdict(analysis.passBand, format)) +
                  QLatin1Char('\n') +
                  QString::fromStdString(vokta::StopBandVerdict(analysis.stopBand, format));
    } catch (const vokta::RuntimeError& e) {
        verdict = ErrorSentence(e);
    }
    LblVerdict->setText(verdict);
    LblVerdict->show();
    ArrangeResultsLayout();
}

void FrmFiltrItog::CmdResponse_Click() {
    Guarded(this, [&] {
        if (!orderRefused_) {
            FrmResponse::Open(ShownCircuit(), demand_, response_, inputs_);
            return;
        }
        // No circuit of the procedure: the kind of circuit the exact design is to build, a ladder with the
        // typed load or an active filter with its default parts.
        const vokta::FilterCircuit kind =
            active_ ? vokta::FilterCircuit(vokta::ActiveCircuit{type_ == FilterType::HighPass, {}})
                    : vokta::FilterCircuit(vokta::LadderCircuit{double(state.Rn), {}});
        FrmResponse::OpenExact(kind, demand_, response_, inputs_);
    });
}

Sheet FrmFiltrItog::MakeSheet() const {
    Sheet sheet(QStringLiteral("Расчет фильтра"));
    sheet.Heading(QStringLiteral("Исходные данные"));
    QList<Sheet::Row> inputs = inputs_;
    if (active_) {
        const bool lowPass = type_ == FilterType::LowPass;
        inputs << Sheet::Row{{lowPass ? QStringLiteral("Сопротивление резисторов фильтра, кОм")
                                      : QStringLiteral("Емкость конденсаторов фильтра, мкФ"),
                              lowPass ? state.RText : state.CText}};
    }
    sheet.Table(inputs);
    sheet.Heading(Frame1->title());
    QList<Sheet::Row> results;
    for (const auto& column : {std::pair{lblC_, txtC_}, std::pair{lblL_, txtL_}})
        for (int i = 0; i < 4; ++i)
            if (!column.second[i]->isHidden()) results << FieldRow(column.first[i], column.second[i]);
    sheet.Table(results);
    sheet.Picture(pictures::DrawPicture(picture_));
    sheet.Text(LblVerdict->text());
    sheet.Heading(QStringLiteral("Элементы схемы"));
    sheet.Table(PartsRows(ShownCircuit(), vokta::ESeries::E24),
                {QStringLiteral("Элемент"), QStringLiteral("Расчет"), QStringLiteral("Номинал E24")}, {1, 2});
    return sheet;
}

void FrmFiltrItog::CmdPdf_Click() {
    Guarded(this, [&] { SaveSheet(this, MakeSheet(), QStringLiteral("Расчет фильтра.pdf")); });
}

vokta::FilterCircuit FrmFiltrItog::ShownCircuit() const {
    if (!active_)
        return vokta::PassiveLadderCircuit(type_, state.N, state.Rn,
                                           {state.ValC1, state.ValC2, state.ValC3, state.ValC4},
                                           {state.ValL1, state.ValL2, state.ValL3, state.ValL4});
    const bool highPass = type_ == FilterType::HighPass;
    // DA1's section resistance of a high-pass as its boxes show it: its text read back.
    const double ra = highPass ? LocaleParseNumber<double>(state.RText) : 0;
    return vokta::ActiveFilterCircuit(type_, response_, state.N, state, ra);
}

void FrmFiltrItog::CmdBack_Click() {
    UnloadWithResponse();
    Forms::Show<FrmFiltr>();
}

void FrmFiltrItog::UnloadWithResponse() {
    Forms::Unload<FrmResponse>();
    Forms::Unload<FrmFiltrItog>();
}

void FrmFiltrItog::RefuseOrder(const QString& message) {
    orderRefused_ = true;
    Warn(this, message);
    ArrangeResultsLayout();
}

bool FrmFiltrItog::PrototypeAvailable() {
    if (prototypeLoaded_) return true;
    // Only the Chebyshev table has gaps within the orders the ladders take: an attenuation it has no row
    // for. Designing from the previous design's values (or zeros) would show numbers that mean nothing.
    QStringList ripples;
    for (float ripple : vokta::kChebyshevRipples) ripples << QString::number(double(ripple), 'g', 7);
    const QString last = ripples.takeLast();
    Warn(this,
         QStringLiteral("В таблице значений фильтра-прототипа Чебышева нет строки для затухания %1 дБ в "
                        "полосе пропускания. Таблица содержит строки только для затухания %2 и %3 дБ.")
             .arg(QString::number(double(state.Amin), 'g', 7), ripples.join(QStringLiteral(", ")), last));
    ArrangeResultsLayout();
    return false;
}

void FrmFiltrItog::ShowPicture(int number) {
    picture_ = number;
    SetPicture(Image1, LoadPicture(number));
}

void FrmFiltrItog::ShowValue(QLabel* label, QLineEdit* box, float value) {
    label->show();
    box->show();
    box->setText(NumberText(value));
    box->setCursorPosition(0);
}

void FrmFiltrItog::CalcPassive(int maxOrder, const QString& refusal, const std::function<void()>& design) {
    if (state.N > maxOrder) {
        RefuseOrder(refusal);
        return;
    }
    if (state.N < vokta::kMinLadderOrder) {
        ArrangeResultsLayout();
        return;
    }
    if (PrototypeAvailable()) design();
}

void FrmFiltrItog::CalcPassiveLowPass() {
    CalcPassive(vokta::kMaxLadderOrder,
                QStringLiteral("ФНЧ с порядком более 7 не расчитываются этой программой"),
                [&] { ShowLadder(vokta::DesignLowPassLadder(state.N, state.F1, state.Rn, state)); });
}

void FrmFiltrItog::CalcPassiveHighPass() {
    CalcPassive(vokta::kMaxLadderOrder,
                QStringLiteral("ФВЧ с порядком более 7 не расчитываются этой программой"),
                [&] { ShowLadder(vokta::DesignHighPassLadder(state.N, state.F1, state.Rn, state)); });
}

void FrmFiltrItog::CalcPassiveBandPass() {
    CalcPassive(
        vokta::kMaxBandLadderOrder,
        QStringLiteral("ПФ с порядком фильтра-прототипа более 4 не расчитываются этой программой"),
        [&] { ShowBandLadder(vokta::DesignBandPassLadder(state.N, state.F0, state.K, state.Rn, state)); });
}

void FrmFiltrItog::CalcPassiveBandStop() {
    CalcPassive(
        vokta::kMaxBandLadderOrder,
        QStringLiteral("РФ с порядком фильтра-прототипа более 4 не расчитываются этой программой"),
        [&] { ShowBandLadder(vokta::DesignBandStopLadder(state.N, state.F0, state.K, state.Rn, state)); });
}

void FrmFiltrItog::ShowLadder(const vokta::PassiveLadder& ladder) {
    for (const vokta::LadderBranch& b : ladder.branches) {
        if (b.parts == vokta::BranchParts::C)
            state.ValC(b.number) = b.c;
        else
            state.ValL(b.number) = b.l;
    }
    ShowPicture(ladder.picture);
    for (const vokta::LadderBranch& b : ladder.branches) {
        if (b.parts == vokta::BranchParts::C)
            ShowValue(LblC(b.number), TxtC(b.number), state.ValC(b.number));
        else
            ShowValue(LblL(b.number), TxtL(b.number), state.ValL(b.number));
    }
    ArrangeResultsLayout();
}

void FrmFiltrItog::ShowBandLadder(const vokta::PassiveLadder& ladder) {
    for (const vokta::LadderBranch& b : ladder.branches) {
        state.ValL(b.number) = b.l;
        state.ValC(b.number) = b.c;
    }
    ShowPicture(ladder.picture);
    for (const vokta::LadderBranch& b : ladder.branches)
        ShowValue(LblL(b.number), TxtL(b.number), state.ValL(b.number));
    for (const vokta::LadderBranch& b : ladder.branches)
        ShowValue(LblC(b.number), TxtC(b.number), state.ValC(b.number));
    ArrangeResultsLayout();
}

void FrmFiltrItog::ArrangeResultsLayout() {
    // The grid widens where a shown caption or value would not fit its design width.
    const int labelC = ColumnWidth(lblC_, kLabelWidth, LabelNeed);
    const int boxC = ColumnWidth(txtC_, kBoxWidth, BoxNeed);
    const int labelL = ColumnWidth(lblL_, kLabelWidth, LabelNeed);
    const int boxL = ColumnWidth(txtL_, kBoxWidth, BoxNeed);
    const int boxCLeft = kGridLeft + labelC + kGridGap;
    const int labelLLeft = boxCLeft + boxC + kGridGap;
    const int boxLLeft = labelLLeft + labelL + kGridGap;
    const int frameWidth = boxLLeft + boxL + kGridRight;
    PlaceColumn(lblC_, kGridLeft, labelC);
    PlaceColumn(txtC_, boxCLeft, boxC);
    PlaceColumn(lblL_, labelLLeft, labelL);
    PlaceColumn(txtL_, boxLLeft, boxL);
    Frame1->resize(twips(frameWidth), Frame1->height());
    // The picture stands beside the frame.
    Image1->move(twips(kFrameLeft + frameWidth + kGridGap), Image1->y());

    // The window fits the frame and the picture; the button keeps to its right edge.
    const int windowWidth = frameWidth + toTwips(Image1->width()) + 400;
    CmdBack->move(twips(windowWidth - 1600), CmdBack->y());
    CmdResponse->move(twips(windowWidth - 1600 - kButtonPitch), CmdResponse->y());
    CmdPdf->move(twips(windowWidth - 1600 - 2 * kButtonPitch), CmdPdf->y());
    Line1->setGeometry(0, Line1->y(), twips(windowWidth - 70), Line1->height());

    // The verdict line, once there is one, spans the window and pushes the bottom rows down.
    int shift = 0;
    if (!LblVerdict->isHidden()) {
        const int width = twips(windowWidth - kBorderWidth - 2 * kFrameLeft);
        LblVerdict->setGeometry(twips(kFrameLeft), twips(kVerdictTop), width,
                                LblVerdict->heightForWidth(width));
        shift = toTwips(LblVerdict->height()) + kVerdictGap;
    }
    Line1->move(0, twips(kLineTop + shift));
    CmdBack->move(CmdBack->x(), twips(kButtonTop + shift));
    CmdResponse->move(CmdResponse->x(), twips(kButtonTop + shift));
    CmdPdf->move(CmdPdf->x(), twips(kButtonTop + shift));
    SetFixedClientSize(this, windowWidth - kBorderWidth, kClientHeight + shift);
}

// ---- Active RC filters ------------------------------------------------------------------------------

void FrmFiltrItog::PrepareActiveChebyshev() {
    // The rows are found by the ripple's text as the list offers it; "0,5" typed in a format with a
    // decimal comma is the list's "0.5".
    QString ripple = request_->AminText();
    if (UserNumberFormat().decimal == ",") ripple.replace(QLatin1Char(','), QLatin1Char('.'));
    activeTableLoaded_ = vokta::LoadActiveChebyshevRow(ripple.toStdString(), state.N, state);
}

void FrmFiltrItog::CalcActiveButterworthLowPass() {
    CalcActive(FilterType::LowPass, FilterResponse::Butterworth);
}

void FrmFiltrItog::CalcActiveChebyshevLowPass() {
    CalcActive(FilterType::LowPass, FilterResponse::Chebyshev);
}

void FrmFiltrItog::CalcActiveButterworthHighPass() {
    CalcActive(FilterType::HighPass, FilterResponse::Butterworth);
}

void FrmFiltrItog::CalcActiveChebyshevHighPass() {
    CalcActive(FilterType::HighPass, FilterResponse::Chebyshev);
}

void FrmFiltrItog::CalcActive(FilterType type, FilterResponse response) {
    const bool lowPass = type == FilterType::LowPass;
    if (state.N > vokta::kActiveRcMaxOrder) {
        RefuseOrder(lowPass
                        ? QStringLiteral("Активные ФНЧ с порядком более 5 не расчитываются этой программой")
                        : QStringLiteral("Активные ФВЧ с порядком более 5 не расчитываются этой программой"));
        return;
    }
    // A ripple without a row in the section table would design from the previous design's table, or
    // from zeros: say so before asking for a value.
    if (response == FilterResponse::Chebyshev && state.N >= vokta::kActiveRcMinOrder && !activeTableLoaded_) {
        QStringList ripples;
        for (std::string_view ripple : vokta::kActiveChebyshevRipples)
            ripples << QString::fromUtf8(ripple.data(), qsizetype(ripple.size()));
        Warn(this,
             QStringLiteral("В таблице активных фильтров Чебышева нет строки для затухания «%1» дБ в полосе "
                            "пропускания. Таблица содержит строки только для затухания %2 и %3 дБ: выберите "
                            "одно из них в списке.")
                 .arg(request_->AminText(), ripples.value(0), ripples.value(1)));
        ArrangeResultsLayout();
        return;
    }

    bool cancelled = false;
    const QString prompt = lowPass ? QStringLiteral("Введите значение сопротивления резисторов фильтра,кОм")
                                   : QStringLiteral("Введите значение емкостей фильтра,мкФ");
    const QString answer = InputBox(this, prompt, QStringLiteral("Ввод данных"), &cancelled);
    (lowPass ? state.RText : state.CText) = answer;
    if (cancelled) {  // Cancel ends the design quietly
        ArrangeResultsLayout();
        return;
    }
    double value = 0;
    try {
        value = ReadAnswer(this, answer, prompt);
    } catch (const InputRefused&) {  // told why; nothing is designed
        ArrangeResultsLayout();
        return;
    }

    vokta::ActiveRcInput input;
    input.type = type;
    input.response = response;
    input.n = state.N;
    input.f1 = state.F1;
    input.answer = value;
    input.table = state;
    input.values = state;
    input.format = UserNumberFormat();
    const std::optional<vokta::ActiveRcDesign> design = vokta::DesignActiveRc(input);
    if (!design) {
        Warn(this,
             lowPass
                 ? QStringLiteral("Сопротивление резисторов фильтра должно быть положительным числом в кОм "
                                  "(например, 10).")
                 : QStringLiteral("Емкость конденсаторов фильтра должна быть положительным числом в мкФ "
                                  "(например, 0.01)."));
        ArrangeResultsLayout();
        return;
    }
    ShowActiveDesign(*design);
}

void FrmFiltrItog::ShowActiveDesign(const vokta::ActiveRcDesign& design) {
    static_cast<vokta::ActiveValues&>(state) = design.values;
    if (design.RText) state.RText = QString::fromStdString(*design.RText);

    if (design.picture) ShowPicture(design.picture);
    for (const vokta::ShownValue& shown : design.shown) {
        // C1..C4 are the left column, L1..L4 the right one.
        const int slot = static_cast<int>(shown.slot);
        const int number = slot % 4 + 1;
        QLabel* label = slot < 4 ? LblC(number) : LblL(number);
        QLineEdit* box = slot < 4 ? TxtC(number) : TxtL(number);
        if (!shown.caption.empty()) label->setText(QString::fromStdString(shown.caption));
        label->show();
        box->show();
        box->setText(QString::fromStdString(shown.text));
        box->setCursorPosition(0);
    }
    ArrangeResultsLayout();
}

}  // namespace vokta::ui
