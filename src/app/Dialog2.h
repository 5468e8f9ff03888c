#pragma once

#include "app/DescriptionDialog.h"

namespace vokta::ui {

// The description in front of the three-point calculator; OK opens it, the main window stays open.
class Dialog2 : public DescriptionDialog {
    Q_OBJECT
public:
    Dialog2();
    void OKButton_Click();

protected:
    void Accept() override { OKButton_Click(); }
};

}  // namespace vokta::ui
