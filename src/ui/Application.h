#pragma once

#include <QString>

#include "base/NumberText.h"

class QApplication;

namespace vokta::ui {

// Sets the application up as every window expects it: the designs' 8-point sans as the app font,
// and no quitting when a window closes (the form registry decides when the program ends).
void SetupApplication(QApplication& app);

// The user's number format, from the default locale (the system's unless a test sets another).
NumberFormat UserNumberFormat();

// Text helpers over the core conversions, for QString.
double ParseNumber(const QString& text);
QString NumberText(float x);
QString NumberText(double x);
QString NumberText(int16_t x);
QString LocaleNumberText(float x);
QString LocaleNumberText(double x);
QString LocaleNumberText(int16_t x);
template <typename T>
T LocaleParseNumber(const QString& text) {
    return vokta::LocaleParseNumber<T>(text.toStdString(), UserNumberFormat());
}

}  // namespace vokta::ui
