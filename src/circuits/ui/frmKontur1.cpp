#include "circuits/ui/frmKontur1.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "circuits/BandSpread.h"
#include "circuits/CircuitDesignFiles.h"
#include "circuits/ui/CircuitLayout.h"
#include "circuits/ui/CircuitPictures.h"
#include "circuits/ui/CircuitPlots.h"
#include "ui/Application.h"
#include "ui/Boxes.h"
#include "ui/Controls.h"
#include "ui/DesignFiles.h"
#include "ui/Forms.h"

namespace vokta::ui {

using namespace circuits;

frmKontur1::frmKontur1() : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmKontur1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Расчет контура"));

    Frame1 = AddSourceFrame(this);
    AddInputRow(Frame1, 0, LblFmax, "LblFmax", QStringLiteral("Максимальная частота диапазона, МГц"), TxtFmax,
                "TxtFmax");
    AddInputRow(Frame1, 1, LblFmin, "LblFmin", QStringLiteral("Минимальная частота диапазона, МГц"), TxtFmin,
                "TxtFmin");
    AddInputRow(Frame1, 2, LblL, "LblL", QStringLiteral("Индуктивность контура, мкГн"), TxtL, "TxtL",
                QStringLiteral("Индуктивность L1"));
    AddInputRow(Frame1, 3, LblC3max, "LblC3max", QStringLiteral("Максимальная емкость КПЕ, пФ"), TxtC3max,
                "TxtC3max");
    AddInputRow(Frame1, 4, LblC3min, "LblC3min", QStringLiteral("Минимальная емкость КПЕ, пФ"), TxtC3min,
                "TxtC3min");
    AddInputRow(Frame1, 5, LblC4, "LblC4", QStringLiteral("Входная емкость транзистора, пФ"), TxtC4, "TxtC4",
                QStringLiteral("Емкость С4"));

    // The circuit diagram belongs to this window; it is there from the start.
    Image1 = AddImage(this, "Image1", {});
    SetPicture(Image1, LoadBandSpreadDiagram());

    // The results stand at the height of the C3min and C4 rows.
    LblC1 = AddResultLabel(this, "LblC1");
    LblC2 = AddResultLabel(this, "LblC2");

    CmdCalc = AddButton(this, "CmdCalc", QStringLiteral("Расчет"), {});
    CmdPlot = AddButton(this, "CmdPlot", QStringLiteral("График"), {});
    CmdPdf = AddButton(this, "CmdPdf", QStringLiteral("PDF…"), {},
                       QStringLiteral("Сохранить лист расчета в файл PDF"));
    CmdPdf->setEnabled(false);
    CmdCoil = AddButton(this, "CmdCoil", QStringLiteral("Катушка…"), {},
                        QStringLiteral("Рассчитать намотку катушки L1 на середину диапазона"));
    CmdCancel = AddButton(this, "CmdCancel", QStringLiteral("Отмена"), {});
    connect(CmdCalc, &QPushButton::clicked, this, &frmKontur1::CmdCalc_Click);
    connect(CmdPlot, &QPushButton::clicked, this, &frmKontur1::CmdPlot_Click);
    connect(CmdPdf, &QPushButton::clicked, this, &frmKontur1::CmdPdf_Click);
    connect(CmdCoil, &QPushButton::clicked, this, &frmKontur1::CmdCoil_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &frmKontur1::CmdCancel_Click);

    ArrangeWindow(this, Image1, {LblC1, LblC2}, 4, {CmdCalc, CmdPlot, CmdPdf, CmdCoil, CmdCancel});
    UseCalculatorKeys(this, CmdCalc, CmdCancel);
    UseDesignKeys(this, vokta::BandSpreadDesignKind());
}

void frmKontur1::Form_Load() {
    LblC1->setText(QString());
    LblC2->setText(QString());
    LblC1->hide();
    LblC2->hide();
    CmdPlot->setEnabled(false);
    CmdPdf->setEnabled(false);
}

void frmKontur1::CmdCalc_Click() {
    // The plot belongs to a calculation that succeeds.
    CmdPlot->setEnabled(false);
    CmdPdf->setEnabled(false);
    if (!AllFilled({TxtFmax, TxtFmin, TxtL, TxtC3max, TxtC3min, TxtC4})) {
        // The typed values stay; an earlier result, which no longer matches them, goes.
        WarnEmptyFields(this);
        Form_Load();
        return;
    }
    Guarded(this, [this] { CalcBandSpread(); });
}

void frmKontur1::CmdCancel_Click() {
    Forms::ReturnToMain(this);
}

void frmKontur1::CmdPlot_Click() {
    Guarded(this, [this] { ShowBandSpreadPlot(shownInput_, shownResult_); });
}

void frmKontur1::CmdPdf_Click() {
    SaveCircuitSheet(this, [this] {
        return CircuitSheet(QStringLiteral("Расчет контура с растяжкой диапазона"), shownInputs_,
                            pictures::DrawBandSpreadDiagram(), {LblC1, LblC2},
                            BandSpreadPlot(shownInput_, shownResult_));
    });
}

void frmKontur1::CmdCoil_Click() {
    OpenCoilFor(this, TxtL, TxtFmin, TxtFmax);
}

void frmKontur1::CalcBandSpread() {
    vokta::BandSpreadInput input;
    input.fmaxMHz = ReadPositive(TxtFmax, LblFmax);
    input.fminMHz = ReadPositive(TxtFmin, LblFmin);
    input.inductanceUH = ReadPositive(TxtL, LblL);
    input.c3maxPF = ReadPositive(TxtC3max, LblC3max);
    input.c3minPF = ReadPositive(TxtC3min, LblC3min);
    input.c4PF = ReadPositive(TxtC4, LblC4);

    const vokta::BandSpreadResult result = vokta::CalcBandSpread(input);
    if (!result.feasible) {
        // The earlier C1 and C2 do not belong to these inputs.
        Form_Load();
        Warn(this,
             QStringLiteral("Указанные вами емкость С3,C4 и индуктивность L1 не могут обеспечить перекрытие "
                            "требуемого диапазона частот"));
        return;
    }
    LblC1->setText(QStringLiteral("Емкость С1=") + NumberText(result.c1PF) + QStringLiteral(" пФ"));
    LblC2->setText(QStringLiteral("Емкость С2=") + NumberText(result.c2PF) + QStringLiteral(" пФ"));
    LblC1->show();
    LblC2->show();
    shownInput_ = input;
    shownResult_ = result;
    shownInputs_ = FieldRows(Frame1);
    CmdPlot->setEnabled(true);
    CmdPdf->setEnabled(true);
    if (result.missesRange) {
        // The whole values are shown, but the user learns what they really tune.
        const QLocale locale;
        Warn(this, QStringLiteral("С емкостями С1 и С2, округленными до целых пикофарад, контур "
                                  "перестраивается от %1 до %2 МГц и не перекрывает заданный диапазон от %3 "
                                  "до %4 МГц.")
                       .arg(locale.toString(result.coveredMinMHz, 'g', 5),
                            locale.toString(result.coveredMaxMHz, 'g', 5),
                            locale.toString(input.fminMHz, 'g', 6), locale.toString(input.fmaxMHz, 'g', 6)));
    }
}

}  // namespace vokta::ui
