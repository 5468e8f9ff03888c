#include <QCheckBox>
#include <QComboBox>
#include <QTabBar>
#include "FilterDriver.h"

#include "filters/ui/FrmResponse.h"
#include "support/Gallery.h"

using namespace vokta::test;
using namespace vokta::ui;

namespace {

// Types a design into the requirements window, presses "АЧХ" in the results window and saves the
// window that opens (with the results window beside it first).
void SaveResponse(Gallery& g, const QString& name, const QStringList& clicks, const QStringList& typed,
                  const QString& answer = {}) {
    if (!answer.isEmpty()) g.boxes().answer(answer);
    if (FrmFiltrItog* r = Calculate(OpenFilterWindow(), clicks, typed)) {
        g.save(name + "_results", r);
        g.saveSheet(name + "_results_sheet", r);
        Click(r, "CmdResponse");
        if (auto* plot = vokta::ui::Forms::Find<FrmResponse>()) {
            // E24 values, and the spread of circuits built from 5 % parts shaded.
            plot->CmbSeries->setCurrentText("E24");
            plot->CmbTolerance->setCurrentText("5 %");
            g.save(name, plot);
            g.saveSheet(name + "_sheet", plot);
            if (plot->CmbQL->isEnabled()) {  // coils of Q 100, capacitors of Q 1000
                plot->CmbQL->setCurrentText("100");
                plot->CmbQC->setCurrentText("1000");
                emit plot->CmbQC->activated(2);
                g.save(name + "_lossy", plot);
                plot->CmbQL->setCurrentText("∞");
                plot->CmbQC->setCurrentText("∞");
                emit plot->CmbQC->activated(0);
            }
            plot->CmbDesign->setCurrentIndex(1);
            g.save(name + "_exact", plot);
            plot->ChkTune->setChecked(true);  // E24 values chosen for the filter
            g.save(name + "_exact_tuned", plot);
            plot->ChkTune->setChecked(false);
            plot->CmbFamily->setCurrentText("Эллиптический");
            g.save(name + "_elliptic", plot);
            plot->TabPlot->setCurrentIndex(1);
            g.save(name + "_elliptic_match", plot);
            plot->TabPlot->setCurrentIndex(2);
            g.save(name + "_elliptic_delay", plot);
            plot->TabPlot->setCurrentIndex(3);
            g.save(name + "_elliptic_circuit", plot);
            plot->CmbFamily->setCurrentText("Как в расчете");
            plot->TabPlot->setCurrentIndex(3);
            g.save(name + "_exact_circuit", plot);
        }
    }
    UnloadAllForms();
}

}  // namespace

VOKTA_GALLERY_PAGE(FilterResponses) {
    SaveResponse(g, "FrmResponse_lowpass5", {}, {"CmbAmin=3", "TxtAs=25", "TxtF1=1000", "TxtFs=2000"});
    SaveResponse(g, "FrmResponse_bandpass4", {"Option1(2)"},
                 {"CmbAmin=3", "TxtAs=40", "TxtFright=11000", "TxtFleft=9000", "TxtFs=15000"});
    SaveResponse(g, "FrmResponse_bandstop3", {"Option1(3)"},
                 {"CmbAmin=3", "TxtAs=30", "TxtFright=11000", "TxtFleft=9000", "TxtFs=10200"});
    // Order 9, which the procedure refuses: "АЧХ" opens on the exact design.
    SaveResponse(g, "FrmResponse_lowpass9", {}, {"CmbAmin=0.5", "TxtAs=40", "TxtF1=1000", "TxtFs=2000"});
    SaveResponse(g, "FrmResponse_active_highpass4", {"Option1(1)", "CheckARC"},
                 {"CmbAmin=3", "TxtAs=20", "TxtF1=1000", "TxtFs=500"}, "0.01");
    SaveResponse(g, "FrmResponse_active_lowpass5", {"Option1(0)", "CheckARC"},
                 {"CmbAmin=3", "TxtAs=40", "TxtF1=1000", "TxtFs=2500"}, "10");
}

// A transmitter's 7 MHz harmonic low-pass at 50 Ω, its coils wound on T-xx-6 toroids of Q 200 and its E24
// capacitors chosen for it.
VOKTA_GALLERY_PAGE(FilterCoils) {
    if (FrmFiltrItog* r =
            Calculate(OpenFilterWindow(), {},
                      {"CmbAmin=0.5", "TxtAs=40", "TxtF1=7300000", "TxtFs=14000000", "CmbRn=50"})) {
        Click(r, "CmdResponse");
        if (auto* plot = vokta::ui::Forms::Find<FrmResponse>()) {
            plot->CmbCore->setCurrentText("T-xx-6");
            plot->ChkTune->setChecked(true);
            plot->CmbQL->setCurrentText("200");
            emit plot->CmbQL->activated(3);
            g.save("FrmResponse_coils", plot);
            g.saveSheet("FrmResponse_coils_sheet", plot);
        }
    }
    UnloadAllForms();
}

// Each approximation's exact design of one low-pass demand gentle enough for Bessel's, its curve and its
// circuit.
VOKTA_GALLERY_PAGE(FilterFamilies) {
    if (FrmFiltrItog* r = Calculate(OpenFilterWindow(), {},
                                    {"CmbAmin=3", "TxtAs=20", "TxtF1=1000", "TxtFs=4000", "CmbRn=50"})) {
        Click(r, "CmdResponse");
        if (auto* plot = vokta::ui::Forms::Find<FrmResponse>()) {
            plot->CmbDesign->setCurrentIndex(1);
            const std::pair<const char*, const char*> families[] = {{"Баттерворт", "butterworth"},
                                                                    {"Чебышев", "chebyshev"},
                                                                    {"Эллиптический", "elliptic"},
                                                                    {"Бессель", "bessel"}};
            for (const auto& [family, name] : families) {
                plot->CmbFamily->setCurrentText(family);
                plot->TabPlot->setCurrentIndex(0);
                g.save(QString("FrmResponse_family_%1").arg(name), plot);
                plot->TabPlot->setCurrentIndex(3);
                g.save(QString("FrmResponse_family_%1_circuit").arg(name), plot);
            }
        }
    }
    UnloadAllForms();
}
