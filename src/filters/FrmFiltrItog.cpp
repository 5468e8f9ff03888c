#include "filters/FrmFiltrItog.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QPushButton>
#include <QStringList>
#include <algorithm>

#include "common/Application.h"
#include "common/Boxes.h"
#include "common/Controls.h"
#include "common/Forms.h"
#include "common/Pictures.h"
#include "common/Twips.h"
#include "filters/FrmFiltr.h"
#include "filters/PassiveLadder.h"

using namespace vokta::ui;
using vokta::FilterResponse;
using vokta::FilterType;

namespace {

const QString kWarningTitle = QStringLiteral("Предупреждение");

// The result grid of Frame1, in twips: a column of C labels and boxes, then a column of L labels and
// boxes, 105 apart. Each column is as wide as the design makes it, or as its widest shown text needs.
constexpr int kGridLeft = 120;
constexpr int kGridGap = 105;
constexpr int kGridRight = 120;
constexpr int kLabelWidth = 855;
constexpr int kBoxWidth = 735;
constexpr int kRowTops[] = {360, 720, 1080, 1440};
// What a text box needs around its text: frame, inner margins and the cursor, in pixels.
constexpr int kBoxPadding = 10;

constexpr int kFrameLeft = 120;
constexpr int kDesignClientWidth = 8505;
constexpr int kClientHeight = 3945;
// The window's width counts its borders; the client area is this much narrower.
constexpr int kBorderWidth = 90;

int LabelNeed(const QLabel* label) { return toTwips(label->sizeHint().width()); }

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
        lblL_[i] = AddLabel(Frame1, "LblL" + n, QStringLiteral("L%1, мкГн").arg(i + 1), {1920, top, 855, 255});
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
    Line1 = AddLine(this, "Line1", 0, 3240, 8520, 3240);
    CmdBack = AddButton(this, "CmdBack", QStringLiteral("Закрыть"), {6960, 3480, 1455, 375});
    connect(CmdBack, &QPushButton::clicked, this, &FrmFiltrItog::CmdBack_Click);
    // The window opens with "Закрыть" focused: Enter or Space closes it, and so does Esc.
    CmdBack->setAutoDefault(true);
    CmdBack->setFocus();
    SetFixedClientSize(this, kDesignClientWidth, kClientHeight);
}

void FrmFiltrItog::Form_Load() {
    Guarded(this, [&] {
        spec_ = Forms::Find<FrmFiltr>();
        if (!spec_) spec_ = Forms::Load<FrmFiltr>();
        const FrmFiltrState& spec = FrmFiltr::state;
        state.N = spec.N;
        state.Amin = spec.Amin;
        state.F1 = spec.F1;
        state.F0 = spec.F0;
        state.Rn = spec.Rn;
        state.K = spec.K;

        const FilterType type = spec_->SelectedType();
        const FilterResponse response = spec_->SelectedResponse();
        if (type == FilterType::HighPass && response == FilterResponse::Butterworth)
            state.F1 = vokta::HighPassButterworthEdge(state.F1, state.Amin, state.N);

        // The tables are filled for every design; only the passive ladders use them.
        prototypeLoaded_ = false;
        if (response == FilterResponse::Butterworth) prototypeLoaded_ = vokta::LoadButterworthPrototype(state, state.N);
        if (response == FilterResponse::Chebyshev)
            prototypeLoaded_ = vokta::LoadChebyshevPrototype(state, state.N, state.Amin);

        if (!spec_->IsActive()) {
            switch (type) {
                case FilterType::LowPass: CalcPassiveLowPass(); break;
                case FilterType::HighPass: CalcPassiveHighPass(); break;
                case FilterType::BandPass: CalcPassiveBandPass(); break;
                case FilterType::BandStop: CalcPassiveBandStop(); break;
            }
        }
        // An active band filter has no design: the window stays as it was designed.
    });
}

void FrmFiltrItog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        CmdBack_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmFiltrItog::CmdBack_Click() {
    Forms::Unload(this);
    Forms::Show<FrmFiltr>();
}

void FrmFiltrItog::RefuseOrder(const QString& message) {
    MsgBox(this, message, kWarningTitle, MsgIcon::Warning);
    ArrangeResultsLayout();
}

