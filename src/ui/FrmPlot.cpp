#include "ui/FrmPlot.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QVBoxLayout>

#include "ui/ChartKit.h"
#include "ui/Controls.h"
#include "ui/Forms.h"

namespace vokta::ui {

FrmPlot::FrmPlot() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("FrmPlot"));
    setAttribute(Qt::WA_DeleteOnClose, false);  // the form registry unloads it

    TabPages = new QTabBar(this);
    TabPages->setObjectName(QStringLiteral("TabPages"));
    TabPages->setDrawBase(false);
    connect(TabPages, &QTabBar::currentChanged, this, &FrmPlot::ShowPage);

    ChartView = vokta::ui::Charts().NewView(this);
    ChartView->setObjectName(QStringLiteral("ChartView"));
    ChartView->setMinimumSize(560, 300);  // with the rest, the window fits 900 x 480 at its least

    LblSummary = new QLabel(this);
    LblSummary->setObjectName(QStringLiteral("LblSummary"));
    LblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LblSummary->setWordWrap(true);

    CmdClose = new QPushButton(QStringLiteral("Закрыть"), this);
    CmdClose->setObjectName(QStringLiteral("CmdClose"));
    CmdClose->setMinimumWidth(97);  // the 1455 twips of the program's buttons
    connect(CmdClose, &QPushButton::clicked, this, &FrmPlot::CmdClose_Click);
    // Enter and Esc both close: "Закрыть" is the window's only button.
    UseCalculatorKeys(this, CmdClose, CmdClose);

    auto* bottom = new QHBoxLayout();
    bottom->addWidget(LblSummary, 1);
    bottom->addSpacing(12);
    bottom->addWidget(CmdClose, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(TabPages);
    layout->addWidget(ChartView, 1);
    layout->addLayout(bottom);
    QSize size(880, 580);
    if (const QScreen* screen = this->screen()) size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
}

FrmPlot* FrmPlot::Open(const QList<Page>& pages, const QString& summary) {
    vokta::ui::Charts();  // the chart module first: without it, no window is loaded
    FrmPlot* form = Forms::Load<FrmPlot>();
    form->Plot(pages, summary);
    return Forms::Show<FrmPlot>();
}

void FrmPlot::CmdClose_Click() {
    Forms::Unload(this);
}

void FrmPlot::Plot(const QList<Page>& pages, const QString& summary) {
    pages_ = pages;
    {
        const QSignalBlocker blocker(TabPages);
        while (TabPages->count() > 0) TabPages->removeTab(0);
        for (const Page& page : pages) TabPages->addTab(page.tab);
        TabPages->setCurrentIndex(0);
    }
    TabPages->setVisible(pages.size() > 1);
    ShowPage(0);
    setWindowTitle(pages.value(0).title);
    LblSummary->setText(summary);
}

void FrmPlot::ShowPage(int index) {
    // A new chart whenever a page is shown: the one shown before goes with its series and axes.
    if (index >= 0 && index < pages_.size()) vokta::ui::Charts().Show(ChartView, pages_[index], font());
}

}  // namespace vokta::ui
