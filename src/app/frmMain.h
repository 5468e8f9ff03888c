#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QStatusBar;

namespace vokta::ui {

// The main window: the calculator drawing, the menu that opens each calculator, and a status bar
// with the current date and time.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain();

    void mnuFileFiltr_Click();
    void mnuFileTrans_Click();
    void mnuFileContur_Click();
    void mnuFileOscill_Click();
    void mnuFileTune_Click();
    void mnuFileCoil_Click();
    void mnuFileOpen_Click();
    void mnuFileRecent_Click(int index);
    // Opens a design file (a recent one, or the one named on the command line once the main window has
    // come up after the splash); the main window gives way to the calculator once it is open.
    void OpenFile(const QString& path);
    void mnuFileExit_Click();
    void mnuHelpAbout_Click();

private:
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption, void (frmMain::*handler)());
    void UpdateClock();
    void UpdateRecent();

    QAction* mnuFileRecent[5] = {};
    QAction* mnuFileBar1 = nullptr;

    QStatusBar* sbStatusBar = nullptr;
    QLabel* datePanel = nullptr;
    QLabel* timePanel = nullptr;
};

}  // namespace vokta::ui