bool FrmFiltrItog::PrototypeAvailable() {
    if (prototypeLoaded_) return true;
    // Only the Chebyshev table has gaps within the orders the ladders take: an attenuation it has no row
    // for. Designing from the previous design's values (or zeros) would show numbers that mean nothing.
    QStringList ripples;
    for (float ripple : vokta::kChebyshevRipples) ripples << QString::number(double(ripple), 'g', 7);
    const QString last = ripples.takeLast();
    MsgBox(this,
           QStringLiteral("В таблице значений фильтра-прототипа Чебышева нет строки для затухания %1 дБ в "
                          "полосе пропускания. Таблица содержит строки только для затухания %2 и %3 дБ.")
               .arg(QString::number(double(state.Amin), 'g', 7), ripples.join(QStringLiteral(", ")), last),
           kWarningTitle, MsgIcon::Warning);
    ArrangeResultsLayout();
    return false;
}

void FrmFiltrItog::ShowPicture(int number) { SetPicture(Image1, LoadPicture(number)); }

void FrmFiltrItog::ShowValue(QLabel* label, QLineEdit* box, float value) {
    label->show();
    box->show();
    box->setText(NumberText(value));
    box->setCursorPosition(0);
}

void FrmFiltrItog::CalcPassiveLowPass() {
    if (state.N > vokta::kMaxLadderOrder) {
        RefuseOrder(QStringLiteral("ФНЧ с порядком более 7 не расчитываются этой программой"));
        return;
    }
    if (state.N < vokta::kMinLadderOrder) {
        ArrangeResultsLayout();
        return;
    }
    if (!PrototypeAvailable()) return;
    ShowLadder(vokta::DesignLowPassLadder(state.N, state.F1, state.Rn, state));
}

void FrmFiltrItog::CalcPassiveHighPass() {
    if (state.N > vokta::kMaxLadderOrder) {
        RefuseOrder(QStringLiteral("ФВЧ с порядком более 7 не расчитываются этой программой"));
        return;
    }
    if (state.N < vokta::kMinLadderOrder) {
        ArrangeResultsLayout();
        return;
    }
    if (!PrototypeAvailable()) return;
    ShowLadder(vokta::DesignHighPassLadder(state.N, state.F1, state.Rn, state));
}

void FrmFiltrItog::ShowLadder(const vokta::PassiveLadder& ladder) {
    for (const vokta::LadderElement& e : ladder.elements)
        (e.kind == vokta::ElementKind::Capacitor ? state.ValC(e.number) : state.ValL(e.number)) = e.value;
    ShowPicture(ladder.picture);
    for (const vokta::LadderElement& e : ladder.elements) {
        if (e.kind == vokta::ElementKind::Capacitor)
            ShowValue(LblC(e.number), TxtC(e.number), state.ValC(e.number));
        else
            ShowValue(LblL(e.number), TxtL(e.number), state.ValL(e.number));
    }
    ArrangeResultsLayout();
}

void FrmFiltrItog::CalcPassiveBandPass() {
    if (state.N > vokta::kMaxBandLadderOrder) {
        RefuseOrder(QStringLiteral("ПФ с порядком фильтра-прототипа более 4 не расчитываются этой программой"));
        return;
    }
    if (state.N < vokta::kMinLadderOrder) {
        ArrangeResultsLayout();
        return;
    }
    if (!PrototypeAvailable()) return;
    ShowBandLadder(vokta::DesignBandPassLadder(state.N, state.F0, state.K, state.Rn, state));
}

void FrmFiltrItog::CalcPassiveBandStop() {
    if (state.N > vokta::kMaxBandLadderOrder) {
        RefuseOrder(QStringLiteral("РФ с порядком фильтра-прототипа более 4 не расчитываются этой программой"));
        return;
    }
    if (state.N < vokta::kMinLadderOrder) {
        ArrangeResultsLayout();
        return;
    }
    if (!PrototypeAvailable()) return;
    ShowBandLadder(vokta::DesignBandStopLadder(state.N, state.F0, state.K, state.Rn, state));
}

void FrmFiltrItog::ShowBandLadder(const vokta::BandLadder& ladder) {
    for (const vokta::BandBranch& b : ladder.branches) {
        state.ValL(b.position) = b.L;
        state.ValC(b.position) = b.C;
    }
    ShowPicture(ladder.picture);
    for (const vokta::BandBranch& b : ladder.branches) ShowValue(LblL(b.position), TxtL(b.position), state.ValL(b.position));
    for (const vokta::BandBranch& b : ladder.branches) ShowValue(LblC(b.position), TxtC(b.position), state.ValC(b.position));
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
    Line1->setGeometry(0, Line1->y(), twips(windowWidth - 70), Line1->height());
    SetFixedClientSize(this, windowWidth - kBorderWidth, kClientHeight);
}
