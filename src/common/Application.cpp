#include "common/Application.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLocale>

namespace vokta::ui {

void SetupApplication(QApplication& app) {
    app.setQuitOnLastWindowClosed(false);
    QFont font = QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))
                     ? QFont(QStringLiteral("Liberation Sans"))
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    app.setFont(font);
    app.setApplicationName(QStringLiteral("Vokta"));
    app.setApplicationVersion(QStringLiteral("%1.%2.%3")
                                  .arg(VOKTA_VERSION_MAJOR)
                                  .arg(VOKTA_VERSION_MINOR)
                                  .arg(VOKTA_VERSION_PATCH));
}

NumberFormat UserNumberFormat() {
    const QLocale locale;
    return NumberFormat{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

double ParseNumber(const QString& text) { return vokta::ParseNumber(text.toStdString()); }
QString NumberText(float x) { return QString::fromStdString(vokta::NumberText(x)); }
QString NumberText(double x) { return QString::fromStdString(vokta::NumberText(x)); }
QString NumberText(int16_t x) { return QString::fromStdString(vokta::NumberText(x)); }
QString LocaleNumberText(float x) {
    return QString::fromStdString(vokta::LocaleNumberText(x, UserNumberFormat()));
}
QString LocaleNumberText(double x) {
    return QString::fromStdString(vokta::LocaleNumberText(x, UserNumberFormat()));
}
QString LocaleNumberText(int16_t x) {
    return QString::fromStdString(vokta::LocaleNumberText(x, UserNumberFormat()));
}

}  // namespace vokta::ui
