#include "circuits/ui/FrmKontur2.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/PictureNumbers.h"
#include "circuits/CircuitDesignFiles.h"
#include "circuits/ThreePoint.h"
#include "circuits/ui/CircuitLayout.h"
#include "circuits/ui/CircuitPlots.h"
#include "ui/Application.h"
#include "ui/Boxes.h"
#include "ui/Controls.h"
#include "ui/DesignFiles.h"
#include "ui/Forms.h"
#include "ui/Pictures.h"

namespace vokta::ui {

using namespace circuits;

FrmKontur2::FrmKontur2() : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("FrmKontur2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Расчет контура"));

    Frame1 = AddSourceFrame(this);
    AddInputRow(Frame1, 0, LblFmax, "LblFmax", QStringLiteral("Максимальная частота диапазона, МГц"), TxtFmax,
                "TxtFmax");
    AddInputRow(Frame1, 1, LblFmin, "LblFmin", QStringLiteral("Минимальная частота диапазона, МГц"), TxtFmin,
                "TxtFmin");
    AddInputRow(Frame1, 2, LblL, "LblL", QStringLiteral("Индуктивность контура, мкГн"), TxtL, "TxtL",
                QStringLiteral("Индуктивность L1"));
    AddInputRow(Frame1, 3, LblCmax, "LblCmax", QStringLiteral("Максимальная емкость КПЕ, пФ"), TxtCmax,
                "TxtCmax");
    AddInputRow(Frame1, 4, LblCmin, "LblCmin", QStringLiteral("Минимальная емкость КПЕ, пФ"), TxtCmin,
                "TxtCmin");
    AddInputRow(Frame1, 5, LblCcp, "LblCcp", QStringLiteral("Емкость КПЕ в среднем положении, пФ"), TxtCcp,
                "TxtCcp", QStringLiteral("Емкость С4"));

    // The picture is loaded by Form_Load; its place is kept at the catalogue size.
    Image1 = AddImage(this, "Image1", {});
    Image1->resize(PictureSize(vokta::kThreePointCircuitPicture));

    LblC1 = AddResultLabel(this, "LblC1");
    LblC2 = AddResultLabel(this, "LblC2");
    LblC3 = AddResultLabel(this, "LblC3");
    for (QLabel* result : {LblC1, LblC2, LblC3}) result->hide();

    CmdCalc = AddButton(this, "CmdCalc", QStringLiteral("Расчет"), {});
    CmdPlot = AddButton(this, "CmdPlot", QStringLiteral("График"), {});
    CmdPlot->setEnabled(false);
    CmdPdf = AddButton(this, "CmdPdf", QStringLiteral("PDF…"), {},
                       QStringLiteral("Сохранить лист расчета в файл PDF"));
    CmdPdf->setEnabled(false);
    CmdCoil = AddButton(this, "CmdCoil", QStringLiteral("Катушка…"), {},
                        QStringLiteral("Рассчитать намотку катушки L1 на середину диапазона"));
    CmdCancel = AddButton(this, "CmdCancel", QStringLiteral("Отмена"), {});
    connect(CmdCalc, &QPushButton::clicked, this, &FrmKontur2::CmdCalc_Click);
    connect(CmdPlot, &QPushButton::clicked, this, &FrmKontur2::CmdPlot_Click);
    connect(CmdPdf, &QPushButton::clicked, this, &FrmKontur2::CmdPdf_Click);
    connect(CmdCoil, &QPushButton::clicked, this, &FrmKontur2::CmdCoil_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmKontur2::CmdCancel_Click);

    ArrangeWindow(this, Image1, {LblC1, LblC2, LblC3}, 3, {CmdCalc, CmdPlot, CmdPdf, CmdCoil, CmdCancel});
    UseCalculatorKeys(this, CmdCalc, CmdCancel);
    UseDesignKeys(this, vokta::ThreePointDesignKind());
}

void FrmKontur2::Form_Load() {
    SetPicture(Image1, LoadPicture(vokta::kThreePointCircuitPicture));
}

void FrmKontur2::CmdCalc_Click() {
    if (!AllFilled({TxtFmax, TxtFmin, TxtL, TxtCmax, TxtCmin, TxtCcp})) {
        // Nothing else changes: the fields and any result shown stay.
        WarnEmptyFields(this);
        return;
    }
    // The plot belongs to a calculation that succeeds.
    CmdPlot->setEnabled(false);
    CmdPdf->setEnabled(false);
    Guarded(this, [this] { CalcThreePoint(); });
}

void FrmKontur2::CmdCancel_Click() {
    Forms::ReturnToMain(this);
}

void FrmKontur2::CmdPlot_Click() {
    Guarded(this, [this] { ShowThreePointPlot(shownInput_, shownResult_); });
}

void FrmKontur2::CmdPdf_Click() {
    SaveCircuitSheet(this, [this] {
        return CircuitSheet(QStringLiteral("Расчет контура с линейной шкалой"), shownInputs_,
                            pictures::DrawPicture(vokta::kThreePointCircuitPicture), {LblC1, LblC2, LblC3},
                            ThreePointPlot(shownInput_, shownResult_));
    });
}

void FrmKontur2::CmdCoil_Click() {
    OpenCoilFor(this, TxtL, TxtFmin, TxtFmax);
}

void FrmKontur2::CalcThreePoint() {
    vokta::ThreePointInput input;
    input.fmaxMHz = ReadPositive(TxtFmax, LblFmax);
    input.fminMHz = ReadPositive(TxtFmin, LblFmin);
    input.inductanceUH = ReadPositive(TxtL, LblL);
    input.cmaxPF = ReadPositive(TxtCmax, LblCmax);
    input.cminPF = ReadPositive(TxtCmin, LblCmin);
    input.cmidPF = ReadPositive(TxtCcp, LblCcp);

    const vokta::ThreePointResult result = vokta::CalcThreePoint(input);
    if (!result.feasible) {
        for (QLabel* label : {LblC1, LblC2, LblC3}) label->hide();
        Warn(this, QStringLiteral("Невозможно выполнить заданные вами условия. Поменяйте один или несколько "
                                  "параметров в исходных данных"));
        return;
    }
    LblC1->setText(QStringLiteral("C1=") + NumberText(result.c1PF) + QStringLiteral("пФ"));
    LblC2->setText(QStringLiteral("C2=") + NumberText(result.c2PF) + QStringLiteral("пФ"));
    LblC3->setText(QStringLiteral("C3=") + NumberText(result.c3PF) + QStringLiteral("пФ"));
    for (QLabel* label : {LblC1, LblC2, LblC3}) label->show();
    shownInput_ = input;
    shownResult_ = result;
    shownInputs_ = FieldRows(Frame1);
    CmdPlot->setEnabled(true);
    CmdPdf->setEnabled(true);
}

}  // namespace vokta::ui
