#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "filters/FilterOrder.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vokta::ui {

// The values of the filter requirements window that outlive its controls. Each calculation overwrites
// them, except K and F0, which only band filters set.
struct FrmFiltrState {
    // Published: the results window copies these when it loads.
    int16_t N = 0;   // order of the low-pass prototype
    int16_t Rn = 0;  // load resistance, ohm
    float K = 0;     // band filters: centre frequency over bandwidth
    float F1 = 0;    // pass-band edge, Hz
    float Amin = 0;  // attenuation allowed at the pass-band edge, dB
    float F0 = 0;    // band filters: geometric centre frequency, Hz

    // The rest of the last calculation.
    float Fs = 0;      // frequency at which the stop-band attenuation is required, Hz
    float Fleft = 0;   // lower band edge, Hz
    float Fright = 0;  // upper band edge, Hz
    float Astop = 0;   // required stop-band attenuation, dB
    float Ws = 0;      // stop-band frequency of the normalised low-pass prototype
};

// The filter requirements window: the kind of filter, its response, the attenuation requirements,
// frequencies and load; "Расчет" estimates the order and opens the results window.
class FrmFiltr : public QWidget {
    Q_OBJECT
public:
    FrmFiltr();

    static inline FrmFiltrState state;

    void Form_Load();
    void Option1_Click(int index);
    void Option2_Click(int index);
    void CheckARC_Click();
    void TxtFleft_Change();
    void TxtFs_Change();
    void CmdCalc_Click();
    void CmdCls_Click();
    void CmdBack_Click();

    // What the results window reads besides the published values.
    vokta::FilterType SelectedType() const;
    vokta::FilterResponse SelectedResponse() const;
    bool IsActive() const;
    QString AminText() const;  // the attenuation text as the user left it

    // The controls, by their names.
    std::array<QRadioButton*, 4> Option1{};  // low-pass, high-pass, band-pass, band-stop
    std::array<QRadioButton*, 2> Option2{};  // Butterworth, Chebyshev
    QCheckBox* CheckARC = nullptr;
    QComboBox* CmbAmin = nullptr;
    QComboBox* CmbRn = nullptr;
    QLineEdit* TxtAs = nullptr;
    QLineEdit* TxtF1 = nullptr;
    QLineEdit* TxtFright = nullptr;
    QLineEdit* TxtFleft = nullptr;
    QLineEdit* TxtFs = nullptr;

private:
    void PrepareFilterSpec();
    void EstimateButterworthOrder();
    void EstimateChebyshevOrder();
    void WarnOrderTooHigh();
    // Refuses the request with the fault's message, the focus on the fault's field.
    [[noreturn]] void RefuseAt(const vokta::FilterFault& fault);
    void FillAminList(const QStringList& items);

    QLabel* LblAmin = nullptr;
    QLabel* LblAs = nullptr;
    QLabel* LblF1 = nullptr;
    QLabel* LblFright = nullptr;
    QLabel* LblFleft = nullptr;
    QLabel* LblFs = nullptr;
    QLabel* LblRn = nullptr;
    QPushButton* CmdCalc = nullptr;
    QPushButton* CmdCls = nullptr;
    QPushButton* CmdBack = nullptr;
};

}  // namespace vokta::ui
