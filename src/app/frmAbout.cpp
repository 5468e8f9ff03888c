#include "app/frmAbout.h"

#include "ui/Controls.h"
#include "ui/Twips.h"

namespace vokta::ui {

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("О программе"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* description = AddLabel(
        this, "lblDescription",
        QStringLiteral("Программа Vokta предназначена для выполнения ряда радиотехнических расчетов, таких "
                       "как: расчет фильтров(активных и пассивных), расчет трансформаторов, расчет входных "
                       "цепей приемников, расчет контуров, линеаризованных по частоте и расчет колебательных "
                       "контуров. Результаты расчета можно проверить при помощи программ MicroCap и "
                       "Electronic Workbench"),
        {120, 120, 4935, 1410});
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    AddLine(this, "Line1", 120, 1680, 5160, 1680, QColor(128, 128, 128));
    auto* ok = AddButton(this, "cmdOK", QStringLiteral("OK"), {4080, 1920, 1095, 345});
    ok->setDefault(true);  // Enter
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    SetFixedClientSize(this, 5250, 2295);
    GrowToText(description);
    CentreOver(this, owner);  // and whole on the screen, however near its edge the owner stands
}

// Esc reaches QDialog::reject, which closes the box just as OK does.
void frmAbout::cmdOK_Click() {
    accept();
}

}  // namespace vokta::ui
