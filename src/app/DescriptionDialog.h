#pragma once

#include <QPushButton>
#include <QWidget>

namespace vokta::ui {

// A modeless description window with a text, a separator line and an OK button that answers Enter
// and Esc; the two descriptions in front of the tuned-circuit calculators are made of it.
class DescriptionDialog : public QWidget {
    Q_OBJECT
public:
    struct Layout {
        int lineTop;       // twips
        int buttonTop;     // twips
        int clientHeight;  // twips
        const char* buttonName;
    };
    DescriptionDialog(const QString& text, const Layout& layout);

protected:
    virtual void Accept() = 0;
    void keyPressEvent(QKeyEvent* event) override;
    // Closing it from the title bar goes back to the main window instead of ending the program.
    void closeEvent(QCloseEvent* event) override;
    QPushButton* okButton = nullptr;
};

}  // namespace vokta::ui
