#include "app/frmSplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <utility>

#include "app/frmMain.h"
#include "base/Checked.h"
#include "ui/Application.h"
#include "ui/Boxes.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/Twips.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace vokta::ui {

QString LoggedOnUserName() {
#ifdef _WIN32
    wchar_t buffer[256];
    DWORD length = 256;
    if (GetUserNameW(buffer, &length) && length > 0) return QString::fromWCharArray(buffer, int(length) - 1);
    return {};
#else
    if (const passwd* pw = getpwuid(geteuid())) return QString::fromLocal8Bit(pw->pw_name);
    return {};
#endif
}

namespace {

// A traffic light with one lamp lit, as a 32 x 32 icon of 16 colours.
QPixmap TrafficLight(int lit) {
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(64, 64, 64));
    p.drawRoundedRect(QRectF(7.5, 0.5, 17, 31), 3, 3);
    const QColor on[3] = {Qt::red, Qt::yellow, Qt::green};
    const QColor off[3] = {QColor(128, 0, 0), QColor(128, 128, 0), QColor(0, 128, 0)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == lit ? on[i] : off[i]);
        p.drawEllipse(QRectF(11.5, 2.5 + i * 10, 9, 9));
    }
    return icon;
}

QLabel* Lamp(QWidget* parent, const char* name, int lit) {
    auto* lamp = AddImage(parent, name, {3360, 720, 735, 975});
    lamp->setPixmap(TrafficLight(lit));
    lamp->setScaledContents(true);  // stretched to the control
    lamp->hide();
    return lamp;
}

void SetLabelColor(QLabel* label, const QColor& color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

QFont FontOf(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace

// No caption: the splash window has no title bar at all.
frmSplash::frmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    SetFixedClientSize(this, 7455, 4710);

    auto* fraMainFrame = new QWidget(this);
    fraMainFrame->setObjectName(QStringLiteral("fraMainFrame"));
    fraMainFrame->setGeometry(rect());
    fraMainFrame->setAutoFillBackground(true);
    QPalette blue = fraMainFrame->palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 255));
    fraMainFrame->setPalette(blue);

    ImgRed = Lamp(fraMainFrame, "ImgRed", 0);
    ImgYellow = Lamp(fraMainFrame, "ImgYellow", 1);
    ImgGreen = Lamp(fraMainFrame, "ImgGreen", 2);

    Label1 = AddLabel(fraMainFrame, "Label1", QStringLiteral("Vokta"), {360, 2160, 6495, 735});
    Label1->setFont(FontOf(QStringLiteral("Tahoma"), 26.25, true));
    Label1->setAlignment(Qt::AlignCenter);
    SetLabelColor(Label1, QColor(255, 0, 0));

    auto* credit =
        AddLabel(fraMainFrame, "Label2", QStringLiteral("Расчеты для радиолюбителей"), {960, 120, 5655, 495});
    credit->setFont(FontOf(QStringLiteral("MS Sans Serif"), 9.75, true));
    credit->setAlignment(Qt::AlignCenter);
    SetLabelColor(credit, QColor(255, 255, 0));

    auto* licenseTo =
        AddLabel(fraMainFrame, "lblLicenseTo", QStringLiteral("License to:"), {3600, 4080, 0, 0});
    licenseTo->adjustSize();
    SetLabelColor(licenseTo, Qt::white);
    LblUser = AddLabel(fraMainFrame, "LblUser", QString(), {4560, 4080, 0, 0});
    SetLabelColor(LblUser, Qt::white);

    lblVersion = AddLabel(fraMainFrame, "lblVersion", QStringLiteral("Version"), {6480, 3600, 0, 0});
    lblVersion->setFont(FontOf(QStringLiteral("MS Sans Serif"), 8.25, true));
    SetLabelColor(lblVersion, QColor(255, 192, 192));
    lblVersion->adjustSize();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1500);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1->start();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmSplash::Form_Load() {
    LblUser->setText(LoggedOnUserName());
    LblUser->adjustSize();
    lblVersion->setText(QStringLiteral("Version ") + LocaleNumberText(int16_t(VOKTA_VERSION_MAJOR)) + "." +
                        LocaleNumberText(int16_t(VOKTA_VERSION_MINOR)) + "." +
                        LocaleNumberText(int16_t(VOKTA_VERSION_PATCH)));
    lblVersion->adjustSize();
    // Keep the caption inside the window when the font is wider than the design's.
    const int right = width() - twips(120);
    if (lblVersion->geometry().right() > right)
        lblVersion->move(right - lblVersion->width(), lblVersion->y());
    ImgRed->show();
}

void frmSplash::Timer1_Timer() {
    const bool ok = Guarded(this, [this] { ElapsedMs = vokta::AddInt16(ElapsedMs, Timer1->interval()); });
    if (!ok) return;
    if (ElapsedMs == 1500 && !ImgRed->isHidden()) {
        ImgRed->hide();
        ImgYellow->show();
        SetLabelColor(Label1, QColor(255, 255, 0));
        QFont font = Label1->font();
        font.setPointSize(20);
        Label1->setFont(font);
        Label1->setText(QStringLiteral("проверь теорию"));
    }
    if (ElapsedMs == 3000 && !ImgYellow->isHidden()) {
        ImgYellow->hide();
        ImgGreen->show();
        SetLabelColor(Label1, QColor(0, 255, 0));
        QFont font = Label1->font();
        font.setPointSize(20);
        Label1->setFont(font);
        Label1->setText(QStringLiteral("практикой"));
    }
    if (ElapsedMs == 4500 && !ImgGreen->isHidden()) {
        Forms::Unload(this);
        frmMain* main = Forms::Show<frmMain>();
        if (!StartFile.isEmpty()) main->OpenFile(std::exchange(StartFile, QString()));
    }
}

}  // namespace vokta::ui
