#include "circuits/ui/CircuitLayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <optional>

#include "base/NumberText.h"
#include "base/RuntimeError.h"
#include "circuits/TuningCurves.h"
#include "circuits/TuningTexts.h"
#include "ui/Application.h"
#include "ui/Boxes.h"
#include "ui/CalculatorLinks.h"
#include "ui/Controls.h"
#include "ui/Twips.h"

namespace vokta::ui::circuits {

namespace {

// All in twips. Frame1 and its rows.
constexpr int kMargin = 120;
constexpr int kRowTop = 360;
constexpr int kRowStep = 480;
constexpr int kRows = 6;
constexpr int kLabelLeft = 120;
constexpr int kLabelWidth = 3150;
constexpr int kLabelHeight = 255;
constexpr int kLabelOffset = 45;  // centres the label's text on its box
constexpr int kBoxLeft = 3345;
constexpr int kBoxWidth = 1095;
constexpr int kBoxHeight = 330;
constexpr int kFrameWidth = kBoxLeft + kBoxWidth + 120;
constexpr int kFrameHeight = kRowTop + (kRows - 1) * kRowStep + kBoxHeight + 165;

// The right-hand column.
constexpr int kColumnLeft = kMargin + kFrameWidth + 240;
constexpr int kResultWidth = 2250;
constexpr int kResultStep = kRowStep;  // each result beside a row of Frame1
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;
constexpr int kButtonGap = 120;

// The number in a box when it is one above zero.
std::optional<double> TypedPositive(const QLineEdit* box) {
    try {
        const std::optional<double> x =
            vokta::ParseTypedNumber(box->text().toStdString(), UserNumberFormat());
        if (x && *x > 0 && std::isfinite(*x)) return x;
    } catch (const vokta::RuntimeError&) {
        // beyond the double range: not a value to fill in
    }
    return std::nullopt;
}

int RowTop(int row) {
    return kRowTop + row * kRowStep;
}

}  // namespace

QGroupBox* AddSourceFrame(QWidget* window) {
    return AddFrame(window, "Frame1", QStringLiteral("Исходные данные"),
                    {kMargin, kMargin, kFrameWidth, kFrameHeight});
}

void AddInputRow(QGroupBox* frame, int row, QLabel*& label, const char* labelName, const QString& caption,
                 QLineEdit*& box, const char* boxName, const QString& toolTip) {
    label = AddLabel(frame, labelName, caption,
                     {kLabelLeft, RowTop(row) + kLabelOffset, kLabelWidth, kLabelHeight});
    box = AddTextBox(frame, boxName, {kBoxLeft, RowTop(row), kBoxWidth, kBoxHeight}, toolTip);
    label->setBuddy(box);
}

QLabel* AddResultLabel(QWidget* window, const char* name) {
    return AddLabel(window, name, {}, {kColumnLeft, 0, kResultWidth, kLabelHeight});
}

void ArrangeWindow(QWidget* window, QLabel* image, const QList<QLabel*>& results, int firstResultRow,
                   const QList<QPushButton*>& buttons) {
    const int imageWidth = toTwips(image->width());
    const int imageHeight = toTwips(image->height());
    image->move(twips(kColumnLeft), twips(kMargin));

    const int alignedTop = kMargin + RowTop(firstResultRow) + kLabelOffset;
    const int resultsTop = std::max(alignedTop, kMargin + imageHeight + 60);
    for (int i = 0; i < results.size(); ++i)
        results[i]->move(twips(kColumnLeft), twips(resultsTop + i * kResultStep));
    const int resultsBottom = resultsTop + int(results.size() - 1) * kResultStep + kLabelHeight;

    const int count = int(buttons.size());
    const int rowWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    const int columnWidth = std::max({imageWidth, kResultWidth, rowWidth});
    const int right = kColumnLeft + columnWidth;
    const int buttonsTop = std::max(kMargin + kFrameHeight, resultsBottom) + 180;
    for (int i = 0; i < count; ++i)
        buttons[i]->setGeometry(twips(right - rowWidth + i * (kButtonWidth + kButtonGap)), twips(buttonsTop),
                                twips(kButtonWidth), twips(kButtonHeight));
    SetFixedClientSize(window, right + kMargin, buttonsTop + kButtonHeight + kMargin);
}

double ReadPositive(QLineEdit* box, const QLabel* label) {
    const vokta::TypedField field{label->text().toStdString(), box->text().trimmed().toStdString(),
                                  ReadNumber(box, label->text())};
    if (const auto fault = vokta::FindTuningFault(field))
        Refuse(box->window(), QString::fromStdString(*fault), box);
    return field.value;
}

void OpenCoilFor(QWidget* window, const QLineEdit* inductance, const QLineEdit* fmin, const QLineEdit* fmax) {
    const std::optional<double> low = TypedPositive(fmin), high = TypedPositive(fmax);
    std::optional<double> centre;
    if (low && high) centre = vokta::BandCentreMHz(*low, *high);
    OpenCoilCalculator(window, TypedPositive(inductance), centre);
}

}  // namespace vokta::ui::circuits
