#pragma once

// Builders for the controls of a form, placed in twips inside their parent. Each control gets its
// name as objectName ("TxtF1", "Option1(2)") so that tests and debugging find it with findChild.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

class QKeyEvent;

namespace vokta::ui {

// Twips rectangle: left, top, width, height.
struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
};

QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, TwipsRect r);
QLineEdit* AddTextBox(QWidget* parent, const char* name, TwipsRect r, const QString& toolTip = {});
// An editable drop-down list.
QComboBox* AddComboBox(QWidget* parent, const char* name, const QStringList& items, TwipsRect r);
QGroupBox* AddFrame(QWidget* parent, const char* name, const QString& caption, TwipsRect r);
QRadioButton* AddOption(QWidget* parent, QButtonGroup* group, const char* arrayName, int index,
                        const QString& caption, TwipsRect r);
QCheckBox* AddCheckBox(QWidget* parent, const char* name, const QString& caption, TwipsRect r);
QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, TwipsRect r,
                       const QString& toolTip = {});
// A straight line from (x1, y1) to (x2, y2), in twips; horizontal or vertical.
QFrame* AddLine(QWidget* parent, const char* name, int x1, int y1, int x2, int y2, QColor color = Qt::gray);
// An image control: an empty label that takes the size of the picture put into it.
QLabel* AddImage(QWidget* parent, const char* name, TwipsRect r);
void SetPicture(QLabel* image, const QPixmap& picture);

// The keys of a calculator window: Enter (or keypad Enter) presses the focused button, or the default
// button when the focus is elsewhere (nothing when there is none); Esc presses the cancel button.
// Returns whether the key was one of these.
bool PressDialogKey(QKeyEvent* event, QWidget* window, QPushButton* defaultButton, QPushButton* cancelButton);

// A word-wrapped label whose text needs more height than its designed box (a wider font than the
// designs' sans) grows to fit; whatever lies below it in its parent moves down, and the parent and the
// window grow by as much. The designed geometry stays the least.
void GrowToText(QLabel* label);

// Gives a calculator window the keyboard model of every calculator (PressDialogKey for whatever key
// its controls leave unused) and makes closing it from its title bar press the cancel button, so that
// it goes where "Отмена" goes instead of just vanishing. One call, once its buttons exist.
void UseCalculatorKeys(QWidget* window, QPushButton* defaultButton, QPushButton* cancelButton);

// Centres a top-level window over its owner's window (over the screen without a visible owner) and
// moves it as little as needed to keep it whole on the owner's screen.
void CentreOver(QWidget* window, const QWidget* owner);

// Sets the client area of a fixed-border window, in twips.
void SetFixedClientSize(QWidget* window, int widthTwips, int heightTwips);

}  // namespace vokta::ui
