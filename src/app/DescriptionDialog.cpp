#include "app/DescriptionDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "ui/Controls.h"
#include "ui/Forms.h"

namespace vokta::ui {

DescriptionDialog::DescriptionDialog(const QString& text, const Layout& layout)
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QStringLiteral("О расчете"));
    auto* label = AddLabel(this, "Label1", text, {120, 120, 5790, layout.lineTop - 240});
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    AddLine(this, "Line1", 0, layout.lineTop, 6000, layout.lineTop);
    okButton = AddButton(this, layout.buttonName, QStringLiteral("OK"), {4680, layout.buttonTop, 1215, 375});
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &DescriptionDialog::Accept);
    SetFixedClientSize(this, 6030, layout.clientHeight);
    GrowToText(label);
}

void DescriptionDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            Accept();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void DescriptionDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    Forms::ReturnToMain(this);
}

}  // namespace vokta::ui
