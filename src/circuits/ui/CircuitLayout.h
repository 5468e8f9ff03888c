#pragma once

// What the two tuned-circuit windows have in common: Frame1 "Исходные данные" with six labelled
// boxes one under the other, a column to its right with the circuit picture and the result labels,
// and "Расчет", "График" and "Отмена" under that column.

#include <QList>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vokta::ui::circuits {

// Frame1 at the top left of the window, tall enough for six rows.
QGroupBox* AddSourceFrame(QWidget* window);

// Row `row` (0 to 5) of Frame1: the label on the left, its box on the right, the box as the label's buddy.
void AddInputRow(QGroupBox* frame, int row, QLabel*& label, const char* labelName, const QString& caption,
                 QLineEdit*& box, const char* boxName, const QString& toolTip = {});

// A result label right of Frame1; ArrangeWindow puts it in place.
QLabel* AddResultLabel(QWidget* window, const char* name);

// Places the picture at the top of the right-hand column, the result labels one under the other from
// the height of Frame1's row `firstResultRow` (lower if the picture reaches that far), the buttons in a
// row, left to right, under everything at the right, and fixes the client size around it all.
void ArrangeWindow(QWidget* window, QLabel* image, const QList<QLabel*>& results, int firstResultRow,
                   const QList<QPushButton*>& buttons);

// Reads a box as a number that must be above zero, the field named by its label: a text that is not
// a number, or a number FindTuningFault refuses, is refused with a warning that names the field and the
// text, and the focus goes to the box.
double ReadPositive(QLineEdit* box, const QLabel* label);

// Opens the coil calculator for the circuit's coil: its inductance and the centre of the range filled in
// where the boxes hold numbers above zero (nothing is refused here: the coil window tells about a box
// left empty when it calculates).
void OpenCoilFor(QWidget* window, const QLineEdit* inductance, const QLineEdit* fmin, const QLineEdit* fmax);

}  // namespace vokta::ui::circuits
