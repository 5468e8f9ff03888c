#pragma once

#include <QDialog>

namespace vokta::ui {

// The About box: modal, owned by the main window; OK answers Enter and Esc.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner);
    void cmdOK_Click();
};

}  // namespace vokta::ui
