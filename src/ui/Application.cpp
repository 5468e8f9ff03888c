#include "ui/Application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/CalculatorPicture.h"

namespace vokta::ui {

void SetupApplication(QApplication& app) {
    app.setQuitOnLastWindowClosed(false);
    // The designs' 8-point sans; where Liberation Sans is missing, font matching falls back to the
    // system's sans without the cost of listing every installed family at start-up.
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setStyleHint(QFont::SansSerif);
    app.setFont(font);
    // Every text of the program is Russian, and so are the buttons of Qt's own dialogs (print preview,
    // input box) where the translations are installed.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
    app.setApplicationName(QStringLiteral("Vokta"));
    app.setWindowIcon(ApplicationIcon());  // every window of the program carries it
    QGuiApplication::setDesktopFileName(QStringLiteral(VOKTA_APP_ID));
    app.setApplicationVersion(QStringLiteral("%1.%2.%3")
                                  .arg(VOKTA_VERSION_MAJOR)
                                  .arg(VOKTA_VERSION_MINOR)
                                  .arg(VOKTA_VERSION_PATCH));
}

NumberFormat UserNumberFormat() {
    const QLocale locale;
    return NumberFormat{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

double ParseNumber(const QString& text) {
    return vokta::ParseNumber(text.toStdString());
}
QString NumberText(float x) {
    return QString::fromStdString(vokta::NumberText(x));
}
QString NumberText(double x) {
    return QString::fromStdString(vokta::NumberText(x));
}
QString NumberText(int16_t x) {
    return QString::fromStdString(vokta::NumberText(x));
}
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
