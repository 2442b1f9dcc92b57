#include "platform/indicators.h"

#include "platform/qt_colour.h"

#include <QLabel>
#include <QLineEdit>

QString onOffText(bool on) {
    return on ? QStringLiteral("On") : QStringLiteral("Off");
}

QString onOffCaption() {
    return onOffText(true) + QLatin1Char('/') + onOffText(false);
}

QRgb indicatorColour(bool on) {
    return on ? qRgb(255, 0, 0) : qRgb(192, 192, 192);
}

void showSwitch(QLabel& indicator, bool on) {
    indicator.setText(onOffText(on));
    setBackColour(indicator, indicatorColour(on));
}

void showSwitch(QLineEdit& indicator, bool on) {
    indicator.setText(onOffText(on));
    setBackColour(indicator, indicatorColour(on), QPalette::Base);
}

QString driveModeCaption(bool harmonicOn) {
    return harmonicOn ? QStringLiteral("Harmonisch bewegt") : QStringLiteral("Bewegung mit Maus");
}
