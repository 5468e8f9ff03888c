#pragma once

#include "app/DescriptionDialog.h"

namespace vokta::ui {

// The description in front of the band-spread calculator; OK opens it.
class Dialog1 : public DescriptionDialog {
    Q_OBJECT
public:
    Dialog1();
    void cmdOK_Click();

protected:
    void Accept() override { cmdOK_Click(); }
};

}  // namespace vokta::ui
