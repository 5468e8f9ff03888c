#include "app/frmMain.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include "app/CalculatorDrawing.h"
#include "app/Dialog1.h"
#include "app/Dialog2.h"
#include "app/frmAbout.h"
#include "coil/ui/FrmCoil.h"
#include "filters/ui/FrmFiltr.h"
#include "rfpath/ui/FrmAnt.h"
#include "transformer/ui/FrmTrans.h"
#include "ui/DesignFiles.h"
#include "ui/Forms.h"
#include "ui/Twips.h"

namespace vokta::ui {

frmMain::frmMain() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Vokta"));

    auto* mnuFile = menuBar()->addMenu(QStringLiteral("&Файл"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    AddItem(mnuFile, "mnuFileFiltr", QStringLiteral("&Фильтр"), &frmMain::mnuFileFiltr_Click);
    AddItem(mnuFile, "mnuFileTrans", QStringLiteral("&Трансформатор"), &frmMain::mnuFileTrans_Click);
    AddItem(mnuFile, "mnuFileContur", QStringLiteral("&Контур1"), &frmMain::mnuFileContur_Click);
    AddItem(mnuFile, "mnuFileOscill", QStringLiteral("Контур&2"), &frmMain::mnuFileOscill_Click);
    AddItem(mnuFile, "mnuFileTune", QStringLiteral("Контур&3"), &frmMain::mnuFileTune_Click);
    AddItem(mnuFile, "mnuFileCoil", QStringLiteral("&Катушка"), &frmMain::mnuFileCoil_Click);
    AddItem(mnuFile, "mnuFileOpen", QStringLiteral("&Открыть расчет…"), &frmMain::mnuFileOpen_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileBar0"));
    // The recent files, each shown while there is one for it, then a line before "Выход".
    for (int i = 0; i < 5; ++i) {
        mnuFileRecent[i] = mnuFile->addAction(QString());
        mnuFileRecent[i]->setObjectName(QStringLiteral("mnuFileRecent%1").arg(i));
        connect(mnuFileRecent[i], &QAction::triggered, this, [this, i] { mnuFileRecent_Click(i); });
    }
    mnuFileBar1 = mnuFile->addSeparator();
    mnuFileBar1->setObjectName(QStringLiteral("mnuFileBar1"));
    AddItem(mnuFile, "mnuFileExit", QStringLiteral("&Выход"), &frmMain::mnuFileExit_Click);
    connect(mnuFile, &QMenu::aboutToShow, this, &frmMain::UpdateRecent);
    UpdateRecent();

    auto* mnuHelp = menuBar()->addMenu(QStringLiteral("&Помощь"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    AddItem(mnuHelp, "mnuHelpAbout", QStringLiteral("&О программе"), &frmMain::mnuHelpAbout_Click);

    auto* drawing = new CalculatorDrawing(this);
    drawing->setObjectName(QStringLiteral("Picture"));
    setCentralWidget(drawing);

    sbStatusBar = new QStatusBar(this);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbStatusBar->setSizeGripEnabled(false);
    datePanel = new QLabel(sbStatusBar);
    datePanel->setObjectName(QStringLiteral("Panel1"));
    timePanel = new QLabel(sbStatusBar);
    timePanel->setObjectName(QStringLiteral("Panel2"));
    sbStatusBar->addWidget(datePanel, 1);
    sbStatusBar->addWidget(timePanel, 1);
    setStatusBar(sbStatusBar);

    // The panels keep themselves current.
    auto* clock = new QTimer(this);
    clock->setInterval(1000);
    connect(clock, &QTimer::timeout, this, &frmMain::UpdateClock);
    clock->start();
    UpdateClock();

    // Client area 2700 x 4440 twips below the menu bar, status bar included.
    const int client = twips(4440);
    setFixedSize(twips(2700), client + menuBar()->sizeHint().height());
}

QAction* frmMain::AddItem(QMenu* menu, const char* name, const QString& caption, void (frmMain::*handler)()) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromUtf8(name));
    connect(item, &QAction::triggered, this, handler);
    return item;
}

void frmMain::UpdateClock() {
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    datePanel->setText(locale.toString(now.date(), QLocale::ShortFormat));
    timePanel->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

void frmMain::mnuFileFiltr_Click() {
    Forms::Unload(this);
    Forms::Show<FrmFiltr>();
}

void frmMain::mnuFileTrans_Click() {
    Forms::Unload(this);
    Forms::Show<FrmTrans>();
}

void frmMain::mnuFileContur_Click() {
    Forms::Unload(this);
    Forms::Show<Dialog1>();
}

void frmMain::mnuFileOscill_Click() {
    Forms::Show<Dialog2>();
}

void frmMain::mnuFileTune_Click() {
    Forms::Unload(this);
    Forms::Show<FrmAnt>();
}

void frmMain::mnuFileCoil_Click() {
    Forms::Unload(this);
    // Opened from here, its "Отмена" comes back here, whatever opened it before.
    vokta::ui::FrmCoil::Open(nullptr, std::nullopt, std::nullopt);
}

void frmMain::UpdateRecent() {
    const QStringList recent = RecentDesigns();
    for (int i = 0; i < 5; ++i) {
        const QString path = recent.value(i);
        // "&1 фильтр.vokta": the number as the item's mnemonic, the whole path in the status tip.
        mnuFileRecent[i]->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        mnuFileRecent[i]->setStatusTip(QDir::toNativeSeparators(path));
        mnuFileRecent[i]->setData(path);
        mnuFileRecent[i]->setVisible(!path.isEmpty());
    }
    mnuFileBar1->setVisible(!recent.isEmpty());
}

void frmMain::OpenFile(const QString& path) {
    if (OpenDesignFile(this, path)) Forms::Unload(this);
}

void frmMain::mnuFileOpen_Click() {
    if (OpenDesign(this)) Forms::Unload(this);
}

void frmMain::mnuFileRecent_Click(int index) {
    OpenFile(mnuFileRecent[index]->data().toString());
}

void frmMain::mnuFileExit_Click() {
    Forms::Unload(this);
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout about(this);
    about.exec();
}

}  // namespace vokta::ui
