#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vokta::ui {

// The coil calculator: the whole turns that wind a given inductance on a toroidal core of the catalogue
// or as a single-layer coil on a round former, with the wire, how much of it to cut, and what the whole
// turns really give. Opened from the main menu, or from a tuned circuit with its coil's inductance and
// the centre of its range filled in; "Отмена" goes back to the tuned circuit it came from, or else to the
// main window.
class FrmCoil : public QWidget {
    Q_OBJECT
public:
    FrmCoil();

    // Loads and shows the window; a value that is given goes into its box, and any result shown goes.
    static void Open(QWidget* opener, std::optional<double> inductanceUH, std::optional<double> frequencyMHz);

    void Form_Load();
    void CmdCalc_Click();
    void CmdCancel_Click();
    void CmbCore_Click();

    QGroupBox* Frame1 = nullptr;
    QLabel* LblL = nullptr;
    QLineEdit* TxtL = nullptr;
    QLabel* LblF = nullptr;
    QLineEdit* TxtF = nullptr;
    QLabel* LblCore = nullptr;
    QComboBox* CmbCore = nullptr;
    QLabel* LblD = nullptr;
    QLineEdit* TxtD = nullptr;
    QLabel* LblWire = nullptr;
    QComboBox* CmbWire = nullptr;
    QLabel* Image1 = nullptr;
    QTableWidget* TblResults = nullptr;
    QLabel* LblSummary = nullptr;
    QPushButton* CmdCalc = nullptr;
    QPushButton* CmdCancel = nullptr;

private:
    void CalcCoil();
    void ClearResults();
    bool AirCoreChosen() const;

    QPointer<QWidget> opener_;  // the tuned circuit that opened the window, if one did
};

}  // namespace vokta::ui
